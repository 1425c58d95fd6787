// Page libraries: the entries are called with the page's parameters when the
// library comes and once when it goes, a sub-page's with the window second;
// what cannot be loaded, or lies outside the book's folder, is ignored; the
// functions the viewer offers accept only the windows of loaded libraries.
#include "viewer/PageLibrary.h"
#include "platform/base/FileNames.h"
#include "support/TestFiles.h"
#include "viewer/PageLibraryApi.h"

#include <QLabel>
#include <QWidget>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <gtest/gtest.h>
#include <sstream>

namespace {

// Builds Name in Dir from C source: a page library whose Log appends each
// call to calls.txt in Dir, naming which window arguments were given. Empty
// when no compiler is at hand.
// Built as C++ with Cxx, so that entries may throw.
std::string BuildLibrary(TTempDir& Dir, const char* Entries, bool Cxx = false) {
    const std::string source = Dir.File(Cxx ? "page.cpp" : "page.c");
    std::ofstream(source) << "#include <stdio.h>\n"
                          << "static void Log(const char* What, void* Page, void* Sub,\n"
                          << "                const char* Params) {\n"
                          << "  FILE* f = fopen(\"" << Dir.File("calls.txt") << "\", \"a\");\n"
                          << "  fprintf(f, \"%s %s %s %s\\n\", What, Page ? \"page\" : \"-\",\n"
                          << "          Sub ? \"sub\" : \"-\", Params ? Params : \"(none)\");\n"
                          << "  fclose(f);\n}\n"
                          << Entries;
    const std::string library = Dir.File("Page.so");
    const std::string command = std::string(Cxx ? "c++" : "cc") + " -shared -fPIC -o '" + library +
                                "' '" + source + "' 2>/dev/null";
    return std::system(command.c_str()) == 0 ? library : std::string();
}

const char* kLoggingEntries =
    "void InitPage(void* p, void* s, const char* a) { Log(\"init\", p, s, a); }\n"
    "void DonePage(void* p, void* s, const char* a) { Log(\"done\", p, s, a); }\n";

std::string Calls(TTempDir& Dir) {
    std::ifstream in(Dir.File("calls.txt"));
    std::stringstream text;
    text << in.rdbuf();
    return text.str();
}

// Makes a folder current for the test's length, as the book's folder is.
struct TCurrentDir {
    explicit TCurrentDir(const std::string& Dir) : Old(GetCurrentDir()) { SetCurrentDir(Dir); }
    ~TCurrentDir() { SetCurrentDir(Old); }
    std::string Old;
};

TEST(PageLibrary, EntriesAreCalledWhenThePageComesAndGoes) {
    TTempDir dir;
    if (BuildLibrary(dir, kLoggingEntries).empty()) GTEST_SKIP() << "no C compiler";
    TCurrentDir current(dir.Path());
    QWidget page;
    TPageLibrary library;
    library.Open("PAGE.DLL", &page, "alpha=1"); // a .dll name finds the .so
    EXPECT_TRUE(library.Loaded());
    library.Close();
    EXPECT_FALSE(library.Loaded());
    library.Close(); // released: nothing more
    library.Open("page.so", &page, "");
    library.Open("page.so", &page, "again"); // the old one is done first
    library.Close();
    EXPECT_EQ(Calls(dir), "init page - alpha=1\ndone page - (none)\n"
                          "init page - \ndone page - (none)\n"
                          "init page - again\ndone page - (none)\n");
}

TEST(PageLibrary, SubPageWindowComesSecondAndKeepsItsParameters) {
    TTempDir dir;
    if (BuildLibrary(dir, kLoggingEntries).empty()) GTEST_SKIP() << "no C compiler";
    TCurrentDir current(dir.Path());
    QWidget subPage;
    {
        TPageLibrary library;
        library.OpenSubPage("Page.dll", &subPage, "beta");
        EXPECT_TRUE(library.Loaded());
    } // going out of scope closes it
    EXPECT_EQ(Calls(dir), "init - sub beta\ndone - sub beta\n");
}

TEST(PageLibrary, LibraryWithoutEntriesStaysLoadedUncalled) {
    TTempDir dir;
    if (BuildLibrary(dir, "int Unrelated(void) { return 1; }\n").empty())
        GTEST_SKIP() << "no C compiler";
    TCurrentDir current(dir.Path());
    TPageLibrary library;
    library.Open("Page.so", nullptr, "x");
    EXPECT_TRUE(library.Loaded());
    library.Close();
    EXPECT_FALSE(library.Loaded());
    EXPECT_EQ(Calls(dir), "");
}

TEST(PageLibrary, AnExceptionFromAnEntryStaysInTheLibrary) {
    TTempDir dir;
    if (BuildLibrary(dir,
                     "extern \"C\" void InitPage(void* p, void* s, const char* a) {\n"
                     "  Log(\"init\", p, s, a); throw 1; }\n"
                     "extern \"C\" void DonePage(void* p, void* s, const char* a) {\n"
                     "  Log(\"done\", p, s, a); throw \"gone\"; }\n",
                     true)
            .empty())
        GTEST_SKIP() << "no C++ compiler";
    TCurrentDir current(dir.Path());
    QWidget page;
    TPageLibrary library;
    EXPECT_NO_THROW(library.Open("page.dll", &page, "x"));
    EXPECT_TRUE(library.Loaded());
    EXPECT_NO_THROW(library.Close());
    EXPECT_FALSE(library.Loaded());
    EXPECT_EQ(Calls(dir), "init page - x\ndone page - (none)\n");
}

TEST(PageLibrary, WhatCannotBeLoadedIsIgnored) {
    TTempDir dir;
    TCurrentDir current(dir.Path());
    std::ofstream("broken.dll") << "not a library";
    std::ofstream("empty.so");
    std::filesystem::create_directory("folder.dll");
    TPageLibrary library;
    for (const char* name : {"missing.dll", "broken.dll", "empty.dll", "folder.dll", ""}) {
        library.Open(name, nullptr, {});
        EXPECT_FALSE(library.Loaded()) << name;
    }
    library.Close();
}

TEST(PageLibrary, NamesOutsideTheBooksFolderAreRefused) {
    TTempDir outside;
    if (BuildLibrary(outside, kLoggingEntries).empty()) GTEST_SKIP() << "no C compiler";
    std::filesystem::create_directories(outside.File("book/chapter"));
    const std::string book = outside.File("book");
    std::filesystem::create_symlink(outside.File("Page.so"), outside.File("book/Linked.so"));
    std::filesystem::copy_file(outside.File("Page.so"), outside.File("book/chapter/Own.so"));
    TCurrentDir current(book);
    QWidget page;
    TPageLibrary library;
    for (const std::string& name :
         {outside.File("Page.so"), std::string("..\\Page.dll"), std::string("../Page.so"),
          std::string("chapter\\..\\..\\Page.dll"), std::string("Linked.so"),
          "C:" + outside.File("Page.so"), std::string("\\") + outside.File("Page.so")}) {
        library.Open(name, &page, "x");
        EXPECT_FALSE(library.Loaded()) << name;
        EXPECT_EQ(TPageLibrary::LibraryPath(name), "") << name;
    }
    EXPECT_EQ(Calls(outside), "");
    // Folders inside the book's folder are the book's own, however named.
    library.Open("CHAPTER\\own.dll", &page, "in");
    EXPECT_TRUE(library.Loaded());
    library.Open(book + "/chapter/Own.so", &page, "absolute");
    EXPECT_TRUE(library.Loaded());
    library.Close();
    EXPECT_EQ(Calls(outside), "init page - in\ndone page - (none)\n"
                              "init page - absolute\ndone page - (none)\n");
}

TEST(PageLibraryApi, StatusLineIsReachedOnlyThroughLoadedLibrariesWindows) {
    QWidget main;
    auto* status = new QLabel(QStringLiteral("Готово"), &main);
    status->setObjectName(QStringLiteral("lblHints"));
    QWidget subPage(&main);
    char buffer[64] = "untouched";

    // Unknown and null windows are ignored.
    PlbSetStatusText(nullptr, "x");
    PlbSetStatusText(&main, "x");
    EXPECT_EQ(PlbGetStatusText(&main, buffer, sizeof buffer), -1);
    EXPECT_STREQ(buffer, "untouched");
    EXPECT_EQ(status->text(), QStringLiteral("Готово"));

    RegisterLibraryWindow(&main);
    RegisterLibraryWindow(&subPage);
    PlbSetStatusText(&main, "\xCF\xF0\xE8\xE2\xE5\xF2"); // code page 1251
    EXPECT_EQ(status->text(), QStringLiteral("Привет"));
    EXPECT_EQ(PlbGetStatusText(&subPage, buffer, sizeof buffer), 6); // the main window's line
    EXPECT_STREQ(buffer, "\xCF\xF0\xE8\xE2\xE5\xF2");
    EXPECT_EQ(PlbGetStatusText(&subPage, buffer, 4), 6); // cut to fit, still terminated
    EXPECT_STREQ(buffer, "\xCF\xF0\xE8");
    PlbSetStatusText(&subPage, nullptr);
    EXPECT_EQ(status->text(), QString());

    // Registrations are counted; once released the window is ignored again.
    RegisterLibraryWindow(&main);
    UnregisterLibraryWindow(&main);
    EXPECT_EQ(PlbGetStatusText(&main, buffer, sizeof buffer), 0);
    UnregisterLibraryWindow(&main);
    UnregisterLibraryWindow(&subPage);
    PlbSetStatusText(&main, "late");
    EXPECT_EQ(status->text(), QString());
    EXPECT_EQ(PlbGetStatusText(&subPage, buffer, sizeof buffer), -1);
}

TEST(PageLibraryApi, AWindowThatIsGoneIsIgnored) {
    auto* window = new QWidget;
    auto* status = new QLabel(window);
    status->setObjectName(QStringLiteral("lblHints"));
    RegisterLibraryWindow(window);
    void* address = window;
    delete window;
    PlbSetStatusText(address, "x"); // no use of the freed window
    EXPECT_EQ(PlbGetStatusText(address, nullptr, 0), -1);
    UnregisterLibraryWindow(static_cast<QWidget*>(address));
}

} // namespace
