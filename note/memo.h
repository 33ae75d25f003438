#pragma once
// The text area: a borderless multi-line EDIT control with word wrap and its
// own font, re-created when its alignment changes. Its background is the
// note's: the note answers its colour requests. Screen readers call it by
// the name of a hidden label created before it.
#include <windows.h>

#include <functional>
#include <string>

#include "base/scoped_handle.h"
#include "note/layout_rule.h"

// The text alignments the alignment commands choose between.
enum class Alignment { Left, Centre };

class TMemo {
public:
    // Asked for the context menu: the screen point, or for a request from
    // the keyboard (which carries none) the point below the caret (see
    // keyboardMenuPoint).
    std::function<void(POINT screen)> OnContextPopup;

    // Creates the edit control from the recorded properties; raises
    // WindowNotCreated when it cannot.
    void CreateHandle(HWND parent);
    // Destroys it, keeping its text as a recorded property.
    void DestroyHandle();
    // Lets it go with its text, for the end: it is destroyed with its parent
    // window and nothing is created again.
    void Discard() {
        if (handle_) Release();
    }
    HWND Handle() const { return handle_; }

    std::string Text() const;
    // Its length in bytes, without reading it.
    std::size_t TextLength() const;
    void SetText(const std::string& text);
    void SetBounds(const Bounds& bounds);
    // While one lives, the text and bounds are recorded and reach the edit
    // control together when it goes: the control re-wraps all its text at
    // every size change, so a run of changes costs one wrap, not one each.
    class DeferredUpdate {
    public:
        explicit DeferredUpdate(TMemo& memo) : memo_(memo) { memo_.deferring_ = true; }
        ~DeferredUpdate() { memo_.ApplyDeferred(); }
        DeferredUpdate(const DeferredUpdate&) = delete;
        DeferredUpdate& operator=(const DeferredUpdate&) = delete;

    private:
        TMemo& memo_;
    };
    // Font character height in pixels (negative: without internal leading).
    void SetFontHeight(int height);
    HFONT Font() const { return font_.get(); }
    void SetAlignment(Alignment alignment);
    void SelectAll();

private:
    static LRESULT CALLBACK SubclassProc(HWND, UINT, WPARAM, LPARAM);
    void ApplyDeferred();
    // Gives the edit control its own procedure back; the handle, no longer
    // this object's.
    HWND Release();
    // Hands the recorded text to the edit control, which then holds the
    // only copy.
    void PushText();

    HWND handle_ = nullptr;
    WNDPROC editProc_ = nullptr;
    std::string text_;  // the text while no edit control holds it
    bool deferring_ = false;
    bool textDeferred_ = false;
    bool boundsDeferred_ = false;
    Bounds bounds_{18, 12, 150, 50};
    int fontHeight_ = -12;
    GdiObject<HFONT> font_;
    Alignment alignment_ = Alignment::Left;
};
