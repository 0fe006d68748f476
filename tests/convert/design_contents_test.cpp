// The contents the window starts with: the tables the conversion looks groups up in and the
// texts a pupil reads.
#include "designed_texts.h"
#include "morvatek.h"
#include "utf8.h"

#include <gtest/gtest.h>

namespace morvatek {
namespace {

using testing::utf8;

TEST(LookupTables, CodeTableItemJIsJInBinaryAndDigitTableItemJIsItsDigit) {
    const Morvatek window;
    ASSERT_EQ(window.List2(0).listCount(), 16);
    ASSERT_EQ(window.List2(1).listCount(), 16);
    for (int j = 0; j < 16; ++j) {
        std::string binary;
        for (int v = j; v > 0; v /= 2) {
            binary.insert(binary.begin(), static_cast<char>('0' + v % 2));
        }
        EXPECT_EQ(utf8(window.List2(0).list(j)), binary.empty() ? "0" : binary) << "j=" << j;
        EXPECT_EQ(utf8(window.List2(1).list(j)), std::string(1, "0123456789ABCDEF"[j]));
    }
    EXPECT_EQ(window.List2(2).listCount(), 0);
    EXPECT_EQ(window.List2(3).listCount(), 0);
}

TEST(DesignTexts, TranscriptBoxStartsWithTheTaskStatementAndTheMottoBoxHoldsTheMotto) {
    const Morvatek window;
    EXPECT_EQ(utf8(window.Text1(0).text()), testing::kDesignedTaskStatement);
    EXPECT_EQ(utf8(window.Text1(1).text()), testing::kDesignedMotto);
}

TEST(DesignTexts, CaptionsReadByThePupilAndTheTranscript) {
    const Morvatek window;
    EXPECT_EQ(utf8(window.Option1(0).caption()), "4-ична");
    EXPECT_EQ(utf8(window.Option1(1).caption()), "8-ична");
    EXPECT_EQ(utf8(window.Option1(2).caption()), "16-ична");
    EXPECT_EQ(utf8(window.Command1(0).caption()), "Изчисли");
    EXPECT_EQ(utf8(window.Command1(1).caption()), "Изчисти");
    EXPECT_EQ(utf8(window.Label1(1).caption()), "Бройна система");
    EXPECT_EQ(utf8(window.Label1(3).caption()), "Въведено двоично число");
}

} // namespace
} // namespace morvatek
