// Measures what a pupil feels after pressing "Изчисли" with thirty digits entered in base 4: the
// time from the click until the window has stopped changing, and how many updates reach the
// screen on the way. Each program is started on the X server in DISPLAY, brought to that state
// with real clicks (XTest), and clicked; alternating runs against a yardstick that shows the same
// final transcript once per click.
//
// usage: click_race RUNS PROGRAM YARDSTICK   (each a shell command; its window is 477 x 318
// pixels, the design at 96 DPI, with "4-ична", the digit "1" and "Изчисли" where the design puts
// them)
#include "x_watch.h"

#include <X11/extensions/XTest.h>
#include <cstdio>
#include <cstdlib>
#include <thread>

namespace {

using bench::Clock;

// The design's places at 96 DPI, in the window's client area.
constexpr int kBase4X = 84;
constexpr int kBase4Y = 76;
constexpr int kDigitOneX = 208;
constexpr int kDigitOneY = 111;
constexpr int kCalculateX = 384;
constexpr int kCalculateY = 52;
constexpr int kDigits = 30;
constexpr int kWindowWidth = 477;

struct Run {
    double settledMs;
    int updates;
};

int damageEventBase = 0;

void clickAt(Display* display, Window window, int x, int y) {
    int rootX = 0;
    int rootY = 0;
    Window child = None;
    XTranslateCoordinates(display, window, DefaultRootWindow(display), x, y, &rootX, &rootY,
                          &child);
    XTestFakeMotionEvent(display, -1, rootX, rootY, CurrentTime);
    XTestFakeButtonEvent(display, 1, True, CurrentTime);
    XTestFakeButtonEvent(display, 1, False, CurrentTime);
    XFlush(display);
}

// Waits out the drawing that the clicks so far caused.
void settle(Display* display, Damage damage, Clock::time_point deadline) {
    bench::waitUntilQuiet(display, damageEventBase, damage, std::chrono::milliseconds(200),
                          deadline);
}

Run runOnce(Display* display, const char* program, bool enterDigits) {
    XSync(display, True); // forget events of earlier runs
    const pid_t pid = bench::startProgram(program);
    const auto deadline = Clock::now() + std::chrono::seconds(60);
    const Window window = bench::waitForMap(display, kWindowWidth, deadline);
    if (window == None) {
        std::fprintf(stderr, "%s: no window within 60 s\n", program);
        std::exit(1);
    }
    const Damage damage = XDamageCreate(display, window, XDamageReportNonEmpty);
    settle(display, damage, deadline);
    if (enterDigits) {
        clickAt(display, window, kBase4X, kBase4Y);
        for (int digit = 0; digit < kDigits; ++digit) {
            clickAt(display, window, kDigitOneX, kDigitOneY);
        }
        settle(display, damage, deadline);
    }
    const auto clicked = Clock::now();
    clickAt(display, window, kCalculateX, kCalculateY);
    const bench::Drawing drawing = bench::waitUntilQuiet(display, damageEventBase, damage,
                                                         std::chrono::milliseconds(500), deadline);
    XDamageDestroy(display, damage);
    bench::endProgram(pid);
    if (!drawing.last) {
        std::fprintf(stderr, "%s: nothing drawn after the click\n", program);
        std::exit(1);
    }
    return {std::chrono::duration<double, std::milli>(*drawing.last - clicked).count(),
            drawing.updates};
}

} // namespace

int main(int argc, char* argv[]) {
    if (argc != 4) {
        std::fprintf(stderr, "usage: %s RUNS PROGRAM YARDSTICK\n", argv[0]);
        return 2;
    }
    const int runs = std::atoi(argv[1]);
    Display* display = bench::openWatchedDisplay(damageEventBase);
    int eventBase = 0;
    int errorBase = 0;
    int major = 0;
    int minor = 0;
    if (!XTestQueryExtension(display, &eventBase, &errorBase, &major, &minor)) {
        std::fprintf(stderr, "the X server has no XTEST extension\n");
        return 1;
    }
    std::vector<double> times[2];
    std::vector<int> updates[2];
    for (int run = 0; run < runs; ++run) {
        for (int which = 0; which < 2; ++which) {
            const Run result = runOnce(display, argv[2 + which], which == 0);
            times[which].push_back(result.settledMs);
            updates[which].push_back(result.updates);
        }
    }
    const double program = bench::median(times[0]);
    const double yardstick = bench::median(times[1]);
    std::printf("runs each (alternating):   %d\n", runs);
    std::printf("click to window settled:   program %.1f ms, yardstick %.1f ms (medians), "
                "ratio %.2f\n",
                program, yardstick, program / yardstick);
    std::printf("updates on screen:         program %d, yardstick %d (medians)\n",
                bench::median(updates[0]), bench::median(updates[1]));
    XCloseDisplay(display);
    return 0;
}
