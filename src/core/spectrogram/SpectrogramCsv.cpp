#include "spectrogram/SpectrogramCsv.h"

#include <charconv>
#include <string>

#include "state/NumberText.h"

namespace quorbel {

void WriteSpectrogramCsv(Spectrogram& spectrogram, std::ostream& out) {
    const SpectrogramInfo& info = spectrogram.Info();
    out << "time (s)";
    for (int b = 0; b < info.bins; ++b) out << ',' << NumberText(b * info.BinHz()) << " Hz";
    out << '\n';
    std::string line;
    spectrogram.onFrame = [&](std::int64_t k, const std::vector<double>& power) {
        line = NumberText(StftFrameTime(k, info.settings, info.rate));
        char number[32];
        for (double p : power) {
            const auto end = std::to_chars(number, number + sizeof number, PowerDb(p),
                                           std::chars_format::fixed, 2)
                                 .ptr;
            line += ',';
            // Two decimals of a level a little below zero read "-0.00": zero has no sign.
            const std::string_view text(number, static_cast<size_t>(end - number));
            line += text == "-0.00" ? std::string_view("0.00") : text;
        }
        line += '\n';
        out << line;
    };
    while (!spectrogram.Advance(1 << 16)) {
    }
    spectrogram.onFrame = nullptr;
}

}  // namespace quorbel
