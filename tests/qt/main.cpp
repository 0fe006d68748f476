#include "application_setup.h"

#include <QApplication>
#include <QLocale>
#include <QStyleFactory>
#include <QTest>

int runWindowLookTests(int argc, char** argv);
int runWindowStartTests(int argc, char** argv);
int runWindowBehaviourTests(int argc, char** argv);
int runWindowAccessibilityTests(int argc, char** argv);
int runWindowKeyboardTests(int argc, char** argv);

int main(int argc, char** argv) {
    // The window tests measure pixels: they run offscreen at scale 1, whatever the caller's
    // environment says.
    qputenv("QT_QPA_PLATFORM", "offscreen");
    for (const char* scaling :
         {"QT_SCALE_FACTOR", "QT_SCREEN_SCALE_FACTORS", "QT_ENABLE_HIGHDPI_SCALING", "QT_FONT_DPI",
          "QT_SCALE_FACTOR_ROUNDING_POLICY"}) {
        qunsetenv(scaling);
    }
    QApplication application(argc, argv);
    morvatek::qt::setUpApplication();
    QApplication::setStyle(QStyleFactory::create(QStringLiteral("Fusion")));
    QLocale::setDefault(QLocale(QLocale::Bulgarian, QLocale::Bulgaria));
    int failures = 0;
    failures += runWindowLookTests(argc, argv);
    failures += runWindowStartTests(argc, argv);
    failures += runWindowBehaviourTests(argc, argv);
    failures += runWindowAccessibilityTests(argc, argv);
    failures += runWindowKeyboardTests(argc, argv);
    return failures == 0 ? 0 : 1;
}
