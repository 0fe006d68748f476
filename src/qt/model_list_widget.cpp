#include "model_list_widget.h"

#include "list_box.h"

#include <QKeyEvent>
#include <QMouseEvent>
#include <QPainter>
#include <QPointer>
#include <algorithm>

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

// Keys that move the selection, enter the selected item again or type a digit go to the model;
// the list does no type-ahead search of its own. Tab and other keys pass on to the window.
void ModelListWidget::keyPressEvent(QKeyEvent* event) {
    if (!forwardKey(*event)) {
        event->ignore();
    }
}

bool ModelListWidget::forwardKey(const QKeyEvent& event) {
    if (event.modifiers() & ~(Qt::KeypadModifier | Qt::ShiftModifier)) {
        return false;
    }
    switch (event.key()) {
    case Qt::Key_Up:
        model_.pupilMovesBy(-1);
        return true;
    case Qt::Key_Down:
        model_.pupilMovesBy(1);
        return true;
    case Qt::Key_PageUp:
        model_.pupilMovesBy(-rowsPerPage());
        return true;
    case Qt::Key_PageDown:
        model_.pupilMovesBy(rowsPerPage());
        return true;
    case Qt::Key_Home:
        model_.pupilMovesToFirst();
        return true;
    case Qt::Key_End:
        model_.pupilMovesToLast();
        return true;
    case Qt::Key_Space:
    case Qt::Key_Return:
    case Qt::Key_Enter:
        model_.pupilReenters();
        return true;
    default:
        break;
    }
    const QString text = event.text();
    if (text.size() == 1 && text.at(0).isPrint() && !text.at(0).isSpace()) {
        model_.pupilTypes(text.at(0).unicode());
        return true;
    }
    return false;
}

int ModelListWidget::rowsPerPage() const {
    const int rowHeight = count() > 0 ? sizeHintForRow(0) : 0;
    return rowHeight > 0 ? std::max(1, viewport()->height() / rowHeight) : 1;
}

// The focused list is framed in the highlight colour, so that a pupil on the keyboard sees where
// Tab has brought them; styles show their own focus marks only now and then.
void ModelListWidget::paintEvent(QPaintEvent* event) {
    QListWidget::paintEvent(event);
    if (!hasFocus()) {
        return;
    }
    constexpr int kFocusFrameWidth = 2;
    QPainter painter(viewport());
    painter.setPen(QPen(palette().color(QPalette::Highlight), kFocusFrameWidth));
    painter.drawRect(viewport()->rect().adjusted(1, 1, -1, -1));
}

} // namespace morvatek::qt
