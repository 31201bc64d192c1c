#include "fourier/WindowFunction.h"

#include <algorithm>
#include <cmath>

#include "fourier/Twiddles.h"

namespace quorbel {
namespace {

struct WindowInfo {
    WindowFunction window;
    const char* name;
    const char* word;
};

constexpr WindowInfo kWindowInfo[] = {
    {WindowFunction::Rectangular, "Rectangular", "rect"},
    {WindowFunction::Hann, "Hann", "hann"},
    {WindowFunction::Hamming, "Hamming", "hamming"},
    {WindowFunction::Blackman, "Blackman", "blackman"},
    {WindowFunction::FlatTop, "Flat top", "flattop"},
};

const WindowInfo& Info(WindowFunction window) {
    for (const WindowInfo& info : kWindowInfo)
        if (info.window == window) return info;
    return kWindowInfo[0];
}

}  // namespace

std::string WindowName(WindowFunction window) {
    return Info(window).name;
}

std::string WindowWord(WindowFunction window) {
    return Info(window).word;
}

std::optional<WindowFunction> WindowOfWord(std::string_view word) {
    for (const WindowInfo& info : kWindowInfo)
        if (word == info.word) return info.window;
    return std::nullopt;
}

double WindowFormula(WindowFunction window, int k, int M) {
    // The terms are summed from left to right as the definitions write them: a
    // reordered sum could move the last of the fifteen digits.
    const double x = kTwoPi * k / M;
    switch (window) {
        case WindowFunction::Rectangular:
            return 1.0;
        case WindowFunction::Hann:
            return 0.5 - 0.5 * std::cos(x);
        case WindowFunction::Hamming:
            return 0.54 - 0.46 * std::cos(x);
        case WindowFunction::Blackman:
            return 0.42 - 0.5 * std::cos(x) + 0.08 * std::cos(2 * x);
        case WindowFunction::FlatTop:
            return 0.21557895 - 0.41663158 * std::cos(x) + 0.277263158 * std::cos(2 * x) -
                   0.083578947 * std::cos(3 * x) + 0.006947368 * std::cos(4 * x);
    }
    return 1.0;
}

std::vector<double> WindowValues(WindowFunction window, int M) {
    if (M <= 0) return {};
    // Through a list, as every value the program computes with.
    DataList list;
    list.AddNumber(M);
    for (int k = 0; k < M; ++k) list.AddNumber(WindowFormula(window, k, M));
    std::vector<double> values(static_cast<size_t>(M));
    for (int k = 0; k < M; ++k) values[static_cast<size_t>(k)] = list.Value(k + 1);
    return values;
}

DataList WindowedSamples(const DataList& sampleList, int M, WindowFunction window) {
    if (window == WindowFunction::Rectangular) return sampleList;
    const int N = std::max(sampleList.Whole(0), 0);
    M = std::clamp(M, 0, N);
    const std::vector<double> w = WindowValues(window, M);
    DataList windowed;
    for (int line = 0; line < sampleList.Count(); ++line) {
        if (line >= 1 && line <= M)
            windowed.AddNumber(sampleList.Value(line) * w[static_cast<size_t>(line - 1)]);
        else
            windowed.AddLineOf(sampleList, line);
    }
    return windowed;
}

}  // namespace quorbel
