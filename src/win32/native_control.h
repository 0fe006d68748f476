#pragma once

#include "control_looks.h"
#include "screen_reader_names.h"

#include <memory>
#include <string>
#include <windows.h>

namespace morvatek::win32 {

// A native child control made from one row of the look table, following one control of the
// model. The window creates them in tab order, so that their z-order is the order the dialog
// manager walks with Tab, each caption right before the control it names.
class NativeControl {
public:
    explicit NativeControl(const form::ControlLook& look) : look_(look) {}
    NativeControl(const NativeControl&) = delete;
    NativeControl& operator=(const NativeControl&) = delete;
    virtual ~NativeControl() = default;

    HWND hwnd() const { return hwnd_; }
    const form::ControlLook& look() const { return look_; }

    // Moves the control to its designed rectangle at `dpi` and gives it the window's font.
    void place(int dpi, HFONT font) const;
    // The designed rectangle in the window's client area at `dpi`.
    RECT pixelRect(int dpi) const;

    // From now on a screen reader hears the design's name for the control (screen_reader_names.h).
    void nameForScreenReaders(ScreenReaderNames& names);

    // A notification the control sent to the window (BN_CLICKED, …).
    virtual void command(WORD /*notification*/) {}
    // Paints an owner-drawn control.
    virtual void draw(const DRAWITEMSTRUCT& /*item*/, HBRUSH /*background*/, HFONT /*font*/) {}

protected:
    void create(HWND parent, int id, const wchar_t* className, DWORD style, DWORD exStyle,
                const std::wstring& text);

    // Runs `refresh` now and whenever the model control changes, for as long as this lives.
    template <typename Model, typename Refresh> void follow(const Model& model, Refresh refresh) {
        model.subscribe([alive = std::weak_ptr<int>(alive_), refresh] {
            if (!alive.expired()) {
                refresh();
            }
        });
        refresh();
    }

    // Routes the control's own messages through subclassed() before its class sees them.
    void subclass();
    virtual LRESULT subclassed(UINT message, WPARAM wParam, LPARAM lParam) {
        return defaultProc(message, wParam, lParam);
    }
    LRESULT defaultProc(UINT message, WPARAM wParam, LPARAM lParam) const;

    // WS_VISIBLE for a control the design shows.
    DWORD visibleStyle() const { return look_.visible ? WS_VISIBLE : 0; }

private:
    static LRESULT CALLBACK subclassProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam,
                                         UINT_PTR id, DWORD_PTR self);

    const form::ControlLook& look_;
    HWND hwnd_ = nullptr;
    ScreenReaderNames* screenReaderNames_ = nullptr;
    std::shared_ptr<int> alive_ = std::make_shared<int>(0);
};

} // namespace morvatek::win32
