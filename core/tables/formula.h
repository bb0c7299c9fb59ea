// How the formula tables are written.
//
// A cell is one C++ expression on v, transcribed from its table cell with
// x -> *, ÷ -> / and every parenthesis kept. C++ groups * and / left to right,
// so the chain ((v x 0.5683) x 1000) ÷ 10^6 is `v * 0.5683 * 1000 / p10(6)`
// and the compiler keeps that order: each operation is one rounded double
// operation, and constants are never folded together ((v x 9.80665) x 10 is
// not v x 98.0665). kSame marks the identity of equal units.
//
// CELL keeps the expression twice from one spelling: as the code that runs
// and as its text, from which the result's tooltip writes the formula for
// people (result_story.h). The two cannot drift apart.
//
// p10(k) is the power operation, 10 to the power k, and ln(x) the natural
// logarithm (elementary.h), both called at run time.
//
// A cell is a plain function of v and has no fault check of its own. Every
// failure, the logarithm's invalid argument included, raises its
// floating-point flag; the flags are sticky and no cell brings an overflowed
// value back into range, so the one check after the whole chain (convert.cpp)
// sees a failure wherever in the chain it happened, also in a left operand
// that comes before a power call; and a failed conversion never replaces the
// answer.
#pragma once

#include <cfloat>
#include <cstddef>
#include <cstdint>
#include <string_view>

#include "catalogue.h"
#include "elementary.h"

// Each operation of a cell is rounded once to double: arithmetic in a wider
// format (the x87 unit's) would round twice and overflow elsewhere.
static_assert(FLT_EVAL_METHOD == 0, "double arithmetic must be evaluated in double");

namespace metrova {

// What a cell does to v before its formula. Only Optics has cells with a
// rule: its decibels are taken as zero or below and its percentages and
// optical densities as zero or above.
enum class SignRule : std::uint8_t {
    none,
    make_non_negative,  // v < 0 (strictly, so -0 stays) becomes -v
    make_non_positive,  // v > 0 becomes -v
};

struct Cell {
    double (*evaluate)(double v) noexcept = nullptr;  // nullptr: equal units
    std::string_view expression;                      // as written in the table
    SignRule sign_rule = SignRule::none;
    // The formula takes the logarithm of v itself, which has no value for
    // v = 0: its invalid argument is the logarithm's, and the error says so.
    bool logarithm_of_v = false;

    [[nodiscard]] constexpr bool same() const noexcept { return evaluate == nullptr; }
};

inline constexpr Cell kSame{};

// A cell whose formula works on v with its sign forced first, as the table
// reads: make_non_negative(CELL(p10(2 - v))).
constexpr Cell make_non_negative(Cell cell) noexcept {
    cell.sign_rule = SignRule::make_non_negative;
    return cell;
}
constexpr Cell make_non_positive(Cell cell) noexcept {
    cell.sign_rule = SignRule::make_non_positive;
    return cell;
}

// A cell whose formula takes ln v: logarithm_of_v(CELL((ln(v) / ln(10) - 2) * 10)).
constexpr Cell logarithm_of_v(Cell cell) noexcept {
    cell.logarithm_of_v = true;
    return cell;
}

// A square table of one category, source unit in rows, target in columns.
struct Table {
    Index size = 0;
    const Cell* cells = nullptr;

    [[nodiscard]] const Cell& at(Index source, Index target) const noexcept { return cells[source * size + target]; }
};

// Never defined and not constexpr: a table that calls it cannot be built,
// and the compiler names it in its error.
void table_does_not_fit_its_category() noexcept;

// The table of `Category`, checked by the compiler: one row and one column
// per unit of the category in the catalogue, a formula in every cell but
// those of equal units, no sign rule on equal units, which pass v through
// untouched whatever its sign, and the logarithm mark on exactly the cells
// whose formula reads ln(v). A table that fails any of these does not build.
template <Index Category, std::size_t N>
consteval Table checked_table(const Cell (&cells)[N][N]) noexcept {
    if (N != static_cast<std::size_t>(kUnitCounts[Category])) table_does_not_fit_its_category();  // its size
    for (std::size_t source = 0; source < N; ++source) {
        for (std::size_t target = 0; target < N; ++target) {
            // a cell without its formula, or equal units with one
            const Cell& cell = cells[source][target];
            if ((source == target) != cell.same()) table_does_not_fit_its_category();
            // equal units with a sign rule
            if (cell.same() && cell.sign_rule != SignRule::none) table_does_not_fit_its_category();
            // a logarithm of v without its mark, or a mark without one
            if (cell.logarithm_of_v != (cell.expression.find("ln(v)") != std::string_view::npos)) {
                table_does_not_fit_its_category();
            }
        }
    }
    return {static_cast<Index>(N), &cells[0][0]};
}

}  // namespace metrova

// NOLINTNEXTLINE(cppcoreguidelines-macro-usage): only a macro can keep an expression as code and as text
#define CELL(expr) (metrova::Cell{+[](double v) noexcept -> double { return (expr); }, #expr})
