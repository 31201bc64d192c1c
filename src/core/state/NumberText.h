#pragma once
// The system's decimal text for numbers. Every number stored in a data list or a
// mode code goes through NumberText, and every reader converts the text back; the
// 15-significant-digit rounding this implies is part of the results the user sees.
#include <optional>
#include <string>
#include <string_view>

namespace quorbel {

// At most 15 significant digits, no leading blank, "0.5" (never ".5"), integers
// without a point, no trailing zeros, exponent form ("1E-05", "1.5E+15") for
// magnitudes below 1e-4 or from 1e15 on. Negative zero prints as "0".
std::string NumberText(double value);

// The number NumberText(value) reads back as, DecimalPrefix(NumberText(value)) to the
// last bit. Most values are rounded to their 15 digits without writing the text.
double TextValue(double value);

// Halves up to three decimals (the integer part of 1000 f, over 1000, plus 0.001 when
// the rest is at least 0.0005), as the frequency read-outs show frequencies.
double ThreeDecimals(double f);

// Full conversion: the whole text, blanks and tabs around it allowed, must be a
// number ("0.5", ".5", "-.5", "+3", "1E-05"). Empty or other text gives nullopt, and
// so does a number whose magnitude lies beyond double ("1e400"); one too small for
// double reads as 0.
std::optional<double> ParseNumber(std::string_view text);

// Decimal-prefix reading: leading blanks skipped, then the longest prefix that is a
// number; text that does not start with a number reads as 0 ("1024abc" -> 1024,
// "abc" -> 0, " 7 " -> 7).
double DecimalPrefix(std::string_view text);

// A whole number by decimal-prefix reading, truncated toward zero and clamped to the
// int range (so "1e300" or "-1e300" cannot overflow).
int WholeNumber(std::string_view text);
// The same for a number already read: truncated toward zero, clamped to the int range.
int WholeOf(double value);

}  // namespace quorbel
