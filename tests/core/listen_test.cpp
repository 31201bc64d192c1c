// The sound input in the windows: the ring of the live view and its last N samples,
// the strongest peak read out, the length of a recording, "Record" in the raw file
// window and "Listen" / "Stop listening" in the main window, all with a sound input
// of the tests' own.
#include <gtest/gtest.h>

#include <numeric>

#include "CaseName.h"
#include "FakeSoundInput.h"
#include "RawWindowFixture.h"
#include "RecordingSoundOutput.h"
#include "fourier/InverseComparison.h"
#include "fourier/TransformDriver.h"
#include "sound/LivePeak.h"
#include "sound/Recording.h"
#include "sound/SampleRing.h"
#include "windows/ControlTable.h"

namespace quorbel::testing {
namespace {

// --- the ring and its last N samples

struct RingCase {
    std::string name;
    size_t capacity;
    std::vector<size_t> chunks;  // pushed in turn, counting on from 1
    size_t n;
    std::vector<double> last;
};
void PrintTo(const RingCase& c, std::ostream* out) {
    *out << c.name;
}

class SampleRingCases : public ::testing::TestWithParam<RingCase> {};

TEST_P(SampleRingCases, KeepsTheLatestSamplesInOrder) {
    const RingCase& c = GetParam();
    SampleRing ring(c.capacity);
    double next = 1;
    size_t pushed = 0;
    for (size_t chunk : c.chunks) {
        std::vector<double> samples(chunk);
        for (double& x : samples) x = next++;
        ring.Push(samples);
        pushed += chunk;
    }
    EXPECT_EQ(ring.Last(c.n), c.last);
    EXPECT_EQ(ring.Size(), std::min(pushed, c.capacity));
    EXPECT_EQ(ring.Total(), pushed);
}

INSTANTIATE_TEST_SUITE_P(
    SampleRing, SampleRingCases,
    ::testing::Values(RingCase{"empty", 4, {}, 3, {}},
                      RingCase{"fewer held than asked", 8, {3}, 5, {1, 2, 3}},
                      RingCase{"exactly full", 4, {4}, 4, {1, 2, 3, 4}},
                      RingCase{"wrapped once", 4, {3, 3}, 4, {3, 4, 5, 6}},
                      RingCase{"last two across the seam", 4, {3, 2}, 2, {4, 5}},
                      RingCase{"chunk longer than the ring", 3, {2, 7}, 3, {7, 8, 9}},
                      RingCase{"many small chunks", 5, {1, 1, 1, 1, 1, 1, 1}, 5, {3, 4, 5, 6, 7}},
                      RingCase{"none asked", 4, {6}, 0, {}}),
    PrintedName());

TEST(SampleRing, ClearForgetsEverything) {
    SampleRing ring(4);
    ring.Push({1.0, 2.0, 3.0});
    ring.Clear();
    ring.Push({9.0});
    EXPECT_EQ(ring.Last(4), std::vector<double>{9.0});
    EXPECT_EQ(ring.Total(), 1u);
}

class LiveLengthCases : public ::testing::TestWithParam<std::pair<int, bool>> {};

TEST_P(LiveLengthCases, PowersOfTwoFrom1024To16384) {
    EXPECT_EQ(IsLiveLength(GetParam().first), GetParam().second);
}

INSTANTIATE_TEST_SUITE_P(SampleRing, LiveLengthCases,
                         ::testing::Values(std::pair{512, false}, std::pair{1024, true},
                                           std::pair{3000, false}, std::pair{8192, true},
                                           std::pair{16384, true}, std::pair{32768, false},
                                           std::pair{0, false}, std::pair{-1024, false}),
                         PrintedName());

// --- the strongest peak

struct PeakCase {
    std::string name;
    std::vector<double> magnitudes;
    double binHz;
    std::optional<double> hertz;
};
void PrintTo(const PeakCase& c, std::ostream* out) {
    *out << c.name;
}

class StrongestPeakCases : public ::testing::TestWithParam<PeakCase> {};

TEST_P(StrongestPeakCases, LiesOnTheParabolaThroughTheLargestBin) {
    const PeakCase& c = GetParam();
    const std::optional<double> hertz = StrongestPeakHertz(c.magnitudes, c.binHz);
    ASSERT_EQ(hertz.has_value(), c.hertz.has_value());
    if (hertz) {
        EXPECT_NEAR(*hertz, *c.hertz, 1e-9);
    }
}

INSTANTIATE_TEST_SUITE_P(
    LivePeak, StrongestPeakCases,
    ::testing::Values(PeakCase{"symmetric neighbours", {0, 1, 4, 1, 0}, 10, 20},
                      PeakCase{
                          "a quarter bin up", {0, 0, 3, 4, 3.5, 0}, 2, 6 + 2 * 0.5 * -0.5 / -1.5},
                      PeakCase{"the mean level is no peak", {100, 1, 2, 1}, 5, 10},
                      PeakCase{"largest at the last bin", {0, 1, 2, 5}, 1, 3},
                      PeakCase{"silence", {0, 0, 0, 0}, 1, std::nullopt},
                      PeakCase{"no bin width", {0, 1, 4, 1}, 0, std::nullopt},
                      PeakCase{"a single bin", {7}, 1, std::nullopt}),
    PrintedName());

TEST(LivePeak, TextNamesTheNoteAndCents) {
    EXPECT_EQ(StrongestPeakText(440.04), "Strongest peak: 440 Hz  A4 +0 c");
    EXPECT_EQ(StrongestPeakText(261.63), "Strongest peak: 261.6 Hz  C4 +0 c");
    EXPECT_EQ(StrongestPeakText(std::nullopt), "Strongest peak: none (silence)");
}

// --- the length of a recording

struct FramesCase {
    std::string seconds;
    int rate;
    std::optional<int> frames;
};
void PrintTo(const FramesCase& c, std::ostream* out) {
    *out << c.seconds << " s at " << c.rate;
}

class RecordingFramesCases : public ::testing::TestWithParam<FramesCase> {};

TEST_P(RecordingFramesCases, FromATransferToTheWindowsLimit) {
    const FramesCase& c = GetParam();
    std::string error;
    EXPECT_EQ(RecordingFrames(c.seconds, c.rate, &error), c.frames);
    if (!c.frames) {
        EXPECT_NE(error.find("seconds from"), std::string::npos) << error;
    }
}

INSTANTIATE_TEST_SUITE_P(
    Recording, RecordingFramesCases,
    ::testing::Values(FramesCase{"0.5", 44100, 22050}, FramesCase{"0.77", 44100, 33957},
                      FramesCase{"0.771", 44100, std::nullopt}, FramesCase{"1", 22050, 22050},
                      FramesCase{"0.02", 44100, std::nullopt}, FramesCase{"0.024", 44100, 1058},
                      FramesCase{" 0.7 ", 48000, 33600}, FramesCase{"half", 44100, std::nullopt},
                      FramesCase{"-1", 44100, std::nullopt}),
    PrintedName());

TEST(Recording, PlottedAsASoundFileOfTheSameSamples) {
    const std::vector<double> samples = RecordedSamples({0.5, -1, 2, -0.25});
    EXPECT_EQ(samples, (std::vector<double>{64, -128, 128, -32}));
    const RawRead read = RecordedRead(samples);
    EXPECT_EQ(read.n, 4);
    EXPECT_EQ(read.length, 4u);
    EXPECT_EQ(read.data, (std::vector<double>{64, -128, 128, -32, 0}));
    std::vector<double> many(kMaxRawSamples + 5, 1.0);
    const RawRead cut = RecordedRead(many);
    EXPECT_EQ(cut.n, kMaxRawSamples);
    EXPECT_EQ(cut.length, many.size());
    EXPECT_EQ(cut.data.size(), static_cast<size_t>(kMaxRawSamples) + 1);
}

// --- the windows with a sound input

class SoundWindowTest : public RawWindowFixture {
  protected:
    SoundWindowTest() { platform.input = &input; }
    FakeSoundInput input;
};

// "Record" and the transfer of its selection give the report and the inverse the
// very samples recorded.
struct RecordCase {
    std::string seconds;
    int rate;
    int first, last;  // the drag
    int transferred;
};
void PrintTo(const RecordCase& c, std::ostream* out) {
    *out << c.seconds << " s at " << c.rate << " from " << c.first << " to " << c.last;
}

class RecordCases : public SoundWindowTest, public ::testing::WithParamInterface<RecordCase> {};

TEST_P(RecordCases, TransferGivesTheRecordedSamples) {
    const RecordCase& c = GetParam();
    input.rate = c.rate;
    input.sound = Tones({{440, 0.5}, {1000, 0.25}}, c.rate, 40000);
    Loaded();
    Press("mnuFilesrawItem");
    ASSERT_TRUE(Raw().Type("Text2", c.seconds));
    ASSERT_TRUE(Raw().Fire("Command2", Event::Click));
    ASSERT_TRUE(platform.messages.empty()) << platform.messages.front();
    const int frames = input.requestedFrames;
    EXPECT_EQ(Shown("Label2"), "(recording)");
    EXPECT_EQ(Shown("Label7"), std::to_string(frames));
    EXPECT_EQ(Shown("Label18"), std::to_string(frames));
    EXPECT_EQ(Raw().FrequencyText(), std::to_string(c.rate));
    Drag(c.first, c.last);
    EXPECT_EQ(Shown("Label16"), std::to_string(c.transferred));
    ASSERT_TRUE(Transfer());
    const std::vector<double> recorded = RecordedSamples(input.sound);
    const DataList expected = SampleList(std::vector<double>(
        recorded.begin() + c.first, recorded.begin() + c.first + c.transferred));
    EXPECT_EQ(State().sampleList, expected);
    EXPECT_EQ(State().spectrumList, RealSpectrumList(expected, c.transferred / 2));
    EXPECT_EQ(State().rawFileName, "(recording)");
    ASSERT_TRUE(Model().Fire("mnuReport", Event::Click));
    ASSERT_TRUE(Model().Fire("mnuInverse", Event::Click));
    const InverseComparison r =
        CompareInverse(State().sampleList, State().inverseList, c.transferred);
    ASSERT_EQ(r.orig.size(), static_cast<size_t>(c.transferred));
    EXPECT_DOUBLE_EQ(r.orig[0], expected.Value(1));
    EXPECT_LT(r.maxError, 1e-4 * r.maxOrig);
    EXPECT_TRUE(platform.messages.empty());
}

INSTANTIATE_TEST_SUITE_P(RawFileWindow, RecordCases,
                         ::testing::Values(RecordCase{"0.5", 44100, 0, 22050, 16384},
                                           RecordCase{"0.1", 22050, 100, 1300, 1024},
                                           RecordCase{"0.7", 48000, 5000, 9200, 4096}),
                         PrintedName());

// Without an input, or with one that cannot record, nothing is recorded or heard.
struct RefusalCase {
    std::string name;
    bool hasInput;
    std::optional<std::string> unavailable;
    std::string message;  // part of the tooltip and the message
};
void PrintTo(const RefusalCase& c, std::ostream* out) {
    *out << c.name;
}

class RefusalCases : public SoundWindowTest, public ::testing::WithParamInterface<RefusalCase> {};

TEST_P(RefusalCases, ListenAndRecordDisabledWithTheReason) {
    const RefusalCase& c = GetParam();
    if (!c.hasInput) platform.input = nullptr;
    input.unavailable = c.unavailable;
    Loaded();
    const ControlState& listen = View()["mnuListenItem"];
    EXPECT_FALSE(listen.enabled);
    EXPECT_NE(listen.tooltip.find(c.message), std::string::npos) << listen.tooltip;
    EXPECT_FALSE(Model().Fire("mnuListenItem", Event::Click));
    EXPECT_FALSE(Model().Fire("mnuStopListenItem", Event::Click));
    Press("mnuFilesrawItem");
    EXPECT_FALSE(C("Command2").enabled);
    EXPECT_NE(C("Command2").tooltip.find(c.message), std::string::npos);
    EXPECT_FALSE(Raw().Fire("Command2", Event::Click));
    EXPECT_EQ(input.recordings, 0);
    EXPECT_FALSE(input.Running());
}

INSTANTIATE_TEST_SUITE_P(
    SoundInput, RefusalCases,
    ::testing::Values(RefusalCase{"no input here", false, std::nullopt, "no sound input"},
                      RefusalCase{"no server", true, "No sound server can be reached.",
                                  "No sound server"}),
    PrintedName());

// A length out of range, or an input that fails, is said; the plotted file stays.
struct RecordRefusal {
    std::string name;
    std::string seconds;
    std::optional<std::string> failure;
    std::string message;
};
void PrintTo(const RecordRefusal& c, std::ostream* out) {
    *out << c.name;
}

class RecordRefusals : public SoundWindowTest,
                       public ::testing::WithParamInterface<RecordRefusal> {};

TEST_P(RecordRefusals, SaidAndNothingChanges) {
    const RecordRefusal& c = GetParam();
    input.failure = c.failure;
    Loaded();
    Press("mnuFilesrawItem");
    Raw().Type("Text2", c.seconds);
    ASSERT_TRUE(Raw().Fire("Command2", Event::Click));
    ASSERT_EQ(platform.messages.size(), 1u);
    EXPECT_NE(platform.messages[0].find(c.message), std::string::npos) << platform.messages[0];
    EXPECT_EQ(Shown("Label2"), "");
    EXPECT_FALSE(C("Picture2").visible);
}

INSTANTIATE_TEST_SUITE_P(
    RawFileWindow, RecordRefusals,
    ::testing::Values(RecordRefusal{"too long", "2", std::nullopt, "from 0.024 to 0.77"},
                      RecordRefusal{"not a number", "x", std::nullopt, "seconds from"},
                      RecordRefusal{"device fails", "0.5", "the device stopped",
                                    "Nothing was recorded: the device stopped"}),
    PrintedName());

// "Listen" draws frames as the sound comes, on the graph shown, with the strongest
// peak's note; "Stop listening" transfers the frame on screen.
struct ListenCase {
    std::string name;
    int lengthIndex;  // "Samples analysed": 1024 << index
    int rate;
    double tone;
    bool musical;
    std::string note;
};
void PrintTo(const ListenCase& c, std::ostream* out) {
    *out << c.name;
}

class ListenCases : public SoundWindowTest, public ::testing::WithParamInterface<ListenCase> {};

TEST_P(ListenCases, FramesFollowTheSoundAndStopKeepsTheLast) {
    const ListenCase& c = GetParam();
    input.rate = c.rate;
    Loaded();
    Press(Indexed("mnuLiveLengthItem", c.lengthIndex));
    const int N = Model().LiveLength();
    EXPECT_EQ(N, 1024 << c.lengthIndex);
    int frames = 0;
    Model().onLiveFrame = [&frames] { ++frames; };
    Press("mnuListenItem");
    EXPECT_TRUE(Model().Listening());
    EXPECT_FALSE(View()["mnuListenItem"].enabled);
    EXPECT_TRUE(View()["mnuStopListenItem"].enabled);
    // Too little sound for a frame: nothing drawn yet.
    input.Feed(Tones({{c.tone, 0.6}}, c.rate, N - 1));
    EXPECT_EQ(frames, 0);
    // One second more: a frame every 1/25 s of sound.
    const std::vector<double> second = Tones({{c.tone, 0.6}}, c.rate, c.rate, N - 1);
    input.Feed(second);
    EXPECT_GE(frames, 24);
    EXPECT_LE(frames, 26);
    EXPECT_EQ(Model().Source(), DataSource::RawFile);
    EXPECT_EQ(State().Get(Field::totalPoints), std::to_string(N));
    if (c.musical) Press("Command3");  // "Log": the musical graph over the keyboard
    input.Feed(Tones({{c.tone, 0.6}}, c.rate, c.rate / 10, N - 1 + c.rate));
    EXPECT_NE(View()["Label30"].caption.find(c.note), std::string::npos)
        << View()["Label30"].caption;
    EXPECT_EQ(Model().MusicalScaleShown(), c.musical);
    const DataList onScreen = State().sampleList;
    const DataList spectrumOnScreen = State().spectrumList;
    Press("mnuStopListenItem");
    EXPECT_FALSE(Model().Listening());
    EXPECT_FALSE(input.Running());
    EXPECT_TRUE(View()["mnuListenItem"].enabled);
    // The frozen frame, transferred as raw data: what the report and inverse use.
    EXPECT_EQ(State().sampleList, onScreen);
    EXPECT_EQ(State().spectrumList, spectrumOnScreen);
    EXPECT_EQ(State().rawFileName, "(recording)");
    EXPECT_EQ(Shown("Label2"), "(recording)");
    EXPECT_EQ(Raw().FrequencyText(), std::to_string(c.rate));
    // Sound after the stop changes nothing.
    input.Feed(Tones({{c.tone * 2, 0.6}}, c.rate, c.rate));
    EXPECT_EQ(State().sampleList, onScreen);
    ASSERT_TRUE(Model().Fire("mnuReport", Event::Click));
    EXPECT_TRUE(platform.messages.empty()) << platform.messages.front();
    // The read-out names the frozen frame's peak until the window leaves that sound.
    EXPECT_TRUE(View()["Label30"].visible);
    Press("mnuMultipleWavesItem");
    EXPECT_FALSE(View()["Label30"].visible);
    EXPECT_EQ(View()["Label30"].caption, "");
}

INSTANTIATE_TEST_SUITE_P(
    MainWindow, ListenCases,
    ::testing::Values(ListenCase{"A4 on the FFT graph", 3, 44100, 440, false, "A4"},
                      ListenCase{"C5 on the musical graph", 3, 44100, 523.25, true, "C5"},
                      ListenCase{"E4 with 1024 samples", 0, 22050, 329.63, false, "E4"},
                      ListenCase{"A3 with 16384 samples at 48000", 4, 48000, 220, true, "A3"}),
    PrintedName());

TEST_F(SoundWindowTest, StopBeforeAFrameKeepsNothing) {
    Loaded();
    Press("mnuListenItem");
    input.Feed(Tones({{440, 0.5}}, input.rate, 1000));
    Press("mnuStopListenItem");
    ASSERT_EQ(platform.messages.size(), 1u);
    EXPECT_NE(platform.messages[0].find("Too little sound"), std::string::npos);
    EXPECT_EQ(Model().Source(), DataSource::Calculated);
    EXPECT_EQ(input.stops, 1);
}

// An input or output that stops by itself (its server stopped answering) is said in
// the window; the live view ends and its items are usable again.
TEST_F(SoundWindowTest, SoundThatStopsByItselfIsSaid) {
    RecordingSoundOutput output;
    platform.audio = &output;
    Loaded();
    int shown = 0;
    Model().onLiveFrame = [&shown] { ++shown; };
    Press("mnuListenItem");
    input.Feed(Tones({{440, 0.5}}, input.rate, 9000));
    ASSERT_TRUE(View()["Label30"].visible);
    platform.messages.clear();
    ASSERT_TRUE(input.onStopped);
    input.Stop();
    const int before = shown;
    input.onStopped("the server went.");
    EXPECT_FALSE(Model().Listening());
    EXPECT_TRUE(View()["mnuListenItem"].enabled);
    EXPECT_FALSE(View()["mnuStopListenItem"].enabled);
    EXPECT_FALSE(View()["Label30"].visible);
    EXPECT_EQ(platform.messages, std::vector<std::string>{"Listening stopped: the server went."});
    EXPECT_EQ(shown, before + 1);
    // Told again once it stopped: nothing more.
    input.onStopped("again.");
    EXPECT_EQ(platform.messages.size(), 1u);

    Press("mnuPlayFtItem");
    ASSERT_EQ(output.played.size(), 1u);
    ASSERT_TRUE(output.onCut);
    output.onCut("the server went.");
    EXPECT_EQ(platform.messages.back(), "The sound stopped before its end: the server went.");
}

TEST_F(SoundWindowTest, ClosingTheWindowStopsTheInput) {
    Loaded();
    Press("mnuListenItem");
    ASSERT_TRUE(input.Running());
    ASSERT_TRUE(Model().Fire(kWindowControl, Event::Unload));
    EXPECT_FALSE(input.Running());
    EXPECT_FALSE(Model().Listening());
}

}  // namespace
}  // namespace quorbel::testing
