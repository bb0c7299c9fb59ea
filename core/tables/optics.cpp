// Optics: transmittance in percent, attenuation in decibels (zero or below)
// and optical density (zero or above), related by T = 10^(dB / 10 + 2) and
// T = 10^(2 - OD).
//
// Three cells first force the sign of v to the side their formula expects and
// report the corrected v, which the window writes back into the value box.
// The decimal logarithm is ln v / ln 10, both by the natural logarithm (for
// v = 1000 the quotient is the double just below 3, and the formula works on
// that). The two cells that end in a power of ten cannot overflow, their
// exponent being at most 2; a tiny result underflows quietly (-5000 dB gives
// 0). The direct cells between decibel and optical density scale by 10 and
// keep the sign.
#include "tables.h"

namespace metrova {
namespace {

// clang-format off
constexpr Cell kOptics[3][3] = {
    {   // from Percent
        kSame,                                                                  // Percent
        make_non_negative(logarithm_of_v(CELL((ln(v) / ln(10) - 2) * 10))),    // Decibel
        make_non_negative(logarithm_of_v(CELL(-(ln(v) / ln(10) - 2)))),        // Optical Density
    },
    {   // from Decibel
        make_non_positive(CELL(p10(v / 10 + 2))),                                // Percent
        kSame,                                                                  // Decibel
        CELL(v / 10),                                                           // Optical Density
    },
    {   // from Optical Density
        make_non_negative(CELL(p10(2 - v))),                                    // Percent
        CELL(v * 10),                                                           // Decibel
        kSame,                                                                  // Optical Density
    },
};
// clang-format on

}  // namespace

Table optics_table() noexcept { return checked_table<category::optics>(kOptics); }

}  // namespace metrova
