#include "synthesis/SampleGraph.h"

#include <algorithm>

namespace quorbel {

namespace {
// The step between samples: W / (N-1), with N-1 in single precision as the plotted
// positions always have.
double SampleStep(double W, int n) {
    return n > 1 ? W / static_cast<double>(static_cast<float>(n - 1)) : 0;
}
}  // namespace

void DrawSampleGraph(Surface& pic, const DataList& sampleList, bool points) {
    const int n = std::clamp(sampleList.Whole(0), 0, kMaxGraphSamples);
    const double A = sampleList.Value(n + 1);
    const double H = pic.Height();
    const double W = pic.Width();

    const double y0 = H / 2;
    // No vertical scale exists for a zero function; its samples lie on the middle line.
    const double h = A != 0 ? ((H / 2) * 3 / 4) / A : 0;
    const double dx = SampleStep(W, n);

    pic.Cls();
    pic.Line(0, y0, W, y0);
    pic.Line(W / 2, 0, W / 2, H);
    if (n == 0) return;
    pic.PSet(0, y0 - sampleList.Value(1) * h);
    for (int k = 1; k < n; ++k) {
        const double y = y0 - sampleList.Value(k + 1) * h;
        if (points)
            pic.PSet(k * dx, y, colors::kDarkBlue);
        else
            pic.LineTo(k * dx, y, colors::kDarkBlue);
    }
}

void DrawWindowShape(Surface& pic, const std::vector<double>& weights, int n) {
    if (weights.size() < 2) return;
    const double H = pic.Height();
    const double dx = SampleStep(pic.Width(), std::clamp(n, 0, kMaxGraphSamples));
    pic.PSet(0, H - weights[0] * H, kWindowShapeColor);
    for (size_t k = 1; k < weights.size(); ++k)
        pic.LineTo(static_cast<double>(k) * dx, H - weights[k] * H, kWindowShapeColor);
}

}  // namespace quorbel
