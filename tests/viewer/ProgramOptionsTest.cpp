// The viewer's command-line options: what they set and what they leave as
// the page argument.
#include "viewer/ProgramOptions.h"

#include <gtest/gtest.h>

namespace {

TEST(ProgramOptions, OptionsAreTakenOutBeforeThePageArgument) {
    const TProgramOptions options = ParseProgramOptions({"--book", "a b.plb", "12"});
    EXPECT_EQ(options.Book, "a b.plb");
    EXPECT_EQ(options.Arguments, std::vector<std::string>{"12"});
    EXPECT_FALSE(options.Help);
    EXPECT_FALSE(options.Version);

    const TProgramOptions after = ParseProgramOptions({"7", "--book=x.plb"});
    EXPECT_EQ(after.Book, "x.plb");
    EXPECT_EQ(after.Arguments, std::vector<std::string>{"7"});

    const TProgramOptions plain = ParseProgramOptions({"12", "extra"});
    EXPECT_FALSE(plain.Book);
    EXPECT_EQ(plain.Arguments, (std::vector<std::string>{"12", "extra"}));
}

TEST(ProgramOptions, LastBookWinsAndAnEmptyOneNamesNone) {
    EXPECT_EQ(ParseProgramOptions({"--book", "a.plb", "--book", "b.plb"}).Book, "b.plb");
    // A launcher started without a file leaves "--book" alone at the end.
    const TProgramOptions bare = ParseProgramOptions({"--book"});
    EXPECT_FALSE(bare.Book);
    EXPECT_TRUE(bare.Arguments.empty());
    EXPECT_FALSE(ParseProgramOptions({"--book="}).Book);
    EXPECT_FALSE(ParseProgramOptions({"--book", "a.plb", "--book", ""}).Book);
}

TEST(ProgramOptions, DoubleDashEndsTheOptionsAndOthersStay) {
    const TProgramOptions options = ParseProgramOptions({"--", "--book", "x", "--help"});
    EXPECT_FALSE(options.Book);
    EXPECT_FALSE(options.Help);
    EXPECT_EQ(options.Arguments, (std::vector<std::string>{"--book", "x", "--help"}));
    // The toolkit's own options are not the viewer's to judge.
    EXPECT_EQ(ParseProgramOptions({"-platform", "xcb"}).Arguments,
              (std::vector<std::string>{"-platform", "xcb"}));
    EXPECT_EQ(ParseProgramOptions({"--bookmark"}).Arguments,
              std::vector<std::string>{"--bookmark"});
}

TEST(ProgramOptions, HelpAndVersion) {
    EXPECT_TRUE(ParseProgramOptions({"12", "--help"}).Help);
    EXPECT_TRUE(ParseProgramOptions({"-h"}).Help);
    EXPECT_TRUE(ParseProgramOptions({"--version"}).Version);
    EXPECT_NE(ProgramHelpText().find("--book FILE.plb"), std::string::npos);
    EXPECT_EQ(ProgramVersionText().rfind("plbviewer ", 0), 0u);
    EXPECT_EQ(ProgramVersionText().back(), '\n');

    const char* help[] = {"plbviewer", "--book", "x.plb", "--help"};
    EXPECT_EQ(RunInfoOptions(4, help), 0);
    const char* version[] = {"plbviewer", "--version"};
    EXPECT_EQ(RunInfoOptions(2, version), 0);
    const char* run[] = {"plbviewer", "--book", "x.plb", "3"};
    EXPECT_EQ(RunInfoOptions(4, run), std::nullopt);
}

} // namespace
