#include "convert.h"

#include <gtest/gtest.h>

#include <bit>
#include <cmath>
#include <limits>
#include <string>

#include "number_format.h"
#include "number_parser.h"
#include "same_bits.h"
#include "units.h"

namespace metrova {
namespace {

using namespace test;  // NOLINT(google-build-using-namespace): the units' names
using Outcome = Conversion::Outcome;
constexpr double kMax = std::numeric_limits<double>::max();

struct Case {
    Pick pick;
    double v;
    double expected;
};

std::string name(const Pick& pick, double v) {
    return std::string(unit_label(pick.category, pick.source)) + " ->" +
           std::string(unit_label(pick.category, pick.target)) + ", v = " + test::describe(v);
}

// Values that the answer receives, bit for bit. Gallon(England) is 4.546 l and
// bushel (USA) 35.24 l; their expectations are computed from those constants.
// The Optics chains round the logarithm and the power of ten correctly, then
// each operation in turn: their bits are those of that exact order.
const Case kExact[] = {
    // Optics
    {pick(Optics::percent, Optics::decibel), 50, -0x1.8151824c75885p+1},   // -3.0102999566398148
    {pick(Optics::percent, Optics::decibel), -50, -0x1.8151824c75885p+1},  // made non-negative
    {pick(Optics::percent, Optics::decibel), 2, -0x1.0fd5cfb6714fp+4},     // -16.989700043360187
    {pick(Optics::percent, Optics::density), 50, 0x1.34413509f7a04p-2},    // 0.30102999566398148
    {pick(Optics::percent, Optics::density), 200, -0x1.34413509f79f8p-2},  // a negative density, no error
    {pick(Optics::percent, Optics::density), 1e-300, 0x1.2dfffffffffffp+8},
    {pick(Optics::decibel, Optics::percent), -3, 0x1.90f3253c017ap+5},  // 50.118723362727224
    {pick(Optics::decibel, Optics::percent), 3, 0x1.90f3253c017ap+5},   // made non-positive
    {pick(Optics::decibel, Optics::percent), -0.5, 0x1.64801897b580ap+6},
    {pick(Optics::decibel, Optics::percent), -100, 0x1.5798ee2308c3ap-27},  // 1e-08, the double nearest
    {pick(Optics::density, Optics::percent), 0.5, 0x1.f9f6e4990f227p+4},
    {pick(Optics::density, Optics::percent), 3, 0x1.999999999999ap-4},
    {pick(Optics::percent, Optics::decibel), 1, -20},
    {pick(Optics::percent, Optics::density), 10, 1},
    {pick(Optics::percent, Optics::density), 0.1, 3},
    {pick(Optics::decibel, Optics::percent), 0, 100},
    {pick(Optics::density, Optics::percent), 0, 100},
    {pick(Optics::density, Optics::percent), 1, 10},
    {pick(Optics::density, Optics::decibel), 3, 30},
    {pick(Optics::decibel, Optics::density), -30, -3},
    {pick(Optics::decibel, Optics::density), 30, 3},
    {pick(Optics::percent, Optics::decibel), 1000,
     0x1.3fffffffffffep+3},                              // 9.999999999999996: ln 1000 / ln 10 is just below 3
    {pick(Optics::decibel, Optics::percent), -5000, 0},  // underflows quietly
    // Pressure, force, energy
    {pick(Force::newton, Force::dyne), 1, 99999.99999999999},
    {pick(Force::kgf, Force::dyne), 1, 980664.9999999999},
    {pick(Energy::joule, Energy::erg), 1, 10000000},
    {pick(Pressure::kgf_mm2, Pressure::bar), 1, 98.06649999999999},
    {pick(Pressure::torr, Pressure::atm), 760, 0.999982235381199},
    {pick(Pressure::atm, Pressure::torr), 1, 760.013501350135},
    {pick(Pressure::bar, Pressure::pa), 1, 100000},
    {pick(Pressure::atm, Pressure::bar), 1, 1.01325},
    {pick(Pressure::pa, Pressure::atm), 5e-324, 0},
    // Length
    {pick(Length::cm, Length::m), 2.5, 0.025},
    {pick(Length::mile, Length::m), 1, 1609.3},
    {pick(Length::mile, Length::cm), 1, 160930},
    {pick(Length::mile, Length::km), 1, 1.6093},
    {pick(Length::km, Length::mile), 1, 0.62137},
    {pick(Length::mile, Length::km), 0.62137, 0.9999707409999999},
    {pick(Length::cm, Length::km), 1, 1e-05},
    {pick(Length::km, Length::yd), 1, 1093.6132983377079},
    {pick(Length::km, Length::ft), 1, 3280.839895013123},
    {pick(Length::km, Length::in), 1, 39370.078740157485},
    {pick(Length::km, Length::yd), 2.5, 2734.0332458442695},
    {pick(Length::ft, Length::in), 1, 12.000000000000002},
    {pick(Length::yd, Length::ft), 1, 3.0},
    {pick(Length::yd, Length::in), 1, 36.0},
    {pick(Length::in, Length::cm), 1, 2.54},
    {pick(Length::in, Length::m), 1, 0.0254},
    {pick(Length::m, Length::cm), -1, -100},
    // Area
    {pick(Area::ft2, Area::in2), 1, 144.00083080681262},
    {pick(Area::in2, Area::ft2), 1, 0.006944404378760643},
    {pick(Area::m2, Area::ft2), 1, 10.763915051182416},
    {pick(Area::ft2, Area::m2), 1, 0.092903},
    {pick(Area::acre, Area::m2), 1, 4046.9},
    {pick(Area::acre, Area::ft2), 1, 43560.48782063012},
    {pick(Area::mile2, Area::acre), 1, 639.9960463564704},
    {pick(Area::mile2, Area::in2), 1, 4014532919.169937},
    {pick(Area::mile2, Area::km2), 1, 2.59},
    {pick(Area::km2, Area::cm2), 1, 1e10},
    // Volume
    {pick(Volume::barrel, Volume::l), 1, 159},
    {pick(Volume::barrel, Volume::cm3), 1, 159000},
    {pick(Volume::barrel, Volume::m3), 1, 0.159},
    {pick(Volume::barrel, Volume::dl), 1, 1590},
    {pick(Volume::barrel, Volume::gal_us), 1, 42.00792602377807},
    {pick(Volume::m3, Volume::l), 1, 1000},
    {pick(Volume::m3, Volume::cm3), 1, 1000000},
    {pick(Volume::m3, Volume::dl), 1, 10000},
    {pick(Volume::m3, Volume::barrel), 1, 6.289308176100629},
    {pick(Volume::m3, Volume::gal_us), 1, 264.2007926023778},
    {pick(Volume::dl, Volume::l), 1, 0.1},
    {pick(Volume::l, Volume::dl), 1, 10},
    {pick(Volume::dl, Volume::cm3), 1, 100},
    {pick(Volume::cm3, Volume::dl), 1, 0.01},
    {pick(Volume::dl, Volume::m3), 1, 0.0001},
    {pick(Volume::pint, Volume::dl), 1, 5.683},
    {pick(Volume::dl, Volume::pint), 1, 0.17596339961288052},
    {pick(Volume::quart, Volume::dl), 1, 11.370000000000001},
    {pick(Volume::pint, Volume::cm3), 1, 568.3000000000001},
    {pick(Volume::cm3, Volume::m3), 1, 1e-06},
    {pick(Volume::cm3, Volume::pint), 1, 0.0017596339961288051},
    {pick(Volume::gal_e, Volume::l), 1, 4.546},
    {pick(Volume::gal_e, Volume::quart), 1, 3.998240985048373},
    {pick(Volume::gal_e, Volume::gal_us), 1, 1.2010568031704096},
    {pick(Volume::quart, Volume::pint), 1, 2.0007038535984516},
    {pick(Volume::gal_us, Volume::pint), 1, 6.660214675347528},
    {pick(Volume::bu_e, Volume::bu_us), 1, 1.0314982973893303},
    {pick(Volume::m3, Volume::cm3), 1e302, 1e308},
    // Mass
    {pick(Mass::g, Mass::kg), 1000, 1},
    {pick(Mass::lb, Mass::g), 1, 453.6},
    {pick(Mass::kg, Mass::lb), 1, 2.204585537918871},
    {pick(Mass::kg, Mass::oz), 1, 35.273368606701936},
    {pick(Mass::oz, Mass::lb), 1, 0.0625},
    {pick(Mass::lb, Mass::oz), 1, 16},
    {pick(Mass::ton_e, Mass::ton_us), 1, 1.1200396825396826},
    {pick(Mass::ton_us, Mass::ton_e), 1, 0.8928255093002657},
    {pick(Mass::ton_e, Mass::lb), 1, 2240.079365079365},
    {pick(Mass::ton_us, Mass::lb), 1, 2000},
    {pick(Mass::lb, Mass::ton_e), 2240, 0.9999645704162976},
    {pick(Mass::g, Mass::carat), 1, 5},
    {pick(Mass::kg, Mass::carat), 1, 5000},
    {pick(Mass::carat, Mass::g), 1, 0.2},
    {pick(Mass::carat, Mass::kg), 5, 0.001},
    {pick(Mass::carat, Mass::ton_e), 1, 1.9683102056884162e-07},
    {pick(Mass::g, Mass::kg), -250, -0.25},
    // Velocity
    {pick(Velocity::km_h, Velocity::m_s), 36, 10},
    {pick(Velocity::m_s, Velocity::km_h), 10, 36},
    {pick(Velocity::km_h, Velocity::m_s), 100, 27.77777777777778},
    {pick(Velocity::m_s, Velocity::mph), 1, 2.237136465324385},
    {pick(Velocity::m_s, Velocity::knot), 1, 1.944012441679627},
    {pick(Velocity::mph, Velocity::m_s), 1, 0.447},
    {pick(Velocity::km_h, Velocity::mph), 100, 62.142679592344024},
    {pick(Velocity::km_h, Velocity::knot), 100, 54.00034560221186},
    {pick(Velocity::knot, Velocity::km_h), 1, 1.85184},
    {pick(Velocity::mph, Velocity::km_h), 60, 96.552},
    {pick(Velocity::mph, Velocity::knot), 1, 0.8689735614307932},
    {pick(Velocity::knot, Velocity::mph), 1, 1.1507829977628634},
    // Temperature
    {pick(Temperature::c, Temperature::f), 100, 212},
    {pick(Temperature::f, Temperature::c), 212, 100},
    {pick(Temperature::c, Temperature::f), -40, -40},
    {pick(Temperature::f, Temperature::c), -40, -40},
    {pick(Temperature::c, Temperature::f), 0, 32},
    {pick(Temperature::f, Temperature::c), 32, 0},
    {pick(Temperature::c, Temperature::f), 37, 98.60000000000001},
    {pick(Temperature::f, Temperature::c), 98.6, 36.99999999999999},
    {pick(Temperature::f, Temperature::c), 0, -17.77777777777778},
    {pick(Temperature::c, Temperature::f), -500, -868},
};

TEST(Convert, StoresTheExactDoubleOfEachChain) {
    for (const Case& c : kExact) {
        SCOPED_TRACE(name(c.pick, c.v));
        const Conversion r = convert(c.pick, c.v);
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
        const Conversion r = convert(pick(Temperature::c, Temperature::f), c.v);
        ASSERT_EQ(r.outcome, Outcome::stored);
        EXPECT_SAME_BITS(r.value, c.expected);
    }
}

TEST(Convert, OpticsSignRulesReportTheCorrectedValue) {
    const struct {
        Optics source, target;
        double v;
        const char* written_back;  // nullptr: the value box is left alone
    } cases[] = {
        {Optics::decibel, Optics::percent, 3, "-3"},    // decibels are taken as zero or below
        {Optics::density, Optics::percent, -1, "1"},    // optical density as zero or above
        {Optics::percent, Optics::decibel, -50, "50"},  // a negative percentage is made positive
        {Optics::percent, Optics::density, -50, "50"},
        {Optics::percent, Optics::decibel, 50, nullptr},
        {Optics::decibel, Optics::percent, -3, nullptr},
        {Optics::decibel, Optics::percent, -0.0, nullptr},  // zero of either sign is left alone
        {Optics::density, Optics::percent, 0, nullptr},
        {Optics::decibel, Optics::density, 30, nullptr},  // the direct pairs keep the sign
        {Optics::density, Optics::decibel, -3, nullptr},
        {Optics::density, Optics::density, -2, nullptr},  // identity writes nothing back
    };
    for (const auto& c : cases) {
        const Conversion r = convert(pick(c.source, c.target), c.v);
        SCOPED_TRACE(name(pick(c.source, c.target), c.v));
        ASSERT_NE(r.outcome, Outcome::failed);
        if (c.written_back == nullptr) {
            EXPECT_FALSE(r.corrected.has_value());
        } else {
            ASSERT_TRUE(r.corrected.has_value());
            EXPECT_EQ(number_to_text(*r.corrected), c.written_back);
        }
    }
    const Conversion same = convert(pick(Optics::density, Optics::density), -2);
    EXPECT_EQ(same.outcome, Outcome::identity);
    EXPECT_SAME_BITS(same.value, -2.0);
}

// The corrected text of the most negative double still reads back: writing
// it into the value box must not turn a valid input into an overflow.
TEST(Convert, WriteBackOfTheLargestMagnitudeReadsBack) {
    const Conversion r = convert(pick(Optics::percent, Optics::density), -kMax);
    ASSERT_EQ(r.outcome, Outcome::stored);
    ASSERT_TRUE(r.corrected.has_value());
    const ParsedNumber back = parse_number(number_to_text(*r.corrected));
    EXPECT_FALSE(back.overflow);
    EXPECT_SAME_BITS(back.value, kMax);
}

TEST(Convert, RunTimeErrorsComeBackAsValues) {
    const struct {
        Pick pick;
        double v;
        Failure expected;
    } cases[] = {
        {pick(Optics::percent, Optics::decibel), 0, Failure::invalid_argument},  // the logarithm of 0
        {pick(Optics::percent, Optics::density), 0, Failure::invalid_argument},
        {pick(Optics::percent, Optics::decibel), -0.0, Failure::invalid_argument},
        {pick(Optics::density, Optics::decibel), 1e308, Failure::overflow},
        {pick(Pressure::atm, Pressure::torr), 1e308, Failure::overflow},
        {pick(Pressure::kgf_mm2, Pressure::torr), 1e303, Failure::overflow},  // 10^6 x (v x 9.80665) passes the range
        {pick(Pressure::atm, Pressure::bar), 1e308, Failure::overflow},       // checked before the power call
        {pick(Pressure::bar, Pressure::kgf_mm2), 1e308, Failure::overflow},
        {pick(Force::kgf, Force::dyne), 1e308, Failure::overflow},
        {pick(Energy::kgf_m, Energy::erg), 1e308, Failure::overflow},
        {pick(Force::newton, Force::dyne), 1e305, Failure::overflow},  // v / 10^-5
        {pick(Length::mile, Length::in), 1e305, Failure::overflow},
        {pick(Area::mile2, Area::cm2), 1e300, Failure::overflow},
        {pick(Area::ft2, Area::m2), kMax, Failure::overflow},
        {pick(Volume::m3, Volume::cm3), 1e303, Failure::overflow},
        {pick(Volume::pint, Volume::m3), kMax, Failure::overflow},
        {pick(Mass::kg, Mass::g), 1e308, Failure::overflow},
        {pick(Velocity::m_s, Velocity::km_h), 1e308, Failure::overflow},
        {pick(Temperature::c, Temperature::f), 1e308, Failure::overflow},
        {pick(Temperature::c, Temperature::f), -1e308, Failure::overflow},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(name(c.pick, c.v));
        const Conversion r = convert(c.pick, c.v);
        EXPECT_EQ(r.outcome, Outcome::failed);
        EXPECT_EQ(r.failure, c.expected);
    }
}

TEST(Convert, EqualUnitsCopyAllSixtyFourBits) {
    const double values[] = {kMax, -kMax, 1e308, -0.0, std::numeric_limits<double>::denorm_min(), -5.5};
    for (Index c = 0; c < category_count(); ++c) {
        for (Index u = 0; u < unit_count(c); ++u) {
            for (const double v : values) {
                const Conversion r = convert({c, u, u}, v);
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
                    const Conversion r = convert({c, s, t}, in.v);
                    SCOPED_TRACE(name({c, s, t}, in.v));
                    EXPECT_EQ(r.outcome, Outcome::failed);
                    EXPECT_EQ(r.failure, in.expected);
                    EXPECT_FALSE(r.corrected.has_value());
                }
            }
        }
    }
    EXPECT_EQ(convert({-1, 0, 1}, std::numeric_limits<double>::infinity()).outcome, Outcome::unmatched);
}

TEST(Convert, IndexesThatNameNoUnitAreUnmatched) {
    for (const Index c : {Index{-1}, Index{10}, Index{32767}, Index{-32768}}) {
        EXPECT_EQ(convert({c, 0, 1}, 5).outcome, Outcome::unmatched) << c;
    }
    for (Index c = 0; c < category_count(); ++c) {
        const Index n = unit_count(c);
        for (const auto& [s, t] :
             {std::pair<Index, Index>{-1, 0}, {n, 0}, {0, -1}, {0, n}, {-1, -1}, {-32768, 32767}}) {
            const Conversion r = convert({c, s, t}, -5);
            EXPECT_EQ(r.outcome, Outcome::unmatched) << c << ' ' << s << ' ' << t;
            EXPECT_FALSE(r.corrected.has_value());
        }
    }
}

}  // namespace
}  // namespace metrova
