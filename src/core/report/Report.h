#pragma once
// The result report: the analysed function, its parameters, and the table of the
// frequencies present in the transform with their relative amplitudes and phases.
// The frequencies are the peaks of the spectrum graph in its current display mode;
// amplitude and phase of each peak come from the real and imaginary parts of the
// transform. Every rounding below decides a printed digit, so each formula is
// evaluated in the order written.
#include <array>
#include <string>
#include <vector>

#include "state/DataList.h"
#include "surface/Surface.h"

namespace quorbel {

// Client area of the report window, twips.
inline constexpr double kReportWidth = 6690;
inline constexpr double kReportHeight = 8145;
// At most this many peaks reach the table.
inline constexpr int kMaxReportedPeaks = 20;
// Graphs hold at most this many points.
inline constexpr int kMaxGraphPoints = 32768;
// Raw sound files are taken as sampled at this rate for the frequency column when the
// report is given no rate of its own, hertz.
inline constexpr double kRawSamplingRate = 22050;

// What the report reads from the analysis state. Texts are printed exactly as they
// stand in their boxes; missing lists read as empty.
struct ReportInput {
    bool multipleShown = false;  // frame "Function to be analysed" (Frame1) visible
    bool simpleShown = false;    // frame "Simple wave to be analysed" (Frame6) visible
    bool rawData = false;        // dataSource is 2
    bool sineSelected = true;    // "Sin" (else "Cos")
    enum class Simple { Sine, Square, Triangular, None } simpleKind = Simple::None;
    std::string cyclesPerSecond, dataExtensionSeconds, totalPoints, windowSeconds, rawFileName,
        simplePhase;
    std::array<std::string, 10> amplitudeA, multiplierB, phasePhi;
    // The window function that weighed the samples before the transform ("Hann");
    // empty for the rectangular window, which the report does not mention.
    std::string windowFunction;
    const DataList* graphValueList = nullptr;
    const DataList* spectrumList = nullptr;
};

// The character columns (1-based tab columns) of every item. The report window and
// the printer page place the same items at different columns.
struct ReportColumns {
    int title;                                         // "Report"
    int section;                                       // "1. ...", "2. Parameters", "3. RESULT"
    int detail;                                        // raw-data lines and "2.1." .. "2.3."
    int waveA, waveB, wavePhase;                       // wave table heading and rows
    int simplePhase;                                   // φ = phase of the simple wave
    int headFrequencies, headAmplitude, headPhase;     // first heading line
    int headPresent, headRho;                          // second heading line
    int headPhi, headTheta;                            // second: multiple waves
    int headSimplePhi;                                 // second: simple wave
    int headHz, headPercent, headRadians;              // third heading line
    int rowFrequency, rowAmplitude, rowPhi, rowTheta;  // table rows, multiple waves
    int rowSimplePhi;                                  // table rows, simple wave
};
// clang-format off
inline constexpr ReportColumns kScreenReportColumns{
    .title = 20, .section = 5, .detail = 10,
    .waveA = 10, .waveB = 25, .wavePhase = 40, .simplePhase = 20,
    .headFrequencies = 6, .headAmplitude = 26, .headPhase = 50,
    .headPresent = 7, .headRho = 29, .headPhi = 48, .headTheta = 58, .headSimplePhi = 51,
    .headHz = 9, .headPercent = 29, .headRadians = 49,
    .rowFrequency = 10, .rowAmplitude = 27, .rowPhi = 45, .rowTheta = 55, .rowSimplePhi = 49};
// On paper every column but the title's lies further right.
inline constexpr ReportColumns kPrinterReportColumns{
    .title = 20, .section = 25, .detail = 30,
    .waveA = 30, .waveB = 45, .wavePhase = 60, .simplePhase = 40,
    .headFrequencies = 26, .headAmplitude = 46, .headPhase = 70,
    .headPresent = 27, .headRho = 49, .headPhi = 53, .headTheta = 62, .headSimplePhi = 57,
    .headHz = 29, .headPercent = 49, .headRadians = 69,
    .rowFrequency = 30, .rowAmplitude = 47, .rowPhi = 65, .rowTheta = 75, .rowSimplePhi = 69};
// clang-format on

// The graph of graphValueList (line 0 = n, lines 1..n = values of bins 0..n-1, line
// n+1 = the largest value M). A header that is not a whole number of 0..32768 after
// rounding, or a list shorter than the header says, gives no values and M = 0.
struct GraphRead {
    std::vector<double> values;
    double largest = 0;
};
GraphRead ReadGraph(const DataList& graphValueList);

struct Peak {
    int bin = 0;
    double value = 0;
};

// One pass of the peak search at threshold T, in ascending bin order. A maximum is
// found where the graph, above T, has risen and then falls: the peak is the point
// before the fall, so a flat top reports its last point, a maximum at bin 0 or one
// still rising at the last point is never found. The rising state carries over from
// one scan to the next and is cleared only after a peak.
std::vector<Peak> PeakPass(const std::vector<double>& a, double T);

// The reported peaks: passes from T = M/100, doubling T while a pass finds more than
// 20. Empty when M is not positive (an all-zero graph has nothing to compare with).
std::vector<Peak> FindPeaks(const std::vector<double>& a, double M);

// Relative amplitude in percent of M, truncated to one decimal: Int(v / M * 1000) / 10.
// M must be positive.
double RelativeAmplitude(double v, double M);

// x rounded half up to five decimals.
double RoundHalfUp5(double x);

// Phase of the component with real part re and imaginary part im, radians in [0, 2π),
// each rounded half up to five decimals: phi as a sine, theta as a cosine. A bin
// without magnitude (or one beyond double range) has no direction and is taken as
// c = s = 0, giving phi = 0 and theta = 4.71239.
struct PeakPhase {
    double phi = 0;
    double theta = 0;
};
PeakPhase PhaseOf(double re, double im);

// Frequency in hertz of bin p of a raw-data graph of n points, the window holding 2n
// samples at fs Hz: p / (2n / fs), rounded half up to three decimals. 0 for n <= 0.
double RawPeakFrequency(int p, int n, double fs = kRawSamplingRate);

// One line of the table: frequency (hertz), amplitude (percent), phases (radians).
struct ReportRow {
    double frequency = 0;
    double amplitude = 0;
    double phi = 0;
    double theta = 0;
};
// The table of the report, one row per reported peak; bins are hertz for calculated
// waves and converted with RawPeakFrequency for raw data. spectrumList: line 2p+1 is
// the real part, line 2p+2 the imaginary part of bin p; missing lines read as 0.
// fs: the sampling frequency of raw data, hertz.
std::vector<ReportRow> ReportRows(const DataList& graphValueList, const DataList& spectrumList,
                                  bool rawData, double fs = kRawSamplingRate);

// Writes the report at the current text position with the given columns: title,
// sections 1 to 3 and the table; the thin line under the wave-table heading only
// when drawLine is set. Leaves the font at Arial 8 point, black and upright.
void WriteReportText(Surface& surface, const ReportInput& input, const ReportColumns& columns,
                     bool drawLine);

// Clears `form5` and writes the whole report on it with the report window's columns,
// thin line included.
void WriteReport(Surface& form5, const ReportInput& input);

// The report as the report window lays it out, as UTF-8 text: each item at its
// character column (TextGridSurface), one line per row, each ended by a line feed.
std::string ReportPlainText(const ReportInput& input);

}  // namespace quorbel
