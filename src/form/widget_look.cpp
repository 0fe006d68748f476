#include "widget_look.h"

#include "control_looks.h"

#include <QWidget>

namespace morvatek::form {

void fillBackground(QWidget* widget, const QColor& colour) {
    QPalette palette = widget->palette();
    palette.setColor(QPalette::Window, colour);
    palette.setColor(QPalette::Button, colour);
    widget->setPalette(palette);
    widget->setAutoFillBackground(true);
}

void placeAsDesigned(QWidget* widget, const char* objectName) {
    const ControlLook& look = lookOf(objectName);
    widget->setObjectName(QString::fromLatin1(objectName));
    widget->setGeometry(look.rect);
    if (look.background.isValid()) {
        fillBackground(widget, look.background);
    }
}

} // namespace morvatek::form
