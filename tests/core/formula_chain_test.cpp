// Every formula cell, pinned apart from its code. Each row is a cell's
// chain as the unit tables state it, operands and operators in order (a chain
// that starts with an operator is applied to v from left to right, one
// rounded operation after another; "10^k" and "10⁶" are the power operation,
// "ln" the logarithm), and the 64 bits the cell must store for one v at which
// the same operations in another order or grouping give other bits. The bits
// were worked out one IEEE operation at a time, the powers and logarithms
// correctly rounded from 300-bit values.
//
// The chain must read as the formula text of the cell that runs, which is
// its own C++ expression (result_story.h): both are read into the same
// fully bracketed form, so a cell written in another order, grouping or
// operand order fails here, and so does one whose expression computes other
// bits than its text says.
//
// Gallon(England) is 4.546 l and bushel (USA) 35.24 l.
#include <gtest/gtest.h>

#include <set>
#include <string>
#include <string_view>
#include <utility>

#include "convert.h"
#include "result_story.h"
#include "same_bits.h"
#include "units.h"

namespace metrova {
namespace {

using namespace test;  // NOLINT(google-build-using-namespace): the units' names

struct Row {
    Pick pick;
    const char* chain;
    double v;
    double stored;
};

// clang-format off
const Row kRows[] = {
    {pick(Optics::percent, Optics::decibel), "(ln v ÷ ln 10 − 2) × 10", 57.3, -0x1.358fe4bab1afcp+1},
    {pick(Optics::percent, Optics::density), "−(ln v ÷ ln 10 − 2)", 7, 0x1.27a7a7a4399e1p+0},
    {pick(Optics::decibel, Optics::percent), "10^(v ÷ 10 + 2)", -41, 0x1.044914f3c02b4p-7},
    {pick(Optics::decibel, Optics::density), "v ÷ 10", 3, 0x1.3333333333333p-2},
    {pick(Optics::density, Optics::percent), "10^(2 − v)", 0.37, 0x1.55437c467d017p+5},
    {pick(Optics::density, Optics::decibel), "v × 10", 3, 0x1.e000000000000p+4},
    {pick(Pressure::torr, Pressure::pa), "v × 133.32", 3, 0x1.8ff5c28f5c28fp+8},
    {pick(Pressure::torr, Pressure::kgf_mm2), "(133.32 ÷ (10^6 × 9.80665)) × v", 0.123, 0x1.c0de773898110p-20},
    {pick(Pressure::torr, Pressure::bar), "(133.32 ÷ 10^5) × v", 17, 0x1.73556232243f7p-6},
    {pick(Pressure::torr, Pressure::atm), "(133.32 ÷ 101325) × v", 9.99, 0x1.aeb815f6d053cp-7},
    {pick(Pressure::pa, Pressure::torr), "v ÷ 133.32", 3, 0x1.70ad473362640p-6},
    {pick(Pressure::pa, Pressure::kgf_mm2), "v ÷ (10^6 × 9.80665)", 123.456, 0x1.a66ac268d706fp-17},
    {pick(Pressure::pa, Pressure::bar), "v ÷ 10^5", 3, 0x1.f75104d551d69p-16},
    {pick(Pressure::pa, Pressure::atm), "v ÷ 101325", 17, 0x1.5fda9128acac3p-13},
    {pick(Pressure::kgf_mm2, Pressure::torr), "(10^6 × (v × 9.80665)) ÷ 133.32", 7, 0x1.f6d5275d2aef6p+18},
    {pick(Pressure::kgf_mm2, Pressure::pa), "10^6 × (v × 9.80665)", 7, 0x1.05dda57ffffffp+26},
    {pick(Pressure::kgf_mm2, Pressure::bar), "(v × 9.80665) × 10", 1234.5678, 0x1.d8edbe3fa6084p+16},
    {pick(Pressure::kgf_mm2, Pressure::atm), "(10^6 × (v × 9.80665)) ÷ 101325", 7, 0x1.52be90235f0f6p+9},
    {pick(Pressure::bar, Pressure::torr), "(10^5 × v) ÷ 133.32", 76.6, 0x1.c0df7dbbf2ca0p+15},
    {pick(Pressure::bar, Pressure::pa), "10^5 × v", 3, 0x1.24f8000000000p+18},
    {pick(Pressure::bar, Pressure::kgf_mm2), "(10^5 × v) ÷ (10^6 × 9.80665)", 2.5, 0x1.a1acfea981812p-6},
    {pick(Pressure::bar, Pressure::atm), "(10^5 × v) ÷ 101325", 0.3, 0x1.2f2ecdc90c512p-2},
    {pick(Pressure::atm, Pressure::torr), "(v × 101325) ÷ 133.32", 41, 0x1.e6e236d737124p+14},
    {pick(Pressure::atm, Pressure::pa), "v × 101325", 3, 0x1.28d9c00000000p+18},
    {pick(Pressure::atm, Pressure::kgf_mm2), "(v × 101325) ÷ (10^6 × 9.80665)", 21.32, 0x1.c3244e77f1ff9p-3},
    {pick(Pressure::atm, Pressure::bar), "(v × 101325) ÷ 10^5", 123.456, 0x1.f45dfeb8d8235p+6},
    {pick(Force::newton, Force::dyne), "v ÷ 10^−5", 3, 0x1.24f8000000000p+18},
    {pick(Force::newton, Force::kgf), "v ÷ 9.80665", 3, 0x1.3941beff2120dp-2},
    {pick(Force::dyne, Force::newton), "10^−5 × v", 3, 0x1.f75104d551d6ap-16},
    {pick(Force::dyne, Force::kgf), "(10^−5 × v) ÷ 9.80665", 1.1, 0x1.2d19cd10785c3p-20},
    {pick(Force::kgf, Force::newton), "v × 9.80665", 3, 0x1.d6b81d7dbf488p+4},
    {pick(Force::kgf, Force::dyne), "(v × 9.80665) ÷ 10^−5", 29, 0x1.b1f2f50000000p+24},
    {pick(Energy::joule, Energy::erg), "v ÷ 10^−7", 1.1, 0x1.4fb1800000001p+23},
    {pick(Energy::joule, Energy::kgf_m), "v ÷ 9.80665", 3, 0x1.3941beff2120dp-2},
    {pick(Energy::erg, Energy::joule), "10^−7 × v", 3, 0x1.421f5f40d8376p-22},
    {pick(Energy::erg, Energy::kgf_m), "(10^−7 × v) ÷ 9.80665", 1234.5678, 0x1.a66b7150ad586p-17},
    {pick(Energy::kgf_m, Energy::joule), "v × 9.80665", 3, 0x1.d6b81d7dbf488p+4},
    {pick(Energy::kgf_m, Energy::erg), "(v × 9.80665) ÷ 10^−7", 7, 0x1.47550edffffffp+29},
    {pick(Length::cm, Length::m), "÷ 100", 41, 0x1.a3d70a3d70a3dp-2},
    {pick(Length::cm, Length::km), "÷ 100 ÷ 1000", 3, 0x1.f75104d551d68p-16},
    {pick(Length::cm, Length::yd), "÷ 100 ÷ 0.9144", 9.99, 0x1.bf7efdfbf7efep-4},
    {pick(Length::cm, Length::ft), "÷ 100 ÷ 0.3048", 7, 0x1.d657595d6575ap-3},
    {pick(Length::cm, Length::in), "÷ 100 ÷ 0.0254", 3, 0x1.2e5cb972e5cb9p+0},
    {pick(Length::cm, Length::mile), "÷ 100 ÷ 1609.3", 17, 0x1.bb11c80ccd694p-14},
    {pick(Length::m, Length::cm), "× 100", 3, 0x1.2c00000000000p+8},
    {pick(Length::m, Length::km), "÷ 1000", 123.456, 0x1.f9acffa7eb6bfp-4},
    {pick(Length::m, Length::yd), "÷ 0.9144", 0.7, 0x1.87f3752329e1fp-1},
    {pick(Length::m, Length::ft), "÷ 0.3048", 3, 0x1.3af5ebd7af5ecp+3},
    {pick(Length::m, Length::in), "÷ 0.0254", 7, 0x1.13972e5cb972fp+8},
    {pick(Length::m, Length::mile), "÷ 1609.3", 3, 0x1.e8adf6ff0fbb9p-10},
    {pick(Length::km, Length::cm), "× 1000 × 100", 1.1, 0x1.adb0000000000p+16},
    {pick(Length::km, Length::m), "× 1000", 3, 0x1.7700000000000p+11},
    {pick(Length::km, Length::yd), "× 1000 ÷ 0.9144", 3, 0x1.9a1ae06b81ae0p+11},
    {pick(Length::km, Length::ft), "× 1000 ÷ 0.3048", 1.1, 0x1.c31d907641d90p+11},
    {pick(Length::km, Length::in), "× 1000 ÷ 0.0254", 41, 0x1.8a15d3a74e9d4p+20},
    {pick(Length::km, Length::mile), "× 0.62137", 3, 0x1.dd36501e2584fp+0},
    {pick(Length::yd, Length::cm), "× 0.9144 × 100", 0.3, 0x1.b6e978d4fdf3cp+4},
    {pick(Length::yd, Length::m), "× 0.9144", 3, 0x1.5f212d77318fcp+1},
    {pick(Length::yd, Length::km), "× 0.9144 ÷ 1000", 0.123, 0x1.d7bd080c27a66p-14},
    {pick(Length::yd, Length::ft), "× 0.9144 ÷ 0.3048", 0.3, 0x1.ccccccccccccdp-1},
    {pick(Length::yd, Length::in), "× 0.9144 ÷ 0.0254", 0.37, 0x1.aa3d70a3d70a5p+3},
    {pick(Length::yd, Length::mile), "× 0.9144 ÷ 1609.3", 9.99, 0x1.74005e97bcb48p-8},
    {pick(Length::ft, Length::cm), "× 0.3048 × 100", 3, 0x1.6dc28f5c28f5dp+6},
    {pick(Length::ft, Length::m), "× 0.3048", 3, 0x1.d42c3c9eecbfcp-1},
    {pick(Length::ft, Length::km), "× 0.3048 ÷ 1000", 7, 0x1.17a7bc720bb61p-9},
    {pick(Length::ft, Length::yd), "× 0.3048 ÷ 0.9144", 3, 0x1.0000000000001p+0},
    {pick(Length::ft, Length::in), "× 0.3048 ÷ 0.0254", 7, 0x1.5000000000000p+6},
    {pick(Length::ft, Length::mile), "× 0.3048 ÷ 1609.3", 59.69, 0x1.72732bb738c1fp-7},
    {pick(Length::in, Length::cm), "× 2.54", 3, 0x1.e7ae147ae147bp+2},
    {pick(Length::in, Length::m), "× 0.0254", 3, 0x1.381d7dbf487fcp-4},
    {pick(Length::in, Length::km), "× 0.0254 ÷ 1000", 66.407, 0x1.ba2b0ec06feeap-10},
    {pick(Length::in, Length::yd), "× 0.0254 ÷ 0.9144", 123.456, 0x1.b6f46508dfea3p+1},
    {pick(Length::in, Length::ft), "× 0.0254 ÷ 0.3048", 9.99, 0x1.aa3d70a3d70a3p-1},
    {pick(Length::in, Length::mile), "× 0.0254 ÷ 1609.3", 3, 0x1.8d32e083f292ap-15},
    {pick(Length::mile, Length::cm), "× 160930", 3, 0x1.d779800000000p+18},
    {pick(Length::mile, Length::m), "× 1609.3", 3, 0x1.2dbe666666666p+12},
    {pick(Length::mile, Length::km), "× 1.6093", 3, 0x1.34fc504816f00p+2},
    {pick(Length::mile, Length::yd), "× 1609.3 ÷ 0.9144", 3, 0x1.49fdb0b6c2db0p+12},
    {pick(Length::mile, Length::ft), "× 1609.3 ÷ 0.3048", 7, 0x1.20bdfa9fea7fbp+15},
    {pick(Length::mile, Length::in), "× 1609.3 ÷ 0.0254", 1.1, 0x1.103e183060c18p+16},
    {pick(Area::cm2, Area::m2), "÷ 10⁴", 3, 0x1.3a92a30553261p-12},
    {pick(Area::cm2, Area::km2), "÷ 10¹⁰", 7, 0x1.80d43de9cc603p-31},
    {pick(Area::cm2, Area::ft2), "÷ 929.03", 3, 0x1.a7411ddf803afp-9},
    {pick(Area::cm2, Area::in2), "÷ 6.45156", 3, 0x1.dc29f5a5f0385p-2},
    {pick(Area::cm2, Area::mile2), "÷ 10¹⁰ ÷ 2.59", 2.5, 0x1.a88598e1277e2p-34},
    {pick(Area::cm2, Area::acre), "÷ 10⁴ ÷ 4046.9", 3, 0x1.3e63b1c204f20p-24},
    {pick(Area::m2, Area::cm2), "× 10⁴", 3, 0x1.d4c0000000000p+14},
    {pick(Area::m2, Area::km2), "÷ 10⁶", 2.5, 0x1.4f8b588e368f1p-19},
    {pick(Area::m2, Area::ft2), "× 10⁴ ÷ 929.03", 0.3, 0x1.9d55972c43399p+1},
    {pick(Area::m2, Area::in2), "× 10⁴ ÷ 6.45156", 85.26, 0x1.021d0ab57c303p+17},
    {pick(Area::m2, Area::mile2), "÷ 10⁶ ÷ 2.59", 2.5, 0x1.031b8a8f6c5acp-20},
    {pick(Area::m2, Area::acre), "÷ 4046.9", 1.1, 0x1.1d043ea02ec2bp-12},
    {pick(Area::km2, Area::cm2), "× 10¹⁰", 3, 0x1.bf08eb0000000p+34},
    {pick(Area::km2, Area::m2), "× 10⁶", 3, 0x1.6e36000000000p+21},
    {pick(Area::km2, Area::ft2), "× 10¹⁰ ÷ 929.03", 97.03, 0x1.f20500ab54705p+29},
    {pick(Area::km2, Area::in2), "× 10¹⁰ ÷ 6.45156", 1234.5678, 0x1.bd8b32616d688p+40},
    {pick(Area::km2, Area::mile2), "÷ 2.59", 3, 0x1.28866cb9d2887p+0},
    {pick(Area::km2, Area::acre), "× 10⁶ ÷ 4046.9", 80.4, 0x1.366c3c255f7d0p+14},
    {pick(Area::ft2, Area::cm2), "× 929.03", 3, 0x1.5c62e147ae148p+11},
    {pick(Area::ft2, Area::m2), "× 929.03 ÷ 10⁴", 3, 0x1.1d65e4606748fp-2},
    {pick(Area::ft2, Area::km2), "× 929.03 ÷ 10¹⁰", 123.456, 0x1.80d9ad6283b45p-17},
    {pick(Area::ft2, Area::in2), "× 929.03 ÷ 6.45156", 0.3, 0x1.599a1c464d03dp+5},
    {pick(Area::ft2, Area::mile2), "× 929.03 ÷ 10¹⁰ ÷ 2.59", 123.456, 0x1.292e83e93b335p-18},
    {pick(Area::ft2, Area::acre), "× 929.03 ÷ 10⁴ ÷ 4046.9", 123.456, 0x1.73798e7ec2c82p-9},
    {pick(Area::in2, Area::cm2), "× 6.45156", 3, 0x1.35acc4ef88b97p+4},
    {pick(Area::in2, Area::m2), "× 6.45156 ÷ 10⁴", 3, 0x1.fb5f0f0cc0e13p-10},
    {pick(Area::in2, Area::km2), "× 6.45156 ÷ 10¹⁰", 0.7, 0x1.f08cb065bb92fp-32},
    {pick(Area::in2, Area::ft2), "× 6.45156 ÷ 929.03", 3, 0x1.5554d445d1c5ap-6},
    {pick(Area::in2, Area::mile2), "× 6.45156 ÷ 10¹⁰ ÷ 2.59", 29, 0x1.f069a1ce0da1cp-28},
    {pick(Area::in2, Area::acre), "× 6.45156 ÷ 10⁴ ÷ 4046.9", 61.314, 0x1.47fbbd62f9404p-17},
    {pick(Area::mile2, Area::cm2), "× 2.59 × 10¹⁰", 0.3, 0x1.cf20ca7ffffffp+32},
    {pick(Area::mile2, Area::m2), "× 2.59 × 10⁶", 0.3, 0x1.7b64fffffffffp+19},
    {pick(Area::mile2, Area::km2), "× 2.59", 3, 0x1.f147ae147ae14p+2},
    {pick(Area::mile2, Area::ft2), "× 2.59 × 10¹⁰ ÷ 929.03", 35.58, 0x1.d8fbcba4a2f6bp+29},
    {pick(Area::mile2, Area::in2), "× 2.59 × 10¹⁰ ÷ 6.45156", 0.7, 0x1.4efface6d6815p+31},
    {pick(Area::mile2, Area::acre), "× 2.59 × 10⁶ ÷ 4046.9", 48.782, 0x1.e7d1260649b20p+14},
    {pick(Area::acre, Area::cm2), "× 4046.9 × 10⁴", 6.02, 0x1.d0acba8000000p+27},
    {pick(Area::acre, Area::m2), "× 4046.9", 3, 0x1.7b6599999999ap+13},
    {pick(Area::acre, Area::km2), "× 4046.9 ÷ 10⁶", 41, 0x1.53cf62a942840p-3},
    {pick(Area::acre, Area::ft2), "× 4046.9 × 10⁴ ÷ 929.03", 39.7, 0x1.a63475dd1919dp+20},
    {pick(Area::acre, Area::in2), "× 4046.9 × 10⁴ ÷ 6.45156", 4.6, 0x1.b849699ba5993p+24},
    {pick(Area::acre, Area::mile2), "× 4046.9 ÷ 10⁶ ÷ 2.59", 8.2, 0x1.a3d7b436ee59ep-7},
    {pick(Volume::cm3, Volume::m3), "÷ 10⁶", 2.5, 0x1.4f8b588e368f1p-19},
    {pick(Volume::cm3, Volume::dl), "÷ 100", 41, 0x1.a3d70a3d70a3dp-2},
    {pick(Volume::cm3, Volume::l), "÷ 1000", 123.456, 0x1.f9acffa7eb6bfp-4},
    {pick(Volume::cm3, Volume::pint), "÷ 1000 ÷ 0.5683", 0.3, 0x1.14c4391e7f1f1p-11},
    {pick(Volume::cm3, Volume::quart), "÷ 1000 ÷ 1.137", 79.51, 0x1.1e6e8aa409c35p-4},
    {pick(Volume::cm3, Volume::gal_e), "÷ 1000 ÷ 4.546", 0.001, 0x1.d863c46a0e6a0p-23},
    {pick(Volume::cm3, Volume::gal_us), "÷ 1000 ÷ 3.785", 3, 0x1.9f8d4a54d0967p-11},
    {pick(Volume::cm3, Volume::bu_e), "÷ 1000 ÷ 36.35", 17, 0x1.ea64a746dcf12p-12},
    {pick(Volume::cm3, Volume::bu_us), "÷ 1000 ÷ 35.24", 41, 0x1.30fdd98700c16p-10},
    {pick(Volume::cm3, Volume::barrel), "÷ 1000 ÷ 159", 0.3, 0x1.fa7b63db7dd30p-20},
    {pick(Volume::m3, Volume::cm3), "× 10⁶", 3, 0x1.6e36000000000p+21},
    {pick(Volume::m3, Volume::dl), "× 10⁶ ÷ 100", 97.323, 0x1.db35c00000000p+19},
    {pick(Volume::m3, Volume::l), "× 10⁶ ÷ 1000", 4.139, 0x1.02b0000000001p+12},
    {pick(Volume::m3, Volume::pint), "× 10⁶ ÷ 1000 ÷ 0.5683", 0.77, 0x1.52bac3698b544p+10},
    {pick(Volume::m3, Volume::quart), "× 10⁶ ÷ 1000 ÷ 1.137", 46.59, 0x1.402081b04ba6dp+15},
    {pick(Volume::m3, Volume::gal_e), "× 10⁶ ÷ 1000 ÷ 4.546", 65.743, 0x1.c3edcbf770bd1p+13},
    {pick(Volume::m3, Volume::gal_us), "× 10⁶ ÷ 1000 ÷ 3.785", 30.166, 0x1.f21e19066ce49p+12},
    {pick(Volume::m3, Volume::bu_e), "× 10⁶ ÷ 1000 ÷ 36.35", 55.17, 0x1.7b6fa03857542p+10},
    {pick(Volume::m3, Volume::bu_us), "× 10⁶ ÷ 1000 ÷ 35.24", 16.72, 0x1.da75f99b75af1p+8},
    {pick(Volume::m3, Volume::barrel), "× 10⁶ ÷ 1000 ÷ 159", 19.1, 0x1.e080ce168a772p+6},
    {pick(Volume::dl, Volume::cm3), "× 100", 3, 0x1.2c00000000000p+8},
    {pick(Volume::dl, Volume::m3), "× 100 ÷ 10⁶", 4.18, 0x1.b64e054690de1p-12},
    {pick(Volume::dl, Volume::l), "÷ 10", 3, 0x1.3333333333333p-2},
    {pick(Volume::dl, Volume::pint), "÷ 10 ÷ 0.5683", 7, 0x1.3b538fbe697fcp+0},
    {pick(Volume::dl, Volume::quart), "÷ 10 ÷ 1.137", 78.9, 0x1.bc1db866ab914p+2},
    {pick(Volume::dl, Volume::gal_e), "÷ 10 ÷ 4.546", 9.99, 0x1.c20e30e140c29p-3},
    {pick(Volume::dl, Volume::gal_us), "÷ 10 ÷ 3.785", 80.6, 0x1.109217ac21d14p+1},
    {pick(Volume::dl, Volume::bu_e), "÷ 10 ÷ 36.35", 17, 0x1.7f1ea2af5c9c5p-5},
    {pick(Volume::dl, Volume::bu_us), "÷ 10 ÷ 35.24", 7, 0x1.4572c7564d4b3p-6},
    {pick(Volume::dl, Volume::barrel), "÷ 10 ÷ 159", 17, 0x1.5e5984fdbef41p-7},
    {pick(Volume::l, Volume::cm3), "× 1000", 3, 0x1.7700000000000p+11},
    {pick(Volume::l, Volume::m3), "× 1000 ÷ 10⁶", 123.456, 0x1.f9acffa7eb6bfp-4},
    {pick(Volume::l, Volume::dl), "× 10", 3, 0x1.e000000000000p+4},
    {pick(Volume::l, Volume::pint), "÷ 0.5683", 9.99, 0x1.194288abe5df7p+4},
    {pick(Volume::l, Volume::quart), "÷ 1.137", 17, 0x1.de73baa7106fbp+3},
    {pick(Volume::l, Volume::gal_e), "÷ 4.546", 3, 0x1.51e123ed877d5p-1},
    {pick(Volume::l, Volume::gal_us), "÷ 3.785", 2.5, 0x1.522d50d305bfcp-1},
    {pick(Volume::l, Volume::bu_e), "÷ 36.35", 17, 0x1.dee64b5b33c37p-2},
    {pick(Volume::l, Volume::bu_us), "÷ 35.24", 1.1, 0x1.ff6b393e79764p-6},
    {pick(Volume::l, Volume::barrel), "÷ 159", 3, 0x1.3521cfb2b78c1p-6},
    {pick(Volume::pint, Volume::cm3), "× 0.5683 × 1000", 41, 0x1.6c11333333333p+14},
    {pick(Volume::pint, Volume::m3), "× 0.5683 × 1000 ÷ 10⁶", 80.1, 0x1.74e8198460775p-5},
    {pick(Volume::pint, Volume::dl), "× 0.5683 × 10", 7, 0x1.3e3f7ced91688p+5},
    {pick(Volume::pint, Volume::l), "× 0.5683", 3, 0x1.b474538ef34d7p+0},
    {pick(Volume::pint, Volume::quart), "× 0.5683 ÷ 1.137", 17, 0x1.0fe780d5440abp+3},
    {pick(Volume::pint, Volume::gal_e), "× 0.5683 ÷ 4.546", 17, 0x1.1006207b42283p+1},
    {pick(Volume::pint, Volume::gal_us), "× 0.5683 ÷ 3.785", 6.02, 0x1.cec8ac778f567p-1},
    {pick(Volume::pint, Volume::bu_e), "× 0.5683 ÷ 36.35", 17, 0x1.10289c55da44cp-2},
    {pick(Volume::pint, Volume::bu_us), "× 0.5683 ÷ 35.24", 2.5, 0x1.4a459f695d28dp-5},
    {pick(Volume::pint, Volume::barrel), "× 0.5683 ÷ 159", 0.001, 0x1.dfb90d630d67fp-19},
    {pick(Volume::quart, Volume::cm3), "× 1.137 × 1000", 2.5, 0x1.6350000000001p+11},
    {pick(Volume::quart, Volume::m3), "× 1.137 × 1000 ÷ 10⁶", 30.472, 0x1.1bd3521974bdap-5},
    {pick(Volume::quart, Volume::dl), "× 1.137 × 10", 9.99, 0x1.c6585f06f6944p+6},
    {pick(Volume::quart, Volume::l), "× 1.137", 3, 0x1.b49ba5e353f7dp+1},
    {pick(Volume::quart, Volume::pint), "× 1.137 ÷ 0.5683", 7, 0x1.c0285c9da9c7dp+3},
    {pick(Volume::quart, Volume::gal_e), "× 1.137 ÷ 4.546", 7, 0x1.c03274e802b3fp+0},
    {pick(Volume::quart, Volume::gal_us), "× 1.137 ÷ 3.785", 0.3, 0x1.7120816d56e27p-4},
    {pick(Volume::quart, Volume::bu_e), "× 1.137 ÷ 36.35", 2.5, 0x1.404c9fba23129p-4},
    {pick(Volume::quart, Volume::bu_us), "× 1.137 ÷ 35.24", 7, 0x1.ce8b21116069fp-3},
    {pick(Volume::quart, Volume::barrel), "× 1.137 ÷ 159", 57.3, 0x1.a39541b6b861bp-2},
    {pick(Volume::gal_e, Volume::cm3), "× 4.546 × 1000", 3, 0x1.aa30000000001p+13},
    {pick(Volume::gal_e, Volume::m3), "× 4.546 × 1000 ÷ 10⁶", 17, 0x1.3c8c0ce91c8ecp-4},
    {pick(Volume::gal_e, Volume::dl), "× 4.546 × 10", 3, 0x1.10c28f5c28f5dp+7},
    {pick(Volume::gal_e, Volume::l), "× 4.546", 3, 0x1.b46a7ef9db22ep+3},
    {pick(Volume::gal_e, Volume::pint), "× 4.546 ÷ 0.5683", 2.5, 0x1.3ff8cae3d88a0p+4},
    {pick(Volume::gal_e, Volume::quart), "× 4.546 ÷ 1.137", 0.3, 0x1.33109dc9b1606p+0},
    {pick(Volume::gal_e, Volume::gal_us), "× 4.546 ÷ 3.785", 3.3, 0x1.fb538e88ebcddp+1},
    {pick(Volume::gal_e, Volume::bu_e), "× 4.546 ÷ 36.35", 2.5, 0x1.402890cbf4733p-2},
    {pick(Volume::gal_e, Volume::bu_us), "× 4.546 ÷ 35.24", 65.55, 0x1.0e97c07db74f0p+3},
    {pick(Volume::gal_e, Volume::barrel), "× 4.546 ÷ 159", 3.3, 0x1.82762283bc940p-4},
    {pick(Volume::gal_us, Volume::cm3), "× 3.785 × 1000", 1.1, 0x1.0438000000001p+12},
    {pick(Volume::gal_us, Volume::m3), "× 3.785 × 1000 ÷ 10⁶", 43.07, 0x1.4ddd674ec3b26p-3},
    {pick(Volume::gal_us, Volume::dl), "× 3.785 × 10", 0.7, 0x1.a7eb851eb851ep+4},
    {pick(Volume::gal_us, Volume::l), "× 3.785", 3, 0x1.6b5c28f5c28f6p+3},
    {pick(Volume::gal_us, Volume::pint), "× 3.785 ÷ 0.5683", 7, 0x1.74f8d66c0595fp+5},
    {pick(Volume::gal_us, Volume::quart), "× 3.785 ÷ 1.137", 1.1, 0x1.d4b6d331c24efp+1},
    {pick(Volume::gal_us, Volume::gal_e), "× 3.785 ÷ 4.546", 7, 0x1.75013d27fb7ebp+2},
    {pick(Volume::gal_us, Volume::bu_e), "× 3.785 ÷ 36.35", 1.1, 0x1.d5270ef8ffe6ep-4},
    {pick(Volume::gal_us, Volume::bu_us), "× 3.785 ÷ 35.24", 1.1, 0x1.e3ee19afea9d2p-4},
    {pick(Volume::gal_us, Volume::barrel), "× 3.785 ÷ 159", 0.3, 0x1.d406a57683755p-8},
    {pick(Volume::bu_e, Volume::cm3), "× 36.35 × 1000", 3, 0x1.a9fa000000001p+16},
    {pick(Volume::bu_e, Volume::m3), "× 36.35 × 1000 ÷ 10⁶", 41, 0x1.7d8793dd97f64p+0},
    {pick(Volume::bu_e, Volume::dl), "× 36.35 × 10", 1.1, 0x1.8fd999999999bp+8},
    {pick(Volume::bu_e, Volume::l), "× 36.35", 3, 0x1.b433333333334p+6},
    {pick(Volume::bu_e, Volume::pint), "× 36.35 ÷ 0.5683", 0.3, 0x1.33055c4cf08c8p+4},
    {pick(Volume::bu_e, Volume::quart), "× 36.35 ÷ 1.137", 0.7, 0x1.6610a950d48bap+4},
    {pick(Volume::bu_e, Volume::gal_e), "× 36.35 ÷ 4.546", 3, 0x1.7fcf58696b1bap+4},
    {pick(Volume::bu_e, Volume::gal_us), "× 36.35 ÷ 3.785", 3.3, 0x1.fb1346add2af2p+4},
    {pick(Volume::bu_e, Volume::bu_us), "× 36.35 ÷ 35.24", 0.3, 0x1.3ce053afccdbap-2},
    {pick(Volume::bu_e, Volume::barrel), "× 36.35 ÷ 159", 59.134, 0x1.b09ba491ac5fep+3},
    {pick(Volume::bu_us, Volume::cm3), "× 35.24 × 1000", 2.5, 0x1.5824000000001p+16},
    {pick(Volume::bu_us, Volume::m3), "× 35.24 × 1000 ÷ 10⁶", 19.1, 0x1.589e774eebf67p-1},
    {pick(Volume::bu_us, Volume::dl), "× 35.24 × 10", 0.001, 0x1.68db8bac710cbp-2},
    {pick(Volume::bu_us, Volume::l), "× 35.24", 3, 0x1.a6e147ae147aep+6},
    {pick(Volume::bu_us, Volume::pint), "× 35.24 ÷ 0.5683", 0.001, 0x1.fbfb59e770c9ap-5},
    {pick(Volume::bu_us, Volume::quart), "× 35.24 ÷ 1.137", 2.5, 0x1.35f03d3dead5fp+6},
    {pick(Volume::bu_us, Volume::gal_e), "× 35.24 ÷ 4.546", 123.456, 0x1.de81e61d2a6efp+9},
    {pick(Volume::bu_us, Volume::gal_us), "× 35.24 ÷ 3.785", 123.456, 0x1.1f5b77a868d1ap+10},
    {pick(Volume::bu_us, Volume::bu_e), "× 35.24 ÷ 36.35", 123.456, 0x1.debe8edef72b8p+6},
    {pick(Volume::bu_us, Volume::barrel), "× 35.24 ÷ 159", 3, 0x1.546e83c47df8ap-1},
    {pick(Volume::barrel, Volume::cm3), "× 159 × 1000", 0.3, 0x1.74a7fffffffffp+15},
    {pick(Volume::barrel, Volume::m3), "× 159 × 1000 ÷ 10⁶", 3.3, 0x1.0ca57a786c225p-1},
    {pick(Volume::barrel, Volume::dl), "× 159 × 10", 0.3, 0x1.dcfffffffffffp+8},
    {pick(Volume::barrel, Volume::l), "× 159", 3, 0x1.dd00000000000p+8},
    {pick(Volume::barrel, Volume::pint), "× 159 ÷ 0.5683", 2.5, 0x1.5dba2d7f41b91p+9},
    {pick(Volume::barrel, Volume::quart), "× 159 ÷ 1.137", 1.1, 0x1.33a6d6cbfd4c5p+7},
    {pick(Volume::barrel, Volume::gal_e), "× 159 ÷ 4.546", 7, 0x1.e9a947113b5aap+7},
    {pick(Volume::barrel, Volume::gal_us), "× 159 ÷ 3.785", 95.2, 0x1.f3e4f2227e7a7p+11},
    {pick(Volume::barrel, Volume::bu_e), "× 159 ÷ 36.35", 0.3, 0x1.4fef19005a254p+0},
    {pick(Volume::barrel, Volume::bu_us), "× 159 ÷ 35.24", 9.99, 0x1.6897aea34e2a7p+5},
    {pick(Mass::g, Mass::kg), "÷ 1000", 123.456, 0x1.f9acffa7eb6bfp-4},
    {pick(Mass::g, Mass::lb), "÷ 453.6", 0.123, 0x1.1c5609a4de923p-12},
    {pick(Mass::g, Mass::oz), "÷ 28.35", 0.123, 0x1.1c5609a4de923p-8},
    {pick(Mass::g, Mass::ton_e), "÷ 1000 ÷ 1016.1", 7, 0x1.ce51976a46e39p-18},
    {pick(Mass::g, Mass::ton_us), "÷ 1000 ÷ 907.2", 6.02, 0x1.bd5237e5d3783p-18},
    {pick(Mass::g, Mass::carat), "× 1000 ÷ 200", 6.02, 0x1.e19999999999ap+4},
    {pick(Mass::kg, Mass::g), "× 1000", 3, 0x1.7700000000000p+11},
    {pick(Mass::kg, Mass::lb), "× 1000 ÷ 453.6", 56.568, 0x1.f2d602b580ad6p+6},
    {pick(Mass::kg, Mass::oz), "× 1000 ÷ 28.35", 32.02, 0x1.1a5d0241eb3b3p+10},
    {pick(Mass::kg, Mass::ton_e), "÷ 1016.1", 3, 0x1.82fc4be2ac7b1p-9},
    {pick(Mass::kg, Mass::ton_us), "÷ 907.2", 0.123, 0x1.1c5609a4de923p-13},
    {pick(Mass::kg, Mass::carat), "× 1000000 ÷ 200", 78.82, 0x1.80dd000000000p+18},
    {pick(Mass::lb, Mass::g), "× 453.6", 3, 0x1.5433333333334p+10},
    {pick(Mass::lb, Mass::kg), "× 453.6 ÷ 1000", 0.37, 0x1.57b84db9c7368p-3},
    {pick(Mass::lb, Mass::oz), "× 453.6 ÷ 28.35", 3, 0x1.8000000000001p+5},
    {pick(Mass::lb, Mass::ton_e), "× 453.6 ÷ 1000 ÷ 1016.1", 9.99, 0x1.2444bc891bacap-8},
    {pick(Mass::lb, Mass::ton_us), "× 453.6 ÷ 1000 ÷ 907.2", 2.5, 0x1.47ae147ae147ap-10},
    {pick(Mass::lb, Mass::carat), "× 453.6 × 1000 ÷ 200", 51.0, 0x1.c3d4000000001p+16},
    {pick(Mass::oz, Mass::g), "× 28.35", 3, 0x1.5433333333334p+6},
    {pick(Mass::oz, Mass::kg), "× 28.35 ÷ 1000", 0.37, 0x1.57b84db9c7368p-7},
    {pick(Mass::oz, Mass::lb), "× 28.35 ÷ 453.6", 3, 0x1.8000000000001p-3},
    {pick(Mass::oz, Mass::ton_e), "× 28.35 ÷ 1000 ÷ 1016.1", 9.99, 0x1.2444bc891bacap-12},
    {pick(Mass::oz, Mass::ton_us), "× 28.35 ÷ 1000 ÷ 907.2", 2.5, 0x1.47ae147ae147ap-14},
    {pick(Mass::oz, Mass::carat), "× 28.35 × 1000 ÷ 200", 68.38, 0x1.2ee6eb851eb84p+13},
    {pick(Mass::ton_e, Mass::g), "× 1016.1 × 1000", 13, 0x1.931da80000001p+23},
    {pick(Mass::ton_e, Mass::kg), "× 1016.1", 3, 0x1.7d0999999999ap+11},
    {pick(Mass::ton_e, Mass::lb), "× 1016.1 × 1000 ÷ 453.6", 39.3, 0x1.57e31e79e79e6p+16},
    {pick(Mass::ton_e, Mass::oz), "× 1016.1 × 1000 ÷ 28.35", 69.2, 0x1.2ec2befbefbf1p+21},
    {pick(Mass::ton_e, Mass::ton_us), "× 1016.1 ÷ 907.2", 7, 0x1.f5c71c71c71c6p+2},
    {pick(Mass::ton_e, Mass::carat), "× 1016.1 × 1000000 ÷ 200", 91.4, 0x1.bad8944000001p+28},
    {pick(Mass::ton_us, Mass::g), "× 907.2 × 1000", 3, 0x1.4c3a000000001p+21},
    {pick(Mass::ton_us, Mass::kg), "× 907.2", 3, 0x1.5433333333334p+11},
    {pick(Mass::ton_us, Mass::lb), "× 907.2 × 1000 ÷ 453.6", 7, 0x1.b580000000001p+13},
    {pick(Mass::ton_us, Mass::oz), "× 907.2 × 1000 ÷ 28.35", 7, 0x1.b580000000001p+17},
    {pick(Mass::ton_us, Mass::ton_e), "× 907.2 ÷ 1016.1", 7, 0x1.8ffc5f3c16acdp+2},
    {pick(Mass::ton_us, Mass::carat), "× 907.2 × 1000000 ÷ 200", 28.323, 0x1.ea160a0000001p+26},
    {pick(Mass::carat, Mass::g), "÷ 1000 × 200", 1.1, 0x1.c28f5c28f5c29p-3},
    {pick(Mass::carat, Mass::kg), "÷ 1000000 × 200", 39.9, 0x1.057d1782d3848p-7},
    {pick(Mass::carat, Mass::lb), "÷ 1000 × 200 ÷ 453.6", 123.456, 0x1.bdec155e594f5p-5},
    {pick(Mass::carat, Mass::oz), "÷ 1000 × 200 ÷ 28.35", 123.456, 0x1.bdec155e594f5p-1},
    {pick(Mass::carat, Mass::ton_e), "÷ 1000000 × 200 ÷ 1016.1", 3, 0x1.3d04bf99552e6p-21},
    {pick(Mass::carat, Mass::ton_us), "÷ 1000000 × 200 ÷ 907.2", 97.2, 0x1.67830373ccbdep-16},
    {pick(Velocity::m_s, Velocity::km_h), "× 3600 ÷ 1000", 123.456, 0x1.bc710cb295e9fp+8},
    {pick(Velocity::m_s, Velocity::mph), "÷ 0.447", 0.3, 0x1.579fc90527844p-1},
    {pick(Velocity::m_s, Velocity::knot), "÷ 0.5144", 41, 0x1.3ed16b191519ep+6},
    {pick(Velocity::km_h, Velocity::m_s), "× 1000 ÷ 3600", 0.77, 0x1.b60b60b60b60bp-3},
    {pick(Velocity::km_h, Velocity::mph), "× 1000 ÷ 3600 ÷ 0.447", 24.03, 0x1.ddda338b2af3fp+3},
    {pick(Velocity::km_h, Velocity::knot), "× 1000 ÷ 3600 ÷ 0.5144", 29.6, 0x1.ff7dc41a5d846p+3},
    {pick(Velocity::mph, Velocity::m_s), "× 0.447", 3, 0x1.574bc6a7ef9dbp+0},
    {pick(Velocity::mph, Velocity::km_h), "× 0.447 × 3600 ÷ 1000", 81.7, 0x1.06f17acc4ef88p+7},
    {pick(Velocity::mph, Velocity::knot), "× 0.447 ÷ 0.5144", 51.1, 0x1.633c842e2efadp+5},
    {pick(Velocity::knot, Velocity::m_s), "× 0.5144", 3, 0x1.8b0f27bb2fec5p+0},
    {pick(Velocity::knot, Velocity::km_h), "× 0.5144 × 3600 ÷ 1000", 6.02, 0x1.64bd0b8ea97b7p+3},
    {pick(Velocity::knot, Velocity::mph), "× 0.5144 ÷ 0.447", 3.3, 0x1.e6173a9f4ddd6p+1},
    {pick(Temperature::c, Temperature::f), "× 1.8 + 32", 13, 0x1.bb33333333334p+5},
    {pick(Temperature::f, Temperature::c), "− 32 ÷ 1.8", 1.1, -0x1.12aaaaaaaaaaap+4},
};
// clang-format on

std::string bracket(const std::string& left, std::string_view op, const std::string& right) {
    std::string both = "(";
    both.append(left).append(op).append(right).append(")");
    return both;
}

// Reads a formula, as the tables or the tooltip write it, into one bracketed
// form: "((v×0.3048)÷0.9144)", "(−((ln(v)÷ln(10))−2))", "10^((v÷10)+2)".
class Reader {
public:
    explicit Reader(std::string_view text) : rest_(text) {}

    // A formula of v with × and ÷ before + and −, left to right within each.
    std::string formula() {
        std::string a = product();
        while (const char* op = take_any({"+", "−"})) a = bracket(a, op, product());
        return a;
    }

    // A chain: v, then each operation in turn.
    std::string chain() {
        std::string a = "v";
        while (const char* op = take_any({"×", "÷", "+", "−"})) a = bracket(a, op, unary());
        return a;
    }

    [[nodiscard]] bool done() {
        skip_blanks();
        return rest_.empty();
    }

private:
    std::string product() {
        std::string a = unary();
        while (const char* op = take_any({"×", "÷"})) a = bracket(a, op, unary());
        return a;
    }

    std::string unary() { return take("−") ? "(−" + unary() + ")" : primary(); }

    std::string primary() {
        if (take("(")) {
            std::string a = formula();
            if (!take(")")) return "?";
            return a;
        }
        if (take("ln")) return "ln(" + primary() + ")";
        if (take("10^")) return "10^(" + unary() + ")";
        if (take("10")) {
            // 10⁴, 10⁶, 10¹⁰: the power written with raised digits
            static constexpr std::string_view kRaised[] = {"⁰", "¹", "²", "³", "⁴", "⁵", "⁶", "⁷", "⁸", "⁹"};
            std::string power;
            for (bool more = true; more;) {
                more = false;
                for (char digit = '0'; digit <= '9'; ++digit) {
                    if (take(kRaised[digit - '0'])) {
                        power += digit;
                        more = true;
                    }
                }
            }
            if (!power.empty()) return "10^(" + power + ")";
            return "10" + digits();
        }
        if (take("v")) return "v";
        const std::string number = digits();
        return number.empty() ? "?" : number;
    }

    std::string digits() {
        std::string number;
        while (!rest_.empty() && ((rest_[0] >= '0' && rest_[0] <= '9') || rest_[0] == '.')) {
            number += rest_[0];
            rest_.remove_prefix(1);
        }
        return number;
    }

    void skip_blanks() {
        while (rest_.starts_with(' ')) rest_.remove_prefix(1);
    }

    bool take(std::string_view token) {
        skip_blanks();
        if (!rest_.starts_with(token)) return false;
        rest_.remove_prefix(token.size());
        return true;
    }

    const char* take_any(std::initializer_list<const char*> tokens) {
        for (const char* token : tokens) {
            if (take(token)) return token;
        }
        return nullptr;
    }

    std::string_view rest_;
};

std::string bracketed(std::string_view text, bool chain) {
    Reader reader(text);
    std::string read = chain ? reader.chain() : reader.formula();
    return reader.done() ? read : read + " and unread text";
}

TEST(FormulaChain, EveryCellComputesItsChainInItsOrder) {
    std::set<std::pair<Index, std::pair<Index, Index>>> seen;
    for (const Row& row : kRows) {
        const std::string chain(row.chain);
        SCOPED_TRACE(std::string(unit_label(row.pick.category, row.pick.source)) + " ->" +
                     std::string(unit_label(row.pick.category, row.pick.target)) + ": " + chain);
        EXPECT_TRUE(seen.insert({row.pick.category, {row.pick.source, row.pick.target}}).second) << "a second row";
        // A chain that names v is a whole formula; one that starts with an
        // operation works on v.
        const std::string table = bracketed(chain, chain.find('v') == std::string::npos);
        EXPECT_EQ(bracketed(formula_text(row.pick), false), table);
        const Conversion r = convert(row.pick, row.v);
        ASSERT_EQ(r.outcome, Conversion::Outcome::stored);
        EXPECT_SAME_BITS(r.value, row.stored);
    }
    // every pair of different units of every category
    std::size_t cells = 0;
    for (Index c = 0; c < category_count(); ++c) cells += static_cast<std::size_t>(unit_count(c) * (unit_count(c) - 1));
    EXPECT_EQ(seen.size(), cells);
}

}  // namespace
}  // namespace metrova
