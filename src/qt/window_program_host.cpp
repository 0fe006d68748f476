#include "window_program_host.h"

#include "error_report.h"

#include <QCoreApplication>
#include <QMessageBox>

namespace morvatek::qt {

WindowProgramHost::WindowProgramHost(MessageBox messageBox) : messageBox_(std::move(messageBox)) {}

void WindowProgramHost::showCriticalBox(QWidget* parent, const QString& title,
                                        const QString& text) {
    QMessageBox::critical(parent, title, text);
}

void WindowProgramHost::reportError(const RuntimeError& error) {
    const ErrorReport report = describe(error);
    messageBox_(window_, QString::fromStdU16String(report.title),
                QString::fromStdU16String(report.text));
}

void WindowProgramHost::endProgram(int exitStatus) {
    exitStatus_ = exitStatus;
    if (window_) {
        window_->close();
    }
    QCoreApplication::exit(exitStatus);
}

} // namespace morvatek::qt
