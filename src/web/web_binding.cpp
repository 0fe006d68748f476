// The program behind the page: the core and the handlers, unchanged, driven through plain
// exported functions. The page names controls by their place in the look table; every change of
// a control is passed on to the page, which reads the control's state back through the getters.
#include "control_looks.h"
#include "error_report.h"
#include "morvatek.h"
#include "named_controls.h"
#include "program.h"
#include "program_host.h"

#include <emscripten/emscripten.h>
#include <memory>
#include <string_view>

// clang-format off
EM_JS(void, notifyPage, (int control), { Module.onControlChanged(control); });
EM_JS(void, showErrorBox, (const char16_t* title, int titleLength, const char16_t* text,
                           int textLength), {
    Module.onRunTimeError(Module.readText(title, titleLength), Module.readText(text, textLength));
});
EM_JS(void, endPage, (int status), { Module.onProgramEnd(status); });
EM_JS(void, sayOnPage, (const char16_t* sentence, int length), {
    Module.onAnnouncement(Module.readText(sentence, length));
});
// clang-format on

namespace morvatek::web {
namespace {

class PageHost : public ProgramHost {
public:
    void reportError(const RuntimeError& error) override {
        const ErrorReport report = describe(error);
        showErrorBox(report.title.data(), static_cast<int>(report.title.size()), report.text.data(),
                     static_cast<int>(report.text.size()));
    }
    void endProgram(int exitStatus) override { endPage(exitStatus); }
    void announce(std::u16string_view sentence) override {
        sayOnPage(sentence.data(), static_cast<int>(sentence.size()));
    }
};

// One program per page, started when the page asks for it.
struct Session {
    PageHost host;
    Program program{host};
};

std::unique_ptr<Session>& session() {
    static std::unique_ptr<Session> current;
    return current;
}

Morvatek& window() {
    return session()->program.window();
}

std::string_view nameOf(int control) {
    const auto looks = form::controlLooks();
    return control >= 0 && static_cast<std::size_t>(control) < looks.size()
               ? looks[static_cast<std::size_t>(control)].name
               : std::string_view();
}

// The model's controls by the page's numbers; null where the kind does not match.
ListBox* listBox(int control) {
    return listBoxNamed(window(), nameOf(control));
}
TextBox* textBox(int control) {
    return textBoxNamed(window(), nameOf(control));
}
OptionButton* optionButton(int control) {
    return optionButtonNamed(window(), nameOf(control));
}
CommandButton* commandButton(int control) {
    return commandButtonNamed(window(), nameOf(control));
}

void subscribeAll() {
    for (std::size_t i = 0; i < form::controlLooks().size(); ++i) {
        const int control = static_cast<int>(i);
        const auto notify = [control] { notifyPage(control); };
        if (ListBox* list = listBox(control)) {
            list->subscribe(notify);
        } else if (TextBox* box = textBox(control)) {
            box->subscribe(notify);
        } else if (OptionButton* option = optionButton(control)) {
            option->subscribe(notify);
        }
    }
}

} // namespace
} // namespace morvatek::web

using namespace morvatek;
using namespace morvatek::web;

extern "C" {

EMSCRIPTEN_KEEPALIVE int mv_control_count() {
    return static_cast<int>(morvatek::form::controlLooks().size());
}

// The control's name, NUL-terminated ASCII (the look table's names are literals).
EMSCRIPTEN_KEEPALIVE const char* mv_control_name(int control) {
    return nameOf(control).empty() ? "" : nameOf(control).data();
}

// Starts the program: creates the window state, raises Load. Returns 0, or the exit status when
// a run-time error ended the program already.
EMSCRIPTEN_KEEPALIVE int mv_start() {
    session() = std::make_unique<Session>();
    subscribeAll();
    return session()->program.ended() ? 1 : 0;
}

// Getters and actions on a control of the wrong kind, or a number beyond the table, do nothing.
EMSCRIPTEN_KEEPALIVE const char16_t* mv_text(int control) {
    const TextBox* box = textBox(control);
    return box != nullptr ? box->text().data() : u"";
}
EMSCRIPTEN_KEEPALIVE int mv_text_length(int control) {
    const TextBox* box = textBox(control);
    return box != nullptr ? static_cast<int>(box->text().size()) : 0;
}
EMSCRIPTEN_KEEPALIVE int mv_list_count(int control) {
    const ListBox* list = listBox(control);
    return list != nullptr ? list->listCount() : 0;
}
EMSCRIPTEN_KEEPALIVE const char16_t* mv_list_item(int control, int item) {
    const ListBox* list = listBox(control);
    return list != nullptr && item >= 0 && item < list->listCount()
               ? list->items()[static_cast<std::size_t>(item)].data()
               : u"";
}
EMSCRIPTEN_KEEPALIVE int mv_list_item_length(int control, int item) {
    const ListBox* list = listBox(control);
    return list != nullptr && item >= 0 && item < list->listCount()
               ? static_cast<int>(list->items()[static_cast<std::size_t>(item)].size())
               : 0;
}
EMSCRIPTEN_KEEPALIVE int mv_list_index(int control) {
    const ListBox* list = listBox(control);
    return list != nullptr ? list->listIndex() : -1;
}
EMSCRIPTEN_KEEPALIVE int mv_list_enabled(int control) {
    const ListBox* list = listBox(control);
    return list != nullptr && list->enabled() ? 1 : 0;
}
EMSCRIPTEN_KEEPALIVE int mv_list_visible(int control) {
    const ListBox* list = listBox(control);
    return list != nullptr && list->visible() ? 1 : 0;
}
EMSCRIPTEN_KEEPALIVE int mv_option_value(int control) {
    const OptionButton* option = optionButton(control);
    return option != nullptr && option->value() ? 1 : 0;
}

// The pupil's actions, the same entry points as in the desktop windows.
EMSCRIPTEN_KEEPALIVE void mv_option_select(int control) {
    if (OptionButton* option = optionButton(control)) {
        option->pupilSelects();
    }
}
// An arrow key on an option button; returns the number of the button it selected, which takes
// the focus, or -1.
EMSCRIPTEN_KEEPALIVE int mv_option_move_by(int control, int step) {
    OptionButton* option = optionButton(control);
    if (option == nullptr) {
        return -1;
    }
    const OptionButton& next = option->pupilMovesBy(step);
    for (int other = 0; other < mv_control_count(); ++other) {
        if (optionButton(other) == &next) {
            return other;
        }
    }
    return -1;
}
EMSCRIPTEN_KEEPALIVE void mv_list_click(int control, int item) {
    if (ListBox* list = listBox(control)) {
        list->pupilSelects(item);
    }
}
EMSCRIPTEN_KEEPALIVE void mv_list_move_by(int control, int rows) {
    if (ListBox* list = listBox(control)) {
        list->pupilMovesBy(rows);
    }
}
EMSCRIPTEN_KEEPALIVE void mv_list_move_to_first(int control) {
    if (ListBox* list = listBox(control)) {
        list->pupilMovesToFirst();
    }
}
EMSCRIPTEN_KEEPALIVE void mv_list_move_to_last(int control) {
    if (ListBox* list = listBox(control)) {
        list->pupilMovesToLast();
    }
}
EMSCRIPTEN_KEEPALIVE void mv_list_reenter(int control) {
    if (ListBox* list = listBox(control)) {
        list->pupilReenters();
    }
}
EMSCRIPTEN_KEEPALIVE void mv_list_type(int control, int character) {
    if (ListBox* list = listBox(control)) {
        list->pupilTypes(static_cast<char16_t>(character));
    }
}
EMSCRIPTEN_KEEPALIVE void mv_press(int control) {
    if (CommandButton* button = commandButton(control)) {
        button->pupilPresses();
    }
}

#ifdef MORVATEK_TEST_HOOKS
// Tests only: forgets the chosen base behind the window's back, so that the next calculation
// raises the run-time error the window itself never reaches.
EMSCRIPTEN_KEEPALIVE void mv_test_forget_base() {
    window().SelectedOption = -1;
}
#endif
}
