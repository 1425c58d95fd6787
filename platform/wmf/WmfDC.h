#pragma once

#include "platform/base/Types.h"
#include "platform/wmf/WmfGeometry.h"

#include <cstdint>
#include <optional>
#include <string>
#include <variant>
#include <vector>

// The device context of a metafile being played: the graphics objects, the
// drawing attributes, the mapping from logical coordinates to output pixels,
// and the stack that SaveDC and RestoreDC work on. It knows nothing about
// record formats; the WMF and EMF players drive it.

enum class TWmfPenStyle { Solid, Dash, Dot, DashDot, DashDotDot, Null, InsideFrame };
enum class TWmfLineCap { Round, Square, Flat };
enum class TWmfLineJoin { Round, Bevel, Miter };

struct TWmfPen {
    TWmfPenStyle Style = TWmfPenStyle::Solid;
    double Width = 0;      // in logical units; 0 draws one pixel wide
    bool Cosmetic = false; // always one pixel wide, whatever the mapping
    TColor Color = 0;
    TWmfLineCap Cap = TWmfLineCap::Round;
    TWmfLineJoin Join = TWmfLineJoin::Round;
};

enum class TWmfBrushStyle { Solid, Null, Hatched };
// Hatch patterns, numbered as the records number them.
enum class TWmfHatch { Horizontal, Vertical, FDiagonal, BDiagonal, Cross, DiagCross };

struct TWmfBrush {
    TWmfBrushStyle Style = TWmfBrushStyle::Solid;
    TColor Color = 0xFFFFFF;
    TWmfHatch Hatch = TWmfHatch::Horizontal;
};

struct TWmfFont {
    int32_t Height = 0; // logical units; negative: em height, positive: cell height
    int32_t Width = 0;
    int32_t Escapement = 0; // tenths of a degree, counter-clockwise
    int32_t Weight = 400;
    bool Italic = false;
    bool Underline = false;
    bool StrikeOut = false;
    uint8_t CharSet = 1; // DEFAULT_CHARSET
    std::string Face;    // UTF-8
};

// A slot of the object table. Palettes, regions and other objects that are
// not played still occupy their slot, as Other.
struct TWmfOther {};
using TWmfObject = std::variant<TWmfPen, TWmfBrush, TWmfFont, TWmfOther>;

struct TWmfState {
    TWmfPen Pen;
    TWmfBrush Brush;
    TWmfFont Font;
    TColor TextColor = 0;
    TColor BkColor = 0xFFFFFF;
    bool BkOpaque = true;
    bool Winding = false;
    uint32_t TextAlign = 0;
    int32_t TextCharExtra = 0;
    int MapMode = 1; // MM_TEXT
    TWmfPoint WindowOrg;
    TWmfPoint WindowExt{1, 1};
    TWmfPoint ViewportOrg;
    TWmfPoint ViewportExt{1, 1};
    TWmfXform World;
    std::optional<TWmfRect> Clip; // in output pixels; none: unclipped
    TWmfPoint Position;           // current position, logical units
    bool Clockwise = false;       // arc direction
};

class TWmfDC {
public:
    // DeviceToOutput maps the metafile's device units to output pixels;
    // PixelsPerMm is the device resolution the metric mapping modes use.
    TWmfDC(const TWmfXform& DeviceToOutput, TWmfPoint PixelsPerMm, uint32_t ObjectSlots);

    TWmfState& State() { return FState; }
    const TWmfState& State() const { return FState; }

    void SaveDC();
    // Relative (negative) or absolute (positive) level; others are ignored.
    void RestoreDC(int32_t Level);

    // Object table. Indexes out of range and empty slots are ignored.
    void PutObject(uint32_t Index, TWmfObject Object);
    // Places the object in the lowest free slot, as WMF playback numbers them.
    void AddObject(TWmfObject Object);
    void DeleteObject(uint32_t Index);
    void SelectObject(uint32_t Index);
    void SelectStockObject(uint32_t Stock);

    // Mapping.
    void SetMapMode(int Mode);
    void SetWindowOrg(TWmfPoint P);
    void SetWindowExt(TWmfPoint P);
    void SetViewportOrg(TWmfPoint P);
    void SetViewportExt(TWmfPoint P);
    void ScaleWindowExt(double XNum, double XDenom, double YNum, double YDenom);
    void ScaleViewportExt(double XNum, double XDenom, double YNum, double YDenom);
    void SetWorldTransform(const TWmfXform& X);
    // Mode: 1 identity, 2 left multiply, 3 right multiply, 4 set.
    void ModifyWorldTransform(const TWmfXform& X, uint32_t Mode);

    const TWmfXform& LogicalToOutput() const { return FMapping; }
    TWmfPoint ToOutput(TWmfPoint Logical) const { return FMapping.Apply(Logical); }
    // Logical rectangle → output rectangle (bounding box when rotated).
    TWmfRect BoundsToOutput(const TWmfRect& Logical) const;
    // The width in output pixels of the selected pen (at least 1).
    double PenWidth() const;
    // The font height in output pixels (sign as in the font).
    double FontHeight() const;

    // Clipping, in logical units.
    void IntersectClip(const TWmfRect& Logical);
    void ResetClip() { FState.Clip.reset(); }
    void SetClipOutput(const TWmfRect& Output) { FState.Clip = Output; }

private:
    void UpdateMapping();
    bool ValidSlot(uint32_t Index) const { return Index < FObjects.size(); }

    static constexpr size_t MaxSavedStates = 256;

    TWmfXform FDeviceToOutput;
    TWmfPoint FPixelsPerMm;
    TWmfState FState;
    std::vector<TWmfState> FSaved;
    uint64_t FOverflow = 0; // SaveDC levels beyond the cap
    std::vector<std::optional<TWmfObject>> FObjects;
    TWmfXform FMapping;
};
