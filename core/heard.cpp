#include "heard.h"

namespace metrova {

std::string heard_result(std::string_view shown, const std::optional<Explanation>& result) {
    std::string text(shown);
    if (result) text += " " + result->unit;
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

std::string heard_pick(List list, const Pick& pick) {
    std::string said(list_purpose(list));
    switch (list) {
        case List::category:
            said += " " + std::string(without_leading_blank(category_label(pick.category))) + ": " + heard_pair(pick);
            break;
        case List::source: said += " " + unit_name(pick.category, pick.source); break;
        case List::target: said += " " + unit_name(pick.category, pick.target); break;
    }
    return said;
}

std::string heard_pair(const Pick& pick) {
    return unit_name(pick.category, pick.source) + " to " + unit_name(pick.category, pick.target);
}

std::string heard_notation(Notation notation) {
    return notation == Notation::decimal ? "Decimal notation" : "Scientific notation";
}

std::string heard_copy(std::string_view shown) { return "Result copied: " + std::string(shown); }

}  // namespace metrova
