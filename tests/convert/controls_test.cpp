// The control operations the conversion and the handlers rely on.
#include "morvatek.h"
#include "runtime_error.h"

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
