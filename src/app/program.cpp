#include "program.h"

#include "handlers.h"

#include <functional>
#include <utility>

namespace morvatek {

Program::Program(ProgramHost& host) : dispatcher_(host) {
    connectEvents();
    dispatcher_.dispatch([this] { Form_Load(window_); });
}

void Program::connectEvents() {
    // Every Click reaches its handler through the dispatcher.
    const auto through = [this](std::function<void()> handler) {
        return [this, handler = std::move(handler)] { dispatcher_.dispatch(handler); };
    };
    window_.List1.onClick(through([this] { List1_Click(window_); }));
    for (Index i = 0; i < static_cast<Index>(decltype(window_.Option1)::size()); ++i) {
        window_.Option1(i).onClick(through([this, i] { Option1_Click(window_, i); }));
    }
    for (Index i = 0; i < static_cast<Index>(decltype(window_.Command1)::size()); ++i) {
        window_.Command1(i).onClick(through([this, i] { Command1_Click(window_, i); }));
    }
}

} // namespace morvatek
