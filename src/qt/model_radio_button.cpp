#include "model_radio_button.h"

#include "option_button.h"

#include <QKeyEvent>
#include <QPointer>
#include <algorithm>

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

// The arrow keys go down or up the window, from the last button round to the first and back,
// and mark the button they land on, as option buttons do on Windows.
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
    auto group = parentWidget()->findChildren<ModelRadioButton*>(Qt::FindDirectChildrenOnly);
    std::sort(group.begin(), group.end(),
              [](const QWidget* a, const QWidget* b) { return a->y() < b->y(); });
    const auto count = group.size();
    ModelRadioButton* next = group[(group.indexOf(this) + step + count) % count];
    next->model_.pupilSelects();
    next->setFocus(Qt::TabFocusReason);
}

} // namespace morvatek::qt
