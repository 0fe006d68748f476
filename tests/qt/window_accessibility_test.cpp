// What a screen reader is told about the controls a pupil uses.
#include "window_fixture.h"

#include <QAccessible>
#include <QAccessibleInterface>
#include <QCoreApplication>
#include <QIcon>
#include <QLineEdit>
#include <QMenu>
#include <QPlainTextEdit>
#include <QRegularExpression>
#include <QTest>
#include <QtGui/private/qguiapplication_p.h>
#include <memory>
#include <qpa/qplatformaccessibility.h>
#include <qpa/qplatformintegration.h>

namespace morvatek::testing {

// What the accessibility bridge is told that a screen reader speaks, with whether the pupil's
// action was still running: with Qt 6.8 and later an announcement, before it a Notification
// object shown, which Orca speaks as its name. Qt tells the bridge only while a screen reader
// is there, so the platform's accessibility is switched on meanwhile.
class HeardAnnouncements {
public:
    explicit HeardAnnouncements(const Morvatek& model) : model_(model) {
        current_ = this;
        previous_ = QAccessible::installUpdateHandler(&HeardAnnouncements::hear);
        platform_->setActive(true);
    }
    ~HeardAnnouncements() {
        platform_->setActive(wasActive_);
        QAccessible::installUpdateHandler(previous_);
        current_ = nullptr;
    }
    HeardAnnouncements(const HeardAnnouncements&) = delete;
    HeardAnnouncements& operator=(const HeardAnnouncements&) = delete;

    QStringList heard;
    bool duringAction = false;

private:
    static void hear(QAccessibleEvent* event) {
        QString said;
#if QT_VERSION >= QT_VERSION_CHECK(6, 8, 0)
        if (event->type() == QAccessible::Announcement) {
            said = static_cast<QAccessibleAnnouncementEvent*>(event)->message();
        }
#endif
        QAccessibleInterface* face = event->accessibleInterface();
        if (event->type() == QAccessible::ObjectShow && face != nullptr &&
            face->role() == QAccessible::Notification) {
            said = face->text(QAccessible::Name);
        }
        if (!said.isNull()) {
            current_->heard << said;
            current_->duringAction = current_->duringAction || current_->model_.changes.holding();
        }
    }

    static inline HeardAnnouncements* current_ = nullptr;
    QPlatformAccessibility* platform_ =
        QGuiApplicationPrivate::platformIntegration()->accessibility();
    const bool wasActive_ = platform_->isActive();
    QAccessible::UpdateHandler previous_ = nullptr;
    const Morvatek& model_;
};

class WindowAccessibilityTest : public QObject {
    Q_OBJECT

private slots:
    void controlsHaveNamesAndRoles_data() {
        QTest::addColumn<QString>("name");
        QTest::addColumn<QString>("spoken");
        QTest::addColumn<int>("role");
        QTest::newRow("digit list") << "List1"
                                    << "Цифри" << int(QAccessible::List);
        QTest::newRow("entry") << "Text2"
                               << "Въведено двоично число" << int(QAccessible::EditableText);
        QTest::newRow("option group") << "Frame1"
                                      << "Бройна система" << int(QAccessible::Grouping);
        QTest::newRow("base 4") << "Option1_0"
                                << "4-ична" << int(QAccessible::RadioButton);
        QTest::newRow("base 8") << "Option1_1"
                                << "8-ична" << int(QAccessible::RadioButton);
        QTest::newRow("base 16") << "Option1_2"
                                 << "16-ична" << int(QAccessible::RadioButton);
        QTest::newRow("calculate") << "Command1_0"
                                   << "Изчисли" << int(QAccessible::Button);
        QTest::newRow("clear") << "Command1_1"
                               << "Изчисти" << int(QAccessible::Button);
        QTest::newRow("transcript") << "Text1_0"
                                    << "Ход на преобразуването" << int(QAccessible::EditableText);
    }

    void controlsHaveNamesAndRoles() {
        QFETCH(QString, name);
        QFETCH(QString, spoken);
        QFETCH(int, role);
        OpenWindow open;
        QAccessibleInterface* face = QAccessible::queryAccessibleInterface(
            open.control<QWidget>(name.toLatin1().constData()));
        QVERIFY(face != nullptr);
        QCOMPARE(face->text(QAccessible::Name), spoken);
        QCOMPARE(int(face->role()), role);
    }

    void transcriptTextIsReadOut() {
        OpenWindow open;
        open.click("Option1_2");
        open.enterDigits(QStringLiteral("1010"));
        open.click("Command1_0");
        QAccessibleInterface* face =
            QAccessible::queryAccessibleInterface(open.control<QWidget>("Text1_0"));
        QAccessibleTextInterface* text = face->textInterface();
        QVERIFY(text != nullptr);
        const QString spoken = text->text(0, text->characterCount());
        QVERIFY2(spoken.startsWith(QStringLiteral("1010")), qPrintable(spoken));
        QVERIFY2(spoken.endsWith(QStringLiteral("16-ична бройна система:\nA")), qPrintable(spoken));
    }

    // Wherever the focus is, a screen reader hears the result once the action is over, from an
    // object a sighted pupil never meets.
    void theResultIsToldOnceWhenTheActionIsOver() {
        OpenWindow open;
        open.click("Option1_1");
        open.enterDigits(QStringLiteral("1011"));
        HeardAnnouncements heard(open.model());
        open.click("Command1_0");
        QCOMPARE(heard.heard, QStringList{QStringLiteral("Резултат: 13")});
        QVERIFY(!heard.duringAction);
        auto* announcer = open.control<QWidget>("announcer");
        QVERIFY(announcer->size().isEmpty() && announcer->focusPolicy() == Qt::NoFocus);
    }

    // The text boxes' standard context menu speaks Bulgarian, like the rest of the window.
    void contextMenuIsInBulgarian() {
        OpenWindow open;
        for (const char* name : {"Text1_0"}) {
            std::unique_ptr<QMenu> menu(
                open.control<QPlainTextEdit>(name)->createStandardContextMenu());
            QStringList texts;
            for (const QAction* action : menu->actions()) {
                if (!action->isSeparator()) {
                    texts << action->text().section(QLatin1Char('\t'), 0, 0).remove('&');
                }
            }
            QVERIFY(texts.size() >= 2);
            for (const QString& text : std::as_const(texts)) {
                QVERIFY2(!text.contains(QRegularExpression(QStringLiteral("[A-Za-z]"))) &&
                             text.contains(QRegularExpression(QStringLiteral("[А-Яа-я]"))),
                         qPrintable(texts.join(QStringLiteral(", "))));
            }
        }
        std::unique_ptr<QMenu> entryMenu(
            open.control<QLineEdit>("Text2")->createStandardContextMenu());
        QVERIFY(!entryMenu->actions().isEmpty());
        QVERIFY(!entryMenu->actions().constFirst()->text().contains(QStringLiteral("Undo")));
    }

    void applicationReportsVersionAndIcon() {
        OpenWindow open;
        QCOMPARE(QCoreApplication::applicationVersion(), QStringLiteral("1.0.0.0"));
        const QIcon icon = open.window().windowIcon();
        QVERIFY(!icon.isNull());
        QVERIFY(icon.availableSizes().contains(QSize(32, 32)));
    }
};

} // namespace morvatek::testing

int runWindowAccessibilityTests(int argc, char** argv) {
    morvatek::testing::WindowAccessibilityTest test;
    return QTest::qExec(&test, argc, argv);
}

#include "window_accessibility_test.moc"
