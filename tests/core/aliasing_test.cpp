// Aliasing made visible: where a frequency at or above half the points per second
// appears, the hint under the wave table, and the marks of the fields that cause it.
#include "synthesis/Aliasing.h"

#include <gtest/gtest.h>

#include "ModelFixture.h"
#include "windows/ControlTable.h"

namespace quorbel::testing {
namespace {

struct FoldCase {
    const char* name;
    double frequency;
    double rate;
    double folded;
};

class FoldedFrequencyTest : public ::testing::TestWithParam<FoldCase> {};

TEST_P(FoldedFrequencyTest, MirrorsIntoTheRangeBelowHalfTheRate) {
    const auto [name, frequency, rate, folded] = GetParam();
    EXPECT_DOUBLE_EQ(FoldedFrequency(frequency, rate), folded);
}

const FoldCase kFoldCases[] = {
    {"Below_300", 300, 1024, 300},
    {"At_512", 512, 1024, 512},
    {"Above_570", 570, 1024, 454},
    {"Fraction_579_5", 579.5, 1024, 444.5},
    {"Rate_1024", 1024, 1024, 0},
    {"Beyond_1100", 1100, 1024, 76},
    {"ThreeHalves_1536", 1536, 1024, 512},
    {"Negative_570", -570, 1024, 454},
    {"OtherRate_2000_at_2048", 2000, 2048, 48},
};

INSTANTIATE_TEST_SUITE_P(Aliasing, FoldedFrequencyTest, ::testing::ValuesIn(kFoldCases),
                         [](const auto& info) { return std::string(info.param.name); });

// The main window with the default opening parameters (30 cycles, a = 1, 2, 3, 0, 1, 0,
// 2, 2.5, 0, 3.5 and b = 1 .. 10): row fields typed, then the hint and the marks read.
struct HintCase {
    const char* name;
    std::vector<std::pair<std::string, std::string>> typed;  // control, text
    const char* hint;                                        // "" when none is shown
    std::vector<int> markedRows;
};

class AliasingHintTest : public ModelFixture, public ::testing::WithParamInterface<HintCase> {};

TEST_P(AliasingHintTest, NamesTheFoldedFrequencyAndMarksTheRow) {
    const HintCase& c = GetParam();
    Loaded();
    for (const auto& [control, text] : c.typed) ASSERT_TRUE(Model().Type(control, text)) << control;
    const ControlState& hint = View()["lblAliasing"];
    EXPECT_EQ(hint.visible, *c.hint != 0);
    if (*c.hint) {
        EXPECT_EQ(hint.caption, c.hint);
    }
    for (int row = 0; row < kTableRows; ++row) {
        const bool marked =
            std::find(c.markedRows.begin(), c.markedRows.end(), row) != c.markedRows.end();
        for (const char* field : {"Text3", "Text4", "Text5"})
            EXPECT_EQ(View()[Indexed(field, row)].backColor.has_value(), marked)
                << field << "(" << row << ")";
    }
    // Nothing is refused: the function is computed and transformed as typed.
    Press("Command17");
    EXPECT_TRUE(platform.messages.empty());
    EXPECT_EQ(State().plotState(), "10");
}

const HintCase kHintCases[] = {
    {"Defaults", {}, "", {}},
    {"Row1_b17_510Hz", {{"Text4(0)", "17"}}, "", {}},
    {"Row1_b19_570Hz",
     {{"Text4(0)", "19"}},
     "570 Hz is above 512 Hz and appears at 454 Hz; see Help: Nyquist",
     {0}},
    {"Cycles_57_row10_570Hz",
     {{"Text2", "57"}},
     "570 Hz is above 512 Hz and appears at 454 Hz; see Help: Nyquist",
     {9}},
    {"Cycles_60_row9_amplitude0",  // row 9 has amplitude 0: nothing of it folds back
     {{"Text2", "60"}},
     "600 Hz is above 512 Hz and appears at 424 Hz; see Help: Nyquist",
     {9}},
    {"Cycles_65_rows8and10",
     {{"Text2", "65"}},
     "520 Hz is above 512 Hz and appears at 504 Hz; see Help: Nyquist (and 1 more row)",
     {7, 9}},
    {"Cycles_100_five_rows",
     {{"Text2", "100"}},
     "700 Hz is above 512 Hz and appears at 324 Hz; see Help: Nyquist (and 2 more rows)",
     {6, 7, 9}},
    {"AtNyquist_b_fraction",
     {{"Text2", "32"}, {"Text4(0)", "16"}},
     "512 Hz is at 512 Hz and appears at 512 Hz; see Help: Nyquist",
     {0}},
    {"Amplitude0_row4", {{"Text4(3)", "40"}}, "", {}},
};

INSTANTIATE_TEST_SUITE_P(Aliasing, AliasingHintTest, ::testing::ValuesIn(kHintCases),
                         [](const auto& info) { return std::string(info.param.name); });

TEST_F(AliasingHintTest, TheSimpleWaveMarksItsCyclesField) {
    Loaded();
    Press("mnuSimpleWavesItem");
    EXPECT_FALSE(View()["lblAliasing"].visible);
    ASSERT_TRUE(Model().Type("Text2", "600"));
    EXPECT_TRUE(View()["lblAliasing"].visible);
    EXPECT_EQ(View()["lblAliasing"].caption,
              "600 Hz is above 512 Hz and appears at 424 Hz; see Help: Nyquist");
    EXPECT_TRUE(View()["Text2"].backColor.has_value());
    ASSERT_TRUE(Model().Type("Text2", "500"));
    EXPECT_FALSE(View()["lblAliasing"].visible);
    EXPECT_FALSE(View()["Text2"].backColor.has_value());
}

TEST_F(AliasingHintTest, GoesWithTheFrameItBelongsTo) {
    Loaded();
    ASSERT_TRUE(Model().Type("Text4(0)", "19"));
    Press("Command17");
    ASSERT_TRUE(View()["lblAliasing"].visible);
    // The panoramic musical view lies over the frame and the hint.
    Press("Command3");
    EXPECT_FALSE(View()["Frame1"].visible);
    EXPECT_FALSE(View()["lblAliasing"].visible);
    Press("Command8");
    EXPECT_TRUE(View()["lblAliasing"].visible);
}

}  // namespace
}  // namespace quorbel::testing
