// The GO action as the window makes it: the value box's text, the pick, the
// notation and the places in; the value box's new text, the answer, the
// label's text with what is heard of it, or the error box's text out.
#include "go_action.h"

#include <gtest/gtest.h>

#include <limits>
#include <optional>

#include "same_bits.h"
#include "units.h"

namespace metrova {
namespace {

using namespace test;  // NOLINT(google-build-using-namespace): the units' names
using End = GoResult::End;

constexpr Notation kDecimal = Notation::decimal;
constexpr Notation kScientific = Notation::scientific;

// The answer of an earlier conversion, 2 % in decibels.
Answer earlier() {
    const Pick pick{category::optics, 0, 1};
    const Conversion c = convert(pick, 2);
    return {c.value, explain(pick, 2, c)};
}

// A conversion that writes v back and then fails, which no table does: the
// write-back must come first all the same.
Conversion written_back_then_failed(const Pick& /*pick*/, double v) noexcept {
    return {Conversion::Outcome::failed, 0.0, Failure::overflow, -v, nullptr};
}

TEST(GoAction, EachStepEndsTheActionWhereItSays) {
    const double before = earlier().value;
    const struct {
        const char* what;
        GoRequest request;
        End end;
        const char* value_text;  // nullptr: the value box is left alone
        double answer;
        const char* shown;  // nullptr: the label is cleared (End::cleared) or keeps its text
        const char* heard;
        const char* error;
    } cases[] = {
        {"an empty box",
         {pick(Length::cm, Length::m), "", kDecimal, "3"},
         End::cleared,
         nullptr,
         before,
         nullptr,
         nullptr,
         nullptr},
        {"blanks read as 0",
         {pick(Length::cm, Length::m), "  ", kDecimal, "3"},
         End::shown,
         nullptr,
         0,
         "0.000",
         "0.000 meter(m)",
         nullptr},
        {"a number too large to read",
         {pick(Length::cm, Length::m), "1e309", kDecimal, "3"},
         End::failed,
         nullptr,
         before,
         nullptr,
         nullptr,
         "Run-time error: Overflow\nThe number typed is larger in size than 1.7976931348623157E+308, the largest "
         "there is."},
        {"the logarithm of 0",
         {pick(Optics::percent, Optics::decibel), "0", kDecimal, "3"},
         End::failed,
         nullptr,
         before,
         nullptr,
         nullptr,
         "Run-time error: Invalid argument\n0 Percent (%) has no value in Decibel (dB), which needs a Percent (%) "
         "value other than 0."},
        {"a formula that overflows",
         {pick(Mass::kg, Mass::g), "1e308", kDecimal, "3"},
         End::failed,
         nullptr,
         before,
         nullptr,
         nullptr,
         "Run-time error: Overflow\nConverting 1E+308 kilogram (kg) to gram (g) gives a number larger in size than "
         "1.7976931348623157E+308, the largest there is."},
        {"a sign rule writes back",
         {pick(Optics::decibel, Optics::percent), "3", kDecimal, "3"},
         End::shown,
         "-3",
         0x1.90f3253c017ap+5,
         "50.119",
         "50.119 Percent (%)",
         nullptr},
        {"equal units pass all 64 bits",
         {pick(Length::m, Length::m), "1e308", kScientific, "3"},
         End::shown,
         nullptr,
         1e308,
         "1.00E+308",
         "1.00E+308 meter(m)",
         nullptr},
        {"equal units keep a sign",
         {pick(Optics::density, Optics::density), "-2", kDecimal, "1"},
         End::shown,
         nullptr,
         -2,
         "-2.0",
         "-2.0 Optical Density (OD)",
         nullptr},
        {"an unmatched pick shows the answer again",
         {{category::length, -1, 1}, "5", kScientific, ""},
         End::shown,
         nullptr,
         before,
         "-1.70E+01",
         "-1.70E+01 Decibel (dB)",
         nullptr},
        {"places that name none keep the label",
         {pick(Length::cm, Length::m), "2.5", kDecimal, "11"},
         End::shown,
         nullptr,
         0.025,
         nullptr,
         nullptr,
         nullptr},
        {"the longest number is read",
         {pick(Length::cm, Length::m), "12abc", kDecimal, "0"},
         End::shown,
         nullptr,
         0.12,
         "0",
         "0 meter(m)",
         nullptr},
        // every category once
        {"pressure",
         {pick(Pressure::torr, Pressure::atm), "760", kDecimal, "10"},
         End::shown,
         nullptr,
         0.999982235381199,
         "0.9999822354",
         "0.9999822354 atm",
         nullptr},
        {"force",
         {pick(Force::newton, Force::dyne), "1", kDecimal, "3"},
         End::shown,
         nullptr,
         99999.99999999999,
         "100000.000",
         "100000.000 dyne(dyn)",
         nullptr},
        {"energy",
         {pick(Energy::joule, Energy::erg), "1", kScientific, "3"},
         End::shown,
         nullptr,
         10000000,
         "1.00E+07",
         "1.00E+07 erg",
         nullptr},
        {"area",
         {pick(Area::ft2, Area::in2), "1", kDecimal, "3"},
         End::shown,
         nullptr,
         144.00083080681262,
         "144.001",
         "144.001 square inch",
         nullptr},
        {"volume",
         {pick(Volume::barrel, Volume::gal_us), "1", kDecimal, "4"},
         End::shown,
         nullptr,
         42.00792602377807,
         "42.0079",
         "42.0079 gallon (USA)",
         nullptr},
        {"mass",
         {pick(Mass::lb, Mass::g), "1", kDecimal, "1"},
         End::shown,
         nullptr,
         453.6,
         "453.6",
         "453.6 gram (g)",
         nullptr},
        {"velocity",
         {pick(Velocity::km_h, Velocity::m_s), "100", kDecimal, "3"},
         End::shown,
         nullptr,
         27.77777777777778,
         "27.778",
         "27.778 m/s",
         nullptr},
        {"temperature",
         {pick(Temperature::f, Temperature::c), "98.6", kDecimal, "3"},
         End::shown,
         nullptr,
         36.99999999999999,
         "37.000",
         "37.000 Centigrade[C]",
         nullptr},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.what);
        const GoResult r = go(c.request, earlier());
        EXPECT_EQ(r.end, c.end);
        EXPECT_EQ(r.value_text, c.value_text == nullptr ? std::nullopt : std::optional<std::string>(c.value_text));
        EXPECT_SAME_BITS(r.answer.value, c.answer);
        EXPECT_EQ(r.shown.has_value(), c.shown != nullptr);
        if (r.shown && c.shown != nullptr) {
            EXPECT_EQ(r.shown->text, c.shown);
            EXPECT_EQ(r.shown->heard, c.heard);
            EXPECT_EQ(r.shown->story, r.answer.explanation->story);
        }
        EXPECT_EQ(error_text(r.error), c.error == nullptr ? "" : c.error);
    }
}

// The value box gets the corrected number before the failure is told, and
// the error names the number the formula worked on.
TEST(GoAction, AWriteBackComesBeforeALaterFailure) {
    const GoResult r =
        go({pick(Optics::decibel, Optics::percent), "3", kDecimal, "3"}, earlier(), written_back_then_failed);
    EXPECT_EQ(r.end, End::failed);
    EXPECT_EQ(r.value_text, "-3");
    EXPECT_SAME_BITS(r.answer.value, earlier().value);
    EXPECT_FALSE(r.shown);
    EXPECT_EQ(error_text(r.error),
              "Run-time error: Overflow\nConverting -3 Decibel (dB) to Percent (%) gives a number larger in size than "
              "1.7976931348623157E+308, the largest there is.");
}

// Before the first conversion the answer is 0, with no unit to hear.
TEST(GoAction, TheFirstAnswerIsABareZero) {
    const GoResult r = go({{-1, -1, -1}, "5", kDecimal, "3"}, {});
    ASSERT_TRUE(r.shown);
    EXPECT_EQ(r.shown->text, "0.000");
    EXPECT_EQ(r.shown->heard, "0.000");
    EXPECT_EQ(r.shown->story, "");
}

}  // namespace
}  // namespace metrova
