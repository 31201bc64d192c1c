// The FFT graph in decibels of its largest value with a floor the user sets, and a
// spectrum held under the next ones: the levels drawn, the refusals of the floor's
// field, the lists that stay as they are and the held trace through the events.
#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <string>

#include "ModelFixture.h"
#include "spectrum/DecibelTrace.h"
#include "spectrum/SpectrumGraph.h"

namespace quorbel::testing {
namespace {

TEST(DecibelLevels, OfValuesAgainstTheReferenceDownToTheFloor) {
    struct Case {
        double value, reference, floor, level;
    };
    const Case cases[] = {{100, 100, -100, 0},   {10, 100, -100, -20},    {1, 100, -100, -40},
                          {-10, 100, -100, -20}, {1e-3, 100, -100, -100}, {1e-9, 100, -100, -100},
                          {0, 100, -100, -100},  {1, 100, -30, -30},      {50, 100, -60, -6.0206},
                          {100, 0, -100, -100},  {100, -5, -100, -100},   {200, 100, -100, 6.0206}};
    for (const Case& c : cases) {
        SCOPED_TRACE(std::to_string(c.value) + " of " + std::to_string(c.reference));
        EXPECT_NEAR(DecibelLevel(c.value, c.reference, c.floor), c.level, 1e-4);
    }
}

TEST(DecibelLevels, ListPutsTheFloorOnTheAxisAndZeroAtTheScaleMaximum) {
    for (const double floor : {-20.0, -60.0, -100.0, -150.0}) {
        DataList shown;
        for (const char* line : {"4", "100", "10", "0", "1", "100", "7"}) shown.Add(line);
        const DataList db = DecibelList(shown, 100, floor);
        ASSERT_EQ(db.Whole(0), 4);
        EXPECT_EQ(db.Value(5), -floor);  // the scale maximum
        EXPECT_EQ(db.Value(6), 7);       // the offset of the first point stays
        EXPECT_EQ(db.Value(1), -floor);  // 0 dB at the top
        EXPECT_EQ(db.Value(3), 0);       // 0 on the floor, on the axis
        EXPECT_NEAR(db.Value(2), std::max(-20.0, floor) - floor, 1e-9);
        for (int j = 1; j <= 4; ++j) {
            EXPECT_GE(db.Value(j), 0);
            EXPECT_LE(db.Value(j), -floor);
        }
    }
}

class DecibelGraph : public ModelFixture {
  protected:
    // The y of the trace's points as drawn (the dark red segments' ends).
    std::vector<double> TraceYs() {
        std::vector<double> ys;
        for (const Primitive& p : picture1.OfKind(Primitive::Kind::Line))
            if (p.color == colors::kDarkRed) ys.push_back(p.y2);
        return ys;
    }
    int Greys() {
        int count = 0;
        for (const Primitive& p : picture1.OfKind(Primitive::Kind::Line))
            count += p.color == kHeldTraceColor;
        return count;
    }
    bool Printed(const std::string& text) {
        for (const std::string& t : picture1.Texts())
            if (t.find(text) != std::string::npos) return true;
        return false;
    }
};

TEST_F(DecibelGraph, TheModulusInDecibelsAboveTheFloorAndTheListsUnchanged) {
    Loaded();
    Press("Command17");
    const DataList graph = State().graphValueList;
    const DataList displayed = State().displayedValueList;
    const std::vector<double> linear = TraceYs();
    EXPECT_EQ(View()["cmdDecibels"].caption, "dB");
    Press("cmdDecibels");
    EXPECT_TRUE(Model().Extras().decibels);
    EXPECT_EQ(View()["cmdDecibels"].caption, "Linear");
    EXPECT_EQ(Model().DisplayedQuantity(), Quantity::Rho);
    EXPECT_TRUE(View()["Option8"].checked);
    // The lists (and with them the report) keep the transform's values.
    EXPECT_EQ(State().graphValueList.Lines(), graph.Lines());
    EXPECT_EQ(State().displayedValueList.Lines(), displayed.Lines());
    const std::vector<double> db = TraceYs();
    ASSERT_EQ(db.size(), linear.size());
    EXPECT_NE(db, linear);
    // Every point lies between the axis (the floor) and the scale's top (0 dB), and
    // the largest value reaches 0 dB.
    const double y0 = LinearTraceAxis(kPicture1Height), ytop = LinearTraceTop(kPicture1Height);
    for (double y : db) {
        EXPECT_LE(y, y0 + 1e-6);
        EXPECT_GE(y, ytop - 1e-6);
    }
    EXPECT_NEAR(*std::min_element(db.begin(), db.end()), ytop, 1e-6);
    EXPECT_TRUE(Printed("-100 dB"));
    EXPECT_TRUE(Printed("0 dB"));

    // A higher floor lifts the trace: more of it above the axis.
    Model().Type("txtFloor", "-40");
    EXPECT_EQ(Model().Extras().floorDb, -40);
    EXPECT_TRUE(Printed("-40 dB"));
    EXPECT_FALSE(Printed("-100 dB"));
    Press("cmdDecibels");
    EXPECT_FALSE(Model().Extras().decibels);
    EXPECT_EQ(TraceYs(), linear);
    EXPECT_TRUE(platform.messages.empty());
}

TEST_F(DecibelGraph, AFloorThatIsNoNegativeNumberIsRefused) {
    Loaded();
    Press("Command17");
    const char* refused[] = {"abc", "", "0", "12", "-", "-1e400", "-5000", "1,5x"};
    for (const char* text : refused) {
        SCOPED_TRACE(text);
        platform.messages.clear();
        Model().Type("txtFloor", text);
        Press("cmdDecibels");
        ASSERT_EQ(platform.messages.size(), 1u);
        EXPECT_NE(platform.messages[0].find("Floor (dB)"), std::string::npos);
        EXPECT_EQ(platform.messages[0].find('\n'), std::string::npos);
        EXPECT_FALSE(Model().Extras().decibels);
        EXPECT_EQ(Model().Extras().floorDb, -100);
    }
    platform.messages.clear();
    Model().Type("txtFloor", "-60.5");
    Press("cmdDecibels");
    EXPECT_TRUE(platform.messages.empty());
    EXPECT_EQ(Model().Extras().floorDb, -60.5);
    // While the decibels are shown, what is being typed is drawn once it is a floor,
    // and said when the graph is calculated again if it never becomes one.
    Model().Type("txtFloor", "-");
    EXPECT_TRUE(platform.messages.empty());
    EXPECT_EQ(Model().Extras().floorDb, -60.5);
    Press("Command5");
    EXPECT_EQ(platform.messages.size(), 1u);
}

TEST_F(DecibelGraph, AnotherQuantityIsShownLinearAndTheMusicalScaleHasNoDecibels) {
    Loaded();
    Press("Command17");
    Press("cmdDecibels");
    Press("Option1", Event::MouseDown);
    Press("Option1");
    EXPECT_FALSE(Model().Extras().decibels);
    EXPECT_EQ(View()["cmdDecibels"].caption, "dB");
    Press("Option8", Event::MouseDown);
    Press("Option8");
    Press("cmdDecibels");
    Press("Command3");  // "Log"
    EXPECT_FALSE(View()["cmdDecibels"].enabled);
    Press("Command3");  // "Lin"
    EXPECT_TRUE(View()["cmdDecibels"].enabled);
    EXPECT_TRUE(Printed("0 dB"));
    Press("Option10");  // "Both, separately"
    EXPECT_FALSE(View()["cmdDecibels"].enabled);
    EXPECT_FALSE(View()["cmdHold"].enabled);
}

TEST_F(DecibelGraph, HoldKeepsTheSpectrumInGreyUntilReleased) {
    Loaded();
    Press("Command17");
    EXPECT_FALSE(View()["cmdRelease"].enabled);
    EXPECT_EQ(Greys(), 0);
    Press("cmdHold");
    ASSERT_TRUE(Model().Extras().held);
    EXPECT_TRUE(View()["cmdRelease"].enabled);
    const HeldSpectrum& held = *Model().Extras().held;
    ASSERT_EQ(held.hertz.size(), static_cast<size_t>(State().graphValueList.Whole(0)));
    EXPECT_EQ(held.hertz[30], 30);
    EXPECT_EQ(held.values[30], State().graphValueList.Value(31));
    EXPECT_GT(Greys(), 100);
    EXPECT_TRUE(Printed("Held: Modulus"));
    EXPECT_TRUE(Printed("Now: Modulus"));

    // Under the next spectrum (Hann window), and on an expanded axis, still drawn.
    Press("mnuWindowHannItem");
    EXPECT_GT(Greys(), 100);
    EXPECT_TRUE(Printed("Hann window"));
    Press("Command8");
    Press("Picture1", Event::MouseDown, {.button = 2, .x = 100});
    Press("Picture1", Event::MouseDown, {.button = 2, .x = 900});
    ASSERT_TRUE(Model().GraphExpanded());
    // Only the held points on the expanded axis, a segment to each edge, and the two
    // lines of the legend's grey.
    EXPECT_EQ(Greys(), State().displayedValueList.Whole(0) + 1 + 2);
    // In decibels the held trace is drawn on the same 0 dB.
    Press("Command6");
    Press("cmdDecibels");
    EXPECT_GT(Greys(), 100);
    Press("cmdRelease");
    EXPECT_FALSE(Model().Extras().held);
    EXPECT_FALSE(View()["cmdRelease"].enabled);
    EXPECT_EQ(Greys(), 0);
    EXPECT_FALSE(Printed("Held:"));
    EXPECT_TRUE(platform.messages.empty());
}

TEST_F(DecibelGraph, HeldTraceStaysWithinTheGraphOnAnyAxis) {
    HeldSpectrum held;
    for (int i = 0; i < 100; ++i) {
        held.hertz.push_back(i * 2.0);
        held.values.push_back(i % 7 == 0 ? 1e6 : i);
    }
    for (const SpectrumAxis axis : {SpectrumAxis{0, 1, 50}, SpectrumAxis{40, 2, 20},
                                    SpectrumAxis{150, 0.5, 100}, SpectrumAxis{500, 1, 10}}) {
        RecordingSurface pic(kPicture1Width, kPicture1Height);
        DrawHeldTrace(pic, held, axis, 3000, 600, 50, [](double v) { return v; });
        for (const Primitive& p : pic.OfKind(Primitive::Kind::Line)) {
            EXPECT_GE(std::min(p.y1, p.y2), 0);
            EXPECT_LE(std::max(p.y1, p.y2), kPicture1Height);
            EXPECT_TRUE(std::max(p.x1, p.x2) >= 0 && std::min(p.x1, p.x2) <= kPicture1Width);
        }
        if (axis.firstHertz >= 500) {
            EXPECT_TRUE(pic.OfKind(Primitive::Kind::Line).empty());
        }
    }
}

}  // namespace
}  // namespace quorbel::testing
