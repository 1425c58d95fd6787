#pragma once

#include "components/MouseControl.h"
#include "hypertext/HyperLink.h"
#include "platform/base/Colors.h"
#include "platform/base/Cursors.h"
#include "platform/base/StringList.h"

#include <cstdint>
#include <functional>
#include <memory>
#include <vector>

class TCanvas;
class TMetafile;

// What a hyper control is busy with; the base uses it against re-entrance.
enum THyperState : uint8_t {
    hsReady = 0,      // idle: the only state in which Paint re-renders
    hsPainting = 1,   // the descendant's PaintTo
    hsHitTesting = 2, // a link search
    hsMeasuring = 3,  // measuring the content's height
    hsChanging = 4,   // construction and the descendant's Changed (parsing)
    hsAssigning = 5   // Assign
};

class THyperControl;

using THyperHintEvent = std::function<void(THyperControl* Sender, const AnsiString& Hint)>;
using TLinkEvent = std::function<void(TObject* Sender, int32_t Link)>;
// X, Y: the pointer relative to the link's origin; AbsX, AbsY: in control coordinates.
using TLinkMouseEvent = std::function<void(TObject* Sender, int32_t Link, TMouseButton Button,
                                           TShiftState Shift, int X, int Y, int AbsX, int AbsY)>;
using TLinkMouseMoveEvent = std::function<void(TObject* Sender, int32_t Link, TShiftState Shift,
                                               int X, int Y, int AbsX, int AbsY)>;
using TCanResizeEvent =
    std::function<void(TObject* Sender, int& NewWidth, int& NewHeight, bool& Resize)>;

// The common base of the drawing controls of the hypertext engine. It holds
// the source text (Lines), a registry of hyperlinks with their rectangles,
// hit-tests the pointer against them (changing cursor and hint and firing the
// link events), and keeps a cached rendering: the descendant draws its
// content once, at the control's real size, into a display list (PaintTo),
// which painting replays 1:1 or, with Stretch, scaled to the control's size
// (as vectors, so the stretched picture stays sharp).
//
// Coordinates: links and the rendering live in the real (picture) size; the
// pointer arrives in control coordinates and is scaled by real size ÷ control
// size (integer arithmetic, truncating) before a link search.
class THyperControl : public TMouseControl {
public:
    explicit THyperControl(QWidget* Parent = nullptr);
    ~THyperControl() override;

    // The descendant re-reads its source: Sender is Lines after a text change,
    // the control itself or a settings object otherwise.
    virtual void Changed(TObject* Sender) = 0;
    // Re-reads the content (Changed), marks the rendering dirty, invalidates
    // and re-evaluates the pointer. Does nothing while the control has no
    // parent.
    virtual void UpdateAll(TObject* Sender);
    // The link under control point (X, Y) copied into Link, its origin
    // converted to control coordinates (its rectangles stay in real
    // coordinates); false with Link's id 0 when there is none or the point
    // lies outside the control.
    virtual bool CheckLink(int X, int Y, THyperLink& Link);
    // Copies every link of the chain Source (this control's registry when
    // null) into the chain Target, offsetting the rectangles by (DX, DY). A
    // link whose id Target already holds takes the copy's hint and
    // rectangles in place (the copy wins a shared id), keeping its place and
    // the links after it; other links are appended.
    virtual void GetLinks(int DX, int DY, std::unique_ptr<THyperLink>& Target,
                          const THyperLink* Source);
    // Draws the content at the real size and registers its links; false when
    // the control is busy and nothing was drawn.
    virtual bool PaintTo(TCanvas& Canvas) = 0;

    void Update() { UpdateAll(this); }
    // Copies the settings of another hyper control (of this class or a
    // descendant), its text included, and re-evaluates the pointer.
    virtual void Assign(const THyperControl& Source);

    // The link registry.
    THyperLink* Links() const { return FLinks.get(); }
    // Registers (or re-registers) a link; its rectangles are then overwritten
    // from the first one on by the following AddRect calls.
    THyperLink* AddHyperLink(int32_t Id, const AnsiString& Hint);
    THyperLink* CurrentLink() const { return FCurrentLink; }
    void ClearHyperLinks();
    // The link under the pointer, or null.
    THyperLink* HoveredLink() const { return FHovered; }

    // Properties.
    bool AdjustScales() const { return FAdjustScales; }
    void SetAdjustScales(bool Value);
    const AnsiString& Hint() const { return FHint; }
    void SetHint(const AnsiString& Value);
    // The hint shown now: the hovered link's, else the control's own (empty
    // after the pointer left).
    const AnsiString& ShownHint() const { return FShownHint; }
    bool ShowHint() const { return FShowHint; }
    void SetShowHint(bool Value) { FShowHint = Value; }
    TStringList& Lines() { return *FLines; }
    const TStringList& Lines() const { return *FLines; }
    void SetLines(const TStringList& Value);
    TCursor LinkCursor() const { return FLinkCursor; }
    void SetLinkCursor(TCursor Value);
    TCursor TextCursor() const { return FTextCursor; }
    void SetTextCursor(TCursor Value);
    bool Stretch() const { return FStretch; }
    void SetStretch(bool Value);
    TColor LinkColor() const { return FLinkColor; }
    void SetLinkColor(TColor Value);
    bool UnderlineLinks() const { return FUnderlineLinks; }
    void SetUnderlineLinks(bool Value);

    int32_t RealWidth() const { return FRealWidth; }
    int32_t RealHeight() const { return FRealHeight; }
    // Stores the picture coordinate space; nothing is redrawn.
    void SetRealSize(int32_t Width, int32_t Height);

    THyperState HyperState() const { return FState; }
    // Accepts hsReady to hsAssigning; other values are ignored.
    void SetHyperState(int State);

    // Sizing goes through CanResize (which may fit the request to the real
    // aspect ratio) and Resize.
    void SetBoundsRect(const TRect& Bounds) override;

    // The cached rendering (rebuilt by Paint when dirty and ready).
    const TMetafile& Rendering() const { return *FRendering; }
    bool RenderingDirty() const { return FDirty; }
    void MarkDirty() { FDirty = true; }
    // Re-renders the content into the cache now when it is dirty and the
    // control is ready.
    void RenderIfDirty();

    // The descendant's compiled form of Lines.
    const std::vector<uint8_t>& Compiled() const { return FCompiled; }

    THyperHintEvent OnHint;
    TLinkEvent OnLinkClick;
    TLinkEvent OnLinkDblClick;
    TLinkMouseEvent OnLinkMouseDown;
    TLinkEvent OnLinkMouseEnter;
    TLinkEvent OnLinkMouseExit;
    TLinkMouseMoveEvent OnLinkMouseMove;
    TLinkMouseEvent OnLinkMouseUp;
    TCanResizeEvent OnCanResize;

protected:
    void Paint() override;
    void Resize() override;
    // May change the requested size (see SetBoundsRect); false refuses it.
    virtual bool CanResize(int& NewWidth, int& NewHeight);
    void Click() override;
    void DblClick() override;
    void MouseDown(TMouseButton Button, TShiftState Shift, int X, int Y) override;
    void MouseMove(TShiftState Shift, int X, int Y) override;
    void MouseUp(TMouseButton Button, TShiftState Shift, int X, int Y) override;
    void ColorChanged() override;

    // Control coordinates to real coordinates and back (truncating; 0 while
    // either size is 0).
    TPoint ToReal(int X, int Y) const;
    TPoint ToControl(int X, int Y) const;

    std::vector<uint8_t> FCompiled;
    // The registry's head, for copying links into it (GetLinks).
    std::unique_ptr<THyperLink>& LinkRegistry() { return FLinks; }

private:
    // The registry search under hsHitTesting.
    THyperLink* HitTest(TPoint Real);
    void LeaveControl();
    void HoverChanged(bool WasHovering, int32_t OldId);
    void FireLinkMove(TShiftState Shift, int X, int Y);
    void ApplyCursorRule(bool LinkKindSet);

    std::unique_ptr<TStringList> FLines;
    std::unique_ptr<THyperLink> FLinks;
    std::unique_ptr<TMetafile> FRendering;
    THyperLink* FCurrentLink = nullptr;
    THyperLink* FHovered = nullptr;
    // The hovered link's id, kept apart from the link itself: the exit of a
    // link is reported even after a content change destroyed it.
    bool FHovering = false;
    int32_t FHoveredId = 0;
    // The last pointer position in real coordinates; the position that
    // CheckMousePos replays stays in control coordinates.
    TPoint FLastReal;
    AnsiString FHint;
    AnsiString FShownHint;
    TColor FLinkColor = clBlue;
    TCursor FLinkCursor = crHandPoint;
    TCursor FTextCursor = crDefault;
    int32_t FRealWidth = 200;
    int32_t FRealHeight = 100;
    // The size the last Resize acted on (Qt and SetBoundsRect both report one).
    int32_t FResizedWidth = 200;
    int32_t FResizedHeight = 100;
    THyperState FState = hsChanging;
    bool FAdjustScales = true;
    bool FStretch = false;
    bool FUnderlineLinks = true;
    bool FShowHint = true;
    bool FDirty = true;
    bool FAdjusting = false;
    bool FSizeUnchanged = false;
};
