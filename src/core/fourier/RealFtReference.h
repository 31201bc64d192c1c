#pragma once
// The plain form of REALFT: the same contract as REALFT (see RealFt.h) and the same
// numbers bit for bit, built on FOUR1Reference, with the separation step's twiddle factors
// taken straight from their recurrence. It is the definition the fast REALFT is checked
// against; the program itself calls REALFT.

namespace quorbel {

void REALFTReference(double* data, int N, int Isign);

}  // namespace quorbel
