#include "platform/widgets/Form.h"

#include "platform/widgets/WidgetControls.h"
#include "platform/widgets/WidgetPalette.h"

#include <QApplication>
#include <QCloseEvent>
#include <QEventLoop>
#include <QKeyEvent>
#include <QScreen>
#include <QTimer>
#include <QWindow>
#include <algorithm>

namespace {

Qt::WindowFlags FlagsFor(TFormBorderStyle Style, TBorderIcons Icons) {
    Qt::WindowFlags flags = Qt::Window;
    if (Style == bsDialog) flags = Qt::Dialog;
    if (Style == bsToolWindow) flags = Qt::Tool;
    if (Style == bsNone) return flags | Qt::FramelessWindowHint;
    flags |= Qt::CustomizeWindowHint | Qt::WindowTitleHint;
    if (!(Icons & biSystemMenu)) return flags;
    flags |= Qt::WindowSystemMenuHint | Qt::WindowCloseButtonHint;
    const bool framed = Style == bsSingle || Style == bsSizeable;
    if (framed && (Icons & biMinimize)) flags |= Qt::WindowMinimizeButtonHint;
    if (framed && (Icons & biMaximize)) flags |= Qt::WindowMaximizeButtonHint;
    return flags;
}

// Docked children take their edges in this order, whatever order they were docked in.
int AlignOrder(TAlign Align) {
    switch (Align) {
    case alTop:
        return 0;
    case alBottom:
        return 1;
    case alLeft:
        return 2;
    case alRight:
        return 3;
    case alClient:
        return 4;
    case alNone:
        break;
    }
    return 5;
}

} // namespace

TForm::TForm(QWidget* Owner) : QWidget(nullptr), FOwner(Owner) {
    setWindowFlags(FlagsFor(FBorderStyle, FBorderIcons));
    QPalette colours = palette();
    colours.setColor(QPalette::Window, WidgetPalette::BtnFace());
    colours.setColor(QPalette::Button, WidgetPalette::BtnFace());
    colours.setColor(QPalette::WindowText, WidgetPalette::WindowText());
    setPalette(colours);
    setAutoFillBackground(true);
}

TForm::~TForm() {
    if (FModalLoop) FModalLoop->exit();
}

void TForm::SetBorderStyle(TFormBorderStyle Style, TBorderIcons Icons) {
    FBorderStyle = Style;
    FBorderIcons = Icons;
    const bool visible = isVisible();
    const QPoint position = pos();
    setWindowFlags(FlagsFor(Style, Icons)); // hides a visible window
    ApplySizeLimits();
    if (visible) {
        move(position);
        show();
    }
}

bool TForm::UserResizable() const {
    return FBorderStyle == bsSizeable && minimumSize() != maximumSize();
}

bool TForm::UserMaximizable() const {
    return UserResizable() && windowFlags().testFlag(Qt::WindowMaximizeButtonHint);
}

void TForm::SetClientSize(int Width, int Height) {
    if (FBorderStyle == bsSizeable)
        resize(Width, Height);
    else
        setFixedSize(Width, Height);
    Realign(); // a hidden window hears of its new size only when shown
}

void TForm::SetMinWindowSize(int Width, int Height) {
    FMinWindowSize = QSize(Width, Height);
    ApplySizeLimits();
}

void TForm::SetFormFont(const QString& Family, int Points) {
    QFont face(Family);
    face.setPixelSize((Points * 96 + 36) / 72);
    setFont(face);
}

void TForm::CenterOnScreen() {
    const QScreen* screen = this->screen() ? this->screen() : QGuiApplication::primaryScreen();
    if (!screen) return;
    const QRect area = screen->geometry();
    const QSize outer = size() + FrameExtra();
    move(area.x() + ((area.width() - outer.width()) >> 1),
         area.y() + ((area.height() - outer.height()) >> 1));
}

void TForm::CenterOver(QWidget& Reference) {
    FCenterOver = &Reference;
    ApplyCentring();
}

void TForm::ApplyCentring() {
    if (!FCenterOver) return;
    const TRect outer = WidgetBounds(*FCenterOver);
    const QSize frame = FrameExtra();
    const QSize own = size() + frame;
    move(outer.Left + ((outer.Width() - own.width()) >> 1),
         outer.Top + ((outer.Height() - own.height()) >> 1));
    FCenteredFrame = frame;
}

int TForm::ShowModal() {
    if (FModalLoop) return mrNone;
    FModalResult = mrNone;
    setWindowModality(Qt::ApplicationModal);
    show();
    raise();
    activateWindow();
    QEventLoop loop;
    FModalLoop = &loop;
    if (FModalResult == mrNone) loop.exec(QEventLoop::DialogExec);
    FModalLoop = nullptr;
    DoClose();
    hide();
    setWindowModality(Qt::NonModal);
    return FModalResult;
}

void TForm::SetModalResult(int Value) {
    FModalResult = Value;
    if (Value != mrNone && FModalLoop) FModalLoop->exit();
}

void TForm::SetKeyPreview(bool Value) {
    if (Value == FKeyPreview) return;
    FKeyPreview = Value;
    if (Value)
        qApp->installEventFilter(this);
    else
        qApp->removeEventFilter(this);
}

void TForm::SetAlign(QWidget* Child, TAlign Align) {
    std::erase_if(FDocked, [Child](const Docked& d) { return d.Child == Child; });
    if (Align != alNone) FDocked.push_back({Child, Align});
    Realign();
}

void TForm::Realign() {
    std::vector<Docked> order = FDocked;
    std::stable_sort(order.begin(), order.end(), [](const Docked& a, const Docked& b) {
        return AlignOrder(a.Align) < AlignOrder(b.Align);
    });
    QRect free = rect();
    for (const Docked& d : order) {
        if (d.Child->isHidden()) continue;
        const int w = d.Child->width(), h = d.Child->height();
        switch (d.Align) {
        case alTop:
            d.Child->setGeometry(free.left(), free.top(), free.width(), h);
            free.setTop(free.top() + h);
            break;
        case alBottom:
            d.Child->setGeometry(free.left(), free.bottom() + 1 - h, free.width(), h);
            free.setBottom(free.bottom() - h);
            break;
        case alLeft:
            d.Child->setGeometry(free.left(), free.top(), w, free.height());
            free.setLeft(free.left() + w);
            break;
        case alRight:
            d.Child->setGeometry(free.right() + 1 - w, free.top(), w, free.height());
            free.setRight(free.right() - w);
            break;
        case alClient:
            d.Child->setGeometry(free.left(), free.top(), std::max(free.width(), 0),
                                 std::max(free.height(), 0));
            break;
        case alNone:
            break;
        }
    }
}

bool TForm::DispatchKey(QKeyEvent& Event) {
    Event.ignore();
    if (Event.type() == QEvent::KeyRelease) {
        if (Event.isAutoRepeat() || !OnKeyUp) return false;
        OnKeyUp(this, Event);
        return Event.isAccepted();
    }
    if (OnKeyDown) {
        OnKeyDown(this, Event);
        if (Event.isAccepted()) return true;
    }
    if (OnKeyPress && !Event.text().isEmpty()) {
        OnKeyPress(this, Event);
        if (Event.isAccepted()) return true;
    }
    return false;
}

bool TForm::eventFilter(QObject* Watched, QEvent* Event) {
    const bool key = Event->type() == QEvent::KeyPress || Event->type() == QEvent::KeyRelease;
    if (!key || Watched == this || Watched != QApplication::focusWidget()) return false;
    if (static_cast<QWidget*>(Watched)->window() != this) return false;
    return DispatchKey(*static_cast<QKeyEvent*>(Event));
}

// Keys reach the form's own handlers when the form itself has the focus;
// keys of a focused control reach them only through the key preview.
bool TForm::OwnKey() const {
    const QWidget* focus = QApplication::focusWidget();
    return !focus || focus == this || focus->window() != this;
}

void TForm::keyPressEvent(QKeyEvent* Event) {
    if (!OwnKey() || !DispatchKey(*Event)) QWidget::keyPressEvent(Event);
}

void TForm::keyReleaseEvent(QKeyEvent* Event) {
    if (!OwnKey() || !DispatchKey(*Event)) QWidget::keyReleaseEvent(Event);
}

void TForm::closeEvent(QCloseEvent* Event) {
    if (FModalLoop) {
        // A modal window closes when its showing ends.
        Event->ignore();
        if (FModalResult == mrNone) SetModalResult(mrCancel);
        return;
    }
    DoClose();
    Event->accept();
}

void TForm::resizeEvent(QResizeEvent* Event) {
    QWidget::resizeEvent(Event);
    Realign();
    if (OnResize) OnResize(this);
}

void TForm::showEvent(QShowEvent* Event) {
    QWidget::showEvent(Event);
    if (FOwner && FOwner->windowHandle() && windowHandle())
        windowHandle()->setTransientParent(FOwner->windowHandle());
    ApplySizeLimits();
    if (FCenterOver)
        QTimer::singleShot(0, this, [this] {
            if (FrameExtra() != FCenteredFrame) ApplyCentring();
            FCenterOver = nullptr;
        });
}

void TForm::ApplySizeLimits() {
    if (FBorderStyle != bsSizeable) {
        setFixedSize(size());
        return;
    }
    const QSize extra = FrameExtra();
    setMinimumSize(std::max(FMinWindowSize.width() - extra.width(), 0),
                   std::max(FMinWindowSize.height() - extra.height(), 0));
    setMaximumSize(QWIDGETSIZE_MAX, QWIDGETSIZE_MAX);
}

void TForm::DoClose() {
    if (OnClose) OnClose(this);
}

QSize TForm::FrameExtra() const {
    return frameGeometry().size() - geometry().size();
}
