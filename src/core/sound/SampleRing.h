#pragma once
// The live view's memory of the sound input: the most recent samples, in a ring of
// fixed capacity that never grows or moves while the input runs. The analyser takes
// the last N of them for each frame.
#include <cstddef>
#include <vector>

namespace quorbel {

// The number of samples the live view analyses: a power of two, as a transfer takes.
inline constexpr int kMinLiveSamples = 1024;
inline constexpr int kMaxLiveSamples = 16384;
inline constexpr int kDefaultLiveSamples = 8192;

// True for the lengths the live view accepts: 1024, 2048, 4096, 8192 or 16384.
bool IsLiveLength(int n);

class SampleRing {
  public:
    // Keeps the last `capacity` samples (at least 1).
    explicit SampleRing(std::size_t capacity);

    // Appends `count` samples, oldest first; beyond the capacity the oldest go.
    void Push(const double* samples, std::size_t count);
    void Push(const std::vector<double>& samples) { Push(samples.data(), samples.size()); }
    // Forgets every sample.
    void Clear();

    std::size_t Capacity() const { return buffer_.size(); }
    // The samples held: all pushed, at most the capacity.
    std::size_t Size() const { return size_; }
    // Every sample ever pushed since the last Clear.
    unsigned long long Total() const { return total_; }

    // The last `n` samples, oldest first; fewer when fewer are held.
    std::vector<double> Last(std::size_t n) const;
    // The same into `out`, which keeps its storage from frame to frame.
    void Last(std::size_t n, std::vector<double>& out) const;

  private:
    std::vector<double> buffer_;
    std::size_t next_ = 0;  // where the next sample goes
    std::size_t size_ = 0;
    unsigned long long total_ = 0;
};

}  // namespace quorbel
