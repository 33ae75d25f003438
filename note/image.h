#pragma once
// The grip picture, painted on the note's own surface at (W - 13, H - 13)
// with its own two colours, white and black; in a high-contrast theme with
// the theme's window colour for the white and its window-text colour for
// the black, so that it shows on every theme.
#include <windows.h>

class TImage {
public:
    void Paint(HDC dc, int width, int height) const;
    void SetThemeColours(bool theme) { themeColours_ = theme; }

private:
    bool themeColours_ = false;
};
