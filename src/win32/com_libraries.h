#pragma once

#include <optional>
#include <windows.h>
#include <wtypes.h>

namespace morvatek::win32 {

// What a screen reader's questions and the window's announcements need of COM: ole32's and
// oleaut32's few entries, and COM started on the window's thread. Loaded at the first need, so a
// window no screen reader reads never loads them; COM is stopped with the window, unless another
// part of the thread started it its own way. The modules stay loaded until the program ends: a
// screen reader may still hold an object.
class ComLibraries {
public:
    struct Entries {
        BSTR(WINAPI* allocString)(const OLECHAR*) = nullptr;
        void(WINAPI* freeString)(BSTR) = nullptr;
        HRESULT(WINAPI* createInstance)(REFCLSID, IUnknown*, DWORD, REFIID, void**) = nullptr;
    };

    ComLibraries() = default;
    ComLibraries(const ComLibraries&) = delete;
    ComLibraries& operator=(const ComLibraries&) = delete;
    ~ComLibraries();

    // The entries, with COM started, from the first call on; null where the libraries lack them.
    const Entries* load();

private:
    bool tried_ = false;
    std::optional<Entries> entries_;
    void(WINAPI* stopCom_)() = nullptr; // set when this thread started COM
};

} // namespace morvatek::win32
