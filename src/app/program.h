#pragma once

#include "event_dispatcher.h"
#include "morvatek.h"

namespace morvatek {

class ProgramHost;

// The program on the model: creates the window state, routes its controls' events through the
// dispatcher to the handlers, raises Load, and has the host say what each of the pupil's actions
// did. Whoever runs the event loop takes over from here.
class Program {
public:
    explicit Program(ProgramHost& host);
    Program(const Program&) = delete;
    Program& operator=(const Program&) = delete;

    Morvatek& window() { return window_; }
    bool ended() const { return dispatcher_.ended(); }

private:
    void connectEvents();
    void announceActions();

    ProgramHost& host_;
    Morvatek window_;
    EventDispatcher dispatcher_;
};

} // namespace morvatek
