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
#pragma once

#include "formula.h"

namespace metrova {

struct OpticsCell {
    SignRule sign_rule = SignRule::none;
    Cell formula = kSame;
};

// The cell for a pair of Optics unit indexes, both within 0..2.
const OpticsCell& optics_cell(Index source, Index target) noexcept;

}  // namespace metrova
