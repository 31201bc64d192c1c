// The opening-parameters file under what users and systems do to it: hand edits,
// damage, huge or endless files, stale temporary files, write protection and writes
// that fail half-way.
#include <gtest/gtest.h>

#include <cerrno>
#include <csignal>
#include <filesystem>
#include <fstream>
#include <string>
#include <vector>

#include "ModelFixture.h"
#include "state/FileReplace.h"
#include "state/ParamFile.h"

#if !defined(_WIN32)
#include <sys/resource.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>
#endif

namespace quorbel::testing {
namespace {

namespace fs = std::filesystem;

const std::string kRecord = ParamFile::DefaultRecord();
const std::string kElevenLines =
    "2048,7.5\r\n1,1,0\r\n2,2,0\r\n3,3,0\r\n0,4,0\r\n1,5,0\r\n0,6,0\r\n2,7,0\r\n2.5,8,0\r\n0,9,"
    "0\r\n"
    "3.5,10,0.25\r\n";

class ParamFileRobustness : public ModelFixture {
  protected:
    std::string Read(const fs::path& path) const {
        std::ifstream in(path, std::ios::binary);
        return {std::istreambuf_iterator<char>(in), {}};
    }
    std::vector<std::string> FolderNames() const {
        std::vector<std::string> names;
        for (const auto& entry : fs::directory_iterator(dir_))
            names.push_back(entry.path().filename().string());
        std::sort(names.begin(), names.end());
        return names;
    }
    fs::path Bad() const { return dir_ / "Zparamfile.wr.bad"; }
};

// --- what hand edits leave

struct HandEdit {
    const char* name;
    std::string text;
};

void PrintTo(const HandEdit& c, std::ostream* out) {
    *out << c.name;
}

class HandEditedFile : public ::testing::TestWithParam<HandEdit> {};

TEST_P(HandEditedFile, ReadsLikeTheDefaultRecord) {
    std::string error;
    auto values = ParseParamText(GetParam().text, kParamValueCount, true, &error);
    ASSERT_TRUE(values.has_value()) << error;
    auto expected = ParseParamText(kRecord, kParamValueCount, true, nullptr);
    EXPECT_EQ(*values, *expected);
}

std::string Replace(std::string text, const std::string& from, const std::string& to) {
    for (size_t at = 0; (at = text.find(from, at)) != std::string::npos; at += to.size())
        text.replace(at, from.size(), to);
    return text;
}

const std::string kRows =
    "1024,30\n1,1,0\n2,2,0\n3,3,0\n0,4,0\n1,5,0\n0,6,0\n2,7,0\n2.5,8,0\n0,9,0\n3.5,10,0\n";

INSTANTIATE_TEST_SUITE_P(
    Editors, HandEditedFile,
    ::testing::Values(HandEdit{"ByteOrderMark", "\xEF\xBB\xBF" + kRecord},
                      HandEdit{"CrOnly", Replace(kRows, "\n", "\r")},
                      HandEdit{"CrLfAfterTrailingComma", Replace(kRows, "\n", ",\r\n")},
                      HandEdit{"CrAfterTrailingComma", Replace(kRows, "\n", ",\r")},
                      HandEdit{"LfAfterTrailingComma", Replace(kRows, "\n", ",\n")},
                      HandEdit{"BlanksAroundValues",
                               Replace(Replace(kRows, ",", " ,\t "), "\n", " \r\n")},
                      HandEdit{"BlankLinesBetween", Replace(kRows, "\n", "\r\n \r\n\r\n")},
                      HandEdit{"NoLineEndAtTheEnd", kRecord.substr(0, kRecord.size() - 2)},
                      HandEdit{"BomAndCrOnly", "\xEF\xBB\xBF" + Replace(kRows, "\n", ",\r")}),
    [](const auto& info) { return std::string(info.param.name); });

// --- size limits

struct SizeCase {
    const char* name;
    std::string text;
    bool whole;
    bool usable;
};

void PrintTo(const SizeCase& c, std::ostream* out) {
    *out << c.name;
}

class ParamTextSize : public ::testing::TestWithParam<SizeCase> {};

TEST_P(ParamTextSize, LongValuesAndLargeFilesAreUnusable) {
    std::string error;
    EXPECT_EQ(
        ParseParamText(GetParam().text, kParamValueCount, GetParam().whole, &error).has_value(),
        GetParam().usable)
        << error;
    EXPECT_LT(error.size(), 200u);
}

INSTANTIATE_TEST_SUITE_P(
    Limits, ParamTextSize,
    ::testing::Values(
        SizeCase{"LongestValue",
                 "1024," + std::string(kMaxValueLength - 2, ' ') + "30" + kRecord.substr(7), true,
                 true},
        SizeCase{"ValueOneTooLong",
                 "1024," + std::string(kMaxValueLength - 1, ' ') + "30" + kRecord.substr(7), true,
                 false},
        SizeCase{"Zeros", std::string(kMaxParamBytes, '\0'), false, false},
        SizeCase{"JunkAfterThe32ndValue", kRecord + std::string(kMaxParamBytes, 'x'), false, true},
        SizeCase{"LastValueCutByTheLimit",
                 std::string(kMaxParamBytes - kRecord.size() + 2, '\n') +
                     kRecord.substr(0, kRecord.size() - 2),
                 false, false},
        SizeCase{"BlankLinesPastTheLimit", std::string(kMaxParamBytes, '\n'), false, false},
        SizeCase{"ManyValuesOnlyThe32ndCounts", Replace(kRecord, "\r\n", ",") + "1,2,x,y", true,
                 true}),
    [](const auto& info) { return std::string(info.param.name); });

#if !defined(_WIN32)
TEST_F(ParamFileRobustness, EndlessFilesAreUnusableAtOnce) {
    fs::create_symlink("/dev/zero", path_);
    std::string error;
    EXPECT_FALSE(ParamFile(path_).ReadAll(&error).has_value());
    EXPECT_EQ(error, "it is not a regular file (a device)");
    EXPECT_FALSE(ParamFile(path_).ReadLeading().has_value());
    // Start-up keeps the link and writes the default record in its place.
    Loaded();
    EXPECT_EQ(ReadParams(), kRecord);
    EXPECT_TRUE(fs::is_symlink(Bad()));
    EXPECT_EQ(fs::read_symlink(Bad()), "/dev/zero");
    EXPECT_TRUE(platform.messages.empty());
}
#endif

// --- the temporary file

#if !defined(_WIN32)
TEST_F(ParamFileRobustness, StaleTemporaryLinksAreNeverFollowed) {
    const fs::path other = dir_ / "other.txt";
    std::ofstream(other) << "keep me";
    for (const char* stale : {"Zparamfile.wr.tmp", "Zparamfile.wr.XXXXXX", "Zparamfile.wr.bad.0"})
        fs::create_symlink(other, dir_ / stale);
    WriteParams(kElevenLines);
    ASSERT_TRUE(ParamFile(path_).KeepUnusable());
    ASSERT_TRUE(ParamFile(path_).WriteDefault());
    EXPECT_EQ(Read(other), "keep me");
    EXPECT_EQ(ReadParams(), kRecord);
    EXPECT_FALSE(fs::is_symlink(path_));
    EXPECT_EQ(Read(Bad()), kElevenLines);
    EXPECT_EQ(FolderNames(), (std::vector<std::string>{"Zparamfile.wr", "Zparamfile.wr.XXXXXX",
                                                       "Zparamfile.wr.bad", "Zparamfile.wr.bad.0",
                                                       "Zparamfile.wr.tmp", "other.txt"}));
}
#endif

// --- write protection and failing writes, through injected system calls

int failWithErrno = 0;         // errno of the injected failure
long writesBeforeFailure = 0;  // bytes written before a write fails

int CreateTempRefused(char*) {
    errno = failWithErrno;
    return -1;
}
long WriteThenFail(int fd, const void* data, size_t size) {
    if (writesBeforeFailure <= 0) {
        errno = failWithErrno;
        return -1;
    }
    const long part = std::min<long>(writesBeforeFailure, static_cast<long>(size));
    writesBeforeFailure -= part;
    return FileCalls::System().write(fd, data, static_cast<size_t>(part));
}
int RenameRefused(const char*, const char*) {
    errno = failWithErrno;
    return -1;
}

struct FailureCase {
    const char* name;
    FileCalls calls;
    int errorNumber;
    long bytesWritten;
};

void PrintTo(const FailureCase& c, std::ostream* out) {
    *out << c.name;
}

class FailingWrite : public ParamFileRobustness,
                     public ::testing::WithParamInterface<FailureCase> {};

TEST_P(FailingWrite, LeavesThePreviousFileIntactAndNoTemporaryFile) {
    WriteParams(kElevenLines);
    failWithErrno = GetParam().errorNumber;
    writesBeforeFailure = GetParam().bytesWritten;
    std::string error;
    EXPECT_FALSE(ParamFile(path_, GetParam().calls).WriteDefault(&error));
    EXPECT_FALSE(error.empty());
    EXPECT_EQ(ReadParams(), kElevenLines);
    EXPECT_EQ(FolderNames(), std::vector<std::string>{"Zparamfile.wr"});
}

const FileCalls& System = FileCalls::System();

INSTANTIATE_TEST_SUITE_P(
    Failures, FailingWrite,
    ::testing::Values(
        FailureCase{"DiskFullAtOnce", {System.createTemp, WriteThenFail, System.rename}, ENOSPC, 0},
        FailureCase{
            "DiskFullHalfWay", {System.createTemp, WriteThenFail, System.rename}, ENOSPC, 20},
        FailureCase{"InputOutputError", {System.createTemp, WriteThenFail, System.rename}, EIO, 60},
        FailureCase{"RenameFails", {System.createTemp, System.write, RenameRefused}, EXDEV, 0},
        FailureCase{"FolderRefusesAndTheInPlaceWriteFails",
                    {CreateTempRefused, WriteThenFail, System.rename},
                    EACCES,
                    30},
        FailureCase{"TemporaryFileCannotBeCreated",
                    {CreateTempRefused, System.write, System.rename},
                    ENOSPC,
                    0}),
    [](const auto& info) { return std::string(info.param.name); });

#if !defined(_WIN32)
TEST_F(ParamFileRobustness, FileSizeLimitHalfWayLeavesThePreviousFileIntact) {
    WriteParams(kElevenLines);
    for (rlim_t limit : {0, 10, 40}) {
        SCOPED_TRACE(limit);
        const pid_t child = ::fork();
        ASSERT_GE(child, 0);
        if (child == 0) {
            // The limit makes write fail with EFBIG instead of ending the process.
            std::signal(SIGXFSZ, SIG_IGN);
            const rlimit small{limit, limit};
            ::setrlimit(RLIMIT_FSIZE, &small);
            _exit(ParamFile(path_).WriteDefault() ? 1 : 0);
        }
        int status = 0;
        ASSERT_EQ(::waitpid(child, &status, 0), child);
        EXPECT_TRUE(WIFEXITED(status) && WEXITSTATUS(status) == 0) << status;
        EXPECT_EQ(ReadParams(), kElevenLines);
        EXPECT_EQ(FolderNames(), std::vector<std::string>{"Zparamfile.wr"});
    }
}

mode_t Mode(const fs::path& path) {
    struct stat st {};
    ::stat(path.c_str(), &st);
    return st.st_mode & 07777;
}

TEST_F(ParamFileRobustness, ReadOnlyFileIsKeptAndStartUpStopsWithTheMessage) {
    const std::string damaged = "1024,30,x\r\n";
    WriteParams(damaged);
    ::chmod(path_.c_str(), 0444);
    std::string error;
    EXPECT_FALSE(ParamFile(path_).WriteDefault(&error));
    EXPECT_NE(error.find("read-only"), std::string::npos) << error;
    EXPECT_FALSE(Model().Form_Load());
    ASSERT_EQ(platform.messages.size(), 1u);
    EXPECT_NE(platform.messages[0].find("cannot be created"), std::string::npos);
    EXPECT_NE(platform.messages[0].find("read-only"), std::string::npos);
    EXPECT_EQ(ReadParams(), damaged);
    EXPECT_EQ(Mode(path_), 0444u);
}

TEST_F(ParamFileRobustness, ReplacingKeepsTheFilesMode) {
    for (mode_t mode : {0600, 0640, 0664, 0755}) {
        SCOPED_TRACE(mode);
        WriteParams(kElevenLines);
        ::chmod(path_.c_str(), mode);
        ASSERT_TRUE(ParamFile(path_).WriteDefault());
        EXPECT_EQ(ReadParams(), kRecord);
        EXPECT_EQ(Mode(path_), mode);
    }
}

TEST_F(ParamFileRobustness, FolderRefusingTheTemporaryFileGetsTheFileWrittenInPlace) {
    WriteParams(kElevenLines);
    ::chmod(path_.c_str(), 0640);
    struct stat before {};
    ::stat(path_.c_str(), &before);
    for (int refusal : {EACCES, EROFS, EPERM}) {
        SCOPED_TRACE(refusal);
        failWithErrno = refusal;
        const FileCalls calls{CreateTempRefused, System.write, System.rename};
        std::string error;
        // Never without a copy of the old record.
        EXPECT_FALSE(ParamFile(path_, calls).WriteDefault(&error));
        EXPECT_EQ(ReadParams(), kElevenLines);
        const fs::path copy = dir_ / "state" / "copy";
        ASSERT_TRUE(ParamFile(path_, calls, copy).WriteDefault(&error)) << error;
        EXPECT_EQ(ReadParams(), kRecord);
        EXPECT_FALSE(fs::exists(copy));
        struct stat after {};
        ::stat(path_.c_str(), &after);
        EXPECT_EQ(after.st_ino, before.st_ino);
        EXPECT_EQ(Mode(path_), 0640u);
        WriteParams(kElevenLines);
    }
}
#endif

}  // namespace
}  // namespace quorbel::testing
