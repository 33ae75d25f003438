#pragma once
// Keyboard and mouse input as the user gives it (SendInput), to whichever
// window has the focus or lies under the pointer.
#include <windows.h>

#include <initializer_list>

void keyDown(WORD virtualKey);
void keyUp(WORD virtualKey);
// Key presses in order; a negative code releases the key.
void sendKeys(std::initializer_list<int> keys);
// Down and up.
void pressKey(WORD virtualKey);
// Ctrl held while a letter key ('A' to 'Z') is pressed.
void pressCtrlLetter(char letter);

enum class MouseButton { Left, Right };

// Moves the pointer to a screen point; true when GetCursorPos confirms it.
bool moveMouseTo(int screenX, int screenY);
void mouseDown(MouseButton button = MouseButton::Left);
void mouseUp(MouseButton button = MouseButton::Left);
// Moves to the point, then presses and releases.
void clickAt(int screenX, int screenY, MouseButton button = MouseButton::Left);
// Presses the left button at one point, moves in steps to another, releases.
void dragMouse(POINT from, POINT to, int steps = 8);
