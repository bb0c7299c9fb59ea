// The power of ten and the natural logarithm of the formula tables. Each gives
// the double nearest to the exact value (ties to even) for every double
// argument, with the same bits on any processor, compiler and C library: the
// core works them out itself and borrows nothing from the platform's maths
// library.
//
//   p10(5)     -> 100000; p10(-5) -> 1.0000000000000001e-05, the double nearest 10^-5
//   p10(23)    -> 9.999999999999999e22: 10^23 lies halfway between two doubles, the even one wins
//   p10(x) for a finite x past the largest double (above 308.2547...) -> +inf, with the overflow
//              flag raised, which the fault check reports; p10(+inf) -> +inf and p10(-inf) -> +0,
//              exact, without a flag
//   p10(x) below half the smallest subnormal (x below -323.6) -> +0, no failure (-5000 dB is 0 %)
//   ln(1000)   -> 6.907755278982137; ln(1) -> 0; ln(+inf) -> +inf
//   ln(x) for x = 0 of either sign or x < 0 -> NaN, with the invalid flag raised, which the fault
//              check reports as an invalid argument
//   a quiet NaN argument passes through without a flag; a signalling one raises the invalid flag,
//              as any operation on it does
//
// How: a fast path in double arithmetic first (elementary.cpp): an exact
// argument reduction with small tables, a short polynomial with its leading
// terms in double-double, and a rounding test that relies on a proven error
// bound (scripts/numeric-proof). It decides all but about one call in 10,000
// of ordinary arguments. The rest, the hardest-to-round arguments among
// them, are evaluated with 128-bit fixed-point integer arithmetic and an
// error bound; when the whole interval around the approximation rounds to one
// double, that is the answer, and otherwise the evaluation runs again at 256
// bits, which always decides (the searches for the hardest cases, which cover
// every double argument of both functions, need about 117 bits). Whole
// powers within 22 of 0 come from the exact doubles 10^0 .. 10^22, the
// negative ones by one correctly rounded division; other whole powers are
// worked out exactly with integer arithmetic.
#pragma once

#include <optional>

namespace metrova {

double p10(double x) noexcept;
double ln(double x) noexcept;

// For the benchmark, the sweep and the tests: whether the fast path alone
// decides x; the result without the fast path; the fixed-point evaluation at
// one precision, 128 or 256 bits, which gives nothing where it cannot decide
// the rounding (x finite and not whole for p10, in [-323.61, 308.26]; x
// positive, finite and not 1 for ln).
namespace inspect {
bool p10_decided_fast(double x) noexcept;
bool ln_decided_fast(double x) noexcept;
double p10_without_fast_path(double x) noexcept;
double ln_without_fast_path(double x) noexcept;
std::optional<double> p10_at(double x, int bits) noexcept;
std::optional<double> ln_at(double x, int bits) noexcept;
}  // namespace inspect

}  // namespace metrova
