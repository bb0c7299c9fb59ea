// The fast paths' C++ held to their Gappa scripts (core/numeric/*.gappa):
// each script's definitions are read and evaluated in exact binary
// arithmetic, every rounding where the script puts one (x rnd= e rounds each
// operation of e, rnd(e) the whole of e, float<p, emin, zr> towards zero),
// on seeded arguments, and the C++ fast path's hi and lo (inspect::fast_path)
// must be the script's HL rounded and the exact rest, bit for bit, and so
// must each step that the C++ names (inspect::FastPath::steps), every step
// of the error script among them. A reordered expression, a product fused
// where its script rounds twice, or a script edited without its C++ fails
// here; the proofs themselves are scripts/numeric-proof's. The reductions' scripts give the error scripts
// their inputs, and the table entries come from elementary_tables.h, which
// numeric-proof checks against its Sollya script. Prints the mismatches and
// a summary line.
//   metrova_gappa_models NUMERIC_DIR [COUNT [SEED]]   COUNT arguments per function and variant
#include <array>
#include <bit>
#include <cctype>
#include <cmath>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <fstream>
#include <map>
#include <memory>
#include <set>
#include <sstream>
#include <stdexcept>
#include <string>
#include <utility>
#include <vector>

#include "elementary.h"
#include "elementary_tables.h"
#include "random.h"

namespace {

// An exact binary number: (-1)^negative x magnitude x 2^exponent, the
// magnitude in 32-bit limbs, lowest first, without zero limbs at either end.
class Exact {
public:
    static constexpr int kLimbs = 64;

    Exact() = default;
    explicit Exact(double d) {
        const auto bits = std::bit_cast<std::uint64_t>(d);
        negative_ = (bits >> 63) != 0;
        const auto field = static_cast<int>((bits >> 52) & 0x7ff);
        if (field == 0x7ff) throw std::runtime_error("not a finite number");
        std::uint64_t mantissa = bits & ((std::uint64_t{1} << 52) - 1);
        if (field != 0) mantissa |= std::uint64_t{1} << 52;
        exponent_ = (field == 0 ? 1 : field) - 1075;
        limbs_[0] = static_cast<std::uint32_t>(mantissa);
        limbs_[1] = static_cast<std::uint32_t>(mantissa >> 32);
        size_ = 2;
        normalize();
    }

    [[nodiscard]] bool is_zero() const { return size_ == 0; }

    friend Exact operator-(Exact a) {
        a.negative_ = !a.negative_ && !a.is_zero();
        return a;
    }

    friend Exact operator+(const Exact& a, const Exact& b) {
        if (a.is_zero()) return b;
        if (b.is_zero()) return a;
        const int exponent = a.exponent_ < b.exponent_ ? a.exponent_ : b.exponent_;
        Exact x = a.aligned(exponent);
        const Exact y = b.aligned(exponent);
        if (x.negative_ == y.negative_) {
            x.add_magnitude(y);
        } else if (x.compare_magnitude(y) >= 0) {
            x.subtract_magnitude(y);
        } else {
            Exact z = y;
            z.subtract_magnitude(x);
            x = z;
        }
        x.normalize();
        return x;
    }

    friend Exact operator-(const Exact& a, const Exact& b) { return a + -b; }

    friend Exact operator*(const Exact& a, const Exact& b) {
        Exact p;
        if (a.is_zero() || b.is_zero()) return p;
        if (a.size_ + b.size_ > kLimbs) throw std::runtime_error("a product past the evaluator's width");
        for (int i = 0; i < a.size_; ++i) {
            std::uint64_t carry = 0;
            for (int j = 0; j < b.size_; ++j) {
                carry += std::uint64_t{a.limbs_[i]} * b.limbs_[j] + p.limbs_[i + j];
                p.limbs_[i + j] = static_cast<std::uint32_t>(carry);
                carry >>= 32;
            }
            p.limbs_[i + b.size_] = static_cast<std::uint32_t>(carry);
        }
        p.size_ = a.size_ + b.size_;
        p.exponent_ = a.exponent_ + b.exponent_;
        p.negative_ = a.negative_ != b.negative_;
        p.normalize();
        return p;
    }

    friend bool operator==(const Exact& a, const Exact& b) { return (a - b).is_zero(); }

    // The number rounded to `precision` bits, no finer than 2^emin, to
    // nearest with ties to even or towards zero: a double, as each rounding
    // of the scripts gives one.
    [[nodiscard]] double rounded(int precision, int emin, bool to_nearest) const {
        if (is_zero()) return 0.0;
        const int length = bit_length();
        const int top = length - 1 + exponent_;
        const int quantum = top - precision + 1 > emin ? top - precision + 1 : emin;
        const int drop = quantum - exponent_;
        std::uint64_t kept = 0;
        if (drop <= 0) {
            if (length > 64) throw std::runtime_error("rounding past the evaluator's width");
            kept = low64() << -drop;
        } else {
            kept = shifted_down(drop);
            const bool half = bit(drop - 1);
            if (to_nearest && half && (any_below(drop - 1) || (kept & 1) != 0)) ++kept;
        }
        const double magnitude = std::ldexp(static_cast<double>(kept), quantum);
        return negative_ ? -magnitude : magnitude;
    }

private:
    void normalize() {
        while (size_ > 0 && limbs_[size_ - 1] == 0) --size_;
        int low = 0;
        while (low < size_ && limbs_[low] == 0) ++low;
        if (low > 0) {
            for (int i = low; i < size_; ++i) limbs_[i - low] = limbs_[i];
            for (int i = size_ - low; i < size_; ++i) limbs_[i] = 0;
            size_ -= low;
            exponent_ += 32 * low;
        }
        if (size_ == 0) {
            negative_ = false;
            exponent_ = 0;
        }
    }

    // The same number with the given, lower exponent.
    [[nodiscard]] Exact aligned(int exponent) const {
        const int shift = exponent_ - exponent;
        const int whole = shift / 32;
        const int part = shift % 32;
        if (size_ + whole + 1 > kLimbs) throw std::runtime_error("a sum past the evaluator's width");
        Exact r;
        r.negative_ = negative_;
        r.exponent_ = exponent;
        for (int i = 0; i < size_; ++i) {
            const std::uint64_t v = std::uint64_t{limbs_[i]} << part;
            r.limbs_[i + whole] |= static_cast<std::uint32_t>(v);
            r.limbs_[i + whole + 1] |= static_cast<std::uint32_t>(v >> 32);
        }
        r.size_ = size_ + whole + 1;
        return r;
    }

    [[nodiscard]] int compare_magnitude(const Exact& b) const {
        const int n = size_ > b.size_ ? size_ : b.size_;
        for (int i = n - 1; i >= 0; --i) {
            const std::uint32_t x = i < size_ ? limbs_[i] : 0;
            const std::uint32_t y = i < b.size_ ? b.limbs_[i] : 0;
            if (x != y) return x < y ? -1 : 1;
        }
        return 0;
    }

    void add_magnitude(const Exact& b) {
        const int n = size_ > b.size_ ? size_ : b.size_;
        if (n + 1 > kLimbs) throw std::runtime_error("a sum past the evaluator's width");
        std::uint64_t carry = 0;
        for (int i = 0; i < n; ++i) {
            carry += std::uint64_t{limbs_[i]} + (i < b.size_ ? b.limbs_[i] : 0U);
            limbs_[i] = static_cast<std::uint32_t>(carry);
            carry >>= 32;
        }
        limbs_[n] = static_cast<std::uint32_t>(carry);
        size_ = n + 1;
    }

    // Needs |*this| >= |b|.
    void subtract_magnitude(const Exact& b) {
        std::int64_t borrow = 0;
        for (int i = 0; i < size_; ++i) {
            borrow += std::int64_t{limbs_[i]} - std::int64_t{i < b.size_ ? b.limbs_[i] : 0U};
            limbs_[i] = static_cast<std::uint32_t>(borrow);
            borrow = borrow < 0 ? -1 : 0;
        }
    }

    [[nodiscard]] int bit_length() const {
        int bits = 32 * (size_ - 1);
        for (std::uint32_t top = limbs_[size_ - 1]; top != 0; top >>= 1) ++bits;
        return bits;
    }
    [[nodiscard]] bool bit(int i) const { return i / 32 < size_ && ((limbs_[i / 32] >> (i % 32)) & 1U) != 0; }
    [[nodiscard]] bool any_below(int n) const {
        for (int i = 0; i < n; ++i) {
            if (bit(i)) return true;
        }
        return false;
    }
    [[nodiscard]] std::uint64_t low64() const {
        return (size_ > 1 ? std::uint64_t{limbs_[1]} << 32 : 0) | (size_ > 0 ? limbs_[0] : 0U);
    }
    // The magnitude divided by 2^n, rounded down; at most 64 bits here.
    [[nodiscard]] std::uint64_t shifted_down(int n) const {
        std::uint64_t v = 0;
        for (int i = 63; i >= 0; --i) v = (v << 1) | (bit(n + i) ? 1U : 0U);
        return v;
    }

    bool negative_ = false;
    int exponent_ = 0;
    int size_ = 0;
    std::array<std::uint32_t, kLimbs> limbs_{};
};

// One rounding: float<precision, emin, to nearest or towards zero>.
struct Rounding {
    int precision = 53;
    int emin = -1074;
    bool to_nearest = true;
};

// An expression of a script: a number, a name, an operation, or a rounding
// of its one operand.
struct Node {
    enum class Kind { number, name, add, subtract, multiply, negate, round } kind;
    Exact value{};
    std::string name{};
    Rounding rounding{};
    std::unique_ptr<Node> left{}, right{};
};

// The definitions of a Gappa script, up to its proposition; the rest (the
// proposition and the hints) is no part of the computation.
class Script {
public:
    explicit Script(const std::string& path) : path_(path) {
        std::ifstream in(path);
        if (!in) throw std::runtime_error("cannot read " + path);
        std::stringstream text;
        text << in.rdbuf();
        source_ = text.str();
        while (true) {
            skip_space();
            if (at_ >= source_.size() || source_[at_] == '{') break;
            statement();
        }
        if (definitions_.empty()) fail("no definitions");
    }

    // The exact value of `name` with the free names bound as given.
    Exact value(const std::string& name, const std::map<std::string, double>& bound) {
        bind(bound);
        return value(name);
    }
    // The same for several names of one binding: bind, then value(name).
    void bind(const std::map<std::string, double>& bound) {
        values_.clear();
        bound_ = &bound;
    }
    Exact value(const std::string& name) { return evaluate_name(name); }
    [[nodiscard]] bool defines(const std::string& name) const { return definitions_.contains(name); }

    // The steps of the computation: the names defined as a rounding of
    // something other than a free name (which is an input, x = rnd(X)).
    [[nodiscard]] std::vector<std::string> rounded_steps() const {
        std::vector<std::string> steps;
        for (const auto& [name, node] : definitions_) {
            if (node->kind != Node::Kind::round) continue;
            const Node& operand = *node->left;
            if (operand.kind == Node::Kind::name && !definitions_.contains(operand.name)) continue;
            steps.push_back(name);
        }
        return steps;
    }

private:
    [[noreturn]] void fail(const std::string& what) const {
        throw std::runtime_error(path_ + ": " + what + " (at offset " + std::to_string(at_) + ")");
    }

    void skip_space() {
        while (at_ < source_.size()) {
            if (std::isspace(static_cast<unsigned char>(source_[at_])) != 0) {
                ++at_;
            } else if (source_[at_] == '#') {
                while (at_ < source_.size() && source_[at_] != '\n') ++at_;
            } else {
                break;
            }
        }
    }
    bool take(const std::string& token) {
        skip_space();
        if (source_.compare(at_, token.size(), token) != 0) return false;
        at_ += token.size();
        return true;
    }
    void expect(const std::string& token) {
        if (!take(token)) fail("expected '" + token + "'");
    }
    std::string identifier() {
        skip_space();
        const std::size_t start = at_;
        while (at_ < source_.size() &&
               (std::isalnum(static_cast<unsigned char>(source_[at_])) != 0 || source_[at_] == '_')) {
            ++at_;
        }
        if (at_ == start) fail("expected a name");
        return source_.substr(start, at_ - start);
    }
    long integer() {
        skip_space();
        const char* begin = source_.c_str() + at_;
        char* end = nullptr;
        const long v = std::strtol(begin, &end, 10);
        if (end == begin) fail("expected an integer");
        at_ += static_cast<std::size_t>(end - begin);
        return v;
    }

    // float<ieee_64, ne> or float<P, EMIN, ne|zr>.
    Rounding rounding_operator() {
        expect("float");
        expect("<");
        Rounding r;
        if (take("ieee_64")) {
            r = Rounding{};
        } else {
            r.precision = static_cast<int>(integer());
            expect(",");
            r.emin = static_cast<int>(integer());
        }
        expect(",");
        const std::string direction = identifier();
        if (direction != "ne" && direction != "zr") fail("rounding direction " + direction);
        r.to_nearest = direction == "ne";
        expect(">");
        return r;
    }

    void statement() {
        if (take("@")) {
            const std::string name = identifier();
            expect("=");
            roundings_[name] = rounding_operator();
            expect(";");
            return;
        }
        const std::string name = identifier();
        const Rounding* every = nullptr;
        skip_space();
        if (!take("=")) {
            const std::string operator_name = identifier();
            const auto found = roundings_.find(operator_name);
            if (found == roundings_.end()) fail("unknown rounding " + operator_name);
            every = &found->second;
            expect("=");
        }
        definitions_[name] = expression(every);
        expect(";");
    }

    static std::unique_ptr<Node> operation(Node::Kind kind, std::unique_ptr<Node> a, std::unique_ptr<Node> b,
                                           const Rounding* every) {
        auto n = std::make_unique<Node>(Node{kind});
        n->left = std::move(a);
        n->right = std::move(b);
        if (every == nullptr) return n;
        auto r = std::make_unique<Node>(Node{Node::Kind::round});
        r->rounding = *every;
        r->left = std::move(n);
        return r;
    }

    std::unique_ptr<Node> expression(const Rounding* every) {
        auto a = term(every);
        while (true) {
            if (take("+")) {
                a = operation(Node::Kind::add, std::move(a), term(every), every);
            } else if (take("-")) {
                a = operation(Node::Kind::subtract, std::move(a), term(every), every);
            } else {
                return a;
            }
        }
    }
    std::unique_ptr<Node> term(const Rounding* every) {
        auto a = unary(every);
        while (take("*")) a = operation(Node::Kind::multiply, std::move(a), unary(every), every);
        if (take("/")) fail("division");
        return a;
    }
    std::unique_ptr<Node> unary(const Rounding* every) {
        if (take("-")) {
            auto n = std::make_unique<Node>(Node{Node::Kind::negate});
            n->left = unary(every);
            return n;
        }
        return primary(every);
    }
    std::unique_ptr<Node> primary(const Rounding* every) {
        skip_space();
        if (take("(")) {
            auto e = expression(every);
            expect(")");
            return e;
        }
        if (std::isdigit(static_cast<unsigned char>(source_[at_])) != 0) return number();
        if (source_.compare(at_, 6, "float<") == 0) {
            auto r = std::make_unique<Node>(Node{Node::Kind::round});
            r->rounding = rounding_operator();
            expect("(");
            r->left = expression(every);
            expect(")");
            return r;
        }
        const std::string name = identifier();
        const auto found = roundings_.find(name);
        if (found != roundings_.end()) {
            auto r = std::make_unique<Node>(Node{Node::Kind::round});
            r->rounding = found->second;
            expect("(");
            r->left = expression(nullptr);  // one rounding of the exact operand
            expect(")");
            return r;
        }
        auto n = std::make_unique<Node>(Node{Node::Kind::name});
        n->name = name;
        return n;
    }
    // A hex float or a decimal whose value is a double exactly (1, 0.5).
    std::unique_ptr<Node> number() {
        const char* begin = source_.c_str() + at_;
        char* end = nullptr;
        const double v = std::strtod(begin, &end);
        const std::string text(begin, static_cast<std::size_t>(end - begin));
        at_ += static_cast<std::size_t>(end - begin);
        if (text.rfind("0x", 0) != 0) {
            const std::size_t point = text.find('.');
            const std::string digits =
                point == std::string::npos ? text : text.substr(0, point) + text.substr(point + 1);
            Exact scaled(v);
            for (std::size_t i = point == std::string::npos ? text.size() : point + 1; i < text.size(); ++i) {
                scaled = scaled * Exact(10.0);
            }
            if (digits.size() > 15 || !(scaled == Exact(std::strtod(digits.c_str(), nullptr)))) {
                fail("the decimal " + text + " is not a double");
            }
        }
        auto n = std::make_unique<Node>(Node{Node::Kind::number});
        n->value = Exact(v);
        return n;
    }

    Exact evaluate_name(const std::string& name) {
        if (const auto cached = values_.find(name); cached != values_.end()) return cached->second;
        Exact v;
        if (const auto defined = definitions_.find(name); defined != definitions_.end()) {
            v = evaluate(*defined->second);
        } else if (const auto given = bound_->find(name); given != bound_->end()) {
            v = Exact(given->second);
        } else {
            throw std::runtime_error(path_ + ": nothing binds " + name);
        }
        values_[name] = v;
        return v;
    }
    Exact evaluate(const Node& n) {
        switch (n.kind) {
            case Node::Kind::number: return n.value;
            case Node::Kind::name: return evaluate_name(n.name);
            case Node::Kind::add: return evaluate(*n.left) + evaluate(*n.right);
            case Node::Kind::subtract: return evaluate(*n.left) - evaluate(*n.right);
            case Node::Kind::multiply: return evaluate(*n.left) * evaluate(*n.right);
            case Node::Kind::negate: return -evaluate(*n.left);
            case Node::Kind::round:
                return Exact(evaluate(*n.left).rounded(n.rounding.precision, n.rounding.emin, n.rounding.to_nearest));
        }
        return {};
    }

    std::string path_;
    std::string source_;
    std::size_t at_ = 0;
    std::map<std::string, Rounding> roundings_;
    std::map<std::string, std::unique_ptr<Node>> definitions_;
    std::map<std::string, Exact> values_;
    const std::map<std::string, double>* bound_ = nullptr;
};

using metrova::inspect::Function;
using metrova::inspect::Variant;
using Bindings = std::map<std::string, double>;

using metrova::test::Random;

// A double with a random mantissa and a binary exponent in [low, high].
double spread(Random& rng, int low, int high) {
    const std::uint64_t mantissa = rng.next() & ((std::uint64_t{1} << 52) - 1);
    const auto e = low + static_cast<int>(rng.below(static_cast<std::uint64_t>(high) - low + 1));
    const auto biased = static_cast<std::uint64_t>(e) + 1023;
    return std::bit_cast<double>((biased << 52) | mantissa);
}

// The scripts' names for the constants of elementary_tables.h.
Bindings constants() {
    using namespace metrova::numeric;
    Bindings b{{"PowScale", kPowScale}, {"StepHi", kStepHi}, {"StepLo", kStepLo}, {"Ln2Hi", kLn2Hi}, {"Ln2Lo", kLn2Lo}};
    for (std::size_t i = 0; i < kPowPoly.size(); ++i) b["PowA" + std::to_string(i)] = kPowPoly[i];
    for (std::size_t i = 0; i < kLogPoly.size(); ++i) b["LogC" + std::to_string(i)] = kLogPoly[i];
    return b;
}

struct Scripts {
    Script p10_reduction, p10_product, p10_plain, p10_fused, ln_reduction, ln_plain, ln_fused, ln_near_plain,
        ln_near_fused;
    explicit Scripts(const std::string& dir)
        : p10_reduction(dir + "/p10_reduction.gappa"),
          p10_product(dir + "/p10_product.gappa"),
          p10_plain(dir + "/p10_error.gappa"),
          p10_fused(dir + "/p10_fused_error.gappa"),
          ln_reduction(dir + "/ln_reduction.gappa"),
          ln_plain(dir + "/ln_error.gappa"),
          ln_fused(dir + "/ln_fused_error.gappa"),
          ln_near_plain(dir + "/ln_near_one_error.gappa"),
          ln_near_fused(dir + "/ln_fused_near_one_error.gappa") {}
};

struct Tally {
    long checked = 0;
    long failed = 0;
};

// The C++ hi and lo against the script's exact HL: hi must be HL rounded and
// lo the exact rest.
bool same_as_script(const metrova::inspect::FastPath& c, const Exact& hl) {
    return c.hi == hl.rounded(53, -1074, true) && Exact(c.hi) + Exact(c.lo) == hl;
}

void report(Tally& t, bool ok, const char* what, Variant v, double x, const metrova::inspect::FastPath& c,
            const Exact& hl) {
    ++t.checked;
    if (ok) return;
    if (++t.failed <= 20) {
        std::printf("%s, %s variant, x = %a: C++ hi %a lo %a, the script's HL rounds to %a\n", what,
                    v == Variant::fused ? "fused" : "plain", x, c.hi, c.lo, hl.rounded(53, -1074, true));
    }
}

// Each step that the C++ names against the first of the scripts that
// defines it (a fused reduction's names end in f), bound as they are; and
// every step of the error script must be among those the C++ names. Gives
// what differs first, or nothing.
std::string step_difference(const metrova::inspect::FastPath& c, bool fused, Script& error, Script& reduction,
                            Script* product) {
    std::set<std::string> named;
    for (int i = 0; i < c.step_count; ++i) {
        const metrova::inspect::Step& step = c.steps[static_cast<std::size_t>(i)];
        const std::string name = step.name;
        named.insert(name);
        Script* where = error.defines(name) ? &error : nullptr;
        std::string key = name;
        if (where == nullptr && reduction.defines(fused ? name + "f" : name)) {
            where = &reduction;
            key = fused ? name + "f" : name;
        }
        if (where == nullptr && product != nullptr && product->defines(name)) where = product;
        if (where == nullptr) return "the step " + name + ", which no script defines";
        if (!(where->value(key) == Exact(step.value))) return "the step " + name;
    }
    for (const std::string& step : error.rounded_steps()) {
        if (!named.contains(step)) return "the step " + step + ", which the C++ does not name";
    }
    return {};
}

void report_steps(Tally& t, const std::string& difference, const char* what, Variant v, double x) {
    ++t.checked;
    if (difference.empty()) return;
    if (++t.failed <= 20) {
        std::printf("%s, %s variant, x = %a: the C++ and the scripts differ in %s\n", what,
                    v == Variant::fused ? "fused" : "plain", x, difference.c_str());
    }
}

// 10^x: the reduction's script gives kd and rh, the error script HL.
void check_power(Scripts& s, Variant v, double x, Tally& t) {
    Bindings b = constants();
    b["X"] = x;
    const bool fused = v == Variant::fused;
    const double kd = s.p10_reduction.value(fused ? "kdf" : "kd", b).rounded(53, -1074, true);
    const double rh = s.p10_reduction.value(fused ? "rhf" : "rh", b).rounded(53, -1074, true);
    const auto k = static_cast<std::int64_t>(kd);
    const metrova::numeric::PowEntry& e = metrova::numeric::kPowTable[static_cast<std::size_t>(k & 255)];
    b["KD"] = kd;
    b["RH"] = rh;
    b["TH"] = e.tHi;
    b["TL"] = e.tLo;
    b["UH"] = e.uHi;
    b["UL"] = e.uLo;
    Script& error = fused ? s.p10_fused : s.p10_plain;
    const Exact hl = error.value("HL", b);
    const metrova::inspect::FastPath c = metrova::inspect::fast_path(Function::p10, v, x);
    const bool exponent_ok = c.exponent == static_cast<int>(k >> 8);
    report(t, exponent_ok && same_as_script(c, hl), "p10", v, x, c, hl);
    // The product's script takes the error script's r.
    b["R"] = error.value("r").rounded(53, -1074, true);
    error.bind(b);
    s.p10_reduction.bind(b);
    s.p10_product.bind(b);
    report_steps(t, step_difference(c, fused, error, s.p10_reduction, fused ? nullptr : &s.p10_product), "p10", v, x);
}

// ln x: the reduction's script gives z and Ah from x's mantissa and the
// table entry, the error script HL, and where A = 0 the near-one script too.
void check_logarithm(Scripts& s, Variant v, double x, Tally& t) {
    auto bits = std::bit_cast<std::uint64_t>(x);
    int exponent = static_cast<int>(bits >> 52) - 1023;
    if ((bits >> 52) == 0) {  // subnormal: made normal, exactly
        bits = std::bit_cast<std::uint64_t>(x * 0x1p54);
        exponent = static_cast<int>(bits >> 52) - 1023 - 54;
    }
    const std::uint64_t fraction = bits & ((std::uint64_t{1} << 52) - 1);
    const metrova::numeric::LogEntry& e =
        metrova::numeric::kLogTable[static_cast<std::size_t>((fraction + (std::uint64_t{1} << 41)) >> 42)];
    Bindings b = constants();
    b["M"] = std::bit_cast<double>(fraction | 0x3ff0000000000000ULL);
    b["R"] = e.r;
    b["ED"] = exponent;
    b["TH"] = e.tauHi;
    b["TL"] = e.tauLo;
    const bool fused = v == Variant::fused;
    b["Z"] = s.ln_reduction.value(fused ? "zf" : "z", b).rounded(53, -1074, true);
    b["AH"] = s.ln_reduction.value(fused ? "ahf" : "ah", b).rounded(53, -1074, true);
    const metrova::inspect::FastPath c = metrova::inspect::fast_path(Function::ln, v, x);
    Script& error = fused ? s.ln_fused : s.ln_plain;
    const Exact hl = error.value("HL", b);
    report(t, same_as_script(c, hl), "ln", v, x, c, hl);
    s.ln_reduction.bind(b);
    report_steps(t, step_difference(c, fused, error, s.ln_reduction, nullptr), "ln", v, x);
    if (b["AH"] == 0 && b["Z"] != 0) {
        const Exact near = (fused ? s.ln_near_fused : s.ln_near_plain).value("HL", b);
        report(t, same_as_script(c, near), "ln near 1", v, x, c, near);
    }
}

// Arguments of 10^x that reach the fast path: the formulas' range, every
// binade of |x| from 2^-60, the edges of the double range, and x just off
// k log10(2) / 2^8 (k not 0, small or anywhere), where r is tiny and the
// table's low terms, U r's error and the rest meet at one scale: only there
// does a reordering of them show in lo.
double power_argument(Random& rng, long i) {
    using namespace metrova::numeric;
    double x = 0;
    switch (i % 5) {
        case 0:
        case 1: x = -323.6 + 631.8 * rng.unit(); break;
        case 2:
            x = spread(rng, -60, 8);
            if (x > 308.2) x = 308.2;
            if ((rng.next() & 1) != 0) x = -x;
            break;
        case 3: x = (rng.next() & 1) != 0 ? 307 + 1.25 * rng.unit() : -323.6 + 16.6 * rng.unit(); break;
        default: {
            const std::uint64_t range = (rng.next() & 1) != 0 ? 2000 : 275000;
            auto k = static_cast<double>(static_cast<std::int64_t>(rng.below(2 * range + 1)) -
                                         static_cast<std::int64_t>(range));
            if (k == 0) k = 1;
            const double off = spread(rng, -50, -20);
            x = k * kStepHi + (k * kStepLo + ((rng.next() & 1) != 0 ? off : -off));
            break;
        }
    }
    return std::trunc(x) == x ? x + 0.5 : x;
}

// Arguments of ln x: every positive double, subnormals, near 1 (where A =
// 0) and the percentages a user types.
double log_argument(Random& rng, long i) {
    switch (i % 5) {
        case 0: return std::bit_cast<double>(rng.next() % 0x000fffffffffffffULL + 1);
        case 1: {
            const auto step =
                static_cast<std::int64_t>(rng.next() % (std::uint64_t{1} << 44)) - (std::int64_t{1} << 43);
            return std::bit_cast<double>(static_cast<std::uint64_t>(std::bit_cast<std::int64_t>(1.0) + step));
        }
        case 2: return 1000 * rng.unit() + 0x1p-20;
        default: return spread(rng, -1022, 1023);
    }
}

}  // namespace

int main(int argc, char** argv) {
    if (argc < 2 || argc > 4) {
        std::fprintf(stderr, "usage: metrova_gappa_models NUMERIC_DIR [COUNT [SEED]]\n");
        return 2;
    }
    const long count = argc > 2 ? std::strtol(argv[2], nullptr, 10) : 100000;
    const std::uint64_t seed = argc > 3 ? std::strtoull(argv[3], nullptr, 0) : 20261209;
    try {
        Scripts scripts(argv[1]);
        Tally power;
        Tally logarithm;
        for (const Variant v : {Variant::plain, Variant::fused}) {
            if (!metrova::inspect::runs(v)) {
                std::printf("the fused variant does not run on this build or processor: its scripts are read only\n");
                continue;
            }
            Random rng{seed};
            for (long i = 0; i < count; ++i) check_power(scripts, v, power_argument(rng, i), power);
            for (long i = 0; i < count; ++i) check_logarithm(scripts, v, log_argument(rng, i), logarithm);
        }
        std::printf("p10: %ld checks of hi and lo and of the named steps against the scripts, %ld differ (seed %llu)\n",
                    power.checked, power.failed, static_cast<unsigned long long>(seed));
        std::printf("ln: %ld checks of hi and lo and of the named steps against the scripts, %ld differ\n",
                    logarithm.checked, logarithm.failed);
        const long checked = power.checked + logarithm.checked;
        const long failed = power.failed + logarithm.failed;
        std::printf("%ld passed, %ld failed\n", checked - failed, failed);
        return failed == 0 && checked > 0 ? 0 : 1;
    } catch (const std::exception& e) {
        std::printf("%s\n0 passed, 1 failed\n", e.what());
        return 1;
    }
}
