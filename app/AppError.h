// The error type of the importer's own logic. Its message is what the user sees after "出错啦：".
#pragma once

#include <stdexcept>
#include <string>

class AppError : public std::runtime_error {
public:
    using std::runtime_error::runtime_error;
};

// The messages of the arithmetic and list failures the job can meet.
inline constexpr const char* kDivisionByZero = "Division by zero";
inline constexpr const char* kFloatDivisionByZero = "Floating point division by zero";
inline constexpr const char* kInvalidFloatOperation = "Invalid floating point operation";
inline constexpr const char* kIntegerOverflow = "Integer overflow";
