// The hover state machine of the hyper control: enter/exit, link events,
// cursor and hint, replays after content changes.
#include "HyperControlTestControl.h"

#include <gtest/gtest.h>

namespace {

class HyperMouse : public ::testing::Test {
protected:
    void SetUp() override {
        control = std::make_unique<TTestHyper>(&parent);
        control->Items = {{1, "one", Rect(10, 10, 50, 30), clRed},
                          {2, "two", Rect(51, 10, 90, 30), clBlue}};
        control->RegisterLinks();
        auto log = [this](const std::string& what) {
            events.push_back(what + "@" + std::to_string(control->Cursor()));
        };
        control->OnMouseEnter = [log](TObject*) { log("enter"); };
        control->OnMouseExit = [log](TObject*) { log("exit"); };
        control->OnLinkMouseEnter = [log](TObject*, int32_t id) {
            log("link+" + std::to_string(id));
        };
        control->OnLinkMouseExit = [log](TObject*, int32_t id) {
            log("link-" + std::to_string(id));
        };
        control->OnHint = [log](THyperControl*, const AnsiString& hint) { log("hint " + hint); };
        control->OnLinkMouseMove = [log](TObject*, int32_t id, TShiftState, int x, int y, int absX,
                                         int absY) {
            log("linkmove" + std::to_string(id) + " " + std::to_string(x) + "," +
                std::to_string(y) + " " + std::to_string(absX) + "," + std::to_string(absY));
        };
        control->OnMouseMove = [log](TObject*, TShiftState, int, int) { log("move"); };
    }
    void TearDown() override { control.reset(); }

    std::vector<std::string> Take() { return std::exchange(events, {}); }

    QWidget parent;
    std::unique_ptr<TTestHyper> control;
    std::vector<std::string> events;
};

using Events = std::vector<std::string>;
const std::string kHand = std::to_string(crHandPoint);

} // namespace

TEST_F(HyperMouse, EntersHoversAndLeavesInOrder) {
    control->MouseMove(0, 5, 5);
    EXPECT_EQ(Take(), (Events{"enter@0", "move@0"}));
    EXPECT_TRUE(control->MouseCapture());

    control->MouseMove(0, 20, 20);
    EXPECT_EQ(Take(), (Events{"link+1@" + kHand, "hint one@" + kHand,
                              "linkmove1 10,10 20,20@" + kHand, "move@" + kHand}));
    EXPECT_EQ(control->ShownHint(), "one");

    control->MouseMove(0, 30, 25);
    EXPECT_EQ(Take(), (Events{"linkmove1 20,15 30,25@" + kHand, "move@" + kHand}));

    // Link to adjacent link: exit(old) before enter(new), no OnMouseExit.
    control->MouseMove(0, 51, 20);
    EXPECT_EQ(Take(), (Events{"link-1@" + kHand, "link+2@" + kHand, "hint two@" + kHand,
                              "linkmove2 0,10 51,20@" + kHand, "move@" + kHand}));

    control->MouseMove(0, 100, 50);
    EXPECT_EQ(Take(), (Events{"link-2@" + kHand, "move@0"}));
    EXPECT_EQ(control->ShownHint(), "");

    control->MouseMove(0, 200, 50); // X = Width: outside
    EXPECT_EQ(Take(), (Events{"exit@0", "move@0"}));
    EXPECT_FALSE(control->MouseCapture());
    EXPECT_EQ(control->ShownHint(), "");
}

TEST_F(HyperMouse, LeavingFromALinkReportsItsExitFirst) {
    control->SetHint("own");
    control->MouseMove(0, 20, 20);
    Take();
    control->MouseMove(0, -1, 20);
    EXPECT_EQ(Take(), (Events{"link-1@" + kHand, "exit@" + kHand, "move@0"}));
    EXPECT_EQ(control->ShownHint(), "");
    control->MouseMove(0, 5, 5);
    EXPECT_EQ(control->ShownHint(), "own");
}

TEST_F(HyperMouse, DisablingFiresTheLinkExitAndRestoresTheTextCursor) {
    control->SetTextCursor(crIBeam);
    control->MouseMove(0, 20, 20);
    Take();
    control->SetEnabled(false);
    EXPECT_EQ(Take(), (Events{"link-1@" + kHand, "exit@" + kHand}));
    EXPECT_EQ(control->Cursor(), crIBeam);
    EXPECT_EQ(control->HoveredLink(), nullptr);
    control->CheckMousePos();
    EXPECT_EQ(Take(), Events{}) << "the exit is reported once";
    control->SetLinkCursor(crCross);
    EXPECT_EQ(control->Cursor(), crIBeam) << "a disabled control shows the text cursor";
}

TEST_F(HyperMouse, CursorSettersChangeOnlyTheCursorInForce) {
    control->MouseMove(0, 20, 20);
    control->SetTextCursor(crIBeam);
    EXPECT_EQ(control->Cursor(), crHandPoint) << "not while a link is hovered";
    control->SetLinkCursor(crCross);
    EXPECT_EQ(control->Cursor(), crCross);
    control->MouseMove(0, 5, 5);
    EXPECT_EQ(control->Cursor(), crIBeam);
    control->SetLinkCursor(crHelp);
    EXPECT_EQ(control->Cursor(), crIBeam);
    control->SetTextCursor(crArrow);
    EXPECT_EQ(control->Cursor(), crArrow);
}

TEST_F(HyperMouse, ReplayAfterAContentChangeIsSilent) {
    control->MouseMove(0, 20, 20);
    Take();
    // New content: link 7 where link 1 was.
    control->Items = {{7, "seven", Rect(0, 0, 60, 60), clGreen}};
    control->Update(); // drops the links, replays the pointer
    EXPECT_EQ(Take(), (Events{"link-1@" + kHand}));
    EXPECT_EQ(control->Cursor(), crDefault);
    Grab(*control); // renders, registering link 7, and replays again
    EXPECT_EQ(Take(), (Events{"link+7@" + kHand, "hint seven@" + kHand}));
    EXPECT_EQ(control->HoveredLink()->Id(), 7);
    control->MouseMove(0, 21, 20);
    EXPECT_EQ(Take(), (Events{"linkmove7 21,20 21,20@" + kHand, "move@" + kHand}));
}

TEST_F(HyperMouse, NoReplayBeforeThePointerCame) {
    control->CheckMousePos();
    control->Update();
    EXPECT_EQ(Take(), Events{});
    EXPECT_FALSE(control->MouseCapture());
}

TEST_F(HyperMouse, HintEventNeedsShowHint) {
    control->SetShowHint(false);
    control->MouseMove(0, 20, 20);
    EXPECT_EQ(Take(), (Events{"enter@0", "link+1@" + kHand, "linkmove1 10,10 20,20@" + kHand,
                              "move@" + kHand}));
    EXPECT_EQ(control->ShownHint(), "one");
}

TEST_F(HyperMouse, StretchedPointerHitsTheRealRectangle) {
    control->SetStretch(true);
    control->SetBoundsRect(Bounds(0, 0, 400, 200));
    control->MouseMove(0, 100, 50);
    Take();
    ASSERT_NE(control->HoveredLink(), nullptr);
    EXPECT_EQ(control->HoveredLink()->Id(), 1)
        << "control (100, 50) is real (50, 25): link 1's edge";
    control->MouseMove(0, 102, 50);
    EXPECT_EQ(control->HoveredLink()->Id(), 2) << "real (51, 25)";
    Take();
    control->MouseMove(0, 60, 40);
    EXPECT_EQ(control->HoveredLink()->Id(), 1);
    EXPECT_EQ(Take(), (Events{"link-2@" + kHand, "link+1@" + kHand, "hint one@" + kHand,
                              "linkmove1 40,20 60,40@" + kHand, "move@" + kHand}))
        << "relative to the origin in control coordinates";
}

TEST_F(HyperMouse, ClicksAndButtonsOnALink) {
    std::vector<std::string> log;
    control->OnLinkClick = [&](TObject*, int32_t id) {
        log.push_back("link" + std::to_string(id));
    };
    control->OnClick = [&](TObject*) { log.push_back("click"); };
    control->OnLinkMouseDown = [&](TObject*, int32_t id, TMouseButton, TShiftState, int x, int y,
                                   int, int) {
        log.push_back("down" + std::to_string(id) + " " + std::to_string(x) + "," +
                      std::to_string(y));
    };
    control->OnMouseDown = [&](TObject*, TMouseButton, TShiftState, int, int) {
        log.push_back("mousedown");
    };
    control->Click();
    control->MouseMove(0, 20, 20);
    control->MouseDown(mbLeft, ssLeft, 22, 21);
    control->Click();
    control->SetEnabled(false);
    control->Click();
    EXPECT_EQ(log, (std::vector<std::string>{"click", "down1 12,11", "mousedown", "link1", "click",
                                             "click"}));
}
