#pragma once

#include <thread>

namespace morvatek {

// Loads the system's font configuration on a second thread while the application connects to
// the display. The window's first text needs it, and on a single thread it is the largest part
// of start-up. Where there is no fontconfig, this does nothing.
class FontWarmUp {
public:
    FontWarmUp();
    FontWarmUp(const FontWarmUp&) = delete;
    FontWarmUp& operator=(const FontWarmUp&) = delete;
    ~FontWarmUp() { wait(); }

    void wait() {
        if (thread_.joinable()) {
            thread_.join();
        }
    }

private:
    std::thread thread_;
};

} // namespace morvatek
