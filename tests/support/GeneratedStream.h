#pragma once
// A sound made sample by sample for the spectrogram's tests, never held whole; it
// remembers the largest block asked for.
#include <algorithm>
#include <cstdint>
#include <functional>
#include <utility>

#include "rawfile/SoundStream.h"

namespace quorbel::testing {

class GeneratedStream : public SoundStream {
  public:
    GeneratedStream(double rate, std::int64_t length, std::function<double(std::int64_t)> sample)
        : rate_(rate), length_(length), sample_(std::move(sample)) {}
    double Rate() const override { return rate_; }
    std::int64_t Length() const override { return length_; }
    std::size_t Read(double* out, std::size_t count) override {
        largestRead = std::max(largestRead, count);
        std::size_t n = 0;
        for (; n < count && next_ < length_; ++n) out[n] = sample_(next_++);
        return n;
    }
    std::size_t largestRead = 0;

  private:
    double rate_;
    std::int64_t length_;
    std::function<double(std::int64_t)> sample_;
    std::int64_t next_ = 0;
};

}  // namespace quorbel::testing
