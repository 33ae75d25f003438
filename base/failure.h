#pragma once
// A failure of a handler: carries the message text shown by ReportError.
// Raised as `throw Failure(text)` or, with a placeholder filled,
// `throw Failure(pattern, value)`.
#include <exception>
#include <string>

// Fills the pattern's one "%s" with the value, verbatim: the value may hold
// "%" sequences of its own, so this is never a printf-style format.
std::string substitute(const std::string& pattern, const std::string& value);

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
