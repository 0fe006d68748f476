#include "widget_look.h"

#include "control_looks.h"

#include <QPushButton>
#include <QWidget>

namespace morvatek::form {

namespace {

// A style sheet is the one way to have a push button drawn in its own colour in every style.
void paintButton(QPushButton* button, const QColor& colour) {
    button->setStyleSheet(
        QStringLiteral("QPushButton { background-color: %1; border: 1px solid #606060;"
                       " border-radius: 3px; }"
                       "QPushButton:focus { border: 2px solid #202020; }"
                       "QPushButton:pressed { background-color: %2; }")
            .arg(colour.name(), colour.darker(115).name()));
}

} // namespace

void fillBackground(QWidget* widget, const QColor& colour) {
    QPalette palette = widget->palette();
    palette.setColor(QPalette::Window, colour);
    palette.setColor(QPalette::Button, colour);
    widget->setPalette(palette);
    widget->setAutoFillBackground(true);
}

QWidget* placeAsDesigned(QWidget* widget, const char* objectName) {
    const ControlLook& look = lookOf(objectName);
    widget->setObjectName(QString::fromLatin1(objectName));
    widget->setGeometry(look.rect);
    if (look.background.isValid()) {
        if (auto* button = qobject_cast<QPushButton*>(widget)) {
            paintButton(button, look.background);
        } else {
            fillBackground(widget, look.background);
        }
    }
    return widget;
}

} // namespace morvatek::form
