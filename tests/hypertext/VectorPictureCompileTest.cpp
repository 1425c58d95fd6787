// The vector picture language compiled to byte code.
#include "common/HexBytes.h"
#include "hypertext/VectorPictureCompiler.h"

#include <gtest/gtest.h>

namespace {

std::string Code(const AnsiString& Script) {
    return HexBytes(vpic::CompileVectorPicture(Script));
}

} // namespace

TEST(VectorPictureCompile, StatementsWithNumbersAndOmittedParameters) {
    EXPECT_EQ(Code(""), "00");
    EXPECT_EQ(Code("LINE(0,0,,100)"), "70 14 69 00 00 00 00 69 00 00 00 00 64 69 64 00 00 00 00");
    EXPECT_EQ(Code("MOVETO(10, 10)"), "70 1a 69 0a 00 00 00 69 0a 00 00 00 00");
    EXPECT_EQ(Code("MOVETO()"), "70 1a 64 64 00");
    EXPECT_EQ(Code("MOVETO(,5)"), "70 1a 64 69 05 00 00 00 00");
    EXPECT_EQ(Code("CLRSCR()"), "70 05 00");
    EXPECT_EQ(Code("CLRSCR ( )"), "70 05 00");
    EXPECT_EQ(Code("LINE(-5, -#10, - 3, #1aF)"),
              "70 14 69 fb ff ff ff 69 f0 ff ff ff 69 fd ff ff ff 69 af 01 00 00 00");
    EXPECT_EQ(Code("PENWIDTH(300)"), "70 1e 62 2c 00") << "bytes keep their low 8 bits";
    EXPECT_EQ(Code("LINE(1, 2, 3, 4 )"), "70 14 69 01 00 00 00 69 02 00 00 00 69 03 00 00 00 69 "
                                         "04 00 00 00 00")
        << "white space before ) is accepted";
}

TEST(VectorPictureCompile, RepeatingGroupsAreFilledWithDefaults) {
    EXPECT_EQ(Code("POLYLINE(1,2,3)"), "70 23 69 01 00 00 00 69 02 00 00 00 69 03 00 00 00 64 00");
    EXPECT_EQ(Code("FILLRECT(0,0,10,10,20,20,30,30)"),
              "70 07 69 00 00 00 00 69 00 00 00 00 69 0a 00 00 00 69 0a 00 00 00 69 14 00 00 00 "
              "69 14 00 00 00 69 1e 00 00 00 69 1e 00 00 00 00");
    EXPECT_EQ(Code("LINE(1,2,3,4,5)"), "70 14 69 01 00 00 00 69 02 00 00 00 69 03 00 00 00 69 04 "
                                       "00 00 00 69 05 00 00 00 64 64 64 00");
    EXPECT_EQ(Code("FONTSTYLE(BOLD, italic)"), "70 0f 69 00 00 00 00 69 01 00 00 00 00");
    EXPECT_EQ(Code("MOVETO(1,2,3)"), "70 1a 69 01 00 00 00 69 02 00 00 00 00")
        << "commands without a group drop extra parameters";
    std::string many = "POLYLINE(";
    for (int i = 0; i < 200; ++i)
        many += std::to_string(i) + ",";
    many += "1)";
    EXPECT_EQ(vpic::CompileVectorPicture(many).size(), 2 + 128 * 5 + 1u)
        << "at most 128 parameters";
}

TEST(VectorPictureCompile, WordsColoursAndConversions) {
    const std::string red = "70 1b 69 ff 00 00 00 64 64 00";
    EXPECT_EQ(Code("PENCOLOR(255,0,0)"), "70 1b 69 ff 00 00 00 69 00 00 00 00 69 00 00 00 00 00");
    EXPECT_EQ(Code("PENCOLOR(#FF)"), red);
    EXPECT_EQ(Code("pencolor(red)"), red);
    EXPECT_EQ(Code("PenColor(clRed)"), red);
    EXPECT_EQ(Code("PENCOLOR(BTNFACE)"), "70 1b 69 0f 00 00 80 64 64 00");
    EXPECT_EQ(Code("PENCOLOR()"), "70 1b 64 64 64 00");
    EXPECT_EQ(Code("brushstyle(diagcross)"), "70 03 69 07 00 00 00 00");
    EXPECT_EQ(Code("PENSTYLE(CLEAR) BRUSHSTYLE(CLEAR)"),
              "70 1d 69 05 00 00 00 70 03 69 01 00 00 00 00")
        << "a word means its value in the command's own table";
    EXPECT_EQ(Code("PENWIDTH(CLEAR)"), "70 1e 62 01 00") << "without a table: the first match";
    EXPECT_EQ(Code("FONTPITCH(fixed)"), "70 0d 62 02 00");
    EXPECT_EQ(Code("FONTCHARSET(RUSSIAN_CHARSET)"), "70 09 62 cc 00");
    EXPECT_EQ(Code("FONTWEIGHT(fw_semibold)"), "70 10 69 58 02 00 00 00");
    EXPECT_EQ(Code("UNDERLINELINKS(false)"), "70 2c 62 00 00");
    EXPECT_EQ(Code("FLOODFILL(1,2,3,border)"),
              "70 08 69 01 00 00 00 69 02 00 00 00 69 03 00 00 00 69 01 00 00 00 00");
    EXPECT_EQ(Code("TEXTFORMAT(NOPREFIX,WORDBREAK)"), "70 29 69 00 08 00 00 69 10 00 00 00 00");
}

TEST(VectorPictureCompile, StringsAreQuotedAndEscaped) {
    EXPECT_EQ(Code("TEXTOUT(1,2,,,\"a\\\"b\")"),
              "70 2b 69 01 00 00 00 69 02 00 00 00 64 64 73 03 61 22 62 00");
    EXPECT_EQ(Code("HINT(\"x;)\\\\\")"), "70 12 73 04 78 3b 29 5c 00");
    EXPECT_EQ(Code("FONTNAME(\"\")"), "70 0c 64 00") << "an empty string is omitted";
    EXPECT_EQ(Code("LINKOUT(10,20,7,\"Next\")"),
              "70 18 69 0a 00 00 00 69 14 00 00 00 69 07 00 00 00 64 64 73 04 4e 65 78 74 00");
    EXPECT_EQ(Code("TEXTOUT(1,2,3,4,SOLID)"),
              "70 2b 69 01 00 00 00 69 02 00 00 00 69 03 00 00 00 69 04 00 00 00 64 00")
        << "a word is no string";
    EXPECT_EQ(Code("HINT(\"" + std::string(255, 'x') + "\")").size(), 260 * 3 - 1u);
    EXPECT_EQ(Code("HINT(\"" + std::string(256, 'x') + "\") CLRSCR()"), "70 05 00")
        << "a string longer than 255 characters is an error";
    EXPECT_EQ(Code("HINT(\"a\" ) CLRSCR()"), "70 05 00") << "the string must end the list";
}

TEST(VectorPictureCompile, BadStatementsAreDroppedAndSkipped) {
    const std::string clrscr = "70 05 00";
    EXPECT_EQ(Code("SOLID(1) CLRSCR()"), clrscr) << "a value word in command position";
    EXPECT_EQ(Code("NOSUCH(1) CLRSCR()"), clrscr);
    EXPECT_EQ(Code("BRUSHSTYLE(DASH) CLRSCR()"), clrscr) << "a value from another table";
    EXPECT_EQ(Code("BRUSHSTYLE(FOO) CLRSCR()"), clrscr) << "an error on ) ends that statement";
    EXPECT_EQ(Code("LINE(CLRSCR) CLRSCR()"), clrscr) << "a command word as parameter";
    EXPECT_EQ(Code("FLOODFILL(1,2,red) CLRSCR()"), clrscr) << "FLOODFILL takes no colour names";
    EXPECT_EQ(Code("PENCOLOR(nocolour) CLRSCR()"), clrscr);
    EXPECT_EQ(Code("LINE(1,2x,3) CLRSCR()"), clrscr);
    EXPECT_EQ(Code("LINE(1,2; CLRSCR()"), clrscr) << "; abandons an open statement";
    EXPECT_EQ(Code("120;80; CLRSCR()"), clrscr) << "numbers between statements are skipped";
    EXPECT_EQ(Code("\xc0\xc1 + CLRSCR() ) ,"), clrscr);
    EXPECT_EQ(Code("LINE (1,2,3,4"), "00") << "an unclosed statement";
    EXPECT_EQ(Code("ARC1(1)"), "00");
    EXPECT_EQ(Code(std::string(300, 'A') + "(1) CLRSCR()"), clrscr) << "an overlong word";
}
