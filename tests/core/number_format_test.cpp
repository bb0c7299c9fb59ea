#include "number_format.h"

#include <gtest/gtest.h>

#include <charconv>
#include <cmath>
#include <cstdio>
#include <limits>
#include <random>
#include <string>

#include "number_parser.h"
#include "same_bits.h"

namespace metrova {
namespace {

constexpr double kMax = std::numeric_limits<double>::max();
constexpr double kTiny = std::numeric_limits<double>::denorm_min();

struct RoundCase {
    double x;
    int places;
    double expected;
};

TEST(RoundHalfEven, OneBoundaryPerRow) {
    const RoundCase cases[] = {
        {0.125, 2, 0.12},  // an exact tie goes to the even neighbour
        {0.375, 2, 0.38},
        {0.0625, 3, 0.062},
        {0.1875, 3, 0.188},
        {0.045, 2, 0.04},  // a tie at 15 digits, even neighbour below
        {2.675, 2, 2.68},  // stored just below 2.675, a tie at 15 digits
        {1.255, 2, 1.26},
        {2.5, 0, 2},
        {3.5, 0, 4},
        {-2.5, 0, -2},
        {0.5, 0, 0},
        {1.5, 0, 2},
        {12.3456, 2, 12.35},
        {12.3456, 1, 12.3},
        {9.999999999999996, 3, 10},
        {98.06649999999999, 3, 98.066},
        {99999.99999999999, 3, 100000},
        {-0.0001, 3, -0.0},  // rounds to zero and keeps its sign
        {-0.0, 3, -0.0},
        {0.0, 0, 0.0},
        {kTiny, 10, 0.0},
        {0.1, 3, 0.1},
        {0.10000000000000002, 3, 0.1},
        {1e300, 2, 1e300},
        {kMax, 10, kMax},
        {-kMax, 0, -kMax},
        {123456789.123456789, 10, 123456789.123457},  // 15 digits, not 17
    };
    for (const RoundCase& c : cases) {
        SCOPED_TRACE(test::describe(c.x) + " to " + std::to_string(c.places) + " places");
        EXPECT_SAME_BITS(round_half_even(c.x, c.places), c.expected);
    }
}

struct TextCase {
    double x;
    int places;
    const char* expected;
};

TEST(FormatFixed, OneRulePerRow) {
    const TextCase cases[] = {
        {1234.5, 3, "1234.500"},
        {0.5, 2, "0.50"},
        {12.0, 0, "12"},
        {-0.2, 1, "-0.2"},
        {0.125, 2, "0.13"},  // the formatter alone rounds ties away from zero
        {-1.5, 0, "-2"},
        {0.05, 1, "0.1"},
        {-0.0, 3, "0.000"},
        {-0.0001, 3, "0.000"},  // no minus sign on a zero
        {0.0, 0, "0"},
        {kTiny, 10, "0.0000000000"},
        {1e20, 1, "100000000000000000000.0"},
        {99999.99999999999, 3, "100000.000"},
        {123456789012345678.0, 0, "123456789012346000"},  // zeros past the 15th digit
        {0.1, 10, "0.1000000000"},
        {-7.0, 2, "-7.00"},
    };
    for (const TextCase& c : cases) EXPECT_EQ(format_fixed(c.x, c.places), c.expected) << test::describe(c.x);
}

TEST(FormatFixed, PrintsTheLargestDoubleInFull) {
    EXPECT_EQ(format_fixed(kMax, 0), "179769313486232" + std::string(294, '0'));
    EXPECT_EQ(format_fixed(-kMax, 2), "-179769313486232" + std::string(294, '0') + ".00");
}

TEST(FormatScientific, OneRulePerRow) {
    const std::pair<double, const char*> cases[] = {
        {1234.5, "1.23E+03"},
        {0.000123, "1.23E-04"},
        {-1234.5, "-1.23E+03"},
        {1e100, "1.00E+100"},
        {9.996, "1.00E+01"},  // the carry moves the exponent
        {1.255, "1.26E+00"},  // a tie at 15 digits, away from zero
        {1.245, "1.25E+00"},
        {-1.255, "-1.26E+00"},
        {1.0, "1.00E+00"},
        {0.001, "1.00E-03"},
        {99999.99999999999, "1.00E+05"},
        {0.0, "0.00E+00"},
        {-0.0, "0.00E+00"},
        {kTiny, "4.94E-324"},
        {kMax, "1.80E+308"},
        {-kMax, "-1.80E+308"},
    };
    for (const auto& [x, expected] : cases) EXPECT_EQ(format_scientific(x), expected) << test::describe(x);
}

TEST(NumberToText, OneRulePerRow) {
    const std::pair<double, const char*> cases[] = {
        {-3.0, "-3"},
        {-0.5, "-0.5"},
        {50.0, "50"},
        {123456.7, "123456.7"},
        {0.1 + 0.2, "0.3"},
        {1.0 / 3, "0.333333333333333"},
        {2.0 / 3, "0.666666666666667"},
        {0.00001, "0.00001"},
        {0.000015, "0.000015"},
        {1.5e-6, "1.5E-06"},
        {123456789012345.0, "123456789012345"},
        {1e15, "1E+15"},
        {-1.5e300, "-1.5E+300"},
        {1e308, "1E+308"},
        {kTiny, "4.94065645841247E-324"},
        {0.0, "0"},
        {-0.0, "0"},
        {1.79769313486231e308, "1.79769313486231E+308"},
        // The 15-digit text of the largest doubles would read as an overflow.
        {kMax, "1.7976931348623157E+308"},
        {-kMax, "-1.7976931348623157E+308"},
    };
    for (const auto& [x, expected] : cases) EXPECT_EQ(number_to_text(x), expected) << test::describe(x);
}

int shortest_digits(double x) {
    char buf[64];
    const auto* const end = std::to_chars(buf, buf + sizeof buf, std::fabs(x), std::chars_format::scientific).ptr;
    int digits = 0;
    for (const char* p = buf; p != end && *p != 'e'; ++p) digits += (*p >= '0' && *p <= '9') ? 1 : 0;
    return digits;
}

std::string at_15_digits(double x) {
    char buf[64];
    std::snprintf(buf, sizeof buf, "%.14e", x);
    return buf;
}

// The text reads back without overflow to the same value at 15 significant
// digits, and to the very same double wherever 15 digits hold it.
TEST(NumberToText, ReadsBackOverRandomDoubles) {
    std::mt19937_64 random(42);
    int exact = 0;
    for (int i = 0; i < 200000; ++i) {
        auto x = std::bit_cast<double>(random());
        if (i % 2 == 1) x = std::ldexp(static_cast<double>(random() % 100000000), -static_cast<int>(random() % 40));
        if (!std::isfinite(x)) continue;
        const std::string text = number_to_text(x);
        const ParsedNumber parsed = parse_number(text);
        ASSERT_FALSE(parsed.overflow) << text;
        ASSERT_EQ(parsed.consumed, text.size()) << text;
        ASSERT_EQ(at_15_digits(parsed.value), at_15_digits(x)) << text;
        if (shortest_digits(x) <= 15) {
            ASSERT_PRED_FORMAT2(test::same_bits, parsed.value, x) << text;
            ++exact;
        }
    }
    EXPECT_GT(exact, 20000);  // the exact branch really ran
}

TEST(NumberToText, LargestDoublesNeverReadBackAsOverflow) {
    double x = kMax;
    for (int i = 0; i < 1000; ++i, x = std::nextafter(x, 0.0)) {
        for (const double signed_x : {x, -x}) {
            const ParsedNumber parsed = parse_number(number_to_text(signed_x));
            ASSERT_FALSE(parsed.overflow) << number_to_text(signed_x);
            ASSERT_EQ(at_15_digits(parsed.value), at_15_digits(signed_x)) << number_to_text(signed_x);
        }
    }
}

}  // namespace
}  // namespace metrova
