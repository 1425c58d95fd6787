#include "viewer/Viewinfo.h"

#include "hypertext/HyperText.h"
#include "platform/graphics/Bitmap.h"
#include "platform/widgets/ImageList.h"
#include "platform/widgets/WidgetPalette.h"
#include "viewer/ExitPictures.h"
#include "viewer/InfoTexts.h"
#include "viewer/Shell.h"
#include "viewer/ToolbarPictures.h"
#include "viewer/Viewpage.h"

#include <QApplication>
#include <QFrame>
#include <QKeyEvent>
#include <QLabel>
#include <QScrollArea>
#include <QScrollBar>

TfrmInfo* frmInfo = nullptr;

namespace {

// A picture name "N.ext" with N a decimal number: N, else -1.
int PictureNumber(const AnsiString& Name) {
    const size_t dot = Name.find('.');
    if (dot == AnsiString::npos || dot == 0 || dot > 9) return -1;
    int value = 0;
    for (size_t i = 0; i < dot; ++i) {
        if (Name[i] < '0' || Name[i] > '9') return -1;
        value = value * 10 + (Name[i] - '0');
    }
    return value;
}

} // namespace

TfrmInfo::TfrmInfo(QWidget* Owner) : TForm(Owner), FPage(qobject_cast<TfrmPage*>(Owner)) {
    setObjectName(QStringLiteral("frmInfo"));
    SetBorderStyle(bsToolWindow, biSystemMenu);
    SetCaption(QStringLiteral("Информация о программе"));
    SetFormFont(QStringLiteral("Tahoma"), 8);
    SetClientSize(373, 377);
    SetKeyPreview(true);
    if (FPage && FPage->ilSmallImages) {
        FImages = FPage->ilSmallImages.get();
    } else {
        FOwnImages = std::make_unique<TImageList>(16, 16, WidgetPalette::Fuchsia());
        AddToolbarPictures(*FOwnImages);
        FImages = FOwnImages.get();
    }

    sbInformation = new QScrollArea(this);
    sbInformation->setObjectName(QStringLiteral("sbInformation"));
    sbInformation->setFrameShape(QFrame::NoFrame);
    sbInformation->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    sbInformation->setVerticalScrollBarPolicy(Qt::ScrollBarAsNeeded);
    SetAlign(sbInformation, alClient);
    auto* content = new QWidget;
    content->setObjectName(QStringLiteral("sbInformationContent"));
    content->resize(357, 228 + 355 + 8);
    sbInformation->setWidget(content);

    lblAbout = AddCaption("lblAbout", QStringLiteral("О программе  "), 4, bvAbout, "bvAbout");
    imgAbout = new QLabel(content);
    imgAbout->setObjectName(QStringLiteral("imgAbout"));
    imgAbout->setGeometry(8, 28, 64, 64);
    imgAbout->setAlignment(Qt::AlignCenter);
    const QIcon icon = QApplication::windowIcon();
    imgAbout->setPixmap(icon.isNull() ? BookIcon() : icon.pixmap(64, 64));
    lblHotKeys = AddCaption("lblHotKeys", QStringLiteral("Клавиши быстрого доступа  "), 208,
                            bvHotKeys, "bvHotKeys");

    FAboutView = std::make_unique<THyperText>(content);
    FAboutView->SetColor(clBtnFace);
    FAboutView->SetBoundsRect(Bounds(88, 24, 261, 168));
    FAboutView->OnLinkClick = [this](TObject*, int32_t) { MailTo(); };
    TStringList about;
    AboutText(about);
    FAboutView->SetLines(about);
    FAboutView->SetVisible(true);

    FHotKeysView = std::make_unique<THyperText>(content);
    FHotKeysView->SetColor(clBtnFace);
    FHotKeysView->SetBoundsRect(Bounds(8, 228, 341, 355));
    FHotKeysView->SetOnGraphicLoad(
        [this](THyperText*, TGraphic* Graphic, const AnsiString& Name, bool& Loaded, bool& Failed) {
            GraphicLoad(Graphic, Name, Loaded, Failed);
        });
    TStringList keys;
    HotKeysText(keys);
    FHotKeysView->SetLines(keys);
    FHotKeysView->SetVisible(true);

    OnKeyPress = [this](TForm*, QKeyEvent& Key) { frmKeyPress(Key); };
}

TfrmInfo::~TfrmInfo() = default;

// A caption with a line running from it to the right edge.
QLabel* TfrmInfo::AddCaption(const char* Name, const QString& Caption, int Top, QFrame*& Line,
                             const char* LineName) {
    QWidget* content = sbInformation->widget();
    Line = new QFrame(content);
    Line->setObjectName(QString::fromUtf8(LineName));
    Line->setFrameShape(QFrame::HLine);
    Line->setFrameShadow(QFrame::Sunken);
    Line->setGeometry(8, Top + 7, 341, 2);
    auto* label = new QLabel(Caption, content);
    label->setObjectName(QString::fromUtf8(Name));
    label->move(8, Top);
    label->adjustSize();
    // The caption interrupts the line.
    label->setAutoFillBackground(true);
    label->raise();
    return label;
}

void TfrmInfo::GraphicLoad(TGraphic* Graphic, const AnsiString& Name, bool& Loaded, bool& Failed) {
    const int number = PictureNumber(Name);
    auto* bitmap = dynamic_cast<TBitmap*>(Graphic);
    if (number < 0 || !FImages || number >= FImages->Count() || !bitmap) {
        Failed = true;
        return;
    }
    bitmap->SetImage(FImages->Bitmap(number));
    Loaded = true;
}

void TfrmInfo::MailTo() {
    ShellOpen(MailLink());
}

void TfrmInfo::frmKeyPress(QKeyEvent& Key) {
    if (FPage) FPage->SkipKeyUp = true;
    if (Key.text() == QStringLiteral("\r") || Key.text() == QStringLiteral("\x1b")) {
        Key.accept();
        close();
    }
}
