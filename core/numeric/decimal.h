// A finite double as a short decimal, the form in which the rounding operation
// and the formatters see a value: a sign, at most 17 significant digits and
// the position of the decimal point.
//
// The value is (negative ? -1 : 1) x 0.<digits> x 10^point, with no leading or
// trailing zeros in `digits`; zero has no digits. So 1234.5 is {"12345", 4},
// 0.0625 is {"625", -1} and 5e20 is {"5", 21}.
#pragma once

#include <cstddef>
#include <optional>
#include <string>

namespace metrova {

struct Decimal {
    bool negative = false;
    std::string digits;
    int point = 0;

    [[nodiscard]] bool is_zero() const noexcept { return digits.empty(); }
};

enum class Tie { to_even, away_from_zero };

// The value rounded to 15 significant digits (ties of the exact binary value
// to even): 0.1 -> {"1", 0}; 2.675, whose double lies just below it, ->
// {"2675", 1}; 9.999999999999996 -> {"1", 2}. x must be finite.
Decimal to_decimal_15(double x);

// The fewest digits that read back to exactly x: 0.1 -> {"1", 0};
// 1.7976931348623157e308 -> {"17976931348623157", 309}. x must be finite.
Decimal to_decimal_shortest(double x);

// Keeps the first `count` significant digits and rounds away the rest, ties as
// given; a carry past the first digit moves the point: {"9996", 1} kept to 3
// -> {"1", 2}.
void round_to_digits(Decimal& d, int count, Tie tie);

// Rounds to `places` digits after the decimal point: {"125", 0} to 2 places
// with ties to even -> {"12", 0} (0.125 -> 0.12).
void round_to_places(Decimal& d, int places, Tie tie);

// The most digits that to_double reads; the decimals made here have at most 17.
inline constexpr std::size_t kMaxDigits = 40;

// The nearest double, the sign of zero kept; nothing when d lies beyond the
// double range ({"179769313486232", 309}), has more than kMaxDigits digits or
// holds anything but digits.
std::optional<double> to_double(const Decimal& d) noexcept;

}  // namespace metrova
