// A frame of the live view of the sound input: the last 8192 samples heard taken from
// the ring, their sampleList, the real-data transform of its text, the display lists
// and the musical graph over the keyboard with the strongest peak's note. The
// reference, measured in the same run, is REALFT alone on the same 8192 samples, so
// the ratio says what the window adds around the kernel. A frame must cost at most
// 2 ms of CPU: 30 frames a second then take under 6 % of one core.
//
// The graphs are recording surfaces: the drawing calls are all made, but no pixels
// are painted, so no Qt application is needed.
#include <benchmark/benchmark.h>

#include <vector>

#include "FakeSoundInput.h"
#include "RecordedSurfaces.h"
#include "RecordingPlatform.h"
#include "bench_folder.h"
#include "bench_ratio.h"
#include "fourier/RealFt.h"
#include "windows/MainWindowModel.h"

namespace quorbel::bench {

namespace {

constexpr int kRate = 44100;
constexpr int kFrame = 8192;  // the live view's default length

// A chord heard by the input: A4 with two harmonics and a C#5 beside it.
std::vector<double> Chord(int count) {
    return testing::Tones({{440, 0.4}, {880, 0.2}, {1320, 0.1}, {554.37, 0.2}}, kRate, count);
}

// The main window listening to the chord on the musical graph, its first frame drawn.
class ListeningWindow {
  public:
    ListeningWindow()
        // The window asks for its sound input when it is made.
        : window_((platform_.input = &input_, platform_),
                  ParamFile(folder_.Path() / "Zparamfile.wr"), surfaces_.All()) {
        ready_ = window_.Form_Load() && window_.Fire("mnuListenItem", Event::Click);
        input_.Feed(Chord(kFrame));
        ready_ = ready_ && window_.Fire("Command3", Event::Click) && window_.MusicalScaleShown();
    }
    bool Ready() const { return ready_ && platform_.messages.empty(); }
    MainWindowModel& Window() { return window_; }

  private:
    TemporaryFolder folder_;
    RecordingPlatform platform_;
    testing::FakeSoundInput input_;  // at 44100 Hz
    testing::RecordedSurfaces surfaces_;
    MainWindowModel window_;
    bool ready_ = false;
};

void LiveFrame(benchmark::State& state) {
    ListeningWindow listening;
    if (!listening.Ready()) {
        state.SkipWithError("the window does not listen on the musical graph");
        return;
    }
    MainWindowModel& window = listening.Window();
    for (auto _ : state) {
        window.LiveFrame();
        benchmark::DoNotOptimize(window.State().displayedValueList.Value(1));
        benchmark::ClobberMemory();
    }
    if (!listening.Ready() || window.View()["Label30"].caption.find("A4") == std::string::npos)
        state.SkipWithError("the frame did not show the chord's A4");
}

void RealFtOfAFrame(benchmark::State& state) {
    // One-based, as REALFT takes them; a fresh copy for every transform.
    std::vector<double> input = Chord(kFrame);
    for (double& x : input) x *= 128;
    input.insert(input.begin(), 0.0);
    std::vector<double> data(input.size());
    for (auto _ : state) {
        std::copy(input.begin(), input.end(), data.begin());
        REALFT(data.data(), kFrame / 2, 1);
        benchmark::DoNotOptimize(data.data());
        benchmark::ClobberMemory();
    }
}

bool Register() {
    benchmark::RegisterBenchmark("live/Frame8192", LiveFrame)->Unit(benchmark::kMicrosecond);
    benchmark::RegisterBenchmark("live/REALFT8192", RealFtOfAFrame)->Unit(benchmark::kMicrosecond);
    return RegisterRatio("live/Frame8192", "live/REALFT8192");
}

const bool kRegistered = Register();

}  // namespace

}  // namespace quorbel::bench
