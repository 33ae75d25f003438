#pragma once
// The note: a borderless, framed, coloured pop-up window with a text area,
// its context menu and its save dialog. The object keeps every property and
// applies it to each platform window it creates.
#include <windows.h>

#include <string>

#include "commands/menu.h"
#include "export/save_dialog.h"
#include "note/image.h"
#include "note/memo.h"
#include "note/panel.h"

class TRegistry;

// The note colours, 0x00BBGGRR.
constexpr COLORREF kCreamYellow = 0xAAFFFF;
constexpr COLORREF kPink = 0xFFD5FF;
constexpr COLORREF kGrassGreen = 0xAAFFAA;
constexpr COLORREF kSkyBlue = 0xFFFFAA;

class TForm1 {
public:
    // Creates the note from its description, its platform window hidden,
    // owned by the given window (the application window).
    explicit TForm1(HWND owner);
    // Destroys the platform windows; FormDestroy is the caller's step.
    ~TForm1();
    TForm1(const TForm1&) = delete;
    TForm1& operator=(const TForm1&) = delete;

    // Parts, in declaration order.
    TMemo Memo1;
    TPanel Panel1, Panel2, Panel3, Panel4;
    TPopupMenu PopupMenu1;
    TMenuItem N2{"N2"}, N3{"N3"}, N4{"N4"}, N5{"N5"}, N6{"N6"}, N7{"N7"}, N8{"N8"}, N9{"N9"},
        N10{"N10"}, N11{"N11"}, N1{"N1"};
    TSaveDialog SaveDialog1;
    TMenuItem N12{"N12"}, N13{"N13"}, N14{"N14"};
    TImage Image1;

    // Event handlers.
    void FormCreate();
    void FormDestroy();
    // Writes text, position and size to the settings store.
    void SaveSettings();
    void FormResize();
    int FormHitTest(LPARAM screenPoint);
    void N1Click();
    void N2Click();
    void N3Click();
    void N4Click();
    void N5Click();
    void N6Click();
    void N7Click();
    void N8Click();
    void N9Click();
    void N10Click();
    void N11Click();
    void N12Click();
    void N13Click();
    void N14Click();

    // Appearance operations; none of them touches a check mark.
    void SetNoteColour(COLORREF colour);
    void SetFontSize(int points);
    void SetOpacity(int opacity);
    void SetStayInFront(bool inFront);
    void SetAlignment(Alignment alignment);
    void SelectAll();

    COLORREF NoteColour() const { return colour_; }
    int Opacity() const { return opacity_; }
    bool StayInFront() const { return stayInFront_; }
    Alignment TextAlignment() const { return alignment_; }

    // Geometry of the window's outer bounds; setting a size resizes the
    // platform window at once (and so runs the layout rule).
    int Left() const;
    int Top() const;
    int Width() const;
    int Height() const;
    void SetLeft(int left);
    void SetTop(int top);
    void SetWidth(int width);
    void SetHeight(int height);

    // The text area's whole text.
    std::string Text() const;
    void SetText(const std::string& text);

    HWND Handle() const { return handle_; }
    void Show(int showCommand);
    void Hide();
    // A close request: ends the program through the shut-down sequence.
    void Close();
    // Runs the command of the menu item whose shortcut the key message
    // carries; true when the key was a shortcut and so is consumed.
    bool IsShortCut(const MSG& keyMessage);
    // Runs the command of a menu item.
    void Click(TMenuItem& item);

    LRESULT WndProc(UINT message, WPARAM wParam, LPARAM lParam);

private:
    void CreateHandle();
    void DestroyHandle();
    void ApplyOpacity();
    void SetBounds(int left, int top, int width, int height);
    void OpenContextMenu(POINT screen);
    void DockPanels();
    void PaintBackground(HDC dc);
    void MoveGripPicture();

    HWND owner_;
    HWND handle_ = nullptr;
    bool described_ = false;  // the description is applied: sizes run FormResize
    RECT bounds_{263, 142, 263 + 188, 142 + 89};
    SIZE gripAt_{188, 89};  // the window size the grip picture is drawn for
    COLORREF colour_ = kSkyBlue;
    SolidBrush brush_{kSkyBlue};
    int opacity_ = 255;
    bool stayInFront_ = true;
    Alignment alignment_ = Alignment::Left;
    TRegistry* SettingsKey = nullptr;  // created by FormCreate, never released
};
