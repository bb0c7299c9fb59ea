// The published hardest-to-round arguments of 10^x and ln x, bit for bit.
// Each row holds an argument and the correctly rounded result that GNU MPFR
// gives for it, both as the 16 hex digits of the double, so that every
// build, the cross-built ones without MPFR included, is held to MPFR's bits;
// where MPFR is found the recorded results are checked against it as well.
// The special values of the lists follow Metrova's own rules, not MPFR's
// (ln 0 is an invalid argument, NaN, not -inf). Each row also checks what
// the fault check sees: an overflow for a finite 10^x past the largest
// double, an invalid argument for ln of 0 or less and for a signalling NaN,
// nothing else. Every variant of the fast path that the processor runs
// must give the row's result too.
//   metrova_worst_cases p10|ln ROWS          checks the rows; prints a summary line
//   metrova_worst_cases --make p10|ln LIST   rows from a list of arguments (with MPFR)
#include <bit>
#include <charconv>
#include <cinttypes>
#include <cmath>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <fstream>
#include <limits>
#include <optional>
#include <string>
#include <string_view>

#include "elementary.h"
#include "fault.h"

#ifdef METROVA_HAVE_MPFR
#include "referee.h"
#endif

namespace {

std::uint64_t bits(double x) { return std::bit_cast<std::uint64_t>(x); }

using metrova::inspect::Variant;

struct Function {
    std::string_view name;
    metrova::inspect::Function function;
    double (*ours)(double) noexcept;
};

constexpr Function kFunctions[] = {{"p10", metrova::inspect::Function::p10, metrova::p10},
                                   {"ln", metrova::inspect::Function::ln, metrova::ln}};

// A signalling NaN is an invalid operand of any operation, a quiet one
// passes through without a flag.
bool signalling(double x) { return std::isnan(x) && (bits(x) & (std::uint64_t{1} << 51)) == 0; }

metrova::Failure expected_failure(std::string_view function, double x, double result) {
    if (signalling(x)) return metrova::Failure::invalid_argument;
    if (function == "p10")
        return std::isfinite(x) && std::isinf(result) ? metrova::Failure::overflow : metrova::Failure::none;
    return !std::isnan(x) && x <= 0 ? metrova::Failure::invalid_argument : metrova::Failure::none;
}

bool same(double a, double b) { return bits(a) == bits(b) || (std::isnan(a) && std::isnan(b)); }

#ifdef METROVA_HAVE_MPFR
// Where Metrova's rules fix the result without the referee.
std::optional<double> special(std::string_view function, double x) {
    const double nan = std::numeric_limits<double>::quiet_NaN();
    if (std::isnan(x)) return nan;
    if (function == "p10") {
        if (std::isinf(x)) return x > 0 ? x : 0.0;
        return std::nullopt;
    }
    if (x <= 0) return nan;
    if (std::isinf(x)) return x;
    return std::nullopt;
}

double mpfr_result(std::string_view function, double x) {
    if (const std::optional<double> s = special(function, x)) return *s;
    return metrova::test::referee(function == "p10" ? mpfr_exp10 : mpfr_log, x);
}

// An argument as the lists write it: a hex float, possibly with a sign, a
// number after it ("0x0p+0, ERANGE") or none ("0x1"), or inf, nan, snan.
double list_argument(const std::string& token) {
    const bool negative = token[0] == '-';
    const std::string_view magnitude = std::string_view(token).substr(token[0] == '-' || token[0] == '+' ? 1 : 0);
    double x = 0;
    if (magnitude.starts_with("snan")) {
        x = std::numeric_limits<double>::signaling_NaN();
    } else {
        x = std::strtod(std::string(magnitude).c_str(), nullptr);
    }
    return negative ? -x : x;
}

int make_rows(std::string_view function, const char* list) {
    std::ifstream in(list);
    if (!in) {
        std::fprintf(stderr, "cannot read %s\n", list);
        return 2;
    }
    metrova::test::referee_range();
    std::string line;
    while (std::getline(in, line)) {
        if (line.empty()) continue;
        if (line[0] == '#') {
            std::printf("%s\n", line.c_str());
            continue;
        }
        const double x = list_argument(line);
        std::printf("%016" PRIx64 " %016" PRIx64 "\n", bits(x), bits(mpfr_result(function, x)));
    }
    return 0;
}
#endif

std::optional<std::uint64_t> hex_bits(std::string_view text) {
    std::uint64_t value = 0;
    const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), value, 16);
    if (error != std::errc{} || end != text.data() + text.size()) return std::nullopt;
    return value;
}

int check_rows(const Function& f, const char* rows) {
    std::ifstream in(rows);
    if (!in) {
        std::fprintf(stderr, "cannot read %s\n", rows);
        return 2;
    }
#ifdef METROVA_HAVE_MPFR
    metrova::test::referee_range();
#endif
    long checked = 0;
    long failed = 0;
    long fast = 0;
    std::string line;
    while (std::getline(in, line)) {
        if (line.empty() || line[0] == '#') continue;
        const std::optional<std::uint64_t> argument =
            line.size() == 33 ? hex_bits(std::string_view(line).substr(0, 16)) : std::nullopt;
        const std::optional<std::uint64_t> result =
            line.size() == 33 ? hex_bits(std::string_view(line).substr(17)) : std::nullopt;
        if (!argument || !result) {
            std::fprintf(stderr, "%s: not a row: %s\n", rows, line.c_str());
            return 2;
        }
        const auto x = std::bit_cast<double>(*argument);
        const auto expected = std::bit_cast<double>(*result);
        ++checked;
        if (metrova::inspect::decided_fast(f.function, metrova::inspect::chosen(), x)) ++fast;
        const metrova::FaultCheck faults;
        const double ours = f.ours(faults.input(x));
        const metrova::Failure failure = faults.check(ours);
        bool ok = same(ours, expected) && failure == expected_failure(f.name, x, expected);
        for (const Variant v : {Variant::plain, Variant::fused}) {
            if (metrova::inspect::runs(v) && !same(metrova::inspect::evaluate(f.function, v, x), expected)) {
                ok = false;
                std::printf("%s(%a): the %s variant gives %a\n", f.name.data(), x,
                            v == Variant::plain ? "plain" : "fused", metrova::inspect::evaluate(f.function, v, x));
            }
        }
#ifdef METROVA_HAVE_MPFR
        const double theirs = mpfr_result(f.name, x);
        if (!same(theirs, expected)) {
            ok = false;
            std::printf("%s(%a): the row says %a, MPFR %a\n", f.name.data(), x, expected, theirs);
        }
#endif
        if (!ok && ++failed <= 20) {
            std::printf("%s(%a): ours %a (%s), expected %a\n", f.name.data(), x, ours,
                        std::string(metrova::failure_name(failure)).c_str(), expected);
        }
    }
    std::printf("%s: %ld hardest-to-round arguments, %ld differ%s; the fast path decided %ld (%s variant%s)\n",
                f.name.data(), checked, failed,
#ifdef METROVA_HAVE_MPFR
                " (results also checked against MPFR)",
#else
                "",
#endif
                fast, metrova::inspect::chosen() == Variant::fused ? "fused" : "plain",
                metrova::inspect::runs(Variant::fused) ? "; the plain one checked too" : ", the only one here");
    std::printf("%ld passed, %ld failed\n", checked - failed, failed);
    return failed == 0 && checked > 0 ? 0 : 1;
}

const Function* function_named(std::string_view name) {
    for (const Function& f : kFunctions) {
        if (f.name == name) return &f;
    }
    return nullptr;
}

}  // namespace

int main(int argc, char** argv) {
    const bool make = argc == 4 && std::strcmp(argv[1], "--make") == 0;
    const Function* f = argc == 3 || make ? function_named(argv[argc - 2]) : nullptr;
    if (f == nullptr) {
        std::fprintf(stderr, "usage: metrova_worst_cases [--make] p10|ln FILE\n");
        return 2;
    }
    if (make) {
#ifdef METROVA_HAVE_MPFR
        return make_rows(f->name, argv[3]);
#else
        std::fprintf(stderr, "metrova_worst_cases --make needs GNU MPFR\n");
        return 2;
#endif
    }
    return check_rows(*f, argv[2]);
}
