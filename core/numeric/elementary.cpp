#include "elementary.h"

#include <array>
#include <bit>
#include <cmath>
#include <cstdint>
#include <limits>
#include <optional>

#include "elementary_tables.h"
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

double overflowed() noexcept {
    volatile double largest = std::numeric_limits<double>::max();
    return largest * 2;  // +inf, raising the overflow flag
}

// A NaN as an operation passes it on: a signalling one quieted, raising the
// invalid flag, a quiet one unchanged without a flag. Returning x itself
// would leave the flag to the compiler's test for NaN (a comparison raises
// it, a look at the bits does not).
double quieted(double nan) noexcept {
    volatile double operand = nan;
    return operand + 0.0;
}

double invalid() noexcept {
    volatile double zero = 0.0;
    return zero / zero;  // NaN, raising the invalid flag
}

// 10^0 .. 10^22 are doubles: 5^22 has 52 bits.
constexpr std::array<double, 23> kExactPowers = {1e0,  1e1,  1e2,  1e3,  1e4,  1e5,  1e6,  1e7,  1e8,  1e9,  1e10, 1e11,
                                                 1e12, 1e13, 1e14, 1e15, 1e16, 1e17, 1e18, 1e19, 1e20, 1e21, 1e22};

// 10^k for a whole k in -323..308: exactly, then rounded once. Within 22 of 0
// the power is a double, and 10^-k one correctly rounded division by it.
double power_of_ten_exact(int k) noexcept {
    const auto magnitude = static_cast<std::size_t>(k < 0 ? -k : k);
    if (magnitude < kExactPowers.size()) return k < 0 ? 1.0 / kExactPowers[magnitude] : kExactPowers[magnitude];
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

// The fast paths: double and double-double arithmetic, each operation
// rounded once to double (no fused multiply-add: -ffp-contract=off), so that
// every processor gives the same bits. Each ends in an approximation hi + lo
// of the exact value y, hi = hi + lo rounded, with |hi + lo - y| <= bound |y|
// for the bound proven in p10_error.gappa and ln_error.gappa (scripts/
// numeric-proof); when that interval may hold a midpoint between two
// doubles, the fixed-point evaluation above decides.

// The bounds that the rounding test relies on, as proven.
constexpr double kP10ErrorBound = 0x1.8p-70;
constexpr double kLnErrorBound = 0x1.cp-71;

// The rounding test: hi + lo C rounds to hi only when |lo| C is at most half
// the gap between hi and its neighbour on lo's side (the addition itself
// sees that the gap towards 0 is the smaller one at a power of two). That
// gap is at least 2^-54 |hi|, so with C = 1 + 2^55 bound the margin |lo| (C -
// 1) left below it exceeds the error bound |y| twice over, whatever the
// roundings of lo C and of the sum. On the other side only the error bound
// counts, far below either gap.
constexpr double margin_of(double bound) noexcept { return 1 + bound * 0x1p55; }
constexpr double kP10Margin = margin_of(kP10ErrorBound);
constexpr double kLnMargin = margin_of(kLnErrorBound);

bool decided(double hi, double lo, double margin) noexcept { return hi + lo * margin == hi; }

// Veltkamp's split: a = hi + lo, each of at most 26 significant bits.
struct Split {
    double hi, lo;
};
Split split(double a) noexcept {
    const double t = a * 0x1.0000002p27;  // 2^27 + 1
    const double hi = t - (t - a);
    return {hi, a - hi};
}

// 10^x = 2^exponent (hi + lo), hi within a hair of [1, 2). k = exponent 2^8 +
// j is x log2(10) 2^8 rounded, so that 10^x = 2^exponent 2^(j / 2^8) 10^rho
// with rho = x - k log10(2) / 2^8, |rho| <= 2^-10.7, held as r + rr: x - k
// kStepHi is exact (k kStepHi has at most 19 + 34 bits, and it lies near x),
// and the rest of k c is added by a Fast2Sum, exact although r_lo may be the
// larger: r_hi is a multiple of a power of two at least the last place of
// r_lo. Then with T = 2^(j / 2^8) and U = T ln 10 from the table, 10^x /
// 2^exponent = T + U rho + T (10^rho - 1 - rho ln 10), the first two in
// double-double (U's leading part has 26 bits, so U r is exact as Dekker's
// product), the last a short polynomial in double.
struct Scaled {
    double hi, lo;
    int exponent;
};
Scaled power_of_ten_fast(double x) noexcept {
    using namespace numeric;
    constexpr double kShifter = 0x1.8p52;  // adding it rounds to an integer
    const double shifted = x * kPowScale + kShifter;
    const double kd = shifted - kShifter;
    const auto k =
        static_cast<std::int64_t>(std::bit_cast<std::uint64_t>(shifted) - std::bit_cast<std::uint64_t>(kShifter));
    const double r_hi = x - kd * kStepHi;
    const double r_lo = -(kd * kStepLo);
    const double r = r_hi + r_lo;
    const double rr = r_lo - (r - r_hi);

    const PowEntry& t = kPowTable[static_cast<std::size_t>(k & (kPowTable.size() - 1))];
    const Split rs = split(r);
    const double p = t.uHi * r;
    const double p_error = (t.uHi * rs.hi - p) + t.uHi * rs.lo;
    const double q = kPowPoly[0] + r * (kPowPoly[1] + r * (kPowPoly[2] + r * (kPowPoly[3] + r * kPowPoly[4])));
    const double poly = t.tHi * ((r * r) * q);
    const double s = t.tHi + p;  // Fast2Sum: |p| < 2^-7 <= tHi
    const double s_error = p - (s - t.tHi);
    const double rest = s_error + (((t.tLo + p_error) + (t.uLo * r + t.uHi * rr)) + poly);
    const double hi = s + rest;
    return {hi, rest - (hi - s), static_cast<int>(k >> 8)};
}

double power_of_two(int n) noexcept { return std::bit_cast<double>(static_cast<std::uint64_t>(n + 1023) << 52); }

// 10^x for x in [-323.61, 308.26], not whole, with |x| >= 307: the results
// that overflow or are subnormal, or may be. `undecided` takes x when the
// rounding test cannot decide.
template <typename Undecided>
double power_of_ten_at_edges(double x, Undecided undecided) noexcept {
    const Scaled s = power_of_ten_fast(x);
    if (s.exponent > 0) {
        if (!decided(s.hi, s.lo, kP10Margin)) return undecided(x);
        // hi 2^exponent, in two exact steps unless it overflows, which raises
        // the overflow flag as it should.
        return s.hi * power_of_two(s.exponent - 1000) * 0x1p1000;
    }
    if (s.exponent > -1022) {  // normal: 2^-1021 x 0.99.. is above 2^-1022
        if (!decided(s.hi, s.lo, kP10Margin)) return undecided(x);
        return s.hi * power_of_two(s.exponent);
    }
    // Subnormal or 0: rounded to a multiple of u = 2^(-1074 - exponent), the
    // smallest subnormal at the scale of hi (u is 2^-52 to 4). Adding 1.5
    // 2^52 u rounds hi to such a multiple h, ties to even as the format does;
    // lo may move hi + lo past the midpoint next to h, to the next multiple.
    // The rest below u must stay clear of u / 2 by the bound and by the
    // rounding of the rest itself (u 2^-50).
    const double u = power_of_two(-1074 - s.exponent);
    const double big = 0x1.8p52 * u;
    double h = (s.hi + big) - big;
    double rest = (s.hi - h) + s.lo;
    if (rest > 0.5 * u) {
        h += u;
        rest -= u;
    } else if (rest < -0.5 * u) {
        h -= u;
        rest += u;
    }
    if (!(std::fabs(rest) + (s.hi * (2 * kP10ErrorBound) + u * 0x1p-50) < 0.5 * u)) return undecided(x);
    // h 2^exponent is a multiple of 2^-1074: both steps are exact.
    return h * 0x1p-600 * power_of_two(s.exponent + 600);
}

// ln x = e ln 2 - ln r + log1p(z) with x = 2^e m, m in [1, 2) and r = k /
// 2^10 from the table entry nearest m: z = m r - 1 is exact (a multiple of
// 2^-62 below 2^-9), formed from m's upper 43 bits and lower 10, each
// product exact. A = e ln 2 - ln r is exact in its leading part (multiples
// of 2^-42 below 2^10), and z - z^2 / 2 is kept in double-double: z^2 =
// zh^2 + zl (z + zh) with zh of 26 bits, so zh^2 is exact and the rest small.
// The rest of log1p(z) is a short polynomial in double.
struct Approximation {
    double hi, lo;
};
Approximation log_fast(std::uint64_t bits, int exponent) noexcept {
    using namespace numeric;
    constexpr std::uint64_t kOne = 0x3ff0000000000000;
    const std::uint64_t fraction = bits & (kHidden - 1);
    const LogEntry& t = kLogTable[static_cast<std::size_t>((fraction + (std::uint64_t{1} << 41)) >> 42)];
    const auto m = std::bit_cast<double>(fraction | kOne);
    const auto m_hi = std::bit_cast<double>((fraction | kOne) & ~std::uint64_t{0x3ff});
    const double m_lo = m - m_hi;
    const double z = (m_hi * t.r - 1) + m_lo * t.r;

    const auto e = static_cast<double>(exponent);
    const double a_hi = e * kLn2Hi + t.tauHi;
    const double a_lo = e * kLn2Lo + t.tauLo;
    const Split zs = split(z);
    const double q = kLogPoly[0] + z * (kLogPoly[1] + z * (kLogPoly[2] + z * (kLogPoly[3] + z * kLogPoly[4])));
    const double tail = ((z * z) * z) * q;

    // Fast2Sums: a_hi is 0 or at least |z| (elementary_tables.sollya checks
    // every entry); |s1| stays above zh^2 / 2.
    const double s1 = a_hi + z;
    const double e1 = z - (s1 - a_hi);
    const double h2 = -0.5 * (zs.hi * zs.hi);
    const double s2 = s1 + h2;
    const double e2 = h2 - (s2 - s1);
    const double rest = ((e1 + e2) + -0.5 * (zs.lo * (z + zs.hi))) + (tail + a_lo);
    const double hi = s2 + rest;
    return {hi, rest - (hi - s2)};
}

// 10^x; `undecided` takes x when the rounding test cannot decide.
template <typename Undecided>
double power_of_ten(double x, Undecided undecided) noexcept {
    const std::uint64_t magnitude = std::bit_cast<std::uint64_t>(x) & ~kSignBit;
    constexpr std::uint64_t kTiny = 0x3c30000000000000;   // 2^-60
    constexpr std::uint64_t kLarge = 0x4073300000000000;  // 307
    if (magnitude - kTiny >= kLarge - kTiny) [[unlikely]] {
        if (std::isnan(x)) return quieted(x);
        if (x > 308.26) return std::isinf(x) ? x : overflowed();
        if (x < -323.61) return 0.0;
        if (magnitude < kTiny) return 1.0;                  // 10^x within 2^-58 of 1: 1 is nearest
        if (static_cast<int>(x) == x) return undecided(x);  // 10^307 and 10^308 never overflow
        return power_of_ten_at_edges(x, undecided);
    }
    const int whole = static_cast<int>(x);
    if (whole == x) return whole >= -22 && whole <= 22 ? power_of_ten_exact(whole) : undecided(x);
    const Scaled s = power_of_ten_fast(x);
    if (!decided(s.hi, s.lo, kP10Margin)) return undecided(x);
    // |x| < 307: 2^exponent hi is a normal double, formed on the bits.
    return std::bit_cast<double>(std::bit_cast<std::uint64_t>(s.hi) + (static_cast<std::uint64_t>(s.exponent) << 52));
}

// ln x; `undecided` takes x when the rounding test cannot decide.
template <typename Undecided>
double logarithm(double x, Undecided undecided) noexcept {
    auto bits = std::bit_cast<std::uint64_t>(x);
    int exponent = static_cast<int>(bits >> 52) - 1023;
    constexpr std::uint64_t kSmallestNormal = kHidden;
    if (bits - kSmallestNormal >= kInfinityBits - kSmallestNormal) [[unlikely]] {
        if (std::isnan(x)) return quieted(x);
        if (x <= 0) return invalid();
        if (std::isinf(x)) return x;
        bits = std::bit_cast<std::uint64_t>(x * 0x1p54);  // a subnormal made normal, exactly
        exponent = static_cast<int>(bits >> 52) - 1023 - 54;
    }
    const Approximation a = log_fast(bits, exponent);
    // ln 1 = +0 passes the test, exactly.
    if (!decided(a.hi, a.lo, kLnMargin)) return undecided(x);
    return a.hi;
}

// The accurate paths, out of line: the fast paths' callers inline them.
[[gnu::noinline]] double p10_accurate(double x) noexcept {
    const int k = static_cast<int>(x);
    if (k == x) return power_of_ten_exact(k);
    return first_settled([x](int bits) { return power_of_ten_at(x, bits); });
}

[[gnu::noinline]] double ln_accurate(double x) noexcept {
    const Binary b = binary_of(x);
    return first_settled([b](int bits) { return log_at(b, bits); });
}

}  // namespace

double p10(double x) noexcept { return power_of_ten(x, p10_accurate); }

double ln(double x) noexcept { return logarithm(x, ln_accurate); }

namespace inspect {

bool p10_decided_fast(double x) noexcept {
    bool decided_fast = true;
    static_cast<void>(power_of_ten(x, [&decided_fast](double) noexcept {
        decided_fast = false;
        return 0.0;
    }));
    return decided_fast;
}

bool ln_decided_fast(double x) noexcept {
    bool decided_fast = true;
    static_cast<void>(logarithm(x, [&decided_fast](double) noexcept {
        decided_fast = false;
        return 0.0;
    }));
    return decided_fast;
}

double p10_without_fast_path(double x) noexcept {
    return std::isfinite(x) && x > -323.61 && x < 308.26 ? p10_accurate(x) : p10(x);
}

double ln_without_fast_path(double x) noexcept { return std::isfinite(x) && x > 0 && x != 1 ? ln_accurate(x) : ln(x); }

std::optional<double> p10_at(double x, int bits) noexcept { return power_of_ten_at(x, bits); }

std::optional<double> ln_at(double x, int bits) noexcept { return log_at(binary_of(x), bits); }

}  // namespace inspect

}  // namespace metrova
