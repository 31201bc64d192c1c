// The raw file window and the main window's raw-data mode, driven by control name.
// The sound files are written by the tests.
#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <fstream>

#include "RawWindowFixture.h"
#include "rawfile/RawFile.h"
#include "rawfile/RawScale.h"
#include "state/NumberText.h"

namespace quorbel::testing {
namespace {

class RawFileTest : public RawWindowFixture {
  protected:
    std::string WriteRaw(const std::string& name, const std::string& bytes) {
        const std::filesystem::path path = dir_ / name;
        std::ofstream(path, std::ios::binary) << bytes;
        return path.string();
    }
    // A tone of `hertz` sampled at `fs`, amplitude 100 around the zero level.
    std::string Tone(size_t length, double hertz, double fs) {
        std::string bytes(length, '\0');
        for (size_t k = 0; k < length; ++k)
            bytes[k] = static_cast<char>(
                128 + std::lround(100 * std::sin(6.28318530717959 * hertz * k / fs)));
        return bytes;
    }
};

TEST_F(RawFileTest, FileLengthAndPlottedPoints) {
    struct Case {
        size_t bytes;
        const char* inFile;
        const char* inGraph;
    };
    const Case cases[] = {{20000, "20000", "20000"}, {50000, "50000", "34000"}, {1, "1", "1"}};
    Loaded();
    for (const Case& c : cases) {
        SCOPED_TRACE(c.bytes);
        Open(WriteRaw("f.raw", std::string(c.bytes, '\x80')));
        EXPECT_EQ(Shown("Label7"), c.inFile);
        EXPECT_EQ(Shown("Label18"), c.inGraph);
        EXPECT_EQ(Shown("Label2"), "f.raw");
        EXPECT_TRUE(C("Picture2").visible);
        EXPECT_FALSE(C("ProgressBar1").visible);
        EXPECT_EQ(C("ProgressBar1").value, 100);
    }
    // The specified filter comes first; the sound files are offered beside it.
    EXPECT_EQ(platform.openFilters.front().rfind("Sound Wave Files (*.raw)|*.raw|", 0), 0u);
    EXPECT_TRUE(platform.messages.empty());
}

TEST_F(RawFileTest, SelectedPointsAndThePowerOfTwoTransferred) {
    struct Case {
        int first, last;
        const char* selected;
        const char* transferred;
        const char* hint;  // shown by "Transfer", or nullptr when it transfers
    };
    const Case cases[] = {{100, 17100, "17000", "16384", nullptr},
                          {0, 1500, "1500", "1024", nullptr},
                          {50, 1073, "1023", "0", "Label6"},
                          {0, 4096, "4096", "4096", nullptr}};
    Loaded();
    const std::string path = WriteRaw("tone.raw", Tone(20000, 440, 22050));
    for (const Case& c : cases) {
        SCOPED_TRACE(c.selected);
        Model().Fire("mnuMultipleWavesItem", Event::Click);
        Open(path);
        Drag(c.first, c.last);
        EXPECT_EQ(Shown("Label11"), std::to_string(c.first));
        EXPECT_EQ(Shown("Label12"), std::to_string(c.last));
        EXPECT_EQ(Shown("Label15"), c.selected);
        EXPECT_EQ(Shown("Label16"), c.transferred);
        ASSERT_TRUE(Transfer());
        if (c.hint) {
            EXPECT_TRUE(C(c.hint).visible);
            EXPECT_EQ(State().dataSource, DataSource::Calculated);
        } else {
            EXPECT_EQ(State().dataSource, DataSource::RawFile);
            EXPECT_EQ(State().Get(Field::totalPoints), c.transferred);
            EXPECT_EQ(State().sampleList.Count(), WholeNumber(c.transferred) + 2);
            EXPECT_TRUE(Raw().Minimized());
            EXPECT_EQ(State().plotState(), "10");
        }
    }
    EXPECT_TRUE(platform.messages.empty());
}

TEST_F(RawFileTest, BytesBecomeSamplesAroundTheZeroLevel) {
    struct Case {
        const char* name;
        std::string bytes;               // repeated over 2048 bytes
        std::vector<std::string> lines;  // sampleList lines 1.. of the transfer
        const char* largest;
    };
    const Case cases[] = {
        {"levels", std::string("\x80\x00\xFF", 3), {"0", "-128", "127", "0"}, "128"},
        {"all below zero", "\x10\x20", {"-112", "-96"}, "112"},
        {"all above zero", "\x90", {"16", "16"}, "16"}};
    Loaded();
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        std::string bytes;
        while (bytes.size() < 2048) bytes += c.bytes;
        Open(WriteRaw("levels.raw", bytes.substr(0, 2048)));
        Drag(0, 1100);
        ASSERT_TRUE(Transfer());
        const DataList& samples = State().sampleList;
        ASSERT_EQ(samples.Count(), 1026);
        EXPECT_EQ(samples.Line(0), "1024");
        for (size_t i = 0; i < c.lines.size(); ++i)
            EXPECT_EQ(samples.Line(static_cast<int>(i) + 1), c.lines[i]);
        EXPECT_EQ(samples.Line(1025), c.largest);
    }
}

TEST_F(RawFileTest, TransferFillsTheAnalysisFields) {
    struct Case {
        const char* fs;
        int last;
        const char* seconds;
        const char* cycles;
    };
    const Case cases[] = {{"22050", 4200, "0.1857", "22050"}, {"11025", 1100, "0.0928", "11025"}};
    Loaded();
    const std::string path = WriteRaw("tone.raw", Tone(8000, 440, 22050));
    for (const Case& c : cases) {
        SCOPED_TRACE(c.fs);
        Open(path);
        ASSERT_TRUE(Raw().Type("Text1", c.fs));
        Drag(0, c.last);
        ASSERT_TRUE(Transfer());
        EXPECT_EQ(State().Get(Field::dataExtensionSeconds), c.seconds);
        EXPECT_EQ(State().Get(Field::windowSeconds), c.seconds);
        EXPECT_EQ(State().Get(Field::cyclesPerSecond), c.cycles);
        EXPECT_EQ(State().rawFileName, "tone.raw");
        EXPECT_TRUE(View()["Text2"].locked);
        EXPECT_EQ(View()["Text2"].tooltip, "Frequency of the File *.raw");
        EXPECT_TRUE(View()["mnuFilesrawItem"].checked);
        EXPECT_FALSE(View()["Option10"].enabled);
        Model().Form_Activate();
        EXPECT_TRUE(View()["Command12"].visible);
        EXPECT_EQ(View()["Label3"].caption, "Frequency of File .raw");
    }
    // A name with a line break in it is shown on one line, in the report as anywhere.
    Open(WriteRaw("two\nlines\t.raw", Tone(8000, 440, 22050)));
    Drag(0, 1100);
    ASSERT_TRUE(Transfer());
    EXPECT_EQ(State().rawFileName, "two?lines?.raw");
}

TEST_F(RawFileTest, DraggingIsBoundedByTheGraph) {
    Loaded();
    Open(WriteRaw("f.raw", std::string(20000, '\x80')));
    const double W = C("Picture2").width;
    struct Step {
        const char* name;
        double x;
        const char* last;
        double bandWidth;
    };
    const double start = XOf(1000);
    const Step steps[] = {{"to the right", XOf(3000), "3000", XOf(3000) - start},
                          {"left of the start", start - 500, "3000", XOf(3000) - start},
                          {"past the edge", W + 4000, "20000", W - start}};
    Raw().Fire("Picture2", Event::MouseDown, {.button = 1, .x = start});
    for (const Step& s : steps) {
        SCOPED_TRACE(s.name);
        Raw().Fire("Picture2", Event::MouseMove, {.button = 1, .x = s.x});
        EXPECT_EQ(Shown("Label12"), s.last);
        EXPECT_DOUBLE_EQ(C("Picture3").width, s.bandWidth);
        EXPECT_DOUBLE_EQ(C("Picture4").left, -start);
    }
    // The right button clears the selection.
    Raw().Fire("Picture2", Event::MouseDown, {.button = 2, .x = start});
    EXPECT_FALSE(C("Picture3").visible);
    EXPECT_EQ(Shown("Label16"), "");
}

TEST_F(RawFileTest, TransferRefusalsShowAHintAndChangeNothing) {
    struct Case {
        const char* name;
        bool open, select;
        const char* fs;
        const char* hint;
    };
    const Case cases[] = {{"nothing plotted", false, false, "22050", "Label5"},
                          {"nothing selected", true, false, "22050", "Label4"},
                          {"frequency not a number", true, true, "abc", "Label19"},
                          {"frequency 0", true, true, "0", "Label19"},
                          {"negative frequency", true, true, "-8000", "Label19"}};
    // In this order each case reaches its state from the one before; opening a file
    // clears the selection.
    Loaded();
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        const DataList before = State().sampleList;
        if (c.open) Open(WriteRaw("f.raw", Tone(5000, 300, 22050)));
        if (c.select) Drag(0, 2000);
        Raw().Type("Text1", c.fs);
        ASSERT_TRUE(Transfer());
        EXPECT_TRUE(C(c.hint).visible);
        EXPECT_EQ(State().dataSource, DataSource::Calculated);
        EXPECT_EQ(State().sampleList, before);
        // A click on the hint hides it.
        Raw().Fire(c.hint, Event::Click);
        EXPECT_FALSE(C(c.hint).visible);
    }
}

TEST_F(RawFileTest, FilesThatCannotBeUsedAreReportedAndChangeNothing) {
    struct Case {
        const char* name;
        std::string path;
    };
    Loaded();
    const std::string good = WriteRaw("good.raw", std::string(3000, '\x90'));
    const Case cases[] = {{"empty file", WriteRaw("empty.raw", "")},
                          {"missing file", (dir_ / "missing.raw").string()},
                          {"a folder", dir_.string()}};
    Open(good);
    Drag(0, 2000);
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        platform.messages.clear();
        Open(c.path);
        ASSERT_EQ(platform.messages.size(), 1u);
        EXPECT_EQ(Shown("Label2"), "good.raw");
        EXPECT_EQ(Shown("Label18"), "3000");
        EXPECT_EQ(Shown("Label16"), "1024");
    }
    // Cancelling the dialog changes nothing either.
    ASSERT_TRUE(Raw().Fire("mnuOpen", Event::Click));
    EXPECT_EQ(Shown("Label2"), "good.raw");
}

TEST_F(RawFileTest, LeavingWithoutATransferRestoresTheFunctionKindOnce) {
    struct Case {
        const char* name;
        const char* menu;
        ReturnMode returnMode;
        const char* frame;
    };
    const Case cases[] = {
        {"simple waves", "mnuSimpleWavesItem", ReturnMode::SimpleWavesFrame, "Frame6"},
        {"multiple waves", "mnuMultipleWavesItem", ReturnMode::MultipleWavesFrame, "Frame1"}};
    Loaded();
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        Model().Fire(c.menu, Event::Click);
        ASSERT_TRUE(Model().Fire("mnuFilesrawItem", Event::Click));
        EXPECT_EQ(State().returnMode, c.returnMode);
        EXPECT_FALSE(View()[c.frame].visible);
        EXPECT_TRUE(Raw().View().shown);
        Model().Form_Activate();
        EXPECT_TRUE(View()[c.frame].visible);
        EXPECT_TRUE(View()[c.menu].checked);
        EXPECT_EQ(State().returnMode, ReturnMode::Nothing);
        // Once only: the next activation finds nothing to restore.
        State().SetPlotState("2");
        Model().Form_Activate();
        EXPECT_EQ(State().plotState(), "2");
    }
}

TEST(RawAxis, TicksAndStartOfTheHertzScale) {
    struct Case {
        const char* name;
        int ftnpont, Nzero, N;
        double fs;
        int fLeft, fRight, step, first;
    };
    const Case cases[] = {{"full half", 2048, 0, 4096, 22050, 0, 11019, 100, 0},
                          {"bins 100..149", 50, 100, 4096, 22050, 538, 802, 10, 540},
                          {"span of 59 Hz", 12, 200, 4096, 22050, 1076, 1135, 1, 1076},
                          {"start beyond 12000 Hz", 300, 2300, 4096, 22050, 12381, 13991, 100, 0}};
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        const RawAxis a = RawAxisFor(c.ftnpont, c.Nzero, c.N, c.fs, 7665);
        EXPECT_EQ(a.fLeft, c.fLeft);
        EXPECT_EQ(a.fRight, c.fRight);
        EXPECT_EQ(a.step, c.step);
        EXPECT_EQ(a.first, c.first);
        for (double f : {double(c.fLeft), (c.fLeft + c.fRight) / 2.0, double(c.fRight)})
            EXPECT_NEAR(a.FrequencyAtX(a.XOfFrequency(f)), f, 1e-9);
    }
}

TEST(RawScale, LabelsInHertz) {
    struct Case {
        const char* name;
        int ftnpont, Nzero;
        std::vector<std::string> labels;
    };
    const Case cases[] = {
        {"full half",
         2048,
         0,
         // 11000 Hz lies 13 twips from the right edge: its label, kept inside the
         // graph, would run into the label of 10000 Hz and is left out.
         {" 0 ", " 1000 ", " 2000 ", " 3000 ", " 4000 ", " 5000 ", " 6000 ", " 7000 ", " 8000 ",
          " 9000 ", " 10000 "}},
        {"bins 100..149", 50, 100, {" 600 ", " 700 ", " 800 ", " 550 ", " 650 ", " 750 "}}};
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        RecordingSurface pic(7665, 5295);
        Escala_Lin_raw(pic, c.ftnpont, c.Nzero, 0, 3530, 4096, 22050);
        EXPECT_EQ(pic.Texts(), c.labels);
    }
}

// A sound of 16384 points is labelled in hertz up to half the sampling frequency;
// the bin scale of calculated waves would end at bin 8191.
TEST_F(RawFileTest, LargestTransferUsesTheHertzScale) {
    Loaded();
    Open(WriteRaw("long.raw", Tone(20000, 1000, 22050)));
    Drag(0, 17000);
    ASSERT_TRUE(Transfer());
    EXPECT_EQ(State().Get(Field::totalPoints), "16384");
    const auto texts = picture1.Texts();
    EXPECT_NE(std::find(texts.begin(), texts.end(), " 10000 "), texts.end());
    EXPECT_EQ(std::find(texts.begin(), texts.end(), " 8100 "), texts.end());
}

// The report gives the frequency of a tone at the file's own sampling frequency.
TEST_F(RawFileTest, ReportFrequencyUsesTheFilesSamplingFrequency) {
    struct Case {
        double fs;
        const char* frequency;
    };
    // Bin 41 of 1024 samples: 41 * fs / 1024 Hz.
    const Case cases[] = {{11025, " 441.431 "}, {22050, " 882.861 "}};
    Loaded();
    for (const Case& c : cases) {
        SCOPED_TRACE(c.fs);
        Open(WriteRaw("tone.raw", Tone(2000, 41 * c.fs / 1024, c.fs)));
        Raw().Type("Text1", NumberText(c.fs));
        Drag(0, 1100);
        ASSERT_TRUE(Transfer());
        ASSERT_TRUE(Model().Fire("mnuReport", Event::Click));
        const auto texts = form5.Texts();
        EXPECT_NE(std::find(texts.begin(), texts.end(), c.frequency), texts.end());
    }
}

TEST(TransferCount, PowersOfTwoFrom1024To16384) {
    const std::pair<int, int> cases[] = {{0, 0},         {1023, 0},     {1024, 1024},
                                         {1500, 1024},   {2048, 2048},  {16383, 8192},
                                         {17000, 16384}, {34000, 16384}};
    for (const auto& [selected, count] : cases) {
        SCOPED_TRACE(selected);
        EXPECT_EQ(TransferCount(selected), count);
    }
}

}  // namespace
}  // namespace quorbel::testing
