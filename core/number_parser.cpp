#include "number_parser.h"

#include <algorithm>
#include <charconv>
#include <cstdint>
#include <limits>
#include <string>
#include <system_error>

namespace metrova {
namespace {

constexpr bool is_blank(char c) noexcept { return c == ' ' || c == '\t' || c == '\n'; }
constexpr bool is_digit(char c) noexcept { return c >= '0' && c <= '9'; }

// Walks the text one significant character at a time, stepping over blanks,
// and remembers where the last character taken into the number ended.
class Cursor {
public:
    explicit Cursor(std::string_view text) noexcept : text_(text) { skip_blanks(); }

    [[nodiscard]] char peek() const noexcept { return pos_ < text_.size() ? text_[pos_] : '\0'; }
    [[nodiscard]] std::size_t position() const noexcept { return pos_; }
    void take() noexcept {
        ++pos_;
        skip_blanks();
    }
    // Takes the character as part of the number: the number ends after it
    // unless a later character is taken too (blanks after it never count).
    void take_and_mark() noexcept {
        ++pos_;
        last_end_ = pos_;
        skip_blanks();
    }
    void rewind(std::size_t pos) noexcept { pos_ = pos; }
    [[nodiscard]] std::size_t end_of_last() const noexcept { return last_end_; }

private:
    void skip_blanks() noexcept {
        while (pos_ < text_.size() && is_blank(text_[pos_])) ++pos_;
    }

    std::string_view text_;
    std::size_t pos_ = 0;
    std::size_t last_end_ = 0;
};

int radix_digit(char c, int radix) noexcept {
    int d = 99;
    if (c >= '0' && c <= '9')
        d = c - '0';
    else if (c >= 'a' && c <= 'f')
        d = c - 'a' + 10;
    else if (c >= 'A' && c <= 'F')
        d = c - 'A' + 10;
    return d < radix ? d : -1;
}

ParsedNumber parse_radix(Cursor& in, int radix) noexcept {
    std::uint64_t value = 0;
    bool overflow = false;
    for (int d = radix_digit(in.peek(), radix); d >= 0; d = radix_digit(in.peek(), radix)) {
        constexpr std::uint64_t kMax = std::numeric_limits<std::uint64_t>::max();
        const auto digit = static_cast<std::uint64_t>(d);
        const auto base = static_cast<std::uint64_t>(radix);
        if (value > (kMax - digit) / base) overflow = true;
        value = value * base + digit;
        in.take_and_mark();
    }
    if (overflow) return {0.0, in.end_of_last(), true};
    return {static_cast<double>(value), in.end_of_last(), false};
}

// Adds without leaving [-kLimit, kLimit]; the exponents of real inputs are far
// inside it, and anything beyond is an overflow or an underflow either way.
constexpr std::int64_t kLimit = std::int64_t{1} << 40;
std::int64_t saturating_add(std::int64_t a, std::int64_t b) noexcept {
    const std::int64_t sum = a + b;  // both operands lie within +-kLimit
    return sum > kLimit ? kLimit : (sum < -kLimit ? -kLimit : sum);
}

}  // namespace

ParsedNumber parse_number(std::string_view text) noexcept {
    Cursor in(text);

    if (in.peek() == '&') {
        in.take();
        const char r = in.peek();
        if (r == 'H' || r == 'h' || r == 'O' || r == 'o') {
            in.take();
            return parse_radix(in, (r == 'H' || r == 'h') ? 16 : 8);
        }
        return {};
    }

    bool negative = false;
    if (in.peek() == '-' || in.peek() == '+') {
        negative = in.peek() == '-';
        in.take();
    }

    // The significant digits, without leading or trailing zeros, and the
    // decimal exponent of the point just before the first of them: the number
    // is 0.<digits> x 10^scale.
    std::string digits;
    std::int64_t scale = 0;
    std::int64_t trailing_zeros = 0;
    bool any_digit = false;
    bool seen_period = false;
    for (;;) {
        const char c = in.peek();
        if (is_digit(c)) {
            any_digit = true;
            if (c == '0' && digits.empty()) {
                if (seen_period) scale = saturating_add(scale, -1);
            } else if (c == '0') {
                ++trailing_zeros;
                if (!seen_period) scale = saturating_add(scale, 1);
            } else {
                digits.append(static_cast<std::size_t>(trailing_zeros), '0');
                trailing_zeros = 0;
                digits.push_back(c);
                if (!seen_period) scale = saturating_add(scale, 1);
            }
            in.take_and_mark();
        } else if (c == '.' && !seen_period) {
            seen_period = true;
            if (any_digit)
                in.take_and_mark();
            else
                in.take();
        } else {
            break;
        }
    }
    if (!any_digit) return {};

    const char e = in.peek();
    if (e == 'E' || e == 'e' || e == 'D' || e == 'd') {
        const std::size_t before = in.position();
        in.take();
        bool exp_negative = false;
        if (in.peek() == '-' || in.peek() == '+') {
            exp_negative = in.peek() == '-';
            in.take();
        }
        if (is_digit(in.peek())) {
            std::int64_t exponent = 0;
            while (is_digit(in.peek())) {
                exponent = std::min<std::int64_t>(exponent * 10 + (in.peek() - '0'), kLimit);
                in.take_and_mark();
            }
            scale = saturating_add(scale, exp_negative ? -exponent : exponent);
        } else {
            in.rewind(before);
        }
    }

    const double zero = negative ? -0.0 : 0.0;
    const std::size_t consumed = in.end_of_last();
    if (digits.empty()) return {zero, consumed, false};
    // 0.1 x 10^310 is past the largest double; 0.999.. x 10^-330 rounds to 0.
    if (scale > 310) return {0.0, consumed, true};
    if (scale < -330) return {zero, consumed, false};

    std::string canonical = "0.";
    canonical += digits;
    canonical += 'e';
    canonical += std::to_string(scale);
    double magnitude = 0.0;
    const auto [ptr, ec] = std::from_chars(canonical.data(), canonical.data() + canonical.size(), magnitude);
    (void)ptr;
    if (ec == std::errc::result_out_of_range) {
        if (scale > 0) return {0.0, consumed, true};
        magnitude = 0.0;
    }
    return {negative ? -magnitude : magnitude, consumed, false};
}

}  // namespace metrova
