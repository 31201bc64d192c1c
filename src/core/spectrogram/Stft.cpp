#include "spectrogram/Stft.h"

#include <bit>
#include <cmath>

#include "fourier/RealFt.h"
#include "platform/Translation.h"
#include "state/Pi.h"

namespace quorbel {

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
    : frame_(frame), weights_(HannWeights(frame)), data_(static_cast<size_t>(frame) + 1) {
    double sum = 0;
    for (double w : weights_) sum += w;
    halfSum_ = sum / 2;
}

void FrameTransform::Power(const double* samples, double* power) {
    for (int k = 0; k < frame_; ++k)
        data_[static_cast<size_t>(k) + 1] = samples[k] * weights_[static_cast<size_t>(k)];
    const int N = frame_ / 2;
    REALFT(data_.data(), N, 1);
    const double norm = 1 / (halfSum_ * halfSum_);
    // REALFT packs the real values of 0 Hz and of half the sampling rate first.
    power[0] = data_[1] * data_[1] * norm;
    power[N] = data_[2] * data_[2] * norm;
    for (int n = 1; n < N; ++n) {
        const double re = data_[static_cast<size_t>(2 * n + 1)];
        const double im = data_[static_cast<size_t>(2 * n + 2)];
        power[n] = (re * re + im * im) * norm;
    }
}

std::size_t FrameTransform::BufferBytes() const {
    return (weights_.capacity() + data_.capacity()) * sizeof(double);
}

double PowerDb(double power) {
    if (!(power > 0)) return kSilenceDb;
    const double db = 10 * std::log10(power);
    return db < kSilenceDb ? kSilenceDb : db;
}

}  // namespace quorbel
