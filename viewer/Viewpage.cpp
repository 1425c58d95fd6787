// The main page window's designed layout.
#include "viewer/Viewpage.h"

#include "platform/widgets/BevelPanel.h"
#include "platform/widgets/Gauge.h"
#include "platform/widgets/WidgetPalette.h"
#include "viewer/ToolbarPictures.h"

#include <QLabel>
#include <QMenu>

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
    tbFirst = bar.AddButton(QStringLiteral("tbFirst"), tbsButton, 0,
                            QStringLiteral("В начало|Перейти к началу раздела (Ctrl+Left)"));
    tbPrev = bar.AddButton(QStringLiteral("tbPrev"), tbsButton, 1,
                           QStringLiteral("Назад|Перейти к предыдущей странице (Left)"));
    tbMark = bar.AddButton(QStringLiteral("tbMark"), tbsCheck, 2,
                           QStringLiteral("Закладка|Переключить закладку (Space)"));
    tbMark->Grouped = true;
    tbMark->AllowAllUp = true;
    tbNext = bar.AddButton(QStringLiteral("tbNext"), tbsButton, 3,
                           QStringLiteral("Вперед|Перейти к следующей странице (Right)"));
    tbLast = bar.AddButton(QStringLiteral("tbLast"), tbsButton, 4,
                           QStringLiteral("В конец|Перейти к концу раздела (Ctrl+Right)"));
    bar.AddSeparator();
    tbAcross = bar.AddButton(QStringLiteral("tbAcross"), tbsCheck, 5,
                             QStringLiteral("Сквозное пролистывание"));
    bar.AddSeparator();
    tbBackward = bar.AddButton(QStringLiteral("tbBackward"), tbsDropDown, 6,
                               QStringLiteral("Назад|Назад (PgUp)"), pmBackwardMenu);
    tbForward = bar.AddButton(QStringLiteral("tbForward"), tbsDropDown, 7,
                              QStringLiteral("Вперед|Вперед (PgDn)"), pmForwardMenu);
    bar.AddSeparator();
    tbBookMarks = bar.AddButton(QStringLiteral("tbBookMarks"), tbsDropDown, 8,
                                QStringLiteral("Перейти к закладке"), pmBookMarksMenu);
    bar.AddSeparator();
    tbContents = bar.AddButton(QStringLiteral("tbContents"), tbsButton, 9,
                               QStringLiteral("Содержание|Перейти к содержанию (Esc)"));
    bar.AddSeparator();
    tbZoomOut = bar.AddButton(QStringLiteral("tbZoomOut"), tbsButton, 10,
                              QStringLiteral("Уменьшить|Уменьшить размер окна (Gray Minus)"));
    tbZoomIn = bar.AddButton(QStringLiteral("tbZoomIn"), tbsButton, 11,
                             QStringLiteral("Увеличить|Увеличить размер окна (Gray Plus)"));
    bar.AddSeparator();
    tbShowHints = bar.AddButton(QStringLiteral("tbShowHints"), tbsCheck, 12,
                                QStringLiteral("Подсказки|Показывать всплывающие подсказки"));
    tbButtonSize = bar.AddButton(QStringLiteral("tbButtonSize"), tbsCheck, 13,
                                 QStringLiteral("Размер кнопок|Изменить размер кнопок"));
    tbInformation = bar.AddButton(QStringLiteral("tbInformation"), tbsButton, 14,
                                  QStringLiteral("Информация|Краткая информация о программе (F1)"));
    bar.AddSeparator();
    tbExit = bar.AddButton(QStringLiteral("tbExit"), tbsButton, 15,
                           QStringLiteral("Выход|Выход из учебника (Alt+F4)"));
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
