#pragma once

#include "control_looks.h"

#include <QColor>
#include <QRect>
#include <QSize>
#include <string_view>

class QWidget;

namespace morvatek::qt {

// The design's twips in Qt's device-independent pixels (96 DPI); Qt scales those itself.
QRect pixelRect(const form::TwipRect& rect);
QSize pixelSize(int widthTwips, int heightTwips);
QColor qColor(const form::Rgb& rgb);

// Gives the widget its object name, place and background from the window's design.
void placeAsDesigned(QWidget* widget, std::string_view name);

void fillBackground(QWidget* widget, const QColor& colour);
void fillBackgroundWithBlackText(QWidget* widget, const QColor& colour);

} // namespace morvatek::qt
