// Bit-for-bit comparison of doubles for the tests: a failure prints both
// values as hex floats and with 17 significant digits, never a tolerance.
#pragma once

#include <gtest/gtest.h>

#include <bit>
#include <cstdint>
#include <cstdio>
#include <string>

namespace metrova::test {

inline std::string describe(double x) {
    char buf[80];
    std::snprintf(buf, sizeof buf, "%a (%.17g)", x, x);
    return buf;
}

inline ::testing::AssertionResult same_bits(const char* actual_expr, const char* expected_expr, double actual,
                                            double expected) {
    if (std::bit_cast<std::uint64_t>(actual) == std::bit_cast<std::uint64_t>(expected)) {
        return ::testing::AssertionSuccess();
    }
    return ::testing::AssertionFailure() << actual_expr << " is " << describe(actual) << "\n"
                                         << expected_expr << " is " << describe(expected);
}

}  // namespace metrova::test

#define EXPECT_SAME_BITS(actual, expected) EXPECT_PRED_FORMAT2(::metrova::test::same_bits, actual, expected)
