#include "spectrogram/Spectrogram.h"

#include <algorithm>
#include <cmath>
#include <cstring>

#include "platform/Translation.h"
#include "state/NumberText.h"
#include "state/QuotedText.h"

namespace quorbel {

namespace {
// Samples read ahead of the frame at a time.
constexpr std::size_t kReadBlock = 16384;
}  // namespace

int SpectrogramColumns(std::int64_t frames, int bins) {
    const std::int64_t byCells = std::max<std::int64_t>(1, kMaxSpectrogramCells / bins);
    return static_cast<int>(std::min<std::int64_t>({frames, kMaxSpectrogramColumns, byCells}));
}

std::unique_ptr<Spectrogram> Spectrogram::Start(std::unique_ptr<SoundStream> stream,
                                                const StftSettings& settings,
                                                const std::string& name, std::string* error) {
    if (const std::optional<std::string> why = StftSettingsError(settings)) {
        *error = *why;
        return nullptr;
    }
    SpectrogramInfo info;
    info.rate = stream->Rate();
    info.channels = stream->Channels();
    info.length = stream->Length();
    info.settings = settings;
    info.frames = StftFrameCount(info.length, settings);
    info.bins = settings.frame / 2 + 1;
    if (info.length <= 0) {
        *error =
            FillIn(Translate("Messages", "The file %1 is empty: it holds no samples to analyse."),
                   {QuotedText(name)});
        return nullptr;
    }
    if (info.frames == 0) {
        *error = FillIn(
            info.length == 1 ? Translate("Messages",
                                         "The file %1 holds %2 sample, fewer than one frame of "
                                         "%3 points: there is no spectrogram to show.")
                             : Translate("Messages",
                                         "The file %1 holds %2 samples, fewer than one frame of "
                                         "%3 points: there is no spectrogram to show."),
            {QuotedText(name), std::to_string(info.length), std::to_string(settings.frame)});
        return nullptr;
    }
    info.columns = SpectrogramColumns(info.frames, info.bins);
    return std::unique_ptr<Spectrogram>(new Spectrogram(std::move(stream), info, name));
}

Spectrogram::Spectrogram(std::unique_ptr<SoundStream> stream, const SpectrogramInfo& info,
                         const std::string& name)
    : stream_(std::move(stream)),
      info_(info),
      transform_(info.settings.frame),
      samples_(static_cast<std::size_t>(info.settings.frame) + kReadBlock),
      power_(static_cast<std::size_t>(info.bins)),
      sums_(static_cast<std::size_t>(info.columns) * static_cast<std::size_t>(info.bins)),
      counts_(static_cast<std::size_t>(info.columns)),
      name_(name) {}

bool Spectrogram::Fill() {
    const std::size_t frame = static_cast<std::size_t>(info_.settings.frame);
    if (end_ - begin_ >= frame) return true;
    // The unread rest moves to the front and the block behind it is filled.
    std::memmove(samples_.data(), samples_.data() + begin_, (end_ - begin_) * sizeof(double));
    end_ -= begin_;
    begin_ = 0;
    while (end_ < samples_.size()) {
        const std::size_t got = stream_->Read(samples_.data() + end_, samples_.size() - end_);
        if (got == 0) break;
        end_ += got;
    }
    return end_ >= frame;
}

bool Spectrogram::Advance(std::int64_t frames) {
    const int bins = info_.bins;
    for (std::int64_t n = 0; n < frames && !done_; ++n) {
        if (framesDone_ >= info_.frames) {
            done_ = true;
            break;
        }
        if (!Fill()) {
            done_ = true;
            StopEarly();
            break;
        }
        const int column = static_cast<int>(framesDone_ * info_.columns / info_.frames);
        float* sums = &sums_[static_cast<std::size_t>(column) * bins];
        // The powers go straight into the column's sums, unless they are listed.
        if (onFrame) {
            transform_.Power(samples_.data() + begin_, power_.data());
            for (int b = 0; b < bins; ++b)
                sums[b] += static_cast<float>(power_[static_cast<size_t>(b)]);
        } else {
            transform_.AddPower(samples_.data() + begin_, sums);
        }
        ++counts_[static_cast<std::size_t>(column)];
        if (changedFirst_ == changedEnd_) changedFirst_ = column;
        changedFirst_ = std::min(changedFirst_, column);
        changedEnd_ = std::max(changedEnd_, column + 1);
        if (onFrame) onFrame(framesDone_, power_);
        begin_ += static_cast<std::size_t>(info_.settings.hop);
        ++framesDone_;
    }
    if (framesDone_ >= info_.frames) done_ = true;
    return done_;
}

void Spectrogram::StopEarly() {
    // The frame that could not be filled starts at this sample.
    const double seconds = static_cast<double>(framesDone_) * info_.settings.hop / info_.rate;
    const std::optional<std::string> why = stream_->Failure();
    failure_ =
        FillIn(Translate("Messages",
                         "The file %1 is damaged after %2 s (%3): the spectrogram stops there."),
               {QuotedText(name_), NumberText(std::floor(seconds * 100) / 100),
                why ? *why : Translate("Messages", "it ends before the length it states")});
}

int Spectrogram::Percent() const {
    if (done_) return 100;
    return static_cast<int>(framesDone_ * 100 / info_.frames);
}

double Spectrogram::Power(int column, int bin) const {
    const int count = counts_[static_cast<std::size_t>(column)];
    if (count == 0) return 0;
    return sums_[static_cast<std::size_t>(column) * info_.bins + bin] / count;
}

namespace {
// total[0 .. count) += sums[0 .. count), four at a time through pointers that share no
// memory, so that the compiler does them in vector registers.
void AddSums(double* __restrict total, const float* __restrict sums, std::size_t count) {
    std::size_t b = 0;
    for (; b + 4 <= count; b += 4) {
        total[b] += sums[b];
        total[b + 1] += sums[b + 1];
        total[b + 2] += sums[b + 2];
        total[b + 3] += sums[b + 3];
    }
    for (; b < count; ++b) total[b] += sums[b];
}
}  // namespace

bool Spectrogram::MeanPower(int first, int end, double* power) const {
    std::int64_t frames = 0;
    for (int c = first; c < end; ++c) frames += counts_[static_cast<std::size_t>(c)];
    if (frames == 0) return false;
    const std::size_t bins = static_cast<std::size_t>(info_.bins);
    std::fill(power, power + bins, 0.0);
    for (int c = first; c < end; ++c)
        AddSums(power, &sums_[static_cast<std::size_t>(c) * bins], bins);
    for (std::size_t b = 0; b < bins; ++b) power[b] /= static_cast<double>(frames);
    return true;
}

std::pair<int, int> Spectrogram::TakeChangedColumns() {
    const std::pair<int, int> changed{changedFirst_, changedEnd_};
    changedFirst_ = changedEnd_ = 0;
    return changed;
}

std::size_t Spectrogram::Bytes() const {
    return sums_.capacity() * sizeof(float) + counts_.capacity() * sizeof(int) +
           (samples_.capacity() + power_.capacity()) * sizeof(double) + transform_.BufferBytes() +
           stream_->BufferBytes();
}

}  // namespace quorbel
