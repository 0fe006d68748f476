#include "application_setup.h"

#include <QApplication>
#include <QIcon>

namespace morvatek::form {

void setUpApplication() {
    QApplication::setApplicationName(QStringLiteral("Morvatek"));
    QApplication::setApplicationVersion(QStringLiteral(MORVATEK_VERSION));
    QGuiApplication::setDesktopFileName(QStringLiteral(MORVATEK_APP_ID));
    QApplication::setWindowIcon(QIcon(QStringLiteral(":/morvatek/morvatek.png")));
}

} // namespace morvatek::form
