// The "View" menu: which zooms are offered for which screens, how the choice and the
// axes are kept for the next session, and what the axes add to the graphs.
#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>
#include <fstream>
#include <string>
#include <vector>

#include "ModelFixture.h"
#include "state/ViewSettings.h"
#include "windows/MainWindowAxes.h"
#include "windows/MainWindowLayout.h"

namespace quorbel::testing {
namespace {

namespace fs = std::filesystem;

// A screen of w x h pixels at 96 dpi, in twips.
ScreenArea Pixels(double w, double h) {
    return {w * 15, h * 15};
}

struct ScreenCase {
    double width, height;  // pixels
    std::vector<int> offered;
};

class ZoomsForScreen : public ::testing::TestWithParam<ScreenCase> {};

TEST_P(ZoomsForScreen, OfferOnlyTheSizesThatFit) {
    const ScreenCase& c = GetParam();
    EXPECT_EQ(ZoomsOffered(kMainWindowWidth, kMainWindowHeight, Pixels(c.width, c.height)),
              c.offered)
        << c.width << " x " << c.height;
}

INSTANTIATE_TEST_SUITE_P(
    Screens, ZoomsForScreen,
    ::testing::Values(ScreenCase{800, 600, {100}}, ScreenCase{1024, 768, {100}},
                      ScreenCase{1366, 768, {100}}, ScreenCase{1280, 1024, {100, 125}},
                      ScreenCase{1600, 900, {100, 125}}, ScreenCase{1920, 1080, {100, 125, 150}},
                      ScreenCase{1920, 1200, {100, 125, 150}},
                      ScreenCase{2560, 1440, {100, 125, 150, 200}},
                      ScreenCase{3840, 2160, {100, 125, 150, 200}},
                      // A tall narrow screen: the width decides.
                      ScreenCase{1080, 1920, {100}}));

TEST(ZoomsOffered, EveryStepWhereTheScreenIsUnknown) {
    EXPECT_EQ(ZoomsOffered(kMainWindowWidth, kMainWindowHeight, std::nullopt),
              std::vector<int>(kZoomSteps.begin(), kZoomSteps.end()));
}

// Over a grid of screens: 100 % always, the steps offered are the smallest ones, each
// fits, and the first one left out does not.
TEST(ZoomsOffered, AreTheStepsThatFitFromTheSmallestOn) {
    for (double w = 400; w <= 4000; w += 90)
        for (double h = 300; h <= 2400; h += 70) {
            const ScreenArea screen = Pixels(w, h);
            const std::vector<int> offered =
                ZoomsOffered(kMainWindowWidth, kMainWindowHeight, screen);
            ASSERT_FALSE(offered.empty());
            EXPECT_EQ(offered.front(), 100);
            for (size_t i = 0; i < offered.size(); ++i) {
                EXPECT_EQ(offered[i], kZoomSteps[i]) << w << " x " << h;
                if (i > 0) {
                    EXPECT_TRUE(ZoomFits(offered[i], kMainWindowWidth, kMainWindowHeight, screen));
                }
            }
            if (offered.size() < kZoomSteps.size()) {
                EXPECT_FALSE(ZoomFits(kZoomSteps[offered.size()], kMainWindowWidth,
                                      kMainWindowHeight, screen))
                    << w << " x " << h;
            }
        }
}

TEST(ZoomFits, CountsTheMenuBarTitleAndBorders) {
    // The client area alone would fit exactly; what the desktop adds does not.
    const ScreenArea exact{kMainWindowWidth, kMainWindowHeight};
    EXPECT_FALSE(ZoomFits(100, kMainWindowWidth, kMainWindowHeight, exact));
    const ScreenArea room{kMainWindowWidth + 2 * kBorderTwips,
                          kMainWindowHeight + kMenuBarTwips + kTitleBarTwips + 2 * kBorderTwips};
    EXPECT_TRUE(ZoomFits(100, kMainWindowWidth, kMainWindowHeight, room));
    EXPECT_FALSE(ZoomFits(125, kMainWindowWidth, kMainWindowHeight, room));
}

struct StepCase {
    int current, direction;
    std::vector<int> offered;
    int next;
};

class NextZoomStep : public ::testing::TestWithParam<StepCase> {};

TEST_P(NextZoomStep, MovesOneOfferedStep) {
    const StepCase& c = GetParam();
    EXPECT_EQ(NextZoom(c.current, c.direction, c.offered), c.next);
}

INSTANTIATE_TEST_SUITE_P(Steps, NextZoomStep,
                         ::testing::Values(StepCase{100, 1, {100, 125, 150, 200}, 125},
                                           StepCase{150, 1, {100, 125, 150, 200}, 200},
                                           StepCase{200, 1, {100, 125, 150, 200}, 200},
                                           StepCase{200, -1, {100, 125, 150, 200}, 150},
                                           StepCase{100, -1, {100, 125, 150, 200}, 100},
                                           StepCase{150, 1, {100, 125, 150}, 150},
                                           StepCase{125, -1, {100, 125}, 100},
                                           StepCase{125, 0, {100, 125}, 125}));

TEST(FittingZoom, IsTheLargestOfferedNotAboveTheWish) {
    EXPECT_EQ(FittingZoom(200, {100, 125, 150}), 150);
    EXPECT_EQ(FittingZoom(200, {100}), 100);
    EXPECT_EQ(FittingZoom(125, {100, 125, 150, 200}), 125);
    EXPECT_EQ(FittingZoom(100, {100, 125}), 100);
}

// --- the file

struct TextCase {
    std::string text;
    ViewSettings read;
};

class SettingsText : public ::testing::TestWithParam<TextCase> {};

TEST_P(SettingsText, IsReadForWhatItGetsRight) {
    EXPECT_EQ(ParseViewSettings(GetParam().text), GetParam().read) << GetParam().text;
}

INSTANTIATE_TEST_SUITE_P(
    Texts, SettingsText,
    ::testing::Values(TextCase{"", {100, false}}, TextCase{"zoom=150\naxes=1\n", {150, true}},
                      TextCase{"zoom=200\r\naxes=0\r\n", {200, false}},
                      TextCase{"  zoom = 125 \n\taxes=1", {125, true}},
                      TextCase{"zoom=130\naxes=1\n", {100, true}},
                      TextCase{"zoom=-5\naxes=yes\n", {100, false}},
                      TextCase{"zoom=1e2\n", {100, false}}, TextCase{"zoom=150x\n", {100, false}},
                      TextCase{"axes=1\nzoom=200\nrubbish\n=\nzoom\n", {200, true}},
                      TextCase{"\xEF\xBB\xBFzoom=150\n", {150, false}},
                      TextCase{std::string(300, 'z'), {100, false}}));

TEST(SettingsText, EveryChoiceReadsBackAsWritten) {
    for (int zoom : kZoomSteps)
        for (bool axes : {false, true}) {
            const ViewSettings settings{zoom, axes};
            EXPECT_EQ(ParseViewSettings(ViewSettingsText(settings)), settings);
        }
}

class SettingsFile : public ModelFixture {
  protected:
    fs::path File() const { return ViewSettingsPath(path_); }
    std::string Kept() const {
        std::ifstream in(File(), std::ios::binary);
        return {std::istreambuf_iterator<char>(in), {}};
    }
};

TEST_F(SettingsFile, LiesBesideTheOpeningParameters) {
    EXPECT_EQ(File(), dir_ / "view-settings");
}

TEST_F(SettingsFile, MissingFolderOrOversizedGiveTheDefaults) {
    EXPECT_EQ(ReadViewSettings(File()), ViewSettings{});
    fs::create_directories(File());
    EXPECT_EQ(ReadViewSettings(File()), ViewSettings{});
    fs::remove(File());
    std::ofstream(File()) << "zoom=150\n" << std::string(5000, '#');
    EXPECT_EQ(ReadViewSettings(File()), ViewSettings{});
}

TEST_F(SettingsFile, IsWrittenInAFolderMadeForIt) {
    const fs::path deeper = dir_ / "a" / "b" / "view-settings";
    std::string error;
    ASSERT_TRUE(WriteViewSettings(deeper, {125, true}, &error)) << error;
    EXPECT_EQ(ReadViewSettings(deeper), (ViewSettings{125, true}));
}

// --- the window

class ViewMenu : public SettingsFile {};

TEST_F(ViewMenu, ChecksTheZoomChosenAndKeepsIt) {
    Loaded();
    EXPECT_TRUE(View()["mnuZoom100Item"].checked);
    for (int zoom : {125, 200, 150, 100}) {
        Press("mnuZoom" + std::to_string(zoom) + "Item");
        EXPECT_EQ(Model().Viewing().zoom, zoom);
        for (int other : kZoomSteps)
            EXPECT_EQ(View()["mnuZoom" + std::to_string(other) + "Item"].checked, other == zoom);
        EXPECT_EQ(ReadViewSettings(File()).zoom, zoom);
    }
    EXPECT_TRUE(platform.messages.empty());
}

TEST_F(ViewMenu, TheNextSessionStartsWithTheKeptChoices) {
    std::ofstream(File()) << "zoom=150\naxes=1\n";
    Loaded();
    EXPECT_EQ(Model().Viewing(), (ViewSettings{150, true}));
    EXPECT_TRUE(View()["mnuZoom150Item"].checked);
    EXPECT_TRUE(View()["mnuAxesItem"].checked);
}

TEST_F(ViewMenu, OffersOnlyWhatTheScreenHolds) {
    platform.screen = Pixels(1920, 1080);
    Loaded();
    EXPECT_TRUE(View()["mnuZoom150Item"].enabled);
    EXPECT_FALSE(View()["mnuZoom200Item"].enabled);
    EXPECT_FALSE(View()["mnuZoom200Item"].tooltip.empty());
    EXPECT_FALSE(Model().Fire("mnuZoom200Item", Event::Click));
    Model().SetZoom(200);  // a program asking is refused as well
    EXPECT_EQ(Model().Viewing().zoom, 100);
    // The keys step through what is offered and stop at its ends.
    for (int expected : {125, 150, 150}) {
        Model().StepZoom(1);
        EXPECT_EQ(Model().Viewing().zoom, expected);
    }
    EXPECT_FALSE(View()["mnuZoomInItem"].enabled);
    Press("mnuZoomOutItem");
    EXPECT_EQ(Model().Viewing().zoom, 125);
    Press("mnuZoomResetItem");
    EXPECT_EQ(Model().Viewing().zoom, 100);
    EXPECT_FALSE(View()["mnuZoomOutItem"].enabled);
    EXPECT_FALSE(View()["mnuZoomResetItem"].enabled);
}

TEST_F(ViewMenu, AKeptZoomGivesWayOnASmallerScreen) {
    std::ofstream(File()) << "zoom=200\n";
    platform.screen = Pixels(1920, 1080);
    Loaded();
    EXPECT_EQ(Model().Viewing().zoom, 150);
    EXPECT_TRUE(View()["mnuZoom150Item"].checked);
    platform.screen = Pixels(1024, 768);
    Loaded();
    EXPECT_EQ(Model().Viewing().zoom, 100);
}

TEST_F(ViewMenu, AFileThatCannotBeWrittenIsSaidAndTheChoiceHolds) {
    Loaded();
    fs::create_directories(File());  // a folder where the file would go
    Press("mnuZoom125Item");
    EXPECT_EQ(Model().Viewing().zoom, 125);
    ASSERT_EQ(platform.messages.size(), 1u);
    EXPECT_NE(platform.messages[0].find("view-settings"), std::string::npos);
}

// The numbers printed on a picture, in order.
std::vector<std::string> Numbers(const RecordingSurface& pic) {
    std::vector<std::string> numbers;
    for (const std::string& text : pic.Texts())
        if (!text.empty() && text.find_first_not_of("-0123456789.") == std::string::npos)
            numbers.push_back(text);
    return numbers;
}

TEST_F(ViewMenu, AxesPutScalesOnBothGraphsAndTakeThemAway) {
    Loaded();
    Press("Command17");  // "Both"
    const std::vector<std::string> ftBefore = Numbers(picture2);
    const size_t fftBefore = Numbers(picture1).size();
    EXPECT_TRUE(ftBefore.empty());
    Press("mnuAxesItem");
    EXPECT_TRUE(View()["mnuAxesItem"].checked);
    EXPECT_TRUE(ReadViewSettings(File()).axes);
    // f(t): time numbers from 0 and amplitudes either side of 0.
    const std::vector<std::string> ft = Numbers(picture2);
    EXPECT_GE(ft.size(), 6u);
    EXPECT_NE(std::find(ft.begin(), ft.end(), "0.2"), ft.end());
    EXPECT_NE(std::find(ft.begin(), ft.end(), "-5"), ft.end());
    // The curve lies inside the margins; only the scales stand in them.
    for (const Primitive& line : picture2.OfKind(Primitive::Kind::Line))
        if (line.color == colors::kDarkBlue) {
            EXPECT_GE(std::min(line.x1, line.x2), kFtAxisLeft - 1);
            EXPECT_LE(std::max(line.y1, line.y2), kPicture2Height - kFtAxisBottom + 1);
        }
    // FFT: the value numbers join the frequency scale's; the graph in decibels keeps
    // its own scale alone, not one over the other.
    EXPECT_GT(Numbers(picture1).size(), fftBefore + 2);
    Press("cmdDecibels");
    EXPECT_EQ(Numbers(picture1).size(), fftBefore);
    Press("cmdDecibels");
    Press("mnuAxesItem");
    EXPECT_FALSE(Model().Viewing().axes);
    EXPECT_EQ(Numbers(picture2), ftBefore);
    EXPECT_EQ(Numbers(picture1).size(), fftBefore);
}

TEST_F(ViewMenu, AxesStayThroughNewFunctions) {
    Loaded();
    Press("mnuAxesItem");
    for (const char* button : {"Command1", "Command17", "Command5"}) {
        Press(button);
        EXPECT_FALSE(Numbers(picture2).empty()) << button;
    }
}

}  // namespace
}  // namespace quorbel::testing
