#include "rawfile/SoundStream.h"

#include <fstream>
#include <vector>

#include "platform/Translation.h"
#include "rawfile/RawFile.h"
#include "state/FileReplace.h"
#include "state/QuotedText.h"

namespace quorbel {

namespace {

// A ".raw" file: every byte is a sample, 128 the zero level.
class RawByteStream : public SoundStream {
  public:
    RawByteStream(const std::filesystem::path& path, std::int64_t length, double rate)
        : in_(path, std::ios::binary), length_(length), rate_(rate) {}

    bool Good() const { return static_cast<bool>(in_); }
    double Rate() const override { return rate_; }
    std::int64_t Length() const override { return length_; }
    std::size_t BufferBytes() const override { return bytes_.capacity(); }

    std::size_t Read(double* out, std::size_t count) override {
        bytes_.resize(count);
        in_.read(reinterpret_cast<char*>(bytes_.data()), static_cast<std::streamsize>(count));
        const std::size_t got = static_cast<std::size_t>(in_.gcount());
        // 128 is a power of two: the division is exact.
        for (std::size_t i = 0; i < got; ++i) out[i] = (static_cast<int>(bytes_[i]) - 128) / 128.0;
        return got;
    }

  private:
    std::ifstream in_;
    std::int64_t length_;
    double rate_;
    std::vector<unsigned char> bytes_;
};

}  // namespace

std::unique_ptr<SoundStream> OpenSoundStream(const std::filesystem::path& path,
                                             ChannelChoice choice, double rawRate,
                                             std::string* error) {
    if (!IsRawName(path)) return OpenSoundFileStream(path, choice, error);
    const std::string name = QuotedText(path.filename().string());
    if (const std::optional<std::string> why = WhyNotReadable(path)) {
        *error = FillIn(Translate("Messages", "The file %1 cannot be opened: %2."), {name, *why});
        return nullptr;
    }
    std::error_code code;
    const std::uintmax_t length = std::filesystem::file_size(path, code);
    if (code) {
        *error = FillIn(Translate("Messages", "The file %1 cannot be read (%2)."),
                        {name, code.message()});
        return nullptr;
    }
    if (length == 0) {
        *error = FillIn(Translate("Messages", "The file %1 is empty: it holds no samples to plot."),
                        {name});
        return nullptr;
    }
    auto stream = std::make_unique<RawByteStream>(path, static_cast<std::int64_t>(length), rawRate);
    if (!stream->Good()) {
        *error = FillIn(Translate("Messages", "The file %1 cannot be read."), {name});
        return nullptr;
    }
    return stream;
}

}  // namespace quorbel
