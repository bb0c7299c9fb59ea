// The fast paths of p10 and ln (elementary.cpp): double and double-double
// arithmetic with small tables (elementary_tables.h), in two variants that
// give the same results. The plain one rounds every operation to double and
// fuses none (-ffp-contract=off), so any processor runs it. The fused one
// computes a x b + c with one rounding (the fused multiply-add) for the
// exact products and the polynomials; elementary.cpp compiles it for the
// processors that have the instruction and chooses it at run time.
//
// Each function transcribes a Gappa script beside this file operation for
// operation, in the same order: p10_error.gappa, p10_fused_error.gappa,
// ln_error.gappa, ln_fused_error.gappa (and their near-one cases), which
// prove that the double-double hi + lo, hi = hi + lo rounded, lies within
// the error bound of elementary_tables.h of the exact value y. The rounding
// test then sends hi on when no midpoint between two doubles can lie
// between hi + lo and y. tests/sweep/gappa_models.cpp evaluates the
// scripts' definitions in exact arithmetic and holds hi and lo here to them
// bit for bit: an expression changed here must change in its script too.
//
// Round to nearest and gradual underflow: the proofs assume them, and
// elementary.h says why no caller can change them.
#pragma once

#include <bit>
#include <cstdint>

#include "elementary_tables.h"

namespace metrova::fast {

inline constexpr std::uint64_t kHidden = std::uint64_t{1} << 52;

// 2^exponent (hi + lo), hi within a hair of [1, 2).
struct Scaled {
    double hi, lo;
    int exponent;
};

struct Approximation {
    double hi, lo;
};

// a with its last 27 bits of mantissa cleared: a rounded towards zero to 26
// bits, so that the product of two such numbers is exact.
[[gnu::always_inline]] inline double upper_26_bits(double a) noexcept {
    return std::bit_cast<double>(std::bit_cast<std::uint64_t>(a) & ~((std::uint64_t{1} << 27) - 1));
}

// The reduction of 10^x: k = exponent 2^8 + j is x log2(10) 2^8 rounded (the
// shifter's addition rounds to an integer), so that 10^x = 2^exponent 2^(j /
// 2^8) 10^rho with rho = x - k log10(2) / 2^8, held as r + rr. x - k kStepHi
// is exact (k kStepHi has at most 19 + 34 bits and lies near x), and the rest
// of k log10(2) / 2^8 is added by a Fast2Sum, exact although r_lo may be the
// larger: r_hi is a multiple of a power of two at least the last place of
// r_lo.
struct Reduced {
    double r, rr;
    std::int64_t k;
};
constexpr double kShifter = 0x1.8p52;
[[gnu::always_inline]] inline Reduced reduced(double shifted, double x) noexcept {
    using namespace numeric;
    const double kd = shifted - kShifter;
    const auto k =
        static_cast<std::int64_t>(std::bit_cast<std::uint64_t>(shifted) - std::bit_cast<std::uint64_t>(kShifter));
    const double r_hi = x - kd * kStepHi;
    const double r_lo = -(kd * kStepLo);
    const double r = r_hi + r_lo;
    return {r, r_lo - (r - r_hi), k};
}

[[gnu::always_inline]] inline const numeric::PowEntry& power_entry(std::int64_t k) noexcept {
    return numeric::kPowTable[static_cast<std::size_t>(k & (numeric::kPowTable.size() - 1))];
}

// 10^x / 2^exponent = T + U rho + T (10^rho - 1 - rho ln 10) with T = 2^(j /
// 2^8) and U = T ln 10 from the table: the first two in double-double (U's
// leading part has 26 bits, so U r is exact as Dekker's product of it and
// r's two halves), the last a short polynomial in double, by Horner's scheme
// (Estrin's would need a larger error bound).
[[gnu::always_inline]] inline Scaled power_of_ten_plain(double x) noexcept {
    using namespace numeric;
    const Reduced d = reduced(x * kPowScale + kShifter, x);
    const double r = d.r;
    const PowEntry& t = power_entry(d.k);
    const double r_hi = upper_26_bits(r);
    const double p = t.uHi * r;
    const double p_error = (t.uHi * r_hi - p) + t.uHi * (r - r_hi);
    const double q = kPowPoly[0] + r * (kPowPoly[1] + r * (kPowPoly[2] + r * (kPowPoly[3] + r * kPowPoly[4])));
    const double poly = t.tHi * ((r * r) * q);
    const double s = t.tHi + p;  // Fast2Sum: |p| < 2^-7 <= tHi
    const double s_error = p - (s - t.tHi);
    const double rest = s_error + (((t.tLo + p_error) + (t.uLo * r + t.uHi * d.rr)) + poly);
    const double hi = s + rest;
    return {hi, rest - (hi - s), static_cast<int>(d.k >> 8)};
}

// ln x = e ln 2 - ln r + log1p(z) with x = 2^e m, m in [1, 2) and r = k /
// 2^10 from the table entry nearest m: z = m r - 1 is exact (a multiple of
// 2^-62 below 2^-9), formed from m's upper 43 bits and lower 10, each product
// exact. A = e ln 2 - ln r is exact in its leading part (multiples of 2^-42
// below 2^10), and z - z^2 / 2 is kept in double-double: z^2 = zh^2 + zl (z +
// zh) with zh the upper 26 bits of z, so zh^2 is exact and the rest small.
// The rest of log1p(z) is a short polynomial in double, by Horner's scheme
// (Estrin's would need a larger error bound here). Fast2Sums: a_hi is 0
// or at least |z| (elementary_tables.sollya checks every entry); |s1| stays
// above zh^2 / 2.
struct Logarithm {
    const numeric::LogEntry& t;
    double m, e;
};
[[gnu::always_inline]] inline Logarithm log_reduced(std::uint64_t bits, int exponent) noexcept {
    constexpr std::uint64_t kOne = 0x3ff0000000000000;
    const std::uint64_t fraction = bits & (kHidden - 1);
    return {numeric::kLogTable[static_cast<std::size_t>((fraction + (std::uint64_t{1} << 41)) >> 42)],
            std::bit_cast<double>(fraction | kOne), static_cast<double>(exponent)};
}

[[gnu::always_inline]] inline Approximation log_plain(std::uint64_t bits, int exponent) noexcept {
    using namespace numeric;
    const Logarithm g = log_reduced(bits, exponent);
    const LogEntry& t = g.t;
    const auto m_hi = std::bit_cast<double>(std::bit_cast<std::uint64_t>(g.m) & ~std::uint64_t{0x3ff});
    const double m_lo = g.m - m_hi;
    const double z = (m_hi * t.r - 1) + m_lo * t.r;

    const double a_hi = g.e * kLn2Hi + t.tauHi;
    const double a_lo = g.e * kLn2Lo + t.tauLo;
    const double z_hi = upper_26_bits(z);
    const double zz = z * z;
    const double q = kLogPoly[0] + z * (kLogPoly[1] + z * (kLogPoly[2] + z * (kLogPoly[3] + z * kLogPoly[4])));
    const double tail = (zz * z) * q;

    const double s1 = a_hi + z;
    const double e1 = z - (s1 - a_hi);
    const double h2 = -0.5 * (z_hi * z_hi);
    const double s2 = s1 + h2;
    const double e2 = h2 - (s2 - s1);
    const double rest = ((e1 + e2) + -0.5 * ((z - z_hi) * (z + z_hi))) + (tail + a_lo);
    const double hi = s2 + rest;
    return {hi, rest - (hi - s2)};
}

// The fused variant: a x b + c rounded once. Called only from functions
// compiled for processors with the instruction (elementary.cpp), into which
// these inline.
[[gnu::always_inline]] inline double fused(double a, double b, double c) noexcept { return __builtin_fma(a, b, c); }

// As power_of_ten_plain, with U r's error and the polynomial's steps fused;
// the polynomial by Estrin's scheme, whose shorter chain of dependent steps
// the proof allows here.
[[gnu::always_inline]] inline Scaled power_of_ten_fused(double x) noexcept {
    using namespace numeric;
    const Reduced d = reduced(fused(x, kPowScale, kShifter), x);
    const double r = d.r;
    const PowEntry& t = power_entry(d.k);
    const double p = t.uHi * r;
    const double p_error = fused(t.uHi, r, -p);
    const double r2 = r * r;
    const double q =
        fused(r2, fused(r2, kPowPoly[4], fused(r, kPowPoly[3], kPowPoly[2])), fused(r, kPowPoly[1], kPowPoly[0]));
    const double s = t.tHi + p;
    const double s_error = p - (s - t.tHi);
    const double rest = s_error + fused(t.tHi, r2 * q, (t.tLo + p_error) + fused(t.uLo, r, t.uHi * d.rr));
    const double hi = s + rest;
    return {hi, rest - (hi - s), static_cast<int>(d.k >> 8)};
}

// As log_plain, with z = m r - 1 in one exact step, z^2's error exact and
// the polynomial's steps fused, by Estrin's scheme.
[[gnu::always_inline]] inline Approximation log_fused(std::uint64_t bits, int exponent) noexcept {
    using namespace numeric;
    const Logarithm g = log_reduced(bits, exponent);
    const LogEntry& t = g.t;
    const double z = fused(g.m, t.r, -1.0);

    const double a_hi = fused(g.e, kLn2Hi, t.tauHi);
    const double a_lo = fused(g.e, kLn2Lo, t.tauLo);
    const double zz = z * z;
    const double zz_error = fused(z, z, -zz);
    const double q =
        fused(zz, fused(zz, kLogPoly[4], fused(z, kLogPoly[3], kLogPoly[2])), fused(z, kLogPoly[1], kLogPoly[0]));

    const double s1 = a_hi + z;
    const double e1 = z - (s1 - a_hi);
    const double h2 = -0.5 * zz;
    const double s2 = s1 + h2;
    const double e2 = h2 - (s2 - s1);
    const double rest = ((e1 + e2) + -0.5 * zz_error) + fused(zz * z, q, a_lo);
    const double hi = s2 + rest;
    return {hi, rest - (hi - s2)};
}

// The rounding test: hi + lo C rounds to hi only when |lo| C is at most half
// the gap between hi and its neighbour on lo's side; elementary_tables.sollya
// chooses C from the proven bound and checks that the test is then sound.
// The fused test forms lo C + hi with one rounding.
[[gnu::always_inline]] inline bool decided_plain(double hi, double lo, double factor) noexcept {
    return hi + lo * factor == hi;
}
[[gnu::always_inline]] inline bool decided_fused(double hi, double lo, double factor) noexcept {
    return fused(lo, factor, hi) == hi;
}

}  // namespace metrova::fast
