#include "HyperControlTestControl.h"

#include <gtest/gtest.h>

namespace {

std::vector<int32_t> Ids(const THyperLink* chain) {
    std::vector<int32_t> ids;
    for (; chain; chain = chain->Next())
        ids.push_back(chain->Id());
    return ids;
}

} // namespace

TEST(HyperLink, AddKeepsIdsUniqueInOrderOfFirstRegistration) {
    THyperLink chain(1, "one");
    EXPECT_EQ(chain.Add(2, "two")->Id(), 2);
    EXPECT_EQ(chain.Add(3, "three")->Id(), 3);
    THyperLink* again = chain.Add(2, "TWO");
    EXPECT_EQ(again, chain.Next());
    EXPECT_EQ(again->Hint(), "TWO");
    EXPECT_EQ(Ids(&chain), (std::vector<int32_t>{1, 2, 3}));
    EXPECT_EQ(chain.Add(1, "uno"), &chain);
    EXPECT_EQ(chain.Hint(), "uno");
    chain.DeleteAll();
    EXPECT_EQ(chain.Next(), nullptr);
    EXPECT_EQ(chain.Id(), 1);
}

TEST(HyperLink, RectangleSlotsAreReusedAndSetTheOrigin) {
    THyperLink link(1, "");
    EXPECT_EQ(link.OriginX(), -1);
    EXPECT_EQ(link.OriginY(), -1);
    link.AddRect(10, 20, 30, 40);
    link.AddRect(50, 60, 70, 80);
    EXPECT_EQ(link.OriginX(), 10);
    EXPECT_EQ(link.OriginY(), 20);
    EXPECT_EQ(link.RectsInUse(), 2);

    link.SetRectsInUse(0); // a new layout pass
    link.AddRect(1, 2, 3, 4);
    ASSERT_EQ(link.Rects().size(), 2u);
    EXPECT_EQ(link.Rects()[0], Rect(1, 2, 3, 4));
    EXPECT_EQ(link.Rects()[1], Rect(50, 60, 70, 80)) << "the slot beyond 'in use' stays";
    EXPECT_EQ(link.OriginX(), 1);
    EXPECT_EQ(link.RectsInUse(), 1);
    EXPECT_EQ(link.Find(60, 70), &link) << "every slot is hit-tested";

    link.ClearRects();
    EXPECT_TRUE(link.Rects().empty());
    EXPECT_EQ(link.RectsInUse(), 0);
    EXPECT_EQ(link.OriginX(), 1) << "the origin outlives ClearRects";
    EXPECT_EQ(link.Find(2, 3), nullptr);
}

TEST(HyperLink, FindIncludesAllEdgesAndPrefersTheFirstRegistered) {
    THyperLink chain(1, "a");
    chain.AddRect(10, 10, 20, 20);
    THyperLink* second = chain.Add(2, "b");
    second->AddRect(15, 15, 40, 40);
    EXPECT_EQ(chain.Find(10, 10), &chain);
    EXPECT_EQ(chain.Find(20, 20), &chain) << "right and bottom edges are inside";
    EXPECT_EQ(chain.Find(18, 18), &chain) << "overlap: the first registered wins";
    EXPECT_EQ(chain.Find(21, 20), second);
    EXPECT_EQ(chain.Find(40, 40), second);
    EXPECT_EQ(chain.Find(41, 40), nullptr);
    EXPECT_EQ(chain.Find(9, 15), nullptr);
    EXPECT_EQ(second->Find(12, 12), nullptr) << "the search starts at the link asked";
}

TEST(HyperLink, AssignCopiesTheLinkButNotTheChain) {
    THyperLink source(5, "hint");
    source.AddRect(3, 4, 5, 6);
    source.AddRect(7, 8, 9, 10);
    source.Add(6, "next");
    THyperLink copy(9, "old");
    copy.AddRect(0, 0, 1, 1);
    copy.Add(10, "mine");
    copy.Assign(source);
    EXPECT_EQ(copy.Id(), 5);
    EXPECT_EQ(copy.Hint(), "hint");
    EXPECT_EQ(copy.Rects(), source.Rects());
    EXPECT_EQ(copy.RectsInUse(), 2);
    EXPECT_EQ(copy.OriginX(), 3);
    EXPECT_EQ(copy.OriginY(), 4);
    EXPECT_EQ(Ids(&copy), (std::vector<int32_t>{5, 10}));
}

// Freeing a chain link by link recursively would overflow the stack here.
TEST(HyperLink, FreeingALongChainDoesNotCrash) {
    auto chain = std::make_unique<THyperLink>(0, "");
    THyperLink* last = chain.get();
    for (int i = 1; i < 200000; ++i)
        last = last->Add(i, "");
    chain.reset();
}

TEST(HyperControl, ReRegisteringOverwritesRectanglesFromTheFirst) {
    QWidget parent;
    TTestHyper control(&parent);
    THyperLink* a = control.AddHyperLink(7, "first");
    a->AddRect(0, 0, 10, 10);
    a->AddRect(20, 0, 30, 10);
    control.AddHyperLink(8, "other")->AddRect(50, 50, 60, 60);
    THyperLink* again = control.AddHyperLink(7, "second");
    EXPECT_EQ(again, a);
    EXPECT_EQ(control.CurrentLink(), a);
    again->AddRect(100, 100, 110, 110);
    EXPECT_EQ(a->Rects()[0], Rect(100, 100, 110, 110));
    EXPECT_EQ(a->Hint(), "second");
    EXPECT_EQ(a->OriginX(), 100);
    EXPECT_EQ(Ids(control.Links()), (std::vector<int32_t>{7, 8}));
    control.ClearHyperLinks();
    EXPECT_EQ(control.Links(), nullptr);
    THyperLink probe(1, "");
    EXPECT_FALSE(control.CheckLink(5, 5, probe));
}

TEST(HyperControl, CheckLinkScalesToTheRealSize) {
    QWidget parent;
    TTestHyper control(&parent);
    control.SetRealSize(200, 100);
    control.AddHyperLink(3, "h")->AddRect(40, 20, 60, 30);
    THyperLink link(99, "x");
    EXPECT_TRUE(control.CheckLink(50, 25, link));
    EXPECT_EQ(link.Id(), 3);
    EXPECT_EQ(link.Hint(), "h");
    EXPECT_EQ(link.OriginX(), 40);
    EXPECT_FALSE(control.CheckLink(10, 10, link));
    EXPECT_EQ(link.Id(), 0);

    control.SetStretch(true);
    control.SetBoundsRect(Bounds(0, 0, 400, 200));
    ASSERT_EQ(control.Width(), 400);
    EXPECT_EQ(control.RealWidth(), 200);
    EXPECT_TRUE(control.CheckLink(100, 50, link)) << "control (100, 50) is real (50, 25)";
    EXPECT_EQ(link.Id(), 3);
    EXPECT_EQ(link.OriginX(), 80) << "the origin in control coordinates";
    EXPECT_EQ(link.OriginY(), 40);
    EXPECT_EQ(link.Rects()[0], Rect(40, 20, 60, 30)) << "rectangles stay real";
    EXPECT_TRUE(control.CheckLink(121, 61, link)) << "(60, 30) is on the edge";
    EXPECT_FALSE(control.CheckLink(122, 62, link));
    EXPECT_FALSE(control.CheckLink(400, 50, link)) << "X = Width is outside";
    EXPECT_FALSE(control.CheckLink(-1, 50, link));
}

TEST(HyperControl, GetLinksCopiesWithOffsetAndKeepsTheTargetChain) {
    QWidget parent;
    TTestHyper picture(&parent);
    picture.AddHyperLink(1, "one")->AddRect(0, 0, 10, 10);
    THyperLink* two = picture.AddHyperLink(2, "two");
    two->AddRect(20, 0, 30, 10);
    two->AddRect(40, 0, 50, 10);

    std::unique_ptr<THyperLink> target;
    picture.GetLinks(100, 200, target, nullptr);
    ASSERT_TRUE(target);
    EXPECT_EQ(Ids(target.get()), (std::vector<int32_t>{1, 2}));
    EXPECT_EQ(target->Rects()[0], Rect(100, 200, 110, 210));
    EXPECT_EQ(target->Next()->Rects()[1], Rect(140, 200, 150, 210));
    EXPECT_EQ(target->Next()->OriginX(), 120);

    // A page chain holding id 2 before its own link 9: the copy replaces
    // link 2's hint and rectangles in place; link 9 stays after it.
    std::unique_ptr<THyperLink> page = std::make_unique<THyperLink>(2, "page");
    page->AddRect(0, 0, 5, 5);
    page->Add(9, "nine")->AddRect(60, 60, 70, 70);
    picture.GetLinks(1, 1, page, nullptr);
    EXPECT_EQ(Ids(page.get()), (std::vector<int32_t>{2, 9, 1}));
    EXPECT_EQ(page->Hint(), "two");
    EXPECT_EQ(page->Rects(), (std::vector<TRect>{Rect(21, 1, 31, 11), Rect(41, 1, 51, 11)}));
    EXPECT_EQ(page->Next()->Rects()[0], Rect(60, 60, 70, 70));

    // Repeated merges (one per paint) leave one copy per id.
    picture.GetLinks(1, 1, page, nullptr);
    EXPECT_EQ(Ids(page.get()), (std::vector<int32_t>{2, 9, 1}));
    EXPECT_EQ(page->Rects().size(), 2u);

    // An explicit source chain.
    std::unique_ptr<THyperLink> other;
    picture.GetLinks(0, 0, other, page->Next());
    EXPECT_EQ(Ids(other.get()), (std::vector<int32_t>{9, 1}));
}

TEST(HyperControl, HyperStateAcceptsOnlyItsSixValues) {
    QWidget parent;
    TTestHyper control(&parent);
    EXPECT_EQ(control.HyperState(), hsReady);
    control.SetHyperState(5);
    EXPECT_EQ(control.HyperState(), hsAssigning);
    control.SetHyperState(6);
    control.SetHyperState(-1);
    EXPECT_EQ(control.HyperState(), hsAssigning);
    control.SetHyperState(0);
    EXPECT_EQ(control.HyperState(), hsReady);
}
