#pragma once

// What the X benchmarks share: starting a program and finding its window, and following the
// drawing on that window through the DAMAGE extension.
#include <X11/Xlib.h>
#include <X11/extensions/Xdamage.h>
#include <algorithm>
#include <chrono>
#include <optional>
#include <sys/types.h>
#include <vector>

namespace bench {

using Clock = std::chrono::steady_clock;

// The display in DISPLAY, watching for windows being mapped; exits with a message when it
// cannot be opened or has no DAMAGE extension.
Display* openWatchedDisplay(int& damageEventBase);

// Starts `command` through the shell in a process group of its own.
pid_t startProgram(const char* command);
// Ends the program and every process it started.
void endProgram(pid_t pid);

// The first top-level window at least `minimumWidth` wide that is mapped before the deadline.
Window waitForMap(Display* display, int minimumWidth, Clock::time_point deadline);

// Follows the drawing on the watched window until nothing is drawn for `quiet`: when the last
// drawing was reported (nothing when none came before the deadline), and how many separate
// updates reached the screen.
struct Drawing {
    std::optional<Clock::time_point> last;
    int updates = 0;
};
Drawing waitUntilQuiet(Display* display, int damageEventBase, Damage damage, Clock::duration quiet,
                       Clock::time_point deadline);

template <typename T> T median(std::vector<T> values) {
    std::sort(values.begin(), values.end());
    return values[values.size() / 2];
}

} // namespace bench
