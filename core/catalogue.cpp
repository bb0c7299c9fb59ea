#include "catalogue.h"

#include <array>

namespace metrova {
namespace {

constexpr std::string_view kOpticsUnits[] = {" Percent (%)", " Decibel (dB)", " Optical Density (OD)"};
constexpr std::string_view kPressureUnits[] = {" Torr", " Pascal(Pa)", " kgf/sq.mm", " bar", " atm"};
constexpr std::string_view kForceUnits[] = {" Newton(N)", " dyne(dyn)", " kgf"};
constexpr std::string_view kEnergyUnits[] = {" Joule(J)", " erg", " kgf*m"};
constexpr std::string_view kLengthUnits[] = {
    " centimeter(cm)", " meter(m)", " kirometer(km)", " yard(yd)", " feet(ft)", " inch", " mile",
};
constexpr std::string_view kAreaUnits[] = {
    " square centimeter", " square meter", " square kirometer", " square feet",
    " square inch",       " square mile",  " square acre",
};
constexpr std::string_view kVolumeUnits[] = {
    " cubic centimeter", " cubic meter",  " deciliter",        " liter",        " pint",   " quart",
    " gallon(England)",  " gallon (USA)", " bushel (England)", " bushel (USA)", " barrel",
};
constexpr std::string_view kMassUnits[] = {
    " gram (g)", " kilogram (kg)", " pound (lb)", " ounce (oz)", " ton (England)", " ton (USA)", " carat",
};
constexpr std::string_view kVelocityUnits[] = {" m/s", " km/h", " mile/h (mph)", " knot"};
constexpr std::string_view kTemperatureUnits[] = {" Centigrade[C]", " Fahrenheit[F]"};

struct CategoryRecord {
    std::string_view label;
    std::span<const std::string_view> units;
};

constexpr std::array<CategoryRecord, 10> kCategories = {{
    {" Optics", kOpticsUnits},
    {" Pressure", kPressureUnits},
    {" Force", kForceUnits},
    {" Energy", kEnergyUnits},
    {" Length", kLengthUnits},
    {" Area", kAreaUnits},
    {" Volume", kVolumeUnits},
    {" Mass", kMassUnits},
    {" Velocity", kVelocityUnits},
    {" Temperature", kTemperatureUnits},
}};

constexpr bool labels_match_counts() noexcept {
    if (kCategories.size() != kUnitCounts.size()) return false;
    for (std::size_t i = 0; i < kCategories.size(); ++i) {
        if (kCategories[i].units.size() != static_cast<std::size_t>(kUnitCounts[i])) return false;
    }
    return true;
}
static_assert(labels_match_counts(), "every category has as many labels as kUnitCounts says");

constexpr bool is_category(Index category) noexcept {
    return category >= 0 && category < static_cast<Index>(kCategories.size());
}

}  // namespace

Index category_count() noexcept { return static_cast<Index>(kCategories.size()); }

std::string_view category_label(Index category) noexcept {
    return is_category(category) ? kCategories[static_cast<std::size_t>(category)].label : std::string_view{};
}

std::span<const std::string_view> unit_labels(Index category) noexcept {
    return is_category(category) ? kCategories[static_cast<std::size_t>(category)].units
                                 : std::span<const std::string_view>{};
}

Index unit_count(Index category) noexcept { return static_cast<Index>(unit_labels(category).size()); }

std::string_view unit_label(Index category, Index unit) noexcept {
    const auto units = unit_labels(category);
    return unit >= 0 && static_cast<std::size_t>(unit) < units.size() ? units[static_cast<std::size_t>(unit)]
                                                                      : std::string_view{};
}

std::string_view without_leading_blank(std::string_view label) noexcept {
    if (label.starts_with(' ')) label.remove_prefix(1);
    return label;
}

}  // namespace metrova
