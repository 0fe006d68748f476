#include "window_program_host.h"

#include "error_report.h"
#include "morvatek_window.h"

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

void WindowProgramHost::announce(std::u16string_view sentence) {
    if (auto* window = qobject_cast<MorvatekWindow*>(window_.data())) {
        window->announce(
            QString::fromUtf16(sentence.data(), static_cast<qsizetype>(sentence.size())));
    }
}

} // namespace morvatek::qt
