#pragma once

#include <string>
#include <vector>

#include "ErrorReport.h"

// Takes the place of the message box for the lifetime of a test.
class ErrorRecorder : public ErrorReporter {
public:
    ErrorRecorder() : previous_(SetErrorReporter(this)) {}
    ~ErrorRecorder() override { SetErrorReporter(previous_); }
    ErrorRecorder(const ErrorRecorder&) = delete;
    ErrorRecorder& operator=(const ErrorRecorder&) = delete;

    void Report(const std::string& message) override
    {
        messages.push_back(message);
        reportedWhilePainting.push_back(painting);
    }

    std::vector<std::string> messages;
    std::vector<bool> reportedWhilePainting;
    bool painting = false; ///< set by a test around a synchronous repaint

private:
    ErrorReporter* previous_;
};
