#pragma once
// Window functions: the samples of the data window are weighted before the transform
// so that a tone which does not fill the window with whole periods leaks less into
// distant bins, at the price of a wider peak. Each window is the periodic (DFT-even)
// form over the M samples that carry data, k = 0 .. M-1, x = 2*pi*k/M:
//   Rectangular  1
//   Hann         0.5 - 0.5 cos x
//   Hamming      0.54 - 0.46 cos x
//   Blackman     0.42 - 0.5 cos x + 0.08 cos 2x
//   Flat top     0.21557895 - 0.41663158 cos x + 0.277263158 cos 2x
//                - 0.083578947 cos 3x + 0.006947368 cos 4x
// with 2*pi as the decimal 6.28318530717959 the transforms use. Every value passes
// through the number text of the lists, so the weights the transform uses are the
// 15-digit decimals a list of them would show.
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "state/DataList.h"

namespace quorbel {

enum class WindowFunction { Rectangular, Hann, Hamming, Blackman, FlatTop };

inline constexpr WindowFunction kWindowFunctions[] = {
    WindowFunction::Rectangular, WindowFunction::Hann, WindowFunction::Hamming,
    WindowFunction::Blackman, WindowFunction::FlatTop};

// The name the menu and the report give the window ("Flat top").
std::string WindowName(WindowFunction window);
// The short word of the command line ("rect", "hann", "hamming", "blackman", "flattop").
std::string WindowWord(WindowFunction window);
std::optional<WindowFunction> WindowOfWord(std::string_view word);

// The window's value at sample k of M as the formula gives it, before any rounding of
// its text. M >= 1, 0 <= k < M.
double WindowFormula(WindowFunction window, int k, int M);

// The M weights as the transform uses them: each formula value written as number
// text and read back. Empty for M <= 0.
std::vector<double> WindowValues(WindowFunction window, int M);

// sampleList (line 0 N, lines 1..N the samples, line N+1 the largest absolute value)
// with samples 0 .. M-1 multiplied by the window's weights, each product as number
// text; the samples from M on (the zeros that complement a shortened window) and the
// other lines are copied unchanged. M is clamped to 0..N. The rectangular window
// returns the list untouched.
DataList WindowedSamples(const DataList& sampleList, int M, WindowFunction window);

}  // namespace quorbel
