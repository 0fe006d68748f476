// The input state after start-up and after every kind of event, from every state it can
// happen in.
#include "designed_texts.h"
#include "handlers.h"
#include "pupil.h"

#include <functional>
#include <gtest/gtest.h>

namespace morvatek {
namespace {

using testing::Pupil;

const std::vector<std::string> kNoDigits;
const std::vector<std::string> kDigits{"0", "1"};

TEST(StartUp, NoBaseEmptyEnabledDigitListAndTheTaskStatement) {
    Pupil pupil;
    Morvatek& window = pupil.window();
    EXPECT_EQ(window.SelectedOption, -1);
    for (OptionButton& option : window.Option1) {
        EXPECT_FALSE(option.value());
    }
    EXPECT_EQ(pupil.digitList(), kNoDigits);
    EXPECT_TRUE(window.List1.enabled());
    EXPECT_EQ(pupil.entry(), "");
    EXPECT_EQ(window.Text2.maxLength(), 30);
    EXPECT_EQ(pupil.transcript(), testing::kDesignedTaskStatement);
    for (ListBox& list : window.List2) {
        EXPECT_FALSE(list.visible());
    }
    EXPECT_EQ(window.List2(0).listCount(), 16) << "hiding a list keeps its items";
    EXPECT_TRUE(pupil.host().errors.empty());
}

struct Transition {
    std::string name;
    std::function<void(Pupil&)> reachFromState;
    std::function<void(Pupil&)> event;
    int selectedOption;
    std::vector<std::string> digitList;
    bool digitListEnabled;
    std::string entry;
};

void PrintTo(const Transition& t, std::ostream* os) {
    *os << t.name;
}

void entering(Pupil& p) {
    p.choosesBase(4);
    p.entersDigits(u"101");
}
void calculated(Pupil& p) {
    p.choosesBase(8);
    p.entersDigits(u"11");
    p.calculates();
}
void noBase(Pupil& /*pupil*/) {}

class TransitionTable : public ::testing::TestWithParam<Transition> {};

TEST_P(TransitionTable, LeavesTheInputStateAsDesigned) {
    const Transition& t = GetParam();
    Pupil pupil;
    t.reachFromState(pupil);
    t.event(pupil);
    EXPECT_EQ(pupil.window().SelectedOption, t.selectedOption);
    EXPECT_EQ(pupil.digitList(), t.digitList);
    EXPECT_EQ(pupil.window().List1.enabled(), t.digitListEnabled);
    EXPECT_EQ(pupil.entry(), t.entry);
    for (Index i = 0; i <= 2; ++i) {
        EXPECT_EQ(pupil.window().Option1(i).value(), i == t.selectedOption) << "option " << i;
    }
    EXPECT_TRUE(pupil.host().errors.empty());
}

auto base(int b) {
    return [b](Pupil& p) { p.choosesBase(b); };
}
auto digit(char16_t d) {
    return [d](Pupil& p) { p.clicksDigit(d); };
}
void calculate(Pupil& p) {
    p.calculates();
}
void clear(Pupil& p) {
    p.clears();
}
void thirtyDigits(Pupil& p) {
    p.choosesBase(16);
    p.entersDigits(std::u16string(30, u'1'));
}

INSTANTIATE_TEST_SUITE_P(
    Events, TransitionTable,
    ::testing::Values(
        Transition{"NoBase_Option", noBase, base(8), 1, kDigits, true, ""},
        Transition{"Entering_OtherOption_LosesDigits", entering, base(16), 2, kDigits, true, ""},
        Transition{"Calculated_Option_StaysDisabled", calculated, base(4), 0, kDigits, false, ""},
        Transition{"Entering_Digit", entering, digit(u'1'), 0, kDigits, true, "1011"},
        Transition{"Entering_DigitOnFullEntry", thirtyDigits, digit(u'0'), 2, kDigits, true,
                   std::string(30, '1')},
        Transition{"NoBase_DigitListEmpty", noBase, digit(u'1'), -1, kNoDigits, true, ""},
        Transition{"Calculated_DigitTakesNoClick", calculated, digit(u'1'), 1, kDigits, false,
                   "11"},
        Transition{"NoBase_Calculate", noBase, calculate, -1, kNoDigits, false, ""},
        Transition{"Entering_Calculate", entering, calculate, 0, kDigits, false, "101"},
        Transition{"Calculated_Calculate", calculated, calculate, 1, kDigits, false, "11"},
        Transition{"NoBase_Clear", noBase, clear, -1, kNoDigits, true, ""},
        Transition{"Entering_Clear", entering, clear, -1, kNoDigits, true, ""},
        Transition{"Calculated_Clear", calculated, clear, -1, kNoDigits, true, ""}),
    [](const auto& info) { return info.param.name; });

TEST(Clear, EmptiesTheTranscriptAndTheTaskStatementDoesNotComeBack) {
    Pupil pupil;
    pupil.clears();
    EXPECT_EQ(pupil.transcript(), "");
    calculated(pupil);
    pupil.clears();
    EXPECT_EQ(pupil.transcript(), "");
    EXPECT_EQ(pupil.window().List2(2).listCount(), 0);
    EXPECT_EQ(pupil.window().List2(3).listCount(), 0);
}

TEST(Calculate, BeforeAnyBaseWritesTheHeaderWithGroupsOfOne) {
    Pupil pupil;
    pupil.calculates();
    EXPECT_EQ(pupil.transcript(), "\r\nЧислото е разделено на групи по: 1\r\n");
    EXPECT_FALSE(pupil.window().List1.enabled());
}

TEST(DigitClicks, ThirtyOneClicksOnOneLeaveThirty) {
    Pupil pupil;
    pupil.choosesBase(8);
    for (int click = 0; click < 31; ++click) {
        pupil.clicksDigit(u'1');
    }
    EXPECT_EQ(pupil.entry(), std::string(30, '1'));
}

TEST(DigitClicks, ClickingTheSelectedItemAgainAddsTheDigitAgain) {
    Pupil pupil;
    pupil.choosesBase(8);
    Morvatek& window = pupil.window();
    window.List1.pupilSelects(1);
    window.List1.pupilSelects(0);
    window.List1.pupilSelects(1);
    ASSERT_EQ(window.List1.listIndex(), 1);
    window.List1.pupilSelects(1);
    EXPECT_EQ(pupil.entry(), "1011");
}

TEST(ButtonIndex, OtherIndexesDoNothing) {
    Pupil pupil;
    entering(pupil);
    for (Index index : {Index{-1}, Index{2}, Index{300}}) {
        Command1_Click(pupil.window(), index);
    }
    EXPECT_EQ(pupil.entry(), "101");
    EXPECT_TRUE(pupil.window().List1.enabled());
    EXPECT_EQ(pupil.transcript(), testing::kDesignedTaskStatement);
}

} // namespace
} // namespace morvatek
