#include "main_window.h"

#include "design_texts.h"
#include "dpi.h"
#include "twips.h"
#include "wide_text.h"

#include <string>

namespace morvatek::win32 {

namespace {

constexpr wchar_t kClassName[] = L"Morvatek";
// Fixed size, with caption, minimise and close. Like a dialog it does not clip its children: the
// frame around the option buttons draws only its border over the window's background.
constexpr DWORD kStyle = WS_OVERLAPPED | WS_CAPTION | WS_SYSMENU | WS_MINIMIZEBOX;
constexpr int kIconResource = 1;
constexpr int kPointsPerInch = 72;

void registerClass(HINSTANCE instance, WNDPROC procedure) {
    WNDCLASSEXW windowClass{};
    windowClass.cbSize = sizeof(windowClass);
    windowClass.lpfnWndProc = procedure;
    windowClass.hInstance = instance;
    windowClass.hCursor = LoadCursorW(nullptr, reinterpret_cast<LPCWSTR>(IDC_ARROW));
    windowClass.lpszClassName = kClassName;
    RegisterClassExW(&windowClass); // fails harmlessly when a second window registers again
}

Font windowFont(int dpi) {
    const form::WindowLook& look = form::kWindowLook;
    const std::wstring family = wide(look.fontFamily);
    return Font(CreateFontW(
        -MulDiv(look.fontPointSize, dpi, kPointsPerInch), 0, 0, 0, look.fontWeight, FALSE, FALSE,
        FALSE, static_cast<BYTE>(look.fontCharset), OUT_DEFAULT_PRECIS, CLIP_DEFAULT_PRECIS,
        CLEARTYPE_QUALITY, VARIABLE_PITCH | FF_ROMAN, family.c_str()));
}

} // namespace

// Made at the system's DPI, or at once at its monitor's where that differs.
MainWindow::MainWindow(Morvatek& model, HINSTANCE instance) : dpi_(windowDpi(nullptr)) {
    registerClass(instance, windowProc);
    const std::wstring caption = wide(design::windowCaption());
    const SIZE outer = outerSize(clientWidth(), clientHeight(), kStyle, 0, dpi_);
    CreateWindowExW(0, kClassName, caption.c_str(), kStyle, CW_USEDEFAULT, CW_USEDEFAULT, outer.cx,
                    outer.cy, nullptr, nullptr, instance, this);
    dpi_ = windowDpi(hwnd_);
    font_ = windowFont(dpi_);
    setIcons(dpi_);
    createControls(model);
    fitClientArea(clientWidth(), clientHeight());
    announcer_ = std::make_unique<ScreenReaderAnnouncer>(hwnd_, com_);
}

int MainWindow::clientWidth() const {
    return form::pixelsFromTwips(form::kWindowLook.clientWidth, dpi_);
}

int MainWindow::clientHeight() const {
    return form::pixelsFromTwips(form::kWindowLook.clientHeight, dpi_);
}

MainWindow::~MainWindow() {
    if (hwnd_ != nullptr && IsWindow(hwnd_) != FALSE) {
        SetWindowLongPtrW(hwnd_, GWLP_USERDATA, 0);
        DestroyWindow(hwnd_);
    }
}

// The icon at the sizes the title bar and the taskbar show at this DPI.
void MainWindow::setIcons(int dpi) {
    auto* const instance = reinterpret_cast<HINSTANCE>(GetWindowLongPtrW(hwnd_, GWLP_HINSTANCE));
    constexpr int kSmallIcon = 16; // pixels at 96 DPI
    constexpr int kBigIcon = 32;
    const auto load = [instance, dpi](int pixels) {
        const int size = MulDiv(pixels, dpi, kDefaultDpi);
        return Icon(static_cast<HICON>(
            LoadImageW(instance, MAKEINTRESOURCEW(kIconResource), IMAGE_ICON, size, size, 0)));
    };
    Icon small = load(kSmallIcon);
    Icon big = load(kBigIcon);
    SendMessageW(hwnd_, WM_SETICON, ICON_SMALL, reinterpret_cast<LPARAM>(small.get()));
    SendMessageW(hwnd_, WM_SETICON, ICON_BIG, reinterpret_cast<LPARAM>(big.get()));
    smallIcon_ = std::move(small);
    bigIcon_ = std::move(big);
}

void MainWindow::applyDpi(int dpi) {
    dpi_ = dpi;
    font_ = windowFont(dpi);
    setIcons(dpi);
    for (const auto& control : controls_) {
        control->place(dpi, font_.get());
    }
    fitClientArea(clientWidth(), clientHeight());
    InvalidateRect(hwnd_, nullptr, TRUE);
}

// Sizes the window for its frame at this DPI; where the frame keeps other metrics (a window the
// system does not scale), the difference is taken up.
void MainWindow::fitClientArea(int width, int height) {
    constexpr int kAttempts = 2; // a frame that changes with the resize needs a second step
    for (int attempt = 0; attempt < kAttempts; ++attempt) {
        RECT client{};
        GetClientRect(hwnd_, &client);
        if (client.right == width && client.bottom == height) {
            return;
        }
        RECT outer{};
        GetWindowRect(hwnd_, &outer);
        SetWindowPos(hwnd_, nullptr, 0, 0, outer.right - outer.left + width - client.right,
                     outer.bottom - outer.top + height - client.bottom,
                     SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
    }
}

void MainWindow::show(int showCommand) {
    ShowWindow(hwnd_, showCommand);
    UpdateWindow(hwnd_);
    HWND transcript = control("Text1_0");
    SetFocus(transcript);
    SendMessageW(transcript, EM_SETSEL, 0, 0);
}

// Text on a background the design fixes is black, whatever the system's colours; the lists and
// text boxes take both text and background from the system.
LRESULT MainWindow::colour(HDC dc, HWND window) {
    const NativeControl* control = controlOf(window);
    if (control != nullptr && control->look().background) {
        SetTextColor(dc, RGB(0, 0, 0));
        SetBkColor(dc, colorRef(*control->look().background));
        return reinterpret_cast<LRESULT>(brushes_.of(*control->look().background));
    }
    SetTextColor(dc, GetSysColor(COLOR_WINDOWTEXT));
    SetBkColor(dc, GetSysColor(COLOR_WINDOW));
    return reinterpret_cast<LRESULT>(GetSysColorBrush(COLOR_WINDOW));
}

void MainWindow::paintBackground(HDC dc) {
    RECT client{};
    GetClientRect(hwnd_, &client);
    FillRect(dc, &client, brushes_.of(form::kWindowLook.background));
}

// Like a dialog, the window remembers which control had the focus when it is deactivated or
// minimised, and gives the focus back to it when it gets the focus again.
void MainWindow::saveFocus() {
    HWND focus = GetFocus();
    if (focus != nullptr && IsChild(hwnd_, focus) != FALSE) {
        lastFocus_ = focus;
    }
}

void MainWindow::restoreFocus() {
    if (IsIconic(hwnd_) == FALSE && lastFocus_ != nullptr && IsWindow(lastFocus_) != FALSE) {
        SetFocus(lastFocus_);
    }
}

LRESULT CALLBACK MainWindow::windowProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    if (message == WM_NCCREATE) {
        auto* self =
            static_cast<MainWindow*>(reinterpret_cast<CREATESTRUCTW*>(lParam)->lpCreateParams);
        self->hwnd_ = window;
        SetWindowLongPtrW(window, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(self));
    }
    auto* self = reinterpret_cast<MainWindow*>(GetWindowLongPtrW(window, GWLP_USERDATA));
    return self != nullptr ? self->handle(message, wParam, lParam)
                           : DefWindowProcW(window, message, wParam, lParam);
}

LRESULT MainWindow::handle(UINT message, WPARAM wParam, LPARAM lParam) {
    switch (message) {
    case WM_COMMAND:
        if (NativeControl* control = controlWithId(wParam)) {
            control->command(HIWORD(wParam));
        }
        return 0;
    case WM_DRAWITEM:
        if (NativeControl* control = controlWithId(wParam)) {
            const auto& item = *reinterpret_cast<const DRAWITEMSTRUCT*>(lParam);
            control->draw(
                item,
                brushes_.of(control->look().background.value_or(form::kWindowLook.background)),
                font_.get());
        }
        return TRUE;
    case WM_CTLCOLORSTATIC:
    case WM_CTLCOLORBTN:
    case WM_CTLCOLOREDIT:
    case WM_CTLCOLORLISTBOX:
        return colour(reinterpret_cast<HDC>(wParam), reinterpret_cast<HWND>(lParam));
    case WM_ERASEBKGND:
        paintBackground(reinterpret_cast<HDC>(wParam));
        return TRUE;
    case WM_DPICHANGED: {
        const auto* suggested = reinterpret_cast<const RECT*>(lParam);
        applyDpi(HIWORD(wParam));
        SetWindowPos(hwnd_, nullptr, suggested->left, suggested->top, 0, 0,
                     SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
        return 0;
    }
    case WM_GETFONT:
        return reinterpret_cast<LRESULT>(font_.get());
    case WM_ACTIVATE:
        if (LOWORD(wParam) == WA_INACTIVE) {
            saveFocus();
        } else {
            restoreFocus();
        }
        return 0;
    case WM_SETFOCUS:
        restoreFocus();
        return 0;
    case WM_SIZE:
        if (wParam == SIZE_MINIMIZED) {
            saveFocus();
        }
        return 0;
    case kAnnounce:
        announcer_->say(reinterpret_cast<const wchar_t*>(lParam));
        return 0;
    case kEndProgram:
        exitStatus_ = static_cast<int>(wParam);
        DestroyWindow(hwnd_);
        return 0;
    case WM_DESTROY:
        PostQuitMessage(exitStatus_);
        return 0;
    default:
        return DefWindowProcW(hwnd_, message, wParam, lParam);
    }
}

} // namespace morvatek::win32
