// The display rule: how the result label shows the answer, after a
// conversion and when the spin arrows ask for the stored answer again. It
// gives the label's new text, or nothing when the label must keep the text
// it has.
#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

namespace metrova {

// The decimal places a result can be shown with: 0 to 10 whole places. The
// display, the spin control and the decimal-places box's key filter all keep
// to this one range.
inline constexpr int kMinDecimalPlaces = 0;
inline constexpr int kMaxDecimalPlaces = 10;

// How the result is shown: "Decimal", with the box's number of places, or
// "Scientific".
enum class Notation : std::uint8_t { decimal, scientific };

// The number of decimal places that the decimal-places box names: its text
// read with parse_number into d, then d = 0 (numerically, so -0 too) gives 0
// and d exactly equal to 1 ... 10 gives that number. Anything else names no
// places: "11", "2.5", "-1" and a text that reads as an overflow ("1e999").
//   "3" -> 3    "" -> 0    "1E1" -> 10    "10.0" -> 10    " 7x" -> 7
std::optional<int> decimal_places(std::string_view places_text);

// The label's text for `answer`. In decimal notation: the answer rounded to
// the box's number of places (ties to even) and printed with that many;
// nothing when the box names no places. In scientific notation the box is
// not read.
//   render_answer(0.0625, decimal, "3") -> "0.062"    render_answer(2.5, decimal, "") -> "2"
//   render_answer(1e20, decimal, "1")   -> "100000000000000000000.0"
//   render_answer(5, decimal, "11")     -> nothing
//   render_answer(1234.5, scientific, "11") -> "1.23E+03"
std::optional<std::string> render_answer(double answer, Notation notation, std::string_view places_text);

}  // namespace metrova
