// The power of ten and the logarithm, bit for bit, on every build and with
// each variant of the fast path that the processor runs: the rows are GNU
// MPFR's correctly rounded results (tests/sweep holds a million seeded
// arguments of each and the published hardest-to-round ones against it).
// Hard rows lie within 2^-50 of a midpoint between two doubles, where an
// evaluation that is not precise enough rounds the wrong way; others sit
// where the fast path's rounding test has a case of its own.
#include "elementary.h"

#include <gtest/gtest.h>

#include <iterator>
#include <limits>
#include <optional>

#include "fault.h"
#include "same_bits.h"

namespace metrova {
namespace {

using inspect::Function;
using inspect::Variant;

struct Row {
    double x;
    double expected;
};

// f(x) as p10 and ln give it and as each variant that runs here does.
void expect_rows(Function f, double (*public_function)(double) noexcept, const Row* begin, const Row* end) {
    for (const Row* row = begin; row != end; ++row) {
        EXPECT_SAME_BITS(public_function(row->x), row->expected) << row->x;
        for (const Variant v : {Variant::plain, Variant::fused}) {
            if (!inspect::runs(v)) continue;
            EXPECT_SAME_BITS(inspect::evaluate(f, v, row->x), row->expected)
                << row->x << (v == Variant::fused ? " (fused)" : " (plain)");
        }
    }
}

TEST(Elementary, PowersOfTenAreTheNearestDoubles) {
    constexpr Row kRows[] = {
        {5, 0x1.86ap+16},
        {-5, 0x1.4f8b588e368f1p-17},  // 1 N in dyne at 10 places shows 100000.0000000000
        {-7, 0x1.ad7f29abcaf48p-24},
        {22, 0x1.0f0cf064dd592p+73},                    // the largest exact power
        {23, 0x1.52d02c7e14af6p+76},                    // halfway between two doubles: the even one
        {308, 0x1.1ccf385ebc8ap+1023},                  // the largest power below overflow
        {-308, 0x0.730d67819e8d2p-1022},                // subnormal, rounded at its own precision
        {-323, 0x0.0000000000002p-1022},                // two units of the smallest subnormal
        {-324, 0},                                      // below half the smallest subnormal
        {-0x1.f2p+8, 0},                                // -5000 dB to percent: 10^-498
        {-0x1.c879d27cca038p+0, 0x1.0df79d94521c4p-6},  // 3.7831088595066955 OD to percent
        {-0x1.3333333333333p-2, 0x1.009b9cf334252p-1},
        {0x1.b333333333333p+0, 0x1.90f3253c017ap+5},       // -3 dB to percent: 50.1187233627272
        {0x1.344p+8, 0x1.fa788589d81d3p+1023},             // 308.25, near the top
        {-0x1.33a6666666666p+8, 0x1.0191f577aff64p-1022},  // just above the subnormals
        {-0x1.439999999999ap+8, 0x0.0000000000001p-1022},  // the smallest subnormal
        {0x1p-61, 1},
        {0x1.8p-54, 0x1.0000000000001p+0},                 // just above 1, where the gap below is the smaller
        {-0x1.367a7dcbe9b22p+8, 0x0.0061def209ce1p-1022},  // subnormal: lo decides a midpoint of hi's grid
        {0x1.34413509f79fep+8, 0x1.ffffffffffba1p+1023},   // the largest power below overflow
        {0x1.bcb7b1526e50ep-55, 0x1.0000000000001p+0},     // hard: 56 bits from a midpoint
        {0x1.4d89c4fdd2bcbp-53, 0x1.0000000000002p+0},     // hard: 51 bits
        {-0x1.4d89c4fdd2bcbp-54, 0x1.fffffffffffffp-1},    // hard: 55 bits
    };
    expect_rows(Function::p10, p10, std::begin(kRows), std::end(kRows));
}

TEST(Elementary, LogarithmsAreTheNearestDoubles) {
    constexpr Row kRows[] = {
        {1000, 0x1.ba18a998fffap+2},  // with ln 10 below, 1000 % to dB gives 9.999999999999996
        {10, 0x1.26bb1bbb55516p+1},
        {50, 0x1.f4bd2b7ac1bafp+1},
        {1, 0},
        {0x0.0000000000001p-1022, -0x1.74385446d71c3p+9},  // the smallest subnormal
        {0x1.fffffffffffffp+1023, 0x1.62e42fefa39efp+9},   // the largest double
        {0x1.56e1fc2f8f359p-997, -0x1.5963447f87fb5p+9},
        {0x1.0000000000001p+0, 0x1.fffffffffffffp-53},
        {0x1.ffffffffffffep-1, -0x1.0000000000001p-52},  // hard: 54 bits from a midpoint
        {0x1.ac50b409c8aeep+8, 0x1.83d4bcdebb3f4p+2},    // hard for rounding towards zero
        {0x1.ffep-1, -0x1.0008005559559p-12},            // just below 1: e = -1 and r = 1/2 cancel
        {0x1.fffffffff79p-1, -0x1.0e00000002399p-38},    // settled only at 256 bits
    };
    expect_rows(Function::ln, ln, std::begin(kRows), std::end(kRows));
}

// The accurate path's last step: an argument so close to a midpoint that 128
// bits cannot decide it, and 256 bits do.
TEST(Elementary, TheLastStepSettlesWhatTheFirstCannot) {
    const double x = 0x1.fffffffff79p-1;
    EXPECT_FALSE(inspect::decided_fast(Function::ln, Variant::plain, x));
    EXPECT_FALSE(inspect::accurate_at(Function::ln, x, 128).has_value());
    const std::optional<double> settled = inspect::accurate_at(Function::ln, x, 256);
    ASSERT_TRUE(settled.has_value());
    EXPECT_SAME_BITS(*settled, -0x1.0e00000002399p-38);
}

// What the fault check sees of each: the logarithm's argument 0 is an invalid
// argument, a power past the largest double an overflow, a power below the
// subnormals no failure at all.
TEST(Elementary, FailuresReachTheFaultCheck) {
    constexpr double kInfinity = std::numeric_limits<double>::infinity();
    constexpr double kNaN = std::numeric_limits<double>::quiet_NaN();
    struct Case {
        double (*function)(double) noexcept;
        double x;
        Failure expected;
    };
    const Case kCases[] = {
        {ln, 0.0, Failure::invalid_argument},
        {ln, -0.0, Failure::invalid_argument},
        {ln, -1.0, Failure::invalid_argument},
        {ln, 0x1p-1074, Failure::none},
        {p10, 308.26, Failure::overflow},
        {p10, 400, Failure::overflow},
        {p10, 308.25, Failure::none},
        {p10, -498, Failure::none},
        {p10, kInfinity, Failure::none},
        {p10, -kInfinity, Failure::none},
        {p10, kNaN, Failure::none},
        {ln, kInfinity, Failure::none},
        {ln, kNaN, Failure::none},
        {ln, -kInfinity, Failure::invalid_argument},
    };
    for (const Case& c : kCases) {
        const FaultCheck faults;
        const double result = c.function(faults.input(c.x));
        EXPECT_EQ(faults.check(result), c.expected) << (c.function == ln ? "ln " : "10^") << c.x;
    }
}

}  // namespace
}  // namespace metrova
