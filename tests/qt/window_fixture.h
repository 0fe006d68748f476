#pragma once

#include "morvatek_window.h"
#include "program.h"
#include "window_program_host.h"

#include <QListWidget>
#include <QStringList>
#include <memory>

namespace morvatek::testing {

// A started program in its window, shown on the offscreen platform, with the error box
// replaced by a recorder.
class OpenWindow {
public:
    OpenWindow();

    Morvatek& model() { return program_->window(); }
    qt::MorvatekWindow& window() { return *window_; }
    const qt::WindowProgramHost& host() const { return host_; }
    const QStringList& shownErrors() const { return shownErrors_; }

    template <typename T> T* control(const char* name) {
        return window_->findChild<T*>(QLatin1String(name));
    }

    void click(const char* buttonName);
    void clickItem(int row);
    void enterDigits(const QString& digits);
    QString transcript();
    QString entry();

private:
    QStringList shownErrors_;
    qt::WindowProgramHost host_;
    std::unique_ptr<Program> program_;
    std::unique_ptr<qt::MorvatekWindow> window_;
};

} // namespace morvatek::testing
