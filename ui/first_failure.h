// The first run-time error of a user's action: an action runs several steps,
// each of which may fail, finishes all of them, and then reports the first
// failure once.
//   FirstFailure failure;
//   failure += Failure::none;        // failure.first() == Failure::none
//   failure += Failure::overflow;    // failure.first() == Failure::overflow
//   failure += Failure::invalid_argument;  // still Failure::overflow
#pragma once

#include "fault.h"

namespace metrova::ui {

class FirstFailure {
public:
    FirstFailure& operator+=(Failure next) {
        if (first_ == Failure::none) first_ = next;
        return *this;
    }

    [[nodiscard]] Failure first() const { return first_; }

private:
    Failure first_ = Failure::none;
};

}  // namespace metrova::ui
