#pragma once

#include <string>
#include <string_view>

namespace morvatek::win32 {

// The model's UTF-16 texts are what the wide Win32 functions take; wchar_t is 16 bits here.
inline std::wstring wide(std::u16string_view text) {
    return {text.begin(), text.end()};
}

// The look table's names and font family are ASCII.
inline std::wstring wide(std::string_view ascii) {
    return {ascii.begin(), ascii.end()};
}

} // namespace morvatek::win32
