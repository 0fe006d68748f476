#include "morvatek_window.h"

#include "accessible_names.h"
#include "coloured_widgets.h"
#include "control_looks.h"
#include "design_texts.h"
#include "model_list_widget.h"
#include "model_radio_button.h"
#include "morvatek.h"
#include "screen_reader_announcer.h"
#include "text_box_views.h"
#include "widget_look.h"

#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <string>

namespace morvatek::qt {

namespace {

QString qText(std::u16string_view text) {
    return QString::fromUtf16(text.data(), static_cast<qsizetype>(text.size()));
}

QString qName(std::string_view name) {
    return QString::fromLatin1(name.data(), static_cast<qsizetype>(name.size()));
}

std::string elementName(const char* arrayName, int index) {
    return std::string(arrayName) + "_" + std::to_string(index);
}

Qt::Alignment qAlignment(form::Alignment alignment) {
    return alignment == form::Alignment::Centre ? Qt::AlignCenter
                                                : Qt::AlignLeft | Qt::AlignVCenter;
}

} // namespace

// A screen reader names the control after the label the design puts next to it.
void MorvatekWindow::nameAfterLabel(QWidget* widget) {
    const auto& look = form::lookOf(widget->objectName().toStdString());
    findChild<QLabel*>(qName(look.labelledBy))->setBuddy(widget);
    widget->setAccessibleName(qText(form::accessibleName(look)));
}

MorvatekWindow::MorvatekWindow(Morvatek& model, QWidget* parent)
    : QWidget(parent), announcer_(new ScreenReaderAnnouncer(this)) {
    const form::WindowLook& look = form::kWindowLook;
    setObjectName(qName(look.name));
    setWindowTitle(qText(design::windowCaption()));
    setWindowFlags(Qt::Window | Qt::CustomizeWindowHint | Qt::WindowTitleHint |
                   Qt::WindowMinimizeButtonHint | Qt::WindowCloseButtonHint);
    setFixedSize(pixelSize(look.clientWidth, look.clientHeight));
    fillBackground(this, qColor(look.background));
    setFont(QFont(qName(look.fontFamily), look.fontPointSize, look.fontWeight));

    createLabels(model);
    createOptions(model);
    createLists(model);
    createTextBoxes(model);
    createButtons(model);
    setTabOrder();
}

void MorvatekWindow::announce(const QString& sentence) {
    announcer_->say(sentence);
}

void MorvatekWindow::createLabels(const Morvatek& model) {
    for (int i = 0; i < 4; ++i) {
        auto* label = new QLabel(QString::fromStdU16String(model.Label1(i).caption()), this);
        const std::string name = elementName("Label1", i);
        placeAsDesigned(label, name);
        label->setAlignment(qAlignment(form::lookOf(name).alignment));
    }
}

void MorvatekWindow::createOptions(Morvatek& model) {
    // The frame's design-time caption is not shown; a screen reader names the group after the
    // label above it.
    auto* frame = new PlainGroupBox(this);
    placeAsDesigned(frame, "Frame1");
    nameAfterLabel(frame);
    for (int i = 0; i < 3; ++i) {
        auto* option = new ModelRadioButton(model.Option1(i), frame);
        placeAsDesigned(option, elementName("Option1", i));
    }
}

void MorvatekWindow::createLists(Morvatek& model) {
    auto* digits = new ModelListWidget(model.List1, this);
    placeAsDesigned(digits, "List1");
    nameAfterLabel(digits);
    for (int i = 0; i < 4; ++i) {
        auto* list = new ModelListWidget(model.List2(i), this);
        placeAsDesigned(list, elementName("List2", i));
    }
}

void MorvatekWindow::createTextBoxes(const Morvatek& model) {
    for (int i = 0; i < 2; ++i) {
        auto* box = new QPlainTextEdit(this);
        const std::string name = elementName("Text1", i);
        placeAsDesigned(box, name);
        box->setReadOnly(true);
        box->setTextInteractionFlags(Qt::TextSelectableByMouse | Qt::TextSelectableByKeyboard);
        box->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
        box->setTabChangesFocus(true);
        box->setVisible(form::lookOf(name).visible);
        showTextBoxIn(box, model.Text1(i));
    }
    auto* entry = new QLineEdit(this);
    placeAsDesigned(entry, "Text2");
    entry->setReadOnly(true);
    showTextBoxIn(entry, model.Text2);
    nameAfterLabel(entry);
    findChild<QWidget*>(QStringLiteral("Text1_0"))
        ->setAccessibleName(qText(form::accessibleName(form::lookOf("Text1_0"))));
}

void MorvatekWindow::createButtons(Morvatek& model) {
    for (int i = 0; i < 2; ++i) {
        CommandButton& command = model.Command1(i);
        auto* button = new ColouredButton(QString::fromStdU16String(command.caption()), this);
        placeAsDesigned(button, elementName("Command1", i));
        button->setAutoDefault(false);
        connect(button, &QPushButton::clicked, this, [&command] { command.pupilPresses(); });
    }
}

void MorvatekWindow::setTabOrder() {
    QWidget* previous = nullptr;
    for (const form::ControlLook* look : form::controlsInTabOrder()) {
        auto* widget = findChild<QWidget*>(qName(look->name));
        if (widget == nullptr || widget->focusPolicy() == Qt::NoFocus) {
            continue;
        }
        if (previous != nullptr) {
            QWidget::setTabOrder(previous, widget);
        }
        previous = widget;
    }
    findChild<QWidget*>(QStringLiteral("Text1_0"))->setFocus();
}

} // namespace morvatek::qt
