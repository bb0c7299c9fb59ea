#include "fault.h"

#include <cfenv>

namespace metrova {

FaultCheck::FaultCheck() noexcept { std::feclearexcept(FE_ALL_EXCEPT); }

// Both belong to the check that cleared the flags, though they read no
// member of it: the flags are the processor's.
// NOLINTNEXTLINE(readability-convert-member-functions-to-static)
double FaultCheck::input(double v) const noexcept {
    volatile double pinned = v;
    return pinned;
}

// NOLINTNEXTLINE(readability-convert-member-functions-to-static)
Failure FaultCheck::check(double computed) const noexcept {
    volatile double pinned = computed;
    (void)pinned;
    const int raised = std::fetestexcept(FE_INVALID | FE_DIVBYZERO | FE_OVERFLOW);
    if ((raised & FE_INVALID) != 0) return Failure::invalid_argument;
    if ((raised & FE_DIVBYZERO) != 0) return Failure::division_by_zero;
    if ((raised & FE_OVERFLOW) != 0) return Failure::overflow;
    return Failure::none;
}

}  // namespace metrova
