#include "tables.h"

#include <array>

namespace metrova {

Table linear_table(Index category) noexcept {
    using TableOf = Table (*)() noexcept;
    static constexpr std::array<TableOf, 10> kTables = {
        nullptr,  // Optics has sign rules and a table of its own
        pressure_table, force_table, energy_table,   length_table,      area_table,
        volume_table,   mass_table,  velocity_table, temperature_table,
    };
    if (category < 1 || category >= static_cast<Index>(kTables.size())) return {};
    return kTables[static_cast<std::size_t>(category)]();
}

}  // namespace metrova
