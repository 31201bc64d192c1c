// Pictures for a worksheet: round-number ticks, the clipping of the window's drawing
// into the frame, and the three graphs exported "for a worksheet" with their axis
// titles, tick numbers, title and the marks shown over the graph.
#include "worksheet/Worksheet.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <string>
#include <vector>

#include "ModelFixture.h"
#include "surface/ViewportSurface.h"

namespace quorbel {
namespace {

// --- round numbers

struct TickCase {
    const char* name;
    double a, pa, b, pb, from, to;
    std::vector<std::string> labels;
    double firstPosition;
};

class LinearTicksTest : public ::testing::TestWithParam<TickCase> {};

TEST_P(LinearTicksTest, RoundNumbersAtTheirPlaces) {
    const TickCase& c = GetParam();
    const std::vector<AxisTick> ticks = LinearTicks(c.a, c.pa, c.b, c.pb, c.from, c.to);
    std::vector<std::string> labels;
    for (const AxisTick& tick : ticks) labels.push_back(tick.label);
    EXPECT_EQ(labels, c.labels);
    if (!ticks.empty()) {
        EXPECT_NEAR(ticks.front().position, c.firstPosition, 1e-6);
    }
}

INSTANTIATE_TEST_SUITE_P(
    Axes, LinearTicksTest,
    ::testing::Values(
        // One second across 7665 twips: tenths... fifths of a second.
        TickCase{
            "Time_one_second", 0, 0, 1, 7665, 0, 7665, {"0", "0.2", "0.4", "0.6", "0.8", "1"}, 0},
        TickCase{"Hertz_0_to_511",
                 0,
                 0,
                 511,
                 7665,
                 0,
                 7665,
                 {"0", "100", "200", "300", "400", "500"},
                 0},
        TickCase{"Expanded_30_to_90_Hz",
                 30,
                 0,
                 90,
                 6000,
                 0,
                 6000,
                 {"30", "40", "50", "60", "70", "80", "90"},
                 0},
        // Values grow upward: value 0 on the axis at 3530, 3.5 at 662.
        TickCase{"Upward_values", 0, 3530, 3.5, 662, 0, 3530, {"0", "1", "2", "3", "4"}, 3530},
        TickCase{"Samples_both_signs",
                 0,
                 1327.5,
                 10,
                 331.875,
                 0,
                 2655,
                 {"-10", "-5", "0", "5", "10"},
                 1327.5 + 10 * 99.5625},
        TickCase{"Small_values",
                 0,
                 0,
                 0.003,
                 1000,
                 0,
                 1000,
                 {"0", "0.0005", "0.001", "0.0015", "0.002", "0.0025", "0.003"},
                 0},
        TickCase{"No_span", 5, 0, 5, 1000, 0, 1000, {}, 0},
        TickCase{"No_length", 0, 100, 5, 100, 0, 1000, {}, 0}),
    [](const auto& info) { return std::string(info.param.name); });

struct StepCase {
    double span;
    int count;
    double step;
};

class RoundStepTest : public ::testing::TestWithParam<StepCase> {};

TEST_P(RoundStepTest, OneTwoOrFiveTimesAPowerOfTen) {
    EXPECT_DOUBLE_EQ(RoundStep(GetParam().span, GetParam().count), GetParam().step);
}

INSTANTIATE_TEST_SUITE_P(Spans, RoundStepTest,
                         ::testing::Values(StepCase{1, 6, 0.2}, StepCase{511, 6, 100},
                                           StepCase{60, 6, 10}, StepCase{22050, 6, 5000},
                                           StepCase{3, 6, 0.5}, StepCase{0, 6, 0},
                                           StepCase{-4, 6, 0}),
                         [](const auto& info) { return "Case" + std::to_string(info.index); });

// --- the window's drawing cut to the frame

struct ClipCase {
    const char* name;
    double x1, y1, x2, y2;
    bool inside;
    double cx1, cy1, cx2, cy2;
};

class ClipSegmentTest : public ::testing::TestWithParam<ClipCase> {};

TEST_P(ClipSegmentTest, PartInsideTheRectangle) {
    const ClipCase& c = GetParam();
    double x1 = c.x1, y1 = c.y1, x2 = c.x2, y2 = c.y2;
    EXPECT_EQ(ClipSegment({100, 100, 200, 300}, x1, y1, x2, y2), c.inside);
    if (c.inside) {
        EXPECT_DOUBLE_EQ(x1, c.cx1);
        EXPECT_DOUBLE_EQ(y1, c.cy1);
        EXPECT_DOUBLE_EQ(x2, c.cx2);
        EXPECT_DOUBLE_EQ(y2, c.cy2);
    }
}

INSTANTIATE_TEST_SUITE_P(
    Segments, ClipSegmentTest,
    ::testing::Values(ClipCase{"Inside", 120, 120, 180, 280, true, 120, 120, 180, 280},
                      ClipCase{"Across", 0, 200, 300, 200, true, 100, 200, 200, 200},
                      ClipCase{"Left_of_it", 0, 0, 50, 400, false, 0, 0, 0, 0},
                      ClipCase{"Diagonal_in", 0, 0, 150, 150, true, 100, 100, 150, 150},
                      ClipCase{"Vertical_through", 150, 0, 150, 1000, true, 150, 100, 150, 300},
                      ClipCase{"A_point_outside", 50, 50, 50, 50, false, 0, 0, 0, 0}),
    [](const auto& info) { return std::string(info.param.name); });

TEST(ViewportSurfaceTest, MovesCutsAndRecoloursTheDrawing) {
    RecordingSurface page(5000, 3000);
    ViewportSurface view(page, 20000, 2000, 1000 - 8000, 500, {8000, 0, 11000, 2000},
                         [](Color c) { return c == colors::kWhite ? colors::kBlack : c; });
    EXPECT_EQ(view.Width(), 20000);
    view.Line(0, 1000, 20000, 1000, colors::kWhite);  // across: cut to the part shown
    view.PSet(500, 500, colors::kDarkRed);            // left of the part shown: dropped
    view.SetCurrentX(9000);
    view.SetCurrentY(100);
    view.PrintText("kept", true);
    view.SetCurrentX(10990);
    view.PrintText("cut off", true);  // would run over the right edge
    const std::vector<Primitive> lines = page.OfKind(Primitive::Kind::Line);
    ASSERT_EQ(lines.size(), 1u);
    EXPECT_EQ(lines[0].x1, 1000);
    EXPECT_EQ(lines[0].x2, 4000);
    EXPECT_EQ(lines[0].y1, 1500);
    EXPECT_EQ(lines[0].color, colors::kBlack);
    EXPECT_TRUE(page.OfKind(Primitive::Kind::Point).empty());
    EXPECT_EQ(page.Texts(), std::vector<std::string>{"kept"});
    EXPECT_EQ(page.OfKind(Primitive::Kind::Text)[0].x1, 2000);
}

// --- the three graphs for a worksheet

constexpr int kRight = 2;

struct SheetCase {
    const char* name;
    std::vector<const char*> before;  // controls clicked first
    const char* item;                 // the export
    std::vector<std::string> texts;   // must be among the picture's texts
    bool harmonicMarks = false;       // blue marks over the FFT graph
};

class WorksheetExportTest : public testing::ModelFixture,
                            public ::testing::WithParamInterface<SheetCase> {};

// One of the texts, or, for a title that may be broken over two lines, part of all
// of them joined by blanks.
bool Has(const std::vector<std::string>& texts, const std::string& text) {
    if (std::find(texts.begin(), texts.end(), text) != texts.end()) return true;
    std::string joined;
    for (const std::string& t : texts) joined += t + " ";
    return text.size() > 30 && joined.find(text) != std::string::npos;
}

TEST_P(WorksheetExportTest, AxesTitleAndMarks) {
    const SheetCase& c = GetParam();
    Loaded();
    for (const char* control : c.before) Press(control);
    if (c.harmonicMarks) {
        Press("Command2");  // "Show", then a right drag to the peak at 30 Hz
        Press("Picture1", Event::MouseMove, {.button = kRight, .x = 30 * 7665.0 / 511, .y = 2000});
    }
    Press("mnuExportWorksheetItem");
    EXPECT_TRUE(View()["mnuExportWorksheetItem"].checked);
    platform.saveAnswers.push_back("/tmp/sheet.png");
    Press(c.item);
    ASSERT_EQ(platform.exportedPictures.size(), 1u);
    const RecordingSurface& picture = *platform.exportedPictures[0].picture;
    const std::vector<std::string> texts = picture.Texts();
    for (const std::string& text : c.texts)
        EXPECT_TRUE(Has(texts, text)) << text << " not in " << ::testing::PrintToString(texts);
    // The page is the plot with the margins round it.
    EXPECT_GT(picture.Width(), 7455 + WorksheetMargins::left);
    EXPECT_LE(picture.Width(), 11775 + WorksheetMargins::left + WorksheetMargins::right);
    // A white ground under everything.
    const std::vector<Primitive> boxes = picture.OfKind(Primitive::Kind::Box);
    ASSERT_FALSE(boxes.empty());
    EXPECT_EQ(boxes.front().color, colors::kWhite);
    int blue = 0;
    for (const Primitive& line : picture.OfKind(Primitive::Kind::Line))
        blue += line.color == colors::kDarkBlue && line.x1 == line.x2 ? 1 : 0;
    if (c.harmonicMarks) {
        EXPECT_EQ(blue, 11);
        EXPECT_TRUE(
            Has(texts,
                "Short vertical marks: the window's harmonic markers, a fundamental and its "
                "harmonics."));
    } else if (std::string(c.item) != "mnuExportFtPngItem") {
        EXPECT_EQ(blue, 0);
    }
    EXPECT_TRUE(platform.messages.empty());
}

INSTANTIATE_TEST_SUITE_P(
    Graphs, WorksheetExportTest,
    ::testing::Values(
        SheetCase{"Ft",
                  {},
                  "mnuExportFtPngItem",
                  {"time (s)", "f(t) (sample value)", "0.2", "0.8", "-10", "5",
                   "Samples f(t) of a sum of sines, 30 cycles per second, N = 1024 points"}},
        SheetCase{
            "Fft_modulus",
            {},
            "mnuExportFftSvgItem",
            {"frequency (Hz)", "modulus \xCF\x81 (units of the spectrum list)", "0", "100", "500",
             "Modulus \xCF\x81 of the Fourier transform of a sum of sines, 30 cycles per "
             "second, N = 1024 points"}},
        SheetCase{"Fft_harmonic_marks", {}, "mnuExportFftPdfItem", {"frequency (Hz)", "300"}, true},
        SheetCase{"Fft_percent",
                  {"mnuExportWorksheetItem", "mnuExportPercentItem", "mnuExportWorksheetItem"},
                  "mnuExportFftPngItem",
                  {"modulus \xCF\x81 (% of the largest)", "100", "50"}},
        SheetCase{"Fft_real_part",
                  {"Option2"},
                  "mnuExportFftPngItem",
                  {"real part (units of the spectrum list)",
                   "Real part of the Fourier transform of a sum of sines, 30 cycles per second, "
                   "N = 1024 points"}},
        SheetCase{"Music",
                  {"Command3"},
                  "mnuExportMusicSvgItem",
                  {"frequency (Hz), logarithmic scale, over the piano keyboard",
                   "modulus \xCF\x81 (units of the spectrum list)", "0",
                   "Modulus \xCF\x81 of the Fourier transform on a musical scale of a sum of "
                   "sines, 30 cycles per second, N = 1024 points"}}),
    [](const auto& info) { return std::string(info.param.name); });

TEST_F(WorksheetExportTest, PeakMarkAndExpandedRange) {
    Loaded();
    Press("Command8");  // "Horizontal": two right clicks set the range 0..~340 Hz
    Press("Picture1", Event::MouseDown, {.button = kRight, .x = 0});
    Press("Picture1", Event::MouseDown, {.button = kRight, .x = 5100});
    const int n = State().displayedValueList.Whole(0);
    ASSERT_LT(n, 511);
    // A left click near the peak at 300 Hz marks it.
    Press("Picture1", Event::MouseDown, {.button = 1, .x = 300 * 7665.0 / (n - 1)});
    Press("mnuExportWorksheetItem");
    platform.saveAnswers.push_back("/tmp/sheet.svg");
    Press("mnuExportFftSvgItem");
    ASSERT_EQ(platform.exportedPictures.size(), 1u);
    const std::vector<std::string> texts = platform.exportedPictures[0].picture->Texts();
    EXPECT_TRUE(Has(texts, "300 Hz"));
    // The title's last line ends with the range shown.
    const std::string& title = texts.back();
    EXPECT_NE(title.find("expanded to 0 to " + std::to_string(n - 1) + " Hz"), std::string::npos)
        << title;
}

TEST_F(WorksheetExportTest, PlainExportsStayTheWindowsDrawing) {
    Loaded();
    platform.saveAnswers.push_back("/tmp/plain.png");
    Press("mnuExportFftPngItem");
    ASSERT_EQ(platform.exportedPictures.size(), 1u);
    EXPECT_EQ(platform.exportedPictures[0].request.widthTwips, kPicture1Width);
    EXPECT_EQ(platform.exportedPictures[0].request.heightTwips, kPicture1Height);
    EXPECT_FALSE(View()["mnuExportPercentItem"].enabled);
}

}  // namespace
}  // namespace quorbel
