// The number parser: text in, double out, for the value box and the
// decimal-places box. It accepts any text and never fails except by overflow.
//
// Rules, each with an example (value, and `consumed`: how many characters of
// the text the number took, blanks inside it included):
//   - The longest prefix that forms a number is read; the rest is ignored:
//       "12abc" -> 12 (consumed 2), "3.5.1" -> 3.5, "1-2" -> 1, "1e" -> 1.
//   - Blanks, tabs and line feeds are skipped wherever they stand, also between
//     digits: "1 000" -> 1000 (consumed 5), " - 5" -> -5, "1 e 3" -> 1000.
//   - An optional sign may lead: "-2" -> -2, "+2" -> 2, "-0" -> -0.0.
//   - Digits with at most one period; the period is the only decimal separator,
//     whatever the locale: "1,5" -> 1, ".5" -> 0.5, "5." -> 5.
//   - An optional exponent: E, e, D or d, an optional sign, digits:
//       "1E3" -> 1000, "1d3" -> 1000, "2.5e-1" -> 0.25.
//   - No digits where the number should begin gives +0 (consumed 0):
//       "" -> 0, "-" -> 0, "." -> 0, "E5" -> 0, "inf" -> 0, "nan" -> 0.
//   - "&H" or "&O" (either case) at the start reads an unsigned hexadecimal or
//     octal integer of up to 64 bits: "&HFF" -> 255, "&o17" -> 15, "&H" -> 0.
//     A radix integer beyond 64 bits is an overflow.
//   - A magnitude beyond the double range is an overflow: "1e309" -> overflow.
//     A magnitude below the smallest double is not: "1e-400" -> 0,
//     "-1e-400" -> -0.0, "4e-324" -> the smallest subnormal.
//   - Every decimal is rounded correctly to the nearest double:
//       "0.1" -> 0x1.999999999999ap-4.
#pragma once

#include <cstddef>
#include <string_view>

namespace metrova {

struct ParsedNumber {
    double value = 0.0;        // 0 when overflow is set
    std::size_t consumed = 0;  // characters taken, 0 when no number was found
    bool overflow = false;     // the text names a number beyond the double range
};

ParsedNumber parse_number(std::string_view text) noexcept;

}  // namespace metrova
