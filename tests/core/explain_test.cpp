// The story the result's tooltip tells: the result and its unit, the value
// converted, the sign rule that changed it, the formula as evaluated; and
// the words a screen reader hears of results and picks.
#include "explain.h"

#include <gtest/gtest.h>

#include <limits>

namespace metrova {
namespace {

std::string story(Index c, Index s, Index t, double v) {
    const auto told = explain(c, s, t, v, convert(c, s, t, v));
    if (!told) return "(nothing)";
    // The unit kept beside the result is the one its story names.
    EXPECT_EQ(told->story.substr(0, told->story.find('\n')).substr(told->story.find(' ') + 1), told->unit);
    return told->story;
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
    // A result given with indexes that name no unit is not told either.
    Conversion stored{Conversion::Outcome::stored, 1.0, Failure::none, -50.0};
    EXPECT_FALSE(explain(category::optics, 0, 3, 50, stored));
    EXPECT_FALSE(explain(category::optics, -1, 1, 50, stored));
    EXPECT_FALSE(explain(10, 0, 0, 50, stored));
}

// Why a conversion failed, from the conversion itself: the value it worked
// on (after a sign rule), its units and its failure.
std::string why(Index c, Index s, Index t, double v) {
    const Conversion r = convert(c, s, t, v);
    EXPECT_EQ(r.outcome, Conversion::Outcome::failed);
    return error_text(run_time_error(c, s, t, r.corrected.value_or(v), r.failure));
}

TEST(Explain, AnErrorSaysWhichFailureAndWhy) {
    constexpr double kInf = std::numeric_limits<double>::infinity();
    const struct {
        std::string said, expected;
    } cases[] = {
        {why(category::optics, 0, 1, 0),
         "Run-time error: Invalid argument\n"
         "0 Percent (%) has no value in Decibel (dB), which needs a Percent (%) value other than 0."},
        {why(category::optics, 0, 2, -0.0),  // no sign rule for -0, and no "-0" said
         "Run-time error: Invalid argument\n"
         "0 Percent (%) has no value in Optical Density (OD), which needs a Percent (%) value other than 0."},
        {why(category::optics, 2, 1, 1e308),
         "Run-time error: Overflow\nConverting 1E+308 Optical Density (OD) to Decibel (dB) gives a number larger in "
         "size than 1.7976931348623157E+308, the largest there is."},
        {why(category::mass, 1, 0, 1e308),
         "Run-time error: Overflow\nConverting 1E+308 kilogram (kg) to gram (g) gives a number larger in size than "
         "1.7976931348623157E+308, the largest there is."},
        {why(category::temperature, 0, 1, -1e308),
         "Run-time error: Overflow\nConverting -1E+308 Centigrade[C] to Fahrenheit[F] gives a number larger in size "
         "than 1.7976931348623157E+308, the largest there is."},
        {why(category::force, 0, 1, 1.5e305),  // v ÷ 10^−5
         "Run-time error: Overflow\nConverting 1.5E+305 Newton(N) to dyne(dyn) gives a number larger in size than "
         "1.7976931348623157E+308, the largest there is."},
        {why(category::length, 1, 1, kInf),
         "Run-time error: Overflow\nThe number typed is larger in size than 1.7976931348623157E+308, the largest "
         "there is."},
        {error_text(number_too_large()), why(category::length, 1, 1, kInf)},
        {why(category::length, 0, 1, std::numeric_limits<double>::quiet_NaN()),
         "Run-time error: Invalid argument\nThe value to convert is not a number."},
        {error_text(run_time_error(category::volume, 0, 1, 2, Failure::division_by_zero)),
         "Run-time error: Division by zero\nConverting 2 cubic centimeter to cubic meter divides by zero."},
        {error_text(run_time_error(category::temperature, 0, 1, 1, Failure::invalid_argument)),
         "Run-time error: Invalid argument\nConverting 1 Centigrade[C] to Fahrenheit[F] gives no number."},
        {error_text(run_time_error(category::optics, 0, 1, 0, Failure::none)), ""},
    };
    for (const auto& c : cases) EXPECT_EQ(c.said, c.expected);
}

TEST(Explain, WhatIsHeardAndReadOfAResultAndAPick) {
    const auto decibels = explain(category::optics, 0, 1, 2, convert(category::optics, 0, 1, 2));
    const std::optional<Explanation> none;
    const struct {
        std::string said, expected;
    } cases[] = {
        {heard_result("-16.990", decibels), "-16.990 Decibel (dB)"},
        {heard_result("0.000", none), "0.000"},  // the 0 before any conversion has no unit
        {tooltip("-16.990", Fit::whole, decibels), decibels->story},
        {tooltip("1000000000000000000000.0000000000", Fit::cut, decibels),
         "1000000000000000000000.0000000000\n" + decibels->story},
        {tooltip("0.000", Fit::whole, none), "0.000"},
        {heard_pick(List::source, category::optics, 1, 1), "Source unit Decibel (dB)"},
        {heard_pick(List::target, category::length, 0, 2), "Target unit kirometer(km)"},
        {heard_pick(List::category, category::length, 0, 1), "Category Length: centimeter(cm) to meter(m)"},
        {heard_pair(category::mass, 1, 0), "kilogram (kg) to gram (g)"},
    };
    for (const auto& c : cases) EXPECT_EQ(c.said, c.expected);
}

}  // namespace
}  // namespace metrova
