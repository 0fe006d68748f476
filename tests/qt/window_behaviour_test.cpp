// The pupil's clicks and keys on the real widgets, and what the window shows in return.
#include "event_dispatcher.h"
#include "window_fixture.h"

#include <QAbstractButton>
#include <QApplication>
#include <QClipboard>
#include <QPlainTextEdit>
#include <QTest>

namespace morvatek::testing {

class WindowBehaviourTest : public QObject {
    Q_OBJECT

private slots:
    void roadOfOneConversionByMouse() {
        OpenWindow open;
        open.click("Option1_1");
        QVERIFY(open.control<QAbstractButton>("Option1_1")->isChecked());
        auto* digits = open.control<QListWidget>("List1");
        QCOMPARE(digits->count(), 2);
        QCOMPARE(digits->item(0)->text(), QStringLiteral("0"));
        QCOMPARE(digits->item(1)->text(), QStringLiteral("1"));
        open.enterDigits(QStringLiteral("1011"));
        QCOMPARE(open.entry(), QStringLiteral("1011"));
        open.click("Command1_0");
        QCOMPARE(open.transcript(), QStringLiteral("1 011\n"
                                                   "Числото е разделено на групи по: 3\n"
                                                   "\n"
                                                   "1 = 1\n"
                                                   "011 = 3\n"
                                                   "Въведеното число в 8-ична бройна система:\n"
                                                   "13"));
        QVERIFY(!digits->isEnabled());
        QVERIFY(open.shownErrors().isEmpty());
    }

    void thirtyOneClicksLeaveThirtyDigits() {
        OpenWindow open;
        open.click("Option1_2");
        for (int click = 0; click < 31; ++click) {
            open.clickItem(1);
        }
        QCOMPARE(open.entry(), QString(30, QLatin1Char('1')));
    }

    void disabledDigitListTakesNoClicks() {
        OpenWindow open;
        open.click("Option1_0");
        open.enterDigits(QStringLiteral("10"));
        open.click("Command1_0");
        open.click("Option1_2");
        auto* digits = open.control<QListWidget>("List1");
        QCOMPARE(digits->count(), 2);
        QVERIFY(!digits->isEnabled());
        open.clickItem(1);
        QCOMPARE(open.entry(), QString());
    }

    void anotherBaseEmptiesTheEntry() {
        OpenWindow open;
        open.click("Option1_0");
        open.enterDigits(QStringLiteral("110"));
        open.click("Option1_1");
        QCOMPARE(open.entry(), QString());
        QVERIFY(!open.control<QAbstractButton>("Option1_0")->isChecked());
        QVERIFY(open.control<QAbstractButton>("Option1_1")->isChecked());
    }

    void clickOnTheMarkedOptionKeepsItMarkedAndTheDigits() {
        OpenWindow open;
        open.click("Option1_1");
        open.enterDigits(QStringLiteral("11"));
        open.click("Option1_1");
        QVERIFY(open.control<QAbstractButton>("Option1_1")->isChecked());
        QCOMPARE(open.entry(), QStringLiteral("11"));
    }

    void clearEmptiesTheTranscriptAndUnmarksTheOptions() {
        OpenWindow open;
        open.click("Option1_2");
        open.enterDigits(QStringLiteral("1"));
        open.click("Command1_0");
        open.click("Command1_1");
        QCOMPARE(open.transcript(), QString());
        QCOMPARE(open.entry(), QString());
        for (const char* name : {"Option1_0", "Option1_1", "Option1_2"}) {
            QVERIFY2(!open.control<QAbstractButton>(name)->isChecked(), name);
        }
        QCOMPARE(open.control<QListWidget>("List1")->count(), 0);
        QVERIFY(open.control<QListWidget>("List1")->isEnabled());
    }

    void keyboardMovesRaiseOneClickEach() {
        OpenWindow open;
        open.click("Option1_1");
        open.clickItem(0);
        auto* digits = open.control<QListWidget>("List1");
        QCOMPARE(digits->currentRow(), 0);
        QTest::keyClick(digits, Qt::Key_Down);
        QTest::keyClick(digits, Qt::Key_Up);
        QTest::keyClick(digits, Qt::Key_Up); // already at the top: no move, no click
        QCOMPARE(open.entry(), QStringLiteral("010"));
        QCOMPARE(digits->currentRow(), 0);
    }

    void pupilCanSelectAndCopyTheTranscript() {
        OpenWindow open;
        open.click("Option1_0");
        open.enterDigits(QStringLiteral("111"));
        open.click("Command1_0");
        auto* transcript = open.control<QPlainTextEdit>("Text1_0");
        transcript->setFocus();
        QTest::keyClick(transcript, Qt::Key_A, Qt::ControlModifier);
        QTest::keyClick(transcript, Qt::Key_C, Qt::ControlModifier);
        QCOMPARE(QGuiApplication::clipboard()->text(), open.transcript());
        QVERIFY(open.transcript().endsWith(QStringLiteral("\n13")));
        QTest::keyClick(transcript, Qt::Key_X, Qt::ControlModifier);
        QTest::keyClick(transcript, Qt::Key_Delete);
        QVERIFY2(open.transcript().endsWith(QStringLiteral("\n13")), "the pupil edited it");
    }

    void tabbingThroughTheDigitListEntersNothing() {
        OpenWindow open;
        QVERIFY(QTest::qWaitForWindowActive(&open.window()));
        open.click("Option1_1");
        auto* digits = open.control<QListWidget>("List1");
        open.control<QWidget>("Option1_1")->setFocus();
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
        QCOMPARE(QApplication::focusWidget(), digits);
        QTest::keyClick(digits, Qt::Key_Shift);
        QTest::keyClick(digits, Qt::Key_Tab);
        QVERIFY(QApplication::focusWidget() != digits);
        QCOMPARE(open.entry(), QString());
    }

    void runTimeErrorIsShownOnceAndEndsTheProgram() {
        OpenWindow open;
        open.click("Option1_1");
        open.enterDigits(QStringLiteral("101"));
        open.model().SelectedOption = -1; // behind the window's back
        open.click("Command1_0");
        QCOMPARE(open.shownErrors().size(), 1);
        QVERIFY2(open.shownErrors().front().contains(QStringLiteral("Option1(-1)")),
                 qPrintable(open.shownErrors().front()));
        QCOMPARE(open.host().exitStatus(), EventDispatcher::kRuntimeErrorExitStatus);
        QVERIFY(!open.window().isVisible());
    }
};

} // namespace morvatek::testing

int runWindowBehaviourTests(int argc, char** argv) {
    morvatek::testing::WindowBehaviourTest test;
    return QTest::qExec(&test, argc, argv);
}

#include "window_behaviour_test.moc"
