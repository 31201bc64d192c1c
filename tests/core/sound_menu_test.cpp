// The main window's "Sound" menu driven through its control table, with a recording
// sound output: what is played for each kind of function, the sound's length, the
// recovered function at the output's rate, the items without a sound output, and the
// WAV file "Save f(t) as sound..." writes.
#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <functional>
#include <string>

#include "CaseName.h"
#include "ModelFixture.h"
#include "RecordingSoundOutput.h"
#include "rawfile/SoundFile.h"
#include "sound/Sound.h"
#include "state/FileReplace.h"
#include "state/NumberText.h"
#include "windows/SoundMenu.h"

namespace quorbel {
namespace {

using testing::ModelFixture;
using testing::PrintedName;
using Kind = WaveFunction::Kind;

// The function the window holds, read from its fields as a student reads them.
WaveFunction TableFunction(const AnalysisState& state, Kind kind) {
    WaveFunction f{kind,
                   *ParseNumber(state.Get(Field::cyclesPerSecond)),
                   *ParseNumber(state.Get(Field::simplePhase)),
                   {}};
    for (int i = 0; i < kTableRows; ++i)
        f.rows[static_cast<size_t>(i)] = {*ParseNumber(state.Get(Field::amplitudeA, i)),
                                          *ParseNumber(state.Get(Field::multiplierB, i)),
                                          *ParseNumber(state.Get(Field::phasePhi, i))};
    return f;
}

// A click the control must answer.
void Click(MainWindowModel& m, const std::string& control) {
    EXPECT_TRUE(m.Fire(control, Event::Click)) << control << " cannot be reached";
}

class SoundMenuFixture : public ModelFixture {
  protected:
    SoundMenuFixture() { platform.audio = &output; }
    RecordingSoundOutput output;
};

struct PlayCase {
    std::string name;
    std::function<void(MainWindowModel&)> choose;  // the function, chosen as a user would
    Kind kind;
};
void PrintTo(const PlayCase& c, std::ostream* os) {
    *os << c.name;
}

class SoundMenuPlays : public SoundMenuFixture, public ::testing::WithParamInterface<PlayCase> {};

TEST_P(SoundMenuPlays, TheFunctionSynthesisedAgainAt44100Hz) {
    Loaded();
    GetParam().choose(Model());
    Press("mnuPlayFtItem");
    EXPECT_EQ(platform.messages, std::vector<std::string>{});
    ASSERT_EQ(output.played.size(), 1u);
    const Sound& played = output.played[0];
    EXPECT_EQ(played.rate, kSoundRate);
    std::string error;
    const std::optional<Sound> expected =
        FunctionSound(TableFunction(State(), GetParam().kind), kDefaultSoundSeconds, &error);
    ASSERT_TRUE(expected) << error;
    EXPECT_EQ(played.samples, expected->samples);
    EXPECT_EQ(played.samples.size(), 88200u);
}

INSTANTIATE_TEST_SUITE_P(Functions, SoundMenuPlays,
                         ::testing::Values(PlayCase{"multiple waves of the opening parameters",
                                                    [](MainWindowModel&) {}, Kind::MultipleSines},
                                           PlayCase{"multiple waves as cosines",
                                                    [](MainWindowModel& m) {
                                                        m.Fire("Option7", Event::MouseDown);
                                                        Click(m, "Option7");
                                                    },
                                                    Kind::MultipleCosines},
                                           PlayCase{"a table of two rows typed",
                                                    [](MainWindowModel& m) {
                                                        for (int i = 0; i < kTableRows; ++i)
                                                            m.SetField(Field::amplitudeA, "0", i);
                                                        m.SetField(Field::amplitudeA, "1", 0);
                                                        m.SetField(Field::multiplierB, "3", 0);
                                                        m.SetField(Field::amplitudeA, "0.5", 4);
                                                        m.SetField(Field::multiplierB, "7", 4);
                                                        m.SetField(Field::cyclesPerSecond, "110");
                                                    },
                                                    Kind::MultipleSines},
                                           PlayCase{"the simple sine wave",
                                                    [](MainWindowModel& m) {
                                                        Click(m, "mnuSimpleWavesItem");
                                                    },
                                                    Kind::Sine},
                                           PlayCase{"the square wave",
                                                    [](MainWindowModel& m) {
                                                        Click(m, "mnuSimpleWavesItem");
                                                        Click(m, "Option5");
                                                    },
                                                    Kind::Square},
                                           PlayCase{"the triangular wave at 200 cycles",
                                                    [](MainWindowModel& m) {
                                                        Click(m, "mnuSimpleWavesItem");
                                                        Click(m, "Option9");
                                                        m.SetField(Field::cyclesPerSecond, "200");
                                                    },
                                                    Kind::Triangular}),
                         PrintedName());

struct LengthCase {
    std::string item;
    double seconds;
};
void PrintTo(const LengthCase& c, std::ostream* os) {
    *os << c.item;
}

class SoundMenuLength : public SoundMenuFixture,
                        public ::testing::WithParamInterface<LengthCase> {};

TEST_P(SoundMenuLength, ChecksItsEntryAndSetsTheLength) {
    Loaded();
    EXPECT_TRUE(View()["mnuSoundLength2Item"].checked);
    Press(GetParam().item);
    for (const char* item : {"mnuSoundLength1Item", "mnuSoundLength2Item", "mnuSoundLength5Item"})
        EXPECT_EQ(View()[item].checked, item == GetParam().item) << item;
    Press("mnuPlayFtItem");
    ASSERT_EQ(output.played.size(), 1u);
    EXPECT_EQ(output.played[0].samples.size(),
              static_cast<size_t>(std::lround(GetParam().seconds * kSoundRate)));
}

INSTANTIATE_TEST_SUITE_P(Menu, SoundMenuLength,
                         ::testing::Values(LengthCase{"mnuSoundLength1Item", 1},
                                           LengthCase{"mnuSoundLength2Item", 2},
                                           LengthCase{"mnuSoundLength5Item", 5}),
                         PrintedName());

struct SecondsCase {
    double seconds;
    bool accepted;
};
void PrintTo(const SecondsCase& c, std::ostream* os) {
    *os << NumberText(c.seconds) << (c.accepted ? " accepted" : " refused");
}

class SoundLengthRange : public SoundMenuFixture,
                         public ::testing::WithParamInterface<SecondsCase> {};

TEST_P(SoundLengthRange, FromATenthOfASecondToAMinute) {
    Loaded();
    EXPECT_EQ(Model().SetSoundSeconds(GetParam().seconds), GetParam().accepted);
    EXPECT_EQ(Model().SoundSeconds(), GetParam().accepted ? GetParam().seconds : 2);
    EXPECT_EQ(View()["mnuSoundLength2Item"].checked, Model().SoundSeconds() == 2);
}

INSTANTIATE_TEST_SUITE_P(Seconds, SoundLengthRange,
                         ::testing::Values(SecondsCase{0.1, true}, SecondsCase{60, true},
                                           SecondsCase{2.5, true}, SecondsCase{0.09, false},
                                           SecondsCase{60.5, false}, SecondsCase{-1, false},
                                           SecondsCase{NAN, false}),
                         PrintedName());

TEST_F(SoundMenuFixture, RawDataPlaysTheTransferredSamplesAtTheFilesRate) {
    Loaded();
    std::vector<double> values;
    for (int k = 0; k < 1024; ++k) values.push_back(k % 16 < 8 ? 100 : -60);
    Model().TakeRawSamples(SampleList(values), "8000", "0.128", "tone.raw");
    Press("mnuPlayFtItem");
    ASSERT_EQ(output.played.size(), 1u);
    EXPECT_EQ(output.played[0].rate, 8000);
    std::string error;
    EXPECT_EQ(output.played[0].samples, AudibleSound(values, 8000, &error)->samples);
}

TEST_F(SoundMenuFixture, RecoveredFunctionAfterInverseAtTheOutputsRate) {
    Loaded();
    EXPECT_FALSE(View()["mnuPlayRecoveredItem"].enabled);
    EXPECT_EQ(View()["mnuPlayRecoveredItem"].tooltip, kRecoveredNotYet);
    EXPECT_FALSE(Model().Fire("mnuPlayRecoveredItem", Event::Click));
    Press("mnuInverse");
    EXPECT_TRUE(View()["mnuPlayRecoveredItem"].enabled);
    EXPECT_EQ(View()["mnuPlayRecoveredItem"].tooltip, "");
    Press("mnuPlayRecoveredItem");
    ASSERT_EQ(output.played.size(), 1u) << (platform.messages.empty() ? "" : platform.messages[0]);
    const Sound& played = output.played[0];
    // N samples over a one-second window, brought to the output's 48000 per second.
    EXPECT_EQ(played.rate, output.deviceRate);
    EXPECT_NEAR(static_cast<double>(played.samples.size()), 48000, 48);
    double largest = 0;
    for (const double s : played.samples) largest = std::max(largest, std::fabs(s));
    EXPECT_NEAR(largest, kSoundPeak, 1e-12);
}

struct OutputCase {
    std::string name;
    bool hasOutput;                          // the platform has a sound output at all
    std::optional<std::string> unavailable;  // what it says
};
void PrintTo(const OutputCase& c, std::ostream* os) {
    *os << c.name;
}

class SoundMenuWithoutOutput : public SoundMenuFixture,
                               public ::testing::WithParamInterface<OutputCase> {};

TEST_P(SoundMenuWithoutOutput, DisablesThePlayingItemsAndSaysWhy) {
    const OutputCase& c = GetParam();
    if (!c.hasOutput) platform.audio = nullptr;
    output.unavailable = c.unavailable;
    Loaded();
    const std::string why =
        kNoSoundPrefix + (c.unavailable ? *c.unavailable : "there is no sound output here.");
    for (const char* item : {"mnuPlayFtItem", "mnuPlayRecoveredItem"}) {
        EXPECT_FALSE(View()[item].enabled) << item;
        EXPECT_EQ(View()[item].tooltip, why) << item;
        EXPECT_FALSE(Model().Fire(item, Event::Click)) << item;
    }
    Press("mnuInverse");
    EXPECT_FALSE(View()["mnuPlayRecoveredItem"].enabled);
    // Writing the sound needs no output.
    EXPECT_TRUE(View()["mnuSaveSoundItem"].enabled);
    EXPECT_TRUE(output.played.empty());
    // Asked once, when the window loads, not at every handler.
    EXPECT_EQ(output.availabilityQuestions, c.hasOutput ? 1 : 0);
}

INSTANTIATE_TEST_SUITE_P(
    Outputs, SoundMenuWithoutOutput,
    ::testing::Values(OutputCase{"no sound output on the platform", false, std::nullopt},
                      OutputCase{"no server answers", true, "no sound server answers."},
                      OutputCase{"no output device", true,
                                 "the sound server has no output device."}),
    PrintedName());

TEST_F(SoundMenuFixture, AvailableOutputEnablesPlayingWithoutTooltip) {
    Loaded();
    EXPECT_TRUE(View()["mnuPlayFtItem"].enabled);
    EXPECT_EQ(View()["mnuPlayFtItem"].tooltip, "");
}

struct RefusalCase {
    std::string name;
    std::function<void(MainWindowModel&, RecordingSoundOutput&)> spoil;
    std::string item;
    std::string message;
};
void PrintTo(const RefusalCase& c, std::ostream* os) {
    *os << c.name;
}

class SoundMenuRefuses : public SoundMenuFixture,
                         public ::testing::WithParamInterface<RefusalCase> {};

TEST_P(SoundMenuRefuses, WithAMessageAndNothingPlayedOrWritten) {
    Loaded();
    GetParam().spoil(Model(), output);
    platform.saveAnswers.push_back((dir_ / "never.wav").string());
    Press(GetParam().item);
    EXPECT_EQ(platform.messages, std::vector<std::string>{GetParam().message});
    EXPECT_TRUE(output.played.empty());
    EXPECT_FALSE(std::filesystem::exists(dir_ / "never.wav"));
}

void SilentTable(MainWindowModel& m, RecordingSoundOutput&) {
    for (int i = 0; i < kTableRows; ++i) m.SetField(Field::amplitudeA, "0", i);
}

INSTANTIATE_TEST_SUITE_P(
    Functions, SoundMenuRefuses,
    ::testing::Values(
        RefusalCase{"all amplitudes zero when played", SilentTable, "mnuPlayFtItem",
                    kSilentFunction},
        RefusalCase{"all amplitudes zero when saved", SilentTable, "mnuSaveSoundItem",
                    kSilentFunction},
        RefusalCase{"a field that is not a number",
                    [](MainWindowModel& m, RecordingSoundOutput&) {
                        m.SetField(Field::cyclesPerSecond, "ten");
                    },
                    "mnuPlayFtItem",
                    "The field \"Number of cycles (per second)\" holds \"ten\", which is not a "
                    "number. Type a number, with a point (0.5) as the decimal mark, and calculate "
                    "again."},
        RefusalCase{"a silent recording",
                    [](MainWindowModel& m, RecordingSoundOutput&) {
                        m.TakeRawSamples(SampleList(std::vector<double>(64, 0.0)), "8000", "0.008",
                                         "silence.raw");
                    },
                    "mnuPlayFtItem", kSilentFunction},
        RefusalCase{"the output refuses to play",
                    [](MainWindowModel&, RecordingSoundOutput& output) {
                        output.playRefusal = "the device went away";
                    },
                    "mnuPlayFtItem", "The sound cannot be played: the device went away"}),
    PrintedName());

TEST_F(SoundMenuFixture, SaveWritesTheSameSoundAsASixteenBitWavFile) {
    Loaded();
    const auto path = dir_ / "f.wav";
    platform.saveAnswers.push_back(path.string());
    Press("mnuSoundLength1Item");
    Press("mnuSaveSoundItem");
    EXPECT_EQ(platform.saveFilters, std::vector<std::string>{kWavFilter});
    EXPECT_EQ(platform.messages, std::vector<std::string>{});
    std::string error;
    const std::optional<SoundRead> read = ReadSoundFile(path, ChannelChoice::first, &error);
    ASSERT_TRUE(read) << error;
    EXPECT_EQ(read->rate, kSoundRate);
    EXPECT_EQ(read->channels, 1);
    EXPECT_EQ(read->samples.length, 44100u);
    // Cancelled: nothing more is written, nothing said.
    Press("mnuSaveSoundItem");
    EXPECT_EQ(platform.messages, std::vector<std::string>{});
}

TEST_F(SoundMenuFixture, SaveIntoAFolderThatIsNotThereSaysSo) {
    Loaded();
    const std::string path = (dir_ / "missing" / "f.wav").string();
    platform.saveAnswers.push_back(path);
    Press("mnuSaveSoundItem");
    ASSERT_EQ(platform.messages.size(), 1u);
    EXPECT_EQ(platform.messages[0].rfind(CannotWriteMessage(path, "").substr(0, 20), 0), 0u)
        << platform.messages[0];
}

}  // namespace
}  // namespace quorbel
