// The formula of a pick applied to one number: its sign rule, its chain and
// the fault check after it. Failures come back as values; nothing here
// throws, prints or ends the program.
#pragma once

#include <cstdint>
#include <optional>

#include "failure.h"
#include "pick.h"

namespace metrova {

struct Cell;

struct Conversion {
    enum class Outcome : std::uint8_t {
        identity,   // source equals target: value is v, all 64 bits
        stored,     // value is the formula's result, to be kept as the answer
        unmatched,  // an index names no unit of the category: keep the answer
        failed,     // a run-time error (failure says which): keep the answer
    };

    Outcome outcome = Outcome::unmatched;
    double value = 0.0;
    Failure failure = Failure::none;
    // Optics only: v after a sign rule changed it, for the value box. Set
    // whenever the rule changed v, also when a later step failed.
    std::optional<double> corrected;
    // The pick's cell (tables/formula.h), which tells how the value was
    // computed and which step can fail; none for an unmatched pick.
    const Cell* cell = nullptr;
};

// Converts v by the pick's cell; any index that names nothing (-1 included)
// is an unmatched pick. A v that is no finite number fails whatever the
// pair, equal units included, so that no NaN or infinity is ever stored or
// written back: NaN as Failure::invalid_argument, an infinity as
// Failure::overflow (the parser's verdict on a number beyond the double
// range).
//   convert({category::length, 0, 1}, 2.5)   -> stored 0.025
//   convert({category::optics, 1, 0}, 3)     -> stored 50.11872336272722, corrected -3
//   convert({category::mass, 1, 0}, 1e308)   -> failed, Failure::overflow
//   convert({category::optics, 0, 1}, 0)     -> failed, Failure::invalid_argument
//   convert({category::length, 1, 1}, inf)   -> failed, Failure::overflow
Conversion convert(const Pick& pick, double v) noexcept;

}  // namespace metrova
