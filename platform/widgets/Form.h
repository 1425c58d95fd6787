#pragma once

#include <QPointer>
#include <QString>
#include <QWidget>
#include <functional>
#include <vector>

class QEventLoop;
class QKeyEvent;

enum TFormBorderStyle { bsNone, bsSingle, bsSizeable, bsDialog, bsToolWindow };

// Icons of a window's title bar.
enum TBorderIcon : unsigned { biSystemMenu = 1, biMinimize = 2, biMaximize = 4 };
using TBorderIcons = unsigned;

// How a modal window ended.
enum TModalResult : int {
    mrNone = 0,
    mrOk = 1,
    mrCancel = 2,
    mrAbort = 3,
    mrRetry = 4,
    mrIgnore = 5,
    mrYes = 6,
    mrNo = 7
};

// How a child fills its form: docked to an edge or filling what the docked
// children leave.
enum TAlign { alNone, alTop, alBottom, alLeft, alRight, alClient };

// A top-level window with a designed layout: sized by its client area, with
// a border style, modal showing, key preview and docked children. The owner
// window (if any) is the one the form stays above; it is not the Qt parent,
// so that disabling the owner does not disable the form.
class TForm : public QWidget {
    Q_OBJECT

public:
    explicit TForm(QWidget* Owner = nullptr);
    ~TForm() override;

    QWidget* Owner() const { return FOwner; }

    TFormBorderStyle BorderStyle() const { return FBorderStyle; }
    TBorderIcons BorderIcons() const { return FBorderIcons; }
    // Changes the frame; a visible window stays visible where it was.
    void SetBorderStyle(TFormBorderStyle Style, TBorderIcons Icons);
    // Whether the user can change the window's size (a sizeable border).
    bool UserResizable() const;
    bool UserMaximizable() const;

    int ClientWidth() const { return width(); }
    int ClientHeight() const { return height(); }
    void SetClientSize(int Width, int Height);
    // The smallest outer size the user may give a sizeable window.
    void SetMinWindowSize(int Width, int Height);

    QString Caption() const { return windowTitle(); }
    void SetCaption(const QString& Value) { setWindowTitle(Value); }
    // A font of Family at Points points, at a fixed 96 dots per inch.
    void SetFormFont(const QString& Family, int Points);

    // Centres the window (by its outer frame) on its screen.
    void CenterOnScreen();
    // Centres the window's frame on Reference's frame (the free space on each
    // axis halved, rounding down). The frame a platform adds only when the
    // window is shown is taken into account once it is known.
    void CenterOver(QWidget& Reference);

    // Shows the window modally; returns the modal result that ended it
    // (mrCancel when it was closed through its title bar).
    int ShowModal();
    int ModalResult() const { return FModalResult; }
    // A result other than mrNone ends a modal showing.
    void SetModalResult(int Value);
    bool Modal() const { return FModalLoop != nullptr; }

    // With key preview the form sees the keys of its focused control first.
    bool KeyPreview() const { return FKeyPreview; }
    void SetKeyPreview(bool Value);

    // Docks Child (a direct child) at an edge or fills the rest; children are
    // placed in the order they were docked, each taking from what is left.
    void SetAlign(QWidget* Child, TAlign Align);
    void Realign();

    // Key handlers: a key went down; a character key was pressed (its text is
    // not empty: Enter is "\r", Esc "\x1b"); a key was released. A handler
    // that accepts the event keeps it from the focused control.
    std::function<void(TForm* Sender, QKeyEvent& Key)> OnKeyDown;
    std::function<void(TForm* Sender, QKeyEvent& Key)> OnKeyPress;
    std::function<void(TForm* Sender, QKeyEvent& Key)> OnKeyUp;
    // Runs whenever the window closes (also when a modal showing ends).
    std::function<void(TForm* Sender)> OnClose;
    std::function<void(TForm* Sender)> OnResize;

protected:
    bool eventFilter(QObject* Watched, QEvent* Event) override;
    void keyPressEvent(QKeyEvent* Event) override;
    void keyReleaseEvent(QKeyEvent* Event) override;
    void closeEvent(QCloseEvent* Event) override;
    void resizeEvent(QResizeEvent* Event) override;
    void showEvent(QShowEvent* Event) override;

private:
    bool DispatchKey(QKeyEvent& Event);
    bool OwnKey() const;
    void ApplySizeLimits();
    void DoClose();
    QSize FrameExtra() const;
    void ApplyCentring();

    QPointer<QWidget> FOwner;
    QPointer<QWidget> FCenterOver;
    QSize FCenteredFrame;
    TFormBorderStyle FBorderStyle = bsSizeable;
    TBorderIcons FBorderIcons = biSystemMenu | biMinimize | biMaximize;
    QSize FMinWindowSize;
    int FModalResult = mrNone;
    QEventLoop* FModalLoop = nullptr;
    bool FKeyPreview = false;
    struct Docked {
        QWidget* Child;
        TAlign Align;
    };
    std::vector<Docked> FDocked;
};
