// The text-to-label path of one conversion, the GO action as Enter runs it
// (parse the value box, convert, round and format for the label, the
// result's story and what is heard of it), for one representative pair of
// each category, beside its floor: a bare std::to_chars of the same result
// with three decimals.
#include <benchmark/benchmark.h>

#include <array>
#include <charconv>
#include <string>

#include "convert.h"
#include "go_action.h"
#include "number_parser.h"

namespace {

using metrova::Index;

struct Pair {
    metrova::Pick pick;
    const char* text;
};

constexpr std::array<Pair, 10> kPairs = {{
    {{metrova::category::optics, 0, 1}, "50"},
    {{metrova::category::pressure, 4, 0}, "1.5"},
    {{metrova::category::force, 2, 1}, "12.25"},
    {{metrova::category::energy, 0, 2}, "1000"},
    {{metrova::category::length, 2, 3}, "2.5"},
    {{metrova::category::area, 5, 6}, "3"},
    {{metrova::category::volume, 6, 7}, "1.75"},
    {{metrova::category::mass, 1, 2}, "70"},
    {{metrova::category::velocity, 1, 3}, "100"},
    {{metrova::category::temperature, 0, 1}, "37"},
}};

void TextToLabel(benchmark::State& state) {
    const Pair& p = kPairs[static_cast<std::size_t>(state.range(0))];
    state.SetLabel(std::string(metrova::category_label(p.pick.category)));
    const metrova::Answer before;
    for (auto _ : state) {
        auto result = metrova::go({p.pick, p.text, metrova::Notation::decimal, "3"}, before);
        benchmark::DoNotOptimize(result);
    }
}
BENCHMARK(TextToLabel)->DenseRange(0, 9);

void Floor(benchmark::State& state) {
    const Pair& p = kPairs[static_cast<std::size_t>(state.range(0))];
    const metrova::ParsedNumber v = metrova::parse_number(p.text);
    const double result = metrova::convert(p.pick, v.value).value;
    state.SetLabel(std::string(metrova::category_label(p.pick.category)));
    std::array<char, 400> buf{};
    for (auto _ : state) {
        double x = result;
        benchmark::DoNotOptimize(x);
        auto* end = std::to_chars(buf.data(), buf.data() + buf.size(), x, std::chars_format::fixed, 3).ptr;
        benchmark::DoNotOptimize(end);
    }
}
BENCHMARK(Floor)->DenseRange(0, 9);

}  // namespace
