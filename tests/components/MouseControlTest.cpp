// Entering and leaving of TMouseControl, driven by the events Qt delivers to
// its widget.
#include "components/MouseControl.h"

#include "platform/graphics/Canvas.h"

#include <QApplication>
#include <QEnterEvent>
#include <QMouseEvent>
#include <QWidget>
#include <gtest/gtest.h>
#include <string>

namespace {

class TMouseControlTest : public ::testing::Test {
protected:
    void SetUp() override {
        Parent.resize(300, 200);
        Parent.show();
        Control.SetBoundsRect(Rect(10, 10, 110, 60));
        Control.OnMouseEnter = [this](TObject*) { Log += "enter "; };
        Control.OnMouseExit = [this](TObject*) { Log += "exit "; };
        // Where a leaving pointer went depends on the platform: only "out".
        Control.OnMouseMove = [this](TObject*, TShiftState, int X, int Y) {
            const bool inside = X >= 0 && Y >= 0 && X < 100 && Y < 50;
            Log += inside ? "move(" + std::to_string(X) + "," + std::to_string(Y) + ") "
                          : std::string("move(out) ");
        };
    }

    void Send(QEvent& Event) { QApplication::sendEvent(Control.Widget(), &Event); }
    void Enter(int X, int Y) {
        QEnterEvent e(QPointF(X, Y), QPointF(X + 10, Y + 10), QPointF(X + 10, Y + 10));
        Send(e);
    }
    void Move(int X, int Y, Qt::MouseButtons Buttons = Qt::NoButton) {
        QMouseEvent e(QEvent::MouseMove, QPointF(X, Y), QPointF(X + 10, Y + 10), Qt::NoButton,
                      Buttons, Qt::NoModifier);
        Send(e);
    }
    void Leave() {
        QEvent e(QEvent::Leave);
        Send(e);
    }
    void Button(QEvent::Type Type, int X, int Y) {
        QMouseEvent e(Type, QPointF(X, Y), QPointF(X + 10, Y + 10), Qt::LeftButton,
                      Type == QEvent::MouseButtonPress ? Qt::LeftButton : Qt::NoButton,
                      Qt::NoModifier);
        Send(e);
    }

    QWidget Parent;
    TMouseControl Control{&Parent};
    std::string Log;
};

} // namespace

TEST_F(TMouseControlTest, WithoutCaptureMouseThereIsNoEnterOrExit) {
    Enter(5, 5);
    Move(6, 5);
    Leave();
    EXPECT_EQ(Log, "move(5,5) move(6,5) ");
    EXPECT_FALSE(Control.MouseInside());
}

TEST_F(TMouseControlTest, EnterMoveLeave) {
    Control.SetCaptureMouse(true);
    EXPECT_EQ(Log, ""); // the pointer was never seen: no enter
    Enter(5, 5);
    EXPECT_TRUE(Control.MouseInside());
    EXPECT_TRUE(Control.MouseCapture());
    Move(50, 20);
    Leave();
    EXPECT_EQ(Log, "enter move(5,5) move(50,20) exit move(out) ");
    EXPECT_FALSE(Control.MouseInside());
    EXPECT_EQ(TGraphicControl::CaptureControl(), nullptr);

    Log.clear();
    Enter(99, 49);
    Leave();
    EXPECT_EQ(Log, "enter move(99,49) exit move(out) ");
}

TEST_F(TMouseControlTest, DraggingOutsideExitsOnTheFirstOutsideMove) {
    Control.SetCaptureMouse(true);
    Enter(5, 5);
    Button(QEvent::MouseButtonPress, 5, 5);
    Move(99, 40, Qt::LeftButton); // the last pixel inside
    EXPECT_TRUE(Control.MouseInside());
    Move(100, 50, Qt::LeftButton); // Qt keeps delivering moves during the drag
    EXPECT_FALSE(Control.MouseInside());
    EXPECT_EQ(Log, "enter move(5,5) move(99,40) exit move(out) ");
}

TEST_F(TMouseControlTest, ReplayWithoutMovementEntersOnlyWhereThePointerIs) {
    Control.SetCaptureMouse(true);
    Enter(5, 5);
    Leave();
    Log.clear();
    Control.CheckMousePos(); // the pointer is gone: nothing
    EXPECT_EQ(Log, "");

    // Turning the capture on while the pointer rests on the control enters
    // without a move event.
    Control.SetCaptureMouse(false);
    Enter(20, 20);
    EXPECT_EQ(Log, "move(20,20) ");
    Log.clear();
    Control.SetCaptureMouse(true);
    EXPECT_EQ(Log, "enter ");
    EXPECT_TRUE(Control.MouseInside());
}

TEST_F(TMouseControlTest, DisablingUnderThePointerExitsOnce) {
    Control.SetCaptureMouse(true);
    Enter(30, 30);
    Log.clear();
    Control.SetEnabled(false);
    EXPECT_EQ(Log, "exit ");
    EXPECT_FALSE(Control.MouseInside());
    Control.CheckMousePos();
    EXPECT_EQ(Log, "exit ");
    Control.SetEnabled(true); // the pointer is still there
    EXPECT_EQ(Log, "exit enter ");
}

TEST_F(TMouseControlTest, HidingUnderThePointerExits) {
    Control.SetCaptureMouse(true);
    Enter(30, 30);
    Log.clear();
    Control.SetVisible(false);
    EXPECT_EQ(Log, "exit ");
    EXPECT_FALSE(Control.MouseCapture());
}

TEST_F(TMouseControlTest, TurningCaptureOffReleasesSilently) {
    Control.SetCaptureMouse(true);
    Enter(30, 30);
    Log.clear();
    Control.SetCaptureMouse(false);
    EXPECT_EQ(Log, "");
    EXPECT_FALSE(Control.MouseInside());
    EXPECT_FALSE(Control.MouseCapture());
    Leave();
    EXPECT_EQ(Log, "");
}

TEST_F(TMouseControlTest, PassingFromOneControlToTheNext) {
    TMouseControl next(&Parent);
    next.SetBoundsRect(Rect(110, 10, 210, 60));
    next.OnMouseEnter = [this](TObject*) { Log += "enter2 "; };
    next.SetCaptureMouse(true);
    Control.SetCaptureMouse(true);
    Enter(95, 20);
    Leave();
    QEnterEvent e(QPointF(0, 20), QPointF(110, 30), QPointF(110, 30));
    QApplication::sendEvent(next.Widget(), &e);
    EXPECT_EQ(Log, "enter move(95,20) exit move(out) enter2 ");
    EXPECT_EQ(TGraphicControl::CaptureControl(), &next);
}

TEST_F(TMouseControlTest, DestroyingReleasesTheCapture) {
    auto other = std::make_unique<TMouseControl>(&Parent);
    other->SetBoundsRect(Rect(0, 100, 50, 150));
    other->SetCaptureMouse(true);
    QEnterEvent e(QPointF(5, 5), QPointF(5, 105), QPointF(5, 105));
    QApplication::sendEvent(other->Widget(), &e);
    EXPECT_EQ(TGraphicControl::CaptureControl(), other.get());
    other.reset();
    EXPECT_EQ(TGraphicControl::CaptureControl(), nullptr);
}

TEST_F(TMouseControlTest, ClickFiresOnClick) {
    int clicks = 0;
    Control.OnClick = [&](TObject*) { ++clicks; };
    Button(QEvent::MouseButtonPress, 5, 5);
    Button(QEvent::MouseButtonRelease, 6, 6);
    EXPECT_EQ(clicks, 1);
    Button(QEvent::MouseButtonPress, 5, 5);
    Button(QEvent::MouseButtonRelease, 150, 6); // released outside: no click
    EXPECT_EQ(clicks, 1);
}

TEST_F(TMouseControlTest, PaintFillsUnlessTransparent) {
    Parent.setAutoFillBackground(true);
    QPalette palette = Parent.palette();
    palette.setColor(QPalette::Window, Qt::blue);
    Parent.setPalette(palette);
    Control.SetColor(clRed);
    QImage image = Parent.grab().toImage();
    EXPECT_EQ(image.pixel(50, 30) & 0xFFFFFF, 0xFF0000u);
    EXPECT_EQ(image.pixel(5, 5) & 0xFFFFFF, 0x0000FFu);
    Control.SetTransparent(true);
    EXPECT_EQ(Control.ControlStyle() & csOpaque, 0u);
    image = Parent.grab().toImage();
    EXPECT_EQ(image.pixel(50, 30) & 0xFFFFFF, 0x0000FFu);
}

TEST_F(TMouseControlTest, PaintRechecksThePointer) {
    Control.SetCaptureMouse(true);
    Enter(30, 30);
    Log.clear();
    Control.SetBoundsRect(Rect(10, 10, 30, 30)); // shrunk away from under the pointer
    Parent.grab();
    EXPECT_EQ(Log, "exit ");
}
