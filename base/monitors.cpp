#include "base/monitors.h"

#include "base/platform_function.h"

namespace {

using GetMonitorInfoFn = BOOL(WINAPI*)(HMONITOR, LPMONITORINFO);

GetMonitorInfoFn getMonitorInfo() {
    static const auto function = platformFunction<GetMonitorInfoFn>("user32.dll", "GetMonitorInfoA");
    return function;
}

bool monitorInfo(HMONITOR monitor, MONITORINFO& info) {
    info = MONITORINFO{};
    info.cbSize = sizeof info;
    return getMonitorInfo() && monitor && getMonitorInfo()(monitor, &info);
}

BOOL CALLBACK collectWorkArea(HMONITOR monitor, HDC, LPRECT, LPARAM areas) {
    MONITORINFO info;
    if (monitorInfo(monitor, info)) reinterpret_cast<std::vector<RECT>*>(areas)->push_back(info.rcWork);
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
    static const auto monitorFromWindow = platformFunction<MonitorFromWindowFn>("user32.dll", "MonitorFromWindow");
    MONITORINFO info;
    if (!monitorFromWindow || !monitorInfo(monitorFromWindow(window, MONITOR_DEFAULTTONEAREST), info)) return false;
    full = info.rcMonitor;
    return true;
}

std::vector<RECT> monitorWorkAreas() {
    using EnumDisplayMonitorsFn = BOOL(WINAPI*)(HDC, LPCRECT, MONITORENUMPROC, LPARAM);
    static const auto enumDisplayMonitors =
        platformFunction<EnumDisplayMonitorsFn>("user32.dll", "EnumDisplayMonitors");
    std::vector<RECT> areas;
    if (enumDisplayMonitors && getMonitorInfo())
        enumDisplayMonitors(nullptr, nullptr, collectWorkArea, reinterpret_cast<LPARAM>(&areas));
    if (areas.empty()) areas.push_back(primaryWorkArea());
    return areas;
}
