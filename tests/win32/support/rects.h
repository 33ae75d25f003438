#pragma once
// Places and sizes as the tests read and compare them: windows' rectangles
// and the note's bounds as the store keeps them, all as the product's
// Bounds (left, top, width, height).
#include <windows.h>

#include <ostream>

#include "note/layout_rule.h"
#include "store/note_settings.h"

inline int widthOf(const RECT& r) {
    return r.right - r.left;
}
inline int heightOf(const RECT& r) {
    return r.bottom - r.top;
}

// The window's outer rectangle on screen.
inline RECT windowRect(HWND window) {
    RECT rect{};
    GetWindowRect(window, &rect);
    return rect;
}

// Place and size, to compare: on screen, or a child's in its parent's
// client area.
inline Bounds boundsOf(const RECT& r) {
    return {r.left, r.top, widthOf(r), heightOf(r)};
}
inline Bounds boundsOnScreen(HWND window) {
    return boundsOf(windowRect(window));
}
inline Bounds boundsInParent(HWND child) {
    RECT rect = windowRect(child);
    MapWindowPoints(nullptr, GetParent(child), reinterpret_cast<POINT*>(&rect), 2);
    return boundsOf(rect);
}

inline std::ostream& operator<<(std::ostream& out, const Bounds& b) {
    return out << "left " << b.left << " top " << b.top << ' ' << b.width << " x " << b.height;
}

inline Bounds geometryOf(const StoredNote& note) { return {note.Left(), note.Top(), note.Width(), note.Height()}; }

// Where and how large the note is before anything is restored.
constexpr Bounds kDescribed{263, 142, 188, 89};
