#pragma once

#include "platform/base/Types.h"

#include <cstdint>

// Colour numbers: red in the low byte, then green, then blue.
constexpr TColor clBlack = 0x000000;
constexpr TColor clMaroon = 0x000080;
constexpr TColor clGreen = 0x008000;
constexpr TColor clOlive = 0x008080;
constexpr TColor clNavy = 0x800000;
constexpr TColor clPurple = 0x800080;
constexpr TColor clTeal = 0x808000;
constexpr TColor clGray = 0x808080;
constexpr TColor clSilver = 0xC0C0C0;
constexpr TColor clRed = 0x0000FF;
constexpr TColor clLime = 0x00FF00;
constexpr TColor clYellow = 0x00FFFF;
constexpr TColor clBlue = 0xFF0000;
constexpr TColor clFuchsia = 0xFF00FF;
constexpr TColor clAqua = 0xFFFF00;
constexpr TColor clWhite = 0xFFFFFF;
constexpr TColor clLtGray = 0xC0C0C0;
constexpr TColor clDkGray = 0x808080;

constexpr TColor clNone = 0x1FFFFFFF;
constexpr TColor clDefault = 0x20000000;

// System colour n is the colour number 0x80000000 + n.
constexpr TColor SystemColor(int Index) {
    return static_cast<TColor>(0x80000000u + static_cast<uint32_t>(Index));
}
constexpr bool IsSystemColor(TColor Color) {
    return static_cast<uint32_t>(Color) >= 0x80000000u;
}

constexpr TColor clScrollBar = SystemColor(0);
constexpr TColor clBackground = SystemColor(1);
constexpr TColor clActiveCaption = SystemColor(2);
constexpr TColor clInactiveCaption = SystemColor(3);
constexpr TColor clMenu = SystemColor(4);
constexpr TColor clWindow = SystemColor(5);
constexpr TColor clWindowFrame = SystemColor(6);
constexpr TColor clMenuText = SystemColor(7);
constexpr TColor clWindowText = SystemColor(8);
constexpr TColor clCaptionText = SystemColor(9);
constexpr TColor clActiveBorder = SystemColor(10);
constexpr TColor clInactiveBorder = SystemColor(11);
constexpr TColor clAppWorkSpace = SystemColor(12);
constexpr TColor clHighlight = SystemColor(13);
constexpr TColor clHighlightText = SystemColor(14);
constexpr TColor clBtnFace = SystemColor(15);
constexpr TColor clBtnShadow = SystemColor(16);
constexpr TColor clGrayText = SystemColor(17);
constexpr TColor clBtnText = SystemColor(18);
constexpr TColor clInactiveCaptionText = SystemColor(19);
constexpr TColor clBtnHighlight = SystemColor(20);
constexpr TColor cl3DDkShadow = SystemColor(21);
constexpr TColor cl3DLight = SystemColor(22);
constexpr TColor clInfoText = SystemColor(23);
constexpr TColor clInfoBk = SystemColor(24);
constexpr TColor clHotLight = SystemColor(26);
constexpr TColor clGradientActiveCaption = SystemColor(27);
constexpr TColor clGradientInactiveCaption = SystemColor(28);
constexpr TColor clMenuHighlight = SystemColor(29);
constexpr TColor clMenuBar = SystemColor(30);

// Number of entries of the system colour table (indices 0 to 30).
constexpr int SystemColorCount = 31;

// RGB of system colour Index in the fixed classic scheme; black for an index
// outside the table.
TColor SystemColorToRGB(int Index);

// Resolves a system colour to its RGB value; any other colour number is
// returned unchanged (clNone and clDefault included).
TColor ColorToRGB(TColor Color);

constexpr int GetRValue(TColor Color) {
    return Color & 0xFF;
}
constexpr int GetGValue(TColor Color) {
    return (Color >> 8) & 0xFF;
}
constexpr int GetBValue(TColor Color) {
    return (Color >> 16) & 0xFF;
}
constexpr TColor RGB(int R, int G, int B) {
    return (R & 0xFF) | ((G & 0xFF) << 8) | ((B & 0xFF) << 16);
}
