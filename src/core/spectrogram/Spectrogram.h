#pragma once
// The spectrogram of a whole sound, computed in slices so that a window stays usable
// while a long file is analysed. The sound is streamed: a block of samples and one
// frame's buffers are held, never the file. The analysis is a grid of at most
// kMaxSpectrogramColumns columns by frame/2 + 1 bins; a column holds the mean power of
// the frames that fall into it (frame k into column k * columns / frames), so its
// memory depends on the frame, never on the sound's length.
#include <cstdint>
#include <functional>
#include <memory>
#include <optional>
#include <string>
#include <utility>
#include <vector>

#include "rawfile/SoundStream.h"
#include "spectrogram/Stft.h"

namespace quorbel {

inline constexpr int kMaxSpectrogramColumns = 4096;
// The grid never holds more cells than 4096 columns of a 2048-point frame's bins:
// longer frames get fewer columns.
inline constexpr std::int64_t kMaxSpectrogramCells = 4096LL * 1025;

struct SpectrogramInfo {
    double rate = 0;          // hertz
    int channels = 0;         // of the file (one is analysed: first or mean)
    std::int64_t length = 0;  // samples
    StftSettings settings;
    std::int64_t frames = 0;  // full frames
    int columns = 0;
    int bins = 0;  // frame/2 + 1

    double Seconds() const { return rate > 0 ? length / rate : 0; }
    double BinHz() const { return rate / settings.frame; }
};

// The columns of a grid for `frames` frames of `bins` bins.
int SpectrogramColumns(std::int64_t frames, int bins);

class Spectrogram {
  public:
    // Starts on `stream`. Nothing (and *error says why, naming the file `name`) when
    // the settings cannot be used or the sound is shorter than one frame.
    static std::unique_ptr<Spectrogram> Start(std::unique_ptr<SoundStream> stream,
                                              const StftSettings& settings, const std::string& name,
                                              std::string* error);

    // Analyses up to `frames` more frames; true once every frame is done (or the
    // sound ended early: Failure() then says so).
    bool Advance(std::int64_t frames);
    // Why the analysis stopped before the sound's last frame (the file is damaged
    // there, or became shorter while it was read), a sentence naming the file and
    // the second; nothing while it has not.
    const std::optional<std::string>& Failure() const { return failure_; }
    bool Done() const { return done_; }
    std::int64_t FramesDone() const { return framesDone_; }
    // 0 .. 100.
    int Percent() const;
    const SpectrogramInfo& Info() const { return info_; }

    // Whether column c holds a frame yet.
    bool Filled(int column) const { return counts_[static_cast<size_t>(column)] > 0; }
    // The mean power of bin b in column c (0 while the column is empty).
    double Power(int column, int bin) const;
    // Its level, decibels.
    double Level(int column, int bin) const { return PowerDb(Power(column, bin)); }
    // The mean power of every bin over all the frames of columns first .. end - 1, into
    // power[0 .. bins); false, leaving it as it was, while none of them holds a frame.
    bool MeanPower(int first, int end, double* power) const;
    // The columns changed since the last call, first and one past the last (equal
    // when none changed).
    std::pair<int, int> TakeChangedColumns();

    // Told every frame: its number and the power of its bins (the csv listing).
    std::function<void(std::int64_t k, const std::vector<double>& power)> onFrame;

    // The bytes held: the grid, the frame's buffers and the reading block.
    std::size_t Bytes() const;

  private:
    Spectrogram(std::unique_ptr<SoundStream> stream, const SpectrogramInfo& info,
                const std::string& name);
    // Makes samples[begin_ .. begin_ + frame) hold the next frame; false at the end.
    bool Fill();
    // Ends the analysis before the sound's last frame, saying why.
    void StopEarly();

    std::unique_ptr<SoundStream> stream_;
    SpectrogramInfo info_;
    FrameTransform transform_;
    std::vector<double> samples_;  // a frame and a block of samples read ahead
    std::size_t begin_ = 0, end_ = 0;
    std::vector<double> power_;  // of the frame just transformed
    std::vector<float> sums_;    // columns x bins: the summed power of the column's frames
    std::vector<int> counts_;    // frames summed per column
    std::int64_t framesDone_ = 0;
    bool done_ = false;
    std::string name_;
    std::optional<std::string> failure_;
    int changedFirst_ = 0, changedEnd_ = 0;
};

}  // namespace quorbel
