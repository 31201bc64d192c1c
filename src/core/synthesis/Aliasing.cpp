#include "synthesis/Aliasing.h"

#include <cmath>

#include "platform/Translation.h"
#include "state/NumberText.h"

namespace quorbel {

double FoldedFrequency(double f, double rate) {
    if (!(rate > 0) || !std::isfinite(f)) return 0;
    const double within = std::fmod(std::abs(f), rate);
    return within > rate / 2 ? rate - within : within;
}

std::vector<AliasedWave> AliasedWaves(const std::vector<std::optional<double>>& frequencies,
                                      double rate) {
    std::vector<AliasedWave> waves;
    if (!(rate > 0)) return waves;
    for (size_t row = 0; row < frequencies.size(); ++row) {
        const std::optional<double>& f = frequencies[row];
        if (!f || !std::isfinite(*f) || std::abs(*f) < rate / 2) continue;
        waves.push_back({static_cast<int>(row), std::abs(*f), FoldedFrequency(*f, rate)});
    }
    return waves;
}

std::string AliasingHint(const std::vector<AliasedWave>& waves, double rate) {
    if (waves.empty()) return "";
    const AliasedWave& first = waves.front();
    const double nyquist = rate / 2;
    // A wave exactly at the Nyquist frequency is not above it, yet with just two samples
    // per period it cannot be told from its mirror image either.
    std::string hint = FillIn(
        first.frequency > nyquist
            ? Translate("Form1", "%1 Hz is above %2 Hz and appears at %3 Hz; see Help: Nyquist")
            : Translate("Form1", "%1 Hz is at %2 Hz and appears at %3 Hz; see Help: Nyquist"),
        {NumberText(first.frequency), NumberText(nyquist), NumberText(first.folded)});
    const size_t more = waves.size() - 1;
    if (more == 1) hint += Translate("Form1", " (and 1 more row)");
    if (more > 1) hint += FillIn(Translate("Form1", " (and %1 more rows)"), {std::to_string(more)});
    return hint;
}

}  // namespace quorbel
