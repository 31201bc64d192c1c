#pragma once
// How many decimals a frequency read-out shows: enough to tell neighbouring bins of
// the spectrum apart and no more, so that a read-out never claims a precision the
// transform does not have (11.7 Hz bins read "164 Hz", 0.0977 Hz bins "440.04 Hz").
#include <string>

namespace quorbel {

// The decimals for bins `binHertz` apart: the fewest d with 10^-d <= binHertz (0 for
// bins of 1 Hz or wider). Bins of no width, or no number, get three decimals.
int ReadoutDecimals(double binHertz);

// `hertz` with ReadoutDecimals(binHertz) decimals and the period as decimal mark,
// halves rounded away from zero; "-0" never shows. No number gives "".
std::string FrequencyReadout(double hertz, double binHertz);

// The value FrequencyReadout writes, as a number (for the note named beside it).
double ReadoutValue(double hertz, double binHertz);

}  // namespace quorbel
