// How a result was computed, told for people: what the result's tooltip
// shows. The formula text is made from the very expression that the table
// evaluates (tables/formula.h), so it cannot say anything else than what ran.
#pragma once

#include <optional>
#include <string>

#include "catalogue.h"
#include "convert.h"

namespace metrova {

// The formula of a pair as it is evaluated, in the table's order and with its
// constants: × and ÷ for * and /, − (U+2212) for minus, 10^k for the power
// operation, ln for the natural logarithm, the table's parentheses kept.
// Empty for equal units and for indexes that name no unit.
//   formula_text(category::length, 5, 1)   -> "v × 0.0254"
//   formula_text(category::pressure, 4, 3) -> "(v × 101325) ÷ 10^5"
//   formula_text(category::force, 0, 1)    -> "v ÷ 10^−5"
//   formula_text(category::optics, 0, 1)   -> "(ln v ÷ ln 10 − 2) × 10"
//   formula_text(category::optics, 1, 0)   -> "10^(v ÷ 10 + 2)"
std::string formula_text(Index category, Index source, Index target);

// The story of a conversion that gave a result (identity or stored): the
// result as number-to-text writes it (15 significant digits) with the target
// unit's label, then the value converted with the source unit's label and the
// formula; an Optics sign rule that changed v is named. Unit labels lose
// their leading blank. Nothing for a conversion that gave no result.
//   1 inch to meter      -> "0.0254 meter(m)\nfrom 1 inch: v × 0.0254"
//   -50 % to decibel     -> "-3.01029995663981 Decibel (dB)\n"
//                           "from -50 Percent (%), v made non-negative: (ln v ÷ ln 10 − 2) × 10"
//   5 meter to meter     -> "5 meter(m)\nfrom 5 meter(m): the same unit, passed through unchanged"
std::optional<std::string> explain(Index category, Index source, Index target, double v, const Conversion& conversion);

}  // namespace metrova
