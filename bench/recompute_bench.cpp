// The whole recompute path of the main window for the default opening parameters, as
// "Both" runs it: synthesis of the 1024 samples and their text, the f(t) graph, the
// text round trip around REALFT, the display lists and the FFT graph with its scale.
// The references, measured in the same run, are the parts of that path without the
// window: the transform driver (REALFT with its text round trip) and REALFT alone on
// the same 1024 samples, so the ratios say what the window adds around the kernel.
//
// The graphs are recording surfaces: the drawing calls are all made, but no pixels
// are painted, so no Qt application is needed.
#include <benchmark/benchmark.h>

#include <algorithm>
#include <filesystem>
#include <random>
#include <string>
#include <vector>

#include "RecordingPlatform.h"
#include "bench_folder.h"
#include "bench_ratio.h"
#include "fourier/RealFt.h"
#include "fourier/TransformDriver.h"
#include "state/ParamFile.h"
#include "surface/RecordingSurface.h"
#include "windows/MainWindowModel.h"

namespace quorbel::bench {

namespace {

// The calculated waves' transform: 1024 real samples, N = 512 complex points.
constexpr int kSamples = 1024;

// The main window after start-up from the default record.
class LoadedWindow {
  public:
    LoadedWindow()
        : window_(platform_, ParamFile(folder_.Path() / "Zparamfile.wr"),
                  MainWindowSurfaces{picture1_, picture2_, picture8_, picture9_, form5_}) {
        loaded_ = window_.Form_Load();
    }
    bool Loaded() const { return loaded_ && platform_.messages.empty(); }
    MainWindowModel& Window() { return window_; }

  private:
    TemporaryFolder folder_;
    RecordingPlatform platform_;
    RecordingSurface picture1_{kPicture1Width, kPicture1Height};
    RecordingSurface picture2_{kPicture2Width, kPicture2Height};
    RecordingSurface picture8_{kHalfGraphWidth, kHalfGraphHeight};
    RecordingSurface picture9_{kHalfGraphWidth, kHalfGraphHeight};
    RecordingSurface form5_{kReportWidth, kReportHeight};
    MainWindowModel window_;
    bool loaded_ = false;
};

void RecomputeBoth(benchmark::State& state) {
    LoadedWindow loaded;
    if (!loaded.Loaded()) {
        state.SkipWithError("the window did not start from the default record");
        return;
    }
    MainWindowModel& window = loaded.Window();
    for (auto _ : state) {
        if (!window.Fire("Command17", Event::Click)) {
            state.SkipWithError("\"Both\" cannot be reached");
            return;
        }
        benchmark::DoNotOptimize(window.State().displayedValueList.Lines().data());
        benchmark::ClobberMemory();
    }
    // A refused field or a message would mean the loop measured less than the path.
    if (!loaded.Loaded()) state.SkipWithError("the window showed a message");
}

// The samples the window transforms, taken from its own sampleList after start-up.
DataList DefaultSampleList() {
    LoadedWindow loaded;
    return loaded.Loaded() ? loaded.Window().State().sampleList : DataList{};
}

void TransformDriver(benchmark::State& state) {
    const DataList samples = DefaultSampleList();
    if (samples.Count() != kSamples + 2) {
        state.SkipWithError("no default samples");
        return;
    }
    for (auto _ : state) {
        DataList spectrum = RealSpectrumList(samples, kSamples / 2);
        benchmark::DoNotOptimize(spectrum.Lines().data());
        benchmark::ClobberMemory();
    }
}

void RealFtKernel(benchmark::State& state) {
    const DataList samples = DefaultSampleList();
    if (samples.Count() != kSamples + 2) {
        state.SkipWithError("no default samples");
        return;
    }
    // One-based, as REALFT takes them; the kernel works in place, so every transform
    // starts from a fresh copy of the same samples.
    std::vector<double> input(kSamples + 1, 0.0);
    for (int k = 1; k <= kSamples; ++k) input[static_cast<size_t>(k)] = samples.Value(k);
    std::vector<double> data(input.size());
    for (auto _ : state) {
        std::copy(input.begin(), input.end(), data.begin());
        REALFT(data.data(), kSamples / 2, 1);
        benchmark::DoNotOptimize(data.data());
        benchmark::ClobberMemory();
    }
}

bool Register() {
    benchmark::RegisterBenchmark("recompute/Both", RecomputeBoth)->Unit(benchmark::kMicrosecond);
    benchmark::RegisterBenchmark("recompute/SpectrumList", TransformDriver)
        ->Unit(benchmark::kMicrosecond);
    benchmark::RegisterBenchmark("recompute/REALFT", RealFtKernel)->Unit(benchmark::kMicrosecond);
    return RegisterRatio("recompute/Both", "recompute/REALFT") &&
           RegisterRatio("recompute/Both", "recompute/SpectrumList") &&
           RegisterRatio("recompute/SpectrumList", "recompute/REALFT");
}

const bool kRegistered = Register();

}  // namespace

}  // namespace quorbel::bench
