// Listening through the tests' own sound server: a two-tone sound played into the
// output with paplay is heard on the default input by the command-line companion's
// --listen, recorded into the raw file window and transferred, and the report finds
// both tones, the stronger with the larger amplitude. With no server reachable,
// --listen and the window refuse at once.
#include <gtest/gtest.h>

#include <chrono>
#include <cstdint>
#include <fstream>
#include <numbers>
#include <sstream>

#include "CaseName.h"
#include "CompanionRun.h"
#include "RecordingPlatform.h"
#include "SoundServer.h"
#include "audio/QtSoundInput.h"
#include "windows/MainWindowModel.h"

namespace quorbel::testing {
namespace {

constexpr int kRate = 44100;

// Writes `seconds` of the two tones as bare 16-bit mono samples at kRate.
void WriteTwoTones(const std::string& file, double f1, double a1, double f2, double a2,
                   double seconds) {
    std::ofstream out(file, std::ios::binary);
    for (int i = 0; i < static_cast<int>(seconds * kRate); ++i) {
        const double t = static_cast<double>(i) / kRate;
        const double v = a1 * std::sin(2 * std::numbers::pi * f1 * t) +
                         a2 * std::sin(2 * std::numbers::pi * f2 * t);
        const auto sample = static_cast<int16_t>(std::lround(v * 32767));
        out.put(static_cast<char>(sample & 0xff)).put(static_cast<char>((sample >> 8) & 0xff));
    }
}

// The rows of the report's table: a frequency in hertz, then the relative amplitude.
std::vector<std::pair<double, double>> ReportRows(const std::string& report) {
    std::vector<std::pair<double, double>> rows;
    bool inTable = false;
    for (const std::string& line : LinesOf(report)) {
        if (line.find("Hz") != std::string::npos) inTable = true;
        if (!inTable) continue;
        std::istringstream words(line);
        double frequency = 0, amplitude = 0;
        if (words >> frequency >> amplitude) rows.emplace_back(frequency, amplitude);
    }
    return rows;
}

struct TwoTones {
    std::string name;
    double f1, a1, f2, a2;  // hertz, of full scale
};
void PrintTo(const TwoTones& c, std::ostream* os) {
    *os << c.name;
}

class ListenToTheServer : public ::testing::TestWithParam<TwoTones> {};

TEST_P(ListenToTheServer, ReportFindsBothTonesTheStrongerFirst) {
    ASSERT_TRUE(SoundServerAddress())
        << "PULSE_SERVER is not set: run the sound tests through ctest";
    const TwoTones& c = GetParam();
    const SoundFolder folder;
    ASSERT_FALSE(folder.path.empty());
    const std::string file = (folder.path / "two-tones.raw").string();
    WriteTwoTones(file, c.f1, c.a1, c.f2, c.a2, 3);
    SinkPlayback playback(file, kRate);
    // The sound is under way before the recording starts.
    std::this_thread::sleep_for(std::chrono::milliseconds(400));
    const CompanionRun run = RunCompanion({"--listen", "1", "report"});
    EXPECT_EQ(playback.Wait(), 0);
    ASSERT_EQ(run.status, 0) << run.err;
    const auto rows = ReportRows(run.out);
    auto amplitudeAt = [&rows](double f) -> std::optional<double> {
        // A bin of 16384 samples at 44100 Hz is 2.7 Hz wide.
        for (const auto& [frequency, amplitude] : rows)
            if (std::abs(frequency - f) <= 3) return amplitude;
        return std::nullopt;
    };
    const std::optional<double> first = amplitudeAt(c.f1), second = amplitudeAt(c.f2);
    ASSERT_TRUE(first) << c.f1 << " Hz missing from\n" << run.out;
    ASSERT_TRUE(second) << c.f2 << " Hz missing from\n" << run.out;
    EXPECT_EQ(*first > *second, c.a1 > c.a2) << run.out;
}

INSTANTIATE_TEST_SUITE_P(PlayedWithPaplay, ListenToTheServer,
                         ::testing::Values(TwoTones{"A4 and E5 at half", 440, 0.5, 659.26, 0.25},
                                           TwoTones{"C4 under a stronger 1000 Hz", 261.63, 0.2,
                                                    1000, 0.4}),
                         PrintedName());

// With no server reachable the companion and the windows refuse at once.
struct Refusal {
    std::string name;
    std::vector<std::string> arguments;
};
void PrintTo(const Refusal& c, std::ostream* os) {
    *os << c.name;
}

class NoSoundServerListen : public ::testing::TestWithParam<Refusal> {};

TEST_P(NoSoundServerListen, CompanionSaysSoAndExits1Quickly) {
    const auto start = std::chrono::steady_clock::now();
    const CompanionRun run = RunCompanion(GetParam().arguments);
    const double seconds =
        std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
    EXPECT_EQ(run.status, 1);
    EXPECT_NE(run.err.find("No sound input can be used"), std::string::npos) << run.err;
    EXPECT_TRUE(run.out.empty()) << run.out;
    EXPECT_LT(seconds, 5);
}

INSTANTIATE_TEST_SUITE_P(
    Unreachable, NoSoundServerListen,
    ::testing::Values(Refusal{"report", {"--listen", "1", "report"}},
                      Refusal{"selection", {"--listen", "0.5", "--select", "0,2000", "spectrum"}}),
    PrintedName());

TEST(NoSoundServerWindow, ListenAndRecordDisabledWithTheReason) {
    QtSoundInput input;
    RecordingPlatform platform;
    platform.input = &input;
    const SoundFolder folder;
    RecordingSurface p1(kPicture1Width, kPicture1Height), p2(kPicture2Width, kPicture2Height),
        p8(kHalfGraphWidth, kHalfGraphHeight), p9(kHalfGraphWidth, kHalfGraphHeight),
        form5(kReportWidth, kReportHeight);
    MainWindowModel window(platform, ParamFile(folder.path / "Zparamfile.wr"),
                           MainWindowSurfaces{p1, p2, p8, p9, form5});
    ASSERT_TRUE(window.Form_Load());
    for (const ControlState* item :
         {&window.View()["mnuListenItem"], &window.RawFile().View()["Command2"]}) {
        EXPECT_FALSE(item->enabled);
        EXPECT_NE(item->tooltip.find("No sound input can be used"), std::string::npos);
    }
    EXPECT_FALSE(window.Fire("mnuListenItem", Event::Click));
    EXPECT_FALSE(window.Listening());
}

}  // namespace
}  // namespace quorbel::testing
