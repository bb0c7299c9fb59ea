// The power of ten and the logarithm against GNU MPFR, the referee for
// correct rounding: seeded arguments over the whole range that the formulas
// reach, each result compared bit for bit with MPFR's correctly rounded one
// (subnormals rounded at their own precision). A build without MPFR (the
// cross-built ones) is held to MPFR's bits through the committed hashes of
// MPFR's results, one per block of 100,000 arguments, which it must
// reproduce from its own; a build with MPFR checks that the committed
// hashes are MPFR's. Each argument goes through p10 and ln and through each
// variant of the fast path that the processor runs, which must give the
// same bits. Prints the differences, the share of arguments that each
// variant's fast path decided alone, and a summary line; fails when any
// result or hash differs.
//   metrova_rounding_sweep HASHES [COUNT [SEED]]   COUNT arguments per function (1000000)
//   metrova_rounding_sweep --write HASHES          writes MPFR's hashes (with MPFR)
#include <bit>
#include <cinttypes>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <fstream>
#include <sstream>
#include <string>
#include <vector>

#include "elementary.h"
#include "random.h"

#ifdef METROVA_HAVE_MPFR
#include "referee.h"
#endif

namespace {

using metrova::test::Random;

constexpr long kBlock = 100000;

// FNV-1a over the results' bits, byte by byte from the lowest, so that the
// hash is the same on either byte order.
struct Hash {
    std::uint64_t value = 0xcbf29ce484222325ULL;
    void add(double x) {
        const auto bits = std::bit_cast<std::uint64_t>(x);
        for (int i = 0; i < 8; ++i) value = (value ^ ((bits >> (8 * i)) & 0xff)) * 0x100000001b3ULL;
    }
};

using metrova::inspect::Function;
using metrova::inspect::Variant;
constexpr Variant kVariants[] = {Variant::plain, Variant::fused};

struct Tally {
    const char* name;
    Function function;
    double (*ours)(double) noexcept;
#ifdef METROVA_HAVE_MPFR
    int (*theirs)(mpfr_ptr, mpfr_srcptr, mpfr_rnd_t);
#endif
    long checked = 0;
    long differ = 0;
    long fast[2] = {0, 0};  // by variant
    std::vector<std::uint64_t> ours_hashes{};
    std::vector<std::uint64_t> mpfr_hashes{};
    Hash ours_block{};
    Hash mpfr_block{};

    void check(double x) {
        const double result = ours(x);
        for (const Variant v : kVariants) {
            if (!metrova::inspect::runs(v)) continue;
            if (metrova::inspect::decided_fast(function, v, x)) ++fast[static_cast<int>(v)];
            const double by_variant = metrova::inspect::evaluate(function, v, x);
            if (std::bit_cast<std::uint64_t>(by_variant) != std::bit_cast<std::uint64_t>(result) && ++differ <= 20) {
                std::printf("%s(%a): the %s variant gives %a, %s gives %a\n", name, x,
                            v == Variant::plain ? "plain" : "fused", by_variant, name, result);
            }
        }
        ours_block.add(result);
#ifdef METROVA_HAVE_MPFR
        const double expected = metrova::test::referee(theirs, x);
        mpfr_block.add(expected);
        if (std::bit_cast<std::uint64_t>(result) != std::bit_cast<std::uint64_t>(expected) && ++differ <= 20) {
            std::printf("%s(%a = %.17g): ours %a, MPFR %a (%.17g)\n", name, x, x, result, expected, expected);
        }
#endif
        if (++checked % kBlock == 0) end_block();
    }
    void end_block() {
        ours_hashes.push_back(ours_block.value);
        mpfr_hashes.push_back(mpfr_block.value);
        ours_block = {};
        mpfr_block = {};
    }
};

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

void sweep_powers(Tally& power, Random& rng, long count) {
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
        power.check(x);
    }
    for (int k = -350; k <= 310; ++k) power.check(k);
}

void sweep_logarithms(Tally& logarithm, Random& rng, long count) {
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
        logarithm.check(x);
    }
}

// The committed hashes: a line "seed SEED count COUNT", then "NAME BLOCK HASH".
struct Committed {
    std::uint64_t seed = 0;
    long count = 0;
    std::vector<std::string> lines;
};

Committed read_hashes(const char* path) {
    Committed c;
    std::ifstream in(path);
    std::string line;
    while (std::getline(in, line)) {
        if (line.empty() || line[0] == '#') continue;
        if (line.rfind("seed ", 0) == 0) {
            std::istringstream(line.substr(5)) >> c.seed >> line >> c.count;
        } else {
            c.lines.push_back(line);
        }
    }
    return c;
}

std::vector<std::string> hash_lines(const Tally& t, const std::vector<std::uint64_t>& hashes) {
    std::vector<std::string> lines;
    char buf[80];
    for (std::size_t block = 0; block < hashes.size(); ++block) {
        std::snprintf(buf, sizeof buf, "%s %zu %016" PRIx64, t.name, block, hashes[block]);
        lines.emplace_back(buf);
    }
    return lines;
}

}  // namespace

int main(int argc, char** argv) {
    const bool write = argc == 3 && std::strcmp(argv[1], "--write") == 0;
    if (argc < 2 || (!write && argc > 4)) {
        std::fprintf(stderr, "usage: metrova_rounding_sweep [--write] HASHES [COUNT [SEED]]\n");
        return 2;
    }
    const char* hashes = argv[write ? 2 : 1];
    const long count = !write && argc > 2 ? std::strtol(argv[2], nullptr, 10) : 1000000;
    const std::uint64_t seed = !write && argc > 3 ? std::strtoull(argv[3], nullptr, 0) : 20261208;
#ifdef METROVA_HAVE_MPFR
    metrova::test::referee_range();
    Tally power{"p10", Function::p10, metrova::p10, mpfr_exp10};
    Tally logarithm{"ln", Function::ln, metrova::ln, mpfr_log};
#else
    if (write) {
        std::fprintf(stderr, "metrova_rounding_sweep --write needs GNU MPFR\n");
        return 2;
    }
    Tally power{"p10", Function::p10, metrova::p10};
    Tally logarithm{"ln", Function::ln, metrova::ln};
#endif
    Random rng{seed};
    sweep_powers(power, rng, count);
    sweep_logarithms(logarithm, rng, count);
    power.end_block();
    logarithm.end_block();

    std::vector<std::string> ours_lines = hash_lines(power, power.ours_hashes);
    std::vector<std::string> mpfr_lines = hash_lines(power, power.mpfr_hashes);
    for (const std::string& line : hash_lines(logarithm, logarithm.ours_hashes)) ours_lines.push_back(line);
    for (const std::string& line : hash_lines(logarithm, logarithm.mpfr_hashes)) mpfr_lines.push_back(line);
    if (write) {
        std::FILE* out = std::fopen(hashes, "w");
        if (out == nullptr) return 2;
        std::fprintf(out, "# GNU MPFR's results of metrova_rounding_sweep, hashed per block of %ld arguments\n",
                     kBlock);
        std::fprintf(out, "seed %" PRIu64 " count %ld\n", seed, count);
        for (const std::string& line : mpfr_lines) std::fprintf(out, "%s\n", line.c_str());
        return std::fclose(out) == 0 ? 0 : 2;
    }

    long differ = power.differ + logarithm.differ;
    const Committed committed = read_hashes(hashes);
    if (committed.seed != seed || committed.count != count) {
        std::printf("no hashes for seed %" PRIu64 " and %ld arguments in %s: the results are compared with MPFR only\n",
                    seed, count, hashes);
#ifndef METROVA_HAVE_MPFR
        ++differ;  // nothing held this build to MPFR's bits
#endif
    } else {
        const std::vector<std::string>& checked = ours_lines;
#ifdef METROVA_HAVE_MPFR
        if (mpfr_lines != committed.lines) {
            std::printf("the hashes in %s are not MPFR's\n", hashes);
            ++differ;
        }
#endif
        for (std::size_t i = 0; i < checked.size(); ++i) {
            if (i >= committed.lines.size() || checked[i] != committed.lines[i]) {
                std::printf("block differs from MPFR's: ours %s, MPFR %s\n", checked[i].c_str(),
                            i < committed.lines.size() ? committed.lines[i].c_str() : "none");
                ++differ;
            }
        }
    }
    for (const Tally* t : {&power, &logarithm}) {
        std::printf("%s: %ld arguments, %ld differ from MPFR or between the variants (seed %" PRIu64 ")\n", t->name,
                    t->checked, t->differ, seed);
        for (const Variant v : kVariants) {
            if (metrova::inspect::runs(v)) {
                std::printf(
                    "  the %s variant's fast path decided %.3f %%\n", v == Variant::plain ? "plain" : "fused",
                    100.0 * static_cast<double>(t->fast[static_cast<int>(v)]) / static_cast<double>(t->checked));
            } else {
                std::printf("  the fused variant does not run on this build or processor\n");
            }
        }
    }
    const long checked = power.checked + logarithm.checked;
    std::printf("%ld passed, %ld failed\n", checked - differ, differ);
    return differ == 0 ? 0 : 1;
}
