#pragma once

class QLineEdit;
class QPlainTextEdit;

namespace morvatek {
class TextBox;
}

namespace morvatek::qt {

// Keep a widget showing a text box of the model. Line breaks are CR LF in the model and plain
// line breaks on screen.
void showTextBoxIn(QPlainTextEdit* edit, const TextBox& box);
void showTextBoxIn(QLineEdit* edit, const TextBox& box);

} // namespace morvatek::qt
