// The note's window: TForm1's window procedure and the handlers it
// dispatches to, from creation to shut-down, with the operations the
// commands and the store call.
//
// The messages it handles, and what each saves:
//   WM_NCHITTEST       FormHitTest: the margin moves, the grip sizes
//   WM_DPICHANGED      FormDpiChanged: the suggested place, the font
//   WM_SYSCOLORCHANGE, WM_SETTINGCHANGE
//                      FollowHighContrast
//   WM_SIZE            Resized, FormResize: the layout rule
//   WM_ERASEBKGND, WM_PAINT, WM_CTLCOLOREDIT
//                      the margin, the grip picture, the text area's colours
//   WM_COMMAND         a menu item's command (N1Click ...); the text area's
//                      EN_CHANGE: MemoChange sets the text's deadline
//   WM_TIMER           SaveTimer: the save timer only, killed as it fires;
//                      saves the text (and whatever the store may lack) at
//                      its deadline, or everything at the retry of a failed
//                      write of everything
//   WM_ACTIVATE        the activation lost ends the keyboard's move or size,
//                      keeping it, and FormDeactivate saves everything that
//                      changed (nothing once the close has begun)
//   WM_ENTERSIZEMOVE   the platform's move or size loop begins: its place
//   WM_EXITSIZEMOVE    FormExitSizeMove: saves everything that changed
//   WM_SYSCOMMAND      Alt+Space: the note's window menu, Move and Size from
//                      the keyboard, whose end is saved as FormExitSizeMove
//   WM_CAPTURECHANGED, WM_xBUTTONDOWN
//                      end the keyboard's move or size, keeping it
//   WM_POWERBROADCAST  FormSuspend: saves everything that changed, flushed
//   WM_SETFOCUS        FocusActiveControl
//   WM_CLOSE           Close: the application ends the run, and FormDestroy
//                      makes the close save (SaveOnClose)
//   WM_QUERYENDSESSION yes; the application window handles the session's end
#include "note/form1.h"

#include <windowsx.h>

#include <vector>

#include "base/monitors.h"
#include "base/scoped_handle.h"
#include "base/startup_marks.h"
#include "base/system.h"
#include "base/window.h"
#include "note/grip.h"
#include "note/view_rule.h"

namespace {

const char kClassName[] = "TForm1";

// The description: its place is exact; its size is designed for 96 pixels
// per inch and keeps its physical size on denser screens, where it would
// otherwise come out small.
Bounds describedBounds() { return Bounds{263, 142, atScreenDensity(188), atScreenDensity(89)}; }

// The described font: 12 pixels at 96 pixels per inch.
constexpr int kDescribedFontHeight = 12;

// Not in the headers of the oldest platform the program runs on.
constexpr UINT kDpiChanged = 0x02E0;  // WM_DPICHANGED

static_assert(kHitCaption == HTCAPTION && kHitBottomRight == HTBOTTOMRIGHT,
              "the grip rule answers with the platform's hit-test codes");

const UINT_PTR kSaveTimer = 1;

SaveSchedule::Ms now() { return static_cast<SaveSchedule::Ms>(GetTickCount64()); }

void registerClass() {
    WNDCLASSA windowClass{};
    windowClass.style = CS_DBLCLKS;
    windowClass.lpfnWndProc = dispatchToOwner<TForm1>;
    windowClass.hInstance = GetModuleHandleA(nullptr);
    windowClass.hCursor = LoadCursorA(nullptr, IDC_ARROW);
    windowClass.lpszClassName = kClassName;
    registerWindowClass(windowClass);
}

// Translucency through layered windows, where the platform offers them: the
// function is looked up by name once; nullptr where it is missing.
using SetLayeredWindowAttributesFn = BOOL(WINAPI*)(HWND, COLORREF, BYTE, DWORD);
SetLayeredWindowAttributesFn layeredWindowAttributes() {
    static const auto function =
        platformFunction<SetLayeredWindowAttributesFn>("user32.dll", "SetLayeredWindowAttributes");
    return function;
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

// --- The window and its parts ---

TForm1::TForm1(FormHost& host)
    : Commands(*this, *this), host_(host), bounds_(describedBounds()), pixelsPerInch_(screenPixelsPerInch()) {
    ApplyFont();
    FollowHighContrast(true);
    PopupMenu1.Items = InMenuOrder();
    Memo1.OnContextPopup = [this](POINT screen) { guarded(host_, [&] { OpenContextMenu(screen); }); };
    windowMenu_.OnPlace = [this](const Bounds& b) { SetBounds(b.left, b.top, b.width, b.height); };
    windowMenu_.OnEnd = [this] { FormExitSizeMove(); };
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
    // A change not yet saved waits on the new window's timer.
    ArmSaveTimer();
}

void TForm1::DestroyHandle() {
    if (!handle_) return;
    saveTimerFor_.reset();  // the timer goes with the window
    bounds_ = WindowBounds();
    Memo1.DestroyHandle();
    for (TPanel* panel : {&Panel1, &Panel2, &Panel3, &Panel4}) panel->ReleaseHandle();
    HWND window = handle_;
    handle_ = nullptr;
    DestroyWindow(window);
}

// --- The window procedure ---

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
            if (wParam == kSaveTimer) SaveTimer();
            return 0;
        case WM_ACTIVATE:
            if (LOWORD(wParam) == WA_INACTIVE) {
                windowMenu_.Finish();
                FormDeactivate();
            }
            break;  // the platform's own handling moves the focus
        case WM_ENTERSIZEMOVE:
            moveOrSizeFrom_ = WindowBounds();
            return 0;
        case WM_EXITSIZEMOVE:
            moveOrSizeFrom_.reset();
            FormExitSizeMove();
            return 0;
        case WM_SYSCOMMAND:
            if (!isWindowMenuKey(wParam, lParam)) break;
            windowMenu_.Popup(handle_, WindowBounds());
            return 0;
        case WM_CAPTURECHANGED:
        case WM_LBUTTONDOWN:
        case WM_RBUTTONDOWN:
        case WM_MBUTTONDOWN:
            // Only while the keyboard moves or sizes the note, which then
            // holds the capture.
            windowMenu_.Finish();
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

// --- The pointer: the note has no title bar or sizing border; its margin
// answers as a title bar and the grip square as the bottom-right sizing
// corner ---

int TForm1::FormHitTest(LPARAM screenPoint) {
    POINT point{GET_X_LPARAM(screenPoint), GET_Y_LPARAM(screenPoint)};
    ScreenToClient(handle_, &point);
    return noteHitTest(point.x, point.y, Width(), Height());
}

// --- Pixel density: the text area's font keeps its physical size on each
// monitor, while the layout rule and the grip stay in pixels and the
// window's place and size stay device pixels ---

void TForm1::ApplyFont() {
    // A size chosen by a font command is in points, 72 to the inch.
    const int height = fontPoints_ ? MulDiv(fontPoints_, pixelsPerInch_, 72)
                                   : MulDiv(kDescribedFontHeight, pixelsPerInch_, 96);
    Memo1.SetFontHeight(-height);
}

void TForm1::FollowMonitorDensity() {
    const int pixelsPerInch = windowPixelsPerInch(handle_);
    if (pixelsPerInch == pixelsPerInch_) return;
    pixelsPerInch_ = pixelsPerInch;
    ApplyFont();
}

void TForm1::FormDpiChanged(int pixelsPerInch, const RECT& suggested) {
    if (pixelsPerInch != pixelsPerInch_) {
        pixelsPerInch_ = pixelsPerInch;
        ApplyFont();
    }
    // The platform scales the size for the new density. When the note moved
    // itself (to a restored place), it keeps the size it set: stored sizes
    // are device pixels.
    if (placing_) return;
    SetWindowPos(handle_, nullptr, suggested.left, suggested.top, suggested.right - suggested.left,
                 suggested.bottom - suggested.top, SWP_NOZORDER | SWP_NOACTIVATE);
}

// --- High contrast: while it is on, the margin and the text area take the
// theme's window colour, the text and the frame its window-text colour, the
// grip picture both, and the note is opaque. The colour and opacity the
// commands choose are kept and come back when it is turned off ---

COLORREF TForm1::ShownColour() const { return highContrast_ ? GetSysColor(COLOR_WINDOW) : colour_; }

int TForm1::ShownOpacity() const { return highContrast_ ? 255 : opacity_; }

void TForm1::FollowHighContrast(bool coloursChanged) {
    const bool on = highContrastOn();
    if (on == highContrast_ && !coloursChanged) return;
    highContrast_ = on;
    Image1.SetThemeColours(on);
    ShowColour();
    if (handle_) ApplyOpacity();
    for (TPanel* panel : {&Panel1, &Panel2, &Panel3, &Panel4}) panel->SetThemeColours(on);
}

// --- Size and paint ---

void TForm1::Resized() {
    // Showing the window reports its size too: only a change moves anything.
    const SIZE size{Width(), Height()};
    if (size.cx == laidOutFor_.cx && size.cy == laidOutFor_.cy) return;
    MoveGripPicture(size);
    laidOutFor_ = size;
    DockPanels();
    if (described_) FormResize();
}

// The layout rule, run at every size change of the note once it exists.
void TForm1::FormResize() {
    Memo1.SetBounds(textAreaBounds(Width(), Height()));
    // The minimum is enforced after the fact: each correction is a size
    // change and runs this rule again.
    if (Width() < kMinimumSide) SetWidth(kMinimumSide);
    if (Height() < kMinimumSide) SetHeight(kMinimumSide);
}

void TForm1::DockPanels() {
    const FrameStrips strips = frameStrips(Width(), Height());
    Panel1.SetBounds(strips.top);
    Panel4.SetBounds(strips.bottom);
    Panel2.SetBounds(strips.left);
    Panel3.SetBounds(strips.right);
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

void TForm1::Paint() {
    const PaintSession paint = beginPaint(handle_);
    Image1.Paint(paint.get(), laidOutFor_.cx, laidOutFor_.cy);
    STARTUP_MARK_LAST("first paint");
}

// --- Start-up and shut-down ---

void TForm1::FormCreate() {
    STARTUP_MARK("note window");
    FormResize();
    SetNoteColour(kCreamYellow);
    SettingsKey = std::make_unique<TRegistry>();
    // A key that cannot be opened is shown here, once: the saves while the
    // note runs try to make it again silently.
    saveFailureShown_ = true;
    OpenNoteSettings(*SettingsKey);
    saveFailureShown_ = false;
    STARTUP_MARK("settings key opened");
    RestoreSettings();
    STARTUP_MARK("restored");
}

void TForm1::RestoreSettings() {
    // The restored place and size reach the window once, and then the text
    // and the text area's size the text area once, at the end (or at a
    // failure): the user sees only the final state, and the text is wrapped
    // once. Whatever place was restored, a failure's included, is brought
    // into view first.
    TMemo::DeferredUpdate oneWrap(Memo1);
    DeferredBounds oneMove(*this);
    try {
        RestoreNote(*SettingsKey, *this, held_);
    } catch (...) {
        KeepInView();
        throw;
    }
    KeepInView();
}

void TForm1::FormDestroy() { SaveOnClose(); }

// Once written: a close by Windows saves at its notice, before the
// shut-down step, which tries again where that failed. Text the store
// cannot take goes to a file of its own: nothing typed is lost.
void TForm1::SaveOnClose() {
    if (savedOnClose_ || !SettingsKey) return;
    saveSchedule_.Closing();
    ArmSaveTimer();
    try {
        WriteNoteOnClose(*SettingsKey, *this, held_);
    } catch (...) {
        if (!TextIsStored(*this, held_) && Text() != keptUnstored_ && KeepUnstoredText(Text())) keptUnstored_ = Text();
        throw;
    }
    savedOnClose_ = true;
}

void TForm1::CancelMoveOrSize() {
    windowMenu_.Cancel();
    if (!moveOrSizeFrom_) return;
    const Bounds from = *moveOrSizeFrom_;
    // Windows ends its loop when the window loses the capture; a loop that
    // waits for the button's release or a key ends at the Esc posted to it,
    // and puts the note back where it began, as this does at once.
    SendMessageA(handle_, WM_CANCELMODE, 0, 0);
    PostMessageA(handle_, WM_KEYDOWN, VK_ESCAPE, 0);
    SetBounds(from.left, from.top, from.width, from.height);
}

// --- Saves while the note runs ---

void TForm1::MemoChange() {
    saveSchedule_.TextChanged(now(), [this] { return Memo1.TextLength(); });
    ArmSaveTimer();
}

// A move or resize may still be going on: its place is saved at its end.
// The platform repeats a timer until it is killed: this one fires once.
// Fired a moment before the deadline by the tick count, it is set again for
// what remains.
void TForm1::SaveTimer() {
    KillTimer(handle_, kSaveTimer);
    saveTimerFor_.reset();
    SaveWhatChanged(saveSchedule_.DueAt(now()));
}

void TForm1::FormDeactivate() { SaveWhatChanged(saveSchedule_.AtOnce()); }

void TForm1::FormExitSizeMove() { SaveWhatChanged(saveSchedule_.AtOnce()); }

// A battery that runs flat while the machine sleeps loses nothing.
void TForm1::FormSuspend() {
    SaveWhatChanged(saveSchedule_.AtOnce());
    if (SettingsKey) SettingsKey->FlushKey();
}

// Once the close has begun (the note hidden for it loses the activation, a
// keyboard move ends with it), the close save alone writes: a failing
// store must not bring a box after the run has ended.
void TForm1::SaveWhatChanged(SaveScope scope) {
    if (scope == SaveScope::None || !SettingsKey || host_.Closing()) {
        ArmSaveTimer();
        return;
    }
    std::string failure;
    bool written = false;
    try {
        written = WriteChangedValues(*SettingsKey, *this, held_, scope);
    } catch (const std::exception& raised) {
        failure = raised.what();
    }
    saveSchedule_.Written(scope, failure.empty(), now());
    ArmSaveTimer();
    if (written) saveFailureShown_ = false;
    // A store denied while the note runs would otherwise bring a box at
    // every try; the text stays in the note, and is tried again. The box
    // comes last: the timer runs on while it is open.
    if (failure.empty() || saveFailureShown_) return;
    saveFailureShown_ = true;
    host_.ReportFailure(Failure(failure));
}

// Set only when the deadline changes: a key typed while one runs asks the
// platform nothing.
void TForm1::ArmSaveTimer() {
    const auto deadline = saveSchedule_.Deadline();
    if (!handle_ || deadline == saveTimerFor_) return;
    saveTimerFor_ = deadline;
    if (!deadline) {
        KillTimer(handle_, kSaveTimer);
        return;
    }
    const SaveSchedule::Ms wait = *deadline - now();
    SetTimer(handle_, kSaveTimer, static_cast<UINT>(wait > 0 ? wait : 0), nullptr);
}

// --- The keyboard and the menu ---

void TForm1::Show(int showCommand) {
    ShowWindow(handle_, showCommand);
    FocusActiveControl();
}

void TForm1::Hide() { ShowWindow(handle_, SW_HIDE); }

void TForm1::Close() { host_.Terminate(); }

void TForm1::FocusActiveControl() { SetFocus(Memo1.Handle()); }

bool TForm1::IsShortCut(const MSG& keyMessage) {
    // A keyboard move or resize takes every key while it lasts.
    if (windowMenu_.Sizing()) {
        guarded(host_, [&] { windowMenu_.KeyDown(keyMessage.wParam); });
        return true;
    }
    if (keyMessage.hwnd != Memo1.Handle()) return false;
    TMenuItem* item = PopupMenu1.FindShortCut(shortCutOfKeyDown(keyMessage));
    if (!item) return false;
    // The key is consumed even when the command fails.
    guarded(host_, [&] { Commands.Click(*item); });
    return true;
}

void TForm1::OpenContextMenu(POINT screen) {
    SetFocus(Memo1.Handle());
    PopupMenu1.Popup(handle_, screen.x, screen.y);
}

// --- The operations the commands use; none of them touches a check mark ---

void TForm1::SetNoteColour(COLORREF colour) {
    colour_ = colour;
    ShowColour();
}

void TForm1::ShowColour() {
    brush_.reset(CreateSolidBrush(ShownColour()));
    // The margin and the text area paint with the one brush.
    if (handle_) InvalidateRect(handle_, nullptr, TRUE);
    if (HWND textArea = Memo1.Handle()) InvalidateRect(textArea, nullptr, TRUE);
}

void TForm1::SetFontSize(int points) {
    fontPoints_ = points;
    ApplyFont();
}

void TForm1::SetOpacity(int opacity) {
    if (opacity == opacity_) return;
    opacity_ = opacity;
    if (handle_) ApplyOpacity();
}

void TForm1::ApplyOpacity() {
    if (auto setLayered = layeredWindowAttributes())
        setLayered(handle_, 0, static_cast<BYTE>(ShownOpacity()), LWA_ALPHA);
}

void TForm1::SetStayInFront(bool inFront) {
    if (inFront == stayInFront_) return;
    stayInFront_ = inFront;
    const bool visible = handle_ && IsWindowVisible(handle_);
    DestroyHandle();
    CreateHandle();
    if (visible) Show(SW_SHOW);
}

void TForm1::SetAlignment(Alignment alignment) {
    if (alignment == alignment_) return;
    alignment_ = alignment;
    Memo1.SetAlignment(alignment);
}

void TForm1::SelectAll() { Memo1.SelectAll(); }

void TForm1::ExportText() { ExportToChosenFile(SaveDialog1, host_.Handle(), handle_, Text()); }

// --- What the store restores and saves: the text, and the window's outer
// bounds, kept as left, top, width and height, never as edges: a stored
// place near the ends of the integer range has no right or bottom edge that
// fits in one ---

std::string TForm1::Text() const { return Memo1.Text(); }
void TForm1::SetText(const std::string& text) { Memo1.SetText(text); }

Bounds TForm1::WindowBounds() const {
    if (!handle_ || deferringBounds_) return bounds_;
    RECT rect;
    GetWindowRect(handle_, &rect);
    return Bounds{rect.left, rect.top, rect.right - rect.left, rect.bottom - rect.top};
}

int TForm1::Left() const { return WindowBounds().left; }
int TForm1::Top() const { return WindowBounds().top; }
int TForm1::Width() const { return WindowBounds().width; }
int TForm1::Height() const { return WindowBounds().height; }

void TForm1::SetLeft(int left) { SetBounds(left, Top(), Width(), Height()); }
void TForm1::SetTop(int top) { SetBounds(Left(), top, Width(), Height()); }
void TForm1::SetWidth(int width) { SetBounds(Left(), Top(), width, Height()); }
void TForm1::SetHeight(int height) { SetBounds(Left(), Top(), Width(), height); }

void TForm1::SetBounds(int left, int top, int width, int height) {
    const Bounds before = WindowBounds();
    bounds_ = Bounds{left, top, width, height};
    if (!handle_ || deferringBounds_) return;
    UINT flags = SWP_NOZORDER | SWP_NOACTIVATE;
    if (width == before.width && height == before.height) flags |= SWP_NOSIZE;
    placing_ = true;
    SetWindowPos(handle_, nullptr, left, top, width, height, flags);
    placing_ = false;
    // The new place may lie on a monitor of another density.
    FollowMonitorDensity();
}

TForm1::DeferredBounds::DeferredBounds(TForm1& form) : form_(form) {
    form_.bounds_ = form_.WindowBounds();
    form_.deferringBounds_ = true;
}

TForm1::DeferredBounds::~DeferredBounds() {
    form_.deferringBounds_ = false;
    const Bounds b = form_.bounds_;
    form_.SetBounds(b.left, b.top, b.width, b.height);
}

void TForm1::KeepInView() {
    std::vector<Bounds> workAreas;
    for (const RECT& area : monitorWorkAreas())
        workAreas.push_back(Bounds{area.left, area.top, area.right - area.left, area.bottom - area.top});
    const Bounds kept = keptInView(WindowBounds(), workAreas);
    SetBounds(kept.left, kept.top, kept.width, kept.height);
}
