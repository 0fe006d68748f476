#include "com_libraries.h"

#include "library_entry.h"

#include <objbase.h>

namespace morvatek::win32 {

ComLibraries::~ComLibraries() {
    if (stopCom_ != nullptr) {
        stopCom_();
    }
}

const ComLibraries::Entries* ComLibraries::load() {
    if (tried_) {
        return entries_ ? &*entries_ : nullptr;
    }
    tried_ = true;
    HMODULE ole32 = LoadLibraryW(L"ole32.dll");
    HMODULE oleaut32 = LoadLibraryW(L"oleaut32.dll");
    if (ole32 == nullptr || oleaut32 == nullptr) {
        return nullptr;
    }
    Entries entries;
    HRESULT(WINAPI * startCom)(void*, DWORD) = nullptr;
    void(WINAPI * stopCom)() = nullptr;
    findEntry(ole32, "CoInitializeEx", startCom);
    findEntry(ole32, "CoUninitialize", stopCom);
    findEntry(ole32, "CoCreateInstance", entries.createInstance);
    findEntry(oleaut32, "SysAllocString", entries.allocString);
    findEntry(oleaut32, "SysFreeString", entries.freeString);
    if (startCom == nullptr || stopCom == nullptr || entries.createInstance == nullptr ||
        entries.allocString == nullptr || entries.freeString == nullptr) {
        return nullptr;
    }
    if (SUCCEEDED(startCom(nullptr, COINIT_APARTMENTTHREADED))) {
        stopCom_ = stopCom;
    }
    entries_ = entries;
    return &*entries_;
}

} // namespace morvatek::win32
