#include "program.h"

#include "handlers.h"

namespace morvatek {

Program::Program(ProgramHost& host) : dispatcher_(host) {
    connectEvents();
    dispatcher_.dispatch([this] { Form_Load(window_); });
}

void Program::connectEvents() {
    window_.List1.onClick([this] { dispatcher_.dispatch([this] { List1_Click(window_); }); });
    for (Index i = 0; i < static_cast<Index>(decltype(window_.Option1)::size()); ++i) {
        window_.Option1(i).onClick(
            [this, i] { dispatcher_.dispatch([this, i] { Option1_Click(window_, i); }); });
    }
    for (Index i = 0; i < static_cast<Index>(decltype(window_.Command1)::size()); ++i) {
        window_.Command1(i).onClick(
            [this, i] { dispatcher_.dispatch([this, i] { Command1_Click(window_, i); }); });
    }
}

} // namespace morvatek
