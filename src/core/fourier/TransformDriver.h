#pragma once
// The text round trip around the FFT kernels: samples are read back from the text
// of sampleList and the spectrum is written as number text, so every value shown
// later carries the 15-digit rounding of the lists.
#include "state/DataList.h"

namespace quorbel {

// Complex FFT of the first NN samples with zero imaginary parts (isign +1).
// spectrumList: an empty header line, then Re H_n and Im H_n for n = 0..NN-1.
DataList ComplexSpectrumList(const DataList& sampleList, int NN);

// Real-data FFT of 2N samples (isign +1). spectrumList: N, then H_0, H_N (both real),
// then Re H_n, Im H_n for n = 1..N-1. N is a power of two, 2N <= 32768.
DataList RealSpectrumList(const DataList& sampleList, int N);

// Inverse real-data FFT of the spectrum in spectrumList: N, then N times the 2N
// samples whose transform was given.
DataList RealInverseList(const DataList& spectrumList, int N);

// True for the sizes the kernels accept: a power of two from 1 to `largest`.
bool IsPowerOfTwo(int n, int largest);

// Calculated waves always span this many samples in the transform; with another total
// number of points f(t) is drawn but not transformed.
inline constexpr int kCalculatedPoints = 1024;

}  // namespace quorbel
