#include "convert.h"

#include <cmath>

#include "optics.h"
#include "tables.h"

namespace metrova {
namespace {

Conversion identity(double v) noexcept { return {Conversion::Outcome::identity, v, Failure::none, std::nullopt}; }
Conversion failed(Failure failure, std::optional<double> corrected = std::nullopt) noexcept {
    return {Conversion::Outcome::failed, 0.0, failure, corrected};
}
Conversion stored(double result, std::optional<double> corrected = std::nullopt) noexcept {
    return {Conversion::Outcome::stored, result, Failure::none, corrected};
}

// Runs a cell between the clearing and the testing of the flags; the one
// check after the chain sees any failure inside it (formula.h).
Conversion evaluate(const Cell& cell, double v, std::optional<double> corrected = std::nullopt) noexcept {
    const FaultCheck faults;
    Evaluation run;
    const double result = cell.evaluate(faults.input(v), run);
    if (run.failure() != Failure::none) return failed(run.failure(), corrected);
    if (const Failure f = faults.check(result); f != Failure::none) return failed(f, corrected);
    return stored(result, corrected);
}

// Negating v raises no flag, so the sign rule needs no check of its own.
Conversion convert_optics(Index source, Index target, double v) noexcept {
    const OpticsCell& cell = optics_cell(source, target);
    if (cell.formula.same()) return identity(v);
    const bool flip = (cell.sign_rule == SignRule::make_non_negative && v < 0) ||
                      (cell.sign_rule == SignRule::make_non_positive && v > 0);
    if (!flip) return evaluate(cell.formula, v);
    return evaluate(cell.formula, -v, -v);
}

Conversion convert_linear(const Table& table, Index source, Index target, double v) noexcept {
    const Cell& cell = table.at(source, target);
    if (cell.same()) return identity(v);
    return evaluate(cell, v);
}

}  // namespace

Conversion convert(Index category, Index source, Index target, double v) noexcept {
    const Index units = unit_count(category);
    if (units == 0 || source < 0 || source >= units) return {};
    if (target < 0 || target >= units) return {};
    // Decided here, before any comparison or arithmetic can raise a flag on
    // them, so that every compiler gives the same answer.
    if (std::isnan(v)) return failed(Failure::invalid_argument);
    if (std::isinf(v)) return failed(Failure::overflow);
    if (category == category::optics) return convert_optics(source, target, v);
    return convert_linear(linear_table(category), source, target, v);
}

}  // namespace metrova
