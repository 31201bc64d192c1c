// A frame of the live view of the sound input: the last 8192 samples heard taken from
// the ring, their sampleList, the real-data transform of its text, the display lists
// and the musical graph over the keyboard with the strongest peak's note. The
// reference, measured in the same run, is REALFT alone on the same 8192 samples, so
// the ratio says what the window adds around the kernel. A frame must cost at most
// 2 ms of CPU: 30 frames a second then take under 6 % of one core.
//
// "live/Frame8192" draws on recording surfaces: the drawing calls are all made, but no
// pixels are painted. "live/Frame8192Paint" paints the same frame into the images the
// window shows (the graphs' pixels, text included); putting them on the screen is left
// to the display.
#include <benchmark/benchmark.h>

#include <vector>

#include "FakeSoundInput.h"
#include "RecordedSurfaces.h"
#include "RecordingPlatform.h"
#include "bench_application.h"
#include "bench_folder.h"
#include "bench_ratio.h"
#include "fourier/RealFt.h"
#include "surface/ImageSurface.h"
#include "windows/MainWindowModel.h"

namespace quorbel::bench {

namespace {

constexpr int kRate = 44100;
constexpr int kFrame = 8192;  // the live view's default length

// A chord heard by the input: A4 with two harmonics and a C#5 beside it.
std::vector<double> Chord(int count) {
    return testing::Tones({{440, 0.4}, {880, 0.2}, {1320, 0.1}, {554.37, 0.2}}, kRate, count);
}

struct WithApplication {
    WithApplication() { NeedApplication(); }
};

// The main window's graphs as images of the window's own sizes, painted as on a 96-dpi
// screen; the windows the live view does not draw on keep records.
struct PaintedSurfaces : WithApplication {
    MainWindowSurfaces All() {
        return {picture1,      picture2,  picture8, picture9,
                records.form5, &picture5, nullptr,  &records.rawSurfaces,
                &records.form8};
    }
    ImageSurface picture1{kPicture1Width, kPicture1Height};
    ImageSurface picture2{kPicture2Width, kPicture2Height};
    ImageSurface picture8{kHalfGraphWidth, kHalfGraphHeight};
    ImageSurface picture9{kHalfGraphWidth, kHalfGraphHeight};
    ImageSurface picture5{music::kCanvasWidth, music::kCanvasHeight};
    testing::RecordedSurfaces records;
};

// The main window listening to the chord on the musical graph, its first frame drawn.
template <class Surfaces>
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
    Surfaces surfaces_;
    MainWindowModel window_;
    bool ready_ = false;
};

template <class Surfaces>
void LiveFrame(benchmark::State& state) {
    ListeningWindow<Surfaces> listening;
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
    benchmark::RegisterBenchmark("live/Frame8192", LiveFrame<testing::RecordedSurfaces>)
        ->Unit(benchmark::kMicrosecond);
    benchmark::RegisterBenchmark("live/Frame8192Paint", LiveFrame<PaintedSurfaces>)
        ->Unit(benchmark::kMicrosecond);
    benchmark::RegisterBenchmark("live/REALFT8192", RealFtOfAFrame)->Unit(benchmark::kMicrosecond);
    return RegisterRatio("live/Frame8192", "live/REALFT8192") &&
           RegisterRatio("live/Frame8192Paint", "live/REALFT8192");
}

const bool kRegistered = Register();

}  // namespace

}  // namespace quorbel::bench
