// The accurate path (elementary_accurate.h): fixed-point evaluations of 10^x
// and ln x with an error bound, the exact whole powers of ten, and the
// rounding of an exact binary number to the nearest double.
#include "elementary_accurate.h"

#include <bit>
#include <cstdint>
#include <optional>

#include "natural.h"

namespace metrova::accurate {
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
constexpr int kPrecisions[] = {128, 256};
constexpr int kLastPrecision = 256;

// The double that every value within kErrorUnits of approx x 2^exp2 rounds
// to, if there is one. At the last precision, the approximation's own
// rounding: there the error is below 2^13 units of 2^-256, 2^-243 relative
// to e^r in [1, 2) and below 2^-190 relative to ln x (|ln x| >= 2^-53 for x
// other than 1), while the searches for the hardest cases, which cover every
// double argument of both functions, found no exact value within 2^-115
// (relative) of a midpoint between two doubles.
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

constexpr int kConstantBits = 288;

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
Natural times(const Natural& a, const Natural& b, int bits) noexcept { return Natural::product_shifted(a, b, bits); }

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

// The widest number formed: 2^b with b the bits of 5^323 and 66 more, in
// the power of ten of a whole k = -323 below.
constexpr int kWidestExactPower = [] {
    Natural five(1);
    for (int i = 0; i < 323; ++i) five *= 5;
    return five.bit_length() + 66 + 1;
}();
static_assert(kWidestExactPower <= Natural::kBits, "Natural holds the widest number of the exact powers");

// 10^k for a whole k in -323..308: exactly, then rounded once.
double power_of_ten_exact(int k) noexcept {
    Natural five(1);
    for (int i = 0; i < (k < 0 ? -k : k); ++i) five *= 5;
    if (k >= 0) return nearest_double(five, k, false);
    // 10^k = (2^b / 5^-k) x 2^(k - b), b chosen so that the quotient has 66
    // bits. 5^-k never divides 2^b: the exact quotient lies strictly between
    // q and q + 1, and q + 1/2 rounds as it does (no midpoint of 53 bits lies
    // between them).
    const int b = five.bit_length() + 66;
    Natural rest = Natural::power_of_two(b);
    Natural q = Natural::take_quotient(rest, five);
    (q <<= 1) += Natural(1);
    return nearest_double(q, k - b - 1, false);
}

// The series of e^(f / 2^shift), summed in fixed point with `bits`
// fractional bits; each term is rounded down twice, so each adds 2 units of
// error at most.
Natural exp_series(const Natural& f, int shift, int bits) noexcept {
    Natural sum = Natural::power_of_two(bits);
    Natural term = sum;
    for (std::uint32_t n = 1; !term.is_zero(); ++n) {
        term = Natural::product_shifted(term, f, shift);
        term.divide(n);
        sum += term;
    }
    return sum;
}

// 10^x = e^(x ln 10) = 2^k e^r with 0 <= r <= ln 2, in fixed point with
// `bits` fractional bits: e^r = e^r1 e^r2 with r1 the leading 64 bits of r,
// so that each term of its series is a product with a two-limb number, and
// r2 < 2^-64, whose series ends after bits / 64 terms or so. x is no integer
// and 2^-60 <= |x| < 512, so x itself is exact in fixed point.
//
// Error, in units of 2^-bits: x ln 10 is off by at most |x| + 1 < 2^9 + 1;
// r adds k (below 1100) from k ln 2 and one unit, so r is within 2^11 and
// e^r (below 2) within 2^12. The two series add 2 units a term, some bits /
// 2 terms in all, and their product (each factor below 2) twice that and
// one unit: below 2^9. Below 2^13 in all.
std::optional<double> power_of_ten_at_bits(double x, int bits) noexcept {
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
    Natural r1 = r;
    r1 >>= bits - 64;
    Natural r2 = r;
    r2 -= Natural(r1) <<= bits - 64;
    const Natural sum = times(exp_series(r1, 64, bits), exp_series(r2, bits, bits), bits);
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

double power_of_ten(double x) noexcept {
    const int k = static_cast<int>(x);
    if (k == x) return power_of_ten_exact(k);
    return first_settled([x](int bits) { return power_of_ten_at_bits(x, bits); });
}

double logarithm(double x) noexcept {
    const Binary b = binary_of(x);
    return first_settled([b](int bits) { return log_at(b, bits); });
}

std::optional<double> power_of_ten_at(double x, int bits) noexcept { return power_of_ten_at_bits(x, bits); }

std::optional<double> logarithm_at(double x, int bits) noexcept { return log_at(binary_of(x), bits); }

}  // namespace metrova::accurate
