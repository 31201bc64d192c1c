// The labels of the linear frequency scale are readable: each lies whole inside the
// graph, under its own tick. Drawn on a recording surface of the FFT graph's size, whose
// text metric is fixed (characters x font size x 10 twips).
#include <gtest/gtest.h>

#include <algorithm>
#include <string>
#include <vector>

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

}  // namespace
}  // namespace quorbel
