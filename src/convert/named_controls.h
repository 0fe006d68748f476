#pragma once

#include <string_view>

namespace morvatek {

struct Morvatek;
class CommandButton;
class Label;
class ListBox;
class OptionButton;
class TextBox;

// The model's control that the look table names: "List1", "List2_3" for List2(3), "Text2",
// "Option1_0", … Null when the name is that of a control of another kind, or of none.
ListBox* listBoxNamed(Morvatek& window, std::string_view name);
TextBox* textBoxNamed(Morvatek& window, std::string_view name);
OptionButton* optionButtonNamed(Morvatek& window, std::string_view name);
CommandButton* commandButtonNamed(Morvatek& window, std::string_view name);
Label* labelNamed(Morvatek& window, std::string_view name);

} // namespace morvatek
