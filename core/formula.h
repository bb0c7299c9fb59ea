// How the formula tables are written.
//
// A cell is one C++ expression on v, transcribed from its table cell with
// x -> *, ÷ -> / and every parenthesis kept. C++ groups * and / left to right,
// so the chain ((v x 0.5683) x 1000) ÷ 10^6 is `v * 0.5683 * 1000 / p10(6)`
// and the compiler keeps that order: each operation is one rounded double
// operation, and constants are never folded together ((v x 9.80665) x 10 is
// not v x 98.0665). kSame marks the identity of equal units.
//
// p10(k) is the power operation, 10 to the power k, called at run time.
// c.checked(x) is the fault check on a left operand that is complete before a
// power call (`c.checked(v * 101325) / p10(5)`); a failure there means the
// result is not stored. c.ln(x) is the natural logarithm, whose argument 0 is
// an invalid argument.
#pragma once

#include "catalogue.h"
#include "fault.h"

namespace metrova {

// 10 to the power k, the double nearest to it for the whole k that the tables
// use. Not inline, so that it is a call at run time like the logarithm.
double p10(double k) noexcept;

// What a formula needs besides v: the fault check of the running conversion
// and the first failure met inside the formula.
class Evaluation {
public:
    explicit Evaluation(const FaultCheck& faults) noexcept : faults_(faults) {}

    double checked(double left) noexcept;
    double ln(double x) noexcept;
    [[nodiscard]] Failure failure() const noexcept { return failure_; }

private:
    const FaultCheck& faults_;
    Failure failure_ = Failure::none;
};

using Formula = double (*)(double v, Evaluation& c) noexcept;

inline constexpr Formula kSame = nullptr;

// A square table of one category, source unit in rows, target in columns.
struct Table {
    Index size = 0;
    const Formula* cells = nullptr;

    [[nodiscard]] Formula at(Index source, Index target) const noexcept { return cells[source * size + target]; }
};

}  // namespace metrova

// NOLINTNEXTLINE(cppcoreguidelines-macro-usage): a cell reads as its formula only as an expression
#define CELL(expr) (+[](double v, [[maybe_unused]] metrova::Evaluation& c) noexcept -> double { return (expr); })
