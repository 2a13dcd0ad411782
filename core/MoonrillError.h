#pragma once

#include <stdexcept>
#include <string>

/// The one error type of the program: an operation throws it, the command's handler catches it
/// and shows its description through the common error report. The numbers are the classic
/// run-time error numbers, kept because callers tell a few of them apart (53: file not found).
class MoonrillError : public std::runtime_error
{
public:
    enum Number : int
    {
        Overflow = 6,
        TypeMismatch = 13,
        FileNotFound = 53,
        FileAccess = 75,
        KeyNotUnique = 35602,
        NoSelection = 91,
        Cancelled = 32755,
    };

    MoonrillError(int number, const std::string &description)
        : std::runtime_error(description), m_number(number)
    {
    }

    [[nodiscard]] int number() const noexcept { return m_number; }
    [[nodiscard]] std::string description() const { return what(); }

    static MoonrillError overflow() { return {Overflow, "Overflow"}; }
    static MoonrillError typeMismatch() { return {TypeMismatch, "Type mismatch"}; }

private:
    int m_number;
};
