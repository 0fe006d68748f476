// Finding the model's control from the name the look table gives it, as the front ends do.
#include "control_looks.h"
#include "morvatek.h"
#include "named_controls.h"

#include <gtest/gtest.h>
#include <string>

namespace morvatek {
namespace {

TEST(NamedControls, ArrayElementsAndSingleControlsByTheirNames) {
    Morvatek window;
    EXPECT_EQ(listBoxNamed(window, "List1"), &window.List1);
    EXPECT_EQ(listBoxNamed(window, "List2_0"), &window.List2(0));
    EXPECT_EQ(listBoxNamed(window, "List2_3"), &window.List2(3));
    EXPECT_EQ(textBoxNamed(window, "Text2"), &window.Text2);
    EXPECT_EQ(textBoxNamed(window, "Text1_1"), &window.Text1(1));
    EXPECT_EQ(optionButtonNamed(window, "Option1_2"), &window.Option1(2));
    EXPECT_EQ(commandButtonNamed(window, "Command1_1"), &window.Command1(1));
    EXPECT_EQ(labelNamed(window, "Label1_3"), &window.Label1(3));
}

TEST(NamedControls, OtherKindsAndNamesOfNoControlGiveNothing) {
    Morvatek window;
    for (const char* name : {"List2_4", "List2", "List2_", "List21", "List1_0", "Frame1", "Text3",
                             "Text1_9", "Option1_3", "Option1_-", "Command1_2", ""}) {
        EXPECT_EQ(listBoxNamed(window, name), nullptr) << name;
        EXPECT_EQ(textBoxNamed(window, name), nullptr) << name;
        EXPECT_EQ(optionButtonNamed(window, name), nullptr) << name;
        EXPECT_EQ(commandButtonNamed(window, name), nullptr) << name;
        EXPECT_EQ(labelNamed(window, name), nullptr) << name;
    }
    EXPECT_EQ(textBoxNamed(window, "List1"), nullptr);
    EXPECT_EQ(labelNamed(window, "Option1_0"), nullptr);
}

// Every control of the look table has its model control, of the matching kind; the frame is
// found by none of these.
TEST(NamedControls, EveryRowOfTheLookTableFindsOneControlOfItsKind) {
    Morvatek window;
    for (const form::ControlLook& look : form::controlLooks()) {
        const std::string name(look.name);
        const int found =
            (listBoxNamed(window, name) != nullptr) + (textBoxNamed(window, name) != nullptr) +
            (optionButtonNamed(window, name) != nullptr) +
            (commandButtonNamed(window, name) != nullptr) + (labelNamed(window, name) != nullptr);
        EXPECT_EQ(found, look.kind == form::ControlKind::Frame ? 0 : 1) << name;
    }
}

} // namespace
} // namespace morvatek
