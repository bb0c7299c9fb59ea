#include "elementary.h"

#include <array>
#include <bit>
#include <cmath>
#include <cstdint>
#include <limits>
#include <optional>

#include "natural.h"

namespace metrova {
namespace {

constexpr std::uint64_t kSignBit = std::uint64_t{1} << 63;
constexpr std::uint64_t kInfinityBits = std::uint64_t{0x7ff} << 52;
constexpr std::uint64_t kHidden = std::uint64_t{1} << 52;

// The double nearest to n x 2^exp2, negated when `negative`: ties to even, a
// subnormal rounded at its own precision, +-infinity past the largest double.
double nearest_double(const Natural& n, int exp2, bool negative) noexcept {
    const std::uint64_t sign = negative ? kSignBit : 0;
    const int length = n.bit_length();
    if (length == 0) return std::bit_cast<double>(sign);
    const int top = length - 1 + exp2;  // n x 2^exp2 lies in [2^top, 2^(top + 1))
    if (top > 1023) return std::bit_cast<double>(sign | kInfinityBits);
    int quantum = top >= -1022 ? top - 52 : -1074;  // the weight of the last bit kept
    const int drop = quantum - exp2;
    std::uint64_t mantissa = 0;
    if (drop <= 0) {
        mantissa = (Natural(n) <<= -drop).low64();
    } else {
        mantissa = (Natural(n) >>= drop).low64();
        const bool half = n.bit(drop - 1);
        if (half && (n.any_below(drop - 1) || (mantissa & 1) != 0)) ++mantissa;
    }
    if (mantissa == 2 * kHidden) {  // the rounding carried into the next power of two
        mantissa = kHidden;
        ++quantum;
    }
    if (mantissa < kHidden) return std::bit_cast<double>(sign | mantissa);  // subnormal, quantum -1074
    const int biased = quantum + 52 + 1023;
    if (biased >= 0x7ff) return std::bit_cast<double>(sign | kInfinityBits);
    return std::bit_cast<double>(sign | (static_cast<std::uint64_t>(biased) << 52) | (mantissa - kHidden));
}

// Fixed-point evaluations carry at most this many units of their last bit
// as error (bounded below for each function, with room to spare).
constexpr std::uint32_t kErrorUnits = 1U << 13;

// The precisions tried in turn, in fractional bits.
constexpr int kPrecisions[] = {128, 256, 512};
constexpr int kLastPrecision = 512;

// The double that every value within kErrorUnits of approx x 2^exp2 rounds
// to, if there is one. At the last precision, which the hardest case does
// not come near, the approximation's own rounding.
std::optional<double> settled(const Natural& approx, int exp2, bool negative, int bits) noexcept {
    if (bits == kLastPrecision) return nearest_double(approx, exp2, negative);
    const Natural error(kErrorUnits);
    if (approx <= error) return std::nullopt;
    Natural low = approx;
    low -= error;
    Natural high = approx;
    high += error;
    const double a = nearest_double(low, exp2, negative);
    const double b = nearest_double(high, exp2, negative);
    if (std::bit_cast<std::uint64_t>(a) != std::bit_cast<std::uint64_t>(b)) return std::nullopt;
    return a;
}

constexpr int kConstantBits = 576;

// atanh(1/q) x 2^bits, rounded down: the sum of 1 / ((2k + 1) q^(2k + 1)),
// each term rounded down.
constexpr Natural atanh_of_inverse(std::uint32_t q, int bits) noexcept {
    Natural power = Natural::power_of_two(bits);
    power.divide(q);
    Natural sum;
    for (std::uint32_t k = 1; !power.is_zero(); k += 2) {
        Natural term = power;
        term.divide(k);
        sum += term;
        power.divide(q * q);
    }
    return sum;
}

// ln 2 = 2 atanh(1/3) and ln 10 = 3 ln 2 + ln 1.25 = 6 atanh(1/3) + 2 atanh(1/9),
// to kConstantBits fractional bits, less than one unit of the last too low.
constexpr int kGuardBits = 32;
constexpr Natural kLn2 = [] {
    Natural x = atanh_of_inverse(3, kConstantBits + kGuardBits);
    x *= 2;
    return x >>= kGuardBits;
}();
constexpr Natural kLn10 = [] {
    Natural x = atanh_of_inverse(3, kConstantBits + kGuardBits);
    x *= 6;
    Natural y = atanh_of_inverse(9, kConstantBits + kGuardBits);
    y *= 2;
    x += y;
    return x >>= kGuardBits;
}();

Natural constant_at(const Natural& constant, int bits) noexcept { return Natural(constant) >>= kConstantBits - bits; }

// (a x b) / 2^bits, rounded down.
Natural times(const Natural& a, const Natural& b, int bits) noexcept { return (a * b) >>= bits; }

// A finite, non-zero |x| as mantissa x 2^exponent with the mantissa in
// [2^52, 2^53), subnormals included.
struct Binary {
    std::uint64_t mantissa;
    int exponent;
};
Binary binary_of(double x) noexcept {
    const std::uint64_t bits = std::bit_cast<std::uint64_t>(x) & ~kSignBit;
    const auto field = static_cast<int>(bits >> 52);
    Binary b{bits & (kHidden - 1), field == 0 ? -1074 : field - 1075};
    if (field != 0) {
        b.mantissa |= kHidden;
    } else {
        while (b.mantissa < kHidden) {
            b.mantissa <<= 1;
            --b.exponent;
        }
    }
    return b;
}

double overflowed() noexcept {
    volatile double largest = std::numeric_limits<double>::max();
    return largest * 2;  // +inf, raising the overflow flag
}

double invalid() noexcept {
    volatile double zero = 0.0;
    return zero / zero;  // NaN, raising the invalid flag
}

// 10^0 .. 10^22 are doubles: 5^22 has 52 bits.
constexpr std::array<double, 23> kExactPowers = {1e0,  1e1,  1e2,  1e3,  1e4,  1e5,  1e6,  1e7,  1e8,  1e9,  1e10, 1e11,
                                                 1e12, 1e13, 1e14, 1e15, 1e16, 1e17, 1e18, 1e19, 1e20, 1e21, 1e22};

// 10^k for a whole k in -343..308: exactly, then rounded once. Within 22 of 0
// the power is a double, and 10^-k one correctly rounded division by it.
double power_of_ten_exact(int k) noexcept {
    const auto magnitude = static_cast<std::size_t>(k < 0 ? -k : k);
    if (magnitude < kExactPowers.size()) return k < 0 ? 1.0 / kExactPowers[magnitude] : kExactPowers[magnitude];
    Natural five(1);
    for (int i = 0; i < (k < 0 ? -k : k); ++i) five *= 5;
    if (k >= 0) return nearest_double(five, k, false);
    // 10^k = (2^b / 5^-k) x 2^(k - b), b chosen so that the quotient has 66
    // bits. 5^-k never divides 2^b: the quotient q lies strictly between q
    // and q + 1, and q + 1/2 rounds as it does (no midpoint of 53 bits lies
    // between them).
    const int b = five.bit_length() + 66;
    Natural rest = Natural::power_of_two(b);
    Natural q = Natural::take_quotient(rest, five);
    (q <<= 1) += Natural(1);
    return nearest_double(q, k - b - 1, false);
}

// 10^x = e^(x ln 10) = 2^k e^r with 0 <= r <= ln 2, the series of e^r
// summed in fixed point with `bits` fractional bits. x is no integer and
// 2^-60 <= |x| < 512, so x itself is exact in fixed point.
//
// Error, in units of 2^-bits: x ln 10 is off by at most |x| + 1 < 2^9 + 1;
// r adds k (below 1100) from k ln 2 and one unit, so r is within 2^11 and
// e^r (below 2) within 2^12; each term of the series adds 2 at most, some
// bits / 2 terms in all. Below 2^13.
std::optional<double> power_of_ten_at(double x, int bits) noexcept {
    const Binary b = binary_of(x);
    const bool negative = x < 0;
    Natural t(b.mantissa);
    t <<= b.exponent + bits;
    t = times(t, constant_at(kLn10, bits), bits);  // |x| ln 10
    const Natural ln2 = constant_at(kLn2, bits);
    Natural r = t;
    const Natural whole = Natural::take_quotient(r, ln2);  // |x| ln 10 = whole ln 2 + r
    int k = static_cast<int>(whole.low64());
    if (negative) {  // e^-(whole ln 2 + r) = 2^-(whole + 1) e^(ln 2 - r)
        k = -k - 1;
        Natural rest = ln2;
        rest -= r;
        r = rest;
    }
    Natural sum = Natural::power_of_two(bits);
    Natural term = sum;
    for (std::uint32_t n = 1; !term.is_zero(); ++n) {
        term = times(term, r, bits);
        term.divide(n);
        sum += term;
    }
    return settled(sum, k - bits, false, bits);
}

// ln x = e ln 2 + ln m with m in [sqrt(1/2), sqrt(2)), and ln m = 2 atanh(u)
// with u = (m - 1) / (m + 1), |u| < 0.172, summed in fixed point with `bits`
// fractional bits.
//
// Error, in units of 2^-bits: u is off by less than 1 unit; each term of the
// series by 3 at most, some bits / 5 terms, doubled; e ln 2 by |e| <= 1075.
// Below 2^12. The two parts never nearly cancel: |ln m| <= ln 2 / 2.
std::optional<double> log_at(Binary x, int bits) noexcept {
    constexpr std::uint64_t kSqrt2 = 0x16a09e667f3bcdULL;  // sqrt(2) x 2^52, rounded down
    int shift = bits - 52;
    int e = x.exponent + 52;
    if (x.mantissa > kSqrt2) {
        --shift;
        ++e;
    }
    Natural m(x.mantissa);
    m <<= shift;
    const Natural one = Natural::power_of_two(bits);
    const bool below_one = m < one;
    Natural distance = below_one ? one : m;
    distance -= below_one ? m : one;
    Natural sum_mn = m;
    sum_mn += one;
    distance <<= bits;
    const Natural u = Natural::take_quotient(distance, sum_mn);
    const Natural u2 = times(u, u, bits);
    Natural atanh = u;
    Natural power = u;
    for (std::uint32_t k = 3;; k += 2) {
        power = times(power, u2, bits);
        if (power.is_zero()) break;
        Natural term = power;
        term.divide(k);
        atanh += term;
    }
    atanh *= 2;  // |ln m|
    if (e == 0) return settled(atanh, -bits, below_one, bits);
    Natural magnitude = constant_at(kLn2, bits);
    magnitude *= static_cast<std::uint32_t>(e < 0 ? -e : e);
    const bool negative = e < 0;
    if (negative == below_one) {
        magnitude += atanh;
    } else {
        magnitude -= atanh;
    }
    return settled(magnitude, -bits, negative, bits);
}

template <typename Evaluate>
double first_settled(Evaluate evaluate) noexcept {
    for (const int bits : kPrecisions) {
        if (const std::optional<double> result = evaluate(bits)) return *result;
    }
    return 0.0;  // not reached: the last precision always settles
}

}  // namespace

double p10(double x) noexcept {
    if (std::isnan(x)) return x;
    if (x > 308.26) return std::isinf(x) ? x : overflowed();
    if (x < -323.61) return 0.0;
    const int k = static_cast<int>(x);
    if (k == x) return power_of_ten_exact(k);  // 10^0 .. 10^308 never overflow
    if (std::fabs(x) < 0x1p-60) return 1.0;    // 10^x within 2^-58 of 1: 1 is nearest
    const double result = first_settled([x](int bits) { return power_of_ten_at(x, bits); });
    return std::isinf(result) ? overflowed() : result;
}

double ln(double x) noexcept {
    if (std::isnan(x)) return x;
    if (x <= 0) return invalid();
    if (std::isinf(x)) return x;
    if (x == 1) return 0.0;
    const Binary b = binary_of(x);
    return first_settled([b](int bits) { return log_at(b, bits); });
}

}  // namespace metrova
