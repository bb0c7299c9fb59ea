// The unit catalogue: the ten categories and the units of each, in the fixed
// order that the lists show and that every formula table is indexed by.
//
// The catalogue is constant data. Positions are 16-bit signed indexes, as the
// lists report them; -1 (or any index past the end) names nothing. Labels are
// display text only and begin with one blank, irregular spacing and spelling
// included (" kirometer(km)", " gallon(England)" beside " gallon (USA)").
#pragma once

#include <array>
#include <cstdint>
#include <span>
#include <string_view>

namespace metrova {

using Index = std::int16_t;

// Category indexes, in list order.
namespace category {
inline constexpr Index optics = 0;
inline constexpr Index pressure = 1;
inline constexpr Index force = 2;
inline constexpr Index energy = 3;
inline constexpr Index length = 4;
inline constexpr Index area = 5;
inline constexpr Index volume = 6;
inline constexpr Index mass = 7;
inline constexpr Index velocity = 8;
inline constexpr Index temperature = 9;
}  // namespace category

// The number of units of each category, by category index; every formula
// table is checked against it when it is built, and the labels are too.
inline constexpr std::array<Index, 10> kUnitCounts = {3, 5, 3, 3, 7, 7, 11, 7, 4, 2};

// 10.
Index category_count() noexcept;

// " Optics" for 0 ... " Temperature" for 9; empty for any other index.
std::string_view category_label(Index category) noexcept;

// 3 for Optics, 11 for Volume; 0 for an index outside 0..9.
Index unit_count(Index category) noexcept;

// " meter(m)" for (category::length, 1); empty when either index names nothing.
std::string_view unit_label(Index category, Index unit) noexcept;

// The labels of one category in unit-index order, for filling a list;
// an empty span for an index outside 0..9.
std::span<const std::string_view> unit_labels(Index category) noexcept;

// A label as people read it, without its leading blank:
//   " meter(m)" -> "meter(m)"    " Optics" -> "Optics"
std::string_view without_leading_blank(std::string_view label) noexcept;

}  // namespace metrova
