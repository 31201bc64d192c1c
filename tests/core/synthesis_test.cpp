// The test functions and the sampling-window controls: sampleList contents, the f(t)
// drawing, the function kinds and the halving of the window.
#include <gtest/gtest.h>

#include <cmath>

#include "CaseName.h"
#include "ModelFixture.h"
#include "synthesis/SampleGraph.h"
#include "synthesis/WaveSynthesis.h"

namespace quorbel::testing {
namespace {

TEST(WaveSynthesis, SquareWaveIsPlusOneWhereTheSineIsZero) {
    DataList s = SquareSamples(1024, 1024, 10, 0);
    ASSERT_EQ(s.Count(), 1026);
    EXPECT_EQ(s.Line(1), "1");
    EXPECT_EQ(s.Line(1025), "1");
    int plus = 0;
    for (int k = 1; k <= 1024; ++k) {
        ASSERT_TRUE(s.Line(k) == "1" || s.Line(k) == "-1") << k;
        plus += s.Line(k) == "1";
    }
    EXPECT_NEAR(plus, 512, 12);
}

TEST(WaveSynthesis, TriangularWaveFollowsTheSinePhase) {
    DataList s = TriangularSamples(1024, 1024, 10, 0);
    EXPECT_EQ(s.Line(1), "0");
    // A quarter period is 25.6 samples at 10 cycles per second.
    EXPECT_NEAR(s.Value(1 + 26), 1, 0.02);
    EXPECT_NEAR(s.Value(1 + 13), 0.5078125, 1e-9);  // linear rise: 13 / 25.6
    EXPECT_NEAR(s.Value(1 + 77), -1, 0.02);         // three quarters: 76.8
    EXPECT_NEAR(s.Value(1 + 51), 0, 0.05);          // half period: 51.2
    EXPECT_NEAR(s.Value(1025), 1, 0.01);
    for (int k = 1; k <= 1024; ++k) ASSERT_LE(std::fabs(s.Value(k)), 1.0 + 1e-12) << k;

    DataList shifted = TriangularSamples(1024, 1024, 10, 1.5707963267949);
    EXPECT_NEAR(shifted.Value(1), 1, 1e-9);
    // Negative phases down to -7 pi/2 lie inside the segment search.
    DataList negative = TriangularSamples(1024, 1024, 10, -1.5707963267949);
    EXPECT_NEAR(negative.Value(1), -1, 1e-9);
}

TEST(WaveSynthesis, TriangularWaveStaysFastAtHighFrequencies) {
    // A segment search stepping through every half period would take minutes here.
    DataList s = TriangularSamples(1024, 1024, 1e9, 0);
    ASSERT_EQ(s.Count(), 1026);
    for (int k = 1; k <= 1024; ++k) ASSERT_LE(std::fabs(s.Value(k)), 1.0 + 1e-6) << k;
    // Phases and frequencies past double precision's whole numbers still end.
    EXPECT_EQ(TriangularSamples(1024, 1024, 10, 1e20).Count(), 1026);
    EXPECT_EQ(TriangularSamples(1024, 1024, 1e300, -1e300).Count(), 1026);
}

// The segment search exactly as the stepping loops run it: for j = -7, -5, ... while
// j <= X0, stop at the first segment that holds x; the start sign from j = -1 likewise.
DataList SteppedTriangular(int N, int M, double nu, double phi) {
    const double delta = (kPi * 2 * nu) / N;
    const double X0 = static_cast<float>(kPi * 2 * nu + phi);
    double q = -1;
    double J = -1;
    for (; J <= X0; J += 2) {
        if (phi - kPi * J / 2 < kPi) break;
        q = -q;
    }
    DataList list;
    list.AddNumber(N);
    double largest = 0;
    for (int k = 0; k < M; ++k) {
        const double x = delta * k + phi;
        double j = -7;
        for (; j <= X0; j += 2)
            if (x - kPi * j / 2 < kPi) break;
        if (j != J) {
            q = -q;
            J = j;
        }
        const double f = (x - kPi * j / 2) * (-2 * q / kPi) + q;
        if (std::fabs(f) > largest) largest = std::fabs(f);
        list.AddNumber(f);
    }
    for (int k = M; k < N; ++k) list.Add("0");
    list.AddNumber(largest);
    return list;
}

struct TriangularCase {
    double nu;
    double phi;
    int M;
};

void PrintTo(const TriangularCase& c, std::ostream* out) {
    *out << "nu " << c.nu << " phi " << c.phi << " M " << c.M;
}

class TriangularInsideTheSearch : public ::testing::TestWithParam<TriangularCase> {};

TEST_P(TriangularInsideTheSearch, SamplesAreThoseOfTheSteppedSearch) {
    const TriangularCase c = GetParam();
    EXPECT_EQ(TriangularSamples(1024, c.M, c.nu, c.phi), SteppedTriangular(1024, c.M, c.nu, c.phi));
}

INSTANTIATE_TEST_SUITE_P(
    OrdinaryPhases, TriangularInsideTheSearch,
    ::testing::Values(TriangularCase{10, 0, 1024}, TriangularCase{10, 1.5707963267949, 1024},
                      TriangularCase{10, -1.5707963267949, 1024}, TriangularCase{30, 2.5, 1024},
                      TriangularCase{3, -3, 1024}, TriangularCase{7.3, -10.9, 1024},
                      TriangularCase{100, 20, 512}, TriangularCase{0.5, 0.1, 2},
                      TriangularCase{511, 0.3, 1024}),
    PrintedName());

// The triangular wave in phase with the sine: 0 at 0, 1 at pi/2, -1 at 3 pi/2.
double Triangle(double x) {
    double t = std::fmod(x + kPi / 2, 2 * kPi);
    if (t < 0) t += 2 * kPi;
    return t < kPi ? -1 + 2 * t / kPi : 3 - 2 * t / kPi;
}

class TriangularOutsideTheSearch : public ::testing::TestWithParam<TriangularCase> {};

TEST_P(TriangularOutsideTheSearch, ReducedByWholePeriodsToTheSameWave) {
    const TriangularCase c = GetParam();
    const DataList s = TriangularSamples(1024, c.M, c.nu, c.phi);
    ASSERT_EQ(s.Count(), 1026);
    const double delta = (kPi * 2 * c.nu) / 1024;
    for (int k = 0; k < c.M; ++k) {
        ASSERT_LE(std::fabs(s.Value(k + 1)), 1.0) << k;
        ASSERT_NEAR(s.Value(k + 1), Triangle(delta * k + c.phi), 1e-9) << k;
    }
    EXPECT_LE(s.Value(1025), 1.0);
}

INSTANTIATE_TEST_SUITE_P(
    PhasesBelowAndNegativeFrequencies, TriangularOutsideTheSearch,
    ::testing::Values(TriangularCase{10, -20, 1024}, TriangularCase{10, -100, 1024},
                      TriangularCase{-10, 0, 1024}, TriangularCase{-10, 3, 1024},
                      TriangularCase{-3.3, -50, 512}, TriangularCase{200, -11.5, 1024},
                      TriangularCase{-200, 500, 1024}, TriangularCase{1, -1e6, 1024}),
    PrintedName());

TEST(WaveSynthesis, TriangularWaveStaysWithinItsPeaksForAnyPhaseAndFrequency) {
    for (double nu : {-1e12, -513.0, -10.0, 0.0, 10.0, 600.0, 1e9})
        for (double phi : {-1e15, -1e3, -20.0, -11.0, 0.0, 7.0, 1e15}) {
            SCOPED_TRACE(std::to_string(nu) + " " + std::to_string(phi));
            const DataList s = TriangularSamples(1024, 1024, nu, phi);
            for (int k = 1; k <= 1025; ++k) ASSERT_LE(std::fabs(s.Value(k)), 1.0) << k;
        }
}

TEST(WaveSynthesis, SineWaveAndZeroComplement) {
    DataList s = SineSamples(1024, 512, 10, 0);
    EXPECT_EQ(s.Line(1), "0");
    for (int k = 513; k <= 1024; ++k) ASSERT_EQ(s.Line(k), "0");
    EXPECT_NEAR(s.Value(1025), 1, 1e-3);
    // A zero sine: all samples 0, largest 0.
    DataList zero = SineSamples(1024, 1024, 0, 0);
    EXPECT_EQ(zero.Line(1025), "0");
}

TEST(WaveSynthesis, RowsWithZeroAmplitudeContributeNothing) {
    std::array<WaveRow, 10> one{};
    one[0] = {1, 3, 0.2};
    std::array<WaveRow, 10> withSilentRows = one;
    withSilentRows[4] = {0, 17, 1.3};
    withSilentRows[9] = {0, -2, 0.7};
    EXPECT_EQ(MultipleWaveSamples(1024, 1024, 30, one, true),
              MultipleWaveSamples(1024, 1024, 30, withSilentRows, true));
}

TEST(SampleGraph, ZeroFunctionIsDrawnOnTheMiddleLine) {
    RecordingSurface pic(kPicture2Width, kPicture2Height);
    DrawSampleGraph(pic, SineSamples(1024, 1024, 0, 0), false);
    for (const Primitive& p : pic.OfKind(Primitive::Kind::Line)) {
        if (p.color == colors::kDarkBlue) {
            ASSERT_DOUBLE_EQ(p.y2, kPicture2Height / 2);
        }
    }
}

TEST(SampleGraph, LargestValueReachesThreeQuartersOfTheHalfHeight) {
    RecordingSurface pic(kPicture2Width, kPicture2Height);
    DataList s = SquareSamples(1024, 1024, 10, 0);
    DrawSampleGraph(pic, s, true);
    auto points = pic.OfKind(Primitive::Kind::Point);
    ASSERT_EQ(points.size(), 1024u);
    EXPECT_DOUBLE_EQ(points[0].y1, kPicture2Height / 2 - kPicture2Height * 3 / 8);
    EXPECT_DOUBLE_EQ(points[1023].x1, kPicture2Width);
    EXPECT_EQ(points[1].color, colors::kDarkBlue);
}

using WindowControlsTest = ModelFixture;

TEST_F(WindowControlsTest, CosineTermsStartAtTheSumOfAmplitudes) {
    Loaded();
    Press("Option7");
    Press("Command1");
    EXPECT_EQ(State().sampleList.Line(1), "15");
    EXPECT_GE(State().sampleList.Value(1025), 15);
    EXPECT_EQ(View()["Label23"].caption, "θ");
    EXPECT_TRUE(View()["Image4"].visible);
    EXPECT_EQ(State().plotState(), "2");  // "Only f(t)" leaves the transform graph alone
}

TEST_F(WindowControlsTest, NonNumberFieldIsRefusedWithoutChangingTheState) {
    Loaded();
    const DataList before = State().sampleList;
    Model().SetField(Field::cyclesPerSecond, "3O");
    const int cls = picture1.ClsCount();
    Press("Command17");
    ASSERT_EQ(platform.messages.size(), 1u);
    EXPECT_NE(platform.messages[0].find("Number of cycles (per second)"), std::string::npos);
    EXPECT_NE(platform.messages[0].find("\"3O\""), std::string::npos);
    EXPECT_EQ(State().sampleList, before);
    EXPECT_EQ(State().plotState(), "1");
    EXPECT_EQ(picture1.ClsCount(), cls);

    Model().SetField(Field::cyclesPerSecond, "30");
    Model().SetField(Field::phasePhi, "", 2);
    Press("Command1");
    ASSERT_EQ(platform.messages.size(), 2u);
    EXPECT_NE(platform.messages[1].find("phase (row 3)"), std::string::npos);
}

TEST_F(WindowControlsTest, ZeroFunctionDrawsWithoutFailing) {
    Loaded();
    for (int i = 0; i < kTableRows; ++i) Model().SetField(Field::amplitudeA, "0", i);
    Press("Command17");
    EXPECT_EQ(State().sampleList.Line(1025), "0");
    EXPECT_EQ(State().graphValueList.Line(513), "0");  // scale maximum 0
    EXPECT_EQ(State().plotState(), "10");
    for (const Primitive& p : picture1.OfKind(Primitive::Kind::Line)) {
        if (p.color == colors::kDarkRed) {
            ASSERT_DOUBLE_EQ(p.y2, kPicture1Height * 2 / 3);
        }
    }
}

TEST_F(WindowControlsTest, HalvingTheWindowFillsZeros) {
    Loaded();
    Press("Command16");
    EXPECT_EQ(State().Get(Field::windowPoints), "512");
    EXPECT_EQ(State().Get(Field::dataExtensionSeconds), "0.5");
    const DataList& s = State().sampleList;
    ASSERT_EQ(s.Count(), 1026);
    for (int k = 513; k <= 1024; ++k) ASSERT_EQ(s.Line(k), "0") << k;
    double largest = 0;
    for (int k = 1; k <= 512; ++k) largest = std::max(largest, std::fabs(s.Value(k)));
    EXPECT_EQ(s.Value(1025), largest);
    EXPECT_EQ(State().sampleBackupList.Count(), 1026);
    EXPECT_EQ(State().plotState(), "10");
    // The zero complement broadens the peaks: more bins carry energy.
    EXPECT_GT(State().graphValueList.Value(1 + 301), 0);
}

TEST_F(WindowControlsTest, TenHalvingsReturnToTheFullWindow) {
    Loaded();
    const DataList full = State().sampleList;
    const char* expected[] = {"512", "256", "128", "64", "32", "16", "8", "4", "2", "1024"};
    for (const char* m : expected) {
        Press("Command16");
        EXPECT_EQ(State().Get(Field::windowPoints), m);
    }
    EXPECT_EQ(State().Get(Field::dataExtensionSeconds), State().Get(Field::windowSeconds));
    EXPECT_EQ(State().sampleList, full);
}

TEST_F(WindowControlsTest, CancelRestoresOnlyAHalvedWindow) {
    Loaded();
    int cls = picture1.ClsCount();
    Press("Command18");  // full window: nothing recomputed
    EXPECT_EQ(picture1.ClsCount(), cls);
    EXPECT_EQ(State().plotState(), "10");

    const DataList full = State().sampleList;
    Press("Command16");
    Press("Command16");
    Press("Command18");
    EXPECT_EQ(State().Get(Field::windowPoints), "1024");
    EXPECT_EQ(State().Get(Field::dataExtensionSeconds), "1");
    EXPECT_EQ(State().sampleList, full);
    EXPECT_EQ(State().plotState(), "10");
}

TEST_F(WindowControlsTest, SimpleWavesStartFromFixedValues) {
    WriteParams("512,7,1,1,0,2,2,0,3,3,0,0,4,0,1,5,0,0,6,0,2,7,0,2.5,8,0,0,9,0,3.5,10,0\r\n");
    Loaded();  // 512 points: the transform is refused with a message
    platform.messages.clear();
    Press("mnuSimpleWavesItem");
    EXPECT_EQ(State().Get(Field::totalPoints), "1024");
    EXPECT_EQ(State().Get(Field::cyclesPerSecond), "10");
    EXPECT_TRUE(View()["mnuSimpleWavesItem"].checked);
    EXPECT_FALSE(View()["mnuMultipleWavesItem"].checked);
    EXPECT_TRUE(View()["Option4"].checked);
    EXPECT_TRUE(View()["Frame6"].visible);
    EXPECT_FALSE(View()["Frame1"].visible);
    EXPECT_EQ(State().plotState(), "10");
    EXPECT_NEAR(State().graphValueList.Value(1 + 10), 512, 1e-3);  // sine at 10 Hz

    Press("Option5", Event::MouseDown);
    Press("Option5");
    EXPECT_EQ(State().sampleList.Line(1), "1");
    EXPECT_TRUE(View()["Image6"].visible);
    EXPECT_FALSE(View()["Image5"].visible);
    EXPECT_EQ(State().plotState(), "10");
}

TEST_F(WindowControlsTest, MultipleWavesReloadsPointsAndCyclesButKeepsTheTable) {
    Loaded();
    Model().SetField(Field::amplitudeA, "9", 0);
    Press("mnuSimpleWavesItem");
    Press("mnuMultipleWavesItem");
    EXPECT_EQ(State().Get(Field::cyclesPerSecond), "30");
    EXPECT_EQ(State().Get(Field::amplitudeA, 0), "9");
    EXPECT_TRUE(View()["Frame1"].visible);
    EXPECT_FALSE(View()["Frame6"].visible);
    EXPECT_EQ(State().dataSource, DataSource::Calculated);
    EXPECT_EQ(State().plotState(), "10");
    // Choosing it again still recomputes.
    const int cls = picture1.ClsCount();
    Press("mnuMultipleWavesItem");
    EXPECT_GT(picture1.ClsCount(), cls);
    // A vanished file leaves the fields as they are.
    std::filesystem::remove(path_);
    Press("mnuMultipleWavesItem");
    EXPECT_EQ(State().Get(Field::totalPoints), "1024");
}

TEST_F(WindowControlsTest, PointsStyleAppliesFromTheNextDrawing) {
    Loaded();
    const int cls = picture2.ClsCount();
    Press("mnuPointsItem");
    EXPECT_EQ(picture2.ClsCount(), cls);
    EXPECT_TRUE(View()["mnuPointsItem"].checked);
    EXPECT_FALSE(View()["mnuLineItem"].checked);
    Press("Command1");
    EXPECT_EQ(picture2.OfKind(Primitive::Kind::Point).size(), 1024u);
    Press("mnuLineItem");
    Press("Command1");
    EXPECT_EQ(picture2.OfKind(Primitive::Kind::Point).size(), 1u);
}

}  // namespace
}  // namespace quorbel::testing

namespace quorbel::testing {
namespace {

TEST_F(WindowControlsTest, HourglassShowsWhileBothRecomputes) {
    Loaded();
    std::vector<int> pointers;
    Model().onMousePointerChange = [&](int p) { pointers.push_back(p); };
    Press("Command17");
    EXPECT_EQ(pointers, (std::vector<int>{kPointerHourglass, kPointerDefault}));
}

}  // namespace
}  // namespace quorbel::testing
