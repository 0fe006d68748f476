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
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) {
        qputenv("QT_QPA_PLATFORM", "offscreen");
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
