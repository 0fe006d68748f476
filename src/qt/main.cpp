#include "application_setup.h"
#include "display_check.h"
#include "font_warm_up.h"
#include "morvatek_window.h"
#include "program.h"
#include "window_program_host.h"

#include <QApplication>
#include <QStringList>
#include <cstdio>
#include <cstdlib>
#include <string>
#include <utility>

namespace {

constexpr int kNoDisplayExitStatus = 1;

[[noreturn]] void exitWithoutDisplay(const char* reason) {
    std::fprintf(stderr,
                 "morvatek: %s; прозорецът не може да бъде показан. Без екран стартирайте с "
                 "xvfb-run morvatek\n",
                 reason);
    std::fflush(stderr);
    std::_Exit(kNoDisplayExitStatus);
}

// While the application connects to the display, Qt's messages are held back: when it cannot
// connect, Qt would print several lines and abort(); one plain line and a clean exit say it better.
QStringList heldMessages;

void holdQtMessage(QtMsgType type, const QMessageLogContext& /*context*/, const QString& message) {
    if (type == QtFatalMsg) {
        const QByteArray display = qgetenv("DISPLAY");
        const std::string reason =
            "графичният дисплей " + display.toStdString() + " не може да бъде отворен";
        exitWithoutDisplay(reason.c_str());
    }
    heldMessages.append(message);
}

} // namespace

int main(int argc, char* argv[]) {
    if (const std::string reason = morvatek::missingDisplayReason(); !reason.empty()) {
        exitWithoutDisplay(reason.c_str());
    }
    morvatek::FontWarmUp fontWarmUp;
    const QtMessageHandler previousHandler = qInstallMessageHandler(holdQtMessage);
    QApplication application(argc, argv);
    qInstallMessageHandler(previousHandler);
    for (const QString& message : std::as_const(heldMessages)) {
        qWarning().noquote() << message;
    }
    morvatek::qt::setUpApplication();

    morvatek::qt::WindowProgramHost host;
    morvatek::Program program(host);
    if (program.ended()) {
        return host.exitStatus().value_or(EXIT_FAILURE);
    }
    fontWarmUp.wait();
    morvatek::qt::MorvatekWindow window(program.window());
    host.setWindow(&window);
    window.show();
    return QApplication::exec();
}
