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

struct RenderCase {
    double answer;
    bool decimal;
    const char* places;
    std::optional<std::string> expected;
};

TEST(Render, DecimalRoundsHalfToEvenThenPrints) {
    const RenderCase cases[] = {
        {0.0625, true, "3", "0.062"},
        {0.1875, true, "3", "0.188"},
        {0.125, true, "2", "0.12"},
        {2.5, true, "", "2"},
        {0.025, true, "3", "0.025"},
        {12.3456, true, "2", "12.35"},
        {12.3456, true, "1", "12.3"},
        {1234.5, true, "1E1", "1234.5000000000"},
        {1234.5, true, "10.0", "1234.5000000000"},
        {1e20, true, "1", "100000000000000000000.0"},
        {9.999999999999996, true, "3", "10.000"},
        {98.06649999999999, true, "3", "98.066"},
        {99999.99999999999, true, "3", "100000.000"},
        {-0.0001, true, "3", "0.000"},
        {-0.0, true, "0", "0"},
        {0.0, true, "3", "0.000"},
    };
    for (const RenderCase& c : cases) {
        EXPECT_EQ(render(c.answer, c.decimal, c.places), c.expected) << c.answer << " with \"" << c.places << '"';
    }
}

TEST(Render, UnusablePlacesWriteNothing) {
    for (const char* places : {"11", "2.5", "-1", "100", "1e999"}) {
        EXPECT_EQ(render(5.0, true, places), std::nullopt) << places;
    }
}

TEST(Render, ScientificIgnoresThePlacesBox) {
    for (const char* places : {"3", "11", "", "1e999"}) {
        EXPECT_EQ(render(1234.5, false, places), "1.23E+03") << places;
    }
    EXPECT_EQ(render(99999.99999999999, false, "3"), "1.00E+05");
    EXPECT_EQ(render(-0.0, false, "3"), "0.00E+00");
}

}  // namespace
}  // namespace metrova
