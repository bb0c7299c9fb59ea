// The words a screen reader hears of a result and of the user's choices.
#include "heard.h"

#include <gtest/gtest.h>

#include "units.h"

namespace metrova {
namespace {

using namespace test;  // NOLINT(google-build-using-namespace): the units' names

TEST(Heard, WhatIsHeardOfAResultAndAPick) {
    const Pick decibels = pick(Optics::percent, Optics::decibel);
    const struct {
        std::string said, expected;
    } cases[] = {
        {heard_result("-16.990", explain(decibels, 2, convert(decibels, 2))), "-16.990 Decibel (dB)"},
        {heard_result("0.000", std::nullopt), "0.000"},  // the 0 before any conversion has no unit
        {heard_pick(List::source, pick(Optics::decibel, Optics::decibel)), "Source unit Decibel (dB)"},
        {heard_pick(List::target, pick(Length::cm, Length::km)), "Target unit kirometer(km)"},
        {heard_pick(List::category, pick(Length::cm, Length::m)), "Category Length: centimeter(cm) to meter(m)"},
        {heard_pair(pick(Mass::kg, Mass::g)), "kilogram (kg) to gram (g)"},
        {heard_pair(pick(Mass::kg, Mass::g).swapped()), "gram (g) to kilogram (kg)"},
        {heard_notation(Notation::scientific), "Scientific notation"},
        {heard_copy("-16.990"), "Result copied: -16.990"},
    };
    for (const auto& c : cases) EXPECT_EQ(c.said, c.expected);
}

}  // namespace
}  // namespace metrova
