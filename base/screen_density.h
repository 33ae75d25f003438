#pragma once
// The screen's logical pixels per inch, and the program's sizes designed for
// 96 pixels per inch at that density. The program declares itself aware of
// the system's density, so the platform no longer stretches it as a bitmap.

int screenPixelsPerInch();

// A size designed at 96 pixels per inch, at the screen's density, rounded
// to the nearest pixel.
int atScreenDensity(int designPixels);
