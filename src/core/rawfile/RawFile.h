#pragma once
// ".raw" sound files: headerless 8-bit unsigned mono samples, 128 the zero level, so
// a byte b is the sample b - 128 (-128..127). The file holds no sampling frequency.
// Files are only ever read, and each read opens and closes the file.
#include <cstdint>
#include <filesystem>
#include <functional>
#include <optional>
#include <string>
#include <vector>

#include "state/DataList.h"
#include "surface/Surface.h"

namespace quorbel {

// At most this many samples are read and plotted.
inline constexpr int kMaxRawSamples = 34000;
// A transfer takes a power of two of samples from 2^10 to 2^14.
inline constexpr int kMinTransfer = 1024;
inline constexpr int kMaxTransfer = 16384;

struct RawRead {
    std::uintmax_t length = 0;  // file length in bytes
    std::uintmax_t start = 0;   // the file's sample shown first (0: its first)
    int n = 0;  // samples plotted: the rest of the file from start, at most kMaxRawSamples
    // data[0..n]: data[i] is byte start + i + 1 of the file as a sample (for a sound
    // file, its sample start + i on the same scale, full scale +-128). data[n], the
    // point one past the samples, is the next sample, or the zero level past the end.
    std::vector<double> data;
};

// Reads the samples of `path` from sample `start` on (a stretch of a long file).
// Nothing (and *error says why) when the file cannot be read, holds no byte or ends
// before `start`.
std::optional<RawRead> ReadRawFile(const std::filesystem::path& path, std::string* error,
                                   std::uintmax_t start = 0);

// The power of two that a selection of `selected` samples transfers: the largest of
// 2^14 .. 2^10 not above it, or 0 below 1024.
int TransferCount(int selected);

// sampleList of a transfer: N, the N samples from data(first) on (file bytes first+1
// .. first+N) as whole numbers, then the largest absolute value of the N samples.
// Nothing (and *error says why) when the file cannot be read that far.
std::optional<DataList> RawSampleList(const std::filesystem::path& path, std::int64_t first, int N,
                                      std::string* error);

// sampleList of the samples `values` (N = their count): N, the samples as number
// text (whole numbers for ".raw" bytes and 8-bit sound), then the largest absolute
// value among them.
DataList SampleList(const std::vector<double>& values);

// True for a name ending in ".raw" (any case): only such a file is read as headerless
// bytes. Every other file is a sound file recognised by its content.
bool IsRawName(const std::filesystem::path& path);

// The selection band lies over the graph like tinted glass: what it covers is seen
// through it, mixed with this blue at this opacity.
inline constexpr Color kSelectionBlue = Rgb(0, 0, 255);
inline constexpr double kSelectionOpacity = 0.35;
// `under` as the band shows it.
Color SeenThroughSelection(Color under);

// Plots ygraf(0..limsup) across `pic` (and `inverse`, the same plot in the other
// colours): the zero line in the middle in the foreground colour, the full-scale
// lines +-128 at 3/8 of the height above and below it in the background colour, and
// the samples joined in each surface's foreground colour. `advance` is told every
// limsup/9 points (the progress bar moves on by 8).
void DrawRawGraph(Surface& pic, Surface& inverse, const std::vector<double>& ygraf, int limsup,
                  const std::function<void()>& advance);

}  // namespace quorbel
