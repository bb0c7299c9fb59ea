// Why a conversion failed, from the conversion itself: the value it worked
// on (after a sign rule), its units and its failure, in the error box's
// words.
#include "failure.h"

#include <gtest/gtest.h>

#include <limits>

#include "convert.h"
#include "units.h"

namespace metrova {
namespace {

using namespace test;  // NOLINT(google-build-using-namespace): the units' names

std::string why(const Pick& pick, double v) {
    const Conversion r = convert(pick, v);
    EXPECT_EQ(r.outcome, Conversion::Outcome::failed);
    return error_text(run_time_error(pick, v, r));
}

// Failures that no table reaches, for the sentences that name them.
std::string why(const Pick& pick, double v, Failure failure) {
    return error_text(run_time_error(pick, v, {Conversion::Outcome::failed, 0.0, failure, std::nullopt, nullptr}));
}

TEST(Failure, AnErrorSaysWhichFailureAndWhy) {
    constexpr double kInf = std::numeric_limits<double>::infinity();
    const struct {
        std::string said, expected;
    } cases[] = {
        {why(pick(Optics::percent, Optics::decibel), 0),
         "Run-time error: Invalid argument\n"
         "0 Percent (%) has no value in Decibel (dB), which needs a Percent (%) value other than 0."},
        {why(pick(Optics::percent, Optics::density), -0.0),  // no sign rule for -0, and no "-0" said
         "Run-time error: Invalid argument\n"
         "0 Percent (%) has no value in Optical Density (OD), which needs a Percent (%) value other than 0."},
        {why(pick(Optics::density, Optics::decibel), 1e308),
         "Run-time error: Overflow\nConverting 1E+308 Optical Density (OD) to Decibel (dB) gives a number larger in "
         "size than 1.7976931348623157E+308, the largest there is."},
        {why(pick(Mass::kg, Mass::g), 1e308),
         "Run-time error: Overflow\nConverting 1E+308 kilogram (kg) to gram (g) gives a number larger in size than "
         "1.7976931348623157E+308, the largest there is."},
        {why(pick(Temperature::c, Temperature::f), -1e308),
         "Run-time error: Overflow\nConverting -1E+308 Centigrade[C] to Fahrenheit[F] gives a number larger in size "
         "than 1.7976931348623157E+308, the largest there is."},
        {why(pick(Force::newton, Force::dyne), 1.5e305),  // v ÷ 10^−5
         "Run-time error: Overflow\nConverting 1.5E+305 Newton(N) to dyne(dyn) gives a number larger in size than "
         "1.7976931348623157E+308, the largest there is."},
        {why(pick(Length::m, Length::m), kInf),
         "Run-time error: Overflow\nThe number typed is larger in size than 1.7976931348623157E+308, the largest "
         "there is."},
        {error_text(number_too_large()), why(pick(Length::m, Length::m), kInf)},
        {why(pick(Length::cm, Length::m), std::numeric_limits<double>::quiet_NaN()),
         "Run-time error: Invalid argument\nThe value to convert is not a number."},
        {why(pick(Volume::cm3, Volume::m3), 2, Failure::division_by_zero),
         "Run-time error: Division by zero\nConverting 2 cubic centimeter to cubic meter divides by zero."},
        // an invalid argument of a formula that takes no logarithm of v
        {why(pick(Temperature::c, Temperature::f), 1, Failure::invalid_argument),
         "Run-time error: Invalid argument\nConverting 1 Centigrade[C] to Fahrenheit[F] gives no number."},
        {why(pick(Optics::percent, Optics::decibel), 0, Failure::none), ""},
    };
    for (const auto& c : cases) EXPECT_EQ(c.said, c.expected);
}

}  // namespace
}  // namespace metrova
