// Our spectra of real experiments against the instrument software's own, processed with
// the parameters stored beside each FID: real and imaginary parts correlate, the ppm axes
// agree, the strongest peaks fall on the same points; automatic phasing comes close to
// the phases the operator chose.
#include <gtest/gtest.h>

#include <cmath>
#include <functional>

#include "NmrData.h"
#include "nmr/AutoPhase.h"
#include "nmr/NmrPeaks.h"

namespace quorbel::testing {
namespace {

struct ExperimentCase {
    const char* name;
    std::function<nmr::FidRead()> read;
    std::function<nmr::Spectrum()> stored;
};
void PrintTo(const ExperimentCase& c, std::ostream* out) {
    *out << c.name;
}

double Correlation(const nmr::Spectrum& a, const nmr::Spectrum& b, bool imaginary) {
    const std::size_t n = std::min(a.points.size(), b.points.size());
    double sa = 0, sb = 0, saa = 0, sbb = 0, sab = 0;
    for (std::size_t k = 0; k < n; ++k) {
        const double x = imaginary ? a.points[k].imag() : a.points[k].real();
        const double y = imaginary ? b.points[k].imag() : b.points[k].real();
        sa += x, sb += y, saa += x * x, sbb += y * y, sab += x * y;
    }
    const double cov = sab - sa * sb / n;
    return cov / std::sqrt((saa - sa * sa / n) * (sbb - sb * sb / n));
}

const ExperimentCase kExperiments[] = {
    {"strychnine_folder", [] { return nmr::ReadBrukerFolder(NmrData("strychnine-1h/10")); },
     [] { return StoredBrukerSpectrum(NmrData("strychnine-1h/10")); }},
    {"aspirin_folder", [] { return nmr::ReadBrukerFolder(NmrData("aspirin-1h/1")); },
     [] { return StoredBrukerSpectrum(NmrData("aspirin-1h/1")); }},
    {"aspirin_fid_file", [] { return nmr::ReadBrukerFolder(NmrData("aspirin-1h/1/fid")); },
     [] { return StoredBrukerSpectrum(NmrData("aspirin-1h/1")); }},
    {"aspirin_jcamp", [] { return nmr::ReadJcampFid(NmrData("aspirin-1h.fid.dx")); },
     [] { return StoredJcampSpectrum(NmrData("aspirin-1h.dx")); }},
};

class StoredSpectrum : public ::testing::TestWithParam<ExperimentCase> {};

TEST_P(StoredSpectrum, IsWhatTheStoredParametersGive) {
    const nmr::FidRead read = GetParam().read();
    ASSERT_TRUE(read.fid) << read.error;
    const nmr::Spectrum ours = nmr::Process(*read.fid, read.fid->stored);
    const nmr::Spectrum stored = GetParam().stored();
    ASSERT_EQ(ours.Size(), stored.Size());
    const double real = Correlation(ours, stored, false);
    const double imaginary = Correlation(ours, stored, true);
    RecordProperty("real", std::to_string(real));
    RecordProperty("imaginary", std::to_string(imaginary));
    std::printf("%s: real %.7f imaginary %.7f\n", GetParam().name, real, imaginary);
    EXPECT_GE(real, 0.9999);
    EXPECT_GE(imaginary, 0.9999);
    // Within 0.001 ppm, and within a hundredth of a point.
    for (const int k : {0, ours.Size() / 3, ours.Size() - 1}) {
        EXPECT_NEAR(ours.Ppm(k), stored.Ppm(k), 0.001) << "point " << k;
        EXPECT_NEAR(ours.Ppm(k), stored.Ppm(k), 0.01 * stored.ppmPerPoint) << "point " << k;
    }
    const std::vector<nmr::Peak> ourPeaks = nmr::PickPeaks(ours, 0.05, 5);
    const std::vector<nmr::Peak> storedPeaks = nmr::PickPeaks(stored, 0.05, 5);
    ASSERT_EQ(ourPeaks.size(), storedPeaks.size());
    for (std::size_t i = 0; i < ourPeaks.size(); ++i)
        EXPECT_LE(std::abs(ourPeaks[i].index - storedPeaks[i].index), 2) << "peak " << i;
}

TEST_P(StoredSpectrum, AutomaticPhasingComesCloseToTheOperators) {
    const nmr::FidRead read = GetParam().read();
    ASSERT_TRUE(read.fid) << read.error;
    nmr::Processing p = read.fid->stored;
    const nmr::Phases phases = nmr::AutoPhase(*read.fid, p);
    p.phc0 = phases.phc0;
    p.phc1 = phases.phc1;
    const double real = Correlation(nmr::Process(*read.fid, p), GetParam().stored(), false);
    std::printf("%s: automatic %.3f %.3f, real %.7f\n", GetParam().name, phases.phc0, phases.phc1,
                real);
    EXPECT_GE(real, 0.999);
}

INSTANTIATE_TEST_SUITE_P(RealExperiments, StoredSpectrum, ::testing::ValuesIn(kExperiments),
                         [](const auto& info) { return std::string(info.param.name); });

}  // namespace
}  // namespace quorbel::testing
