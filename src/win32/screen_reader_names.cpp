#include "screen_reader_names.h"

#include "com_libraries.h"
#include "library_entry.h"

#include <oleacc.h>

namespace morvatek::win32 {

namespace {

// Windows' own accessible object for a control, under another name. Every other question,
// and every other interface (children's enumeration, the window behind it), is the standard
// object's.
class NamedAccessible final : public IAccessible {
public:
    NamedAccessible(IAccessible* standard, BSTR(WINAPI* allocString)(const OLECHAR*),
                    std::wstring name)
        : standard_(standard), allocString_(allocString), name_(std::move(name)) {}
    NamedAccessible(const NamedAccessible&) = delete;
    NamedAccessible& operator=(const NamedAccessible&) = delete;

    HRESULT STDMETHODCALLTYPE QueryInterface(REFIID iid, void** out) override {
        if (out == nullptr) {
            return E_POINTER;
        }
        if (iid == __uuidof(IUnknown) || iid == __uuidof(IDispatch) ||
            iid == __uuidof(IAccessible)) {
            *out = static_cast<IAccessible*>(this);
            AddRef();
            return S_OK;
        }
        return standard_->QueryInterface(iid, out);
    }
    ULONG STDMETHODCALLTYPE AddRef() override { return InterlockedIncrement(&references_); }
    ULONG STDMETHODCALLTYPE Release() override {
        const LONG left = InterlockedDecrement(&references_);
        if (left == 0) {
            delete this;
        }
        return static_cast<ULONG>(left);
    }

    HRESULT STDMETHODCALLTYPE get_accName(VARIANT child, BSTR* name) override {
        if (name == nullptr) {
            return E_POINTER;
        }
        if (child.vt != VT_I4 || child.lVal != CHILDID_SELF) {
            return standard_->get_accName(child, name);
        }
        *name = allocString_(name_.c_str());
        return *name != nullptr ? S_OK : E_OUTOFMEMORY;
    }

    // IDispatch
    HRESULT STDMETHODCALLTYPE GetTypeInfoCount(UINT* count) override {
        return standard_->GetTypeInfoCount(count);
    }
    HRESULT STDMETHODCALLTYPE GetTypeInfo(UINT index, LCID locale, ITypeInfo** info) override {
        return standard_->GetTypeInfo(index, locale, info);
    }
    HRESULT STDMETHODCALLTYPE GetIDsOfNames(REFIID iid, LPOLESTR* names, UINT count, LCID locale,
                                            DISPID* ids) override {
        return standard_->GetIDsOfNames(iid, names, count, locale, ids);
    }
    HRESULT STDMETHODCALLTYPE Invoke(DISPID id, REFIID iid, LCID locale, WORD flags,
                                     DISPPARAMS* parameters, VARIANT* result, EXCEPINFO* exception,
                                     UINT* argumentError) override {
        return standard_->Invoke(id, iid, locale, flags, parameters, result, exception,
                                 argumentError);
    }

    // IAccessible, but for the name
    HRESULT STDMETHODCALLTYPE get_accParent(IDispatch** parent) override {
        return standard_->get_accParent(parent);
    }
    HRESULT STDMETHODCALLTYPE get_accChildCount(LONG* count) override {
        return standard_->get_accChildCount(count);
    }
    HRESULT STDMETHODCALLTYPE get_accChild(VARIANT child, IDispatch** object) override {
        return standard_->get_accChild(child, object);
    }
    HRESULT STDMETHODCALLTYPE get_accValue(VARIANT child, BSTR* value) override {
        return standard_->get_accValue(child, value);
    }
    HRESULT STDMETHODCALLTYPE get_accDescription(VARIANT child, BSTR* text) override {
        return standard_->get_accDescription(child, text);
    }
    HRESULT STDMETHODCALLTYPE get_accRole(VARIANT child, VARIANT* role) override {
        return standard_->get_accRole(child, role);
    }
    HRESULT STDMETHODCALLTYPE get_accState(VARIANT child, VARIANT* state) override {
        return standard_->get_accState(child, state);
    }
    HRESULT STDMETHODCALLTYPE get_accHelp(VARIANT child, BSTR* help) override {
        return standard_->get_accHelp(child, help);
    }
    HRESULT STDMETHODCALLTYPE get_accHelpTopic(BSTR* file, VARIANT child, LONG* topic) override {
        return standard_->get_accHelpTopic(file, child, topic);
    }
    HRESULT STDMETHODCALLTYPE get_accKeyboardShortcut(VARIANT child, BSTR* shortcut) override {
        return standard_->get_accKeyboardShortcut(child, shortcut);
    }
    HRESULT STDMETHODCALLTYPE get_accFocus(VARIANT* child) override {
        return standard_->get_accFocus(child);
    }
    HRESULT STDMETHODCALLTYPE get_accSelection(VARIANT* children) override {
        return standard_->get_accSelection(children);
    }
    HRESULT STDMETHODCALLTYPE get_accDefaultAction(VARIANT child, BSTR* action) override {
        return standard_->get_accDefaultAction(child, action);
    }
    HRESULT STDMETHODCALLTYPE accSelect(LONG flags, VARIANT child) override {
        return standard_->accSelect(flags, child);
    }
    HRESULT STDMETHODCALLTYPE accLocation(LONG* left, LONG* top, LONG* width, LONG* height,
                                          VARIANT child) override {
        return standard_->accLocation(left, top, width, height, child);
    }
    HRESULT STDMETHODCALLTYPE accNavigate(LONG direction, VARIANT start, VARIANT* end) override {
        return standard_->accNavigate(direction, start, end);
    }
    HRESULT STDMETHODCALLTYPE accHitTest(LONG left, LONG top, VARIANT* child) override {
        return standard_->accHitTest(left, top, child);
    }
    HRESULT STDMETHODCALLTYPE accDoDefaultAction(VARIANT child) override {
        return standard_->accDoDefaultAction(child);
    }
    HRESULT STDMETHODCALLTYPE put_accName(VARIANT child, BSTR name) override {
        return standard_->put_accName(child, name);
    }
    HRESULT STDMETHODCALLTYPE put_accValue(VARIANT child, BSTR value) override {
        return standard_->put_accValue(child, value);
    }

private:
    ~NamedAccessible() { standard_->Release(); }

    LONG references_ = 1;
    IAccessible* standard_;
    BSTR(WINAPI* allocString_)(const OLECHAR*);
    std::wstring name_;
};

} // namespace

struct ScreenReaderNames::Entries {
    HRESULT(WINAPI* createStandard)(HWND, LONG, REFIID, void**) = nullptr;
    LRESULT(WINAPI* lresultFromObject)(REFIID, WPARAM, IUnknown*) = nullptr;
    BSTR(WINAPI* allocString)(const OLECHAR*) = nullptr;
};

ScreenReaderNames::ScreenReaderNames(ComLibraries& com) : com_(com) {}

ScreenReaderNames::~ScreenReaderNames() = default;

// The object crosses into the screen reader's process through COM.
const ScreenReaderNames::Entries* ScreenReaderNames::load() {
    if (tried_) {
        return entries_.get();
    }
    tried_ = true;
    const ComLibraries::Entries* com = com_.load();
    HMODULE oleacc = LoadLibraryW(L"oleacc.dll");
    if (com == nullptr || oleacc == nullptr) {
        return nullptr;
    }
    auto entries = std::make_unique<Entries>();
    findEntry(oleacc, "CreateStdAccessibleObject", entries->createStandard);
    findEntry(oleacc, "LresultFromObject", entries->lresultFromObject);
    entries->allocString = com->allocString;
    if (entries->createStandard == nullptr || entries->lresultFromObject == nullptr) {
        return nullptr;
    }
    entries_ = std::move(entries);
    return entries_.get();
}

LRESULT ScreenReaderNames::answer(HWND control, WPARAM wParam, LPARAM lParam,
                                  const std::wstring& name) {
    const Entries* entries = static_cast<LONG>(lParam) == OBJID_CLIENT ? load() : nullptr;
    IAccessible* standard = nullptr;
    if (entries == nullptr ||
        FAILED(entries->createStandard(control, OBJID_CLIENT, __uuidof(IAccessible),
                                       reinterpret_cast<void**>(&standard)))) {
        return 0;
    }
    auto* named = new NamedAccessible(standard, entries->allocString, name);
    const LRESULT result = entries->lresultFromObject(__uuidof(IAccessible), wParam, named);
    named->Release();
    return result > 0 ? result : 0;
}

} // namespace morvatek::win32
