// The story the result's tooltip tells: the result and its unit, the value
// converted, the sign rule that changed it, the formula as evaluated.
#include "explain.h"

#include <gtest/gtest.h>

#include <limits>

namespace metrova {
namespace {

std::string story(Index c, Index s, Index t, double v) {
    return explain(c, s, t, v, convert(c, s, t, v)).value_or("(nothing)");
}

TEST(Explain, TellsTheResultTheValueAndTheFormula) {
    const struct {
        Index category, source, target;
        double v;
        const char* expected;
    } cases[] = {
        {category::length, 5, 1, 1, "0.0254 meter(m)\nfrom 1 inch: v × 0.0254"},
        // km -> mile -> km is not 1: the tooltip shows why
        {category::length, 6, 2, 0.62137, "0.999970741 kirometer(km)\nfrom 0.62137 mile: v × 1.6093"},
        {category::optics, 0, 1, 2, "-16.9897000433602 Decibel (dB)\nfrom 2 Percent (%): (ln v ÷ ln 10 − 2) × 10"},
        {category::optics, 0, 1, -50,
         "-3.01029995663981 Decibel (dB)\nfrom -50 Percent (%), v made non-negative: (ln v ÷ ln 10 − 2) × 10"},
        {category::optics, 1, 0, 3,
         "50.1187233627272 Percent (%)\nfrom 3 Decibel (dB), v made non-positive: 10^(v ÷ 10 + 2)"},
        {category::optics, 1, 0, -3, "50.1187233627272 Percent (%)\nfrom -3 Decibel (dB): 10^(v ÷ 10 + 2)"},
        {category::pressure, 4, 3, 1, "1.01325 bar\nfrom 1 atm: (v × 101325) ÷ 10^5"},
        {category::force, 0, 1, 1, "100000 dyne(dyn)\nfrom 1 Newton(N): v ÷ 10^−5"},
        {category::temperature, 1, 0, 98.6, "37 Centigrade[C]\nfrom 98.6 Fahrenheit[F]: (v − 32) ÷ 1.8"},
        {category::area, 5, 4, 1e20,
         "4.01453291916994E+29 square inch\nfrom 1E+20 square mile: v × 2.59 × 10^10 ÷ 6.45156"},
        {category::length, 1, 1, 5, "5 meter(m)\nfrom 5 meter(m): the same unit, passed through unchanged"},
        {category::optics, 2, 2, -2,
         "-2 Optical Density (OD)\nfrom -2 Optical Density (OD): the same unit, passed through unchanged"},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(story(c.category, c.source, c.target, c.v), c.expected);
    }
}

TEST(Explain, ConversionsWithoutAResultTellNothing) {
    EXPECT_EQ(story(category::optics, 0, 1, 0), "(nothing)");    // the logarithm of 0
    EXPECT_EQ(story(category::mass, 1, 0, 1e308), "(nothing)");  // overflow
    EXPECT_EQ(story(category::length, -1, 0, 1), "(nothing)");   // unmatched
    EXPECT_EQ(story(category::length, 0, 0, std::numeric_limits<double>::infinity()), "(nothing)");
    EXPECT_EQ(formula_text(category::length, 0, 7), "");
    EXPECT_EQ(formula_text(-1, 0, 1), "");
}

}  // namespace
}  // namespace metrova
