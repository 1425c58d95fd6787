#pragma once

#include <QString>
#include <QToolButton>
#include <QWidget>
#include <functional>
#include <vector>

class QMenu;
class TImageList;
class TToolBar;

enum TToolButtonStyle { tbsButton, tbsCheck, tbsDropDown, tbsSeparator };

// The parts of a hint "short|long": the short part pops up over the control,
// the long part goes to a status line. Without "|" both are the whole text.
QString GetShortHint(const QString& Hint);
QString GetLongHint(const QString& Hint);

// A button of a TToolBar showing one picture of the toolbar's image list.
class TToolButton : public QToolButton {
    Q_OBJECT

public:
    TToolButton(TToolBar* Owner, TToolButtonStyle Style);

    TToolButtonStyle Style() const { return FStyle; }
    int ImageIndex() const { return FImageIndex; }
    void SetImageIndex(int Value);
    QString Hint() const { return FHint; }
    void SetHint(const QString& Value);
    // A check button of a group releases the other pressed buttons of the
    // group (the adjacent grouped check buttons); AllowAllUp lets the user
    // release the last pressed one.
    bool Grouped = false;
    bool AllowAllUp = false;

    // The pressed state of a check button (or a drop-down button held down).
    bool Down() const;
    void SetDown(bool Value);
    // Runs the click handler, as a click does after toggling a check button.
    void Click();

    std::function<void(TToolButton* Sender)> OnClick;

private:
    void UserClicked();

    TToolBar* FOwner;
    TToolButtonStyle FStyle;
    int FImageIndex = -1;
    QString FHint;
};

// A flat, transparent row of tool buttons and separators laid out left to
// right without wrapping, all buttons ButtonWidth x ButtonHeight (drop-down
// buttons wider by their arrow).
class TToolBar : public QWidget {
    Q_OBJECT

public:
    explicit TToolBar(QWidget* Parent = nullptr);

    TToolButton* AddButton(const QString& Name, TToolButtonStyle Style, int ImageIndex,
                           const QString& Hint, QMenu* DropdownMenu = nullptr);
    void AddSeparator(int Width = 8);

    const std::vector<TToolButton*>& Buttons() const { return FButtons; }
    TToolButton* FindButton(const QString& Name) const;

    const TImageList* Images() const { return FImages; }
    void SetImages(const TImageList* Value);
    int ButtonWidth() const { return FButtonWidth; }
    int ButtonHeight() const { return FButtonHeight; }
    void SetButtonSize(int Width, int Height);
    // Pop-up hints of the buttons (off at first).
    bool ShowHint() const { return FShowHint; }
    void SetShowHint(bool Value);

    static constexpr int DropDownWidth = 14;

private:
    friend class TToolButton;
    void ReleaseGroupOf(TToolButton* Button);
    void UpdateButton(TToolButton* Button);
    void Relayout();

    struct Item {
        TToolButton* Button = nullptr; // none for a separator
        QWidget* Separator = nullptr;
        int Width = 0;
    };
    std::vector<Item> FItems;
    std::vector<TToolButton*> FButtons;
    const TImageList* FImages = nullptr;
    int FButtonWidth = 23;
    int FButtonHeight = 22;
    bool FShowHint = false;
};
