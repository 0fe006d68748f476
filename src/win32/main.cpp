#include "main_window.h"
#include "message_loop.h"
#include "program.h"
#include "window_program_host.h"

#include <commctrl.h>
#include <windows.h>

// The program takes no command-line arguments. Windows declares the entry point with other
// parameter names.
int WINAPI wWinMain( // NOLINT(readability-inconsistent-declaration-parameter-name)
    HINSTANCE instance, HINSTANCE /*previous*/, PWSTR /*commandLine*/, int showCommand) {
    INITCOMMONCONTROLSEX commonControls{sizeof(commonControls), ICC_STANDARD_CLASSES};
    InitCommonControlsEx(&commonControls);

    morvatek::win32::WindowProgramHost host;
    morvatek::Program program(host);
    if (program.ended()) {
        return host.exitStatus().value_or(1);
    }
    morvatek::win32::MainWindow window(program.window(), instance);
    host.setWindow(window.hwnd());
    window.show(showCommand);
    return morvatek::win32::runMessageLoop(window.hwnd());
}
