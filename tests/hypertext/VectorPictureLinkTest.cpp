// Links of vector pictures, and the picture as a control on a form.
#include "VectorPictureTestPaint.h"

#include <QApplication>
#include <QMouseEvent>
#include <QWidget>
#include <gtest/gtest.h>

namespace {

struct TLinkInfo {
    int32_t Id;
    AnsiString Hint;
    TRect R;
    friend bool operator==(const TLinkInfo&, const TLinkInfo&) = default;
};

std::vector<TLinkInfo> LinksAfterPaint(TVectorPicture& Picture, const AnsiString& Script) {
    CompileInto(Picture, Script);
    Record(Picture);
    std::vector<TLinkInfo> links;
    for (const THyperLink* l = Picture.Links(); l; l = l->Next()) {
        EXPECT_EQ(l->Rects().size(), 1u);
        links.push_back({l->Id(), l->Hint(), l->Rects().empty() ? TRect{} : l->Rects()[0]});
    }
    return links;
}

void PrintTo(const TLinkInfo& L, std::ostream* os) {
    *os << "{" << L.Id << ", \"" << L.Hint << "\", (" << L.R.Left << "," << L.R.Top << ","
        << L.R.Right << "," << L.R.Bottom << ")}";
}

} // namespace

TEST(VectorPictureLinks, ThreeNumbersGiveAnIdAndTheTextExtent) {
    TVectorPicture picture;
    CompileInto(picture, "");
    TCanvas& canvas = picture.Canvas();
    canvas.SetFont(picture.Font());
    canvas.Font().SetStyle({fsUnderline});
    const int w = canvas.TextWidth("Next"), h = canvas.TextHeight("Next");
    const auto links = LinksAfterPaint(picture, "LINKOUT(10,20,7,\"Next\")");
    ASSERT_EQ(links.size(), 1u);
    EXPECT_EQ(links[0], (TLinkInfo{7, "Next", Rect(10, 20, 10 + w, 20 + h)}));
}

TEST(VectorPictureLinks, AutomaticIdsFollowTheLastExplicitOne) {
    TVectorPicture picture;
    auto links = LinksAfterPaint(picture, "LINKOUT(0,0,50,10,5,\"A\") LINKOUT(0,20,50,30,,\"B\")"
                                          " LINKOUT(0,40,50,50,,\"C\")");
    EXPECT_EQ(links, (std::vector<TLinkInfo>{{5, "A", Rect(0, 0, 50, 10)},
                                             {6, "C", Rect(0, 40, 50, 50)}}));
    links = LinksAfterPaint(picture, "LINKOUT(0,0,50,10,,\"A\") LINKOUT(60,0,,,,\"B\")");
    ASSERT_EQ(links.size(), 1u) << "ids start at 0 and are shared until one is given";
    EXPECT_EQ(links[0].Id, 0);
    EXPECT_EQ(links[0].Hint, "B");
    links = LinksAfterPaint(picture, "LINKOUT(50,40,10,5,9,\"A\")");
    EXPECT_EQ(links[0].R, Rect(10, 5, 50, 40)) << "corners are ordered";
}

TEST(VectorPictureLinks, HintStyles) {
    TVectorPicture picture;
    auto links =
        LinksAfterPaint(picture, "HINTSTYLE(empty) LINKOUT(0,0,9,9,1,\"a\")"
                                 " HINT(\"user\") HINTSTYLE(usertext) LINKOUT(0,0,9,9,2,\"b\")"
                                 " HINTSTYLE(linktext) LINKOUT(0,0,9,9,3,\"c\")");
    ASSERT_EQ(links.size(), 3u);
    EXPECT_EQ(links[0].Hint, "");
    EXPECT_EQ(links[1].Hint, "user");
    EXPECT_EQ(links[2].Hint, "c");
    picture.SetHintStyle(vhUserText);
    links =
        LinksAfterPaint(picture, "LINKOUT(0,0,9,9,1,\"a\") HINTSTYLE() LINKOUT(0,0,9,9,2,\"b\")");
    EXPECT_EQ(links[0].Hint, "") << "no HINT yet";
    EXPECT_EQ(links[1].Hint, "") << "an omitted style is the property's";
}

TEST(VectorPictureLinks, RectLinksOffUsesTheDrawnText) {
    TVectorPicture picture;
    picture.SetRectLinks(false);
    const auto links = LinksAfterPaint(picture, "LINKOUT(10,10,190,90,1,\"x\")");
    EXPECT_EQ(links[0].R.Left, 10);
    EXPECT_EQ(links[0].R.Top, 10);
    EXPECT_LT(links[0].R.Right, 40);
    EXPECT_LT(links[0].R.Bottom, 40);
}

TEST(VectorPictureLinks, LinkTextUsesTheLinkColourAndUnderline) {
    TVectorPicture picture;
    CompileInto(picture, "BRUSHSTYLE(clear) FONTSIZE(20) LINKOUT(10,10,,,,\"_\")"
                         " UNDERLINELINKS(no) LINKCOLOR(red) LINKOUT(100,10,,,1,\"x\")");
    const QImage image = Render(picture);
    const TRect left = InkBounds(image.copy(0, 0, 100, 100));
    EXPECT_EQ(Pixel(image, left.Left + 1, left.Bottom - 1), clBlue);
    const TRect right = InkBounds(image.copy(100, 0, 100, 100));
    EXPECT_EQ(Pixel(image, 100 + right.Left + right.Width() / 2, right.Top + right.Height() / 2),
              clRed);
    EXPECT_LT(right.Bottom, 40) << "no underline";
}

TEST(VectorPicture, CompilesOnlyWhenTheTextChanges) {
    QWidget form;
    TVectorPicture picture(&form);
    picture.Lines().SetText("LINKOUT(0,0,10,10,3,\"a\")");
    EXPECT_FALSE(picture.Compiled().empty());
    const std::vector<uint8_t> code = picture.Compiled();
    picture.RenderIfDirty();
    ASSERT_NE(picture.Links(), nullptr);
    picture.Font().SetSize(30);
    picture.Pen().SetColor(clRed);
    EXPECT_EQ(picture.Compiled(), code);
    EXPECT_NE(picture.Links(), nullptr) << "a font change keeps the links";
    EXPECT_TRUE(picture.RenderingDirty());
    picture.Lines().Add("CLRSCR()");
    EXPECT_EQ(picture.Links(), nullptr) << "compiling drops the links";
    picture.SetHyperState(hsMeasuring);
    TMetafile rendering;
    TMetafileCanvas canvas(rendering);
    EXPECT_FALSE(picture.PaintTo(canvas));
    EXPECT_EQ(rendering.RecordCount(), 0);
}

TEST(VectorPicture, SettersValidateAndAssignCopies) {
    TVectorPicture source;
    source.SetTextAlign(3);
    source.SetTextLayout(-1);
    EXPECT_EQ(source.TextAlign(), taLeftJustify);
    EXPECT_EQ(source.TextLayout(), tlTop);
    source.SetTextAlign(taCenter);
    source.SetTextLayout(tlBottom);
    source.SetTextAngle(30);
    source.SetWordWrap(true);
    source.SetShowAccelChar(false);
    source.SetRectLinks(false);
    source.SetHintStyle(vhEmpty);
    source.Brush().SetColor(clRed);
    source.Pen().SetWidth(3);
    TVectorPicture target;
    target.Assign(source);
    EXPECT_EQ(target.TextAlign(), taCenter);
    EXPECT_EQ(target.TextLayout(), tlBottom);
    EXPECT_EQ(target.TextAngle(), 30);
    EXPECT_TRUE(target.WordWrap());
    EXPECT_FALSE(target.ShowAccelChar());
    EXPECT_FALSE(target.RectLinks());
    EXPECT_EQ(target.HintStyle(), vhEmpty);
    EXPECT_EQ(target.Brush().Color(), clRed);
    EXPECT_EQ(target.Pen().Width(), 3);
    EXPECT_EQ(target.HyperState(), hsReady);
}

TEST(VectorPicture, StandsOnAFormWithClickableLinks) {
    QWidget form;
    TVectorPicture picture(&form);
    picture.SetStretch(true);
    picture.SetBoundsRect(Bounds(0, 0, 400, 200));
    picture.Lines().SetText("LINKOUT(50,25,100,50,42,\"go\")");
    picture.Widget()->grab(); // paints, registering the link
    std::vector<int32_t> clicked;
    AnsiString hint;
    picture.OnLinkClick = [&](TObject*, int32_t id) { clicked.push_back(id); };
    picture.OnHint = [&](THyperControl*, const AnsiString& h) { hint = h; };
    QMouseEvent move(QEvent::MouseMove, QPointF(150, 75), QPointF(150, 75), Qt::NoButton,
                     Qt::NoButton, Qt::NoModifier);
    QApplication::sendEvent(picture.Widget(), &move);
    EXPECT_EQ(hint, "go");
    EXPECT_EQ(picture.Cursor(), crHandPoint);
    for (QEvent::Type type : {QEvent::MouseButtonPress, QEvent::MouseButtonRelease}) {
        QMouseEvent press(type, QPointF(150, 75), QPointF(150, 75), Qt::LeftButton,
                          type == QEvent::MouseButtonPress ? Qt::LeftButton : Qt::NoButton,
                          Qt::NoModifier);
        QApplication::sendEvent(picture.Widget(), &press);
    }
    EXPECT_EQ(clicked, std::vector<int32_t>{42});
}
