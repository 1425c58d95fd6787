#include "platform/widgets/ToolBar.h"

#include "platform/widgets/ImageList.h"
#include "platform/widgets/WidgetPalette.h"

#include <QMenu>
#include <QPainter>

QString GetShortHint(const QString& Hint) {
    const qsizetype bar = Hint.indexOf(QLatin1Char('|'));
    return bar < 0 ? Hint : Hint.left(bar);
}

QString GetLongHint(const QString& Hint) {
    const qsizetype bar = Hint.indexOf(QLatin1Char('|'));
    return bar < 0 ? Hint : Hint.mid(bar + 1);
}

namespace {

// The gap between button groups, with an etched line in its middle.
class TToolSeparator : public QWidget {
public:
    using QWidget::QWidget;

protected:
    void paintEvent(QPaintEvent*) override {
        QPainter painter(this);
        const int x = width() / 2 - 1;
        painter.fillRect(QRect(x, 0, 1, height()), WidgetPalette::BtnShadow());
        painter.fillRect(QRect(x + 1, 0, 1, height()), WidgetPalette::BtnHighlight());
    }
};

} // namespace

TToolButton::TToolButton(TToolBar* Owner, TToolButtonStyle Style)
    : QToolButton(Owner), FOwner(Owner), FStyle(Style) {
    setAutoRaise(true);
    setFocusPolicy(Qt::NoFocus);
    setCheckable(Style == tbsCheck);
    connect(this, &QToolButton::clicked, this, [this] { UserClicked(); });
}

void TToolButton::SetImageIndex(int Value) {
    if (Value == FImageIndex) return;
    FImageIndex = Value;
    FOwner->UpdateButton(this);
}

void TToolButton::SetHint(const QString& Value) {
    if (Value == FHint) return;
    FHint = Value;
    FOwner->UpdateButton(this);
}

bool TToolButton::Down() const {
    return FStyle == tbsCheck ? isChecked() : isDown();
}

void TToolButton::SetDown(bool Value) {
    if (FStyle != tbsCheck) {
        setDown(Value);
        return;
    }
    setChecked(Value);
    if (Value && Grouped) FOwner->ReleaseGroupOf(this);
}

void TToolButton::Click() {
    if (OnClick) OnClick(this);
}

void TToolButton::UserClicked() {
    if (FStyle == tbsCheck && Grouped) {
        if (isChecked())
            FOwner->ReleaseGroupOf(this);
        else if (!AllowAllUp)
            setChecked(true);
    }
    Click();
}

TToolBar::TToolBar(QWidget* Parent) : QWidget(Parent) {}

TToolButton* TToolBar::AddButton(const QString& Name, TToolButtonStyle Style, int ImageIndex,
                                 const QString& Hint, QMenu* DropdownMenu) {
    auto* button = new TToolButton(this, Style);
    button->setObjectName(Name);
    if (Style == tbsDropDown) {
        button->setPopupMode(QToolButton::MenuButtonPopup);
        if (DropdownMenu) button->setMenu(DropdownMenu);
    }
    FItems.push_back({button, nullptr, 0});
    FButtons.push_back(button);
    button->SetImageIndex(ImageIndex);
    button->SetHint(Hint);
    UpdateButton(button);
    Relayout();
    return button;
}

void TToolBar::AddSeparator(int Width) {
    auto* separator = new TToolSeparator(this);
    FItems.push_back({nullptr, separator, Width});
    Relayout();
}

TToolButton* TToolBar::FindButton(const QString& Name) const {
    for (TToolButton* button : FButtons)
        if (button->objectName() == Name) return button;
    return nullptr;
}

void TToolBar::SetImages(const TImageList* Value) {
    FImages = Value;
    for (TToolButton* button : FButtons)
        UpdateButton(button);
}

void TToolBar::SetButtonSize(int Width, int Height) {
    if (Width == FButtonWidth && Height == FButtonHeight) return;
    FButtonWidth = Width;
    FButtonHeight = Height;
    Relayout();
}

void TToolBar::SetShowHint(bool Value) {
    if (Value == FShowHint) return;
    FShowHint = Value;
    for (TToolButton* button : FButtons)
        UpdateButton(button);
}

void TToolBar::ReleaseGroupOf(TToolButton* Button) {
    // The group is the run of adjacent grouped check buttons around Button.
    size_t index = 0;
    while (index < FItems.size() && FItems[index].Button != Button)
        ++index;
    auto inGroup = [](const Item& item) {
        return item.Button && item.Button->Style() == tbsCheck && item.Button->Grouped;
    };
    for (size_t i = index; i-- > 0 && inGroup(FItems[i]);)
        FItems[i].Button->setChecked(false);
    for (size_t i = index + 1; i < FItems.size() && inGroup(FItems[i]); ++i)
        FItems[i].Button->setChecked(false);
}

void TToolBar::UpdateButton(TToolButton* Button) {
    if (FImages) {
        Button->setIcon(FImages->Icon(Button->ImageIndex()));
        Button->setIconSize(QSize(FImages->Width(), FImages->Height()));
    }
    Button->setToolTip(FShowHint ? GetShortHint(Button->Hint()) : QString());
}

void TToolBar::Relayout() {
    int x = 0;
    for (const Item& item : FItems) {
        if (item.Button) {
            const int width =
                FButtonWidth + (item.Button->Style() == tbsDropDown ? DropDownWidth : 0);
            item.Button->setGeometry(x, 0, width, FButtonHeight);
            x += width;
        } else {
            item.Separator->setGeometry(x, 0, item.Width, FButtonHeight);
            x += item.Width;
        }
    }
}
