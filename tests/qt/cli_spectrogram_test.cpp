// fftquorbel-cli's spectrogram commands run in-process: the frames as CSV, the picture
// as PNG through the spectrogram window, and the command lines they refuse.
#include <gtest/gtest.h>
#include <sndfile.h>

#include <QImage>
#include <QTemporaryDir>
#include <algorithm>
#include <cmath>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <sstream>
#include <string>
#include <vector>

#include "CaseName.h"
#include "CliRun.h"
#include "CompanionRun.h"
#include "MonoSoundFile.h"
#include "spectrogram/SpectrogramGraph.h"
#include "windows/SpectrogramWindowModel.h"

namespace quorbel::testing {
namespace {

constexpr double kTwoPi = 6.28318530717959;

class CliSpectrogram : public ::testing::Test {
  protected:
    // A full-scale tone on bin `bin` of a 1024-point frame at 8000 Hz.
    std::string WriteTone(const std::string& name, int frames, int bin) {
        const std::string path = Path(name);
        std::vector<double> x(static_cast<size_t>(frames));
        for (int k = 0; k < frames; ++k)
            x[static_cast<size_t>(k)] = std::sin(kTwoPi * bin * k / 1024.0);
        WriteMonoSound(path, 8000, x, SF_FORMAT_WAV | SF_FORMAT_FLOAT);
        return path;
    }
    std::string Path(const std::string& name) {
        return folder_.filePath(QString::fromStdString(name)).toStdString();
    }
    QTemporaryDir folder_;
};

std::vector<double> Numbers(const std::string& line) {
    std::vector<double> values;
    std::istringstream in(line);
    for (std::string field; std::getline(in, field, ',');) values.push_back(std::stod(field));
    return values;
}

TEST_F(CliSpectrogram, CsvListsEveryFrame) {
    const std::string wav = WriteTone("tone.wav", 8000, 100);
    const CompanionRun run =
        RunCompanion({"--frame", "1024", "--hop", "500", "csv", "spectrogram", wav});
    ASSERT_EQ(run.status, cli::kExitOk) << run.err;
    const std::vector<std::string> lines = LinesOf(run.out);
    // (8000 - 1024) / 500 + 1 frames after the header.
    ASSERT_EQ(lines.size(), 1u + 14u);
    EXPECT_EQ(lines[0].rfind("time (s),0 Hz,7.8125 Hz,15.625 Hz,", 0), 0u);
    EXPECT_EQ(std::count(lines[0].begin(), lines[0].end(), ','), 513);
    for (size_t k = 1; k < lines.size(); ++k) {
        const std::vector<double> v = Numbers(lines[k]);
        ASSERT_EQ(v.size(), 514u);
        EXPECT_DOUBLE_EQ(v[0], ((k - 1) * 500 + 512) / 8000.0);
        // The full-scale tone reads 0 dB on its bin, the loudest.
        EXPECT_EQ(std::max_element(v.begin() + 1, v.end()) - v.begin() - 1, 100);
        EXPECT_NEAR(v[101], 0, 0.01);
    }
}

TEST_F(CliSpectrogram, PictureIsTheWindowsExport) {
    const std::string wav = WriteTone("tone.wav", 40000, 64);
    const std::string png = Path("tone.png");
    const CompanionRun run = RunCompanion({"spectrogram", wav, png, "--frame=1024"});
    ASSERT_EQ(run.status, cli::kExitOk) << run.err;
    EXPECT_EQ(run.out, "");
    QImage image(QString::fromStdString(png));
    ASSERT_FALSE(image.isNull());
    EXPECT_EQ(image.width(), static_cast<int>(std::lround(kSpectrogramGraphWidth / 15)));
    EXPECT_EQ(image.height(), static_cast<int>(std::lround(kSpectrogramGraphHeight / 15)));
    // The tone's row is yellow (0 dB) across the picture; the cells far from it are
    // dark: 500 Hz of 4000 on the linear axis.
    SpectrogramInfo info;
    info.rate = 8000;
    info.settings = {1024, 256};
    info.frames = (40000 - 1024) / 256 + 1;
    const SpectrogramLayout l = SpectrogramLayoutFor(
        kSpectrogramGraphWidth, kSpectrogramGraphHeight, info, SpectrogramAxis::linear);
    const int toneY = static_cast<int>(l.YOfFrequency(500) / 15);
    const int quietY = static_cast<int>(l.YOfFrequency(2500) / 15);
    for (double u : {0.1, 0.5, 0.9}) {
        const int x = static_cast<int>((l.left + u * (l.right - l.left)) / 15);
        const QColor loud = image.pixelColor(x, toneY), quiet = image.pixelColor(x, quietY);
        EXPECT_GT(loud.red(), 200) << u;
        EXPECT_GT(loud.green(), 200) << u;
        EXPECT_LT(quiet.green(), 40) << u;
    }
}

TEST_F(CliSpectrogram, FilesWithoutASpectrogramSaySo) {
    const std::string wav = WriteTone("short.wav", 1000, 10);
    for (const std::vector<std::string>& words :
         {std::vector<std::string>{"csv", "spectrogram", wav},
          std::vector<std::string>{"spectrogram", wav, Path("short.png")}}) {
        const CompanionRun run = RunCompanion(words);
        EXPECT_EQ(run.status, cli::kExitMessage);
        EXPECT_EQ(run.err,
                  "The file \"short.wav\" holds 1000 samples, fewer than one frame of 2048 "
                  "points: there is no spectrogram to show.\n");
        EXPECT_EQ(run.out, "");
    }
    EXPECT_FALSE(std::filesystem::exists(Path("short.png")));
}

// A FLAC file cut in half: its first part analysed, then the damage said with exit
// status 1 and no picture; cut after its header: nothing analysed.
TEST_F(CliSpectrogram, DamagedFilesSaySoAndExit1) {
    const std::string whole = Path("whole.flac");
    std::vector<double> x(40000);
    for (size_t k = 0; k < x.size(); ++k) x[k] = 0.5 * std::sin(kTwoPi * 10 * k / 1024.0);
    WriteMonoSound(whole, 8000, x, SF_FORMAT_FLAC | SF_FORMAT_PCM_16);
    std::string bytes;
    {
        std::ifstream in(whole, std::ios::binary);
        bytes.assign(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
    }
    struct Cut {
        const char* name;
        size_t bytes;
        const char* message;
    };
    for (const Cut& cut : {Cut{"half.flac", bytes.size() / 2, "is damaged after "},
                           Cut{"header.flac", 100, "none of its samples can be decoded"}}) {
        SCOPED_TRACE(cut.name);
        std::ofstream(Path(cut.name), std::ios::binary) << bytes.substr(0, cut.bytes);
        const CompanionRun picture = RunCompanion({"spectrogram", Path(cut.name), Path("cut.png")});
        EXPECT_EQ(picture.status, cli::kExitMessage);
        EXPECT_NE(picture.err.find(cut.message), std::string::npos) << picture.err;
        EXPECT_FALSE(std::filesystem::exists(Path("cut.png")));
        const CompanionRun csv = RunCompanion({"csv", "spectrogram", Path(cut.name)});
        EXPECT_EQ(csv.status, cli::kExitMessage);
        EXPECT_NE(csv.err.find(cut.message), std::string::npos) << csv.err;
    }
}

struct UsageCase {
    const char* name;
    std::vector<std::string> words;
    const char* error;
    friend void PrintTo(const UsageCase& c, std::ostream* os) { *os << c.name; }
};

class CliSpectrogramUsage : public ::testing::TestWithParam<UsageCase> {};

TEST_P(CliSpectrogramUsage, RefusesWithOneLine) {
    const CompanionRun run = RunCompanion(GetParam().words);
    EXPECT_EQ(run.status, cli::kExitUsage);
    EXPECT_EQ(run.err, std::string("fftquorbel-cli: ") + GetParam().error + "\n");
    EXPECT_EQ(run.out, "");
}

INSTANTIATE_TEST_SUITE_P(
    Cli, CliSpectrogramUsage,
    ::testing::Values(
        UsageCase{"NoFiles",
                  {"spectrogram"},
                  "spectrogram needs the sound file and the PNG file to write"},
        UsageCase{"NoPng",
                  {"spectrogram", "a.wav"},
                  "spectrogram needs the sound file and the PNG file to write"},
        UsageCase{"CsvNoFile", {"csv", "spectrogram"}, "csv spectrogram needs the sound file"},
        UsageCase{"FrameNotPowerOfTwo",
                  {"--frame", "1000", "csv", "spectrogram", "a.wav"},
                  "The frame must be a power of two from 256 to 16384 points, not 1000."},
        UsageCase{"HopBeyondFrame",
                  {"--frame", "256", "--hop", "300", "spectrogram", "a.wav", "a.png"},
                  "The hop must be from 1 to the frame's 256 points, not 300."},
        UsageCase{"FrameNotANumber",
                  {"--frame", "big", "csv", "spectrogram", "a.wav"},
                  "--frame needs a whole number of points, not \"big\""},
        UsageCase{"FrameWithoutSpectrogram",
                  {"--frame", "1024", "samples"},
                  "--frame and --hop apply to the spectrogram only"},
        UsageCase{"RawWithSpectrogram",
                  {"--raw", "a.wav", "--select", "0,2000", "csv", "spectrogram", "a.wav"},
                  "the spectrogram takes its file after the command (no --raw, --select)"},
        UsageCase{"LogWithSpectrogram",
                  {"--log", "spectrogram", "a.wav", "a.png"},
                  "the spectrogram takes only --frame, --hop, --fs and --channels (and "
                  "--worksheet for its picture)"},
        UsageCase{"BadRate",
                  {"--fs", "0", "csv", "spectrogram", "a.raw"},
                  "--fs needs a number of hertz from 1 to 1000000"}),
    PrintedName());

}  // namespace
}  // namespace quorbel::testing
