#include "named_controls.h"

#include "morvatek.h"

#include <type_traits>

namespace morvatek {

namespace {

// The element of `array` that `name` ("Label1_2") names, or null.
template <typename Array>
auto* elementNamed(Array& array, std::string_view arrayName, std::string_view name) {
    using Element = std::remove_reference_t<decltype(array(0))>;
    if (name.size() != arrayName.size() + 2 || !name.starts_with(arrayName) ||
        name[arrayName.size()] != '_') {
        return static_cast<Element*>(nullptr);
    }
    const long index = name.back() - '0';
    return index >= 0 && index < static_cast<long>(Array::size()) ? &array(index)
                                                                  : static_cast<Element*>(nullptr);
}

} // namespace

ListBox* listBoxNamed(Morvatek& window, std::string_view name) {
    return name == "List1" ? &window.List1 : elementNamed(window.List2, "List2", name);
}

TextBox* textBoxNamed(Morvatek& window, std::string_view name) {
    return name == "Text2" ? &window.Text2 : elementNamed(window.Text1, "Text1", name);
}

OptionButton* optionButtonNamed(Morvatek& window, std::string_view name) {
    return elementNamed(window.Option1, "Option1", name);
}

CommandButton* commandButtonNamed(Morvatek& window, std::string_view name) {
    return elementNamed(window.Command1, "Command1", name);
}

Label* labelNamed(Morvatek& window, std::string_view name) {
    return elementNamed(window.Label1, "Label1", name);
}

} // namespace morvatek
