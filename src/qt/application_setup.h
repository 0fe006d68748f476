#pragma once

namespace morvatek::qt {

// Names the application, its version and its icon, for the window system and the desktop, and
// loads Qt's own Bulgarian texts.
void setUpApplication();

} // namespace morvatek::qt
