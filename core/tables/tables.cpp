#include "tables.h"

#include <array>

namespace metrova {

const Cell* cell_of(const Pick& pick) noexcept {
    const Index units = unit_count(pick.category);
    if (units == 0 || pick.source < 0 || pick.source >= units || pick.target < 0 || pick.target >= units) {
        return nullptr;
    }
    using TableOf = Table (*)() noexcept;
    static constexpr std::array<TableOf, 10> kTables = {
        optics_table, pressure_table, force_table, energy_table,   length_table,
        area_table,   volume_table,   mass_table,  velocity_table, temperature_table,
    };
    return &kTables[static_cast<std::size_t>(pick.category)]().at(pick.source, pick.target);
}

}  // namespace metrova
