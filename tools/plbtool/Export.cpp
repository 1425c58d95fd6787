// plbtool export: the book as a static web edition, or packed as an EPUB.
#include "BookArgs.h"
#include "Commands.h"
#include "platform/base/FileNames.h"
#include "publish/EpubPack.h"
#include "publish/WebEdition.h"

#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <unistd.h>

namespace {

constexpr int BarWidth = 40;

// A progress bar on stderr, redrawn in place; only on a terminal.
void ShowProgress(int Done, int Total) {
    if (Total <= 0) return;
    const int filled = static_cast<int>(int64_t{Done} * BarWidth / Total);
    std::fprintf(stderr, "\r[%s%s] %d/%d pages",
                 std::string(static_cast<size_t>(filled), '#').c_str(),
                 std::string(static_cast<size_t>(BarWidth - filled), ' ').c_str(), Done, Total);
    if (Done == Total) std::fputc('\n', stderr);
    std::fflush(stderr);
}

bool ParseExport(const TCommandArgs& Args, std::string& Book, std::string& Dir, std::string& Epub) {
    for (size_t i = 0; i < Args.size(); ++i) {
        const bool hasValue = i + 1 < Args.size();
        if (Args[i] == "-o" && hasValue && Dir.empty()) {
            Dir = Args[++i];
        } else if (Args[i] == "--epub" && hasValue && Epub.empty()) {
            Epub = Args[++i];
        } else if (Book.empty() && !Args[i].empty() && Args[i][0] != '-') {
            Book = Args[i];
        } else {
            return false;
        }
    }
    return !Book.empty() && (!Dir.empty() || !Epub.empty());
}

bool WriteEdition(const TLoadedBook& Loaded, const std::string& Dir, bool ForEpub,
                  const std::string& BookFolder, TWebManifest& Manifest, std::string& Error) {
    TWebOptions options;
    options.ForEpub = ForEpub;
    options.PageExtension = ForEpub ? ".xhtml" : ".html";
    options.BookFolder = BookFolder;
    if (isatty(STDERR_FILENO)) options.OnProgress = ShowProgress;
    return WriteWebEdition(*Loaded.Book, Loaded.Pictures, Dir, options, Manifest, Error);
}

} // namespace

int RunExport(const TCommandArgs& Args) {
    std::string book, dir, epub;
    if (!ParseExport(Args, book, dir, epub))
        return Usage("plbtool export BOOK.plb [-o DIR] [--epub OUT.epub]");
    TLoadedBook loaded;
    if (!LoadBook(book, loaded)) return Fail(loaded.Error);
    std::string folder = ExtractFilePath(book);
    if (folder.empty()) folder = GetCurrentDir();
    TWebManifest manifest;
    std::string error;
    if (!dir.empty() && !WriteEdition(loaded, dir, false, folder, manifest, error))
        return Fail(error);
    if (epub.empty()) return 0;
    // The EPUB's pages are written apart, as XHTML, and packed from there.
    std::string temp = (std::filesystem::temp_directory_path() / "plbtool-epub-XXXXXX").string();
    if (!mkdtemp(temp.data())) return Fail("cannot create a temporary folder");
    bool packed = WriteEdition(loaded, temp, true, folder, manifest, error) &&
                  PackEpub(temp, manifest, epub, error);
    std::error_code ignored;
    std::filesystem::remove_all(temp, ignored);
    return packed ? 0 : Fail(error);
}
