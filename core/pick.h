// A pick: the category and the two units that the window's lists have
// current, by their catalogue indexes; -1 (or any index past the end) names
// nothing, as a list without a current entry reports.
//   Pick{category::length, 0, 1}   centimeter(cm) to meter(m)
#pragma once

#include "catalogue.h"

namespace metrova {

struct Pick {
    Index category = -1;
    Index source = -1;
    Index target = -1;

    // The pick with its two units exchanged, as Swap makes it.
    [[nodiscard]] constexpr Pick swapped() const noexcept { return {category, target, source}; }
};

}  // namespace metrova
