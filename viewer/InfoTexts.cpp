#include "viewer/InfoTexts.h"

#include "common/TextCoding.h"

#include <iterator>

namespace {

// The about text, coded line by line with AboutKey.
constexpr unsigned char AboutKey = 0x5A;
const char* const CodedAbout[] = {
    "B87053A55CF647B90EB75D5DA4AE87A46DAC4BB1E147B9425C",
    "B87F51A7A45DE847B91958535CAB5796A47C86A46DAC4BB1E147B94B5A57CB7BA459A1585EA453B5586C895E"
    "B4A656A1585EAE00A91EAC4BB183A4A96986A46E94",
    "B8725152ADE847B9485668A6AC4EA9A648B457E0AE9859515BAD4D7B4AA459516E94",
    "B8A96851A7A45D8AA4725152ADE847B94C52",
    "2F45A6AC5D4EBDA45F577487B4A05F52A4A4A55A54B46D895EB4A656A158",
    "CD5BA4AA57A154B01A9DA31A8B5BA4AA57A154B55E0BBC88A95F5D5B60",
    "CCA25358A0A7A41EAE8B5EAA5D556BAE9DA14BAD6C9262985CA65B5364",
    "CD5A50AAA5A41EAE92535BA658A24C7895AC51AF4AA3AC50AE",
    "D4629DA3505BAF5E5CA41C546E94",
    "B8725152ADE847B94E50",
    "205653584A7F895EB4A656A158AC1A525C18A6ACE49262546056A6E3",
    "CF5BA4AF57AA565AAE1A88A6A74BB45E688DAB50B45F5766546E94",
    "B8725152ADE847B94E50",
    "2D4B56A957AC53A9457B955BA4AF57AA565AAE16",
    "CBA754B552A05B4D7B77A65180546E94",
    "B8725152ADE847B94E50",
    "B87F51A7A45DE847B91958535CAB5796",
    "2E7EAF4EBD437F926298565B5BA459507F955BA25350AAAF5353A96195A5689A5E56AF5658",
    "B8765B5F5C93CA4955A353B548507E8AAA5D53AA5B575E5FAB58AC5608A47F86AE5768A6AC4EA9A648B45794"
    "7F49B35659A6A3931B59AF8FA96887A46E94",
    "B8A96851A7A45D8A",
    "B8A91EAC4BB183",
    "B8A96D53A55C90",
};
static_assert(std::size(CodedAbout) == 22);

// The address a click on the about text writes to, coded with MailKey.
constexpr unsigned char MailKey = 0xA7;
const char* const CodedMail = "6153AFA4AF5C6C915B51B3545BB549AA6982B44EABA45B5E6EE6A452";

// The shortcut table: keys, their toolbar pictures and what they do, as
// three columns side by side.
const char* const HotKeys[] = {
    "<font = tahoma>",
    "<leftborder = 70><b>",
    "<down = 6> Ctrl+Left <p>",
    "<down = 6> Left <p>",
    "<down = 6> Space <down = 26><nbspc><p>",
    "<down = 6> Right <p>",
    "<down = 6> Ctrl+Right <p>",
    "<down = 6> PgUp <p>",
    "<down = 6> PgDn <p>",
    "<down = 6> Esc <p>",
    "<down = 6> Gray<nbspc>Plus <p>",
    "<down = 6> Gray<nbspc>Minus <p>",
    "<down = 6> F1 <p>",
    "<down = 6> Ctrl+Space <down = 13><nbspc><p>",
    "<down = 6> Ctrl+PgUp <down = 13><nbspc><p>",
    "<down = 6> Ctrl+PgDn <down = 13><nbspc><p>",
    "<down = 6> Alt+F4 <p>",
    "</leftborder>",
    "<rightborder = 16><align = right>",
};

const char* const Descriptions[] = {
    "<down = 6> Переход к началу раздела <p>",
    "<down = 6> Переход к предыдущей странице учебника<p>",
    "<down = 6> Переключить закладку (убрать закладку, если она есть,",
    "иначе оставить закладку на текущей странице) <p>",
    "<down = 6> Переход к следующей странице учебника <p>",
    "<down = 6> Переход в конец раздела <p>",
    "<down = 6> Отменить последнее перемещение по учебнику <p>",
    "<down = 6> Возврат последнего отмененного перехода <p>",
    "<down = 6> Переход к содержанию раздела <p>",
    "<down = 6> Уменьшить размер окна <p>",
    "<down = 6> Увеличить размер окна <p>",
    "<down = 6> Отобразить данное окно <p>",
    "<down = 6> Запуск (остановка) воспроизведения",
    "мультимедиа-информации <p>",
    "<down = 6> Перемотка потока мультимедиа вперед на",
    "10% длины трека <p>",
    "<down = 6> Перемотка потока мультимедиа назад на",
    "10% длины трека <p>",
    "<down = 6> Выход из программы <p>",
};

// The toolbar pictures of the keys, in the order of the keys that have one.
const int HotKeyPictures[] = {0, 1, 2, 3, 4, 6, 7, 9, 10, 11, 14, 15};

} // namespace

void AboutText(TStringList& Lines) {
    TStringList coded;
    for (const char* line : CodedAbout)
        coded.Add(line);
    myDefines::DecodeText(TCodingType::ctChained, coded, Lines, &AboutKey);
}

AnsiString MailLink() {
    AnsiString plain;
    myDefines::DecodeText(TCodingType::ctChained, CodedMail, plain, &MailKey);
    return plain;
}

void HotKeysText(TStringList& Lines) {
    Lines.Clear();
    for (const char* line : HotKeys)
        Lines.Add(Utf8ToCp1251(line));
    for (const int picture : HotKeyPictures) {
        const std::string down = picture == 0 ? "6" : picture == 15 ? "99" : "3";
        Lines.Add("<background = fuchsia><down = " + down + ">");
        Lines.Add("<macros = bitmap> " + std::to_string(picture) + ".bmp </macros>");
        if (picture == 2)
            Lines.Add("</background><down = 29><nbspc><p>");
        else if (picture == 6)
            Lines.Add("</background><down = 13><p>");
        else
            Lines.Add("</background><p>");
    }
    Lines.Add("</rightborder>");
    for (const char* line : Descriptions)
        Lines.Add(Utf8ToCp1251(line));
}
