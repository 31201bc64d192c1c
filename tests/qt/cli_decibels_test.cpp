// render --db: the FFT graph drawn in decibels of its largest value, a picture that
// differs from the linear one while the listed values stay the same; --db with a view
// that has no linear FFT graph is a usage error.
#include <gtest/gtest.h>

#include <QImage>
#include <QTemporaryDir>
#include <filesystem>
#include <string>
#include <vector>

#include "CliOptions.h"
#include "CliRun.h"
#include "CompanionRun.h"

namespace quorbel::testing {
namespace {

namespace fs = std::filesystem;

// The columns where the dark red trace passes between rows `top` and `bottom`.
int TraceColumnsBetween(const QImage& image, int top, int bottom) {
    int count = 0;
    for (int x = 0; x < image.width(); ++x) {
        bool found = false;
        for (int y = top; y < bottom && !found; ++y)
            found = (image.pixel(x, y) & 0xFFFFFF) == (qRgb(192, 0, 0) & 0xFFFFFF);
        count += found;
    }
    return count;
}

TEST(CliDecibels, RenderDrawsTheModulusInDecibelsAndListsStayTheSame) {
    QTemporaryDir dir;
    ASSERT_TRUE(dir.isValid());
    const fs::path linear = fs::path(dir.path().toStdString()) / "linear";
    const fs::path db = fs::path(dir.path().toStdString()) / "db";
    for (const std::vector<std::string>& options :
         {std::vector<std::string>{"--window", "hann"}, {"--window", "hann", "--db"}}) {
        std::vector<std::string> arguments = options;
        arguments.push_back("render");
        arguments.push_back((options.size() == 3 ? db : linear).string());
        const CompanionRun run = RunCompanion(arguments);
        EXPECT_EQ(run.status, cli::kExitOk) << run.err;
        EXPECT_TRUE(run.err.empty()) << run.err;
    }
    QImage before, after;
    ASSERT_TRUE(before.load(QString::fromStdString((linear / "fft.png").string())));
    ASSERT_TRUE(after.load(QString::fromStdString((db / "fft.png").string())));
    ASSERT_EQ(before.size(), after.size());
    EXPECT_NE(before, after);
    // The seven waves of the default sum reach within 20 dB of the largest (the upper
    // quarter of the plot below its top), where the linear graph shows its two
    // largest peaks only.
    const int top = before.height() / 8 - 3, quarter = before.height() / 4;
    const int linearPeaks = TraceColumnsBetween(before, top, quarter);
    EXPECT_GE(linearPeaks, 2);
    EXPECT_GE(TraceColumnsBetween(after, top, quarter), linearPeaks + 5);
    // The f(t) picture and the lists are the same.
    QImage ftBefore(QString::fromStdString((linear / "ft.png").string()));
    QImage ftAfter(QString::fromStdString((db / "ft.png").string()));
    EXPECT_EQ(ftBefore, ftAfter);
    const CompanionRun graph = RunCompanion({"graph"});
    const CompanionRun graphDb = RunCompanion({"--db", "graph"});
    EXPECT_EQ(graph.out, graphDb.out);
    EXPECT_EQ(graphDb.status, cli::kExitOk);
}

TEST(CliDecibels, WithoutALinearGraphIsAUsageError) {
    for (const std::vector<std::string>& arguments :
         {std::vector<std::string>{"--db", "--log", "graph"},
          {"--db", "--show", "both", "graph"}}) {
        const CompanionRun run = RunCompanion(arguments);
        EXPECT_EQ(run.status, cli::kExitUsage);
        EXPECT_NE(run.err.find("--db"), std::string::npos) << run.err;
        EXPECT_EQ(LinesOf(run.err).size(), 1u) << run.err;
    }
}

}  // namespace
}  // namespace quorbel::testing
