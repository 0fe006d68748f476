#include "window_fixture.h"

#include <QAbstractButton>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QTest>

namespace morvatek::testing {

OpenWindow::OpenWindow()
    : host_([this](QWidget*, const QString&, const QString& text) { shownErrors_.append(text); }),
      program_(std::make_unique<Program>(host_)),
      window_(std::make_unique<qt::MorvatekWindow>(program_->window())) {
    host_.setWindow(window_.get());
    window_->show();
    window_->activateWindow();
    QVERIFY(QTest::qWaitForWindowExposed(window_.get()));
}

void OpenWindow::click(const char* buttonName) {
    auto* button = control<QAbstractButton>(buttonName);
    QVERIFY(button != nullptr);
    QTest::mouseClick(button, Qt::LeftButton, {}, button->rect().center());
}

void OpenWindow::clickItem(int row) {
    auto* list = control<QListWidget>("List1");
    QVERIFY(row < list->count());
    QTest::mouseClick(list->viewport(), Qt::LeftButton, {},
                      list->visualItemRect(list->item(row)).center());
}

void OpenWindow::enterDigits(const QString& digits) {
    for (QChar digit : digits) {
        clickItem(digit == QLatin1Char('1') ? 1 : 0);
    }
}

QString OpenWindow::transcript() {
    return control<QPlainTextEdit>("Text1_0")->toPlainText();
}

QString OpenWindow::entry() {
    return control<QLineEdit>("Text2")->text();
}

} // namespace morvatek::testing
