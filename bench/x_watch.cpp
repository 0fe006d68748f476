#include "x_watch.h"

#include <csignal>
#include <cstdio>
#include <cstdlib>
#include <sys/wait.h>
#include <thread>
#include <unistd.h>

namespace bench {

namespace {

// A window can be gone by the time its damage record is dropped; that is no error here.
int ignoreXError(Display* /*display*/, XErrorEvent* /*error*/) {
    return 0;
}

} // namespace

Display* openWatchedDisplay(int& damageEventBase) {
    Display* display = XOpenDisplay(nullptr);
    if (display == nullptr) {
        std::fprintf(stderr, "cannot open the X display\n");
        std::exit(1);
    }
    XSelectInput(display, DefaultRootWindow(display), SubstructureNotifyMask);
    XSetErrorHandler(ignoreXError);
    int errorBase = 0;
    if (!XDamageQueryExtension(display, &damageEventBase, &errorBase)) {
        std::fprintf(stderr, "the X server has no DAMAGE extension\n");
        std::exit(1);
    }
    return display;
}

pid_t startProgram(const char* command) {
    const pid_t pid = fork();
    if (pid == 0) {
        setpgid(0, 0);
        execl("/bin/sh", "sh", "-c", command, static_cast<char*>(nullptr));
        _exit(127);
    }
    setpgid(pid, pid);
    return pid;
}

void endProgram(pid_t pid) {
    kill(-pid, SIGKILL);
    waitpid(pid, nullptr, 0);
}

Window waitForMap(Display* display, int minimumWidth, Clock::time_point deadline) {
    while (Clock::now() < deadline) {
        while (XPending(display) > 0) {
            XEvent event;
            XNextEvent(display, &event);
            if (event.type != MapNotify) {
                continue;
            }
            XWindowAttributes attributes;
            if (XGetWindowAttributes(display, event.xmap.window, &attributes) != 0 &&
                attributes.width >= minimumWidth) {
                return event.xmap.window;
            }
        }
        std::this_thread::sleep_for(std::chrono::microseconds(100));
    }
    return None;
}

// Each report is taken back at once, so that the next drawing is reported again: one report
// is one update that reached the screen.
Drawing waitUntilQuiet(Display* display, int damageEventBase, Damage damage, Clock::duration quiet,
                       Clock::time_point deadline) {
    Drawing drawing;
    while (Clock::now() < deadline && (!drawing.last || Clock::now() - *drawing.last < quiet)) {
        while (XPending(display) > 0) {
            XEvent event;
            XNextEvent(display, &event);
            if (event.type == damageEventBase + XDamageNotify) {
                XDamageSubtract(display, damage, None, None);
                drawing.last = Clock::now();
                ++drawing.updates;
            }
        }
        std::this_thread::sleep_for(std::chrono::microseconds(100));
    }
    return drawing;
}

} // namespace bench
