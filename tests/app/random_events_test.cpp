// A long random session of everything a pupil can do, with the rules that must always hold
// checked after every event and every calculation checked against the arithmetic.
#include "conversion_oracle.h"
#include "handlers.h"
#include "pupil.h"

#include <array>
#include <gtest/gtest.h>
#include <random>

namespace morvatek {
namespace {

using testing::expectedConversion;
using testing::expectedHeaderOnly;
using testing::Pupil;
using testing::utf8;

::testing::AssertionResult invariantsHold(Morvatek& window) {
    const int selected = window.SelectedOption;
    if (selected < -1 || selected > 2) {
        return ::testing::AssertionFailure() << "SelectedOption " << selected;
    }
    const Text& entry = window.Text2.text();
    if (entry.size() > 30 || entry.find_first_not_of(u"01") != Text::npos) {
        return ::testing::AssertionFailure() << "entry " << utf8(entry);
    }
    if (selected == -1 && !entry.empty()) {
        return ::testing::AssertionFailure() << "digits without a base";
    }
    const auto& digits = window.List1.items();
    if (!digits.empty() && digits != std::vector<Text>{u"0", u"1"}) {
        return ::testing::AssertionFailure() << "digit list has " << digits.size() << " items";
    }
    for (Index i = 0; i <= 2; ++i) {
        if (window.Option1(i).value() != (i == selected)) {
            return ::testing::AssertionFailure() << "option " << i << " mark disagrees";
        }
    }
    return ::testing::AssertionSuccess();
}

std::string expectedTranscript(Morvatek& window) {
    const std::string entry = utf8(window.Text2.text());
    if (entry.empty()) {
        return expectedHeaderOnly(window.SelectedOption + 2);
    }
    return expectedConversion(entry, 4 << window.SelectedOption).transcript;
}

TEST(RandomEvents, HundredThousandEventsKeepTheRulesAndConvertCorrectly) {
    Pupil pupil;
    Morvatek& window = pupil.window();
    std::mt19937 random(1234567U);
    std::discrete_distribution<int> kinds({1, 60, 1, 1, 1, 20});
    const std::array<Index, 5> otherButtons{-2, -1, 2, 3, 100};
    int calculations = 0;
    for (int event = 0; event < 100000; ++event) {
        switch (kinds(random)) {
        case 0:
            window.Option1(static_cast<long>(random() % 3)).pupilSelects();
            break;
        case 1: // any item, also beside the items of an empty list, and on a disabled list
            window.List1.pupilSelects(static_cast<long>(random() % 4) - 1);
            break;
        case 2:
            pupil.calculates();
            ++calculations;
            ASSERT_EQ(utf8(window.Text1(0).text()), expectedTranscript(window)) << event;
            break;
        case 3:
            pupil.clears();
            break;
        case 4:
            Command1_Click(window, otherButtons[random() % otherButtons.size()]);
            break;
        default: // the keys a pupil can press on the digit list
            switch (random() % 5) {
            case 0:
                window.List1.pupilMovesBy(static_cast<long>(random() % 5) - 2);
                break;
            case 1:
                window.List1.pupilMovesToLast();
                break;
            case 2:
                window.List1.pupilMovesToFirst();
                break;
            case 3:
                window.List1.pupilReenters();
                break;
            default:
                window.List1.pupilTypes(u"01x"[random() % 3]);
                break;
            }
            break;
        }
        ASSERT_TRUE(invariantsHold(window)) << "after event " << event;
    }
    EXPECT_EQ(pupil.host().errors.size(), 0U);
    EXPECT_GT(calculations, 1000);
}

} // namespace
} // namespace morvatek
