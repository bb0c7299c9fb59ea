// to_double on decimals it was not made for: longer than any that the
// formatters make, or holding something else than digits.
#include "decimal.h"

#include <gtest/gtest.h>

#include <string>

#include "same_bits.h"

namespace metrova {
namespace {

TEST(Decimal, ToDoubleReadsUpToItsLimitAndRefusesBeyond) {
    const std::string forty = "1" + std::string(kMaxDigits - 2, '0') + "1";
    const auto read = to_double(Decimal{false, forty, 1});
    ASSERT_TRUE(read.has_value());
    EXPECT_SAME_BITS(*read, 1.0);  // 1.000...01 rounds to 1

    EXPECT_FALSE(to_double(Decimal{false, std::string(60, '7'), 3}).has_value());
    EXPECT_FALSE(to_double(Decimal{true, std::string(kMaxDigits + 1, '1'), -2147483647 - 1}).has_value());
    EXPECT_FALSE(to_double(Decimal{false, "12x4", 2}).has_value());
}

TEST(Decimal, ToDoubleKeepsTheSignAndTheRange) {
    EXPECT_SAME_BITS(to_double(Decimal{true, "", 0}).value_or(1), -0.0);
    EXPECT_SAME_BITS(to_double(Decimal{true, "15", 1}).value_or(0), -1.5);
    EXPECT_SAME_BITS(to_double(Decimal{false, "17976931348623157", 309}).value_or(0), 1.7976931348623157e308);
    EXPECT_FALSE(to_double(Decimal{false, "179769313486232", 309}).has_value());
    EXPECT_SAME_BITS(to_double(Decimal{false, "5", -323}).value_or(1), 4.9406564584124654e-324);
}

}  // namespace
}  // namespace metrova
