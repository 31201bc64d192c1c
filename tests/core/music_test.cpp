// The musical graph and its controls: the logarithmic axis with its labels, the
// tuning shift, the read-outs, the harmonic markers on both graphs, the scale switch,
// the panoramic view and the peak height, all driven through the window's controls.
#include <gtest/gtest.h>

#include <cmath>
#include <string>
#include <vector>

#include "ModelFixture.h"
#include "music/MusicalGraph.h"
#include "state/NumberText.h"

namespace quorbel::testing {
namespace {

using Kind = Primitive::Kind;
constexpr int kLeft = 1, kRight = 2;

class MusicTest : public ModelFixture {
  protected:
    void Fire(const std::string& control, Event event, EventArgs args = {}) {
        Model().Fire(control, event, args);
    }
    void Click(const std::string& control) { Fire(control, Event::Click); }
    std::string Caption(const std::string& control) { return View()[control].caption; }
    // The frequency read-out without the note name that follows it.
    std::string ReadoutNumber() {
        const std::string text = Caption("Label9");
        return text.substr(0, text.find("  "));
    }
    const LineObject& Line(const std::string& name) { return View().Line(name); }

    // A graph of n bins with a single peak of height 1 at `bin` (scale maximum 1),
    // then the musical scale.
    void PeakAt(int bin, int n = 1024) {
        DataList graph;
        graph.AddNumber(n);
        for (int i = 0; i < n; ++i) graph.AddNumber(i == bin ? 1 : 0);
        graph.AddNumber(1);
        graph.Add("0");
        State().graphValueList = graph;
        State().displayedValueList = graph;
        if (Caption("Command3") == "Log")
            Click("Command3");
        else
            Model().Grafmesmo();
    }
    // The x of the highest point the trace reaches (the dark red lines' ends).
    double PeakX() {
        double best = 1e300, x = -1;
        for (const Primitive& p : picture5.OfKind(Kind::Line))
            if (p.color == colors::kDarkRed && p.y2 < best) best = p.y2, x = p.x2;
        return x;
    }
    std::vector<Primitive> OfColor(Kind kind, Color color) {
        std::vector<Primitive> found;
        for (const Primitive& p : picture5.OfKind(kind))
            if (p.color == color) found.push_back(p);
        return found;
    }
    // The texts printed from (x, y), in order.
    std::vector<std::string> TextsAt(double x, double y) {
        std::vector<std::string> texts;
        const auto& all = picture5.Primitives();
        for (size_t i = 0; i < all.size(); ++i) {
            if (all[i].kind != Kind::Text || std::fabs(all[i].x1 - x) > 0.01 ||
                std::fabs(all[i].y1 - y) > 0.01)
                continue;
            texts.push_back(all[i].text);
            for (size_t j = i + 1; j < all.size() && all[j].kind == Kind::Text; ++j)
                if (std::fabs(all[j].y1 - y) < 0.01) texts.push_back(all[j].text);
            break;
        }
        return texts;
    }
};

TEST(MusicalAxis, FrequenciesLieOnTheirSemitones) {
    struct Case {
        double f, shift, x;
    };
    const Case cases[] = {
        {440, 0, 15900},   {880, 0, 17700},
        {220, 0, 14100},   {440 * std::pow(2, 1.0 / 12), 0, 16050},
        {440, 150, 16050}, {440, -150, 15750},
        {110, 15, 12315},  {music::kF0, 0, 0},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(std::to_string(c.f) + " shift " + std::to_string(c.shift));
        EXPECT_NEAR(MusicalX(c.f, c.shift), c.x, 0.01);
    }
}

TEST_F(MusicTest, PeaksStandOnTheirNotesAndTheSliderMovesOnlyTheSpectrum) {
    Loaded();
    struct Case {
        int bin;
        int slider;  // tenths of a semitone; 0 leaves tuning off
        double x;
    };
    const Case cases[] = {
        {440, 0, 15900},  {880, 0, 17700},   {220, 0, 14100},
        {440, 10, 16050}, {440, -10, 15750}, {440, 3, 15945},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(std::to_string(c.bin) + " slider " + std::to_string(c.slider));
        PeakAt(c.bin);
        const auto ruler = OfColor(Kind::Line, colors::kYellow);
        const auto keys = picture5.OfKind(Kind::Box);
        const double tick100 = picture5.OfKind(Kind::Circle).at(11).x1;  // 1, 5, 10..50, 100
        const LineObject comb = Line("Line6(3)");
        if (c.slider != 0) {
            Click("Command10");
            Fire("Slider1", Event::Change, {.value = c.slider});
        }
        EXPECT_NEAR(PeakX(), c.x, 0.01);
        EXPECT_EQ(State().tuningSteps, c.slider);
        // The axis moves with the spectrum; ruler, keyboard and comb stay.
        EXPECT_NEAR(picture5.OfKind(Kind::Circle).at(11).x1 - tick100, 15.0 * c.slider, 1e-6);
        EXPECT_EQ(OfColor(Kind::Line, colors::kYellow).size(), ruler.size());
        EXPECT_EQ(OfColor(Kind::Line, colors::kYellow).front().x1, ruler.front().x1);
        EXPECT_EQ(picture5.OfKind(Kind::Box).size(), keys.size());
        EXPECT_EQ(picture5.OfKind(Kind::Box).at(100).x1, keys.at(100).x1);
        EXPECT_EQ(Line("Line6(3)").X1, comb.X1);
        if (c.slider != 0) {
            Click("Command10");  // tuning off: back to shift 0
            EXPECT_EQ(State().tuningSteps, 0);
            EXPECT_EQ(Model().BoundText("Label15"), "0");
            EXPECT_EQ(View()["Slider1"].value, 0);
            EXPECT_FALSE(View()["Slider1"].visible);
            EXPECT_NEAR(PeakX(), MusicalX(c.bin, 0), 0.01);
        }
    }
}

TEST_F(MusicTest, AxisLabelsInHertzAndThousands) {
    Loaded();
    PeakAt(440);
    const double y0 = 2 * music::kCanvasHeight / 3 - 500;
    struct Case {
        double f, offset, below;
        std::vector<std::string> texts;
    };
    const Case cases[] = {
        {1, 100, 400, {" 1 "}},
        {2, 100, 280, {" 2 "}},
        {10, 120, 400, {" 10 "}},
        {500, 180, 400, {" 500 "}},
        {1000, 180, 400, {" 1 ", " K"}},
        {5000, 180, 400, {" 5 ", " K"}},
        {50000, 180, 400, {" 50 ", " K"}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.f);
        EXPECT_EQ(TextsAt(MusicalX(c.f, 0) - c.offset, y0 + c.below), c.texts);
    }
    // Every major tick ends in a circle: 1, 5, 10..50, 100..500, 1000..5000, 10000..50000.
    EXPECT_EQ(picture5.OfKind(Kind::Circle).size(), 22u);
}

TEST_F(MusicTest, InvertedPeaksHangFromABaselineAtAThird) {
    Loaded();
    PeakAt(440);
    struct Case {
        const char* caption;  // of Command9 after the click, if any
        double baseline;
        bool down;
    };
    const Case cases[] = {
        {"Invert", 2 * music::kCanvasHeight / 3 - 500, false},
        {"Normal", music::kCanvasHeight / 3, true},
        {"Invert", 2 * music::kCanvasHeight / 3 - 500, false},
    };
    bool first = true;
    for (const Case& c : cases) {
        SCOPED_TRACE(c.caption);
        if (!first) Click("Command9");
        first = false;
        EXPECT_EQ(Caption("Command9"), c.caption);
        const auto zero = OfColor(Kind::Line, colors::kBlack);
        ASSERT_FALSE(zero.empty());
        EXPECT_NEAR(zero.front().y1, c.baseline, 1e-9);
        double extreme = c.baseline;
        for (const Primitive& p : OfColor(Kind::Line, colors::kDarkRed))
            extreme = c.down ? std::max(extreme, p.y2) : std::min(extreme, p.y2);
        EXPECT_EQ(extreme > c.baseline, c.down);
        EXPECT_NE(extreme, c.baseline);
    }
}

TEST_F(MusicTest, RawDataUsesTheFilesOwnSamplingFrequency) {
    Loaded();
    struct Case {
        double fs;
        int n, bin;
    };
    const Case cases[] = {{11025, 512, 41}, {22050, 512, 20}, {44100, 1024, 20}, {0, 512, 20}};
    for (const Case& c : cases) {
        SCOPED_TRACE(c.fs);
        State().dataSource = DataSource::RawFile;
        State().Set(Field::cyclesPerSecond, NumberText(c.fs));
        PeakAt(c.bin, c.n);
        if (c.fs > 0) {
            EXPECT_NEAR(PeakX(), MusicalX(c.bin * c.fs / (2.0 * c.n), 0), 1e-6);
        } else {
            // No place, no trace: the only dark red lines outline the keyboard's grey keys.
            for (const Primitive& p : OfColor(Kind::Line, colors::kDarkRed))
                EXPECT_GE(p.y2, music::kKeyboardTop);
        }
    }
}

TEST_F(MusicTest, CanvasReadoutIsTheKeyboardFrequency) {
    Loaded();
    Click("Command3");
    struct Case {
        double x;
        const char* shown;
    };
    // The hertz to the precision of the bins (1 Hz), the note where the pointer stands.
    const Case cases[] = {{15900, "440  A4 +0 c"},
                          {17700, "880  A5 +0 c"},
                          {15915, "443  A4 +10 c"},
                          {15750, "415  G#4 +0 c"},
                          {14100, "220  A3 +0 c"},
                          {21000, "3136  G7 +0 c"},
                          // Below C-1 and above G9, off the keyboard: the number alone.
                          {2000, "2"},
                          {27300, "35479"}};
    for (const Case& c : cases) {
        SCOPED_TRACE(c.shown);
        Fire("Picture5", Event::MouseMove, {.x = c.x, .y = 1000});
        EXPECT_EQ(Caption("Label9"), c.shown);
        EXPECT_TRUE(View()["Label9"].visible);
        EXPECT_TRUE(Line("Line5").Visible);
        EXPECT_EQ(Line("Line5").X1, c.x);
        // A left-button drag changes neither the read-out nor the markers.
        Click("Command2");
        const LineObject marker = Line("Line6(5)");
        Fire("Picture5", Event::MouseMove, {.button = kLeft, .x = c.x + 300, .y = 1000});
        EXPECT_EQ(Caption("Label9"), c.shown);
        EXPECT_EQ(Line("Line6(5)").X1, marker.X1);
        EXPECT_EQ(Line("Line5").X1, c.x);
        Click("Command2");
    }
}

TEST_F(MusicTest, CombSitsOnTheHarmonicsOfA4) {
    Loaded();
    const DataList& offsets = State().harmonicOffsets;
    ASSERT_EQ(offsets.Count(), 16);
    EXPECT_EQ(offsets.Line(0), "1800");
    for (int k = 0; k <= 16; ++k) {
        SCOPED_TRACE(k);
        const LineObject& line = Line("Line6(" + std::to_string(k) + ")");
        EXPECT_NEAR(line.X1, 15900 + 1800 * std::log2(k + 1.0), 1e-6);
        EXPECT_EQ(line.BorderColor, music::kCyan);
        EXPECT_TRUE(line.Visible);
        if (k > 0) {
            EXPECT_NEAR(offsets.Value(k - 1), 1800 * std::log2(k + 1.0), 1e-9);
        }
    }
}

TEST_F(MusicTest, MusicalMarkersFollowRightDragsUntilFixed) {
    Loaded();
    Click("Command3");
    Click("Command2");
    EXPECT_EQ(Caption("Command2"), "Cancel");
    EXPECT_TRUE(View()["Label11"].visible);
    struct Case {
        double x, y;
        bool fixedBefore;  // "Fix" pressed before this drag
    };
    const Case cases[] = {{16000, 2500, false}, {12000, 3000, false}, {20000, 2000, true}};
    double placedAt = 0, placedY = 0;
    for (const Case& c : cases) {
        SCOPED_TRACE(c.x);
        if (c.fixedBefore) Click("Command11");
        Fire("Picture5", Event::MouseMove, {.button = kRight, .x = c.x, .y = c.y});
        EXPECT_FALSE(View()["Label11"].visible);
        EXPECT_FALSE(Line("Line5").Visible);
        // To the whole hertz: the bins of calculated waves are 1 Hz apart.
        EXPECT_EQ(ReadoutNumber(), NumberText(std::round(KeyboardFrequency(c.x))));
        if (!c.fixedBefore) placedAt = c.x, placedY = c.y;
        for (int k = 0; k <= 16; ++k) {
            const LineObject& m = Line("Line6(" + std::to_string(k) + ")");
            const double x = placedAt + (k ? State().harmonicOffsets.Value(k - 1) : 0);
            EXPECT_EQ(m.X1, x);
            EXPECT_EQ(m.Y1, c.fixedBefore ? 0 : placedY - 100);
            EXPECT_EQ(m.Y2, c.fixedBefore ? 4000 : placedY - 400);
            EXPECT_EQ(m.BorderColor, c.fixedBefore ? music::kPurple : music::kCyan);
        }
        EXPECT_TRUE(View()["Command11"].enabled);
    }
    Click("Command2");  // off: hidden, released, "Fix" disabled
    EXPECT_FALSE(Line("Line6(0)").Visible);
    EXPECT_EQ(Caption("Command11"), "Fix");
    EXPECT_FALSE(View()["Command11"].enabled);
}

class LinearMarkerTest : public MusicTest {
  protected:
    void Drag(double x, double y = 3000) {
        Fire("Picture1", Event::MouseMove, {.button = kRight, .x = x, .y = y});
    }
    int VisibleMarkers() {
        int count = 0;
        for (int k = 0; k <= 10; ++k) count += Line("Line2(" + std::to_string(k) + ")").Visible;
        return count;
    }
};

TEST_F(LinearMarkerTest, ElevenMarkersAtTheHarmonicsOfTheReadout) {
    Loaded();
    Click("Command2");
    EXPECT_TRUE(View()["Label5"].visible);
    struct Case {
        double x;
        int fr;
    };
    // N 512 over 7665 twips, Nzero 0: x = 3832 is 255.47.
    const Case cases[] = {{3832, 255}, {0, 0}, {1500, 100}, {2999.9, 200}};
    for (const Case& c : cases) {
        SCOPED_TRACE(c.x);
        Drag(c.x);
        EXPECT_EQ(ReadoutNumber(), NumberText(c.fr));
        EXPECT_EQ(VisibleMarkers(), 11);
        EXPECT_EQ(Line("Line2(0)").X1, c.x);
        for (int k = 1; k <= 10; ++k) {
            const LineObject& m = Line("Line2(" + std::to_string(k) + ")");
            EXPECT_EQ(m.X1, std::floor(kPicture1Width * (k + 1) * c.fr / 511));
            EXPECT_EQ(m.Y1, 2900);
            EXPECT_EQ(m.Y2, 2600);
            EXPECT_EQ(m.BorderColor, colors::kDarkBlue);
        }
    }
    EXPECT_TRUE(View()["Command11"].enabled);
}

TEST_F(LinearMarkerTest, DraggingOutsideHidesAllAndInsideDrawsAgain) {
    Loaded();
    Click("Command2");
    struct Case {
        double x;
        int markers;
        bool readout;
    };
    const Case cases[] = {
        {3832, 11, true}, {-5, 0, false}, {1000, 11, true}, {kPicture1Width + 1, 0, false}};
    for (const Case& c : cases) {
        SCOPED_TRACE(c.x);
        Drag(c.x);
        EXPECT_EQ(VisibleMarkers(), c.markers);
        EXPECT_EQ(View()["Label9"].visible, c.readout);
    }
}

TEST_F(LinearMarkerTest, FrozenMarkersStayWhileTheReadoutFollows) {
    Loaded();
    Click("Command2");
    Drag(3832);
    Click("Command11");
    EXPECT_EQ(Caption("Command11"), "Move");
    const double xs[] = {1000, 5000, 7000};
    for (double x : xs) {
        SCOPED_TRACE(x);
        Drag(x);
        EXPECT_EQ(ReadoutNumber(), NumberText(std::floor(511 * x / kPicture1Width + 0.5)));
        EXPECT_EQ(Line("Line2(0)").X1, 3832);
        EXPECT_EQ(Line("Line2(0)").Y1, 0);
        EXPECT_EQ(Line("Line2(0)").Y2, 4000);
        EXPECT_EQ(Line("Line2(4)").BorderColor, music::kCyan);
    }
    Click("Command11");  // released: the next drag moves them again
    Drag(1500);
    EXPECT_EQ(Line("Line2(0)").X1, 1500);
    EXPECT_EQ(Line("Line2(0)").BorderColor, colors::kDarkBlue);
}

TEST_F(LinearMarkerTest, RawDataMarkersInHertz) {
    Loaded();
    // 8192 samples at 11025 Hz: 4096 points; point 100 is 134.58 Hz.
    State().dataSource = DataSource::RawFile;
    State().Set(Field::cyclesPerSecond, "11025");
    PeakAt(10, 4096);
    Click("Command3");  // back to the linear graph
    Click("Command2");
    const double unit = 11025.0 / 8192;
    struct Case {
        double point;
        int hz;
    };
    const Case cases[] = {{100, 135}, {0, 0}, {1000, 1346}};
    for (const Case& c : cases) {
        SCOPED_TRACE(c.hz);
        Drag(c.point * kPicture1Width / 4095);
        EXPECT_EQ(ReadoutNumber(), NumberText(c.hz));
        EXPECT_EQ(Line("Line2(1)").X1, std::floor(kPicture1Width * (2 * c.hz / unit) / 4095));
    }
}

TEST_F(MusicTest, PeakHeightButtonsScaleTheMaximum) {
    Loaded();
    struct Case {
        std::vector<const char*> presses;
        double factor;
    };
    const Case cases[] = {
        {{"Command4", "Command4", "Command7"}, 2},
        {{"Command7"}, 0.5},
        {{"Command4"}, 2},
        {{"Command7", "Command4"}, 1},
    };
    for (bool musical : {false, true}) {
        if (musical) Click("Command3");
        for (const Case& c : cases) {
            SCOPED_TRACE(std::to_string(c.presses.size()) + (musical ? " musical" : " linear"));
            Click("Command6");  // the true maximum again
            const DataList before = State().displayedValueList;
            const int n = before.Whole(0);
            for (const char* press : c.presses) Click(press);
            const DataList& after = State().displayedValueList;
            EXPECT_DOUBLE_EQ(after.Value(n + 1), before.Value(n + 1) * c.factor);
            EXPECT_EQ(after.Line(n + 2), before.Line(n + 2));
            EXPECT_EQ(after.Line(100), before.Line(100));
            EXPECT_EQ(after.Count(), before.Count());
        }
    }
}

TEST_F(MusicTest, ScaleSwitchRoundTripResetsTheMusicalControls) {
    Loaded();
    // An expanded view with markers on.
    Click("Command8");
    Fire("Picture1", Event::MouseDown, {.button = kRight, .x = 1000});
    Fire("Picture1", Event::MouseDown, {.button = kRight, .x = 3000});
    ASSERT_TRUE(View()["HScroll1"].visible);

    Click("Command3");
    EXPECT_EQ(Caption("Command3"), "Lin");
    EXPECT_EQ(State().displayedValueList, State().graphValueList);
    EXPECT_FALSE(View()["HScroll1"].visible);
    EXPECT_FALSE(View()["Picture1"].visible);
    EXPECT_TRUE(View()["Picture4"].visible);
    EXPECT_TRUE(View()["Frame5"].visible);
    EXPECT_FALSE(View()["Frame1"].visible);
    EXPECT_FALSE(View()["mnuG"].enabled);
    EXPECT_FALSE(View()["mnuPrintftgrItem"].enabled);
    EXPECT_EQ(picture5.ClsCount() > 0, true);
    // Another quantity over the musical scale leaves the FFT graph hidden under it.
    for (const char* option : {"Option1", "Option2", "Option3", "Option8"}) {
        Press(option, Event::MouseDown);
        Click(option);
        EXPECT_FALSE(View()["Picture1"].visible) << option;
        EXPECT_TRUE(View()["Picture4"].visible) << option;
    }

    Click("Command9");
    Click("Command10");
    Fire("Slider1", Event::Change, {.value = 5});
    Click("Command3");
    const std::pair<const char*, const char*> expected[] = {
        {"Command3", "Log"},
        {"Command9", "Invert"},
        {"Command10", "Tuning - On"},
        {"Command8", "Horizontal"},
    };
    for (const auto& [control, caption] : expected) EXPECT_EQ(Caption(control), caption) << control;
    EXPECT_EQ(State().tuningSteps, 0);
    EXPECT_TRUE(View()["Picture1"].visible);
    EXPECT_FALSE(View()["Picture4"].visible);
    EXPECT_FALSE(View()["Frame5"].visible);
    EXPECT_TRUE(View()["Frame1"].visible);
    EXPECT_TRUE(View()["mnuG"].enabled);
    EXPECT_EQ(View().focus, "Picture1");
}

TEST_F(MusicTest, PanoramicKeepsTheSameCanvasInPlace) {
    Loaded();
    Click("Command3");
    EXPECT_EQ(Caption("Command8"), "Normal");
    EXPECT_EQ(View()["Picture4"].width, kPanoramicWidth);
    EXPECT_EQ(View()["Picture4"].left, 0);
    EXPECT_EQ(View()["HScroll2"].value, 8700);
    EXPECT_EQ(View()["Picture5"].left, -8700);
    struct Case {
        int value;      // set at normal size
        int panoramic;  // the value after "Panoramic"
    };
    const Case cases[] = {{2000, 0}, {4320, 0}, {10000, 5680}, {22045, 17725}};
    for (const Case& c : cases) {
        SCOPED_TRACE(c.value);
        Click("Command8");  // to normal size
        EXPECT_EQ(Caption("Command8"), "Panoramic");
        EXPECT_EQ(View()["Picture4"].width, kMusicalViewWidth);
        Fire("HScroll2", Event::Change, {.value = c.value});
        EXPECT_EQ(View()["Picture5"].left, -c.value);
        Click("Command8");
        EXPECT_EQ(View()["HScroll2"].value, c.panoramic);
        EXPECT_EQ(View()["Picture5"].left, -c.panoramic);
    }
}

TEST_F(MusicTest, LogOnlyWithOneGraphOfPositiveFrequencies) {
    Loaded();
    struct Case {
        std::vector<const char*> clicks;
        bool enabled;
    };
    const Case cases[] = {
        {{}, true},
        {{"mnuImagzeroItem", "mnuFreqNegItem"}, false},
        {{"mnuImagzeroItem", "mnuFreqNegItem", "Option2"}, false},
        {{"mnuImagzeroItem", "mnuFreqNegItem", "mnuRealftItem"}, true},
        {{"Option10"}, false},
        {{"mnuImagzeroItem", "Option10", "mnuRealftItem"}, false},
        {{"Option10", "Option8"}, true},
        {{"mnuImagzeroItem", "mnuFreqNegItem", "mnuFreqPosItem"}, true},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(std::to_string(c.clicks.size()));
        ModelFixture::TearDown();
        for (const char* click : {"mnuRealftItem", "mnuFreqPosItem", "Option8"}) Click(click);
        for (const char* click : c.clicks) Click(click);
        EXPECT_EQ(View()["Command3"].enabled, c.enabled);
    }
}

TEST_F(MusicTest, TwoGraphsLeaveTheMusicalScaleFirst) {
    Loaded();
    Click("Command3");
    Click("Option10");
    EXPECT_EQ(Caption("Command3"), "Log");
    EXPECT_FALSE(View()["Picture4"].visible);
    EXPECT_TRUE(View()["Picture6"].visible);
}

}  // namespace
}  // namespace quorbel::testing
