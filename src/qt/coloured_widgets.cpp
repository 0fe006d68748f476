#include "coloured_widgets.h"

#include <QKeyEvent>
#include <QPainter>
#include <QStyleOptionButton>

namespace morvatek::qt {

namespace {

const QColor kBorder(64, 64, 64);

void drawBox(QPainter& painter, const QRect& rect, const QColor& fill, int borderWidth) {
    painter.fillRect(rect, fill);
    painter.setPen(QPen(kBorder, borderWidth));
    const int inset = borderWidth / 2;
    painter.drawRect(rect.adjusted(inset, inset, -1 - inset, -1 - inset));
}

} // namespace

void ColouredButton::paintEvent(QPaintEvent* /*event*/) {
    QPainter painter(this);
    const QColor colour = palette().color(QPalette::Button);
    drawBox(painter, rect(), isDown() ? colour.darker(115) : colour, hasFocus() ? 2 : 1);
    QStyleOptionButton option;
    initStyleOption(&option);
    style()->drawControl(QStyle::CE_PushButtonLabel, &option, &painter, this);
}

void ColouredButton::keyPressEvent(QKeyEvent* event) {
    if (event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter) {
        click();
        return;
    }
    QPushButton::keyPressEvent(event);
}

void PlainGroupBox::paintEvent(QPaintEvent* /*event*/) {
    QPainter painter(this);
    drawBox(painter, rect(), palette().color(QPalette::Window), 1);
}

} // namespace morvatek::qt
