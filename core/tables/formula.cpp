#include "formula.h"

#include <cmath>

namespace metrova {

double p10(double k) noexcept { return std::pow(10.0, k); }

double Evaluation::ln(double x) noexcept {
    if (x == 0) {
        if (failure_ == Failure::none) failure_ = Failure::invalid_argument;
        return 0.0;
    }
    return std::log(x);
}

}  // namespace metrova
