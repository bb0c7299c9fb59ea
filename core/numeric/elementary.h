// The power of ten and the natural logarithm of the formula tables. Each gives
// the double nearest to the exact value (ties to even) for every double
// argument, with the same bits on any processor, compiler and C library: the
// core works them out itself and borrows nothing from the platform's maths
// library.
//
//   p10(5)     -> 100000; p10(-5) -> 1.0000000000000001e-05, the double nearest 10^-5
//   p10(23)    -> 9.999999999999999e22: 10^23 lies halfway between two doubles, the even one wins
//   p10(x) past the largest double (x above 308.2547...) -> +inf, with the overflow flag raised,
//              which the fault check reports
//   p10(x) below half the smallest subnormal (x below -323.6) -> +0, no failure (-5000 dB is 0 %)
//   ln(1000)   -> 6.907755278982137; ln(1) -> 0
//   ln(x) for x = 0 of either sign, x < 0 or NaN -> NaN, with the invalid flag raised (a NaN
//              argument passes through quietly), which the fault check reports as an invalid argument
//
// How: an integer power is worked out exactly with integer arithmetic. Other
// arguments are evaluated with 128-bit fixed-point integer arithmetic and an
// error bound; when the whole interval around the approximation rounds to one
// double, that is the answer, and otherwise the evaluation runs again at 256
// and then 512 bits. Neither 10^x for a non-integer x nor ln x for x other
// than 1 is ever exactly a double or a midpoint between two, so a precise
// enough evaluation always decides; the published worst cases of double
// precision need fewer than 130 bits.
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
