// The natural numbers under the accurate paths of the power and the
// logarithm, row by row in hexadecimal; the expected values are Python's
// arbitrary-precision integers. Rows sit at the limb boundaries, carries
// through whole limbs, the rare steps of long division, and the capacity.
#include "natural.h"

#include <gtest/gtest.h>

#include <cstdint>
#include <string>
#include <string_view>

namespace metrova {
namespace {

Natural from_hex(std::string_view hex) {
    Natural n;
    for (const char c : hex) {
        n <<= 4;
        n += Natural(static_cast<std::uint64_t>(c <= '9' ? c - '0' : c - 'a' + 10));
    }
    return n;
}

std::string to_hex(const Natural& n) {
    std::string hex;
    for (int top = (n.bit_length() + 3) / 4 * 4 - 4; top >= 0; top -= 4) {
        int digit = 0;
        for (int i = 3; i >= 0; --i) digit = 2 * digit + (n.bit(top + i) ? 1 : 0);
        hex += "0123456789abcdef"[digit];
    }
    return hex.empty() ? "0" : hex;
}

TEST(Natural, SumsAndDifferencesCarryThroughLimbs) {
    struct Row {
        const char *a, *b, *sum, *difference;
    };
    constexpr Row kRows[] = {
        {"ffffffffffffffff", "1", "10000000000000000", "fffffffffffffffe"},
        {"800000000000000000003039", "800000000000000000000000", "1000000000000000000003039", "3039"},
        {"ffffffff", "ffffffff", "1fffffffe", "0"},
    };
    for (const Row& row : kRows) {
        Natural sum = from_hex(row.a);
        sum += from_hex(row.b);
        EXPECT_EQ(to_hex(sum), row.sum) << row.a << " + " << row.b;
        Natural difference = from_hex(row.a);
        difference -= from_hex(row.b);
        EXPECT_EQ(to_hex(difference), row.difference) << row.a << " - " << row.b;
        EXPECT_EQ(difference.is_zero(), std::string_view(row.difference) == "0");
    }
}

TEST(Natural, ShiftsMoveBitsAcrossLimbs) {
    struct Row {
        const char* a;
        int n;
        const char *left, *right;
    };
    constexpr Row kRows[] = {
        {"1", 31, "80000000", "0"},
        {"1", 32, "100000000", "0"},
        {"8000000000000001", 33, "1000000000000000200000000", "40000000"},
        {"10000000000000000000000007", 100, "100000000000000000000000070000000000000000000000000", "1"},
        {"10000000000000000000000007", 101, "2000000000000000000000000e0000000000000000000000000", "0"},
    };
    for (const Row& row : kRows) {
        EXPECT_EQ(to_hex(from_hex(row.a) <<= row.n), row.left) << row.a << " << " << row.n;
        EXPECT_EQ(to_hex(from_hex(row.a) >>= row.n), row.right) << row.a << " >> " << row.n;
    }
}

TEST(Natural, BitsAndComparisons) {
    const Natural n = from_hex("10000000000000000000000007");  // 2^100 + 7
    EXPECT_EQ(n.bit_length(), 101);
    EXPECT_EQ(Natural().bit_length(), 0);
    EXPECT_TRUE(n.bit(100));
    EXPECT_FALSE(n.bit(99));
    EXPECT_TRUE(n.any_below(1));
    EXPECT_TRUE(n.any_below(3));
    EXPECT_FALSE((from_hex("10000000000000000000000000") <<= 5).any_below(105));
    EXPECT_EQ(n.low64(), 7U);
    EXPECT_LT(from_hex("ffffffffffffffff"), from_hex("10000000000000000"));
    EXPECT_LT(from_hex("fffffffe00000000"), from_hex("ffffffff00000000"));
    EXPECT_EQ(Natural::power_of_two(100), from_hex("10000000000000000000000000"));
}

TEST(Natural, ProductsShiftedAsTheyAreFormed) {
    struct Row {
        const char *a, *b;
        int shift;
        const char* expected;  // (a x b) >> shift
    };
    constexpr Row kRows[] = {
        {"ffffffffffffffff", "ffffffffffffffff", 0, "fffffffffffffffe0000000000000001"},
        {"3039", "2a6", 0, "7fb6f6"},
        {"123456789abcdef0123456789", "fedcba9876543210fedcba98", 64, "121fa00ad77d742247acc913f1f8f357b"},
        {"5a4653ca673768565b41f775d6947d55cf3813d1", "180ea14e592bc647d081ee78ba6d7c3465fc3bb29eff2fd359a19f381", 100,
         "87bc0956a508c42417f9eab880c568570e9ea05605eceeef3ea3ade03f4b329075c8549"},
        {"400000000000000000", "400000000000000000", 200, "0"},  // shifted past the whole product
    };
    for (const Row& row : kRows) {
        const Natural a = from_hex(row.a);
        const Natural b = from_hex(row.b);
        const Natural shifted = Natural::product_shifted(a, b, row.shift);
        EXPECT_EQ(to_hex(shifted), row.expected) << row.a << " x " << row.b << " >> " << row.shift;
        EXPECT_EQ(shifted.is_zero(), std::string_view(row.expected) == "0");
    }
}

TEST(Natural, QuotientsAndRests) {
    struct Row {
        const char *a, *b, *quotient, *rest;
    };
    constexpr Row kRows[] = {
        {"5", "7", "0", "5"},
        {"ffffffffffffffffffff", "3", "55555555555555555555", "0"},  // one limb: divide()
        {"10000000000000000", "10000000000000000", "1", "0"},
        // A quotient limb estimated one too large: the divisor is added back.
        {"ffffffff800000010000000180000001fffffffe", "ffffffff80000001ffffffff", "ffffffffffffffff",
         "200000003fffffffd"},
        {"1000000000000000000000000000000000000000000000000000000000000000000000000000",  // 2^300 / 5^100
         "1249ad2594c37ceb0b2784c4ce0bf38ace408e211a7caab24308a82e8f1", "dff9772470297ebd5",
         "ad32a2dbfef24d2bc2eb57ac0922765862354fd27d607aae964d17f47b"},
        {"980553f0db2fd09de3c90000000000000000000000000", "980553f0db2fd09de3c9", "10000000000000000000000000",
         "0"},  // 2^100 3^50 / 3^50
    };
    for (const Row& row : kRows) {
        Natural rest = from_hex(row.a);
        const Natural quotient = Natural::take_quotient(rest, from_hex(row.b));
        EXPECT_EQ(to_hex(quotient), row.quotient) << row.a << " / " << row.b;
        EXPECT_EQ(to_hex(rest), row.rest) << row.a << " % " << row.b;
    }
}

TEST(Natural, SmallDivisorsAndFactors) {
    struct Row {
        const char* a;
        std::uint32_t d;
        const char* quotient;
        std::uint32_t rest;
    };
    constexpr Row kRows[] = {
        {"ffffffffffffffffffffffff", 7, "249249249249249249249249", 0},
        {"c9f2c9cd04674edea40000000", 1000000007, "3635c9a7680e1d4f67", 999657007},  // 10^30
        {"0", 5, "0", 0},
    };
    for (const Row& row : kRows) {
        Natural n = from_hex(row.a);
        EXPECT_EQ(n.divide(row.d), row.rest) << row.a << " % " << row.d;
        EXPECT_EQ(to_hex(n), row.quotient) << row.a << " / " << row.d;
        n *= row.d;
        n += Natural(row.rest);
        EXPECT_EQ(to_hex(n), row.a) << "back from " << row.quotient;
    }
}

// The widest result fits; one bit more stops the program instead of losing
// the top bit. (A Windows build leaves this out: its death tests would run
// under wine's crash handler.)
#if GTEST_HAS_DEATH_TEST && !defined(_WIN32)
TEST(NaturalDeathTest, ResultsPastTheCapacityTrap) {
    const Natural top = Natural::power_of_two(Natural::kBits - 1);
    Natural widest = top;
    widest -= Natural(1);
    widest += top;  // 2^kBits - 1
    EXPECT_EQ(widest.bit_length(), Natural::kBits);
    EXPECT_EQ(Natural::product_shifted(top, Natural(6), 2).bit_length(), Natural::kBits);
    EXPECT_DEATH((Natural(widest) += Natural(1)), "");
    EXPECT_DEATH((Natural(top) *= 2), "");
    EXPECT_DEATH((Natural(3) <<= Natural::kBits - 1), "");
    EXPECT_DEATH(static_cast<void>(Natural::product_shifted(top, Natural(6), 1)), "");
}
#endif

}  // namespace
}  // namespace metrova
