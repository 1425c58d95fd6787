// Painting of the page menus' items, checked pixel by pixel: the colours of
// each state, the embossed disabled text, the picture column with its check
// mark and the etched separator.
#include "viewer/MenuPainting.h"
#include "platform/base/Colors.h"
#include "platform/graphics/QtConvert.h"

#include <QPainter>
#include <climits>
#include <gtest/gtest.h>

namespace {

QColor System(TColor Color) {
    return ToQColor(ColorToRGB(Color));
}

const QColor Page(20, 30, 60);        // a dark page
const QColor PageText(250, 240, 150); // with light text
const QSize ItemSize(160, 20);

QImage Paint(const TMenuItemLook& Item, bool WindowEnabled = true) {
    QImage image(ItemSize, QImage::Format_RGB32);
    image.fill(Qt::magenta);
    QPainter painter(&image);
    QFont font(QStringLiteral("DejaVu Sans"));
    font.setPixelSize(11);
    font.setStyleStrategy(QFont::NoAntialias); // exact colours to count
    painter.setFont(font);
    DrawMenuItem(painter, QRect(QPoint(0, 0), ItemSize), Item, {Page, PageText, WindowEnabled});
    return image;
}

// The bounding box of the pixels of Colour (empty when there is none).
QRect PixelsOf(const QImage& Image, const QColor& Colour) {
    int left = INT_MAX, top = INT_MAX, right = -1, bottom = -1;
    for (int y = 0; y < Image.height(); ++y)
        for (int x = 0; x < Image.width(); ++x)
            if (Image.pixelColor(x, y) == Colour) {
                left = std::min(left, x);
                top = std::min(top, y);
                right = std::max(right, x);
                bottom = std::max(bottom, y);
            }
    return right < 0 ? QRect() : QRect(QPoint(left, top), QPoint(right, bottom));
}

TMenuItemLook Item(const char* Text, bool ImageColumn = false) {
    TMenuItemLook look;
    look.Text = QString::fromUtf8(Text);
    look.ImageColumn = ImageColumn;
    return look;
}

TEST(MenuPainting, EnabledItemInThePagesColours) {
    const QImage image = Paint(Item("&1 Начало"));
    EXPECT_EQ(image.pixelColor(0, 0), Page);
    EXPECT_EQ(image.pixelColor(ItemSize.width() - 1, ItemSize.height() - 1), Page);
    EXPECT_FALSE(PixelsOf(image, QColor(Qt::magenta)).isValid()) << "the whole item is filled";
    const QRect text = PixelsOf(image, PageText);
    ASSERT_TRUE(text.isValid());
    // After the one-pixel offset and the five-pixel gap, centred vertically.
    EXPECT_GE(text.left(), 6);
    EXPECT_LE(text.left(), 8);
    EXPECT_NEAR(text.center().y(), ItemSize.height() / 2, 2);
    EXPECT_FALSE(PixelsOf(image, System(clHighlight)).isValid());
}

TEST(MenuPainting, AcceleratorIsUnderlined) {
    const QRect plain = PixelsOf(Paint(Item("1 Начало")), PageText);
    const QRect marked = PixelsOf(Paint(Item("&1 Начало")), PageText);
    EXPECT_NEAR(marked.left(), plain.left(), 1) << "the & itself is not drawn";
    EXPECT_GT(marked.bottom(), plain.bottom()) << "a line under the digit";
}

TEST(MenuPainting, SelectedItemsInTheHighlight) {
    TMenuItemLook look = Item("&2 Конец");
    look.Selected = true;
    QImage image = Paint(look);
    EXPECT_EQ(image.pixelColor(0, 0), System(clHighlight));
    EXPECT_TRUE(PixelsOf(image, System(clHighlightText)).isValid());
    EXPECT_FALSE(PixelsOf(image, PageText).isValid());
    look.Enabled = false;
    image = Paint(look);
    EXPECT_EQ(image.pixelColor(0, 0), System(clHighlight));
    EXPECT_TRUE(PixelsOf(image, System(clGrayText)).isValid());
    EXPECT_FALSE(PixelsOf(image, System(clHighlightText)).isValid()) << "not embossed";
}

TEST(MenuPainting, DisabledItemIsEmbossed) {
    TMenuItemLook look = Item("(нет)");
    look.Enabled = false;
    const QImage image = Paint(look);
    const QRect grey = PixelsOf(image, System(clGrayText));
    const QRect light = PixelsOf(image, System(clHighlightText));
    ASSERT_TRUE(grey.isValid());
    ASSERT_TRUE(light.isValid());
    // The light copy lies one pixel right and down, under the grey text.
    EXPECT_EQ(light.right(), grey.right() + 1);
    EXPECT_EQ(light.bottom(), grey.bottom() + 1);
    EXPECT_FALSE(PixelsOf(image, PageText).isValid());
}

TEST(MenuPainting, MenuTextColourWhileTheWindowIsDisabled) {
    const QImage image = Paint(Item("&1 Начало"), false);
    EXPECT_FALSE(PixelsOf(image, PageText).isValid());
    EXPECT_TRUE(PixelsOf(image, System(clMenuText)).isValid());
}

TEST(MenuPainting, SeparatorIsAnEtchedLine) {
    TMenuItemLook look;
    look.Text = QStringLiteral("-");
    look.Separator = true;
    const QImage image = Paint(look);
    const QRect shadow = PixelsOf(image, System(clBtnShadow));
    const QRect light = PixelsOf(image, System(clBtnHighlight));
    ASSERT_TRUE(shadow.isValid());
    EXPECT_EQ(shadow.height(), 1);
    EXPECT_EQ(shadow.left(), 1);
    EXPECT_EQ(shadow.right(), ItemSize.width() - 1);
    EXPECT_EQ(light, shadow.translated(0, 1));
    EXPECT_EQ(image.pixelColor(0, shadow.top()), Page);
    EXPECT_FALSE(PixelsOf(image, PageText).isValid());
}

TEST(MenuPainting, PictureColumnWithTheCheckMark) {
    TMenuItemLook look = Item("&1 Начало", true);
    look.Checked = true;
    const QImage image = Paint(look);
    const QImage mark = MenuCheckMark(Qt::black);
    // Centred in the 16 x 16 column that starts one pixel in and down.
    const QPoint origin(1 + ((16 - mark.width()) >> 1) + 1, 1 + ((16 - mark.height()) >> 1) + 1);
    int set = 0;
    for (int y = 0; y < mark.height(); ++y)
        for (int x = 0; x < mark.width(); ++x)
            if (mark.pixelColor(x, y).alpha() > 0) {
                ++set;
                EXPECT_EQ(image.pixelColor(origin + QPoint(x, y)), PageText) << x << "," << y;
            } else {
                EXPECT_EQ(image.pixelColor(origin + QPoint(x, y)), Page) << x << "," << y;
            }
    EXPECT_GT(set, 10);
    // The text starts after the column and the gap, centred on the column.
    QImage text = image.copy(17, 0, ItemSize.width() - 17, ItemSize.height());
    const QRect words = PixelsOf(text, PageText).translated(17, 0);
    EXPECT_GE(words.left(), 22);
    EXPECT_LE(words.left(), 24);
    EXPECT_NEAR(words.center().y(), 1 + 8, 2);

    look.Checked = false;
    const QImage unchecked = Paint(look);
    EXPECT_EQ(PixelsOf(unchecked.copy(0, 0, 17, ItemSize.height()), PageText), QRect());
}

TEST(MenuPainting, RightToLeftTextIsRightAligned) {
    TMenuItemLook look = Item("&1 Начало");
    look.RightToLeft = true;
    const QRect text = PixelsOf(Paint(look), PageText);
    ASSERT_TRUE(text.isValid());
    EXPECT_GE(text.right(), ItemSize.width() - 3);
}

} // namespace
