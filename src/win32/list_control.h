#pragma once

#include "native_control.h"

#include <string>

namespace morvatek {
class ListBox;
}

namespace morvatek::win32 {

// A list box showing a list of the model. It never changes its own selection: every click on
// an item, the already selected one included, and every key it takes goes to the model, whose
// items, selection, enabled state and visibility it then shows.
class ListControl : public NativeControl {
public:
    ListControl(const form::ControlLook& look, HWND parent, int id, ListBox& model);

protected:
    LRESULT subclassed(UINT message, WPARAM wParam, LPARAM lParam) override;

private:
    void refresh();
    bool showsItems() const;
    void clickAt(LPARAM position);
    void pressKey(WPARAM key);
    long rowsPerPage() const;

    ListBox& model_;
};

} // namespace morvatek::win32
