// The power of ten and the logarithm beside the C library's exp10 and log:
// the same seeded inputs, in the same run, timed alternately, the best of
// several trials each. Prints, for four input sets and each variant of the
// fast path that the processor runs (p10 and ln themselves for the one they
// choose), the mean time of a call, the ratio to the C library, and the
// share of calls that the fast path decided alone; then the slowest call of
// the accurate path, over the published hardest-to-round arguments that the
// fast path leaves to it (the fast attempt included).
//   metrova_elementary_bench [WORST_CASES_DIR]
#include <algorithm>
#include <bit>
#include <charconv>
#include <chrono>
#include <cmath>  // exp10 (a GNU extension) and log: the C library's, to compare with
#include <cstdint>
#include <cstdio>
#include <fstream>
#include <string>
#include <utility>
#include <vector>

#include "elementary.h"

namespace {

// splitmix64, as in the sweep.
struct Random {
    std::uint64_t state;
    std::uint64_t next() {
        std::uint64_t z = (state += 0x9e3779b97f4a7c15ULL);
        z = (z ^ (z >> 30)) * 0xbf58476d1ce4e5b9ULL;
        z = (z ^ (z >> 27)) * 0x94d049bb133111ebULL;
        return z ^ (z >> 31);
    }
    double unit() { return static_cast<double>(next() >> 11) * 0x1p-53; }
};

using Function = double (*)(double);
using metrova::inspect::Variant;

double ours_p10(double x) { return metrova::p10(x); }
double ours_ln(double x) { return metrova::ln(x); }
double plain_p10(double x) { return metrova::inspect::evaluate(metrova::inspect::Function::p10, Variant::plain, x); }
double plain_ln(double x) { return metrova::inspect::evaluate(metrova::inspect::Function::ln, Variant::plain, x); }
double theirs_p10(double x) { return ::exp10(x); }
double theirs_ln(double x) { return std::log(x); }

struct Set {
    const char* name;
    metrova::inspect::Function function;
    Function ours;
    Function plain;
    Function theirs;
    std::vector<double> inputs;
};

// Nanoseconds per call over all the inputs, the best of `trials`.
double time_per_call(Function f, const std::vector<double>& inputs, int repeats) {
    double sum = 0;
    const auto start = std::chrono::steady_clock::now();
    for (int r = 0; r < repeats; ++r) {
        for (const double x : inputs) sum += f(x);
    }
    const std::chrono::duration<double, std::nano> elapsed = std::chrono::steady_clock::now() - start;
    volatile double sink = sum;
    static_cast<void>(sink);
    return elapsed.count() / (static_cast<double>(repeats) * static_cast<double>(inputs.size()));
}

// The chosen variant through p10 and ln, and the plain one where the fused
// one is chosen.
void compare(const Set& set) {
    constexpr int kTrials = 15;
    constexpr int kRepeats = 20;
    const bool both = metrova::inspect::chosen() == Variant::fused;
    double ours = 1e300;
    double plain = 1e300;
    double theirs = 1e300;
    for (int t = 0; t < kTrials; ++t) {
        ours = std::min(ours, time_per_call(set.ours, set.inputs, kRepeats));
        if (both) plain = std::min(plain, time_per_call(set.plain, set.inputs, kRepeats));
        theirs = std::min(theirs, time_per_call(set.theirs, set.inputs, kRepeats));
    }
    const auto share = [&set](Variant v) {
        const auto decided = std::count_if(set.inputs.begin(), set.inputs.end(), [&set, v](double x) {
            return metrova::inspect::decided_fast(set.function, v, x);
        });
        return 100.0 * static_cast<double>(decided) / static_cast<double>(set.inputs.size());
    };
    const Variant chosen = metrova::inspect::chosen();
    std::printf("%-36s %-6s %8.1f ns %8.1f ns %6.2fx %9.4f %%\n", set.name,
                chosen == Variant::fused ? "fused" : "plain", ours, theirs, ours / theirs, share(chosen));
    if (both) {
        std::printf("%-36s %-6s %8.1f ns %8.1f ns %6.2fx %9.4f %%\n", "", "plain", plain, theirs, plain / theirs,
                    share(Variant::plain));
    }
}

// The arguments of a worst-case rows file (tests/sweep): 16 hex digits each.
std::vector<double> row_arguments(const std::string& path) {
    std::vector<double> arguments;
    std::ifstream in(path);
    std::string line;
    while (std::getline(in, line)) {
        std::uint64_t bits = 0;
        if (line.size() != 33 || std::from_chars(line.data(), line.data() + 16, bits, 16).ec != std::errc{}) continue;
        arguments.push_back(std::bit_cast<double>(bits));
    }
    return arguments;
}

// One call's time, the best of `tries`: a call that another process
// interrupted counts with its next try.
double call_time(Function f, double x, int tries) {
    double best = 1e300;
    for (int t = 0; t < tries; ++t) {
        const auto start = std::chrono::steady_clock::now();
        volatile double y = f(x);
        static_cast<void>(y);
        const std::chrono::duration<double, std::nano> elapsed = std::chrono::steady_clock::now() - start;
        best = std::min(best, elapsed.count());
    }
    return best;
}

// The slowest call among the arguments that the fast path leaves to the
// accurate path: each timed the best of three, then the 32 slowest again,
// the best of 100 each.
void slowest(const char* name, metrova::inspect::Function function, Function f, const std::vector<double>& arguments) {
    std::vector<std::pair<double, double>> times;  // (ns, x)
    for (const double x : arguments) {
        if (!metrova::inspect::decided_fast(function, metrova::inspect::chosen(), x)) {
            times.emplace_back(call_time(f, x, 3), x);
        }
    }
    const auto slow = std::min<std::size_t>(times.size(), 32);
    std::partial_sort(times.begin(), times.begin() + static_cast<std::ptrdiff_t>(slow), times.end(),
                      [](const auto& a, const auto& b) { return a.first > b.first; });
    double worst = 0;
    double worst_x = 0;
    for (std::size_t i = 0; i < slow; ++i) {
        const double t = call_time(f, times[i].second, 100);
        if (t > worst) {
            worst = t;
            worst_x = times[i].second;
        }
    }
    std::printf("%s: %zu of %zu hardest-to-round arguments reach the accurate path; the slowest call %.2f us (%a)\n",
                name, times.size(), arguments.size(), worst / 1000, worst_x);
}

}  // namespace

int main(int argc, char** argv) {
    constexpr std::size_t kInputs = 1 << 14;
    Random rng{20261208};
    std::vector<Set> sets = {
        {"10^x, x uniform in [-330, 2]", metrova::inspect::Function::p10, ours_p10, plain_p10, theirs_p10, {}},
        {"10^x, x uniform in [-10, 2]", metrova::inspect::Function::p10, ours_p10, plain_p10, theirs_p10, {}},
        {"ln x, random positive doubles", metrova::inspect::Function::ln, ours_ln, plain_ln, theirs_ln, {}},
        {"ln x, x uniform in [1e-6, 1e3]", metrova::inspect::Function::ln, ours_ln, plain_ln, theirs_ln, {}},
    };
    for (std::size_t i = 0; i < kInputs; ++i) {
        sets[0].inputs.push_back(-330 + 332 * rng.unit());
        sets[1].inputs.push_back(-10 + 12 * rng.unit());
        std::uint64_t bits = 0;
        while (bits == 0 || bits >= 0x7ff0000000000000) bits = rng.next() >> 1;  // finite, positive
        sets[2].inputs.push_back(std::bit_cast<double>(bits));
        sets[3].inputs.push_back(1e-6 + (1e3 - 1e-6) * rng.unit());
    }
    std::printf("%-36s %-6s %11s %11s %7s %11s\n", "inputs (16384 seeded)", "path", "Metrova", "C library", "ratio",
                "fast path");
    for (const Set& set : sets) compare(set);

    if (argc > 1) {
        const std::string dir = argv[1];
        slowest("p10", metrova::inspect::Function::p10, ours_p10, row_arguments(dir + "/p10_worst_cases.txt"));
        slowest("ln", metrova::inspect::Function::ln, ours_ln, row_arguments(dir + "/ln_worst_cases.txt"));
    }
    return 0;
}
