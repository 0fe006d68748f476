#pragma once

#include <memory>
#include <string>
#include <windows.h>

namespace morvatek::win32 {

class ComLibraries;

// Tells a screen reader a sentence without moving the focus, wherever it is.
// - Where Windows raises UI Automation notifications (Windows 10 1709 and later), one for the
//   window: kind "other", only the most recent one kept, under the program's own activity id.
//   Narrator and NVDA speak it; so does the calculator that comes with Windows.
// - Elsewhere (older Windows, Wine), a caption of no size named with the sentence, marked as a
//   polite live region, whose change MSAA is told of (EVENT_OBJECT_LIVEREGIONCHANGED).
// Never both, or a screen reader would say the sentence twice. The libraries are loaded at the
// first sentence, so the program's imports and start-up stay as they are; a call that fails
// leaves the program as it was.
class ScreenReaderAnnouncer {
public:
    ScreenReaderAnnouncer(HWND window, ComLibraries& com);
    ScreenReaderAnnouncer(const ScreenReaderAnnouncer&) = delete;
    ScreenReaderAnnouncer& operator=(const ScreenReaderAnnouncer&) = delete;
    ~ScreenReaderAnnouncer();

    void say(const std::wstring& sentence);

private:
    struct Entries; // UIAutomationCore's, COM's and its live-region properties, once loaded

    const Entries* load();
    void notify(const Entries& entries, const std::wstring& sentence);
    void changeLiveRegion(const Entries& entries, const std::wstring& sentence);

    HWND window_;
    ComLibraries& com_;
    HWND liveRegion_ = nullptr;
    bool tried_ = false;
    std::unique_ptr<Entries> entries_;
};

} // namespace morvatek::win32
