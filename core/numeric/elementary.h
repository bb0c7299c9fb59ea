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
// How: a fast path in double arithmetic first (elementary_fast.h): an exact
// argument reduction with small tables, a short polynomial with its leading
// terms in double-double, and a rounding test that relies on a proven error
// bound (scripts/numeric-proof). It comes in two variants with the same
// results, one that fuses no operation and one with the fused multiply-add,
// chosen by the processor at run time (elementary.cpp). It decides all but
// about one call in 10,000 of ordinary arguments. The rest, the
// hardest-to-round arguments among them, are evaluated with 128-bit
// fixed-point integer arithmetic and an error bound (elementary_accurate.h);
// when the whole interval around the approximation rounds to one double,
// that is the answer, and otherwise the evaluation runs again at 256 bits,
// which always decides (the searches for the hardest cases, which cover
// every double argument of both functions, need about 117 bits). Whole
// powers within 22 of 0 come from the exact doubles 10^0 .. 10^22, the
// negative ones by one correctly rounded division; other whole powers are
// worked out exactly with integer arithmetic.
//
// The proofs of the fast path assume rounding to nearest and gradual
// underflow, and neither function checks them: no caller can change them,
// as Metrova never changes the rounding mode or the processor's
// flush-to-zero and denormals-are-zero bits, and no build of it links the
// start-up code of -ffast-math that sets them.
#pragma once

#include <array>
#include <optional>

namespace metrova {

double p10(double x) noexcept;
double ln(double x) noexcept;

// For the benchmark, the sweep and the tests.
namespace inspect {

enum class Function { p10, ln };
// The fast path's variants: `fused` needs a processor with the fused
// multiply-add and a build that has the variant (x86-64).
enum class Variant { plain, fused };

// Whether this build and processor run the variant; the one that p10 and ln
// choose.
bool runs(Variant v) noexcept;
Variant chosen() noexcept;

// f(x) with the given variant's fast path (the plain one where the variant
// does not run), and whether that fast path alone decides f(x).
double evaluate(Function f, Variant v, double x) noexcept;
bool decided_fast(Function f, Variant v, double x) noexcept;

// The fast path's approximation 2^exponent (hi + lo) before its rounding
// test: for p10, x not whole with 2^-60 <= |x| < 307; for ln, x positive and
// finite (exponent 0). With it, each step that the fast path's Gappa
// scripts name, by their name, in the order of the code
// (elementary_fast.h).
struct Step {
    const char* name;
    double value;
};
struct FastPath {
    double hi, lo;
    int exponent;
    std::array<Step, 32> steps;
    int step_count;
};
FastPath fast_path(Function f, Variant v, double x) noexcept;

// The accurate path's fixed-point evaluation at one precision, 128 or 256
// bits, which gives nothing where it cannot decide the rounding (x finite
// and not whole for p10, in [-323.61, 308.26]; x positive, finite and not 1
// for ln).
std::optional<double> accurate_at(Function f, double x, int bits) noexcept;

}  // namespace inspect

}  // namespace metrova
