// Arbitrary bytes through every entry of the core. The first three bytes pick
// a category and a pair of units (some of them out of range), the fourth the
// places, the rest is the value box's text. Besides the sanitizers' checks it
// traps when an invariant breaks.
#include <bit>
#include <cmath>
#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>

#include "convert.h"
#include "display.h"
#include "go_action.h"
#include "number_format.h"
#include "number_parser.h"

namespace {

void require(bool condition) {
    if (!condition) __builtin_trap();
}

metrova::Index index_of(std::uint8_t byte) { return static_cast<metrova::Index>(static_cast<int>(byte % 14) - 2); }

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    if (size < 4) return 0;
    const metrova::Pick chosen{index_of(data[0]), index_of(data[1]), index_of(data[2])};
    const int places = data[3] % 12;
    const std::string_view text(reinterpret_cast<const char*>(data + 4), size - 4);

    const metrova::ParsedNumber v = metrova::parse_number(text);
    require(v.consumed <= text.size());
    require(std::isfinite(v.value));
    if (v.overflow) return 0;

    const std::string written = metrova::number_to_text(v.value);
    const metrova::ParsedNumber back = metrova::parse_number(written);
    require(!back.overflow && back.consumed == written.size());

    const metrova::Conversion r = metrova::convert(chosen, v.value);
    if (r.outcome == metrova::Conversion::Outcome::identity) {
        require(std::bit_cast<std::uint64_t>(r.value) == std::bit_cast<std::uint64_t>(v.value));
    }
    if (r.outcome == metrova::Conversion::Outcome::stored) require(!std::isnan(r.value));
    if (r.corrected) require(!metrova::parse_number(metrova::number_to_text(*r.corrected)).overflow);

    const metrova::Notation notation =
        (data[3] & 0x80) != 0 ? metrova::Notation::decimal : metrova::Notation::scientific;
    const auto label = metrova::render_answer(r.value, notation, text);
    if (label) require(!label->empty());
    const metrova::GoResult go = metrova::go({chosen, text, notation, text}, {});
    if (go.end == metrova::GoResult::End::failed) require(go.error.failed() && !go.error.reason.empty());
    if (go.shown) require(!go.shown->text.empty() && go.shown->heard.starts_with(go.shown->text));
    require(!metrova::format_fixed(metrova::round_half_even(v.value, places), places).empty());
    require(metrova::format_scientific(v.value).size() >= 8);
    return 0;
}
