#pragma once

#include "hypertext/HyperLink.h"
#include "platform/base/Colors.h"
#include "platform/base/Rect.h"
#include "platform/base/Types.h"

#include <cstdint>
#include <memory>

class TPicture;

enum THyperMacrosKind : uint8_t {
    mkNone = 0,
    mkPicture = 1,
    mkTiledBackground = 2,
    mkCenteredBackground = 3,
    mkStretchedBackground = 4,
    mkMedia = 5,
};

enum THyperMacrosPlacement : uint8_t { mpInline = 0, mpBackground = 1, mpMedia = 2 };

// An object embedded in a page by <MACROS=name> body </MACROS>: a picture, a
// background, an inline vector picture or a media clip.
class THyperMacros {
public:
    THyperMacros();
    ~THyperMacros();
    THyperMacros(const THyperMacros&) = delete;
    THyperMacros& operator=(const THyperMacros&) = delete;

    AnsiString Body;     // the text runs after the tag, joined by single spaces
    AnsiString FileName; // the file named in the body, trimmed
    int Height = 0;      // in real (page) pixels
    THyperMacrosKind Kind = mkNone;
    uint8_t Placement = mpInline;
    std::unique_ptr<THyperLink> Links; // an inline vector picture's, in its own coordinates
    bool ConsumeBody = true;           // the body is not shown as page text
    AnsiString Name;                   // the tag value, at most 255 characters
    TPicture* Picture = nullptr;       // a slot of the page's picture list, not owned
    TRect Rect; // (0, 0, width, height), moved to the object's place when painted
    bool Transparent = false;
    TColor BackColor = clWindow;
    int Width = 0;
};
