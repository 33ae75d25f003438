#pragma once
// Whether Windows' high contrast is on, asked through a table tests can
// replace: the platform's own answer cannot be changed from a test.
#include <windows.h>

struct SystemParametersApi {
    decltype(&SystemParametersInfoA) systemParametersInfo = &SystemParametersInfoA;
};

// The table in use; tests swap entries and restore them.
SystemParametersApi& systemParametersApi();

// True while the user has a high-contrast theme on (SPI_GETHIGHCONTRAST).
bool highContrastOn();
