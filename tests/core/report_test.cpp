// The result report: peak search, amplitudes, phases, raw-data frequencies, and the
// layout of the report on a character grid and on the recording surface.
#include "report/Report.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <random>
#include <string>
#include <vector>

#include "fourier/TransformDriver.h"
#include "spectrum/SpectrumGraph.h"
#include "state/NumberText.h"
#include "surface/RecordingSurface.h"
#include "surface/SymbolFont.h"
#include "surface/TextGridSurface.h"
#include "synthesis/WaveSynthesis.h"

namespace quorbel {
namespace {

DataList ListOf(const std::vector<std::string>& lines) {
    DataList list;
    for (const std::string& line : lines) list.Add(line);
    return list;
}

// n bins of 0 with isolated maxima: `count` of them with value v from bin `first` on,
// every fourth bin.
void AddMaxima(std::vector<double>& a, int first, int count, double v) {
    for (int k = 0; k < count; ++k) a[static_cast<std::size_t>(first + 4 * k)] = v;
}

std::vector<int> Bins(const std::vector<Peak>& peaks) {
    std::vector<int> bins;
    for (const Peak& p : peaks) bins.push_back(p.bin);
    return bins;
}

TEST(ReportPeaks, SearchWithThresholdDoubling) {
    std::vector<double> spec25(120, 0.0), over20(120, 0.0), twenty(120, 0.0);
    AddMaxima(spec25, 2, 5, 1.0);     // bins 2..18 at M
    AddMaxima(spec25, 22, 20, 0.5);   // twenty at M/2: gone once T reaches 0.64 M
    AddMaxima(over20, 2, 21, 1.0);    // doubling never separates equal maxima
    AddMaxima(twenty, 2, 19, 0.015);  // twenty peaks are few enough: T stays at M/100
    twenty[100] = 1.0;
    const struct {
        const char* name;
        std::vector<double> a;
        double M;
        std::vector<int> bins;
    } cases[] = {
        {"five at M, twenty at M/2", spec25, 1.0, {2, 6, 10, 14, 18}},
        {"more than twenty at M", over20, 1.0, {}},
        {"exactly twenty", twenty, 1.0, {2,  6,  10, 14, 18, 22, 26, 30, 34, 38,
                                         42, 46, 50, 54, 58, 62, 66, 70, 74, 100}},
        {"a maximum at the last point is not reported", {0, 0, 1, 0, 0, 2}, 2, {2}},
        {"a plateau reports its last point", {0, 1, 1, 0}, 1, {2}},
        {"a maximum at bin 0 is not reported", {2, 1, 0, 1, 0}, 2, {3}},
        {"only values above M/100", {0, 0.01, 0, 0.011, 0, 1, 0}, 1, {3, 5}},
        {"the rising state carries over to the next scan", {9, 8, 7, 8}, 9, {1}},
        {"the falling side after a peak is no new peak", {0, 2, 1.5, 1, 0}, 2, {1}},
        {"all zero", {0, 0, 0, 0}, 0, {}},
        {"values but M = 0", {0, 1, 0, 1, 0, 1, 0}, 0, {}},
        {"negative M", {0, 1, 0}, -1, {}},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        EXPECT_EQ(Bins(FindPeaks(c.a, c.M)), c.bins);
    }
}

// The pass as first described, one scan per point, for comparison with PeakPass.
std::vector<int> LiteralPassBins(const std::vector<double>& a, double T) {
    std::vector<int> bins;
    const int n = static_cast<int>(a.size());
    bool rising = false;
    for (int i = 1; i <= n - 1; ++i) {
        if (!(a[i] > T)) continue;
        for (int j = i; j <= n - 1; ++j) {
            if (a[j] > a[j - 1]) rising = true;
            if (a[j] < a[j - 1] && rising) {
                rising = false;
                bins.push_back(j - 1);
                i = j;
                break;
            }
            if (a[j] < T) {
                i = j;
                break;
            }
        }
    }
    return bins;
}

TEST(ReportPeaks, PassFindsWhatOneScanPerPointFinds) {
    // Small random graphs over a few levels make plateaus, values equal to T and
    // monotone tails likely.
    std::mt19937 random(7);
    std::uniform_int_distribution<int> level(0, 3), length(2, 12);
    for (int trial = 0; trial < 20000; ++trial) {
        std::vector<double> a(static_cast<std::size_t>(length(random)));
        for (double& v : a) v = level(random);
        SCOPED_TRACE(testing::PrintToString(a));
        ASSERT_EQ(Bins(PeakPass(a, 1)), LiteralPassBins(a, 1));
    }
}

// The printed digits of each rounding: amplitudes truncated to one decimal, phases
// half up to five, raw frequencies (22050 Hz over 2n samples) half up to three.
TEST(ReportNumbers, RoundingsAsPrinted) {
    const struct {
        double value;
        const char* text;
    } cases[] = {
        {RelativeAmplitude(1, 1), "100"},        {RelativeAmplitude(0.9999, 1), "99.9"},
        {RelativeAmplitude(2, 3), "66.6"},       {RelativeAmplitude(0.00999, 1), "0.9"},
        {RoundHalfUp5(0.0000025), "0"},          {RoundHalfUp5(0.0000075), "1E-05"},
        {RoundHalfUp5(1.2345649), "1.23456"},    {RoundHalfUp5(0.015625), "0.01563"},  // half
        {RawPeakFrequency(100, 512), "2153.32"}, {RawPeakFrequency(3, 512), "64.6"},
        {RawPeakFrequency(1, 512), "21.533"},    {RawPeakFrequency(1, 16384), "0.673"},
        {RawPeakFrequency(5, 0), "0"},
    };
    for (const auto& c : cases) EXPECT_EQ(NumberText(c.value), c.text);
}

TEST(ReportPhase, SineAndCosinePhasesFromRealAndImaginaryParts) {
    const struct {
        double re, im;
        const char *phi, *theta;
    } cases[] =
        {
            {1, 0, "1.5708", "0"},          {0, 1, "0", "4.71239"},
            {-1, 0, "1.5708", "0"},         {0, -1, "0", "4.71239"},
            {1, 1, "0.7854", "5.49779"},    {1, -1, "2.35619", "0.7854"},
            {-1, -1, "3.92699", "2.35619"}, {-1, 1, "5.49779", "3.92699"},
            {3, 4, "0.6435", "5.35589"},    {-3, 4, "5.63968", "4.06889"},
            {-1e-9, 1, "0", "4.71239"},  // cosines down to -1e-7 count as 0
            {0, 0, "0", "4.71239"},      // no magnitude, no direction
        };
    for (const auto& c : cases) {
        SCOPED_TRACE(testing::Message() << "(" << c.re << ", " << c.im << ")");
        const PeakPhase p = PhaseOf(c.re, c.im);
        EXPECT_EQ(NumberText(p.phi), c.phi);
        EXPECT_EQ(NumberText(p.theta), c.theta);
    }
}

TEST(ReportRows, OneSineOfFrequency5ThroughTheTransform) {
    std::array<WaveRow, 10> rows{};
    rows[0] = {1, 1, 0};
    const DataList spectrum = RealSpectrumList(MultipleWaveSamples(1024, 1024, 5, rows, true), 512);
    const auto table = ReportRows(GraphValues(spectrum, 512, Quantity::Rho), spectrum, false);
    ASSERT_EQ(table.size(), 1u);
    EXPECT_EQ(table[0].frequency, 5);
    EXPECT_EQ(table[0].amplitude, 100);
    EXPECT_EQ(NumberText(table[0].phi), "0");
    EXPECT_EQ(NumberText(table[0].theta), "4.71239");
}

TEST(ReportRows, BrokenGraphListsGiveNoRows) {
    const struct {
        std::vector<std::string> lines;
        std::size_t rows;
    } cases[] = {{{"3", "0", "1", "0", "1", "0"}, 1},  // sound
                 {{}, 0},
                 {{"3", "0", "1", "0"}, 0},  // shorter than its header says
                 {{"40000", "0", "1", "0", "1"}, 0},
                 {{"-1", "0", "1", "0", "1"}, 0},
                 {{"abc", "0", "1", "0", "1"}, 0},
                 {{"1e300", "0", "1", "0", "1"}, 0}};
    for (const auto& c : cases) {
        SCOPED_TRACE(testing::PrintToString(c.lines));
        EXPECT_EQ(ReportRows(ListOf(c.lines), {}, false).size(), c.rows);
    }
}

// A small analysis: peaks at bin 2 (half height, re -1, im 0) and bin 5 (re 1, im 1).
struct SmallAnalysis {
    DataList graph = ListOf({"8", "0", "0", "1", "0", "0", "2", "0", "0", "2", "0"});
    DataList spectrum =
        ListOf({"8", "0", "0", "0", "0", "-1", "0", "0", "0", "0", "0", "1", "1", "0", "0"});
    ReportInput Input() const {
        ReportInput in;
        in.cyclesPerSecond = "5";
        in.dataExtensionSeconds = "1";
        in.windowSeconds = "1";
        in.totalPoints = "1024";
        in.simplePhase = "0.5";
        in.rawFileName = "bell.raw";
        for (std::size_t i = 0; i < 10; ++i) {
            in.amplitudeA[i] = i == 0 ? "1" : "0";
            in.multiplierB[i] = std::to_string(i + 1);
            in.phasePhi[i] = "0";
        }
        in.graphValueList = &graph;
        in.spectrumList = &spectrum;
        return in;
    }
};

// The 1-based columns at which the words of a line begin.
std::vector<int> WordColumns(const std::string& line) {
    std::vector<int> columns;
    const auto characters = Utf8Characters(line);
    for (std::size_t i = 0; i < characters.size(); ++i)
        if (characters[i] != " " && (i == 0 || characters[i - 1] == " "))
            columns.push_back(static_cast<int>(i) + 1);
    return columns;
}

// The rows of a text grid as one text, a line feed after each row.
std::string Text(const TextGridSurface& grid) {
    std::string text;
    for (const std::string& line : grid.Lines()) text += line + "\n";
    return text;
}

TEST(ReportLayout, LinesOnTheCharacterGrid) {
    const SmallAnalysis analysis;
    const std::string title = std::string(19, ' ') + "Report\n";
    const std::string parameters =
        "    2. Parameters\n"
        "         2.1. number of cycles per second: 5 cycles\n"
        "         2.2. data window (complemented with zeros): 1 second\n"
        "         2.3. parameters of the functions\n";
    std::string waveRows = "\n\n";  // the rows the thin line passes through
    for (int i = 1; i <= 10; ++i) {
        std::string row =
            std::string(9, ' ') + (i == 1 ? "1" : "0") + std::string(14, ' ') + std::to_string(i);
        waveRows += row + std::string(39 - row.size(), ' ') + "0\n";
    }
    waveRows += "\n";
    const std::string heads =
        "    3. RESULT\n"
        "     frequencies         amplitude               phase  (See Help!)\n";
    const std::string present = "      present               (ρ)";
    const std::string units = "        (Hz)                (%)                 (radians)\n";
    const std::string multipleTable =
        "          2                50                1.5708    0\n"
        "          5                100               0.7854    5.49779\n";
    const std::string rawLines =
        "    1. Function analysed f(t): Data of bell.raw\n"
        "         Frequency of file: 5 Hz\n"
        "         Number of points: 1024\n";
    const std::string rawHeads =
        "    3. RESULT\n"
        "     frequencies         amplitude\n"
        "      present\n"
        "        (Hz)                (%)\n";
    auto with = [&](auto change) {
        ReportInput in = analysis.Input();
        change(in);
        return in;
    };
    const struct {
        const char* name;
        ReportInput input;
        std::string text;
    } cases[] = {
        {"multiple sine waves", with([](ReportInput& in) { in.multipleShown = true; }),
         title + "    1. Function analysed f(t): sine\n" + parameters +
             "         a              b              φ\n" + waveRows + heads + present +
             "                φ         θ\n" + units + multipleTable},
        {"multiple cosine waves",
         with([](ReportInput& in) { in.multipleShown = true, in.sineSelected = false; }),
         title + "    1. Function analysed f(t): cosine\n" + parameters +
             "         a              b              θ\n" + waveRows + heads + present +
             "                φ         θ\n" + units + multipleTable},
        {"simple square wave", with([](ReportInput& in) {
             in.simpleShown = true, in.simpleKind = ReportInput::Simple::Square;
         }),
         title + "    1. Function analysed f(t): Square Wave\n" + parameters +
             "                   φ = 0.5\n" + heads + present + "                   φ\n" + units +
             "          2                50                    1.5708\n"
             "          5                100                   0.7854\n"},
        {"raw data, window complemented with zeros",
         with([](ReportInput& in) { in.rawData = true, in.dataExtensionSeconds = "0.5"; }),
         title + rawLines + "         Window: 1 seconds\n" +
             "         Data window (complemented with zeros): 0.5 seconds\n" + rawHeads +
             // Bins 2 and 5 of 8 at the file's 5 Hz.
             "          0.625            50\n"
             "          1.562            100\n"},
        {"raw data, whole window, no graph", with([](ReportInput& in) {
             in.rawData = true, in.windowSeconds = "1.00000001", in.graphValueList = nullptr;
         }),
         title + rawLines + "         Window: 1.00000001 seconds\n" + rawHeads},
        {"no panel shown: headings only", with([](ReportInput&) {}),
         title + "    1. Function analysed f(t):\n" + parameters + heads + present + "\n" + units},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        TextGridSurface grid(kReportWidth, kReportHeight);
        grid.PrintText("left over from the last report");
        WriteReport(grid, c.input);
        EXPECT_EQ(Text(grid), c.text);
    }
}

TEST(ReportLayout, PrinterColumnsMoveEverythingButTheTitle) {
    const SmallAnalysis analysis;
    ReportInput in = analysis.Input();
    in.multipleShown = true;
    TextGridSurface grid(kReportWidth, kReportHeight);
    WriteReportText(grid, in, kPrinterReportColumns, false);
    const std::vector<std::string> lines = grid.Lines();
    ASSERT_EQ(lines.size(), 24u);  // no thin line: the wave rows follow the heading
    // Where the items of some lines begin: wave table, headings, a table row.
    const std::vector<std::pair<std::size_t, std::vector<int>>> cases = {
        {1, {25}},          {3, {30}},
        {6, {30, 45, 60}},  {18, {25}},
        {19, {26, 46, 70}}, {20, {27, 49, 53, 62}},
        {21, {29, 49, 69}}, {23, {31, 48, 66, 76}}};
    for (const auto& [line, columns] : cases) {
        SCOPED_TRACE(lines[line]);
        std::vector<int> got = WordColumns(lines[line]);
        got.resize(std::min(got.size(), columns.size()));
        EXPECT_EQ(got, columns);
    }
}

TEST(ReportLayout, FontsColoursAndTheThinLine) {
    const SmallAnalysis analysis;
    ReportInput in = analysis.Input();
    in.multipleShown = true;
    RecordingSurface form5(kReportWidth, kReportHeight);
    form5.SetForeColor(colors::kDarkBlue);
    WriteReport(form5, in);
    EXPECT_EQ(form5.ClsCount(), 1);
    const auto lines = form5.OfKind(Primitive::Kind::Line);
    ASSERT_EQ(lines.size(), 1u);
    EXPECT_EQ((std::vector<double>{lines[0].x1, lines[0].y1, lines[0].x2, lines[0].y2}),
              (std::vector<double>{500, 1600, 4200, 1600}));
    EXPECT_EQ(lines[0].color, colors::kBlack);

    const FontState title{"Arial", 14, true, false}, body{"Arial", 8, false, false},
        help{"Arial", 8, false, true}, greek{"Symbol", 8, false, false};
    const auto texts = form5.OfKind(Primitive::Kind::Text);
    std::size_t helpNotes = 0;
    for (std::size_t i = 0; i < texts.size(); ++i) {
        const Primitive& t = texts[i];
        SCOPED_TRACE(t.text);
        if (t.text == "Report") {
            EXPECT_EQ(t.font, title);
        } else if (t.text == " (See Help!)") {
            ++helpNotes;
            EXPECT_EQ(t.font, help);
            EXPECT_EQ(t.color, Rgb(255, 0, 0));
            ASSERT_LT(i + 1, texts.size());
            EXPECT_EQ(texts[i + 1].font, body);  // reset right after
            EXPECT_EQ(texts[i + 1].color, colors::kBlack);
        } else if (t.text == "f" || t.text == "q" || t.text == "r") {
            EXPECT_EQ(t.font, greek);
        } else {
            EXPECT_EQ(t.font, body);
            EXPECT_EQ(t.color, colors::kBlack);
        }
    }
    EXPECT_EQ(helpNotes, 1u);
    EXPECT_EQ(form5.Font(), body);
}

}  // namespace
}  // namespace quorbel
