// The power of ten and the logarithm against GNU MPFR, the referee for
// correct rounding: seeded arguments over the whole range that the formulas
// reach, each result compared bit for bit with MPFR's correctly rounded one
// (subnormals rounded at their own precision). Prints the differences and a
// summary line, and fails when any result differs.
//   metrova_rounding_sweep [COUNT [SEED]]    COUNT arguments per function (1000000)
#include <mpfr.h>

#include <bit>
#include <cinttypes>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <initializer_list>
#include <string>

#include "elementary.h"

namespace {

// splitmix64: the same arguments for a seed on every platform.
struct Random {
    std::uint64_t state;
    std::uint64_t next() {
        std::uint64_t z = (state += 0x9e3779b97f4a7c15ULL);
        z = (z ^ (z >> 30)) * 0xbf58476d1ce4e5b9ULL;
        z = (z ^ (z >> 27)) * 0x94d049bb133111ebULL;
        return z ^ (z >> 31);
    }
    double unit() { return static_cast<double>(next() >> 11) * 0x1p-53; }  // [0, 1)
    std::uint64_t below(std::uint64_t n) { return next() % n; }
};

double referee(int (*f)(mpfr_ptr, mpfr_srcptr, mpfr_rnd_t), double x) {
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

struct Tally {
    const char* name;
    long checked = 0;
    long differ = 0;
};

void compare(Tally& t, double x, double ours, double theirs) {
    ++t.checked;
    if (std::bit_cast<std::uint64_t>(ours) == std::bit_cast<std::uint64_t>(theirs)) return;
    if (++t.differ <= 20) {
        std::printf("%s(%a = %.17g): ours %a, MPFR %a (%.17g)\n", t.name, x, x, ours, theirs, theirs);
    }
}

// A double with a random mantissa and sign and a binary exponent in [low, high].
double spread(Random& rng, int low, int high, bool sign) {
    const std::uint64_t mantissa = rng.next() & ((std::uint64_t{1} << 52) - 1);
    const int e =
        low + static_cast<int>(rng.below(static_cast<std::uint64_t>(high) - static_cast<std::uint64_t>(low) + 1));
    double x = 0;
    if (e < -1022) {
        x = std::bit_cast<double>(mantissa >> (-1022 - e));  // subnormal
    } else {
        x = std::bit_cast<double>(((static_cast<std::uint64_t>(e) + 1023) << 52) | mantissa);
    }
    return sign && (rng.next() & 1) != 0 ? -x : x;
}

}  // namespace

int main(int argc, char** argv) {
    const long count = argc > 1 ? std::strtol(argv[1], nullptr, 10) : 1000000;
    const std::uint64_t seed = argc > 2 ? std::strtoull(argv[2], nullptr, 0) : 20261208;
    mpfr_set_emin(-1073);  // the double format: subnormals down to 2^-1074
    mpfr_set_emax(1024);
    Random rng{seed};

    Tally power{"p10"};
    for (int k = -350; k <= 310; ++k) {
        compare(power, k, metrova::p10(k), referee(mpfr_exp10, k));
    }
    for (long i = 0; i < count; ++i) {
        double x = 0;
        switch (i % 10) {
            case 0:
            case 1:
            case 2:
            case 3:
            case 4:
            case 5:  // the formulas' range
                x = -330 + 332 * rng.unit();
                break;
            case 6:
            case 7:  // every magnitude below 512, near 0 included
                x = spread(rng, -1074, 8, true);
                break;
            case 8:  // the edges of the double range: overflow and the subnormal results
                x = (rng.next() & 1) != 0 ? 307.5 + 1.5 * rng.unit() : -324.5 + 17 * rng.unit();
                break;
            default: {  // within a few units of the last place of a whole power
                const double k = -340 + static_cast<double>(rng.below(650));
                const auto step = static_cast<std::int64_t>(rng.below(2001)) - 1000;
                x = std::bit_cast<double>(std::bit_cast<std::uint64_t>(k == 0 ? 0x1p-60 : k) + step);
                break;
            }
        }
        compare(power, x, metrova::p10(x), referee(mpfr_exp10, x));
    }

    Tally logarithm{"ln"};
    for (long i = 0; i < count; ++i) {
        double x = 0;
        switch (i % 10) {
            case 0:  // subnormals
                x = spread(rng, -1074, -1023, false);
                break;
            case 1: {  // within 2^-40 of 1, where the result is tiny
                const auto step = static_cast<std::int64_t>(rng.below(std::uint64_t{1} << 13)) - (1 << 12);
                x = std::bit_cast<double>(std::bit_cast<std::uint64_t>(1.0) + step);
                break;
            }
            case 2:  // the percentages a user types
                x = 1000 * rng.unit();
                break;
            default:  // every positive double
                x = spread(rng, -1022, 1023, false);
                break;
        }
        if (x == 0) x = 0x1p-1074;
        compare(logarithm, x, metrova::ln(x), referee(mpfr_log, x));
    }

    long differ = 0;
    for (const Tally* t : {&power, &logarithm}) {
        std::printf("%s: %ld arguments, %ld differ from MPFR (seed %" PRIu64 ")\n", t->name, t->checked, t->differ,
                    seed);
        differ += t->differ;
    }
    const long checked = power.checked + logarithm.checked;
    std::printf("%ld passed, %ld failed\n", checked - differ, differ);
    return differ == 0 ? 0 : 1;
}
