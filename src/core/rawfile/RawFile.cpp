#include "rawfile/RawFile.h"

#include <algorithm>
#include <cctype>
#include <cmath>
#include <cstdlib>
#include <fstream>
#include <system_error>

#include "platform/Translation.h"
#include "state/FileReplace.h"
#include "state/QuotedText.h"

namespace quorbel {

namespace {
// Offset binary: 128 is silence.
constexpr int kZeroLevel = 128;

std::optional<std::uintmax_t> Length(const std::filesystem::path& path, std::string* error) {
    // A pipe or a device is refused before it is opened: reading it could wait for ever.
    if (const std::optional<std::string> why = WhyNotReadable(path)) {
        *error = FillIn(Translate("Messages", "The file %1 cannot be opened: %2."),
                        {QuotedText(path.filename().string()), *why});
        return std::nullopt;
    }
    std::error_code code;
    const std::uintmax_t length = std::filesystem::file_size(path, code);
    if (code) {
        *error = FillIn(Translate("Messages", "The length of %1 cannot be read (%2)."),
                        {QuotedText(path.filename().string()), code.message()});
        return std::nullopt;
    }
    return length;
}

// Up to `count` bytes from byte offset `offset` on.
std::optional<std::string> ReadBytes(const std::filesystem::path& path, std::uintmax_t offset,
                                     std::size_t count, std::string* error) {
    std::ifstream in(path, std::ios::binary);
    if (!in) {
        *error = FillIn(Translate("Messages", "The file %1 cannot be opened for reading."),
                        {QuotedText(path.filename().string())});
        return std::nullopt;
    }
    std::string bytes(count, '\0');
    in.seekg(static_cast<std::streamoff>(offset));
    in.read(bytes.data(), static_cast<std::streamsize>(count));
    if (in.bad()) {
        *error = FillIn(Translate("Messages", "The file %1 cannot be read."),
                        {QuotedText(path.filename().string())});
        return std::nullopt;
    }
    bytes.resize(static_cast<std::size_t>(in.gcount()));
    return bytes;
}

double Sample(char byte) {
    return static_cast<int>(static_cast<unsigned char>(byte)) - kZeroLevel;
}
}  // namespace

std::optional<RawRead> ReadRawFile(const std::filesystem::path& path, std::string* error,
                                   std::uintmax_t start) {
    const std::optional<std::uintmax_t> length = Length(path, error);
    if (!length) return std::nullopt;
    if (*length == 0) {
        *error = FillIn(Translate("Messages", "The file %1 is empty: it holds no samples to plot."),
                        {"\"" + path.filename().string() + "\""});
        return std::nullopt;
    }
    if (start >= *length) {
        *error = FillIn(Translate("Messages",
                                  "The file %1 is shorter than when it was plotted; open it "
                                  "again."),
                        {QuotedText(path.filename().string())});
        return std::nullopt;
    }
    RawRead read;
    read.length = *length;
    read.start = start;
    read.n = static_cast<int>(std::min<std::uintmax_t>(*length - start, kMaxRawSamples));
    // n + 1 points are plotted; the last comes from beyond a short file.
    const std::optional<std::string> bytes =
        ReadBytes(path, start, static_cast<std::size_t>(read.n) + 1, error);
    if (!bytes) return std::nullopt;
    if (bytes->size() < static_cast<std::size_t>(read.n)) {
        *error = FillIn(Translate("Messages", "The file %1 became shorter while it was read."),
                        {QuotedText(path.filename().string())});
        return std::nullopt;
    }
    read.data.assign(static_cast<std::size_t>(read.n) + 1, 0);
    for (std::size_t i = 0; i < bytes->size(); ++i) read.data[i] = Sample((*bytes)[i]);
    return read;
}

int TransferCount(int selected) {
    for (int count = kMaxTransfer; count >= kMinTransfer; count /= 2)
        if (selected >= count) return count;
    return 0;
}

std::optional<DataList> RawSampleList(const std::filesystem::path& path, std::int64_t first, int N,
                                      std::string* error) {
    if (first < 0 || N < 1) {
        *error = Translate("Messages", "No samples were selected.");
        return std::nullopt;
    }
    const std::optional<std::string> bytes =
        ReadBytes(path, static_cast<std::uintmax_t>(first), static_cast<std::size_t>(N), error);
    if (!bytes) return std::nullopt;
    if (bytes->size() < static_cast<std::size_t>(N)) {
        *error = FillIn(Translate("Messages",
                                  "The file %1 is shorter than when it was plotted; open it "
                                  "again."),
                        {QuotedText(path.filename().string())});
        return std::nullopt;
    }
    std::vector<double> values;
    values.reserve(bytes->size());
    for (char byte : *bytes) values.push_back(Sample(byte));
    return SampleList(values);
}

DataList SampleList(const std::vector<double>& values) {
    DataList list;
    list.Reserve(static_cast<int>(values.size()) + 2);
    list.Add(std::to_string(values.size()));
    double largest = 0;
    for (double value : values) {
        list.AddNumber(value);
        largest = std::max(largest, std::abs(value));
    }
    list.AddNumber(largest);
    return list;
}

bool IsRawName(const std::filesystem::path& path) {
    std::string extension = path.extension().string();
    std::transform(extension.begin(), extension.end(), extension.begin(),
                   [](unsigned char c) { return static_cast<char>(std::tolower(c)); });
    return extension == ".raw";
}

Color SeenThroughSelection(Color under) {
    const auto mix = [](int below, int above) {
        return static_cast<int>(
            std::lround(below * (1 - kSelectionOpacity) + above * kSelectionOpacity));
    };
    return Rgb(mix(RedOf(under), RedOf(kSelectionBlue)),
               mix(GreenOf(under), GreenOf(kSelectionBlue)),
               mix(BlueOf(under), BlueOf(kSelectionBlue)));
}

void DrawRawGraph(Surface& pic, Surface& inverse, const std::vector<double>& ygraf, int limsup,
                  const std::function<void()>& advance) {
    const double W = pic.Width(), H = pic.Height();
    const double yc = H / 2;
    const double xscale = limsup > 0 ? W / limsup : 0;
    const double yscale = (3 * H / 8) / 128;
    auto y = [&](int i) { return yc - yscale * ygraf[static_cast<std::size_t>(i)]; };
    for (Surface* s : {&pic, &inverse}) {
        s->Cls();
        s->Line(0, yc, W, yc);
        s->Line(0, yc - 3 * H / 8, W, yc - 3 * H / 8, s->BackColor());
        s->Line(0, yc + 3 * H / 8, W, yc + 3 * H / 8, s->BackColor());
        s->PSet(0, y(0));
    }
    const int every = std::max(limsup / 9, 1);
    for (int i = 1; i <= limsup; ++i) {
        const double x = xscale * i;
        pic.LineTo(x, y(i));
        inverse.LineTo(x, y(i));
        if (i % every == 0 && advance) advance();
    }
}

}  // namespace quorbel
