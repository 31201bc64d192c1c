// The printed page (graph, scale, grid, titles, border and the report below), the
// bitmap window and its "Save image", driven through the main window's menu.
#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <map>
#include <string>
#include <vector>

#include "CaseName.h"
#include "ModelFixture.h"
#include "report/PrintedGraph.h"
#include "surface/SymbolFont.h"

namespace quorbel {
namespace {

using L = PrintedGraphLayout;
using testing::ModelFixture;

// n values (the first `first`..), the scale maximum and the first bin shown.
DataList Shown(const std::vector<double>& values, double M, int first) {
    DataList list;
    list.AddNumber(static_cast<double>(values.size()));
    for (double v : values) list.AddNumber(v);
    list.AddNumber(M);
    list.AddNumber(first);
    return list;
}

struct ScaleCase {
    const char* name;
    int n;
    int first;
    std::map<int, double> labels;  // label -> twips below the zero line
    int smallTicks;                // ticks from the band to y0 + 280, one per grid line
};

std::map<int, double> Every(int from, int to, int step, double below) {
    std::map<int, double> labels;
    for (int f = from; f <= to; f += step) labels[f] = below;
    return labels;
}

std::vector<ScaleCase> ScaleCases() {
    std::map<int, double> expanded = Every(23, 37, 1, 280);
    expanded[25] = expanded[35] = 380;
    expanded[30] = 460;
    std::map<int, double> p150 = Every(0, 100, 100, 460);
    p150[50] = 380;
    return {
        {"512PointsFromBin0", 512, 0, Every(0, 500, 100, 460), 52},
        {"150Points", 150, 0, p150, 15},
        {"15PointsFromBin23", 15, 23, expanded, 15},
    };
}

class PrintedScaleTest : public ::testing::TestWithParam<ScaleCase> {};

TEST_P(PrintedScaleTest, LabelsTicksAndGrid) {
    const ScaleCase& c = GetParam();
    RecordingSurface page(kPrinterPageWidth, kPrinterPageHeight);
    DrawPrintedGraph(page, Shown(std::vector<double>(static_cast<size_t>(c.n), 1), 1, c.first), {});
    std::map<int, double> labels;
    for (const Primitive& p : page.OfKind(Primitive::Kind::Text)) {
        if (p.y1 < L::y0) continue;  // the titles
        if (p.text == "frequency, (Hz)") continue;
        const int f = std::stoi(p.text);
        EXPECT_EQ(p.text, " " + std::to_string(f) + " ");
        EXPECT_EQ(labels.count(f), 0u) << "label " << f << " twice";
        labels[f] = p.y1 - L::y0;
        EXPECT_EQ(p.font.name, "Times New Roman");
        EXPECT_EQ(p.font.size, 8);
    }
    EXPECT_EQ(labels, c.labels);

    int ticks = 0, medium = 0, verticalGrid = 0, horizontalGrid = 0;
    for (const Primitive& p : page.OfKind(Primitive::Kind::Line)) {
        if (p.x1 != p.x2 && p.color == kPrintedGridColor) ++horizontalGrid;
        if (p.x1 != p.x2) continue;
        if (p.color == kPrintedGridColor) {
            EXPECT_EQ(p.y1, L::gridTop);
            EXPECT_EQ(p.y2, L::y0 + 200);
            ++verticalGrid;
        } else if (p.y1 == L::y0 + 200 && p.y2 == L::y0 + 280) {
            ++ticks;
        } else if (p.y1 == L::y0 + 200 && p.y2 == L::y0 + 380) {
            ++medium;
        }
    }
    EXPECT_EQ(ticks, c.smallTicks);
    EXPECT_EQ(verticalGrid, c.smallTicks);
    EXPECT_EQ(horizontalGrid, 20);
    if (c.n == 512) {
        EXPECT_EQ(medium, 11) << "every 50 bins up to 500";
    }
}

INSTANTIATE_TEST_SUITE_P(Scales, PrintedScaleTest, ::testing::ValuesIn(ScaleCases()),
                         [](const auto& info) { return std::string(info.param.name); });

TEST(PrintedGraphTest, CurveRunsFromTheMaximumAtTopToTheZeroLine) {
    struct Case {
        std::vector<double> values;
        std::vector<double> ys;  // of points 1..n
    };
    const std::vector<Case> cases = {
        {{4, 0, 2, -4}, {2000, 6000, 4000, 10000}},
        {{0, 4, 1}, {6000, 2000, 5000}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.values.size());
        RecordingSurface page(kPrinterPageWidth, kPrinterPageHeight);
        DrawPrintedGraph(page, Shown(c.values, 4, 0), {});
        const std::vector<Primitive> points = page.OfKind(Primitive::Kind::Point);
        ASSERT_FALSE(points.empty());
        EXPECT_EQ(points.front().x1, L::x0);
        EXPECT_EQ(points.front().y1, c.ys.front());
        std::vector<double> ys = {points.front().y1};
        for (const Primitive& p : page.OfKind(Primitive::Kind::Line))
            if (p.color == colors::kDarkRed) ys.push_back(p.y2);
        EXPECT_EQ(ys, c.ys);
    }
}

struct GuardCase {
    const char* edit;  // typed into "Number of cycles (per second)" first ("" nothing)
    bool printed;
};

class PrintGuardTest : public ModelFixture, public ::testing::WithParamInterface<GuardCase> {};

TEST_P(PrintGuardTest, PrintsOnlyWhileTheGraphsAreCurrent) {
    Loaded();
    if (*GetParam().edit) {
        ASSERT_TRUE(Model().Type("Text2", GetParam().edit));
    }
    ASSERT_TRUE(Model().Fire("mnuPrintftgrItem", Event::Click));
    EXPECT_EQ(platform.pages.size(), GetParam().printed ? 1u : 0u);
    EXPECT_EQ(platform.endedDocuments, GetParam().printed ? 1 : 0);
    if (GetParam().printed) {
        EXPECT_TRUE(platform.messages.empty());
    } else {
        ASSERT_EQ(platform.messages.size(), 1u);
        EXPECT_EQ(platform.messages[0],
                  "It is not possible to print the graph and the report because parameters were "
                  "changed. Click in BOTH to replot the graphs and then retry to print.");
    }
}

INSTANTIATE_TEST_SUITE_P(Guard, PrintGuardTest,
                         ::testing::Values(GuardCase{"", true}, GuardCase{"31", false}),
                         [](const auto& info) {
                             return std::string(*info.param.edit ? "CyclesEdited" : "Current");
                         });

class PrintedReportTest : public ModelFixture {
  protected:
    // The texts below `fromY`, and the column (1-based, in average widths of Arial 8)
    // of each Greek heading letter.
    static std::vector<std::string> TextsBelow(const RecordingSurface& s, double fromY) {
        std::vector<std::string> texts;
        for (const Primitive& p : s.OfKind(Primitive::Kind::Text))
            if (p.y1 > fromY) texts.push_back(p.text);
        return texts;
    }
    static std::vector<int> SymbolColumns(const RecordingSurface& s, const std::string& letter) {
        std::vector<int> columns;
        for (const Primitive& p : s.OfKind(Primitive::Kind::Text))
            if (IsSymbolFont(p.font.name) && p.text == letter)
                columns.push_back(static_cast<int>(std::lround(p.x1 / (p.font.size * 10))) + 1);
        return columns;
    }
};

TEST_F(PrintedReportTest, SameRowsAsTheScreenWithThePrinterColumns) {
    Loaded();
    ASSERT_TRUE(Model().Fire("mnuReport", Event::Click));
    ASSERT_TRUE(Model().Fire("mnuPrintftgrItem", Event::Click));
    ASSERT_EQ(platform.pages.size(), 1u);
    const RecordingSurface& page = *platform.pages[0];
    // The report starts on the line under the border, whose bottom edge is at 7015.
    const std::vector<std::string> printed = TextsBelow(page, L::y0 + 1015);
    ASSERT_FALSE(printed.empty());
    EXPECT_EQ(printed.front(), "Report");
    EXPECT_EQ(printed, TextsBelow(form5, -1));
    EXPECT_TRUE(std::find(printed.begin(), printed.end(), " 300 ") != printed.end() ||
                std::find(printed.begin(), printed.end(), "300") != printed.end());

    struct Heading {
        const char* letter;
        const RecordingSurface* surface;
        int column;
    };
    for (const Heading& h : {Heading{"f", &page, 53}, Heading{"q", &page, 62},
                             Heading{"f", &form5, 48}, Heading{"q", &form5, 58}}) {
        SCOPED_TRACE(std::string(h.letter) + (h.surface == &page ? " on paper" : " on screen"));
        const std::vector<int> columns = SymbolColumns(*h.surface, h.letter);
        EXPECT_TRUE(std::find(columns.begin(), columns.end(), h.column) != columns.end())
            << ::testing::PrintToString(columns);
    }
    // No line under the wave table's heading on paper: every black horizontal line
    // belongs to the graph (zero line, band, frame, border).
    for (const Primitive& p : page.OfKind(Primitive::Kind::Line))
        EXPECT_LE(std::max(p.y1, p.y2), L::y0 + 1015);
}

TEST(BitmapDrawingTest, LargestValueAtTheFirstPointStartsAnEighthDown) {
    RecordingPlatform platform;
    RecordingSurface form8(kBitmapOuterWidth, kBitmapOuterHeight);
    BitmapWindowModel bitmap(platform, &form8);
    bitmap.DrawCurve(Shown({8, 2, 0, 8}, 8, 0));
    const float H = static_cast<float>(kBitmapOuterHeight);
    const std::vector<Primitive> points = form8.OfKind(Primitive::Kind::Point);
    ASSERT_EQ(points.size(), 1u);
    EXPECT_EQ(points[0].x1, 0);
    EXPECT_EQ(points[0].y1, H / 8);
    const std::vector<Primitive> lines = form8.OfKind(Primitive::Kind::Line);
    ASSERT_EQ(lines.size(), 4u);  // the zero line and three steps
    EXPECT_EQ(lines[0].y1, H * 2 / 3);
    EXPECT_EQ(lines[0].x2, kBitmapOuterWidth);
    EXPECT_EQ(lines.back().x2, kBitmapOuterWidth);
    EXPECT_EQ(lines.back().y2, H / 8);
    EXPECT_EQ(lines.back().color, colors::kDarkRed);
}

class BitmapTest : public ModelFixture {};

TEST_F(BitmapTest, OnlyTheBitmapCommandDrawsIntoTheWindow) {
    Loaded();
    EXPECT_TRUE(form8.Primitives().empty());
    ASSERT_TRUE(Model().Fire("mnuCreateBitmapItem", Event::Click));
    EXPECT_TRUE(Model().Bitmap().View().shown);
    EXPECT_FALSE(View()["mnuCreateBitmapItem"].checked);
    const int erased = form8.ClsCount();
    EXPECT_GE(erased, 1);
    const size_t drawn = form8.Primitives().size();
    EXPECT_EQ(drawn, 1u + 1u + 511u);  // zero line, first point, 511 steps
    // Other drawings of the spectrum leave the picture alone.
    ASSERT_TRUE(Model().Fire("Command5", Event::Click));
    ASSERT_TRUE(Model().Fire("Option1", Event::Click));
    EXPECT_EQ(form8.ClsCount(), erased);
    EXPECT_EQ(form8.Primitives().size(), drawn);
}

TEST_F(BitmapTest, MusicalScaleLeavesThePreviousPicture) {
    Loaded();
    ASSERT_TRUE(Model().Fire("mnuCreateBitmapItem", Event::Click));
    const int erased = form8.ClsCount();
    const size_t drawn = form8.Primitives().size();
    ASSERT_TRUE(Model().Fire("Command3", Event::Click));  // "Log": the musical graph
    ASSERT_EQ(View()["Command3"].caption, "Lin");
    // The command waits for the linear graph; the musical redraws leave the picture.
    EXPECT_FALSE(Model().Fire("mnuCreateBitmapItem", Event::Click));
    ASSERT_TRUE(Model().Fire("Command4", Event::Click));
    ASSERT_TRUE(Model().Fire("Command9", Event::Click));
    EXPECT_TRUE(Model().Bitmap().View().shown);
    EXPECT_EQ(form8.ClsCount(), erased);
    EXPECT_EQ(form8.Primitives().size(), drawn);
}

TEST_F(BitmapTest, SaveImageWritesOrStaysOpen) {
    struct Case {
        const char* name;
        std::optional<std::string> answer;
        bool writable;
        bool saved;
        bool staysOpen;
    };
    const std::vector<Case> cases = {
        {"cancelled", std::nullopt, true, false, false},
        {"empty name", std::string(), true, false, false},
        {"written", std::string("graph.bmp"), true, true, false},
        {"not writable", std::string("locked.bmp"), false, true, true},
    };
    Loaded();
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        ASSERT_TRUE(Model().Fire("mnuCreateBitmapItem", Event::Click));
        form8.savedBitmaps.clear();
        form8.bitmapsWritable = c.writable;
        platform.saveAnswers = {c.answer};
        platform.saveFilters.clear();
        ASSERT_TRUE(Model().Bitmap().Fire("mnuSaveItem", Event::Click));
        EXPECT_EQ(platform.saveFilters,
                  std::vector<std::string>{"Image Files (Bitmaps)(*.bmp)|*.bmp"});
        EXPECT_EQ(form8.savedBitmaps.size(), c.saved ? 1u : 0u);
        EXPECT_EQ(Model().Bitmap().View().shown, c.staysOpen);
        // A failure is said, naming the file chosen.
        if (c.staysOpen) {
            ASSERT_EQ(platform.messages.size(), 1u);
            EXPECT_EQ(platform.messages[0],
                      "The file \"" + *c.answer + "\" cannot be written: it is read-only.");
        } else {
            EXPECT_TRUE(platform.messages.empty());
        }
        platform.messages.clear();
    }
    ASSERT_TRUE(Model().Fire("mnuCreateBitmapItem", Event::Click));
    ASSERT_TRUE(Model().Bitmap().Fire("mnuExitItem", Event::Click));
    EXPECT_FALSE(Model().Bitmap().View().shown);
}

struct BitmapNameCase {
    const char* name;
    const char* typed;    // the save dialog's answer
    const char* written;  // the file the picture is written to
};

class BitmapNameTest : public ModelFixture, public ::testing::WithParamInterface<BitmapNameCase> {};

// A name without an extension gets ".bmp"; a name with one is written as it is.
TEST_P(BitmapNameTest, SaveImageWritesTheNameWithItsExtension) {
    const BitmapNameCase& c = GetParam();
    Loaded();
    ASSERT_TRUE(Model().Fire("mnuCreateBitmapItem", Event::Click));
    platform.saveAnswers = {std::string(c.typed)};
    ASSERT_TRUE(Model().Bitmap().Fire("mnuSaveItem", Event::Click));
    EXPECT_EQ(form8.savedBitmaps, std::vector<std::string>{c.written});
    EXPECT_FALSE(Model().Bitmap().View().shown);
}

INSTANTIATE_TEST_SUITE_P(Names, BitmapNameTest,
                         ::testing::Values(BitmapNameCase{"NoExtension", "bitmap1", "bitmap1.bmp"},
                                           BitmapNameCase{"InAFolder", "/home/student/bitmap1",
                                                          "/home/student/bitmap1.bmp"},
                                           BitmapNameCase{"DottedFolder", "/data/run.2/bitmap1",
                                                          "/data/run.2/bitmap1.bmp"},
                                           BitmapNameCase{"Bmp", "graph.bmp", "graph.bmp"},
                                           BitmapNameCase{"UpperCaseBmp", "GRAPH.BMP", "GRAPH.BMP"},
                                           BitmapNameCase{"OtherExtension", "graph.png",
                                                          "graph.png"},
                                           BitmapNameCase{"TrailingDot", "graph.", "graph."}),
                         [](const auto& info) { return std::string(info.param.name); });

}  // namespace
}  // namespace quorbel
