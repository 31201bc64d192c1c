// Numbers beyond the range of doubles, typed or computed: refused with a message that
// says why, nothing transformed, the report still refused.
#include <gtest/gtest.h>

#include <string>

#include "ModelFixture.h"
#include "spectrum/SpectrumGraph.h"
#include "state/NumberText.h"
#include "synthesis/WaveSynthesis.h"

namespace quorbel::testing {
namespace {

struct FieldEdit {
    Field field;
    int row;
    const char* text;
};

struct RangeCase {
    const char* name;
    bool simpleWaves;
    std::vector<FieldEdit> edits;
    const char* messagePart;   // what the one message must hold
    bool synthesised = false;  // the samples were finite: f(t) is drawn, the transform refused
};

void PrintTo(const RangeCase& c, std::ostream* out) {
    *out << c.name;
}

class OutOfRangeTest : public ModelFixture, public ::testing::WithParamInterface<RangeCase> {};

TEST_P(OutOfRangeTest, RefusedWithAMessageAndNothingTransformed) {
    const RangeCase& c = GetParam();
    Loaded();
    if (c.simpleWaves) Press("mnuSimpleWavesItem");
    platform.messages.clear();
    const AnalysisState before = State();
    for (const FieldEdit& edit : c.edits) Model().SetField(edit.field, edit.text, edit.row);
    Press("Command17");
    ASSERT_EQ(platform.messages.size(), 1u);
    EXPECT_NE(platform.messages[0].find(c.messagePart), std::string::npos) << platform.messages[0];
    if (c.synthesised)
        EXPECT_EQ(State().plotState(), "2");
    else
        EXPECT_EQ(State().sampleList, before.sampleList);
    EXPECT_EQ(State().spectrumList, before.spectrumList);
    EXPECT_EQ(State().graphValueList, before.graphValueList);
    EXPECT_LT(State().PlotStateValue(), 10);
    EXPECT_TRUE(State().sampleList.AllFinite());
}

const std::string kRange = kValuesOutOfRange;

INSTANTIATE_TEST_SUITE_P(
    Inputs, OutOfRangeTest,
    ::testing::Values(
        RangeCase{"CyclesBeyondDouble",
                  false,
                  {{Field::cyclesPerSecond, 0, "1e400"}},
                  "\"Number of cycles (per second)\" holds \"1e400\""},
        RangeCase{"AmplitudeBeyondDouble",
                  false,
                  {{Field::amplitudeA, 3, "-1e999"}},
                  "\"a (row 4)\" holds \"-1e999\""},
        RangeCase{"SimplePhaseBeyondDouble",
                  true,
                  {{Field::simplePhase, 0, "1e400"}},
                  "\"Phase\" holds \"1e400\""},
        RangeCase{"AmplitudesSumPastTheLargestDouble",
                  false,
                  {{Field::amplitudeA, 0, "1e308"},
                   {Field::amplitudeA, 1, "1e308"},
                   {Field::amplitudeA, 2, "1e308"},
                   {Field::multiplierB, 1, "1"},
                   {Field::multiplierB, 2, "1"}},
                  kRange.c_str()},
        RangeCase{
            "ArgumentOfASineOverflows", false, {{Field::multiplierB, 0, "1e308"}}, kRange.c_str()},
        RangeCase{"FrequencyOverflowsTheAngleStep",
                  true,
                  {{Field::cyclesPerSecond, 0, "1e308"}},
                  kRange.c_str()},
        RangeCase{"FiniteSamplesWhoseTransformOverflows",
                  false,
                  {{Field::amplitudeA, 0, "1e307"}},
                  kRange.c_str(),
                  true},
        RangeCase{
            "ModulusOverflows", false, {{Field::amplitudeA, 0, "1e160"}}, kRange.c_str(), true}),
    [](const auto& info) { return std::string(info.param.name); });

TEST(WaveSynthesis, SilentRowsAddNothingWhateverTheirFrequencyAndPhase) {
    std::array<WaveRow, 10> one{};
    one[0] = {1, 3, 0.2};
    for (WaveRow silent : {WaveRow{0, 1e308, 0}, WaveRow{0, 1, 1e308}, WaveRow{0, 1e308, 1e308},
                           WaveRow{0, -1e308, -1e308}, WaveRow{-0.0, 1e300, 1e300}}) {
        SCOPED_TRACE(NumberText(silent.b) + " " + NumberText(silent.phi));
        std::array<WaveRow, 10> rows = one;
        rows[5] = silent;
        for (bool sine : {true, false}) {
            const DataList s = MultipleWaveSamples(1024, 1024, 30, rows, sine);
            EXPECT_EQ(s, MultipleWaveSamples(1024, 1024, 30, one, sine));
            EXPECT_TRUE(s.AllFinite());
        }
    }
}

TEST(SpectrumGraph, SpectrumInRangeNeedsFiniteLinesAndModulus) {
    struct Case {
        std::vector<std::string> lines;
        bool inRange;
    };
    const Case cases[] = {
        {{"512", "1", "2", "-3", "4"}, true}, {{"512", "1", "NaN"}, false},
        {{"512", "Infinity", "0"}, false},    {{"512", "0", "-Infinity"}, false},
        {{"", "1E+200", "0"}, false},  // its square is beyond double
        {{"", "1E+150", "1E+150"}, true},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.lines[1] + " " + c.lines[2]);
        DataList list;
        for (const std::string& line : c.lines) list.Add(line);
        EXPECT_EQ(SpectrumInRange(list), c.inRange);
    }
}

}  // namespace
}  // namespace quorbel::testing
