// What the user can point the program at: protected files, pipes, folders and devices
// in place of a file, writes interrupted in the middle, the temporaries an ended run
// leaves, and the raw file window's refusals said in the program's words.
#include <gtest/gtest.h>
#include <sndfile.h>

#include <chrono>
#include <cmath>
#include <filesystem>
#include <fstream>
#include <string>
#include <vector>

#include "FolderFiles.h"
#include "RawWindowFixture.h"
#include "rawfile/RawFile.h"
#include "rawfile/SoundFile.h"
#include "report/Report.h"
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

// --- what stands at the path

enum class Target { fifo, folder, device, missing, readOnly, noWriteBitAtAll, noPermission };

const char* NameOf(Target t) {
    switch (t) {
        case Target::fifo:
            return "Fifo";
        case Target::folder:
            return "Folder";
        case Target::device:
            return "Device";
        case Target::missing:
            return "Missing";
        case Target::readOnly:
            return "ReadOnly";
        case Target::noWriteBitAtAll:
            return "NoWriteBitAtAll";
        case Target::noPermission:
            return "NoPermission";
    }
    return "";
}

// Makes `path` the kind of thing `t` names; a file holds `content`.
void Make(Target t, const fs::path& path, const std::string& content) {
    switch (t) {
        case Target::fifo:
            ASSERT_EQ(::mkfifo(path.c_str(), 0644), 0);
            break;
        case Target::folder:
            fs::create_directory(path);
            break;
        case Target::device:
            fs::create_symlink("/dev/null", path);
            break;
        case Target::missing:
            break;
        case Target::readOnly:
        case Target::noWriteBitAtAll:
        case Target::noPermission:
            std::ofstream(path, std::ios::binary) << content;
            ::chmod(path.c_str(), t == Target::readOnly       ? 0444
                                  : t == Target::noPermission ? 0
                                                              : 0555);
            break;
    }
}

class FileSafety : public RawWindowFixture {};

struct TargetCase {
    Target target;
    const char* writeReason;  // ReplaceFile's reason; nullptr: written
    const char* readReason;   // WhyNotReadable; nullptr: readable
};

void PrintTo(const TargetCase& c, std::ostream* out) {
    *out << NameOf(c.target);
}

class TargetKinds : public FileSafety, public ::testing::WithParamInterface<TargetCase> {};

TEST_P(TargetKinds, WritersRefuseWhatIsNotARegularWritableFileAndReadersWhatIsNotAFile) {
    const fs::path path = dir_ / "target";
    const std::string old = "old content\n";
    Make(GetParam().target, path, old);
    const std::optional<std::string> why = WhyNotReadable(path);
    EXPECT_EQ(why.value_or(""), GetParam().readReason ? GetParam().readReason : "");
    // The parameters reader says the same, without waiting on a pipe.
    std::string paramError;
    EXPECT_FALSE(ParamFile(path).ReadAll(&paramError).has_value());
    if (GetParam().readReason) {
        EXPECT_EQ(paramError, GetParam().readReason);
    }
    std::string error;
    const bool written = ReplaceFile(path, "new", FileCalls::System(), &error);
    if (GetParam().writeReason) {
        EXPECT_FALSE(written);
        EXPECT_EQ(error, GetParam().writeReason);
    } else {
        EXPECT_TRUE(written) << error;
    }
    if (GetParam().target == Target::readOnly || GetParam().target == Target::noWriteBitAtAll ||
        GetParam().target == Target::noPermission) {
        ::chmod(path.c_str(), 0400);
        EXPECT_EQ(ReadAllOf(path), old);
    }
}

INSTANTIATE_TEST_SUITE_P(
    Kinds, TargetKinds,
    ::testing::Values(TargetCase{Target::fifo, "it is not a regular file (a named pipe)",
                                 "it is not a regular file (a named pipe)"},
                      TargetCase{Target::folder, "it is a folder", "it is a folder"},
                      TargetCase{Target::device, "it is not a regular file (a device)",
                                 "it is not a regular file (a device)"},
                      TargetCase{Target::missing, nullptr, "it does not exist"},
                      TargetCase{Target::readOnly, "it is read-only", nullptr},
                      TargetCase{Target::noWriteBitAtAll, "it is read-only", nullptr},
                      TargetCase{Target::noPermission,
                                 "its permissions allow neither reading nor writing it", nullptr}),
    [](const auto& info) { return std::string(NameOf(info.param.target)); });

// The sound readers refuse the same things before opening them.
TEST_P(TargetKinds, SoundReadersRefuseBeforeOpening) {
    if (!GetParam().readReason) GTEST_SKIP() << "a regular file";
    const fs::path path = dir_ / "target";
    Make(GetParam().target, path, "");
    std::string rawError, soundError;
    EXPECT_FALSE(ReadRawFile(path, &rawError).has_value());
    EXPECT_FALSE(ReadSoundFile(path, ChannelChoice::first, &soundError).has_value());
    const std::string expected =
        std::string("The file \"target\" cannot be opened: ") + GetParam().readReason + ".";
    EXPECT_EQ(rawError, expected);
    EXPECT_EQ(soundError, expected);
}

// The exports say which file they could not write and why, in one sentence.
TEST_P(TargetKinds, ExportsNameTheChosenFile) {
    if (!GetParam().writeReason) GTEST_SKIP() << "written";
    const fs::path path = dir_ / "target";
    Make(GetParam().target, path, "old");
    Loaded();
    for (const char* item : {"mnuExportSamplesItem", "mnuExportReportItem"}) {
        SCOPED_TRACE(item);
        platform.messages.clear();
        platform.saveAnswers.push_back(path.string());
        ASSERT_TRUE(Model().Fire(item, Event::Click));
        ASSERT_EQ(platform.messages.size(), 1u);
        EXPECT_EQ(platform.messages[0], std::string("The file \"target\" cannot be written: ") +
                                            GetParam().writeReason + ".");
    }
}

// A file without any write bit is protected from everyone, the superuser included; a
// replaced file keeps its mode.
TEST_F(FileSafety, ModesDecideProtectionAndAreKept) {
    struct Case {
        mode_t mode;
        bool replaced;
    };
    const Case cases[] = {{0444, false}, {0400, false}, {0555, false},
                          {0644, true},  {0600, true},  {0664, true}};
    for (const Case& c : cases) {
        SCOPED_TRACE(c.mode);
        const fs::path path = dir_ / "m.txt";
        fs::remove(path);
        std::ofstream(path) << "old";
        ::chmod(path.c_str(), c.mode);
        std::string error;
        EXPECT_EQ(ReplaceFile(path, "new", FileCalls::System(), &error), c.replaced) << error;
        EXPECT_EQ(ReadAllOf(path), c.replaced ? "new" : "old");
        struct stat st {};
        ::stat(path.c_str(), &st);
        EXPECT_EQ(st.st_mode & 07777, c.mode);
        EXPECT_EQ(NamesIn(dir_), std::vector<std::string>{"m.txt"});
    }
}

// --- the parameters file rewritten in place, ended half-way

int CreateTempRefused(char*) {
    errno = EACCES;
    return -1;
}
// Ends the process at the step a kill could hit.
long EndAtWrite(int, const void*, size_t) {
    _exit(0);
}
int EndAtSync(int) {
    _exit(0);
}

struct InterruptionCase {
    const char* name;
    FileCalls calls;
    bool newRecordStays;  // the write was complete when the program ended
};

void PrintTo(const InterruptionCase& c, std::ostream* out) {
    *out << c.name;
}

class InPlaceInterrupted : public FileSafety,
                           public ::testing::WithParamInterface<InterruptionCase> {};

TEST_P(InPlaceInterrupted, NextStartFindsAWholeRecord) {
    const std::string old =
        "1024,7.5\r\n1,1,0\r\n2,2,0\r\n3,3,0\r\n0,4,0\r\n1,5,0\r\n0,6,0\r\n2,7,0\r\n2.5,8,"
        "0\r\n0,9,0\r\n3.5,10,0.25\r\n";
    WriteParams(old);
    const fs::path copy = dir_ / "state" / "Zparamfile.wr.previous";
    const pid_t child = ::fork();
    ASSERT_GE(child, 0);
    if (child == 0) {
        ParamFile(path_, GetParam().calls, copy).WriteDefault();
        _exit(1);  // not reached: the injected call ends the process
    }
    int status = 0;
    ASSERT_EQ(::waitpid(child, &status, 0), child);
    ASSERT_TRUE(WIFEXITED(status) && WEXITSTATUS(status) == 0) << status;
    ASSERT_TRUE(fs::exists(copy));
    std::string error;
    EXPECT_TRUE(ParamFile(path_, FileCalls::System(), copy).RecoverAtStartup(&error)) << error;
    EXPECT_EQ(ReadParams(), GetParam().newRecordStays ? ParamFile::DefaultRecord() : old);
    EXPECT_FALSE(fs::exists(copy));
    // The window starts from it.
    Loaded();
    EXPECT_EQ(State().Get(Field::cyclesPerSecond), GetParam().newRecordStays ? "30" : "7.5");
    EXPECT_TRUE(platform.messages.empty()) << platform.messages.front();
}

const FileCalls& kSystem = FileCalls::System();

INSTANTIATE_TEST_SUITE_P(Kills, InPlaceInterrupted,
                         ::testing::Values(InterruptionCase{"EndedAfterTheTruncation",
                                                            {CreateTempRefused, EndAtWrite,
                                                             kSystem.rename},
                                                            false},
                                           InterruptionCase{"EndedBeforeTheCopyWasRemoved",
                                                            {CreateTempRefused, kSystem.write,
                                                             kSystem.rename, EndAtSync},
                                                            true}),
                         [](const auto& info) { return std::string(info.param.name); });

TEST_F(FileSafety, InPlaceWriteKeepsNoCopyOnceDone) {
    WriteParams(ParamFile::DefaultRecord());
    const fs::path copy = dir_ / "state" / "Zparamfile.wr.previous";
    const FileCalls calls{CreateTempRefused, kSystem.write, kSystem.rename};
    std::string error;
    ParamRows rows;
    rows.points = 4096;
    ASSERT_TRUE(ParamFile(path_, calls, copy).WriteFromWindow(rows, &error)) << error;
    EXPECT_EQ(ReadParams().substr(0, 8), "4096,30\r");
    EXPECT_FALSE(fs::exists(copy));
    // Without a place for the copy the file is not touched at all.
    fs::create_directories(dir_ / "blocked");
    std::ofstream(dir_ / "blocked" / "state") << "a file where the folder should be";
    const std::string before = ReadParams();
    EXPECT_FALSE(ParamFile(path_, calls, dir_ / "blocked" / "state" / "copy").WriteDefault(&error));
    EXPECT_NE(error.find("no copy of its old content"), std::string::npos) << error;
    EXPECT_EQ(ReadParams(), before);
}

// --- temporaries an ended run left

// The temporaries of any target in the folder, unless a running write holds them
// locked; a second name only once it is old; never a file of the user's own naming.
TEST_F(FileSafety, StartUpRemovesOnlyItsOwnStaleTemporaries) {
    struct Case {
        const char* name;
        int ageSeconds;
        bool locked;  // by a write still running
        bool removed;
    };
    const Case cases[] = {{"Zparamfile.wr.quorbel-a1B2c3", 3600, false, true},
                          {"Zparamfile.wr.quorbel-ZZZZZZ", 0, false, true},
                          {"Zparamfile.wr.bad.quorbel-Qw3rty", 3600, false, true},
                          {"chart.pdf.quorbel-x1y2z3", 0, false, true},
                          {"Zparamfile.wr.quorbel-Runs00", 3600, true, false},
                          {"Zparamfile.wr.quorbel-a1B2c3d", 3600, false, false},
                          {"Zparamfile.wr.quorbel-a1-2c3", 3600, false, false},
                          {"Zparamfile.wr.backup", 3600, false, false},
                          {"Zparamfile.wr.a1B2c3", 3600, false, false},
                          {"Zparamfile.wr.bad", 3600, false, false},
                          {"notes.txt", 3600, false, false}};
    WriteParams(ParamFile::DefaultRecord());
    const auto now = fs::file_time_type::clock::now();
    std::vector<int> locks;
    for (const Case& c : cases) {
        std::ofstream(dir_ / c.name) << "x";
        fs::last_write_time(dir_ / c.name, now - std::chrono::seconds(c.ageSeconds));
        if (c.locked) {
            locks.push_back(::open((dir_ / c.name).c_str(), O_RDONLY));
            ASSERT_EQ(::flock(locks.back(), LOCK_EX), 0);
        }
    }
    // A second name of the file (a keeping ended before its rename) may still be
    // renamed while it is new.
    const fs::path second = dir_ / "Zparamfile.wr.bad.quorbel-Link00";
    ASSERT_EQ(::link(path_.c_str(), second.c_str()), 0);
    ASSERT_TRUE(ParamFile(path_).RecoverAtStartup());
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        EXPECT_EQ(fs::exists(dir_ / c.name), !c.removed);
    }
    EXPECT_TRUE(fs::exists(second));
    EXPECT_EQ(RemoveStaleTemporaries(path_, std::chrono::seconds(0)), 1);
    EXPECT_FALSE(fs::exists(second));
    EXPECT_EQ(ReadParams(), ParamFile::DefaultRecord());
    for (int fd : locks) ::close(fd);
}

TEST_F(FileSafety, PipeInPlaceOfTheWindowsParametersFileIsKeptAndReplaced) {
    ASSERT_EQ(::mkfifo(path_.c_str(), 0644), 0);
    Loaded();
    EXPECT_EQ(ReadParams(), ParamFile::DefaultRecord());
    struct stat st {};
    ASSERT_EQ(::lstat((dir_ / "Zparamfile.wr.bad").c_str(), &st), 0);
    EXPECT_TRUE(S_ISFIFO(st.st_mode));
}
#endif

// --- the raw file window's refusals

TEST_F(FileSafety, SamplingFrequencyBounds) {
    struct Case {
        const char* typed;
        bool accepted;
    };
    const Case cases[] = {{"1", true},         {"1000000", true},    {"22050", true},
                          {"0.999", false},    {"1000000.5", false}, {"1e308", false},
                          {"1e-320", false},   {"0", false},         {"-8000", false},
                          {"Infinity", false}, {"NaN", false},       {"abc", false}};
    Loaded();
    const fs::path path = dir_ / "f.raw";
    std::ofstream(path, std::ios::binary) << std::string(3000, '\x90');
    Open(path.string());
    for (const Case& c : cases) {
        SCOPED_TRACE(c.typed);
        Drag(0, 2000);
        Raw().Type("Text1", c.typed);
        ASSERT_TRUE(Transfer());
        EXPECT_EQ(C("Label19").visible, !c.accepted);
        EXPECT_EQ(C("Label19").caption,
                  "The frequency of the file must be a number of hertz from 1 to 1000000 (for "
                  "example 22050). Type it in the box above and transfer again.");
        if (c.accepted) {
            EXPECT_EQ(State().Get(Field::cyclesPerSecond), c.typed);
        }
        Raw().Fire("Label19", Event::Click);
    }
}

TEST_F(FileSafety, SelectionHintsSayWhatIsWrong) {
    struct Case {
        const char* name;
        size_t bytes;
        int first, last;
        const char* hint;
    };
    const Case cases[] = {
        {"one-byte file", 1, 0, 1,
         "The file holds only 1 sample: the calculation needs at least 1024. Open a longer "
         "file."},
        {"short file", 1000, 0, 999,
         "The file holds only 1000 samples: the calculation needs at least 1024. Open a "
         "longer file."},
        {"start past the end", 20000, 25000, 26000,
         "The selection starts at point 25000, past the end of the graph's 20000 points. "
         "Drag over the graph from left to right, with the left button pressed."},
        {"too small a selection", 20000, 0, 1000,
         "The calculation will not produce good results with a number of points below  "
         "1024. Select a little bit larger region. "},
    };
    Loaded();
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        const fs::path path = dir_ / "f.raw";
        std::ofstream(path, std::ios::binary) << std::string(c.bytes, '\x90');
        Open(path.string());
        const double perPoint = C("Picture2").width / static_cast<double>(c.bytes);
        Raw().Fire("Picture2", Event::MouseDown, {.button = 1, .x = (c.first + 0.5) * perPoint});
        Raw().Fire("Picture2", Event::MouseMove, {.button = 1, .x = (c.last + 0.5) * perPoint});
        ASSERT_TRUE(Transfer());
        EXPECT_TRUE(C("Label6").visible);
        EXPECT_EQ(C("Label6").caption, c.hint);
        Raw().Fire("Label6", Event::Click);
    }
}

}  // namespace
}  // namespace quorbel::testing
