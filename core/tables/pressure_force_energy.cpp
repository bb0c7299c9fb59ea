// Pressure, force and energy: v times the source unit's value, divided by the
// target's, grouped as each cell shows.
//
// Pressure in pascals: torr 133.32, kgf/sq.mm 9.80665 x 10^6, bar 10^5,
// atm 101325. Force in newtons: dyne 10^-5, kgf 9.80665. Energy in joules:
// erg 10^-7, kgf*m 9.80665.
//
// Into dyne and erg the chains divide by 10^-5 and 10^-7, out of them they
// multiply by it; torr to atm forms the ratio of the constants first and atm
// to torr multiplies first; kgf/sq.mm to bar is (v x 9.80665) x 10.
#include "tables.h"

namespace metrova {
namespace {

// clang-format off
constexpr Cell kPressure[5][5] = {
    {   // from Torr
        kSame,                                                  // Torr
        CELL(v * 133.32),                                       // Pa
        CELL((133.32 / (p10(6) * 9.80665)) * v),                // kgf/sq.mm
        CELL((133.32 / p10(5)) * v),                            // bar
        CELL((133.32 / 101325) * v),                            // atm
    },
    {   // from Pa
        CELL(v / 133.32),                                       // Torr
        kSame,                                                  // Pa
        CELL(v / (p10(6) * 9.80665)),                           // kgf/sq.mm
        CELL(v / p10(5)),                                       // bar
        CELL(v / 101325),                                       // atm
    },
    {   // from kgf/sq.mm
        CELL((p10(6) * (v * 9.80665)) / 133.32),                // Torr
        CELL(p10(6) * (v * 9.80665)),                           // Pa
        kSame,                                                  // kgf/sq.mm
        CELL((v * 9.80665) * 10),                               // bar
        CELL((p10(6) * (v * 9.80665)) / 101325),                // atm
    },
    {   // from bar
        CELL((p10(5) * v) / 133.32),                            // Torr
        CELL(p10(5) * v),                                       // Pa
        CELL((p10(5) * v) / (p10(6) * 9.80665)),                // kgf/sq.mm
        kSame,                                                  // bar
        CELL((p10(5) * v) / 101325),                            // atm
    },
    {   // from atm
        CELL((v * 101325) / 133.32),                            // Torr
        CELL(v * 101325),                                       // Pa
        CELL((v * 101325) / (p10(6) * 9.80665)),                // kgf/sq.mm
        CELL((v * 101325) / p10(5)),                            // bar
        kSame,                                                  // atm
    },
};

constexpr Cell kForce[3][3] = {
    {   // from Newton
        kSame,                                                  // Newton
        CELL(v / p10(-5)),                                      // dyne
        CELL(v / 9.80665),                                      // kgf
    },
    {   // from dyne
        CELL(p10(-5) * v),                                      // Newton
        kSame,                                                  // dyne
        CELL((p10(-5) * v) / 9.80665),                          // kgf
    },
    {   // from kgf
        CELL(v * 9.80665),                                      // Newton
        CELL((v * 9.80665) / p10(-5)),                          // dyne
        kSame,                                                  // kgf
    },
};

constexpr Cell kEnergy[3][3] = {
    {   // from Joule
        kSame,                                                  // Joule
        CELL(v / p10(-7)),                                      // erg
        CELL(v / 9.80665),                                      // kgf*m
    },
    {   // from erg
        CELL(p10(-7) * v),                                      // Joule
        kSame,                                                  // erg
        CELL((p10(-7) * v) / 9.80665),                          // kgf*m
    },
    {   // from kgf*m
        CELL(v * 9.80665),                                      // Joule
        CELL((v * 9.80665) / p10(-7)),                          // erg
        kSame,                                                  // kgf*m
    },
};
// clang-format on

}  // namespace

Table pressure_table() noexcept { return checked_table<category::pressure>(kPressure); }
Table force_table() noexcept { return checked_table<category::force>(kForce); }
Table energy_table() noexcept { return checked_table<category::energy>(kEnergy); }

}  // namespace metrova
