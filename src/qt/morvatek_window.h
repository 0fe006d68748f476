#pragma once

#include <QWidget>

namespace morvatek {
struct Morvatek;
}

namespace morvatek::qt {

class ScreenReaderAnnouncer;

// The window Morvatek: draws the model's controls as designed, shows their state as it changes
// and passes the pupil's clicks and keys to them.
class MorvatekWindow : public QWidget {
    Q_OBJECT

public:
    explicit MorvatekWindow(Morvatek& model, QWidget* parent = nullptr);

    // Tells a screen reader what the pupil's action did, wherever the focus is.
    void announce(const QString& sentence);

private:
    void createLabels(const Morvatek& model);
    void createOptions(Morvatek& model);
    void createLists(Morvatek& model);
    void createTextBoxes(const Morvatek& model);
    void createButtons(Morvatek& model);
    void setTabOrder();
    void nameAfterLabel(QWidget* widget);

    ScreenReaderAnnouncer* announcer_;
};

} // namespace morvatek::qt
