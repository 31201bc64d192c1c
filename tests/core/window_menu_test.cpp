// The "Window" menu of the main window: which entry is checked, what the transform
// receives, what the graphs and the report show, and that the rectangular window
// leaves every list as the program always computed it.
#include <gtest/gtest.h>

#include <cmath>

#include "ModelFixture.h"
#include "fourier/TransformDriver.h"
#include "fourier/WindowFunction.h"
#include "state/NumberText.h"
#include "synthesis/SampleGraph.h"
#include "windows/ControlTable.h"

namespace quorbel::testing {
namespace {

struct MenuCase {
    const char* name;
    WindowFunction window;
    int halvings;        // presses of "Change (*1/2)" before the choice
    bool complexMethod;  // "Imaginary parts set to zero" instead of REALFT
};

class WindowMenuTest : public ModelFixture, public ::testing::WithParamInterface<MenuCase> {
  protected:
    // The lists the program computes, in the order they are written.
    std::vector<DataList> Lists() {
        return {State().sampleList, State().spectrumList, State().graphValueList,
                State().displayedValueList};
    }
    std::string ReportText() {
        std::string text;
        for (const Primitive& p : form5.OfKind(Primitive::Kind::Text)) text += p.text + "\n";
        return text;
    }
    int GreyPrimitives() {
        int count = 0;
        for (const Primitive& p : picture2.Primitives())
            if (p.color == kWindowShapeColor) ++count;
        return count;
    }
};

TEST_P(WindowMenuTest, WeighsTheDataWindowBeforeTheTransformOnly) {
    const auto [name, window, halvings, complexMethod] = GetParam();
    Loaded();
    if (complexMethod) Press("mnuImagzeroItem");
    for (int i = 0; i < halvings; ++i) Press("Command16");
    const std::vector<DataList> before = Lists();
    const int M = WholeNumber(State().Get(Field::windowPoints));

    Press(WindowMenuItem(window));
    for (WindowFunction other : kWindowFunctions)
        EXPECT_EQ(View()[WindowMenuItem(other)].checked, other == window) << WindowName(other);
    EXPECT_EQ(Model().SelectedWindow(), window);

    // f(t) stays the function as sampled; the transform gets the weighted samples.
    EXPECT_EQ(State().sampleList, before[0]);
    const DataList weighted = WindowedSamples(State().sampleList, M, window);
    EXPECT_EQ(State().spectrumList, complexMethod ? ComplexSpectrumList(weighted, 1024)
                                                  : RealSpectrumList(weighted, 512));
    EXPECT_EQ(State().plotState(), "10");
    // The window's shape is drawn over f(t), except the rectangular one.
    EXPECT_EQ(GreyPrimitives(), window == WindowFunction::Rectangular ? 0 : M);

    Press("mnuReport");
    const bool named =
        ReportText().find("2.4. window function: " + WindowName(window)) != std::string::npos;
    EXPECT_EQ(named, window != WindowFunction::Rectangular);

    // Back to the rectangular window: every list as before, bit for bit.
    Press("mnuWindowRectItem");
    EXPECT_EQ(Lists(), before);
    EXPECT_EQ(GreyPrimitives(), 0);
}

const MenuCase kMenuCases[] = {
    {"Rectangular", WindowFunction::Rectangular, 0, false},
    {"Hann", WindowFunction::Hann, 0, false},
    {"Hamming", WindowFunction::Hamming, 0, false},
    {"Blackman", WindowFunction::Blackman, 0, false},
    {"FlatTop", WindowFunction::FlatTop, 0, false},
    {"Hann_halved", WindowFunction::Hann, 1, false},
    {"Blackman_quarter", WindowFunction::Blackman, 2, false},
    {"Hann_complex", WindowFunction::Hann, 0, true},
    {"FlatTop_complex_halved", WindowFunction::FlatTop, 1, true},
};

INSTANTIATE_TEST_SUITE_P(Windows, WindowMenuTest, ::testing::ValuesIn(kMenuCases),
                         [](const auto& info) { return std::string(info.param.name); });

// The window applies to the samples of "Both" too, not just to the menu's own run.
TEST_F(WindowMenuTest, StaysChosenForTheNextCalculation) {
    Loaded();
    Press("mnuWindowHannItem");
    Model().Type("Text2", "31");
    Press("Command17");
    EXPECT_EQ(
        State().spectrumList,
        RealSpectrumList(WindowedSamples(State().sampleList, 1024, WindowFunction::Hann), 512));
}

// A sine of 30.37 cycles on the FFT graph (modulus): the level 20 bins above the peak,
// relative to the peak, in dB.
struct LeakageCase {
    const char* name;
    const char* item;
    double lowerBy;  // dB below the rectangular window's level, at least
};

class GraphLeakageTest : public ModelFixture, public ::testing::WithParamInterface<LeakageCase> {
  protected:
    double LevelAt20() {
        const DataList& graph = State().graphValueList;
        return 20 * std::log10(graph.Value(1 + 50) / graph.Value(1 + 30));
    }
};

TEST_P(GraphLeakageTest, TheFftGraphShowsLessLeakage) {
    Loaded();
    Press("mnuSimpleWavesItem");
    Model().Type("Text2", "30.37");
    Press("Command17");
    const double rectangular = LevelAt20();
    Press(GetParam().item);
    EXPECT_LE(LevelAt20(), rectangular - GetParam().lowerBy);
}

const LeakageCase kGraphLeakageCases[] = {
    {"Hann", "mnuWindowHannItem", 40},
    {"Blackman", "mnuWindowBlackmanItem", 40},
    {"Hamming", "mnuWindowHammingItem", 10},
};

INSTANTIATE_TEST_SUITE_P(Windows, GraphLeakageTest, ::testing::ValuesIn(kGraphLeakageCases),
                         [](const auto& info) { return std::string(info.param.name); });

}  // namespace
}  // namespace quorbel::testing
