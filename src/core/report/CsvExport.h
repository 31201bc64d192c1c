#pragma once
// The samples and the spectrum as comma-separated values for spreadsheets and
// scripts: a header line, then one row per point with five columns
//   index, time in seconds (samples) or frequency in hertz (spectrum), real part,
//   imaginary part, modulus sqrt(real*real + imaginary*imaginary).
// Numbers are written as the lists hold them (NumberText: a period as decimal
// separator, at most 15 significant digits), so re-reading a row gives the list's
// values. Samples are real: their "real" column is the sample value, "imaginary" is 0
// and the modulus is the absolute value. Lines end with a line feed.
#include <string>

#include "state/DataList.h"

namespace quorbel {

inline constexpr const char* kSamplesCsvHeader = "index,time (s),real,imaginary,modulus";
inline constexpr const char* kSpectrumCsvHeader = "index,frequency (Hz),real,imaginary,modulus";

// sampleList: N, samples 0..N-1, the largest absolute sample (not exported). Sample k
// stands for k / samplingRate seconds.
std::string SamplesCsv(const DataList& sampleList, double samplingRate);

// spectrumList in either layout the transforms write, for samples taken at
// samplingRate hertz:
//  - complex FFT (empty header): NN points Re/Im; point n is n * samplingRate / NN Hz
//    for n <= NN/2 and the negative frequency (n - NN) * samplingRate / NN above;
//  - real-data FFT (header N): H_0, H_N, then Re/Im of points 1..N-1 of the 2N
//    samples; rows 0..N-1 in order with H_0 as the real row 0, then row N at half the
//    sampling rate holding H_N. Point n is n * samplingRate / (2N) Hz.
std::string SpectrumCsv(const DataList& spectrumList, double samplingRate);

}  // namespace quorbel
