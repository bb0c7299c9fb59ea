#include "failure.h"

#include <cmath>
#include <limits>

#include "number_format.h"
#include "result_story.h"
#include "tables.h"

namespace metrova {
namespace {

// The largest number there is, as the program writes it.
std::string largest_number() { return number_to_text(std::numeric_limits<double>::max()); }

// The parser makes an infinity of a number too large to read.
std::string too_large_to_read() {
    return "The number typed is larger in size than " + largest_number() + ", the largest there is.";
}

// "1E+308 kilogram (kg) to gram (g)"
std::string value_and_pair(const Pick& pick, double v) {
    return number_to_text(v) + " " + unit_name(pick.category, pick.source) + " to " +
           unit_name(pick.category, pick.target);
}

std::string reason(const Pick& pick, double v, Failure failure, bool logarithm_of_v) {
    if (std::isnan(v)) return "The value to convert is not a number.";
    if (std::isinf(v)) return too_large_to_read();
    switch (failure) {
        case Failure::overflow:
            return "Converting " + value_and_pair(pick, v) + " gives a number larger in size than " + largest_number() +
                   ", the largest there is.";
        case Failure::invalid_argument:
            // For a finite v only ln 0 has no value: a negative v never
            // reaches the logarithm after the sign rule.
            if (logarithm_of_v) {
                const std::string source = unit_name(pick.category, pick.source);
                return number_to_text(v) + " " + source + " has no value in " + unit_name(pick.category, pick.target) +
                       ", which needs a " + source + " value other than 0.";
            }
            return "Converting " + value_and_pair(pick, v) + " gives no number.";
        case Failure::division_by_zero: return "Converting " + value_and_pair(pick, v) + " divides by zero.";
        case Failure::none: break;
    }
    return {};
}

}  // namespace

std::string_view failure_name(Failure failure) noexcept {
    switch (failure) {
        case Failure::overflow: return "Overflow";
        case Failure::division_by_zero: return "Division by zero";
        case Failure::invalid_argument: return "Invalid argument";
        case Failure::none: break;
    }
    return {};
}

RunTimeError run_time_error(const Pick& pick, double v, const Conversion& conversion) {
    if (conversion.failure == Failure::none) return {};
    const double worked_on = conversion.corrected.value_or(v);
    const bool logarithm_of_v = conversion.cell != nullptr && conversion.cell->logarithm_of_v;
    return {conversion.failure, reason(pick, worked_on, conversion.failure, logarithm_of_v)};
}

RunTimeError number_too_large() { return {Failure::overflow, too_large_to_read()}; }

std::string error_text(const RunTimeError& error) {
    if (!error.failed()) return {};
    std::string text = "Run-time error: " + std::string(failure_name(error.failure));
    if (!error.reason.empty()) text += "\n" + error.reason;
    return text;
}

}  // namespace metrova
