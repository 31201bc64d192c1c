// fftquorbel-cli run in-process: what it prints is what the main window holds after
// the same clicks, errors are one line with status 2, the window's messages give
// status 1, and the user's opening-parameters files are never written.
#include <fcntl.h>
#include <gtest/gtest.h>
#include <sndfile.h>
#include <unistd.h>

#include <QImage>
#include <QTemporaryDir>
#include <QtGlobal>
#include <algorithm>
#include <cmath>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <optional>
#include <sstream>
#include <string>
#include <vector>

#include "../core/ModelFixture.h"
#include "CliRun.h"
#include "CompanionRun.h"
#include "DescriptorOutput.h"
#include "state/ParamFile.h"

namespace quorbel {
namespace {

namespace fs = std::filesystem;

struct CliResult {
    int status = -1;
    std::vector<std::string> out;  // one entry per printed line
    std::vector<std::string> err;
};

CliResult RunCliWith(const std::vector<std::string>& arguments) {
    const testing::CompanionRun run = testing::RunCompanion(arguments);
    return {run.status, testing::LinesOf(run.out), testing::LinesOf(run.err)};
}

// The peaks of an FFT graph list: bins (line - 1) whose value exceeds `threshold` in
// magnitude. Lines 1..n hold the bins; the scale maximum and "0" follow.
std::vector<int> PeakBins(const std::vector<std::string>& graph, double threshold) {
    std::vector<int> bins;
    const int n = std::stoi(graph.at(0));
    for (int line = 1; line <= n; ++line)
        if (std::abs(std::stod(graph.at(line))) > threshold) bins.push_back(line - 1);
    return bins;
}

std::string ReadFile(const fs::path& path) {
    std::ifstream in(path, std::ios::binary);
    return {std::istreambuf_iterator<char>(in), {}};
}

void WriteFile(const fs::path& path, const std::string& content) {
    std::ofstream(path, std::ios::binary) << content;
}

// One sine of amplitude 1 at 10 cycles per second: its transform is a single peak of
// height 512 at bin 10.
const std::string kOneSine =
    "1024,10\r\n1,1,0\r\n0,0,0\r\n0,0,0\r\n0,0,0\r\n0,0,0\r\n0,0,0\r\n0,0,0\r\n0,0,0\r\n"
    "0,0,0\r\n0,0,0\r\n";

class CliWithFiles : public ::testing::Test {
  protected:
    fs::path File(const char* name) const { return fs::path(folder_.path().toStdString()) / name; }

  private:
    QTemporaryDir folder_;
};

// ---- The lists of the default record ---------------------------------------------

using CliDefaults = quorbel::testing::ModelFixture;

TEST_F(CliDefaults, ListsEqualTheWindowsAfterStartUp) {
    const AnalysisState& window = Loaded().State();
    ASSERT_TRUE(platform.messages.empty());
    const struct {
        const char* command;
        const DataList& list;
    } cases[] = {
        {"samples", window.sampleList},
        {"spectrum", window.spectrumList},
        {"graph", window.graphValueList},
        {"displayed", window.displayedValueList},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.command);
        const CliResult result = RunCliWith({c.command});
        EXPECT_EQ(result.status, cli::kExitOk);
        EXPECT_TRUE(result.err.empty());
        EXPECT_EQ(result.out, c.list.Lines());
    }
}

TEST(CliDefaultSamples, HeaderSamplesAndLargestValue) {
    const CliResult result = RunCliWith({"samples"});
    ASSERT_EQ(result.out.size(), 1026u);
    EXPECT_EQ(result.out[0], "1024");
    EXPECT_EQ(result.out[1], "0");  // a sum of sines starts at zero
}

// ---- Options reach the window -----------------------------------------------------

TEST(CliFunction, CosineSumStartsAtTheSumOfTheAmplitudes) {
    const CliResult result = RunCliWith({"--cos", "samples"});
    EXPECT_EQ(result.status, cli::kExitOk);
    ASSERT_EQ(result.out.size(), 1026u);
    EXPECT_EQ(result.out[1], "15");
}

TEST(CliFunction, SquareWaveStartsAtPlusOne) {
    const CliResult result = RunCliWith({"--wave", "square", "samples"});
    EXPECT_EQ(result.status, cli::kExitOk);
    ASSERT_GT(result.out.size(), 1u);
    EXPECT_EQ(result.out[1], "1");
}

TEST(CliFunction, SimpleWavePhaseMovesTheFirstSample) {
    const CliResult sine = RunCliWith({"--wave=sine", "samples"});
    const CliResult shifted = RunCliWith({"--wave=sine", "--phase", "1.5707963267949", "samples"});
    ASSERT_GT(sine.out.size(), 1u);
    ASSERT_GT(shifted.out.size(), 1u);
    EXPECT_EQ(sine.out[1], "0");
    EXPECT_EQ(shifted.out[1], "1");
}

TEST(CliMethod, ComplexSpectrumHasAnEmptyHeaderAndAllFrequencies) {
    const CliResult result = RunCliWith({"--method", "complex", "spectrum"});
    EXPECT_EQ(result.status, cli::kExitOk);
    ASSERT_EQ(result.out.size(), 2049u);
    EXPECT_EQ(result.out[0], "");
}

TEST(CliMethod, NegativeFrequenciesDoubleTheGraph) {
    EXPECT_EQ(RunCliWith({"--method", "complex", "graph"}).out.at(0), "512");
    EXPECT_EQ(RunCliWith({"--method", "complex", "--negative", "graph"}).out.at(0), "1024");
}

TEST(CliHalving, OneHalvingZeroesTheSecondHalfOfTheWindow) {
    const CliResult result = RunCliWith({"--halve", "1", "samples"});
    EXPECT_EQ(result.status, cli::kExitOk);
    ASSERT_EQ(result.out.size(), 1026u);
    for (int line = 513; line <= 1024; ++line) {
        EXPECT_EQ(result.out[static_cast<size_t>(line)], "0") << "line " << line;
    }
}

TEST_F(CliWithFiles, CyclesAndDisplayedQuantityReachTheGraph) {
    const fs::path params = File("one-sine.wr");
    WriteFile(params, kOneSine);
    const std::string file = params.string();
    // rho
    EXPECT_EQ(PeakBins(RunCliWith({"--params", file, "graph"}).out, 1), std::vector<int>{10});
    EXPECT_EQ(PeakBins(RunCliWith({"--params", file, "--cycles", "20", "graph"}).out, 1),
              std::vector<int>{20});
    // A sine lies in the imaginary parts, a cosine in the real parts.
    EXPECT_EQ(PeakBins(RunCliWith({"--params", file, "--show", "imag", "graph"}).out, 1),
              std::vector<int>{10});
    EXPECT_TRUE(PeakBins(RunCliWith({"--params", file, "--show", "real", "graph"}).out, 1).empty());
    EXPECT_EQ(PeakBins(RunCliWith({"--params", file, "--cos", "--show", "real", "graph"}).out, 1),
              std::vector<int>{10});
    EXPECT_EQ(ReadFile(params), kOneSine);
}

// ---- Errors and messages ------------------------------------------------------------

TEST(CliErrors, UsageErrorsAreOneLineWithStatusTwo) {
    const std::vector<std::vector<std::string>> cases = {
        {"--frobnicate", "samples"},
        {},
        {"--cos"},
        {"transform"},
        {"samples", "spectrum"},
        {"--halve", "-1", "samples"},
        {"--halve", "x", "samples"},
        {"--halve", "samples"},
        {"--method", "foo", "samples"},
        {"--show", "phase", "samples"},
        {"--wave", "sawtooth", "samples"},
        {"--cos=yes", "samples"},
        {"samples", "--cycles"},
        {"--negative", "spectrum"},
        {"--wave", "sine", "--cos", "samples"},
        {"--phase", "1", "samples"},
        {"--tuning", "3", "samples"},
        {"--log", "--tuning", "11", "samples"},
        {"--log", "--tuning", "x", "samples"},
        {"render"},
        {"render", "a", "b"},
        {"--log", "--method", "complex", "--negative", "samples"},
        {"--log", "--show", "both", "samples"},
        // After "--" no word is an option.
        {"--", "--help"},
        {"samples", "--", "--cos"},
    };
    for (const auto& arguments : cases) {
        std::string words;
        for (const std::string& word : arguments) words += word + " ";
        SCOPED_TRACE(words);
        const CliResult result = RunCliWith(arguments);
        EXPECT_EQ(result.status, cli::kExitUsage);
        EXPECT_TRUE(result.out.empty());
        EXPECT_EQ(result.err.size(), 1u);
    }
}

TEST(CliErrors, NegativeFrequenciesNeedTheComplexMethod) {
    const CliResult result = RunCliWith({"--method", "realft", "--negative", "spectrum"});
    EXPECT_EQ(result.status, cli::kExitUsage);
    ASSERT_EQ(result.err.size(), 1u);
    EXPECT_NE(result.err[0].find("--negative needs --method complex"), std::string::npos);
}

TEST(CliErrors, RefusedFieldPrintsTheListThenTheWindowsMessage) {
    const CliResult result = RunCliWith({"--cycles", "abc", "samples"});
    EXPECT_EQ(result.status, cli::kExitMessage);
    // The refused field leaves the samples of the start-up.
    EXPECT_EQ(result.out, RunCliWith({"samples"}).out);
    ASSERT_EQ(result.err.size(), 1u);
    EXPECT_NE(result.err[0].find("\"abc\", which is not a number"), std::string::npos);
}

TEST(CliErrors, HelpNamesEveryOptionAndCommand) {
    const CliResult result = RunCliWith({"--help"});
    EXPECT_EQ(result.status, cli::kExitOk);
    EXPECT_TRUE(result.err.empty());
    std::string help;
    for (const std::string& line : result.out) help += line + "\n";
    for (const char* word :
         {"--params", "--cos",     "--method", "--negative", "--show",     "--wave",  "--log",
          "--tuning", "render",    "--cycles", "--phase",    "--halve",    "samples", "spectrum",
          "graph",    "displayed", "realft",   "complex",    "rho",        "imag",    "realg",
          "both",     "multiple",  "sine",     "square",     "triangular", "controls"}) {
        EXPECT_NE(help.find(word), std::string::npos) << word;
    }
}

// After "--" a word that starts with '-' names a file.
TEST(CliErrors, AfterTheDoubleDashAWordIsAFile) {
    const QTemporaryDir dir;
    ASSERT_TRUE(dir.isValid());
    const fs::path before = fs::current_path();
    fs::current_path(dir.path().toStdString());
    {
        std::ofstream out("-tone.raw", std::ios::binary);
        for (int k = 0; k < 8000; ++k)
            out.put(static_cast<char>(128 + std::lround(100 * std::sin(k * 0.2))));
    }
    const CliResult csv = RunCliWith({"csv", "spectrogram", "--", "-tone.raw"});
    fs::current_path(before);
    EXPECT_EQ(csv.status, cli::kExitOk);
    EXPECT_GT(csv.out.size(), 2u);
}

// Whatever the command, output that cannot be written is said with the system's
// reason and fails the run: a full disk, a closed descriptor, a stream in error.
TEST(CliErrors, OutputThatCannotBeWrittenIsAMessageAndStatusOne) {
    const QTemporaryDir dir;
    ASSERT_TRUE(dir.isValid());
    const std::string sound = (fs::path(dir.path().toStdString()) / "tone.raw").string();
    {
        std::ofstream out(sound, std::ios::binary);
        for (int k = 0; k < 8000; ++k)
            out.put(static_cast<char>(128 + std::lround(100 * std::sin(k * 0.2))));
    }
    const int full = ::open("/dev/full", O_WRONLY | O_CLOEXEC);
    ASSERT_GE(full, 0);
    const std::pair<int, const char*> targets[] = {{full, "No space left on device"},
                                                   {-1, "Bad file descriptor"}};
    const std::vector<std::vector<std::string>> commands = {{"samples"},
                                                            {"report"},
                                                            {"inverse"},
                                                            {"csv", "samples"},
                                                            {"--help"},
                                                            {"controls", "Form5"},
                                                            {"csv", "spectrogram", sound}};
    for (const auto& [fd, reason] : targets) {
        for (const std::vector<std::string>& arguments : commands) {
            SCOPED_TRACE(arguments.front() + " " + arguments.back() + " into " + reason);
            std::ostringstream err;
            int status = -1;
            {
                cli::DescriptorOutput buffer(fd);
                std::ostream out(&buffer);
                status = cli::RunCli(arguments, out, err);
            }
            EXPECT_EQ(status, cli::kExitMessage);
            EXPECT_EQ(err.str(), std::string("fftquorbel-cli: the output cannot be written: ") +
                                     reason + "\n");
        }
    }
    ::close(full);
    std::ostringstream out, err;
    out.setstate(std::ios::badbit);
    EXPECT_EQ(cli::RunCli({"samples"}, out, err), cli::kExitMessage);
    EXPECT_EQ(err.str(), "fftquorbel-cli: the output cannot be written\n");
}

// ---- The user's opening-parameters files --------------------------------------------

TEST_F(CliWithFiles, MissingParamsFileIsAnErrorAndIsNotCreated) {
    const fs::path missing = File("missing.wr");
    const CliResult result = RunCliWith({"--params", missing.string(), "samples"});
    EXPECT_EQ(result.status, cli::kExitUsage);
    EXPECT_TRUE(result.out.empty());
    EXPECT_EQ(result.err.size(), 1u);
    EXPECT_FALSE(fs::exists(missing));
}

TEST_F(CliWithFiles, ShortParamsFileIsAnErrorAndStaysAsItWas) {
    const fs::path params = File("short.wr");
    WriteFile(params, "1024,30\r\n");
    const CliResult result = RunCliWith({"--params", params.string(), "samples"});
    EXPECT_EQ(result.status, cli::kExitUsage);
    EXPECT_TRUE(result.out.empty());
    EXPECT_EQ(result.err.size(), 1u);
    EXPECT_EQ(ReadFile(params), "1024,30\r\n");
}

TEST_F(CliWithFiles, RecordTheWindowCannotStartFromIsAnErrorAndStaysAsItWas) {
    // 32 numbers, but more points than the synthesis holds: the window itself would
    // replace the file with the default record and carry on.
    const fs::path params = File("too-many-points.wr");
    std::string record = ParamFile::DefaultRecord();
    record.replace(0, 4, "99999");
    WriteFile(params, record);
    const CliResult result = RunCliWith({"--params", params.string(), "samples"});
    EXPECT_EQ(result.status, cli::kExitUsage);
    EXPECT_TRUE(result.out.empty());
    EXPECT_EQ(result.err.size(), 1u);
    EXPECT_EQ(ReadFile(params), record);
}

// ---- Report, expansion and scrolling ---------------------------------------------

// The words of a line, split at blanks.
std::vector<std::string> Words(const std::string& line) {
    std::vector<std::string> words;
    std::istringstream in(line);
    for (std::string word; in >> word;) words.push_back(word);
    return words;
}

TEST(CliReport, PlainTextWithItemsAtTheirColumns) {
    const CliResult result = RunCliWith({"report"});
    ASSERT_EQ(result.status, cli::kExitOk);
    ASSERT_FALSE(result.out.empty());
    EXPECT_EQ(result.out[0], std::string(19, ' ') + "Report");
    size_t hz = 0;
    while (hz < result.out.size() && result.out[hz].find("(Hz)") == std::string::npos) ++hz;
    ASSERT_LT(hz, result.out.size());
    EXPECT_EQ(result.out[hz].find("(Hz)"), 8u);  // column 9
    EXPECT_NE(result.out[hz - 1].find("φ"), std::string::npos);
    EXPECT_NE(result.out[hz - 1].find("ρ"), std::string::npos);
    // One row per peak of the default record: frequency, amplitude, φ, θ.
    std::vector<std::string> frequencies;
    for (size_t line = hz + 1; line < result.out.size(); ++line) {
        const std::vector<std::string> row = Words(result.out[line]);
        ASSERT_EQ(row.size(), 4u) << result.out[line];
        frequencies.push_back(row[0]);
    }
    EXPECT_EQ(frequencies,
              (std::vector<std::string>{"30", "60", "90", "150", "210", "240", "300"}));
}

TEST_F(CliWithFiles, RefusedReportsPrintTheReasonWithStatusOne) {
    std::string record = ParamFile::DefaultRecord();
    record.replace(0, 4, "2048");
    const fs::path params = File("2048.wr");
    WriteFile(params, record);
    const struct {
        std::vector<std::string> arguments;
        const char* reason;
    } cases[] = {
        {{"--params", params.string(), "report"}, "It is not possible to print the report"},
        {{"--show", "both", "report"}, "\"Report\" cannot be used"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.reason);
        const CliResult result = RunCliWith(c.arguments);
        EXPECT_EQ(result.status, cli::kExitMessage);
        EXPECT_TRUE(result.out.empty());
        ASSERT_FALSE(result.err.empty());
        EXPECT_NE(result.err.back().find(c.reason), std::string::npos) << result.err.back();
    }
}

TEST(CliExpansion, ExpandThenScroll) {
    const struct {
        std::vector<std::string> arguments;
        int status;
        int count, offset;  // of the displayed list when the status is 0
    } cases[] = {
        // Points Int(X * 511 / 7665): 51 and 102.
        {{"--expand", "766.5,1533", "displayed"}, cli::kExitOk, 52, 51},
        {{"--expand=1533,766.5", "displayed"}, cli::kExitOk, 52, 51},
        {{"--expand", "766.5,1533", "--scroll", "200", "displayed"}, cli::kExitOk, 52, 200},
        {{"--expand", "766.5,800", "displayed"}, cli::kExitMessage, 512, 0},
        {{"--expand", "766.5,800", "--scroll", "3", "displayed"}, cli::kExitMessage, 0, 0},
        {{"--scroll", "3", "displayed"}, cli::kExitUsage, 0, 0},
        {{"--expand", "12", "displayed"}, cli::kExitUsage, 0, 0},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.arguments.at(1));
        const CliResult result = RunCliWith(c.arguments);
        EXPECT_EQ(result.status, c.status);
        if (c.count == 0) continue;
        ASSERT_GE(result.out.size(), 3u);
        EXPECT_EQ(std::stoi(result.out[0]), c.count);
        EXPECT_EQ(std::stoi(result.out.back()), c.offset);
    }
}

TEST_F(CliWithFiles, DefaultRunLeavesTheUsersConfigurationAlone) {
    const fs::path config = File("config");
    const std::optional<QByteArray> oldConfig =
        qEnvironmentVariableIsSet("XDG_CONFIG_HOME")
            ? std::optional<QByteArray>(qgetenv("XDG_CONFIG_HOME"))
            : std::nullopt;
    qputenv("XDG_CONFIG_HOME", QByteArray::fromStdString(config.string()));
    const CliResult result = RunCliWith({"--cycles", "12", "spectrum"});
    if (oldConfig)
        qputenv("XDG_CONFIG_HOME", *oldConfig);
    else
        qunsetenv("XDG_CONFIG_HOME");
    EXPECT_EQ(result.status, cli::kExitOk);
    EXPECT_FALSE(fs::exists(config));
}

// A sound loaded with --raw goes through the raw file window before every other
// option; the commands then work on it, and the window's refusals are messages.
TEST(CliRaw, SoundsAndRefusals) {
    const QTemporaryDir dir;
    ASSERT_TRUE(dir.isValid());
    const std::string sound = (fs::path(dir.path().toStdString()) / "tone.raw").string();
    {
        std::ofstream out(sound, std::ios::binary);
        for (int k = 0; k < 3000; ++k)
            out.put(static_cast<char>(128 + std::lround(100 * std::sin(k * 0.2))));
    }
    struct Case {
        const char* name;
        std::vector<std::string> arguments;
        int status;
        const char* firstLine;  // of standard output, or of standard error on refusal
    };
    const Case cases[] = {
        {"samples", {"--raw", sound, "--select", "0,1100", "samples"}, 0, "1024"},
        {"at 11025 Hz",
         {"--raw", sound, "--fs", "11025", "--select", "0,2100", "samples"},
         0,
         "2048"},
        {"inverse", {"--raw", sound, "--select", "0,1100", "inverse"}, 0, "maxOrig=100"},
        {"too few points",
         {"--raw", sound, "--select", "0,1000", "samples"},
         1,
         "fftquorbel-cli: The calculation will not produce good results with a number of "
         "points below  1024. Select a little bit larger region. "},
        {"bad frequency",
         {"--raw", sound, "--fs", "x", "--select", "0,1100", "samples"},
         1,
         "fftquorbel-cli: The frequency of the file must be a number of hertz from 1 to "
         "1000000 (for example 22050). Type it in the box above and transfer again."},
        {"no selection", {"--raw", sound, "samples"}, 2, nullptr},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        const CliResult r = RunCliWith(c.arguments);
        EXPECT_EQ(r.status, c.status);
        const std::vector<std::string>& lines = c.status == 0 ? r.out : r.err;
        ASSERT_FALSE(lines.empty());
        if (c.firstLine) {
            EXPECT_EQ(lines.front(), c.firstLine);
        }
    }
}

// A sound file opened with --raw brings its own rate, which --fs may leave out; a
// stereo file gives its first channel or, with --channels mean, the mean of both.
TEST(CliRaw, SoundFilesAtTheirOwnRate) {
    const QTemporaryDir dir;
    ASSERT_TRUE(dir.isValid());
    const std::string sound = (fs::path(dir.path().toStdString()) / "lr.wav").string();
    {
        SF_INFO info{};
        info.samplerate = 8000;
        info.channels = 2;
        info.format = SF_FORMAT_WAV | SF_FORMAT_PCM_16;
        SNDFILE* file = sf_open(sound.c_str(), SFM_WRITE, &info);
        ASSERT_NE(file, nullptr);
        // Left +64, right -32 on the scale -128..127 (top 8 bits of 16).
        std::vector<short> frames;
        for (int k = 0; k < 3000; ++k) frames.push_back(64 * 256), frames.push_back(-32 * 256);
        sf_writef_short(file, frames.data(), 3000);
        sf_close(file);
    }
    struct Case {
        const char* name;
        std::vector<std::string> arguments;
        int status;
        const char* line;  // a line of standard output, or the first of standard error
    };
    const Case cases[] = {
        {"own rate",
         {"--raw", sound, "--select", "0,1100", "report"},
         0,
         "Frequency of file: 8000 Hz"},
        {"rate typed",
         {"--raw", sound, "--fs", "4000", "--select", "0,1100", "report"},
         0,
         "Frequency of file: 4000 Hz"},
        {"first channel", {"--raw", sound, "--select", "0,1100", "samples"}, 0, "64"},
        {"mean", {"--raw", sound, "--channels", "mean", "--select", "0,1100", "samples"}, 0, "16"},
        {"bad choice",
         {"--raw", sound, "--channels", "left", "--select", "0,1100", "samples"},
         2,
         "fftquorbel-cli: --channels needs first or mean, not \"left\""},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        const CliResult r = RunCliWith(c.arguments);
        EXPECT_EQ(r.status, c.status);
        if (c.status != 0) {
            ASSERT_FALSE(r.err.empty());
            EXPECT_EQ(r.err.front(), c.line);
            continue;
        }
        // Lines compared without their leading blanks.
        const bool found = std::any_of(r.out.begin(), r.out.end(), [&](const std::string& l) {
            return l.substr(std::min(l.find_first_not_of(' '), l.size())) == c.line;
        });
        EXPECT_TRUE(found);
    }
}

// inverse prints the figures, an empty line, the errors, then N table rows.
TEST(CliInverse, FiguresThenTheTable) {
    const CliResult r = RunCliWith({"inverse"});
    ASSERT_EQ(r.status, 0);
    ASSERT_EQ(r.out.size(), 7u + 1024u);
    const char* labels[] = {"maxOrig=",
                            "maxRevert=",
                            "minOrig=",
                            "minRevert=",
                            "",
                            "Maximum error=",
                            "Maximum relative error="};
    for (size_t i = 0; i < 7; ++i) EXPECT_EQ(r.out[i].rfind(labels[i], 0), 0u) << i;
    EXPECT_EQ(r.out[6].back(), '%');
    EXPECT_EQ(r.out[7].substr(0, 1), "0");
    EXPECT_EQ(r.out[7].find_first_not_of(' ', 1), 26u);
}

}  // namespace
}  // namespace quorbel

namespace quorbel {
namespace {

TEST(CliRender, WritesThePicturesTheWindowHoldsAndPrintsTheirPaths) {
    struct Case {
        std::vector<std::string> options;
        std::vector<std::string> files;
    };
    const Case cases[] = {
        {{}, {"ft.png", "fft.png"}},
        {{"--log"}, {"ft.png", "music.png"}},
        {{"--log", "--tuning", "-4"}, {"ft.png", "music.png"}},
    };
    for (const Case& c : cases) {
        QTemporaryDir dir;
        ASSERT_TRUE(dir.isValid());
        const fs::path folder = fs::path(dir.path().toStdString()) / "pictures";
        std::vector<std::string> arguments = c.options;
        arguments.push_back("render");
        arguments.push_back(folder.string());
        SCOPED_TRACE(std::to_string(c.options.size()));
        const CliResult result = RunCliWith(arguments);
        EXPECT_EQ(result.status, cli::kExitOk);
        EXPECT_TRUE(result.err.empty());
        ASSERT_EQ(result.out.size(), c.files.size());
        for (size_t i = 0; i < c.files.size(); ++i) {
            EXPECT_EQ(result.out[i], (folder / c.files[i]).string());
            QImage image;
            ASSERT_TRUE(image.load(QString::fromStdString(result.out[i])));
            EXPECT_GT(image.width(), 0);
        }
        if (c.files.back() == "music.png") {
            // The musical canvas: dark purple, with the yellow ruler's first tick.
            QImage music(QString::fromStdString(result.out.back()));
            EXPECT_EQ(music.pixel(music.width() - 3, 3) & 0xFFFFFF, qRgb(64, 0, 64) & 0xFFFFFF);
            const int ruler = static_cast<int>((2 * 4960.0 / 3 + 540) / 15);
            EXPECT_EQ(music.pixel(0, ruler) & 0xFFFFFF, qRgb(255, 255, 0) & 0xFFFFFF);
        }
    }
}

struct ShownPicturesCase {
    const char* name;
    std::vector<std::string> options;
    std::vector<std::string> files;  // written, in this order
};

class CliRenderShown : public ::testing::TestWithParam<ShownPicturesCase> {};

// The pictures of the graphs the window shows, none of a hidden graph: no picture is
// blank (a single colour) and no other file is left in the folder.
TEST_P(CliRenderShown, WritesThePicturesOfTheGraphsShownAndNoBlankOne) {
    const ShownPicturesCase& c = GetParam();
    QTemporaryDir dir;
    ASSERT_TRUE(dir.isValid());
    const fs::path folder = fs::path(dir.path().toStdString()) / "pictures";
    std::vector<std::string> arguments = c.options;
    arguments.push_back("render");
    arguments.push_back(folder.string());
    const CliResult result = RunCliWith(arguments);
    EXPECT_EQ(result.status, cli::kExitOk);
    EXPECT_TRUE(result.err.empty());
    std::vector<std::string> expected;
    for (const std::string& file : c.files) expected.push_back((folder / file).string());
    EXPECT_EQ(result.out, expected);
    size_t inFolder = 0;
    for (const auto& entry : fs::directory_iterator(folder)) {
        ++inFolder;
        const std::string name = entry.path().filename().string();
        if (entry.path().extension() == ".svg") {
            // Drawn again by the export, never from a hidden surface.
            EXPECT_NE(ReadFile(entry.path()).find("<svg"), std::string::npos) << name;
            continue;
        }
        QImage image;
        ASSERT_TRUE(image.load(QString::fromStdString(entry.path().string()))) << name;
        const QRgb corner = image.pixel(0, 0);
        bool drawn = false;
        for (int y = 0; y < image.height() && !drawn; ++y)
            for (int x = 0; x < image.width() && !drawn; ++x) drawn = image.pixel(x, y) != corner;
        EXPECT_TRUE(drawn) << name << " is blank";
    }
    EXPECT_EQ(inFolder, c.files.size());
}

INSTANTIATE_TEST_SUITE_P(
    Views, CliRenderShown,
    ::testing::Values(
        ShownPicturesCase{"Linear", {}, {"ft.png", "fft.png"}},
        ShownPicturesCase{"Log", {"--log"}, {"ft.png", "music.png"}},
        ShownPicturesCase{
            "LogSvg", {"--log", "--svg"}, {"ft.png", "music.png", "ft.svg", "music.svg"}},
        ShownPicturesCase{"LinearSvg", {"--svg"}, {"ft.png", "fft.png", "ft.svg", "fft.svg"}},
        ShownPicturesCase{
            "BothSeparately", {"--show", "both"}, {"ft.png", "fft-imaginary.png", "fft-real.png"}}),
    [](const auto& info) { return std::string(info.param.name); });

TEST(CliRender, TuningMovesTheDisplayedSpectrumNotItsValues) {
    const CliResult plain = RunCliWith({"--log", "displayed"});
    const CliResult tuned = RunCliWith({"--log", "--tuning", "5", "displayed"});
    EXPECT_EQ(plain.status, cli::kExitOk);
    EXPECT_EQ(tuned.out, plain.out);
    EXPECT_EQ(plain.out, RunCliWith({"graph"}).out);
}

}  // namespace
}  // namespace quorbel
