#include "common/FontPenValues.h"

#include "common/StreamValues.h"

namespace myDefines {

namespace {

// A pitch or pen style byte outside its enumeration reads as the default.
TFontPitch PitchFromByte(uint8_t Value) {
    return Value <= fpFixed ? static_cast<TFontPitch>(Value) : fpDefault;
}

TPenStyle PenStyleFromByte(uint8_t Value) {
    return Value <= psInsideFrame ? static_cast<TPenStyle>(Value) : psSolid;
}

void LoadStyle(bool& failed, TStream* stream, TFont* font, TFontStyle style) {
    bool on = false;
    if (LoadVar(failed, stream, on)) {
        TFontStyles styles = font->Style();
        font->SetStyle(on ? styles.Include(style) : styles.Exclude(style));
    }
}

} // namespace

bool LoadFnt(bool& failed, TStream* stream, TFont* font) {
    if (!font) {
        failed = true;
        return false;
    }
    AnsiString name;
    if (LoadStr(failed, stream, name)) font->SetName(name);
    uint8_t charset = 0;
    if (LoadVar(failed, stream, charset)) font->SetCharset(charset);
    TColor color = 0;
    if (LoadVar(failed, stream, color)) font->SetColor(color);
    uint8_t pitch = 0;
    if (LoadVar(failed, stream, pitch)) font->SetPitch(PitchFromByte(pitch));
    int size = 0;
    if (LoadVar(failed, stream, size)) font->SetSize(size);
    for (TFontStyle style : {fsBold, fsItalic, fsUnderline, fsStrikeOut})
        LoadStyle(failed, stream, font, style);
    return !failed;
}

bool SaveFnt(bool& failed, TStream* stream, const TFont* font) {
    if (!font) {
        failed = true;
        return false;
    }
    SaveStr(failed, stream, font->Name());
    SaveVar(failed, stream, font->Charset());
    SaveVar(failed, stream, font->Color());
    SaveVar(failed, stream, static_cast<uint8_t>(font->Pitch()));
    SaveVar(failed, stream, font->Size());
    const TFontStyles styles = font->Style();
    for (TFontStyle style : {fsBold, fsItalic, fsUnderline, fsStrikeOut})
        SaveVar(failed, stream, styles.Contains(style));
    return !failed;
}

bool LoadPen(bool& failed, TStream* stream, TPen* pen) {
    if (!pen) {
        failed = true;
        return false;
    }
    uint8_t style = 0;
    if (LoadVar(failed, stream, style)) pen->SetStyle(PenStyleFromByte(style));
    TColor color = 0;
    if (LoadVar(failed, stream, color)) pen->SetColor(color);
    int width = 0;
    if (LoadVar(failed, stream, width)) pen->SetWidth(width);
    return !failed;
}

bool SavePen(bool& failed, TStream* stream, const TPen* pen) {
    if (!pen) {
        failed = true;
        return false;
    }
    SaveVar(failed, stream, static_cast<uint8_t>(pen->Style()));
    SaveVar(failed, stream, pen->Color());
    SaveVar(failed, stream, pen->Width());
    return !failed;
}

} // namespace myDefines
