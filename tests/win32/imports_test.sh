#!/usr/bin/env bash
# Morvatek.exe starts on Windows 7 SP1: it imports only DLLs that every Windows ships (the C++
# run-time is linked in), and from them only functions that Windows 7 SP1 has. The list is what
# the 32-bit and 64-bit programs import, built with Debian 12's and 13's MinGW-w64; for each
# Win32 function Microsoft's documentation names Windows Vista or older as its minimum supported
# client (GetTickCount64 is the newest), and msvcrt.dll's are the C run-time of Windows itself,
# all in it since Windows XP. What only newer Windows has (per-monitor DPI, UI Automation's
# notifications) is looked up as the program runs, with a fallback.
# usage: imports_test.sh EXE [OBJDUMP]   (the 64-bit toolchain's objdump unless named)
set -euo pipefail
exe=$1
objdump=${2:-x86_64-w64-mingw32-objdump}
declare -A windows7=(
    [comctl32.dll]="DefSubclassProc InitCommonControlsEx RemoveWindowSubclass SetWindowSubclass"
    [gdi32.dll]="CreateFontW CreateSolidBrush DeleteObject GetDeviceCaps SelectObject SetBkColor
        SetBkMode SetTextColor"
    [kernel32.dll]="AddVectoredExceptionHandler CloseHandle CreateEventA CreateSemaphoreA
        DeleteCriticalSection DuplicateHandle EnterCriticalSection FormatMessageA FreeLibrary
        GetCurrentProcess GetCurrentProcessId GetCurrentThread GetCurrentThreadId GetHandleInformation
        GetLastError GetModuleHandleA GetModuleHandleW GetProcAddress GetProcessAffinityMask
        GetStartupInfoW GetSystemTimeAsFileTime GetThreadContext GetThreadPriority GetTickCount
        GetTickCount64 InitializeCriticalSection IsDBCSLeadByteEx IsDebuggerPresent LeaveCriticalSection
        LoadLibraryA LoadLibraryW LocalFree MulDiv MultiByteToWideChar OpenProcess OutputDebugStringA
        QueryPerformanceCounter QueryPerformanceFrequency RaiseException ReleaseSemaphore
        RemoveVectoredExceptionHandler ResetEvent ResumeThread RtlCaptureContext RtlLookupFunctionEntry
        RtlUnwindEx RtlVirtualUnwind SetEvent SetLastError SetProcessAffinityMask SetThreadContext
        SetThreadPriority SetUnhandledExceptionFilter Sleep SuspendThread TlsAlloc TlsGetValue TlsSetValue
        TryEnterCriticalSection VirtualProtect VirtualQuery WaitForMultipleObjects WaitForSingleObject
        WideCharToMultiByte __C_specific_handler"
    [msvcrt.dll]="___lc_codepage_func ___mb_cur_max_func __iob_func __mb_cur_max __p__commode
        __p__fmode __p__wcmdln __set_app_type __setusermatherr __wgetmainargs __winitenv _amsg_exit
        _beginthreadex _cexit _close _commode _endthreadex _errno _fmode _initterm _iob _onexit _read
        _setjmp _setjmp3 _strdup _ultoa _vscprintf _vsnprintf _wcmdln abort atoi calloc exit fprintf fputc
        fputs free fwrite getenv localeconv longjmp malloc memchr memcmp memcpy memmove memset printf
        realloc setlocale signal strchr strcmp strerror strlen strncmp strtoul vfprintf wcslen"
    [user32.dll]="AdjustWindowRectEx CreateWindowExW DefWindowProcW DestroyIcon DestroyWindow
        DispatchMessageW DrawEdge DrawFocusRect DrawTextW EnableWindow FillRect GetClientRect GetDC
        GetFocus GetMessageW GetSysColor GetSysColorBrush GetWindowLongPtrW GetWindowLongW GetWindowRect
        GetWindowTextLengthW GetWindowTextW InflateRect InvalidateRect IsChild IsDialogMessageW IsIconic
        IsWindow IsWindowEnabled LoadCursorW LoadImageW MessageBoxW NotifyWinEvent OffsetRect
        PostQuitMessage RegisterClassExW ReleaseDC SendMessageW SetFocus SetWindowLongPtrW SetWindowLongW
        SetWindowPos SetWindowTextW ShowWindow TranslateMessage UpdateWindow"
    [uxtheme.dll]="SetWindowTheme"
)
status=0 count=0
while read -r dll function; do
    count=$((count + 1))
    if [ -z "${windows7[$dll]:-}" ]; then
        echo "FAIL: imports $dll, which not every Windows ships"
        status=1
    elif [[ " $(tr -s ' \n' ' ' <<<"${windows7[$dll]}") " != *" $function "* ]]; then
        echo "FAIL: imports $function from $dll, which Windows 7 SP1 does not have"
        status=1
    fi
done < <("$objdump" -p "$exe" | awk '/DLL Name:/ { dll = tolower($3); next } /^$/ { dll = "" }
                                     /^\t[0-9a-f]+[ \t]/ && dll { print dll, $NF }')
[ "$count" -gt 0 ] || { echo "FAIL: no import read from $exe"; exit 1; }
[ $status -ne 0 ] || echo "ok: all $count imports are of Windows 7 SP1"
exit $status
