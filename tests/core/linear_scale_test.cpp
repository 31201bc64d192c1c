// The linear frequency scale and the legend of the FFT graph, drawn on a recording
// surface of the graph's size (7665 x 5295 twips, axis at two thirds of the height).
#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <string>
#include <vector>

#include "spectrum/LinearScale.h"
#include "surface/RecordingSurface.h"

namespace quorbel {
namespace {

constexpr double kW = 7665;
constexpr double kH = 5295;
constexpr double kYZero = kH * 2 / 3;  // 3530 twips

// Tick ends below the axis.
constexpr double kMinorEnd = 280;
constexpr double kMediumEnd = 380;
constexpr double kMajorEnd = 460;

struct Label {
    std::string text;
    double x;
    double below;  // twips below the axis
};

class LinearScaleTest : public ::testing::Test {
  protected:
    // Draws the scale for n points from `nzero` and remembers the geometry.
    void Draw(int n, int nzero) {
        n_ = n;
        nzero_ = nzero;
        Escala_Lin(pic_, n, nzero, 0, kYZero);
    }

    double Dx() const { return n_ > 1 ? kW / (n_ - 1) : 0; }
    double X(int k) const { return Dx() * (k - nzero_); }

    // Bins of the vertical ticks that start on the ruler and end `end` twips below the
    // axis, in drawing order. A tick off the bin grid fails the test.
    std::vector<int> TickBins(double end) const {
        std::vector<int> bins;
        for (const Primitive& p : pic_.OfKind(Primitive::Kind::Line)) {
            if (p.x1 != p.x2 || p.y1 != kYZero + 200 || p.y2 != kYZero + end) continue;
            const double offset = Dx() > 0 ? p.x1 / Dx() : 0;
            const int k = nzero_ + static_cast<int>(std::lround(offset));
            EXPECT_NEAR(p.x1, X(k), 1e-9) << "tick off the bin grid";
            bins.push_back(k);
        }
        return bins;
    }

    std::vector<Label> Labels() const {
        std::vector<Label> out;
        for (const Primitive& p : pic_.OfKind(Primitive::Kind::Text))
            out.push_back({p.text, p.x1, p.y1 - kYZero});
        return out;
    }

    // The label of bin k is found exactly once; returns it.
    Label LabelOf(int k) const {
        const std::string text = " " + std::to_string(k) + " ";
        std::vector<Label> found;
        for (const Label& l : Labels())
            if (l.text == text) found.push_back(l);
        EXPECT_EQ(found.size(), 1u) << "label " << k;
        return found.empty() ? Label{} : found.front();
    }

    std::vector<int> LabelBins() const {
        std::vector<int> bins;
        for (const Label& l : Labels()) bins.push_back(std::stoi(l.text));
        return bins;
    }

    static std::vector<int> Range(int from, int to, int step) {
        std::vector<int> v;
        for (int k = from; k <= to; k += step) v.push_back(k);
        return v;
    }

    RecordingSurface pic_{kW, kH};
    int n_ = 0;
    int nzero_ = 0;
};

TEST_F(LinearScaleTest, RulerIsTwoFullWidthLinesUnderTheAxis) {
    Draw(512, 0);
    const auto lines = pic_.OfKind(Primitive::Kind::Line);
    ASSERT_GE(lines.size(), 2u);
    EXPECT_EQ(lines[0].x1, 0);
    EXPECT_EQ(lines[0].x2, kW);
    EXPECT_EQ(lines[0].y1, kYZero + 200);
    EXPECT_EQ(lines[0].y2, kYZero + 200);
    EXPECT_EQ(lines[1].x1, 0);
    EXPECT_EQ(lines[1].x2, kW);
    EXPECT_EQ(lines[1].y1, kYZero + 280);
    EXPECT_EQ(lines[1].y2, kYZero + 280);
}

TEST_F(LinearScaleTest, PositiveFrequencies512Points) {
    Draw(512, 0);
    EXPECT_EQ(TickBins(kMinorEnd), Range(0, 510, 10));
    EXPECT_EQ(TickBins(kMediumEnd), Range(0, 500, 50));
    EXPECT_EQ(TickBins(kMajorEnd), Range(0, 500, 100));
    EXPECT_EQ(LabelBins(), Range(0, 500, 100));

    // A label hangs from its major tick; from 100 on it starts 180 twips to the left.
    const Label zero = LabelOf(0);
    EXPECT_EQ(zero.x, 0);
    EXPECT_EQ(zero.below, kMajorEnd);
    const Label l300 = LabelOf(300);
    EXPECT_DOUBLE_EQ(l300.x, X(300) - 180);
    EXPECT_EQ(l300.below, kMajorEnd);
}

TEST_F(LinearScaleTest, NegativeFrequencies1024PointsCarryTheirBinNumbers) {
    Draw(1024, 0);
    EXPECT_EQ(TickBins(kMinorEnd), Range(0, 1020, 10));
    EXPECT_EQ(TickBins(kMediumEnd), Range(0, 1000, 50));
    EXPECT_EQ(LabelBins(), Range(0, 1000, 100));
    // The last label sits at bin 1000 of 1023, near the right edge: 180 twips left of
    // its tick it would run over the edge, so it ends there (six characters of 8.25
    // points at 82.5 twips).
    EXPECT_DOUBLE_EQ(LabelOf(1000).x, kW - 6 * 82.5);
    EXPECT_EQ(LabelOf(1000).below, kMajorEnd);
}

TEST_F(LinearScaleTest, ExpandedFiftyPointsFromOffset37) {
    Draw(50, 37);
    EXPECT_EQ(TickBins(kMinorEnd), Range(37, 86, 1));
    EXPECT_EQ(TickBins(kMediumEnd), Range(40, 85, 5));
    EXPECT_EQ(TickBins(kMajorEnd), Range(40, 80, 10));
    // Below 100 points the medium ticks carry no label.
    EXPECT_EQ(LabelBins(), Range(40, 80, 10));
    for (int k : Range(40, 80, 10)) {
        const Label l = LabelOf(k);
        EXPECT_DOUBLE_EQ(l.x, X(k) - 120) << k;
        EXPECT_EQ(l.below, kMajorEnd) << k;
    }
    // The first point shown is at the left edge.
    EXPECT_EQ(X(37), 0);
    EXPECT_DOUBLE_EQ(X(86), kW);
}

TEST_F(LinearScaleTest, From100To300PointsTheMediumTicksAreLabelledToo) {
    Draw(150, 0);
    EXPECT_EQ(TickBins(kMinorEnd), Range(0, 140, 10));
    EXPECT_EQ(TickBins(kMediumEnd), Range(0, 100, 50));
    EXPECT_EQ(TickBins(kMajorEnd), Range(0, 100, 100));
    EXPECT_EQ(LabelOf(0).below, kMajorEnd);
    EXPECT_EQ(LabelOf(100).below, kMajorEnd);
    const Label fifty = LabelOf(50);
    EXPECT_EQ(fifty.below, kMediumEnd);
    EXPECT_DOUBLE_EQ(fifty.x, X(50) - 120);
    EXPECT_EQ(Labels().size(), 3u);
}

TEST_F(LinearScaleTest, From300PointsOnTheMediumTicksStayUnlabelled) {
    Draw(300, 0);
    EXPECT_EQ(LabelBins(), Range(0, 200, 100));
}

TEST_F(LinearScaleTest, ExpandedViewFromAnOffsetStartsAtTheNextMultipleOfTen) {
    Draw(200, 123);  // bins 123..322
    EXPECT_EQ(TickBins(kMinorEnd), Range(130, 320, 10));
    EXPECT_EQ(TickBins(kMediumEnd), Range(150, 300, 50));
    EXPECT_EQ(TickBins(kMajorEnd), Range(200, 300, 100));
    EXPECT_EQ(LabelOf(150).below, kMediumEnd);
    EXPECT_EQ(LabelOf(250).below, kMediumEnd);
    EXPECT_EQ(LabelOf(200).below, kMajorEnd);
    EXPECT_EQ(LabelOf(300).below, kMajorEnd);
    EXPECT_EQ(Labels().size(), 4u);
}

TEST_F(LinearScaleTest, TwelvePointsAreAllLabelled) {
    Draw(12, 0);
    EXPECT_EQ(TickBins(kMinorEnd), Range(0, 11, 1));
    std::vector<int> bins = LabelBins();
    std::sort(bins.begin(), bins.end());
    EXPECT_EQ(bins, Range(0, 11, 1));

    // Majors 0 and 10 keep their label at the end of the major tick.
    EXPECT_EQ(LabelOf(0).x, 0);
    EXPECT_EQ(LabelOf(0).below, kMajorEnd);
    EXPECT_DOUBLE_EQ(LabelOf(10).x, X(10) - 120);
    EXPECT_EQ(LabelOf(10).below, kMajorEnd);
    // 5 hangs lower, at the end of its medium tick; the rest just under the ruler.
    EXPECT_DOUBLE_EQ(LabelOf(5).x, X(5) - 80);
    EXPECT_EQ(LabelOf(5).below, kMediumEnd);
    for (int k : {1, 2, 3, 4, 6, 7, 8, 9}) {
        EXPECT_DOUBLE_EQ(LabelOf(k).x, X(k) - 80) << k;
        EXPECT_EQ(LabelOf(k).below, kMinorEnd) << k;
    }
    // 11 stands at the right edge: its label ends there instead of 120 twips left of it.
    EXPECT_DOUBLE_EQ(LabelOf(11).x, kW - 4 * 82.5);
    EXPECT_EQ(LabelOf(11).below, kMinorEnd);
}

TEST_F(LinearScaleTest, SmallGraphFromAnOffsetLowersEveryMultipleOfFive) {
    Draw(10, 103);  // bins 103..112
    EXPECT_EQ(LabelOf(110).below, kMajorEnd);
    EXPECT_DOUBLE_EQ(LabelOf(110).x, X(110) - 180);
    EXPECT_EQ(LabelOf(105).below, kMediumEnd);
    EXPECT_DOUBLE_EQ(LabelOf(105).x, X(105) - 180);
    EXPECT_EQ(LabelOf(104).below, kMinorEnd);
    EXPECT_EQ(Labels().size(), 10u);
}

TEST_F(LinearScaleTest, LabelsArePositionedByWhitePointsOnly) {
    Draw(12, 95);  // bins 95..106: one-, two- and three-digit positioning
    for (const Primitive& p : pic_.OfKind(Primitive::Kind::Point))
        EXPECT_EQ(p.color, colors::kWhite);
    // Every text is preceded by the white point it starts at (labels below 10 that
    // hang from a tick start at the tick's end instead), except where that point lies
    // so near an edge that the label would run over it: the label then starts at the
    // left edge or ends at the right one.
    const auto& all = pic_.Primitives();
    int moved = 0;
    for (size_t i = 0; i < all.size(); ++i) {
        if (all[i].kind != Primitive::Kind::Text) continue;
        ASSERT_GT(i, 0u);
        EXPECT_EQ(all[i - 1].kind, Primitive::Kind::Point) << all[i].text;
        EXPECT_EQ(all[i - 1].y1, all[i].y1) << all[i].text;
        const double width = pic_.TextWidth(all[i].text);
        if (all[i - 1].x1 < 0 || all[i - 1].x1 + width > kW) {
            EXPECT_EQ(all[i].x1, all[i - 1].x1 < 0 ? 0 : kW - width) << all[i].text;
            ++moved;
        } else {
            EXPECT_EQ(all[i - 1].x1, all[i].x1) << all[i].text;
        }
    }
    EXPECT_EQ(moved, 2);  // " 95 " at the left edge, " 106 " at the right
    // A label ends its line: the next drawing starts from the left edge.
    EXPECT_EQ(pic_.CurrentX(), 0);
}

TEST_F(LinearScaleTest, SinglePointDrawsEverythingAtTheLeftEdge) {
    Draw(1, 0);
    for (const Primitive& p : pic_.OfKind(Primitive::Kind::Line)) {
        if (p.x1 == p.x2) {
            EXPECT_EQ(p.x1, 0);
        }
        EXPECT_TRUE(std::isfinite(p.x1) && std::isfinite(p.x2));
    }
    EXPECT_EQ(TickBins(kMajorEnd), std::vector<int>{0});
    EXPECT_EQ(LabelBins(), std::vector<int>{0});
}

TEST_F(LinearScaleTest, BinsBeyondTheLabelTableAreStillLabelled) {
    // A small view past bin 1024: the label flags cover bins 0..1024 only, and the
    // scale must neither write past them nor lose a label.
    Draw(12, 1020);
    std::vector<int> bins = LabelBins();
    for (int k = 1020; k <= 1031; ++k)
        EXPECT_NE(std::find(bins.begin(), bins.end(), k), bins.end()) << k;
}

TEST(LegendaPic1Test, ClearsAndWritesTitleAndAxisCaptionInTheirFonts) {
    RecordingSurface pic(kW, kH);
    pic.Line(0, 0, 100, 100);
    LegendaPic1(pic);

    EXPECT_EQ(pic.ClsCount(), 1);
    const auto texts = pic.OfKind(Primitive::Kind::Text);
    ASSERT_EQ(texts.size(), 4u);
    EXPECT_EQ(pic.OfKind(Primitive::Kind::Line).size(), 0u);

    const FontState title{"Times New Roman", 13, true, false};
    const FontState symbol{"Symbol", 13, true, false};
    const FontState caption{"MS Sans Serif", 8, false, false};

    EXPECT_EQ(texts[0].text, "Graph of Fourier Transform F(");
    EXPECT_EQ(texts[0].font, title);
    EXPECT_EQ(texts[0].x1, 600);
    EXPECT_EQ(texts[0].y1, 0);

    // The title continues on its line: the nu in the Symbol font, then the rest.
    EXPECT_EQ(texts[1].text, "n");
    EXPECT_EQ(texts[1].font, symbol);
    EXPECT_EQ(texts[1].y1, 0);
    EXPECT_DOUBLE_EQ(texts[1].x1, 600 + 29 * 130.0);

    EXPECT_EQ(texts[2].text, ")   (FFT)");
    EXPECT_EQ(texts[2].font, title);
    EXPECT_EQ(texts[2].y1, 0);
    EXPECT_DOUBLE_EQ(texts[2].x1, 600 + 30 * 130.0);

    EXPECT_EQ(texts[3].text, "Frequency (Hz)");
    EXPECT_EQ(texts[3].font, caption);
    EXPECT_EQ(texts[3].x1, 100);
    EXPECT_EQ(texts[3].y1, 4440);

    // The scale labels drawn next use the caption's font.
    EXPECT_EQ(pic.Font(), caption);
}

}  // namespace
}  // namespace quorbel
