// The spectrogram window opened from the raw file window: the analysis in slices with
// its progress, the axis switch, the read-out under the pointer, the export of the
// picture, and the files and settings that give no spectrogram.
#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <fstream>

#include "CaseName.h"
#include "MonoSoundFile.h"
#include "RawWindowFixture.h"
#include "spectrogram/Viridis.h"

namespace quorbel::testing {
namespace {

constexpr double kTwoPi = 6.28318530717959;

class SpectrogramWindow : public RawWindowFixture {
  protected:
    SpectrogramWindowModel& S() { return Raw().Spectrogram(); }
    RecordingSurface& Picture() { return dynamic_cast<RecordingSurface&>(S().Picture()); }
    // `seconds` of a tone at half of full scale: 440 Hz, then 880 Hz from 1 s on.
    std::string WriteSteps(const std::string& name, double seconds, int rate = 22050) {
        const std::string path = (dir_ / name).string();
        const int frames = static_cast<int>(seconds * rate);
        std::vector<double> x(static_cast<size_t>(frames));
        for (int k = 0; k < frames; ++k) {
            const double t = static_cast<double>(k) / rate;
            x[static_cast<size_t>(k)] = 0.5 * (t < 1 ? std::sin(kTwoPi * 440 * t)
                                                     : std::sin(kTwoPi * (440 + 880 * (t - 1))));
        }
        WriteMonoSound(path, rate, x);
        return path;
    }
    void OpenSpectrogram(const std::string& path) {
        Loaded();
        Open(path);
        ASSERT_TRUE(Raw().Fire("mnuSpectrogram", Event::Click));
    }
    void AnalyseAll() {
        for (int slice = 0; S().Analysing() && slice < 10000; ++slice) S().AnalyseSlice();
    }
};

TEST_F(SpectrogramWindow, FillsInSliceBySliceWithItsProgress) {
    // 30 s at 22050 Hz: 1289 frames of 2048, more than one slice.
    OpenSpectrogram(WriteSteps("steps.wav", 30));
    ASSERT_TRUE(platform.messages.empty()) << platform.messages.front();
    EXPECT_TRUE(S().View().shown);
    EXPECT_EQ(S().View().caption, "FFT Quorbel - Spectrogram");
    EXPECT_TRUE(S().Analysing());
    EXPECT_TRUE(S().View()["ProgressBar1"].visible);
    EXPECT_EQ(S().View()["ProgressBar1"].value, 0);
    S().AnalyseSlice();
    const int part = S().View()["ProgressBar1"].value;
    EXPECT_GT(part, 0);
    EXPECT_LT(part, 100);
    // The window answers meanwhile: the axis switches and the picture is drawn again.
    EXPECT_TRUE(S().Fire("Option2", Event::Click));
    EXPECT_TRUE(S().View()["Option2"].checked);
    EXPECT_FALSE(S().View()["Option1"].checked);
    AnalyseAll();
    EXPECT_FALSE(S().Analysing());
    EXPECT_FALSE(S().View()["ProgressBar1"].visible);
    EXPECT_EQ(S().View()["Label2"].caption,
              "steps.wav: 22050 Hz, 30.00 s, frames of 2048 every 512 points");
    // Drawn again whole, every column holds levels: the pieces of cells cover the
    // picture's width and none is left empty (black).
    ASSERT_TRUE(S().Fire("Option1", Event::Click));
    const SpectrogramLayout& l = S().Layout();
    const int rows = SpectrogramCellsFor(Picture(), l, S().Shown()->Info()).rows;
    double covered = 0;
    for (const auto& raster : Picture().Rasters()) {
        if (raster.rows != rows) continue;
        covered += raster.x2 - raster.x1;
        EXPECT_EQ(std::count(raster.pixels.begin(), raster.pixels.end(), colors::kBlack), 0);
    }
    EXPECT_NEAR(covered, l.right - l.left, 1e-6);
}

struct ReadoutCase {
    const char* option;  // the axis
    double seconds, hertz;
    const char* readout;
    friend void PrintTo(const ReadoutCase& c, std::ostream* os) {
        *os << c.option << "_" << c.seconds << "s_" << c.hertz << "Hz";
    }
};

class SpectrogramReadouts : public SpectrogramWindow,
                            public ::testing::WithParamInterface<ReadoutCase> {};

TEST_P(SpectrogramReadouts, NameTimeFrequencyNoteAndLevel) {
    const ReadoutCase c = GetParam();
    OpenSpectrogram(WriteSteps("steps.wav", 2));
    AnalyseAll();
    ASSERT_TRUE(S().Fire(c.option, Event::Click));
    const SpectrogramLayout& l = S().Layout();
    EXPECT_NEAR(l.TimeAtX(l.XOfTime(c.seconds)), c.seconds, 1e-9);
    EXPECT_NEAR(l.FrequencyAtY(l.YOfFrequency(c.hertz)), c.hertz, 1e-9);
    ASSERT_TRUE(S().Fire("Picture1", Event::MouseMove,
                         {.x = l.XOfTime(c.seconds), .y = l.YOfFrequency(c.hertz)}));
    EXPECT_EQ(S().View()["Label1"].caption, c.readout);
}

// The tone is at half of full scale (-6.02 dB) and its frequency lies between bins
// (0.13 of a bin from the nearest at 440 Hz, 0.27 at 880 Hz), so the nearest bin reads
// a little lower; beyond the picture's edges the read-out is empty.
INSTANTIATE_TEST_SUITE_P(
    Spectrogram, SpectrogramReadouts,
    ::testing::Values(ReadoutCase{"Option1", 0.5, 440, "0.500 s   440 Hz  A4 +0 c   -6.1 dB"},
                      ReadoutCase{"Option2", 0.5, 440, "0.500 s   440 Hz  A4 +0 c   -6.1 dB"},
                      ReadoutCase{"Option2", 1.5, 880, "1.500 s   880 Hz  A5 +0 c   -6.4 dB"},
                      ReadoutCase{"Option1", 1.5, 880, "1.500 s   880 Hz  A5 +0 c   -6.4 dB"},
                      ReadoutCase{"Option1", 3, 440, ""}, ReadoutCase{"Option2", 1, 8000, ""}),
    PrintedName());

TEST_F(SpectrogramWindow, MusicalAxisStandsBesideAKeyboard) {
    OpenSpectrogram(WriteSteps("steps.wav", 2));
    AnalyseAll();
    const auto whiteKeys = [this] {
        int keys = 0;
        for (const Primitive& p : Picture().OfKind(Primitive::Kind::Box))
            if (p.color == colors::kWhite) ++keys;
        return keys;
    };
    EXPECT_EQ(whiteKeys(), 0);
    ASSERT_TRUE(S().Fire("Option2", Event::Click));
    EXPECT_EQ(S().Layout().axis, SpectrogramAxis::musical);
    // A0 to C8: the piano's 52 white keys.
    EXPECT_EQ(whiteKeys(), 52);
    std::vector<std::string> texts = Picture().Texts();
    for (const char* c : {"C1", "C4", "C8"})
        EXPECT_NE(std::find(texts.begin(), texts.end(), c), texts.end()) << c;
    // Back to hertz: no keyboard.
    ASSERT_TRUE(S().Fire("Option1", Event::Click));
    EXPECT_EQ(whiteKeys(), 0);
}

TEST_F(SpectrogramWindow, ExportsThePictureShown) {
    OpenSpectrogram(WriteSteps("steps.wav", 2));
    AnalyseAll();
    ASSERT_TRUE(S().Fire("Option2", Event::Click));
    platform.saveAnswers.push_back((dir_ / "steps.png").string());
    ASSERT_TRUE(S().Fire("Command1", Event::Click));
    ASSERT_EQ(platform.exportedPictures.size(), 1u);
    const auto& exported = platform.exportedPictures.front();
    EXPECT_EQ(exported.request.path, (dir_ / "steps.png").string());
    EXPECT_EQ(exported.request.format, PictureFormat::Png);
    EXPECT_EQ(exported.request.widthTwips, kSpectrogramGraphWidth);
    EXPECT_EQ(exported.request.heightTwips, kSpectrogramGraphHeight);
    // The same drawing as the window's: its cells, its texts.
    ASSERT_EQ(exported.picture->Rasters().size(), Picture().Rasters().size());
    for (size_t i = 0; i < Picture().Rasters().size(); ++i)
        EXPECT_EQ(exported.picture->Rasters()[i].pixels, Picture().Rasters()[i].pixels);
    EXPECT_EQ(exported.picture->Texts(), Picture().Texts());
    EXPECT_EQ(platform.saveFilters.back(), "PNG images|*.png");
}

TEST_F(SpectrogramWindow, TypedFrameAndHopAnalyseAgain) {
    OpenSpectrogram(WriteSteps("steps.wav", 2));
    EXPECT_EQ(S().BoundText("Text1"), "2048");
    EXPECT_EQ(S().BoundText("Text2"), "512");
    // The hop follows the frame while it is its quarter.
    ASSERT_TRUE(S().Type("Text1", "4096"));
    EXPECT_EQ(S().BoundText("Text2"), "1024");
    ASSERT_TRUE(S().Type("Text2", "300"));
    ASSERT_TRUE(S().Type("Text1", "1024"));
    EXPECT_EQ(S().BoundText("Text2"), "300");
    ASSERT_TRUE(S().Fire("Command2", Event::Click));
    ASSERT_TRUE(S().Shown());
    EXPECT_EQ(S().Shown()->Info().settings.frame, 1024);
    EXPECT_EQ(S().Shown()->Info().settings.hop, 300);
    EXPECT_EQ(S().Shown()->Info().bins, 513);
}

struct RefusalCase {
    const char* name;
    std::string frame, hop;
    int fileSamples;  // 0: no file written
    const char* message;
    friend void PrintTo(const RefusalCase& c, std::ostream* os) { *os << c.name; }
};

class SpectrogramRefusals : public SpectrogramWindow,
                            public ::testing::WithParamInterface<RefusalCase> {};

TEST_P(SpectrogramRefusals, SayWhyAndDrawNothing) {
    const RefusalCase c = GetParam();
    Loaded();
    const std::string path = (dir_ / "sound.raw").string();
    std::ofstream(path, std::ios::binary) << std::string(static_cast<size_t>(c.fileSamples), 'x');
    Open(path);
    ASSERT_TRUE(platform.messages.empty());
    S().Type("Text1", c.frame);
    S().Type("Text2", c.hop);
    ASSERT_TRUE(Raw().Fire("mnuSpectrogram", Event::Click));
    ASSERT_EQ(platform.messages.size(), 1u);
    EXPECT_EQ(platform.messages.front(), c.message);
    EXPECT_FALSE(S().View().shown);
    EXPECT_FALSE(S().Shown());
    EXPECT_TRUE(Picture().Rasters().empty());
}

INSTANTIATE_TEST_SUITE_P(
    Spectrogram, SpectrogramRefusals,
    ::testing::Values(
        RefusalCase{"ShorterThanAFrame", "2048", "512", 2000,
                    "The file \"sound.raw\" holds 2000 samples, fewer than one frame of 2048 "
                    "points: there is no spectrogram to show."},
        RefusalCase{"FrameNotAPowerOfTwo", "1000", "250", 5000,
                    "The frame must be a power of two from 256 to 16384 points, not 1000."},
        RefusalCase{"FrameNotANumber", "big", "512", 5000,
                    "The frame must be a power of two from 256 to 16384 points, not \"big\"."},
        RefusalCase{"HopTooLong", "256", "257", 5000,
                    "The hop must be from 1 to the frame's 256 points, not 257."},
        RefusalCase{"HopNotWhole", "256", "2.5", 5000,
                    "The hop must be a whole number of points from 1 to the frame, not "
                    "\"2.5\"."}),
    PrintedName());

TEST_F(SpectrogramWindow, NeedsAFileAndARate) {
    Loaded();
    ASSERT_TRUE(Raw().Fire("mnuSpectrogram", Event::Click));
    EXPECT_TRUE(C("Label5").visible);
    EXPECT_FALSE(S().View().shown);
    const std::string path = (dir_ / "sound.raw").string();
    std::ofstream(path, std::ios::binary) << std::string(5000, 'x');
    Open(path);
    ASSERT_TRUE(Raw().Type("Text1", "0"));
    ASSERT_TRUE(Raw().Fire("mnuSpectrogram", Event::Click));
    EXPECT_TRUE(C("Label19").visible);
    EXPECT_FALSE(S().View().shown);
    ASSERT_TRUE(Raw().Type("Text1", "8000"));
    ASSERT_TRUE(Raw().Fire("mnuSpectrogram", Event::Click));
    EXPECT_TRUE(S().View().shown);
    EXPECT_EQ(S().Shown()->Info().rate, 8000);
    // Closing lets the analysis go.
    ASSERT_TRUE(S().Fire("FormSpectrogram", Event::Unload));
    EXPECT_FALSE(S().View().shown);
    EXPECT_FALSE(S().Shown());
}

TEST(SpectrogramColours, ViridisFromQuietToLoud) {
    EXPECT_EQ(LevelColor(-120), Rgb(68, 1, 84));
    EXPECT_EQ(LevelColor(-500), Rgb(68, 1, 84));
    EXPECT_EQ(LevelColor(0), Rgb(253, 231, 37));
    EXPECT_EQ(LevelColor(12), Rgb(253, 231, 37));
    EXPECT_EQ(LevelColor(-60), Viridis(0.5));
    // Brightness rises with the level all the way.
    double last = -1;
    for (int db = -120; db <= 0; db += 5) {
        const Color c = LevelColor(db);
        const double luma = 0.299 * RedOf(c) + 0.587 * GreenOf(c) + 0.114 * BlueOf(c);
        EXPECT_GT(luma, last) << db;
        last = luma;
    }
}

}  // namespace
}  // namespace quorbel::testing
