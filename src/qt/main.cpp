#include "application_setup.h"
#include "font_warm_up.h"
#include "morvatek_window.h"
#include "platform_check.h"
#include "program.h"
#include "window_program_host.h"

#include <QApplication>
#include <QStringList>
#include <cstdio>
#include <cstdlib>
#include <string>
#include <utility>

namespace {

constexpr int kStartFailureExitStatus = 1;

[[noreturn]] void exitWithMessage(const std::string& line) {
    std::fprintf(stderr, "morvatek: %s\n", line.c_str());
    std::fflush(stderr);
    std::_Exit(kStartFailureExitStatus);
}

// While the application connects to its platform, Qt's messages are held back: when it cannot
// start, Qt would print several lines and abort(); one line that names the platform and Qt's
// reason, and a clean exit, say it better.
QStringList heldMessages;
QStringList platformMessages;
QString platforms;

void holdQtMessage(QtMsgType type, const QMessageLogContext& context, const QString& message) {
    if (type == QtFatalMsg) {
        exitWithMessage(morvatek::qt::platformFailure(platforms, platformMessages, message));
    }
    if (context.category != nullptr && QByteArray(context.category).startsWith("qt.qpa")) {
        platformMessages.append(message);
    }
    heldMessages.append(message);
}

} // namespace

int main(int argc, char* argv[]) {
    platforms = morvatek::qt::chosenPlatforms();
    if (const std::string reason = morvatek::qt::missingDisplayReason(platforms); !reason.empty()) {
        exitWithMessage(reason);
    }
    morvatek::FontWarmUp fontWarmUp;
    // The program takes no arguments, Qt's own (-platform, -reverse, -stylesheet …) included;
    // Qt's environment variables still apply.
    int qtArgc = argc > 0 ? 1 : 0;
    const QtMessageHandler previousHandler = qInstallMessageHandler(holdQtMessage);
    QApplication application(qtArgc, argv);
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
