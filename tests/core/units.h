// The catalogue's units by name, for tables of cases: pick(Length::ft,
// Length::in) is the pick of foot to inch. Each enumeration lists its
// category's units in list order; the compiler checks its length against the
// catalogue.
#pragma once

#include "catalogue.h"
#include "pick.h"

namespace metrova::test {

enum class Optics : Index { percent, decibel, density, count };
enum class Pressure : Index { torr, pa, kgf_mm2, bar, atm, count };
enum class Force : Index { newton, dyne, kgf, count };
enum class Energy : Index { joule, erg, kgf_m, count };
enum class Length : Index { cm, m, km, yd, ft, in, mile, count };
enum class Area : Index { cm2, m2, km2, ft2, in2, mile2, acre, count };
enum class Volume : Index { cm3, m3, dl, l, pint, quart, gal_e, gal_us, bu_e, bu_us, barrel, count };
enum class Mass : Index { g, kg, lb, oz, ton_e, ton_us, carat, count };
enum class Velocity : Index { m_s, km_h, mph, knot, count };
enum class Temperature : Index { c, f, count };

template <typename Unit>
inline constexpr Index kCategoryOf = -1;
template <>
inline constexpr Index kCategoryOf<Optics> = category::optics;
template <>
inline constexpr Index kCategoryOf<Pressure> = category::pressure;
template <>
inline constexpr Index kCategoryOf<Force> = category::force;
template <>
inline constexpr Index kCategoryOf<Energy> = category::energy;
template <>
inline constexpr Index kCategoryOf<Length> = category::length;
template <>
inline constexpr Index kCategoryOf<Area> = category::area;
template <>
inline constexpr Index kCategoryOf<Volume> = category::volume;
template <>
inline constexpr Index kCategoryOf<Mass> = category::mass;
template <>
inline constexpr Index kCategoryOf<Velocity> = category::velocity;
template <>
inline constexpr Index kCategoryOf<Temperature> = category::temperature;

template <typename Unit>
constexpr Pick pick(Unit source, Unit target) {
    static_assert(static_cast<Index>(Unit::count) == kUnitCounts[static_cast<std::size_t>(kCategoryOf<Unit>)],
                  "a unit enumeration must name every unit of its category");
    return {kCategoryOf<Unit>, static_cast<Index>(source), static_cast<Index>(target)};
}

}  // namespace metrova::test
