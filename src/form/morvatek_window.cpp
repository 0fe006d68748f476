#include "morvatek_window.h"

#include "coloured_widgets.h"
#include "control_looks.h"
#include "design_texts.h"
#include "model_list_widget.h"
#include "model_radio_button.h"
#include "morvatek.h"
#include "text_box_views.h"
#include "twips.h"
#include "widget_look.h"

#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <algorithm>
#include <vector>

namespace morvatek::form {

namespace {

QString qText(std::u16string_view text) {
    return QString::fromUtf16(text.data(), static_cast<qsizetype>(text.size()));
}

QString elementName(const char* arrayName, int index) {
    return QStringLiteral("%1_%2").arg(QLatin1String(arrayName)).arg(index);
}

} // namespace

void MorvatekWindow::nameAfterLabel(QWidget* widget, const char* labelName) {
    auto* label = findChild<QLabel*>(QLatin1String(labelName));
    label->setBuddy(widget);
    widget->setAccessibleName(label->text());
}

MorvatekWindow::MorvatekWindow(Morvatek& model, QWidget* parent) : QWidget(parent) {
    setObjectName(QStringLiteral("Morvatek"));
    setWindowTitle(qText(design::kWebAddress) + QLatin1Char(' ') + qText(design::kWindowTitle));
    setWindowFlags(Qt::Window | Qt::CustomizeWindowHint | Qt::WindowTitleHint |
                   Qt::WindowMinimizeButtonHint | Qt::WindowCloseButtonHint);
    setFixedSize(pixels(kClientWidthTwips), pixels(kClientHeightTwips));
    fillBackground(this, kWindowBackground);
    QFont font(QStringLiteral("Times New Roman"), 12, QFont::Normal);
    setFont(font);

    createLabels(model);
    createOptions(model);
    createLists(model);
    createTextBoxes(model);
    createButtons(model);
    setTabOrder();
}

void MorvatekWindow::createLabels(const Morvatek& model) {
    for (int i = 0; i < 4; ++i) {
        auto* label = new QLabel(QString::fromStdU16String(model.Label1(i).caption()), this);
        placeAsDesigned(label, elementName("Label1", i).toLatin1().constData());
        label->setAlignment(i == 0 ? Qt::AlignCenter : Qt::AlignLeft | Qt::AlignVCenter);
    }
}

void MorvatekWindow::createOptions(Morvatek& model) {
    // The frame's design-time caption is not shown; a screen reader names the group after the
    // label above it.
    auto* frame = new PlainGroupBox(this);
    placeAsDesigned(frame, "Frame1");
    frame->setAccessibleName(QString::fromStdU16String(model.Label1(1).caption()));
    for (int i = 0; i < 3; ++i) {
        auto* option = new ModelRadioButton(model.Option1(i), frame);
        placeAsDesigned(option, elementName("Option1", i).toLatin1().constData());
    }
}

void MorvatekWindow::createLists(Morvatek& model) {
    auto* digits = new ModelListWidget(model.List1, this);
    placeAsDesigned(digits, "List1");
    nameAfterLabel(digits, "Label1_2");
    for (int i = 0; i < 4; ++i) {
        auto* list = new ModelListWidget(model.List2(i), this);
        placeAsDesigned(list, elementName("List2", i).toLatin1().constData());
    }
}

void MorvatekWindow::createTextBoxes(const Morvatek& model) {
    for (int i = 0; i < 2; ++i) {
        auto* box = new QPlainTextEdit(this);
        placeAsDesigned(box, elementName("Text1", i).toLatin1().constData());
        box->setReadOnly(true);
        box->setTextInteractionFlags(Qt::TextSelectableByMouse | Qt::TextSelectableByKeyboard);
        box->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
        box->setTabChangesFocus(true);
        showTextBoxIn(box, model.Text1(i));
    }
    // The motto box is part of the design but never shown.
    findChild<QPlainTextEdit*>(QStringLiteral("Text1_1"))->hide();

    auto* entry = new QLineEdit(this);
    placeAsDesigned(entry, "Text2");
    entry->setReadOnly(true);
    showTextBoxIn(entry, model.Text2);
    nameAfterLabel(entry, "Label1_3");
    findChild<QWidget*>(QStringLiteral("Text1_0"))
        ->setAccessibleName(qText(design::kTranscriptName));
}

void MorvatekWindow::createButtons(Morvatek& model) {
    for (int i = 0; i < 2; ++i) {
        CommandButton& command = model.Command1(i);
        auto* button = new ColouredButton(QString::fromStdU16String(command.caption()), this);
        placeAsDesigned(button, elementName("Command1", i).toLatin1().constData());
        button->setAutoDefault(false);
        connect(button, &QPushButton::clicked, this, [&command] { command.pupilPresses(); });
    }
}

void MorvatekWindow::setTabOrder() {
    std::vector<const ControlLook*> looks;
    for (const ControlLook& look : controlLooks()) {
        looks.push_back(&look);
    }
    std::sort(looks.begin(), looks.end(),
              [](const auto* a, const auto* b) { return a->tabIndex < b->tabIndex; });
    QWidget* previous = nullptr;
    for (const ControlLook* look : looks) {
        auto* widget = findChild<QWidget*>(QLatin1String(look->objectName));
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

} // namespace morvatek::form
