#pragma once
// Failures: a handler's failure is an exception carrying the message text
// that ReportError shows, raised as `throw Failure(text)` or, with a
// placeholder filled, `throw Failure(pattern, value)`, and caught only at a
// dispatch boundary (guarded), which hands it to the ErrorReporter: the
// application's error box.
#include <exception>
#include <string>
#include <utility>

// Fills the pattern's one "%s" with the value, verbatim: the value may hold
// "%" sequences of its own, so this is never a printf-style format.
inline std::string substitute(const std::string& pattern, const std::string& value) {
    const std::size_t placeholder = pattern.find("%s");
    if (placeholder == std::string::npos) return pattern;
    std::string text = pattern;
    text.replace(placeholder, 2, value);
    return text;
}

class Failure : public std::exception {
public:
    explicit Failure(std::string message) : message_(std::move(message)) {}
    Failure(const std::string& pattern, const std::string& value) : message_(substitute(pattern, value)) {}
    const std::string& message() const noexcept { return message_; }
    const char* what() const noexcept override { return message_.c_str(); }

private:
    std::string message_;
};

// A window or window class the platform would not create: the program
// cannot go on without it.
class WindowNotCreated : public Failure {
public:
    using Failure::Failure;
};

// What a boundary reports when something that is no exception was thrown.
class UnknownFailure : public Failure {
public:
    UnknownFailure() : Failure("未知错误") {}
};

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
