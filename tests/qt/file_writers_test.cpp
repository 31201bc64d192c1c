// Every file the program writes is whole or untouched: each writer failing at each
// step, the programs killed at random moments, special files in place of a target,
// and the desktop program started on a display that does not answer.
#include <gtest/gtest.h>

#include <QApplication>
#include <QFileDialog>
#include <QProcess>
#include <QTemporaryDir>
#include <QTimer>
#include <cerrno>
#include <chrono>
#include <csignal>
#include <filesystem>
#include <fstream>
#include <random>
#include <sstream>
#include <string>
#include <thread>
#include <vector>

#include "CliRun.h"
#include "FolderFiles.h"
#include "report/CsvExport.h"
#include "state/FileReplace.h"
#include "state/ParamFile.h"
#include "surface/ImageSurface.h"
#include "surface/PictureFile.h"
#include "surface/PrinterSurface.h"
#include "views/QtPlatform.h"

#if defined(__unix__)
#include <fcntl.h>
#include <sys/resource.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>
#endif

namespace quorbel {
namespace {

namespace fs = std::filesystem;

using testing::NamesIn;
using testing::ReadAllOf;

#if defined(__unix__)

// --- the writers, each as the program uses it

enum class Writer { params, csv, text, png, svg, pdf, bmp };

const char* NameOf(Writer w) {
    switch (w) {
        case Writer::params:
            return "Params";
        case Writer::csv:
            return "Csv";
        case Writer::text:
            return "Text";
        case Writer::png:
            return "Png";
        case Writer::svg:
            return "Svg";
        case Writer::pdf:
            return "Pdf";
        case Writer::bmp:
            return "Bmp";
    }
    return "";
}

void DrawSomething(Surface& s) {
    s.Line(0, 0, s.Width(), s.Height());
    s.SetCurrentX(200);
    s.SetCurrentY(200);
    s.PrintText("f(t)");
}

// Writes the writer's file at `path` through `calls`. False with `error` set (for the
// PDF: the message the user would see) when it was not written.
bool WriteWith(Writer w, const fs::path& path, const FileCalls& calls, std::string* error) {
    switch (w) {
        case Writer::params:
            return ParamFile(path, calls).WriteDefault(error);
        case Writer::csv: {
            DataList samples;
            samples.Add("64");
            for (int k = 0; k <= 64; ++k) samples.AddNumber(k * 0.5);
            return ReplaceFile(path, SamplesCsv(samples, 64), calls, error);
        }
        case Writer::text:
            return ReplaceFile(path, std::string(3000, 'r'), calls, error);
        case Writer::png:
        case Writer::svg: {
            PictureRequest request;
            request.path = path.string();
            request.format = w == Writer::png ? PictureFormat::Png : PictureFormat::Svg;
            request.widthTwips = 3000;
            request.heightTwips = 2000;
            request.draw = DrawSomething;
            return WritePictureFile(request, error, calls);
        }
        case Writer::pdf: {
            std::string message;
            std::unique_ptr<PrintJob> job = PdfPrintJob(
                path.string(), [&message](const std::string& m) { message = m; }, calls);
            bool ended = false;
            if (job) {
                DrawSomething(job->Page());
                ended = job->EndDoc();
            }
            if (error) *error = message;
            return ended;
        }
        case Writer::bmp: {
            ImageSurface picture(3000, 2000);
            DrawSomething(picture);
            return picture.SaveBitmap(path.string(), error, calls);
        }
    }
    return false;
}

// --- the failing steps

enum class Step { firstWrite, halfWay, sync, close, rename, fullDisk };

const char* NameOf(Step s) {
    switch (s) {
        case Step::firstWrite:
            return "FirstWrite";
        case Step::halfWay:
            return "HalfWay";
        case Step::sync:
            return "Sync";
        case Step::close:
            return "Close";
        case Step::rename:
            return "Rename";
        case Step::fullDisk:
            return "FullDisk";
    }
    return "";
}

long bytesBeforeFailure = 0;

long WriteThenFail(int fd, const void* data, size_t size) {
    if (bytesBeforeFailure <= 0) {
        errno = ENOSPC;
        return -1;
    }
    const long part = std::min<long>(bytesBeforeFailure, static_cast<long>(size));
    bytesBeforeFailure -= part;
    return ::write(fd, data, static_cast<size_t>(part));
}
int SyncFails(int) {
    errno = EIO;
    return -1;
}
int CloseFails(int fd) {
    ::close(fd);
    errno = EIO;
    return -1;
}
int RenameFails(const char*, const char*) {
    errno = EXDEV;
    return -1;
}

FileCalls CallsFailingAt(Step s) {
    FileCalls calls = FileCalls::System();
    switch (s) {
        case Step::firstWrite:
            bytesBeforeFailure = 0;
            calls.write = WriteThenFail;
            break;
        case Step::halfWay:
            bytesBeforeFailure = 40;
            calls.write = WriteThenFail;
            break;
        case Step::sync:
            calls.sync = SyncFails;
            break;
        case Step::close:
            calls.close = CloseFails;
            break;
        case Step::rename:
            calls.rename = RenameFails;
            break;
        case Step::fullDisk:
            break;
    }
    return calls;
}

class FailingWriters : public ::testing::TestWithParam<std::tuple<Writer, Step>> {
  protected:
    QTemporaryDir folder_;
    fs::path Folder() const { return folder_.path().toStdString(); }
};

TEST_P(FailingWriters, LeaveTheOldFileByteIdenticalAndSayWhy) {
    const auto [writer, step] = GetParam();
    const fs::path target = Folder() / "chosen.file";
    const std::string old = "the user's old file\n" + std::string(500, 'o');
    std::ofstream(target, std::ios::binary) << old;
    std::string error;
    bool written = false;
    if (step == Step::fullDisk) {
        // A file-size limit in a child process: writes beyond 40 bytes fail with EFBIG.
        const pid_t child = ::fork();
        ASSERT_GE(child, 0);
        if (child == 0) {
            std::signal(SIGXFSZ, SIG_IGN);
            const rlimit limit{40, 40};
            ::setrlimit(RLIMIT_FSIZE, &limit);
            std::string childError;
            const bool ok = WriteWith(writer, target, FileCalls::System(), &childError);
            _exit(ok ? 1 : childError.empty() ? 2 : 0);
        }
        int status = 0;
        ASSERT_EQ(::waitpid(child, &status, 0), child);
        ASSERT_TRUE(WIFEXITED(status)) << status;
        EXPECT_EQ(WEXITSTATUS(status), 0) << "1: written despite the limit; 2: no reason given";
        error = "-";
    } else {
        written = WriteWith(writer, target, CallsFailingAt(step), &error);
    }
    EXPECT_FALSE(written);
    EXPECT_FALSE(error.empty());
    // The reason never names the temporary file.
    EXPECT_EQ(error.find(".file."), std::string::npos) << error;
    if (writer == Writer::pdf && step != Step::fullDisk) {
        EXPECT_EQ(error.rfind("The file \"chosen.file\" cannot be written: ", 0), 0u) << error;
    }
    EXPECT_EQ(ReadAllOf(target), old);
    EXPECT_EQ(NamesIn(Folder()), std::vector<std::string>{"chosen.file"});
}

const auto kWriters = ::testing::Values(Writer::params, Writer::csv, Writer::text, Writer::png,
                                        Writer::svg, Writer::pdf, Writer::bmp);

class WholeWriters : public ::testing::TestWithParam<Writer> {
  protected:
    QTemporaryDir folder_;
    fs::path Folder() const { return folder_.path().toStdString(); }
};

TEST_P(WholeWriters, WriteTheWholeFileWhenNothingFails) {
    const Writer writer = GetParam();
    const fs::path target = Folder() / "chosen.file";
    std::ofstream(target, std::ios::binary) << "old";
    ::chmod(target.c_str(), 0640);
    std::string error;
    ASSERT_TRUE(WriteWith(writer, target, FileCalls::System(), &error)) << error;
    const std::string content = ReadAllOf(target);
    EXPECT_GT(content.size(), 50u);
    EXPECT_TRUE(writer != Writer::pdf || content.find("%%EOF") != std::string::npos);
    EXPECT_TRUE(writer != Writer::bmp || content.substr(0, 2) == "BM");
    EXPECT_TRUE(writer != Writer::png || content.substr(1, 3) == "PNG");
    struct stat st {};
    ::stat(target.c_str(), &st);
    EXPECT_EQ(st.st_mode & 07777, 0640u);
    EXPECT_EQ(NamesIn(Folder()), std::vector<std::string>{"chosen.file"});
}

INSTANTIATE_TEST_SUITE_P(Writers, WholeWriters, kWriters,
                         [](const auto& info) { return std::string(NameOf(info.param)); });

INSTANTIATE_TEST_SUITE_P(
    WritersBySteps, FailingWriters,
    ::testing::Combine(kWriters, ::testing::Values(Step::firstWrite, Step::halfWay, Step::sync,
                                                   Step::close, Step::rename, Step::fullDisk)),
    [](const auto& info) {
        return std::string(NameOf(std::get<0>(info.param))) + "_" + NameOf(std::get<1>(info.param));
    });

// --- special files and protected files in place of the target

enum class Special { fifo, folder, device, readOnly, missingFolder };

const char* NameOf(Special s) {
    switch (s) {
        case Special::fifo:
            return "Fifo";
        case Special::folder:
            return "Folder";
        case Special::device:
            return "Device";
        case Special::readOnly:
            return "ReadOnly";
        case Special::missingFolder:
            return "MissingFolder";
    }
    return "";
}

class SpecialTargets : public ::testing::TestWithParam<std::tuple<Writer, Special>> {
  protected:
    QTemporaryDir folder_;
};

TEST_P(SpecialTargets, AreRefusedAtOnceWithoutWaiting) {
    const auto [writer, special] = GetParam();
    fs::path target = fs::path(folder_.path().toStdString()) / "chosen.file";
    switch (special) {
        case Special::missingFolder:
            target = target.parent_path() / "missing" / "chosen.file";
            break;
        case Special::fifo:
            ASSERT_EQ(::mkfifo(target.c_str(), 0644), 0);
            break;
        case Special::folder:
            fs::create_directory(target);
            break;
        case Special::device:
            fs::create_symlink("/dev/null", target);
            break;
        case Special::readOnly:
            std::ofstream(target) << "old";
            ::chmod(target.c_str(), 0444);
            break;
    }
    std::string error;
    const auto start = std::chrono::steady_clock::now();
    if (writer == Writer::params && special == Special::missingFolder) {
        // The program's own folder is made when its file is first written.
        EXPECT_TRUE(WriteWith(writer, target, FileCalls::System(), &error)) << error;
        return;
    }
    EXPECT_FALSE(WriteWith(writer, target, FileCalls::System(), &error));
    EXPECT_LT(std::chrono::steady_clock::now() - start, std::chrono::seconds(5));
    const char* reason = special == Special::fifo       ? "it is not a regular file (a named pipe)"
                         : special == Special::folder   ? "it is a folder"
                         : special == Special::device   ? "it is not a regular file (a device)"
                         : special == Special::readOnly ? "it is read-only"
                                                        : "its folder does not exist";
    EXPECT_NE(error.find(reason), std::string::npos) << error;
    if (special == Special::readOnly) {
        EXPECT_EQ(ReadAllOf(target), "old");
    }
}

INSTANTIATE_TEST_SUITE_P(
    WritersByTargets, SpecialTargets,
    ::testing::Combine(::testing::Values(Writer::params, Writer::csv, Writer::png, Writer::svg,
                                         Writer::pdf, Writer::bmp),
                       ::testing::Values(Special::fifo, Special::folder, Special::device,
                                         Special::readOnly, Special::missingFolder)),
    [](const auto& info) {
        return std::string(NameOf(std::get<0>(info.param))) + "_" + NameOf(std::get<1>(info.param));
    });

// --- the command-line writers killed at random moments

// Whether `content` is a whole file of its kind.
bool Whole(const std::string& kind, const std::string& content) {
    if (kind == "pdf") {
        const size_t end = content.rfind("%%EOF");
        return content.rfind("%PDF-", 0) == 0 && end != std::string::npos &&
               end + 7 >= content.size();
    }
    if (kind == "bmp") {
        if (content.size() < 6 || content.rfind("BM", 0) != 0) return false;
        const auto byte = [&](size_t i) { return static_cast<unsigned char>(content[i]); };
        const size_t declared = byte(2) | byte(3) << 8 | byte(4) << 16 | size_t{byte(5)} << 24;
        return declared == content.size();
    }
    // PNG: the signature and, last, the IEND chunk with its checksum.
    return content.size() > 20 && content.substr(1, 3) == "PNG" &&
           content.substr(content.size() - 8, 4) == "IEND";
}

struct KillCase {
    const char* name;
    std::vector<std::string> arguments;  // a leading TARGET is replaced by the target's path
    std::vector<std::string> files;      // the files written, named the same way
    const char* kind;
};

void PrintTo(const KillCase& c, std::ostream* out) {
    *out << c.name;
}

class KilledWriters : public ::testing::TestWithParam<KillCase> {};

// Runs the command-line companion; its exit status, or -1 when it was killed after
// `killAfter` (negative: never) or ended by a signal. `sizeLimit` (bytes), when
// positive, limits the size of the files it writes.
int RunCli(const std::vector<std::string>& arguments, std::chrono::microseconds killAfter,
           rlim_t sizeLimit = 0) {
    const pid_t child = ::fork();
    if (child == 0) {
        if (sizeLimit > 0) {
            const rlimit limit{sizeLimit, sizeLimit};
            ::setrlimit(RLIMIT_FSIZE, &limit);
        }
        std::vector<char*> argv;
        argv.push_back(const_cast<char*>(QUORBEL_CLI_PROGRAM));
        for (const std::string& word : arguments) argv.push_back(const_cast<char*>(word.c_str()));
        argv.push_back(nullptr);
        ::setenv("QT_QPA_PLATFORM", "offscreen", 1);
        const int null = ::open("/dev/null", O_WRONLY);
        ::dup2(null, 1), ::dup2(null, 2);
        ::execv(argv[0], argv.data());
        _exit(127);
    }
    if (killAfter.count() >= 0) {
        std::this_thread::sleep_for(killAfter);
        ::kill(child, SIGKILL);
    }
    int status = 0;
    ::waitpid(child, &status, 0);
    return WIFEXITED(status) ? WEXITSTATUS(status) : -1;
}

TEST_P(KilledWriters, NeverLeaveABrokenTarget) {
    const QTemporaryDir folder;
    const fs::path target = fs::path(folder.path().toStdString()) / "target";
    auto named = [&target](std::vector<std::string> words) {
        for (std::string& word : words)
            if (word.rfind("TARGET", 0) == 0) word = target.string() + word.substr(6);
        return words;
    };
    const std::vector<std::string> arguments = named(GetParam().arguments);
    // A first whole run: its files are the old files the kills must not break, and
    // its length the time within which the kills fall.
    const auto start = std::chrono::steady_clock::now();
    ASSERT_EQ(RunCli(arguments, std::chrono::microseconds(-1)), 0);
    const auto length = std::chrono::duration_cast<std::chrono::microseconds>(
        std::chrono::steady_clock::now() - start);
    std::mt19937 random(20261207);
    std::uniform_int_distribution<long> moment(0, length.count());
    // Sixty runs, or as many as fit in half a minute on a slow (sanitised) build.
    const auto deadline = std::chrono::steady_clock::now() + std::chrono::seconds(30);
    int killed = 0, runs = 0;
    for (; runs < 60 && std::chrono::steady_clock::now() < deadline; ++runs) {
        SCOPED_TRACE(runs);
        if (RunCli(arguments, std::chrono::microseconds(moment(random))) < 0) ++killed;
        for (const std::string& path : named(GetParam().files))
            EXPECT_TRUE(Whole(GetParam().kind, ReadAllOf(path))) << path;
    }
    // The kills fell while the program ran, not only after it had finished.
    EXPECT_GE(runs, 10);
    EXPECT_GT(killed, runs / 5);
    // What the kills left is removed by the next write to the folder.
    ASSERT_EQ(RunCli(arguments, std::chrono::microseconds(-1)), 0);
    for (const std::string& path : named(GetParam().files))
        for (const std::string& name : NamesIn(fs::path(path).parent_path()))
            EXPECT_FALSE(IsTemporaryName(name)) << name;
}

// A limit on the size of files is a failure the companion reports, like a full disk:
// it is not ended by the limit's signal, and leaves no temporary.
TEST_P(KilledWriters, FileSizeLimitIsReportedNotFatal) {
    const QTemporaryDir folder;
    const fs::path target = fs::path(folder.path().toStdString()) / "target";
    std::vector<std::string> arguments = GetParam().arguments;
    for (std::string& word : arguments)
        if (word.rfind("TARGET", 0) == 0) word = target.string() + word.substr(6);
    EXPECT_GT(RunCli(arguments, std::chrono::microseconds(-1), 2000), 0);
    for (const auto& entry : fs::recursive_directory_iterator(folder.path().toStdString()))
        EXPECT_FALSE(IsTemporaryName(entry.path().filename().string())) << entry.path();
}

INSTANTIATE_TEST_SUITE_P(
    Commands, KilledWriters,
    ::testing::Values(
        KillCase{"Print", {"print", "TARGET"}, {"TARGET"}, "pdf"},
        KillCase{"Bitmap", {"bitmap", "TARGET.bmp"}, {"TARGET.bmp"}, "bmp"},
        KillCase{"Render", {"render", "TARGET"}, {"TARGET/ft.png", "TARGET/fft.png"}, "png"}),
    [](const auto& info) { return std::string(info.param.name); });

// The CSV of the command line passes through a file the user never chose: a full disk
// is said without its name.
TEST(CliCsv, FullDiskIsSaidWithoutTheInternalFile) {
    const QTemporaryDir folder;
    const fs::path said = fs::path(folder.path().toStdString()) / "said.txt";
    const pid_t child = ::fork();
    ASSERT_GE(child, 0);
    if (child == 0) {
        std::signal(SIGXFSZ, SIG_IGN);
        const rlimit limit{4000, 4000};
        ::setrlimit(RLIMIT_FSIZE, &limit);
        std::ostringstream out, err;
        const int status = cli::RunCli({"csv", "spectrum"}, out, err);
        std::ofstream(said) << err.str();
        _exit(status);
    }
    int status = 0;
    ASSERT_EQ(::waitpid(child, &status, 0), child);
    ASSERT_TRUE(WIFEXITED(status));
    EXPECT_EQ(WEXITSTATUS(status), cli::kExitMessage);
    EXPECT_EQ(ReadAllOf(said),
              "The CSV cannot be made: the new content could not be written (no room is left: "
              "the disk is full or a limit on the size of files was reached).\n");
}

// --- the desktop program without a display it can use

struct DisplayCase {
    const char* name;
    const char* display;  // nullptr: not set
    const char* line;
};

void PrintTo(const DisplayCase& c, std::ostream* out) {
    *out << c.name;
}

class NoDisplay : public ::testing::TestWithParam<DisplayCase> {};

TEST_P(NoDisplay, OneLineAndExitStatusOne) {
    const QTemporaryDir home;
    QProcess program;
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    for (const char* name : {"DISPLAY", "WAYLAND_DISPLAY", "QT_QPA_PLATFORM"})
        environment.remove(QString::fromLatin1(name));
    if (GetParam().display) environment.insert("DISPLAY", GetParam().display);
    environment.insert("HOME", home.path());
    environment.insert("XDG_CONFIG_HOME", home.path());
    program.setProcessEnvironment(environment);
    program.start(QString::fromUtf8(QUORBEL_APP_PROGRAM), {});
    ASSERT_TRUE(program.waitForFinished(20000));
    EXPECT_EQ(program.exitStatus(), QProcess::NormalExit);
    EXPECT_EQ(program.exitCode(), 1);
    EXPECT_EQ(program.readAllStandardError().toStdString(), std::string(GetParam().line) + "\n");
    // Nothing was written before the display was found missing.
    EXPECT_TRUE(fs::is_empty(home.path().toStdString()));
}

INSTANTIATE_TEST_SUITE_P(
    Displays, NoDisplay,
    ::testing::Values(
        DisplayCase{"NotSet", nullptr,
                    "fftquorbel: no display available (DISPLAY is not set); start it from a "
                    "desktop session or under xvfb-run"},
        DisplayCase{"NoServer", ":4711",
                    "fftquorbel: no display available (the display \":4711\" does not "
                    "answer); start it from a desktop session or under xvfb-run"},
        DisplayCase{"Nonsense", "not a display",
                    "fftquorbel: no display available (the display \"not a display\" does "
                    "not answer); start it from a desktop session or under xvfb-run"}),
    [](const auto& info) { return std::string(info.param.name); });

#endif

// --- the open dialog of the raw file window

// Answers the next modal file dialog: checks where it starts, picks `choose` in the
// filter `filter`.
void AnswerDialog(const QString& filter, const QString& choose, QString* startFilter,
                  QString* startFolder) {
    QTimer::singleShot(0, [=] {
        auto* dialog = qobject_cast<QFileDialog*>(QApplication::activeModalWidget());
        if (!dialog) return;
        *startFilter = dialog->selectedNameFilter();
        *startFolder = dialog->directory().absolutePath();
        dialog->selectNameFilter(filter);
        dialog->selectFile(choose);
        static_cast<QDialog*>(dialog)->accept();
    });
}

TEST(OpenDialog, StartsOnEverySoundFileAndRemembersFolderAndFilter) {
    const QTemporaryDir folder;
    const QString sound = folder.filePath("bell.oga");
    std::ofstream(sound.toStdString()) << "x";
    const std::string filters =
        "Sound Wave Files (*.raw)|*.raw|Sound files (*.raw *.wav *.oga)|*.raw;*.wav;*.oga|All "
        "files (*)|*";
    QtPlatform platform;
    QString startFilter, startFolder;
    AnswerDialog("All files (*)", sound, &startFilter, &startFolder);
    const std::optional<std::string> first = platform.OpenFileName(filters, 1);
    ASSERT_TRUE(first.has_value());
    EXPECT_EQ(*first, sound.toStdString());
    EXPECT_EQ(startFilter, "Sound files (*.raw *.wav *.oga)");
    // The second opening starts where the first ended.
    AnswerDialog("All files (*)", sound, &startFilter, &startFolder);
    ASSERT_TRUE(platform.OpenFileName(filters, 1).has_value());
    EXPECT_EQ(startFilter, "All files (*)");
    EXPECT_EQ(startFolder, QDir(folder.path()).absolutePath());
}

}  // namespace
}  // namespace quorbel
