#pragma once
// The note's colours, 0x00BBGGRR, and the one each colour item chooses.
#include <windows.h>

#include "commands/menu_items.h"

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
