// fftquorbel-cli leaves no temporary folder behind, however it ends, and an endless
// parameters file cannot hold it up.
#include <gtest/gtest.h>

#include <QByteArray>
#include <QTemporaryDir>
#include <QtGlobal>
#include <csignal>
#include <cstring>
#include <filesystem>
#include <fstream>
#include <sstream>
#include <string>
#include <vector>

#include "CliRun.h"
#include "CompanionRun.h"
#include "RemoveOnSignal.h"
#include "state/ParamFile.h"

#if defined(__unix__)
#include <sys/resource.h>
#include <sys/wait.h>
#include <unistd.h>
#endif

namespace quorbel {
namespace {

namespace fs = std::filesystem;

// Points the process's temporary folder at a fresh one for the length of a test.
class CliTempFolder : public ::testing::Test {
  protected:
    void SetUp() override {
        wasSet_ = qEnvironmentVariableIsSet("TMPDIR");
        old_ = qgetenv("TMPDIR");
        qputenv("TMPDIR", QFile::encodeName(root_.path()));
    }
    // An unset TMPDIR is unset again: an empty one would name no folder at all.
    void TearDown() override {
        if (wasSet_)
            qputenv("TMPDIR", old_);
        else
            qunsetenv("TMPDIR");
    }
    bool Empty() const { return fs::is_empty(root_.path().toStdString()); }
    fs::path Root() const { return root_.path().toStdString(); }

  private:
    QTemporaryDir root_;
    QByteArray old_;
    bool wasSet_ = false;
};

struct CliCase {
    const char* name;
    std::vector<std::string> arguments;
    int status;
};

void PrintTo(const CliCase& c, std::ostream* out) {
    *out << c.name;
}

class CliExits : public CliTempFolder, public ::testing::WithParamInterface<CliCase> {};

TEST_P(CliExits, RemoveTheTemporaryFolder) {
    // DAMAGED: a parameters file that cannot be read; PLAIN: a plain file, which no
    // file can be written into.
    std::vector<std::string> arguments = GetParam().arguments;
    for (std::string& word : arguments)
        if (word == "DAMAGED") {
            word = (Root() / "damaged.wr").string();
            std::ofstream(word) << "1024,30,x\r\n";
        } else if (word.rfind("PLAIN", 0) == 0) {
            std::ofstream(Root() / "plain") << "kept";
            word = (Root() / "plain").string() + word.substr(5);
        }
    const testing::CompanionRun run = testing::RunCompanion(arguments);
    EXPECT_EQ(run.status, GetParam().status) << run.err;
    for (const char* made : {"damaged.wr", "plain"})
        if (fs::exists(Root() / made)) fs::remove(Root() / made);
    EXPECT_TRUE(Empty());
}

INSTANTIATE_TEST_SUITE_P(
    Paths, CliExits,
    ::testing::Values(
        CliCase{"Listed", {"samples"}, cli::kExitOk},
        CliCase{"WindowMessage", {"--cycles", "x", "samples"}, cli::kExitMessage},
        CliCase{"EndlessParamsFile", {"--params", "/dev/zero", "spectrum"}, cli::kExitUsage},
        CliCase{"DamagedParamsFile", {"--params", "DAMAGED", "samples"}, cli::kExitUsage},
        // A file that cannot be written is the same failure for every writing command.
        CliCase{"UnwritablePdf", {"print", "PLAIN/graph.pdf"}, cli::kExitMessage},
        CliCase{"UnwritableBitmap", {"bitmap", "PLAIN/graph.bmp"}, cli::kExitMessage},
        CliCase{"UnwritablePictures", {"render", "PLAIN"}, cli::kExitMessage},
        CliCase{"PicturesWithoutFolder", {"render"}, cli::kExitUsage}),
    [](const auto& info) { return std::string(info.param.name); });

#if defined(__unix__)
class SignalEnds : public CliTempFolder, public ::testing::WithParamInterface<int> {};

TEST_P(SignalEnds, RemoveTheFolderAndEndByTheSameSignal) {
    const fs::path folder = Root() / "work";
    fs::create_directory(folder);
    for (const char* name : {"Zparamfile.wr", "Zparamfile.wr.bad", "Zparamfile.wr.a1B2c3"})
        std::ofstream(folder / name) << "1024";
    const pid_t child = ::fork();
    ASSERT_GE(child, 0);
    if (child == 0) {
        const rlimit noCore{0, 0};  // SIGQUIT and SIGABRT would leave a core file
        ::setrlimit(RLIMIT_CORE, &noCore);
        const cli::RemoveOnSignal remove(folder.string());
        ::raise(GetParam());
        _exit(0);  // not reached: the signal ends the process
    }
    int status = 0;
    ASSERT_EQ(::waitpid(child, &status, 0), child);
    ASSERT_TRUE(WIFSIGNALED(status)) << status;
    EXPECT_EQ(WTERMSIG(status), GetParam());
    EXPECT_FALSE(fs::exists(folder));
}

INSTANTIATE_TEST_SUITE_P(Signals, SignalEnds,
                         ::testing::Values(SIGINT, SIGTERM, SIGHUP, SIGQUIT, SIGABRT),
                         [](const auto& info) {
                             return std::string("SIG") + sigabbrev_np(info.param);
                         });

TEST_F(CliTempFolder, HandlersAreRestoredAfterTheRun) {
    const fs::path folder = Root() / "work";
    fs::create_directory(folder);
    struct sigaction before {};
    ::sigaction(SIGTERM, nullptr, &before);
    { const cli::RemoveOnSignal remove(folder.string()); }
    struct sigaction after {};
    ::sigaction(SIGTERM, nullptr, &after);
    EXPECT_EQ(after.sa_handler, before.sa_handler);
    EXPECT_TRUE(fs::exists(folder));
}
#endif

}  // namespace
}  // namespace quorbel
