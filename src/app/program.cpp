#include "program.h"

#include "action_sentences.h"
#include "handlers.h"
#include "program_host.h"

#include <functional>
#include <utility>

namespace morvatek {

Program::Program(ProgramHost& host) : host_(host), dispatcher_(host) {
    connectEvents();
    announceActions();
    dispatcher_.dispatch([this] { Form_Load(window_); });
}

// An action cut short by a run-time error is not told: the error box says what happened.
void Program::announceActions() {
    window_.changes.onActionEnd([this](const std::vector<const Control*>& changed) {
        if (dispatcher_.ended()) {
            return;
        }
        if (const Text sentence = sentenceAfter(window_, changed); !sentence.empty()) {
            host_.announce(sentence);
        }
    });
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
