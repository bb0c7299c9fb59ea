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

// What a fast path names: each step that its script names, by the script's
// name, for the test that holds the C++ to the scripts step by step
// (inspect::fast_path). Untraced, the fast paths' default, keeps nothing and
// compiles to nothing.
struct Untraced {
    void operator()(const char* /*name*/, double /*value*/) const noexcept {}
};

// a with its last 27 bits of mantissa cleared: a rounded towards zero to 26
// bits, so that the product of two such numbers is exact.
[[gnu::always_inline]] inline double upper_26_bits(double a) noexcept {
    return std::bit_cast<double>(std::bit_cast<std::uint64_t>(a) & ~((std::uint64_t{1} << 27) - 1));
}

// The reduction of 10^x (p10_reduction.gappa): k = exponent 2^8 + j is x
// log2(10) 2^8 rounded (the shifter's addition rounds to an integer), so
// that 10^x = 2^exponent 2^(j / 2^8) 10^rho with rho = x - k log10(2) / 2^8,
// held as r + rr. x - k kStepHi is exact, and the rest of k log10(2) / 2^8
// is added by a Fast2Sum (fast2sum.gappa proves it exact, one binade of r
// at a time: r_lo may be the larger).
struct Reduced {
    double r, rr;
    std::int64_t k;
};
constexpr double kShifter = 0x1.8p52;
template <typename Note>
[[gnu::always_inline]] inline Reduced reduced(double shifted, double x, Note& note) noexcept {
    using namespace numeric;
    const double kd = shifted - kShifter;
    const auto k =
        static_cast<std::int64_t>(std::bit_cast<std::uint64_t>(shifted) - std::bit_cast<std::uint64_t>(kShifter));
    const double rh = x - kd * kStepHi;
    const double rlo = -(kd * kStepLo);
    const double r = rh + rlo;
    const double rr = rlo - (r - rh);
    note("shifted", shifted);
    note("kd", kd);
    note("rh", rh);
    note("rlo", rlo);
    note("r", r);
    note("rr", rr);
    return {r, rr, k};
}

[[gnu::always_inline]] inline const numeric::PowEntry& power_entry(std::int64_t k) noexcept {
    return numeric::kPowTable[static_cast<std::size_t>(k & (numeric::kPowTable.size() - 1))];
}

// 10^x / 2^exponent = T + U rho + T (10^rho - 1 - rho ln 10) with T = 2^(j /
// 2^8) and U = T ln 10 from the table: the first two in double-double (U's
// leading part has 26 bits, so U r's error is exact as Dekker's product of
// it and r's two halves, p10_product.gappa), the last a short polynomial in
// double, by Horner's scheme (Estrin's would need a larger error bound).
// The Fast2Sums: tHi >= 1 > |p| and |s| >= |rest| (p10_error.gappa).
template <typename Note = Untraced>
[[gnu::always_inline]] inline Scaled power_of_ten_plain(double x, Note note = {}) noexcept {
    using namespace numeric;
    const Reduced d = reduced(x * kPowScale + kShifter, x, note);
    const double r = d.r;
    const PowEntry& t = power_entry(d.k);
    const double p = t.uHi * r;
    const double rhi = upper_26_bits(r);
    const double pa = t.uHi * rhi;
    const double pb = pa - p;
    const double rl = r - rhi;
    const double pc = t.uHi * rl;
    const double perr = pb + pc;
    const double q = kPowPoly[0] + r * (kPowPoly[1] + r * (kPowPoly[2] + r * (kPowPoly[3] + r * kPowPoly[4])));
    const double r2 = r * r;
    const double pq = r2 * q;
    const double poly = t.tHi * pq;
    const double s = t.tHi + p;
    const double serr = p - (s - t.tHi);
    const double t1 = t.tLo + perr;
    const double t2 = t.uLo * r;
    const double t3 = t.uHi * d.rr;
    const double t4 = t2 + t3;
    const double t5 = t1 + t4;
    const double t6 = t5 + poly;
    const double rest = serr + t6;
    const double hi = s + rest;
    note("p", p);
    note("rhi", rhi);
    note("pa", pa);
    note("pb", pb);
    note("rl", rl);
    note("pc", pc);
    note("perr", perr);
    note("q", q);
    note("r2", r2);
    note("pq", pq);
    note("poly", poly);
    note("s", s);
    note("serr", serr);
    note("t1", t1);
    note("t2", t2);
    note("t3", t3);
    note("t4", t4);
    note("t5", t5);
    note("t6", t6);
    note("rest", rest);
    return {hi, rest - (hi - s), static_cast<int>(d.k >> 8)};
}

// ln x = e ln 2 - ln r + log1p(z) with x = 2^e m, m in [1, 2) and r = k /
// 2^10 from the table entry nearest m: z = m r - 1 is exact (a multiple of
// 2^-62 below 2^-9), formed from m's upper 43 bits and lower 10, each product
// exact (ln_reduction.gappa). A = e ln 2 - ln r is exact in its leading part
// (multiples of 2^-42 below 2^10), and z - z^2 / 2 is kept in double-double:
// z^2 = zh^2 + zl (z + zh) with zh the upper 26 bits of z, so zh^2 is exact
// and the rest small. The rest of log1p(z) is a short polynomial in double,
// by Horner's scheme (Estrin's would need a larger error bound here). The
// Fast2Sums: Ah + z is exact on the two grids (fast2sum.gappa), |s1| >= |h2|
// and |s2| >= |rest| (ln_error.gappa).
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

template <typename Note = Untraced>
[[gnu::always_inline]] inline Approximation log_plain(std::uint64_t bits, int exponent, Note note = {}) noexcept {
    using namespace numeric;
    const Logarithm g = log_reduced(bits, exponent);
    const LogEntry& t = g.t;
    const auto mh = std::bit_cast<double>(std::bit_cast<std::uint64_t>(g.m) & ~std::uint64_t{0x3ff});
    const double ml = g.m - mh;
    const double z = (mh * t.r - 1) + ml * t.r;

    const double ah = g.e * kLn2Hi + t.tauHi;
    const double alo = g.e * kLn2Lo + t.tauLo;
    const double zh = upper_26_bits(z);
    const double zz = z * z;
    const double q = kLogPoly[0] + z * (kLogPoly[1] + z * (kLogPoly[2] + z * (kLogPoly[3] + z * kLogPoly[4])));
    const double cube = zz * z;
    const double tail = cube * q;

    const double s1 = ah + z;
    const double e1 = z - (s1 - ah);
    const double h2 = -0.5 * (zh * zh);
    const double s2 = s1 + h2;
    const double e2 = h2 - (s2 - s1);
    const double zl = z - zh;
    const double w = z + zh;
    const double l2p = zl * w;
    const double l2 = -0.5 * l2p;
    const double u1 = e1 + e2;
    const double u2 = u1 + l2;
    const double u3 = tail + alo;
    const double rest = u2 + u3;
    const double hi = s2 + rest;
    note("mh", mh);
    note("ml", ml);
    note("z", z);
    note("ah", ah);
    note("alo", alo);
    note("zh", zh);
    note("zz", zz);
    note("q", q);
    note("cube", cube);
    note("tail", tail);
    note("s1", s1);
    note("e1", e1);
    note("h2", h2);
    note("s2", s2);
    note("e2", e2);
    note("zl", zl);
    note("w", w);
    note("l2p", l2p);
    note("l2", l2);
    note("u1", u1);
    note("u2", u2);
    note("u3", u3);
    note("rest", rest);
    return {hi, rest - (hi - s2)};
}

// The fused variant: a x b + c rounded once. Called only from functions
// compiled for processors with the instruction (elementary.cpp), into which
// these inline.
[[gnu::always_inline]] inline double fused(double a, double b, double c) noexcept { return __builtin_fma(a, b, c); }

// As power_of_ten_plain, with U r's error and the polynomial's steps fused;
// the polynomial by Estrin's scheme, whose shorter chain of dependent steps
// the proof allows here.
template <typename Note = Untraced>
[[gnu::always_inline]] inline Scaled power_of_ten_fused(double x, Note note = {}) noexcept {
    using namespace numeric;
    const Reduced d = reduced(fused(x, kPowScale, kShifter), x, note);
    const double r = d.r;
    const PowEntry& t = power_entry(d.k);
    const double p = t.uHi * r;
    const double perr = fused(t.uHi, r, -p);
    const double r2 = r * r;
    const double q1 = fused(r, kPowPoly[1], kPowPoly[0]);
    const double q2 = fused(r, kPowPoly[3], kPowPoly[2]);
    const double q3 = fused(r2, kPowPoly[4], q2);
    const double q = fused(r2, q3, q1);
    const double pq = r2 * q;
    const double s = t.tHi + p;
    const double serr = p - (s - t.tHi);
    const double t1 = t.tLo + perr;
    const double t3 = t.uHi * d.rr;
    const double t4 = fused(t.uLo, r, t3);
    const double t5 = t1 + t4;
    const double t6 = fused(t.tHi, pq, t5);
    const double rest = serr + t6;
    const double hi = s + rest;
    note("p", p);
    note("perr", perr);
    note("r2", r2);
    note("q1", q1);
    note("q2", q2);
    note("q3", q3);
    note("q", q);
    note("pq", pq);
    note("s", s);
    note("serr", serr);
    note("t1", t1);
    note("t3", t3);
    note("t4", t4);
    note("t5", t5);
    note("t6", t6);
    note("rest", rest);
    return {hi, rest - (hi - s), static_cast<int>(d.k >> 8)};
}

// As log_plain, with z = m r - 1 in one exact step, z^2's error exact and
// the polynomial's steps fused, by Estrin's scheme.
template <typename Note = Untraced>
[[gnu::always_inline]] inline Approximation log_fused(std::uint64_t bits, int exponent, Note note = {}) noexcept {
    using namespace numeric;
    const Logarithm g = log_reduced(bits, exponent);
    const LogEntry& t = g.t;
    const double z = fused(g.m, t.r, -1.0);

    const double ah = fused(g.e, kLn2Hi, t.tauHi);
    const double alo = fused(g.e, kLn2Lo, t.tauLo);
    const double zz = z * z;
    const double zze = fused(z, z, -zz);
    const double q1 = fused(z, kLogPoly[1], kLogPoly[0]);
    const double q2 = fused(z, kLogPoly[3], kLogPoly[2]);
    const double q3 = fused(zz, kLogPoly[4], q2);
    const double q = fused(zz, q3, q1);

    const double s1 = ah + z;
    const double e1 = z - (s1 - ah);
    const double h2 = -0.5 * zz;
    const double s2 = s1 + h2;
    const double e2 = h2 - (s2 - s1);
    const double u1 = e1 + e2;
    const double l2 = -0.5 * zze;
    const double u2 = u1 + l2;
    const double cube = zz * z;
    const double u3 = fused(cube, q, alo);
    const double rest = u2 + u3;
    const double hi = s2 + rest;
    note("z", z);
    note("ah", ah);
    note("alo", alo);
    note("zz", zz);
    note("zze", zze);
    note("q1", q1);
    note("q2", q2);
    note("q3", q3);
    note("q", q);
    note("s1", s1);
    note("e1", e1);
    note("h2", h2);
    note("s2", s2);
    note("e2", e2);
    note("u1", u1);
    note("l2", l2);
    note("u2", u2);
    note("cube", cube);
    note("u3", u3);
    note("rest", rest);
    return {hi, rest - (hi - s2)};
}

// The rounding test: hi + lo C rounds to hi only when |lo| C is at most half
// the gap between hi and its neighbour on lo's side; elementary_tables.sollya
// chooses C from the proven bound and checks that the test is then sound,
// and rounding_test.gappa proves it for both variants.
// The fused test forms lo C + hi with one rounding.
[[gnu::always_inline]] inline bool decided_plain(double hi, double lo, double factor) noexcept {
    return hi + lo * factor == hi;
}
[[gnu::always_inline]] inline bool decided_fused(double hi, double lo, double factor) noexcept {
    return fused(lo, factor, hi) == hi;
}

}  // namespace metrova::fast
