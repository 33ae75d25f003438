#pragma once
// The note: a borderless, framed, coloured pop-up window with a text area,
// its context menu and its save dialog. The object keeps every property and
// applies it to each platform window it creates.
#include <windows.h>

#include <memory>
#include <optional>
#include <string>

#include "commands/menu.h"
#include "export/daily_copies.h"
#include "export/save_dialog.h"
#include "note/form.h"
#include "note/image.h"
#include "note/memo.h"
#include "note/panel.h"
#include "note/window_menu.h"
#include "store/note_settings.h"
#include "store/registry.h"

// The note's colours, 0x00BBGGRR, and the one each colour item chooses.
constexpr COLORREF kCreamYellow = 0xAAFFFF;
constexpr COLORREF kPink = 0xFFD5FF;
constexpr COLORREF kGrassGreen = 0xAAFFAA;
constexpr COLORREF kSkyBlue = 0xFFFFAA;

constexpr COLORREF colourOf(ColourChoice choice) {
    switch (choice) {
        case ColourChoice::Pink: return kPink;
        case ColourChoice::GrassGreen: return kGrassGreen;
        case ColourChoice::SkyBlue: return kSkyBlue;
        case ColourChoice::CreamYellow: break;
    }
    return kCreamYellow;
}

// Its menu items N1 to N14 are the fields of TMenuItems.
class TForm1 : public TForm, public TMenuItems, public NoteOperations, public StoredNote {
public:
    // Creates the note from its description, its platform window hidden and
    // owned by the host's window; raises WindowNotCreated when it cannot.
    explicit TForm1(FormHost& host);
    // Destroys the platform windows; FormDestroy is the caller's step.
    ~TForm1() override;
    TForm1(const TForm1&) = delete;
    TForm1& operator=(const TForm1&) = delete;

    // Parts, in declaration order.
    TMemo Memo1;
    TPanel Panel1, Panel2, Panel3, Panel4;
    TPopupMenu PopupMenu1;
    TSaveDialog SaveDialog1;
    TImage Image1;
    // The menu's commands (N1Click ...), acting on this note and its items.
    TNoteCommands Commands;

    // Event handlers.
    void FormCreate() override;
    void FormDestroy() override;
    // The close save: text, position and size, once per run.
    void SaveOnClose() override;
    void CancelMoveOrSize() override;
    void FormResize();
    int FormHitTest(LPARAM screenPoint);
    // Saves while the note runs, so that a crash or a killed process loses
    // at most the last half second of typing (two seconds in a note over
    // 256 KiB), at any rhythm: the text by that deadline after its first
    // change not yet written (see SaveSchedule), everything when the note
    // loses the activation or a move or resize ends, and everything forced
    // to disk before the machine suspends. Only what changed (and whatever
    // the store may lack) is written. Windows writes the registry to disk
    // lazily: a power cut can also lose what it had not yet written.
    void MemoChange();
    void SaveTimer();
    void FormDeactivate();
    void FormExitSizeMove();
    void FormSuspend();
    // The note's monitor changed density (WM_DPICHANGED): it takes the
    // suggested place and size, and its font the new density.
    void FormDpiChanged(int pixelsPerInch, const RECT& suggested);

    // Appearance operations; none of them touches a check mark.
    void SetNoteColour(COLORREF colour);
    void SetNoteColour(ColourChoice colour) override { SetNoteColour(colourOf(colour)); }
    void SetFontSize(int points) override;
    void SetOpacity(int opacity) override;
    void SetStayInFront(bool inFront) override;
    void SetAlignment(Alignment alignment);
    void SetCentred(bool centred) override { SetAlignment(centred ? Alignment::Centre : Alignment::Left); }
    void SelectAll() override;
    // Exports the text to the file chosen in SaveDialog1.
    void ExportText() override;

    COLORREF NoteColour() const { return colour_; }
    bool StayInFront() const { return stayInFront_; }
    Alignment TextAlignment() const { return alignment_; }

    // Geometry of the window's outer bounds; setting a size resizes the
    // platform window at once (and so runs the layout rule).
    int Left() const override;
    int Top() const override;
    int Width() const override;
    int Height() const override;
    void SetLeft(int left) override;
    void SetTop(int top) override;
    void SetWidth(int width) override;
    void SetHeight(int height) override;

    // While one lives, the window's position and size are recorded and
    // reach the hidden platform window together when it goes: one move and
    // one run of the layout rule instead of one for each value set.
    class DeferredBounds {
    public:
        explicit DeferredBounds(TForm1& form);
        ~DeferredBounds();
        DeferredBounds(const DeferredBounds&) = delete;
        DeferredBounds& operator=(const DeferredBounds&) = delete;

    private:
        TForm1& form_;
    };

    // The text area's whole text.
    std::string Text() const override;
    void SetText(const std::string& text) override;
    // The text a save replaces becomes the day's copy.
    bool WantsReplacedText() const override { return dailyCopies_.Due(); }
    void KeepReplacedText(const std::string& held) override { dailyCopies_.Keep(held); }

    HWND Handle() const override { return handle_; }
    void Show(int showCommand) override;
    void Hide() override;
    void Close() override;
    void FocusActiveControl() override;
    bool IsShortCut(const MSG& keyMessage) override;

    LRESULT WndProc(UINT message, WPARAM wParam, LPARAM lParam);
    ErrorReporter& Reporter() { return host_; }

private:
    void CreateHandle();
    void CreateParts();
    void DestroyHandle();
    void ApplyOpacity();
    void SetBounds(int left, int top, int width, int height);
    void RestoreSettings();
    // Writes what changed within the scope, until the close begins; a
    // failure is shown once, until a write succeeds, and tried again after a
    // pause.
    void SaveWhatChanged(SaveScope scope);
    // The save timer runs while something waits to be written, and only
    // then: it fires once for each deadline.
    void ArmSaveTimer();
    // A place wholly outside every monitor's work area moves into the
    // nearest one (see keptInView).
    void KeepInView();
    Bounds WindowBounds() const;
    void OpenContextMenu(POINT screen);
    void DockPanels();
    void Paint();
    void PaintBackground(HDC dc);
    void MoveGripPicture(SIZE size);
    // The parts follow a change of the window's size.
    void Resized();
    // The text area's font at the density of the note's monitor.
    void ApplyFont();
    void FollowMonitorDensity();
    // Windows' high contrast: the theme's colours and no translucency while
    // it is on.
    void FollowHighContrast(bool coloursChanged);
    COLORREF ShownColour() const;
    int ShownOpacity() const;
    void ShowColour();

    FormHost& host_;
    HWND handle_ = nullptr;
    bool described_ = false;  // the description is applied: sizes run FormResize
    bool deferringBounds_ = false;
    Bounds bounds_;
    SIZE laidOutFor_{};  // the window size the parts are laid out for
    // The note colour and its one brush, for the margin and the text area.
    COLORREF colour_ = kSkyBlue;
    GdiObject<HBRUSH> brush_{CreateSolidBrush(kSkyBlue)};
    int opacity_ = 255;
    bool stayInFront_ = true;
    Alignment alignment_ = Alignment::Left;
    int pixelsPerInch_;   // of the monitor the note is on
    int fontPoints_ = 0;  // chosen by a font command; 0: the described font
    bool placing_ = false;  // the note moves its own window
    // Where the platform's move or size loop, while it runs, began.
    std::optional<Bounds> moveOrSizeFrom_;
    bool highContrast_ = false;
    // Alt+Space: Move and Size from the keyboard.
    TWindowMenu windowMenu_;
    // Created by FormCreate and held for the whole run: its key stays open
    // until the process ends.
    std::unique_ptr<TRegistry> SettingsKey;
    HeldValues held_;  // what the store holds, as far as this run knows
    SaveSchedule saveSchedule_;
    std::optional<SaveSchedule::Ms> saveTimerFor_;  // the deadline the timer is set for
    bool saveFailureShown_ = false;  // and no write has succeeded since
    bool savedOnClose_ = false;
    std::string keptUnstored_;  // the text a failed close kept in a file
    DailyCopies dailyCopies_;
};
