#include "screen_reader_announcer.h"

#include "com_libraries.h"
#include "library_entry.h"

#include <oleacc.h>
#include <uiautomationcore.h>

namespace morvatek::win32 {

namespace {

// Not in every SDK's headers.
constexpr int kNotificationKindOther = 4;
constexpr int kNotificationProcessingMostRecent = 3;
constexpr LONG kLivePolite = 1;
constexpr GUID kLiveSettingProperty = {
    0xc12bcd8e, 0x2a8e, 0x4950, {0x8a, 0xe7, 0x36, 0x25, 0x11, 0x1d, 0x58, 0xeb}};
constexpr CLSID kAccPropServices = {
    0xb5f8350b, 0x0548, 0x48b1, {0xa6, 0xee, 0x88, 0xbd, 0x00, 0xb4, 0xa5, 0xe7}};
constexpr IID kIAccPropServices = {
    0x6e26e776, 0x04f0, 0x495d, {0x80, 0xe4, 0x33, 0x30, 0x35, 0x2e, 0x31, 0x69}};
constexpr wchar_t kActivityId[] = L"Morvatek.Announcement";

using RaiseNotification = HRESULT(WINAPI*)(IRawElementProviderSimple*, int, int, BSTR, BSTR);
using HostProvider = HRESULT(WINAPI*)(HWND, IRawElementProviderSimple**);

} // namespace

struct ScreenReaderAnnouncer::Entries {
    RaiseNotification raiseNotification = nullptr; // Windows 10 1709 and later only
    HostProvider hostProvider = nullptr;
    ComLibraries::Entries com;
    IAccPropServices* properties = nullptr;
};

ScreenReaderAnnouncer::ScreenReaderAnnouncer(HWND window, ComLibraries& com)
    : window_(window), com_(com) {}

ScreenReaderAnnouncer::~ScreenReaderAnnouncer() {
    if (!entries_ || entries_->properties == nullptr) {
        return;
    }
    if (liveRegion_ != nullptr) {
        entries_->properties->ClearHwndProps(liveRegion_, OBJID_CLIENT, CHILDID_SELF,
                                             &kLiveSettingProperty, 1);
    }
    entries_->properties->Release();
}

const ScreenReaderAnnouncer::Entries* ScreenReaderAnnouncer::load() {
    if (tried_) {
        return entries_.get();
    }
    tried_ = true;
    const ComLibraries::Entries* com = com_.load();
    if (com == nullptr) {
        return nullptr;
    }
    auto entries = std::make_unique<Entries>();
    entries->com = *com;
    if (HMODULE automation = LoadLibraryW(L"UIAutomationCore.dll")) {
        findEntry(automation, "UiaRaiseNotificationEvent", entries->raiseNotification);
        findEntry(automation, "UiaHostProviderFromHwnd", entries->hostProvider);
    }
    if (entries->raiseNotification == nullptr || entries->hostProvider == nullptr) {
        com->createInstance(kAccPropServices, nullptr, CLSCTX_INPROC_SERVER, kIAccPropServices,
                            reinterpret_cast<void**>(&entries->properties));
    }
    entries_ = std::move(entries);
    return entries_.get();
}

void ScreenReaderAnnouncer::say(const std::wstring& sentence) {
    const Entries* entries = load();
    if (entries == nullptr) {
        return;
    }
    if (entries->raiseNotification != nullptr && entries->hostProvider != nullptr) {
        notify(*entries, sentence);
    } else {
        changeLiveRegion(*entries, sentence);
    }
}

void ScreenReaderAnnouncer::notify(const Entries& entries, const std::wstring& sentence) {
    IRawElementProviderSimple* provider = nullptr;
    if (FAILED(entries.hostProvider(window_, &provider)) || provider == nullptr) {
        return;
    }
    BSTR text = entries.com.allocString(sentence.c_str());
    BSTR activity = entries.com.allocString(kActivityId);
    entries.raiseNotification(provider, kNotificationKindOther, kNotificationProcessingMostRecent,
                              text, activity);
    entries.com.freeString(activity);
    entries.com.freeString(text);
    provider->Release();
}

// The same sentence again is told again: the signal, not the text, is what is spoken.
void ScreenReaderAnnouncer::changeLiveRegion(const Entries& entries, const std::wstring& sentence) {
    if (liveRegion_ == nullptr) {
        auto* instance = reinterpret_cast<HINSTANCE>(GetWindowLongPtrW(window_, GWLP_HINSTANCE));
        liveRegion_ = CreateWindowExW(0, L"STATIC", L"", WS_CHILD | WS_VISIBLE | SS_LEFT, 0, 0, 0,
                                      0, window_, nullptr, instance, nullptr);
        if (liveRegion_ == nullptr) {
            return;
        }
        if (entries.properties != nullptr) {
            VARIANT polite{};
            polite.vt = VT_I4;
            polite.lVal = kLivePolite;
            entries.properties->SetHwndProp(liveRegion_, OBJID_CLIENT, CHILDID_SELF,
                                            kLiveSettingProperty, polite);
        }
    }
    SetWindowTextW(liveRegion_, sentence.c_str());
    NotifyWinEvent(EVENT_OBJECT_LIVEREGIONCHANGED, liveRegion_, OBJID_CLIENT, CHILDID_SELF);
}

} // namespace morvatek::win32
