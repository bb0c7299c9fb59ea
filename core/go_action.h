// The GO action: the value box's text converted by the pick into the answer,
// and the answer shown, in one call. The window reads its controls into a
// GoRequest, calls go() with the answer it keeps, and writes what comes
// back; the focus, the selection, the copy sign and what is announced stay
// the window's.
//
// The steps, in order, each ending the action where it says so:
//   1. A value box without any character clears the result label: the answer
//      stays, the notation is not read and the focus stays where it is. Text
//      made only of blanks is not empty.
//   2. The text is read with parse_number; a number too large to read is an
//      overflow, before anything else.
//   3. The pick's formula converts v (convert.h). A sign rule that changed v
//      writes the new v back into the value box, also when a later step fails.
//   4. A failure ends the action with its error: the answer and the label
//      keep what they had, and the focus is not moved.
//   5. A result (identity or stored) becomes the answer; an unmatched pick
//      keeps the one there was.
//   6. The answer is shown (show_answer); the label keeps its text when the
//      places box names no places. The focus then goes to the value box.
//
//   go({{length, 0, 1}, "2.5", decimal, "3"}, {})  -> shown "0.025", answer 0.025
//   go({{optics, 1, 0}, "3", decimal, "3"}, a)     -> value box "-3", shown "50.119"
//   go({{optics, 0, 1}, "0", decimal, "3"}, a)     -> failed, invalid argument; answer a
//   go({{length, -1, 1}, "5", scientific, ""}, a)  -> a shown again
//   go({pick, "", decimal, "3"}, a)                -> cleared; answer a
#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

#include "convert.h"
#include "display.h"
#include "failure.h"
#include "pick.h"
#include "result_story.h"

namespace metrova {

// The answer: the result of the last conversion that gave one, and what is
// told of it; 0, with nothing to tell, before the first.
struct Answer {
    double value = 0.0;
    std::optional<Explanation> explanation;
};

// What the result label shows of the answer.
struct ShownAnswer {
    std::string text;   // the label's text: "-16.990"
    std::string heard;  // what a screen reader hears of it: "-16.990 Decibel (dB)"
    std::string story;  // how it was computed, for the tooltip; empty before the first conversion
};

// The answer in the notation, and with the places, that the window's
// controls name (display.h); nothing when the places box names no places.
//   show_answer({-16.9897..., decibel's story}, decimal, "3")
//     -> {"-16.990", "-16.990 Decibel (dB)", "-16.9897000433602 Decibel (dB)\nfrom 2 Percent (%): ..."}
//   show_answer({}, decimal, "3") -> {"0.000", "0.000", ""}
std::optional<ShownAnswer> show_answer(const Answer& answer, Notation notation, std::string_view places_text);

// What the GO action reads of the window.
struct GoRequest {
    Pick pick;
    std::string_view value_text;
    Notation notation = Notation::decimal;
    std::string_view places_text;
};

// Everything the window writes after the GO action.
struct [[nodiscard]] GoResult {
    enum class End : std::uint8_t {
        cleared,  // the value box was empty: the result label is emptied
        failed,   // `error` says what failed; nothing is shown, the focus stays
        shown,    // the answer was shown; the focus goes to the value box
    };

    End end = End::cleared;
    // The value box's new text where a sign rule changed v, also on failure.
    std::optional<std::string> value_text;
    // The answer from now on.
    Answer answer;
    // End::shown: the label's new content; none keeps the label's text.
    std::optional<ShownAnswer> shown;
    // End::failed: what the error box says.
    RunTimeError error;
};

// How the GO action converts: convert() itself, or a test's stand-in that
// reaches an outcome the tables do not (a write-back followed by a failure).
using Converter = Conversion (*)(const Pick& pick, double v) noexcept;

GoResult go(const GoRequest& request, const Answer& answer, Converter converter = convert);

}  // namespace metrova
