// "Play f(t)" heard on the tests' sound server: the command-line companion's play
// recorded from the output's monitor, with the function's tones found in the
// proportions of its wave table; the window's Sound menu with the server and
// without one; and the refusals, quick, when no server answers.
#include <gtest/gtest.h>
#include <sys/socket.h>
#include <sys/un.h>

#include <QAction>
#include <QMenu>
#include <QTest>
#include <chrono>
#include <cstdlib>
#include <fstream>
#include <string>
#include <vector>

#include "CaseName.h"
#include "SoundServer.h"
#include "views/MainWindowView.h"
#include "views/QtPlatform.h"
#include "windows/SoundMenu.h"

namespace quorbel::testing {
namespace {

using Clock = std::chrono::steady_clock;

struct Tone {
    double frequency;  // hertz
    double amplitude;  // relative to the first tone's
};

struct PlayCase {
    std::string name;
    std::string params;  // the opening parameters; empty: the default record
    std::vector<std::string> options;
    std::vector<Tone> tones;
    std::vector<double> absent;  // frequencies the sound must not hold
    double seconds;
};
void PrintTo(const PlayCase& c, std::ostream* os) {
    *os << c.name;
}

// The companion run as a child process with `arguments`; its exit status and how long
// it took, its standard error kept in `err`.
int RunCompanion(const std::vector<std::string>& arguments, std::string& err, double& seconds) {
    const auto start = Clock::now();
    std::vector<std::string> command = {"sh", "-c", "\"$0\" \"$@\" 2>&1 >/dev/null",
                                        QUORBEL_CLI_PROGRAM};
    command.insert(command.end(), arguments.begin(), arguments.end());
    ChildProcess child(command, true);
    const int status = child.Wait();
    err = child.Output();
    seconds = std::chrono::duration<double>(Clock::now() - start).count();
    return status;
}

class SoundPlayed : public ::testing::TestWithParam<PlayCase> {};

TEST_P(SoundPlayed, FunctionsTonesAreHeardInTheirProportions) {
    ASSERT_TRUE(SoundServerAddress())
        << "PULSE_SERVER is not set: run the sound tests through ctest";
    const PlayCase& c = GetParam();
    const SoundFolder folder;
    std::vector<std::string> arguments = c.options;
    if (!c.params.empty()) {
        const std::string params = (folder.path / "params.wr").string();
        std::ofstream(params, std::ios::binary) << c.params;
        arguments.insert(arguments.begin(), {"--params", params});
    }
    arguments.push_back("play");

    MonitorRecording recording;
    ASSERT_TRUE(recording.WaitUntilRecording());
    std::string err;
    double took = 0;
    ASSERT_EQ(RunCompanion(arguments, err, took), 0) << err;
    EXPECT_EQ(err, "");
    // Played whole before the companion ended: nothing more is heard after it.
    std::this_thread::sleep_for(std::chrono::milliseconds(300));
    const std::vector<double> heard = AudiblePart(recording.Stop(), 0.002);
    // The monitor may miss the first few hundredths of a second of a stream.
    EXPECT_NEAR(static_cast<double>(heard.size()) / recording.Rate(), c.seconds, 0.08);
    ASSERT_GT(heard.size(), 4410u);
    double largest = 0;
    for (const double s : heard) largest = std::max(largest, std::abs(s));
    EXPECT_NEAR(largest, 0.8, 0.01);

    const double first = ToneAmplitude(heard, recording.Rate(), c.tones[0].frequency);
    ASSERT_GT(first, 0.05);
    for (const Tone& tone : c.tones) {
        const double amplitude = ToneAmplitude(heard, recording.Rate(), tone.frequency);
        EXPECT_NEAR(amplitude / first, tone.amplitude, 0.03 * tone.amplitude)
            << tone.frequency << " Hz";
    }
    for (const double frequency : c.absent)
        EXPECT_LT(ToneAmplitude(heard, recording.Rate(), frequency), 0.01 * first)
            << frequency << " Hz";
}

INSTANTIATE_TEST_SUITE_P(
    Companion, SoundPlayed,
    ::testing::Values(
        PlayCase{"default table of seven tones over 30 Hz",
                 "",
                 {},
                 {{30, 1}, {60, 2}, {90, 3}, {150, 1}, {210, 2}, {240, 2.5}, {300, 3.5}},
                 {45, 120, 180, 270},
                 2},
        PlayCase{"table 220 and 660 Hz as 1 and 0.25 for one second",
                 "1024,220\r\n1,1,0\r\n0,2,0\r\n0.25,3,1\r\n0,4,0\r\n0,5,0\r\n0,6,0\r\n0,7,0\r\n0,"
                 "8,0\r\n"
                 "0,9,0\r\n0,10,0\r\n",
                 {"--seconds", "1"},
                 {{220, 1}, {660, 0.25}},
                 {440, 880},
                 1},
        PlayCase{
            "cosines 100 and 500 Hz",
            "1024,100\r\n2,1,0\r\n0,2,0\r\n0,3,0\r\n0,4,0\r\n1,5,0\r\n0,6,0\r\n0,7,0\r\n0,8,0\r\n"
            "0,9,0\r\n0,10,0\r\n",
            {"--cos", "--seconds", "0.5"},
            {{100, 1}, {500, 0.5}},
            {300},
            0.5},
        PlayCase{"simple sine wave 440 Hz",
                 "",
                 {"--wave", "sine", "--cycles", "440"},
                 {{440, 1}},
                 {880, 220},
                 2},
        PlayCase{"square wave 200 Hz odd harmonics",
                 "",
                 {"--wave", "square", "--cycles", "200", "--seconds", "1"},
                 {{200, 1}, {600, 1.0 / 3}, {1000, 1.0 / 5}},
                 {400, 800},
                 1}),
    PrintedName());

// The main window's Sound menu as the desktop shows it.
class SoundMenuShown : public ::testing::Test {
  protected:
    void Show() {
        platform_ = std::make_unique<QtPlatform>();
        const auto start = Clock::now();
        window_ = std::make_unique<MainWindowView>(*platform_, folder_.path / "Zparamfile.wr");
        ASSERT_TRUE(window_->Load());
        loadSeconds_ = std::chrono::duration<double>(Clock::now() - start).count();
    }
    QAction* Item(const char* name) { return window_->findChild<QAction*>(name); }

    SoundFolder folder_;
    std::unique_ptr<QtPlatform> platform_;
    std::unique_ptr<MainWindowView> window_;
    double loadSeconds_ = 0;
};

TEST_F(SoundMenuShown, PlayingItemsAreEnabledWithTheServer) {
    ASSERT_TRUE(SoundServerAddress())
        << "PULSE_SERVER is not set: run the sound tests through ctest";
    Show();
    for (const char* item : {"mnuPlayFtItem", "mnuSaveSoundItem"}) {
        ASSERT_NE(Item(item), nullptr) << item;
        EXPECT_TRUE(Item(item)->isEnabled()) << item;
        EXPECT_EQ(window_->Model().View()[item].tooltip, "") << item;
    }
    EXPECT_FALSE(Item("mnuPlayRecoveredItem")->isEnabled());
    EXPECT_EQ(Item("mnuPlayRecoveredItem")->toolTip().toStdString(), kRecoveredNotYet);
    EXPECT_TRUE(window_->findChild<QMenu*>("mnuSound")->toolTipsVisible());
}

TEST_F(SoundMenuShown, RecoveredFunctionIsHeardAfterInverse) {
    ASSERT_TRUE(SoundServerAddress())
        << "PULSE_SERVER is not set: run the sound tests through ctest";
    Show();
    MonitorRecording recording;
    ASSERT_TRUE(recording.WaitUntilRecording());
    Item("mnuInverse")->trigger();
    ASSERT_TRUE(Item("mnuPlayRecoveredItem")->isEnabled());
    Item("mnuPlayRecoveredItem")->trigger();
    // The default table's 1024 recovered samples span one second.
    QTest::qWait(2500);
    const std::vector<double> heard = AudiblePart(recording.Stop(), 0.002);
    EXPECT_NEAR(static_cast<double>(heard.size()) / recording.Rate(), 1, 0.05);
    const double first = ToneAmplitude(heard, recording.Rate(), 30);
    ASSERT_GT(first, 0.02);
    for (const Tone& tone : {Tone{60, 2}, Tone{90, 3}, Tone{300, 3.5}})
        EXPECT_NEAR(ToneAmplitude(heard, recording.Rate(), tone.frequency) / first, tone.amplitude,
                    0.03 * tone.amplitude)
            << tone.frequency << " Hz";
    EXPECT_LT(ToneAmplitude(heard, recording.Rate(), 120), 0.01 * first);
}

// Without a server: the items that play are disabled once it has been asked, saying
// why, the window loads without waiting, and the companion's play ends quickly with a message.
class NoSoundServerMenu : public SoundMenuShown {};

TEST_F(NoSoundServerMenu, PlayingItemsAreDisabledWithTheReason) {
    Show();
    EXPECT_LT(loadSeconds_, 5);
    // The server is asked after the window has loaded; its answer then reaches the menu.
    QTRY_VERIFY_WITH_TIMEOUT(!Item("mnuPlayFtItem")->isEnabled(), 30000);
    for (const char* item : {"mnuPlayFtItem", "mnuPlayRecoveredItem"}) {
        ASSERT_NE(Item(item), nullptr) << item;
        EXPECT_FALSE(Item(item)->isEnabled()) << item;
        EXPECT_EQ(Item(item)->toolTip().toStdString().rfind(kNoSoundPrefix, 0), 0u)
            << Item(item)->toolTip().toStdString();
    }
    EXPECT_TRUE(Item("mnuSaveSoundItem")->isEnabled());
}

struct NoServerCase {
    std::string name;
    bool deaf;  // a server that accepts the connection and never answers
};
void PrintTo(const NoServerCase& c, std::ostream* os) {
    *os << c.name;
}

class NoSoundServerPlay : public ::testing::TestWithParam<NoServerCase> {};

TEST_P(NoSoundServerPlay, RefusesQuicklyWithAMessage) {
    const SoundFolder folder;
    int deaf = -1;
    std::string saved = std::getenv("PULSE_SERVER") ? std::getenv("PULSE_SERVER") : "";
    if (GetParam().deaf) {
        const std::string socketPath = (folder.path / "deaf").string();
        deaf = ::socket(AF_UNIX, SOCK_STREAM, 0);
        sockaddr_un address{};
        address.sun_family = AF_UNIX;
        socketPath.copy(address.sun_path, sizeof address.sun_path - 1);
        ASSERT_EQ(::bind(deaf, reinterpret_cast<sockaddr*>(&address), sizeof address), 0);
        ASSERT_EQ(::listen(deaf, 8), 0);
        ::setenv("PULSE_SERVER", ("unix:" + socketPath).c_str(), 1);
    }
    std::string err;
    double took = 0;
    const int status = RunCompanion({"play"}, err, took);
    if (deaf >= 0) {
        ::close(deaf);
        ::setenv("PULSE_SERVER", saved.c_str(), 1);
    }
    EXPECT_EQ(status, 1);
    EXPECT_LT(took, 5);
    EXPECT_NE(err.find(kNoSoundPrefix), std::string::npos) << err;
    EXPECT_NE(err.find("no sound server answers"), std::string::npos) << err;
}

INSTANTIATE_TEST_SUITE_P(Servers, NoSoundServerPlay,
                         ::testing::Values(NoServerCase{"nothing at the address", false},
                                           NoServerCase{"a server that never answers", true}),
                         PrintedName());

}  // namespace
}  // namespace quorbel::testing
