#include "model_radio_button.h"

#include "option_button.h"

#include <QKeyEvent>
#include <QPointer>

namespace morvatek::qt {

ModelRadioButton::ModelRadioButton(OptionButton& model, QWidget* parent)
    : QRadioButton(QString::fromStdU16String(model.caption()), parent), model_(model) {
    connect(this, &QAbstractButton::clicked, this, [this] { model_.pupilSelects(); });
    model_.subscribe([self = QPointer(this)] {
        if (self) {
            self->showModel();
        }
    });
    showModel();
}

// An auto-exclusive button refuses to be unmarked while it is the marked one; the model may
// leave the whole group unmarked, so exclusivity is lifted for that moment.
void ModelRadioButton::showModel() {
    if (model_.value() == isChecked()) {
        return;
    }
    if (!model_.value()) {
        setAutoExclusive(false);
        setChecked(false);
        setAutoExclusive(true);
    } else {
        setChecked(true);
    }
}

// The arrow keys go down or up the window, round from either end, and mark the button they land
// on, as option buttons do on Windows; the model chooses which.
void ModelRadioButton::keyPressEvent(QKeyEvent* event) {
    switch (event->key()) {
    case Qt::Key_Down:
    case Qt::Key_Right:
        moveBy(1);
        break;
    case Qt::Key_Up:
    case Qt::Key_Left:
        moveBy(-1);
        break;
    default:
        QRadioButton::keyPressEvent(event);
    }
}

void ModelRadioButton::moveBy(int step) {
    const OptionButton& next = model_.pupilMovesBy(step);
    for (auto* button : parentWidget()->findChildren<ModelRadioButton*>()) {
        if (&button->model_ == &next) {
            button->setFocus(Qt::TabFocusReason);
        }
    }
}

} // namespace morvatek::qt
