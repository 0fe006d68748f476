#include "platform_check.h"

namespace morvatek::qt {

namespace {

bool isSet(const char* name) {
    return !qEnvironmentVariableIsEmpty(name);
}

bool inWaylandSession() {
    const QString desktop =
        qEnvironmentVariable("XDG_CURRENT_DESKTOP") + qEnvironmentVariable("XDG_SESSION_DESKTOP");
    const bool wayland =
        isSet("WAYLAND_DISPLAY") || qEnvironmentVariable("XDG_SESSION_TYPE") == u"wayland";
    return wayland && !desktop.contains(QLatin1String("gnome"), Qt::CaseInsensitive);
}

QString firstLine(const QString& text) {
    return text.section(QLatin1Char('\n'), 0, 0).trimmed();
}

} // namespace

QString chosenPlatforms() {
    if (isSet("QT_QPA_PLATFORM")) {
        return qEnvironmentVariable("QT_QPA_PLATFORM");
    }
    return inWaylandSession() ? QStringLiteral("wayland;xcb") : QStringLiteral("xcb");
}

std::string missingDisplayReason(const QString& platforms) {
    if (platforms.section(QLatin1Char(':'), 0, 0) != u"xcb" || isSet("DISPLAY")) {
        return {};
    }
    return "няма графичен дисплей (DISPLAY не е зададен); прозорецът не може да бъде показан. "
           "Без екран стартирайте с xvfb-run morvatek";
}

std::string platformFailure(const QString& platforms, const QStringList& platformMessages,
                            const QString& fatalMessage) {
    QStringList reasons;
    for (const QString& message : platformMessages) {
        if (!firstLine(message).isEmpty() && !reasons.contains(firstLine(message))) {
            reasons.append(firstLine(message));
        }
    }
    if (reasons.isEmpty()) {
        reasons.append(firstLine(fatalMessage));
    }
    const QString reason = reasons.join(QStringLiteral("; "));
    const QString platform = platforms.section(QLatin1Char(':'), 0, 0);
    return QStringLiteral("графичната платформа „%1“ не може да бъде стартирана: %2")
        .arg(platform, reason)
        .toStdString();
}

} // namespace morvatek::qt
