#pragma once

#include "hypertext/MarkupInterpreter.h"

#include <array>
#include <functional>
#include <memory>

class THyperText;
class TStringList;
class TStream;
class TVectorPicture;

// Reads a picture of the book by name: calls Read with a stream positioned
// at its bytes and returns true, or returns false when the book has none.
using TWebPictureReader =
    std::function<bool(const AnsiString& Name, const std::function<void(TStream&)>& Read)>;

// A page's text interpreted as the viewer interprets it, without a window:
// a page view configured as every window configures it answers the
// interpreter's questions (styles, sizes, measuring) and makes its objects
// (pictures loaded, vector pictures drawn, media clips), so that the words,
// styles, side boxes and objects are those the viewer shows.
class TWebPageView : private TInterpreterHost {
public:
    TWebPageView(int RealWidth, int RealHeight, TWebPictureReader Pictures);
    ~TWebPageView() override;
    TWebPageView(const TWebPageView&) = delete;
    TWebPageView& operator=(const TWebPageView&) = delete;

    // The interpreted text of Lines. Its objects' pictures stay valid until
    // the next call.
    std::unique_ptr<THyperString> Interpret(const TStringList& Lines);
    const THyperStyle& PageStyle();
    // The size the page is interpreted for (percentages, side boxes and
    // vector pictures follow it): the page area, or a sub-page's bounds.
    void SetRealSize(int Width, int Height);

private:
    THyperStyle& DefaultStyle() override;
    THyperStyle& WorkingStyle(int Index) override { return *FWorking[static_cast<size_t>(Index)]; }
    const THyperIndex& IndexStyle() override;
    int TabSize() override;
    int RealWidth() override;
    int RealHeight() override;
    int TextWidth(const TFont& Font, const AnsiString& Text) override;
    void AddHyperLink(int, const AnsiString&) override {}
    void DoMacros(bool Enter, int& Counter, THyperMacros* Macros) override;

    std::unique_ptr<THyperText> FView;
    std::unique_ptr<TVectorPicture> FVectorPicture;
    std::array<std::unique_ptr<THyperStyle>, 16> FWorking;
};
