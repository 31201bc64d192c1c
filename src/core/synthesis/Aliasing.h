#pragma once
// Aliasing of the calculated waves: a wave sampled at `rate` points per second whose
// frequency reaches half the rate (the Nyquist frequency) has fewer than two samples
// per period, and its samples are those of a lower frequency, folded back into
// 0 .. rate/2. The program computes such waves anyway (the folding is the lesson) and
// only points them out.
#include <optional>
#include <string>
#include <vector>

namespace quorbel {

// The frequency in 0 .. rate/2 whose samples equal those of a wave of frequency f
// (hertz, either sign) sampled at `rate` points per second: |f| reduced modulo the
// rate, mirrored at rate/2. 570 Hz at 1024 points per second appears at 454 Hz.
double FoldedFrequency(double f, double rate);

// A wave at or above the Nyquist frequency: its frequency and where it appears.
struct AliasedWave {
    int row = 0;  // its row of the wave table (0..9), or 0 for a simple wave
    double frequency = 0;
    double folded = 0;
};

// The waves of `frequencies` (one per row; nullopt for a row that adds nothing) whose
// magnitude is at or above rate/2, in row order.
std::vector<AliasedWave> AliasedWaves(const std::vector<std::optional<double>>& frequencies,
                                      double rate);

// The hint shown under the wave table for the first aliased wave:
// "570 Hz is above 512 Hz and appears at 454 Hz; see Help: Nyquist", followed by
// " (and 2 more rows)" when further rows fold back too. Empty when none does.
std::string AliasingHint(const std::vector<AliasedWave>& waves, double rate);

}  // namespace quorbel
