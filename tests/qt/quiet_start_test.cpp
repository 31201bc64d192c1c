// The programs started as from a plain terminal outside a desktop session: no runtime
// folder, no sound server, and for the window a fresh virtual display of its own that
// has no other client (such a server resets itself when its last client leaves). The
// window comes up and stays; what is expected prints nothing, and a command that wants
// sound says once why there is none.
#include <gtest/gtest.h>

#include <QProcess>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <filesystem>
#include <fstream>
#include <optional>
#include <string>
#include <vector>

#include "CaseName.h"

namespace quorbel {
namespace {

namespace fs = std::filesystem;

#if defined(__unix__) && !defined(__APPLE__)

// A virtual X display started for one test, ended with it.
class FreshDisplay {
  public:
    FreshDisplay() {
        const QString server = QStandardPaths::findExecutable(QStringLiteral("Xvfb"));
        if (server.isEmpty()) return;
        // The server writes the number of the display it chose to its standard output.
        server_.start(server,
                      {"-displayfd", "1", "-nolisten", "tcp", "-screen", "0", "1024x768x24"});
        QByteArray said;
        while (!said.contains('\n') && server_.waitForReadyRead(10000))
            said += server_.readAllStandardOutput();
        if (said.contains('\n')) name_ = ":" + QString::fromLatin1(said.trimmed());
    }
    ~FreshDisplay() {
        server_.terminate();
        server_.waitForFinished(5000);
    }
    FreshDisplay(const FreshDisplay&) = delete;
    FreshDisplay& operator=(const FreshDisplay&) = delete;

    QString Name() const { return name_; }

  private:
    QProcess server_;
    QString name_;
};

struct QuietCase {
    std::string name;
    const char* program;
    std::vector<QString> arguments;
    int status;                     // kStaysUp: the window, still running once started
    const char* err;                // all it prints on standard error
    const char* display = nullptr;  // a display named to the program, not started
    const char* output = nullptr;   // where standard output goes
};
void PrintTo(const QuietCase& c, std::ostream* os) {
    *os << c.name;
}

constexpr int kStaysUp = -1;

class QuietStart : public ::testing::TestWithParam<QuietCase> {};

TEST_P(QuietStart, PrintsOnlyWhatFailed) {
    const QuietCase& c = GetParam();
    const QTemporaryDir home;
    const fs::path folder = home.path().toStdString();
    std::ofstream(folder / "pulse-client.conf") << "autospawn = no\n";
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    for (const char* name : {"DISPLAY", "WAYLAND_DISPLAY", "QT_QPA_PLATFORM", "XDG_RUNTIME_DIR"})
        environment.remove(QString::fromLatin1(name));
    environment.insert("HOME", home.path());
    environment.insert("XDG_CONFIG_HOME", home.path());
    environment.insert("PULSE_SERVER", "unix:" + home.filePath("no-sound-server"));
    environment.insert("PULSE_CLIENTCONFIG", home.filePath("pulse-client.conf"));
    std::optional<FreshDisplay> display;
    if (c.status == kStaysUp) {
        display.emplace();
        if (display->Name().isEmpty()) GTEST_SKIP() << "no virtual X server (Xvfb) here";
        environment.insert("DISPLAY", display->Name());
    }
    if (c.display) environment.insert("DISPLAY", c.display);
    QProcess program;
    program.setProcessEnvironment(environment);
    if (c.output) program.setStandardOutputFile(QString::fromUtf8(c.output));
    program.start(QString::fromUtf8(c.program),
                  QStringList(c.arguments.begin(), c.arguments.end()));
    ASSERT_TRUE(program.waitForStarted(10000));
    if (c.status == kStaysUp) {
        // Loaded once the opening parameters are written; the sound is asked about
        // right after, and a few seconds more give any late line its chance.
        const fs::path written = folder / "fft-quorbel" / "Zparamfile.wr";
        for (int i = 0; i < 300 && !fs::exists(written); ++i)
            if (program.waitForFinished(100)) break;
        EXPECT_FALSE(program.waitForFinished(3000)) << "ended with " << program.exitCode() << ": "
                                                    << program.readAllStandardError().toStdString();
        program.terminate();
        program.waitForFinished(10000);
    } else {
        ASSERT_TRUE(program.waitForFinished(30000));
        EXPECT_EQ(program.exitStatus(), QProcess::NormalExit);
        EXPECT_EQ(program.exitCode(), c.status);
    }
    EXPECT_EQ(program.readAllStandardError().toStdString(), c.err);
}

INSTANTIATE_TEST_SUITE_P(
    Programs, QuietStart,
    ::testing::Values(
        QuietCase{"window on a display of its own", QUORBEL_APP_PROGRAM, {}, kStaysUp, ""},
        QuietCase{"companion listing", QUORBEL_CLI_PROGRAM, {"samples"}, 0, ""},
        QuietCase{"companion listening",
                  QUORBEL_CLI_PROGRAM,
                  {"--listen", "1", "report"},
                  1,
                  "fftquorbel-cli: No sound input can be used: there is no microphone or other "
                  "recording device, or no sound server is running.\n"},
        QuietCase{"companion playing",
                  QUORBEL_CLI_PROGRAM,
                  {"play"},
                  1,
                  "fftquorbel-cli: No sound can be played: no sound server answers (Connection "
                  "refused).\n"},
        // The companion draws offscreen whatever display it is told of.
        QuietCase{"companion with a display that is gone",
                  QUORBEL_CLI_PROGRAM,
                  {"report"},
                  0,
                  "",
                  ":9876"},
        QuietCase{"companion into a full disk",
                  QUORBEL_CLI_PROGRAM,
                  {"samples"},
                  1,
                  "fftquorbel-cli: the output cannot be written: No space left on device\n",
                  nullptr,
                  "/dev/full"}),
    testing::PrintedName());

#endif

}  // namespace
}  // namespace quorbel
