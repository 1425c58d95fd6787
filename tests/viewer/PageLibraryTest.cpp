// Page libraries: the entries are called with the page's parameters when the
// library comes and once when it goes; what cannot be loaded is ignored.
#include "viewer/PageLibrary.h"
#include "platform/base/FileNames.h"
#include "support/TestFiles.h"

#include <cstdlib>
#include <fstream>
#include <gtest/gtest.h>
#include <sstream>

namespace {

// Builds a page library that appends each call to calls.txt in its folder;
// empty when no compiler is at hand.
std::string BuildLibrary(TTempDir& Dir, const char* Entries) {
    const std::string source = Dir.File("page.c");
    std::ofstream(source) << "#include <stdio.h>\n"
                          << "static void Log(const char* What, const char* Params) {\n"
                          << "  FILE* f = fopen(\"" << Dir.File("calls.txt") << "\", \"a\");\n"
                          << "  fprintf(f, \"%s %s\\n\", What, Params ? Params : \"(none)\");\n"
                          << "  fclose(f);\n}\n"
                          << Entries;
    const std::string library = Dir.File("Page.so");
    const std::string command =
        "cc -shared -fPIC -o '" + library + "' '" + source + "' 2>/dev/null";
    return std::system(command.c_str()) == 0 ? library : std::string();
}

std::string Calls(TTempDir& Dir) {
    std::ifstream in(Dir.File("calls.txt"));
    std::stringstream text;
    text << in.rdbuf();
    return text.str();
}

TEST(PageLibrary, EntriesAreCalledWhenThePageComesAndGoes) {
    TTempDir dir;
    const std::string built =
        BuildLibrary(dir, "void InitPage(void* p, void* s, const char* a) { Log(\"init\", a); }\n"
                          "void DonePage(void* p, void* s, const char* a) { Log(\"done\", a); }\n");
    if (built.empty()) GTEST_SKIP() << "no C compiler";
    const std::string cwd = GetCurrentDir();
    SetCurrentDir(dir.Path());
    TPageLibrary library;
    int page = 0;
    library.Open("PAGE.DLL", &page, "alpha=1"); // a .dll name finds the .so
    EXPECT_TRUE(library.Loaded());
    library.Close(&page);
    EXPECT_FALSE(library.Loaded());
    library.Close(&page); // released: nothing more
    library.Open("page.so", &page, "");
    library.Open("page.so", &page, "again"); // the old one is done first
    library.Close(&page);
    SetCurrentDir(cwd);
    EXPECT_EQ(Calls(dir),
              "init alpha=1\ndone (none)\ninit \ndone (none)\ninit again\ndone (none)\n");
}

TEST(PageLibrary, LibraryWithoutEntriesStaysLoadedUncalled) {
    TTempDir dir;
    const std::string built = BuildLibrary(dir, "int Unrelated(void) { return 1; }\n");
    if (built.empty()) GTEST_SKIP() << "no C compiler";
    TPageLibrary library;
    library.Open(built, nullptr, "x");
    EXPECT_TRUE(library.Loaded());
    library.Close(nullptr);
    EXPECT_EQ(Calls(dir), "");
}

TEST(PageLibrary, WhatCannotBeLoadedIsIgnored) {
    TTempDir dir;
    std::ofstream(dir.File("broken.dll")) << "not a library";
    TPageLibrary library;
    library.Open(dir.File("missing.dll"), nullptr, {});
    EXPECT_FALSE(library.Loaded());
    library.Open(dir.File("broken.dll"), nullptr, {});
    EXPECT_FALSE(library.Loaded());
    library.Close(nullptr);
}

} // namespace
