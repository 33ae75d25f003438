#pragma once
// Where a failure caught at a dispatch boundary goes (the application's
// error box), and the boundary itself.
#include <exception>
#include <string>

#include "base/failure.h"

// Where the dispatch boundaries send what they catch: the application.
class ErrorReporter {
public:
    // The error box (see ShowErrorBox), owned by the application window.
    virtual void ReportError(const std::string& message) = 0;
    // A failure caught at a dispatch boundary: its text shown with
    // ReportError; one that leaves the program without a window it needs
    // ends the run.
    virtual void ReportFailure(const std::exception& failure) = 0;

protected:
    ~ErrorReporter() = default;
};

// Runs a handler at a dispatch boundary: whatever it raises goes to the
// reporter and the handler simply stops. True when it ran through.
template <class Handler>
bool guarded(ErrorReporter& reporter, Handler&& handler) {
    try {
        handler();
        return true;
    } catch (const std::exception& failure) {
        reporter.ReportFailure(failure);
    } catch (...) {
        reporter.ReportFailure(UnknownFailure());
    }
    return false;
}
