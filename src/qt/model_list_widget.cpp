#include "model_list_widget.h"

#include "list_box.h"

#include <QKeyEvent>
#include <QMouseEvent>
#include <QPointer>

namespace morvatek::qt {

ModelListWidget::ModelListWidget(ListBox& model, QWidget* parent)
    : QListWidget(parent), model_(model) {
    setSelectionMode(QAbstractItemView::SingleSelection);
    model_.subscribe([self = QPointer(this)] {
        if (self) {
            self->showModel();
        }
    });
    showModel();
}

void ModelListWidget::showModel() {
    setHidden(!model_.visible());
    if (!model_.visible()) {
        return; // a hidden list is brought up to date when it is shown
    }
    const auto& items = model_.items();
    bool same = count() == static_cast<int>(items.size());
    for (int row = 0; same && row < count(); ++row) {
        same = item(row)->text() == QString::fromStdU16String(items[static_cast<std::size_t>(row)]);
    }
    if (!same) {
        clear();
        for (const auto& text : items) {
            addItem(QString::fromStdU16String(text));
        }
    }
    if (model_.listIndex() >= 0) {
        setCurrentRow(model_.listIndex());
    } else {
        clearSelection();
        setCurrentIndex({});
    }
    setEnabled(model_.enabled());
}

void ModelListWidget::forwardClickAt(const QPoint& position) {
    const QModelIndex index = indexAt(position);
    if (index.isValid()) {
        model_.pupilSelects(index.row());
    }
}

void ModelListWidget::mousePressEvent(QMouseEvent* event) {
    setFocus(Qt::MouseFocusReason);
    if (event->button() == Qt::LeftButton) {
        forwardClickAt(event->position().toPoint());
    }
}

// The second press of a quick double click is a click of its own: two quick clicks on "1"
// enter "11".
void ModelListWidget::mouseDoubleClickEvent(QMouseEvent* event) {
    mousePressEvent(event);
}

void ModelListWidget::mouseMoveEvent(QMouseEvent* event) {
    event->accept();
}

void ModelListWidget::mouseReleaseEvent(QMouseEvent* event) {
    event->accept();
}

// Only a key that moves the current item selects; others (Tab, a modifier) leave the list
// alone even while the focus marks an item that is not selected.
void ModelListWidget::keyPressEvent(QKeyEvent* event) {
    const int before = currentRow();
    QListWidget::keyPressEvent(event);
    const int row = currentRow();
    if (row >= 0 && row != before) {
        model_.pupilSelects(row);
    }
    showModel();
}

} // namespace morvatek::qt
