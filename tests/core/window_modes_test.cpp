// Which mode the main window is in: every query answers from the caption or the mode
// code it reads, and only that one changes when a switch is pressed or data arrives.
#include <gtest/gtest.h>

#include <cmath>
#include <filesystem>
#include <fstream>
#include <functional>
#include <ostream>
#include <string>

#include "CaseName.h"
#include "RawWindowFixture.h"

namespace quorbel::testing {
namespace {

// The answers of every mode query at once.
struct Modes {
    bool musical = false, panoramic = false, expansionOffered = true, expansionRunning = false,
         expanded = false, markers = false, frozen = false, inverted = false, tuning = false;
    DataSource source = DataSource::Calculated;
    Quantity quantity = Quantity::Rho;
    bool operator==(const Modes&) const = default;
};

std::ostream& operator<<(std::ostream& out, const Modes& m) {
    return out << "musical " << m.musical << ", panoramic " << m.panoramic << ", expansion offered "
               << m.expansionOffered << ", expansion running " << m.expansionRunning
               << ", expanded " << m.expanded << ", markers " << m.markers << ", frozen "
               << m.frozen << ", inverted " << m.inverted << ", tuning " << m.tuning << ", source "
               << static_cast<int>(m.source) << ", quantity " << static_cast<int>(m.quantity);
}

Modes ModesOf(const MainWindowModel& m) {
    return {m.MusicalScaleShown(), m.PanoramicShown(), m.ExpansionOffered(), m.ExpansionRunning(),
            m.GraphExpanded(),     m.MarkersShown(),   m.MarkersFrozen(),    m.GraphInverted(),
            m.TuningShown(),       m.Source(),         m.DisplayedQuantity()};
}

class WindowModesTest;

struct ModeCase {
    const char* name;
    std::function<void(WindowModesTest&)> steps;  // from the loaded window
    Modes expected;
};

void PrintTo(const ModeCase& c, std::ostream* out) {
    *out << c.name;
}

class WindowModesTest : public RawWindowFixture, public ::testing::WithParamInterface<ModeCase> {
  public:
    AnalysisState& Data() { return State(); }
    void Click(const char* control) { ASSERT_TRUE(Model().Fire(control, Event::Click)); }
    void RightPress(const char* control, double x) {
        ASSERT_TRUE(Model().Fire(control, Event::MouseDown, {.button = 2, .x = x, .y = 1000}));
    }
    // A 300 Hz tone at 22050 samples per second from a file, transferred from the raw
    // file window.
    void TransferTone() {
        std::string bytes(5000, '\0');
        for (size_t k = 0; k < bytes.size(); ++k)
            bytes[k] = static_cast<char>(
                128 + std::lround(100 * std::sin(6.28318530717959 * 300 * k / 22050)));
        const std::filesystem::path path = dir_ / "tone.raw";
        std::ofstream(path, std::ios::binary) << bytes;
        Open(path.string());
        Drag(0, 2000);
        ASSERT_TRUE(Transfer());
    }
};

TEST_P(WindowModesTest, EachQueryReadsItsOwnState) {
    Loaded();
    GetParam().steps(*this);
    EXPECT_EQ(ModesOf(Model()), GetParam().expected);
}

const ModeCase kModeCases[] = {
    {"Loaded", [](WindowModesTest&) {}, {}},
    {"Log",
     [](WindowModesTest& t) { t.Click("Command3"); },
     {.musical = true, .panoramic = true, .expansionOffered = false}},
    {"Log then Lin",
     [](WindowModesTest& t) {
         t.Click("Command3");
         t.Click("Command3");
     },
     {}},
    {"Log then Normal",
     [](WindowModesTest& t) {
         t.Click("Command3");
         t.Click("Command8");
     },
     {.musical = true, .expansionOffered = false}},
    {"Normal then Panoramic",
     [](WindowModesTest& t) {
         t.Click("Command3");
         t.Click("Command8");
         t.Click("Command8");
     },
     {.musical = true, .panoramic = true, .expansionOffered = false}},
    {"Log then Invert",
     [](WindowModesTest& t) {
         t.Click("Command3");
         t.Click("Command9");
     },
     {.musical = true, .panoramic = true, .expansionOffered = false, .inverted = true}},
    {"Log then Tuning On",
     [](WindowModesTest& t) {
         t.Click("Command3");
         t.Click("Command10");
     },
     {.musical = true, .panoramic = true, .expansionOffered = false, .tuning = true}},
    {"Show", [](WindowModesTest& t) { t.Click("Command2"); }, {.markers = true}},
    {"Show then Cancel",
     [](WindowModesTest& t) {
         t.Click("Command2");
         t.Click("Command2");
     },
     {}},
    {"Show place Fix",
     [](WindowModesTest& t) {
         t.Click("Command2");
         t.RightPress("Picture1", 2000);
         t.Click("Command11");
     },
     {.markers = true, .frozen = true}},
    {"Horizontal", [](WindowModesTest& t) { t.Click("Command8"); }, {.expansionRunning = true}},
    {"Horizontal two limits",
     [](WindowModesTest& t) {
         t.Click("Command8");
         t.RightPress("Picture1", 500);
         t.RightPress("Picture1", 3000);
     },
     {.expanded = true}},
    {"Expanded then Cancel expansions",
     [](WindowModesTest& t) {
         t.Click("Command8");
         t.RightPress("Picture1", 500);
         t.RightPress("Picture1", 3000);
         t.Click("Command6");
     },
     {}},
    {"Imaginary part",
     [](WindowModesTest& t) { t.Click("Option1"); },
     {.quantity = Quantity::Imaginary}},
    {"Real part", [](WindowModesTest& t) { t.Click("Option2"); }, {.quantity = Quantity::Real}},
    {"Both separately",
     [](WindowModesTest& t) {
         t.Click("Option10");
         t.Click("Command5");
     },
     {.quantity = Quantity::None}},
    {"Transfer of a file",
     [](WindowModesTest& t) { t.TransferTone(); },
     {.source = DataSource::RawFile}},
    {"Transfer then Multiple waves",
     [](WindowModesTest& t) {
         t.TransferTone();
         t.Click("mnuMultipleWavesItem");
     },
     {}},
};

INSTANTIATE_TEST_SUITE_P(MainWindow, WindowModesTest, ::testing::ValuesIn(kModeCases),
                         PrintedName{});

}  // namespace
}  // namespace quorbel::testing
