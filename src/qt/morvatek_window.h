#pragma once

#include <QWidget>

namespace morvatek {
struct Morvatek;
}

namespace morvatek::qt {

// The window Morvatek: draws the model's controls as designed, shows their state as it changes
// and passes the pupil's clicks and keys to them.
class MorvatekWindow : public QWidget {
    Q_OBJECT

public:
    explicit MorvatekWindow(Morvatek& model, QWidget* parent = nullptr);

private:
    void createLabels(const Morvatek& model);
    void createOptions(Morvatek& model);
    void createLists(Morvatek& model);
    void createTextBoxes(const Morvatek& model);
    void createButtons(Morvatek& model);
    void setTabOrder();
    void nameAfterLabel(QWidget* widget);
};

} // namespace morvatek::qt
