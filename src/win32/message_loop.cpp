#include "message_loop.h"

namespace morvatek::win32 {

void deliver(HWND window, MSG& message) {
    if (IsWindow(window) != FALSE && IsDialogMessageW(window, &message) != FALSE) {
        return;
    }
    TranslateMessage(&message);
    DispatchMessageW(&message);
}

int runMessageLoop(HWND window) {
    MSG message{};
    while (GetMessageW(&message, nullptr, 0, 0) > 0) {
        deliver(window, message);
    }
    return static_cast<int>(message.wParam);
}

} // namespace morvatek::win32
