#include "application_setup.h"

#include "morvatek.xpm"

#include <QApplication>
#include <QIcon>
#include <QLibraryInfo>
#include <QPixmap>
#include <QTranslator>

namespace morvatek::qt {

void setUpApplication() {
    QApplication::setApplicationName(QStringLiteral("Morvatek"));
    QApplication::setApplicationVersion(QStringLiteral(MORVATEK_VERSION));
    QGuiApplication::setDesktopFileName(QStringLiteral(MORVATEK_APP_ID));
    QApplication::setWindowIcon(QIcon(QPixmap(morvatek_xpm)));
    // Qt's own texts (the text boxes' context menu, the error box's button) in Bulgarian, as
    // every other text of the window, whatever the desktop's language.
    auto* translator = new QTranslator(QCoreApplication::instance());
    if (translator->load(QStringLiteral("qtbase_bg"),
                         QLibraryInfo::path(QLibraryInfo::TranslationsPath))) {
        QCoreApplication::installTranslator(translator);
    }
}

} // namespace morvatek::qt
