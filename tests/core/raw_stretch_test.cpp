// Files longer than the raw file window's graph: the scroll bar chooses the stretch of
// 34000 samples shown, and what is plotted and transferred are the file's samples at
// that position.
#include <gtest/gtest.h>

#include <fstream>

#include "CaseName.h"
#include "MonoSoundFile.h"
#include "RawWindowFixture.h"
#include "state/NumberText.h"

namespace quorbel::testing {
namespace {

// Sample i of the test files: a pattern that tells positions apart, -128..127.
int PatternSample(std::int64_t i) {
    return static_cast<int>((i * 7 + i / 1000) % 256) - 128;
}

struct StretchCase {
    const char* kind;  // "raw", "wav" or "flac"
    std::int64_t length;
    int scroll;          // the value the scroll bar is moved to
    std::int64_t start;  // the file's sample at the graph's left edge
    int first, last;     // the drag, in points of the graph
    const char* note;    // Label22
    friend void PrintTo(const StretchCase& c, std::ostream* os) {
        *os << c.kind << "_" << c.length << "_scroll" << c.scroll;
    }
};

class RawStretch : public RawWindowFixture, public ::testing::WithParamInterface<StretchCase> {
  protected:
    std::string WriteFile(const StretchCase& c) {
        const std::string path = (dir_ / ("long." + std::string(c.kind))).string();
        if (std::string(c.kind) == "raw") {
            std::string bytes(static_cast<size_t>(c.length), '\0');
            for (std::int64_t i = 0; i < c.length; ++i)
                bytes[static_cast<size_t>(i)] = static_cast<char>(PatternSample(i) + 128);
            std::ofstream(path, std::ios::binary) << bytes;
            return path;
        }
        // 256 s in 16 bits is s of full scale +-128: the window reads s exactly.
        std::vector<double> samples(static_cast<size_t>(c.length));
        for (std::int64_t i = 0; i < c.length; ++i)
            samples[static_cast<size_t>(i)] = 256 * PatternSample(i);
        WriteMonoSound(path, 8000, samples,
                       std::string(c.kind) == "wav" ? SF_FORMAT_WAV | SF_FORMAT_PCM_16
                                                    : SF_FORMAT_FLAC | SF_FORMAT_PCM_16,
                       true);
        return path;
    }
    // Sample i of the graph as drawn: the end of segment i of the plotted line.
    double Plotted(int i) {
        const std::vector<Primitive> lines = rawGraph.OfKind(Primitive::Kind::Line);
        const double H = rawGraph.Height(), yc = H / 2, yscale = (3 * H / 8) / 128;
        // Three axis lines come first, then the segments to points 1, 2, ...
        return (yc - lines[static_cast<size_t>(2 + i)].y2) / yscale;
    }
};

TEST_P(RawStretch, ShowsAndTransfersTheFilesSamplesThere) {
    const StretchCase c = GetParam();
    Loaded();
    Open(WriteFile(c));
    ASSERT_TRUE(platform.messages.empty()) << platform.messages.front();
    const bool longer = c.length > kMaxRawSamples;
    EXPECT_EQ(C("HScroll1").visible, longer);
    if (longer) {
        EXPECT_EQ(C("HScroll1").max, (c.length - kMaxRawSamples + kStretchStep - 1) / kStretchStep);
        EXPECT_TRUE(Raw().Fire("HScroll1", Event::Change, {.value = c.scroll}));
    }
    EXPECT_EQ(C("Label22").visible, longer);
    EXPECT_EQ(Shown("Label22"), c.note);
    EXPECT_EQ(Shown("Label7"), std::to_string(c.length));
    const int n = Raw().PlottedPoints();
    EXPECT_EQ(n, std::min<std::int64_t>(kMaxRawSamples, c.length - c.start));
    for (int i : {1, 2, 1000, n - 1})
        EXPECT_NEAR(Plotted(i), PatternSample(c.start + i), 1e-9) << "point " << i;

    Drag(c.first, c.last);
    ASSERT_TRUE(Transfer());
    ASSERT_TRUE(platform.messages.empty()) << platform.messages.front();
    const std::vector<std::string>& list = State().sampleList.Lines();
    const int N = WholeNumber(list.at(0));
    ASSERT_EQ(N, TransferCount(c.last - c.first));
    for (int k : {0, 1, N / 2, N - 1})
        EXPECT_EQ(list.at(static_cast<size_t>(1 + k)),
                  std::to_string(PatternSample(c.start + c.first + k)))
            << "transferred sample " << k;
}

INSTANTIATE_TEST_SUITE_P(
    LongFiles, RawStretch,
    ::testing::Values(StretchCase{"raw", 100000, 0, 0, 10, 2100,
                                  "From 0 s: samples 0 to 33999 of 100000"},
                      StretchCase{"raw", 100000, 1, 1700, 0, 1030,
                                  "From 0.077 s: samples 1700 to 35699 of 100000"},
                      StretchCase{"raw", 100000, 20, 34000, 500, 9000,
                                  "From 1.542 s: samples 34000 to 67999 of 100000"},
                      // The last step ends the stretch with the file.
                      StretchCase{"raw", 100000, 39, 66000, 30000, 33990,
                                  "From 2.993 s: samples 66000 to 99999 of 100000"},
                      // A value beyond the bar's end is its end.
                      StretchCase{"raw", 100000, 1000, 66000, 100, 1200,
                                  "From 2.993 s: samples 66000 to 99999 of 100000"},
                      StretchCase{"wav", 90001, 4, 6800, 32000, 33999,
                                  "From 0.85 s: samples 6800 to 40799 of 90001"},
                      StretchCase{"wav", 90001, 33, 56001, 20000, 28200,
                                  "From 7 s: samples 56001 to 90000 of 90001"},
                      StretchCase{"flac", 200000, 70, 119000, 100, 16500,
                                  "From 14.875 s: samples 119000 to 152999 of 200000"},
                      StretchCase{"raw", 20000, 0, 0, 0, 2000, ""}),
    PrintedName());

}  // namespace
}  // namespace quorbel::testing
