// Embedded objects of a page: the nine macro kinds, their pictures and the
// links of inline vector pictures.
#include "hypertext/HyperMacros.h"
#include "hypertext/HyperText.h"
#include "hypertext/MacroBody.h"
#include "hypertext/MacrosWalk.h"
#include "hypertext/VectorPicture.h"
#include "platform/base/AnsiText.h"
#include "platform/base/FileNames.h"
#include "platform/displaylist/Metafile.h"
#include "platform/displaylist/MetafileCanvas.h"
#include "platform/graphics/Picture.h"

#include <array>

namespace {

enum TMacroWord { mwPicture, mwVector, mwMedia, mwUnknown };

struct TMacroName {
    const char* Name;
    THyperMacrosKind Kind;
    TMacroWord Word;
};

constexpr std::array<TMacroName, 9> MacroNames{{
    {"bitmap", mkPicture, mwPicture},
    {"metafile", mkPicture, mwPicture},
    {"icon", mkPicture, mwPicture},
    {"picture", mkPicture, mwPicture},
    {"tiled_background", mkTiledBackground, mwPicture},
    {"centered_background", mkCenteredBackground, mwPicture},
    {"stretched_background", mkStretchedBackground, mwPicture},
    {"vector_picture", mkPicture, mwVector},
    {"media_file", mkMedia, mwMedia},
}};

const TMacroName* FindMacroName(const AnsiString& Name) {
    for (const TMacroName& m : MacroNames)
        if (AnsiSameText(Name, m.Name)) return &m;
    return nullptr;
}

} // namespace

// Names that match no kind go to the host and the kind stays none, so the
// object is dropped. Picture kinds read "W;H;file" or just "file" and take a
// picture slot; a vector picture reads "W;H;" and renders its script into a
// slot; a media clip reads "W;H;file" and joins the page's clips.
void THyperText::DoMacros(bool Enter, int& Counter, THyperMacros* Macros) {
    const TMacroName* name = FindMacroName(Macros->Name);
    if (!name) {
        if (Enter && FOnMacrosEnter) FOnMacrosEnter(this, Macros);
        if (!Enter && OnMacrosExit) OnMacrosExit(this, Macros);
        return;
    }
    if (Enter) {
        if (name->Word == mwPicture) {
            AnsiString file;
            if (ScanSizeAndFile(Macros->Body, Macros->Width, Macros->Height, file) != 3) {
                Macros->Width = Macros->Height = 0;
                file = ScanToken(Macros->Body);
            }
            Macros->FileName = TrimText(file);
            if (TakePictureSlot(Counter++, *Macros)) {
                Macros->Kind = name->Kind;
                Macros->Placement = name->Kind == mkPicture ? mpInline : mpBackground;
                const TGraphic& graphic = *Macros->Picture->Graphic();
                if (Macros->Width < 1) Macros->Width = graphic.Width();
                if (Macros->Height < 1) Macros->Height = graphic.Height();
                if (AnsiSameText(Macros->Name, "bitmap"))
                    Macros->Transparent = !Macros->Transparent;
            }
        } else if (name->Word == mwVector) {
            if (ScanSize(Macros->Body, Macros->Width, Macros->Height) == 2 && Macros->Width > 0 &&
                Macros->Height > 0) {
                RenderVectorPicture(Counter++, *Macros);
                Macros->Kind = mkPicture;
            }
        } else {
            AnsiString file;
            if (ScanSizeAndFile(Macros->Body, Macros->Width, Macros->Height, file) == 3 &&
                Macros->Width > 0 && Macros->Height > 0) {
                Macros->FileName = TrimText(file);
                AddMediaMacros(*Macros);
            }
        }
    }
    Macros->Rect = Rect(0, 0, Macros->Width, Macros->Height);
}

// A re-interpretation of the same text finds its pictures in their slots and
// loads nothing. A slot whose loading failed stays empty and fails again, so
// that the pictures after it keep their slots.
bool THyperText::TakePictureSlot(int Counter, THyperMacros& Macros) {
    const size_t slot = static_cast<size_t>(Counter);
    if (slot >= FPictures.size()) {
        FPictures.push_back(std::make_unique<TPicture>());
        Macros.Picture = FPictures.back().get();
        if (!DoGraphicsLoad(Macros)) Macros.Picture->SetGraphic(nullptr);
    }
    Macros.Picture = FPictures[slot].get();
    const TGraphic* graphic = Macros.Picture->Graphic();
    if (!graphic || graphic->Empty()) {
        Macros.Picture = nullptr;
        return false;
    }
    return true;
}

// The host first (with an empty graphic of the class the file's extension
// asks for), unless it aborted loading for this interpretation; then the file
// in the current folder.
bool THyperText::DoGraphicsLoad(THyperMacros& Macros) {
    if (!Macros.Picture) return false;
    if (FOnGraphicLoad && !FLoadingAborted) {
        TGraphic& graphic = Macros.Picture->NewGraphicFor(Macros.FileName);
        bool processed = false;
        FOnGraphicLoad(this, &graphic, Macros.FileName, processed, FLoadingAborted);
        if (processed) return true;
    }
    const std::string path = ResolveWindowsName(Macros.FileName);
    if (Macros.FileName.empty() || path.empty() || !FileExists(path)) return false;
    try {
        Macros.Picture->LoadFromFile(path);
        return true;
    } catch (const std::exception&) {
        return false;
    }
}

// The slot becomes a metafile of the picture's size into which the attached
// renderer draws the script; the renderer's links become the object's.
void THyperText::RenderVectorPicture(int Counter, THyperMacros& Macros) {
    const size_t slot = static_cast<size_t>(Counter);
    if (slot >= FPictures.size()) FPictures.push_back(std::make_unique<TPicture>());
    Macros.Picture = FPictures[slot].get();
    TMetafile& metafile = Macros.Picture->Metafile();
    metafile.Clear();
    metafile.SetSize(Macros.Width, Macros.Height);
    if (!FVectorPicture) return;
    TVectorPicture& renderer = *FVectorPicture;
    TStringList script;
    script.SetText(Macros.Body);
    renderer.SetLines(script);
    // A renderer without a parent is not told of its new text.
    renderer.Changed(&renderer.Lines());
    renderer.SetBoundsRect(Bounds(renderer.Left(), renderer.Top(), Macros.Width, Macros.Height));
    renderer.SetRealSize(Macros.Width, Macros.Height);
    renderer.SetColor(Macros.BackColor);
    renderer.SetTransparent(false);
    {
        TMetafileCanvas canvas(metafile);
        renderer.PaintTo(canvas);
    }
    Macros.Links.reset();
    renderer.GetLinks(0, 0, Macros.Links, nullptr);
}

void THyperText::MergeLinks(int DX, int DY, const THyperLink& Source) {
    GetLinks(DX, DY, LinkRegistry(), &Source);
}

void THyperText::SetVectorPicture(TVectorPicture* Value) {
    if (Value == FVectorPicture) return;
    if (FVectorPicture) FVectorPicture->RemoveFreeNotification(this);
    FVectorPicture = Value;
    if (Value) Value->FreeNotification(this, [this] { FVectorPicture = nullptr; });
}

void THyperText::SetOnGraphicLoad(TGraphicLoadEvent Value) {
    if (!Value && !FOnGraphicLoad) return;
    FOnGraphicLoad = std::move(Value);
    UpdateAll(&Lines());
}

void THyperText::SetOnMacrosEnter(TMacrosEvent Value) {
    if (!Value && !FOnMacrosEnter) return;
    FOnMacrosEnter = std::move(Value);
    UpdateAll(&Lines());
}

void THyperText::UnloadGraphics() {
    Notify(hoUnloadBegin);
    DoGraphicsUnload(FTextLines);
    Notify(hoUnloadEnd);
}

void THyperText::DoGraphicsUnload(const THyperLines& Lines) {
    if (!OnGraphicUnload) return;
    bool aborted = false;
    WalkMacros(Lines, [&](THyperMacros& Macros) {
        if (Macros.Picture && Macros.Picture->Graphic())
            OnGraphicUnload(this, Macros.Picture->Graphic(), Macros.FileName, aborted);
        return !aborted;
    });
}
