#include "hypertext/HyperText.h"
#include "hypertext/HyperMacros.h"

#include <QWidget>
#include <gtest/gtest.h>

namespace {

// A page view on a window, with a count of its interpretations.
class HyperTextTest : public ::testing::Test {
protected:
    HyperTextTest() {
        window.resize(800, 600);
        text = std::make_unique<THyperText>(&window);
        text->SetBoundsRect(Bounds(0, 0, 400, 300));
        text->OnGraphicNotify = [this](THyperText*, THyperOperation op) {
            if (op == hoLoadBegin) ++interpretations;
        };
    }
    void SetMarkup(const AnsiString& markup) {
        TStringList lines;
        lines.SetText(markup);
        text->SetLines(lines);
    }
    std::string FirstWords() const {
        std::string out;
        for (const auto& line : text->TextLines())
            for (const auto& word : line->Words)
                out += word->Text + "|";
        return out;
    }

    QWidget window;
    std::unique_ptr<THyperText> text;
    int interpretations = 0;
};

} // namespace

TEST_F(HyperTextTest, CompilesOnTextChangesAndReinterpretsOnStyleChanges) {
    SetMarkup("<HINT=h><A=3>one</A> two\r\nthree");
    EXPECT_EQ(interpretations, 1);
    EXPECT_EQ(FirstWords(), "one|two|three|");
    ASSERT_NE(text->Links(), nullptr);
    EXPECT_EQ(text->Links()->Hint(), "h");
    const std::vector<uint8_t> compiled = text->Compiled();

    text->DefaultStyle().Font()->SetSize(20);
    EXPECT_EQ(interpretations, 2);
    EXPECT_EQ(text->Compiled(), compiled) << "a style change does not compile again";
    EXPECT_EQ(text->TextLines().front()->Words.front()->Style->Font()->Size(), 20);

    text->SetTabSize(4);
    EXPECT_EQ(interpretations, 3);
    text->SetTabSize(4);
    text->SetTabSize(0);
    text->SetTabSize(-3);
    EXPECT_EQ(interpretations, 3) << "unchanged and non-positive tab sizes are ignored";
    text->GetStyle(5)->SetInterval(3);
    EXPECT_EQ(interpretations, 4) << "numbered styles are bound too";
}

TEST_F(HyperTextTest, GivesStylesByIndexAndCopiesThem) {
    EXPECT_EQ(text->GetStyle(-1), &text->DefaultStyle());
    EXPECT_NE(text->GetStyle(15), nullptr);
    EXPECT_EQ(text->GetStyle(16), nullptr);
    THyperStyle bold;
    bold.Font()->SetStyle({fsBold});
    text->SetStyle(2, &bold);
    EXPECT_NE(text->GetStyle(2), &bold);
    EXPECT_TRUE(text->GetStyle(2)->Font()->Style().Contains(fsBold));
    text->SetStyle(16, &bold); // ignored
}

TEST_F(HyperTextTest, AnEmptyPageHasNoLinesAndNoLinks) {
    SetMarkup("<A=1>x</A>");
    SetMarkup("");
    EXPECT_TRUE(text->Compiled().empty());
    EXPECT_TRUE(text->TextLines().empty());
    EXPECT_EQ(text->Links(), nullptr);
}

TEST_F(HyperTextTest, UnknownMacrosGoToTheHostAndLeaveNoObject) {
    std::vector<AnsiString> entered;
    text->SetOnMacrosEnter([&](THyperText*, THyperMacros* m) { entered.push_back(m->Name); });
    SetMarkup("a<MACROS=mystery>body</MACROS>b");
    EXPECT_EQ(entered, std::vector<AnsiString>{"mystery"});
    EXPECT_EQ(FirstWords(), "a|b|");
}
