#pragma once

#include "platform/base/Font.h"
#include "platform/base/Pen.h"
#include "platform/base/Streams.h"

// Font and pen settings as stored records, under the failure-flag convention
// of the other stream values: a font record is the face name (plain string),
// charset (1 byte), colour (4), pitch (1), size in points (4) and four bytes
// for bold, italic, underline, strike-out; a pen record is style (1), colour
// (4) and width (4). Readers apply each field only while the flag is clear;
// writers skip the face name once the flag is set but still write the
// fixed-size fields.
namespace myDefines {

bool LoadFnt(bool& failed, TStream* stream, TFont* font);
bool SaveFnt(bool& failed, TStream* stream, const TFont* font);
bool LoadPen(bool& failed, TStream* stream, TPen* pen);
bool SavePen(bool& failed, TStream* stream, const TPen* pen);

} // namespace myDefines
