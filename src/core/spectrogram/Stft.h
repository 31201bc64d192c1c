#pragma once
// The short-time Fourier transform of a sound: frames of `frame` samples every `hop`
// samples, frame k starting at sample k * hop (full frames only), each weighted by a
// Hann window and transformed by REALFT. The level of bin b (0 .. frame/2, at
// b * fs / frame hertz) is in decibels relative to a full-scale sine: a sine of
// amplitude 1 on a bin reads 0 dB, because the modulus is divided by half the sum of
// the window's weights.
#include <cstdint>
#include <optional>
#include <string>
#include <vector>

namespace quorbel {

inline constexpr int kMinStftFrame = 256;
inline constexpr int kMaxStftFrame = 16384;
inline constexpr int kDefaultStftFrame = 2048;
// The level of a bin that holds nothing at all, decibels.
inline constexpr double kSilenceDb = -300;

struct StftSettings {
    int frame = kDefaultStftFrame;
    int hop = kDefaultStftFrame / 4;
};

// Why `frame` and `hop` cannot be used (a frame must be a power of two from 256 to
// 16384, the hop from 1 to the frame), or nothing when they can.
std::optional<std::string> StftSettingsError(const StftSettings& settings);

// The periodic Hann weights over `points` samples: 0.5 - 0.5 cos(2 pi k / points).
std::vector<double> HannWeights(int points);

// Full frames in a sound of `length` samples (0 when it is shorter than one frame).
std::int64_t StftFrameCount(std::int64_t length, const StftSettings& settings);
// The centre of frame k, seconds: (k hop + frame / 2) / rate.
double StftFrameTime(std::int64_t k, const StftSettings& settings, double rate);

// The transform of one frame at a time, through buffers made once.
class FrameTransform {
  public:
    explicit FrameTransform(int frame);
    // The array is found inside a buffer of its own: no copies.
    FrameTransform(const FrameTransform&) = delete;
    FrameTransform& operator=(const FrameTransform&) = delete;
    int Bins() const { return frame_ / 2 + 1; }
    // The power of bins 0 .. frame/2 of samples[0 .. frame): the squared modulus over
    // the square of half the weights' sum, so that 10 log10 of it is the level in dB.
    void Power(const double* samples, double* power);
    // The same powers, each rounded to single precision, added to sums[0 .. frame/2].
    void AddPower(const double* samples, float* sums);
    std::size_t BufferBytes() const;

  private:
    // Weights samples[0 .. frame) into the transform's array and transforms them.
    void Transform(const double* samples);

    int frame_;
    std::vector<double> weights_;
    double halfSum_ = 0;
    std::vector<double> buffer_;
    // The one-based layout REALFT works on, inside buffer_ where data_[1] starts a
    // 64-byte line: the transform's vector loads then never straddle two lines.
    double* data_ = nullptr;
};

// A power as a level, decibels; kSilenceDb for no power.
double PowerDb(double power);

}  // namespace quorbel
