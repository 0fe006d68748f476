// The window as drawn: every control's place and size, the colours and the font.
#include "control_looks.h"
#include "window_fixture.h"

#include <QAbstractButton>
#include <QApplication>
#include <QFontDatabase>
#include <QFontInfo>
#include <QFontMetrics>
#include <QImage>
#include <QLabel>
#include <QTest>

namespace morvatek::testing {

namespace {

int darkestPixel(QWidget& widget) {
    const QImage image = widget.grab().toImage();
    int darkest = 255 * 3;
    for (int y = 0; y < image.height(); ++y) {
        for (int x = 0; x < image.width(); ++x) {
            const QColor c = image.pixelColor(x, y);
            darkest = std::min(darkest, c.red() + c.green() + c.blue());
        }
    }
    return darkest / 3;
}

int brightestPixel(QWidget& widget) {
    const QImage image = widget.grab().toImage().convertToFormat(QImage::Format_Grayscale8);
    int brightest = 0;
    for (int y = 2; y < image.height() - 2; ++y) {
        for (int x = 2; x < image.width() - 2; ++x) {
            brightest = std::max(brightest, qGray(image.pixel(x, y)));
        }
    }
    return brightest;
}

} // namespace

class WindowLookTest : public QObject {
    Q_OBJECT

private slots:
    void clientAreaIsFixedAt477By318() {
        OpenWindow open;
        QCOMPARE(open.window().size(), QSize(477, 318));
        QCOMPARE(open.window().minimumSize(), open.window().maximumSize());
    }

    // Every control at 15 twips to the pixel, the option buttons relative to their frame.
    void controlRectangles() {
        OpenWindow open;
        for (const form::ControlLook& look : form::controlLooks()) {
            const QString name = QString::fromLatin1(look.name.data(), look.name.size());
            auto* widget = open.window().findChild<QWidget*>(name);
            QVERIFY2(widget != nullptr, qPrintable(name));
            const QRect designed(look.rect.left / 15, look.rect.top / 15, look.rect.width / 15,
                                 look.rect.height / 15);
            QVERIFY2(widget->geometry() == designed, qPrintable(name));
            const QString parent =
                look.parent.empty() ? QStringLiteral("Morvatek")
                                    : QString::fromLatin1(look.parent.data(), look.parent.size());
            QCOMPARE(widget->parentWidget()->objectName(), parent);
        }
    }

    void colours_data() {
        QTest::addColumn<QString>("name");
        QTest::addColumn<QPoint>("inside");
        QTest::addColumn<QColor>("colour");
        const QColor label(255, 192, 128);
        QTest::newRow("window") << "Morvatek" << QPoint(5, 5) << QColor(192, 192, 255);
        QTest::newRow("Label1_0") << "Label1_0" << QPoint(3, 3) << label;
        QTest::newRow("Label1_1") << "Label1_1" << QPoint(110, 3) << label;
        QTest::newRow("Label1_2") << "Label1_2" << QPoint(60, 22) << label;
        QTest::newRow("Label1_3") << "Label1_3" << QPoint(185, 3) << label;
        QTest::newRow("Frame1") << "Frame1" << QPoint(5, 84) << QColor(192, 192, 255);
        QTest::newRow("Option1_1") << "Option1_1" << QPoint(115, 3) << QColor(192, 255, 192);
        QTest::newRow("Command1_0") << "Command1_0" << QPoint(6, 5) << QColor(128, 255, 128);
        QTest::newRow("Command1_1") << "Command1_1" << QPoint(6, 5) << QColor(255, 128, 128);
        const QColor base = QApplication::palette().color(QPalette::Base);
        QTest::newRow("List1, the system's colour") << "List1" << QPoint(50, 35) << base;
        QTest::newRow("Text2, the system's colour") << "Text2" << QPoint(180, 5) << base;
    }

    void colours() {
        QFETCH(QString, name);
        QFETCH(QPoint, inside);
        QFETCH(QColor, colour);
        OpenWindow open;
        QWidget& window = open.window();
        auto* widget = name == window.objectName() ? &window : window.findChild<QWidget*>(name);
        QVERIFY2(widget != nullptr, qPrintable(name));
        const QImage image = window.grab().toImage();
        const QPoint at = widget->mapTo(&window, inside);
        QCOMPARE(image.pixelColor(at).rgb(), colour.rgb());
    }

    // A dark desktop palette: text on the designed pale backgrounds stays black, while the
    // digit list and the entry take the palette's own dark base and light text.
    void darkPaletteKeepsDesignedControlsReadable() {
        QPalette dark = QApplication::palette();
        dark.setColor(QPalette::Window, QColor(40, 40, 40));
        dark.setColor(QPalette::WindowText, QColor(235, 235, 235));
        dark.setColor(QPalette::Button, QColor(50, 50, 50));
        dark.setColor(QPalette::ButtonText, QColor(235, 235, 235));
        dark.setColor(QPalette::Base, QColor(20, 20, 20));
        dark.setColor(QPalette::Text, QColor(250, 250, 250));
        const QPalette previous = QApplication::palette();
        QApplication::setPalette(dark);
        OpenWindow open;
        open.click("Option1_1");
        open.enterDigits(QStringLiteral("1"));
        QApplication::setPalette(previous);
        for (const char* name : {"Label1_0", "Label1_2", "Option1_1", "Command1_0", "Command1_1"}) {
            QVERIFY2(darkestPixel(*open.control<QWidget>(name)) < 60, name);
        }
        const QImage list = open.control<QWidget>("List1")->grab().toImage();
        QCOMPARE(list.pixelColor(50, 8).rgb(),
                 QColor(20, 20, 20).rgb()); // beside the unselected "0"
        const QImage entry = open.control<QWidget>("Text2")->grab().toImage();
        QCOMPARE(entry.pixelColor(180, 5).rgb(), QColor(20, 20, 20).rgb());
        QVERIFY2(brightestPixel(*open.control<QWidget>("Text2")) > 200, "entry text");
    }

    void fontIsTimesNewRoman12WithCyrillicLetters() {
        OpenWindow open;
        const QFont font = open.control<QWidget>("Text1_0")->font();
        QCOMPARE(font.family(), QStringLiteral("Times New Roman"));
        QCOMPARE(font.pointSize(), 12);
        QCOMPARE(font.weight(), QFont::Normal);
        const QFontInfo resolved(font);
        QVERIFY2(QFontDatabase::writingSystems(resolved.family()).contains(QFontDatabase::Cyrillic),
                 qPrintable(resolved.family()));
        const QFontMetrics metrics(font);
        for (char32_t letter : U"ЧъяжщЮ") {
            if (letter != 0) {
                QVERIFY(metrics.inFontUcs4(letter));
            }
        }
    }

    void captionAndTexts() {
        OpenWindow open;
        QCOMPARE(open.window().windowTitle(),
                 QStringLiteral("www.morvatek.example Бройна система - директно преобразуване"));
        QCOMPARE(open.control<QAbstractButton>("Option1_0")->text(), QStringLiteral("4-ична"));
        QCOMPARE(open.control<QAbstractButton>("Option1_1")->text(), QStringLiteral("8-ична"));
        QCOMPARE(open.control<QAbstractButton>("Option1_2")->text(), QStringLiteral("16-ична"));
        QCOMPARE(open.control<QAbstractButton>("Command1_0")->text(), QStringLiteral("Изчисли"));
        QCOMPARE(open.control<QAbstractButton>("Command1_1")->text(), QStringLiteral("Изчисти"));
        QCOMPARE(open.control<QLabel>("Label1_0")->text(),
                 QStringLiteral("Преобразуване на бройна система от основа 2 в 4, 8, 16"));
        QCOMPARE(open.control<QLabel>("Label1_2")->text(), QStringLiteral("Цифри"));
    }
};

} // namespace morvatek::testing

int runWindowLookTests(int argc, char** argv) {
    morvatek::testing::WindowLookTest test;
    return QTest::qExec(&test, argc, argv);
}

#include "window_look_test.moc"
