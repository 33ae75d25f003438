#pragma once
// Owners of GDI objects: each deletes its object when replaced or destroyed,
// so repeated appearance changes leave nothing behind.
#include <windows.h>

template <class Handle>
class GdiObject {
public:
    GdiObject() = default;
    explicit GdiObject(Handle handle) : handle_(handle) {}
    ~GdiObject() { reset(); }
    GdiObject(const GdiObject&) = delete;
    GdiObject& operator=(const GdiObject&) = delete;

    Handle get() const { return handle_; }
    void reset(Handle handle = nullptr) {
        if (handle_) DeleteObject(handle_);
        handle_ = handle;
    }

private:
    Handle handle_ = nullptr;
};

class SolidBrush : public GdiObject<HBRUSH> {
public:
    explicit SolidBrush(COLORREF colour) : GdiObject(CreateSolidBrush(colour)) {}
    void setColour(COLORREF colour) { reset(CreateSolidBrush(colour)); }
};

using OwnedFont = GdiObject<HFONT>;
