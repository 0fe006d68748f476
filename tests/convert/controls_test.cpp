// The control operations the conversion and the handlers rely on.
#include "morvatek.h"
#include "runtime_error.h"

#include <functional>
#include <gtest/gtest.h>

namespace morvatek {
namespace {

TEST(TextBoxLimit, TextLongerThanMaxLengthKeepsItsFirstCharacters) {
    TextBox box;
    box.setMaxLength(30);
    box.setText(Text(30, u'1') + u"0");
    EXPECT_EQ(box.text(), Text(30, u'1'));
    box.setText(box.text() + u"0");
    EXPECT_EQ(box.text(), Text(30, u'1'));
}

TEST(TextBoxLimit, CountsCharactersNotBytes) {
    TextBox box;
    box.setMaxLength(3);
    box.setText(u"Изчисли");
    EXPECT_EQ(box.text(), u"Изч");
}

TEST(TextBoxLimit, MaxLengthAppliesOnlyToLaterChanges) {
    TextBox box(u"12345");
    box.setMaxLength(2);
    EXPECT_EQ(box.text(), u"12345");
    box.setText(u"abc");
    EXPECT_EQ(box.text(), u"ab");
    box.setMaxLength(0);
    box.setText(Text(1000, u'x'));
    EXPECT_EQ(box.text().size(), 1000U);
}

TEST(ListBoxItems, KeepTheOrderTheyWereAddedIn) {
    ListBox list;
    for (const char16_t* item : {u"1", u"0", u"11", u"0"}) {
        list.addItem(item);
    }
    ASSERT_EQ(list.listCount(), 4);
    EXPECT_EQ(list.list(0), u"1");
    EXPECT_EQ(list.list(1), u"0");
    EXPECT_EQ(list.list(2), u"11");
    EXPECT_EQ(list.list(3), u"0");
}

TEST(ListBoxItems, ClearEmptiesTheListAndItsSelection) {
    ListBox list({u"0", u"1"});
    list.pupilSelects(1);
    ASSERT_EQ(list.listIndex(), 1);
    list.clear();
    EXPECT_EQ(list.listCount(), 0);
    EXPECT_EQ(list.listIndex(), -1);
    list.addItem(u"A");
    EXPECT_EQ(list.list(0), u"A");
}

TEST(ListBoxClicks, EveryClickOnAnItemRaisesClickAlsoOnTheSelectedOne) {
    ListBox list({u"0", u"1"});
    int clicks = 0;
    list.onClick([&] { ++clicks; });
    list.pupilSelects(1);
    list.pupilSelects(1);
    list.pupilSelects(0);
    EXPECT_EQ(clicks, 3);
    EXPECT_EQ(list.listIndex(), 0);
}

TEST(ListBoxClicks, DisabledOrHiddenListOrClickBesideTheItemsRaisesNothing) {
    ListBox list({u"0", u"1"});
    int clicks = 0;
    list.onClick([&] { ++clicks; });
    list.pupilSelects(2);
    list.pupilSelects(-1);
    list.setEnabled(false);
    list.pupilSelects(0);
    list.setEnabled(true);
    list.setVisible(false);
    list.pupilSelects(0);
    EXPECT_EQ(clicks, 0);
    EXPECT_EQ(list.listIndex(), -1);
}

struct KeyOnList {
    std::string name;
    long selectedBefore;
    std::function<void(ListBox&)> key;
    int selectedAfter;
    int clicks;
};

void PrintTo(const KeyOnList& k, std::ostream* os) {
    *os << k.name;
}

class ListBoxKeys : public ::testing::TestWithParam<KeyOnList> {};

TEST_P(ListBoxKeys, MoveTheSelectionAndRaiseOneClickPerMove) {
    const KeyOnList& k = GetParam();
    ListBox list({u"0", u"1"});
    list.pupilSelects(k.selectedBefore);
    int clicks = 0;
    list.onClick([&] { ++clicks; });
    k.key(list);
    EXPECT_EQ(list.listIndex(), k.selectedAfter);
    EXPECT_EQ(clicks, k.clicks);
}

auto movesBy(long rows) {
    return [rows](ListBox& list) { list.pupilMovesBy(rows); };
}
auto types(char16_t c) {
    return [c](ListBox& list) { list.pupilTypes(c); };
}
void toFirst(ListBox& list) {
    list.pupilMovesToFirst();
}
void toLast(ListBox& list) {
    list.pupilMovesToLast();
}
void reenters(ListBox& list) {
    list.pupilReenters();
}

INSTANTIATE_TEST_SUITE_P(
    Keys, ListBoxKeys,
    ::testing::Values(KeyOnList{"DownFromNoSelectionLandsOnTheFirst", -1, movesBy(1), 0, 1},
                      KeyOnList{"UpFromNoSelectionLandsOnTheFirst", -1, movesBy(-1), 0, 1},
                      KeyOnList{"PageDownFromNoSelectionGoesAPageDown", -1, movesBy(2), 1, 1},
                      KeyOnList{"EndFromNoSelectionLandsOnTheLast", -1, toLast, 1, 1},
                      KeyOnList{"HomeFromNoSelection", -1, toFirst, 0, 1},
                      KeyOnList{"UpFromTheLast", 1, movesBy(-1), 0, 1},
                      KeyOnList{"DownOnTheLastStaysAndRaisesNothing", 1, movesBy(1), 1, 0},
                      KeyOnList{"PageUpOnTheFirstStaysAndRaisesNothing", 0, movesBy(-2), 0, 0},
                      KeyOnList{"EndOnTheLastRaisesNothing", 1, toLast, 1, 0},
                      KeyOnList{"SpaceEntersTheSelectedItemAgain", 1, reenters, 1, 1},
                      KeyOnList{"SpaceWithoutSelectionDoesNothing", -1, reenters, -1, 0},
                      KeyOnList{"TypingADigitSelectsItsItem", -1, types(u'0'), 0, 1},
                      KeyOnList{"TypingTheSelectedDigitClicksAgain", 1, types(u'1'), 1, 1},
                      KeyOnList{"TypingAnotherCharacterDoesNothing", 0, types(u'2'), 0, 0}),
    [](const auto& info) { return info.param.name; });

TEST(ListBoxKeys, DisabledOrEmptyListTakesNoKeys) {
    ListBox list({u"0", u"1"});
    int clicks = 0;
    list.onClick([&] { ++clicks; });
    list.setEnabled(false);
    list.pupilMovesToLast();
    list.pupilTypes(u'1');
    list.setEnabled(true);
    list.clear();
    list.pupilMovesBy(1);
    list.pupilMovesToLast();
    list.pupilReenters();
    EXPECT_EQ(clicks, 0);
    EXPECT_EQ(list.listIndex(), -1);
}

TEST(ListBoxChanges, PropertyChangesNotifyTheDisplayButRaiseNoClick) {
    ListBox list;
    int clicks = 0;
    int changes = 0;
    list.onClick([&] { ++clicks; });
    list.subscribe([&] { ++changes; });
    list.addItem(u"0");
    list.clear();
    list.setEnabled(false);
    list.setVisible(false);
    EXPECT_EQ(clicks, 0);
    EXPECT_EQ(changes, 4);
}

TEST(ListBoxChanges, NestedActionsDeliverOnceAtTheOuterEndInFirstChangedOrder) {
    ChangeQueue queue;
    TextBox first;
    TextBox second;
    std::vector<char> heard;
    first.subscribe([&] { heard.push_back('1'); });
    second.subscribe([&] { heard.push_back('2'); });
    first.queueChangesIn(queue);
    second.queueChangesIn(queue);
    {
        const ChangeQueue::Hold outer(&queue);
        second.setText(u"a");
        {
            const ChangeQueue::Hold inner(&queue);
            first.setText(u"b");
            second.setText(u"c");
        }
        EXPECT_TRUE(heard.empty()) << "an inner action's end delivers nothing";
        first.setText(u"d");
    }
    EXPECT_EQ(heard, (std::vector<char>{'2', '1'}));
}

TEST(OptionGroup, SelectingOneClearsTheOthersAndRaisesItsClick) {
    Morvatek window;
    int clicks = 0;
    window.Option1(2).onClick([&] { ++clicks; });
    window.Option1(0).pupilSelects();
    window.Option1(2).pupilSelects();
    EXPECT_FALSE(window.Option1(0).value());
    EXPECT_FALSE(window.Option1(1).value());
    EXPECT_TRUE(window.Option1(2).value());
    EXPECT_EQ(clicks, 1);
    window.Option1(2).pupilSelects();
    EXPECT_EQ(clicks, 1) << "the already marked button raises nothing";
}

TEST(OptionGroup, UnmarkingRaisesNoEventAndCanLeaveNoneMarked) {
    Morvatek window;
    int clicks = 0;
    for (OptionButton& option : window.Option1) {
        option.onClick([&] { ++clicks; });
    }
    window.Option1(1).pupilSelects();
    window.Option1(1).setValue(false);
    EXPECT_EQ(clicks, 1);
    for (OptionButton& option : window.Option1) {
        EXPECT_FALSE(option.value());
    }
}

TEST(RunTimeError, MissingControlArrayElementNamesArrayAndIndex) {
    Morvatek window;
    try {
        (void)window.Option1(-1);
        FAIL() << "no error raised";
    } catch (const RuntimeError& error) {
        EXPECT_EQ(error.kind(), RuntimeError::Kind::MissingControlArrayElement);
        EXPECT_EQ(error.index(), -1);
        EXPECT_NE(std::string(error.what()).find("Option1(-1)"), std::string::npos) << error.what();
    }
    EXPECT_THROW((void)window.List2(4), RuntimeError);
    EXPECT_NO_THROW((void)window.List2(3));
}

TEST(RunTimeError, ItemOutsideTheListNamesTheIndex) {
    Morvatek window;
    EXPECT_NO_THROW((void)window.List2(0).list(15));
    try {
        (void)window.List2(0).list(16);
        FAIL() << "no error raised";
    } catch (const RuntimeError& error) {
        EXPECT_EQ(error.kind(), RuntimeError::Kind::ListIndexOutOfRange);
        EXPECT_NE(std::string(error.what()).find("16"), std::string::npos) << error.what();
    }
    EXPECT_THROW((void)window.List1.list(-1), RuntimeError);
}

} // namespace
} // namespace morvatek
