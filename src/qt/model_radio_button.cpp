#include "model_radio_button.h"

#include "option_button.h"

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

} // namespace morvatek::qt
