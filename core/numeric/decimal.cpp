#include "decimal.h"

#include <array>
#include <charconv>
#include <cmath>
#include <string_view>
#include <system_error>

namespace metrova {
namespace {

// Reads to_chars' scientific form "d.ddde+XX" (no sign: callers pass |x|).
Decimal from_scientific(std::string_view text, bool negative) {
    Decimal d;
    d.negative = negative;
    const std::size_t e = text.find('e');
    for (const char c : text.substr(0, e)) {
        if (c != '.') d.digits.push_back(c);
    }
    int exponent = 0;
    const std::string_view exp = text.substr(e + 1);
    std::from_chars(exp.data() + (exp.front() == '+' ? 1 : 0), exp.data() + exp.size(), exponent);
    d.point = exponent + 1;
    while (!d.digits.empty() && d.digits.back() == '0') d.digits.pop_back();
    if (d.digits == "0") d.digits.clear();  // x was zero
    return d;
}

template <typename... Precision>
Decimal convert(double x, Precision... precision) {
    std::array<char, 64> buf{};
    const auto result =
        std::to_chars(buf.data(), buf.data() + buf.size(), std::fabs(x), std::chars_format::scientific, precision...);
    return from_scientific(std::string_view(buf.data(), static_cast<std::size_t>(result.ptr - buf.data())),
                           std::signbit(x));
}

}  // namespace

Decimal to_decimal_15(double x) { return convert(x, 14); }

Decimal to_decimal_shortest(double x) { return convert(x); }

void round_to_digits(Decimal& d, int count, Tie tie) {
    const int size = static_cast<int>(d.digits.size());
    if (count >= size) return;
    if (count < 0) {
        d.digits.clear();
        return;
    }
    const auto at = static_cast<std::size_t>(count);
    const char first_dropped = d.digits[at];
    const bool more_after = size > count + 1;  // digits carry no trailing zeros
    bool up = first_dropped > '5' || (first_dropped == '5' && more_after);
    if (first_dropped == '5' && !more_after) {
        const bool kept_odd = count > 0 && (d.digits[at - 1] - '0') % 2 == 1;
        up = tie == Tie::away_from_zero || kept_odd;
    }
    d.digits.resize(at);
    if (up) {
        while (!d.digits.empty() && d.digits.back() == '9') d.digits.pop_back();
        if (d.digits.empty()) {
            d.digits.assign(1, '1');
            d.point += 1;
        } else {
            d.digits.back() = static_cast<char>(d.digits.back() + 1);
        }
    }
    while (!d.digits.empty() && d.digits.back() == '0') d.digits.pop_back();
}

void round_to_places(Decimal& d, int places, Tie tie) {
    if (!d.is_zero()) round_to_digits(d, d.point + places, tie);
}

std::optional<double> to_double(const Decimal& d) noexcept {
    if (d.is_zero()) return d.negative ? -0.0 : 0.0;
    if (d.digits.size() > kMaxDigits) return std::nullopt;
    // "0.", the digits, "e" and the point's exponent, which fits in 11 characters.
    std::array<char, 2 + kMaxDigits + 1 + 11> buf{};
    char* out = buf.data();
    *out++ = '0';
    *out++ = '.';
    for (const char c : d.digits) *out++ = c;
    *out++ = 'e';
    const std::to_chars_result end = std::to_chars(out, buf.data() + buf.size(), d.point);
    if (end.ec != std::errc{}) return std::nullopt;
    double value = 0.0;
    const std::from_chars_result read = std::from_chars(buf.data(), end.ptr, value);
    if (read.ec != std::errc{} || read.ptr != end.ptr) return std::nullopt;
    return d.negative ? -value : value;
}

}  // namespace metrova
