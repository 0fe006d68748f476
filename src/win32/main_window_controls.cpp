#include "accessible_names.h"
#include "button_control.h"
#include "edit_control.h"
#include "list_control.h"
#include "main_window.h"
#include "morvatek.h"
#include "named_controls.h"
#include "option_control.h"
#include "static_controls.h"

#include <algorithm>

// The window's controls: made from the look table in tab order, each following its control of
// the model, and found again by name, handle or id.
namespace morvatek::win32 {

namespace {

bool namesAnother(const form::ControlLook& label) {
    const auto looks = form::controlLooks();
    return std::any_of(looks.begin(), looks.end(), [&label](const form::ControlLook& look) {
        return look.labelledBy == label.name;
    });
}

// Tab order, with each caption moved to right before the control it names: Windows names a text
// box after the caption before it. Captions take no Tab stop, so Tab keeps the designed order.
std::vector<const form::ControlLook*> creationOrder() {
    std::vector<const form::ControlLook*> order;
    for (const form::ControlLook* look : form::controlsInTabOrder()) {
        if (!namesAnother(*look)) {
            if (!look->labelledBy.empty()) {
                order.push_back(&form::lookOf(look->labelledBy));
            }
            order.push_back(look);
        }
    }
    return order;
}

// A control whose name comes from elsewhere than its own text, which not every screen reader
// finds by itself.
bool namedFromElsewhere(const form::ControlLook& look) {
    return look.kind != form::ControlKind::Label && look.kind != form::ControlKind::OptionButton &&
           look.kind != form::ControlKind::CommandButton && !form::accessibleName(look).empty();
}

} // namespace

void MainWindow::createControls(Morvatek& model) {
    int id = kFirstControlId;
    bool afterOption = false;
    for (const form::ControlLook* look : creationOrder()) {
        const std::string_view name = look->name;
        std::unique_ptr<NativeControl> control;
        switch (look->kind) {
        case form::ControlKind::Label:
            control = std::make_unique<LabelControl>(*look, hwnd_, id,
                                                     labelNamed(model, name)->caption());
            break;
        case form::ControlKind::Frame:
            control = std::make_unique<FrameControl>(*look, hwnd_, id);
            break;
        case form::ControlKind::OptionButton: {
            auto option =
                std::make_unique<OptionControl>(*look, hwnd_, id, *optionButtonNamed(model, name));
            options_.push_back(option.get());
            control = std::move(option);
            break;
        }
        case form::ControlKind::ListBox:
            control = std::make_unique<ListControl>(*look, hwnd_, id, *listBoxNamed(model, name));
            break;
        case form::ControlKind::TextBox:
        case form::ControlKind::MultiLineTextBox:
            control = std::make_unique<EditControl>(*look, hwnd_, id, *textBoxNamed(model, name));
            break;
        case form::ControlKind::CommandButton:
            control =
                std::make_unique<ButtonControl>(*look, hwnd_, id, *commandButtonNamed(model, name));
            break;
        }
        // The option buttons form one group for the arrow keys; every other control is a group
        // of its own, so the arrows never leave the option group.
        const bool option = look->kind == form::ControlKind::OptionButton;
        if (!(option && afterOption)) {
            SetWindowLongPtrW(control->hwnd(), GWL_STYLE,
                              GetWindowLongPtrW(control->hwnd(), GWL_STYLE) | WS_GROUP);
        }
        afterOption = option;
        if (namedFromElsewhere(*look)) {
            control->nameForScreenReaders(screenReaderNames_);
        }
        controls_.push_back(std::move(control));
        ++id;
    }
    for (OptionControl* option : options_) {
        option->joinGroup(options_);
    }
    for (OptionButton& option : model.Option1) {
        option.subscribe([this] { keepOneOptionTabStop(); });
    }
    keepOneOptionTabStop();
}

// Marking an option button moves the group's Tab stop to it; with none marked, Tab enters the
// group at its first button in the tab order. Read from the model, the stop is the action's last
// one whichever button is shown first, so each style is written once.
void MainWindow::keepOneOptionTabStop() {
    const auto marked = std::find_if(options_.begin(), options_.end(),
                                     [](const OptionControl* option) { return option->marked(); });
    const OptionControl* stop = marked != options_.end() ? *marked : options_.front();
    for (const OptionControl* option : options_) {
        const LONG_PTR style = GetWindowLongPtrW(option->hwnd(), GWL_STYLE);
        const LONG_PTR wanted = option == stop ? style | WS_TABSTOP : style & ~WS_TABSTOP;
        if (wanted != style) {
            SetWindowLongPtrW(option->hwnd(), GWL_STYLE, wanted);
        }
    }
}

HWND MainWindow::control(std::string_view name) const {
    const auto found = std::find_if(controls_.begin(), controls_.end(),
                                    [name](const auto& c) { return c->look().name == name; });
    return found != controls_.end() ? (*found)->hwnd() : nullptr;
}

NativeControl* MainWindow::controlOf(HWND window) const {
    const auto found = std::find_if(controls_.begin(), controls_.end(),
                                    [window](const auto& c) { return c->hwnd() == window; });
    return found != controls_.end() ? found->get() : nullptr;
}

NativeControl* MainWindow::controlWithId(WPARAM id) const {
    const auto index = static_cast<std::size_t>(LOWORD(id)) - kFirstControlId;
    return LOWORD(id) >= kFirstControlId && index < controls_.size() ? controls_[index].get()
                                                                     : nullptr;
}

} // namespace morvatek::win32
