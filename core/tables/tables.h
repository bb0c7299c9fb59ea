// The formula tables: one accessor per linear category, whose cells live in
// one file per family (pressure_force_energy.cpp, length_area.cpp,
// volume.cpp, mass.cpp, velocity_temperature.cpp), and the lookup of a cell by
// category. Optics, with its sign rules, has a table of its own (optics.h).
#pragma once

#include "formula.h"

namespace metrova {

Table pressure_table() noexcept;
Table force_table() noexcept;
Table energy_table() noexcept;
Table length_table() noexcept;
Table area_table() noexcept;
Table volume_table() noexcept;
Table mass_table() noexcept;
Table velocity_table() noexcept;
Table temperature_table() noexcept;

// The table of a category 1..9; Optics (0) and any other index have none.
Table linear_table(Index category) noexcept;

}  // namespace metrova
