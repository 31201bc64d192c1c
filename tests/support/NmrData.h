#pragma once
// The real experiments under tests/data/nmr and the instrument's own processed spectra of
// them, for comparison with ours.
#include <complex>
#include <cstdint>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <string>
#include <vector>

#include "nmr/BrukerReader.h"
#include "nmr/JcampReader.h"
#include "nmr/NmrProcessing.h"

namespace quorbel::testing {

inline std::filesystem::path NmrData(const std::string& relative) {
    return std::filesystem::path(QUORBEL_TEST_DATA) / "nmr" / relative;
}

inline std::string FileBytes(const std::filesystem::path& path) {
    std::ifstream in(path, std::ios::binary);
    return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

// The stored spectrum of an experiment folder (pdata/1/1r and 1i, int32 in the byte order
// BYTORDP, times 2^NC_proc), on the axis its processing parameters give (SW_p).
inline nmr::Spectrum StoredBrukerSpectrum(const std::filesystem::path& folder) {
    const nmr::Labels procs = nmr::ReadLabels(FileBytes(folder / "pdata/1/procs"));
    const bool big = nmr::LabelNumber(procs, "$BYTORDP").value_or(0) == 1;
    const double scale = std::pow(2.0, nmr::LabelNumber(procs, "$NC_PROC").value_or(0));
    const std::string re = FileBytes(folder / "pdata/1/1r");
    const std::string im = FileBytes(folder / "pdata/1/1i");
    nmr::Spectrum s;
    // The int32 pairs decoded as a FID's would be: real part from 1r, imaginary from 1i.
    std::string interleaved;
    for (std::size_t k = 0; k + 4 <= re.size() && k + 4 <= im.size(); k += 4)
        interleaved += re.substr(k, 4) + im.substr(k, 4);
    s.points = *nmr::DecodeFidBytes(interleaved, interleaved.size() / 4, false, big);
    for (std::complex<double>& v : s.points) v *= scale;
    s.sf = *nmr::LabelNumber(procs, "$SF");
    s.offsetPpm = *nmr::LabelNumber(procs, "$OFFSET");
    s.ppmPerPoint = *nmr::LabelNumber(procs, "$SW_P") / (s.sf * s.Size());
    return s;
}

// The spectrum of a JCAMP-DX "NMR SPECTRUM" file: its real and imaginary pages.
inline nmr::Spectrum StoredJcampSpectrum(const std::filesystem::path& file) {
    const nmr::JcampRead read = nmr::ParseJcamp(FileBytes(file));
    nmr::Spectrum s;
    if (!read.data || read.data->pages.size() < 2) return s;
    const std::vector<double>& re = read.data->pages[0].values;
    const std::vector<double>& im = read.data->pages[1].values;
    for (std::size_t k = 0; k < re.size() && k < im.size(); ++k) s.points.push_back({re[k], im[k]});
    const nmr::Labels& labels = read.data->labels;
    s.sf = *nmr::LabelNumber(labels, "$SF");
    s.offsetPpm = *nmr::LabelNumber(labels, "$OFFSET");
    s.ppmPerPoint = *nmr::LabelNumber(labels, "$SW_P") / (s.sf * s.Size());
    return s;
}

}  // namespace quorbel::testing
