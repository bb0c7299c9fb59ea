// Length and area.
//
// Length in meters: centimeter 1/100, kilometer 1000, yard 0.9144,
// foot 0.3048, inch 0.0254, mile 1609.3. Four cells have constants of their
// own: kilometer to mile is x 0.62137 (not 1/1.6093, so the two directions do
// not undo each other), mile to kilometer x 1.6093 and mile to centimeter
// x 160930 are single products, and inch to centimeter is x 2.54.
//
// Area in square centimeters: square meter 10^4, square kilometer 10^10,
// square foot 929.03, square inch 6.45156, square mile 2.59 x 10^10, acre
// 4046.9 x 10^4; the area constants are values of their own, not squares of
// the lengths. The powers 10^4, 10^6 and 10^10 are exact.
#include "tables.h"

namespace metrova {
namespace {

// clang-format off
constexpr Cell kLength[7][7] = {
    {   // from centimeter
        kSame,                                                  // centimeter
        CELL(v / 100),                                          // meter
        CELL(v / 100 / 1000),                                   // kilometer
        CELL(v / 100 / 0.9144),                                 // yard
        CELL(v / 100 / 0.3048),                                 // foot
        CELL(v / 100 / 0.0254),                                 // inch
        CELL(v / 100 / 1609.3),                                 // mile
    },
    {   // from meter
        CELL(v * 100),                                          // centimeter
        kSame,                                                  // meter
        CELL(v / 1000),                                         // kilometer
        CELL(v / 0.9144),                                       // yard
        CELL(v / 0.3048),                                       // foot
        CELL(v / 0.0254),                                       // inch
        CELL(v / 1609.3),                                       // mile
    },
    {   // from kilometer
        CELL(v * 1000 * 100),                                   // centimeter
        CELL(v * 1000),                                         // meter
        kSame,                                                  // kilometer
        CELL(v * 1000 / 0.9144),                                // yard
        CELL(v * 1000 / 0.3048),                                // foot
        CELL(v * 1000 / 0.0254),                                // inch
        CELL(v * 0.62137),                                      // mile
    },
    {   // from yard
        CELL(v * 0.9144 * 100),                                 // centimeter
        CELL(v * 0.9144),                                       // meter
        CELL(v * 0.9144 / 1000),                                // kilometer
        kSame,                                                  // yard
        CELL(v * 0.9144 / 0.3048),                              // foot
        CELL(v * 0.9144 / 0.0254),                              // inch
        CELL(v * 0.9144 / 1609.3),                              // mile
    },
    {   // from foot
        CELL(v * 0.3048 * 100),                                 // centimeter
        CELL(v * 0.3048),                                       // meter
        CELL(v * 0.3048 / 1000),                                // kilometer
        CELL(v * 0.3048 / 0.9144),                              // yard
        kSame,                                                  // foot
        CELL(v * 0.3048 / 0.0254),                              // inch
        CELL(v * 0.3048 / 1609.3),                              // mile
    },
    {   // from inch
        CELL(v * 2.54),                                         // centimeter
        CELL(v * 0.0254),                                       // meter
        CELL(v * 0.0254 / 1000),                                // kilometer
        CELL(v * 0.0254 / 0.9144),                              // yard
        CELL(v * 0.0254 / 0.3048),                              // foot
        kSame,                                                  // inch
        CELL(v * 0.0254 / 1609.3),                              // mile
    },
    {   // from mile
        CELL(v * 160930),                                       // centimeter
        CELL(v * 1609.3),                                       // meter
        CELL(v * 1.6093),                                       // kilometer
        CELL(v * 1609.3 / 0.9144),                              // yard
        CELL(v * 1609.3 / 0.3048),                              // foot
        CELL(v * 1609.3 / 0.0254),                              // inch
        kSame,                                                  // mile
    },
};

constexpr Cell kArea[7][7] = {
    {   // from square centimeter
        kSame,                                                  // square centimeter
        CELL(v / p10(4)),                                       // square meter
        CELL(v / p10(10)),                                      // square kilometer
        CELL(v / 929.03),                                       // square foot
        CELL(v / 6.45156),                                      // square inch
        CELL(v / p10(10) / 2.59),                               // square mile
        CELL(v / p10(4) / 4046.9),                              // acre
    },
    {   // from square meter
        CELL(v * p10(4)),                                       // square centimeter
        kSame,                                                  // square meter
        CELL(v / p10(6)),                                       // square kilometer
        CELL(v * p10(4) / 929.03),                              // square foot
        CELL(v * p10(4) / 6.45156),                             // square inch
        CELL(v / p10(6) / 2.59),                                // square mile
        CELL(v / 4046.9),                                       // acre
    },
    {   // from square kilometer
        CELL(v * p10(10)),                                      // square centimeter
        CELL(v * p10(6)),                                       // square meter
        kSame,                                                  // square kilometer
        CELL(v * p10(10) / 929.03),                             // square foot
        CELL(v * p10(10) / 6.45156),                            // square inch
        CELL(v / 2.59),                                         // square mile
        CELL(v * p10(6) / 4046.9),                              // acre
    },
    {   // from square foot
        CELL(v * 929.03),                                       // square centimeter
        CELL(v * 929.03 / p10(4)),                              // square meter
        CELL(v * 929.03 / p10(10)),                             // square kilometer
        kSame,                                                  // square foot
        CELL(v * 929.03 / 6.45156),                             // square inch
        CELL(v * 929.03 / p10(10) / 2.59),                      // square mile
        CELL(v * 929.03 / p10(4) / 4046.9),                     // acre
    },
    {   // from square inch
        CELL(v * 6.45156),                                      // square centimeter
        CELL(v * 6.45156 / p10(4)),                             // square meter
        CELL(v * 6.45156 / p10(10)),                            // square kilometer
        CELL(v * 6.45156 / 929.03),                             // square foot
        kSame,                                                  // square inch
        CELL(v * 6.45156 / p10(10) / 2.59),                     // square mile
        CELL(v * 6.45156 / p10(4) / 4046.9),                    // acre
    },
    {   // from square mile
        CELL(v * 2.59 * p10(10)),                               // square centimeter
        CELL(v * 2.59 * p10(6)),                                // square meter
        CELL(v * 2.59),                                         // square kilometer
        CELL(v * 2.59 * p10(10) / 929.03),                      // square foot
        CELL(v * 2.59 * p10(10) / 6.45156),                     // square inch
        kSame,                                                  // square mile
        CELL(v * 2.59 * p10(6) / 4046.9),                       // acre
    },
    {   // from acre
        CELL(v * 4046.9 * p10(4)),                              // square centimeter
        CELL(v * 4046.9),                                       // square meter
        CELL(v * 4046.9 / p10(6)),                              // square kilometer
        CELL(v * 4046.9 * p10(4) / 929.03),                     // square foot
        CELL(v * 4046.9 * p10(4) / 6.45156),                    // square inch
        CELL(v * 4046.9 / p10(6) / 2.59),                       // square mile
        kSame,                                                  // acre
    },
};
// clang-format on

}  // namespace

Table length_table() noexcept { return checked_table<category::length>(kLength); }
Table area_table() noexcept { return checked_table<category::area>(kArea); }

}  // namespace metrova
