// Start-up from the opening-parameters file, its fallback to the default record, the
// field-edit rule and the controls of the main window when it opens.
#include <gtest/gtest.h>

#include "CaseName.h"
#include "ModelFixture.h"
#include "state/NumberText.h"
#include "synthesis/WaveSynthesis.h"

namespace quorbel::testing {
namespace {

using StartupTest = ModelFixture;

TEST_F(StartupTest, FirstRunWritesDefaultRecordAndDrawsBothGraphs) {
    Loaded();
    EXPECT_EQ(ReadParams(), ParamFile::DefaultRecord());
    EXPECT_EQ(State().Get(Field::totalPoints), "1024");
    EXPECT_EQ(State().Get(Field::windowPoints), "1024");
    EXPECT_EQ(State().Get(Field::cyclesPerSecond), "30");
    const char* a[] = {"1", "2", "3", "0", "1", "0", "2", "2.5", "0", "3.5"};
    for (int i = 0; i < kTableRows; ++i) {
        EXPECT_EQ(State().Get(Field::amplitudeA, i), a[i]);
        EXPECT_EQ(State().Get(Field::multiplierB, i), std::to_string(i + 1));
        EXPECT_EQ(State().Get(Field::phasePhi, i), "0");
    }
    EXPECT_EQ(State().plotState(), "10");
    EXPECT_EQ(State().spectrumMode, Quantity::Rho);
    EXPECT_EQ(State().Get(Field::dataExtensionSeconds), "1");
    EXPECT_EQ(State().Get(Field::windowSeconds), "1");
    EXPECT_TRUE(platform.messages.empty());
    // Both graphs hold a trace: dark blue samples, dark red spectrum.
    EXPECT_FALSE(picture2.OfKind(Primitive::Kind::Line).empty());
    int red = 0;
    for (const Primitive& p : picture1.OfKind(Primitive::Kind::Line))
        if (p.color == colors::kDarkRed) ++red;
    EXPECT_EQ(red, 511);
}

TEST_F(StartupTest, DefaultSamplesAndSpectrum) {
    Loaded();
    const DataList& s = State().sampleList;
    ASSERT_EQ(s.Count(), 1026);
    EXPECT_EQ(s.Line(0), "1024");
    EXPECT_EQ(s.Line(1), "0");
    EXPECT_NEAR(s.Value(1025), 11.16, 0.01);
    // The real-data method: header 512, then 1024 values.
    EXPECT_EQ(State().spectrumList.Line(0), "512");
    EXPECT_EQ(State().spectrumList.Count(), 1025);
    // Row 10 (a = 3.5, b = 10) at 30 cycles is a sine at 300 Hz: Im H_300 = 3.5 * 512.
    EXPECT_NEAR(State().spectrumList.Value(2 * 300 + 2), 3.5 * 512, 1e-3);
    // The modulus graph: 512 values, the scale maximum, the offset "0".
    const DataList& g = State().graphValueList;
    ASSERT_EQ(g.Count(), 515);
    EXPECT_EQ(g.Line(0), "512");
    EXPECT_NEAR(g.Value(301), 3.5 * 512, 1e-3);
    EXPECT_NEAR(g.Value(513), 3.5 * 512, 1e-3);
    EXPECT_EQ(g.Line(514), "0");
    EXPECT_EQ(State().displayedValueList, g);
}

TEST_F(StartupTest, UnusableFilesAreReplacedByTheDefaultRecord) {
    const char* damaged[] = {
        "1024,30\r\n",  // only the two leading values
        "1024,30,1,1,0,2,2,0,3,3,0,0,4,0,1,5,0,0,6,0,2,7,0,2.5,8,0,0,9,0,3.5,10\r\n",  // 31
        "1024,30,1,x,0,2,2,0,3,3,0,0,4,0,1,5,0,0,6,0,2,7,0,2.5,8,0,0,9,0,3.5,10,0\r\n",
        "",
        "40000,30,1,1,0,2,2,0,3,3,0,0,4,0,1,5,0,0,6,0,2,7,0,2.5,8,0,0,9,0,3.5,10,0\r\n",
        "1024,30,1e400,1,0,2,2,0,3,3,0,0,4,0,1,5,0,0,6,0,2,7,0,2.5,8,0,0,9,0,3.5,10,0\r\n",
        // Finite samples whose transform overflows.
        "1024,30,1e307,1,0,2,2,0,3,3,0,0,4,0,1,5,0,0,6,0,2,7,0,2.5,8,0,0,9,0,3.5,10,0\r\n",
    };
    for (const char* content : damaged) {
        SCOPED_TRACE(content);
        WriteParams(content);
        platform.messages.clear();
        MainWindowModel model(platform, ParamFile(path_), GraphsAndReport());
        ASSERT_TRUE(model.Form_Load());
        EXPECT_EQ(ReadParams(), ParamFile::DefaultRecord());
        // The latest unusable file is kept beside it.
        std::ifstream bad(dir_ / "Zparamfile.wr.bad", std::ios::binary);
        EXPECT_EQ(std::string(std::istreambuf_iterator<char>(bad), {}), content);
        EXPECT_EQ(model.State().Get(Field::amplitudeA, 7), "2.5");
        EXPECT_EQ(model.State().plotState(), "10");
        EXPECT_TRUE(platform.messages.empty());
    }
}

TEST_F(StartupTest, ElevenLineFileLoadsAsWritten) {
    ParamRows rows;
    rows.cycles = 12.5;
    for (int i = 0; i < kWaveRows; ++i)
        rows.rows[static_cast<size_t>(i)] = {i * 0.5, i + 1.0, 0.25};
    ASSERT_TRUE(ParamFile(path_).WriteFromWindow(rows));
    Loaded();
    EXPECT_EQ(State().Get(Field::cyclesPerSecond), "12.5");
    EXPECT_EQ(State().Get(Field::amplitudeA, 3), "1.5");
    EXPECT_EQ(State().Get(Field::phasePhi, 9), "0.25");
    EXPECT_EQ(State().plotState(), "10");
}

TEST_F(StartupTest, OtherPointCountKeepsTheFileAndSaysWhyNothingWasTransformed) {
    const std::string content =
        "2048,30,1,1,0,2,2,0,3,3,0,0,4,0,1,5,0,0,6,0,2,7,0,2.5,8,0,0,9,0,3.5,10,0\r\n";
    WriteParams(content);
    Loaded();
    EXPECT_EQ(ReadParams(), content);
    EXPECT_EQ(State().sampleList.Count(), 2050);
    ASSERT_EQ(platform.messages.size(), 1u);
    EXPECT_NE(platform.messages[0].find("2048"), std::string::npos);
    EXPECT_EQ(State().plotState(), "2");  // the report stays refused
    EXPECT_TRUE(State().spectrumList.Empty());
}

TEST_F(StartupTest, FileThatCannotBeCreatedStopsWithAMessage) {
    // A regular file where the folder should be: nothing can be created below it.
    std::ofstream(dir_ / "blocker") << "x";
    MainWindowModel model(platform, ParamFile(dir_ / "blocker" / "Zparamfile.wr"),
                          GraphsAndReport());
    EXPECT_FALSE(model.Form_Load());
    ASSERT_EQ(platform.messages.size(), 1u);
    EXPECT_NE(platform.messages[0].find("cannot be created"), std::string::npos);
}

TEST_F(StartupTest, EditedFieldsInvalidateTheGraphs) {
    Loaded();
    auto expectEditSetsOne = [&](Field field, int row) {
        State().SetPlotState("10");
        Model().SetField(field, State().Get(field, row), row);  // same text: no edit
        EXPECT_EQ(State().plotState(), "10");
        Model().SetField(field, State().Get(field, row) + "1", row);
        EXPECT_EQ(State().plotState(), "1");
    };
    expectEditSetsOne(Field::amplitudeA, 4);
    expectEditSetsOne(Field::multiplierB, 0);
    expectEditSetsOne(Field::phasePhi, 9);
    expectEditSetsOne(Field::cyclesPerSecond, 0);
    expectEditSetsOne(Field::windowPoints, 0);
    expectEditSetsOne(Field::simplePhase, 0);
    // The locked fields written by the program do not count as edits.
    State().SetPlotState("10");
    Model().SetField(Field::totalPoints, "512");
    Model().SetField(Field::dataExtensionSeconds, "0.5");
    EXPECT_EQ(State().plotState(), "10");
    // Pressing an option of the function also invalidates.
    State().SetPlotState("10");
    Press("Option7", Event::MouseDown);
    EXPECT_EQ(State().plotState(), "1");
}

TEST_F(StartupTest, ControlsWhenTheWindowOpens) {
    EXPECT_EQ(State().plotState(), "29-Relat");
    EXPECT_EQ(State().PlotStateValue(), 29);
    Loaded();
    const ViewState& v = View();
    EXPECT_EQ(v.caption, "FFT Quorbel 1.0");
    EXPECT_TRUE(v["mnuRealftItem"].checked);
    EXPECT_FALSE(v["mnuImagzeroItem"].checked);
    EXPECT_FALSE(v["mnuImagcalcItem"].enabled);
    EXPECT_TRUE(v["mnuFreqPosItem"].checked);
    EXPECT_FALSE(v["mnuFreqNegItem"].enabled);
    EXPECT_TRUE(v["mnuMultipleWavesItem"].checked);
    EXPECT_TRUE(v["mnuLineItem"].checked);
    EXPECT_TRUE(v["mnuprstupItem"].enabled);
    EXPECT_TRUE(v["mnuExamplesItem"].enabled);  // the lessons
    EXPECT_TRUE(v["Option8"].checked);
    EXPECT_TRUE(v["Option6"].checked);
    EXPECT_TRUE(v["Frame1"].visible);
    EXPECT_FALSE(v["Frame6"].visible);
    EXPECT_FALSE(v["Picture6"].visible);
    EXPECT_TRUE(v["Picture1"].visible);
    EXPECT_TRUE(v["Text1"].locked);
    EXPECT_FALSE(v["Text2"].locked);
    EXPECT_EQ(v["Text2"].tooltip, "Type here the desired value");
    EXPECT_EQ(v["Text8"].tooltip, "Type the desired value");
    EXPECT_EQ(v["Command16"].tooltip,
              "Reduce to one half the number of points, and complement the window with zeros");
    EXPECT_EQ(v["Command9"].tooltip, "Try it!");
    EXPECT_EQ(State().expansionClickCount, 0);
}

TEST_F(StartupTest, ActivationRestoresTheFunctionKindOnce) {
    Loaded();
    Press("mnuSimpleWavesItem");
    State().returnMode = ReturnMode::MultipleWavesFrame;
    Model().SetField(Field::amplitudeA, "4", 0);
    Model().Form_Activate();
    EXPECT_TRUE(View()["mnuMultipleWavesItem"].checked);
    EXPECT_TRUE(View()["Frame1"].visible);
    EXPECT_FALSE(View()["Frame6"].visible);
    EXPECT_EQ(State().returnMode, ReturnMode::Nothing);
    EXPECT_EQ(State().plotState(), "10");
    // A second activation changes nothing.
    const int cls = picture1.ClsCount();
    Model().Form_Activate();
    EXPECT_EQ(picture1.ClsCount(), cls);
}

TEST_F(StartupTest, ExitAndWindowClick) {
    Loaded();
    Press("Form1");
    EXPECT_FALSE(View().Line("Line5").Visible);
    Press("mnuExitItem");
    EXPECT_TRUE(platform.quitRequested);
}

// The first pass of the start-up sequence, for each kind of opening-parameters file:
// used as written, unreadable, or refused with the message the refused value would
// show. Whatever the first pass met, the window opens without a message.
using Outcome = MainWindowModel::StartupResult::Outcome;
struct PassCase {
    const char* name;
    const char* content;  // nullptr: no file at all
    Outcome outcome;
    const char* refusal;  // the start of the kept refusal; "" when none
};
void PrintTo(const PassCase& c, std::ostream* out) {
    *out << c.name;
}

class StartupPassResult : public ModelFixture, public ::testing::WithParamInterface<PassCase> {};

TEST_P(StartupPassResult, FirstPassSaysHowTheFileWasTaken) {
    const PassCase& c = GetParam();
    if (c.content) WriteParams(c.content);
    Loaded();
    const MainWindowModel::StartupResult& pass = Model().FirstStartupPass();
    EXPECT_EQ(pass.outcome, c.outcome);
    EXPECT_EQ(pass.refusal.substr(0, std::string(c.refusal).size()), c.refusal) << pass.refusal;
    if (c.outcome != Outcome::refused) {
        EXPECT_TRUE(pass.refusal.empty());
    }
    // A refusal during start-up is never shown; the default record then replaces the file.
    for (const std::string& message : platform.messages) EXPECT_NE(message, pass.refusal);
    if (c.outcome != Outcome::used) {
        EXPECT_EQ(ReadParams(), ParamFile::DefaultRecord());
        EXPECT_TRUE(platform.messages.empty());
    }
}

constexpr const char* kRecordTail =
    ",1,0,2,2,0,3,3,0,0,4,0,1,5,0,0,6,0,2,7,0,2.5,8,0,0,9,0,3.5,10,0\r\n";
const std::string kDefaultWith1e307 = std::string("1024,30,1e307") + kRecordTail;
const std::string kNotANumber = std::string("1024,30,1,x") + (kRecordTail + 2);
const std::string kTooManyPoints = std::string("40000,30,1") + kRecordTail;
const std::string kBeyondNumbers = std::string("1024,30,1e400") + kRecordTail;
// Two rows of the same sine whose sum is beyond the range of numbers.
const std::string kSamplesOverflow =
    std::string("1024,30,1.7e308,1,0,1.7e308,1,0") + (kRecordTail + 10);
const std::string kOtherPoints = std::string("2048,30,1") + kRecordTail;

INSTANTIATE_TEST_SUITE_P(
    EveryKindOfFile, StartupPassResult,
    ::testing::Values(
        PassCase{"NoFile", nullptr, Outcome::unreadable, ""},
        PassCase{"Empty", "", Outcome::unreadable, ""},
        PassCase{"TwoValues", "1024,30\r\n", Outcome::unreadable, ""},
        PassCase{"DefaultRecord", ParamFile::DefaultRecord().c_str(), Outcome::used, ""},
        PassCase{"OtherPointCount", kOtherPoints.c_str(), Outcome::used, ""},
        PassCase{"NotANumber", kNotANumber.c_str(), Outcome::unreadable, ""},
        PassCase{"TooManyPoints", kTooManyPoints.c_str(), Outcome::unreadable, ""},
        PassCase{"BeyondNumbers", kBeyondNumbers.c_str(), Outcome::unreadable, ""},
        PassCase{"SamplesOverflow", kSamplesOverflow.c_str(), Outcome::refused, kValuesOutOfRange},
        PassCase{"TransformOverflows", kDefaultWith1e307.c_str(), Outcome::refused,
                 kValuesOutOfRange}),
    PrintedName());

}  // namespace
}  // namespace quorbel::testing
