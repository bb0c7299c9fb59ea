// What the window tells people, in words: how a result was computed (the
// result's tooltip), why a conversion failed (the error box) and what a
// screen reader hears of a result and of the user's choices. Every text is
// made here from the catalogue's indexes and the stored result, never from a
// control's text, so that what is read and what is heard say the same. The
// formula text is made from the very expression that the table evaluates
// (tables/formula.h), so it cannot say anything else than what ran.
#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

#include "catalogue.h"
#include "convert.h"
#include "display.h"
#include "fault.h"

namespace metrova {

// A unit as people read it: its label without the leading blank; empty for
// indexes that name no unit.
//   unit_name(category::length, 1) -> "meter(m)"
std::string unit_name(Index category, Index unit);

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

// What is kept beside a stored result: the unit it is in and the story of
// how it was computed.
struct Explanation {
    std::string unit;   // "Decibel (dB)"
    std::string story;  // "-16.9897000433602 Decibel (dB)\nfrom 2 Percent (%): (ln v ÷ ln 10 − 2) × 10"
};

// The explanation of a conversion that gave a result (identity or stored).
// The story: the result as number-to-text writes it (15 significant digits)
// with the target unit, then the value converted with the source unit and the
// formula; an Optics sign rule that changed v is named. Nothing for a
// conversion that gave no result, or for indexes that name no unit.
//   1 inch to meter      -> "0.0254 meter(m)\nfrom 1 inch: v × 0.0254"
//   -50 % to decibel     -> "-3.01029995663981 Decibel (dB)\n"
//                           "from -50 Percent (%), v made non-negative: (ln v ÷ ln 10 − 2) × 10"
//   5 meter to meter     -> "5 meter(m)\nfrom 5 meter(m): the same unit, passed through unchanged"
std::optional<Explanation> explain(Index category, Index source, Index target, double v, const Conversion& conversion);

// Whether the label shows its text whole or cut with an ellipsis.
enum class Fit : std::uint8_t { whole, cut };

// What the result label shows, told: `shown` is the label's text, `result`
// the explanation kept beside the result it renders (none before the first
// conversion, when the label can only show 0).
//   heard: the text with its unit         "-16.990 Decibel (dB)"; "0.000" with none
//   tooltip: the story; a text that the label shows cut leads it, whole; the
//   bare text with no story.
std::string heard_result(std::string_view shown, const std::optional<Explanation>& result);
std::string tooltip(std::string_view shown, Fit fit, const std::optional<Explanation>& result);

// A run-time error as the user is told of it: the failure, and one sentence
// on why, in the terms of the conversion that met it.
struct [[nodiscard]] RunTimeError {
    Failure failure = Failure::none;
    std::string reason;

    [[nodiscard]] bool failed() const noexcept { return failure != Failure::none; }
};

// The error of converting v from unit `source` to unit `target` of
// `category` with `failure`, v being the value the formula worked on (after
// a sign rule). Numbers are written as number_to_text writes them. A v that
// is no finite number is what the parser makes of a number too large to read
// (an infinity) or what no text gives (NaN): the units play no part then.
//   optics 0 -> 1, v = 0, invalid_argument
//     -> "0 Percent (%) has no value in Decibel (dB), which needs a Percent (%) value other than 0."
//   mass 1 -> 0, v = 1e308, overflow
//     -> "Converting 1E+308 kilogram (kg) to gram (g) gives a number larger in size than
//         1.7976931348623157E+308, the largest there is."
//   any pair, v = inf, overflow
//     -> "The number typed is larger in size than 1.7976931348623157E+308, the largest there is."
//   Failure::none -> no failure, no reason
RunTimeError run_time_error(Index category, Index source, Index target, double v, Failure failure);

// The error of a number too large to read, before any conversion: the
// overflow above with v an infinity.
RunTimeError number_too_large();

// The error box's text: its first line names the failure, the reason follows
// on the next.
//   "Run-time error: Invalid argument\n0 Percent (%) has no value in ..."
std::string error_text(const RunTimeError& error);

// The window's three lists.
enum class List : std::uint8_t { category, source, target };

// What a list is for, also its accessible description: "Category",
// "Source unit", "Target unit".
std::string_view list_purpose(List list);

// What a pick in a list chose, said before its result; a category pick names
// the pair it selected. Indexes that name nothing give empty names.
//   (List::source, optics, 1, 1)   -> "Source unit Decibel (dB)"
//   (List::category, length, 0, 1) -> "Category Length: centimeter(cm) to meter(m)"
std::string heard_pick(List list, Index category, Index source, Index target);

// A pair of units: "Decibel (dB) to Percent (%)" (a swap names the pair it
// makes).
std::string heard_pair(Index category, Index source, Index target);

// "Decimal notation", "Scientific notation".
std::string heard_notation(Notation notation);

// The result put on the clipboard, as it was copied: the label's text alone,
// without the unit that the clipboard does not get.
//   heard_copy("-16.990") -> "Result copied: -16.990"
std::string heard_copy(std::string_view shown);

}  // namespace metrova
