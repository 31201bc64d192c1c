// The help pages, the phase example and its reset, the about window's
// system-information lookup and the splash window.
#include <gtest/gtest.h>

#include <cstdlib>
#include <set>
#include <string>
#include <vector>

#include "ModelFixture.h"
#include "platform/SystemInfo.h"

namespace quorbel {
namespace {

using testing::ModelFixture;
using testing::RecordedSurfaces;

struct ExampleCase {
    const char* name;
    const char* params;  // the saved opening parameters ("" the default record)
    const char* cycles;
    std::vector<std::string> keptPhases;  // rows 4, 6 and 9 (1-based)
};

class PhaseExampleTest : public ModelFixture, public ::testing::WithParamInterface<ExampleCase> {};

TEST_P(PhaseExampleTest, WritesTheSevenPhasesOverTheSavedParameters) {
    const ExampleCase& c = GetParam();
    if (*c.params) WriteParams(c.params);
    Loaded();
    ASSERT_TRUE(Model().Type("Text2", "45"));  // edits of the window are replaced
    ASSERT_TRUE(Model().Fire("mnuPhaseItem", Event::Click));
    ASSERT_TRUE(Model().PhaseHelp().Fire("Command1", Event::Click));
    EXPECT_TRUE(Model().PhaseHelp().View().minimized);
    EXPECT_EQ(Model().PhaseHelp().View().mousePointer, kPointerDefault);
    EXPECT_EQ(State().Get(Field::cyclesPerSecond), c.cycles);
    const std::vector<std::string> expected = {
        "0", "1", "2", c.keptPhases[0], "3", c.keptPhases[1], "4", "5", c.keptPhases[2], "6"};
    for (int row = 0; row < kTableRows; ++row)
        EXPECT_EQ(State().Get(Field::phasePhi, row), expected[static_cast<size_t>(row)]) << row;
    EXPECT_TRUE(State().sineSelected);
    EXPECT_TRUE(View()["mnuMultipleWavesItem"].checked);
    EXPECT_EQ(State().PlotStateValue(), 10);
}

INSTANTIATE_TEST_SUITE_P(
    Params, PhaseExampleTest,
    ::testing::Values(
        ExampleCase{"Default", "", "30", {"0", "0", "0"}},
        ExampleCase{"Saved",
                    "1024,20\r\n1,1,0.5\r\n1,2,0.5\r\n1,3,0.5\r\n1,4,0.7\r\n1,5,0.5\r\n1,6,0.8\r\n"
                    "1,7,0.5\r\n1,8,0.5\r\n1,9,0.9\r\n1,10,0.5\r\n",
                    "20",
                    {"0.7", "0.8", "0.9"}}),
    [](const auto& info) { return std::string(info.param.name); });

// The help pages, the about window, the splash and the hints of the main window.
class HelpWindowsTest : public ModelFixture {};

TEST_F(HelpWindowsTest, ExampleReportListsThePhasesAtTheirFrequencies) {
    Loaded();
    ASSERT_TRUE(Model().Fire("mnuPhaseItem", Event::Click));
    ASSERT_TRUE(Model().PhaseHelp().Fire("Command1", Event::Click));
    const std::vector<ReportRow> rows =
        ReportRows(State().graphValueList, State().spectrumList, false);
    const std::vector<std::pair<double, double>> expected = {{30, 0},  {60, 1},  {90, 2}, {150, 3},
                                                             {210, 4}, {240, 5}, {300, 6}};
    ASSERT_EQ(rows.size(), expected.size());
    for (size_t i = 0; i < rows.size(); ++i) {
        SCOPED_TRACE(i);
        EXPECT_EQ(rows[i].frequency, expected[i].first);
        EXPECT_NEAR(rows[i].phi, expected[i].second, 1e-5);
    }
}

class ResetTest : public ModelFixture {};

TEST_F(ResetTest, LeavesTheWindowAsAfterStartUp) {
    RecordingPlatform otherPlatform;
    RecordedSurfaces other;
    Loaded();
    MainWindowModel fresh(otherPlatform, ParamFile(path_), other.GraphsAndReport());
    ASSERT_TRUE(fresh.Form_Load());

    // Away from the start-up state: cosines, simple waves, then the example.
    ASSERT_TRUE(Model().Fire("mnuPhaseItem", Event::Click));
    for (const char* control : {"Option7", "mnuSimpleWavesItem"})
        ASSERT_TRUE(Model().Fire(control, Event::Click)) << control;
    ASSERT_TRUE(Model().PhaseHelp().Fire("Command1", Event::Click));
    ASSERT_TRUE(Model().PhaseHelp().Fire("Command2", Event::Click));

    EXPECT_FALSE(Model().PhaseHelp().View().shown);
    for (int row = 0; row < kTableRows; ++row)
        for (Field field : {Field::amplitudeA, Field::multiplierB, Field::phasePhi})
            EXPECT_EQ(State().Get(field, row), fresh.State().Get(field, row));
    EXPECT_EQ(State().sampleList, fresh.State().sampleList);
    EXPECT_EQ(State().spectrumList, fresh.State().spectrumList);
    EXPECT_EQ(State().displayedValueList, fresh.State().displayedValueList);
    EXPECT_EQ(State().plotState(), fresh.State().plotState());
    for (const char* control :
         {"Option6", "Option7", "mnuMultipleWavesItem", "mnuSimpleWavesItem", "Frame1", "Frame6"}) {
        SCOPED_TRACE(control);
        EXPECT_EQ(View()[control].checked, fresh.View()[control].checked);
        EXPECT_EQ(View()[control].visible, fresh.View()[control].visible);
    }
    EXPECT_TRUE(View()["Option6"].checked);
}

struct SineAgainCase {
    const char* name;
    std::vector<std::string> before;  // main-window controls clicked first
    const char* button;               // on the phase page: "Command1" Example, "Command2" Reset
};

class PhaseButtonsSelectSineTest : public ModelFixture,
                                   public ::testing::WithParamInterface<SineAgainCase> {};

// The buttons select "Sin" as its click does: the sine formula and the phase column
// headed φ, whatever was selected before.
TEST_P(PhaseButtonsSelectSineTest, FormulaAndPhaseHeadingOfTheSine) {
    const SineAgainCase& c = GetParam();
    Loaded();
    ASSERT_TRUE(Model().Fire("mnuPhaseItem", Event::Click));
    for (const std::string& control : c.before)
        ASSERT_TRUE(Model().Fire(control, Event::Click)) << control;
    ASSERT_EQ(View()["Label23"].caption, "θ");
    ASSERT_TRUE(Model().PhaseHelp().Fire(c.button, Event::Click));
    EXPECT_TRUE(View()["Option6"].checked);
    EXPECT_FALSE(View()["Option7"].checked);
    EXPECT_TRUE(State().sineSelected);
    EXPECT_TRUE(View()["Image3"].visible);
    EXPECT_FALSE(View()["Image4"].visible);
    EXPECT_EQ(View()["Label23"].caption, "φ");
}

INSTANTIATE_TEST_SUITE_P(
    AfterCos, PhaseButtonsSelectSineTest,
    ::testing::Values(
        SineAgainCase{"CosExample", {"Option7"}, "Command1"},
        SineAgainCase{"CosReset", {"Option7"}, "Command2"},
        SineAgainCase{"CosSimpleWavesExample", {"Option7", "mnuSimpleWavesItem"}, "Command1"},
        SineAgainCase{"CosSimpleWavesReset", {"Option7", "mnuSimpleWavesItem"}, "Command2"}),
    [](const auto& info) { return std::string(info.param.name); });

TEST(SystemInfoTest, FirstProgramFoundOnThePath) {
    struct Case {
        const char* path;
        std::set<std::string> present;
        const char* found;  // "" none
    };
    const std::vector<Case> cases = {
        {"/usr/bin:/opt/bin", {"/opt/bin/tool-b", "/usr/bin/tool-b"}, "/usr/bin/tool-b"},
        {"/usr/bin:/opt/bin", {"/opt/bin/tool-a", "/usr/bin/tool-b"}, "/opt/bin/tool-a"},
        {"/usr/bin", {"/opt/bin/tool-a"}, ""},
        {"", {"tool-a"}, ""},
        {"::/bin", {"/bin/tool-b"}, "/bin/tool-b"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.path);
        const auto found = FindSystemInfoTool(
            c.path, {"tool-a", "tool-b"},
            [&c](const std::filesystem::path& file) { return c.present.count(file.string()) > 0; });
        EXPECT_EQ(found ? found->string() : "", c.found);
    }
}

TEST_F(HelpWindowsTest, AboutWithoutSystemInformationToolShowsTheMessage) {
    Loaded();
    const std::string saved = std::getenv("PATH") ? std::getenv("PATH") : "";
    setenv("PATH", dir_.string().c_str(), 1);  // a folder without any such program
    ASSERT_TRUE(Model().Fire("mnuAboutItem", Event::Click));
    AboutWindowModel& about = Model().About();
    EXPECT_EQ(about.View().caption, "About  FFT Quorbel");
    EXPECT_EQ(about.View()["lblVersion"].caption, "Version 1.0  (1998)");
    EXPECT_EQ(about.View()["lblTitle"].caption, "FFT Quorbel");
    ASSERT_TRUE(about.Fire("cmdSysInfo", Event::Click));
    setenv("PATH", saved.c_str(), 1);
    EXPECT_EQ(platform.messages,
              std::vector<std::string>{"System Information Is Unavailable At This Time"});
    EXPECT_TRUE(platform.startedPrograms.empty());
    EXPECT_TRUE(about.View().shown);
    ASSERT_TRUE(about.Fire("cmdOK", Event::Click));
    EXPECT_FALSE(about.View().shown);
}

TEST_F(HelpWindowsTest, SplashStaysUntilClickedWithItsTimerOff) {
    Loaded();
    for (const char* opener : {"Command13", "mnuSplashItem"}) {
        for (const char* closer : {"frmSplash", "Frame1", "Image1"}) {
            SCOPED_TRACE(std::string(opener) + " then " + closer);
            ASSERT_TRUE(Model().Fire(opener, Event::Click));
            const SplashWindowModel& splash = Model().Splash();
            EXPECT_TRUE(splash.View().shown);
            EXPECT_FALSE(splash.TimerEnabled());
            EXPECT_EQ(splash.View()["Frame1"].left, 140);
            EXPECT_EQ(splash.View()["Frame1"].width, kSplashWidth - 360);
            EXPECT_TRUE(View().shown) << "the main window stays";
            ASSERT_TRUE(Model().Splash().Fire(closer, Event::Click));
            EXPECT_FALSE(splash.View().shown);
        }
    }
}

TEST(HelpPagesTest, RunsKeepTheirStylesAndGreekLetters) {
    RecordingSurface page(kPhasePageWidth, kPhasePageHeight);
    DrawHelpPage(page, PhasePage());
    const std::vector<Primitive> texts = page.OfKind(Primitive::Kind::Text);
    ASSERT_FALSE(texts.empty());
    EXPECT_EQ(texts.front().text, "Phase (Report)");
    int greek = 0, emphasis = 0;
    for (const Primitive& t : texts) {
        if (t.font.name == "Symbol") {
            ++greek;
            EXPECT_EQ(t.text, "f");
        }
        if (t.font.bold && t.font.italic) ++emphasis;
    }
    EXPECT_EQ(greek, 1);
    EXPECT_EQ(emphasis, 13);
    // Each line of the page is one text line: lines of runs stay on their line.
    std::set<double> ys;
    for (const Primitive& t : texts) ys.insert(t.y1);
    EXPECT_EQ(ys.size(), 1u + 31u);
}

}  // namespace
}  // namespace quorbel

namespace quorbel::testing {
namespace {

// The hints of the main window: the slider hint hides itself when clicked; a press on
// the expansion hint does nothing.
TEST_F(HelpWindowsTest, SliderHintHidesWhenClickedAndTheExpansionHintIgnoresPresses) {
    Loaded();
    Model().Fire("Command3", Event::Click);   // the musical scale
    Model().Fire("Command10", Event::Click);  // tuning on: the slider and its hint
    ASSERT_TRUE(View()["Label18"].visible);
    EXPECT_TRUE(Model().Fire("Label18", Event::Click));
    EXPECT_FALSE(View()["Label18"].visible);
    EXPECT_TRUE(View()["Slider1"].visible);
    EXPECT_FALSE(Model().Answers("Label5", Event::MouseDown));
}

}  // namespace
}  // namespace quorbel::testing
