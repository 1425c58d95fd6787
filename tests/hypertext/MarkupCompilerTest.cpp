#include "hypertext/MarkupCompiler.h"
#include "common/HexBytes.h"
#include "hypertext/MarkupKeywords.h"

#include <gtest/gtest.h>

namespace {

std::string Compiled(const AnsiString& text) {
    return HexBytes(CompileMarkup(text));
}

} // namespace

TEST(MarkupCompiler, CompilesTheWorkedExample) {
    EXPECT_EQ(Compiled("<down = 6> Space <down = 26><nbspc><p>"),
              "23 0a 06 00 00 00 43 00 07 20 53 70 61 63 65 20 23 0a 1a 00 00 00 2b 1a 2b 1e");
}

TEST(MarkupCompiler, KeepsTextRunsWithOneSpaceAtEachEnd) {
    EXPECT_EQ(Compiled("a<<b"), "43 00 03 61 3c 62");
    EXPECT_EQ(Compiled("a>b"), "43 00 03 61 3e 62");
    EXPECT_EQ(Compiled("x < y"), "43 00 02 78 20") << "a lone < starts a tag";
    EXPECT_EQ(Compiled("a  \r\n b"), "43 00 02 61 20 43 00 02 20 62");
    EXPECT_EQ(Compiled("word<B>more"), "43 00 04 77 6f 72 64 2b 02 43 00 04 6d 6f 72 65");
    EXPECT_EQ(Compiled("word <B> more"), "43 00 05 77 6f 72 64 20 2b 02 43 00 05 20 6d 6f 72 65");
    EXPECT_EQ(Compiled("   "), "") << "an empty run leaves nothing";
    EXPECT_EQ(Compiled(""), "");
    EXPECT_EQ(Compiled("a\r\nb"), "43 00 02 61 0d 43 00 02 20 62");
}

TEST(MarkupCompiler, ReadsTagsWhateverTheirCaseAndSpacing) {
    for (const char* tag : {"<b>", "<B>", "< b >"})
        EXPECT_EQ(Compiled(tag), "2b 02") << tag;
    EXPECT_EQ(Compiled("</ b>"), "2d 02");
    EXPECT_EQ(Compiled("<ALIGN = right >"), "2b 00 24");
    EXPECT_EQ(Compiled("<align=center><layout=center><layout=vcenter>"),
              "2b 00 05 2b 12 05 2b 12 41");
    EXPECT_EQ(Compiled("<ALIGN=DEFAULT></ALIGN>"), "2d 00 2d 00");
    EXPECT_EQ(Compiled("<ALIGN=middle><FONT=USED><ALIGN=top><LAYOUT=page>"), "");
    EXPECT_EQ(Compiled("<STYLE3><STYLE=STYLE3></STYLE3>"), "2b 2d 2b 29 2d 2d 2d");
}

TEST(MarkupCompiler, CompilesNumbersPercentagesAndConvertedWords) {
    EXPECT_EQ(Compiled("<COLOR=#FF0000>"), "23 07 00 00 ff 00");
    EXPECT_EQ(Compiled("<COLOR=red><COLOR=clRed>"), "23 07 ff 00 00 00 23 07 ff 00 00 00");
    EXPECT_EQ(Compiled("<COLOR=btnface>"), "23 07 0f 00 00 80");
    EXPECT_EQ(Compiled("<COLOR=COLOR_BTNFACE>"), "23 07 0f 00 00 80");
    EXPECT_EQ(Compiled("<COLOR=reddish>"), "");
    EXPECT_EQ(Compiled("<CHARSET=RUSSIAN><FONTWEIGHT=fw_semibold><PITCH=fixed>"),
              "23 06 cc 00 00 00 23 0d 58 02 00 00 23 1f 02 00 00 00");
    EXPECT_EQ(Compiled("<DOWN=50%><SIZE=150 %><RGBGREEN=50%>"),
              "25 0a 32 00 00 00 25 26 96 00 00 00 25 22 32 00 00 00");
    EXPECT_EQ(Compiled("<A=#1a><TAB=3></TAB><TAB>"), "23 20 1a 00 00 00 23 3a 03 00 00 00 2d 3a");
    EXPECT_EQ(Compiled("<A=7>x y</A> z"),
              "23 20 07 00 00 00 43 00 02 78 20 43 00 01 79 2d 20 43 00 02 20 7a");
    EXPECT_EQ(Compiled("<B=5><A><A=-5><DOWN=red>"), "") << "values of the wrong form";
}

TEST(MarkupCompiler, KeepsTextValuesAsWritten) {
    EXPECT_EQ(Compiled("<FONT=Courier   New>"), "2b 0b 0b 43 6f 75 72 69 65 72 20 4e 65 77");
    EXPECT_EQ(Compiled("<FONT=Arial >"), "2b 0b 06 41 72 69 61 6c 20");
    EXPECT_EQ(Compiled("<HINT=a=b#c/d%e>"), "2b 0f 08 61 3d 62 23 63 2f 64 65");
    EXPECT_EQ(Compiled("<HINT=5 apples>"), "") << "a value starting with a digit is a number";
    EXPECT_EQ(Compiled("<FONT=DEFAULT><MACROS=bitmap>"), "2d 0b 2b 18 06 62 69 74 6d 61 70");
}

TEST(MarkupCompiler, SkipsBadTagsToTheNextCloser) {
    EXPECT_EQ(Compiled("a<b=c=d>e"), "43 00 01 61 43 00 01 65");
    EXPECT_EQ(Compiled("<nosuch>x"), "43 00 01 78");
    EXPECT_EQ(Compiled("<b c>x"), "43 00 01 78") << "a second word in a tag";
    EXPECT_EQ(Compiled("<#5 <b>"), "2b 02") << "a < inside a bad tag starts a new one";
    EXPECT_EQ(Compiled("<>x"), "43 00 01 78");
    const std::string longKeyword(256, 'B');
    EXPECT_EQ(Compiled("<" + longKeyword + ">x"), "43 00 01 78");
    const std::string longValue(256, 'v');
    EXPECT_EQ(Compiled("<FONT=" + longValue + ">x"), "43 00 01 78");
    EXPECT_EQ(CompileMarkup("<FONT=" + std::string(255, 'v') + ">").size(), 3u + 255);
}

TEST(MarkupCompiler, LongPagesCompileWhole) {
    // A run is cut at 65,535 characters; the rest of the page still compiles.
    const auto run = CompileMarkup(std::string(70000, 'x') + "<p>");
    ASSERT_EQ(run.size(), 3u + 65535 + 2);
    EXPECT_EQ(run[1], 0xff);
    EXPECT_EQ(run[2], 0xff);
    // The densest markup needs more than 64 KiB of records: nothing is lost.
    std::string dense;
    while (dense.size() + 5 <= 65535)
        dense += "<a=1>";
    const auto records = CompileMarkup(dense);
    EXPECT_EQ(records.size(), dense.size() / 5 * 6);
    EXPECT_GT(records.size(), 65536u);
}

TEST(MarkupCompiler, NeverFailsOnArbitraryBytes) {
    std::string bytes;
    unsigned seed = 12345;
    for (int i = 0; i < 200000; ++i) {
        seed = seed * 1103515245u + 12345u;
        const char alphabet[] = "<>=#/% \r\nabAFz09\x80\xff";
        bytes += alphabet[(seed >> 16) % (sizeof alphabet - 1)];
    }
    const auto records = CompileMarkup(bytes);
    // Walk the records: every one is well formed.
    size_t i = 0;
    while (i < records.size()) {
        const uint8_t tag = records[i];
        ASSERT_TRUE(tag == 'C' || tag == '+' || tag == '-' || tag == '#' || tag == '%') << i;
        if (tag == 'C') {
            ASSERT_LE(i + 3, records.size());
            i += 3 + (records[i + 1] << 8 | records[i + 2]);
        } else if (tag == '#' || tag == '%') {
            i += 6;
        } else if (tag == '-') {
            i += 2;
        } else {
            const int keyword = records[i + 1];
            ASSERT_LT(keyword, markup::kwCount);
            if (markup::HasKind(keyword, markup::kfText))
                i += 3 + records[i + 2];
            else if (markup::HasKind(keyword, markup::kfKeyword))
                i += 3;
            else
                i += 2;
        }
    }
    EXPECT_EQ(i, records.size());
}

TEST(MarkupKeywords, FindsKeywordsWithoutRegardToCase) {
    EXPECT_EQ(markup::FindKeyword("sub"), markup::kwSub);
    EXPECT_EQ(markup::FindKeyword("Sup"), markup::kwSup);
    EXPECT_EQ(markup::FindKeyword("stylef"), markup::kwStyleF);
    EXPECT_EQ(markup::FindKeyword("styleg"), -1);
    EXPECT_EQ(markup::Keyword(markup::kwWidth).Kind, 0x108);
}
