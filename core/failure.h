// Failures and the run-time error the user is told of: which failure a
// conversion met (the fault check's verdict, fault.h), and one sentence on
// why, in the terms of that conversion. A failure travels as a value;
// nothing here throws, prints or ends the program.
#pragma once

#include <cstdint>
#include <string>
#include <string_view>

#include "pick.h"

namespace metrova {

enum class [[nodiscard]] Failure : std::uint8_t{none, overflow, division_by_zero, invalid_argument};

struct Conversion;

// "Overflow", "Division by zero", "Invalid argument"; empty for none.
std::string_view failure_name(Failure failure) noexcept;

struct [[nodiscard]] RunTimeError {
    Failure failure = Failure::none;
    std::string reason;

    [[nodiscard]] bool failed() const noexcept { return failure != Failure::none; }
};

// The error of a conversion that failed: the value it names is the one the
// formula worked on, after a sign rule; an invalid argument of a formula that
// takes ln v is the logarithm's. Numbers are written as number_to_text writes
// them. A v that is no finite number is what the parser makes of a number
// too large to read (an infinity) or what no text gives (NaN): the units play
// no part then. A conversion that did not fail is no error.
//   optics 0 -> 1, v = 0
//     -> "0 Percent (%) has no value in Decibel (dB), which needs a Percent (%) value other than 0."
//   mass 1 -> 0, v = 1e308
//     -> "Converting 1E+308 kilogram (kg) to gram (g) gives a number larger in size than
//         1.7976931348623157E+308, the largest there is."
RunTimeError run_time_error(const Pick& pick, double v, const Conversion& conversion);

// The error of a number too large to read, before any conversion:
//   "The number typed is larger in size than 1.7976931348623157E+308, the largest there is."
RunTimeError number_too_large();

// The error box's text: its first line names the failure, the reason follows
// on the next.
//   "Run-time error: Invalid argument\n0 Percent (%) has no value in ..."
std::string error_text(const RunTimeError& error);

}  // namespace metrova
