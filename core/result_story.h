// How a result was computed, in words: the result's tooltip tells it. Every
// text is made from the catalogue and the conversion itself, never from a
// control's text. The formula text is made from the very expression that the
// table evaluates (tables/formula.h), so it cannot say anything else than
// what ran.
#pragma once

#include <optional>
#include <string>

#include "catalogue.h"
#include "convert.h"
#include "pick.h"

namespace metrova {

// A unit as people read it: its label without the leading blank; empty for
// indexes that name no unit.
//   unit_name(category::length, 1) -> "meter(m)"
std::string unit_name(Index category, Index unit);

// The formula of a pick as it is evaluated, in the table's order and with its
// constants: × and ÷ for * and /, − (U+2212) for minus, 10^k for the power
// operation, ln for the natural logarithm, the table's parentheses kept.
// Empty for equal units and for indexes that name no unit.
//   formula_text({category::length, 5, 1})   -> "v × 0.0254"
//   formula_text({category::pressure, 4, 3}) -> "(v × 101325) ÷ 10^5"
//   formula_text({category::force, 0, 1})    -> "v ÷ 10^−5"
//   formula_text({category::optics, 0, 1})   -> "(ln v ÷ ln 10 − 2) × 10"
//   formula_text({category::optics, 1, 0})   -> "10^(v ÷ 10 + 2)"
std::string formula_text(const Pick& pick);

// What is kept beside a result: the unit it is in and the story of how it
// was computed.
struct Explanation {
    std::string unit;   // "Decibel (dB)"
    std::string story;  // "-16.9897000433602 Decibel (dB)\nfrom 2 Percent (%): (ln v ÷ ln 10 − 2) × 10"
};

// The explanation of a conversion of v that gave a result (identity or
// stored). The story: the result as number-to-text writes it (15
// significant digits) with the target unit, then the value converted with
// the source unit and the formula; an Optics sign rule that changed v is
// named. Nothing for a conversion that gave no result.
//   1 inch to meter      -> "0.0254 meter(m)\nfrom 1 inch: v × 0.0254"
//   -50 % to decibel     -> "-3.01029995663981 Decibel (dB)\n"
//                           "from -50 Percent (%), v made non-negative: (ln v ÷ ln 10 − 2) × 10"
//   5 meter to meter     -> "5 meter(m)\nfrom 5 meter(m): the same unit, passed through unchanged"
std::optional<Explanation> explain(const Pick& pick, double v, const Conversion& conversion);

}  // namespace metrova
