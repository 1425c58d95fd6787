// The main page window's designed layout.
#include "viewer/Viewpage.h"

#include "platform/widgets/BevelPanel.h"
#include "platform/widgets/Gauge.h"
#include "platform/widgets/WidgetPalette.h"
#include "viewer/ToolbarPictures.h"

#include <QLabel>
#include <QMenu>
#include <iterator>

namespace {

// The navigator bar's buttons, left to right; each shows the toolbar picture
// of its position. A separator parts the groups.
struct TNavigatorButton {
    TToolButton* TfrmPage::*Button;
    const char* Name;
    TToolButtonStyle Style;
    const char* Hint; // "short|long"
    bool StartsGroup = false;
    QMenu* TfrmPage::*Menu = nullptr; // of a drop-down button
};

const TNavigatorButton NavigatorButtons[] = {
    {&TfrmPage::tbFirst, "tbFirst", tbsButton, "В начало|Перейти к началу раздела (Ctrl+Left)"},
    {&TfrmPage::tbPrev, "tbPrev", tbsButton, "Назад|Перейти к предыдущей странице (Left)"},
    {&TfrmPage::tbMark, "tbMark", tbsCheck, "Закладка|Переключить закладку (Space)"},
    {&TfrmPage::tbNext, "tbNext", tbsButton, "Вперед|Перейти к следующей странице (Right)"},
    {&TfrmPage::tbLast, "tbLast", tbsButton, "В конец|Перейти к концу раздела (Ctrl+Right)"},
    {&TfrmPage::tbAcross, "tbAcross", tbsCheck, "Сквозное пролистывание", true},
    {&TfrmPage::tbBackward, "tbBackward", tbsDropDown, "Назад|Назад (PgUp)", true,
     &TfrmPage::pmBackwardMenu},
    {&TfrmPage::tbForward, "tbForward", tbsDropDown, "Вперед|Вперед (PgDn)", false,
     &TfrmPage::pmForwardMenu},
    {&TfrmPage::tbBookMarks, "tbBookMarks", tbsDropDown, "Перейти к закладке", true,
     &TfrmPage::pmBookMarksMenu},
    {&TfrmPage::tbContents, "tbContents", tbsButton, "Содержание|Перейти к содержанию (Esc)", true},
    {&TfrmPage::tbZoomOut, "tbZoomOut", tbsButton, "Уменьшить|Уменьшить размер окна (Gray Minus)",
     true},
    {&TfrmPage::tbZoomIn, "tbZoomIn", tbsButton, "Увеличить|Увеличить размер окна (Gray Plus)"},
    {&TfrmPage::tbShowHints, "tbShowHints", tbsCheck, "Подсказки|Показывать всплывающие подсказки",
     true},
    {&TfrmPage::tbButtonSize, "tbButtonSize", tbsCheck, "Размер кнопок|Изменить размер кнопок"},
    {&TfrmPage::tbInformation, "tbInformation", tbsButton,
     "Информация|Краткая информация о программе (F1)"},
    {&TfrmPage::tbExit, "tbExit", tbsButton, "Выход|Выход из учебника (Alt+F4)", true},
};
static_assert(std::size(NavigatorButtons) == ToolbarPictureCount, "a picture for every button");

} // namespace

TfrmPage::TfrmPage(const std::string& ExeName) : FExeName(ExeName) {
    CreateComponents();
    StartViewer();
}

TfrmPage::~TfrmPage() {
    frmDestroy();
}

void TfrmPage::CreateComponents() {
    setObjectName(QStringLiteral("frmPage"));
    SetCaption(QStringLiteral("Пожалуйста, ждите..."));
    SetFormFont(QStringLiteral("Tahoma"), 8);
    SetBorderStyle(bsSingle, 0);
    SetMinWindowSize(320, 200);
    SetClientSize(772, 523);
    SetKeyPreview(true);
    ilSmallImages = std::make_unique<TImageList>(16, 16, WidgetPalette::Fuchsia());
    ilLargeImages = std::make_unique<TImageList>(24, 24, WidgetPalette::Fuchsia());
    AddToolbarPictures(*ilSmallImages);
    AddToolbarPictures(*ilLargeImages);
    pmBookMarksMenu = new QMenu(this);
    pmBookMarksMenu->setObjectName(QStringLiteral("pmBookMarksMenu"));
    pmBackwardMenu = new QMenu(this);
    pmBackwardMenu->setObjectName(QStringLiteral("pmBackwardMenu"));
    pmForwardMenu = new QMenu(this);
    pmForwardMenu->setObjectName(QStringLiteral("pmForwardMenu"));
    CreatePanels();
    CreateNavigatorBar();
    CreateProgressBox();
    FFormControl = std::make_unique<TWidgetControl>(*this);
    FBoxControl = std::make_unique<TWidgetControl>(*pnlProgressBox);
    FWaitControl = std::make_unique<TLabelControl>(*lblWait);
    CenterOnScreen();
}

void TfrmPage::CreatePanels() {
    pnlTextPanel = new TBevelPanel(this);
    pnlTextPanel->setObjectName(QStringLiteral("pnlTextPanel"));
    pnlTextPanel->SetBevelOuter(bvNone);

    // Docked in this order, the status bar takes the bottom edge and the
    // navigator bar sits right above it.
    pnlStatusBar = new TBevelPanel(this);
    pnlStatusBar->setObjectName(QStringLiteral("pnlStatusBar"));
    pnlStatusBar->SetBevelInner(bvLowered);
    pnlStatusBar->resize(width(), 19);
    lblHints = new QLabel(QStringLiteral("Готово"), pnlStatusBar);
    lblHints->setObjectName(QStringLiteral("lblHints"));
    lblHints->move(4, 2);
    lblHints->adjustSize();

    pnlNavigatorBar = new TBevelPanel(this);
    pnlNavigatorBar->setObjectName(QStringLiteral("pnlNavigatorBar"));
    pnlNavigatorBar->SetBevelInner(bvLowered);
    pnlNavigatorBar->resize(width(), 31);

    SetAlign(pnlStatusBar, alBottom);
    SetAlign(pnlNavigatorBar, alBottom);
    SetAlign(pnlTextPanel, alClient);

    pnlVideoPanel = new TBevelPanel(this);
    pnlVideoPanel->setObjectName(QStringLiteral("pnlVideoPanel"));
    pnlVideoPanel->SetColor(Qt::black);
    pnlVideoPanel->setGeometry(32, 28, 185, 41);
    pnlVideoPanel->hide();
}

void TfrmPage::CreateNavigatorBar() {
    tbNavigatorBar = new TToolBar(pnlNavigatorBar);
    tbNavigatorBar->setObjectName(QStringLiteral("tbNavigatorBar"));
    tbNavigatorBar->setGeometry(4, 4, 600, 23);
    tbNavigatorBar->SetButtonSize(23, 23);
    tbNavigatorBar->SetImages(ilSmallImages.get());
    CreateToolButtons();

    // Stands in the bar until the media player arrives; only program logic
    // drives it, so the start-up moves it out of sight.
    mpMediaPlayer = new QWidget(pnlNavigatorBar);
    mpMediaPlayer->setObjectName(QStringLiteral("mpMediaPlayer"));
    mpMediaPlayer->setGeometry(516, 0, 253, 30);
}

void TfrmPage::CreateToolButtons() {
    TToolBar& bar = *tbNavigatorBar;
    for (size_t i = 0; i < std::size(NavigatorButtons); ++i) {
        const TNavigatorButton& design = NavigatorButtons[i];
        if (design.StartsGroup) bar.AddSeparator();
        this->*design.Button = bar.AddButton(QString::fromUtf8(design.Name), design.Style,
                                             static_cast<int>(i), QString::fromUtf8(design.Hint),
                                             design.Menu ? this->*design.Menu : nullptr);
    }
    // The bookmark button toggles and can be released again.
    tbMark->Grouped = true;
    tbMark->AllowAllUp = true;
}

void TfrmPage::CreateProgressBox() {
    pnlProgressBox = new TBevelPanel(this);
    pnlProgressBox->setObjectName(QStringLiteral("pnlProgressBox"));
    pnlProgressBox->SetBevelInner(bvRaised);
    pnlProgressBox->setGeometry(0, 0, 320, 80);
    pnlProgressBox->hide();
    lblWait = new QLabel(pnlProgressBox);
    lblWait->setObjectName(QStringLiteral("lblWait"));
    lblWait->setGeometry(2, 16, 316, 13);
    lblWait->setAlignment(Qt::AlignHCenter | Qt::AlignTop);
    cgGauge = new TGauge(pnlProgressBox);
    cgGauge->setObjectName(QStringLiteral("cgGauge"));
    cgGauge->setGeometry(45, 40, 229, 21);
    cgGauge->SetForeColor(WidgetPalette::Highlight());
}
