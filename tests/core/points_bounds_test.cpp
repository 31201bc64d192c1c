// The number of points N is bounded to 1..32768 wherever it is read: the start-up,
// "Multiple waves", the halving and restoring of the window.
#include <gtest/gtest.h>

#include <string>

#include "CaseName.h"
#include "ModelFixture.h"

namespace quorbel::testing {
namespace {

std::string RecordWithPoints(const std::string& points) {
    return points + ",30,1,1,0,2,2,0,3,3,0,0,4,0,1,5,0,0,6,0,2,7,0,2.5,8,0,0,9,0,3.5,10,0\r\n";
}

class PointsOutOfBounds : public ModelFixture, public ::testing::WithParamInterface<const char*> {};

TEST_P(PointsOutOfBounds, ReadersRefuseThem) {
    WriteParams(RecordWithPoints(GetParam()));
    std::string error;
    EXPECT_FALSE(ParamFile(path_).ReadAll(&error).has_value());
    EXPECT_NE(error.find("between 1 and 32768"), std::string::npos) << error;
    EXPECT_FALSE(ParamFile(path_).ReadLeading().has_value());
}

TEST_P(PointsOutOfBounds, StartUpFallsBackSilently) {
    WriteParams(RecordWithPoints(GetParam()));
    Loaded();
    EXPECT_EQ(ReadParams(), ParamFile::DefaultRecord());
    EXPECT_EQ(State().Get(Field::totalPoints), "1024");
    EXPECT_TRUE(platform.messages.empty());
}

TEST_P(PointsOutOfBounds, MultipleWavesKeepsTheFieldsAndSaysWhy) {
    Loaded();
    Model().SetField(Field::cyclesPerSecond, "12");
    // The file is edited while the program runs.
    WriteParams(RecordWithPoints(GetParam()));
    Press("mnuMultipleWavesItem");
    ASSERT_EQ(platform.messages.size(), 1u);
    EXPECT_NE(platform.messages[0].find("between 1 and 32768"), std::string::npos);
    EXPECT_EQ(State().Get(Field::totalPoints), "1024");
    EXPECT_EQ(State().Get(Field::windowPoints), "1024");
    EXPECT_EQ(State().Get(Field::cyclesPerSecond), "12");
    EXPECT_EQ(State().plotState(), "10");  // recomputed from the fields it kept
    Press("Command16");
    EXPECT_EQ(State().Get(Field::windowPoints), "512");
    EXPECT_EQ(State().sampleList.Count(), 1026);
}

TEST_P(PointsOutOfBounds, HalvingAndCancelRefuseThemWithoutCopying) {
    Loaded();
    Press("Command16");
    platform.messages.clear();
    const DataList samples = State().sampleList;
    Model().SetField(Field::totalPoints, GetParam());
    Press("Command16");
    Press("Command18");
    ASSERT_EQ(platform.messages.size(), 2u);
    for (const std::string& message : platform.messages)
        EXPECT_NE(message.find("between 1 and 32768"), std::string::npos) << message;
    EXPECT_EQ(State().sampleList, samples);
    EXPECT_EQ(State().Get(Field::windowPoints), "512");
}

INSTANTIATE_TEST_SUITE_P(Values, PointsOutOfBounds,
                         ::testing::Values("0", "-1024", "0.5", "32769", "40000", "1e9",
                                           "2147483648", "1e300"),
                         PrintedName());

}  // namespace
}  // namespace quorbel::testing

namespace quorbel::testing {
namespace {

struct BeforeSimpleWaves {
    const char* points;  // N of the opening parameters
    const char* cycles;  // the cycles field when "Simple waves" is chosen
};

void PrintTo(const BeforeSimpleWaves& c, std::ostream* out) {
    *out << "N " << c.points << " cycles " << c.cycles;
}

class SimpleWavesFromAnyState : public ModelFixture,
                                public ::testing::WithParamInterface<BeforeSimpleWaves> {};

TEST_P(SimpleWavesFromAnyState, ComputeOnceWithTheirOwnWindowAndSayNothing) {
    WriteParams(RecordWithPoints(GetParam().points));
    Loaded();
    Model().SetField(Field::cyclesPerSecond, GetParam().cycles);
    platform.messages.clear();
    const int cls = picture1.ClsCount();
    Press("mnuSimpleWavesItem");
    EXPECT_TRUE(platform.messages.empty()) << platform.messages[0];
    EXPECT_TRUE(View()["Option4"].checked);
    EXPECT_TRUE(View()["Image5"].visible);
    EXPECT_EQ(State().plotState(), "10");
    EXPECT_EQ(picture1.ClsCount(), cls + 1);
    EXPECT_NEAR(State().graphValueList.Value(1 + 10), 512, 1e-3);
}

INSTANTIATE_TEST_SUITE_P(States, SimpleWavesFromAnyState,
                         ::testing::Values(BeforeSimpleWaves{"2048", "30"},
                                           BeforeSimpleWaves{"512", "30"},
                                           BeforeSimpleWaves{"1024", "abc"},
                                           BeforeSimpleWaves{"1024", "1e400"},
                                           BeforeSimpleWaves{"1024", "30"}),
                         PrintedName());

}  // namespace
}  // namespace quorbel::testing
