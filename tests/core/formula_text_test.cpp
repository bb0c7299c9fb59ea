// The result's tooltip never lies: the formula text of every cell, read back
// by an evaluator of its own (× and ÷ before + and −, left to right within
// each, parentheses, 10^k by the power operation, ln by the logarithm), gives
// the 64 bits that the conversion stores and fails where the conversion fails.
#include <gtest/gtest.h>

#include <charconv>
#include <cmath>
#include <limits>
#include <memory>
#include <string>
#include <string_view>
#include <vector>

#include "convert.h"
#include "elementary.h"
#include "explain.h"
#include "same_bits.h"

namespace metrova {
namespace {

// What the text computes for one v, and the failure a person would expect:
// the logarithm of 0 is an invalid argument, a result beyond the double
// range an overflow.
struct Outcome {
    double value = 0.0;
    Failure failure = Failure::none;
};

class Expression {
public:
    explicit Expression(std::string_view text) : text_(text) {
        root_ = sum();
        skip_blanks();
        if (at_ < text_.size()) error_ = "unread text at \"" + std::string(text_.substr(at_)) + "\"";
    }

    [[nodiscard]] const std::string& error() const { return error_; }

    [[nodiscard]] Outcome evaluate(double v) const {
        const double value = root_ ? root_->evaluate(v) : 0.0;
        if (std::isnan(value)) return {0.0, Failure::invalid_argument};
        if (std::isinf(value)) return {0.0, Failure::overflow};
        return {value, Failure::none};
    }

private:
    struct Node {
        char op = 0;  // 'n' number, 'v', '+', '-', '*', '/', '~' negation, 'p' 10^x, 'l' ln x
        double number = 0.0;
        std::unique_ptr<Node> left, right;

        // The power and the logarithm are the system's own operations (their
        // rounding is tested on its own); ln 0 is NaN.
        [[nodiscard]] double evaluate(double v) const {
            switch (op) {
                case 'n': return number;
                case 'v': return v;
                case '~': return -left->evaluate(v);
                case 'p': return p10(left->evaluate(v));
                case 'l': return ln(left->evaluate(v));
                default: break;
            }
            const double a = left->evaluate(v);
            const double b = right->evaluate(v);
            switch (op) {
                case '+': return a + b;
                case '-': return a - b;
                case '*': return a * b;
                default: return a / b;
            }
        }
    };
    using Tree = std::unique_ptr<Node>;

    static Tree make(char op, Tree left = nullptr, Tree right = nullptr) {
        auto node = std::make_unique<Node>();
        node->op = op;
        node->left = std::move(left);
        node->right = std::move(right);
        return node;
    }

    void skip_blanks() {
        while (at_ < text_.size() && text_[at_] == ' ') ++at_;
    }

    bool take(std::string_view token) {
        skip_blanks();
        if (!text_.substr(at_).starts_with(token)) return false;
        at_ += token.size();
        return true;
    }

    Tree sum() {
        Tree tree = product();
        for (;;) {
            if (take("+")) {
                tree = make('+', std::move(tree), product());
            } else if (take("−")) {
                tree = make('-', std::move(tree), product());
            } else {
                return tree;
            }
        }
    }

    Tree product() {
        Tree tree = unary();
        for (;;) {
            if (take("×")) {
                tree = make('*', std::move(tree), unary());
            } else if (take("÷")) {
                tree = make('/', std::move(tree), unary());
            } else {
                return tree;
            }
        }
    }

    Tree unary() {
        if (take("−")) return make('~', unary());
        if (take("10^")) return make('p', take("−") ? make('~', atom()) : atom());
        if (take("ln")) return make('l', atom());
        return atom();
    }

    Tree atom() {
        if (take("(")) {
            Tree inner = sum();
            if (!take(")")) error_ = "a parenthesis is not closed";
            return inner;
        }
        if (take("v")) return make('v');
        skip_blanks();
        auto node = make('n');
        const char* begin = text_.data() + at_;
        const auto [end, ec] = std::from_chars(begin, text_.data() + text_.size(), node->number);
        if (ec != std::errc{}) {
            error_ = "no number at \"" + std::string(text_.substr(at_)) + "\"";
            at_ = text_.size();
            return node;
        }
        at_ += static_cast<std::size_t>(end - begin);
        return node;
    }

    std::string_view text_;
    std::size_t at_ = 0;
    Tree root_;
    std::string error_;
};

constexpr double kMax = std::numeric_limits<double>::max();

// Ordinary, tiny, huge and negative values, and both zeros.
const double kValues[] = {1,       2.5,     37.7,  123456.789, 1e-300, 4.9e-324, 2.2250738585072014e-308,
                          1e300,   3.5e301, 1e305, kMax,       -1,     -40,      -12.3456,
                          -1e-310, -1e305,  -kMax, 0,          -0.0,   1000,     0.001};

TEST(FormulaText, EveryCellsTextComputesWhatTheCellStores) {
    int cells = 0;
    for (Index c = 0; c < category_count(); ++c) {
        for (Index s = 0; s < unit_count(c); ++s) {
            for (Index t = 0; t < unit_count(c); ++t) {
                ++cells;
                const std::string text = formula_text(c, s, t);
                SCOPED_TRACE(std::string(unit_label(c, s)) + " ->" + std::string(unit_label(c, t)) + ": " + text);
                if (s == t) {
                    EXPECT_EQ(text, "");
                    continue;
                }
                const Expression expression(text);
                ASSERT_EQ(expression.error(), "");
                for (const double v : kValues) {
                    SCOPED_TRACE("v = " + test::describe(v));
                    const Conversion r = convert(c, s, t, v);
                    // A sign rule changes v before the formula sees it.
                    const Outcome read = expression.evaluate(r.corrected.value_or(v));
                    if (r.outcome == Conversion::Outcome::failed) {
                        EXPECT_EQ(read.failure, r.failure);
                    } else {
                        ASSERT_EQ(r.outcome, Conversion::Outcome::stored);
                        ASSERT_EQ(read.failure, Failure::none);
                        EXPECT_SAME_BITS(read.value, r.value);
                    }
                }
            }
        }
    }
    EXPECT_EQ(cells, 340);
}

// The evaluator itself: a reading that ignored precedence, order or the power
// would let a wrong text pass.
TEST(FormulaText, TheEvaluatorReadsAsPeopleDo) {
    const struct {
        const char* text;
        double v;
        double expected;
    } cases[] = {
        {"v × 1.8 + 32", 100, 212}, {"(v − 32) ÷ 1.8", 212, 100},   {"v ÷ 10 ÷ 4", 80, 2},
        {"v ÷ (10 ÷ 4)", 80, 32},   {"10^−5 × v", 1, 1e-05},        {"v ÷ 10^−5", 1, 99999.99999999999},
        {"10^(2 − v)", 1, 10},      {"−(ln v ÷ ln 10 − 2)", 10, 1}, {"(ln v ÷ ln 10 − 2) × 10", 1, -20},
        {"2 − v − 1", 5, -4},
    };
    for (const auto& c : cases) {
        const Expression e(c.text);
        ASSERT_EQ(e.error(), "") << c.text;
        EXPECT_SAME_BITS(e.evaluate(c.v).value, c.expected) << c.text;
    }
    EXPECT_EQ(Expression("(ln v ÷ ln 10 − 2) × 10").evaluate(0).failure, Failure::invalid_argument);
    EXPECT_EQ(Expression("v × 1000").evaluate(1e308).failure, Failure::overflow);
    EXPECT_NE(Expression("v * 2").error(), "");
}

}  // namespace
}  // namespace metrova
