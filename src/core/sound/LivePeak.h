#pragma once
// The read-out of the live view: the strongest peak of the spectrum shown, in hertz,
// with the note it is nearest to and its distance from it in cents.
#include <optional>
#include <string>
#include <vector>

namespace quorbel {

// The frequency of the strongest peak of `magnitudes` (bin i at i * binHz; bin 0,
// the mean level, is no peak). Between bins the peak is placed on the parabola
// through the largest bin and its two neighbours, so a tone between two bins reads
// closer to its true pitch than the bin spacing. Nothing when no bin above 0 rises
// above zero or binHz is not positive.
std::optional<double> StrongestPeakHertz(const std::vector<double>& magnitudes, double binHz);

// "Strongest peak: 440.1 Hz  A4 +0 c" (hertz to one decimal), or the text saying no
// peak was found.
std::string StrongestPeakText(std::optional<double> hertz);

}  // namespace quorbel
