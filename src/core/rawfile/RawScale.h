#pragma once
// The frequency scale under the FFT graph for sound-file data. The data window of N
// samples at fs hertz lasts T = N/fs seconds, so bin k lies at k/T hertz; the labels
// are hertz, not bin numbers.
#include "surface/Surface.h"

namespace quorbel {

// The hertz axis of `ftnpont` displayed bins from bin `Nzero` on, across `width`
// twips: fLeft and fRight are the whole hertz of the first and last bin, ticks are
// `step` hertz apart (1 up to a span of 100 Hz, 10 up to 1000, 100 above), the first
// tick at `first`. Frequency f is drawn at x = (f - fLeft) * scale.
struct RawAxis {
    int fLeft = 0, fRight = 0, span = 0, step = 1, first = 0;
    double scale = 0;  // twips per hertz; 0 when the span is 0

    double XOfFrequency(double f) const { return (f - fLeft) * scale; }
    // The hertz at twips x: the inverse of XOfFrequency (fLeft when the span is 0).
    double FrequencyAtX(double x) const { return scale > 0 ? fLeft + x / scale : fLeft; }
};

// N samples at fs hertz (fs > 0). Starts of step 10 and 100 are sought from 0 to
// 12000 Hz; beyond that the ticks are counted from 0.
RawAxis RawAxisFor(int ftnpont, int Nzero, int N, double fs, double width);

// Draws the ruler, ticks and hertz labels under the axis at height `yzero` (twips),
// from `xmin`: minor ticks every step, medium every 5 steps, labelled majors every 10
// steps; mediums are labelled too when the span lies strictly between 100 and 300 or
// 1000 and 3000 Hz. Labels are printed in the surface's current font; where these
// labels would overlap, only every 2nd, 5th, 10th, 20th, ... major is labelled, and a
// label that cannot lie whole inside the graph beside its neighbour is left out.
void Escala_Lin_raw(Surface& pic, int ftnpont, int Nzero, double xmin, double yzero, int N,
                    double fs);

}  // namespace quorbel
