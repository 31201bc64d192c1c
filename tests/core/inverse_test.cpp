// The inverse transform and its comparison window, driven through the main window.
#include <gtest/gtest.h>

#include <cmath>

#include "ModelFixture.h"
#include "fourier/InverseComparison.h"
#include "fourier/TransformDriver.h"
#include "state/NumberText.h"

namespace quorbel::testing {
namespace {

class InverseTest : public ModelFixture {
  protected:
    // Replaces the samples by `values` and transforms them with the real-data method.
    void UseSamples(const std::vector<double>& values) {
        DataList list;
        list.AddNumber(static_cast<double>(values.size()));
        double largest = 0;
        for (double v : values) {
            list.AddNumber(v);
            largest = std::max(largest, std::abs(v));
        }
        list.AddNumber(largest);
        State().sampleList = list;
        State().spectrumList = RealSpectrumList(list, static_cast<int>(values.size()) / 2);
    }
    InverseComparison Compared() {
        const int N = WholeNumber(State().Get(Field::totalPoints));
        return CompareInverse(State().sampleList, State().inverseList, N);
    }
};

// Recovered equals original up to the single-precision twiddle factors of the kernels.
TEST_F(InverseTest, RecoversTheFunctionOfEveryKind) {
    struct Case {
        const char* name;
        const char* menu;
        const char* option;
    };
    const Case cases[] = {{"multiple waves", "mnuMultipleWavesItem", nullptr},
                          {"sine", "mnuSimpleWavesItem", "Option4"},
                          {"square", "mnuSimpleWavesItem", "Option5"},
                          {"triangle", "mnuSimpleWavesItem", "Option9"}};
    Loaded();
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        Model().Fire(c.menu, Event::Click);
        if (c.option) Model().Fire(c.option, Event::Click);
        ASSERT_TRUE(Model().Fire("mnuInverse", Event::Click));
        const InverseComparison r = Compared();
        ASSERT_EQ(r.orig.size(), 1024u);
        EXPECT_GT(r.maxOrig, 0);
        EXPECT_LT(r.maxError, 1e-5 * r.maxOrig);
        for (size_t j = 0; j < r.orig.size(); ++j) {
            ASSERT_NEAR(r.rec[j], r.orig[j], 1e-5 * r.maxOrig) << "point " << j + 1;
        }
        EXPECT_TRUE(Model().InverseResults().View().shown);
        EXPECT_EQ(Model().View().mousePointer, kPointerDefault);
    }
    EXPECT_TRUE(platform.messages.empty());
}

// The extremes start at 0: a function that never goes below 0 has minOrig 0, one
// that never goes above has maxOrig 0 and its relative error is undefined.
TEST_F(InverseTest, ExtremesStartAtZero) {
    struct Case {
        const char* name;
        double offset;  // added to a sine of amplitude 1
        bool maxZero;
    };
    const Case cases[] = {{"all above 0", 1.5, false}, {"all below 0", -1.5, true}};
    Loaded();
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        std::vector<double> values;
        for (int k = 0; k < 1024; ++k) values.push_back(c.offset + std::sin(k * 0.05));
        UseSamples(values);
        Model().Fire("mnuInverse", Event::Click);
        const InverseComparison r = Compared();
        if (c.maxZero) {
            EXPECT_EQ(r.maxOrig, 0);
            EXPECT_LT(r.minOrig, -2);
            EXPECT_FALSE(r.RelativeError());
            EXPECT_EQ(FigureLineText(InverseFigureLines(r).back()),
                      "Maximum relative error=undefined");
        } else {
            EXPECT_EQ(r.minOrig, 0);
            EXPECT_GT(r.maxOrig, 2);
            ASSERT_TRUE(r.RelativeError());
            EXPECT_LT(*r.RelativeError(), 1e-3);
        }
    }
}

// Each run lists its own points only: a run after a change of the function, after
// hiding or after closing the window replaces the earlier rows.
struct SecondRunCase {
    const char* name;
    const char* amplitude;  // typed into a of row 1 before the second run ("" none)
    bool hideFirst, closeFirst;
};

class InverseTableTest : public InverseTest, public ::testing::WithParamInterface<SecondRunCase> {};

TEST_P(InverseTableTest, SecondRunListsOnlyItsOwnPoints) {
    const SecondRunCase& c = GetParam();
    Loaded();
    ASSERT_TRUE(Model().Fire("mnuInverse", Event::Click));
    const std::vector<std::string> firstRows = Model().InverseResults().Rows();
    ASSERT_EQ(firstRows.size(), 1024u);
    if (*c.amplitude) {
        ASSERT_TRUE(Model().Type("Text3(0)", c.amplitude));
        ASSERT_TRUE(Model().Fire("Command17", Event::Click));
    }
    if (c.hideFirst) Model().Form_Activate();
    if (c.closeFirst) Model().InverseResults().Fire("Form4", Event::Unload);
    ASSERT_TRUE(Model().Fire("mnuInverse", Event::Click));

    const InverseComparison r = Compared();
    std::vector<std::string> expected;
    for (size_t j = 0; j < r.orig.size(); ++j)
        expected.push_back(InverseTableRow(NumberText(r.orig[j]), NumberText(r.rec[j])));
    EXPECT_EQ(Model().InverseResults().Rows(), expected);
    // A changed function gives other points than the first run listed.
    EXPECT_EQ(Model().InverseResults().Rows() == firstRows, *c.amplitude == '\0');
}

INSTANTIATE_TEST_SUITE_P(Runs, InverseTableTest,
                         ::testing::Values(SecondRunCase{"Again", "", false, false},
                                           SecondRunCase{"AfterAmplitude2", "2", false, false},
                                           SecondRunCase{"AfterHiding", "2", true, false},
                                           SecondRunCase{"AfterClosing", "2", false, true}),
                         [](const auto& info) { return std::string(info.param.name); });

TEST(InverseTableRow, RecoveredValueStartsInColumn27UnlessTheOriginalIsLonger) {
    struct Case {
        std::string a;
        size_t blanks;
    };
    const Case cases[] = {{"1", 25},
                          {"-11.1600000000001", 9},
                          {std::string(24, '7'), 2},
                          {std::string(25, '7'), 1},
                          {std::string(30, '7'), 1}};
    for (const Case& c : cases) {
        SCOPED_TRACE(c.a);
        EXPECT_EQ(InverseTableRow(c.a, "-2.5"), c.a + std::string(c.blanks, ' ') + "-2.5");
    }
}

TEST(InverseFigures, LinesOfTheWindowInOrder) {
    InverseComparison c;
    c.maxOrig = 4, c.maxRevert = 4.5, c.minOrig = -2, c.minRevert = -2.25, c.maxError = 0.5;
    std::vector<std::string> texts;
    for (const InverseFigureLine& line : InverseFigureLines(c))
        texts.push_back(FigureLineText(line));
    const std::vector<std::string> expected = {"maxOrig=4",
                                               "maxRevert=4.5",
                                               "minOrig=-2",
                                               "minRevert=-2.25",
                                               "",
                                               "Maximum error=0.5",
                                               "Maximum relative error=12.5%"};
    EXPECT_EQ(texts, expected);
}

// Each function is drawn from its baseline; a maximum of 0 keeps it there.
TEST(InverseGraphs, ScaledToTheFrameOrOnTheBaseline) {
    struct Case {
        const char* name;
        std::vector<double> orig;
        double topOfOriginal;  // the y the largest original value reaches
    };
    const InverseFrame frame;
    const double yOrig = frame.top + 3 * frame.height / 4;
    const double yMid = frame.top + frame.height / 2;
    const Case cases[] = {{"positive", {0, 2, 1, 0}, yMid},
                          {"not positive", {0, -2, -1, 0}, yOrig}};
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        DataList samples, inverse;
        samples.Add("4");
        inverse.Add("2");
        for (double v : c.orig) samples.AddNumber(v), inverse.AddNumber(2 * v);
        const InverseComparison r = CompareInverse(samples, inverse, 4);
        RecordingSurface form4(11775, 7320);
        DrawInverseResults(form4, r, frame);
        double top = 1e9;
        int red = 0;
        for (const Primitive& p : form4.OfKind(Primitive::Kind::Line))
            if (p.color == Rgb(192, 0, 0)) ++red, top = std::min(top, p.y2);
        EXPECT_EQ(red, 4);
        EXPECT_NEAR(top, c.topOfOriginal, 0.01);
        const auto texts = form4.Texts();
        EXPECT_NE(std::find(texts.begin(), texts.end(), "Table of all Points of  both Functions"),
                  texts.end());
    }
}

TEST_F(InverseTest, PointCountsTheArraysCannotHoldAreRefused) {
    Loaded();
    for (const char* N : {"3", "0", "65536"}) {
        SCOPED_TRACE(N);
        platform.messages.clear();
        State().Set(Field::totalPoints, N);
        Model().Fire("mnuInverse", Event::Click);
        EXPECT_EQ(platform.messages.size(), 1u);
        EXPECT_FALSE(Model().InverseResults().View().shown);
    }
}

}  // namespace
}  // namespace quorbel::testing
