#include "number_parser.h"

#include <gtest/gtest.h>

#include <cmath>
#include <initializer_list>
#include <limits>
#include <random>
#include <string>

#include "same_bits.h"

namespace metrova {
namespace {

struct ParseCase {
    std::string text;
    double value;
    std::size_t consumed;
};

// One rule per row: the value (bit for bit, sign of zero included) and how
// many characters the number took.
const ParseCase kCases[] = {
    {"12abc", 12, 2},
    {"3.5.1", 3.5, 3},
    {"1-2", 1, 1},
    {"1,5", 1, 1},
    {"0x10", 0, 1},
    {"1 000", 1000, 5},
    {" \t\n7", 7, 4},
    {"7 ", 7, 1},
    {"- 5", -5, 3},
    {"+5", 5, 2},
    {"-2", -2, 2},
    {"--5", 0, 0},
    {"+-5", 0, 0},
    {".5", 0.5, 2},
    {"5.", 5, 2},
    {"-.5", -0.5, 3},
    {"1. 5", 1.5, 4},
    {"1E3", 1000, 3},
    {"1e3", 1000, 3},
    {"1D3", 1000, 3},
    {"1d3", 1000, 3},
    {"2.5e-1", 0.25, 6},
    {"1e+2", 100, 4},
    {"1 e 3", 1000, 5},
    {"1e", 1, 1},
    {"1e+", 1, 1},
    {"1e-x", 1, 1},
    {"1.e2", 100, 4},
    {"1e3e4", 1000, 3},
    {"", 0, 0},
    {"   ", 0, 0},
    {"-", 0, 0},
    {".", 0, 0},
    {"-.", 0, 0},
    {"E5", 0, 0},
    {"inf", 0, 0},
    {"-inf", 0, 0},
    {"nan", 0, 0},
    {"Infinity", 0, 0},
    {"abc", 0, 0},
    {"-0", -0.0, 2},
    {"0", 0, 1},
    {"-0.000e5", -0.0, 8},
    {"0e999999999999999999999", 0, 23},
    {"007", 7, 3},
    {"0.1", 0x1.999999999999ap-4, 3},
    {"100.5", 100.5, 5},
    {"1.7976931348623157e308", std::numeric_limits<double>::max(), 22},
    {"1.7976931348623158e308", std::numeric_limits<double>::max(), 22},
    {"1e-400", 0, 6},
    {"-1e-400", -0.0, 7},
    {"1e-99999999999999999999", 0, 23},
    {"4e-324", std::numeric_limits<double>::denorm_min(), 6},
    {"2e-324", 0, 6},
    {"2.5e-324", std::numeric_limits<double>::denorm_min(), 8},
    {"2.2250738585072014e-308", std::numeric_limits<double>::min(), 23},
    {"0." + std::string(400, '0') + "1e400", 0.1, 407},
    {"1" + std::string(400, '0') + "e-400", 1, 406},
    {"&HFF", 255, 4},
    {"&hff", 255, 4},
    {"&O17", 15, 4},
    {"&o17", 15, 4},
    {"& H 1 F", 31, 7},
    {"&H", 0, 0},
    {"&HG", 0, 0},
    {"&O8", 0, 0},
    {"&X1", 0, 0},
    {"&", 0, 0},
    {"-&H10", 0, 0},
    {"&HFFFFFFFFFFFFFFFF", 18446744073709551615.0, 18},
    {"&H0000000000000000001", 1, 21},
    {"&H1.5", 1, 3},
    {std::string("1\0"
                 "2",
                 3),
     1, 1},
    {"\xd9\xa1", 0, 0},  // an Arabic-Indic digit one is no digit here
};

TEST(NumberParser, ReadsTheLongestNumericPrefix) {
    for (const ParseCase& c : kCases) {
        const ParsedNumber parsed = parse_number(c.text);
        SCOPED_TRACE("text \"" + c.text.substr(0, 40) + "\"");
        EXPECT_FALSE(parsed.overflow);
        EXPECT_SAME_BITS(parsed.value, c.value);
        EXPECT_EQ(parsed.consumed, c.consumed);
    }
}

TEST(NumberParser, MagnitudesBeyondTheDoubleRangeOverflow) {
    for (const std::string& text : std::initializer_list<std::string>{
             "1e309",
             "-1e309",
             "1.7976931348623159e308",
             "1e99999999999999999999",
             "1" + std::string(400, '0'),
             "0.000001e315",
             "&H10000000000000000",
             "&O2000000000000000000000",
         }) {
        const ParsedNumber parsed = parse_number(text);
        EXPECT_TRUE(parsed.overflow) << text;
        EXPECT_EQ(parsed.value, 0) << text;
    }
}

// Every decimal is rounded correctly: the shortest text of a random double
// reads back to that very double.
TEST(NumberParser, ShortestTextsOfRandomDoublesReadBackExactly) {
    std::mt19937_64 random(20261207);
    for (int i = 0; i < 100000; ++i) {
        const auto x = std::bit_cast<double>(random());
        if (!std::isfinite(x)) continue;
        char buf[64];
        std::snprintf(buf, sizeof buf, "%.17g", x);
        const ParsedNumber parsed = parse_number(buf);
        ASSERT_FALSE(parsed.overflow) << buf;
        ASSERT_PRED_FORMAT2(test::same_bits, parsed.value, x) << buf;
    }
}

// Any bytes at all give a value or an overflow, never a crash, and the
// number never claims more text than there is.
TEST(NumberParser, AcceptsArbitraryBytes) {
    std::mt19937 random(7);
    constexpr char kBytes[] = "0123456789.-+eEdD&HhOo \t\n,x\0\xff";
    const std::string alphabet(kBytes, sizeof kBytes - 1);
    for (int i = 0; i < 20000; ++i) {
        std::string text(random() % 40, ' ');
        for (char& ch : text) ch = alphabet[random() % alphabet.size()];
        const ParsedNumber parsed = parse_number(text);
        ASSERT_LE(parsed.consumed, text.size());
        ASSERT_FALSE(std::isnan(parsed.value));
        ASSERT_TRUE(std::isfinite(parsed.value));
    }
}

}  // namespace
}  // namespace metrova
