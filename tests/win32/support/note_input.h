#pragma once
// Real input for the note's tests: keys and mouse through SendInput, and
// bounded waits that keep the test's own messages flowing.
#include <windows.h>

#include <functional>
#include <initializer_list>

// Key presses in order; a negative code releases the key.
void sendKeys(std::initializer_list<int> keys);
// Moves the pointer to the screen point; true when it arrived there.
bool movePointer(POINT screen);
// Presses or releases a mouse button at the pointer's place.
void sendButton(DWORD flags);
// A click of the right button at the screen point.
void rightClickAt(POINT screen);
// Presses the left button at `from`, moves to `to` in steps, releases.
void dragLeft(POINT from, POINT to);

// Dispatches the thread's messages through the given pump until the
// condition holds or the time is up; true when it held.
bool waitFor(const std::function<bool()>& condition, DWORD timeoutMs,
             const std::function<void()>& pump);
