// The first run-time error of a user's action: an action runs several steps,
// each of which may fail, finishes all of them, and then reports the first
// failure once.
//   FirstFailure failure;
//   failure += {};                       // failure.first() has failed() false
//   failure += number_too_large();       // failure.first() is that overflow
//   failure += run_time_error(...);      // still the overflow
#pragma once

#include <utility>

#include "failure.h"

namespace metrova::ui {

class FirstFailure {
public:
    FirstFailure& operator+=(RunTimeError next) {
        if (!first_.failed()) first_ = std::move(next);
        return *this;
    }

    [[nodiscard]] const RunTimeError& first() const { return first_; }

private:
    RunTimeError first_;
};

}  // namespace metrova::ui
