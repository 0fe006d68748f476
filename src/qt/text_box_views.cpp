#include "text_box_views.h"

#include "text_box.h"

#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPointer>

namespace morvatek::qt {

namespace {

QString onScreen(const TextBox& box) {
    return QString::fromStdU16String(box.text())
        .replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
}

template <typename Widget, typename Show>
void follow(Widget* widget, const TextBox& box, Show show) {
    box.subscribe([edit = QPointer(widget), &box, show] {
        if (edit) {
            show(edit.data(), onScreen(box));
        }
    });
    show(widget, onScreen(box));
}

} // namespace

void showTextBoxIn(QPlainTextEdit* edit, const TextBox& box) {
    follow(edit, box, [](QPlainTextEdit* e, const QString& text) { e->setPlainText(text); });
}

void showTextBoxIn(QLineEdit* edit, const TextBox& box) {
    follow(edit, box, [](QLineEdit* e, const QString& text) { e->setText(text); });
}

} // namespace morvatek::qt
