#include "publish/SvgCanvas.h"
#include "WebEditionChecks.h"

#include <QXmlStreamReader>
#include <gtest/gtest.h>
#include <map>

namespace {

struct TElement {
    std::string Name;
    std::map<std::string, std::string> Attributes;
    std::string Text;
};

// The drawing elements of an SVG document in order (definitions left out).
std::vector<TElement> Elements(const std::string& Svg) {
    std::vector<TElement> out;
    QXmlStreamReader xml(QByteArray::fromStdString(Svg));
    int defs = 0;
    bool open = false; // the last element started has not ended
    while (!xml.atEnd()) {
        xml.readNext();
        if (xml.isStartElement()) {
            if (xml.name() == u"defs") ++defs;
            if (defs) continue;
            TElement e{xml.name().toString().toStdString(), {}, {}};
            for (const auto& a : xml.attributes())
                e.Attributes[a.qualifiedName().toString().toStdString()] =
                    a.value().toString().toStdString();
            out.push_back(e);
            open = true;
        } else if (xml.isEndElement()) {
            if (xml.name() == u"defs") --defs;
            open = false;
        } else if (xml.isCharacters() && open && !defs) {
            out.back().Text += xml.text().toString().toStdString();
        }
    }
    EXPECT_FALSE(xml.hasError()) << xml.errorString().toStdString();
    return out;
}

const TElement* Find(const std::vector<TElement>& Elements, const std::string& Name) {
    for (const TElement& e : Elements)
        if (e.Name == Name) return &e;
    return nullptr;
}

} // namespace

TEST(SvgCanvas, ShapesKeepTheirPensBrushesAndPlaces) {
    TSvgCanvas canvas(100, 50, nullptr);
    canvas.Pen().SetColor(clRed);
    canvas.Pen().SetWidth(3);
    canvas.Pen().SetStyle(psDash);
    canvas.Brush().SetColor(clBlue);
    canvas.Rectangle(10, 20, 30, 40);
    canvas.Brush().SetStyle(bsClear);
    canvas.Ellipse(0, 0, 11, 21);
    canvas.Brush().SetStyle(bsCross);
    canvas.Polygon({{0, 0}, {10, 0}, {5, 5}});
    const auto e = Elements(canvas.Document());
    ASSERT_EQ(e[0].Name, "svg");
    EXPECT_EQ(e[0].Attributes.at("width"), "100");
    EXPECT_EQ(e[0].Attributes.at("height"), "50");
    const TElement* rect = Find(e, "rect");
    ASSERT_NE(rect, nullptr);
    // The right and bottom edges are outside, as the canvas draws them.
    EXPECT_EQ(rect->Attributes.at("x"), "10.500");
    EXPECT_EQ(rect->Attributes.at("width"), "19");
    EXPECT_EQ(rect->Attributes.at("height"), "19");
    EXPECT_EQ(rect->Attributes.at("fill"), "#0000ff");
    EXPECT_EQ(rect->Attributes.at("stroke"), "#ff0000");
    EXPECT_EQ(rect->Attributes.at("stroke-width"), "3");
    EXPECT_EQ(rect->Attributes.at("stroke-dasharray"), "18,6");
    const TElement* ellipse = Find(e, "ellipse");
    ASSERT_NE(ellipse, nullptr);
    EXPECT_EQ(ellipse->Attributes.at("fill"), "none");
    EXPECT_EQ(ellipse->Attributes.at("rx"), "5");
    EXPECT_EQ(ellipse->Attributes.at("ry"), "10");
    const TElement* polygon = Find(e, "polygon");
    ASSERT_NE(polygon, nullptr);
    EXPECT_EQ(polygon->Attributes.at("fill").rfind("url(#", 0), 0u);
}

TEST(SvgCanvas, TextIsTextAtItsBaselineAndEscaped) {
    TSvgCanvas canvas(200, 50, nullptr);
    canvas.Font().SetName("Arial");
    canvas.Font().SetHeight(-20);
    canvas.Font().SetColor(clGreen);
    canvas.Font().SetStyle(TFontStyles{fsBold, fsItalic});
    canvas.Brush().SetStyle(bsClear);
    canvas.TextOut(5, 7, "a<b>&\"c\"");
    canvas.SetTextAlign(TA_RIGHT | TA_BASELINE);
    canvas.TextOut(150, 40, "end");
    const auto e = Elements(canvas.Document());
    std::vector<const TElement*> texts;
    for (const TElement& x : e)
        if (x.Name == "text") texts.push_back(&x);
    ASSERT_EQ(texts.size(), 2u);
    EXPECT_EQ(texts[0]->Text, "a<b>&\"c\"");
    EXPECT_EQ(texts[0]->Attributes.at("fill"), "#008000");
    const std::string& style = texts[0]->Attributes.at("style");
    EXPECT_NE(style.find("font-size:20px"), std::string::npos) << style;
    EXPECT_NE(style.find("font-weight:700"), std::string::npos) << style;
    EXPECT_NE(style.find("font-style:italic"), std::string::npos) << style;
    EXPECT_NE(style.find("Arial"), std::string::npos) << style;
    // Top-left reference: the baseline is the ascent below the point.
    EXPECT_EQ(std::stoi(texts[0]->Attributes.at("y")), 7 + canvas.TextMetrics().tmAscent);
    EXPECT_EQ(texts[1]->Attributes.at("text-anchor"), "end");
    EXPECT_EQ(texts[1]->Attributes.at("y"), "40");
}

TEST(SvgCanvas, ArcsRunCounterClockwiseFromStartToEnd) {
    TSvgCanvas canvas(100, 100, nullptr);
    // From the right-hand point to the top one: a quarter, counter-clockwise.
    canvas.Arc(0, 0, 100, 100, 100, 50, 50, 0);
    // From the top point to the right-hand one: three quarters.
    canvas.Pie(0, 0, 100, 100, 50, 0, 100, 50);
    const auto e = Elements(canvas.Document());
    std::vector<std::string> paths;
    for (const TElement& x : e)
        if (x.Name == "path") paths.push_back(x.Attributes.at("d"));
    ASSERT_EQ(paths.size(), 2u);
    EXPECT_EQ(paths[0], "M100,50A50,50 0 0 0 50,0");
    EXPECT_EQ(paths[1], "M50,0A50,50 0 1 0 100,50L50,50Z");
}

TEST(SvgCanvas, ClipsTransformsAndLinks) {
    TSvgCanvas canvas(100, 100, nullptr);
    canvas.SetClipRect(Rect(10, 10, 20, 20));
    canvas.SetTransform(TXForm{2, 0, 0, 2, 5, 5});
    canvas.FillRect(Rect(0, 0, 4, 4));
    canvas.AddLink(Rect(1, 2, 11, 12), "p0002.html", "Далее & <дальше>");
    const std::string svg = canvas.Document();
    const auto e = Elements(svg);
    const TElement* group = Find(e, "g");
    ASSERT_NE(group, nullptr);
    EXPECT_EQ(group->Attributes.at("clip-path").rfind("url(#c", 0), 0u);
    EXPECT_NE(svg.find("<clipPath id=\"c1\"><rect x=\"10\" y=\"10\" width=\"10\" height=\"10\"/>"),
              std::string::npos)
        << svg;
    bool transformed = false;
    for (const TElement& x : e)
        if (x.Name == "rect" && x.Attributes.count("transform"))
            transformed = x.Attributes.at("transform") == "matrix(2 0 0 2 5 5)";
    EXPECT_TRUE(transformed);
    const TElement* link = Find(e, "a");
    ASSERT_NE(link, nullptr);
    EXPECT_EQ(link->Attributes.at("xlink:href"), "p0002.html");
    const TElement* title = Find(e, "title");
    ASSERT_NE(title, nullptr);
    EXPECT_EQ(title->Text, "Далее & <дальше>");
}

// A metafile drawn at 1/16: its shapes scale, but a hairline pen stays a
// pixel wide and hatches stay eight pixels of the page, as on the screen.
TEST(SvgCanvas, HairlinesAndHatchesAreMeasuredOnThePage) {
    TSvgCanvas canvas(320, 240, nullptr);
    canvas.SetTransform(TXForm{0.0625, 0, 0, 0.0625, 3, 4});
    canvas.Pen().SetWidth(1);
    canvas.Pen().SetStyle(psDot);
    canvas.Brush().SetStyle(bsFDiagonal);
    canvas.Rectangle(160, 160, 1760, 1760);
    canvas.Pen().SetStyle(psSolid);
    canvas.Pen().SetWidth(32);
    canvas.Brush().SetStyle(bsClear);
    canvas.Ellipse(0, 0, 1600, 800);
    const std::string svg = canvas.Document();
    const auto e = Elements(svg);
    const TElement* rect = Find(e, "rect");
    ASSERT_NE(rect, nullptr);
    EXPECT_EQ(rect->Attributes.at("transform"), "matrix(0.0625 0 0 0.0625 3 4)");
    EXPECT_EQ(rect->Attributes.at("stroke-width"), "16");
    EXPECT_EQ(rect->Attributes.at("stroke-dasharray"), "16,16");
    EXPECT_NE(
        svg.find("patternUnits=\"userSpaceOnUse\" patternTransform=\"matrix(16 0 0 16 -48 -64)\""),
        std::string::npos)
        << svg;
    const TElement* ellipse = Find(e, "ellipse");
    ASSERT_NE(ellipse, nullptr);
    EXPECT_EQ(ellipse->Attributes.at("stroke-width"), "32"); // two pixels on the page
}

// Text drawn in a rectangle breaks at words to its width, loses its prefix
// characters to an underlined accelerator, and is clipped to the rectangle.
TEST(SvgCanvas, TextInARectangleWrapsAtWordsWithItsAccelerator) {
    TSvgCanvas canvas(200, 100, nullptr);
    canvas.Font().SetName("Arial");
    canvas.Font().SetHeight(-12);
    canvas.Brush().SetStyle(bsClear);
    TRect box = Rect(10, 10, 80, 90);
    canvas.DrawText("&Words that wrap over && several lines", box, DT_CENTER | DT_WORDBREAK);
    const std::string svg = canvas.Document();
    const auto e = Elements(svg);
    std::vector<const TElement*> texts;
    std::string joined;
    for (const TElement& x : e)
        if (x.Name == "text") {
            texts.push_back(&x);
            joined += (joined.empty() ? "" : " ") + x.Text;
            const int width = canvas.TextWidth(x.Text);
            EXPECT_LE(width, 70) << x.Text;
            EXPECT_NEAR(std::stoi(x.Attributes.at("x")) + width / 2, 45, 1) << "centred";
        }
    ASSERT_GE(texts.size(), 3u) << svg;
    EXPECT_EQ(joined, "Words that wrap over & several lines");
    // Each line a line height below the one before.
    const int lineHeight = canvas.TextMetrics().tmHeight;
    EXPECT_EQ(std::stoi(texts[1]->Attributes.at("y")) - std::stoi(texts[0]->Attributes.at("y")),
              lineHeight);
    // The accelerator's underline: one pixel high under the "W".
    bool underlined = false;
    for (const TElement& x : e)
        if (x.Name == "rect" && x.Attributes.at("height") == "1")
            underlined = std::stoi(x.Attributes.at("width")) == canvas.TextWidth("W");
    EXPECT_TRUE(underlined) << svg;
    EXPECT_NE(svg.find("<rect x=\"10\" y=\"10\" width=\"70\" height=\"80\"/></clipPath>"),
              std::string::npos)
        << svg;

    TSvgCanvas unclipped(200, 100, nullptr);
    unclipped.DrawText("free", box, DT_NOCLIP | DT_NOPREFIX);
    EXPECT_EQ(unclipped.Document().find("clipPath"), std::string::npos);
}
