#include "event_dispatcher.h"

#include "program_host.h"
#include "runtime_error.h"

namespace morvatek {

void EventDispatcher::dispatch(const std::function<void()>& handler) {
    if (ended_) {
        return;
    }
    try {
        handler();
    } catch (const RuntimeError& error) {
        ended_ = true;
        host_.reportError(error);
        host_.endProgram(kRuntimeErrorExitStatus);
    }
}

} // namespace morvatek
