// Reading a textbook: the data file's header, the whole pictures file, then
// the pages, with progress reported between records.
#include "common/Centering.h"
#include "common/StreamValues.h"
#include "common/Version.h"
#include "data/MarkupLines.h"
#include "data/Pictures.h"
#include "data/Textbook.h"
#include "platform/base/Cp1251.h"
#include "platform/base/FileNames.h"
#include "platform/base/Runtime.h"

#include <exception>
#include <memory>

using namespace myDefines;

namespace {

class TLoader {
public:
    TLoader(TPLBData& Book, TPLBProgress& Progress, TFileStream& File)
        : Book(Book), Progress(Progress), File(File) {}

    bool failed = false;
    std::string reason;

    void Note(const std::string& what) {
        if (failed && reason.empty()) reason = what;
    }

    void SetGaugeMax(int64_t value) {
        if (Progress.Gauge) Progress.Gauge->SetMaxValue(value);
    }
    int64_t GaugeMax() const { return Progress.Gauge ? Progress.Gauge->MaxValue() : 0; }
    void SetGaugeProgress(int64_t value) {
        if (Progress.Gauge) Progress.Gauge->SetProgress(value);
    }
    int64_t GaugeProgress() const { return Progress.Gauge ? Progress.Gauge->Progress() : 0; }

    void ShowBox() {
        SetGaugeProgress(0);
        if (Progress.Box) {
            if (Progress.Box->HasParent()) CenterInWindow(*Progress.Box);
            Progress.Box->SetVisible(true);
        }
        ProcessMessages();
    }

    int32_t ReadHeader() {
        TVersion version = TextbookFileVersion();
        LoadVer(failed, &File, version, true);
        Note("not a textbook data file of version 3.1");
        ShowBox();
        TStream* s = &File;
        int32_t pages = 0;
        LoadStr(failed, s, Book.Title, true);
        LoadVar(failed, s, Book.StartPage);
        LoadVar(failed, s, Book.SubPages);
        LoadVar(failed, s, Book.Sizeable);
        LoadVar(failed, s, Book.NavStart);
        LoadVar(failed, s, Book.Reserved);
        LoadVar(failed, s, Book.Zoomable);
        LoadVar(failed, s, Book.DblClickClose);
        LoadVar(failed, s, pages);
        Note("the book settings are damaged");
        if (pages < 0) {
            failed = true;
            Note("negative page count " + std::to_string(pages));
        }
        return pages;
    }

    void ReadPictures(const std::string& FileName, TPLBHTP& Pictures);
    void ReadPage(int index);

private:
    // Copies the records just read from the pictures file into its image in
    // memory as the file spells them, from the image's position up to the
    // file's: written anew, a record the reader accepts in another spelling
    // (a version with leading zeros, an odd-length coded name) could change
    // its length and move every picture after it.
    void CopyFromFile(TStream& File, TMemoryStream& Image);

    TPLBData& Book;
    TPLBProgress& Progress;
    TFileStream& File;
};

void TLoader::CopyFromFile(TStream& File, TMemoryStream& Image) {
    if (failed) return;
    const int64_t from = Image.Position(), to = File.Position();
    if (to > Image.Size()) { // the file grew while it was read
        failed = true;
        Note("the pictures file changed while it was read");
        return;
    }
    File.SetPosition(from);
    LoadVar(failed, &File, Image.Memory() + from, static_cast<int>(to - from));
    Image.SetPosition(to);
}

void TLoader::ReadPictures(const std::string& FileName, TPLBHTP& Pictures) {
    TFileStream htp(FileName, TFileMode::fmOpenRead);
    htp.WillReadWhole();
    Pictures.Data = std::make_unique<TMemoryStream>();
    Pictures.Names.Clear();
    Pictures.Offsets.clear();
    TMemoryStream& data = *Pictures.Data;
    const int64_t size = htp.Size();
    SetGaugeMax(GaugeMax() + size);
    data.SetSize(size);

    Pictures.Version = PicturesFileVersion();
    LoadVer(failed, &htp, Pictures.Version, true);
    Note("the pictures file is not of version 1.1");
    CopyFromFile(htp, data);
    AnsiString name;
    do {
        LoadStr(failed, &htp, name, true);
        int32_t end = 0;
        if (!name.empty()) LoadVar(failed, &htp, end);
        CopyFromFile(htp, data);
        if (failed) Note("a picture entry of the pictures file is damaged");
        SetGaugeProgress(htp.Position());
        ProcessMessages();
        if (failed || name.empty()) continue;
        const int64_t start = htp.Position();
        const int64_t count = int64_t(end) - start;
        // An end before the picture's first byte leaves it no bytes to read.
        if (count < 0) {
            failed = true;
            Note("picture \"" + Cp1251ToUtf8(name) + "\" ends before its bytes begin");
            continue;
        }
        // The bytes go straight into the memory image; an end outside the file
        // could never be read and must not be written past the image either.
        if (end > size || data.Position() + count > data.Size()) {
            failed = true;
            Note("picture \"" + Cp1251ToUtf8(name) + "\" ends outside the pictures file");
            continue;
        }
        Pictures.Names.Add(name);
        Pictures.Offsets.push_back(static_cast<int32_t>(start));
        LoadVar(failed, &htp, data.Memory() + data.Position(), static_cast<int>(count));
        if (failed) Note("picture \"" + Cp1251ToUtf8(name) + "\" is cut short");
        data.SetPosition(htp.Position());
    } while (!failed && !name.empty());
    SetGaugeProgress(size);
    ProcessMessages();
}

void TLoader::ReadPage(int index) {
    Book.Items.push_back(std::make_unique<TPLBDataItem>());
    TPLBDataItem& item = *Book.Items.back();
    TStream* s = &File;
    LoadVar(failed, s, item.Number);
    LoadVar(failed, s, item.SubPage);
    LoadStr(failed, s, item.Title, true);
    LoadStr(failed, s, item.ShortTitle, true);
    LoadVar(failed, s, item.Bounds);
    LoadVar(failed, s, item.NavPoints[0]);
    LoadVar(failed, s, item.NavPoints[1]);
    LoadStr(failed, s, item.CaptionPrefix[0], true);
    LoadStr(failed, s, item.CaptionPrefix[1], true);
    LoadStr(failed, s, item.LibraryName, true);
    LoadStr(failed, s, item.LibraryParams, true);
    LoadVar(failed, s, item.Color);
    LoadVar(failed, s, item.FontColor);
    int32_t reactions = 0;
    LoadVar(failed, s, reactions);
    // The reasons are built only once something failed.
    const auto where = [index] { return "page record " + std::to_string(index + 1); };
    if (failed) Note(where() + " is damaged");
    if (reactions < 0) {
        failed = true;
        Note(where() + " has a negative reaction count");
    }
    for (int32_t r = 0; r < reactions && !failed; ++r) {
        item.Reactions.push_back(std::make_unique<TPLBReaction>());
        TPLBReaction& reaction = *item.Reactions.back();
        LoadVar(failed, s, reaction.LinkNumber);
        LoadVar(failed, s, reaction.Target);
        LoadVar(failed, s, reaction.NavStart);
        LoadStr(failed, s, reaction.ShellFile, true);
    }
    if (failed) Note(where() + ": a reaction is damaged");
    // The markup is split straight from the decoding buffer into the item's lines.
    std::string_view markup;
    LoadCodedText(failed, s, markup);
    if (failed) Note(where() + ": the markup text is damaged");
    item.Lines.SetLines(MarkupLines(markup));
    if (!failed) {
        SetGaugeProgress(GaugeProgress() + 10000);
        ProcessMessages();
    }
}

} // namespace

bool TPLBData::LoadFromFile(const std::string& FileName, TPLBHTP* Pictures) {
    FLoadError.clear();
    if (!Progress || !FileExists(FileName)) {
        FLoadError = Progress ? "no such file" : "no progress record";
        return false;
    }
    try {
        TFileStream file(FileName, TFileMode::fmOpenRead);
        file.WillReadWhole();
        Clear();
        if (Progress->Form) Progress->Form->SetEnabled(false);
        if (Progress->Caption)
            Progress->Caption->SetCaption(
                Utf8ToCp1251("Пожалуйста, подождите, идет загрузка ресурсов..."));
        TLoader loader(*this, *Progress, file);
        const int32_t pages = loader.ReadHeader();
        loader.SetGaugeMax(int64_t(pages) * 10000 < 1 ? 1 : int64_t(pages) * 10000);
        if (!loader.failed && Pictures) {
            const std::string htp = ResolvePath(ChangeFileExt(FileName, ".htp"));
            if (FileExists(htp)) loader.ReadPictures(htp, *Pictures);
        }
        for (int32_t i = 0; i < pages && !loader.failed; ++i)
            loader.ReadPage(i);
        if (!loader.failed && file.Position() != file.Size()) {
            loader.failed = true;
            loader.Note("unexpected bytes after the last page");
        }
        if (loader.failed) {
            Clear();
            FLoadError = loader.reason.empty() ? "the data file is damaged" : loader.reason;
        }
        return !loader.failed;
    } catch (const std::exception& e) {
        Clear();
        if (Pictures) Pictures->Data.reset();
        FLoadError = e.what();
        return false;
    }
}
