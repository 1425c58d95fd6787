// Embedded objects: how a macro's body is read, where its picture comes from
// and how slots survive relayouts.
#include "LayoutTestPage.h"

#include "hypertext/HyperMacros.h"
#include "hypertext/MacroBody.h"
#include "platform/base/FileNames.h"
#include "platform/displaylist/Metafile.h"
#include "platform/graphics/Bitmap.h"
#include "platform/graphics/Icon.h"
#include "platform/graphics/JPEGImage.h"
#include "platform/graphics/Picture.h"
#include "support/TestFiles.h"

#include <gtest/gtest.h>
#include <set>
#include <string>
#include <vector>

TEST(MacroBody, SizeAndFileFollowTheScanRules) {
    int w = -1, h = -1;
    AnsiString file;
    EXPECT_EQ(ScanSizeAndFile("120;80;photo.jpg", w, h, file), 3);
    EXPECT_EQ(w, 120);
    EXPECT_EQ(h, 80);
    EXPECT_EQ(file, "photo.jpg");
    EXPECT_EQ(ScanSizeAndFile(" 0.bmp ", w, h, file), 1) << "a point after the number";
    EXPECT_EQ(ScanSizeAndFile(" 10 ; 20;a.bmp", w, h, file), 1) << "';' must follow at once";
    EXPECT_EQ(ScanSizeAndFile("10;20;", w, h, file), 2);
    EXPECT_EQ(ScanSizeAndFile("-5;+7; my pic.bmp", w, h, file), 3);
    EXPECT_EQ(w, -5);
    EXPECT_EQ(h, 7);
    EXPECT_EQ(file, "my") << "the token ends at white space";
    EXPECT_EQ(ScanSizeAndFile("99999999999;1;x", w, h, file), 3);
    EXPECT_EQ(w, 2147483647) << "clamped, not wrapped";
    EXPECT_EQ(ScanSizeAndFile("1;1;" + std::string(300, 'a'), w, h, file), 3);
    EXPECT_EQ(file.size(), 255u);
    EXPECT_EQ(ScanSize("30;40;MOVETO(1,1)", w, h), 2);
    EXPECT_EQ(ScanSize("30;x", w, h), 1);
    EXPECT_EQ(ScanToken("  a.bmp more"), "a.bmp");
    EXPECT_EQ(ScanToken(" \t "), "");
    EXPECT_EQ(TrimText("\t a b \r\n"), "a b");
}

namespace {

// A page whose host answers picture requests with bitmaps of a known size
// (or refuses the names it is told to), counting the requests.
class MacrosPage : public ::testing::Test {
protected:
    MacrosPage() : page(300, 200) {
        page.View().SetOnGraphicLoad([this](THyperText*, TGraphic* graphic, const AnsiString& name,
                                            bool& processed, bool& aborted) {
            asked.push_back(name);
            classes.push_back(dynamic_cast<TJPEGImage*>(graphic)  ? "jpeg"
                              : dynamic_cast<TBitmap*>(graphic)   ? "bitmap"
                              : dynamic_cast<TIcon*>(graphic)     ? "icon"
                              : dynamic_cast<TMetafile*>(graphic) ? "metafile"
                                                                  : "other");
            if (name == abortOn) aborted = true;
            if (missing.count(name) || name == abortOn) return;
            if (auto* bitmap = dynamic_cast<TBitmap*>(graphic)) {
                bitmap->SetSize(17, 9);
                processed = true;
            } else if (dynamic_cast<TJPEGImage*>(graphic)) {
                graphic->LoadFromFile(FixturePath("pictures/jpeg_baseline.jpg"));
                processed = true;
            }
        });
        asked.clear();
    }
    // The objects of the laid-out page in order.
    std::vector<THyperMacros*> Objects() {
        std::vector<THyperMacros*> result;
        for (const auto& line : page.Lines())
            for (const auto& word : line->Words)
                if (word->Macros) result.push_back(word->Macros.get());
        return result;
    }

    TLayoutPage page;
    std::vector<AnsiString> asked;
    std::vector<std::string> classes; // of the graphics the host was given
    std::set<AnsiString> missing;
    AnsiString abortOn;
};

} // namespace

TEST_F(MacrosPage, PictureKindsTakeTheirSizeFromTheBodyOrThePicture) {
    page.Show("a <macros=bitmap> 0.bmp </macros> b <macros=Picture>0;50;c.bmp</macros>"
              "<macros=BITMAP>40;30;d.bmp</macros>");
    const auto objects = Objects();
    ASSERT_EQ(objects.size(), 3u);
    EXPECT_EQ(asked, (std::vector<AnsiString>{"0.bmp", "c.bmp", "d.bmp"}));
    EXPECT_EQ(objects[0]->Width, 17);
    EXPECT_EQ(objects[0]->Height, 9);
    EXPECT_EQ(objects[1]->Width, 17) << "0 takes the picture's own width";
    EXPECT_EQ(objects[1]->Height, 50);
    EXPECT_EQ(objects[2]->Rect,
              Rect(0, 0, 40, 30).Offset(objects[2]->Rect.Left, objects[2]->Rect.Top));
    for (THyperMacros* m : objects)
        EXPECT_EQ(m->Kind, mkPicture);
    // "bitmap" inverts the transparent flag (no background: transparent),
    // other picture words keep it.
    EXPECT_FALSE(objects[0]->Transparent);
    EXPECT_TRUE(objects[1]->Transparent);
    EXPECT_FALSE(objects[2]->Transparent);
}

TEST_F(MacrosPage, TheGraphicClassFollowsTheExtension) {
    page.Show("<macros=picture>120;80;photo.JPG</macros><macros=picture>x.jpeg</macros>"
              "<macros=icon>i.ico</macros><macros=metafile>m.bmp</macros>");
    EXPECT_EQ(classes, (std::vector<std::string>{"jpeg", "metafile", "icon", "bitmap"}))
        << "any other extension is a metafile; the word does not decide";
    const auto objects = Objects();
    ASSERT_EQ(objects.size(), 2u) << "the JPEG and the bitmap were supplied";
    EXPECT_EQ(objects[0]->Width, 120);
    EXPECT_EQ(objects[0]->Height, 80);
}

TEST_F(MacrosPage, RelayoutsReuseThePicturesWithoutAskingAgain) {
    missing = {"gone.bmp"};
    page.Show("<macros=bitmap>gone.bmp</macros> x <macros=bitmap>a.bmp</macros>"
              "<macros=tiled_background>b.bmp</macros>");
    EXPECT_EQ(asked.size(), 3u);
    EXPECT_EQ(page.View().PictureCount(), 3) << "the failed slot stays, empty";
    std::vector<const TPicture*> first;
    for (THyperMacros* m : Objects())
        first.push_back(m->Picture);
    page.View().SetTabSize(7); // interprets and lays out again
    page.Relayout();
    EXPECT_EQ(asked.size(), 3u) << "no second request";
    std::vector<const TPicture*> second;
    for (THyperMacros* m : Objects())
        second.push_back(m->Picture);
    EXPECT_EQ(first, second) << "every picture keeps its own slot";
    ASSERT_EQ(second.size(), 2u);
    EXPECT_NE(second[0], second[1]);
    // A new text starts over.
    page.Show("<macros=bitmap>a.bmp</macros>");
    EXPECT_EQ(asked.size(), 4u);
    EXPECT_EQ(page.View().PictureCount(), 1);
}

TEST_F(MacrosPage, AnAbortingHostIsNotAskedAgainUntilTheNextInterpretation) {
    TTempDir dir;
    WriteFileBytes(dir.File("Local.BMP"), ReadFileBytes(FixturePath("pictures/bmp24_topdown.bmp")));
    const std::string cwd = GetCurrentDir();
    ASSERT_TRUE(SetCurrentDir(dir.Path()));
    abortOn = "first.bmp";
    page.Show("<macros=bitmap>first.bmp</macros><macros=bitmap>second.bmp</macros>"
              "<macros=bitmap>local.bmp</macros>");
    SetCurrentDir(cwd);
    EXPECT_EQ(asked, std::vector<AnsiString>{"first.bmp"});
    EXPECT_TRUE(page.View().LoadingAborted());
    const auto objects = Objects();
    ASSERT_EQ(objects.size(), 1u) << "only the file in the current folder was found";
    EXPECT_EQ(objects[0]->FileName, "local.bmp");
    TStringList other;
    other.SetText("<macros=bitmap>second.bmp</macros>");
    page.View().SetLines(other);
    EXPECT_FALSE(page.View().LoadingAborted()) << "cleared when interpretation starts";
    EXPECT_EQ(asked.back(), "second.bmp");
}

TEST_F(MacrosPage, UnknownNamesGoToTheHostAndBadSizesLeaveNoObject) {
    std::vector<std::string> events;
    page.View().SetOnMacrosEnter([&](THyperText*, THyperMacros* m) {
        events.push_back("enter " + m->Name + ":" + TrimText(m->Body));
    });
    page.View().OnMacrosExit = [&](THyperText*, THyperMacros* m) {
        events.push_back("exit " + m->Name);
    };
    page.Show("a <macros=sound> x y </macros> b <macros=vector_picture>0;10;RECTANGLE(1,1,5,5)"
              "</macros><macros=media_file>10;10;</macros>c");
    EXPECT_EQ(events, (std::vector<std::string>{"enter sound:x  y"})) << "dropped at once";
    EXPECT_TRUE(Objects().empty());
    EXPECT_EQ(page.View().GetMediaCount(), 0);
    EXPECT_NO_THROW(page.Word("c")) << "the bodies are not shown";
}

TEST_F(MacrosPage, UnloadingWalksThePicturesUntilTheHostAborts) {
    page.Show("<leftborder=60><macros=bitmap>boxed.bmp</macros></leftborder>"
              "<macros=bitmap>a.bmp</macros> text <macros=bitmap>b.bmp</macros>");
    std::vector<std::string> seen;
    std::vector<int> notified;
    page.View().OnGraphicNotify = [&](THyperText*, THyperOperation op) { notified.push_back(op); };
    page.View().OnGraphicUnload = [&](THyperText*, TGraphic* g, const AnsiString& name,
                                      bool& aborted) {
        EXPECT_NE(g, nullptr);
        seen.push_back(name);
        aborted = name == "a.bmp";
    };
    page.View().UnloadGraphics();
    EXPECT_EQ(seen, (std::vector<std::string>{"boxed.bmp", "a.bmp"}));
    EXPECT_EQ(notified, (std::vector<int>{hoUnloadBegin, hoUnloadEnd}));
}
