#pragma once

#include <windows.h>

namespace morvatek::win32 {

// An entry of a library loaded when first needed, as a typed function pointer; null where the
// library lacks it.
template <typename Function> void findEntry(HMODULE module, const char* name, Function& function) {
    // NOLINTNEXTLINE(cppcoreguidelines-pro-type-reinterpret-cast): how Windows hands out entries
    function = reinterpret_cast<Function>(reinterpret_cast<void*>(GetProcAddress(module, name)));
}

} // namespace morvatek::win32
