// The NMR readers on any bytes: a JCAMP-DX text (labels, NTUPLES pages, ASDF lines), or an
// experiment folder's parameters with the bytes of its FID, each processed into a small
// spectrum when it reads. Whatever the bytes, a read gives a FID or one short line.
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <string>
#include <string_view>

#include "nmr/AutoPhase.h"
#include "nmr/BrukerReader.h"
#include "nmr/JcampReader.h"
#include "nmr/NmrPeaks.h"
#include "nmr/NmrProcessing.h"

namespace {

void CheckMessage(const std::string& error) {
    if (error.empty() || error.size() > 300 || error.find('\n') != std::string::npos) std::abort();
}

// Processed at a small size, so that a run stays fast whatever SI the bytes ask for.
void ProcessSmall(const quorbel::nmr::FidRead& read) {
    if (!read.fid) return CheckMessage(read.error);
    quorbel::nmr::Processing p = read.fid->stored;
    if (p.size > 4096) p.size = 4096;
    if (quorbel::nmr::ProcessingError(p)) return;
    const quorbel::nmr::Spectrum spectrum = quorbel::nmr::Process(*read.fid, p);
    const auto peaks = quorbel::nmr::PickPeaks(spectrum);
    if (!peaks.empty()) quorbel::nmr::WidthAtHalfHeight(spectrum, peaks[0].index);
    quorbel::nmr::PhaseCost(spectrum.points, 10, 20);
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    if (size == 0) return 0;
    const std::string_view rest(reinterpret_cast<const char*>(data + 1), size - 1);
    if ((data[0] & 1) == 0) {
        const quorbel::nmr::JcampRead parsed = quorbel::nmr::ParseJcamp(rest);
        if (!parsed.data) return CheckMessage(parsed.error), 0;
        ProcessSmall(quorbel::nmr::JcampFid(*parsed.data));
        return 0;
    }
    // The parameters up to the first NUL, the FID's bytes after it.
    const std::size_t split = rest.find('\0');
    const std::string_view text = rest.substr(0, split);
    const std::string bytes(split == std::string_view::npos ? "" : rest.substr(split + 1));
    const quorbel::nmr::Labels labels = quorbel::nmr::ReadLabels(text);
    auto points = quorbel::nmr::DecodeFidBytes(bytes, bytes.size() / 4, (data[0] & 2) != 0,
                                               (data[0] & 4) != 0);
    if (!points) return 0;
    quorbel::nmr::Fid fid;
    fid.points = std::move(*points);
    quorbel::nmr::FidRead read;
    if (const auto why =
            quorbel::nmr::ReadParameters(labels, &labels, static_cast<int>(fid.points.size()), fid))
        read.error = *why;
    else
        read.fid = std::move(fid);
    ProcessSmall(read);
    return 0;
}
