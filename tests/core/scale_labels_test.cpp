// The labels of the two linear frequency scales are readable: each lies whole inside
// the graph, under its own tick, and the hertz scale of sound files never lets two
// labels run together. Drawn on a recording surface of the FFT graph's size, whose
// text metric is fixed (characters x font size x 10 twips).
#include <gtest/gtest.h>

#include <algorithm>
#include <string>
#include <vector>

#include "rawfile/RawScale.h"
#include "spectrum/LinearScale.h"
#include "surface/RecordingSurface.h"

namespace quorbel {
namespace {

constexpr double kW = 7665;
constexpr double kH = 5295;
constexpr double kYZero = kH * 2 / 3;

struct PrintedLabel {
    int value;
    double left, right;  // twips, the blanks around the number included
};

std::vector<PrintedLabel> PrintedLabels(const RecordingSurface& pic) {
    std::vector<PrintedLabel> labels;
    for (const Primitive& p : pic.OfKind(Primitive::Kind::Text)) {
        const double width = static_cast<double>(p.text.size()) * p.font.size * 10;
        labels.push_back({std::stoi(p.text), p.x1, p.x1 + width});
    }
    std::sort(labels.begin(), labels.end(),
              [](const PrintedLabel& a, const PrintedLabel& b) { return a.left < b.left; });
    return labels;
}

void ExpectInsideTheGraph(const std::vector<PrintedLabel>& labels) {
    for (const PrintedLabel& label : labels) {
        EXPECT_GE(label.left, 0) << label.value;
        EXPECT_LE(label.right, kW) << label.value;
    }
}

// --- the bin scale of calculated waves

struct BinScaleCase {
    const char* name;
    int ftnpont, Nzero;
};

class BinScaleLabelsTest : public ::testing::TestWithParam<BinScaleCase> {};

TEST_P(BinScaleLabelsTest, EveryLabelWholeInsideTheGraphUnderItsTick) {
    const BinScaleCase& c = GetParam();
    RecordingSurface pic(kW, kH);
    Escala_Lin(pic, c.ftnpont, c.Nzero, 0, kYZero);
    const std::vector<PrintedLabel> labels = PrintedLabels(pic);
    ASSERT_FALSE(labels.empty());
    ExpectInsideTheGraph(labels);
    const double dx = c.ftnpont > 1 ? kW / (c.ftnpont - 1) : 0;
    for (const PrintedLabel& label : labels) {
        const double tick = dx * (label.value - c.Nzero);
        EXPECT_LE(label.left, tick + 1e-9) << label.value;
        EXPECT_GE(label.right, tick - 1e-9) << label.value;
    }
}

INSTANTIATE_TEST_SUITE_P(
    Views, BinScaleLabelsTest,
    ::testing::Values(BinScaleCase{"Positive512", 512, 0}, BinScaleCase{"All1024", 1024, 0},
                      BinScaleCase{"From20To69", 50, 20},      // "20" at the left edge
                      BinScaleCase{"From20To110", 91, 20},     // "110" at the right edge
                      BinScaleCase{"From100To199", 100, 100},  // three digits at both edges
                      BinScaleCase{"From37To86", 50, 37}, BinScaleCase{"From1To299", 299, 1},
                      BinScaleCase{"Twelve", 12, 0}, BinScaleCase{"From100To118", 19, 100},
                      BinScaleCase{"From500To510", 11, 500}, BinScaleCase{"SinglePoint", 1, 40}),
    [](const auto& info) { return std::string(info.param.name); });

// --- the hertz scale of sound files

struct HertzScaleCase {
    std::string name;
    double fs;
    int N, ftnpont, Nzero;
};

std::vector<HertzScaleCase> HertzScaleCases() {
    std::vector<HertzScaleCase> cases;
    for (double fs : {8000.0, 11025.0, 22050.0, 44100.0, 48000.0, 96000.0})
        for (int N : {1024, 4096, 16384}) {
            const std::string prefix =
                "Fs" + std::to_string(static_cast<int>(fs)) + "N" + std::to_string(N);
            cases.push_back({prefix + "Full", fs, N, N / 2, 0});
            cases.push_back({prefix + "Quarter", fs, N, N / 4, N / 8});
            cases.push_back({prefix + "Fifty", fs, N, 50, 100});
            cases.push_back({prefix + "Upper", fs, N, N / 8, N / 2 - N / 8});
        }
    return cases;
}

class HertzScaleLabelsTest : public ::testing::TestWithParam<HertzScaleCase> {};

TEST_P(HertzScaleLabelsTest, NoTwoLabelsOverlapAndAllLieInsideTheGraph) {
    const HertzScaleCase& c = GetParam();
    RecordingSurface pic(kW, kH);
    Escala_Lin_raw(pic, c.ftnpont, c.Nzero, 0, kYZero, c.N, c.fs);
    const std::vector<PrintedLabel> labels = PrintedLabels(pic);
    ExpectInsideTheGraph(labels);
    for (size_t i = 1; i < labels.size(); ++i)
        EXPECT_GE(labels[i].left, labels[i - 1].right - 1e-9)
            << labels[i - 1].value << " runs into " << labels[i].value;
    // A scale still says where it is: two labels at least on every view of 50 bins.
    EXPECT_GE(labels.size(), 2u);
    // Labels stand at major ticks (or at the labelled mediums) of the scale's step.
    const RawAxis a = RawAxisFor(c.ftnpont, c.Nzero, c.N, c.fs, kW);
    for (const PrintedLabel& label : labels) {
        EXPECT_EQ(label.value % (5 * a.step), 0) << label.value;
        EXPECT_GE(label.value, a.fLeft);
        EXPECT_LE(label.value, a.fRight);
    }
}

INSTANTIATE_TEST_SUITE_P(Sounds, HertzScaleLabelsTest, ::testing::ValuesIn(HertzScaleCases()),
                         [](const auto& info) { return info.param.name; });

// Where the scale's own labels fit they are kept; where they would run together
// every second (or fifth ...) major is labelled. A label that cannot lie whole
// inside the graph beside its neighbour is left out; its tick stays.
TEST(HertzScaleSpacing, OwnStepsWhereTheyFitWiderWhereNot) {
    struct Case {
        const char* name;
        double fs;
        int N, ftnpont, Nzero;
        std::vector<int> labels;
    };
    const Case cases[] = {
        {"22050 full half: every 1000 Hz",
         22050,
         4096,
         2048,
         0,
         {0, 1000, 2000, 3000, 4000, 5000, 6000, 7000, 8000, 9000, 10000}},
        {"44100 full half: every 2000 Hz",
         44100,
         4096,
         2048,
         0,
         {0, 2000, 4000, 6000, 8000, 10000, 12000, 14000, 16000, 18000, 20000}},
        {"22050 bins 100..149: majors and mediums",
         22050,
         4096,
         50,
         100,
         {550, 600, 650, 700, 750, 800}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        RecordingSurface pic(kW, kH);
        Escala_Lin_raw(pic, c.ftnpont, c.Nzero, 0, kYZero, c.N, c.fs);
        std::vector<int> values;
        for (const PrintedLabel& label : PrintedLabels(pic)) values.push_back(label.value);
        EXPECT_EQ(values, c.labels);
        // Every major tick is drawn, labelled or not.
        const RawAxis a = RawAxisFor(c.ftnpont, c.Nzero, c.N, c.fs, kW);
        int majors = 0;
        for (const Primitive& p : pic.OfKind(Primitive::Kind::Line))
            majors += p.x1 == p.x2 && p.y2 == kYZero + kMajorEnd;
        int expected = 0;
        for (int f = 0; f <= a.fRight; f += 10 * a.step) expected += f >= a.fLeft;
        EXPECT_EQ(majors, expected);
    }
}

}  // namespace
}  // namespace quorbel
