// Name lookups of the markup languages, pitch mapping, font rebuilding, bits
// and cursors.
#include "common/ValueConversions.h"

#include "platform/base/HeadlessControls.h"

#include <gtest/gtest.h>

using namespace myDefines;

TEST(ValueConversions, ExtractValueTriesNamesInOrder) {
    bool ok = true;
    const auto table = {TNamedValue{"ONE", 1}, TNamedValue{"TWO", 2}, TNamedValue{"one", 3}};
    EXPECT_EQ(ExtractValue("one", "pre", "suf", ok, -1, table), 1); // the first match wins
    EXPECT_TRUE(ok);
    EXPECT_EQ(ExtractValue("PRETWOSUF", "pre", "suf", ok, -1, table), 2);
    EXPECT_TRUE(ok);
    EXPECT_EQ(ExtractValue("pretwo", "pre", "suf", ok, -1, table), -1); // prefix needs the suffix
    EXPECT_FALSE(ok);
    EXPECT_EQ(ExtractValue("", "", "", ok, 7, table), 7);
    EXPECT_FALSE(ok);
    EXPECT_EQ(ExtractValue("presuf", "pre", "suf", ok, 9, table), 9);
    EXPECT_FALSE(ok);
    const auto ended = {TNamedValue{"a", 1}, TNamedValue{nullptr, 0}, TNamedValue{"b", 2}};
    EXPECT_EQ(ExtractValue("b", "", "", ok, 5, ended), 5);
    EXPECT_FALSE(ok);
}

TEST(ValueConversions, Booleans) {
    bool ok = false;
    EXPECT_TRUE(StrToBool("TRUE", false, ok));
    EXPECT_TRUE(ok);
    EXPECT_FALSE(StrToBool("False", true, ok));
    EXPECT_TRUE(ok);
    EXPECT_TRUE(StrToBool("1", true, ok));
    EXPECT_FALSE(ok);
    EXPECT_FALSE(StrToBool("yes", false, ok));
    EXPECT_FALSE(ok);
}

TEST(ValueConversions, ColoursWithAndWithoutPrefixes) {
    bool ok = false;
    for (const char* name : {"clRed", "RED", "red", "CLRED", "rEd"}) {
        EXPECT_EQ(StrToColor(name, clBlack, ok), 0x0000FF) << name;
        EXPECT_TRUE(ok) << name;
    }
    for (const char* name : {"COLOR_3DFACE", "3dface", "3DFace", "color_btnface", "clBtnFace"}) {
        EXPECT_EQ(StrToColor(name, clBlack, ok), SystemColor(15)) << name;
        EXPECT_TRUE(ok) << name;
    }
    EXPECT_EQ(StrToColor("clNone", clBlack, ok), 0x1FFFFFFF);
    EXPECT_EQ(StrToColor("default", clBlack, ok), 0x20000000);
    EXPECT_EQ(StrToColor("InfoBk", clBlack, ok), SystemColor(24));
    EXPECT_EQ(StrToColor("COLOR_HOTLIGHT", clBlack, ok), SystemColor(26));
    EXPECT_EQ(StrToColor("desktop", clBlack, ok), SystemColor(1));
    EXPECT_EQ(StrToColor("Navy", clBlack, ok), 0x800000);
    // Numbers and other spellings are not colours here.
    for (const char* text : {"#FF0000", "$0000FF", "255", "clredd", "cl", "COLOR_", ""}) {
        EXPECT_EQ(StrToColor(text, 0x123456, ok), 0x123456) << text;
        EXPECT_FALSE(ok) << text;
    }
}

TEST(ValueConversions, CharsetsPitchesAndWeights) {
    bool ok = false;
    EXPECT_EQ(StrToFontCharset("russian", 0, ok), 204);
    EXPECT_TRUE(ok);
    EXPECT_EQ(StrToFontCharset("RUSSIAN_CHARSET", 0, ok), 204);
    EXPECT_EQ(StrToFontCharset("Mac_Charset", 0, ok), 77);
    EXPECT_EQ(StrToFontCharset("_CHARSET", 3, ok), 3);
    EXPECT_FALSE(ok);
    EXPECT_EQ(StrToFontCharset("CHARSET_RUSSIAN", 3, ok), 3);
    EXPECT_FALSE(ok);

    EXPECT_EQ(StrToFontPitch("fixed", 0, ok), FIXED_PITCH);
    EXPECT_TRUE(ok);
    EXPECT_EQ(LogPitchToPitch(StrToFontPitch("fixed", 0, ok)), fpFixed);
    EXPECT_EQ(StrToFontPitch("VARIABLE_PITCH", 0, ok), VARIABLE_PITCH);
    EXPECT_EQ(StrToFontPitch("mono", 9, ok), 9);
    EXPECT_FALSE(ok);

    EXPECT_EQ(StrToFontWeight("fw_semibold", 0, ok), 600);
    EXPECT_TRUE(ok);
    EXPECT_EQ(StrToFontWeight("Bold", 0, ok), 700);
    EXPECT_EQ(StrToFontWeight("ULTRALIGHT", 0, ok), 200);
    EXPECT_EQ(StrToFontWeight("FW_", 1, ok), 1);
    EXPECT_FALSE(ok);
}

TEST(ValueConversions, PitchMapping) {
    EXPECT_EQ(PitchToLogPitch(fpFixed), FIXED_PITCH);
    EXPECT_EQ(PitchToLogPitch(fpVariable), VARIABLE_PITCH);
    EXPECT_EQ(PitchToLogPitch(fpDefault), DEFAULT_PITCH);
    EXPECT_EQ(LogPitchToPitch(0), fpDefault);
    EXPECT_EQ(LogPitchToPitch(1), fpFixed);
    EXPECT_EQ(LogPitchToPitch(2), fpVariable);
    EXPECT_EQ(LogPitchToPitch(3), fpFixed); // the fixed bit wins
    EXPECT_EQ(LogPitchToPitch(0x32), fpVariable);
}

TEST(ValueConversions, LogFontDescribesTheFont) {
    TFont font;
    font.SetName("Times New Roman With A Very Long Face Name Beyond 31");
    font.SetHeight(-17);
    font.SetCharset(RUSSIAN_CHARSET);
    font.SetPitch(fpVariable);
    font.SetStyle({fsBold, fsUnderline});
    LOGFONTA lf;
    lf.lfEscapement = 99;
    CreateLogFont(&font, lf);
    EXPECT_EQ(lf.lfHeight, -17);
    EXPECT_EQ(lf.lfWidth, 0);
    EXPECT_EQ(lf.lfEscapement, 0);
    EXPECT_EQ(lf.lfWeight, 700);
    EXPECT_EQ(lf.lfItalic, 0);
    EXPECT_EQ(lf.lfUnderline, 1);
    EXPECT_EQ(lf.lfStrikeOut, 0);
    EXPECT_EQ(lf.lfCharSet, 204);
    EXPECT_EQ(lf.lfPitchAndFamily, VARIABLE_PITCH);
    EXPECT_EQ(std::string(lf.lfFaceName), std::string(font.Name(), 0, 31));

    TFont unnamed;
    unnamed.SetName("");
    CreateLogFont(&unnamed, lf);
    EXPECT_EQ(lf.lfFaceName[0], '\0');
    EXPECT_EQ(lf.lfWeight, 400);
}

TEST(ValueConversions, FontStylesRebuildTheFont) {
    TFont font;
    font.SetName("Arial");
    font.SetStyle({fsBold});
    font.SetCharset(RUSSIAN_CHARSET);
    MoveFontStyle(&font, fsBold, false);
    EXPECT_FALSE(font.Style().Contains(fsBold));
    EXPECT_EQ(font.Charset(), RUSSIAN_CHARSET);
    EXPECT_EQ(font.Name(), "Arial");

    SetFontStyle(&font, fsItalic);
    SetFontStyle(&font, fsStrikeOut);
    EXPECT_EQ(font.Style(), (TFontStyles{fsItalic, fsStrikeOut}));
    RemoveFontStyle(&font, fsItalic);
    EXPECT_EQ(font.Style(), (TFontStyles{fsStrikeOut}));
    MoveFontStyle(&font, fsUnderline, true);
    EXPECT_TRUE(font.Style().Contains(fsUnderline));
    EXPECT_EQ(font.Charset(), RUSSIAN_CHARSET);

    // An explicit weight from a description survives a change of another style.
    LOGFONTA lf;
    CreateLogFont(&font, lf);
    lf.lfWeight = 600;
    lf.lfEscapement = 900;
    CreateFontIndirectA(&font, lf);
    SetFontStyle(&font, fsItalic);
    EXPECT_EQ(font.Weight(), 600);
    EXPECT_EQ(font.Escapement(), 900);
    SetFontStyle(&font, fsBold);
    EXPECT_EQ(font.Weight(), 700);
    RemoveFontStyle(&font, fsBold);
    EXPECT_EQ(font.Weight(), 400);
}

TEST(ValueConversions, BitsAndCursor) {
    EXPECT_EQ(ChangeBits(0x10, 0x03, boSet), 0x13ul);
    EXPECT_EQ(ChangeBits(0x13, 0x03, boClear), 0x10ul);
    EXPECT_EQ(ChangeBits(0x13, 0x03, 7), 0x10ul); // any other operation clears
    EXPECT_TRUE(CheckBits(0x13, 0x22));
    EXPECT_FALSE(CheckBits(0x13, 0x0C));
    EXPECT_FALSE(CheckBits(0x13, 0));

    THeadlessControl control;
    SetCursor(&control, crHandPoint);
    EXPECT_EQ(control.Cursor(), crHandPoint);
    SetCursor(nullptr, crHandPoint); // nothing to set, no crash
}
