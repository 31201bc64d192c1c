#pragma once
// A one-dimensional free induction decay as read from a file, with the processing
// parameters stored beside it and every label of the file, untouched.
#include <complex>
#include <optional>
#include <string>
#include <vector>

#include "nmr/NmrLabels.h"

namespace quorbel::nmr {

// Apodization as the instrument numbers it (WDW).
enum class Window { none = 0, exponential = 1, gaussian = 2 };

// How a FID is turned into a spectrum. Every one of these can be changed by the user;
// a reader fills them from the file.
struct Processing {
    int size = 0;  // SI: complex points of the spectrum, a power of two
    Window window = Window::none;
    double lb = 0.0;         // LB, hertz (negative for the Gaussian window)
    double gb = 0.0;         // GB, fraction 0 .. 1 of the acquisition time
    double phc0 = 0.0;       // degrees
    double phc1 = 0.0;       // degrees over the whole spectrum
    double sf = 0.0;         // SF, megahertz: frequency of 0 ppm
    double offsetPpm = 0.0;  // OFFSET: ppm of the first (highest) point
};

struct Fid {
    // Complex points in acquisition order, the first at time 0.
    std::vector<std::complex<double>> points;
    double sweepHz = 0.0;     // SW_h: the spectral width, also the sampling rate
    double groupDelay = 0.0;  // the digital filter's delay, points (not rounded)
    Processing stored;        // the processing parameters stored with the data
    Labels labels;            // every label of the acquisition (and processing) files
};

// A read FID, or the one-line reason it cannot be read.
struct FidRead {
    std::optional<Fid> fid;
    std::string error;
};

// The parameters of a FID from the labels of its acquisition and processing files
// (the same map for a JCAMP-DX file that holds both; `processing` null when there are
// no processing parameters). Fills every field of `fid` but the points; the error that
// stops processing otherwise (an unsupported quadrature mode, an unknown filter delay,
// a missing spectral width or frequency).
std::optional<std::string> ReadParameters(const Labels& acquisition, const Labels* processing,
                                          int complexPoints, Fid& fid);

// The largest spectrum this program makes, complex points.
inline constexpr int kMaxSpectrumSize = 1 << 22;

}  // namespace quorbel::nmr
