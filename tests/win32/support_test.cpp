// The test support library, checked against a small window of this process,
// so that end-to-end failures point at the program, not at the harness.
#include <gtest/gtest.h>

#include "tests/win32/support/input.h"
#include "tests/win32/support/message_box.h"
#include "tests/win32/support/screen.h"
#include "tests/win32/support/settings_key.h"
#include "tests/win32/support/test_locale.h"
#include "tests/win32/support/wait.h"
#include "tests/win32/support/windows_of_process.h"

namespace {

constexpr COLORREF kProbeColour = RGB(0x12, 0x9A, 0xE4);
constexpr RECT kProbeBounds{101, 77, 101 + 61, 77 + 43};

struct ProbeEvents {
    POINT lastClick{-1, -1};
    WPARAM lastKey = 0;
    bool ctrlWithKey = false;
};
ProbeEvents events;

LRESULT CALLBACK probeProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    switch (message) {
    case WM_LBUTTONDOWN:
        events.lastClick = POINT{static_cast<short>(LOWORD(lParam)), static_cast<short>(HIWORD(lParam))};
        return 0;
    case WM_KEYDOWN:
        if (wParam == VK_CONTROL) return 0;
        events.lastKey = wParam;
        events.ctrlWithKey = GetKeyState(VK_CONTROL) < 0;
        return 0;
    }
    return DefWindowProcA(window, message, wParam, lParam);
}

// A topmost, borderless window of one colour.
class ProbeWindow {
public:
    ProbeWindow() {
        WNDCLASSA windowClass{};
        windowClass.lpfnWndProc = probeProc;
        windowClass.hInstance = GetModuleHandleA(nullptr);
        windowClass.hbrBackground = brush_;
        windowClass.lpszClassName = "TarvisselProbe";
        RegisterClassA(&windowClass);
        handle_ = CreateWindowExA(WS_EX_TOPMOST, "TarvisselProbe", "probe", WS_POPUP | WS_VISIBLE,
                                  kProbeBounds.left, kProbeBounds.top, kProbeBounds.right - kProbeBounds.left,
                                  kProbeBounds.bottom - kProbeBounds.top, nullptr, nullptr,
                                  GetModuleHandleA(nullptr), nullptr);
        SetForegroundWindow(handle_);
        SetFocus(handle_);
        UpdateWindow(handle_);
        pumpMessagesFor(200);
        events = ProbeEvents{};
    }
    ~ProbeWindow() {
        DestroyWindow(handle_);
        UnregisterClassA("TarvisselProbe", GetModuleHandleA(nullptr));
        DeleteObject(brush_);
    }
    HWND handle() const { return handle_; }

private:
    HBRUSH brush_ = CreateSolidBrush(kProbeColour);
    HWND handle_ = nullptr;
};

}  // namespace

TEST(Support, FindsTheTopLevelWindowsOfAProcessByClass) {
    ProbeWindow probe;
    EXPECT_EQ(findTopLevelWindow(GetCurrentProcessId(), "TarvisselProbe"), probe.handle());
    EXPECT_EQ(waitForVisibleWindow(GetCurrentProcessId(), "TarvisselProbe", 1000), probe.handle());
    EXPECT_EQ(findTopLevelWindow(GetCurrentProcessId() + 4, "TarvisselProbe"), nullptr);
    EXPECT_EQ(windowText(probe.handle()), "probe");
}

TEST(Support, CapturesScreenPixels) {
    ProbeWindow probe;
    ScreenCapture capture(kProbeBounds);
    EXPECT_EQ(capture.pixel(kProbeBounds.left, kProbeBounds.top), kProbeColour);
    EXPECT_EQ(capture.pixel(kProbeBounds.right - 1, kProbeBounds.bottom - 1), kProbeColour);
    EXPECT_EQ(screenPixel(kProbeBounds.left + 30, kProbeBounds.top + 20), kProbeColour);
    EXPECT_NE(screenPixel(kProbeBounds.right, kProbeBounds.bottom), kProbeColour);
}

TEST(Support, MovesThePointerToExactPixelsAndClicks) {
    ProbeWindow probe;
    for (POINT point : {POINT{0, 0}, POINT{333, 217}, POINT{641, 479}, POINT{1001, 999}})
        EXPECT_TRUE(moveMouseTo(point.x, point.y)) << point.x << "," << point.y;

    clickAt(kProbeBounds.left + 7, kProbeBounds.top + 11);
    ASSERT_TRUE(waitUntil([] { return events.lastClick.x >= 0; }, 2000));
    EXPECT_EQ(events.lastClick.x, 7);
    EXPECT_EQ(events.lastClick.y, 11);
}

TEST(Support, TypesCtrlLetterIntoTheFocusedWindow) {
    ProbeWindow probe;
    pressCtrlLetter('S');
    ASSERT_TRUE(waitUntil([] { return events.lastKey != 0; }, 2000));
    EXPECT_EQ(events.lastKey, WPARAM('S'));
    EXPECT_TRUE(events.ctrlWithKey);
}

DWORD WINAPI showMessageBox(void*) {
    return static_cast<DWORD>(MessageBoxA(nullptr, "some text", "some caption", MB_ICONERROR));
}

TEST(Support, ReadsAndDismissesAMessageBox) {
    HANDLE box = CreateThread(nullptr, 0, showMessageBox, nullptr, 0, nullptr);
    ASSERT_NE(box, nullptr);
    HWND found = waitForMessageBox(GetCurrentProcessId(), 5000);
    if (found) {
        const MessageBoxContent content = readMessageBox(found);
        EXPECT_EQ(content.caption, "some caption");
        EXPECT_EQ(content.text, "some text");
        EXPECT_TRUE(pressOk(found));
    }
    EXPECT_NE(found, nullptr) << "no message box appeared";
    EXPECT_EQ(WaitForSingleObject(box, 5000), WAIT_OBJECT_0);
    DWORD answer = 0;
    GetExitCodeThread(box, &answer);
    CloseHandle(box);
    EXPECT_EQ(answer, DWORD(IDOK));
}

TEST(Support, WritesReadsAndDeletesTheSettingsKey) {
    deleteVessanTree();
    EXPECT_FALSE(readSettingsString("first"));
    writeSettingsString("first", "1");
    writeSettingsValue("top", REG_DWORD, std::string("\x07\0\0\0", 4));
    EXPECT_EQ(readSettingsString("first"), "1");
    EXPECT_EQ(readSettingsValue("top").type, DWORD(REG_DWORD));
    EXPECT_FALSE(readSettingsString("top"));
    deleteSettingsValue("first");
    EXPECT_FALSE(readSettingsValue("first").found);
    deleteVessanTree();
}

TEST(Support, KnowsTheCodePageOfTheRun) {
    EXPECT_EQ(currentCodePage(), testLocale() == "zh" ? 936u : 1252u);
}
