// The writer against links, folders that refuse new files, full disks and ended
// writes. A folder that refuses new files is made by the file-call seam, so that the
// cases hold for the superuser too, whose writes no folder mode stops.
#include <gtest/gtest.h>

#include <cerrno>
#include <csignal>
#include <filesystem>
#include <fstream>
#include <string>
#include <vector>

#include "FolderFiles.h"
#include "ModelFixture.h"
#include "state/FileReplace.h"
#include "state/ParamFile.h"

#if !defined(_WIN32)
#include <fcntl.h>
#include <sys/file.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>
#endif

namespace quorbel::testing {
namespace {

namespace fs = std::filesystem;

#if !defined(_WIN32)

const FileCalls& kSystem = FileCalls::System();

int CreateTempRefused(char*) {
    errno = EACCES;
    return -1;
}
int failWith = 0;
long WriteFails(int, const void*, size_t) {
    errno = failWith;
    return -1;
}
// Ends the process as a terminal's kill would, half-way through the content.
long TerminatedHalfWay(int fd, const void* data, size_t size) {
    const long written = ::write(fd, data, size / 2);
    ::kill(::getpid(), SIGTERM);
    return written;
}

class FileLinks : public ModelFixture {
  protected:
    fs::path Victim() {
        fs::create_directories(dir_ / "elsewhere");
        const fs::path victim = dir_ / "elsewhere" / "victim.txt";
        std::ofstream(victim) << "the user's notes";
        return victim;
    }
};

struct LinkCase {
    const char* name;
    bool link;           // the target is a link to another file
    bool folderRefuses;  // no temporary can be made beside it
    bool copy;           // a place to keep the old content is given
    const char* reason;  // nullptr: written
};

void PrintTo(const LinkCase& c, std::ostream* out) {
    *out << c.name;
}

class LinkTargets : public FileLinks, public ::testing::WithParamInterface<LinkCase> {};

TEST_P(LinkTargets, NeverWriteThroughALinkNorInPlaceWithoutACopy) {
    const LinkCase& c = GetParam();
    const fs::path victim = Victim();
    const fs::path target = dir_ / "chart.pdf";
    if (c.link)
        fs::create_symlink(victim, target);
    else
        std::ofstream(target) << "old chart";
    FileCalls calls = kSystem;
    if (c.folderRefuses) calls.createTemp = CreateTempRefused;
    const fs::path copy = c.copy ? dir_ / "state" / "chart.pdf.previous" : fs::path();
    std::string error;
    EXPECT_EQ(ReplaceFile(target, "%PDF new", calls, &error, copy), c.reason == nullptr) << error;
    EXPECT_EQ(error, c.reason ? c.reason : "");
    EXPECT_EQ(ReadAllOf(victim), "the user's notes");
    EXPECT_EQ(fs::is_symlink(target), c.link && c.reason);
    if (!c.link) {
        EXPECT_EQ(ReadAllOf(target), c.reason ? "old chart" : "%PDF new");
    }
    EXPECT_FALSE(fs::exists(copy));
}

const char* const kLinkRefused =
    "it is a link and its folder refuses the new file that would replace it (the file it "
    "leads to is not written through it)";
const char* const kFolderRefuses = "its folder refuses a new file (Permission denied)";

INSTANTIATE_TEST_SUITE_P(
    Targets, LinkTargets,
    ::testing::Values(LinkCase{"LinkIsReplaced", true, false, false, nullptr},
                      LinkCase{"LinkInRefusingFolder", true, true, false, kLinkRefused},
                      LinkCase{"LinkInRefusingFolderWithCopy", true, true, true, kLinkRefused},
                      LinkCase{"FileInRefusingFolder", false, true, false, kFolderRefuses},
                      LinkCase{"FileInRefusingFolderWithCopy", false, true, true, nullptr}),
    [](const auto& info) { return std::string(info.param.name); });

// A full disk, a full quota and a file-size limit are one failure, said alike.
TEST_F(FileLinks, NoRoomIsOneMessage) {
    std::vector<std::string> reasons;
    for (int errorNumber : {ENOSPC, EFBIG, EDQUOT}) {
        failWith = errorNumber;
        std::string error;
        EXPECT_FALSE(
            ReplaceFile(dir_ / "f", "x", {kSystem.createTemp, WriteFails, kSystem.rename}, &error));
        reasons.push_back(error);
    }
    EXPECT_EQ(reasons, std::vector<std::string>(3,
                                                "the new content could not be written (no room "
                                                "is left: the disk is full or a limit on the "
                                                "size of files was reached)"));
    EXPECT_EQ(NamesIn(dir_), std::vector<std::string>{});
}

// A write removes what ended writes left in its folder, whatever their target, but not
// the temporary of a write still running (locked) nor a file of the user's.
TEST_F(FileLinks, NextWriteRemovesStaleTemporaries) {
    for (const char* name : {"a.pdf.quorbel-Ab12Cd", "b.wav.quorbel-000000", "c.pdf.quorbel-Runs00",
                             "notes.txt.backup"})
        std::ofstream(dir_ / name) << "x";
    const int running = ::open((dir_ / "c.pdf.quorbel-Runs00").c_str(), O_RDONLY);
    ASSERT_EQ(::flock(running, LOCK_EX), 0);
    ASSERT_TRUE(ReplaceFile(dir_ / "d.png", "png", kSystem, nullptr));
    EXPECT_EQ(NamesIn(dir_),
              (std::vector<std::string>{"c.pdf.quorbel-Runs00", "d.png", "notes.txt.backup"}));
    ::close(running);
}

// Ended by a signal in the middle of the write: the temporary goes with the process,
// the old file stays, and the handlers of a finished write are the program's again.
TEST_F(FileLinks, TerminatedWriteLeavesNoTemporary) {
    const fs::path target = dir_ / "a.wav";
    std::ofstream(target) << "old sound";
    const pid_t child = ::fork();
    ASSERT_GE(child, 0);
    if (child == 0) {
        ReplaceFile(target, std::string(4096, 's'),
                    {kSystem.createTemp, TerminatedHalfWay, kSystem.rename}, nullptr);
        _exit(0);
    }
    int status = 0;
    ASSERT_EQ(::waitpid(child, &status, 0), child);
    EXPECT_TRUE(WIFSIGNALED(status) && WTERMSIG(status) == SIGTERM) << status;
    EXPECT_EQ(NamesIn(dir_), std::vector<std::string>{"a.wav"});
    EXPECT_EQ(ReadAllOf(target), "old sound");

    struct sigaction before {
    }, after{};
    ::sigaction(SIGTERM, nullptr, &before);
    ASSERT_TRUE(ReplaceFile(target, "new sound", kSystem, nullptr));
    ::sigaction(SIGTERM, nullptr, &after);
    EXPECT_EQ(after.sa_handler, before.sa_handler);
}

// A folder in place of the parameters file is set aside whole, over an older kept
// file, and the start goes on with the default record.
TEST_F(FileLinks, FolderInPlaceOfTheParametersFileIsSetAside) {
    fs::create_directories(path_ / "inside");
    std::ofstream(path_ / "inside" / "kept.txt") << "mine";
    std::ofstream(dir_ / "Zparamfile.wr.bad") << "an older damaged record";
    Loaded();
    EXPECT_EQ(ReadParams(), ParamFile::DefaultRecord());
    EXPECT_EQ(ReadAllOf(dir_ / "Zparamfile.wr.bad" / "inside" / "kept.txt"), "mine");
    EXPECT_TRUE(platform.messages.empty());
}

#endif

}  // namespace
}  // namespace quorbel::testing
