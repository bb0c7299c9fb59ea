// The words a screen reader hears of what the window shows and of the
// user's choices, besides what the controls tell of themselves. Made from
// the catalogue's indexes and the shown result, never from a control's text,
// so that what is read and what is heard say the same.
#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

#include "display.h"
#include "pick.h"
#include "result_story.h"

namespace metrova {

// The result as shown, with the unit of the answer it renders; bare before
// the first conversion, when the label can only show 0.
//   ("-16.990", the explanation of 2 % to dB) -> "-16.990 Decibel (dB)"
//   ("0.000", none)                            -> "0.000"
std::string heard_result(std::string_view shown, const std::optional<Explanation>& result);

// The window's three lists.
enum class List : std::uint8_t { category, source, target };

// What a list is for, also its accessible description: "Category",
// "Source unit", "Target unit".
std::string_view list_purpose(List list);

// What a pick in a list chose, said before its result; a category pick names
// the pair it selected. Indexes that name nothing give empty names.
//   (List::source, {optics, 1, 1})   -> "Source unit Decibel (dB)"
//   (List::category, {length, 0, 1}) -> "Category Length: centimeter(cm) to meter(m)"
std::string heard_pick(List list, const Pick& pick);

// A pair of units: "Decibel (dB) to Percent (%)" (a swap names the pair it
// makes).
std::string heard_pair(const Pick& pick);

// "Decimal notation", "Scientific notation".
std::string heard_notation(Notation notation);

// The result put on the clipboard, as it was copied: the label's text alone,
// without the unit that the clipboard does not get.
//   heard_copy("-16.990") -> "Result copied: -16.990"
std::string heard_copy(std::string_view shown);

}  // namespace metrova
