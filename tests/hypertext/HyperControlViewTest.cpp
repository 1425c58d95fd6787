// Content updates, sizing and the cached rendering of the hyper control.
#include "HyperControlTestControl.h"

#include "platform/displaylist/Metafile.h"

#include <gtest/gtest.h>

TEST(HyperControl, ConstructionDefaults) {
    QWidget parent;
    TTestHyper control(&parent);
    EXPECT_TRUE(control.CaptureMouse());
    EXPECT_TRUE(control.AdjustScales());
    EXPECT_FALSE(control.Stretch());
    EXPECT_TRUE(control.UnderlineLinks());
    EXPECT_EQ(control.LinkColor(), clBlue);
    EXPECT_EQ(control.LinkCursor(), crHandPoint);
    EXPECT_EQ(control.TextCursor(), crDefault);
    EXPECT_EQ(control.Cursor(), crDefault);
    EXPECT_EQ(control.RealWidth(), 200);
    EXPECT_EQ(control.RealHeight(), 100);
    EXPECT_EQ(control.Width(), 200);
    EXPECT_EQ(control.Height(), 100);
    EXPECT_TRUE(control.RenderingDirty());
    EXPECT_TRUE(control.Compiled().empty());
}

TEST(HyperControl, UpdatesReachTheDescendantOnlyWithAParent) {
    TTestHyper orphan(nullptr);
    orphan.Lines().Add("text");
    orphan.SetLinkColor(clRed);
    EXPECT_EQ(orphan.ChangedCount, 0);
    EXPECT_EQ(orphan.LinkColor(), clRed);

    QWidget parent;
    TTestHyper control(&parent);
    control.Lines().Add("text");
    EXPECT_EQ(control.ChangedCount, 1);
    EXPECT_EQ(control.LastSender, &control.Lines());
    control.SetLinkColor(clBlue);
    EXPECT_EQ(control.ChangedCount, 1) << "an unchanged value reports nothing";
    control.SetUnderlineLinks(false);
    EXPECT_EQ(control.ChangedCount, 2);
    EXPECT_EQ(control.LastSender, &control);
    control.Update();
    EXPECT_EQ(control.ChangedCount, 3);
    TStringList lines;
    lines.Add("other");
    control.SetLines(lines);
    EXPECT_EQ(control.Lines()[0], "other");
    EXPECT_EQ(control.LastSender, &control.Lines());
    control.SetColor(clYellow);
    EXPECT_EQ(control.LastSender, &control) << "a colour change re-reads the content";
}

TEST(HyperControl, StretchFitsTheRealAspectRatio) {
    QWidget parent;
    TTestHyper control(&parent);
    control.SetStretch(true);
    control.SetBoundsRect(Bounds(5, 6, 500, 150));
    EXPECT_EQ(control.BoundsRect(), Bounds(5, 6, 300, 150));
    control.SetBoundsRect(Bounds(5, 6, 300, 400));
    EXPECT_EQ(control.BoundsRect(), Bounds(5, 6, 300, 150));
    control.SetBoundsRect(Bounds(0, 0, 0, 400));
    EXPECT_EQ(control.BoundsRect(), Bounds(0, 0, 300, 150)) << "an empty size only moves";
    EXPECT_EQ(control.RealWidth(), 200);

    control.SetAdjustScales(false);
    control.SetBoundsRect(Bounds(0, 0, 500, 150));
    EXPECT_EQ(control.BoundsRect(), Bounds(0, 0, 500, 150));
    control.SetAdjustScales(true); // re-applies the bounds
    EXPECT_EQ(control.BoundsRect(), Bounds(0, 0, 300, 150));

    control.SetStretch(false);
    EXPECT_EQ(control.BoundsRect(), Bounds(0, 0, 200, 100)) << "back to exactly the real size";
    EXPECT_EQ(control.RealWidth(), 200);
}

TEST(HyperControl, WithoutStretchTheRealSizeFollowsTheControl) {
    QWidget parent;
    TTestHyper control(&parent);
    control.SetBoundsRect(Bounds(0, 0, 321, 123));
    EXPECT_EQ(control.RealWidth(), 321);
    EXPECT_EQ(control.RealHeight(), 123);
    EXPECT_EQ(control.ChangedCount, 1) << "a resize re-reads the content";
    control.SetBoundsRect(Bounds(10, 10, 321, 123));
    EXPECT_EQ(control.ChangedCount, 1) << "a move does not";
    control.SetRealSize(50, 60);
    EXPECT_EQ(control.ChangedCount, 1);
    EXPECT_EQ(control.Width(), 321);
}

TEST(HyperControl, PaintRendersOnceAndReplaysStretched) {
    QWidget parent;
    TTestHyper control(&parent);
    control.SetColor(clWhite);
    control.Items = {{1, "red", Rect(10, 10, 50, 30), clRed},
                     {2, "blue", Rect(100, 50, 150, 90), clBlue}};
    QImage image = Grab(control);
    EXPECT_EQ(control.PaintCount, 1);
    EXPECT_EQ(PixelAt(image, 20, 20), clRed);
    EXPECT_EQ(PixelAt(image, 120, 60), clBlue);
    EXPECT_EQ(PixelAt(image, 70, 40), clWhite);
    EXPECT_EQ(control.Rendering().Width(), 200);
    EXPECT_FALSE(control.RenderingDirty());

    control.SetStretch(true);
    control.SetBoundsRect(Bounds(0, 0, 400, 200));
    image = Grab(control);
    EXPECT_EQ(control.PaintCount, 1) << "the cached rendering is reused";
    EXPECT_EQ(image.width(), 400);
    EXPECT_EQ(PixelAt(image, 40, 40), clRed) << "real (20, 20)";
    EXPECT_EQ(PixelAt(image, 98, 58), clRed) << "real (49, 29)";
    EXPECT_EQ(PixelAt(image, 102, 62), clWhite) << "real (51, 31)";
    EXPECT_EQ(PixelAt(image, 250, 150), clBlue);
    THyperLink link(0, "");
    EXPECT_TRUE(control.CheckLink(250, 150, link));
    EXPECT_EQ(link.Id(), 2);

    control.Update();
    EXPECT_TRUE(control.RenderingDirty());
    Grab(control);
    EXPECT_EQ(control.PaintCount, 2);
}

TEST(HyperControl, BusyControlsKeepTheirOldRendering) {
    QWidget parent;
    TTestHyper control(&parent);
    control.Items = {{1, "", Rect(0, 0, 10, 10), clRed}};
    control.SetHyperState(hsMeasuring);
    Grab(control);
    EXPECT_EQ(control.PaintCount, 0);
    EXPECT_TRUE(control.RenderingDirty());
    control.SetHyperState(hsReady);
    control.RenderIfDirty();
    EXPECT_EQ(control.PaintCount, 1);
}

TEST(HyperControl, AssignCopiesSettingsAndText) {
    QWidget parent;
    TTestHyper source(&parent);
    source.SetHint("own");
    source.SetLinkCursor(crCross);
    source.SetTextCursor(crIBeam);
    source.SetAdjustScales(false);
    source.SetRealSize(30, 40);
    source.SetTransparent(true);
    source.Lines().Add("abc");
    source.SetStretch(true);

    TTestHyper target(&parent);
    target.Assign(source);
    EXPECT_EQ(target.Hint(), "own");
    EXPECT_EQ(target.ShownHint(), "own");
    EXPECT_EQ(target.LinkCursor(), crCross);
    EXPECT_EQ(target.TextCursor(), crIBeam);
    EXPECT_FALSE(target.AdjustScales());
    EXPECT_EQ(target.RealWidth(), 30);
    EXPECT_EQ(target.RealHeight(), 40);
    EXPECT_TRUE(target.Stretch());
    EXPECT_TRUE(target.Transparent());
    EXPECT_EQ(target.Lines().Text(), "abc\r\n");
    EXPECT_EQ(target.ChangedCount, 1);
    EXPECT_EQ(target.HyperState(), hsReady);
    EXPECT_TRUE(target.RenderingDirty());
}
