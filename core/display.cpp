#include "display.h"

#include "number_format.h"
#include "number_parser.h"

namespace metrova {

std::optional<int> decimal_places(std::string_view places_text) {
    const ParsedNumber parsed = parse_number(places_text);
    if (parsed.overflow) return std::nullopt;
    const double d = parsed.value;
    if (d == 0) return kMinDecimalPlaces;
    for (int k = kMinDecimalPlaces + 1; k <= kMaxDecimalPlaces; ++k) {
        if (d == k) return k;
    }
    return std::nullopt;
}

std::optional<std::string> render_answer(double answer, Notation notation, std::string_view places_text) {
    if (notation == Notation::scientific) return format_scientific(answer);
    const std::optional<int> places = decimal_places(places_text);
    if (!places) return std::nullopt;
    return format_fixed(round_half_even(answer, *places), *places);
}

}  // namespace metrova
