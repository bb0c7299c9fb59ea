#include "tables.h"

#include <array>

namespace metrova {

const Cell* rule_of(Index category, Index source, Index target) noexcept {
    const Index units = unit_count(category);
    if (units == 0 || source < 0 || source >= units || target < 0 || target >= units) return nullptr;
    using TableOf = Table (*)() noexcept;
    static constexpr std::array<TableOf, 10> kTables = {
        optics_table, pressure_table, force_table, energy_table,   length_table,
        area_table,   volume_table,   mass_table,  velocity_table, temperature_table,
    };
    return &kTables[static_cast<std::size_t>(category)]().at(source, target);
}

}  // namespace metrova
