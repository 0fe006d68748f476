// What the pupil sees when the window opens, and how Tab moves through it.
#include "designed_texts.h"
#include "window_fixture.h"

#include <QAbstractButton>
#include <QApplication>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QScrollBar>
#include <QTest>

namespace morvatek::testing {

class WindowStartTest : public QObject {
    Q_OBJECT

private slots:
    void onlyThePupilsControlsAreVisible() {
        OpenWindow open;
        for (const char* name :
             {"Label1_0", "Label1_1", "Label1_2", "Label1_3", "Frame1", "Option1_0", "Option1_1",
              "Option1_2", "List1", "Text2", "Command1_0", "Command1_1", "Text1_0"}) {
            QVERIFY2(open.control<QWidget>(name)->isVisible(), name);
        }
        for (const char* name : {"List2_0", "List2_1", "List2_2", "List2_3", "Text1_1"}) {
            QVERIFY2(open.control<QWidget>(name) != nullptr, name);
            QVERIFY2(!open.control<QWidget>(name)->isVisible(), name);
        }
    }

    void aHiddenListShowsItsItemsOnceTheModelShowsIt() {
        OpenWindow open;
        open.model().List2(1).setVisible(true);
        auto* digits = open.control<QListWidget>("List2_1");
        QVERIFY(digits->isVisible());
        QCOMPARE(digits->count(), 16);
        QCOMPARE(digits->item(15)->text(), QStringLiteral("F"));
    }

    void noBaseEmptyEntryAndTheTaskStatementAtTheTop() {
        OpenWindow open;
        for (const char* name : {"Option1_0", "Option1_1", "Option1_2"}) {
            QVERIFY2(!open.control<QAbstractButton>(name)->isChecked(), name);
        }
        QCOMPARE(open.control<QListWidget>("List1")->count(), 0);
        QVERIFY(open.control<QListWidget>("List1")->isEnabled());
        QCOMPARE(open.entry(), QString());
        QCOMPARE(open.transcript(), QString::fromStdString(kDesignedTaskStatement)
                                        .replace(QStringLiteral("\r\n"), QStringLiteral("\n")));
        auto* box = open.control<QPlainTextEdit>("Text1_0");
        QCOMPARE(box->verticalScrollBar()->value(), 0);
        QVERIFY(box->isReadOnly());
        QVERIFY(open.control<QLineEdit>("Text2")->isReadOnly());
        QVERIFY(box->textInteractionFlags() & Qt::TextSelectableByKeyboard);
    }

    void transcriptHoldsTheFocus() {
        OpenWindow open;
        QVERIFY(QTest::qWaitForWindowActive(&open.window()));
        QCOMPARE(QApplication::focusWidget(), open.control<QWidget>("Text1_0"));
    }

    // The option buttons are one stop for Tab, entered at the first of them in the tab order;
    // the arrow keys move within the group.
    void tabVisitsTheControlsInDesignedOrder() {
        OpenWindow open;
        QVERIFY(QTest::qWaitForWindowActive(&open.window()));
        QStringList visited;
        for (int step = 0; step < 6; ++step) {
            visited << QApplication::focusWidget()->objectName();
            QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
        }
        QCOMPARE(visited, (QStringList{"Text1_0", "Option1_1", "List1", "Command1_0", "Command1_1",
                                       "Text2"}));
        QCOMPARE(QApplication::focusWidget()->objectName(), QStringLiteral("Text1_0"));
    }

    void arrowKeysChooseTheBaseWithinTheGroup() {
        OpenWindow open;
        QVERIFY(QTest::qWaitForWindowActive(&open.window()));
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Space);
        QCOMPARE(open.model().SelectedOption, 1);
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Down);
        QCOMPARE(QApplication::focusWidget()->objectName(), QStringLiteral("Option1_2"));
        QVERIFY(!open.control<QAbstractButton>("Option1_1")->isChecked());
        QVERIFY(open.control<QAbstractButton>("Option1_2")->isChecked());
        QCOMPARE(open.model().SelectedOption, 2);
        QCOMPARE(open.control<QListWidget>("List1")->count(), 2);
        // Round from the last button to the first, and back.
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Down);
        QCOMPARE(QApplication::focusWidget()->objectName(), QStringLiteral("Option1_0"));
        QCOMPARE(open.model().SelectedOption, 0);
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Up);
        QCOMPARE(QApplication::focusWidget()->objectName(), QStringLiteral("Option1_2"));
        QCOMPARE(open.model().SelectedOption, 2);
    }
};

} // namespace morvatek::testing

int runWindowStartTests(int argc, char** argv) {
    morvatek::testing::WindowStartTest test;
    return QTest::qExec(&test, argc, argv);
}

#include "window_start_test.moc"
