// The spectrogram of a 3-minute 44.1 kHz recording with the window's frame of 2048
// points every 512: the whole picture as "fftquorbel-cli spectrogram FILE OUT.png"
// makes it (reading, analysis, drawing, PNG file), and the analysis alone (reading,
// windowed power, the grid of columns). The reference, measured in the same run, is
// REALFT alone on the same number of 2048-point frames, so the ratios say what the
// spectrogram adds around the transforms it cannot do without.
#include <benchmark/benchmark.h>
#include <sndfile.h>

#include <algorithm>
#include <cmath>
#include <cstdlib>
#include <memory>
#include <random>
#include <sstream>
#include <string>
#include <vector>

#include "CliRun.h"
#include "bench_application.h"
#include "bench_folder.h"
#include "bench_ratio.h"
#include "fourier/RealFt.h"
#include "rawfile/SoundStream.h"
#include "spectrogram/Spectrogram.h"

namespace quorbel::bench {

namespace {

constexpr int kRate = 44100;
constexpr int kSeconds = 180;
constexpr StftSettings kSettings{2048, 512};
constexpr double kTwoPi = 6.283185307179586;

// A recording-like sound: a melody stepping every half second with a harmonic, a slow
// glide underneath and a little noise, written once as a 16-bit mono WAV.
class RecordingFile {
  public:
    RecordingFile() : path_((folder_.Path() / "recording.wav").string()) {
        const double notes[] = {440, 493.88, 554.37, 587.33, 659.26, 739.99, 830.61, 880};
        std::minstd_rand random(1);
        std::normal_distribution<double> noise(0, 0.01);
        std::vector<double> x(static_cast<size_t>(kRate) * kSeconds);
        for (size_t k = 0; k < x.size(); ++k) {
            const double t = static_cast<double>(k) / kRate;
            const double f = notes[(k / (kRate / 2)) % 8];
            x[k] = 0.4 * std::sin(kTwoPi * f * t) + 0.15 * std::sin(2 * kTwoPi * f * t) +
                   0.1 * std::sin(kTwoPi * (100 + 20 * std::sin(0.05 * t)) * t) + noise(random);
        }
        SF_INFO info{};
        info.samplerate = kRate;
        info.channels = 1;
        info.format = SF_FORMAT_WAV | SF_FORMAT_PCM_16;
        SNDFILE* file = sf_open(path_.c_str(), SFM_WRITE, &info);
        written_ = file && sf_writef_double(file, x.data(), static_cast<sf_count_t>(x.size())) ==
                               static_cast<sf_count_t>(x.size());
        if (file) sf_close(file);
    }
    bool Written() const { return written_; }
    const std::string& Path() const { return path_; }
    std::string Beside(const std::string& name) const { return (folder_.Path() / name).string(); }

  private:
    TemporaryFolder folder_;
    std::string path_;
    bool written_ = false;
};

const RecordingFile& Recording() {
    static const RecordingFile file;
    return file;
}

void WholePicture(benchmark::State& state) {
    NeedApplication();
    if (!Recording().Written()) {
        state.SkipWithError("the recording could not be written");
        return;
    }
    const std::vector<std::string> arguments = {"spectrogram", Recording().Path(),
                                                Recording().Beside("spectrogram.png")};
    for (auto _ : state) {
        std::ostringstream out, err;
        if (cli::RunCli(arguments, out, err) != cli::kExitOk) {
            state.SkipWithError(("the picture was not written: " + err.str()).c_str());
            return;
        }
    }
}

void AnalysisAlone(benchmark::State& state) {
    if (!Recording().Written()) {
        state.SkipWithError("the recording could not be written");
        return;
    }
    for (auto _ : state) {
        std::string error;
        std::unique_ptr<Spectrogram> spectrogram = Spectrogram::Start(
            OpenSoundStream(Recording().Path(), ChannelChoice::first, kRate, &error), kSettings,
            "recording.wav", &error);
        if (!spectrogram) {
            state.SkipWithError(error.c_str());
            return;
        }
        while (!spectrogram->Advance(1 << 16)) {
        }
        benchmark::DoNotOptimize(spectrogram->Power(0, 20));
    }
}

// `count` doubles starting on a 64-byte boundary. The string copy of some processors is
// many times slower into a destination that is not, which would swamp the transform.
class AlignedDoubles {
  public:
    explicit AlignedDoubles(std::size_t count)
        : data_(static_cast<double*>(
              std::aligned_alloc(64, (count * sizeof(double) + 63) / 64 * 64))) {}
    ~AlignedDoubles() { std::free(data_); }
    AlignedDoubles(const AlignedDoubles&) = delete;
    AlignedDoubles& operator=(const AlignedDoubles&) = delete;
    double* get() const { return data_; }

  private:
    double* data_;
};

// REALFT on as many frames as the recording holds, each a fresh copy of one frame.
void TransformsAlone(benchmark::State& state) {
    const std::int64_t frames = StftFrameCount(std::int64_t{kRate} * kSeconds, kSettings);
    const std::size_t size = static_cast<std::size_t>(kSettings.frame) + 1;  // one-based
    AlignedDoubles input(size), data(size);
    input.get()[0] = 0;
    for (int k = 0; k < kSettings.frame; ++k)
        input.get()[k + 1] = std::sin(0.37 * k) + 0.5 * std::cos(1.91 * k);
    for (auto _ : state) {
        for (std::int64_t n = 0; n < frames; ++n) {
            std::copy(input.get(), input.get() + size, data.get());
            REALFT(data.get(), kSettings.frame / 2, 1);
            benchmark::DoNotOptimize(data.get());
            benchmark::ClobberMemory();
        }
    }
}

bool Register() {
    benchmark::RegisterBenchmark("spectrogram/Picture3min", WholePicture)
        ->Unit(benchmark::kMillisecond);
    benchmark::RegisterBenchmark("spectrogram/Analysis3min", AnalysisAlone)
        ->Unit(benchmark::kMillisecond);
    benchmark::RegisterBenchmark("spectrogram/REALFT3min", TransformsAlone)
        ->Unit(benchmark::kMillisecond);
    return RegisterRatio("spectrogram/Picture3min", "spectrogram/REALFT3min") &&
           RegisterRatio("spectrogram/Analysis3min", "spectrogram/REALFT3min");
}

const bool kRegistered = Register();

}  // namespace

}  // namespace quorbel::bench
