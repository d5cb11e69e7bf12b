#pragma once

#include <exception>
#include <string>
#include <string_view>

// The application's error report: one application-modal message box with the
// stop icon and an OK button. Every event handler runs through Guarded, so no
// exception ever crosses a Qt frame.

class ErrorReporter {
public:
    virtual ~ErrorReporter();
    virtual void Report(const std::string& message) = 0;
};

// Swaps the reporter that ReportError uses; returns the previous one. nullptr
// restores the default message box. The reporter is not owned.
ErrorReporter* SetErrorReporter(ErrorReporter* reporter);

// Shows the report now, through the current reporter.
void ReportError(const std::string& message);

// Shows the report from the event loop, after the current event: for errors
// raised while painting, where a modal box must not open.
void ReportErrorDeferred(const std::string& message);

// The message as the box shows it: "." appended when the message is not empty
// and its last byte's code is above that of "." (UTF-8 letters included).
std::string ErrorBoxText(std::string_view message);

// The program file's name without its folder, cut at the first ".", every
// character after the first in lower case.
std::string ApplicationTitle(std::string_view programPath);

// Text reported for an exception that is not a std::exception.
inline constexpr std::string_view UnknownErrorMessage = "Unknown error";

template <class F>
void Guarded(F&& handler) noexcept
{
    try {
        handler();
    } catch (const std::exception& error) {
        ReportError(error.what());
    } catch (...) {
        ReportError(std::string(UnknownErrorMessage));
    }
}

// For paint handlers: the report waits for the event loop.
template <class F>
void GuardedPaint(F&& handler) noexcept
{
    try {
        handler();
    } catch (const std::exception& error) {
        ReportErrorDeferred(error.what());
    } catch (...) {
        ReportErrorDeferred(std::string(UnknownErrorMessage));
    }
}
