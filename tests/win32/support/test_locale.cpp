#include "tests/win32/support/test_locale.h"

UINT currentCodePage() {
    return GetACP();
}

std::string testLocale() {
    char value[16] = {};
    const DWORD length = GetEnvironmentVariableA("TARVISSEL_LOCALE", value, sizeof value);
    return length > 0 && length < sizeof value ? value : "zh";
}

bool chineseCodePage() {
    return currentCodePage() == 936;
}
