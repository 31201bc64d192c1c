// What the window shows after new data or a new function: nothing of the previous
// spectrum's read-out, cursors and harmonic markers, and no progress text left over
// the raw file window's selection row.
#include <gtest/gtest.h>

#include <cmath>
#include <fstream>
#include <string>
#include <vector>

#include "RawWindowFixture.h"

namespace quorbel::testing {
namespace {

constexpr int kRight = 2;

class AfterNewDataTest : public RawWindowFixture {
  protected:
    // An 8-bit tone of 440 Hz at 22050 Hz, 8000 samples.
    std::string ToneFile() {
        const std::filesystem::path path = dir_ / "tone.raw";
        std::string bytes(8000, '\0');
        for (size_t k = 0; k < bytes.size(); ++k)
            bytes[k] = static_cast<char>(
                128 + std::lround(100 * std::sin(6.28318530717959 * 440 * k / 22050.0)));
        std::ofstream(path, std::ios::binary) << bytes;
        return path.string();
    }
    void TransferTone(const std::string& path) {
        Open(path);
        Drag(0, 4200);
        ASSERT_TRUE(Transfer());
    }
    int VisibleLines(const char* name, int count) {
        int visible = 0;
        for (int k = 0; k < count; ++k)
            visible += View().Line(std::string(name) + "(" + std::to_string(k) + ")").Visible;
        return visible;
    }
};

struct MarksCase {
    const char* name;
    bool rawData;     // the marks are put on a transferred sound
    bool musical;     // ... on the musical graph instead of the linear one
    bool frozen;      // ... and frozen with "Fix"
    const char* act;  // the control clicked afterwards, or "transfer" for a new transfer
};

class MarksOfTheLastSpectrumTest : public AfterNewDataTest,
                                   public ::testing::WithParamInterface<MarksCase> {};

TEST_P(MarksOfTheLastSpectrumTest, GoWithNewDataOrANewFunction) {
    const MarksCase& c = GetParam();
    Loaded();
    const std::string tone = ToneFile();
    if (c.rawData) TransferTone(tone);
    if (c.musical) {
        ASSERT_TRUE(Model().Fire("Command3", Event::Click));
    }
    const char* graph = c.musical ? "Picture5" : "Picture1";
    const double x = c.musical ? 9000 : 3000;
    // The cursor of a right-button drag over the linear graph, before the markers.
    if (!c.musical) {
        ASSERT_TRUE(Model().Fire(graph, Event::MouseMove, {.button = kRight, .x = 2000}));
        ASSERT_TRUE(View().Line("Line1").Visible);
    }
    ASSERT_TRUE(Model().Fire("Command2", Event::Click));
    ASSERT_TRUE(Model().Fire(graph, Event::MouseMove, {.button = kRight, .x = x, .y = 3000}));
    const char* markers = c.musical ? "Line6" : "Line2";
    const int count = c.musical ? 17 : 11;
    ASSERT_EQ(VisibleLines(markers, count), count);
    if (c.frozen) {
        ASSERT_TRUE(Model().Fire("Command11", Event::Click));
    }
    // The cursor over the musical graph follows a move without the right button.
    if (c.musical) {
        ASSERT_TRUE(Model().Fire(graph, Event::MouseMove, {.x = x + 500}));
        ASSERT_TRUE(View().Line("Line5").Visible);
    }
    ASSERT_TRUE(View()["Label9"].visible);

    if (std::string(c.act) == "transfer")
        TransferTone(tone);
    else
        ASSERT_TRUE(Model().Fire(c.act, Event::Click)) << c.act;

    EXPECT_EQ(VisibleLines("Line2", 11), 0);
    EXPECT_EQ(VisibleLines("Line6", 17), 0);
    for (const char* cursor : {"Line1", "Line3", "Line4", "Line5"})
        EXPECT_FALSE(View().Line(cursor).Visible) << cursor;
    EXPECT_FALSE(View()["Label9"].visible);
    EXPECT_EQ(View()["Label9"].caption, "");
    EXPECT_EQ(View()["Command11"].caption, "Fix");
    EXPECT_FALSE(View()["Command11"].enabled);
}

INSTANTIATE_TEST_SUITE_P(
    Acts, MarksOfTheLastSpectrumTest,
    ::testing::Values(MarksCase{"Both", false, false, false, "Command17"},
                      MarksCase{"OnlyFt", false, false, false, "Command1"},
                      MarksCase{"OnlyFft", false, false, true, "Command5"},
                      MarksCase{"MultipleWaves", false, false, false, "mnuMultipleWavesItem"},
                      MarksCase{"SimpleWaves", false, false, true, "mnuSimpleWavesItem"},
                      MarksCase{"BothOnTheMusicalGraph", false, true, false, "Command17"},
                      MarksCase{"NewTransfer", true, false, false, "transfer"},
                      MarksCase{"NewTransferFrozen", true, false, true, "transfer"},
                      MarksCase{"NewTransferOnTheMusicalGraph", true, true, false, "transfer"}),
    [](const auto& info) { return std::string(info.param.name); });

struct StatusCase {
    const char* name;
    std::vector<std::string> after;  // main-window controls clicked after the transfer
};

class RawStatusTest : public AfterNewDataTest, public ::testing::WithParamInterface<StatusCase> {};

// The progress texts are printed over the selection's row; none stays when done.
TEST_P(RawStatusTest, NoProgressTextStaysOnTheRawWindow) {
    const StatusCase& c = GetParam();
    Loaded();
    TransferTone(ToneFile());
    for (const std::string& control : c.after)
        ASSERT_TRUE(Model().Fire(control, Event::Click)) << control;
    EXPECT_EQ(form6.Texts(), std::vector<std::string>{});
    EXPECT_EQ(State().dataSource, DataSource::RawFile);
}

INSTANTIATE_TEST_SUITE_P(Steps, RawStatusTest,
                         ::testing::Values(StatusCase{"Transfer", {}},
                                           StatusCase{"OnlyFft", {"Command5"}},
                                           StatusCase{"Both", {"Command17"}},
                                           StatusCase{"LogThenLin", {"Command3", "Command3"}}),
                         [](const auto& info) { return std::string(info.param.name); });

}  // namespace
}  // namespace quorbel::testing
