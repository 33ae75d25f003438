#include "base/monitors.h"

#include "base/platform_function.h"

bool monitorRectOf(HWND window, RECT& full) {
    using MonitorFromWindowFn = HMONITOR(WINAPI*)(HWND, DWORD);
    using GetMonitorInfoFn = BOOL(WINAPI*)(HMONITOR, LPMONITORINFO);
    static const auto monitorFromWindow = platformFunction<MonitorFromWindowFn>("user32.dll", "MonitorFromWindow");
    static const auto getMonitorInfo = platformFunction<GetMonitorInfoFn>("user32.dll", "GetMonitorInfoA");
    if (!monitorFromWindow || !getMonitorInfo) return false;
    MONITORINFO info{};
    info.cbSize = sizeof info;
    if (!getMonitorInfo(monitorFromWindow(window, MONITOR_DEFAULTTONEAREST), &info)) return false;
    full = info.rcMonitor;
    return true;
}
