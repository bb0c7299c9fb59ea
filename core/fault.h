// The fault check: after a formula has run, the floating-point exception flags
// tell whether it failed. Invalid operation, division by zero and overflow are
// failures; underflow and an inexact result are not.
//
// The flags are cleared when a FaultCheck is made, so a check sees only the
// arithmetic done since. An optimising compiler treats floating-point
// arithmetic as free of side effects and may move it across the calls that
// clear and test the flags; input() and check() pin the arithmetic between
// them by passing its operand and its result through volatile memory.
//   FaultCheck f; double x = f.input(v); double r = x * 10;
//   f.check(r)  -> Failure::overflow for v = 1e308, Failure::none for v = 1e-320
#pragma once

#include "failure.h"

namespace metrova {

class FaultCheck {
public:
    FaultCheck() noexcept;

    // v, read only after the flags were cleared.
    [[nodiscard]] double input(double v) const noexcept;

    // The failure among the flags raised since construction, once `computed`
    // is complete; invalid operation first, then division by zero, then
    // overflow.
    [[nodiscard]] Failure check(double computed) const noexcept;
};

}  // namespace metrova
