// The files of the "Export" menu written by the Qt surfaces: PNG images of the graphs'
// size (twice it at double resolution) holding the window's own drawing, SVG drawings
// that parse, and the command-line companion's csv and render --svg.
#include <gtest/gtest.h>

#include <QFile>
#include <QImage>
#include <QSvgRenderer>
#include <QTemporaryDir>
#include <QXmlStreamReader>
#include <sstream>
#include <string>
#include <vector>

#include "CliRun.h"
#include "CompanionRun.h"
#include "PictureWindow.h"
#include "state/NumberText.h"
#include "surface/ImageSurface.h"
#include "surface/PictureFile.h"
#include "surface/TextGridSurface.h"
#include "windows/MainWindowModel.h"

namespace quorbel {
namespace {

// An SVG file that is well-formed XML and that Qt's renderer accepts.
void ExpectSvg(const QString& path, const QSize& size) {
    QFile file(path);
    ASSERT_TRUE(file.open(QIODevice::ReadOnly)) << path.toStdString();
    QXmlStreamReader xml(&file);
    while (!xml.atEnd()) xml.readNext();
    EXPECT_FALSE(xml.hasError()) << xml.errorString().toStdString();
    QSvgRenderer renderer(path);
    EXPECT_TRUE(renderer.isValid()) << path.toStdString();
    // Measured in pixels of a 96-dpi screen (its nominal size is in millimetres).
    if (size.isValid()) {
        EXPECT_EQ(renderer.viewBox().size(), size);
    }
}

// The main window with the graphs on images, as the desktop program draws them.
class ExportFilesTest : public ::testing::Test, public testing::PictureWindow {};

struct GraphCase {
    const char* name;
    std::vector<const char*> before;  // controls clicked first
    const char* png;
    const char* svg;
    enum { Ft, Fft, Music } shown;  // the window's surface of the graph
};

class ExportGraphFilesTest : public ExportFilesTest,
                             public ::testing::WithParamInterface<GraphCase> {};

TEST_P(ExportGraphFilesTest, PngOfTheGraphsSizeAndSvgThatParses) {
    const GraphCase& c = GetParam();
    ASSERT_TRUE(window_.Form_Load());
    for (const char* control : c.before) ASSERT_TRUE(window_.Fire(control, Event::Click));
    const ImageSurface& surface = c.shown == GraphCase::Ft    ? picture2_
                                  : c.shown == GraphCase::Fft ? picture1_
                                                              : picture5_;
    const QImage shown = surface.Image();

    for (const bool twice : {false, true}) {
        SCOPED_TRACE(twice ? "double" : "screen");
        if (twice) {
            ASSERT_TRUE(window_.Fire("mnuExportDoubleItem", Event::Click));
        }
        const QString png = Path(twice ? "twice.png" : "once.png");
        platform_.saveAnswers.push_back(png.toStdString());
        ASSERT_TRUE(window_.Fire(c.png, Event::Click));
        const QImage image(png);
        ASSERT_FALSE(image.isNull());
        // Twice the resolution: the graph's image on a screen of device pixel ratio 2.
        const QSize size =
            twice ? ImageSurface(surface.Width(), surface.Height(), 96, 2).Image().size()
                  : shown.size();
        EXPECT_EQ(image.size(), size);
        // At the screen's resolution the picture is the window's, pixel for pixel.
        if (!twice) {
            EXPECT_EQ(image.convertToFormat(QImage::Format_RGB32),
                      shown.convertToFormat(QImage::Format_RGB32));
        }
    }
    const QString svg = Path("drawing.svg");
    platform_.saveAnswers.push_back(svg.toStdString());
    ASSERT_TRUE(window_.Fire(c.svg, Event::Click));
    ExpectSvg(svg, shown.size());
    EXPECT_TRUE(platform_.messages.empty());
}

INSTANTIATE_TEST_SUITE_P(
    Graphs, ExportGraphFilesTest,
    ::testing::Values(
        GraphCase{"Ft", {}, "mnuExportFtPngItem", "mnuExportFtSvgItem", GraphCase::Ft},
        GraphCase{"Fft", {}, "mnuExportFftPngItem", "mnuExportFftSvgItem", GraphCase::Fft},
        GraphCase{"Music",
                  {"Command3"},
                  "mnuExportMusicPngItem",
                  "mnuExportMusicSvgItem",
                  GraphCase::Music}),
    [](const auto& info) { return std::string(info.param.name); });

// A folder that cannot hold the picture: a message, and the old file stays.
TEST_F(ExportFilesTest, UnwritablePictureKeepsTheOldFile) {
    ASSERT_TRUE(window_.Form_Load());
    platform_.saveAnswers.push_back(Path("missing/ft.png").toStdString());
    ASSERT_TRUE(window_.Fire("mnuExportFtPngItem", Event::Click));
    ASSERT_EQ(platform_.messages.size(), 1u);
    EXPECT_EQ(platform_.messages[0].rfind("The file \"", 0), 0u) << platform_.messages[0];
}

// --- the command-line companion

int RunCli(const std::vector<std::string>& arguments, std::string* out, std::string* err) {
    testing::CompanionRun run = testing::RunCompanion(arguments);
    *out = std::move(run.out);
    *err = std::move(run.err);
    return run.status;
}

// The values of the numbers in `text`, split at commas and line ends, from its
// second line on.
std::vector<double> CsvNumbers(const std::string& text) {
    std::vector<double> numbers;
    std::istringstream lines(text.substr(text.find('\n') + 1));
    for (std::string line; std::getline(lines, line);) {
        std::istringstream cells(line);
        for (std::string cell; std::getline(cells, cell, ',');)
            numbers.push_back(ParseNumber(cell).value_or(-12345));
    }
    return numbers;
}

TEST(CliExportTest, CsvSpectrumReadsBackAsTheSpectrumList) {
    std::string list, csv, err;
    ASSERT_EQ(RunCli({"spectrum", "--method", "complex"}, &list, &err), 0) << err;
    ASSERT_EQ(RunCli({"csv", "spectrum", "--method", "complex"}, &csv, &err), 0) << err;
    EXPECT_EQ(csv.substr(0, csv.find('\n')), "index,frequency (Hz),real,imaginary,modulus");
    const std::vector<double> cells = CsvNumbers(csv);
    ASSERT_EQ(cells.size(), 1024u * 5);
    std::istringstream lines(list);
    std::string line;
    std::getline(lines, line);  // the empty header of the complex layout
    for (size_t n = 0; n < 1024; ++n) {
        SCOPED_TRACE(n);
        std::string re, im;
        std::getline(lines, re);
        std::getline(lines, im);
        EXPECT_EQ(cells[5 * n], static_cast<double>(n));
        EXPECT_EQ(cells[5 * n + 2], ParseNumber(re).value());
        EXPECT_EQ(cells[5 * n + 3], ParseNumber(im).value());
    }

    ASSERT_EQ(RunCli({"csv", "samples"}, &csv, &err), 0) << err;
    EXPECT_EQ(csv.substr(0, csv.find('\n')), "index,time (s),real,imaginary,modulus");
    EXPECT_EQ(CsvNumbers(csv).size(), 1024u * 5);
}

TEST(CliExportTest, RenderSvgWritesTheDrawingsOfTheGraphsShown) {
    struct Case {
        std::vector<std::string> options;
        std::vector<const char*> files;
    };
    for (const Case& c : {Case{{}, {"ft.png", "fft.png", "ft.svg", "fft.svg"}},
                          Case{{"--log"}, {"ft.png", "music.png", "ft.svg", "music.svg"}}}) {
        SCOPED_TRACE(c.files.size());
        QTemporaryDir folder;
        std::vector<std::string> arguments = {"render", folder.path().toStdString(), "--svg"};
        arguments.insert(arguments.end(), c.options.begin(), c.options.end());
        std::string out, err;
        ASSERT_EQ(RunCli(arguments, &out, &err), 0) << err;
        std::string expected;
        for (const char* file : c.files)
            expected += folder.filePath(QString::fromUtf8(file)).toStdString() + "\n";
        EXPECT_EQ(out, expected);
        for (const char* file : c.files)
            if (QString::fromUtf8(file).endsWith(QStringLiteral(".svg")))
                ExpectSvg(folder.filePath(QString::fromUtf8(file)), QSize());
    }
}

TEST(CliExportTest, UsageErrors) {
    struct Case {
        std::vector<std::string> arguments;
        const char* error;
    };
    for (const Case& c : {Case{{"csv"}, "csv needs samples|spectrum"},
                          Case{{"csv", "graph"}, "csv needs samples|spectrum"},
                          Case{{"samples", "--svg"}, "--svg applies to render only"}}) {
        SCOPED_TRACE(c.error);
        std::string out, err;
        EXPECT_EQ(RunCli(c.arguments, &out, &err), cli::kExitUsage);
        EXPECT_NE(err.find(c.error), std::string::npos) << err;
        EXPECT_TRUE(out.empty());
    }
}

}  // namespace
}  // namespace quorbel
