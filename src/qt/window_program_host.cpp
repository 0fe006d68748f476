#include "window_program_host.h"

#include "runtime_error.h"

#include <QCoreApplication>
#include <QMessageBox>

namespace morvatek::qt {

WindowProgramHost::WindowProgramHost(MessageBox messageBox) : messageBox_(std::move(messageBox)) {}

void WindowProgramHost::showCriticalBox(QWidget* parent, const QString& title,
                                        const QString& text) {
    QMessageBox::critical(parent, title, text);
}

void WindowProgramHost::reportError(const RuntimeError& error) {
    messageBox_(window_, QStringLiteral("Morvatek"),
                QStringLiteral("Грешка при изпълнение:\n%1\n\nПрограмата ще бъде затворена.")
                    .arg(QString::fromUtf8(error.what())));
}

void WindowProgramHost::endProgram(int exitStatus) {
    exitStatus_ = exitStatus;
    if (window_) {
        window_->close();
    }
    QCoreApplication::exit(exitStatus);
}

} // namespace morvatek::qt
