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
#include <set>

namespace {

class MainWindow : public ::testing::Test {
protected:
    void SetUp() override {
        Folder.WriteBook("data/TextBook.plb", "Книга");
        Page = std::make_unique<TfrmPage>(Folder.ExeName());
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
    EXPECT_EQ(p.pnlStatusBar->geometry(), QRect(0, 523 - 19, 772, 19));
    EXPECT_EQ(p.pnlNavigatorBar->geometry(), QRect(0, 523 - 19 - 31, 772, 31));
    EXPECT_EQ(p.pnlTextPanel->geometry(), QRect(0, 0, 772, 523 - 19 - 31));
    EXPECT_EQ(p.pnlTextPanel->BevelOuter(), bvNone);
    EXPECT_FALSE(p.pnlTextPanel->Color().isValid()); // the window's colour
    for (TBevelPanel* bar : {p.pnlNavigatorBar, p.pnlStatusBar}) {
        EXPECT_EQ(bar->BevelOuter(), bvRaised);
        EXPECT_EQ(bar->BevelInner(), bvLowered);
    }
    EXPECT_EQ(p.tbNavigatorBar->geometry(), QRect(4, 4, 600, 23));
    EXPECT_EQ(p.tbNavigatorBar->parentWidget(), p.pnlNavigatorBar);
    EXPECT_EQ(p.lblHints->text(), QStringLiteral("Готово"));
    EXPECT_EQ(p.lblHints->pos(), QPoint(4, 2));
    EXPECT_TRUE(p.pnlVideoPanel->isHidden());
    EXPECT_EQ(p.pnlVideoPanel->geometry(), QRect(32, 28, 185, 41));
    EXPECT_EQ(p.pnlVideoPanel->Color(), QColor(Qt::black));
    EXPECT_EQ(p.pnlProgressBox->BevelInner(), bvRaised);
    EXPECT_EQ(p.lblWait->geometry(), QRect(2, 16, 316, 13));
    EXPECT_TRUE(p.lblWait->alignment() & Qt::AlignHCenter);
    EXPECT_EQ(p.cgGauge->geometry(), QRect(45, 40, 229, 21));
    EXPECT_EQ(p.cgGauge->ForeColor(), WidgetPalette::Highlight());
    EXPECT_EQ(p.ilSmallImages->Count(), 16);
    EXPECT_EQ(p.ilLargeImages->Count(), 16);
    EXPECT_EQ(p.ilSmallImages->Width(), 16);
    EXPECT_EQ(p.ilLargeImages->Height(), 24);
    EXPECT_EQ(p.ilSmallImages->BkColor(), WidgetPalette::Fuchsia());
}

TEST_F(MainWindow, ToolbarButtonsInOrder) {
    struct Expected {
        const char* Name;
        TToolButtonStyle Style;
        const char* Hint;
    };
    const Expected expected[] = {
        {"tbFirst", tbsButton, "В начало|Перейти к началу раздела (Ctrl+Left)"},
        {"tbPrev", tbsButton, "Назад|Перейти к предыдущей странице (Left)"},
        {"tbMark", tbsCheck, "Закладка|Переключить закладку (Space)"},
        {"tbNext", tbsButton, "Вперед|Перейти к следующей странице (Right)"},
        {"tbLast", tbsButton, "В конец|Перейти к концу раздела (Ctrl+Right)"},
        {"tbAcross", tbsCheck, "Сквозное пролистывание"},
        {"tbBackward", tbsDropDown, "Назад|Назад (PgUp)"},
        {"tbForward", tbsDropDown, "Вперед|Вперед (PgDn)"},
        {"tbBookMarks", tbsDropDown, "Перейти к закладке"},
        {"tbContents", tbsButton, "Содержание|Перейти к содержанию (Esc)"},
        {"tbZoomOut", tbsButton, "Уменьшить|Уменьшить размер окна (Gray Minus)"},
        {"tbZoomIn", tbsButton, "Увеличить|Увеличить размер окна (Gray Plus)"},
        {"tbShowHints", tbsCheck, "Подсказки|Показывать всплывающие подсказки"},
        {"tbButtonSize", tbsCheck, "Размер кнопок|Изменить размер кнопок"},
        {"tbInformation", tbsButton, "Информация|Краткая информация о программе (F1)"},
        {"tbExit", tbsButton, "Выход|Выход из учебника (Alt+F4)"},
    };
    const auto& buttons = Page->tbNavigatorBar->Buttons();
    ASSERT_EQ(buttons.size(), 16u);
    for (int i = 0; i < 16; ++i) {
        SCOPED_TRACE(expected[i].Name);
        const TToolButton* b = buttons[static_cast<size_t>(i)];
        EXPECT_EQ(b->objectName(), QString::fromUtf8(expected[i].Name));
        EXPECT_EQ(b->Style(), expected[i].Style);
        EXPECT_EQ(b->ImageIndex(), i);
        EXPECT_EQ(b->Hint(), QString::fromUtf8(expected[i].Hint));
        EXPECT_FALSE(b->Down());
        EXPECT_TRUE(b->toolTip().isEmpty()); // pop-up hints start switched off
        EXPECT_FALSE(b->icon().isNull());
        EXPECT_EQ(b->height(), 23);
    }
    EXPECT_TRUE(Page->tbMark->Grouped);
    EXPECT_TRUE(Page->tbMark->AllowAllUp);
    EXPECT_EQ(Page->tbBackward->menu(), Page->pmBackwardMenu);
    EXPECT_EQ(Page->tbForward->menu(), Page->pmForwardMenu);
    EXPECT_EQ(Page->tbBookMarks->menu(), Page->pmBookMarksMenu);

    // Separators of 8 pixels after buttons 4, 5, 7, 8, 9, 11 and 14.
    const int drop = 23 + TToolBar::DropDownWidth;
    EXPECT_EQ(Page->tbFirst->x(), 0);
    EXPECT_EQ(Page->tbAcross->x(), 5 * 23 + 8);
    EXPECT_EQ(Page->tbBackward->x(), 6 * 23 + 16);
    EXPECT_EQ(Page->tbBookMarks->x(), 6 * 23 + 2 * drop + 24);
    EXPECT_EQ(Page->tbContents->x(), 6 * 23 + 3 * drop + 32);
    EXPECT_EQ(Page->tbExit->x(), 12 * 23 + 3 * drop + 56);
    EXPECT_LE(Page->tbExit->geometry().right(), 600);
}

TEST_F(MainWindow, HintsPopUpOnlyWhenSwitchedOn) {
    Page->tbNavigatorBar->SetShowHint(true);
    EXPECT_EQ(Page->tbFirst->toolTip(), QStringLiteral("В начало"));
    EXPECT_EQ(Page->tbAcross->toolTip(), QStringLiteral("Сквозное пролистывание"));
    EXPECT_EQ(GetLongHint(Page->tbFirst->Hint()),
              QStringLiteral("Перейти к началу раздела (Ctrl+Left)"));
    Page->tbNavigatorBar->SetShowHint(false);
    EXPECT_TRUE(Page->tbFirst->toolTip().isEmpty());
}

TEST_F(MainWindow, LargeImagesResizeTheButtons) {
    TToolBar& bar = *Page->tbNavigatorBar;
    bar.SetImages(Page->ilLargeImages.get());
    bar.SetButtonSize(29, 29);
    EXPECT_EQ(Page->tbFirst->iconSize(), QSize(24, 24));
    EXPECT_EQ(Page->tbPrev->geometry(), QRect(29, 0, 29, 29));
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
