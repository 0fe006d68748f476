#include "widget_look.h"

#include "twips.h"

#include <QWidget>

namespace morvatek::qt {

namespace {

constexpr int kQtDpi = 96;

int pixels(int twips) {
    return form::pixelsFromTwips(twips, kQtDpi);
}

} // namespace

QRect pixelRect(const form::TwipRect& rect) {
    return {pixels(rect.left), pixels(rect.top), pixels(rect.width), pixels(rect.height)};
}

QSize pixelSize(int widthTwips, int heightTwips) {
    return {pixels(widthTwips), pixels(heightTwips)};
}

QColor qColor(const form::Rgb& rgb) {
    return {rgb.red, rgb.green, rgb.blue};
}

void fillBackground(QWidget* widget, const QColor& colour) {
    QPalette palette = widget->palette();
    palette.setColor(QPalette::Window, colour);
    palette.setColor(QPalette::Button, colour);
    widget->setPalette(palette);
    widget->setAutoFillBackground(true);
}

void placeAsDesigned(QWidget* widget, std::string_view name) {
    const form::ControlLook& look = form::lookOf(name);
    widget->setObjectName(QString::fromLatin1(name.data(), static_cast<qsizetype>(name.size())));
    widget->setGeometry(pixelRect(look.rect));
    if (look.background) {
        fillBackground(widget, qColor(*look.background));
    }
}

} // namespace morvatek::qt
