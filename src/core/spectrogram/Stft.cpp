#include "spectrogram/Stft.h"

#include <bit>
#include <cmath>
#include <cstdint>

#include "fourier/RealFt.h"
#include "platform/Translation.h"
#include "state/Pi.h"

namespace quorbel {

namespace {
// Doubles in a 64-byte line of memory.
constexpr std::size_t kLineDoubles = 8;
}  // namespace

std::optional<std::string> StftSettingsError(const StftSettings& settings) {
    const int frame = settings.frame;
    if (frame < kMinStftFrame || frame > kMaxStftFrame ||
        !std::has_single_bit(static_cast<unsigned>(frame)))
        return FillIn(
            Translate("Messages", "The frame must be a power of two from %1 to %2 points, not %3."),
            {std::to_string(kMinStftFrame), std::to_string(kMaxStftFrame), std::to_string(frame)});
    if (settings.hop < 1 || settings.hop > frame)
        return FillIn(
            Translate("Messages", "The hop must be from 1 to the frame's %1 points, not %2."),
            {std::to_string(frame), std::to_string(settings.hop)});
    return std::nullopt;
}

std::vector<double> HannWeights(int points) {
    std::vector<double> weights(static_cast<size_t>(points));
    for (int k = 0; k < points; ++k)
        weights[static_cast<size_t>(k)] = 0.5 - 0.5 * std::cos(2 * kPi * k / points);
    return weights;
}

std::int64_t StftFrameCount(std::int64_t length, const StftSettings& settings) {
    if (length < settings.frame) return 0;
    return (length - settings.frame) / settings.hop + 1;
}

double StftFrameTime(std::int64_t k, const StftSettings& settings, double rate) {
    return (static_cast<double>(k) * settings.hop + settings.frame / 2) / rate;
}

FrameTransform::FrameTransform(int frame)
    : frame_(frame),
      weights_(HannWeights(frame)),
      buffer_(static_cast<size_t>(frame) + 1 + kLineDoubles) {
    const auto address = reinterpret_cast<std::uintptr_t>(buffer_.data() + 1);
    const std::uintptr_t line = kLineDoubles * sizeof(double);
    data_ = buffer_.data() + (line - address % line) % line / sizeof(double);
    double sum = 0;
    for (double w : weights_) sum += w;
    halfSum_ = sum / 2;
}

namespace {

// The loops below go four values at a time (a frame is a power of two of at least 256
// points), through pointers that share no memory, so that the compiler does each group
// in vector registers. Every value is computed by the same operations in the same order
// as one at a time: the powers do not change by a bit.

void Weigh(const double* __restrict samples, const double* __restrict weights,
           double* __restrict out, int count) {
    for (int k = 0; k < count; k += 4) {
        out[k] = samples[k] * weights[k];
        out[k + 1] = samples[k + 1] * weights[k + 1];
        out[k + 2] = samples[k + 2] * weights[k + 2];
        out[k + 3] = samples[k + 3] * weights[k + 3];
    }
}

// Hands the power of every bin of REALFT's output `data` (N complex points) to
// put(out[n], power).
template <class T, class Put>
void EachPower(const double* __restrict data, int N, double norm, T* __restrict out, Put put) {
    // REALFT packs the real values of 0 Hz and of half the sampling rate first; bin n
    // of the others is data[2n + 1] + i data[2n + 2].
    put(out[0], data[1] * data[1] * norm);
    put(out[N], data[2] * data[2] * norm);
    const auto power = [data, norm](int n) {
        const double re = data[2 * n + 1], im = data[2 * n + 2];
        return (re * re + im * im) * norm;
    };
    int n = 1;
    for (; n + 4 <= N; n += 4) {
        put(out[n], power(n));
        put(out[n + 1], power(n + 1));
        put(out[n + 2], power(n + 2));
        put(out[n + 3], power(n + 3));
    }
    for (; n < N; ++n) put(out[n], power(n));
}

}  // namespace

void FrameTransform::Transform(const double* samples) {
    Weigh(samples, weights_.data(), data_ + 1, frame_);
    REALFT(data_, frame_ / 2, 1);
}

void FrameTransform::Power(const double* samples, double* power) {
    Transform(samples);
    EachPower(data_, frame_ / 2, 1 / (halfSum_ * halfSum_), power,
              [](double& out, double p) { out = p; });
}

void FrameTransform::AddPower(const double* samples, float* sums) {
    Transform(samples);
    EachPower(data_, frame_ / 2, 1 / (halfSum_ * halfSum_), sums,
              [](float& out, double p) { out += static_cast<float>(p); });
}

std::size_t FrameTransform::BufferBytes() const {
    return (weights_.capacity() + buffer_.capacity()) * sizeof(double);
}

double PowerDb(double power) {
    if (!(power > 0)) return kSilenceDb;
    const double db = 10 * std::log10(power);
    return db < kSilenceDb ? kSilenceDb : db;
}

}  // namespace quorbel
