#pragma once

#include "common/ListOwnership.h"
#include "platform/base/Control.h"
#include "platform/base/StringList.h"
#include "platform/base/Types.h"

#include <cstdint>
#include <string>

class TPLBHTP;

// How sub-pages are shown: 0 modal (first match only), 1 embedded in the main
// window, 2 modeless, 3..255 modal one after another for every match.
using TPLBSubPages = uint8_t;
// Navigation set: 0 first, 1 second; in a reaction, 2 keeps the current set.
using TPLBNavStart = uint8_t;

constexpr TColor clSystemBtnFace = static_cast<TColor>(0x8000000F);
constexpr TColor clSystemWindowText = static_cast<TColor>(0x80000008);

// Placement of a sub-page window, in pixels of the unzoomed main page.
struct TPLBBounds {
    int32_t Left = 0;
    int32_t Top = 0;
    int32_t Width = 0;
    int32_t Height = 0;
};

// Navigation targets of one set; 0 or less means "no such target".
struct TPLBNavPoints {
    int32_t First = 0;
    int32_t Last = 0;
    int32_t Prev = 0;
    int32_t Next = 0;
    int32_t Contents = 0;
};

static_assert(sizeof(TPLBBounds) == 16 && sizeof(TPLBNavPoints) == 20,
              "stored as their memory images");

// What a hyperlink number of a page does when clicked.
struct TPLBReaction {
    int32_t LinkNumber = 0;
    int32_t Target = 0; // page to show; 0 or less: no jump
    TPLBNavStart NavStart = 0;
    AnsiString ShellFile; // opened through the shell before the jump when not empty
};

// A page (SubPage == 0) or a sub-page of the textbook.
class TPLBDataItem {
public:
    int32_t Number = 0;
    int32_t SubPage = 0;
    AnsiString Title;
    AnsiString ShortTitle;
    TPLBBounds Bounds;
    TPLBNavPoints NavPoints[2];
    AnsiString CaptionPrefix[2];
    AnsiString LibraryName;
    AnsiString LibraryParams;
    TColor Color = clSystemBtnFace;
    TColor FontColor = clSystemWindowText;
    TOwnedList<TPLBReaction> Reactions;
    TStringList Lines;
};

// The references a load reports its progress to; none of them is owned.
struct TPLBProgress {
    TControl* Form = nullptr;        // disabled while loading
    TControl* Box = nullptr;         // shown centred in its parent while loading
    TTextControl* Caption = nullptr; // receives the wait message
    TGaugeControl* Gauge = nullptr;  // advances through the load
};

// The textbook: its settings and all pages and sub-pages in file order.
class TPLBData {
public:
    explicit TPLBData(TPLBProgress* Progress);

    AnsiString Title;
    TOwnedList<TPLBDataItem> Items;
    int32_t StartPage = 0;
    TPLBProgress* Progress = nullptr;
    TPLBSubPages SubPages = 0;
    bool Sizeable = false;
    TPLBNavStart NavStart = 0;
    bool Reserved = false;
    bool Zoomable = true;
    bool DblClickClose = false;

    // Frees every item and restores the default settings.
    void Clear();
    // Reads a data file (native path) and, when Pictures is given, its
    // companion pictures file. True when everything was read; on failure the
    // textbook is left cleared.
    bool LoadFromFile(const std::string& FileName, TPLBHTP* Pictures);
    // Why the last load failed, for tools and logs ("" after a success).
    const std::string& LoadError() const { return FLoadError; }

private:
    std::string FLoadError;
};

// The title a textbook has until one is loaded ("Новый учебник").
AnsiString DefaultTextbookTitle();
