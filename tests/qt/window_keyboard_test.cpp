// A pupil with only a keyboard: Tab, the arrow keys, Space, Enter and the digit keys, sent as
// real key events to whatever holds the focus.
#include "window_fixture.h"

#include <QAbstractButton>
#include <QApplication>
#include <QImage>
#include <QTest>

namespace morvatek::testing {
struct Key {
    int key;
    Qt::KeyboardModifiers modifiers = Qt::NoModifier;
};
using Keys = QList<Key>;
} // namespace morvatek::testing

Q_DECLARE_METATYPE(morvatek::testing::Key)

namespace morvatek::testing {

namespace {

void press(const Keys& keys) {
    for (const Key& key : keys) {
        QTest::keyClick(QApplication::focusWidget(), Qt::Key(key.key), key.modifiers);
    }
}

const Key kTab{Qt::Key_Tab};
const Key kSpace{Qt::Key_Space};

} // namespace

class WindowKeyboardTest : public QObject {
    Q_OBJECT

private slots:
    // From the transcript: Tab to the option group, choose, Tab to the digits, enter them,
    // Tab to "Изчисли", press it.
    void wholeConversionByKeyboard_data() {
        QTest::addColumn<Keys>("chooseBase");
        QTest::addColumn<Keys>("enterDigits");
        QTest::addColumn<Key>("press");
        QTest::addColumn<QString>("entry");
        QTest::addColumn<QString>("lastLines");
        const Key enter{Qt::Key_Return};
        const Key keypadEnter{Qt::Key_Enter, Qt::KeypadModifier};
        QTest::newRow("1011 in base 8 by arrows and Space")
            << Keys{kSpace} << Keys{{Qt::Key_End}, {Qt::Key_Up}, {Qt::Key_Down}, kSpace} << enter
            << "1011"
            << "Въведеното число в 8-ична бройна система:\n13";
        QTest::newRow("1111 in base 8 by End and Enter on the item")
            << Keys{kSpace} << Keys{{Qt::Key_End}, kSpace, {Qt::Key_Return}, kSpace} << keypadEnter
            << "1111"
            << "Въведеното число в 8-ична бройна система:\n17";
        QTest::newRow("1011 in base 16 by typing")
            << Keys{{Qt::Key_Down}, kSpace}
            << Keys{{Qt::Key_1}, {Qt::Key_0}, {Qt::Key_1}, {Qt::Key_1}} << enter << "1011"
            << "Въведеното число в 16-ична бройна система:\nB";
        QTest::newRow("1111 in base 16 by typing")
            << Keys{{Qt::Key_Down}, kSpace}
            << Keys{{Qt::Key_1}, {Qt::Key_1}, {Qt::Key_1}, {Qt::Key_1}} << keypadEnter << "1111"
            << "Въведеното число в 16-ична бройна система:\nF";
    }

    void wholeConversionByKeyboard() {
        QFETCH(Keys, chooseBase);
        QFETCH(Keys, enterDigits);
        QFETCH(Key, press);
        QFETCH(QString, entry);
        QFETCH(QString, lastLines);
        OpenWindow open;
        QVERIFY(QTest::qWaitForWindowActive(&open.window()));
        testing::press(Keys{kTab});
        testing::press(chooseBase);
        testing::press(Keys{kTab});
        QCOMPARE(QApplication::focusWidget()->objectName(), QStringLiteral("List1"));
        testing::press(enterDigits);
        QCOMPARE(open.entry(), entry);
        testing::press(Keys{kTab});
        QCOMPARE(QApplication::focusWidget()->objectName(), QStringLiteral("Command1_0"));
        testing::press(Keys{press});
        QVERIFY2(open.transcript().endsWith(lastLines), qPrintable(open.transcript()));
    }

    // On a list just filled, with no item selected yet.
    void firstKeyOnAFreshList_data() {
        QTest::addColumn<int>("key");
        QTest::addColumn<QString>("entry");
        QTest::newRow("End") << int(Qt::Key_End) << "1";
        QTest::newRow("Page Down") << int(Qt::Key_PageDown) << "1";
        QTest::newRow("Home") << int(Qt::Key_Home) << "0";
        QTest::newRow("Down") << int(Qt::Key_Down) << "0";
        QTest::newRow("Up") << int(Qt::Key_Up) << "0";
        QTest::newRow("Space, with nothing selected") << int(Qt::Key_Space) << "";
        QTest::newRow("a letter") << int(Qt::Key_A) << "";
    }

    void firstKeyOnAFreshList() {
        QFETCH(int, key);
        QFETCH(QString, entry);
        OpenWindow open;
        open.click("Option1_0");
        QTest::keyClick(open.control<QWidget>("List1"), Qt::Key(key));
        QCOMPARE(open.entry(), entry);
    }

    void quickTypingEntersEveryDigit() {
        OpenWindow open;
        open.click("Option1_1");
        QTest::keyClicks(open.control<QWidget>("List1"), QStringLiteral("10011"));
        QCOMPARE(open.entry(), QStringLiteral("10011"));
    }

    void focusedListShowsAFocusMark() {
        OpenWindow open;
        QVERIFY(QTest::qWaitForWindowActive(&open.window()));
        open.click("Option1_1");
        auto* list = open.control<QWidget>("List1");
        const QImage unfocused = list->grab().toImage();
        list->setFocus(Qt::TabFocusReason);
        QTRY_VERIFY(list->hasFocus());
        QVERIFY(list->grab().toImage() != unfocused);
    }

    void enterOnAFocusedButtonPressesIt_data() {
        QTest::addColumn<int>("key");
        QTest::addColumn<int>("modifiers");
        QTest::newRow("Enter") << int(Qt::Key_Return) << int(Qt::NoModifier);
        QTest::newRow("keypad Enter") << int(Qt::Key_Enter) << int(Qt::KeypadModifier);
        QTest::newRow("Space") << int(Qt::Key_Space) << int(Qt::NoModifier);
    }

    void enterOnAFocusedButtonPressesIt() {
        QFETCH(int, key);
        QFETCH(int, modifiers);
        OpenWindow open;
        open.click("Option1_2");
        open.enterDigits(QStringLiteral("11"));
        auto* clear = open.control<QWidget>("Command1_1");
        clear->setFocus();
        QTest::keyClick(clear, Qt::Key(key), Qt::KeyboardModifiers(modifiers));
        QCOMPARE(open.transcript(), QString());
        QCOMPARE(open.entry(), QString());
    }
};

} // namespace morvatek::testing

int runWindowKeyboardTests(int argc, char** argv) {
    morvatek::testing::WindowKeyboardTest test;
    return QTest::qExec(&test, argc, argv);
}

#include "window_keyboard_test.moc"
