// Reaching the widget of a control, and bringing it to the front.
#include "platform/base/HeadlessControls.h"
#include "platform/widgets/GraphicControl.h"
#include "platform/widgets/WidgetControls.h"

#include <QLabel>
#include <QWidget>
#include <gtest/gtest.h>

namespace {

TEST(WidgetHost, ControlsGiveTheirWidgets) {
    QWidget parent;
    QLabel label(&parent);
    TWidgetControl plain(parent);
    TLabelControl text(label);
    TGraphicControl graphic(&parent);
    THeadlessControl headless;
    EXPECT_EQ(ControlWidget(&plain), &parent);
    EXPECT_EQ(ControlWidget(&text), &label);
    EXPECT_EQ(ControlWidget(&graphic), graphic.Widget());
    EXPECT_NE(graphic.Widget(), nullptr);
    EXPECT_EQ(ControlWidget(&headless), nullptr);
    EXPECT_EQ(ControlWidget(nullptr), nullptr);
}

TEST(WidgetHost, BringToFrontRaisesTheWidgetOverItsSiblings) {
    QWidget parent;
    QWidget* below = new QWidget(&parent);
    QWidget* above = new QWidget(&parent);
    ASSERT_EQ(parent.children().last(), above);
    TWidgetControl control(*below);
    control.BringToFront();
    EXPECT_EQ(parent.children().last(), below);
    // Controls without a widget accept it and do nothing.
    THeadlessControl headless;
    headless.BringToFront();
}

} // namespace
