// Pictures "for a worksheet" as files: the SVG holds the axis titles, the tick numbers
// and the title as text, and the harmonic marks when they are shown; the PNG at double
// resolution is the SVG's drawing at that scale; the command-line companion's render
// --worksheet writes them all.
#include <gtest/gtest.h>

#include <QFile>
#include <QImage>
#include <QPainter>
#include <QStringList>
#include <QSvgRenderer>
#include <QTemporaryDir>
#include <QXmlStreamReader>
#include <algorithm>
#include <string>
#include <vector>

#include "CompanionRun.h"
#include "PictureWindow.h"
#include "surface/ImageSurface.h"
#include "surface/PictureFile.h"
#include "surface/TextGridSurface.h"
#include "windows/MainWindowModel.h"
#include "worksheet/Worksheet.h"

namespace quorbel {
namespace {

struct SvgContent {
    std::vector<std::string> texts;  // every text element, trimmed
    int darkBlueGroups = 0;          // groups stroked in the harmonic marks' colour
};

SvgContent ReadSvg(const QString& path) {
    SvgContent content;
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) return content;
    QXmlStreamReader xml(&file);
    QStringList runs;
    QStringList lines;
    QString lastY;
    while (!xml.atEnd()) {
        xml.readNext();
        if (!xml.isStartElement()) continue;
        if (xml.name() == QStringLiteral("text")) {
            // A line in two scripts (Latin and Greek) is written as runs one after the
            // other at the same height, and so are the tick numbers of one axis: every
            // run is a text, and so is each line of runs at one height joined up.
            const QString y = xml.attributes().value(QStringLiteral("y")).toString();
            const QString run = xml.readElementText();
            if (y == lastY && !lines.isEmpty())
                lines.last() += run;
            else
                lines.push_back(run);
            runs.push_back(run);
            lastY = y;
        } else if (xml.name() == QStringLiteral("g") &&
                   xml.attributes().value(QStringLiteral("stroke")) == QStringLiteral("#0000c0"))
            ++content.darkBlueGroups;
    }
    for (const QString& text : runs + lines) content.texts.push_back(text.trimmed().toStdString());
    return content;
}

// One of the texts, or, for a title that may be broken over two lines, part of all
// of them joined by blanks.
bool Has(const std::vector<std::string>& texts, const std::string& text) {
    if (std::find(texts.begin(), texts.end(), text) != texts.end()) return true;
    std::string joined;
    for (const std::string& t : texts) joined += t + " ";
    return text.size() > 30 && joined.find(text) != std::string::npos;
}

class WorksheetFilesTest : public ::testing::Test, public testing::PictureWindow {
  protected:
    void Export(const char* item, const QString& path) {
        platform_.saveAnswers.push_back(path.toStdString());
        ASSERT_TRUE(window_.Fire(item, Event::Click));
    }
};

struct SheetCase {
    const char* name;
    std::vector<const char*> before;
    bool marks;  // harmonic markers placed over the FFT graph
    const char* svg;
    const char* png;
    std::vector<std::string> texts;
};

class WorksheetSvgTest : public WorksheetFilesTest,
                         public ::testing::WithParamInterface<SheetCase> {};

TEST_P(WorksheetSvgTest, SvgHoldsAxesTitleAndMarksAndPngIsItsDrawing) {
    const SheetCase& c = GetParam();
    ASSERT_TRUE(window_.Form_Load());
    for (const char* control : c.before) ASSERT_TRUE(window_.Fire(control, Event::Click));
    if (c.marks) {
        ASSERT_TRUE(window_.Fire("Command2", Event::Click));
        ASSERT_TRUE(window_.Fire("Picture1", Event::MouseMove,
                                 {.button = 2, .x = 30 * 7665.0 / 511, .y = 2000}));
    }
    ASSERT_TRUE(window_.Fire("mnuExportWorksheetItem", Event::Click));
    ASSERT_TRUE(window_.Fire("mnuExportDoubleItem", Event::Click));
    const QString svg = Path("sheet.svg"), png = Path("sheet.png");
    Export(c.svg, svg);
    Export(c.png, png);
    ASSERT_TRUE(platform_.messages.empty()) << platform_.messages[0];

    const SvgContent content = ReadSvg(svg);
    for (const std::string& text : c.texts) EXPECT_TRUE(Has(content.texts, text)) << text;
    // The trace of f(t) is dark blue itself; the spectrum's is dark red.
    if (std::string(c.svg) != "mnuExportFtSvgItem") {
        EXPECT_EQ(content.darkBlueGroups > 0, c.marks);
    }

    // The PNG at double resolution against the SVG drawn at twice its size.
    const QImage image = QImage(png).convertToFormat(QImage::Format_RGB32);
    QSvgRenderer renderer(svg);
    ASSERT_TRUE(renderer.isValid());
    // Both are whole pixels of the same size in twips, rounded apart.
    EXPECT_NEAR(image.width(), renderer.viewBox().width() * 2, 1);
    EXPECT_NEAR(image.height(), renderer.viewBox().height() * 2, 1);
    QImage drawn(image.size(), QImage::Format_RGB32);
    drawn.fill(Qt::white);
    {
        QPainter painter(&drawn);
        renderer.render(&painter);
    }
    // The frame round the plot: its corners and the middle of its edges are ink in
    // both, and the ground just inside the frame's corners is white in both.
    const double pixelsPerTwip = 2 * 96.0 / 1440;
    const int left = static_cast<int>(WorksheetMargins::left * pixelsPerTwip);
    const int top = static_cast<int>(WorksheetMargins::top * pixelsPerTwip);
    const int right = image.width() - static_cast<int>(WorksheetMargins::right * pixelsPerTwip);
    auto ink = [](const QImage& im, int x, int y) {
        // The darkest pixel of the 3 x 3 around (x, y): lines may fall a pixel apart.
        int darkest = 255;
        for (int dy = -1; dy <= 1; ++dy)
            for (int dx = -1; dx <= 1; ++dx)
                darkest = std::min(darkest, qGray(im.pixel(x + dx, y + dy)));
        return darkest < 128;
    };
    struct Sample {
        int x, y;
        bool ink;
    };
    const std::vector<Sample> samples = {{left, top, true},
                                         {(left + right) / 2, top, true},
                                         {right, top, true},
                                         {left, top + 40, true},
                                         {right, top + 40, true},
                                         {left + 12, top + 12, false},
                                         {right - 12, top + 12, false},
                                         {4, image.height() - 4, false}};
    for (const Sample& s : samples) {
        SCOPED_TRACE(::testing::Message() << s.x << "," << s.y);
        EXPECT_EQ(ink(image, s.x, s.y), s.ink);
        EXPECT_EQ(ink(drawn, s.x, s.y), s.ink);
    }
    // Ink row by row: the same rows carry the frame, the trace and the text.
    int rows = 0, agreeing = 0;
    for (int y = 2; y < image.height() - 2; y += 7) {
        int a = 0, b = 0;
        for (int x = 0; x < image.width(); ++x) {
            a += qGray(image.pixel(x, y)) < 128;
            b += qGray(drawn.pixel(x, y)) < 128;
        }
        ++rows;
        agreeing += (a == 0) == (b == 0);
    }
    EXPECT_GE(agreeing, rows * 9 / 10);
}

INSTANTIATE_TEST_SUITE_P(
    Graphs, WorksheetSvgTest,
    ::testing::Values(
        SheetCase{"Ft",
                  {},
                  false,
                  "mnuExportFtSvgItem",
                  "mnuExportFtPngItem",
                  {"time (s)", "f(t) (sample value)", "0", "0.4", "0.8", "10", "-5",
                   "Samples f(t) of a sum of sines, 30 cycles per second, N = 1024 points"}},
        SheetCase{"Fft_with_harmonic_marks",
                  {},
                  true,
                  "mnuExportFftSvgItem",
                  "mnuExportFftPngItem",
                  {"frequency (Hz)", "modulus \xCF\x81 (units of the spectrum list)", "0", "100",
                   "200", "500",
                   "Modulus \xCF\x81 of the Fourier transform of a sum of sines, 30 cycles per "
                   "second, N = 1024 points"}},
        SheetCase{"Fft_imaginary",
                  {"Option1"},
                  false,
                  "mnuExportFftSvgItem",
                  "mnuExportFftPngItem",
                  {"frequency (Hz)", "imaginary part (units of the spectrum list)", "0", "300"}},
        SheetCase{"Music",
                  {"Command3"},
                  false,
                  "mnuExportMusicSvgItem",
                  "mnuExportMusicPngItem",
                  {"frequency (Hz), logarithmic scale, over the piano keyboard",
                   "modulus \xCF\x81 (units of the spectrum list)", "100",
                   "Modulus \xCF\x81 of the Fourier transform on a musical scale of a sum of "
                   "sines, 30 cycles per second, N = 1024 points"}}),
    [](const auto& info) { return std::string(info.param.name); });

TEST_F(WorksheetFilesTest, PdfPictureIsOnePageOfThePicturesSize) {
    ASSERT_TRUE(window_.Form_Load());
    ASSERT_TRUE(window_.Fire("mnuExportWorksheetItem", Event::Click));
    const QString pdf = Path("sheet.pdf");
    Export("mnuExportFtPdfItem", pdf);
    QFile file(pdf);
    ASSERT_TRUE(file.open(QIODevice::ReadOnly));
    const QByteArray bytes = file.readAll();
    EXPECT_TRUE(bytes.startsWith("%PDF"));
    EXPECT_EQ(bytes.count("/Type /Page\n") + bytes.count("/Type /Page\r"), 1);
}

TEST(CliWorksheetTest, RenderWritesEveryFormatForAWorksheet) {
    QTemporaryDir folder;
    const testing::CompanionRun run = testing::RunCompanion(
        {"render", folder.path().toStdString(), "--worksheet", "--svg", "--pdf"});
    ASSERT_EQ(run.status, 0) << run.err;
    std::string expected;
    for (const char* file : {"ft.png", "fft.png", "ft.svg", "fft.svg", "ft.pdf", "fft.pdf"})
        expected += folder.filePath(QString::fromUtf8(file)).toStdString() + "\n";
    EXPECT_EQ(run.out, expected);
    const SvgContent fft = ReadSvg(folder.filePath(QStringLiteral("fft.svg")));
    EXPECT_TRUE(Has(fft.texts, "frequency (Hz)"));
    // Worksheet pictures are wider than the window's graph: they carry the axes.
    EXPECT_GT(QImage(folder.filePath(QStringLiteral("fft.png"))).width(), 7665 / 15);
}

TEST(CliWorksheetTest, UsageErrors) {
    struct Case {
        std::vector<std::string> arguments;
        const char* error;
    };
    for (const Case& c :
         {Case{{"samples", "--worksheet"}, "--worksheet applies to render and spectrogram only"},
          Case{{"render", "out", "--worksheet", "--show", "both"}, "not --show both"},
          Case{{"render", "out", "--percent"}, "--percent needs --worksheet"},
          Case{{"report", "--pdf"}, "--pdf applies to render only"}}) {
        SCOPED_TRACE(c.error);
        const testing::CompanionRun run = testing::RunCompanion(c.arguments);
        EXPECT_EQ(run.status, cli::kExitUsage);
        EXPECT_NE(run.err.find(c.error), std::string::npos) << run.err;
    }
}

}  // namespace
}  // namespace quorbel
