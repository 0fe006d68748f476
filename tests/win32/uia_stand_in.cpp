// Stands in for UIAutomationCore.dll beside a copy of Morvatek.exe: records, one UTF-8 line each
// in the file MORVATEK_UIA_LOG names, every provider the program asks for ("host WINDOW") and
// every notification it raises ("notify WINDOW KIND PROCESSING ACTIVITY SENTENCE"), which is
// what UI Automation hands Narrator and NVDA. Built without MORVATEK_NOTIFICATIONS it has no
// notification entry, as on Windows before 10 1709.
#include <cstdint>
#include <string>
#include <uiautomationcore.h>
#include <windows.h>

namespace {

void record(const std::wstring& line) {
    wchar_t path[MAX_PATH] = {};
    if (GetEnvironmentVariableW(L"MORVATEK_UIA_LOG", path, MAX_PATH) == 0) {
        return;
    }
    HANDLE file = CreateFileW(path, FILE_APPEND_DATA, FILE_SHARE_READ | FILE_SHARE_WRITE, nullptr,
                              OPEN_ALWAYS, FILE_ATTRIBUTE_NORMAL, nullptr);
    if (file == INVALID_HANDLE_VALUE) {
        return;
    }
    const std::wstring text = line + L"\n";
    std::string bytes(static_cast<std::size_t>(WideCharToMultiByte(CP_UTF8, 0, text.c_str(), -1,
                                                                   nullptr, 0, nullptr, nullptr)),
                      '\0');
    WideCharToMultiByte(CP_UTF8, 0, text.c_str(), -1, bytes.data(), static_cast<int>(bytes.size()),
                        nullptr, nullptr);
    DWORD written = 0;
    WriteFile(file, bytes.data(), static_cast<DWORD>(bytes.size() - 1), &written, nullptr);
    CloseHandle(file);
}

std::wstring number(HWND window) {
    return std::to_wstring(reinterpret_cast<std::uintptr_t>(window));
}

// A window's provider, which a screen reader knows by its window.
class HostProvider final : public IRawElementProviderSimple {
public:
    explicit HostProvider(HWND window) : window_(window) {}
    HWND window() const { return window_; }

    HRESULT STDMETHODCALLTYPE QueryInterface(REFIID iid, void** out) override {
        if (iid == __uuidof(IUnknown) || iid == __uuidof(IRawElementProviderSimple)) {
            *out = this;
            AddRef();
            return S_OK;
        }
        *out = nullptr;
        return E_NOINTERFACE;
    }
    ULONG STDMETHODCALLTYPE AddRef() override { return ++references_; }
    ULONG STDMETHODCALLTYPE Release() override {
        const ULONG left = --references_;
        if (left == 0) {
            delete this;
        }
        return left;
    }
    HRESULT STDMETHODCALLTYPE get_ProviderOptions(ProviderOptions* options) override {
        *options = ProviderOptions_ServerSideProvider;
        return S_OK;
    }
    HRESULT STDMETHODCALLTYPE GetPatternProvider(PATTERNID /*pattern*/, IUnknown** out) override {
        *out = nullptr;
        return S_OK;
    }
    HRESULT STDMETHODCALLTYPE GetPropertyValue(PROPERTYID /*property*/, VARIANT* out) override {
        out->vt = VT_EMPTY;
        return S_OK;
    }
    HRESULT STDMETHODCALLTYPE get_HostRawElementProvider(IRawElementProviderSimple** out) override {
        *out = nullptr;
        return S_OK;
    }

private:
    HWND window_;
    ULONG references_ = 1;
};

} // namespace

extern "C" __declspec(dllexport) HRESULT WINAPI
    UiaHostProviderFromHwnd(HWND window, IRawElementProviderSimple** provider) {
    record(L"host " + number(window));
    *provider = new HostProvider(window);
    return S_OK;
}

#ifdef MORVATEK_NOTIFICATIONS
extern "C" __declspec(dllexport) HRESULT WINAPI
    UiaRaiseNotificationEvent(IRawElementProviderSimple* provider, int kind, int processing,
                              BSTR sentence, BSTR activity) {
    record(L"notify " + number(static_cast<HostProvider*>(provider)->window()) + L" " +
           std::to_wstring(kind) + L" " + std::to_wstring(processing) + L" " + activity + L" " +
           sentence);
    return S_OK;
}
#endif
