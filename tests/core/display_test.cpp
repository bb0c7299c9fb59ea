#include "display.h"

#include <gtest/gtest.h>

#include <optional>
#include <string>

namespace metrova {
namespace {

TEST(DecimalPlaces, TheBoxNamesZeroToTenPlacesOrNothing) {
    const std::pair<const char*, std::optional<int>> cases[] = {
        {"3", 3},    {"0", 0},    {"-0", 0},    {"", 0},      {"abc", 0},  // no digits read as 0
        {"10", 10},  {"1E1", 10}, {"10.0", 10}, {"&HA", 10},  {" 7x", 7},    {"11", {}},
        {"100", {}}, {"2.5", {}}, {"-1", {}},   {"1e-9", {}}, {"1e999", {}},  // an overflow is an unusable value, not
                                                                              // an error
    };
    for (const auto& [text, expected] : cases) EXPECT_EQ(decimal_places(text), expected) << '"' << text << '"';
}

constexpr Notation kDecimal = Notation::decimal;

struct RenderCase {
    double answer;
    Notation notation;
    const char* places;
    std::optional<std::string> expected;
};

TEST(Render, DecimalRoundsHalfToEvenThenPrints) {
    const RenderCase cases[] = {
        {0.0625, kDecimal, "3", "0.062"},
        {0.1875, kDecimal, "3", "0.188"},
        {0.125, kDecimal, "2", "0.12"},
        {2.5, kDecimal, "", "2"},
        {0.025, kDecimal, "3", "0.025"},
        {12.3456, kDecimal, "2", "12.35"},
        {12.3456, kDecimal, "1", "12.3"},
        {1234.5, kDecimal, "1E1", "1234.5000000000"},
        {1234.5, kDecimal, "10.0", "1234.5000000000"},
        {1e20, kDecimal, "1", "100000000000000000000.0"},
        {9.999999999999996, kDecimal, "3", "10.000"},
        {98.06649999999999, kDecimal, "3", "98.066"},
        {99999.99999999999, kDecimal, "3", "100000.000"},
        {-0.0001, kDecimal, "3", "0.000"},
        {-0.0, kDecimal, "0", "0"},
        {0.0, kDecimal, "3", "0.000"},
    };
    for (const RenderCase& c : cases) {
        EXPECT_EQ(render_answer(c.answer, c.notation, c.places), c.expected)
            << c.answer << " with \"" << c.places << '"';
    }
}

TEST(Render, UnusablePlacesWriteNothing) {
    for (const char* places : {"11", "2.5", "-1", "100", "1e999"}) {
        EXPECT_EQ(render_answer(5.0, Notation::decimal, places), std::nullopt) << places;
    }
}

TEST(Render, ScientificIgnoresThePlacesBox) {
    for (const char* places : {"3", "11", "", "1e999"}) {
        EXPECT_EQ(render_answer(1234.5, Notation::scientific, places), "1.23E+03") << places;
    }
    EXPECT_EQ(render_answer(99999.99999999999, Notation::scientific, "3"), "1.00E+05");
    EXPECT_EQ(render_answer(-0.0, Notation::scientific, "3"), "0.00E+00");
}

}  // namespace
}  // namespace metrova
