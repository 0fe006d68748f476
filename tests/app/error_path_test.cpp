// A run-time error inside a handler: reported once, and the program ends.
#include "error_report.h"
#include "pupil.h"

#include <gtest/gtest.h>

namespace morvatek {
namespace {

using testing::Pupil;

TEST(ErrorPath, MissingOptionIsReportedOnceAndEndsTheProgram) {
    Pupil pupil;
    pupil.choosesBase(8);
    pupil.entersDigits(u"101");
    pupil.window().SelectedOption = -1; // behind the window's back
    const std::vector<std::string> heardBefore = pupil.host().sentences;
    pupil.calculates();
    EXPECT_EQ(pupil.host().sentences, heardBefore) << "a sentence over the error box";

    ASSERT_EQ(pupil.host().errors.size(), 1U);
    EXPECT_NE(pupil.host().errors[0].find("Option1(-1)"), std::string::npos)
        << pupil.host().errors[0];
    EXPECT_EQ(pupil.host().exitStatuses, (std::vector<int>{1}));

    const std::string transcript = pupil.transcript();
    pupil.clears();
    pupil.choosesBase(4);
    pupil.calculates();
    EXPECT_EQ(pupil.transcript(), transcript) << "a handler ran after the program ended";
    EXPECT_EQ(pupil.host().errors.size(), 1U);
}

// Every front end shows these words in its message box.
TEST(ErrorReport, NamesTheErrorInBulgarianAndSaysTheProgramEnds) {
    try {
        Morvatek window;
        (void)window.Option1(-1);
        FAIL() << "no error raised";
    } catch (const RuntimeError& error) {
        const ErrorReport report = describe(error);
        EXPECT_EQ(testing::utf8(report.title), "Morvatek");
        EXPECT_EQ(testing::utf8(report.text),
                  "Грешка при изпълнение:\nНесъществуващ елемент на масив от контроли: Option1(-1) "
                  "не съществува.\n\nПрограмата ще бъде затворена.");
    }
}

} // namespace
} // namespace morvatek
