#include "note/memo.h"

#include <windowsx.h>

#include <optional>

#include "base/window.h"
#include "note/view_rule.h"

namespace {

const char kFaceName[] = "宋体";
// "The note's text": what screen readers call the text area.
const char kAccessibleName[] = "便笺内容";
const int kNameLabelId = 2;

DWORD editStyle(Alignment alignment) {
    // Word wrap: vertical auto-scroll without horizontal; no scroll bars,
    // no border; the selection is hidden while the text area lacks focus.
    return WS_CHILD | WS_VISIBLE | WS_TABSTOP | ES_MULTILINE | ES_AUTOVSCROLL | ES_WANTRETURN |
           (alignment == Alignment::Centre ? ES_CENTER : ES_LEFT);
}

HFONT createFont(int height) {
    return CreateFontA(height, 0, 0, 0, FW_NORMAL, FALSE, FALSE, FALSE, ANSI_CHARSET, OUT_DEFAULT_PRECIS,
                       CLIP_DEFAULT_PRECIS, DEFAULT_QUALITY, DEFAULT_PITCH | FF_DONTCARE, kFaceName);
}

// Screen readers name an edit control after the static text created
// before it, shown or not. The label lives as long as the note's window,
// whatever edit controls follow it there. Its text is converted from code
// page 936 by name, so that it reads right whatever the system's code page;
// without it the text area is merely unnamed.
void nameForScreenReaders(HWND parent) {
    if (GetDlgItem(parent, kNameLabelId)) return;
    wchar_t name[16] = {};
    MultiByteToWideChar(936, 0, kAccessibleName, -1, name, 16);
    CreateWindowExW(0, L"STATIC", name, WS_CHILD, 0, 0, 0, 0, parent,
                    reinterpret_cast<HMENU>(static_cast<INT_PTR>(kNameLabelId)), GetModuleHandleW(nullptr), nullptr);
}

Bounds boundsOf(const RECT& rect) { return {rect.left, rect.top, rect.right - rect.left, rect.bottom - rect.top}; }

// Where a menu asked for from the keyboard opens, on screen.
POINT menuPointBelowCaret(HWND textArea) {
    RECT area, window;
    GetWindowRect(textArea, &area);
    GetWindowRect(GetParent(textArea), &window);
    std::optional<Bounds> caret;
    GUITHREADINFO thread{};
    thread.cbSize = sizeof thread;
    if (GetGUIThreadInfo(GetCurrentThreadId(), &thread) && thread.hwndCaret == textArea) {
        MapWindowPoints(textArea, nullptr, reinterpret_cast<POINT*>(&thread.rcCaret), 2);
        caret = boundsOf(thread.rcCaret);
    }
    const Point at = keyboardMenuPoint(caret, boundsOf(area), boundsOf(window));
    return POINT{at.x, at.y};
}

}  // namespace

void TMemo::CreateHandle(HWND parent) {
    nameForScreenReaders(parent);
    handle_ = createWindow(0, "EDIT", "", editStyle(alignment_), bounds_.left, bounds_.top, bounds_.width,
                           bounds_.height, parent, reinterpret_cast<HMENU>(1), nullptr);
    // The window's own slot, read without asking the window server: every
    // message of the text area, each key among them, passes this way.
    SetWindowLongPtrA(handle_, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(this));
    editProc_ = reinterpret_cast<WNDPROC>(
        SetWindowLongPtrA(handle_, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(&TMemo::SubclassProc)));
    if (!font_.get()) font_.reset(createFont(fontHeight_));
    SendMessageA(handle_, WM_SETFONT, reinterpret_cast<WPARAM>(font_.get()), FALSE);
    SendMessageA(handle_, EM_SETLIMITTEXT, 0, 0);
    PushText();
    textDeferred_ = boundsDeferred_ = false;
}

void TMemo::PushText() {
    SetWindowTextA(handle_, text_.c_str());
    std::string().swap(text_);
}

void TMemo::DestroyHandle() {
    if (!handle_) return;
    text_ = Text();
    DestroyWindow(Release());
}

HWND TMemo::Release() {
    HWND window = handle_;
    handle_ = nullptr;
    // The edit control's own procedure cleans up after itself on destruction.
    SetWindowLongPtrA(window, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(editProc_));
    SetWindowLongPtrA(window, GWLP_USERDATA, 0);
    return window;
}

std::string TMemo::Text() const {
    if (!handle_ || textDeferred_) return text_;
    std::string text(static_cast<std::size_t>(GetWindowTextLengthA(handle_)) + 1, '\0');
    text.resize(static_cast<std::size_t>(GetWindowTextA(handle_, &text[0], static_cast<int>(text.size()))));
    return text;
}

std::size_t TMemo::TextLength() const {
    if (!handle_ || textDeferred_) return text_.size();
    return static_cast<std::size_t>(GetWindowTextLengthA(handle_));
}

void TMemo::SetText(const std::string& text) {
    if (!handle_ || deferring_) {
        text_ = text;
        textDeferred_ = handle_ != nullptr;
        return;
    }
    SetWindowTextA(handle_, text.c_str());
}

void TMemo::SetBounds(const Bounds& bounds) {
    bounds_ = bounds;
    if (!handle_) return;
    if (deferring_)
        boundsDeferred_ = true;
    else
        MoveWindow(handle_, bounds.left, bounds.top, bounds.width, bounds.height, TRUE);
}

void TMemo::ApplyDeferred() {
    deferring_ = false;
    if (!handle_) return;
    // Size first, so that the text is wrapped once, at its final width.
    if (boundsDeferred_) MoveWindow(handle_, bounds_.left, bounds_.top, bounds_.width, bounds_.height, TRUE);
    if (textDeferred_) PushText();
    textDeferred_ = boundsDeferred_ = false;
}

void TMemo::SetFontHeight(int height) {
    fontHeight_ = height;
    HFONT font = createFont(height);
    if (handle_) SendMessageA(handle_, WM_SETFONT, reinterpret_cast<WPARAM>(font), TRUE);
    font_.reset(font);  // the old font is deleted only once it is no longer in use
}

void TMemo::SetAlignment(Alignment alignment) {
    alignment_ = alignment;
    if (!handle_) return;
    const bool hadFocus = GetFocus() == handle_;
    HWND parent = GetParent(handle_);
    DestroyHandle();
    CreateHandle(parent);
    if (hadFocus) SetFocus(handle_);
}

void TMemo::SelectAll() {
    if (handle_) SendMessageA(handle_, EM_SETSEL, 0, -1);
}

LRESULT CALLBACK TMemo::SubclassProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    auto memo = reinterpret_cast<TMemo*>(GetWindowLongPtrA(window, GWLP_USERDATA));
    WNDPROC editProc = memo ? memo->editProc_ : DefWindowProcA;
    if (message == WM_CONTEXTMENU && memo) {
        // The note's own menu replaces the edit control's; a request from the
        // keyboard carries the point (-1, -1) and opens at the caret. 64-bit
        // Windows packs the point in the low 32 bits only.
        POINT screen{GET_X_LPARAM(lParam), GET_Y_LPARAM(lParam)};
        if (screen.x == -1 && screen.y == -1) screen = menuPointBelowCaret(window);
        if (memo->OnContextPopup) memo->OnContextPopup(screen);
        return 0;
    }
    return CallWindowProcA(editProc, window, message, wParam, lParam);
}
