// The NMR window's list of simulated lines driven as a student drives it: type a line,
// add it, choose and remove one, change the acquisition and simulate; what the read-out
// then shows, and what is refused with a message.
#include <gtest/gtest.h>

#include <cmath>
#include <numbers>

#include "RecordingPlatform.h"
#include "state/NumberText.h"
#include "windows/NmrWindowModel.h"

namespace quorbel::testing {
namespace {

class NmrSimulate : public ::testing::Test {
  protected:
    void TypeLine(const char* ppm, const char* amplitude, const char* width, const char* multiplet,
                  const char* j) {
        window.Type("Text8", ppm);
        window.Type("Text9", amplitude);
        window.Type("Text10", width);
        window.Type("Text11", multiplet);
        window.Type("Text12", j);
    }
    std::size_t Rows() const { return window.View()["List3"].items.size(); }

    RecordingPlatform platform;
    NmrWindowModel window{platform, nullptr, nullptr};
};

TEST_F(NmrSimulate, StartsWithTheEthanolExample) {
    EXPECT_EQ(Rows(), 5u);
    EXPECT_EQ(window.View()["List3"].items[0], "1.22 ppm, amplitude 3, 1 Hz wide, t, J 7 Hz");
    EXPECT_EQ(*window.BoundText("Text13"), "0.002");
    EXPECT_EQ(*window.BoundText("Text14"), "16384");
    EXPECT_EQ(*window.BoundText("Text15"), "4800");
    EXPECT_TRUE(window.View()["Option12"].checked);
    EXPECT_NE(window.View()["Label22"].caption.find("11 to -1 ppm"), std::string::npos)
        << window.View()["Label22"].caption;
    ASSERT_TRUE(window.Fire("Command2", Event::Click));
    EXPECT_TRUE(platform.messages.empty());
    ASSERT_TRUE(window.Fid());
    EXPECT_EQ(window.Fid()->points.size(), 16384u);
    EXPECT_EQ(window.Peaks().size() >= 10, true);
}

TEST_F(NmrSimulate, AT2LineGivesItsWidthInTheReadOut) {
    window.Fire("Command14", Event::Click);
    EXPECT_EQ(Rows(), 0u);
    window.Fire("Option13", Event::Click);
    EXPECT_TRUE(window.View()["Option13"].checked);
    EXPECT_FALSE(window.View()["Option12"].checked);
    for (const double t2 : {0.05, 0.1, 0.4}) {
        window.Fire("Command14", Event::Click);
        TypeLine("3", "1", NumberText(t2).c_str(), "s", "");
        window.Type("Text13", "0");
        ASSERT_TRUE(window.Fire("Command12", Event::Click));
        ASSERT_TRUE(window.Fire("Command2", Event::Click));
        ASSERT_TRUE(platform.messages.empty()) << platform.messages[0];
        const double expected = 1 / (std::numbers::pi * t2);
        ASSERT_TRUE(window.MeasuredWidthHz());
        EXPECT_NEAR(*window.MeasuredWidthHz(), expected, 0.01 * expected + 0.02) << t2;
        EXPECT_NEAR(*window.MeasuredPeakPpm(), 3, 0.001);
        EXPECT_NE(window.View()["Label3"].caption.find("T2 = 1/(π·width) = "), std::string::npos);
    }
}

TEST_F(NmrSimulate, ALineBeyondTheWidthShowsAtTheOtherEdge) {
    window.Fire("Command14", Event::Click);
    TypeLine("12.5", "1", "2", "s", "");
    window.Fire("Command12", Event::Click);
    window.Type("Text15", "4000");  // 0 .. 10 ppm
    window.Fire("Command2", Event::Click);
    ASSERT_TRUE(window.MeasuredPeakPpm());
    EXPECT_NEAR(*window.MeasuredPeakPpm(), 2.5, 0.002);
    EXPECT_NE(window.View()["Label22"].caption.find("10 to 0 ppm"), std::string::npos);
}

TEST_F(NmrSimulate, AChosenLineComesBackToTheBoxesAndIsRemoved) {
    ASSERT_TRUE(window.Fire("List3", Event::Change, {.value = 1}));
    EXPECT_EQ(*window.BoundText("Text8"), "3.69");
    EXPECT_EQ(*window.BoundText("Text11"), "q");
    EXPECT_EQ(*window.BoundText("Text12"), "7");
    window.Fire("Command13", Event::Click);
    ASSERT_EQ(Rows(), 4u);
    EXPECT_EQ(window.SimulatedLines()[1].ppm, 2.61);
    // With none chosen, the last goes.
    window.Fire("Command13", Event::Click);
    ASSERT_EQ(Rows(), 3u);
    EXPECT_EQ(window.SimulatedLines().back().ppm, 0.0);
    window.Fire("Command15", Event::Click);
    EXPECT_EQ(Rows(), 5u);
}

TEST_F(NmrSimulate, BadValuesAreRefusedAndChangeNothing) {
    struct Case {
        const char* box;
        const char* text;
        const char* button;  // Add or Simulate
    };
    const Case cases[] = {{"Text8", "a", "Command12"},   {"Text9", "0", "Command12"},
                          {"Text10", "-1", "Command12"}, {"Text11", "xx", "Command12"},
                          {"Text12", "", "Command12"},   {"Text13", "-0.1", "Command2"},
                          {"Text14", "8", "Command2"},   {"Text15", "abc", "Command2"}};
    for (const Case& c : cases) {
        NmrWindowModel fresh(platform, nullptr, nullptr);
        fresh.Type("Text8", "1");
        fresh.Type("Text11", "d");
        fresh.Type(c.box, c.text);
        platform.messages.clear();
        ASSERT_TRUE(fresh.Fire(c.button, Event::Click));
        ASSERT_EQ(platform.messages.size(), 1u) << c.box;
        EXPECT_EQ(platform.messages[0].find('\n'), std::string::npos) << platform.messages[0];
        EXPECT_EQ(fresh.View()["List3"].items.size(), 5u) << c.box;
        EXPECT_FALSE(fresh.Fid()) << c.box;
    }
    window.Fire("Command14", Event::Click);
    platform.messages.clear();
    window.Fire("Command2", Event::Click);
    EXPECT_EQ(platform.messages.size(), 1u);
    EXPECT_FALSE(window.Fid());
}

TEST_F(NmrSimulate, NoMoreLinesThanTheLimit) {
    window.Fire("Command14", Event::Click);
    TypeLine("1", "1", "1", "s", "");
    for (int i = 0; i < 30; ++i) window.Fire("Command12", Event::Click);
    EXPECT_EQ(Rows(), 24u);
    EXPECT_EQ(platform.messages.size(), 6u);
}

}  // namespace
}  // namespace quorbel::testing
