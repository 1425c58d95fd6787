// The link label: its settings objects, embossed drawing, measuring, clicks.
#include "hypertext/LinkLabel.h"
#include "platform/displaylist/Metafile.h"
#include "platform/displaylist/MetafileCanvas.h"
#include "platform/graphics/Canvas.h"

#include <QApplication>
#include <QImage>
#include <QMouseEvent>
#include <QWidget>
#include <gtest/gtest.h>
#include <sstream>

namespace {

// The drawn copies of a label's caption: where each went and in which colour.
struct TCopy {
    int Left;
    int Top;
    std::string Color;
    friend bool operator==(const TCopy&, const TCopy&) = default;
};

void PrintTo(const TCopy& C, std::ostream* os) {
    *os << "{" << C.Left << "," << C.Top << "," << C.Color << "}";
}

std::vector<TCopy> Copies(TLinkLabel& Label, TRect& R) {
    TMetafile list;
    list.SetSize(200, 100);
    {
        TMetafileCanvas canvas(list);
        Label.DoDrawText(canvas, R, DT_EXPANDTABS);
    }
    std::vector<TCopy> copies;
    std::istringstream lines(list.Trace());
    std::string line, color;
    while (std::getline(lines, line)) {
        if (line.rfind("Font ", 0) == 0) {
            const size_t at = line.find(" color=") + 7;
            color = line.substr(at, line.find(' ', at) - at);
        } else if (line.rfind("DrawText (", 0) == 0) {
            int l = 0, t = 0;
            std::sscanf(line.c_str(), "DrawText (%d,%d", &l, &t);
            copies.push_back({l, t, color});
        }
    }
    return copies;
}

std::string Hex(TColor C) {
    char b[16];
    std::snprintf(b, sizeof b, "0x%08X", static_cast<unsigned>(C));
    return b;
}

} // namespace

TEST(LinkLabelSettings, ColoursBevelsAndShadowDefaultsAndRanges) {
    TLinkLabelColors colors;
    EXPECT_EQ(colors.DisabledFaceColor(), clBtnShadow);
    EXPECT_EQ(colors.DisabledInnerColor(), clBtnText);
    EXPECT_EQ(colors.DisabledOuterColor(), clBtnHighlight);
    EXPECT_EQ(colors.EnabledFaceColor(), clBtnText);
    EXPECT_EQ(colors.EnabledInnerColor(), clBtnShadow);
    EXPECT_EQ(colors.EnabledOuterColor(), clBtnHighlight);
    EXPECT_EQ(colors.GetColor(7), clNone);
    EXPECT_EQ(colors.GetColor(-1), clNone);
    int changes = 0;
    colors.OnChange = [&](TObject*) { ++changes; };
    colors.SetColor(7, clRed);
    colors.SetColor(3, clBtnText);
    EXPECT_EQ(changes, 0);
    colors.SetEnabledFaceColor(clRed);
    EXPECT_EQ(changes, 1);

    TLinkLabelBevels bevels;
    EXPECT_EQ(bevels.InnerDir(), dirNorthWest);
    EXPECT_EQ(bevels.OuterDir(), dirSouthEast);
    EXPECT_TRUE(bevels.InnerVisible() && bevels.OuterVisible());
    EXPECT_EQ(bevels.InnerWidth(), 1);
    EXPECT_EQ(bevels.GetWidth(2), 0);
    EXPECT_FALSE(bevels.GetVisible(2));
    bevels.SetInnerDir(9);
    EXPECT_EQ(bevels.InnerDir(), dirNorthWest);

    TLinkLabelShadow shadow;
    EXPECT_EQ(shadow.Depth(), 1);
    EXPECT_EQ(shadow.Direction(), dirNone);
    EXPECT_EQ(shadow.EnabledColor(), clBtnShadow);
    EXPECT_FALSE(shadow.InForce());
    shadow.SetVisible(true);
    shadow.SetDirection(dirEast);
    EXPECT_TRUE(shadow.InForce());
    shadow.SetDepth(0);
    EXPECT_FALSE(shadow.InForce());

    TLinkLabelShadow copy;
    changes = 0;
    copy.OnChange = [&](TObject*) { ++changes; };
    copy.Assign(shadow);
    EXPECT_EQ(changes, 1);
    EXPECT_EQ(copy.Direction(), dirEast);
    EXPECT_EQ(copy.Depth(), 0);
    copy.Assign(colors);
    EXPECT_EQ(changes, 1) << "another class is not assigned";
}

TEST(LinkLabelSettings, DirectionOffsets) {
    const TPoint expected[] = {{0, 0}, {0, -2}, {2, -2}, {2, 0},  {2, 2},
                               {0, 2}, {-2, 2}, {-2, 0}, {-2, -2}};
    for (int d = dirNone; d <= dirNorthWest; ++d)
        EXPECT_EQ(DirectionOffset(static_cast<TLLDirection>(d), 2), expected[d]) << d;
}

TEST(LinkLabel, DefaultBevelsFrameTheFaceByOnePixel) {
    TLinkLabel label;
    label.SetCaption("Text");
    label.Canvas().SetFont(label.Font());
    const TSize text = label.Canvas().TextExtent("Text");
    EXPECT_EQ(label.Width(), text.cx + 2) << "AutoSize measures bevels too";
    EXPECT_EQ(label.Height(), text.cy + 2);

    TRect r = Rect(0, 0, 100, 50);
    const auto copies = Copies(label, r);
    EXPECT_EQ(copies,
              (std::vector<TCopy>{
                  {0, 0, Hex(clBtnShadow)}, {2, 2, Hex(clBtnHighlight)}, {1, 1, Hex(clBtnText)}}));
    EXPECT_EQ(r.Right, text.cx + 2);
}

TEST(LinkLabel, WideBevelsDrawOneCopyPerPixel) {
    TLinkLabel label;
    label.SetCaption("x");
    label.Bevels().SetInnerWidth(3);
    label.Bevels().SetOuterVisible(false);
    TRect r = Rect(0, 0, 100, 50);
    const auto copies = Copies(label, r);
    ASSERT_EQ(copies.size(), 4u);
    EXPECT_EQ(copies[0].Left, 0) << "offset 3 north-west";
    EXPECT_EQ(copies[1].Left, 1);
    EXPECT_EQ(copies[2].Left, 2);
    EXPECT_EQ(copies[3].Left, 3) << "the face";
    EXPECT_EQ(copies[3].Top, 3);
}

TEST(LinkLabel, ShadowAndDisabledColours) {
    TLinkLabel label;
    label.SetCaption("x");
    label.Shadow().SetVisible(true);
    label.Shadow().SetDirection(dirSouthEast);
    label.Shadow().SetDepth(2);
    label.Shadow().SetEnabledColor(clGray);
    TRect r = Rect(0, 0, 100, 50);
    const TRect before = r;
    auto copies = Copies(label, r);
    const std::string gray = Hex(clGray);
    EXPECT_EQ(copies, (std::vector<TCopy>{{3, 3, gray},
                                          {2, 2, gray},
                                          {4, 4, gray},
                                          {0, 0, Hex(clBtnShadow)},
                                          {2, 2, Hex(clBtnHighlight)},
                                          {1, 1, Hex(clBtnText)}}));
    label.Canvas().SetFont(label.Font());
    EXPECT_EQ(r.Right - before.Left, label.Canvas().TextWidth("x") + 4);

    label.Shadow().SetVisible(false);
    label.TextColors().SetDisabledFaceColor(clRed);
    label.TextColors().SetDisabledInnerColor(clLime);
    label.TextColors().SetDisabledOuterColor(clBlue);
    label.SetEnabled(false);
    copies = Copies(label, r);
    EXPECT_EQ(copies,
              (std::vector<TCopy>{{0, 0, Hex(clLime)}, {2, 2, Hex(clBlue)}, {1, 1, Hex(clRed)}}));
    label.SetType(lltLink);
    copies = Copies(label, r);
    EXPECT_EQ(copies[2].Color, Hex(clBtnShadow)) << "links draw with their own colours";
}

TEST(LinkLabel, EmptyCaptionsAndAccelerators) {
    TLinkLabel label;
    label.Canvas().SetFont(label.Font());
    const int space = label.Canvas().TextWidth(" ");
    EXPECT_EQ(label.Width(), space + 2) << "an empty caption measures as a space";
    label.SetCaption("&");
    EXPECT_EQ(label.Width(), label.Canvas().TextWidth("& ") + 2 - label.Canvas().TextWidth("&"));
    label.SetShowAccelChar(false);
    EXPECT_EQ(label.Width(), label.Canvas().TextWidth("&") + 2);
}

TEST(LinkLabel, RightAlignedAutoSizeKeepsTheRightEdge) {
    TLinkLabel label;
    label.SetAutoSize(false);
    label.SetBoundsRect(Bounds(100, 10, 200, 30));
    label.SetAlignment(taRightJustify);
    label.SetCaption("abc");
    label.SetAutoSize(true);
    EXPECT_EQ(label.BoundsRect().Right, 300);
    EXPECT_LT(label.Width(), 200);
}

TEST(LinkLabel, LinksClickThroughOnLinkAndShowTheLinkCursor) {
    QWidget window;
    window.resize(300, 100);
    TLinkLabel label(&window);
    label.SetCaption("Go there");
    int links = 0, clicks = 0;
    label.OnLink = [&](TObject*) { ++links; };
    label.OnClick = [&](TObject*) { ++clicks; };
    const auto click = [&] {
        for (QEvent::Type type : {QEvent::MouseButtonPress, QEvent::MouseButtonRelease}) {
            QMouseEvent e(type, QPointF(3, 3), QPointF(3, 3), Qt::LeftButton,
                          type == QEvent::MouseButtonPress ? Qt::LeftButton : Qt::NoButton,
                          Qt::NoModifier);
            QApplication::sendEvent(label.Widget(), &e);
        }
    };
    click();
    EXPECT_EQ(clicks, 1);
    label.SetType(lltLink);
    EXPECT_EQ(label.Cursor(), crHandPoint);
    click();
    EXPECT_EQ(links, 1);
    EXPECT_EQ(clicks, 1) << "a link reports OnLink instead of OnClick";
    label.SetTextCursor(crIBeam);
    EXPECT_EQ(label.Cursor(), crHandPoint);
    label.SetType(lltText);
    EXPECT_EQ(label.Cursor(), crIBeam);
    label.SetType(2);
    EXPECT_EQ(label.Type(), lltText);
}

TEST(LinkLabel, RenderedInAWindow) {
    QWidget window;
    window.resize(300, 100);
    TLinkLabel label(&window);
    label.SetColor(clWhite);
    label.Font().SetName("Arial");
    label.Font().SetSize(36);
    label.Font().SetStyle({fsBold});
    label.TextColors().SetEnabledFaceColor(clRed);
    label.TextColors().SetEnabledInnerColor(clLime);
    label.TextColors().SetEnabledOuterColor(clBlue);
    label.Bevels().SetInnerWidth(2);
    label.Bevels().SetOuterWidth(2);
    label.SetCaption("I");
    const QImage image = label.Widget()->grab().toImage().convertToFormat(QImage::Format_RGB32);
    ASSERT_EQ(image.width(), label.Width());
    // Along the middle row: the stem of the I is the face, with the inner
    // bevel showing on its left and the outer bevel on its right.
    const int y = image.height() / 2;
    int firstRed = -1, lastRed = -1, firstLime = -1, lastBlue = -1;
    for (int x = 0; x < image.width(); ++x) {
        const QRgb p = image.pixel(x, y);
        if (p == qRgb(255, 0, 0)) (firstRed < 0 ? firstRed : lastRed) = x, lastRed = x;
        if (p == qRgb(0, 255, 0) && firstLime < 0) firstLime = x;
        if (p == qRgb(0, 0, 255)) lastBlue = x;
    }
    ASSERT_GE(firstRed, 0);
    ASSERT_GE(firstLime, 0);
    ASSERT_GE(lastBlue, 0);
    EXPECT_LT(firstLime, firstRed);
    EXPECT_GT(lastBlue, lastRed);
    EXPECT_LE(firstRed - firstLime, 3);
    EXPECT_LE(lastBlue - lastRed, 3);
    EXPECT_EQ(image.pixel(0, 0), qRgb(255, 255, 255));
}
