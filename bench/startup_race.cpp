// Starts two programs in turn on the X server in DISPLAY and measures, for each run, the time
// from starting the process to its window being mapped and to its first frame (the last drawing
// the X server reports on the window before it stays unchanged for a while), and its resident
// memory just after that frame. Prints the medians and how the first program compares with the
// second.
//
// usage: startup_race RUNS PROGRAM YARDSTICK
#include "x_watch.h"

#include <csignal>
#include <cstdio>
#include <cstdlib>
#include <fstream>
#include <string>
#include <sys/wait.h>
#include <unistd.h>

namespace {

using bench::Clock;

struct Run {
    double mappedMs;
    double firstFrameMs;
    long residentKiB;
};

int damageEventBase = 0;

long residentKiB(pid_t pid) {
    std::ifstream status("/proc/" + std::to_string(pid) + "/status");
    for (std::string line; std::getline(status, line);) {
        if (line.rfind("VmRSS:", 0) == 0) {
            return std::stol(line.substr(6));
        }
    }
    return -1;
}

Run runOnce(Display* display, const char* program) {
    XSync(display, True); // forget events of earlier runs
    const auto start = Clock::now();
    const pid_t pid = fork();
    if (pid == 0) {
        execl(program, program, static_cast<char*>(nullptr));
        _exit(127);
    }
    const auto deadline = start + std::chrono::seconds(20);
    const Window window = bench::waitForMap(display, 1, deadline);
    const auto mapped = Clock::now();
    if (window == None) {
        std::fprintf(stderr, "%s: no window within 20 s\n", program);
        std::exit(1);
    }
    // The first frame is the last drawing before the window stays unchanged for a while.
    const Damage damage = XDamageCreate(display, window, XDamageReportNonEmpty);
    const auto drawn = bench::waitUntilQuiet(display, damageEventBase, damage,
                                             std::chrono::milliseconds(150), deadline)
                           .last;
    if (!drawn) {
        std::fprintf(stderr, "%s: nothing drawn within 20 s\n", program);
        std::exit(1);
    }
    XDamageDestroy(display, damage);
    const auto ms = [start](Clock::time_point t) {
        return std::chrono::duration<double, std::milli>(t - start).count();
    };
    const long rss = residentKiB(pid);
    kill(pid, SIGTERM);
    waitpid(pid, nullptr, 0);
    return {ms(mapped), ms(*drawn), rss};
}

} // namespace

int main(int argc, char* argv[]) {
    if (argc != 4) {
        std::fprintf(stderr, "usage: %s RUNS PROGRAM YARDSTICK\n", argv[0]);
        return 2;
    }
    const int runs = std::atoi(argv[1]);
    Display* display = bench::openWatchedDisplay(damageEventBase);

    std::vector<Run> runsOf[2];
    runOnce(display, argv[2]); // warm the file cache for both
    runOnce(display, argv[3]);
    for (int run = 0; run < runs; ++run) {
        for (int which = 0; which < 2; ++which) {
            runsOf[which].push_back(runOnce(display, argv[2 + which]));
        }
    }
    double mapped[2];
    double drawn[2];
    long rss[2];
    for (int which = 0; which < 2; ++which) {
        std::vector<double> m;
        std::vector<double> d;
        std::vector<long> r;
        for (const Run& run : runsOf[which]) {
            m.push_back(run.mappedMs);
            d.push_back(run.firstFrameMs);
            r.push_back(run.residentKiB);
        }
        mapped[which] = bench::median(m);
        drawn[which] = bench::median(d);
        rss[which] = bench::median(r);
    }
    std::printf("runs each (alternating):   %d\n", runs);
    std::printf("start to window mapped:    morvatek %.1f ms, minimal window %.1f ms (medians)\n",
                mapped[0], mapped[1]);
    std::printf("time ratio:                %.3f (target at most 1.25)\n", mapped[0] / mapped[1]);
    std::printf("start to first frame:      morvatek %.1f ms, minimal window %.1f ms, ratio %.3f\n",
                drawn[0], drawn[1], drawn[0] / drawn[1]);
    std::printf("resident after 1st frame:  morvatek %.1f MB, minimal window %.1f MB (medians)\n",
                static_cast<double>(rss[0]) / 1024.0, static_cast<double>(rss[1]) / 1024.0);
    std::printf("resident difference:       %+.2f MB (target at most +4 MB)\n",
                static_cast<double>(rss[0] - rss[1]) / 1024.0);
    XCloseDisplay(display);
    return 0;
}
