// Mass. Gram, pound, ounce and carat are reckoned in grams; kilogram and the
// two tons in kilograms. Pound 453.6 g, ounce 28.35 g, ton (England)
// 1016.1 kg, ton (USA) 907.2 kg, carat 200 mg: the system's own rounded
// values, not the legal definitions.
//
// A chain brings v into its source's reckoning, crosses between grams and
// kilograms (x 1000 or / 1000) where the target is reckoned in the other, and
// leaves for the target. The carat enters and leaves through milligrams.
#include "tables.h"

namespace metrova {
namespace {

// clang-format off
constexpr Cell kMass[7][7] = {
    {   // from gram
        kSame,                                                  // gram
        CELL(v / 1000),                                         // kilogram
        CELL(v / 453.6),                                        // pound
        CELL(v / 28.35),                                        // ounce
        CELL(v / 1000 / 1016.1),                                // ton (England)
        CELL(v / 1000 / 907.2),                                 // ton (USA)
        CELL(v * 1000 / 200),                                   // carat
    },
    {   // from kilogram
        CELL(v * 1000),                                         // gram
        kSame,                                                  // kilogram
        CELL(v * 1000 / 453.6),                                 // pound
        CELL(v * 1000 / 28.35),                                 // ounce
        CELL(v / 1016.1),                                       // ton (England)
        CELL(v / 907.2),                                        // ton (USA)
        CELL(v * 1000000 / 200),                                // carat
    },
    {   // from pound
        CELL(v * 453.6),                                        // gram
        CELL(v * 453.6 / 1000),                                 // kilogram
        kSame,                                                  // pound
        CELL(v * 453.6 / 28.35),                                // ounce
        CELL(v * 453.6 / 1000 / 1016.1),                        // ton (England)
        CELL(v * 453.6 / 1000 / 907.2),                         // ton (USA)
        CELL(v * 453.6 * 1000 / 200),                           // carat
    },
    {   // from ounce
        CELL(v * 28.35),                                        // gram
        CELL(v * 28.35 / 1000),                                 // kilogram
        CELL(v * 28.35 / 453.6),                                // pound
        kSame,                                                  // ounce
        CELL(v * 28.35 / 1000 / 1016.1),                        // ton (England)
        CELL(v * 28.35 / 1000 / 907.2),                         // ton (USA)
        CELL(v * 28.35 * 1000 / 200),                           // carat
    },
    {   // from ton (England)
        CELL(v * 1016.1 * 1000),                                // gram
        CELL(v * 1016.1),                                       // kilogram
        CELL(v * 1016.1 * 1000 / 453.6),                        // pound
        CELL(v * 1016.1 * 1000 / 28.35),                        // ounce
        kSame,                                                  // ton (England)
        CELL(v * 1016.1 / 907.2),                               // ton (USA)
        CELL(v * 1016.1 * 1000000 / 200),                       // carat
    },
    {   // from ton (USA)
        CELL(v * 907.2 * 1000),                                 // gram
        CELL(v * 907.2),                                        // kilogram
        CELL(v * 907.2 * 1000 / 453.6),                         // pound
        CELL(v * 907.2 * 1000 / 28.35),                         // ounce
        CELL(v * 907.2 / 1016.1),                               // ton (England)
        kSame,                                                  // ton (USA)
        CELL(v * 907.2 * 1000000 / 200),                        // carat
    },
    {   // from carat
        CELL(v / 1000 * 200),                                   // gram
        CELL(v / 1000000 * 200),                                // kilogram
        CELL(v / 1000 * 200 / 453.6),                           // pound
        CELL(v / 1000 * 200 / 28.35),                           // ounce
        CELL(v / 1000000 * 200 / 1016.1),                       // ton (England)
        CELL(v / 1000000 * 200 / 907.2),                        // ton (USA)
        kSame,                                                  // carat
    },
};
// clang-format on

}  // namespace

Table mass_table() noexcept { return checked_table<category::mass>(kMass); }

}  // namespace metrova
