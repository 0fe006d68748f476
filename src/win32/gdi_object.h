#pragma once

#include <utility>
#include <windows.h>

namespace morvatek::win32 {

// Owns a GDI or USER handle (a brush, a font, an icon) and releases it when replaced or
// destroyed.
template <typename Handle, auto Release> class OwnedHandle {
public:
    OwnedHandle() = default;
    explicit OwnedHandle(Handle handle) : handle_(handle) {}
    OwnedHandle(const OwnedHandle&) = delete;
    OwnedHandle& operator=(const OwnedHandle&) = delete;
    OwnedHandle(OwnedHandle&& other) noexcept : handle_(std::exchange(other.handle_, nullptr)) {}
    OwnedHandle& operator=(OwnedHandle&& other) noexcept {
        reset(std::exchange(other.handle_, nullptr));
        return *this;
    }
    ~OwnedHandle() { reset(nullptr); }

    Handle get() const { return handle_; }
    void reset(Handle handle) {
        if (handle_ != nullptr) {
            Release(handle_);
        }
        handle_ = handle;
    }

private:
    Handle handle_ = nullptr;
};

inline void deleteGdiObject(HGDIOBJ object) {
    DeleteObject(object);
}
inline void destroyIcon(HICON icon) {
    DestroyIcon(icon);
}

using Brush = OwnedHandle<HBRUSH, deleteGdiObject>;
using Font = OwnedHandle<HFONT, deleteGdiObject>;
using Icon = OwnedHandle<HICON, destroyIcon>;

} // namespace morvatek::win32
