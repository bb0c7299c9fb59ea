#include "result_story.h"

#include <algorithm>
#include <string_view>

#include "number_format.h"
#include "tables.h"

namespace metrova {
namespace {

// The position of the parenthesis that closes the one at `open`.
std::size_t closing(std::string_view text, std::size_t open) {
    int depth = 0;
    for (std::size_t i = open; i < text.size(); ++i) {
        if (text[i] == '(') ++depth;
        if (text[i] == ')' && --depth == 0) return i;
    }
    return text.size();
}

bool is_number_or_v(std::string_view text, bool signed_number) {
    if (signed_number && text.starts_with("−")) text.remove_prefix(std::string_view("−").size());
    return !text.empty() &&
           std::ranges::all_of(text, [](char ch) { return (ch >= '0' && ch <= '9') || ch == '.' || ch == 'v'; });
}

// A C++ cell expression as people write it:
//   "-(ln(v) / ln(10) - 2)"    -> "−(ln v ÷ ln 10 − 2)"
//   "(p10(5) * v) / 133.32"     -> "(10^5 × v) ÷ 133.32"
std::string readable(std::string_view expression) {
    constexpr std::string_view kLn = "ln(";
    constexpr std::string_view kPower = "p10(";
    std::string text;
    std::size_t i = 0;
    while (i < expression.size()) {
        const std::string_view rest = expression.substr(i);
        const bool ln = rest.starts_with(kLn);
        if (ln || rest.starts_with(kPower)) {
            const std::size_t open = i + (ln ? kLn.size() : kPower.size()) - 1;
            const std::size_t close = closing(expression, open);
            const std::string argument = readable(expression.substr(open + 1, close - open - 1));
            text += ln ? "ln" : "10^";
            if (!is_number_or_v(argument, !ln)) {
                text += "(" + argument + ")";
            } else {
                text += ln ? " " + argument : argument;
            }
            i = close + 1;
            continue;
        }
        switch (expression[i]) {
            case '*': text += "×"; break;
            case '/': text += "÷"; break;
            case '-': text += "−"; break;
            default: text += expression[i]; break;
        }
        ++i;
    }
    return text;
}

std::string_view sign_rule_text(SignRule rule) {
    switch (rule) {
        case SignRule::make_non_negative: return "v made non-negative";
        case SignRule::make_non_positive: return "v made non-positive";
        case SignRule::none: break;
    }
    return {};
}

}  // namespace

std::string unit_name(Index category, Index unit) {
    return std::string(without_leading_blank(unit_label(category, unit)));
}

std::string formula_text(const Pick& pick) {
    const Cell* cell = cell_of(pick);
    if (cell == nullptr || cell->same()) return {};
    return readable(cell->expression);
}

std::optional<Explanation> explain(const Pick& pick, double v, const Conversion& conversion) {
    using Outcome = Conversion::Outcome;
    if (conversion.outcome != Outcome::identity && conversion.outcome != Outcome::stored) return std::nullopt;
    if (conversion.cell == nullptr) return std::nullopt;
    Explanation told{unit_name(pick.category, pick.target), {}};
    told.story = number_to_text(conversion.value) + " " + told.unit + "\nfrom " + number_to_text(v) + " " +
                 unit_name(pick.category, pick.source);
    if (conversion.outcome == Outcome::identity) {
        told.story += ": the same unit, passed through unchanged";
        return told;
    }
    if (conversion.corrected) told.story += ", " + std::string(sign_rule_text(conversion.cell->sign_rule));
    told.story += ": " + readable(conversion.cell->expression);
    return told;
}

}  // namespace metrova
