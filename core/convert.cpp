#include "convert.h"

#include <cmath>

#include "fault.h"
#include "tables.h"

namespace metrova {
namespace {

// Runs a cell between the clearing and the testing of the flags; the one
// check after the chain sees any failure inside it (formula.h).
Conversion evaluate(const Cell& cell, double v, std::optional<double> corrected = std::nullopt) noexcept {
    const FaultCheck faults;
    const double result = cell.evaluate(faults.input(v));
    if (const Failure f = faults.check(result); f != Failure::none) {
        return {Conversion::Outcome::failed, 0.0, f, corrected, &cell};
    }
    return {Conversion::Outcome::stored, result, Failure::none, corrected, &cell};
}

}  // namespace

Conversion convert(const Pick& pick, double v) noexcept {
    const Cell* cell = cell_of(pick);
    if (cell == nullptr) return {};
    // Decided here, before any comparison or arithmetic can raise a flag on
    // them, so that every compiler gives the same answer.
    if (std::isnan(v)) return {Conversion::Outcome::failed, 0.0, Failure::invalid_argument, std::nullopt, cell};
    if (std::isinf(v)) return {Conversion::Outcome::failed, 0.0, Failure::overflow, std::nullopt, cell};
    if (cell->same()) return {Conversion::Outcome::identity, v, Failure::none, std::nullopt, cell};
    // Negating v raises no flag, so the sign rule needs no check of its own.
    const bool flip = (cell->sign_rule == SignRule::make_non_negative && v < 0) ||
                      (cell->sign_rule == SignRule::make_non_positive && v > 0);
    if (!flip) return evaluate(*cell, v);
    return evaluate(*cell, -v, -v);
}

}  // namespace metrova
