// How the formula tables are written.
//
// A cell is one C++ expression on v, transcribed from its table cell with
// x -> *, ÷ -> / and every parenthesis kept. C++ groups * and / left to right,
// so the chain ((v x 0.5683) x 1000) ÷ 10^6 is `v * 0.5683 * 1000 / p10(6)`
// and the compiler keeps that order: each operation is one rounded double
// operation, and constants are never folded together ((v x 9.80665) x 10 is
// not v x 98.0665). kSame marks the identity of equal units.
//
// CELL keeps the expression twice from one spelling: as the code that runs
// and as its text, from which the result's tooltip writes the formula for
// people (explain.h). The two cannot drift apart.
//
// p10(k) is the power operation, 10 to the power k, called at run time.
// c.ln(x) is the natural logarithm, whose argument 0 is an invalid argument.
//
// A cell has no fault check of its own. The floating-point flags are sticky
// and no cell brings an overflowed value back into range, so the one check
// after the whole chain (convert.cpp) sees a failure wherever in the chain it
// happened, also in a left operand that comes before a power call; and a
// failed conversion never replaces the answer.
#pragma once

#include <string_view>

#include "catalogue.h"
#include "fault.h"

namespace metrova {

// 10 to the power k, the double nearest to it for the whole k that the tables
// use. Not inline, so that it is a call at run time like the logarithm.
double p10(double k) noexcept;

// What a formula needs besides v: the logarithm, and the failure it met.
class Evaluation {
public:
    double ln(double x) noexcept;
    [[nodiscard]] Failure failure() const noexcept { return failure_; }

private:
    Failure failure_ = Failure::none;
};

struct Cell {
    double (*evaluate)(double v, Evaluation& c) noexcept = nullptr;  // nullptr: equal units
    std::string_view expression;                                     // as written in the table

    [[nodiscard]] bool same() const noexcept { return evaluate == nullptr; }
};

inline constexpr Cell kSame{};

// A square table of one category, source unit in rows, target in columns.
struct Table {
    Index size = 0;
    const Cell* cells = nullptr;

    [[nodiscard]] const Cell& at(Index source, Index target) const noexcept { return cells[source * size + target]; }
};

}  // namespace metrova

// NOLINTNEXTLINE(cppcoreguidelines-macro-usage): only a macro can keep an expression as code and as text
#define CELL(expr) \
    (metrova::Cell{+[](double v, [[maybe_unused]] metrova::Evaluation& c) noexcept -> double { return (expr); }, #expr})
