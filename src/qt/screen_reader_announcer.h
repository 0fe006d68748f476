#pragma once

#include <QWidget>

namespace morvatek::qt {

// Tells a screen reader a sentence without moving the focus. Orca speaks an accessible object of
// the role Notification that becomes showing, by its name, wherever the focus is; Qt 6.8 and
// later announce a sentence through their own event instead. A sighted pupil sees nothing: it
// has no size, paints nothing and takes neither the focus nor the mouse.
class ScreenReaderAnnouncer : public QWidget {
    Q_OBJECT

public:
    explicit ScreenReaderAnnouncer(QWidget* window);

    void say(const QString& sentence);
};

} // namespace morvatek::qt
