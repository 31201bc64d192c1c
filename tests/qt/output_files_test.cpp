// The files the command-line companion writes through the window's own output: the
// printed page as PDF (read back with poppler's tools) and the bitmap of the FFT graph.
#include <gtest/gtest.h>

#include <QImage>
#include <QProcess>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <sstream>
#include <string>
#include <vector>

#include "CliRun.h"
#include "CompanionRun.h"
#include "QtViews.h"

namespace quorbel {
namespace {

using testing::CountPixels;

int RunCli(const std::vector<std::string>& arguments, std::string* err = nullptr) {
    testing::CompanionRun run = testing::RunCompanion(arguments);
    if (err) *err = std::move(run.err);
    return run.status;
}

// Runs a poppler tool; its standard output.
std::string Poppler(const QString& tool, const QStringList& arguments) {
    QProcess process;
    process.start(tool, arguments);
    EXPECT_TRUE(process.waitForFinished(60000)) << tool.toStdString();
    EXPECT_EQ(process.exitCode(), 0) << tool.toStdString();
    return process.readAllStandardOutput().toStdString();
}

bool Reddish(QRgb c) {
    return qRed(c) > 120 && qGreen(c) < 90 && qBlue(c) < 90;
}
bool Cyanish(QRgb c) {
    return qRed(c) < 200 && qGreen(c) > 200 && qBlue(c) > 200;
}

TEST(OutputFilesTest, PrintedPageAsPdfHoldsCurveGridAndReport) {
    if (QStandardPaths::findExecutable(QStringLiteral("pdftoppm")).isEmpty())
        GTEST_FAIL() << "poppler-utils are needed (scripts/setup.sh installs them)";
    QTemporaryDir folder;
    const QString pdf = folder.filePath(QStringLiteral("page.pdf"));
    std::string err;
    ASSERT_EQ(RunCli({"print", pdf.toStdString()}, &err), 0) << err;

    const std::string text =
        Poppler(QStringLiteral("pdftotext"), {QStringLiteral("-layout"), pdf, QStringLiteral("-")});
    for (const char* e : {"Fourier Transform, F", "frequency, (Hz)", "Report", "3. RESULT", "85.7",
                          "4.71239", "2.3. parameters of the functions"}) {
        SCOPED_TRACE(e);
        EXPECT_NE(text.find(e), std::string::npos) << text;
    }

    const QString prefix = folder.filePath(QStringLiteral("page"));
    Poppler(QStringLiteral("pdftoppm"),
            {QStringLiteral("-r"), QStringLiteral("72"), QStringLiteral("-png"), pdf, prefix});
    const QImage page(prefix + QStringLiteral("-1.png"));
    ASSERT_FALSE(page.isNull());
    // The upper half holds the graph: the red peaks and the light-cyan grid.
    const QImage graph = page.copy(0, 0, page.width(), page.height() / 2);
    EXPECT_GT(CountPixels(graph, Reddish), 50);
    EXPECT_GT(CountPixels(graph, Cyanish), 1000);
}

TEST(OutputFilesTest, BitmapIsAStandardBmpWithTheCurve) {
    QTemporaryDir folder;
    const QString bmp = folder.filePath(QStringLiteral("graph.bmp"));
    const QString unwritable = folder.filePath(QStringLiteral("missing/graph.bmp"));
    for (const auto& [path, status] : {std::pair{bmp, 0}, std::pair{unwritable, 1}}) {
        SCOPED_TRACE(path.toStdString());
        std::string err;
        EXPECT_EQ(RunCli({"bitmap", path.toStdString()}, &err), status) << err;
    }
    const QImage image(bmp, "BMP");
    ASSERT_FALSE(image.isNull());
    EXPECT_GT(CountPixels(image, Reddish), 100);
}

}  // namespace
}  // namespace quorbel
