#pragma once

#include "platform/base/Colors.h"
#include "platform/base/Control.h"
#include "platform/base/Cursors.h"
#include "platform/base/Font.h"
#include "platform/base/Types.h"

#include <cstdint>
#include <initializer_list>
#include <span>

// Words of the markup languages turned into values, fonts rebuilt with one
// attribute changed, and bit helpers. Every lookup ignores letter case, sets
// ok to false first, and returns the caller's default when nothing matches.
namespace myDefines {

// One entry of a name table.
struct TNamedValue {
    const char* Name;
    int Value;
};

// The first entry (in table order) whose name equals Str, or Prefix + name +
// Suffix, gives the result and sets ok; otherwise Default. An entry with a
// null name ends the table.
int ExtractValue(const AnsiString& Str, const AnsiString& Prefix, const AnsiString& Suffix,
                 bool& ok, int Default, std::span<const TNamedValue> Table);
int ExtractValue(const AnsiString& Str, const AnsiString& Prefix, const AnsiString& Suffix,
                 bool& ok, int Default, std::initializer_list<TNamedValue> Table);

// "false" or "true".
bool StrToBool(const AnsiString& Str, bool Default, bool& ok);
// A colour name with or without "cl" ("red", "clRed"), else a system colour
// name with or without "COLOR_" ("BTNFACE", "COLOR_BTNFACE"). No numbers.
TColor StrToColor(const AnsiString& Str, TColor Default, bool& ok);
// A charset name with or without "_CHARSET".
unsigned char StrToFontCharset(const AnsiString& Str, unsigned char Default, bool& ok);
// "DEFAULT", "FIXED" or "VARIABLE", with or without "_PITCH": the pitch bits
// of a logical font (0, 1, 2).
unsigned char StrToFontPitch(const AnsiString& Str, unsigned char Default, bool& ok);
// A weight name with or without "FW_".
int StrToFontWeight(const AnsiString& Str, int Default, bool& ok);

// The font object's pitch as logical-font pitch bits and back.
unsigned char PitchToLogPitch(TFontPitch Pitch);
TFontPitch LogPitchToPitch(unsigned char Bits);

// Describes the font: its height, weight (700 bold, 400 otherwise, unless the
// font was made from a description with an explicit weight), styles, charset,
// pitch and face name (cut to 31 characters). Width, escapement and
// orientation come from such a description too, and are 0 otherwise.
void CreateLogFont(const TFont* Font, LOGFONTA& LogFont);
// Makes the font take on every attribute of the description.
void CreateFontIndirectA(TFont* Font, const LOGFONTA& LogFont);

// Rebuild the font from its description with one style switched on, off, or
// as On says. The font keeps its charset.
void SetFontStyle(TFont* Font, TFontStyle Style);
void RemoveFontStyle(TFont* Font, TFontStyle Style);
void MoveFontStyle(TFont* Font, TFontStyle Style, bool On);

// 1 sets the mask bits; any other operation clears them.
using TBitOperation = uint8_t;
constexpr TBitOperation boClear = 0;
constexpr TBitOperation boSet = 1;
unsigned long ChangeBits(unsigned long Flags, unsigned long Mask, TBitOperation Op);
// True when any bit of Mask is set in Flags.
bool CheckBits(unsigned long Flags, unsigned long Mask);

// Sets the control's cursor; the pointer takes the new shape at once when it
// is over the control.
void SetCursor(TControl* Control, TCursor Cursor);

} // namespace myDefines
