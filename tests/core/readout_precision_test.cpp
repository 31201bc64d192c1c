// The frequency read-outs show as many decimals as tell neighbouring bins apart and no
// more: in the table of bin widths, over the main window's graphs (calculated waves,
// a file's bins) and in the spectrogram's read-out.
#include <gtest/gtest.h>

#include <cmath>
#include <fstream>
#include <limits>
#include <string>

#include "RawWindowFixture.h"
#include "spectrum/ReadoutPrecision.h"

namespace quorbel::testing {
namespace {

TEST(ReadoutPrecision, DecimalsAndTextsOverATableOfBinWidths) {
    struct Case {
        double bin, hertz;
        int decimals;
        const char* text;
    };
    const double nan = std::numeric_limits<double>::quiet_NaN();
    const Case cases[] = {{11.7, 163.865, 0, "164"},
                          {0.0977, 440.0396, 2, "440.04"},
                          {1, 163.865, 0, "164"},
                          {10.77, 439.6, 0, "440"},
                          {0.5, 440.26, 1, "440.3"},
                          {0.1, 440.26, 1, "440.3"},
                          {0.099, 440.264, 2, "440.26"},
                          {0.01, 1.005, 2, "1.00"},
                          {0.00999, 1.0004, 3, "1.000"},
                          {2.5, 0.4, 0, "0"},
                          {1, -0.4, 0, "0"},
                          {0, 163.8654, 3, "163.865"},
                          {nan, 12.5, 3, "12.500"},
                          {-1, 7, 3, "7.000"},
                          {1e-12, 1, 9, "1.000000000"},
                          {1, nan, 0, ""}};
    for (const Case& c : cases) {
        SCOPED_TRACE(std::to_string(c.bin) + " Hz bins, " + std::to_string(c.hertz) + " Hz");
        EXPECT_EQ(ReadoutDecimals(c.bin), c.decimals);
        EXPECT_EQ(FrequencyReadout(c.hertz, c.bin), c.text);
    }
}

TEST(ReadoutPrecision, NeighbouringBinsReadApartWithTheFewestDecimals) {
    // Bin widths from 0.0001 Hz to 1000 Hz, ten to a decade, and bins up to 20000 Hz.
    for (int step = -40; step <= 30; ++step) {
        const double bin = std::pow(10.0, step / 10.0) * 1.0001;
        const int d = ReadoutDecimals(bin);
        SCOPED_TRACE(bin);
        // Fewest: one decimal less would no longer resolve a bin.
        EXPECT_LE(std::pow(10.0, -d), bin);
        if (d > 0) {
            EXPECT_GT(std::pow(10.0, 1 - d), bin);
        }
        for (int k = 0; k < 200; k += 7) {
            const double f = (k + 3) * bin;
            if (f > 20000) break;
            EXPECT_NE(FrequencyReadout(f, bin), FrequencyReadout(f + bin, bin)) << k;
            EXPECT_NEAR(ReadoutValue(f, bin), f, 0.5 * std::pow(10.0, -d) + 1e-9);
        }
    }
}

class ReadoutInWindow : public RawWindowFixture {};

TEST_F(ReadoutInWindow, CalculatedWavesReadWholeHertz) {
    Loaded();
    Press("Command17");
    ASSERT_EQ(Model().BinHertz(), 1);
    // Across the graph the pointer's frequency is never shown with a point.
    for (double x = 13; x < kPicture1Width; x += 611) {
        Press("Picture1", Event::MouseMove, {.x = x, .y = 1000});
        const std::string& caption = View()["Label9"].caption;
        ASSERT_FALSE(caption.empty()) << x;
        EXPECT_EQ(caption.find('.'), std::string::npos) << caption;
    }
    // The keyboard cursor's words say the same.
    Press("Picture1", Event::KeyPress, {.value = kKeyRight});
    EXPECT_NE(Model().Describe("Picture1").text.find("at 1 Hz."), std::string::npos)
        << Model().Describe("Picture1").text;
}

TEST_F(ReadoutInWindow, AFilesFineBinsReadTwoDecimals) {
    // 8192 samples at 800 Hz: 4096 points of 0.0977 Hz.
    const std::filesystem::path path = dir_ / "tone.raw";
    std::ofstream(path, std::ios::binary) << std::string(9000, '\x90');
    Loaded();
    Open(path.string());
    ASSERT_TRUE(Raw().Type("Text1", "800"));
    Drag(0, 8500);
    ASSERT_TRUE(Transfer());
    ASSERT_NEAR(Model().BinHertz(), 0.0977, 1e-4);
    // Point 3000 lies at 292.96875 Hz.
    const double W = kPicture1Width;
    const int n = State().displayedValueList.Whole(0);
    Press("Picture1", Event::MouseMove, {.x = 3000.0 * W / (n - 1), .y = 1000});
    EXPECT_EQ(View()["Label9"].caption.substr(0, 7), "292.97 ") << View()["Label9"].caption;
}

}  // namespace
}  // namespace quorbel::testing
