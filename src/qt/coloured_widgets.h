#pragma once

#include <QGroupBox>
#include <QPushButton>

namespace morvatek::qt {

// Widgets drawn flat in their background colour with a plain border. Styles draw buttons and
// group frames in colours of their own; a style sheet would override that but costs the whole
// window start-up time and memory.

class ColouredButton : public QPushButton {
    Q_OBJECT

public:
    ColouredButton(const QString& caption, QWidget* parent) : QPushButton(caption, parent) {}

protected:
    void paintEvent(QPaintEvent* event) override;
    // Enter and keypad Enter press the focused button, as Space does.
    void keyPressEvent(QKeyEvent* event) override;
};

// The frame around the option buttons; the caption it carries is not drawn.
class PlainGroupBox : public QGroupBox {
    Q_OBJECT

public:
    explicit PlainGroupBox(QWidget* parent) : QGroupBox(parent) {}

protected:
    void paintEvent(QPaintEvent* event) override;
};

} // namespace morvatek::qt
