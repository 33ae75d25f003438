#pragma once
// The one owner of a platform handle: it releases the handle with its
// deleter when replaced or destroyed, on every way out, a raised failure
// included. A handle type names the value that means "none" (null for most,
// INVALID_HANDLE_VALUE for files and searches), which is never released.
#include <windows.h>

#include <utility>

template <class Handle>
Handle nullHandle() {
    return Handle{};
}

inline HANDLE invalidHandleValue() { return INVALID_HANDLE_VALUE; }

template <class Handle, class Deleter, Handle (*None)() = nullHandle<Handle>>
class ScopedHandle {
public:
    ScopedHandle() = default;
    explicit ScopedHandle(Handle handle, Deleter deleter = Deleter()) : handle_(handle), deleter_(std::move(deleter)) {}
    ~ScopedHandle() { reset(); }
    ScopedHandle(const ScopedHandle&) = delete;
    ScopedHandle& operator=(const ScopedHandle&) = delete;
    ScopedHandle& operator=(ScopedHandle&& other) noexcept {
        if (this != &other) {
            reset(std::exchange(other.handle_, None()));
            deleter_ = std::move(other.deleter_);
        }
        return *this;
    }

    Handle get() const { return handle_; }
    explicit operator bool() const { return handle_ != None(); }
    // Releases the handle held, then holds the given one.
    void reset(Handle handle = None()) {
        if (*this) deleter_(handle_);
        handle_ = handle;
    }

private:
    Handle handle_ = None();
    Deleter deleter_;
};

struct CloseKernelHandle {
    void operator()(HANDLE handle) const { CloseHandle(handle); }
};
// A process, thread or mutex; null when none.
using KernelHandle = ScopedHandle<HANDLE, CloseKernelHandle>;

struct DestroyMenuHandle {
    void operator()(HMENU menu) const { DestroyMenu(menu); }
};
// A pop-up menu, owned for the time it is shown.
using MenuHandle = ScopedHandle<HMENU, DestroyMenuHandle>;

struct DeleteGdiObject {
    void operator()(HGDIOBJ object) const { DeleteObject(object); }
};
// A font, brush or other GDI object.
template <class Object>
using GdiObject = ScopedHandle<Object, DeleteGdiObject>;
