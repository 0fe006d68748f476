#include "application_setup.h"

#include "morvatek.xpm"

#include <QApplication>
#include <QIcon>
#include <QPixmap>

namespace morvatek::qt {

void setUpApplication() {
    QApplication::setApplicationName(QStringLiteral("Morvatek"));
    QApplication::setApplicationVersion(QStringLiteral(MORVATEK_VERSION));
    QGuiApplication::setDesktopFileName(QStringLiteral(MORVATEK_APP_ID));
    QApplication::setWindowIcon(QIcon(QPixmap(morvatek_xpm)));
}

} // namespace morvatek::qt
