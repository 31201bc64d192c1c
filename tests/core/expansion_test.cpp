// The mouse on the FFT graph (read-out, peak marks, expansion and scrolling), the
// report command, and the control table every driver fires events through.
#include <gtest/gtest.h>

#include <cmath>
#include <string>
#include <vector>

#include "CaseName.h"
#include "ModelFixture.h"
#include "state/NumberText.h"

namespace quorbel::testing {
namespace {

constexpr int kLeft = 1, kRight = 2;

class GraphMouseTest : public ModelFixture {
  protected:
    // The twips position of displayed point p when n points are shown.
    static double At(double p, int n) { return p * kPicture1Width / (n - 1); }
    int Shown() { return State().displayedValueList.Whole(0); }
    int Offset() { return State().displayedValueList.Whole(Shown() + 2); }
    void Fire(const std::string& control, Event event, EventArgs args = {}) {
        Model().Fire(control, event, args);
    }
    void Press(int button, double x) {
        Fire("Picture1", Event::MouseDown, {.button = button, .x = x});
        Fire("Picture1", Event::MouseUp, {.button = button, .x = x});
    }
    void Move(double x, int held = 0) {
        Fire("Picture1", Event::MouseMove, {.button = held, .x = x});
    }
    // The read-out's number, without the note name that may follow it.
    std::string Readout() {
        const std::string text = View()["Label9"].caption;
        return text.substr(0, text.find("  "));
    }
    // "Horizontal", then right clicks on displayed points of a graph of n points.
    void ExpandPoints(int from, int to) {
        const int n = Shown();
        Fire("Command8", Event::Click);
        Press(kRight, At(from, n) + 1);
        Press(kRight, At(to, n) + 1);
    }
    std::vector<std::string> ValuesShown() {
        const auto& lines = State().displayedValueList.Lines();
        return {lines.begin() + 1, lines.begin() + 1 + Shown()};
    }
    std::vector<std::string> GraphLines(int first, int count) {
        const auto& lines = State().graphValueList.Lines();
        return {lines.begin() + 1 + first, lines.begin() + 1 + first + count};
    }
};

TEST_F(GraphMouseTest, ReadoutAtTheEdgesOfWholeAndExpandedGraphs) {
    Loaded();
    struct Case {
        int from, to;  // expanded region, or -1 for the whole graph
        double x;
        std::string shown;
    };
    const Case cases[] = {
        {-1, -1, 0, "0"},
        {-1, -1, kPicture1Width, "511"},
        {-1, -1, At(30, 512), "30"},
        // Whole hertz: the bins are 1 Hz apart.
        {-1, -1, At(30.5, 512), "31"},
        {20, 39, 0, "20"},
        {20, 39, kPicture1Width, "39"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.shown);
        Fire("Command6", Event::Click);
        if (c.from >= 0) ExpandPoints(c.from, c.to);
        Move(c.x);
        EXPECT_EQ(Readout(), c.shown);
        EXPECT_TRUE(View()["Label9"].visible);
    }
}

TEST_F(GraphMouseTest, RawDataReadoutInHertz) {
    Loaded();
    // 8192 samples at 11025 Hz: 4096 points, point 100 is 100 * 11025 / 8192 Hz, read to
    // the whole hertz as the bins are 1.35 Hz apart.
    State().dataSource = DataSource::RawFile;
    State().Set(Field::cyclesPerSecond, "11025");
    DataList graph;
    graph.AddNumber(4096);
    for (int i = 0; i < 4096; ++i) graph.AddNumber(i % 7);
    graph.AddNumber(6);
    graph.AddNumber(0);
    State().graphValueList = graph;
    State().displayedValueList = graph;
    Move(At(100, 4096));
    EXPECT_EQ(Readout(), "135");
}

TEST_F(GraphMouseTest, GuideLineFollowsTheRightButtonInsideTheGraph) {
    Loaded();
    const LineObject& guide = View().Line("Line1");
    struct Step {
        double x;
        int held;
        bool guideShown, readoutShown;
    };
    const Step steps[] = {
        {1000, 0, false, true},     {2000, kRight, true, true},
        {-5, kRight, false, false}, {kPicture1Width + 5, kRight, false, false},
        {3000, kRight, true, true},
    };
    for (const Step& s : steps) {
        SCOPED_TRACE(s.x);
        Move(s.x, s.held);
        EXPECT_EQ(guide.Visible, s.guideShown);
        EXPECT_EQ(View()["Label9"].visible, s.readoutShown);
        if (s.guideShown) {
            EXPECT_EQ(guide.X1, s.x);
        }
    }
    Fire("Picture1", Event::MouseUp, {.button = kRight, .x = 3000});
    EXPECT_FALSE(guide.Visible);
}

TEST_F(GraphMouseTest, LeftClickMarksTheHighestPeakNearby) {
    Loaded();
    // The default record has peaks at 30, 60, 90, 150, 210, 240 and 300 Hz.
    struct Case {
        double point;  // displayed point clicked
        bool negative;
        std::string mark;  // text printed, "" for none
    };
    const Case cases[] = {
        {30, false, " 30  Hz"},   {35, false, " 30  Hz"}, {57, false, " 60  Hz"},
        {150, false, " 150  Hz"}, {30, true, ""},  // negative frequencies shown: no mark
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.point);
        if (c.negative) {
            Fire("mnuImagzeroItem", Event::Click);
            Fire("mnuFreqNegItem", Event::Click);
        }
        Fire("Command5", Event::Click);  // a fresh graph
        const size_t before = picture1.Texts().size();
        Press(kLeft, At(c.point, Shown()));
        const std::vector<std::string> texts = picture1.Texts();
        const std::string printed =
            texts.size() > before
                ? texts[before] + (texts.size() > before + 1 ? texts[before + 1] : "")
                : "";
        EXPECT_EQ(printed, c.mark);
    }
    // Values that only fall near the click: nothing to mark.
    Fire("mnuRealftItem", Event::Click);
    DataList falling;
    falling.AddNumber(40);
    for (int i = 0; i < 40; ++i) falling.AddNumber(40 - i);
    falling.AddNumber(40);
    falling.AddNumber(0);
    State().displayedValueList = falling;
    const size_t before = picture1.Texts().size();
    Press(kLeft, At(20, 40));
    EXPECT_EQ(picture1.Texts().size(), before);
}

TEST_F(GraphMouseTest, ExpansionOfARegionInEitherDirection) {
    Loaded();
    struct Case {
        int first, second;  // displayed points of the two right clicks
        int count;          // 0: refused with the five-point message
    };
    const Case cases[] = {
        {20, 40, 21}, {40, 20, 21}, {100, 100, 0}, {100, 103, 0}, {100, 104, 5}, {104, 100, 5},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(std::to_string(c.first) + ".." + std::to_string(c.second));
        Fire("Command6", Event::Click);
        platform.messages.clear();
        ExpandPoints(c.first, c.second);
        EXPECT_EQ(State().expansionPrompt, "");
        EXPECT_EQ(State().expansionClickCount, 0);
        if (c.count == 0) {
            ASSERT_EQ(platform.messages.size(), 1u);
            EXPECT_EQ(platform.messages[0].rfind("Expansion with less than 5 points", 0), 0u);
            EXPECT_EQ(Shown(), 512);
            EXPECT_FALSE(View()["HScroll1"].visible);
            continue;
        }
        EXPECT_TRUE(platform.messages.empty());
        const int i1 = std::min(c.first, c.second);
        EXPECT_EQ(Shown(), c.count);
        EXPECT_EQ(Offset(), i1);
        EXPECT_EQ(ValuesShown(), GraphLines(i1, c.count));
        const ControlState& bar = View()["HScroll1"];
        EXPECT_TRUE(bar.visible);
        EXPECT_EQ(bar.value, i1);
        EXPECT_EQ(bar.max, 512 - c.count);
        EXPECT_EQ(bar.width, kPicture1Width - 60);
    }
}

TEST_F(GraphMouseTest, ExpandedViewsExpandAgainAndCancelToTheWholeGraph) {
    Loaded();
    ExpandPoints(20, 119);  // 100 points from bin 20
    ExpandPoints(10, 49);   // 40 of them, from bin 30
    EXPECT_EQ(Shown(), 40);
    EXPECT_EQ(Offset(), 30);
    EXPECT_EQ(ValuesShown(), GraphLines(30, 40));
    // The scale maximum is the largest value shown: the peak at 60 Hz.
    EXPECT_EQ(State().displayedValueList.Line(41), State().graphValueList.Line(61));
    Fire("Command6", Event::Click);
    EXPECT_EQ(State().displayedValueList, State().graphValueList);
    EXPECT_FALSE(View()["HScroll1"].visible);
}

TEST_F(GraphMouseTest, CancellingAfterTheFirstLimitKeepsIt) {
    Loaded();
    Fire("Command8", Event::Click);
    Press(kRight, At(50, 512) + 1);
    Fire("Command6", Event::Click);
    EXPECT_EQ(State().expansionClickCount, 1);
    EXPECT_EQ(State().expansionPrompt, "");
    // A right click without "Horizontal" does nothing.
    Press(kRight, At(70, 512) + 1);
    EXPECT_EQ(Shown(), 512);
    // The next selection's first click is the second limit.
    Fire("Command8", Event::Click);
    Press(kRight, At(80, 512) + 1);
    EXPECT_EQ(Shown(), 31);
    EXPECT_EQ(Offset(), 50);
}

TEST_F(GraphMouseTest, ScrollingKeepsTheWidthAndRescales) {
    Loaded();
    ExpandPoints(0, 19);
    for (int s : {25, 55, 140, 492, 600}) {
        SCOPED_TRACE(s);
        Fire("HScroll1", Event::Change, {.value = s});
        const int first = std::min(s, 492);  // kept within the bar's range
        EXPECT_EQ(Shown(), 20);
        EXPECT_EQ(Offset(), first);
        EXPECT_EQ(ValuesShown(), GraphLines(first, 20));
        double largest = 0;
        for (const std::string& v : ValuesShown()) largest = std::max(largest, DecimalPrefix(v));
        EXPECT_EQ(State().displayedValueList.Line(21), NumberText(largest));
    }
}

// Choosing "Both, separately", then a computation that redraws the single graph, then
// the quantity shown before: the graph must be computed again, never left at zeros.
class TwoGraphViewTest : public GraphMouseTest,
                         public ::testing::WithParamInterface<std::vector<std::string>> {};

TEST_P(TwoGraphViewTest, SingleQuantityIsRecomputedAfterIt) {
    Loaded();
    Fire("Option1", Event::MouseDown);
    Fire("Option1", Event::Click);
    const DataList before = State().graphValueList;
    Fire("Option10", Event::Click);
    for (const std::string& control : GetParam()) EXPECT_TRUE(Model().Fire(control, Event::Click));
    Fire("Option1", Event::MouseDown);
    Fire("Option1", Event::Click);
    EXPECT_EQ(State().spectrumMode, Quantity::Imaginary);
    // The sines of the default record have large imaginary parts at 30 Hz.
    EXPECT_GT(std::abs(State().graphValueList.Value(31)), 100);
    if (GetParam() == std::vector<std::string>{"Command5"}) {
        EXPECT_EQ(State().graphValueList, before);
    }
}

INSTANTIATE_TEST_SUITE_P(Steps, TwoGraphViewTest,
                         ::testing::Values(std::vector<std::string>{"Command5"},
                                           std::vector<std::string>{"mnuImagzeroItem"},
                                           std::vector<std::string>{"mnuImagzeroItem",
                                                                    "mnuFreqNegItem"}),
                         PrintedName());

TEST_F(GraphMouseTest, ReportIsRefusedWhileTheGraphsAreOutOfDate) {
    Loaded();
    Model().Type("Text2", "31");
    Fire("mnuReport", Event::Click);
    ASSERT_EQ(platform.messages.size(), 1u);
    EXPECT_EQ(platform.messages[0],
              "It is not possible to print the report because the parameters were changed. "
              "Click in BOTH to recalculate and plot the graphs and then try again");
    EXPECT_FALSE(Model().Report().View().shown);
    EXPECT_TRUE(form5.Texts().empty());
    EXPECT_EQ(View().mousePointer, kPointerDefault);

    Fire("Command17", Event::Click);
    Fire("mnuReport", Event::Click);
    EXPECT_EQ(platform.messages.size(), 1u);
    EXPECT_TRUE(Model().Report().View().shown);
    EXPECT_EQ(Model().Report().View().caption, "FFT Quorbel - Report");
    const std::vector<std::string> texts = form5.Texts();
    EXPECT_NE(std::find(texts.begin(), texts.end(), "Report"), texts.end());
    // 31 cycles per second: the peaks move to multiples of 31 Hz.
    EXPECT_NE(std::find(texts.begin(), texts.end(), " 31 "), texts.end());
}

// Every driver reaches the handlers through the control table: by name and event,
// and only while the control can be reached.
TEST_F(GraphMouseTest, ControlTableBindsEventsAndData) {
    Loaded();
    EXPECT_TRUE(Model().Answers("Command17", Event::Click));
    EXPECT_FALSE(Model().Answers("Command17", Event::MouseMove));
    EXPECT_FALSE(Model().Answers("Label4", Event::Click));
    EXPECT_TRUE(Model().Answers("Picture1", Event::MouseUp));
    EXPECT_TRUE(Model().Answers(kWindowControl, Event::MouseMove));

    EXPECT_EQ(Model().BoundText("Text3(2)"), State().Get(Field::amplitudeA, 2));
    EXPECT_EQ(Model().BoundText("Label22(1)"), "1");
    EXPECT_EQ(Model().BoundText("Label4"), std::nullopt);
    EXPECT_TRUE(Model().Type("Text5(9)", "0.25"));
    EXPECT_EQ(State().Get(Field::phasePhi, 9), "0.25");
    EXPECT_EQ(State().plotState(), "1");
    EXPECT_FALSE(Model().Type("Text1", "2048"));  // locked
    EXPECT_FALSE(Model().Type("Text8", "1"));     // in the hidden simple-wave frame

    // Disabled or hidden controls, or controls in a hidden frame, do nothing.
    EXPECT_FALSE(Model().Fire("mnuFreqNegItem", Event::Click));
    EXPECT_FALSE(Model().Fire("HScroll1", Event::Change, {.value = 3}));
    EXPECT_FALSE(Model().Fire("Option4", Event::Click));
    Fire("Option10", Event::Click);
    EXPECT_FALSE(Model().Fire("mnuReport", Event::Click));
    EXPECT_FALSE(Model().Fire("Command8", Event::Click));

    // Every name the table binds is a control of the window, or the window itself.
    for (const auto& [name, behaviour] : Model().Behaviours())
        if (name != kWindowControl) {
            EXPECT_EQ(View().controls.count(name), 1u) << name;
        }
}

}  // namespace
}  // namespace quorbel::testing
