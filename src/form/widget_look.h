#pragma once

#include <QColor>

class QWidget;

namespace morvatek::form {

// Gives the widget its object name, place and background from the window's design.
void placeAsDesigned(QWidget* widget, const char* objectName);

void fillBackground(QWidget* widget, const QColor& colour);

} // namespace morvatek::form
