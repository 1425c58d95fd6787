#include "data/Writer.h"

#include "common/StreamValues.h"
#include "common/Version.h"
#include "data/Pictures.h"
#include "platform/base/Cp1251.h"

#include <exception>

using namespace myDefines;

namespace {

constexpr size_t kMaxCodedCharacters = MaxStoredStringLength / 2;

class TWriter {
public:
    explicit TWriter(TStream& Stream) : Stream(Stream) {}

    bool failed = false;
    std::string error;

    void Coded(const AnsiString& text, const std::string& what) {
        if (text.size() > kMaxCodedCharacters && error.empty())
            error = what + " is longer than " + std::to_string(kMaxCodedCharacters) + " characters";
        SaveStr(failed, &Stream, text, true, TCodingType::ctRandomKey, nullptr);
    }
    template <class T> void Value(const T& value) { SaveVar(failed, &Stream, value); }
    void Page(const TPLBDataItem& item, int index);

    TStream& Stream;
};

void TWriter::Page(const TPLBDataItem& item, int index) {
    const std::string where =
        "page " + std::to_string(index + 1) + " (number " + std::to_string(item.Number) + ")";
    Value(item.Number);
    Value(item.SubPage);
    Coded(item.Title, where + ": the title");
    Coded(item.ShortTitle, where + ": the short title");
    Value(item.Bounds);
    Value(item.NavPoints[0]);
    Value(item.NavPoints[1]);
    Coded(item.CaptionPrefix[0], where + ": caption prefix 0");
    Coded(item.CaptionPrefix[1], where + ": caption prefix 1");
    Coded(item.LibraryName, where + ": the library name");
    Coded(item.LibraryParams, where + ": the library parameters");
    Value(item.Color);
    Value(item.FontColor);
    Value(static_cast<int32_t>(item.Reactions.size()));
    for (const auto& reaction : item.Reactions) {
        Value(reaction->LinkNumber);
        Value(reaction->Target);
        Value(reaction->NavStart);
        Coded(reaction->ShellFile, where + ": a reaction's shell file");
    }
    Coded(JoinMarkup(item.Lines), where + ": the markup");
}

} // namespace

AnsiString JoinMarkup(const TStringList& Lines) {
    return Lines.Text();
}

namespace {

// Creates FileName and lets Body write it; Body returns false (with Error set)
// to give up. A write failure or an over-long string fails the whole file.
template <class Body> bool WriteFile(const std::string& FileName, std::string& Error, Body body) {
    try {
        TFileStream file(FileName, TFileMode::fmCreate);
        TWriter writer(file);
        if (!body(writer, file)) return false;
        file.Size(); // flushes: a failed write raises here
        Error = writer.error;
        if (writer.failed && Error.empty()) Error = "cannot write " + FileName;
        return !writer.failed;
    } catch (const std::exception& e) {
        Error = e.what();
        return false;
    }
}

} // namespace

bool SaveTextbook(const TPLBData& Book, const std::string& FileName, std::string& Error) {
    return WriteFile(FileName, Error, [&](TWriter& writer, TFileStream& file) {
        SaveVer(writer.failed, &file, TextbookFileVersion());
        writer.Coded(Book.Title, "the book title");
        writer.Value(Book.StartPage);
        writer.Value(Book.SubPages);
        writer.Value(Book.Sizeable);
        writer.Value(Book.NavStart);
        writer.Value(Book.Reserved);
        writer.Value(Book.Zoomable);
        writer.Value(Book.DblClickClose);
        writer.Value(static_cast<int32_t>(Book.Items.size()));
        for (size_t i = 0; i < Book.Items.size(); ++i)
            writer.Page(*Book.Items[i], static_cast<int>(i));
        return true;
    });
}

bool SavePictures(const std::vector<TPictureEntry>& Pictures, const std::string& FileName,
                  std::string& Error) {
    return WriteFile(FileName, Error, [&](TWriter& writer, TFileStream& file) {
        SaveVer(writer.failed, &file, PicturesFileVersion());
        for (const auto& picture : Pictures) {
            if (picture.Name.empty()) {
                Error = "a picture has an empty name";
                return false;
            }
            writer.Coded(picture.Name, "picture name \"" + Cp1251ToUtf8(picture.Name) + "\"");
            const int64_t end = file.Position() + 4 + int64_t(picture.Bytes.size());
            if (end > INT32_MAX) {
                Error = "the pictures file would exceed 2 GiB";
                return false;
            }
            writer.Value(static_cast<int32_t>(end));
            SaveVar(writer.failed, &file, picture.Bytes.data(),
                    static_cast<int>(picture.Bytes.size()));
        }
        writer.Coded(AnsiString(), "the end entry");
        return true;
    });
}
