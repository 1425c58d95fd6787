#include "hypertext/HyperControl.h"

#include "common/ValueConversions.h"
#include "platform/displaylist/Metafile.h"
#include "platform/displaylist/MetafileCanvas.h"
#include "platform/graphics/Canvas.h"

#include <algorithm>

THyperControl::THyperControl(QWidget* Parent)
    : TMouseControl(Parent), FLines(std::make_unique<TStringList>()),
      FRendering(std::make_unique<TMetafile>()) {
    FLines->OnChange = [this](TObject* Sender) { UpdateAll(Sender); };
    SetCaptureMouse(true);
    myDefines::SetCursor(this, FTextCursor);
    TMouseControl::SetBoundsRect(Bounds(Left(), Top(), FRealWidth, FRealHeight));
}

THyperControl::~THyperControl() {
    FLines->OnChange = nullptr;
    ClearHyperLinks();
}

// ---- Content and rendering ----

void THyperControl::UpdateAll(TObject* Sender) {
    if (!HasParent()) return;
    Changed(Sender);
    FDirty = true;
    Invalidate();
    CheckMousePos();
}

void THyperControl::RenderIfDirty() {
    if (!FDirty || FState != hsReady) return;
    FRendering->Clear();
    FRendering->SetSize(FRealWidth, FRealHeight);
    FDirty = false;
    TMetafileCanvas canvas(*FRendering);
    PaintTo(canvas);
}

void THyperControl::Paint() {
    const bool rerender = FDirty && FState == hsReady;
    RenderIfDirty();
    if (!Visible()) return;
    TCanvas& canvas = Canvas();
    canvas.Brush().SetColor(Color());
    canvas.Brush().SetStyle(Transparent() ? bsClear : bsSolid);
    canvas.FillRect(ClientRect());
    if (FRealWidth == Width() && FRealHeight == Height())
        canvas.Draw(0, 0, FRendering.get());
    else
        canvas.StretchDraw(ClientRect(), FRendering.get());
    SetLinkCursor(FLinkCursor);
    // Links are registered while rendering: a pointer resting over the
    // control finds its link again without moving.
    if (rerender) CheckMousePos();
}

void THyperControl::ColorChanged() {
    Changed(this);
    FDirty = true;
}

// ---- Links ----

THyperLink* THyperControl::AddHyperLink(int32_t Id, const AnsiString& Hint) {
    if (!FLinks) {
        FLinks = std::make_unique<THyperLink>(Id, Hint);
        FCurrentLink = FLinks.get();
    } else {
        FCurrentLink = FLinks->Add(Id, Hint);
    }
    FCurrentLink->SetRectsInUse(0);
    return FCurrentLink;
}

void THyperControl::ClearHyperLinks() {
    FLinks.reset();
    FCurrentLink = nullptr;
    // The hovered id stays, so that its exit is still reported.
    FHovered = nullptr;
}

THyperLink* THyperControl::HitTest(TPoint Real) {
    if (!FLinks) return nullptr;
    const THyperState saved = FState;
    FState = hsHitTesting;
    THyperLink* found = FLinks->Find(Real.X, Real.Y);
    FState = saved;
    return found;
}

bool THyperControl::CheckLink(int X, int Y, THyperLink& Link) {
    Link.SetId(0);
    if (!Designing() && X >= 0 && X < Width() && Y >= 0 && Y < Height()) {
        if (const THyperLink* found = HitTest(ToReal(X, Y))) {
            Link.Assign(*found);
            const TPoint origin = ToControl(found->OriginX(), found->OriginY());
            Link.SetOrigin(origin.X, origin.Y);
        }
    }
    return Link.Id() != 0;
}

void THyperControl::GetLinks(int DX, int DY, std::unique_ptr<THyperLink>& Target,
                             const THyperLink* Source) {
    for (const THyperLink* source = Source ? Source : FLinks.get(); source;
         source = source->Next()) {
        // Copied first: the target may be the source's own chain.
        const std::vector<TRect> rects = source->Rects();
        THyperLink* target;
        if (!Target) {
            Target = std::make_unique<THyperLink>(source->Id(), source->Hint());
            target = Target.get();
        } else {
            target = Target->Add(source->Id(), source->Hint());
        }
        target->Assign(*source);
        target->ClearRects();
        for (const TRect& r : rects)
            target->AddRect(r.Offset(DX, DY));
    }
}

// ---- Settings ----

void THyperControl::SetRealSize(int32_t Width, int32_t Height) {
    FRealWidth = Width;
    FRealHeight = Height;
}

void THyperControl::SetHyperState(int State) {
    if (State >= hsReady && State <= hsAssigning) FState = static_cast<THyperState>(State);
}

void THyperControl::SetHint(const AnsiString& Value) {
    if (Value == FHint) return;
    FHint = Value;
    if (!FHovering) FShownHint = Value;
}

void THyperControl::SetLines(const TStringList& Value) {
    FLines->Assign(Value);
}

void THyperControl::SetLinkColor(TColor Value) {
    if (Value == FLinkColor) return;
    FLinkColor = Value;
    UpdateAll(this);
}

void THyperControl::SetUnderlineLinks(bool Value) {
    if (Value == FUnderlineLinks) return;
    FUnderlineLinks = Value;
    UpdateAll(this);
}

void THyperControl::SetStretch(bool Value) {
    if (Value == FStretch) return;
    FStretch = Value;
    if (!Value) SetBoundsRect(Bounds(Left(), Top(), FRealWidth, FRealHeight));
}

void THyperControl::SetAdjustScales(bool Value) {
    if (Value == FAdjustScales) return;
    FAdjustScales = Value;
    if (!FStretch) return;
    FAdjusting = true;
    SetBoundsRect(BoundsRect());
    FAdjusting = false;
}

void THyperControl::ApplyCursorRule(bool LinkKindSet) {
    if (!Enabled())
        myDefines::SetCursor(this, FTextCursor);
    else if (LinkKindSet == FHovering)
        myDefines::SetCursor(this, LinkKindSet ? FLinkCursor : FTextCursor);
}

void THyperControl::SetLinkCursor(TCursor Value) {
    FLinkCursor = Value;
    ApplyCursorRule(true);
}

void THyperControl::SetTextCursor(TCursor Value) {
    FTextCursor = Value;
    ApplyCursorRule(false);
}

void THyperControl::Assign(const THyperControl& Source) {
    if (&Source == this) return;
    FState = hsAssigning;
    FAdjustScales = Source.FAdjustScales;
    SetHint(Source.FHint);
    FLines->Assign(*Source.FLines);
    FLinkColor = Source.FLinkColor;
    FLinkCursor = Source.FLinkCursor;
    FRealWidth = Source.FRealWidth;
    FRealHeight = Source.FRealHeight;
    FStretch = Source.FStretch;
    FTextCursor = Source.FTextCursor;
    FUnderlineLinks = Source.FUnderlineLinks;
    FState = hsReady;
    FDirty = true;
    SetTransparent(Source.Transparent());
    Invalidate();
    CheckMousePos();
}

// ---- Sizing ----

TPoint THyperControl::ToReal(int X, int Y) const {
    if (Width() <= 0 || Height() <= 0) return {};
    return {static_cast<int32_t>(int64_t{X} * FRealWidth / Width()),
            static_cast<int32_t>(int64_t{Y} * FRealHeight / Height())};
}

TPoint THyperControl::ToControl(int X, int Y) const {
    if (FRealWidth <= 0 || FRealHeight <= 0) return {};
    return {static_cast<int32_t>(int64_t{X} * Width() / FRealWidth),
            static_cast<int32_t>(int64_t{Y} * Height() / FRealHeight)};
}

bool THyperControl::CanResize(int& NewWidth, int& NewHeight) {
    if (NewWidth <= 0 || NewHeight <= 0 ||
        (NewWidth == Width() && NewHeight == Height() && !FAdjusting)) {
        FSizeUnchanged = true;
    } else if (FStretch && FAdjustScales && Width() != 0 && Height() != 0 && FRealWidth > 0 &&
               FRealHeight > 0) {
        // The largest rectangle of the real aspect ratio inside the request.
        const int64_t w = NewWidth, h = NewHeight;
        NewWidth = static_cast<int>(std::min(w, h * FRealWidth / FRealHeight));
        NewHeight = static_cast<int>(std::min(w * FRealHeight / FRealWidth, h));
    }
    bool resize = true;
    if (OnCanResize) OnCanResize(this, NewWidth, NewHeight, resize);
    return resize;
}

void THyperControl::SetBoundsRect(const TRect& Bounds) {
    int width = Bounds.Width();
    int height = Bounds.Height();
    FSizeUnchanged = false;
    const bool allowed = CanResize(width, height);
    if (FSizeUnchanged) {
        // A request for an empty size, or for the size there is, moves only.
        width = Width();
        height = Height();
    }
    FSizeUnchanged = false;
    if (!allowed) return;
    TMouseControl::SetBoundsRect(::Bounds(Bounds.Left, Bounds.Top, width, height));
    Resize();
}

void THyperControl::Resize() {
    if (Width() == FResizedWidth && Height() == FResizedHeight) return;
    FResizedWidth = Width();
    FResizedHeight = Height();
    if (FStretch) {
        Invalidate();
    } else if (FState != hsChanging) {
        FRealWidth = Width();
        FRealHeight = Height();
        FDirty = true;
        UpdateAll(this);
    }
    TMouseControl::Resize();
}

// ---- Mouse ----

void THyperControl::Click() {
    if (FHovered && Enabled() && OnLinkClick) OnLinkClick(this, FHovered->Id());
    TMouseControl::Click();
}

void THyperControl::DblClick() {
    if (FHovered && Enabled() && OnLinkDblClick) OnLinkDblClick(this, FHovered->Id());
    TMouseControl::DblClick();
}

void THyperControl::MouseDown(TMouseButton Button, TShiftState Shift, int X, int Y) {
    if (FHovered && OnLinkMouseDown && Enabled()) {
        const TPoint o = ToControl(FHovered->OriginX(), FHovered->OriginY());
        OnLinkMouseDown(this, FHovered->Id(), Button, Shift, X - o.X, Y - o.Y, X, Y);
    }
    TMouseControl::MouseDown(Button, Shift, X, Y);
}

void THyperControl::MouseUp(TMouseButton Button, TShiftState Shift, int X, int Y) {
    if (FHovered && OnLinkMouseUp && Enabled()) {
        const TPoint o = ToControl(FHovered->OriginX(), FHovered->OriginY());
        OnLinkMouseUp(this, FHovered->Id(), Button, Shift, X - o.X, Y - o.Y, X, Y);
    }
    TMouseControl::MouseUp(Button, Shift, X, Y);
}

void THyperControl::LeaveControl() {
    if (FHovering && OnLinkMouseExit) OnLinkMouseExit(this, FHoveredId);
    if (MouseCapture() && CaptureMouse()) {
        SetMouseCapture(false);
        if (OnMouseExit) OnMouseExit(this);
    }
    FHovered = nullptr;
    FHovering = false;
    FHoveredId = 0;
    FShownHint.clear();
    myDefines::SetCursor(this, FTextCursor);
}

void THyperControl::HoverChanged(bool WasHovering, int32_t OldId) {
    if (WasHovering && OnLinkMouseExit) OnLinkMouseExit(this, OldId);
    myDefines::SetCursor(this, FHovering ? FLinkCursor : FTextCursor);
    if (!FHovering) {
        FShownHint = FHint;
        return;
    }
    const int32_t id = FHoveredId;
    if (OnLinkMouseEnter) OnLinkMouseEnter(this, id);
    // The link may be gone if a handler changed the content.
    if (!FHovered || FHoveredId != id) return;
    const AnsiString hint = FHovered->Hint();
    FShownHint = hint;
    if (OnHint && FShowHint) OnHint(this, hint);
}

void THyperControl::FireLinkMove(TShiftState Shift, int X, int Y) {
    const TPoint o = ToControl(FHovered->OriginX(), FHovered->OriginY());
    OnLinkMouseMove(this, FHovered->Id(), Shift, X - o.X, Y - o.Y, X, Y);
}

void THyperControl::MouseMove(TShiftState Shift, int X, int Y) {
    const bool replay = Rechecking();
    if (Designing() || !HasParent()) {
        EndMouseMove(Shift, X, Y);
        return;
    }
    const bool inside = ClientRect().Contains(Point(X, Y));
    const bool active = Enabled() && Visible();
    FLastReal = ToReal(X, Y);
    if (!MouseCapture() && active) {
        // Entering needs the point inside, so that a replayed move from
        // outside does not enter and exit again.
        if (CaptureMouse() && inside) {
            SetMouseCapture(true);
            if (OnMouseEnter) OnMouseEnter(this);
        }
        FShownHint = FHint;
    }
    if ((MouseCapture() && !inside) || !active) {
        LeaveControl();
    } else {
        const bool was = FHovering;
        const int32_t oldId = FHoveredId;
        FHovered = inside ? HitTest(FLastReal) : nullptr;
        FHovering = FHovered != nullptr;
        FHoveredId = FHovering ? FHovered->Id() : 0;
        if (was != FHovering || oldId != FHoveredId) HoverChanged(was, oldId);
    }
    if (Visible() && !replay) {
        if (FHovered && OnLinkMouseMove && Enabled()) FireLinkMove(Shift, X, Y);
        TGraphicControl::MouseMove(Shift, X, Y);
    }
    EndMouseMove(Shift, X, Y);
}
