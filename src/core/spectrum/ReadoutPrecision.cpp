#include "spectrum/ReadoutPrecision.h"

#include <charconv>
#include <cmath>

namespace quorbel {

namespace {

// Beyond this many decimals a double no longer holds the digits of a read-out.
constexpr int kMostDecimals = 9;
constexpr int kUnknownStepDecimals = 3;

}  // namespace

int ReadoutDecimals(double binHertz) {
    if (!std::isfinite(binHertz) || !(binHertz > 0)) return kUnknownStepDecimals;
    // The tolerance keeps 0.1 Hz bins at one decimal although log10(0.1) is a hair
    // above -1 in binary.
    const double d = std::ceil(-std::log10(binHertz) - 1e-9);
    if (d <= 0) return 0;
    return d >= kMostDecimals ? kMostDecimals : static_cast<int>(d);
}

double ReadoutValue(double hertz, double binHertz) {
    const double scale = std::pow(10.0, ReadoutDecimals(binHertz));
    const double rounded = std::round(hertz * scale) / scale;
    return rounded == 0 ? 0 : rounded;  // no negative zero
}

std::string FrequencyReadout(double hertz, double binHertz) {
    if (!std::isfinite(hertz)) return "";
    const double value = ReadoutValue(hertz, binHertz);
    char text[64];
    const auto end = std::to_chars(text, text + sizeof text, value, std::chars_format::fixed,
                                   ReadoutDecimals(binHertz));
    if (end.ec != std::errc()) return "";
    return std::string(text, end.ptr);
}

}  // namespace quorbel
