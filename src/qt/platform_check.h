#pragma once

#include <QString>
#include <QStringList>
#include <string>

namespace morvatek::qt {

// The Qt platforms the program will try, as Qt picks them: QT_QPA_PLATFORM when it is set,
// Wayland before X11 in a Wayland session, X11 (xcb) otherwise.
QString chosenPlatforms();

// Why the window cannot even be tried: the only platform to try is X11 and DISPLAY is not set.
// Empty when Qt should try.
std::string missingDisplayReason(const QString& platforms);

// One line on why the platform did not start: what Qt's platform code said before it gave up,
// or the first line of its fatal message when it said nothing before.
std::string platformFailure(const QString& platforms, const QStringList& platformMessages,
                            const QString& fatalMessage);

} // namespace morvatek::qt
