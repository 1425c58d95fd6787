#pragma once

#include "platform/MetafileGeometry.h"
#include "platform/Types.h"

#include <cstdint>
#include <optional>
#include <string>
#include <variant>
#include <vector>

// The device context of a metafile being played: the graphics objects, the
// drawing attributes, the mapping from logical coordinates to output pixels,
// and the stack that SaveDC and RestoreDC work on. It knows nothing about
// record formats; the WMF and EMF players drive it.

enum class TMfPenStyle { Solid, Dash, Dot, DashDot, DashDotDot, Null, InsideFrame };
enum class TMfLineCap { Round, Square, Flat };
enum class TMfLineJoin { Round, Bevel, Miter };

struct TMfPen {
    TMfPenStyle Style = TMfPenStyle::Solid;
    double Width = 0;      // in logical units; 0 draws one pixel wide
    bool Cosmetic = false; // always one pixel wide, whatever the mapping
    TColor Color = 0;
    TMfLineCap Cap = TMfLineCap::Round;
    TMfLineJoin Join = TMfLineJoin::Round;
};

enum class TMfBrushStyle { Solid, Null, Hatched };
// Hatch patterns, numbered as the records number them.
enum class TMfHatch { Horizontal, Vertical, FDiagonal, BDiagonal, Cross, DiagCross };

struct TMfBrush {
    TMfBrushStyle Style = TMfBrushStyle::Solid;
    TColor Color = 0xFFFFFF;
    TMfHatch Hatch = TMfHatch::Horizontal;
};

struct TMfFont {
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
struct TMfOther {};
using TMfObject = std::variant<TMfPen, TMfBrush, TMfFont, TMfOther>;

struct TMfState {
    TMfPen Pen;
    TMfBrush Brush;
    TMfFont Font;
    TColor TextColor = 0;
    TColor BkColor = 0xFFFFFF;
    bool BkOpaque = true;
    bool Winding = false;
    uint32_t TextAlign = 0;
    int32_t TextCharExtra = 0;
    int MapMode = 1; // MM_TEXT
    TMfPoint WindowOrg;
    TMfPoint WindowExt{1, 1};
    TMfPoint ViewportOrg;
    TMfPoint ViewportExt{1, 1};
    TMfXform World;
    std::optional<TMfRect> Clip; // in output pixels; none: unclipped
    TMfPoint Position;           // current position, logical units
    bool Clockwise = false;      // arc direction
};

class TMetafileDC {
public:
    // DeviceToOutput maps the metafile's device units to output pixels;
    // PixelsPerMm is the device resolution the metric mapping modes use.
    TMetafileDC(const TMfXform& DeviceToOutput, TMfPoint PixelsPerMm, uint32_t ObjectSlots);

    TMfState& State() { return FState; }
    const TMfState& State() const { return FState; }

    void SaveDC();
    // Relative (negative) or absolute (positive) level; others are ignored.
    void RestoreDC(int32_t Level);

    // Object table. Indexes out of range and empty slots are ignored.
    void PutObject(uint32_t Index, TMfObject Object);
    // Places the object in the lowest free slot, as WMF playback numbers them.
    void AddObject(TMfObject Object);
    void DeleteObject(uint32_t Index);
    void SelectObject(uint32_t Index);
    void SelectStockObject(uint32_t Stock);

    // Mapping.
    void SetMapMode(int Mode);
    void SetWindowOrg(TMfPoint P);
    void SetWindowExt(TMfPoint P);
    void SetViewportOrg(TMfPoint P);
    void SetViewportExt(TMfPoint P);
    void ScaleWindowExt(double XNum, double XDenom, double YNum, double YDenom);
    void ScaleViewportExt(double XNum, double XDenom, double YNum, double YDenom);
    void SetWorldTransform(const TMfXform& X);
    // Mode: 1 identity, 2 left multiply, 3 right multiply, 4 set.
    void ModifyWorldTransform(const TMfXform& X, uint32_t Mode);

    const TMfXform& LogicalToOutput() const { return FMapping; }
    TMfPoint ToOutput(TMfPoint Logical) const { return FMapping.Apply(Logical); }
    // Logical rectangle → output rectangle (bounding box when rotated).
    TMfRect BoundsToOutput(const TMfRect& Logical) const;
    // The width in output pixels of the selected pen (at least 1).
    double PenWidth() const;
    // The font height in output pixels (sign as in the font).
    double FontHeight() const;

    // Clipping, in logical units.
    void IntersectClip(const TMfRect& Logical);
    void ResetClip() { FState.Clip.reset(); }
    void SetClipOutput(const TMfRect& Output) { FState.Clip = Output; }

private:
    void UpdateMapping();
    bool ValidSlot(uint32_t Index) const { return Index < FObjects.size(); }

    static constexpr size_t MaxSavedStates = 256;

    TMfXform FDeviceToOutput;
    TMfPoint FPixelsPerMm;
    TMfState FState;
    std::vector<TMfState> FSaved;
    uint64_t FOverflow = 0; // SaveDC levels beyond the cap
    std::vector<std::optional<TMfObject>> FObjects;
    TMfXform FMapping;
};
