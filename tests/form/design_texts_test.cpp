// The static texts against the design, letter for letter: a Latin letter that looks like a
// Cyrillic one is the fault these tests are here to catch.
#include "design_texts.h"
#include "designed_texts.h"
#include "utf8.h"

#include <gtest/gtest.h>

namespace morvatek::design {
namespace {

using testing::utf8;

std::string utf8(std::u16string_view text) {
    return testing::utf8(std::u16string(text));
}

TEST(DesignTexts, TaskStatementAndMottoReadAsDesigned) {
    EXPECT_EQ(utf8(kTaskStatement), testing::kDesignedTaskStatement);
    EXPECT_EQ(kTaskStatement.size(), 913U);
    EXPECT_EQ(utf8(kMotto), testing::kDesignedMotto);
    EXPECT_EQ(kMotto.size(), 118U);
}

TEST(DesignTexts, WindowCaptionIsTheWebAddressOneBlankAndTheTitle) {
    EXPECT_EQ(utf8(windowCaption()),
              "www.morvatek.example Бройна система - директно преобразуване");
}

TEST(DesignTexts, Captions) {
    EXPECT_EQ(utf8(kLabelCaptions[0]), "Преобразуване на бройна система от основа 2 в 4, 8, 16");
    EXPECT_EQ(utf8(kLabelCaptions[1]), "Бройна система");
    EXPECT_EQ(utf8(kLabelCaptions[2]), "Цифри");
    EXPECT_EQ(utf8(kLabelCaptions[3]), "Въведено двоично число");
    EXPECT_EQ(utf8(kOptionCaptions[0]), "4-ична");
    EXPECT_EQ(utf8(kOptionCaptions[1]), "8-ична");
    EXPECT_EQ(utf8(kOptionCaptions[2]), "16-ична");
    EXPECT_EQ(utf8(kCommandCaptions[0]), "Изчисли");
    EXPECT_EQ(utf8(kCommandCaptions[1]), "Изчисти");
    EXPECT_EQ(utf8(kFrameCaption), "Frame1");
    EXPECT_EQ(utf8(kTranscriptName), "Ход на преобразуването");
}

bool isCyrillic(char16_t c) {
    return c >= u'\u0400' && c <= u'\u04FF';
}
bool isLatin(char16_t c) {
    return (c >= u'a' && c <= u'z') || (c >= u'A' && c <= u'Z');
}

// Words that mix the two scripts, such as a Latin "a" typed into a Cyrillic word.
std::vector<std::string> mixedWords(std::u16string_view text) {
    std::vector<std::string> mixed;
    std::size_t start = 0;
    while (start < text.size()) {
        std::size_t end = start;
        bool cyrillic = false;
        bool latin = false;
        while (end < text.size() && (isCyrillic(text[end]) || isLatin(text[end]))) {
            cyrillic = cyrillic || isCyrillic(text[end]);
            latin = latin || isLatin(text[end]);
            ++end;
        }
        if (cyrillic && latin) {
            mixed.push_back(utf8(text.substr(start, end - start)));
        }
        start = end + 1;
    }
    return mixed;
}

TEST(DesignTexts, NoWordMixesLatinAndCyrillicLetters) {
    std::vector<std::u16string_view> texts{kTaskStatement, kMotto, kWindowTitle, kFrameCaption,
                                           kTranscriptName};
    texts.insert(texts.end(), kLabelCaptions.begin(), kLabelCaptions.end());
    texts.insert(texts.end(), kOptionCaptions.begin(), kOptionCaptions.end());
    texts.insert(texts.end(), kCommandCaptions.begin(), kCommandCaptions.end());
    for (std::u16string_view text : texts) {
        EXPECT_EQ(mixedWords(text), std::vector<std::string>{}) << utf8(text);
    }
    EXPECT_EQ(mixedWords(u"Изчисли Изчиcли"), std::vector<std::string>{"Изчиcли"});
}

} // namespace
} // namespace morvatek::design
