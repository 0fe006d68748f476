#include "screen_reader_announcer.h"

#include <QAccessible>
#include <QAccessibleWidget>

namespace morvatek::qt {

namespace {

QAccessibleInterface* notificationFor(const QString& className, QObject* object) {
    if (className == QLatin1String(ScreenReaderAnnouncer::staticMetaObject.className()) &&
        object->isWidgetType()) {
        return new QAccessibleWidget(static_cast<QWidget*>(object), QAccessible::Notification);
    }
    return nullptr;
}

} // namespace

ScreenReaderAnnouncer::ScreenReaderAnnouncer(QWidget* window) : QWidget(window) {
    static const bool roleKnown = [] {
        QAccessible::installFactory(notificationFor);
        return true;
    }();
    Q_UNUSED(roleKnown);
    setObjectName(QStringLiteral("announcer"));
    setFocusPolicy(Qt::NoFocus);
    setAttribute(Qt::WA_TransparentForMouseEvents);
    setGeometry(0, 0, 0, 0);
    hide();
}

void ScreenReaderAnnouncer::say(const QString& sentence) {
#if QT_VERSION >= QT_VERSION_CHECK(6, 8, 0)
    QAccessibleAnnouncementEvent event(window(), sentence);
    QAccessible::updateAccessibility(&event);
#else
    // Shown anew for each sentence, the same one again too: showing is what Orca speaks.
    hide();
    setAccessibleName(sentence);
    show();
#endif
}

} // namespace morvatek::qt
