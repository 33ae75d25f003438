#include "tests/win32/support/in_process_note.h"

#include <memory>

#include "app/application.h"
#include "note/form1.h"
#include "tests/win32/support/wait.h"

namespace {
std::unique_ptr<TApplication> application;
}

void startInProcessNote() {
    application = std::make_unique<TApplication>();
    application->CreateForm<TForm1>();
}

void stopInProcessNote() { application.reset(); }

TForm1& note() { return static_cast<TForm1&>(*application->MainForm()); }

void pump() { application->ProcessMessages(); }

bool pumpUntil(const std::function<bool()>& condition, DWORD timeoutMs) {
    return waitUntil(condition, timeoutMs, pump);
}

void pumpFor(DWORD ms) {
    pumpUntil([] { return false; }, ms);
}

POINT onScreen(HWND window, int x, int y) {
    POINT point{x, y};
    ClientToScreen(window, &point);
    return point;
}
