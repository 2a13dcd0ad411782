// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <stdexcept>
#include <string>

/// The one error type of the program: an operation throws it, the command's handler catches it
/// and shows its description through the common error report. Every error carries one of the
/// named numbers below, so that a handler tells errors apart by number alone. The numbers of
/// the classic run-time errors are kept where they have them (53: file not found).
class MoonrillError : public std::runtime_error
{
public:
    enum Number : int
    {
        Overflow = 6,
        TypeMismatch = 13,
        Internal = 51, // anything not foreseen (out of memory among them)
        FileNotFound = 53,
        FileAccess = 75,
        NoSelection = 91,
        InvalidFormat = 321, // a clip that is no clip we can play
        Cancelled = 32755,
        KeyNotUnique = 35602,
        TimedOut = 35761,       // no byte arrived for the transfer time-out
        TooLarge = 35762,       // an answer longer than its limit
        NetworkFailure = 35763, // any other network failure: its description says which
        UpdateFailed = 35764,   // the version page or the archive is not what was asked for
        /// An HTTP error status is HttpStatus + the status (10404 for 404).
        HttpStatus = 10000,
    };

    MoonrillError(Number number, const std::string &description)
        : std::runtime_error(description), m_number(number)
    {
    }

    [[nodiscard]] Number number() const noexcept { return m_number; }
    [[nodiscard]] std::string description() const { return what(); }
    /// Whether the error stands for an HTTP error status.
    [[nodiscard]] bool isHttpStatus() const noexcept
    {
        return m_number > HttpStatus && m_number < HttpStatus + 1000;
    }

    static MoonrillError overflow() { return {Overflow, "Overflow"}; }
    static MoonrillError typeMismatch() { return {TypeMismatch, "Type mismatch"}; }
    /// The error of an HTTP error status.
    static MoonrillError httpStatus(int status)
    {
        return {static_cast<Number>(HttpStatus + status), "HTTP status " + std::to_string(status)};
    }

private:
    Number m_number;
};
