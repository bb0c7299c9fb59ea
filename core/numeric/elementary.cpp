// p10 and ln (elementary.h): the special arguments, the whole powers of ten,
// the results at the edges of the double range, the rounding test, and the
// choice between the plain and the fused variant of the fast path
// (elementary_fast.h); what the test cannot decide goes to the accurate path
// (elementary_accurate.h).
//
// The fused variant is compiled where the compiler can target the fused
// multiply-add for single functions and ask the processor whether it has it
// (x86-64; core/CMakeLists.txt defines METROVA_FUSED_VARIANT): its functions
// carry the instruction set in their target attribute, and p10 and ln ask
// the processor (__builtin_cpu_supports, which reads what the start-up code
// found) on every call, a load and a branch. Both variants give the same
// results on every argument, so the choice shows in the time alone.
#include "elementary.h"

#include <array>
#include <bit>
#include <cmath>
#include <cstdint>
#include <limits>
#include <optional>

#include "elementary_accurate.h"
#include "elementary_fast.h"
#include "elementary_tables.h"

namespace metrova {
namespace {

using inspect::Function;
using inspect::Variant;

constexpr std::uint64_t kSignBit = std::uint64_t{1} << 63;
constexpr std::uint64_t kInfinityBits = std::uint64_t{0x7ff} << 52;

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

// 10^0 .. 10^22 are doubles: 5^22 has 52 bits. 10^-k is one correctly
// rounded division by 10^k.
constexpr std::array<double, 23> kExactPowers = {1e0,  1e1,  1e2,  1e3,  1e4,  1e5,  1e6,  1e7,  1e8,  1e9,  1e10, 1e11,
                                                 1e12, 1e13, 1e14, 1e15, 1e16, 1e17, 1e18, 1e19, 1e20, 1e21, 1e22};

double power_of_two(int n) noexcept { return std::bit_cast<double>(static_cast<std::uint64_t>(n + 1023) << 52); }

// The variants' fast paths and rounding tests, as elementary_fast.h has them.
struct Plain {
    template <typename Note = fast::Untraced>
    [[gnu::always_inline]] static fast::Scaled power(double x, Note note = {}) noexcept {
        return fast::power_of_ten_plain(x, note);
    }
    template <typename Note = fast::Untraced>
    [[gnu::always_inline]] static fast::Approximation log(std::uint64_t bits, int exponent, Note note = {}) noexcept {
        return fast::log_plain(bits, exponent, note);
    }
    [[gnu::always_inline]] static bool decided(double hi, double lo, double factor) noexcept {
        return fast::decided_plain(hi, lo, factor);
    }
};
struct Fused {
    template <typename Note = fast::Untraced>
    [[gnu::always_inline]] static fast::Scaled power(double x, Note note = {}) noexcept {
        return fast::power_of_ten_fused(x, note);
    }
    template <typename Note = fast::Untraced>
    [[gnu::always_inline]] static fast::Approximation log(std::uint64_t bits, int exponent, Note note = {}) noexcept {
        return fast::log_fused(bits, exponent, note);
    }
    [[gnu::always_inline]] static bool decided(double hi, double lo, double factor) noexcept {
        return fast::decided_fused(hi, lo, factor);
    }
};

// 10^x for x in [kP10Underflow, kP10Overflow] (-323.61, 308.26), not whole,
// with |x| >= kP10Normal (307): the results that overflow or are subnormal,
// or may be. `undecided` takes x when the rounding test cannot decide.
template <typename V, typename Undecided>
[[gnu::always_inline]] inline double power_of_ten_at_edges(double x, Undecided undecided) noexcept {
    using namespace numeric;
    const fast::Scaled s = V::power(x);
    if (s.exponent > 0) {
        if (!V::decided(s.hi, s.lo, kP10RoundingFactor)) return undecided(x);
        // hi 2^exponent, in two exact steps unless it overflows, which raises
        // the overflow flag as it should. The test has decided hi as 10^x /
        // 2^exponent rounded with no bound on the exponent, which is where
        // IEEE 754 rounds before it overflows: hi 2^exponent of 2^1024 (hi =
        // 1 with exponent 1024, or hi = 2 with 1023) is infinity, anything
        // below is the largest double or less, exactly.
        return s.hi * power_of_two(s.exponent - 1000) * 0x1p1000;
    }
    if (s.exponent > -1022) {  // normal: 2^-1021 x 0.99.. is above 2^-1022
        if (!V::decided(s.hi, s.lo, kP10RoundingFactor)) return undecided(x);
        return s.hi * power_of_two(s.exponent);
    }
    // Subnormal or 0: rounded to a multiple of u = 2^(-1074 - exponent), the
    // smallest subnormal at the scale of hi (u is 2^-52 to 4). Adding 1.5
    // 2^52 u rounds hi to such a multiple h (to one of 2u where the exponent
    // is -1022 or -1023, whose hi + 1.5 2^52 u reaches the next binade);
    // the rest, within 1.5 u, may lie past the midpoint next to h, and h
    // moves to the next multiple. The rest must stay clear of u / 2 by the
    // bound and by the rounding of the rest itself (u 2^-50).
    // p10_subnormal.gappa proves the result correctly rounded wherever the
    // test passes, for every exponent that reaches here.
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

// 10^x; `undecided` takes x when the rounding test cannot decide.
template <typename V, typename Undecided>
[[gnu::always_inline]] inline double power_of_ten(double x, Undecided undecided) noexcept {
    using namespace numeric;
    const std::uint64_t magnitude = std::bit_cast<std::uint64_t>(x) & ~kSignBit;
    constexpr auto kTiny = std::bit_cast<std::uint64_t>(kP10NearOne);
    constexpr auto kLarge = std::bit_cast<std::uint64_t>(kP10Normal);
    if (magnitude - kTiny >= kLarge - kTiny) [[unlikely]] {
        if (std::isnan(x)) return quieted(x);
        if (x > kP10Overflow) return std::isinf(x) ? x : overflowed();
        if (x < kP10Underflow) return 0.0;
        if (magnitude < kTiny) return 1.0;                  // 10^x within half a unit of 1's last place
        if (static_cast<int>(x) == x) return undecided(x);  // 10^307 and 10^308 never overflow
        return power_of_ten_at_edges<V>(x, undecided);
    }
    const int whole = static_cast<int>(x);
    if (whole == x) {
        if (whole < -22 || whole > 22) return undecided(x);
        const double power = kExactPowers[static_cast<std::size_t>(whole < 0 ? -whole : whole)];
        return whole < 0 ? 1.0 / power : power;
    }
    const fast::Scaled s = V::power(x);
    if (!V::decided(s.hi, s.lo, kP10RoundingFactor)) return undecided(x);
    // |x| < kP10Normal: 2^exponent hi is a normal double, formed on the bits.
    return std::bit_cast<double>(std::bit_cast<std::uint64_t>(s.hi) + (static_cast<std::uint64_t>(s.exponent) << 52));
}

// The fast path's argument of ln: x's bits and exponent, a subnormal made
// normal exactly. x positive and finite.
struct LogArgument {
    std::uint64_t bits;
    int exponent;
};
LogArgument log_argument(double x) noexcept {
    auto bits = std::bit_cast<std::uint64_t>(x);
    if (bits < fast::kHidden) {
        bits = std::bit_cast<std::uint64_t>(x * 0x1p54);
        return {bits, static_cast<int>(bits >> 52) - 1023 - 54};
    }
    return {bits, static_cast<int>(bits >> 52) - 1023};
}

// ln x; `undecided` takes x when the rounding test cannot decide.
template <typename V, typename Undecided>
[[gnu::always_inline]] inline double logarithm(double x, Undecided undecided) noexcept {
    auto bits = std::bit_cast<std::uint64_t>(x);
    int exponent = static_cast<int>(bits >> 52) - 1023;
    constexpr std::uint64_t kSmallestNormal = fast::kHidden;
    if (bits - kSmallestNormal >= kInfinityBits - kSmallestNormal) [[unlikely]] {
        if (std::isnan(x)) return quieted(x);
        if (x <= 0) return invalid();
        if (std::isinf(x)) return x;
        const LogArgument a = log_argument(x);
        bits = a.bits;
        exponent = a.exponent;
    }
    const fast::Approximation a = V::log(bits, exponent);
    // ln 1 = +0 passes the test, exactly.
    if (!V::decided(a.hi, a.lo, numeric::kLnRoundingFactor)) return undecided(x);
    return a.hi;
}

// The accurate path, out of line.
double p10_accurate(double x) noexcept { return accurate::power_of_ten(x); }
double ln_accurate(double x) noexcept { return accurate::logarithm(x); }

// Whether the fast path alone decides f(x) with variant V.
template <typename V>
[[gnu::always_inline]] inline bool decided_fast_by(Function f, double x) noexcept {
    bool decided_fast = true;
    const auto undecided = [&decided_fast](double) noexcept {
        decided_fast = false;
        return 0.0;
    };
    static_cast<void>(f == Function::p10 ? power_of_ten<V>(x, undecided) : logarithm<V>(x, undecided));
    return decided_fast;
}

// Keeps the steps that a fast path names.
struct Noted {
    inspect::FastPath* path;
    void operator()(const char* name, double value) const noexcept {
        if (path->step_count < static_cast<int>(path->steps.size())) {
            path->steps[static_cast<std::size_t>(path->step_count++)] = {name, value};
        }
    }
};

template <typename V>
[[gnu::always_inline]] inline inspect::FastPath fast_path_by(Function f, double x) noexcept {
    inspect::FastPath path{};
    const Noted note{&path};
    if (f == Function::p10) {
        const fast::Scaled s = V::power(x, note);
        path.hi = s.hi;
        path.lo = s.lo;
        path.exponent = s.exponent;
        return path;
    }
    const LogArgument a = log_argument(x);
    const fast::Approximation l = V::log(a.bits, a.exponent, note);
    path.hi = l.hi;
    path.lo = l.lo;
    return path;
}

[[gnu::always_inline]] inline double evaluate_plain(Function f, double x) noexcept {
    return f == Function::p10 ? power_of_ten<Plain>(x, p10_accurate) : logarithm<Plain>(x, ln_accurate);
}

#ifdef METROVA_FUSED_VARIANT
// The fused variant's functions, each compiled for the fused multiply-add
// and kept out of line, so that the instruction stays in them.
[[gnu::target("fma"), gnu::noinline]] double p10_fused(double x) noexcept {
    return power_of_ten<Fused>(x, p10_accurate);
}
[[gnu::target("fma"), gnu::noinline]] double ln_fused(double x) noexcept { return logarithm<Fused>(x, ln_accurate); }
[[gnu::target("fma"), gnu::noinline]] bool decided_fast_fused(Function f, double x) noexcept {
    return decided_fast_by<Fused>(f, x);
}
[[gnu::target("fma"), gnu::noinline]] inspect::FastPath fast_path_fused(Function f, double x) noexcept {
    return fast_path_by<Fused>(f, x);
}

bool processor_fuses() noexcept { return __builtin_cpu_supports("fma"); }
#else
bool processor_fuses() noexcept { return false; }
#endif

}  // namespace

double p10(double x) noexcept {
#ifdef METROVA_FUSED_VARIANT
    if (processor_fuses()) return p10_fused(x);
#endif
    return power_of_ten<Plain>(x, p10_accurate);
}

double ln(double x) noexcept {
#ifdef METROVA_FUSED_VARIANT
    if (processor_fuses()) return ln_fused(x);
#endif
    return logarithm<Plain>(x, ln_accurate);
}

namespace inspect {

bool runs(Variant v) noexcept { return v == Variant::plain || processor_fuses(); }

Variant chosen() noexcept { return processor_fuses() ? Variant::fused : Variant::plain; }

double evaluate(Function f, Variant v, double x) noexcept {
#ifdef METROVA_FUSED_VARIANT
    if (v == Variant::fused && processor_fuses()) return f == Function::p10 ? p10_fused(x) : ln_fused(x);
#endif
    static_cast<void>(v);
    return evaluate_plain(f, x);
}

bool decided_fast(Function f, Variant v, double x) noexcept {
#ifdef METROVA_FUSED_VARIANT
    if (v == Variant::fused && processor_fuses()) return decided_fast_fused(f, x);
#endif
    static_cast<void>(v);
    return decided_fast_by<Plain>(f, x);
}

FastPath fast_path(Function f, Variant v, double x) noexcept {
#ifdef METROVA_FUSED_VARIANT
    if (v == Variant::fused && processor_fuses()) return fast_path_fused(f, x);
#endif
    static_cast<void>(v);
    return fast_path_by<Plain>(f, x);
}

std::optional<double> accurate_at(Function f, double x, int bits) noexcept {
    return f == Function::p10 ? accurate::power_of_ten_at(x, bits) : accurate::logarithm_at(x, bits);
}

}  // namespace inspect

}  // namespace metrova
