#pragma once

#include <QListWidget>

namespace morvatek {
class ListBox;
}

namespace morvatek::qt {

// Shows a list control of the model. The widget never changes its own selection: every click
// on an item and every key the list takes goes to the model, whose selection the widget then
// shows.
class ModelListWidget : public QListWidget {
    Q_OBJECT

public:
    ModelListWidget(ListBox& model, QWidget* parent);

    // Shows the model's items, selection, enabled state and visibility.
    void showModel();

protected:
    void mousePressEvent(QMouseEvent* event) override;
    void mouseDoubleClickEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    void paintEvent(QPaintEvent* event) override;

private:
    void forwardClickAt(const QPoint& position);
    bool forwardKey(const QKeyEvent& event);
    int rowsPerPage() const;

    ListBox& model_;
};

} // namespace morvatek::qt
