// The pupil's clicks and keys on the real widgets, and what the window shows in return.
#include "window_fixture.h"

#include <QAbstractButton>
#include <QApplication>
#include <QClipboard>
#include <QMouseEvent>
#include <QPlainTextEdit>
#include <QScrollBar>
#include <QSignalSpy>
#include <QTest>
#include <QTimer>

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

    // The handlers assign the transcript once per group and line; the window shows the result
    // once, from its top.
    void calculationRewritesTheTranscriptOnce() {
        OpenWindow open;
        open.click("Option1_0");
        open.enterDigits(QString(30, QLatin1Char('1')));
        auto* transcript = open.control<QPlainTextEdit>("Text1_0");
        QSignalSpy rewrites(transcript, &QPlainTextEdit::textChanged);
        open.click("Command1_0");
        QCOMPARE(rewrites.count(), 1);
        QVERIFY(open.transcript().endsWith(QStringLiteral(":\n333333333333333")));
        QCOMPARE(transcript->verticalScrollBar()->value(), 0);
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

    // A real double click reaches the list as a press, a release, a double-click event and a
    // release: two clicks, two digits.
    void doubleClickOnAnItemEntersItTwice() {
        OpenWindow open;
        open.click("Option1_1");
        open.clickItem(1);
        auto* list = open.control<QListWidget>("List1");
        const QPoint at = list->visualItemRect(list->item(1)).center();
        QTest::mouseClick(list->viewport(), Qt::LeftButton, {}, at);
        QMouseEvent doubleClick(QEvent::MouseButtonDblClick, at, list->viewport()->mapToGlobal(at),
                                Qt::LeftButton, Qt::LeftButton, Qt::NoModifier);
        QApplication::sendEvent(list->viewport(), &doubleClick);
        QTest::mouseRelease(list->viewport(), Qt::LeftButton, {}, at);
        QCOMPARE(open.entry(), QStringLiteral("111"));
    }

    // The option button's whole coloured box, not only its circle and caption, takes the click.
    void clickAnywhereInTheOptionBoxChoosesTheBase_data() {
        QTest::addColumn<QPoint>("at");
        QTest::newRow("right end of the box") << QPoint(117, 12);
        QTest::newRow("top right corner") << QPoint(119, 1);
        QTest::newRow("bottom left corner") << QPoint(1, 23);
    }

    void clickAnywhereInTheOptionBoxChoosesTheBase() {
        QFETCH(QPoint, at);
        OpenWindow open;
        auto* option = open.control<QAbstractButton>("Option1_2");
        QTest::mouseClick(option, Qt::LeftButton, {}, at);
        QVERIFY(option->isChecked());
        QCOMPARE(open.model().SelectedOption, 2);
    }

    void transcriptKeepsItsScrollBarWhenEmpty() {
        OpenWindow open;
        auto* transcript = open.control<QPlainTextEdit>("Text1_0");
        QVERIFY(transcript->verticalScrollBar()->isVisible());
        open.click("Command1_1");
        QCOMPARE(open.transcript(), QString());
        QCoreApplication::processEvents();
        QVERIFY(transcript->verticalScrollBar()->isVisible());
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
        QCOMPARE(open.host().exitStatus(), 1);
        QVERIFY(!open.window().isVisible());
    }

    // The error ends the running event loop with status 1; the safety timer's 99 would mean it
    // kept running.
    void runTimeErrorEndsTheEventLoopWithStatusOne() {
        OpenWindow open;
        open.click("Option1_0");
        open.enterDigits(QStringLiteral("1"));
        QTimer::singleShot(0, &open.window(), [&open] {
            open.model().SelectedOption = -1;
            open.click("Command1_0");
        });
        QTimer::singleShot(5000, &open.window(), [] { QCoreApplication::exit(99); });
        QCOMPARE(QApplication::exec(), 1);
        QCOMPARE(open.shownErrors().size(), 1);
    }
};

} // namespace morvatek::testing

int runWindowBehaviourTests(int argc, char** argv) {
    morvatek::testing::WindowBehaviourTest test;
    return QTest::qExec(&test, argc, argv);
}

#include "window_behaviour_test.moc"
