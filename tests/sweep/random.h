// splitmix64, the seeded generator of the sweep's and the model check's
// arguments: the same arguments for a seed on every platform.
#pragma once

#include <cstdint>

namespace metrova::test {

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

}  // namespace metrova::test
