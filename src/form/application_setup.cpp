#include "application_setup.h"

#include <QApplication>
#include <QIcon>
#include <QPixmap>

#include "morvatek.xpm"

namespace morvatek::form {

void setUpApplication() {
    QApplication::setApplicationName(QStringLiteral("Morvatek"));
    QApplication::setApplicationVersion(QStringLiteral(MORVATEK_VERSION));
    QGuiApplication::setDesktopFileName(QStringLiteral(MORVATEK_APP_ID));
    QApplication::setWindowIcon(QIcon(QPixmap(morvatek_xpm)));
}

} // namespace morvatek::form
