#include "synthesis/SampleGraph.h"

#include <algorithm>

namespace quorbel {

void DrawSampleGraph(Surface& pic, const DataList& sampleList, bool points) {
    const int n = std::clamp(sampleList.Whole(0), 0, kMaxGraphSamples);
    const double A = sampleList.Value(n + 1);
    const double H = pic.Height();
    const double W = pic.Width();

    const double y0 = H / 2;
    // No vertical scale exists for a zero function; its samples lie on the middle line.
    const double h = A != 0 ? ((H / 2) * 3 / 4) / A : 0;
    // The step divides by N-1 in single precision, as the plotted positions always have.
    const double dx = n > 1 ? W / static_cast<double>(static_cast<float>(n - 1)) : 0;

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

}  // namespace quorbel
