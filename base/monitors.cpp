#include "base/monitors.h"

#include "base/system.h"

namespace {

MONITORINFO unfilledMonitorInfo() {
    MONITORINFO info{};
    info.cbSize = sizeof info;
    return info;
}

BOOL CALLBACK collectWorkArea(HMONITOR monitor, HDC, LPRECT, LPARAM areas) {
    MONITORINFO info = unfilledMonitorInfo();
    if (GetMonitorInfoA(monitor, &info)) reinterpret_cast<std::vector<RECT>*>(areas)->push_back(info.rcWork);
    return TRUE;
}

RECT primaryWorkArea() {
    RECT area{0, 0, GetSystemMetrics(SM_CXSCREEN), GetSystemMetrics(SM_CYSCREEN)};
    SystemParametersInfoA(SPI_GETWORKAREA, 0, &area, 0);
    return area;
}

}  // namespace

bool monitorRectOf(HWND window, RECT& full) {
    using MonitorFromWindowFn = HMONITOR(WINAPI*)(HWND, DWORD);
    using GetMonitorInfoFn = BOOL(WINAPI*)(HMONITOR, LPMONITORINFO);
    static const auto monitorFromWindow = platformFunction<MonitorFromWindowFn>("user32.dll", "MonitorFromWindow");
    static const auto getMonitorInfo = platformFunction<GetMonitorInfoFn>("user32.dll", "GetMonitorInfoA");
    if (!monitorFromWindow || !getMonitorInfo) return false;
    const HMONITOR monitor = monitorFromWindow(window, MONITOR_DEFAULTTONEAREST);
    MONITORINFO info = unfilledMonitorInfo();
    if (!monitor || !getMonitorInfo(monitor, &info)) return false;
    full = info.rcMonitor;
    return true;
}

std::vector<RECT> monitorWorkAreas() {
    std::vector<RECT> areas;
    EnumDisplayMonitors(nullptr, nullptr, collectWorkArea, reinterpret_cast<LPARAM>(&areas));
    if (areas.empty()) areas.push_back(primaryWorkArea());
    return areas;
}
