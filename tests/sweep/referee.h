// GNU MPFR as the referee for correct rounding: 53 bits, the double exponent
// range, subnormals rounded at their own precision.
#pragma once

#include <mpfr.h>

namespace metrova::test {

inline void referee_range() {
    mpfr_set_emin(-1073);  // the double format: subnormals down to 2^-1074
    mpfr_set_emax(1024);
}

inline double referee(int (*f)(mpfr_ptr, mpfr_srcptr, mpfr_rnd_t), double x) {
    mpfr_t a;
    mpfr_t r;
    mpfr_init2(a, 53);
    mpfr_init2(r, 53);
    mpfr_set_d(a, x, MPFR_RNDN);
    const int ternary = f(r, a, MPFR_RNDN);
    mpfr_subnormalize(r, ternary, MPFR_RNDN);
    const double y = mpfr_get_d(r, MPFR_RNDN);
    mpfr_clear(a);
    mpfr_clear(r);
    return y;
}

}  // namespace metrova::test
