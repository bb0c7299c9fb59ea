// The formula tables: one accessor per linear category, whose cells live in
// one file per family (pressure_force_energy.cpp, length_area.cpp,
// volume.cpp, mass.cpp, velocity_temperature.cpp), and the one lookup of a
// pair's rule for every category. Optics, with its sign rules, has a table of
// its own (optics.h).
#pragma once

#include <optional>

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

// What a pair of units does to v: the sign rule first (Optics only), then
// the formula.
struct Rule {
    SignRule sign_rule = SignRule::none;
    const Cell* formula = nullptr;
};

// The rule of a pair; nothing when an index names no unit of the category
// (-1 included), or the category is none.
//   rule_of(category::length, 0, 1) -> {none, v / 100}
//   rule_of(category::optics, 1, 0) -> {make_non_positive, p10(v / 10 + 2)}
std::optional<Rule> rule_of(Index category, Index source, Index target) noexcept;

}  // namespace metrova
