// Velocity and temperature.
//
// Velocity chains run through meters per second: km/h is 1000 m in 3600 s,
// mile/h 0.447 m/s (not 0.44704) and knot 0.5144 m/s (not 0.51444...).
// Temperature is the affine Celsius-Fahrenheit relation, (v x 1.8) + 32 and
// (v - 32) / 1.8, with no lower bound on v.
#include "tables.h"

namespace metrova {
namespace {

// clang-format off
constexpr Cell kVelocity[4][4] = {
    {   // from m/s
        kSame,                                                  // m/s
        CELL(v * 3600 / 1000),                                  // km/h
        CELL(v / 0.447),                                        // mile/h
        CELL(v / 0.5144),                                       // knot
    },
    {   // from km/h
        CELL(v * 1000 / 3600),                                  // m/s
        kSame,                                                  // km/h
        CELL(v * 1000 / 3600 / 0.447),                          // mile/h
        CELL(v * 1000 / 3600 / 0.5144),                         // knot
    },
    {   // from mile/h
        CELL(v * 0.447),                                        // m/s
        CELL(v * 0.447 * 3600 / 1000),                          // km/h
        kSame,                                                  // mile/h
        CELL(v * 0.447 / 0.5144),                               // knot
    },
    {   // from knot
        CELL(v * 0.5144),                                       // m/s
        CELL(v * 0.5144 * 3600 / 1000),                         // km/h
        CELL(v * 0.5144 / 0.447),                               // mile/h
        kSame,                                                  // knot
    },
};

constexpr Cell kTemperature[2][2] = {
    {   // from Centigrade
        kSame,                                                  // Centigrade
        CELL(v * 1.8 + 32),                                     // Fahrenheit
    },
    {   // from Fahrenheit
        CELL((v - 32) / 1.8),                                   // Centigrade
        kSame,                                                  // Fahrenheit
    },
};
// clang-format on

}  // namespace

Table velocity_table() noexcept { return checked_table<category::velocity>(kVelocity); }
Table temperature_table() noexcept { return checked_table<category::temperature>(kTemperature); }

}  // namespace metrova
