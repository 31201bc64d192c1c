#include "nmr/BrukerReader.h"

#include <bit>
#include <cmath>
#include <cstdint>
#include <cstring>

#include "nmr/NmrFile.h"
#include "platform/Translation.h"
#include "state/NumberText.h"

namespace quorbel::nmr {

namespace fs = std::filesystem;

namespace {

std::uint64_t Unsigned(const unsigned char* p, int bytes, bool bigEndian) {
    std::uint64_t value = 0;
    for (int b = 0; b < bytes; ++b) {
        const int index = bigEndian ? b : bytes - 1 - b;
        value = (value << 8) | p[index];
    }
    return value;
}

double ValueAt(const unsigned char* p, bool float64, bool bigEndian) {
    if (float64) return std::bit_cast<double>(Unsigned(p, 8, bigEndian));
    return static_cast<std::int32_t>(static_cast<std::uint32_t>(Unsigned(p, 4, bigEndian)));
}

fs::path ExperimentFolder(const fs::path& path) {
    std::error_code ec;
    if (fs::is_directory(path, ec)) return path;
    return path.parent_path();
}

FidRead Failure(const fs::path& path, const std::string& why) {
    return {std::nullopt, NmrFileMessage(path, why)};
}

// An integer label that must be present, or nothing.
std::optional<long long> WholeLabel(const Labels& labels, const std::string& key, long long max) {
    const std::optional<double> value = LabelNumber(labels, key);
    if (!value || !std::isfinite(*value) || *value < 0 || *value > static_cast<double>(max))
        return std::nullopt;
    return static_cast<long long>(*value);
}

}  // namespace

std::optional<std::vector<std::complex<double>>> DecodeFidBytes(const std::string& bytes,
                                                                std::size_t values, bool float64,
                                                                bool bigEndian) {
    const std::size_t width = float64 ? 8 : 4;
    if (bytes.size() / width < values) return std::nullopt;
    const auto* data = reinterpret_cast<const unsigned char*>(bytes.data());
    std::vector<std::complex<double>> points(values / 2);
    for (std::size_t k = 0; k < points.size(); ++k) {
        const unsigned char* p = data + 2 * k * width;
        points[k] = {ValueAt(p, float64, bigEndian), ValueAt(p + width, float64, bigEndian)};
        if (!std::isfinite(points[k].real()) || !std::isfinite(points[k].imag()))
            return std::nullopt;
    }
    return points;
}

FidRead ReadBrukerFolder(const fs::path& path) {
    const fs::path folder = ExperimentFolder(path);
    std::error_code ec;
    if (fs::exists(folder / "ser", ec) || fs::exists(folder / "acqu2s", ec))
        return Failure(folder, Translate("Messages", "it is a 2D experiment (only 1D is read)"));
    std::string error;
    const std::optional<std::string> acqusText = ReadWholeFile(folder / "acqus", &error);
    if (!acqusText) return {std::nullopt, error};
    const Labels acqus = ReadLabels(*acqusText);
    if (const std::optional<double> parmode = LabelNumber(acqus, "$PARMODE");
        parmode && *parmode != 0)
        return Failure(folder, Translate("Messages", "it is a 2D experiment (only 1D is read)"));
    const std::optional<long long> dtypa = WholeLabel(acqus, "$DTYPA", 10);
    const std::optional<long long> bytorda = WholeLabel(acqus, "$BYTORDA", 1);
    if (!dtypa || (*dtypa != 0 && *dtypa != 2) || !bytorda)
        return Failure(folder / "acqus",
                       Translate("Messages", "the data type (DTYPA, BYTORDA) is not supported"));
    const std::optional<long long> td = WholeLabel(acqus, "$TD", 1LL << 30);
    if (!td || *td < 2) return Failure(folder / "acqus", Translate("Messages", "TD is missing"));

    const fs::path procsPath = folder / "pdata" / "1" / "procs";
    std::optional<Labels> procs;
    if (fs::is_regular_file(procsPath, ec)) {
        const std::optional<std::string> procsText = ReadWholeFile(procsPath, &error);
        if (!procsText) return {std::nullopt, error};
        procs = ReadLabels(*procsText);
    }
    // TDeff, when set and smaller, is the part of the FID that was used.
    long long values = *td - *td % 2;
    if (procs) {
        const std::optional<long long> tdeff = WholeLabel(*procs, "$TDEFF", 1LL << 30);
        if (tdeff && *tdeff >= 2 && *tdeff < values) values = *tdeff - *tdeff % 2;
    }
    const std::optional<std::string> bytes = ReadWholeFile(folder / "fid", &error);
    if (!bytes) return {std::nullopt, error};
    std::optional<std::vector<std::complex<double>>> points =
        DecodeFidBytes(*bytes, static_cast<std::size_t>(values), *dtypa == 2, *bytorda == 1);
    if (!points)
        return Failure(folder / "fid",
                       Translate("Messages", "it holds fewer points than TD says (damaged?)"));
    Fid fid;
    fid.points = std::move(*points);
    if (const std::optional<std::string> why =
            ReadParameters(acqus, procs ? &*procs : nullptr, static_cast<int>(values / 2), fid))
        return Failure(folder, *why);
    return {std::move(fid), ""};
}

}  // namespace quorbel::nmr
