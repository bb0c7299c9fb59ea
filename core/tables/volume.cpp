// Volume, in liters: cubic centimeter 1/1000, cubic meter 1000, deciliter
// 1/10, pint 0.5683, quart 1.137 (not twice the pint), gallon(England) 4.546,
// gallon (USA) 3.785, bushel (England) 36.35, bushel (USA) 35.24, barrel 159.
//
// Every chain runs through liters: a source with a liter factor multiplies by
// it, a deciliter divides by 10 (except into cubic centimeters, x 100, and
// cubic meters, x 100 / 10^6); from liters a target is reached by x 1000, x 1000
// / 10^6, x 10 or / its liter factor. A cubic-centimeter source divides by 1000
// (by 10^6 and 100 straight into cubic meters and deciliters); a cubic-meter
// source first multiplies by 10^6. The power 10^6 is exact.
#include "tables.h"

namespace metrova {
namespace {

// clang-format off
constexpr Cell kVolume[11][11] = {
    {   // from cubic centimeter
        kSame,                                                  // cubic centimeter
        CELL(v / p10(6)),                                       // cubic meter
        CELL(v / 100),                                          // deciliter
        CELL(v / 1000),                                         // liter
        CELL(v / 1000 / 0.5683),                                // pint
        CELL(v / 1000 / 1.137),                                 // quart
        CELL(v / 1000 / 4.546),                                 // gallon(England)
        CELL(v / 1000 / 3.785),                                 // gallon (USA)
        CELL(v / 1000 / 36.35),                                 // bushel (England)
        CELL(v / 1000 / 35.24),                                 // bushel (USA)
        CELL(v / 1000 / 159),                                   // barrel
    },
    {   // from cubic meter
        CELL(v * p10(6)),                                       // cubic centimeter
        kSame,                                                  // cubic meter
        CELL(v * p10(6) / 100),                                 // deciliter
        CELL(v * p10(6) / 1000),                                // liter
        CELL(v * p10(6) / 1000 / 0.5683),                       // pint
        CELL(v * p10(6) / 1000 / 1.137),                        // quart
        CELL(v * p10(6) / 1000 / 4.546),                        // gallon(England)
        CELL(v * p10(6) / 1000 / 3.785),                        // gallon (USA)
        CELL(v * p10(6) / 1000 / 36.35),                        // bushel (England)
        CELL(v * p10(6) / 1000 / 35.24),                        // bushel (USA)
        CELL(v * p10(6) / 1000 / 159),                          // barrel
    },
    {   // from deciliter
        CELL(v * 100),                                          // cubic centimeter
        CELL(v * 100 / p10(6)),                                 // cubic meter
        kSame,                                                  // deciliter
        CELL(v / 10),                                           // liter
        CELL(v / 10 / 0.5683),                                  // pint
        CELL(v / 10 / 1.137),                                   // quart
        CELL(v / 10 / 4.546),                                   // gallon(England)
        CELL(v / 10 / 3.785),                                   // gallon (USA)
        CELL(v / 10 / 36.35),                                   // bushel (England)
        CELL(v / 10 / 35.24),                                   // bushel (USA)
        CELL(v / 10 / 159),                                     // barrel
    },
    {   // from liter
        CELL(v * 1000),                                         // cubic centimeter
        CELL(v * 1000 / p10(6)),                                // cubic meter
        CELL(v * 10),                                           // deciliter
        kSame,                                                  // liter
        CELL(v / 0.5683),                                       // pint
        CELL(v / 1.137),                                        // quart
        CELL(v / 4.546),                                        // gallon(England)
        CELL(v / 3.785),                                        // gallon (USA)
        CELL(v / 36.35),                                        // bushel (England)
        CELL(v / 35.24),                                        // bushel (USA)
        CELL(v / 159),                                          // barrel
    },
    {   // from pint
        CELL(v * 0.5683 * 1000),                                // cubic centimeter
        CELL(v * 0.5683 * 1000 / p10(6)),                       // cubic meter
        CELL(v * 0.5683 * 10),                                  // deciliter
        CELL(v * 0.5683),                                       // liter
        kSame,                                                  // pint
        CELL(v * 0.5683 / 1.137),                               // quart
        CELL(v * 0.5683 / 4.546),                               // gallon(England)
        CELL(v * 0.5683 / 3.785),                               // gallon (USA)
        CELL(v * 0.5683 / 36.35),                               // bushel (England)
        CELL(v * 0.5683 / 35.24),                               // bushel (USA)
        CELL(v * 0.5683 / 159),                                 // barrel
    },
    {   // from quart
        CELL(v * 1.137 * 1000),                                 // cubic centimeter
        CELL(v * 1.137 * 1000 / p10(6)),                        // cubic meter
        CELL(v * 1.137 * 10),                                   // deciliter
        CELL(v * 1.137),                                        // liter
        CELL(v * 1.137 / 0.5683),                               // pint
        kSame,                                                  // quart
        CELL(v * 1.137 / 4.546),                                // gallon(England)
        CELL(v * 1.137 / 3.785),                                // gallon (USA)
        CELL(v * 1.137 / 36.35),                                // bushel (England)
        CELL(v * 1.137 / 35.24),                                // bushel (USA)
        CELL(v * 1.137 / 159),                                  // barrel
    },
    {   // from gallon(England)
        CELL(v * 4.546 * 1000),                                 // cubic centimeter
        CELL(v * 4.546 * 1000 / p10(6)),                        // cubic meter
        CELL(v * 4.546 * 10),                                   // deciliter
        CELL(v * 4.546),                                        // liter
        CELL(v * 4.546 / 0.5683),                               // pint
        CELL(v * 4.546 / 1.137),                                // quart
        kSame,                                                  // gallon(England)
        CELL(v * 4.546 / 3.785),                                // gallon (USA)
        CELL(v * 4.546 / 36.35),                                // bushel (England)
        CELL(v * 4.546 / 35.24),                                // bushel (USA)
        CELL(v * 4.546 / 159),                                  // barrel
    },
    {   // from gallon (USA)
        CELL(v * 3.785 * 1000),                                 // cubic centimeter
        CELL(v * 3.785 * 1000 / p10(6)),                        // cubic meter
        CELL(v * 3.785 * 10),                                   // deciliter
        CELL(v * 3.785),                                        // liter
        CELL(v * 3.785 / 0.5683),                               // pint
        CELL(v * 3.785 / 1.137),                                // quart
        CELL(v * 3.785 / 4.546),                                // gallon(England)
        kSame,                                                  // gallon (USA)
        CELL(v * 3.785 / 36.35),                                // bushel (England)
        CELL(v * 3.785 / 35.24),                                // bushel (USA)
        CELL(v * 3.785 / 159),                                  // barrel
    },
    {   // from bushel (England)
        CELL(v * 36.35 * 1000),                                 // cubic centimeter
        CELL(v * 36.35 * 1000 / p10(6)),                        // cubic meter
        CELL(v * 36.35 * 10),                                   // deciliter
        CELL(v * 36.35),                                        // liter
        CELL(v * 36.35 / 0.5683),                               // pint
        CELL(v * 36.35 / 1.137),                                // quart
        CELL(v * 36.35 / 4.546),                                // gallon(England)
        CELL(v * 36.35 / 3.785),                                // gallon (USA)
        kSame,                                                  // bushel (England)
        CELL(v * 36.35 / 35.24),                                // bushel (USA)
        CELL(v * 36.35 / 159),                                  // barrel
    },
    {   // from bushel (USA)
        CELL(v * 35.24 * 1000),                                 // cubic centimeter
        CELL(v * 35.24 * 1000 / p10(6)),                        // cubic meter
        CELL(v * 35.24 * 10),                                   // deciliter
        CELL(v * 35.24),                                        // liter
        CELL(v * 35.24 / 0.5683),                               // pint
        CELL(v * 35.24 / 1.137),                                // quart
        CELL(v * 35.24 / 4.546),                                // gallon(England)
        CELL(v * 35.24 / 3.785),                                // gallon (USA)
        CELL(v * 35.24 / 36.35),                                // bushel (England)
        kSame,                                                  // bushel (USA)
        CELL(v * 35.24 / 159),                                  // barrel
    },
    {   // from barrel
        CELL(v * 159 * 1000),                                   // cubic centimeter
        CELL(v * 159 * 1000 / p10(6)),                          // cubic meter
        CELL(v * 159 * 10),                                     // deciliter
        CELL(v * 159),                                          // liter
        CELL(v * 159 / 0.5683),                                 // pint
        CELL(v * 159 / 1.137),                                  // quart
        CELL(v * 159 / 4.546),                                  // gallon(England)
        CELL(v * 159 / 3.785),                                  // gallon (USA)
        CELL(v * 159 / 36.35),                                  // bushel (England)
        CELL(v * 159 / 35.24),                                  // bushel (USA)
        kSame,                                                  // barrel
    },
};
// clang-format on

}  // namespace

Table volume_table() noexcept { return checked_table<category::volume>(kVolume); }

}  // namespace metrova
