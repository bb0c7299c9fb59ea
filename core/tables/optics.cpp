#include "optics.h"

#include <iterator>

namespace metrova {
namespace {

constexpr auto kNone = SignRule::none;
constexpr auto kNonNegative = SignRule::make_non_negative;
constexpr auto kNonPositive = SignRule::make_non_positive;

// clang-format off
constexpr OpticsCell kOptics[3][3] = {
    {   // from Percent
        {kNone, kSame},                                                         // Percent
        {kNonNegative, CELL((ln(v) / ln(10) - 2) * 10)},                    // Decibel
        {kNonNegative, CELL(-(ln(v) / ln(10) - 2))},                        // Optical Density
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

static_assert(std::size(kOptics) == static_cast<std::size_t>(kUnitCounts[category::optics]) &&
                  std::size(kOptics[0]) == std::size(kOptics),
              "one row and one column per Optics unit");

}  // namespace

const OpticsCell& optics_cell(Index source, Index target) noexcept { return kOptics[source][target]; }

}  // namespace metrova
