#pragma once

namespace morvatek::qt {

// Names the application, its version and its icon, for the window system and the desktop.
void setUpApplication();

} // namespace morvatek::qt
