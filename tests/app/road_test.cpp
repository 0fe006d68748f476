// One conversion from start to finish, by the pupil's actions alone.
#include "pupil.h"

#include <gtest/gtest.h>

namespace morvatek {
namespace {

using testing::Pupil;

TEST(Road, Base8AndFourClicksGiveThirteen) {
    Pupil pupil;
    pupil.choosesBase(8);
    EXPECT_EQ(pupil.window().SelectedOption, 1);
    EXPECT_EQ(pupil.digitList(), (std::vector<std::string>{"0", "1"}));
    pupil.entersDigits(u"1011");
    EXPECT_EQ(pupil.entry(), "1011");
    pupil.calculates();
    EXPECT_FALSE(pupil.window().List1.enabled());
    EXPECT_EQ(pupil.transcript(), "1 011\r\n"
                                  "Числото е разделено на групи по: 3\r\n"
                                  "\r\n"
                                  "1 = 1\r\n"
                                  "011 = 3\r\n"
                                  "Въведеното число в 8-ична бройна система:\r\n"
                                  "13");
    EXPECT_TRUE(pupil.host().errors.empty());
    // What a screen reader says: one sentence an action, none for the window as it opens.
    pupil.clears();
    pupil.calculates();
    EXPECT_EQ(pupil.host().sentences,
              (std::vector<std::string>{"Избрана бройна система: 8-ична.", "Цифра 1, въведени 1.",
                                        "Цифра 0, въведени 2.", "Цифра 1, въведени 3.",
                                        "Цифра 1, въведени 4.", "Резултат: 13",
                                        "Въведеното число и резултатът са изтрити.",
                                        "Числото е разделено на групи по: 1"}));
}

// Another base drops the digits entered so far, and what the pupil chose is what they hear.
TEST(Road, AnotherBaseAfterSomeDigitsIsHeardAsThatBase) {
    Pupil pupil;
    pupil.choosesBase(8);
    pupil.entersDigits(u"101");
    pupil.choosesBase(16);
    EXPECT_EQ(pupil.host().sentences.back(), "Избрана бройна система: 16-ична.");
}

// The window shows what an action changed before a screen reader is told of it.
TEST(Road, TheSentenceFollowsTheWindowsUpdate) {
    Pupil pupil;
    pupil.choosesBase(8);
    pupil.entersDigits(u"1");
    std::vector<std::size_t> heardWhenShown;
    pupil.window().Text1(0).subscribe(
        [&pupil, &heardWhenShown] { heardWhenShown.push_back(pupil.host().sentences.size()); });
    pupil.calculates();
    EXPECT_EQ(heardWhenShown, (std::vector<std::size_t>{2}));
    EXPECT_EQ(pupil.host().sentences.size(), 3U);
}

TEST(Road, ClearThenANewNumberInAnotherBase) {
    Pupil pupil;
    pupil.choosesBase(8);
    pupil.entersDigits(u"1011");
    pupil.calculates();
    pupil.clears();
    pupil.choosesBase(16);
    pupil.entersDigits(u"11111111");
    pupil.calculates();
    EXPECT_EQ(pupil.transcript(), "1111 1111\r\n"
                                  "Числото е разделено на групи по: 4\r\n"
                                  "\r\n"
                                  "1111 = F\r\n"
                                  "1111 = F\r\n"
                                  "Въведеното число в 16-ична бройна система:\r\n"
                                  "FF");
}

} // namespace
} // namespace morvatek
