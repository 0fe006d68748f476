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

// Text on a background the design fixes stays black, as the classic default text colour, so
// that a dark desktop palette does not put pale text on the pale colours.
void fillBackgroundWithBlackText(QWidget* widget, const QColor& colour) {
    fillBackground(widget, colour);
    QPalette palette = widget->palette();
    for (const QPalette::ColorRole role : {QPalette::WindowText, QPalette::ButtonText}) {
        palette.setColor(role, Qt::black);
    }
    widget->setPalette(palette);
}

void placeAsDesigned(QWidget* widget, std::string_view name) {
    const form::ControlLook& look = form::lookOf(name);
    widget->setObjectName(QString::fromLatin1(name.data(), static_cast<qsizetype>(name.size())));
    widget->setGeometry(pixelRect(look.rect));
    if (look.background) {
        fillBackgroundWithBlackText(widget, qColor(*look.background));
    }
}

} // namespace morvatek::qt
