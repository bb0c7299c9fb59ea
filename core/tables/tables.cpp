#include "tables.h"

#include <array>

#include "optics.h"

namespace metrova {

std::optional<Rule> rule_of(Index category, Index source, Index target) noexcept {
    const Index units = unit_count(category);
    if (units == 0 || source < 0 || source >= units || target < 0 || target >= units) return std::nullopt;
    if (category == category::optics) {
        const OpticsCell& cell = optics_cell(source, target);
        return Rule{cell.sign_rule, &cell.formula};
    }
    using TableOf = Table (*)() noexcept;
    static constexpr std::array<TableOf, 10> kTables = {
        nullptr,  // Optics has sign rules and a table of its own
        pressure_table, force_table, energy_table,   length_table,      area_table,
        volume_table,   mass_table,  velocity_table, temperature_table,
    };
    return Rule{SignRule::none, &kTables[static_cast<std::size_t>(category)]().at(source, target)};
}

}  // namespace metrova
