// plbtool layout, render and trace.
#include "support/TestFiles.h"

#include <QImage>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <gtest/gtest.h>

namespace {

const std::string kTool = std::string(PLB_BIN_DIR) + "/plbtool";
const std::string kSample = std::string(PLB_BIN_DIR) + "/data/TextBook.plb";

int Tool(const std::string& args, std::string* out = nullptr) {
    return RunCommand(kTool + " " + args + " 2>/dev/null", out);
}

QJsonObject Layout(const std::string& args) {
    std::string out;
    EXPECT_EQ(Tool("layout " + args, &out), 0) << args;
    return QJsonDocument::fromJson(QByteArray::fromStdString(out)).object();
}

} // namespace

TEST(PageTools, LayoutPrintsLinesWordsAndLinksOfAMarkupFile) {
    TTempDir dir;
    WriteFileBytes(dir.File("p.tag"), "<align=center>Title</align><p>\n"
                                      "<hint=Подсказка><a=5>go there</a> <sub>i</sub><p>");
    const QJsonObject page = Layout("--markup " + dir.File("p.tag") + " --size 300x100");
    EXPECT_EQ(page["realWidth"].toInt(), 300);
    EXPECT_EQ(page["realHeight"].toInt(), 100);
    const QJsonArray lines = page["lines"].toArray();
    ASSERT_EQ(lines.size(), 2);
    const QJsonObject title = lines[0].toObject();
    const QJsonObject word = title["words"].toArray()[0].toObject();
    EXPECT_EQ(word["text"].toString(), "Title");
    EXPECT_EQ(word["x"].toInt(), title["freeSpace"].toInt() / 2) << "centred";
    EXPECT_EQ(word["font"].toObject()["name"].toString(), "Times new roman");
    EXPECT_EQ(word["font"].toObject()["size"].toInt(), 13);
    EXPECT_EQ(word["alignment"].toInt(), 1);
    EXPECT_TRUE(word["macro"].isNull());
    EXPECT_TRUE(word["border"].isNull());
    const QJsonArray bounds = title["bounds"].toArray();
    EXPECT_EQ(bounds[2].toInt(), 299);

    const QJsonArray second = lines[1].toObject()["words"].toArray();
    EXPECT_EQ(second[0].toObject()["linkId"].toInt(), 5);
    EXPECT_EQ(second[2].toObject()["indexKind"].toInt(), 1);
    const QJsonArray links = page["links"].toArray();
    ASSERT_EQ(links.size(), 1);
    EXPECT_EQ(links[0].toObject()["hint"].toString(), "Подсказка");
    const QJsonArray rects = links[0].toObject()["rects"].toArray();
    ASSERT_EQ(rects.size(), 2);
    EXPECT_EQ(rects[0].toArray()[2].toInt(), second[1].toObject()["x"].toInt())
        << "the first word's rectangle reaches the second word";
}

TEST(PageTools, LayoutShowsSideBoxesWithTheirLines) {
    TTempDir dir;
    WriteFileBytes(dir.File("b.tag"), "<leftborder=100>box</leftborder>page text");
    const QJsonObject page = Layout("--markup " + dir.File("b.tag"));
    EXPECT_EQ(page["realWidth"].toInt(), 762);
    EXPECT_EQ(page["realHeight"].toInt(), 463);
    const QJsonObject border =
        page["lines"].toArray()[0].toObject()["words"].toArray()[0].toObject()["border"].toObject();
    EXPECT_EQ(border["side"].toInt(), 1);
    EXPECT_EQ(border["bounds"].toArray()[2].toInt(), 100);
    EXPECT_EQ(border["lines"].toArray()[0].toObject()["words"].toArray()[0].toObject()["text"],
              "box");
    EXPECT_EQ(page["lines"].toArray()[1].toObject()["bounds"].toArray()[0].toInt(), 100);
}

TEST(PageTools, LayoutReadsABooksPage) {
    const QJsonObject page = Layout(kSample + " --page 2");
    EXPECT_FALSE(page["lines"].toArray().isEmpty());
    EXPECT_GE(page["links"].toArray().size(), 12) << "the contents page links every page";
}

TEST(PageTools, RenderWritesThePageAtItsZoomedSize) {
    TTempDir dir;
    ASSERT_EQ(Tool("render " + kSample + " --page 30 -o " + dir.File("p.png")), 0);
    QImage image(QString::fromStdString(dir.File("p.png")));
    EXPECT_EQ(image.size(), QSize(762, 463));
    EXPECT_EQ(image.pixel(700, 450) & 0xFFFFFF, 0xFFFFFFu) << "the page's own colour";

    ASSERT_EQ(Tool("render " + kSample + " --page 30 --zoom 1 -o " + dir.File("z.png")), 0);
    image.load(QString::fromStdString(dir.File("z.png")));
    // One step is 18/17 of the real size, which the view fits to the page's
    // proportions as it does in the viewer.
    const int w = 18 * 762 / 17;
    EXPECT_EQ(image.size(), QSize(w, std::min(w * 463 / 762, 18 * 463 / 17)));
    ASSERT_EQ(
        Tool("render " + kSample + " --page 30 --zoom -1 --size 340x170 -o " + dir.File("s.png")),
        0);
    image.load(QString::fromStdString(dir.File("s.png")));
    EXPECT_EQ(image.size(), QSize(16 * 340 / 17, 16 * 170 / 17)) << "320 x 160";
}

TEST(PageTools, TracePrintsOneCanvasCallPerLine) {
    TTempDir dir;
    WriteFileBytes(dir.File("t.tag"), "<background=yellow>hello</background> world");
    std::string out;
    ASSERT_EQ(Tool("trace --markup " + dir.File("t.tag") + " --size 200x50", &out), 0);
    EXPECT_NE(out.find("Font name=\"Times new roman\""), std::string::npos);
    EXPECT_NE(out.find("Brush style=bsSolid"), std::string::npos);
    EXPECT_NE(out.find("TextOut (0, 0) \"hello\""), std::string::npos) << out;
    EXPECT_NE(out.find("\"world\""), std::string::npos);
}

TEST(PageTools, PageCommandsRejectBadArguments) {
    TTempDir dir;
    WriteFileBytes(dir.File("p.tag"), "x");
    const std::string markup = " --markup " + dir.File("p.tag");
    EXPECT_EQ(Tool("layout"), 2);
    EXPECT_EQ(Tool("layout " + kSample), 2) << "a book needs --page";
    EXPECT_EQ(Tool("layout" + markup + " " + kSample + " --page 2"), 2) << "one input only";
    EXPECT_EQ(Tool("layout" + markup + " --size 0x10"), 2);
    EXPECT_EQ(Tool("layout" + markup + " --size 99999x10"), 2);
    EXPECT_EQ(Tool("render" + markup), 2) << "render needs -o";
    EXPECT_EQ(Tool("render" + markup + " --zoom -17 -o " + dir.File("o.png")), 2);
    EXPECT_EQ(Tool("trace" + markup + " --zoom 1"), 2);
    EXPECT_EQ(Tool("layout " + kSample + " --page 9999"), 1);
    EXPECT_EQ(Tool("layout --markup " + dir.File("missing.tag")), 1);
}
