// The text a reader sees on a page, read through the page compiler.
#include "hypertext/PageText.h"
#include "platform/base/Cp1251.h"

#include <gtest/gtest.h>

namespace {

std::string Text(const std::string& Utf8Markup) {
    return Cp1251ToUtf8(PageText(Utf8ToCp1251(Utf8Markup)));
}

} // namespace

TEST(PageText, KeepsTextAndDropsTagsValuesAndMacroBodies) {
    EXPECT_EQ(Text("<size=18><b>Заголовок</b></size><p>Первый <i>абзац</i>."),
              "Заголовок Первый абзац.");
    EXPECT_EQ(Text("Рисунок <macros=picture>140;100;prism.jpg</macros> после"), "Рисунок после");
    EXPECT_EQ(Text("<hint=Подсказка><a=1>ссылка</a> и <font=Arial>шрифт</font>"), "ссылка и шрифт");
    // Breaks and white space become single spaces, none at the ends.
    EXPECT_EQ(Text("  a\r\n\r\n b<p><p>c<nbspc>d\te  "), "a b c d e");
    EXPECT_EQ(Text(""), "");
    EXPECT_EQ(Text("<p><macros=media_file>1;2;a.wav</macros>"), "");
}
