// Numbers to text: the rounding operation, the fixed-pattern formatter, the
// "Scientific" formatter and the number-to-text conversion.
//
// All four work from the value reduced to 15 significant digits, as a person
// reads a double: 2.675 (stored just below 2.675) counts as 2.675. Ties that a
// double holds exactly (0.125) are ties as well.
//
// A zero shows no minus sign: whenever the digits printed are all zeros, the
// text has no sign, also for -0 and for negative values that round to zero.
//
// Values outside the double range cannot reach these functions through the
// converter; for the record, infinities and NaN print as "inf", "-inf", "nan".
#pragma once

#include <string>

namespace metrova {

// The rounding operation: x rounded to `places` decimal places (0 or more),
// ties to the even neighbour, as a double.
//   round_half_even(0.125, 2)   ->  0.12     exact tie, even neighbour
//   round_half_even(0.375, 2)   ->  0.38
//   round_half_even(2.5, 0)     ->  2,  3.5 -> 4,  -2.5 -> -2
//   round_half_even(2.675, 2)   ->  2.68     a tie at 15 digits
//   round_half_even(9.999999999999996, 3) -> 10
//   round_half_even(-0.0001, 3) -> -0.0
//   round_half_even(1.7976931348623157e308, 2) -> the same: its 15 digits lie
//     beyond the double range, and nothing is dropped
double round_half_even(double x, int places);

// The fixed pattern "0" or "0." followed by `places` zeros: at least one digit
// before the point, every digit of the integer part (beyond the 15th
// significant digit, zeros), exactly `places` digits after the point, no point
// when `places` is 0, ties away from zero, no thousands separator, no exponent.
//   format_fixed(1234.5, 3) -> "1234.500"      format_fixed(0.5, 2)   -> "0.50"
//   format_fixed(12.0, 0)   -> "12"            format_fixed(-0.2, 1)  -> "-0.2"
//   format_fixed(0.125, 2)  -> "0.13"          format_fixed(-0.0, 3)  -> "0.000"
//   format_fixed(1e20, 1)   -> "100000000000000000000.0"
std::string format_fixed(double x, int places);

// The named format "Scientific": one digit (not 0 unless x is 0), a point, two
// digits, "E", the exponent's sign and at least two exponent digits; the
// mantissa is rounded half away from zero, a carry moving the exponent.
//   1234.5 -> "1.23E+03"    0.000123 -> "1.23E-04"    -1234.5 -> "-1.23E+03"
//   1e100  -> "1.00E+100"   9.996    -> "1.00E+01"    1.255   -> "1.26E+00"
//   0, -0  -> "0.00E+00"    -1e-400 rounded to -0 likewise
std::string format_scientific(double x);

// The number-to-text conversion: up to 15 significant digits, no trailing
// zeros, no separators, a leading minus when negative; exponent form
// ("E", sign, at least two digits) below 1E-05 and from 1E+15 on.
//   -3 -> "-3"    -0.5 -> "-0.5"    0.00001 -> "0.00001"   1.5e-6 -> "1.5E-06"
//   123456789012345 -> "123456789012345"     1e15 -> "1E+15"
//   0.1 + 0.2 -> "0.3"                      -0.0 -> "0"
// The text always reads back with parse_number: where the 15-digit text would
// lie beyond the double range, the fewest digits that read back exactly are
// written instead: -1.7976931348623157e308 -> "-1.7976931348623157E+308".
std::string number_to_text(double x);

}  // namespace metrova
