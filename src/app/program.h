#pragma once

#include "event_dispatcher.h"
#include "morvatek.h"

namespace morvatek {

class ProgramHost;

// The program on the model: creates the window state, routes its controls' events through the
// dispatcher to the handlers and raises Load. Whoever runs the event loop takes over from here.
class Program {
public:
    explicit Program(ProgramHost& host);
    Program(const Program&) = delete;
    Program& operator=(const Program&) = delete;

    Morvatek& window() { return window_; }
    bool ended() const { return dispatcher_.ended(); }

private:
    void connectEvents();

    Morvatek window_;
    EventDispatcher dispatcher_;
};

} // namespace morvatek
