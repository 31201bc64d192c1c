#pragma once
// The plain form of FOUR1: the same contract as FOUR1 (see Four1.h) and the same numbers
// bit for bit, computed stage after stage over the whole array with the twiddle factors
// taken straight from their recurrence. It is the definition the fast FOUR1 is checked
// against; the program itself calls FOUR1.

namespace quorbel {

void FOUR1Reference(double* Y, int NN, int Isign);

}  // namespace quorbel
