#include "windows/OpeningRecordRange.h"

#include "fourier/TransformDriver.h"
#include "fourier/WindowFunction.h"
#include "spectrum/SpectrumGraph.h"
#include "synthesis/WaveSynthesis.h"

namespace quorbel {

bool OpeningRecordComputes(const ParamRows& record) {
    std::array<WaveRow, kWaveRows> rows;
    for (size_t i = 0; i < rows.size(); ++i)
        rows[i] = {record.rows[i][0], record.rows[i][1], record.rows[i][2]};
    // The start-up takes the window over all N points, as Graf and Fft do after it.
    const int N = record.points;
    for (bool sine : {true, false}) {
        const DataList samples = MultipleWaveSamples(N, N, record.cycles, rows, sine);
        if (!samples.AllFinite()) return false;
        if (N != kCalculatedPoints) continue;
        for (WindowFunction window : kWindowFunctions) {
            const DataList windowed = WindowedSamples(samples, N, window);
            if (!SpectrumInRange(ComplexSpectrumList(windowed, kCalculatedPoints)) ||
                !SpectrumInRange(RealSpectrumList(windowed, kCalculatedPoints / 2)))
                return false;
        }
    }
    return true;
}

}  // namespace quorbel
