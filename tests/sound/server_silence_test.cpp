// A sound server that hangs: one that takes the connection and never answers from the
// start, and the tests' own server stopped while a sound plays or is recorded. The
// window does not wait for it, a command gets its message, and what plays or records
// ends with the reason once the server has not answered within the deadline given.
#include <gtest/gtest.h>

#include <QAction>
#include <QTest>
#include <cmath>
#include <cstdlib>
#include <string>
#include <vector>

#include "CompanionRun.h"
#include "SoundServer.h"
#include "audio/QtSoundInput.h"
#include "audio/QtSoundOutput.h"
#include "audio/SoundServerProbe.h"
#include "views/MainWindowView.h"
#include "views/QtPlatform.h"
#include "windows/SoundMenu.h"

namespace quorbel::testing {
namespace {

// PULSE_SERVER pointed at a socket that never answers while this lives.
class DeafServer {
  public:
    DeafServer() : socket_(folder_.path / "deaf") {
        if (const char* old = std::getenv("PULSE_SERVER")) saved_ = old;
        ::setenv("PULSE_SERVER", socket_.Address().c_str(), 1);
    }
    ~DeafServer() { ::setenv("PULSE_SERVER", saved_.c_str(), 1); }
    bool Listening() const { return socket_.Listening(); }

  private:
    SoundFolder folder_;
    DeafSocket socket_;
    std::string saved_;
};

TEST(NoSoundServerDeaf, QuestionEndsAtItsDeadlineSayingSo) {
    const DeafServer deaf;
    ASSERT_TRUE(deaf.Listening());
    const ServerSilence silence = SoundServerSilence(std::chrono::milliseconds(300));
    ASSERT_TRUE(silence);
    EXPECT_EQ(*silence, "no sound server answers (it did not reply in time)");
    EXPECT_EQ(LastSoundServerAnswer(), std::optional<ServerSilence>(silence));
}

TEST(NoSoundServerDeaf, WindowLoadsFirstAndItsSoundItemsFollowTheAnswer) {
    const DeafServer deaf;
    ASSERT_TRUE(deaf.Listening());
    const SoundFolder folder;
    QtPlatform platform;
    MainWindowView window(platform, folder.path / "Zparamfile.wr");
    ASSERT_TRUE(window.Load());
    // Loaded before the server was heard from: nothing waited for it.
    EXPECT_FALSE(LastSoundServerAnswer());
    QAction* play = window.findChild<QAction*>("mnuPlayFtItem");
    ASSERT_NE(play, nullptr);
    QTRY_VERIFY_WITH_TIMEOUT(!play->isEnabled(), 30000);
    EXPECT_EQ(play->toolTip().toStdString(),
              std::string(kNoSoundPrefix) + "no sound server answers (it did not reply in time).");
    EXPECT_FALSE(window.Model().View()["mnuListenItem"].enabled);
    EXPECT_FALSE(window.Model().RawFile().View()["Command2"].enabled);
}

TEST(NoSoundServerDeaf, CompanionListeningSaysThereIsNoInput) {
    const DeafServer deaf;
    ASSERT_TRUE(deaf.Listening());
    const CompanionRun run = RunCompanion({"--listen", "2", "report"});
    EXPECT_EQ(run.status, 1);
    EXPECT_TRUE(run.out.empty()) << run.out;
    EXPECT_NE(run.err.find("No sound input can be used"), std::string::npos) << run.err;
}

// The tests' server stopped once the stream is under way.
TEST(HangingServer, ListeningStopsWithTheReason) {
    ASSERT_TRUE(SoundServerAddress())
        << "PULSE_SERVER is not set: run the sound tests through ctest";
    QtSoundInput input(nullptr, std::chrono::milliseconds(500));
    std::string why;
    input.onStopped = [&why](const std::string& reason) { why = reason; };
    size_t heard = 0;
    std::string error;
    ASSERT_TRUE(input.Start([&heard](const std::vector<double>& s) { heard += s.size(); }, &error))
        << error;
    QTRY_VERIFY_WITH_TIMEOUT(heard > 0, 30000);
    const FrozenServer frozen;
    ASSERT_TRUE(frozen.Frozen());
    QTRY_VERIFY_WITH_TIMEOUT(!why.empty(), 30000);
    EXPECT_EQ(why,
              "the sound input stopped giving samples, and its sound server did not answer "
              "within 0.5 s.");
}

TEST(HangingServer, PlayingIsCutOffWithTheReason) {
    ASSERT_TRUE(SoundServerAddress())
        << "PULSE_SERVER is not set: run the sound tests through ctest";
    QtSoundOutput output(nullptr, std::chrono::milliseconds(500));
    std::string why;
    output.onCut = [&why](const std::string& reason) { why = reason; };
    Sound sound{44100, std::vector<double>(44100 * 5)};
    for (size_t i = 0; i < sound.samples.size(); ++i)
        sound.samples[i] = 0.3 * std::sin(6.28318530717959 * 440 * static_cast<double>(i) / 44100);
    std::string error;
    ASSERT_TRUE(output.Play(sound, &error)) << error;
    QTest::qWait(300);
    const FrozenServer frozen;
    ASSERT_TRUE(frozen.Frozen());
    // A margin far beyond the sound: only the server's silence ends the wait early.
    EXPECT_FALSE(output.WaitUntilPlayed(120000, &error));
    const std::string expected =
        "the sound server stopped taking samples, so the sound was cut off.";
    EXPECT_EQ(error, expected);
    EXPECT_EQ(why, expected);
}

}  // namespace
}  // namespace quorbel::testing
