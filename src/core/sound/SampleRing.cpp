#include "sound/SampleRing.h"

#include <algorithm>

namespace quorbel {

bool IsLiveLength(int n) {
    return n >= kMinLiveSamples && n <= kMaxLiveSamples && (n & (n - 1)) == 0;
}

SampleRing::SampleRing(std::size_t capacity) : buffer_(std::max<std::size_t>(capacity, 1), 0.0) {}

void SampleRing::Push(const double* samples, std::size_t count) {
    total_ += count;
    const std::size_t capacity = buffer_.size();
    // Of a chunk longer than the ring only its end can stay.
    if (count > capacity) {
        samples += count - capacity;
        count = capacity;
    }
    const std::size_t first = std::min(count, capacity - next_);
    std::copy(samples, samples + first, buffer_.begin() + static_cast<std::ptrdiff_t>(next_));
    std::copy(samples + first, samples + count, buffer_.begin());
    next_ = (next_ + count) % capacity;
    size_ = std::min(capacity, size_ + count);
}

void SampleRing::Clear() {
    next_ = 0;
    size_ = 0;
    total_ = 0;
}

std::vector<double> SampleRing::Last(std::size_t n) const {
    std::vector<double> out;
    Last(n, out);
    return out;
}

void SampleRing::Last(std::size_t n, std::vector<double>& out) const {
    n = std::min(n, size_);
    out.resize(n);
    const std::size_t capacity = buffer_.size();
    // The oldest of the n lies n places before the next free one, round the ring.
    const std::size_t start = (next_ + capacity - n) % capacity;
    const std::size_t first = std::min(n, capacity - start);
    std::copy_n(buffer_.begin() + static_cast<std::ptrdiff_t>(start), first, out.begin());
    std::copy_n(buffer_.begin(), n - first, out.begin() + static_cast<std::ptrdiff_t>(first));
}

}  // namespace quorbel
