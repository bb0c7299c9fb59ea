#include "explain.h"

#include <algorithm>
#include <cmath>
#include <limits>
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

// Catalogue labels begin with a blank, which people do not read.
std::string without_blank(std::string_view label) {
    if (label.starts_with(' ')) label.remove_prefix(1);
    return std::string(label);
}

std::string_view sign_rule_text(SignRule rule) {
    switch (rule) {
        case SignRule::make_non_negative: return "v made non-negative";
        case SignRule::make_non_positive: return "v made non-positive";
        case SignRule::none: break;
    }
    return {};
}

// The largest number there is, as the program writes it.
std::string largest_number() { return number_to_text(std::numeric_limits<double>::max()); }

// The parser makes an infinity of a number too large to read.
std::string too_large_to_read() {
    return "The number typed is larger in size than " + largest_number() + ", the largest there is.";
}

// "1E+308 kilogram (kg) to gram (g)"
std::string value_and_pair(Index category, Index source, Index target, double v) {
    return number_to_text(v) + " " + unit_name(category, source) + " to " + unit_name(category, target);
}

// Only the logarithm of v fails with an invalid argument for a finite v: ln 0
// has no value, and a negative v never reaches it after the sign rule.
bool takes_logarithm_of_v(Index category, Index source, Index target) {
    const Cell* cell = rule_of(category, source, target);
    return cell != nullptr && cell->expression.find("ln(v)") != std::string_view::npos;
}

std::string reason(Index category, Index source, Index target, double v, Failure failure) {
    if (std::isnan(v)) return "The value to convert is not a number.";
    if (std::isinf(v)) return too_large_to_read();
    switch (failure) {
        case Failure::overflow:
            return "Converting " + value_and_pair(category, source, target, v) +
                   " gives a number larger in size than " + largest_number() + ", the largest there is.";
        case Failure::invalid_argument:
            if (takes_logarithm_of_v(category, source, target)) {
                return number_to_text(v) + " " + unit_name(category, source) + " has no value in " +
                       unit_name(category, target) + ", which needs a " + unit_name(category, source) +
                       " value other than 0.";
            }
            return "Converting " + value_and_pair(category, source, target, v) + " gives no number.";
        case Failure::division_by_zero:
            return "Converting " + value_and_pair(category, source, target, v) + " divides by zero.";
        case Failure::none: break;
    }
    return {};
}

}  // namespace

std::string unit_name(Index category, Index unit) { return without_blank(unit_label(category, unit)); }

std::string formula_text(Index category, Index source, Index target) {
    const Cell* cell = rule_of(category, source, target);
    if (cell == nullptr || cell->same()) return {};
    return readable(cell->expression);
}

std::optional<Explanation> explain(Index category, Index source, Index target, double v, const Conversion& conversion) {
    using Outcome = Conversion::Outcome;
    if (conversion.outcome != Outcome::identity && conversion.outcome != Outcome::stored) return std::nullopt;
    const Cell* cell = rule_of(category, source, target);
    if (cell == nullptr) return std::nullopt;
    Explanation told{unit_name(category, target), {}};
    told.story = number_to_text(conversion.value) + " " + told.unit + "\nfrom " + number_to_text(v) + " " +
                 unit_name(category, source);
    if (conversion.outcome == Outcome::identity) {
        told.story += ": the same unit, passed through unchanged";
        return told;
    }
    if (conversion.corrected) told.story += ", " + std::string(sign_rule_text(cell->sign_rule));
    told.story += ": " + readable(cell->expression);
    return told;
}

std::string heard_result(std::string_view shown, const std::optional<Explanation>& result) {
    std::string text(shown);
    if (result) text += " " + result->unit;
    return text;
}

std::string tooltip(std::string_view shown, Fit fit, const std::optional<Explanation>& result) {
    if (!result) return std::string(shown);
    return fit == Fit::whole ? result->story : std::string(shown) + "\n" + result->story;
}

RunTimeError run_time_error(Index category, Index source, Index target, double v, Failure failure) {
    if (failure == Failure::none) return {};
    return {failure, reason(category, source, target, v, failure)};
}

RunTimeError number_too_large() { return {Failure::overflow, too_large_to_read()}; }

std::string error_text(const RunTimeError& error) {
    if (!error.failed()) return {};
    std::string text = "Run-time error: " + std::string(failure_name(error.failure));
    if (!error.reason.empty()) text += "\n" + error.reason;
    return text;
}

std::string_view list_purpose(List list) {
    switch (list) {
        case List::category: return "Category";
        case List::source: return "Source unit";
        case List::target: return "Target unit";
    }
    return {};
}

std::string heard_pick(List list, Index category, Index source, Index target) {
    std::string said(list_purpose(list));
    switch (list) {
        case List::category:
            said += " " + without_blank(category_label(category)) + ": " + heard_pair(category, source, target);
            break;
        case List::source: said += " " + unit_name(category, source); break;
        case List::target: said += " " + unit_name(category, target); break;
    }
    return said;
}

std::string heard_pair(Index category, Index source, Index target) {
    return unit_name(category, source) + " to " + unit_name(category, target);
}

std::string heard_notation(Notation notation) {
    return notation == Notation::decimal ? "Decimal notation" : "Scientific notation";
}

std::string heard_copy(std::string_view shown) { return "Result copied: " + std::string(shown); }

}  // namespace metrova
