// The yardstick for a click: a Qt window of Morvatek's size with a button where "Изчисли" is and
// a text box where the transcript is, which shows the whole 30-digit transcript once per click.
#include "yardstick_transcript.h"

#include <QApplication>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QWidget>

int main(int argc, char* argv[]) {
    QApplication application(argc, argv);
    QWidget window;
    window.setFixedSize(477, 318);
    window.setFont(QFont(QStringLiteral("Times New Roman"), 12));
    auto* button = new QPushButton(QStringLiteral("Изчисли"), &window);
    button->setGeometry(328, 40, 113, 25);
    auto* transcript = new QPlainTextEdit(&window);
    transcript->setGeometry(16, 176, 449, 137);
    transcript->setReadOnly(true);
    const QString text =
        QString::fromStdU16String(yardstickTranscript()).replace(QStringLiteral("\r\n"), "\n");
    QObject::connect(button, &QPushButton::clicked, transcript,
                     [transcript, text] { transcript->setPlainText(text); });
    window.show();
    return QApplication::exec();
}
