// The yardstick for start-up: the least a Qt Widgets program can show, a label in a window of
// Morvatek's size.
#include <QApplication>
#include <QLabel>

int main(int argc, char* argv[]) {
    QApplication application(argc, argv);
    QLabel label(QStringLiteral("Morvatek"));
    label.setFixedSize(477, 318);
    label.show();
    return QApplication::exec();
}
