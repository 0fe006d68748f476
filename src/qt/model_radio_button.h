#pragma once

#include <QRadioButton>

namespace morvatek {
class OptionButton;
}

namespace morvatek::qt {

// Shows an option button of the model. A click (or an arrow key within the group) goes to the
// model, which decides the marks of the whole group; the widget never toggles itself.
class ModelRadioButton : public QRadioButton {
    Q_OBJECT

public:
    ModelRadioButton(OptionButton& model, QWidget* parent);

protected:
    void nextCheckState() override {}
    // The whole coloured box takes the click, not only the circle and the caption.
    bool hitButton(const QPoint& position) const override { return rect().contains(position); }
    void keyPressEvent(QKeyEvent* event) override;

private:
    void showModel();
    void moveBy(int step);

    OptionButton& model_;
};

} // namespace morvatek::qt
