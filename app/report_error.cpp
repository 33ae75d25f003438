#include "app/report_error.h"

#include <windows.h>

#include "app/text_rules.h"
#include "base/monitors.h"
#include "base/system.h"
#include "base/task_windows.h"

namespace {

// While the box is open, the application window sits at the centre of the
// active window's monitor when that differs from its own, so the box, which
// the platform places by its owner, appears where the user is looking.
class OwnerOnActiveMonitor {
public:
    explicit OwnerOnActiveMonitor(HWND owner) : owner_(owner) {
        HWND active = GetActiveWindow();
        RECT ownerMonitor, activeMonitor;
        if (!owner || !active || !monitorRectOf(owner, ownerMonitor) || !monitorRectOf(active, activeMonitor) ||
            EqualRect(&ownerMonitor, &activeMonitor))
            return;
        GetWindowRect(owner, &original_);
        moved_ = true;
        moveTo((activeMonitor.left + activeMonitor.right) / 2, (activeMonitor.top + activeMonitor.bottom) / 2);
    }
    ~OwnerOnActiveMonitor() {
        if (moved_) moveTo(original_.left, original_.top);
    }

private:
    void moveTo(int x, int y) const {
        SetWindowPos(owner_, nullptr, x, y, 0, 0, SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
    }
    HWND owner_;
    RECT original_{};
    bool moved_ = false;
};

}  // namespace

void ShowErrorBox(HWND owner, const std::string& caption, const std::string& message) {
    const std::string text = errorBoxText(message, systemLeadBytes());
    TaskWindowsDisabled disabled(owner);
    OwnerOnActiveMonitor placement(owner);
    MessageBoxA(owner, text.c_str(), caption.c_str(), MB_OK | MB_ICONERROR);
}
