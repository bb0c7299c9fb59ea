#include "convert.h"

#include <array>

#include "optics.h"
#include "tables.h"

namespace metrova {
namespace {

Conversion identity(double v) noexcept { return {Conversion::Outcome::identity, v, Failure::none, std::nullopt}; }
Conversion failed(Failure failure, std::optional<double> corrected = std::nullopt) noexcept {
    return {Conversion::Outcome::failed, 0.0, failure, corrected};
}
Conversion stored(double result, std::optional<double> corrected = std::nullopt) noexcept {
    return {Conversion::Outcome::stored, result, Failure::none, corrected};
}

bool sign_rule_applies(SignRule rule, double v) noexcept {
    return (rule == SignRule::make_non_negative && v < 0) || (rule == SignRule::make_non_positive && v > 0);
}

Conversion convert_optics(Index source, Index target, double v) noexcept {
    const OpticsCell& cell = optics_cell(source, target);
    if (cell.formula == kSame) return identity(v);
    const FaultCheck faults;
    double x = faults.input(v);
    std::optional<double> corrected;
    if (sign_rule_applies(cell.sign_rule, x)) {
        x = -x;
        if (const Failure f = faults.check(x); f != Failure::none) return failed(f);
        corrected = x;
    }
    Evaluation run(faults);
    const double result = cell.formula(x, run);
    if (run.failure() != Failure::none) return failed(run.failure(), corrected);
    if (cell.check_result) {
        if (const Failure f = faults.check(result); f != Failure::none) return failed(f, corrected);
    }
    return stored(result, corrected);
}

Conversion convert_linear(const Table& table, Index source, Index target, double v) noexcept {
    const Formula formula = table.at(source, target);
    if (formula == kSame) return identity(v);
    const FaultCheck faults;
    Evaluation run(faults);
    const double result = formula(faults.input(v), run);
    if (run.failure() != Failure::none) return failed(run.failure());
    if (const Failure f = faults.check(result); f != Failure::none) return failed(f);
    return stored(result);
}

using TableOf = Table (*)() noexcept;
constexpr std::array<TableOf, 10> kLinearTables = {
    nullptr,  // Optics has sign rules and a table of its own
    pressure_table, force_table, energy_table,   length_table,      area_table,
    volume_table,   mass_table,  velocity_table, temperature_table,
};

}  // namespace

Conversion convert(Index category, Index source, Index target, double v) noexcept {
    const Index units = unit_count(category);
    if (units == 0 || source < 0 || source >= units) return {};
    if (target < 0 || target >= units) return {};
    if (category == category::optics) return convert_optics(source, target, v);
    return convert_linear(kLinearTables[static_cast<std::size_t>(category)](), source, target, v);
}

}  // namespace metrova
