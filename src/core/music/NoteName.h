#pragma once
// The equal-tempered note nearest to a frequency, for the frequency read-outs.
#include <string>

namespace quorbel {

// The nearest note of the equal-tempered scale (A4 = 440 Hz) and the deviation from
// it in whole cents, "A4 +12 c", "C#5 -3 c"; octaves are numbered as on the keyboard
// picture (C4 is middle C). Empty when `hertz` is not a positive number or the nearest
// note lies off the keyboard's 128 keys, C-1 to G9.
std::string NoteName(double hertz);

// A read-out: `number`, followed two blanks later by the note of `hertz` when it has one.
std::string WithNoteName(const std::string& number, double hertz);

}  // namespace quorbel
