#include "convert.h"

#include <gtest/gtest.h>

#include <bit>
#include <cmath>
#include <limits>
#include <string>

#include "number_format.h"
#include "number_parser.h"
#include "same_bits.h"

namespace metrova {
namespace {

using Outcome = Conversion::Outcome;
constexpr double kMax = std::numeric_limits<double>::max();

struct Case {
    Index category, source, target;
    double v;
    double expected;
};

std::string name(const Case& c) {
    return std::string(unit_label(c.category, c.source)) + " ->" + std::string(unit_label(c.category, c.target)) +
           ", v = " + test::describe(c.v);
}

// Values that the answer receives, bit for bit. Gallon(England) is 4.546 l and
// bushel (USA) 35.24 l; their expectations are computed from those constants.
// The Optics chains round the logarithm and the power of ten correctly, then
// each operation in turn: their bits are those of that exact order.
const Case kExact[] = {
    // Optics
    {0, 0, 1, 50, -0x1.8151824c75885p+1},   // -3.0102999566398148
    {0, 0, 1, -50, -0x1.8151824c75885p+1},  // made non-negative
    {0, 0, 1, 2, -0x1.0fd5cfb6714fp+4},     // -16.989700043360187
    {0, 0, 2, 50, 0x1.34413509f7a04p-2},    // 0.30102999566398148
    {0, 0, 2, 200, -0x1.34413509f79f8p-2},  // a negative density, no error
    {0, 0, 2, 1e-300, 0x1.2dfffffffffffp+8},
    {0, 1, 0, -3, 0x1.90f3253c017ap+5},  // 50.118723362727224
    {0, 1, 0, 3, 0x1.90f3253c017ap+5},   // made non-positive
    {0, 1, 0, -0.5, 0x1.64801897b580ap+6},
    {0, 1, 0, -100, 0x1.5798ee2308c3ap-27},  // 1e-08, the double nearest
    {0, 2, 0, 0.5, 0x1.f9f6e4990f227p+4},
    {0, 2, 0, 3, 0x1.999999999999ap-4},
    {0, 0, 1, 1, -20},
    {0, 0, 2, 10, 1},
    {0, 0, 2, 0.1, 3},
    {0, 1, 0, 0, 100},
    {0, 2, 0, 0, 100},
    {0, 2, 0, 1, 10},
    {0, 2, 1, 3, 30},
    {0, 1, 2, -30, -3},
    {0, 1, 2, 30, 3},
    {0, 0, 1, 1000, 0x1.3fffffffffffep+3},  // 9.999999999999996: ln 1000 / ln 10 is just below 3
    {0, 1, 0, -5000, 0},                    // underflows quietly
    // Pressure, force, energy
    {2, 0, 1, 1, 99999.99999999999},
    {2, 2, 1, 1, 980664.9999999999},
    {3, 0, 1, 1, 10000000},
    {1, 2, 3, 1, 98.06649999999999},
    {1, 0, 4, 760, 0.999982235381199},
    {1, 4, 0, 1, 760.013501350135},
    {1, 3, 1, 1, 100000},
    {1, 4, 3, 1, 1.01325},
    {1, 1, 4, 5e-324, 0},
    // Length
    {4, 0, 1, 2.5, 0.025},
    {4, 6, 1, 1, 1609.3},
    {4, 6, 0, 1, 160930},
    {4, 6, 2, 1, 1.6093},
    {4, 2, 6, 1, 0.62137},
    {4, 6, 2, 0.62137, 0.9999707409999999},
    {4, 0, 2, 1, 1e-05},
    {4, 2, 3, 1, 1093.6132983377079},
    {4, 2, 4, 1, 3280.839895013123},
    {4, 2, 5, 1, 39370.078740157485},
    {4, 2, 3, 2.5, 2734.0332458442695},
    {4, 4, 5, 1, 12.000000000000002},
    {4, 3, 4, 1, 3.0},
    {4, 3, 5, 1, 36.0},
    {4, 5, 0, 1, 2.54},
    {4, 5, 1, 1, 0.0254},
    {4, 1, 0, -1, -100},
    // Area
    {5, 3, 4, 1, 144.00083080681262},
    {5, 4, 3, 1, 0.006944404378760643},
    {5, 1, 3, 1, 10.763915051182416},
    {5, 3, 1, 1, 0.092903},
    {5, 6, 1, 1, 4046.9},
    {5, 6, 3, 1, 43560.48782063012},
    {5, 5, 6, 1, 639.9960463564704},
    {5, 5, 4, 1, 4014532919.169937},
    {5, 5, 2, 1, 2.59},
    {5, 2, 0, 1, 1e10},
    // Volume
    {6, 10, 3, 1, 159},
    {6, 10, 0, 1, 159000},
    {6, 10, 1, 1, 0.159},
    {6, 10, 2, 1, 1590},
    {6, 10, 7, 1, 42.00792602377807},
    {6, 1, 3, 1, 1000},
    {6, 1, 0, 1, 1000000},
    {6, 1, 2, 1, 10000},
    {6, 1, 10, 1, 6.289308176100629},
    {6, 1, 7, 1, 264.2007926023778},
    {6, 2, 3, 1, 0.1},
    {6, 3, 2, 1, 10},
    {6, 2, 0, 1, 100},
    {6, 0, 2, 1, 0.01},
    {6, 2, 1, 1, 0.0001},
    {6, 4, 2, 1, 5.683},
    {6, 2, 4, 1, 0.17596339961288052},
    {6, 5, 2, 1, 11.370000000000001},
    {6, 4, 0, 1, 568.3000000000001},
    {6, 0, 1, 1, 1e-06},
    {6, 0, 4, 1, 0.0017596339961288051},
    {6, 6, 3, 1, 4.546},
    {6, 6, 5, 1, 3.998240985048373},
    {6, 6, 7, 1, 1.2010568031704096},
    {6, 5, 4, 1, 2.0007038535984516},
    {6, 7, 4, 1, 6.660214675347528},
    {6, 8, 9, 1, 1.0314982973893303},
    {6, 1, 0, 1e302, 1e308},
    // Mass
    {7, 0, 1, 1000, 1},
    {7, 2, 0, 1, 453.6},
    {7, 1, 2, 1, 2.204585537918871},
    {7, 1, 3, 1, 35.273368606701936},
    {7, 3, 2, 1, 0.0625},
    {7, 2, 3, 1, 16},
    {7, 4, 5, 1, 1.1200396825396826},
    {7, 5, 4, 1, 0.8928255093002657},
    {7, 4, 2, 1, 2240.079365079365},
    {7, 5, 2, 1, 2000},
    {7, 2, 4, 2240, 0.9999645704162976},
    {7, 0, 6, 1, 5},
    {7, 1, 6, 1, 5000},
    {7, 6, 0, 1, 0.2},
    {7, 6, 1, 5, 0.001},
    {7, 6, 4, 1, 1.9683102056884162e-07},
    {7, 0, 1, -250, -0.25},
    // Velocity
    {8, 1, 0, 36, 10},
    {8, 0, 1, 10, 36},
    {8, 1, 0, 100, 27.77777777777778},
    {8, 0, 2, 1, 2.237136465324385},
    {8, 0, 3, 1, 1.944012441679627},
    {8, 2, 0, 1, 0.447},
    {8, 1, 2, 100, 62.142679592344024},
    {8, 1, 3, 100, 54.00034560221186},
    {8, 3, 1, 1, 1.85184},
    {8, 2, 1, 60, 96.552},
    {8, 2, 3, 1, 0.8689735614307932},
    {8, 3, 2, 1, 1.1507829977628634},
    // Temperature
    {9, 0, 1, 100, 212},
    {9, 1, 0, 212, 100},
    {9, 0, 1, -40, -40},
    {9, 1, 0, -40, -40},
    {9, 0, 1, 0, 32},
    {9, 1, 0, 32, 0},
    {9, 0, 1, 37, 98.60000000000001},
    {9, 1, 0, 98.6, 36.99999999999999},
    {9, 1, 0, 0, -17.77777777777778},
    {9, 0, 1, -500, -868},
};

TEST(Convert, StoresTheExactDoubleOfEachChain) {
    for (const Case& c : kExact) {
        SCOPED_TRACE(name(c));
        const Conversion r = convert(c.category, c.source, c.target, c.v);
        ASSERT_EQ(r.outcome, Outcome::stored);
        EXPECT_SAME_BITS(r.value, c.expected);
    }
}

// v * 1.8 + 32 fused into one multiply-add rounds once and misses these bits: they catch a lost -ffp-contract=off.
const struct {
    double v;
    double expected;
} kUnfusedFahrenheit[] = {
    {-12.3456, 0x1.38e4b87bdcf04p+3}, {8.27, 0x1.7716872b020c4p+5},   {5.9, 0x1.54f5c28f5c29p+5},
    {9.1, 0x1.830a3d70a3d7p+5},       {-30.3, -0x1.68a3d70a3d70ap+4}, {-17.7, 0x1.1eb851eb852p-3},
    {-17.78, -0x1.0624dd2f1cp-8},
};

TEST(Convert, CentigradeToFahrenheitRoundsTheProductBeforeAddingThirtyTwo) {
    for (const auto& c : kUnfusedFahrenheit) {
        SCOPED_TRACE(test::describe(c.v));
        const Conversion r = convert(category::temperature, 0, 1, c.v);
        ASSERT_EQ(r.outcome, Outcome::stored);
        EXPECT_SAME_BITS(r.value, c.expected);
    }
}

TEST(Convert, OpticsSignRulesReportTheCorrectedValue) {
    const struct {
        Index source, target;
        double v;
        const char* written_back;  // nullptr: the value box is left alone
    } cases[] = {
        {1, 0, 3, "-3"},    // decibels are taken as zero or below
        {2, 0, -1, "1"},    // optical density as zero or above
        {0, 1, -50, "50"},  // a negative percentage is made positive
        {0, 2, -50, "50"},   {0, 1, 50, nullptr},
        {1, 0, -3, nullptr}, {1, 0, -0.0, nullptr},  // zero of either sign is left alone
        {2, 0, 0, nullptr},  {1, 2, 30, nullptr},    // the direct pairs keep the sign
        {2, 1, -3, nullptr}, {2, 2, -2, nullptr},    // identity writes nothing back
    };
    for (const auto& c : cases) {
        const Conversion r = convert(category::optics, c.source, c.target, c.v);
        SCOPED_TRACE(std::to_string(c.source) + " -> " + std::to_string(c.target) + ", v = " + std::to_string(c.v));
        ASSERT_NE(r.outcome, Outcome::failed);
        if (c.written_back == nullptr) {
            EXPECT_FALSE(r.corrected.has_value());
        } else {
            ASSERT_TRUE(r.corrected.has_value());
            EXPECT_EQ(number_to_text(*r.corrected), c.written_back);
        }
    }
    const Conversion same = convert(category::optics, 2, 2, -2);
    EXPECT_EQ(same.outcome, Outcome::identity);
    EXPECT_SAME_BITS(same.value, -2.0);
}

// The corrected text of the most negative double still reads back: writing
// it into the value box must not turn a valid input into an overflow.
TEST(Convert, WriteBackOfTheLargestMagnitudeReadsBack) {
    const Conversion r = convert(category::optics, 0, 2, -kMax);
    ASSERT_EQ(r.outcome, Outcome::stored);
    ASSERT_TRUE(r.corrected.has_value());
    const ParsedNumber back = parse_number(number_to_text(*r.corrected));
    EXPECT_FALSE(back.overflow);
    EXPECT_SAME_BITS(back.value, kMax);
}

TEST(Convert, RunTimeErrorsComeBackAsValues) {
    const struct {
        Index category, source, target;
        double v;
        Failure expected;
    } cases[] = {
        {0, 0, 1, 0, Failure::invalid_argument},  // the logarithm of 0
        {0, 0, 2, 0, Failure::invalid_argument}, {0, 0, 1, -0.0, Failure::invalid_argument},
        {0, 2, 1, 1e308, Failure::overflow},     {1, 4, 0, 1e308, Failure::overflow},
        {1, 2, 0, 1e303, Failure::overflow},  // 10^6 x (v x 9.80665) passes the range
        {1, 4, 3, 1e308, Failure::overflow},  // checked before the power call
        {1, 3, 2, 1e308, Failure::overflow},     {2, 2, 1, 1e308, Failure::overflow},
        {3, 2, 1, 1e308, Failure::overflow},     {2, 0, 1, 1e305, Failure::overflow},  // v / 10^-5
        {4, 6, 5, 1e305, Failure::overflow},     {5, 5, 0, 1e300, Failure::overflow},
        {5, 3, 1, kMax, Failure::overflow},      {6, 1, 0, 1e303, Failure::overflow},
        {6, 4, 1, kMax, Failure::overflow},      {7, 1, 0, 1e308, Failure::overflow},
        {8, 0, 1, 1e308, Failure::overflow},     {9, 0, 1, 1e308, Failure::overflow},
        {9, 0, 1, -1e308, Failure::overflow},
    };
    for (const auto& c : cases) {
        const Conversion r = convert(c.category, c.source, c.target, c.v);
        EXPECT_EQ(r.outcome, Outcome::failed) << c.category << ' ' << c.source << ' ' << c.target << ' ' << c.v;
        EXPECT_EQ(r.failure, c.expected) << c.category << ' ' << c.source << ' ' << c.target << ' ' << c.v;
    }
}

TEST(Convert, EqualUnitsCopyAllSixtyFourBits) {
    const double values[] = {kMax, -kMax, 1e308, -0.0, std::numeric_limits<double>::denorm_min(), -5.5};
    for (Index c = 0; c < category_count(); ++c) {
        for (Index u = 0; u < unit_count(c); ++u) {
            for (const double v : values) {
                const Conversion r = convert(c, u, u, v);
                ASSERT_EQ(r.outcome, Outcome::identity) << c << ' ' << u;
                EXPECT_SAME_BITS(r.value, v);
                EXPECT_FALSE(r.corrected.has_value());
            }
        }
    }
}

// No input is stored or written back unless it is a finite number, equal
// units included; which flags a NaN or an infinity raises on its way through
// a chain differs between compilers, so it never gets that far.
TEST(Convert, InputThatIsNoFiniteNumberFailsForEveryPair) {
    const struct {
        double v;
        Failure expected;
    } inputs[] = {
        {std::numeric_limits<double>::quiet_NaN(), Failure::invalid_argument},
        {std::bit_cast<double>(std::uint64_t{0x7ff8000000000123}), Failure::invalid_argument},
        {-std::numeric_limits<double>::quiet_NaN(), Failure::invalid_argument},
        {std::numeric_limits<double>::signaling_NaN(), Failure::invalid_argument},
        {std::numeric_limits<double>::infinity(), Failure::overflow},
        {-std::numeric_limits<double>::infinity(), Failure::overflow},
    };
    for (Index c = 0; c < category_count(); ++c) {
        for (Index s = 0; s < unit_count(c); ++s) {
            for (Index t = 0; t < unit_count(c); ++t) {
                for (const auto& in : inputs) {
                    const Conversion r = convert(c, s, t, in.v);
                    SCOPED_TRACE(std::string(unit_label(c, s)) + " ->" + std::string(unit_label(c, t)) +
                                 ", v = " + test::describe(in.v));
                    EXPECT_EQ(r.outcome, Outcome::failed);
                    EXPECT_EQ(r.failure, in.expected);
                    EXPECT_FALSE(r.corrected.has_value());
                }
            }
        }
    }
    EXPECT_EQ(convert(-1, 0, 1, std::numeric_limits<double>::infinity()).outcome, Outcome::unmatched);
}

TEST(Convert, IndexesThatNameNoUnitAreUnmatched) {
    for (const Index c : {Index{-1}, Index{10}, Index{32767}, Index{-32768}}) {
        EXPECT_EQ(convert(c, 0, 1, 5).outcome, Outcome::unmatched) << c;
    }
    for (Index c = 0; c < category_count(); ++c) {
        const Index n = unit_count(c);
        for (const auto& [s, t] :
             {std::pair<Index, Index>{-1, 0}, {n, 0}, {0, -1}, {0, n}, {-1, -1}, {-32768, 32767}}) {
            const Conversion r = convert(c, s, t, -5);
            EXPECT_EQ(r.outcome, Outcome::unmatched) << c << ' ' << s << ' ' << t;
            EXPECT_FALSE(r.corrected.has_value());
        }
    }
}

}  // namespace
}  // namespace metrova
