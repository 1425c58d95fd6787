#pragma once

#include "hypertext/HyperStyle.h"
#include "platform/base/Rect.h"
#include "platform/base/Types.h"

#include <cstdint>
#include <memory>
#include <vector>

class THyperBorder;
class THyperMacros;

// One run of text, one space or tab, or one embedded object of a page, with
// its style and the attributes the markup gave it. Neighbouring words share
// one style object until one of them changes it (OwnStyle): a page has few
// distinct styles and many words.
class THyperWord {
public:
    // A word with LinkId -1 and a default style that takes on From's carried
    // attributes (see Assign), sharing From's style.
    explicit THyperWord(const THyperWord* From = nullptr);
    ~THyperWord();
    THyperWord(const THyperWord&) = delete;
    THyperWord& operator=(const THyperWord&) = delete;

    // Copies the attributes that carry on to the next word (index, hint, link,
    // style, MinWidth, LineHeight) and clears the ones that do not.
    void Assign(const THyperWord* From);

    std::unique_ptr<THyperBorder> Border; // side box anchored at this word
    AnsiString Hint;
    int ShiftX = 0;
    int ShiftY = 0;
    int IndexBase = 0;
    uint8_t IndexKind = 0; // 0 normal, 1 lower index, 2 upper index
    bool LineBreak = false;
    std::unique_ptr<THyperMacros> Macros; // embedded object
    bool Joined = false;                  // no space and no line break before this word
    bool ParagraphEnd = false;
    bool ClearBorders = false;
    int LinkId = -1;
    std::shared_ptr<const THyperStyle> Style;
    // The word's style to change: a copy of its own when it is shared.
    THyperStyle& OwnStyle();
    AnsiString Text;
    int MinWidth = 0;
    int LineHeight = 0;
};

// A sequence of words: a page's root document, a side box's content, or one
// laid-out line.
class THyperString {
public:
    // A string holding one empty word that takes on From's last word.
    explicit THyperString(const THyperString* From = nullptr);
    ~THyperString();
    THyperString(const THyperString&) = delete;
    THyperString& operator=(const THyperString&) = delete;

    void Assign(const THyperString* From);
    THyperWord* First() const { return Words.front().get(); }
    THyperWord* Last() const { return Words.back().get(); }
    THyperWord* Word(int Index) const;
    int Count() const { return static_cast<int>(Words.size()); }

    int Ascent = 0;
    int Descent = 0;
    uint8_t Side = 0; // for a side box's content: 1 left, 2 right
    int Lift = 0;
    THyperString* Parent = nullptr; // for a side box's content: the containing string
    TRect Bounds;
    int FreeSpace = 0;
    int SpaceCount = 0;
    std::vector<std::unique_ptr<THyperWord>> Words;
};

// A side box: a floating column at the left or right edge of the page.
class THyperBorder {
public:
    explicit THyperBorder(const THyperString* Container);
    ~THyperBorder();
    THyperBorder(const THyperBorder&) = delete;
    THyperBorder& operator=(const THyperBorder&) = delete;

    void Assign(const THyperBorder& Source);

    int Origin = 0; // position of the opening record in the compiled markup
    TRect Bounds;
    TRect ContentBounds;
    std::unique_ptr<THyperString> Content;
    std::vector<std::unique_ptr<THyperString>> Lines;
    uint8_t Side = 0; // 0 none (ignored by layout), 1 left, 2 right
    int Width = 0;
};
