// The formula tables: one accessor per category, whose cells live in one
// file per family (optics.cpp, pressure_force_energy.cpp, length_area.cpp,
// volume.cpp, mass.cpp, velocity_temperature.cpp), and the one lookup of a
// pair's cell for every category.
#pragma once

#include "formula.h"
#include "pick.h"

namespace metrova {

Table optics_table() noexcept;
Table pressure_table() noexcept;
Table force_table() noexcept;
Table energy_table() noexcept;
Table length_table() noexcept;
Table area_table() noexcept;
Table volume_table() noexcept;
Table mass_table() noexcept;
Table velocity_table() noexcept;
Table temperature_table() noexcept;

// The cell of a pick, which says what the pair does to v: its sign rule
// first, then its formula. Null when an index names no unit of the category
// (-1 included), or the category is none.
//   cell_of({category::length, 0, 1}) -> v / 100
//   cell_of({category::optics, 1, 0}) -> make_non_positive, then p10(v / 10 + 2)
const Cell* cell_of(const Pick& pick) noexcept;

}  // namespace metrova
