#include "hypertext/MarkupInterpreter.h"
#include "hypertext/HyperMacros.h"
#include "hypertext/MarkupCompiler.h"

#include <array>
#include <gtest/gtest.h>

namespace {

// A host with fixed measures: every character is 7 pixels wide.
class TTestHost : public TInterpreterHost {
public:
    TTestHost() {
        Default.Font()->SetName("Times New Roman");
        Default.Font()->SetSize(13);
        for (auto& s : Numbered)
            s = std::make_unique<THyperStyle>();
        for (auto& s : Working)
            s = std::make_unique<THyperStyle>();
    }
    THyperStyle& DefaultStyle() override { return Default; }
    THyperStyle& WorkingStyle(int i) override { return *Working[i]; }
    const THyperIndex& IndexStyle() override { return Index; }
    int TabSize() override { return 8; }
    int RealWidth() override { return 762; }
    int RealHeight() override { return 463; }
    int TextWidth(const TFont&, const AnsiString& t) override { return 7 * int(t.size()); }
    void AddHyperLink(int id, const AnsiString& hint) override { Links.push_back({id, hint}); }
    void DoMacros(bool enter, int& counter, THyperMacros* m) override {
        MacroCalls.push_back(std::string(enter ? "+" : "-") + m->Name + ":" + m->Body);
        if (enter && m->Name == "box") {
            m->Kind = mkPicture;
            m->Width = m->Height = 10;
            ++counter;
        }
        if (enter && m->Name == "show") m->ConsumeBody = false;
    }

    std::unique_ptr<THyperString> Interpret(const AnsiString& markup) {
        for (int i = 0; i < 16; ++i)
            Working[i]->Assign(*Numbered[i]);
        return InterpretMarkup(CompileMarkup(markup), *this);
    }

    THyperStyle Default;
    THyperIndex Index;
    std::array<std::unique_ptr<THyperStyle>, 16> Numbered, Working;
    std::vector<std::pair<int, AnsiString>> Links;
    std::vector<std::string> MacroCalls;
};

// The texts of the words, with '+' before a joined word.
std::string Words(const THyperString& s) {
    std::string out;
    for (const auto& w : s.Words)
        out += (w->Joined ? "+" : " ") + w->Text + "|";
    return out;
}

} // namespace

TEST(MarkupInterpreter, BuildsTheWorkedExample) {
    TTestHost host;
    const auto doc = host.Interpret("<down = 6> Space <down = 26><nbspc><p>");
    ASSERT_EQ(doc->Count(), 3);
    EXPECT_EQ(doc->Word(0)->Text, "Space");
    EXPECT_EQ(doc->Word(0)->ShiftY, 6);
    EXPECT_FALSE(doc->Word(0)->Joined) << "the leading space clears the join";
    EXPECT_EQ(doc->Word(1)->Text, " ");
    EXPECT_EQ(doc->Word(1)->ShiftY, 26);
    EXPECT_TRUE(doc->Word(1)->Joined);
    EXPECT_TRUE(doc->Word(1)->ParagraphEnd);
    EXPECT_EQ(doc->Word(0)->MinWidth, 17) << "the default font's pixel height";
}

TEST(MarkupInterpreter, JoinsWordsAsTheTextRunsSay) {
    TTestHost host;
    EXPECT_EQ(Words(*host.Interpret("a  b")), "+a| b|+|");
    EXPECT_EQ(Words(*host.Interpret("word<B>more")), "+word|+more|+|");
    EXPECT_EQ(Words(*host.Interpret("word <B> more")), "+word| more|+|");
    EXPECT_EQ(Words(*host.Interpret("a<nospace> b")), "+a|+b|+|");
    EXPECT_EQ(Words(*host.Interpret("a<TAB>b</TAB><TAB=3>")), "+a|+b|+        |+   |+|");
    EXPECT_EQ(Words(*host.Interpret("Gray<nbspc>Plus")), "+Gray|+ |+Plus|+|");
}

TEST(MarkupInterpreter, CarriesLinksHintsAndIndicesOnward) {
    TTestHost host;
    const auto doc = host.Interpret("<HINT=go there><A=7>x y</A> z<sub>2</sub> w");
    ASSERT_EQ(host.Links.size(), 1u);
    EXPECT_EQ(host.Links[0], std::make_pair(7, AnsiString("go there")));
    EXPECT_EQ(doc->Word(0)->LinkId, 7);
    EXPECT_EQ(doc->Word(1)->LinkId, 7);
    EXPECT_EQ(doc->Word(2)->Text, "z");
    EXPECT_EQ(doc->Word(2)->LinkId, -1);
    EXPECT_EQ(doc->Word(2)->Hint, "go there") << "hints carry on until reset";
    EXPECT_EQ(doc->Word(3)->IndexKind, 1);
    EXPECT_EQ(doc->Word(3)->IndexBase, 17);
    EXPECT_TRUE(doc->Word(3)->Joined);
    EXPECT_EQ(doc->Word(4)->IndexKind, 0);
}

TEST(MarkupInterpreter, AppliesStyleRecordsToTheCurrentWord) {
    TTestHost host;
    const auto doc = host.Interpret(
        "<B><COLOR=#0000FF><SIZE=150%><ALIGN=right>a</B></COLOR></SIZE></ALIGN>b"
        "<BACKGROUND=yellow><RGBGREEN=50%>c<MARGIN=200%><FONT=Arial><FONTHEIGHT=20>d");
    const THyperStyle& a = *doc->Word(0)->Style;
    EXPECT_TRUE(a.Font()->Style().Contains(fsBold));
    EXPECT_EQ(a.Font()->Color(), 0x0000FF);
    EXPECT_EQ(a.Font()->Size(), 19);
    EXPECT_EQ(a.Alignment(), haRight);
    const THyperStyle& b = *doc->Word(1)->Style;
    EXPECT_FALSE(b.Font()->Style().Contains(fsBold));
    EXPECT_EQ(b.Font()->Color(), host.Default.Font()->Color());
    EXPECT_EQ(b.Font()->Size(), 13);
    EXPECT_EQ(b.Alignment(), haLeft);
    const THyperStyle& c = *doc->Word(2)->Style;
    EXPECT_TRUE(c.Background());
    EXPECT_EQ(c.BackColor(), 0x007FFF) << "yellow with green halved";
    const THyperStyle& d = *doc->Word(3)->Style;
    EXPECT_EQ(d.Margin(), 34);
    EXPECT_EQ(d.Font()->Name(), "Arial");
    EXPECT_EQ(d.Font()->Height(), -20);
}

// DEFAULT as a colour value compiles to the colour clDefault, which is no
// colour to paint with: like the closing tag it restores the default style's
// colour, and for the background its switch as well.
TEST(MarkupInterpreter, DefaultColoursRestoreTheDefaultStyleAsClosingTagsDo) {
    TTestHost host;
    host.Default.Font()->SetColor(clNavy);
    host.Default.SetLinkColor(clTeal);
    host.Default.SetBackColor(clBtnFace);
    const std::string set = "<BACKGROUND=#00FF00><COLOR=red><LINKCOLOR=#FF00FF>";
    for (const char* restore : {"<BACKGROUND=DEFAULT><COLOR=DEFAULT><LINKCOLOR=DEFAULT>",
                                "<BACKGROUND=clDefault><COLOR=cldefault><LINKCOLOR=Default>",
                                "</BACKGROUND></COLOR></LINKCOLOR>"}) {
        const auto doc =
            host.Interpret(set + "a " + restore + "b<STYLE1>" + set + restore + "</STYLE1>");
        const THyperStyle& a = *doc->Word(0)->Style;
        ASSERT_TRUE(a.Background());
        ASSERT_EQ(a.LinkColor(), clFuchsia);
        const THyperStyle* restored[] = {doc->Word(1)->Style.get(), &host.WorkingStyle(1)};
        for (const THyperStyle* style : restored) {
            EXPECT_FALSE(style->Background()) << restore;
            EXPECT_EQ(style->BackColor(), clBtnFace) << restore;
            EXPECT_EQ(style->Font()->Color(), clNavy) << restore;
            EXPECT_EQ(style->LinkColor(), clTeal) << restore;
        }
    }
}

// The restored colour is the one RGBRED, RGBGREEN and RGBBLUE then edit, and
// a default style with a background gets it back.
TEST(MarkupInterpreter, RestoredColoursAreEditedByteWiseAndKeepTheDefaultBackground) {
    TTestHost host;
    host.Default.Font()->SetColor(clNavy);
    host.Default.SetBackground(true);
    host.Default.SetBackColor(clYellow);
    const auto doc = host.Interpret("<COLOR=red>a <COLOR=DEFAULT><RGBRED=255>b "
                                    "<BACKGROUND=lime>c <BACKGROUND=DEFAULT>d "
                                    "<BACKGROUND=lime></BACKGROUND>e <BACKGROUND=DEFAULT>"
                                    "<RGBGREEN=50%>f");
    EXPECT_EQ(doc->Word(1)->Style->Font()->Color(), 0x8000FF) << "navy with full red";
    for (int i : {3, 4}) {
        const THyperStyle& style = *doc->Word(i)->Style;
        EXPECT_TRUE(style.Background()) << doc->Word(i)->Text;
        EXPECT_EQ(style.BackColor(), clYellow) << doc->Word(i)->Text;
    }
    EXPECT_EQ(doc->Word(5)->Style->BackColor(), 0x007FFF) << "yellow with green halved";
}

TEST(MarkupInterpreter, StyleBlocksChangeOnlyTheWorkingStyle) {
    TTestHost host;
    int notified = 0;
    host.Numbered[3]->OnChange = [&](TObject*) { ++notified; };
    const auto doc = host.Interpret("<STYLE3><B><HINT=ignored></STYLE3>text<STYLE=STYLE3>more");
    EXPECT_FALSE(doc->Word(0)->Style->Font()->Style().Contains(fsBold));
    EXPECT_TRUE(doc->Word(1)->Style->Font()->Style().Contains(fsBold));
    EXPECT_EQ(doc->Word(0)->Hint, "") << "word attributes are skipped inside a block";
    EXPECT_FALSE(host.Numbered[3]->Font()->Style().Contains(fsBold));
    EXPECT_EQ(notified, 0);
}

// Words share one style object until a style record changes the current
// word's: the change never reaches the words before it.
TEST(MarkupInterpreter, WordsShareTheirStyleUntilOneChangesIt) {
    TTestHost host;
    const auto doc = host.Interpret("one two <b>three <a=2>four</a></b> five <style=style0>six");
    ASSERT_GE(doc->Count(), 7);
    const auto style = [&](int i) { return doc->Word(i)->Style.get(); };
    EXPECT_EQ(style(0), style(1));
    EXPECT_EQ(style(2), style(3)) << "a link is not a style change";
    EXPECT_NE(style(1), style(2));
    EXPECT_NE(style(4), style(2));
    EXPECT_FALSE(style(1)->Font()->Style().Contains(fsBold));
    EXPECT_TRUE(style(3)->Font()->Style().Contains(fsBold));
    EXPECT_FALSE(style(4)->Font()->Style().Contains(fsBold));
    EXPECT_NE(style(5), style(4));
    EXPECT_EQ(style(4)->Font()->Name(), "Times New Roman");
}

TEST(MarkupInterpreter, OwnStyleCopiesASharedStyleOnce) {
    THyperWord first;
    first.OwnStyle().SetInterval(3);
    THyperWord second(&first);
    EXPECT_EQ(second.Style, first.Style);
    THyperStyle& own = second.OwnStyle();
    own.SetInterval(9);
    EXPECT_EQ(first.Style->Interval(), 3);
    EXPECT_EQ(second.Style->Interval(), 9);
    EXPECT_EQ(&second.OwnStyle(), &own) << "an unshared style is changed in place";
}

TEST(MarkupInterpreter, NestsAndClosesSideBoxes) {
    TTestHost host;
    const auto doc =
        host.Interpret("a<leftborder=70>b<rightborder=50%>c</leftborder>d</rightborder>e"
                       "</leftborder>f</rightborder>");
    // a | anchor(box) | f ... : the words after the box continue in the root
    ASSERT_GE(doc->Count(), 3);
    EXPECT_TRUE(doc->Word(0)->LineBreak);
    THyperBorder* box = doc->Word(1)->Border.get();
    ASSERT_NE(box, nullptr);
    EXPECT_EQ(box->Side, 1);
    EXPECT_EQ(box->Width, 70);
    EXPECT_EQ(box->Content->Parent, doc.get());
    EXPECT_EQ(box->Content->Word(0)->Text, "b");
    THyperBorder* inner = box->Content->Word(1)->Border.get();
    ASSERT_NE(inner, nullptr);
    EXPECT_EQ(inner->Side, 2);
    EXPECT_EQ(inner->Width, 380);
    EXPECT_EQ(Words(*inner->Content), " c|+d|+|")
        << "</leftborder> inside a right box does nothing";
    EXPECT_EQ(Words(*box->Content), " b|+| e|+|") << "b, the inner anchor, e after the inner box";
    EXPECT_EQ(doc->Word(2)->Text, "f");
}

TEST(MarkupInterpreter, HandsMacrosToTheHost) {
    TTestHost host;
    auto doc = host.Interpret("x<MACROS=box> 1;2; a.bmp </MACROS>y<MACROS=gone>body</MACROS>z");
    // The closing tags find no object on the current word: an object word is
    // followed by a fresh word, and an object without a kind is dropped.
    ASSERT_EQ(host.MacroCalls.size(), 2u);
    EXPECT_EQ(host.MacroCalls[0], "+box: 1;2;  a.bmp ");
    EXPECT_EQ(host.MacroCalls[1], "+gone:body");
    EXPECT_EQ(Words(*doc), "+x|+| y|+z|+|") << "the word after an object may break";
    ASSERT_NE(doc->Word(1)->Macros, nullptr);
    EXPECT_EQ(doc->Word(1)->Macros->Width, 10);
    EXPECT_EQ(doc->Word(3)->Macros, nullptr) << "an object without a size leaves no word";

    host.MacroCalls.clear();
    doc = host.Interpret("<MACROS=show>shown text</MACROS>");
    EXPECT_EQ(Words(*doc), "+shown| text|+|") << "a body the host does not consume is text";
}

TEST(MarkupInterpreter, MeasuresShiftsAndWidths) {
    TTestHost host;
    const auto doc =
        host.Interpret("</LEFT>ab</RIGHT>c<DOWN=10%></UP>d<WIDTH=50%>e</WIDTH></HEIGHT>f");
    EXPECT_EQ(doc->Word(0)->ShiftX, 0) << "nothing before any word";
    EXPECT_EQ(doc->Word(1)->ShiftX, 14) << "the width of the previous word";
    EXPECT_EQ(doc->Word(2)->ShiftY, -17);
    EXPECT_EQ(doc->Word(3)->MinWidth, 381);
    EXPECT_EQ(doc->Word(4)->MinWidth, 7);
    EXPECT_EQ(doc->Word(4)->LineHeight, 17);
}

TEST(MarkupInterpreter, ArbitraryRecordsDoNotCrash) {
    TTestHost host;
    std::vector<uint8_t> records;
    unsigned seed = 99;
    for (int i = 0; i < 100000; ++i) {
        seed = seed * 1103515245u + 12345u;
        const uint8_t pick = static_cast<uint8_t>(seed >> 16);
        records.push_back(i % 3 == 0 ? "C+-#%"[pick % 5] : pick % 70);
    }
    const auto doc = InterpretMarkup(records, host);
    EXPECT_GE(doc->Count(), 1);
}
