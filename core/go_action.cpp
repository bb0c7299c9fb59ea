#include "go_action.h"

#include "heard.h"
#include "number_format.h"
#include "number_parser.h"

namespace metrova {

std::optional<ShownAnswer> show_answer(const Answer& answer, Notation notation, std::string_view places_text) {
    std::optional<std::string> text = render_answer(answer.value, notation, places_text);
    if (!text) return std::nullopt;
    ShownAnswer shown{*text, heard_result(*text, answer.explanation), {}};
    if (answer.explanation) shown.story = answer.explanation->story;
    return shown;
}

GoResult go(const GoRequest& request, const Answer& answer, Converter converter) {
    GoResult result{GoResult::End::cleared, std::nullopt, answer, std::nullopt, {}};
    if (request.value_text.empty()) return result;
    const ParsedNumber v = parse_number(request.value_text);
    if (v.overflow) {
        result.end = GoResult::End::failed;
        result.error = number_too_large();
        return result;
    }
    const Conversion conversion = converter(request.pick, v.value);
    if (conversion.corrected) result.value_text = number_to_text(*conversion.corrected);
    switch (conversion.outcome) {
        case Conversion::Outcome::failed:
            result.end = GoResult::End::failed;
            result.error = run_time_error(request.pick, v.value, conversion);
            return result;
        case Conversion::Outcome::identity:
        case Conversion::Outcome::stored:
            result.answer = {conversion.value, explain(request.pick, v.value, conversion)};
            break;
        case Conversion::Outcome::unmatched: break;
    }
    result.end = GoResult::End::shown;
    result.shown = show_answer(result.answer, request.notation, request.places_text);
    return result;
}

}  // namespace metrova
