#pragma once

#include <array>
#include <string>
#include <string_view>

// The texts the window is designed with: captions, table contents and the two long texts.
// The model and every front end take them from here.
namespace morvatek::design {

// The window's caption is the project's web address, one blank, then the title.
inline constexpr std::u16string_view kWebAddress = u"www.morvatek.example";
inline constexpr std::u16string_view kWindowTitle = u"Бройна система - директно преобразуване";

inline std::u16string windowCaption() {
    return std::u16string(kWebAddress) + u' ' + std::u16string(kWindowTitle);
}

inline constexpr std::array<std::u16string_view, 4> kLabelCaptions{
    u"Преобразуване на бройна система от основа 2 в 4, 8, 16", u"Бройна система", u"Цифри",
    u"Въведено двоично число"};

inline constexpr std::u16string_view kFrameCaption = u"Frame1";

// What a screen reader calls the transcript box, which has no caption of its own.
inline constexpr std::u16string_view kTranscriptName = u"Ход на преобразуването";

inline constexpr std::array<std::u16string_view, 3> kOptionCaptions{u"4-ична", u"8-ична",
                                                                    u"16-ична"};

inline constexpr std::array<std::u16string_view, 2> kCommandCaptions{u"Изчисли", u"Изчисти"};

// Item j is j in binary without leading zeros, and the digit of value j.
inline constexpr std::array<std::u16string_view, 16> kCodeTable{
    u"0",    u"1",    u"10",   u"11",   u"100",  u"101",  u"110",  u"111",
    u"1000", u"1001", u"1010", u"1011", u"1100", u"1101", u"1110", u"1111"};
inline constexpr std::array<std::u16string_view, 16> kDigitTable{
    u"0", u"1", u"2", u"3", u"4", u"5", u"6", u"7", u"8", u"9", u"A", u"B", u"C", u"D", u"E", u"F"};

// Shown in the transcript box until the first calculation or clearing.
inline constexpr std::u16string_view kTaskStatement =
    u"Да се състави проект реализиращ вътрешнопредметна връзка по Информатика.\r\n"
    u"Проектът да дава възможност за избор на бройна система с основа 4, 8 или 16. Изборът се "
    u"осъществява чрез събитие On_Click върху един от група радиобутони.\r\n"
    u"Цифрите на двоичното число да се въвеждат от списъчно поле в текстово поле последователно "
    u"отляво надясно.\r\n"
    u"Проектът да преобразува директно двоичното число в посочената бройна система, да съдържа "
    u"група от 2 бр. командни бутони:\r\n"
    u"а) Изчисли - да извежда въведеното двоично число в посочената бройна система цифра по "
    u"цифра;\r\n"
    u"б) Изчисти - да изтрива входните данни и изчисления резултат.\r\n"
    u"При обработка на въведеното двоично число да се покаже разделянето на цифрите му по "
    u"групи.\r\n"
    u"Срещу всяка група цифри на въведеното число да се извежда съответната цифра на изходното "
    u"число от посочената бройна система.\r\n"
    u"Последният ред на текстовото поле да съдържа числото в новата бройна система.\r\n";

// Held by a box that is never shown.
inline constexpr std::u16string_view kMotto =
    u"Неприятното в това да си първият, направил нещо по \r\n"
    u"правилния начин, е, че никой не оценява колко трудно е \r\n"
    u"било. \r\n";

} // namespace morvatek::design
