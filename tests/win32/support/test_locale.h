#pragma once
// The code page a test runs under: scripts/wine-test starts Wine with
// LC_ALL=zh_CN.UTF-8 (code page 936) or LC_ALL=C (1252) and names the choice
// in TARVISSEL_LOCALE ("zh" or "C").
#include <windows.h>

#include <string>

// The system's ANSI code page, as the program sees it.
UINT currentCodePage();
// TARVISSEL_LOCALE, or "zh" when the test was started without wine-test.
std::string testLocale();
// True under code page 936, where the program's Chinese texts read right.
bool chineseCodePage();
