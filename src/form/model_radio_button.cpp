#include "model_radio_button.h"

#include "option_button.h"

#include <QPointer>

namespace morvatek::form {

ModelRadioButton::ModelRadioButton(OptionButton& model, QWidget* parent)
    : QRadioButton(QString::fromStdU16String(model.caption()), parent), model_(model) {
    setAutoExclusive(false);
    connect(this, &QAbstractButton::clicked, this, [this] { model_.pupilSelects(); });
    model_.subscribe([self = QPointer(this)] {
        if (self) {
            self->showModel();
        }
    });
    showModel();
}

void ModelRadioButton::showModel() { setChecked(model_.value()); }

} // namespace morvatek::form
