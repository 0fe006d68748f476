#pragma once

#include "program_host.h"

#include <QPointer>
#include <QString>
#include <QWidget>
#include <functional>
#include <optional>

namespace morvatek::qt {

// Runs the program in the Qt window: a run-time error is shown in a message box and ends the
// event loop with the error's exit status.
class WindowProgramHost : public ProgramHost {
public:
    // Shows a modal message box; tests put a recorder in its place.
    using MessageBox =
        std::function<void(QWidget* parent, const QString& title, const QString& text)>;

    static void showCriticalBox(QWidget* parent, const QString& title, const QString& text);

    explicit WindowProgramHost(MessageBox messageBox = showCriticalBox);

    void setWindow(QWidget* window) { window_ = window; }
    std::optional<int> exitStatus() const { return exitStatus_; }

    void reportError(const RuntimeError& error) override;
    void endProgram(int exitStatus) override;
    void announce(std::u16string_view sentence) override;

private:
    MessageBox messageBox_;
    QPointer<QWidget> window_;
    std::optional<int> exitStatus_;
};

} // namespace morvatek::qt
