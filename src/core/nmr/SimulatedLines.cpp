#include "nmr/SimulatedLines.h"

#include <array>
#include <cmath>
#include <numbers>

#include "platform/Translation.h"
#include "state/NumberText.h"

namespace quorbel::nmr {

namespace {

// Multiplet names by number of neighbours (n + 1 lines).
constexpr std::array<const char*, 7> kNames = {"s", "d", "t", "q", "quint", "sext", "sept"};
// The most neighbours a first-order multiplet typed here may have (13 lines).
constexpr int kMaxNeighbours = 12;

// The number typed, when it is finite and lies within low .. high.
std::optional<double> Within(const std::string& text, double low, double high) {
    const std::optional<double> n = ParseNumber(text);
    if (!n || !std::isfinite(*n) || *n < low || *n > high) return std::nullopt;
    return n;
}

std::string Refused(const char* what, const std::string& low, const std::string& high) {
    return FillIn(Translate("Messages", "%1 must be a number from %2 to %3."),
                  {Translate("FormNmr", what), low, high});
}

// Blanks dropped and ASCII capitals lowered: " Q " reads as "q".
std::string Cleaned(const std::string& text) {
    std::string out;
    for (const char c : text)
        if (c != ' ' && c != '\t')
            out += static_cast<char>(c >= 'A' && c <= 'Z' ? c - 'A' + 'a' : c);
    return out;
}

// Six decimals are more than a student types, and hide 1/(pi T2)'s long tail.
std::string Rounded(double value) {
    return NumberText(std::round(value * 1e6) / 1e6);
}

}  // namespace

double WidthOfT2(double t2) {
    return 1 / (std::numbers::pi * t2);
}

double T2OfWidth(double widthHz) {
    return 1 / (std::numbers::pi * widthHz);
}

std::optional<int> NeighboursOf(const std::string& multiplet) {
    const std::string name = Cleaned(multiplet);
    if (name.empty()) return 0;
    for (std::size_t n = 0; n < kNames.size(); ++n)
        if (name == kNames[n]) return static_cast<int>(n);
    if (name == "p") return 4;  // pentet
    const std::optional<double> lines = Within(name, 1, kMaxNeighbours + 1);
    if (!lines || *lines != std::floor(*lines)) return std::nullopt;
    return static_cast<int>(*lines) - 1;
}

std::string MultipletName(int neighbours) {
    if (neighbours >= 0 && neighbours < static_cast<int>(kNames.size()))
        return kNames[static_cast<std::size_t>(neighbours)];
    return std::to_string(neighbours + 1);
}

LineRead ReadLine(const TypedLine& typed) {
    SimulatedLine line;
    const std::optional<double> ppm = Within(typed.ppm, -1000, 1000);
    if (!ppm)
        return {std::nullopt, Refused(QT_TRANSLATE_NOOP("FormNmr", "δ (ppm)"), "-1000", "1000")};
    const std::optional<double> amplitude = Within(typed.amplitude, 1e-6, 1e6);
    if (!amplitude)
        return {std::nullopt,
                Refused(QT_TRANSLATE_NOOP("FormNmr", "Amplitude"), "0.000001", "1000000")};
    if (typed.widthIsT2) {
        const std::optional<double> t2 = Within(typed.width, 1e-4, 100);
        if (!t2)
            return {std::nullopt, Refused(QT_TRANSLATE_NOOP("FormNmr", "T2 (s)"), "0.0001", "100")};
        line.widthHz = WidthOfT2(*t2);
        line.t2 = *t2;
    } else {
        const std::optional<double> width = Within(typed.width, 0.001, 3000);
        if (!width)
            return {std::nullopt,
                    Refused(QT_TRANSLATE_NOOP("FormNmr", "Line width (Hz)"), "0.001", "3000")};
        line.widthHz = *width;
    }
    const std::optional<int> neighbours = NeighboursOf(typed.multiplet);
    if (!neighbours)
        return {std::nullopt,
                Translate("Messages",
                          "The multiplet must be s, d, t, q, quint, sext, sept or its number of "
                          "lines (1 to 13).")};
    line.ppm = *ppm;
    line.amplitude = *amplitude;
    line.neighbours = *neighbours;
    if (line.neighbours > 0) {
        const std::optional<double> j = Within(typed.coupling, 0, 1000);
        if (!j) return {std::nullopt, Refused(QT_TRANSLATE_NOOP("FormNmr", "J (Hz)"), "0", "1000")};
        line.couplingHz = *j;
    }
    return {line, ""};
}

std::string LineRow(const SimulatedLine& line) {
    std::string row = FillIn(Translate("FormNmr", "%1 ppm, amplitude %2"),
                             {Rounded(line.ppm), Rounded(line.amplitude)});
    row += ", ";
    row += line.t2 > 0 ? FillIn(Translate("FormNmr", "T2 %1 s"), {Rounded(line.t2)})
                       : FillIn(Translate("FormNmr", "%1 Hz wide"), {Rounded(line.widthHz)});
    row +=
        ", " + (line.neighbours < static_cast<int>(kNames.size())
                    ? MultipletName(line.neighbours)
                    : FillIn(Translate("FormNmr", "%1 lines"), {MultipletName(line.neighbours)}));
    if (line.neighbours > 0)
        row += ", " + FillIn(Translate("FormNmr", "J %1 Hz"), {Rounded(line.couplingHz)});
    return row;
}

TypedLine TypedOf(const SimulatedLine& line) {
    TypedLine t;
    t.ppm = Rounded(line.ppm);
    t.amplitude = Rounded(line.amplitude);
    t.widthIsT2 = line.t2 > 0;
    t.width = Rounded(t.widthIsT2 ? line.t2 : line.widthHz);
    t.multiplet = MultipletName(line.neighbours);
    t.coupling = line.neighbours > 0 ? Rounded(line.couplingHz) : "";
    return t;
}

std::optional<std::string> ReadAcquisition(const TypedAcquisition& typed, Simulation& s) {
    const std::optional<double> noise = Within(typed.noise, 0, 1000);
    if (!noise) return Refused(QT_TRANSLATE_NOOP("FormNmr", "Noise level"), "0", "1000");
    const std::optional<double> points = Within(typed.points, 16, 262144);
    if (!points || *points != std::floor(*points))
        return Translate("Messages", "Points must be a whole number from 16 to 262144.");
    const std::optional<double> sweep = Within(typed.sweepHz, 100, 200000);
    if (!sweep) return Refused(QT_TRANSLATE_NOOP("FormNmr", "SW (Hz)"), "100", "200000");
    s.noise = *noise;
    s.points = static_cast<int>(*points);
    s.sweepHz = *sweep;
    return std::nullopt;
}

TypedAcquisition TypedOf(const Simulation& s) {
    return {Rounded(s.noise), std::to_string(s.points), Rounded(s.sweepHz)};
}

}  // namespace quorbel::nmr
