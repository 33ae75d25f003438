#pragma once
// The error box, the one way failures reach the user, and the dispatch
// boundaries that catch a failure and show it there.
#include <exception>
#include <string>

// A modal box owned by the application window: caption the application
// title, an error icon, one OK button; "." appended by the error text rule.
void ReportError(const std::string& message);

// The message of a caught failure.
std::string failureMessage(const std::exception& e);

// Runs a handler at a dispatch boundary: a failure it raises is shown in
// the error box and the handler simply stops. True when it ran through.
template <class Handler>
bool guarded(Handler&& handler) {
    try {
        handler();
        return true;
    } catch (const std::exception& e) {
        ReportError(failureMessage(e));
        return false;
    }
}
