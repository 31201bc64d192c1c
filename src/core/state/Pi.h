#pragma once
// Half a turn and one turn in radians, as the 15-digit decimals the program has always
// computed with: the samples of the test functions, the twiddle factors of the
// transforms and the window weights all take these very digits. The full-precision
// values would move the last printed digits of every sample and spectrum.

namespace quorbel {

inline constexpr double kPi = 3.14159265358979;
inline constexpr double kTwoPi = 6.28318530717959;

}  // namespace quorbel
