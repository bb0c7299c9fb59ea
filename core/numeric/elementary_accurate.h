// The accurate path of p10 and ln (elementary.h), for the arguments that the
// fast path's rounding test leaves undecided and the whole powers of ten
// beyond 10^+-22: 128-bit fixed-point integer arithmetic (natural.h) and an
// error bound, and where the whole interval around the approximation does
// not round to one double, the same at 256 bits, which always decides.
#pragma once

#include <optional>

namespace metrova::accurate {

// 10^x for a finite x in [-323.61, 308.26]; a whole x exactly, then rounded
// once.
double power_of_ten(double x) noexcept;

// ln x for a positive, finite x other than 1.
double logarithm(double x) noexcept;

// The fixed-point evaluation at one precision, 128 or 256 bits: nothing
// where it cannot decide the rounding. x as above, and not whole for the
// power.
std::optional<double> power_of_ten_at(double x, int bits) noexcept;
std::optional<double> logarithm_at(double x, int bits) noexcept;

}  // namespace metrova::accurate
