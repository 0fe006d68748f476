#pragma once

#include <functional>

namespace morvatek {

class ProgramHost;

// Runs every event handler, one at a time. A run-time error that leaves a handler is reported
// once and ends the program; after that no handler runs any more.
class EventDispatcher {
public:
    static constexpr int kRuntimeErrorExitStatus = 1;

    explicit EventDispatcher(ProgramHost& host) : host_(host) {}

    void dispatch(const std::function<void()>& handler);
    bool ended() const { return ended_; }

private:
    ProgramHost& host_;
    bool ended_ = false;
};

} // namespace morvatek
