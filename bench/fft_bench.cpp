// The transform kernels beside FFTW on the sizes the program uses: FOUR1 on the 1024
// complex points of the main window, REALFT on 1024 real samples (the main window) and on
// 32768 real samples (the largest raw-file transform). The sizes in between (FOUR1 on 4096
// and 32768 points, REALFT on 4096 samples) show how the kernels fare once the working
// array no longer fits the first-level cache.
//
// Both sides copy the same input into their working array before every transform, so
// the copy costs the same on both and each transform starts from the same data (the
// kernels work in place and would otherwise grow their values without bound).
#include <benchmark/benchmark.h>
#include <fftw3.h>

#include <algorithm>
#include <cmath>
#include <string>
#include <vector>

#include "bench_ratio.h"
#include "fourier/Four1.h"
#include "fourier/RealFt.h"

namespace quorbel::bench {

namespace {

// A few mixed waves, so no shortcut for special input can apply.
double Sample(int k) {
    return std::sin(0.37 * k) + 0.5 * std::cos(1.91 * k) + 0.25 * std::sin(0.05 * k * k);
}

std::vector<double> RealSamples(int count) {
    std::vector<double> samples(count);
    for (int k = 0; k < count; ++k) samples[k] = Sample(k);
    return samples;
}

// The same samples in a one-based array, as the kernels take them (element 0 unused).
std::vector<double> OneBasedSamples(int count) {
    std::vector<double> samples(count + 1, 0.0);
    for (int k = 0; k < count; ++k) samples[k + 1] = Sample(k);
    return samples;
}

// FFTW's arrays, aligned as its planner expects and freed with it.
template <typename T>
class FftwArray {
  public:
    explicit FftwArray(int count) : data_(static_cast<T*>(fftw_malloc(sizeof(T) * count))) {}
    ~FftwArray() { fftw_free(data_); }
    FftwArray(const FftwArray&) = delete;
    FftwArray& operator=(const FftwArray&) = delete;
    T* get() const { return data_; }

  private:
    T* data_;
};

class FftwPlan {
  public:
    explicit FftwPlan(fftw_plan plan) : plan_(plan) {}
    ~FftwPlan() { fftw_destroy_plan(plan_); }
    FftwPlan(const FftwPlan&) = delete;
    FftwPlan& operator=(const FftwPlan&) = delete;
    void Execute() const { fftw_execute(plan_); }

  private:
    fftw_plan plan_;
};

// FOUR1 on NN complex points, one-based interleaved array.
void Four1Complex(benchmark::State& state, int NN) {
    const std::vector<double> input = OneBasedSamples(2 * NN);
    std::vector<double> Y(input.size());
    for (auto _ : state) {
        std::copy(input.begin(), input.end(), Y.begin());
        FOUR1(Y.data(), NN, 1);
        benchmark::DoNotOptimize(Y.data());
        benchmark::ClobberMemory();
    }
}

// FFTW's complex transform of the same size, in place, with the positive exponent of
// FOUR1's forward direction.
void FftwComplex(benchmark::State& state, int NN) {
    FftwArray<fftw_complex> work(NN);
    const FftwPlan plan(fftw_plan_dft_1d(NN, work.get(), work.get(), FFTW_BACKWARD, FFTW_MEASURE));
    // Planning with FFTW_MEASURE overwrites the array, so the input is filled afterwards.
    const std::vector<double> input = RealSamples(2 * NN);
    for (auto _ : state) {
        std::copy(input.begin(), input.end(), &work.get()[0][0]);
        plan.Execute();
        benchmark::DoNotOptimize(work.get());
        benchmark::ClobberMemory();
    }
}

// REALFT on `count` real samples (N = count / 2 complex points).
void RealFtReal(benchmark::State& state, int count) {
    const std::vector<double> input = OneBasedSamples(count);
    std::vector<double> data(input.size());
    for (auto _ : state) {
        std::copy(input.begin(), input.end(), data.begin());
        REALFT(data.data(), count / 2, 1);
        benchmark::DoNotOptimize(data.data());
        benchmark::ClobberMemory();
    }
}

// FFTW's real-input transform of `count` samples (count/2 + 1 complex outputs).
void FftwReal(benchmark::State& state, int count) {
    FftwArray<double> in(count);
    FftwArray<fftw_complex> out(count / 2 + 1);
    const FftwPlan plan(fftw_plan_dft_r2c_1d(count, in.get(), out.get(), FFTW_MEASURE));
    const std::vector<double> input = RealSamples(count);
    for (auto _ : state) {
        std::copy(input.begin(), input.end(), in.get());
        plan.Execute();
        benchmark::DoNotOptimize(out.get());
        benchmark::ClobberMemory();
    }
}

// Registers our benchmark and the reference under "<name>/<size>" and pairs them.
bool RegisterPair(const std::string& ours, void (*oursFn)(benchmark::State&, int),
                  const std::string& reference, void (*referenceFn)(benchmark::State&, int),
                  int size) {
    const std::string oursName = ours + "/" + std::to_string(size);
    const std::string referenceName = reference + "/" + std::to_string(size);
    benchmark::RegisterBenchmark(oursName.c_str(), oursFn, size)->Unit(benchmark::kMicrosecond);
    benchmark::RegisterBenchmark(referenceName.c_str(), referenceFn, size)
        ->Unit(benchmark::kMicrosecond);
    return RegisterRatio(oursName, referenceName);
}

// Sizes in complex points for FOUR1, in real samples for REALFT.
const bool kRegistered = RegisterPair("FOUR1", Four1Complex, "fftw_dft_1d", FftwComplex, 1024) &&
                         RegisterPair("FOUR1", Four1Complex, "fftw_dft_1d", FftwComplex, 4096) &&
                         RegisterPair("FOUR1", Four1Complex, "fftw_dft_1d", FftwComplex, 32768) &&
                         RegisterPair("REALFT", RealFtReal, "fftw_dft_r2c_1d", FftwReal, 1024) &&
                         RegisterPair("REALFT", RealFtReal, "fftw_dft_r2c_1d", FftwReal, 4096) &&
                         RegisterPair("REALFT", RealFtReal, "fftw_dft_r2c_1d", FftwReal, 32768);

}  // namespace

}  // namespace quorbel::bench
