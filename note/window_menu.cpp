#include "note/window_menu.h"

#include "base/scoped_handle.h"

namespace {

const char kMoveCaption[] = "移动(&M)";
const char kSizeCaption[] = "大小(&S)";

std::optional<Arrow> arrowOf(WPARAM key) {
    switch (key) {
        case VK_LEFT: return Arrow::Left;
        case VK_UP: return Arrow::Up;
        case VK_RIGHT: return Arrow::Right;
        case VK_DOWN: return Arrow::Down;
    }
    return std::nullopt;
}

// The platform's pointer for the edges being moved; the four-headed arrow
// while nothing or the whole note moves.
LPCSTR pointerFor(unsigned edges) {
    const bool across = edges & (KeyboardSizing::kLeftEdge | KeyboardSizing::kRightEdge);
    const bool upDown = edges & (KeyboardSizing::kTopEdge | KeyboardSizing::kBottomEdge);
    if (across && upDown) {
        const bool falling = !(edges & KeyboardSizing::kLeftEdge) == !(edges & KeyboardSizing::kTopEdge);
        return falling ? IDC_SIZENWSE : IDC_SIZENESW;
    }
    if (across) return IDC_SIZEWE;
    if (upDown) return IDC_SIZENS;
    return IDC_SIZEALL;
}

}  // namespace

bool isWindowMenuKey(WPARAM command, LPARAM key) { return (command & 0xFFF0) == SC_KEYMENU && key == ' '; }

void TWindowMenu::Popup(HWND window, const Bounds& bounds) {
    const MenuHandle menu(CreatePopupMenu());
    if (!menu) return;
    const UINT state = IsZoomed(window) ? MF_GRAYED : MF_ENABLED;
    AppendMenuA(menu.get(), MF_STRING | state, SC_MOVE, kMoveCaption);
    AppendMenuA(menu.get(), MF_STRING | state, SC_SIZE, kSizeCaption);
    const UINT chosen = TrackPopupMenu(menu.get(), TPM_LEFTALIGN | TPM_TOPALIGN | TPM_RETURNCMD, bounds.left,
                                       bounds.top, 0, window, nullptr);
    if (chosen == SC_MOVE) Start(KeyboardSizing::Kind::Move, window, bounds);
    if (chosen == SC_SIZE) Start(KeyboardSizing::Kind::Size, window, bounds);
}

void TWindowMenu::Start(KeyboardSizing::Kind kind, HWND window, const Bounds& bounds) {
    mode_.emplace(kind, bounds);
    window_ = window;
    SetCapture(window);
    ShowPointer();
}

void TWindowMenu::KeyDown(WPARAM key) {
    if (key == VK_RETURN || key == VK_ESCAPE) {
        End(key == VK_RETURN);
        return;
    }
    const std::optional<Arrow> arrow = arrowOf(key);
    if (!arrow) return;
    OnPlace(mode_->Step(*arrow));
    ShowPointer();
}

void TWindowMenu::End(bool keep) {
    if (!mode_) return;
    const Bounds start = mode_->Start();
    // Gone before the capture goes, whose loss would end it once more.
    mode_.reset();
    // Another window of the thread may have taken the capture meanwhile.
    if (GetCapture() == window_) ReleaseCapture();
    if (!keep) OnPlace(start);
    OnEnd();
}

void TWindowMenu::ShowPointer() const { SetCursor(LoadCursorA(nullptr, pointerFor(mode_->Edges()))); }
