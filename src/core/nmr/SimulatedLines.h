#pragma once
// The lines of a simulation as a student types them: a chemical shift, an amplitude, a
// width (the full width at half height in hertz, or the decay time T2 in seconds it comes
// from, FWHM = 1 / (pi T2)), a multiplet (s, d, t, q, quint, sext, sept, or the number of
// its lines) and its coupling J; and the acquisition: noise, points and spectral width.
// Each typed value is checked, and a refusal names the box in one line.
#include <optional>
#include <string>

#include "nmr/SimulatedFid.h"

namespace quorbel::nmr {

// At most this many lines in a simulation.
inline constexpr int kMaxSimulatedLines = 24;

struct TypedLine {
    std::string ppm, amplitude, width, multiplet, coupling;
    bool widthIsT2 = false;  // `width` is T2 in seconds, not the FWHM in hertz
};

// A typed line, or the one-line reason it is refused.
struct LineRead {
    std::optional<SimulatedLine> line;
    std::string error;
};
LineRead ReadLine(const TypedLine& typed);

// The neighbours of a multiplet typed as a letter name or as its number of lines.
std::optional<int> NeighboursOf(const std::string& multiplet);
// The short name of a multiplet of n neighbours: "s", "d", ... "sept", or the number of
// its lines beyond.
std::string MultipletName(int neighbours);

// The width at half height of a line that decays with time constant T2, hertz, and back.
double WidthOfT2(double t2);
double T2OfWidth(double widthHz);

// A line as a row of the list: "1.22 ppm, amplitude 3, 1 Hz, t, J 7 Hz".
std::string LineRow(const SimulatedLine& line);
// The boxes that show `line` again, for changing it.
TypedLine TypedOf(const SimulatedLine& line);

struct TypedAcquisition {
    std::string noise, points, sweepHz;
};
// Sets the noise, the points and the spectral width of `simulation` from the typed
// boxes; the reason when one is refused (the simulation then unchanged).
std::optional<std::string> ReadAcquisition(const TypedAcquisition& typed, Simulation& simulation);
TypedAcquisition TypedOf(const Simulation& simulation);

}  // namespace quorbel::nmr
