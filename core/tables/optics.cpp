#include "optics.h"

namespace metrova {
namespace {

constexpr auto kNone = SignRule::none;
constexpr auto kNonNegative = SignRule::make_non_negative;
constexpr auto kNonPositive = SignRule::make_non_positive;

// clang-format off
constexpr OpticsCell kOptics[3][3] = {
    {   // from Percent
        {kNone, kSame},                                                         // Percent
        {kNonNegative, CELL((c.ln(v) / c.ln(10) - 2) * 10)},                    // Decibel
        {kNonNegative, CELL(-(c.ln(v) / c.ln(10) - 2))},                        // Optical Density
    },
    {   // from Decibel
        {kNonPositive, CELL(p10(v / 10 + 2))},                                  // Percent
        {kNone, kSame},                                                         // Decibel
        {kNone, CELL(v / 10)},                                                  // Optical Density
    },
    {   // from Optical Density
        {kNonNegative, CELL(p10(2 - v))},                                       // Percent
        {kNone, CELL(v * 10)},                                                  // Decibel
        {kNone, kSame},                                                         // Optical Density
    },
};
// clang-format on

}  // namespace

const OpticsCell& optics_cell(Index source, Index target) noexcept { return kOptics[source][target]; }

}  // namespace metrova
