#include "convert.h"

#include <cmath>

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
    const double result = cell.evaluate(faults.input(v));
    if (const Failure f = faults.check(result); f != Failure::none) return failed(f, corrected);
    return stored(result, corrected);
}

}  // namespace

Conversion convert(Index category, Index source, Index target, double v) noexcept {
    const Cell* cell = rule_of(category, source, target);
    if (cell == nullptr) return {};
    // Decided here, before any comparison or arithmetic can raise a flag on
    // them, so that every compiler gives the same answer.
    if (std::isnan(v)) return failed(Failure::invalid_argument);
    if (std::isinf(v)) return failed(Failure::overflow);
    if (cell->same()) return identity(v);
    // Negating v raises no flag, so the sign rule needs no check of its own.
    const bool flip = (cell->sign_rule == SignRule::make_non_negative && v < 0) ||
                      (cell->sign_rule == SignRule::make_non_positive && v > 0);
    if (!flip) return evaluate(*cell, v);
    return evaluate(*cell, -v, -v);
}

}  // namespace metrova
