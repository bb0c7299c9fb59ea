// The story the result's tooltip tells: the result and its unit, the value
// converted, the sign rule that changed it, the formula as evaluated.
#include "result_story.h"

#include <gtest/gtest.h>

#include <limits>

#include "units.h"

namespace metrova {
namespace {

using namespace test;  // NOLINT(google-build-using-namespace): the units' names

std::string story(const Pick& pick, double v) {
    const auto told = explain(pick, v, convert(pick, v));
    if (!told) return "(nothing)";
    // The unit kept beside the result is the one its story names.
    EXPECT_EQ(told->story.substr(0, told->story.find('\n')).substr(told->story.find(' ') + 1), told->unit);
    return told->story;
}

TEST(ResultStory, TellsTheResultTheValueAndTheFormula) {
    const struct {
        Pick pick;
        double v;
        const char* expected;
    } cases[] = {
        {pick(Length::in, Length::m), 1, "0.0254 meter(m)\nfrom 1 inch: v × 0.0254"},
        // km -> mile -> km is not 1: the tooltip shows why
        {pick(Length::mile, Length::km), 0.62137, "0.999970741 kirometer(km)\nfrom 0.62137 mile: v × 1.6093"},
        {pick(Optics::percent, Optics::decibel), 2,
         "-16.9897000433602 Decibel (dB)\nfrom 2 Percent (%): (ln v ÷ ln 10 − 2) × 10"},
        {pick(Optics::percent, Optics::decibel), -50,
         "-3.01029995663981 Decibel (dB)\nfrom -50 Percent (%), v made non-negative: (ln v ÷ ln 10 − 2) × 10"},
        {pick(Optics::decibel, Optics::percent), 3,
         "50.1187233627272 Percent (%)\nfrom 3 Decibel (dB), v made non-positive: 10^(v ÷ 10 + 2)"},
        {pick(Optics::decibel, Optics::percent), -3,
         "50.1187233627272 Percent (%)\nfrom -3 Decibel (dB): 10^(v ÷ 10 + 2)"},
        {pick(Pressure::atm, Pressure::bar), 1, "1.01325 bar\nfrom 1 atm: (v × 101325) ÷ 10^5"},
        {pick(Force::newton, Force::dyne), 1, "100000 dyne(dyn)\nfrom 1 Newton(N): v ÷ 10^−5"},
        {pick(Temperature::f, Temperature::c), 98.6, "37 Centigrade[C]\nfrom 98.6 Fahrenheit[F]: (v − 32) ÷ 1.8"},
        {pick(Area::mile2, Area::in2), 1e20,
         "4.01453291916994E+29 square inch\nfrom 1E+20 square mile: v × 2.59 × 10^10 ÷ 6.45156"},
        {pick(Length::m, Length::m), 5, "5 meter(m)\nfrom 5 meter(m): the same unit, passed through unchanged"},
        {pick(Optics::density, Optics::density), -2,
         "-2 Optical Density (OD)\nfrom -2 Optical Density (OD): the same unit, passed through unchanged"},
    };
    for (const auto& c : cases) EXPECT_EQ(story(c.pick, c.v), c.expected);
}

TEST(ResultStory, ConversionsWithoutAResultTellNothing) {
    EXPECT_EQ(story(pick(Optics::percent, Optics::decibel), 0), "(nothing)");  // the logarithm of 0
    EXPECT_EQ(story(pick(Mass::kg, Mass::g), 1e308), "(nothing)");             // overflow
    EXPECT_EQ(story({category::length, -1, 0}, 1), "(nothing)");               // unmatched
    EXPECT_EQ(story(pick(Length::cm, Length::cm), std::numeric_limits<double>::infinity()), "(nothing)");
    EXPECT_EQ(formula_text({category::length, 0, 7}), "");
    EXPECT_EQ(formula_text({-1, 0, 1}), "");
    EXPECT_EQ(formula_text(pick(Length::m, Length::m)), "");
}

}  // namespace
}  // namespace metrova
