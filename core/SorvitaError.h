#pragma once

#include <stdexcept>
#include <string>

// The one error type of the program. Its message is the text the user reads in
// the error report, exactly as composed (the report adds the final full stop).
class SorvitaError : public std::runtime_error {
public:
    explicit SorvitaError(const std::string& message) : std::runtime_error(message) {}
};
