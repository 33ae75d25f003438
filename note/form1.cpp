#include "note/form1.h"

#include "base/scoped_handle.h"
#include "base/startup_marks.h"
#include "base/system.h"
#include "base/window.h"
#include "export/save_dialog.h"
#include "note/grip.h"
#include "note/layered.h"

namespace {

const char kClassName[] = "TForm1";

// The description: its place is exact; its size is designed for 96 pixels
// per inch and keeps its physical size on denser screens, where it would
// otherwise come out small.
Bounds describedBounds() { return Bounds{263, 142, atScreenDensity(188), atScreenDensity(89)}; }

// Not in the headers of the oldest platform the program runs on.
constexpr UINT kDpiChanged = 0x02E0;  // WM_DPICHANGED

void registerClass() {
    WNDCLASSA windowClass{};
    windowClass.style = CS_DBLCLKS;
    windowClass.lpfnWndProc = dispatchToOwner<TForm1>;
    windowClass.hInstance = GetModuleHandleA(nullptr);
    windowClass.hCursor = LoadCursorA(nullptr, IDC_ARROW);
    windowClass.lpszClassName = kClassName;
    registerWindowClass(windowClass);
}

RECT gripPictureRect(SIZE window) {
    const Point origin = gripPictureOrigin(window.cx, window.cy);
    return RECT{origin.x, origin.y, origin.x + kGripSide, origin.y + kGripSide};
}

// BeginPaint and EndPaint as a pair, whatever happens between them.
struct EndPaintOf {
    HWND window;
    PAINTSTRUCT paint;
    void operator()(HDC) const { EndPaint(window, &paint); }
};
using PaintSession = ScopedHandle<HDC, EndPaintOf>;

PaintSession beginPaint(HWND window) {
    EndPaintOf end{window, {}};
    HDC dc = BeginPaint(window, &end.paint);
    return PaintSession(dc, end);
}

}  // namespace

TForm1::TForm1(FormHost& host)
    : Commands(*this, *this), host_(host), bounds_(describedBounds()), pixelsPerInch_(screenPixelsPerInch()) {
    ApplyFont();
    FollowHighContrast(true);
    PopupMenu1.Items = InMenuOrder();
    Memo1.OnContextPopup = [this](POINT screen) { guarded(host_, [&] { OpenContextMenu(screen); }); };
    CreateHandle();
    described_ = true;
}

TForm1::~TForm1() {
    // FormDestroy has saved the text: it is not kept for another window.
    Memo1.Discard();
    DestroyHandle();
    // The accessor and its key are never released: the process end frees
    // them, so nothing of the store is touched after FormDestroy.
    SettingsKey.release();
}

void TForm1::CreateHandle() {
    registerClass();
    const DWORD exStyle = layeredWindowAttributes() ? WS_EX_LAYERED : 0;
    handle_ = createWindow(exStyle, kClassName, "Tarvissel", WS_POPUP | WS_CLIPCHILDREN | WS_CLIPSIBLINGS,
                           bounds_.left, bounds_.top, bounds_.width, bounds_.height,
                           host_.Handle(), nullptr, this);
    laidOutFor_ = SIZE{Width(), Height()};
    FollowMonitorDensity();
    try {
        CreateParts();
    } catch (...) {
        // No half-made note: the window goes with the parts made so far.
        DestroyHandle();
        throw;
    }
}

void TForm1::CreateParts() {
    ApplyOpacity();
    Memo1.CreateHandle(handle_);
    TPanel* panels[] = {&Panel1, &Panel2, &Panel3, &Panel4};
    for (int i = 0; i < 4; ++i) panels[i]->CreateHandle(handle_, i + 1);
    DockPanels();
    if (stayInFront_) placeInBand(handle_, HWND_TOPMOST);
    // A text change not yet saved waits on the new window's timer.
    if (textSavePending_) MemoChange();
}

void TForm1::DestroyHandle() {
    if (!handle_) return;
    bounds_ = WindowBounds();
    Memo1.DestroyHandle();
    for (TPanel* panel : {&Panel1, &Panel2, &Panel3, &Panel4}) panel->ReleaseHandle();
    HWND window = handle_;
    handle_ = nullptr;
    DestroyWindow(window);
}

void TForm1::ApplyOpacity() {
    if (auto setLayered = layeredWindowAttributes())
        setLayered(handle_, 0, static_cast<BYTE>(ShownOpacity()), LWA_ALPHA);
}

void TForm1::DockPanels() {
    const FrameStrips strips = frameStrips(Width(), Height());
    Panel1.SetBounds(strips.top);
    Panel4.SetBounds(strips.bottom);
    Panel2.SetBounds(strips.left);
    Panel3.SetBounds(strips.right);
}

void TForm1::Paint() {
    const PaintSession paint = beginPaint(handle_);
    Image1.Paint(paint.get(), laidOutFor_.cx, laidOutFor_.cy);
    STARTUP_MARK_LAST("first paint");
}

void TForm1::PaintBackground(HDC dc) {
    RECT client;
    GetClientRect(handle_, &client);
    // The grip picture is opaque: filling beneath it first would flicker.
    const RECT grip = gripPictureRect(laidOutFor_);
    const int saved = SaveDC(dc);
    ExcludeClipRect(dc, grip.left, grip.top, grip.right, grip.bottom);
    FillRect(dc, &client, brush_.get());
    RestoreDC(dc, saved);
}

void TForm1::MoveGripPicture(SIZE size) {
    // The platform keeps the old pixels where it can and repaints only what
    // a size change newly exposes, but the picture is anchored to the
    // bottom-right corner: its old place must show the background again and
    // its new place the picture.
    const RECT old = gripPictureRect(laidOutFor_);
    const RECT moved = gripPictureRect(size);
    InvalidateRect(handle_, &old, TRUE);
    InvalidateRect(handle_, &moved, TRUE);
}

void TForm1::Resized() {
    // Showing the window reports its size too: only a change moves anything.
    const SIZE size{Width(), Height()};
    if (size.cx == laidOutFor_.cx && size.cy == laidOutFor_.cy) return;
    MoveGripPicture(size);
    laidOutFor_ = size;
    DockPanels();
    if (described_) FormResize();
}

void TForm1::Show(int showCommand) {
    ShowWindow(handle_, showCommand);
    FocusActiveControl();
}

void TForm1::Hide() { ShowWindow(handle_, SW_HIDE); }

void TForm1::Close() { host_.Terminate(); }

void TForm1::FocusActiveControl() { SetFocus(Memo1.Handle()); }

bool TForm1::IsShortCut(const MSG& keyMessage) {
    if (keyMessage.hwnd != Memo1.Handle()) return false;
    TMenuItem* item = PopupMenu1.FindShortCut(shortCutOfKeyDown(keyMessage));
    if (!item) return false;
    // The key is consumed even when the command fails.
    guarded(host_, [&] { Commands.Click(*item); });
    return true;
}

void TForm1::Save() { SaveText(SaveDialog1, host_.Handle(), handle_, Text()); }

void TForm1::OpenContextMenu(POINT screen) {
    SetFocus(Memo1.Handle());
    PopupMenu1.Popup(handle_, screen.x, screen.y);
}

LRESULT TForm1::WndProc(UINT message, WPARAM wParam, LPARAM lParam) {
    switch (message) {
        case WM_NCHITTEST:
            return FormHitTest(lParam);
        case kDpiChanged:
            FormDpiChanged(LOWORD(wParam), *reinterpret_cast<const RECT*>(lParam));
            return 0;
        case WM_SYSCOLORCHANGE:
            FollowHighContrast(true);
            return 0;
        case WM_SETTINGCHANGE:
            FollowHighContrast(false);
            return 0;
        case WM_SIZE:
            Resized();
            return 0;
        case WM_ERASEBKGND:
            PaintBackground(reinterpret_cast<HDC>(wParam));
            return 1;
        case WM_PAINT:
            Paint();
            return 0;
        case WM_CTLCOLOREDIT:
            SetTextColor(reinterpret_cast<HDC>(wParam), GetSysColor(COLOR_WINDOWTEXT));
            SetBkColor(reinterpret_cast<HDC>(wParam), ShownColour());
            return reinterpret_cast<LRESULT>(brush_.get());
        case WM_COMMAND:
            if (lParam == 0 && HIWORD(wParam) == 0)
                if (TMenuItem* item = PopupMenu1.ItemOfCommand(LOWORD(wParam))) Commands.Click(*item);
            if (HIWORD(wParam) == EN_CHANGE && reinterpret_cast<HWND>(lParam) == Memo1.Handle()) MemoChange();
            return 0;
        case WM_TIMER:
            SaveTimer();
            return 0;
        case WM_ACTIVATE:
            if (LOWORD(wParam) == WA_INACTIVE) FormDeactivate();
            break;  // the platform's own handling moves the focus
        case WM_EXITSIZEMOVE:
            FormExitSizeMove();
            return 0;
        case WM_POWERBROADCAST:
            if (wParam == PBT_APMSUSPEND) FormSuspend();
            return TRUE;
        case WM_SETFOCUS:
            FocusActiveControl();
            return 0;
        case WM_CLOSE:
            Close();
            return 0;
        case WM_QUERYENDSESSION:
            return TRUE;
    }
    return DefWindowProcA(handle_, message, wParam, lParam);
}
