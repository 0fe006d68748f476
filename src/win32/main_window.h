#pragma once

#include "brushes.h"
#include "com_libraries.h"
#include "gdi_object.h"
#include "native_control.h"
#include "screen_reader_announcer.h"

#include <memory>
#include <string_view>
#include <vector>
#include <windows.h>

namespace morvatek {
struct Morvatek;
}

namespace morvatek::win32 {

class OptionControl;

// The window Morvatek: draws the model's controls as designed at the window's DPI, shows their
// state as it changes and passes the pupil's clicks and keys to them. Reached from its HWND.
class MainWindow {
public:
    // Asks the window to end the program with the exit status in WPARAM.
    static constexpr UINT kEndProgram = WM_APP + 1;
    // Asks the window to tell a screen reader the sentence at LPARAM (const wchar_t*).
    static constexpr UINT kAnnounce = WM_APP + 2;
    // The first control's id; clear of IDOK and IDCANCEL, which the dialog manager sends.
    static constexpr int kFirstControlId = 100;

    MainWindow(Morvatek& model, HINSTANCE instance);
    MainWindow(const MainWindow&) = delete;
    MainWindow& operator=(const MainWindow&) = delete;
    ~MainWindow();

    HWND hwnd() const { return hwnd_; }
    // The control made from the look table's row `name`, or null.
    HWND control(std::string_view name) const;

    // Shows the window with the keyboard focus on the transcript, scrolled to its top.
    void show(int showCommand);

private:
    static LRESULT CALLBACK windowProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam);
    LRESULT handle(UINT message, WPARAM wParam, LPARAM lParam);

    void createControls(Morvatek& model);
    void applyDpi(int dpi);
    void setIcons(int dpi);
    void fitClientArea(int width, int height);
    int clientWidth() const;
    int clientHeight() const;
    void keepOneOptionTabStop();
    NativeControl* controlOf(HWND window) const;
    NativeControl* controlWithId(WPARAM id) const;
    LRESULT colour(HDC dc, HWND window);
    void paintBackground(HDC dc);
    void saveFocus();
    void restoreFocus();

    HWND hwnd_ = nullptr;
    int dpi_ = 0;
    int exitStatus_ = 0;
    HWND lastFocus_ = nullptr;
    Font font_;
    Icon smallIcon_;
    Icon bigIcon_;
    Brushes brushes_;
    ComLibraries com_;                          // outlives both that use it
    ScreenReaderNames screenReaderNames_{com_}; // outlives the controls that answer through it
    std::unique_ptr<ScreenReaderAnnouncer> announcer_;
    std::vector<std::unique_ptr<NativeControl>> controls_; // in creation order
    std::vector<OptionControl*> options_;                  // in tab order
};

} // namespace morvatek::win32
