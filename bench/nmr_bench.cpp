// An NMR spectrum from a 64 k-point FID zero-filled to 128 k points (exponential window,
// the digital filter's delay, phase correction), beside the same processing in numpy
// measured in the same run; and the drawing of that spectrum on a picture, beside it.
//
// numpy runs in a child process that does one processing per request and answers with
// the CPU seconds it took (process time). So that the pair compares like with like, both
// benchmarks of the pair report CPU seconds as their time (manual time): in the ratio
// table the "real" column of this pair is the ratio of CPU times; its "CPU" column is
// meaningless for the child process.
#include <benchmark/benchmark.h>
#include <sys/wait.h>
#include <time.h>
#include <unistd.h>

#include <cmath>
#include <cstdio>
#include <filesystem>
#include <fstream>
#include <numbers>
#include <random>
#include <string>

#include "bench_application.h"
#include "bench_ratio.h"
#include "nmr/NmrGraph.h"
#include "nmr/NmrProcessing.h"
#include "surface/ImageSurface.h"

namespace quorbel::bench {

namespace {

constexpr int kFidPoints = 65536;
constexpr int kSpectrumPoints = 131072;
constexpr double kSweepHz = 8000;
constexpr double kGroupDelay = 67.9842071533203;

double ThreadSeconds() {
    timespec t{};
    clock_gettime(CLOCK_THREAD_CPUTIME_ID, &t);
    return static_cast<double>(t.tv_sec) + 1e-9 * static_cast<double>(t.tv_nsec);
}

// Twenty lines with noise, as a proton FID of 8 s.
const nmr::Fid& Fid() {
    static const nmr::Fid fid = [] {
        nmr::Fid f;
        f.sweepHz = kSweepHz;
        f.groupDelay = kGroupDelay;
        std::mt19937 random(7);
        std::normal_distribution<double> noise(0, 0.01);
        for (int n = 0; n < kFidPoints; ++n) {
            const double t = n / kSweepHz;
            std::complex<double> v = 0;
            for (int line = 0; line < 20; ++line)
                v += std::polar(std::exp(-t / 0.6),
                                2 * std::numbers::pi * (150.0 * line - 1500) * t);
            f.points.push_back(v + std::complex<double>(noise(random), noise(random)));
        }
        return f;
    }();
    return fid;
}

nmr::Processing Parameters() {
    nmr::Processing p;
    p.size = kSpectrumPoints;
    p.window = nmr::Window::exponential;
    p.lb = 0.3;
    p.phc0 = 30;
    p.phc1 = -20;
    p.sf = 400.13;
    p.offsetPpm = 12;
    return p;
}

void Process64k(benchmark::State& state) {
    const nmr::Processing p = Parameters();
    nmr::Spectrum spectrum;
    for (auto _ : state) {
        const double start = ThreadSeconds();
        nmr::ProcessInto(Fid(), p, spectrum);
        benchmark::DoNotOptimize(spectrum.points.data());
        state.SetIterationTime(ThreadSeconds() - start);
    }
}

// The same steps as ProcessInto, in numpy; every array made inside, as ours are.
constexpr const char* kNumpyScript = R"(
import sys, time
import numpy as np
fid = np.fromfile(sys.argv[1], dtype=np.complex128)
si, sw, lb, grpdly, phc0, phc1 = 131072, 8000.0, 0.3, 67.9842071533203, 30.0, -20.0
def process():
    n = len(fid)
    w = np.exp(-np.pi * lb * np.arange(n) / sw)
    z = np.zeros(si, dtype=np.complex128)
    z[:n] = np.conj(fid) * w
    s = np.fft.fftshift(np.fft.fft(z))
    k = np.arange(si)
    s *= np.exp(1j * (np.deg2rad(phc0) + (2 * np.pi * grpdly + np.deg2rad(phc1)) * k / si))
    return s
process()
sys.stdout.write("ready\n"); sys.stdout.flush()
for line in sys.stdin:
    start = time.process_time()
    process()
    sys.stdout.write("%.9f\n" % (time.process_time() - start)); sys.stdout.flush()
)";

// The numpy child: started once, asked once per iteration.
class NumpyChild {
  public:
    NumpyChild() {
        const std::filesystem::path folder = std::filesystem::temp_directory_path();
        fidPath_ = folder / ("quorbel-nmr-bench-" + std::to_string(::getpid()) + ".bin");
        std::ofstream(fidPath_, std::ios::binary)
            .write(
                reinterpret_cast<const char*>(Fid().points.data()),
                static_cast<std::streamsize>(Fid().points.size() * sizeof(std::complex<double>)));
        int toChild[2], fromChild[2];
        if (::pipe(toChild) != 0 || ::pipe(fromChild) != 0) return;
        pid_ = ::fork();
        if (pid_ == 0) {
            ::dup2(toChild[0], 0);
            ::dup2(fromChild[1], 1);
            ::close(toChild[1]);
            ::close(fromChild[0]);
            ::execl("/usr/bin/python3", "python3", "-c", kNumpyScript, fidPath_.c_str(),
                    static_cast<char*>(nullptr));
            ::_exit(127);
        }
        ::close(toChild[0]);
        ::close(fromChild[1]);
        in_ = ::fdopen(fromChild[0], "r");
        out_ = ::fdopen(toChild[1], "w");
        ready_ = Line() == "ready";
    }
    ~NumpyChild() {
        if (out_) std::fclose(out_);
        if (in_) std::fclose(in_);
        if (pid_ > 0) ::waitpid(pid_, nullptr, 0);
        std::filesystem::remove(fidPath_);
    }
    bool Ready() const { return ready_; }
    // The CPU seconds of one processing, or a negative number when the child failed.
    double Run() {
        std::fputs("run\n", out_);
        std::fflush(out_);
        const std::string answer = Line();
        return answer.empty() ? -1 : std::stod(answer);
    }

  private:
    std::string Line() {
        char buffer[128];
        if (!in_ || !std::fgets(buffer, sizeof buffer, in_)) return "";
        std::string line(buffer);
        while (!line.empty() && (line.back() == '\n' || line.back() == '\r')) line.pop_back();
        return line;
    }
    std::filesystem::path fidPath_;
    pid_t pid_ = -1;
    std::FILE* in_ = nullptr;
    std::FILE* out_ = nullptr;
    bool ready_ = false;
};

void Numpy64k(benchmark::State& state) {
    NumpyChild child;
    if (!child.Ready()) {
        state.SkipWithError("python3 with numpy could not be started");
        return;
    }
    for (auto _ : state) {
        const double seconds = child.Run();
        if (seconds < 0) {
            state.SkipWithError("the numpy child stopped");
            return;
        }
        state.SetIterationTime(seconds);
    }
}

// The spectrum drawn on the picture the NMR window shows (600 x 300 pixels).
void Draw128k(benchmark::State& state) {
    NeedApplication();
    const nmr::Spectrum spectrum = nmr::Process(Fid(), Parameters());
    const nmr::SpectrumView view = nmr::WholeView(spectrum);
    ImageSurface picture(9000, 4500 + nmr::kAxisBand);
    for (auto _ : state) {
        const double start = ThreadSeconds();
        nmr::DrawSpectrum(picture, spectrum, view);
        state.SetIterationTime(ThreadSeconds() - start);
    }
}

BENCHMARK(Process64k)->Name("nmr/Process64k")->UseManualTime()->Unit(benchmark::kMillisecond);
BENCHMARK(Numpy64k)->Name("nmr/Numpy64k")->UseManualTime()->Unit(benchmark::kMillisecond);
BENCHMARK(Draw128k)->Name("nmr/Draw128k")->UseManualTime()->Unit(benchmark::kMillisecond);

const bool kRegistered = RegisterRatio("nmr/Process64k/manual_time", "nmr/Numpy64k/manual_time") &&
                         RegisterRatio("nmr/Draw128k/manual_time", "nmr/Process64k/manual_time");

}  // namespace

}  // namespace quorbel::bench
