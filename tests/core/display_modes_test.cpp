// The quantity shown on the FFT graph, the two-graph display, the frequency range and
// the transform method.
#include <gtest/gtest.h>

#include <cmath>

#include "ModelFixture.h"
#include "spectrum/SpectrumGraph.h"

namespace quorbel::testing {
namespace {

// Three points: (3, -4), (-6, 1), (2, 5).
DataList SmallSpectrum() {
    DataList s;
    for (const char* line : {"", "3", "-4", "-6", "1", "2", "5"}) s.Add(line);
    return s;
}

TEST(GraphValues, EachQuantityWithItsScaleMaximum) {
    const DataList s = SmallSpectrum();
    EXPECT_EQ(GlobalMaximum(s, 3), 6);
    auto lines = [](const DataList& l) { return l.Lines(); };
    using V = std::vector<std::string>;
    EXPECT_EQ(lines(GraphValues(s, 3, Quantity::Imaginary)), (V{"3", "-4", "1", "5", "6", "0"}));
    EXPECT_EQ(lines(GraphValues(s, 3, Quantity::Real)), (V{"3", "3", "-6", "2", "6", "0"}));
    EXPECT_EQ(lines(GraphValues(s, 3, Quantity::RealGlobal)), (V{"3", "3", "-6", "2", "6", "0"}));
    const DataList rho = GraphValues(s, 3, Quantity::Rho);
    EXPECT_EQ(rho.Line(1), "5");
    EXPECT_EQ(rho.Line(2), "6.08276253029822");
    EXPECT_EQ(rho.Line(4), rho.Line(2));  // the largest modulus
    EXPECT_EQ(lines(GraphValues(s, 3, Quantity::None)), (V{"3", "0", "0", "0", "6", "0"}));
    // Real parts alone can have a smaller maximum than the global one.
    DataList small;
    for (const char* line : {"", "1", "-9", "-2", "0"}) small.Add(line);
    EXPECT_EQ(GraphValues(small, 2, Quantity::Real).Line(3), "2");
    EXPECT_EQ(GraphValues(small, 2, Quantity::RealGlobal).Line(3), "9");
}

TEST(GraphValues, PartListsCarryTheGlobalMaximum) {
    const DataList s = SmallSpectrum();
    EXPECT_EQ(PartList(s, 3, true, 6).Lines(),
              (std::vector<std::string>{"3", "-4", "1", "5", "6"}));
    EXPECT_EQ(PartList(s, 3, false, 6).Lines(),
              (std::vector<std::string>{"3", "3", "-6", "2", "6"}));
}

using DisplayModesTest = ModelFixture;

TEST_F(DisplayModesTest, ChoosingAnotherQuantityRecomputes) {
    Loaded();
    const int cls = picture1.ClsCount();
    Press("Option1", Event::MouseDown);
    EXPECT_EQ(State().plotState(), "3");
    Press("Option1");
    EXPECT_EQ(State().spectrumMode, Quantity::Imaginary);
    EXPECT_GT(picture1.ClsCount(), cls);
    EXPECT_EQ(State().plotState(), "10");
    EXPECT_TRUE(View()["Option1"].checked);
    EXPECT_FALSE(View()["Option8"].checked);
    // Imaginary parts are scaled by the global maximum.
    const DataList& g = State().graphValueList;
    EXPECT_EQ(g.Value(513), GlobalMaximum(State().spectrumList, 512));
    EXPECT_NEAR(g.Value(1 + 300), 3.5 * 512, 1e-3);
}

TEST_F(DisplayModesTest, PressingAnOptionKeepsAnEditedState) {
    Loaded();
    Model().SetField(Field::amplitudeA, "5", 0);
    Press("Option2", Event::MouseDown);
    EXPECT_EQ(State().plotState(), "1");
    // Pressing the option already selected does not mark a display change either.
    State().SetPlotState("10");
    Press("Option8", Event::MouseDown);
    EXPECT_EQ(State().plotState(), "10");
}

TEST_F(DisplayModesTest, SelectedOptionRestoresTheControlsWithoutRecomputing) {
    Loaded();
    Press("Option10");
    EXPECT_FALSE(View()["Picture1"].visible);
    EXPECT_TRUE(View()["Picture6"].visible);
    EXPECT_TRUE(View()["Picture7"].visible);
    for (const char* name : {"Command3", "Command8", "Command2", "Command7", "Command4", "Command6",
                             "Command11", "Label10", "Label28", "mnuReport", "mnuPrintftgrItem"})
        EXPECT_FALSE(View()[name].enabled) << name;
    // Nothing was recomputed: the two graphs were drawn by the last transform.
    EXPECT_FALSE(picture8.Texts().empty());
    EXPECT_EQ(State().spectrumMode, Quantity::Rho);

    // The plotState change while "Both, separately" is selected forgets the quantity,
    // so choosing the modulus again recomputes.
    Model().SetField(Field::amplitudeA, "5", 0);
    EXPECT_EQ(State().spectrumMode, Quantity::None);
    const int cls = picture1.ClsCount();
    Press("Option8");
    EXPECT_GT(picture1.ClsCount(), cls);
    EXPECT_EQ(State().spectrumMode, Quantity::Rho);
    EXPECT_TRUE(View()["Picture1"].visible);
    EXPECT_FALSE(View()["Picture6"].visible);
    EXPECT_TRUE(View()["Command6"].enabled);
    EXPECT_FALSE(View()["Command11"].enabled);  // left as it was

    const int again = picture1.ClsCount();
    Press("Option8");
    EXPECT_EQ(picture1.ClsCount(), again);
}

TEST_F(DisplayModesTest, TwoGraphsShowImaginaryAboveAndRealBelow) {
    Loaded();
    EXPECT_EQ(picture8.Texts().front(), "FFT-Imaginary Part");
    EXPECT_EQ(picture9.Texts().front(), "FFT-Real Part");
    const double G = State().imaginaryPartList.Value(513);
    EXPECT_EQ(G, State().realPartList.Value(513));
    EXPECT_NEAR(G, 3.5 * 512, 1e-3);
    // Bin 300 holds the largest imaginary part: it reaches the top margin.
    auto lines = picture8.OfKind(Primitive::Kind::Line);
    bool reachesTop = false;
    for (const Primitive& p : lines)
        reachesTop |= p.color == colors::kDarkRed && std::fabs(p.y2 - kHalfGraphHeight / 10) < 1e-6;
    EXPECT_TRUE(reachesTop);
    // The sine terms have no real parts: the lower trace stays near its axis.
    for (const Primitive& p : picture9.OfKind(Primitive::Kind::Line)) {
        if (p.color == colors::kDarkRed) {
            ASSERT_NEAR(p.y2, kHalfGraphHeight / 2, 5);
        }
    }
    const DataList graph = State().graphValueList;
    Press("Option10");
    EXPECT_EQ(State().graphValueList, graph) << "unchanged by the click";
}

TEST_F(DisplayModesTest, OneCursorRunsThroughBothGraphs) {
    Loaded();
    Press("Option10");  // the two graphs, one above the other
    Press("Picture9", Event::MouseMove, {.x = 1234, .y = 50});
    for (const char* name : {"Line3", "Line4"}) {
        EXPECT_TRUE(View().Line(name).Visible);
        EXPECT_EQ(View().Line(name).X1, 1234);
        EXPECT_EQ(View().Line(name).X2, 1234);
    }
    Press("Form1", Event::MouseMove);
    EXPECT_FALSE(View().Line("Line3").Visible);
    EXPECT_FALSE(View().Line("Line4").Visible);
}

TEST_F(DisplayModesTest, NegativeFrequenciesNeedTheComplexMethod) {
    Loaded();
    Press("mnuImagzeroItem");
    EXPECT_EQ(State().spectrumList.Line(0), "");
    EXPECT_EQ(State().spectrumList.Count(), 2049);
    EXPECT_TRUE(View()["mnuFreqNegItem"].enabled);
    const int cls = picture1.ClsCount();
    Press("mnuFreqNegItem");
    const int once = picture1.ClsCount();
    EXPECT_GT(once, cls);
    Press("mnuFreqNegItem");
    EXPECT_EQ(picture1.ClsCount(), once);
    EXPECT_FALSE(View()["Command3"].enabled);
    EXPECT_EQ(State().graphValueList.Line(0), "1024");
    // The mirror peak of the 300 Hz sine sits at bin 724.
    EXPECT_NEAR(State().graphValueList.Value(1 + 724), 3.5 * 512, 1e-3);
    EXPECT_EQ(View()["Picture1"].mousePointer, kPointerUpArrow);

    Press("mnuFreqPosItem");
    EXPECT_TRUE(View()["Command3"].enabled);
    EXPECT_EQ(State().graphValueList.Line(0), "512");

    Press("mnuFreqNegItem");
    Press("mnuRealftItem");  // no negative frequencies in the real-data result
    EXPECT_TRUE(View()["mnuFreqPosItem"].checked);
    EXPECT_FALSE(View()["mnuFreqNegItem"].checked);
    EXPECT_FALSE(View()["mnuFreqNegItem"].enabled);
    EXPECT_EQ(State().graphValueList.Line(0), "512");
    EXPECT_EQ(State().spectrumList.Line(0), "512");
}

TEST_F(DisplayModesTest, BothMethodsAgreeOnThePositiveFrequencies) {
    Loaded();
    const DataList real = State().graphValueList;
    Press("mnuImagzeroItem");
    const DataList complex = State().graphValueList;
    ASSERT_EQ(real.Count(), complex.Count());
    for (int i = 1; i <= 512; ++i) ASSERT_NEAR(real.Value(i), complex.Value(i), 2e-3) << i;
    // The checked method does nothing when chosen again.
    const int cls = picture1.ClsCount();
    Press("mnuImagzeroItem");
    EXPECT_EQ(picture1.ClsCount(), cls);
}

// The third method is greyed out in the menu: no click reaches it, and the real-data
// method stays chosen.
TEST_F(DisplayModesTest, UnbuiltMethodCannotBeChosen) {
    Loaded();
    const DataList before = State().spectrumList;
    EXPECT_FALSE(View()["mnuImagcalcItem"].enabled);
    EXPECT_FALSE(Model().Fire("mnuImagcalcItem", Event::Click));
    EXPECT_TRUE(platform.messages.empty());
    EXPECT_EQ(State().spectrumList, before);
    EXPECT_TRUE(View()["mnuRealftItem"].checked);
}

// "Invert" stands beside the musical graph: it turns the graph upside down and back.
TEST_F(DisplayModesTest, InvertToggleRedrawsTheGraph) {
    Loaded();
    Press("Command3");  // "Log": the musical graph, with its buttons
    const int cls = picture5.ClsCount();
    Press("Command9");
    EXPECT_EQ(View()["Command9"].caption, "Normal");
    EXPECT_EQ(picture5.ClsCount(), cls + 1);
    Press("Command9");
    EXPECT_EQ(View()["Command9"].caption, "Invert");
    EXPECT_EQ(View().mousePointer, kPointerDefault);
}

TEST_F(DisplayModesTest, OnlyFftStartsFromTheWholeGraph) {
    Loaded();
    // An expanded view: a shorter displayed list with its own offset.
    State().displayedValueList.Clear();
    for (const char* line : {"3", "1", "2", "3", "3", "40"}) State().displayedValueList.Add(line);
    Press("Command5");
    EXPECT_EQ(State().displayedValueList, State().graphValueList);
    EXPECT_EQ(State().displayedValueList.Line(514), "0");
}

}  // namespace
}  // namespace quorbel::testing
