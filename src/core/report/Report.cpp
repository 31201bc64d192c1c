#include "report/Report.h"

#include <cmath>

#include "platform/Translation.h"
#include "state/NumberText.h"
#include "surface/TextGridSurface.h"

namespace quorbel {

namespace {

// The phases are worked out with this decimal value of π, as every angle of the
// system is, so the fifth decimal agrees with the rest of the program.
constexpr double kReportPi = 3.14159265358979;
// Cosines closer to 0 than this count as 0 when choosing the quadrant.
constexpr double kCosineZero = 1e-7;
// A raw data window differs from the data part when their lengths differ by more.
constexpr double kSameSeconds = 1e-7;
// The note that points to the phase help stands out in red.
constexpr Color kHelpNoteColor = Rgb(255, 0, 0);

const DataList kNoList;

const DataList& ListOrEmpty(const DataList* list) {
    return list ? *list : kNoList;
}

void SetBodyFont(Surface& s) {
    s.SetFontName("Arial");
    s.SetFontSize(8);
    s.SetFontBold(false);
    s.SetFontItalic(false);
    s.SetForeColor(colors::kBlack);
}

// A Greek letter: the Latin letter the Symbol font shows as it, written where the
// text stands, then back to Arial. The line stays open.
void PrintGreek(Surface& s, const char* letter) {
    s.SetFontName("Symbol");
    s.Print({PrintItem::Str(letter)}, true);
    s.SetFontName("Arial");
}

void TabGreek(Surface& s, int column, const char* letter) {
    s.Print({PrintItem::Tab(column)}, true);
    PrintGreek(s, letter);
}

void EndLine(Surface& s) {
    s.Print({});
}

std::string FunctionName(const ReportInput& in) {
    if (in.multipleShown)
        return Translate("Report", in.sineSelected ? QT_TRANSLATE_NOOP("Report", "sine")
                                                   : QT_TRANSLATE_NOOP("Report", "cosine"));
    if (in.simpleShown) {
        switch (in.simpleKind) {
            case ReportInput::Simple::Sine:
                return Translate("Report", "Sine Wave");
            case ReportInput::Simple::Square:
                return Translate("Report", "Square Wave");
            case ReportInput::Simple::Triangular:
                return Translate("Report", "Triangular Wave");
            case ReportInput::Simple::None:
                return "";
        }
        return "";
    }
    if (in.rawData) return FillIn(Translate("Report", "Data of %1"), {in.rawFileName});
    return "";
}

void WriteRawDataLines(Surface& s, const ReportInput& in, int col) {
    using P = PrintItem;
    s.Print({P::Tab(col), P::Str(FillIn(Translate("Report", "Frequency of file: %1 Hz"),
                                        {in.cyclesPerSecond}))});
    s.Print({P::Tab(col),
             P::Str(FillIn(Translate("Report", "Number of points: %1"), {in.totalPoints}))});
    s.Print({P::Tab(col),
             P::Str(FillIn(Translate("Report", "Window: %1 seconds"), {in.windowSeconds}))});
    const double zeroFilled = DecimalPrefix(in.dataExtensionSeconds);
    if (std::abs(zeroFilled - DecimalPrefix(in.windowSeconds)) > kSameSeconds)
        s.Print(
            {P::Tab(col),
             P::Str(FillIn(Translate("Report", "Data window (complemented with zeros): %1 seconds"),
                           {in.dataExtensionSeconds}))});
    if (!in.windowFunction.empty())
        s.Print({P::Tab(col),
                 P::Str(FillIn(Translate("Report", "Window function: %1"), {in.windowFunction}))});
}

void WriteParameters(Surface& s, const ReportInput& in, const ReportColumns& c, bool drawLine) {
    using P = PrintItem;
    s.Print({P::Tab(c.section), P::Str(Translate("Report", "2. Parameters"))});
    s.Print({P::Tab(c.detail),
             P::Str(FillIn(Translate("Report", "2.1. number of cycles per second: %1 cycles"),
                           {in.cyclesPerSecond}))});
    s.Print(
        {P::Tab(c.detail),
         P::Str(FillIn(Translate("Report", "2.2. data window (complemented with zeros): %1 second"),
                       {in.dataExtensionSeconds}))});
    s.Print({P::Tab(c.detail), P::Str(Translate("Report", "2.3. parameters of the functions"))});
    if (in.multipleShown) {
        s.Print({P::Tab(c.waveA), P::Str("a"), P::Tab(c.waveB), P::Str("b")}, true);
        TabGreek(s, c.wavePhase, in.sineSelected ? "f" : "q");
        EndLine(s);
        // Drawn at a fixed place under the heading; like any line it moves the current
        // point, so the wave rows continue below it.
        if (drawLine) s.Line(500, 1600, 4200, 1600);
        for (std::size_t i = 0; i < in.amplitudeA.size(); ++i)
            s.Print({P::Tab(c.waveA), P::Str(in.amplitudeA[i]), P::Tab(c.waveB),
                     P::Str(in.multiplierB[i]), P::Tab(c.wavePhase), P::Str(in.phasePhi[i])});
        EndLine(s);
    } else if (in.simpleShown) {
        TabGreek(s, c.simplePhase, "f");
        s.Print({P::Str(" = " + in.simplePhase)});
    }
    // After the functions' parameters, so the wave-table heading keeps its place above
    // the thin line.
    if (!in.windowFunction.empty())
        s.Print({P::Tab(c.detail), P::Str(FillIn(Translate("Report", "2.4. window function: %1"),
                                                 {in.windowFunction}))});
}

void WriteResultHeadings(Surface& s, const ReportInput& in, const ReportColumns& c) {
    using P = PrintItem;
    const bool calculated = !in.rawData;
    s.Print({P::Tab(c.section), P::Str(Translate("Report", "3. RESULT"))});

    s.Print({P::Tab(c.headFrequencies), P::Str(Translate("Report", "frequencies")),
             P::Tab(c.headAmplitude), P::Str(Translate("Report", "amplitude"))},
            true);
    if (calculated) {
        s.Print({P::Tab(c.headPhase), P::Str(Translate("Report", "phase "))}, true);
        s.SetForeColor(kHelpNoteColor);
        s.SetFontItalic(true);
        s.Print({P::Str(Translate("Report", " (See Help!)"))}, true);
        s.SetForeColor(colors::kBlack);
        s.SetFontItalic(false);
    }
    EndLine(s);

    s.Print({P::Tab(c.headPresent), P::Str(Translate("Report", "present"))}, true);
    if (calculated) {
        s.Print({P::Tab(c.headRho), P::Str("(")}, true);
        PrintGreek(s, "r");
        s.Print({P::Str(")")}, true);
        if (in.multipleShown) {
            TabGreek(s, c.headPhi, "f");
            TabGreek(s, c.headTheta, "q");
        } else if (in.simpleShown) {
            TabGreek(s, c.headSimplePhi, "f");
        }
    }
    EndLine(s);

    s.Print({P::Tab(c.headHz), P::Str("(Hz)"), P::Tab(c.headPercent), P::Str("(%)")}, true);
    if (calculated)
        s.Print({P::Tab(c.headRadians), P::Str(Translate("Report", "(radians)"))}, true);
    EndLine(s);
}

void WriteTable(Surface& s, const ReportInput& in, const ReportColumns& c) {
    using P = PrintItem;
    // The panel shown decides the columns; neither panel nor raw data, no rows.
    if (!in.multipleShown && !in.simpleShown && !in.rawData) return;
    // For raw data the cycles field holds the file's sampling frequency.
    const double typed = DecimalPrefix(in.cyclesPerSecond);
    const double fs = typed > 0 ? typed : kRawSamplingRate;
    const auto rows =
        ReportRows(ListOrEmpty(in.graphValueList), ListOrEmpty(in.spectrumList), in.rawData, fs);
    for (const ReportRow& r : rows) {
        std::vector<PrintItem> items = {P::Tab(c.rowFrequency), P::Num(r.frequency),
                                        P::Tab(c.rowAmplitude), P::Num(r.amplitude)};
        if (in.multipleShown) {
            items.insert(items.end(),
                         {P::Tab(c.rowPhi), P::Num(r.phi), P::Tab(c.rowTheta), P::Num(r.theta)});
        } else if (in.simpleShown) {
            items.insert(items.end(), {P::Tab(c.rowSimplePhi), P::Num(r.phi)});
        }
        s.Print(items);
    }
}

}  // namespace

GraphRead ReadGraph(const DataList& graphValueList) {
    GraphRead graph;
    // The header is rounded to a whole number, halves to even, as a number read into a
    // whole-number variable is.
    const double header = std::nearbyint(graphValueList.Value(0));
    if (!(header >= 0 && header <= kMaxGraphPoints)) return graph;
    const int n = static_cast<int>(header);
    if (graphValueList.Count() < n + 2) return graph;
    graph.values.reserve(static_cast<std::size_t>(n));
    for (int p = 0; p < n; ++p) graph.values.push_back(graphValueList.Value(p + 1));
    graph.largest = graphValueList.Value(n + 1);
    return graph;
}

std::vector<Peak> PeakPass(const std::vector<double>& a, double T) {
    std::vector<Peak> peaks;
    const int n = static_cast<int>(a.size());
    bool rising = false;
    bool lastScanRanOut = false;
    for (int i = 1; i <= n - 1; ++i) {
        if (!(a[i] > T)) continue;
        bool ranOut = true;
        for (int j = i; j <= n - 1; ++j) {
            if (a[j] > a[j - 1]) rising = true;
            if (a[j] < a[j - 1] && rising) {
                rising = false;
                peaks.push_back({j - 1, a[j - 1]});
                i = j;
                ranOut = false;
                break;
            }
            if (a[j] < T) {
                i = j;
                ranOut = false;
                break;
            }
        }
        // A scan that ran to the last point saw no value below T there, and no fall
        // while rising. Later scans cover part of the same points: without the rising
        // state they run out as well; with it, the next one stops at its first fall or
        // runs out too. Stopping then gives the same peaks without scanning the tail
        // once per point (a smooth tail of 32768 points would take seconds).
        if (ranOut && (!rising || lastScanRanOut)) break;
        lastScanRanOut = ranOut;
    }
    return peaks;
}

std::vector<Peak> FindPeaks(const std::vector<double>& a, double M) {
    // Doubling a threshold that is not positive would never end the search.
    if (!(M > 0)) return {};
    double T = M / 100;
    std::vector<Peak> peaks = PeakPass(a, T);
    // Peaks must exceed T, so once T has doubled past every finite value (at worst
    // to infinity) a pass finds none: the loop ends.
    while (static_cast<int>(peaks.size()) > kMaxReportedPeaks) {
        T = T * 2;
        peaks = PeakPass(a, T);
    }
    return peaks;
}

double RelativeAmplitude(double v, double M) {
    return std::floor(v / M * 1000) / 10;
}

double RoundHalfUp5(double x) {
    const double scaled = x * 100000;
    double r = std::floor(scaled) / 100000;
    if (scaled - std::floor(scaled) >= 0.5) r = r + 0.00001;
    return r;
}

PeakPhase PhaseOf(double re, double im) {
    const double R = std::sqrt(re * re + im * im);
    double c = re / R;
    double s = im / R;
    if (!(std::abs(c) <= 1 && std::abs(s) <= 1)) c = s = 0;
    // Base angle arcsin|c| in [0, π/2]; at |c| = 1 it is taken from s, since the
    // first form would divide by zero.
    double B;
    if (std::abs(c) != 1) {
        B = std::abs(std::atan(std::abs(c) / std::sqrt(1 - c * c)));
    } else {
        B = std::abs(std::atan(-std::abs(s) / std::sqrt(1 - s * s)) + 2 * std::atan(1.0));
    }
    double phi = B;
    if (c > 0 && s < 0) phi = kReportPi - B;
    if (c < -kCosineZero) {
        if (s < 0) phi = kReportPi + B;
        if (s > 0) phi = 2 * kReportPi - B;
    }
    double theta = phi - kReportPi / 2;
    if (theta < 0) theta = phi + 3 * kReportPi / 2;
    return {RoundHalfUp5(phi), RoundHalfUp5(theta)};
}

double RawPeakFrequency(int p, int n, double fs) {
    if (n <= 0) return 0;
    // The window's sample count 2n is a whole number; it is formed exactly (the
    // largest raw graph, n = 16384, gives 32768).
    const double samples = static_cast<double>(2 * n);
    return ThreeDecimals(p / (samples / fs));
}

std::vector<ReportRow> ReportRows(const DataList& graphValueList, const DataList& spectrumList,
                                  bool rawData, double fs) {
    const GraphRead graph = ReadGraph(graphValueList);
    const int n = static_cast<int>(graph.values.size());
    std::vector<ReportRow> rows;
    for (const Peak& peak : FindPeaks(graph.values, graph.largest)) {
        const PeakPhase phase =
            PhaseOf(spectrumList.Value(2 * peak.bin + 1), spectrumList.Value(2 * peak.bin + 2));
        const double frequency = rawData ? RawPeakFrequency(peak.bin, n, fs) : peak.bin;
        rows.push_back(
            {frequency, RelativeAmplitude(peak.value, graph.largest), phase.phi, phase.theta});
    }
    return rows;
}

void WriteReportText(Surface& surface, const ReportInput& input, const ReportColumns& columns,
                     bool drawLine) {
    using P = PrintItem;
    SetBodyFont(surface);
    surface.SetFontSize(14);
    surface.SetFontBold(true);
    surface.Print({P::Tab(columns.title), P::Str(Translate("Report", "Report"))});
    SetBodyFont(surface);

    surface.Print({P::Tab(columns.section),
                   P::Str(FillIn(Translate("Report", "1. Function analysed f(t): %1"),
                                 {FunctionName(input)}))});
    if (!input.multipleShown && !input.simpleShown && input.rawData)
        WriteRawDataLines(surface, input, columns.detail);
    if (!input.rawData) WriteParameters(surface, input, columns, drawLine);
    WriteResultHeadings(surface, input, columns);
    WriteTable(surface, input, columns);
}

void WriteReport(Surface& form5, const ReportInput& input) {
    form5.Cls();
    WriteReportText(form5, input, kScreenReportColumns, true);
}

std::string ReportPlainText(const ReportInput& input) {
    TextGridSurface grid(kReportWidth, kReportHeight);
    WriteReport(grid, input);
    std::string text;
    for (const std::string& line : grid.Lines()) text += line + '\n';
    return text;
}

}  // namespace quorbel
