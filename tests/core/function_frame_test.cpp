// The frame beside the graphs and the report follow the function kind checked in the
// "Waves" menu, whatever the musical scale and its panoramic view did in between.
#include <gtest/gtest.h>

#include <algorithm>
#include <string>
#include <vector>

#include "ModelFixture.h"

namespace quorbel::testing {
namespace {

struct FrameCase {
    const char* name;
    std::vector<std::string> clicks;  // controls clicked in order, after start-up
    bool multipleFrame, simpleFrame;  // Frame1, Frame6 at the end
    const char* function;             // as the report names it
};

class FunctionFrameTest : public ModelFixture, public ::testing::WithParamInterface<FrameCase> {
  protected:
    std::string ReportedFunction() {
        const std::string heading = "1. Function analysed f(t): ";
        for (const std::string& text : form5.Texts())
            if (text.rfind(heading, 0) == 0) return text.substr(heading.size());
        return "(no report)";
    }
};

TEST_P(FunctionFrameTest, OneFrameOfTheCheckedKindAndTheReportNamesIt) {
    const FrameCase& c = GetParam();
    Loaded();
    for (const std::string& control : c.clicks)
        ASSERT_TRUE(Model().Fire(control, Event::Click)) << control;
    EXPECT_EQ(View()["Frame1"].visible, c.multipleFrame);
    EXPECT_EQ(View()["Frame6"].visible, c.simpleFrame);
    ASSERT_TRUE(Model().Fire("mnuReport", Event::Click));
    EXPECT_TRUE(platform.messages.empty());
    EXPECT_EQ(ReportedFunction(), c.function);
}

// Command3 is "Log"/"Lin", Command8 "Panoramic"/"Normal" with the musical graph.
INSTANTIATE_TEST_SUITE_P(
    Sequences, FunctionFrameTest,
    ::testing::Values(
        FrameCase{"LogNormalSimpleLin",
                  {"Command3", "Command8", "mnuSimpleWavesItem", "Command3"},
                  false,
                  true,
                  "Sine Wave"},
        FrameCase{
            "SimpleLogNormalMultipleLin",
            {"mnuSimpleWavesItem", "Command3", "Command8", "mnuMultipleWavesItem", "Command3"},
            true,
            false,
            "sine"},
        FrameCase{"LogSimpleLin",
                  {"Command3", "mnuSimpleWavesItem", "Command3"},
                  false,
                  true,
                  "Sine Wave"},
        FrameCase{"LogSimpleNormal",
                  {"Command3", "mnuSimpleWavesItem", "Command8"},
                  false,
                  true,
                  "Sine Wave"},
        FrameCase{"LogNormalSimplePanoramicLin",
                  {"Command3", "Command8", "mnuSimpleWavesItem", "Command8", "Command3"},
                  false,
                  true,
                  "Sine Wave"},
        FrameCase{"SimpleLogMultipleNormal",
                  {"mnuSimpleWavesItem", "Command3", "mnuMultipleWavesItem", "Command8"},
                  true,
                  false,
                  "sine"},
        // The panoramic view hides both frames; the report still names the function.
        FrameCase{"SimpleLog", {"mnuSimpleWavesItem", "Command3"}, false, false, "Sine Wave"},
        FrameCase{"LogNormalSimplePanoramic",
                  {"Command3", "Command8", "mnuSimpleWavesItem", "Command8"},
                  false,
                  false,
                  "Sine Wave"}),
    [](const ::testing::TestParamInfo<FrameCase>& info) { return std::string(info.param.name); });

}  // namespace
}  // namespace quorbel::testing
