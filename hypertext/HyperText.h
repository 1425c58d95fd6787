#pragma once

#include "hypertext/HyperControl.h"
#include "hypertext/HyperDocument.h"
#include "hypertext/HyperMeasure.h"
#include "hypertext/MarkupInterpreter.h"

#include <array>
#include <functional>
#include <memory>
#include <vector>

class TGraphic;
class TMediaPlayer;
class TPicture;
class THyperMacros;
class THyperText;
class TVectorPicture;

// Brackets of loading and unloading the pictures of a page.
enum THyperOperation : uint8_t {
    hoLoadBegin = 0,
    hoLoadEnd = 1,
    hoUnloadBegin = 2,
    hoUnloadEnd = 3
};

using TGraphicLoadEvent =
    std::function<void(THyperText* Sender, TGraphic* Graphic, const AnsiString& FileName,
                       bool& Processed, bool& Aborted)>;
using TGraphicNotifyEvent = std::function<void(THyperText* Sender, THyperOperation Operation)>;
using TGraphicUnloadEvent = std::function<void(THyperText* Sender, TGraphic* Graphic,
                                               const AnsiString& FileName, bool& Aborted)>;
using TMacrosEvent = std::function<void(THyperText* Sender, THyperMacros* Macros)>;

using THyperLines = std::vector<std::unique_ptr<THyperString>>;

// Reports each word as it is painted, with the rectangle it was given.
using TPaintWordEvent = std::function<void(const THyperWord& Word, const TRect& Rect)>;

// The page view: markup in Lines is compiled into records, interpreted into
// words with styles, side boxes and embedded objects, laid out into lines at
// the real size and painted into the cached rendering with its links.
// A text change compiles and interprets; a style, size or tab change only
// interprets the records again.
class THyperText : public THyperControl, private TInterpreterHost {
public:
    explicit THyperText(QWidget* Parent = nullptr);
    ~THyperText() override;

    void Changed(TObject* Sender) override;
    bool PaintTo(TCanvas& Canvas) override;
    void Assign(const THyperControl& Source) override;

    // Styles: index < 0 is DefaultStyle, 0..15 the numbered styles; others none.
    THyperStyle* GetStyle(int Index);
    void SetStyle(int Index, const THyperStyle* Value);
    THyperStyle& DefaultStyle() override { return *FDefaultStyle; }
    THyperIndex& IndexStyleObject() { return *FIndexStyle; }
    void SetIndexStyle(const THyperIndex* Value);
    int TabSize() override { return FTabSize; }
    void SetTabSize(int Value);

    // The laid-out lines of the page.
    const THyperLines& TextLines() const { return FTextLines; }

    // Layout (HyperTextLayout.cpp): empties Lines and fills it with the laid-out
    // lines of Source's words (all but its last, open word) in the area from
    // Left of Width pixels, starting at Top.
    void MarkupText(THyperLines& Lines, THyperString& Source, int Top, int Width, int Left);
    // The height the laid-out lines need (side boxes included).
    int CalcHeight(const THyperLines& Lines);
    // Painting (HyperTextPaint.cpp): the lines within Area, with their links registered.
    void OutText(TCanvas& Canvas, const TRect& Area, const THyperLines& Lines);
    bool AutoSize() const { return FAutoSize; }
    void SetAutoSize(bool Value);
    // Draws one prepared graphic of an object into Dest; Bounds is the
    // object's (0, 0, width, height).
    void DoDrawMacros(TCanvas& Canvas, const TRect& Bounds, const TRect& Dest,
                      const TGraphic& Graphic, uint8_t Kind, bool Stretch);
    // The measuring of layout and painting, with what it has measured.
    THyperMeasure& Measure();

    // Embedded objects (HyperTextMacros.cpp): the object of a <MACROS> tag
    // at its opening (Enter) and closing; Counter is the next picture slot.
    void DoMacros(bool Enter, int& Counter, THyperMacros* Macros) override;
    // Fills the macro's picture from the host, else from the current folder.
    bool DoGraphicsLoad(THyperMacros& Macros);
    // Tells the host (OnGraphicUnload) of every picture of the laid-out page.
    void UnloadGraphics();
    void DoGraphicsUnload(const THyperLines& Lines);
    // Copies an inline vector picture's links into the page's links, offset
    // to where the picture is painted.
    void MergeLinks(int DX, int DY, const THyperLink& Source);
    bool LoadingAborted() const { return FLoadingAborted; }
    int PictureCount() const { return static_cast<int>(FPictures.size()); }

    // The renderer of inline vector pictures (not owned; forgotten when it
    // is destroyed).
    TVectorPicture* VectorPicture() const { return FVectorPicture; }
    void SetVectorPicture(TVectorPicture* Value);

    // Media clips (HyperTextMedia.cpp). The player is not owned; it is
    // forgotten when it is destroyed.
    TMediaPlayer* MediaPlayer() const { return FMediaPlayer; }
    void SetMediaPlayer(TMediaPlayer* Value);
    bool AutoPlayMedia() const { return FAutoPlayMedia; }
    void SetAutoPlayMedia(bool Value);
    bool MediaStartPending() const { return FMediaStartPending; }
    int GetMediaCount() const { return FMediaList.Count(); }
    // The file of clip Index; empty out of range.
    AnsiString GetMediaFile(int Index) const;
    int CurrentMediaItem() const { return FCurrentMediaItem; }
    // Makes clip Index the page's clip: opens it over its frame and, with
    // AutoPlayMedia, plays it; -1 drops the clip.
    void SetMediaItem(int Index);
    // Places the player's display over R (real page coordinates), scaled to
    // the control's size.
    void ResizeMediaRect(const TRect& R);
    // The media object that is clip number CurrentMediaItem, counting with
    // Counter (start at -1) through Lines and their side boxes.
    bool GetMediaMacros(int& Counter, const THyperLines& Lines, THyperMacros*& Macros) const;

    // Setting either hook interprets the text again through it.
    const TGraphicLoadEvent& OnGraphicLoad() const { return FOnGraphicLoad; }
    void SetOnGraphicLoad(TGraphicLoadEvent Value);
    const TMacrosEvent& OnMacrosEnter() const { return FOnMacrosEnter; }
    void SetOnMacrosEnter(TMacrosEvent Value);
    TGraphicNotifyEvent OnGraphicNotify;
    TGraphicUnloadEvent OnGraphicUnload;
    TMacrosEvent OnMacrosExit;
    TPaintWordEvent OnPaintWord;

protected:
    void Resize() override;

private:
    // TInterpreterHost
    THyperStyle& WorkingStyle(int Index) override { return *FWorkingStyles[Index]; }
    const THyperIndex& IndexStyle() override { return *FIndexStyle; }
    int RealWidth() override { return THyperControl::RealWidth(); }
    int RealHeight() override { return THyperControl::RealHeight(); }
    int TextWidth(const TFont& Font, const AnsiString& Text) override;
    void AddHyperLink(int Id, const AnsiString& Hint) override;

    void Compile();
    void Interpret(bool Layout);
    void BindStyle(THyperStyle& Style);
    void Notify(THyperOperation Operation);
    // The picture slot Counter for a picture macro: reused, or appended and
    // loaded. False when there is no picture.
    bool TakePictureSlot(int Counter, THyperMacros& Macros);
    void RenderVectorPicture(int Counter, THyperMacros& Macros);
    void AddMediaMacros(THyperMacros& Macros);
    // A new text: the page's clip is dropped and its display hidden.
    void DropMedia();
    // The first media object painted after an interpretation starts the clip.
    void MediaPainted();
    void StartPendingMedia();
    friend class THyperPainter;

    std::unique_ptr<THyperStyle> FDefaultStyle;
    std::unique_ptr<THyperIndex> FIndexStyle;
    std::array<std::unique_ptr<THyperStyle>, 16> FStyles;
    std::array<std::unique_ptr<THyperStyle>, 16> FWorkingStyles;
    int FTabSize = 8;
    THyperLines FTextLines;
    bool FAutoSize = false;
    bool FAutoPlayMedia = true;
    bool FLoadingAborted = false;
    bool FMediaStartPending = false;
    int FCurrentMediaItem = -1;
    TStringList FMediaList;
    // One slot per picture macro of the text, in page order; a slot whose
    // loading failed stays, empty, so that later pictures keep their slots.
    std::vector<std::unique_ptr<TPicture>> FPictures;
    std::unique_ptr<THyperMeasure> FMeasure;
    TVectorPicture* FVectorPicture = nullptr;
    TMediaPlayer* FMediaPlayer = nullptr;
    bool FMediaStartPosted = false;
    // Cleared when the control goes, so that calls posted to the message
    // loop do nothing afterwards.
    std::shared_ptr<THyperText*> FAlive;
    TGraphicLoadEvent FOnGraphicLoad;
    TMacrosEvent FOnMacrosEnter;
};
