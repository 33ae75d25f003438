#pragma once
// A stand-in for the application, for a note built on its own: its window
// has no owner, and what would reach the error box or end the run is
// recorded instead.
#include <windows.h>

#include <string>
#include <vector>

#include "base/failure.h"
#include "note/form.h"

class TestHost : public FormHost {
public:
    HWND Handle() const override { return nullptr; }
    void ReportError(const std::string& message) override { reported.push_back(message); }
    void ReportFailure(const std::exception& failure) override { ReportError(failure.what()); }
    void Terminate() override { ++terminations; }
    bool Closing() const override { return terminations > 0; }

    std::vector<std::string> reported;
    int terminations = 0;
};
