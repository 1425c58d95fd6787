// The main window's designed layout, its toolbar and the toolbar pictures.
#include "ViewerTestSupport.h"
#include "platform/widgets/BevelPanel.h"
#include "platform/widgets/Gauge.h"
#include "platform/widgets/WidgetPalette.h"
#include "viewer/ToolbarPictures.h"
#include "viewer/Viewpage.h"

#include <QLabel>
#include <QMenu>
#include <gtest/gtest.h>
#include <map>
#include <set>

namespace {

class MainWindow : public ::testing::Test {
protected:
    void SetUp() override {
        Folder.WriteBook("data/TextBook.plb", "Книга");
        Page = std::make_unique<TfrmPage>(Folder.ExeName());
    }

    // The buttons that belong together, left to right; a separator parts
    // two groups.
    std::vector<std::vector<TToolButton*>> Groups() const {
        const TfrmPage& p = *Page;
        return {{p.tbFirst, p.tbPrev, p.tbMark, p.tbNext, p.tbLast},
                {p.tbAcross},
                {p.tbBackward, p.tbForward},
                {p.tbBookMarks},
                {p.tbContents},
                {p.tbZoomOut, p.tbZoomIn},
                {p.tbShowHints, p.tbButtonSize, p.tbInformation},
                {p.tbExit}};
    }

    // The row at one button size: from the bar's left edge, no overlaps, no
    // gap inside a group, equal separators between groups, within the bar's
    // width; every button Size square (drop-downs wider by their arrow)
    // showing its picture at PictureSize.
    void ExpectButtonRow(int Size, int PictureSize) const {
        int end = 0;
        int separator = 0;
        for (const auto& group : Groups())
            for (const TToolButton* b : group) {
                SCOPED_TRACE(b->objectName().toStdString());
                const QRect r = b->geometry();
                const int arrow = b->Style() == tbsDropDown ? TToolBar::DropDownWidth : 0;
                EXPECT_EQ(r.size(), QSize(Size + arrow, Size));
                EXPECT_EQ(r.top(), 0);
                if (b == group.front() && end > 0) {
                    EXPECT_GT(r.left(), end) << "a separator before a new group";
                    if (separator == 0) separator = r.left() - end;
                    EXPECT_EQ(r.left() - end, separator) << "separators of one width";
                } else {
                    EXPECT_EQ(r.left(), end) << "buttons of a group touch";
                }
                end = r.left() + r.width();
                EXPECT_EQ(b->iconSize(), QSize(PictureSize, PictureSize));
            }
        EXPECT_LE(end, Page->tbNavigatorBar->width()) << "the row fits the bar";
    }

    TProgramFolder Folder;
    std::unique_ptr<TfrmPage> Page;
};

TEST_F(MainWindow, DesignedLayout) {
    TfrmPage& p = *Page;
    EXPECT_EQ(p.size(), QSize(772, 523));
    EXPECT_EQ(p.font().family(), QStringLiteral("Tahoma"));
    EXPECT_EQ(p.font().pixelSize(), 11);
    EXPECT_TRUE(p.KeyPreview());
    // Docked: the status bar along the bottom, the navigator bar right above
    // it, the text panel in the rest.
    const QRect status = p.pnlStatusBar->geometry();
    const QRect navigator = p.pnlNavigatorBar->geometry();
    EXPECT_EQ(status.bottomLeft(), QPoint(0, p.height() - 1));
    EXPECT_EQ(status.width(), p.width());
    EXPECT_EQ(navigator.width(), p.width());
    EXPECT_EQ(navigator.bottom() + 1, status.top());
    EXPECT_EQ(p.pnlTextPanel->geometry(), QRect(0, 0, p.width(), navigator.top()));
    EXPECT_EQ(p.pnlTextPanel->BevelOuter(), bvNone);
    EXPECT_FALSE(p.pnlTextPanel->Color().isValid()); // the window's colour
    for (TBevelPanel* bar : {p.pnlNavigatorBar, p.pnlStatusBar}) {
        EXPECT_EQ(bar->BevelOuter(), bvRaised);
        EXPECT_EQ(bar->BevelInner(), bvLowered);
    }
    EXPECT_EQ(p.tbNavigatorBar->parentWidget(), p.pnlNavigatorBar);
    EXPECT_TRUE(p.pnlNavigatorBar->rect().contains(p.tbNavigatorBar->geometry()));
    EXPECT_EQ(p.lblHints->text(), QStringLiteral("Готово"));
    EXPECT_TRUE(p.pnlStatusBar->rect().contains(p.lblHints->geometry()));
    EXPECT_TRUE(p.pnlVideoPanel->isHidden());
    EXPECT_EQ(p.pnlVideoPanel->Color(), QColor(Qt::black));
    EXPECT_EQ(p.pnlProgressBox->BevelInner(), bvRaised);
    for (QWidget* part : {static_cast<QWidget*>(p.lblWait), static_cast<QWidget*>(p.cgGauge)})
        EXPECT_TRUE(p.pnlProgressBox->rect().contains(part->geometry()))
            << part->objectName().toStdString();
    EXPECT_TRUE(p.lblWait->alignment() & Qt::AlignHCenter);
    EXPECT_EQ(p.cgGauge->ForeColor(), WidgetPalette::Highlight());
    for (const TImageList* list : {p.ilSmallImages.get(), p.ilLargeImages.get()}) {
        EXPECT_EQ(list->Count(), ToolbarPictureCount);
        EXPECT_EQ(list->BkColor(), WidgetPalette::Fuchsia());
    }
}

TEST_F(MainWindow, SixteenButtonsInGroupsLeftToRight) {
    const auto& buttons = Page->tbNavigatorBar->Buttons();
    ASSERT_EQ(buttons.size(), 16u);
    std::vector<TToolButton*> grouped;
    for (const auto& group : Groups())
        grouped.insert(grouped.end(), group.begin(), group.end());
    EXPECT_EQ(buttons, grouped) << "every button in its place";
    std::set<QString> names;
    for (size_t i = 0; i < buttons.size(); ++i) {
        SCOPED_TRACE(i);
        EXPECT_EQ(buttons[i]->ImageIndex(), static_cast<int>(i)) << "its own picture";
        // The list's size, and twice it for dense screens.
        EXPECT_EQ(buttons[i]->icon().availableSizes(),
                  (QList<QSize>{QSize(16, 16), QSize(32, 32)}));
        EXPECT_FALSE(buttons[i]->Down());
        names.insert(buttons[i]->objectName());
    }
    EXPECT_EQ(names.size(), buttons.size()) << "names tell the buttons apart";
    ExpectButtonRow(23, 16);
}

TEST_F(MainWindow, ToggleAndDropDownButtons) {
    const TfrmPage& p = *Page;
    const std::set<const TToolButton*> toggles{p.tbMark, p.tbAcross, p.tbShowHints, p.tbButtonSize};
    const std::map<const TToolButton*, QMenu*> menus{{p.tbBackward, p.pmBackwardMenu},
                                                     {p.tbForward, p.pmForwardMenu},
                                                     {p.tbBookMarks, p.pmBookMarksMenu}};
    for (const TToolButton* b : p.tbNavigatorBar->Buttons()) {
        SCOPED_TRACE(b->objectName().toStdString());
        const auto menu = menus.find(b);
        const TToolButtonStyle style = toggles.count(b)      ? tbsCheck
                                       : menu != menus.end() ? tbsDropDown
                                                             : tbsButton;
        EXPECT_EQ(b->Style(), style);
        EXPECT_EQ(b->menu(), menu == menus.end() ? nullptr : menu->second);
    }
    // The bookmark button can be released again.
    EXPECT_TRUE(p.tbMark->Grouped);
    EXPECT_TRUE(p.tbMark->AllowAllUp);
}

TEST_F(MainWindow, EveryButtonHasItsOwnHintThatPopsUpOnlyWhenSwitchedOn) {
    TToolBar& bar = *Page->tbNavigatorBar;
    std::set<QString> hints;
    for (const TToolButton* b : bar.Buttons()) {
        SCOPED_TRACE(b->objectName().toStdString());
        EXPECT_FALSE(GetShortHint(b->Hint()).trimmed().isEmpty());
        EXPECT_FALSE(GetLongHint(b->Hint()).trimmed().isEmpty());
        EXPECT_TRUE(b->toolTip().isEmpty()) << "pop-up hints start switched off";
        hints.insert(b->Hint());
    }
    EXPECT_EQ(hints.size(), bar.Buttons().size()) << "no two buttons share a hint";

    bar.SetShowHint(true);
    for (const TToolButton* b : bar.Buttons())
        EXPECT_EQ(b->toolTip(), GetShortHint(b->Hint())) << b->objectName().toStdString();
    EXPECT_EQ(GetShortHint(Page->tbFirst->Hint()), QStringLiteral("В начало"));
    EXPECT_EQ(GetLongHint(Page->tbFirst->Hint()),
              QStringLiteral("Перейти к началу раздела (Ctrl+Left)"));
    bar.SetShowHint(false);
    for (const TToolButton* b : bar.Buttons())
        EXPECT_TRUE(b->toolTip().isEmpty()) << b->objectName().toStdString();
}

TEST_F(MainWindow, LargeButtonsKeepTheRowInOrder) {
    TToolBar& bar = *Page->tbNavigatorBar;
    bar.SetImages(Page->ilLargeImages.get());
    bar.SetButtonSize(29, 29);
    ExpectButtonRow(29, 24);
    for (const TToolButton* b : bar.Buttons())
        EXPECT_EQ(b->icon().availableSizes(), (QList<QSize>{QSize(24, 24), QSize(48, 48)}))
            << b->objectName().toStdString();
}

TEST(ToolbarPictures, SixteenDistinctPicturesOnFuchsia) {
    const QRgb fuchsia = WidgetPalette::Fuchsia().rgb();
    for (int size : {16, 24}) {
        std::set<QByteArray> seen;
        for (int i = 0; i < ToolbarPictureCount; ++i) {
            SCOPED_TRACE(testing::Message() << "picture " << i << " at " << size);
            const QImage picture = ToolbarPicture(i, size);
            ASSERT_EQ(picture.size(), QSize(size, size));
            EXPECT_FALSE(picture.hasAlphaChannel());
            int drawn = 0;
            for (int y = 0; y < size; ++y)
                for (int x = 0; x < size; ++x)
                    drawn += picture.pixel(x, y) != fuchsia;
            // Something recognisable, not a filled square.
            EXPECT_GT(drawn, size * size / 6);
            EXPECT_LT(drawn, size * size * 9 / 10);
            EXPECT_EQ(picture.pixel(0, 0), fuchsia);
            seen.insert(QByteArray(reinterpret_cast<const char*>(picture.constBits()),
                                   picture.sizeInBytes()));
        }
        EXPECT_EQ(seen.size(), 16u);
    }
    EXPECT_TRUE(ToolbarPicture(16, 16).isNull());
    EXPECT_TRUE(ToolbarPicture(-1, 16).isNull());
}

TEST(ToolbarPictures, ForwardPicturesMirrorTheBackwardOnes) {
    const QRgb fuchsia = WidgetPalette::Fuchsia().rgb();
    for (int size : {16, 24})
        for (auto [back, forth] : {std::pair{0, 4}, {1, 3}, {6, 7}}) {
            const QImage a = ToolbarPicture(back, size);
            const QImage b = ToolbarPicture(forth, size).mirrored(true, false);
            int differ = 0; // edge pixels may round differently
            for (int y = 0; y < size; ++y)
                for (int x = 0; x < size; ++x)
                    differ += (a.pixel(x, y) == fuchsia) != (b.pixel(x, y) == fuchsia);
            EXPECT_LE(differ, size / 2) << back << " and " << forth << " at " << size;
        }
}

} // namespace
