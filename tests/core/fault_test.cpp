// The fault check runs in the optimised build that the tests use: the
// compiler would happily move the arithmetic across the flag calls.
#include "fault.h"

#include <gtest/gtest.h>

#include <cfenv>

namespace metrova {
namespace {

#ifdef __OPTIMIZE__
constexpr bool kOptimised = true;
#else
constexpr bool kOptimised = false;
#endif

// The optimiser, which sees across files with link-time optimisation, may
// fold or move arithmetic that it believes free of side effects; the flag
// calls must keep their place around it all the same. An unoptimised build
// moves nothing, so there this proves nothing and says so.
TEST(FaultCheck, KeepsItsPlaceUnderTheOptimiser) {
    if constexpr (!kOptimised) {
        GTEST_SKIP() << "an unoptimised build: the fault check's order is proven only with the optimiser on";
    }
    for (int round = 0; round < 2; ++round) {  // the same arithmetic again raises its flag again
        const FaultCheck f;
        const double r = f.input(1e308) * 10;
        EXPECT_EQ(f.check(r), Failure::overflow) << "round " << round;
    }
    const FaultCheck later;
    EXPECT_EQ(later.check(later.input(2.0) * 3), Failure::none);
}

TEST(FaultCheck, FailuresAreInvalidDivisionByZeroAndOverflow) {
    {
        const FaultCheck f;
        const double r = f.input(1e308) * 10;
        EXPECT_EQ(f.check(r), Failure::overflow);
    }
    {
        const FaultCheck f;
        const double r = f.input(-1e308) * 1e10 / 3;
        EXPECT_EQ(f.check(r), Failure::overflow);
    }
    {
        const FaultCheck f;
        const double r = f.input(1.0) / f.input(0.0);
        EXPECT_EQ(f.check(r), Failure::division_by_zero);
    }
    {
        const FaultCheck f;
        const double r = f.input(0.0) / f.input(0.0);
        EXPECT_EQ(f.check(r), Failure::invalid_argument);
    }
}

TEST(FaultCheck, UnderflowAndInexactAreNoFailures) {
    const FaultCheck f;
    const double r = f.input(1e-308) / 1e10 / 3;
    EXPECT_EQ(f.check(r), Failure::none);
}

TEST(FaultCheck, SeesOnlyArithmeticAfterItWasMade) {
    const FaultCheck before;
    const double r = before.input(1e308) * 10;
    ASSERT_EQ(before.check(r), Failure::overflow);
    const FaultCheck after;
    EXPECT_EQ(after.check(after.input(2.0) * 3), Failure::none);
}

}  // namespace
}  // namespace metrova
