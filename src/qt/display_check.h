#pragma once

#include <string>

namespace morvatek {

// Why the window cannot be shown in this environment, or empty when it can be tried: a platform
// named in QT_QPA_PLATFORM, or an X11 or Wayland display in the environment.
std::string missingDisplayReason();

} // namespace morvatek
