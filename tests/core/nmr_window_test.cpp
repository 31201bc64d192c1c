// The NMR window driven through its controls as a user drives it: open an experiment,
// turn the phases about a pivot, reference a peak, integrate, measure a coupling with two
// cursors, a width against the simulated T2, the exports; and what it refuses.
#include <gtest/gtest.h>

#include <cmath>
#include <filesystem>
#include <numbers>

#include "NmrData.h"
#include "RecordingPlatform.h"
#include "nmr/NmrPeaks.h"
#include "nmr/SimulatedFid.h"
#include "windows/NmrWindowModel.h"

namespace quorbel::testing {
namespace {

class NmrWindow : public ::testing::Test {
  protected:
    // x twips of `ppm` on the spectrum graph as shown.
    double X(double ppm) const { return nmr::XOfPpm(window.ViewRange(), kNmrSpectrumWidth, ppm); }
    void Drag(double fromPpm, double toPpm) {
        window.Fire("Picture1", Event::MouseDown, {1, 0, X(fromPpm), 100});
        window.Fire("Picture1", Event::MouseUp, {1, 0, X(toPpm), 100});
    }
    void ClickAt(double ppm) { Drag(ppm, ppm); }

    RecordingPlatform platform;
    NmrWindowModel window{platform, nullptr, nullptr};
};

TEST_F(NmrWindow, OpensAnExperimentWithItsStoredParameters) {
    platform.openAnswers.push_back(NmrData("aspirin-1h/1/fid").string());
    ASSERT_TRUE(window.Fire("Command1", Event::Click));
    ASSERT_TRUE(platform.messages.empty()) << platform.messages[0];
    EXPECT_EQ(window.Shown().Size(), 32768);
    EXPECT_EQ(*window.BoundText("Text3"), "32768");
    EXPECT_EQ(*window.BoundText("Text4"), "-107.786");
    EXPECT_TRUE(window.View()["Option2"].checked);
    EXPECT_FALSE(window.Peaks().empty());
    EXPECT_EQ(window.View()["Label4"].caption.rfind("aspirin-1h/1: 8192 complex points", 0), 0u)
        << window.View()["Label4"].caption;
    EXPECT_NE(window.View()["Label4"].caption.find("near zero"), std::string::npos);
}

TEST_F(NmrWindow, PhaseOneTurnsAboutThePivot) {
    window.Fire("Command2", Event::Click);
    window.Fire("Option6", Event::Click);
    ClickAt(3.69);
    const double pivot = window.Pivot();
    const std::complex<double> before = window.Shown().points[std::lround(pivot)];
    window.Fire("Slider2", Event::Change, {.value = 90});
    EXPECT_DOUBLE_EQ(window.Parameters().phc1, 90);
    const std::complex<double> after = window.Shown().points[std::lround(pivot)];
    // The phase at the pivot point moves by less than one point's share of PHC1.
    EXPECT_NEAR(std::arg(after / before), 0, 90.0 / window.Shown().Size() * std::numbers::pi);
    window.Fire("Slider1", Event::Change, {.value = 45});
    EXPECT_DOUBLE_EQ(window.Parameters().phc0, 45);
}

TEST_F(NmrWindow, AutomaticPhasingRestoresTheSimulatedPhase) {
    window.Fire("Command2", Event::Click);
    const nmr::Spectrum phased = window.Shown();
    window.TypeBox(3, "60");
    window.TypeBox(4, "-40");
    window.Fire("Command4", Event::Click);
    window.Fire("Command3", Event::Click);
    // PHC0 and PHC1 trade against each other where no line lies; the lines come back
    // within a few degrees (the criterion's minimum lies a little off for so few lines).
    double sxy = 0, sxx = 0, syy = 0;
    for (int k = 0; k < phased.Size(); ++k) {
        const double x = phased.points[k].real(), y = window.Shown().points[k].real();
        sxy += x * y, sxx += x * x, syy += y * y;
    }
    EXPECT_GE(sxy / std::sqrt(sxx * syy), 0.998);
}

TEST_F(NmrWindow, ReferencingMovesThePeakToTheValueChosen) {
    window.Fire("Command2", Event::Click);
    window.Fire("Command6", Event::Click);  // CHCl3 7.26, Reference mode
    EXPECT_TRUE(window.View()["Option7"].checked);
    window.TypeBox(5, "7.5");  // a typed value instead
    window.Fire("Picture1", Event::MouseMove, {0, 0, X(7.26), 100});
    ClickAt(7.26);
    const std::vector<nmr::Peak> peaks = nmr::PickPeaks(window.Shown(), 0.01, 100);
    bool found = false;
    for (const nmr::Peak& p : peaks) found = found || std::abs(p.ppm - 7.5) < 1e-9;
    EXPECT_TRUE(found);
    // The read-out under the pointer says what the same place reads now.
    EXPECT_EQ(window.View()["Label1"].caption.rfind("δ 7.5", 0), 0u)
        << window.View()["Label1"].caption;
    window.Fire("Command2", Event::Click);  // another FID: nothing read out yet
    EXPECT_EQ(window.View()["Label1"].caption, "");
}

TEST_F(NmrWindow, IntegralsFollowTheHydrogensAndCursorsGiveTheCoupling) {
    window.Fire("Command2", Event::Click);
    window.Fire("Option5", Event::Click);
    window.TypeBox(6, "3");
    Drag(1.32, 1.12);                       // CH3 triplet
    Drag(3.80, 3.58);                       // CH2 quartet
    window.Fire("Option11", Event::Click);  // over a polynomial baseline
    const std::vector<std::string>& rows = window.View()["List1"].items;
    ASSERT_EQ(rows.size(), 2u);
    EXPECT_NE(rows[0].find(": 3 H"), std::string::npos) << rows[0];
    const double ch2 = std::stod(rows[1].substr(rows[1].find(": ") + 2));
    EXPECT_NEAR(ch2, 2, 0.05) << rows[1];
    // Two neighbouring lines of the triplet, J = 7 Hz apart.
    window.Fire("Option4", Event::Click);
    Drag(1.30, 1.14);
    window.Fire("Option9", Event::Click);
    ClickAt(1.22);
    ClickAt(1.22 + 7.0 / 400);
    EXPECT_NE(window.View()["Label2"].caption.find("Δν 7"), std::string::npos)
        << window.View()["Label2"].caption;
}

TEST_F(NmrWindow, WidthAtHalfHeightIsOneOverPiT2) {
    nmr::Simulation s;
    s.lines = {{2.0, 1.0, 2.0, 0, 0}};  // 2 Hz wide: T2 = 1 / (2 pi) s
    s.points = 32768;
    s.sweepHz = 4000;
    nmr::Fid fid = nmr::SimulateFid(s);
    fid.stored.window = nmr::Window::none;
    window.ShowFid(fid, "one line");
    window.Fire("Option9", Event::Click);
    ClickAt(2.0);
    const std::string& text = window.View()["Label3"].caption;
    const double width = std::stod(text.substr(text.find("height ") + 7));
    EXPECT_NEAR(width, 2.0, 0.05) << text;
    // More line broadening, wider line: LB adds to the width.
    window.Fire("Option2", Event::Click);
    window.TypeBox(0, "3");
    window.Fire("Command4", Event::Click);
    const std::string& wider = window.View()["Label3"].caption;
    EXPECT_NEAR(std::stod(wider.substr(wider.find("height ") + 7)), 5.0, 0.1) << wider;
}

TEST_F(NmrWindow, ExpandsByDraggingAndExports) {
    window.Fire("Command2", Event::Click);
    Drag(4.0, 3.4);
    EXPECT_NEAR(window.ViewRange().leftPpm, 4.0, 0.01);
    EXPECT_NEAR(window.ViewRange().rightPpm, 3.4, 0.01);
    window.Fire("Command9", Event::Click);
    EXPECT_GT(window.ViewRange().leftPpm, 10);
    const auto csv = std::filesystem::temp_directory_path() / "quorbel-nmr-window.csv";
    platform.saveAnswers = {csv.string(), std::string("spectrum.svg")};
    window.Fire("Command10", Event::Click);
    window.Fire("Command11", Event::Click);
    EXPECT_TRUE(platform.messages.empty());
    EXPECT_EQ(FileBytes(csv).substr(0, 19), "ppm,real,imaginary\n");
    std::filesystem::remove(csv);
    ASSERT_EQ(platform.exportedPictures.size(), 1u);
    EXPECT_EQ(platform.exportedPictures[0].request.format, PictureFormat::Svg);
}

TEST_F(NmrWindow, RefusesWhatCannotBeUsed) {
    platform.openAnswers.push_back(NmrData("aspirin-1h.dx").string());
    window.Fire("Command1", Event::Click);
    ASSERT_EQ(platform.messages.size(), 1u);
    EXPECT_FALSE(window.Fid());
    window.Fire("Command2", Event::Click);
    for (const auto& [box, text] : {std::pair{2, "1000"}, {0, "x"}, {1, "-"}}) {
        window.TypeBox(box, text);
        window.Fire("Command4", Event::Click);
        window.TypeBox(box, box == 2 ? "32768" : "0.3");
    }
    EXPECT_EQ(platform.messages.size(), 4u);
    EXPECT_EQ(window.Shown().Size(), 32768);
    // Every control with nothing open changes nothing and says nothing.
    NmrWindowModel empty{platform, nullptr, nullptr};
    for (const std::string& control : empty.BoundControls()) {
        for (const Event e : {Event::Click, Event::MouseDown, Event::MouseUp, Event::KeyPress})
            empty.Fire(control, e, {1, 0, 100, 100, kKeyLeft});
    }
    EXPECT_EQ(platform.messages.size(), 4u);
}

}  // namespace
}  // namespace quorbel::testing
