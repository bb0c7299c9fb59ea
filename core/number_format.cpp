#include "number_format.h"

#include <cmath>

#include "decimal.h"
#include "number_parser.h"

namespace metrova {
namespace {

std::string non_finite(double x) {
    if (std::isnan(x)) return "nan";
    return x < 0 ? "-inf" : "inf";
}

// The digit of d whose place value is 10^(point - 1 - index), or '0'.
char digit_at(const Decimal& d, int index) noexcept {
    return index >= 0 && index < static_cast<int>(d.digits.size()) ? d.digits[static_cast<std::size_t>(index)] : '0';
}

std::string sign_of(const Decimal& d) { return d.negative && !d.is_zero() ? "-" : ""; }

std::string exponent_text(int exponent) {
    std::string text = exponent < 0 ? "E-" : "E+";
    const std::string magnitude = std::to_string(std::abs(exponent));
    if (magnitude.size() < 2) text += '0';
    return text + magnitude;
}

// Plain text of a decimal for number_to_text.
std::string plain_text(const Decimal& d) {
    if (d.is_zero()) return "0";
    const int size = static_cast<int>(d.digits.size());
    const int exponent = d.point - 1;
    std::string text = sign_of(d);
    if (exponent < -5 || exponent >= 15) {
        text += d.digits.front();
        if (size > 1) text += "." + d.digits.substr(1);
        return text + exponent_text(exponent);
    }
    if (d.point <= 0) return text + "0." + std::string(static_cast<std::size_t>(-d.point), '0') + d.digits;
    if (d.point >= size) return text + d.digits + std::string(static_cast<std::size_t>(d.point - size), '0');
    const auto split = static_cast<std::size_t>(d.point);
    return text + d.digits.substr(0, split) + "." + d.digits.substr(split);
}

}  // namespace

double round_half_even(double x, int places) {
    if (!std::isfinite(x)) return x;
    Decimal d = to_decimal_15(x);
    round_to_places(d, places, Tie::to_even);
    return to_double(d).value_or(x);
}

std::string format_fixed(double x, int places) {
    if (!std::isfinite(x)) return non_finite(x);
    Decimal d = to_decimal_15(x);
    round_to_places(d, places, Tie::away_from_zero);
    std::string text = sign_of(d);
    if (d.point <= 0 || d.is_zero()) {
        text += '0';
    } else {
        for (int i = 0; i < d.point; ++i) text += digit_at(d, i);
    }
    if (places > 0) {
        text += '.';
        for (int i = 0; i < places; ++i) text += digit_at(d, d.point + i);
    }
    return text;
}

std::string format_scientific(double x) {
    if (!std::isfinite(x)) return non_finite(x);
    Decimal d = to_decimal_15(x);
    if (d.is_zero()) return "0.00E+00";
    round_to_digits(d, 3, Tie::away_from_zero);
    std::string text = sign_of(d);
    text += digit_at(d, 0);
    text += '.';
    text += digit_at(d, 1);
    text += digit_at(d, 2);
    return text + exponent_text(d.point - 1);
}

std::string number_to_text(double x) {
    if (!std::isfinite(x)) return non_finite(x);
    std::string text = plain_text(to_decimal_15(x));
    if (parse_number(text).overflow) text = plain_text(to_decimal_shortest(x));
    return text;
}

}  // namespace metrova
