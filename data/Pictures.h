#pragma once

#include "common/Version.h"
#include "platform/base/Streams.h"
#include "platform/base/StringList.h"

#include <cstdint>
#include <functional>
#include <memory>
#include <vector>

// The pictures store: the whole pictures file held in memory, with the names
// of its pictures and where each picture's bytes begin.
class TPLBHTP {
public:
    // The file's bytes at the file's own positions, as far as its list of
    // pictures reaches; null until loaded.
    std::unique_ptr<TMemoryStream> Data;
    TStringList Names;
    std::vector<int32_t> Offsets; // parallel to Names
    TVersion Version;

    // Position of the first picture whose name equals Name without regard to
    // letter case; 0 when there is none.
    int64_t FindPicture(const AnsiString& Name) const;
    // Index of that picture in Names; -1 when there is none.
    int IndexOfPicture(const AnsiString& Name) const;
    // Number of stored pictures.
    int Count() const;
    // Where picture Index ends: the end position stored just before its bytes.
    int64_t PictureEnd(int Index) const;

    // Answers a graphic-load request: when the picture is stored, positions
    // Data at its bytes and lets Read fill the graphic from Data. Processed
    // tells whether it was found; an exception raised while reading sets
    // Processed false and Aborted true. Nothing happens when Aborted is set.
    void LoadPicture(const AnsiString& Name, const std::function<void(TStream&)>& Read,
                     bool& Processed, bool& Aborted);
};

// Version records of the two data files.
TVersion TextbookFileVersion();
TVersion PicturesFileVersion();
