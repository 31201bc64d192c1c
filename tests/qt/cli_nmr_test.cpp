// fftquorbel-cli's nmr command run in-process: the spectrum as CSV, its peaks, a picture,
// and the command lines and data it refuses with one line each.
#include <gtest/gtest.h>

#include <QImage>
#include <QTemporaryDir>
#include <string>
#include <vector>

#include "CompanionRun.h"
#include "NmrData.h"
#include "state/NumberText.h"

namespace quorbel::testing {
namespace {

std::string Data(const std::string& relative) {
    return NmrData(relative).string();
}

TEST(CliNmr, CsvListsEveryPointHighestPpmFirst) {
    const CompanionRun run = RunCompanion({"nmr", Data("aspirin-1h/1"), "csv", "--si", "16384"});
    ASSERT_EQ(run.status, cli::kExitOk) << run.err;
    const std::vector<std::string> lines = LinesOf(run.out);
    ASSERT_EQ(lines.size(), 1u + 16384u);
    EXPECT_EQ(lines[0], "ppm,real,imaginary");
    EXPECT_EQ(lines[1].substr(0, lines[1].find(',')), "15.47866");  // OFFSET
    EXPECT_GT(DecimalPrefix(lines[1]), DecimalPrefix(lines[2]));
}

TEST(CliNmr, PeaksOfTheJcampFidMatchTheFolders) {
    const CompanionRun folder = RunCompanion({"nmr", Data("aspirin-1h/1"), "peaks"});
    const CompanionRun jcamp = RunCompanion({"nmr", Data("aspirin-1h.fid.dx"), "peaks"});
    ASSERT_EQ(folder.status, cli::kExitOk) << folder.err;
    ASSERT_EQ(jcamp.status, cli::kExitOk) << jcamp.err;
    const std::vector<std::string> a = LinesOf(folder.out), b = LinesOf(jcamp.out);
    ASSERT_GE(a.size(), 3u);
    ASSERT_GE(b.size(), 3u);
    EXPECT_EQ(a[0], "ppm,Hz,height");
    // The strongest peak: the acetyl group near 2.3 ppm, on the same point in both.
    EXPECT_NEAR(DecimalPrefix(a[1]), 2.29, 0.02);
    EXPECT_NEAR(DecimalPrefix(a[1]), DecimalPrefix(b[1]), 0.001);
}

TEST(CliNmr, PictureShowsTheTrace) {
    QTemporaryDir folder;
    const std::string png = folder.filePath("spectrum.png").toStdString();
    const CompanionRun run =
        RunCompanion({"nmr", Data("strychnine-1h/10"), png, "--auto-phase", "--lb", "1"});
    ASSERT_EQ(run.status, cli::kExitOk) << run.err;
    const QImage image(QString::fromStdString(png));
    ASSERT_FALSE(image.isNull());
    int blue = 0;
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x)
            if (qBlue(image.pixel(x, y)) > 120 && qRed(image.pixel(x, y)) < 60) ++blue;
    EXPECT_GT(blue, 500);
}

struct RefusedCase {
    std::vector<std::string> words;
    int status;
    const char* said;
};

TEST(CliNmr, RefusesWithOneLine) {
    const RefusedCase cases[] = {
        {{"nmr", Data("aspirin-1h.dx"), "csv"}, cli::kExitMessage, "spectrum, not an FID"},
        {{"nmr", Data("missing-folder"), "csv"}, cli::kExitMessage, "does not exist"},
        {{"nmr", Data("LICENSE.bruker-data-test"), "csv"}, cli::kExitMessage, "not a JCAMP-DX"},
        {{"nmr", Data("aspirin-1h/1"), "csv", "--si", "1000"}, cli::kExitUsage, "power of two"},
        {{"nmr", Data("aspirin-1h/1"), "csv", "--lb", "x"}, cli::kExitUsage, "--lb needs"},
        {{"nmr", Data("aspirin-1h/1"), "csv", "--gb", "2"}, cli::kExitUsage, "GB between"},
        {{"nmr", Data("aspirin-1h/1"), "csv", "--frame", "3"}, cli::kExitUsage, "--frame"},
        {{"nmr", Data("aspirin-1h/1"), "out.txt"}, cli::kExitUsage, "csv, peaks"},
        {{"nmr", "csv"}, cli::kExitUsage, "needs the data"},
    };
    for (const RefusedCase& c : cases) {
        const CompanionRun run = RunCompanion(c.words);
        EXPECT_EQ(run.status, c.status) << c.words.back();
        EXPECT_NE(run.err.find(c.said), std::string::npos) << run.err;
        EXPECT_EQ(LinesOf(run.err).size(), 1u) << run.err;
        EXPECT_TRUE(run.out.empty());
    }
}

}  // namespace
}  // namespace quorbel::testing
