// The "Export" menu: the samples and the spectrum as CSV, the report as text and the
// three graphs as pictures, driven through the main window's control table.
#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <sstream>
#include <string>
#include <vector>

#include "ModelFixture.h"
#include "report/CsvExport.h"
#include "state/NumberText.h"

namespace quorbel {
namespace {

using testing::ModelFixture;

struct CsvRow {
    int index = 0;
    double position = 0, re = 0, im = 0, modulus = 0;
};

// The rows of a CSV text; its first line must be `header`, and every row must hold
// five numbers.
std::vector<CsvRow> ReadCsv(const std::string& csv, const std::string& header) {
    std::istringstream in(csv);
    std::string line;
    std::getline(in, line);
    EXPECT_EQ(line, header);
    std::vector<CsvRow> rows;
    while (std::getline(in, line)) {
        std::vector<double> cells;
        std::istringstream fields(line);
        for (std::string cell; std::getline(fields, cell, ',');) {
            const std::optional<double> value = ParseNumber(cell);
            EXPECT_TRUE(value) << line;
            cells.push_back(value.value_or(0));
        }
        EXPECT_EQ(cells.size(), 5u) << line;
        cells.resize(5);
        rows.push_back({static_cast<int>(cells[0]), cells[1], cells[2], cells[3], cells[4]});
    }
    return rows;
}

DataList Numbers(const std::string& header, const std::vector<double>& values) {
    DataList list;
    list.Add(header);
    for (double v : values) list.AddNumber(v);
    return list;
}

struct SpectrumCase {
    const char* name;
    DataList list;
    double samplingRate;
    std::vector<CsvRow> rows;
};

std::vector<SpectrumCase> SpectrumCases() {
    return {
        // Real-data layout: H0, H2, then Re/Im of point 1; H2 is the last row.
        {"RealData",
         Numbers("2", {4, -2, 3, 4}),
         8,
         {{0, 0, 4, 0, 4}, {1, 2, 3, 4, 5}, {2, 4, -2, 0, 2}}},
        // Complex layout of four points: point 3 is the frequency -1 bin.
        {"Complex",
         Numbers("", {1, 0, 0, 2, 5, 0, 0, -2}),
         4,
         {{0, 0, 1, 0, 1}, {1, 1, 0, 2, 2}, {2, 2, 5, 0, 5}, {3, -1, 0, -2, 2}}},
        // A header beyond the lines present reads only the points there.
        {"HeaderTooLarge", Numbers("1000000", {6, 8}), 2, {{0, 0, 6, 0, 6}, {1, 1, 8, 0, 8}}},
        {"Empty", DataList{}, 1024, {}},
    };
}

class SpectrumCsvTest : public ::testing::TestWithParam<SpectrumCase> {};

TEST_P(SpectrumCsvTest, RowsOfEachLayout) {
    const SpectrumCase& c = GetParam();
    const std::vector<CsvRow> rows =
        ReadCsv(SpectrumCsv(c.list, c.samplingRate), kSpectrumCsvHeader);
    ASSERT_EQ(rows.size(), c.rows.size());
    for (size_t i = 0; i < rows.size(); ++i) {
        SCOPED_TRACE(i);
        EXPECT_EQ(rows[i].index, c.rows[i].index);
        EXPECT_EQ(rows[i].position, c.rows[i].position);
        EXPECT_EQ(rows[i].re, c.rows[i].re);
        EXPECT_EQ(rows[i].im, c.rows[i].im);
        EXPECT_EQ(rows[i].modulus, c.rows[i].modulus);
    }
}

INSTANTIATE_TEST_SUITE_P(Layouts, SpectrumCsvTest, ::testing::ValuesIn(SpectrumCases()),
                         [](const auto& info) { return std::string(info.param.name); });

// --- through the window

std::string ReadText(const std::filesystem::path& path) {
    std::ifstream in(path, std::ios::binary);
    return {std::istreambuf_iterator<char>(in), {}};
}

class ExportTest : public ModelFixture {
  protected:
    // Clicks `item` with the save dialog answering `name` in the test folder.
    std::filesystem::path Export(const char* item, const char* name = "out") {
        const std::filesystem::path path = dir_ / name;
        platform.saveAnswers.push_back(path.string());
        EXPECT_TRUE(Model().Fire(item, Event::Click)) << item;
        return path;
    }
};

// The exported spectrum read back gives the list's values in both layouts, at the
// bins' frequencies in hertz.
class SpectrumExportTest : public ExportTest, public ::testing::WithParamInterface<bool> {};

TEST_P(SpectrumExportTest, ReadBackGivesTheSpectrumList) {
    const bool complex = GetParam();
    {
        Loaded();
        if (complex) {
            ASSERT_TRUE(Model().Fire("mnuImagzeroItem", Event::Click));
        }
        const DataList& spectrum = State().spectrumList;
        const std::vector<CsvRow> rows =
            ReadCsv(ReadText(Export("mnuExportSpectrumItem")), kSpectrumCsvHeader);
        EXPECT_EQ(platform.saveFilters.back(), "CSV files|*.csv");
        DataList back;
        if (complex) {
            back.Add("");
            for (const CsvRow& row : rows) back.AddNumber(row.re), back.AddNumber(row.im);
            ASSERT_EQ(rows.size(), 1024u);
            EXPECT_EQ(rows[600].position, 600 - 1024);
        } else {
            ASSERT_EQ(rows.size(), 513u);
            back.AddNumber(512);
            back.AddNumber(rows[0].re);
            back.AddNumber(rows[512].re);
            for (size_t n = 1; n < 512; ++n) back.AddNumber(rows[n].re), back.AddNumber(rows[n].im);
            EXPECT_EQ(rows[512].position, 512);
        }
        EXPECT_EQ(back, spectrum);
        for (size_t n = 0; n < rows.size(); ++n) ASSERT_EQ(rows[n].index, static_cast<int>(n));
        EXPECT_EQ(rows[30].position, 30);  // one hertz per bin over the one-second window
    }
}

INSTANTIATE_TEST_SUITE_P(Methods, SpectrumExportTest, ::testing::Bool(),
                         [](const auto& info) { return info.param ? "Complex" : "Realft"; });

TEST_F(ExportTest, SamplesAreRealWithTheirTimes) {
    Loaded();
    const std::vector<CsvRow> rows =
        ReadCsv(ReadText(Export("mnuExportSamplesItem")), kSamplesCsvHeader);
    const DataList& samples = State().sampleList;
    ASSERT_EQ(rows.size(), 1024u);
    for (size_t k = 0; k < rows.size(); ++k) {
        SCOPED_TRACE(k);
        EXPECT_EQ(rows[k].position, ParseNumber(NumberText(k / 1024.0)).value());
        EXPECT_EQ(rows[k].re, samples.Value(static_cast<int>(k) + 1));
        EXPECT_EQ(rows[k].im, 0);
        EXPECT_EQ(rows[k].modulus, std::abs(rows[k].re));
    }
}

TEST_F(ExportTest, ReportIsTheReportWindowsText) {
    Loaded();
    ASSERT_TRUE(Model().Fire("mnuReport", Event::Click));
    const std::string text = ReadText(Export("mnuExportReportItem"));
    EXPECT_EQ(platform.saveFilters.back(), "Text files|*.txt");
    // Every text the report window shows stands in the file.
    for (const std::string& shown : form5.Texts()) {
        const size_t first = shown.find_first_not_of(' ');
        if (first == std::string::npos) continue;
        const std::string item = shown.substr(first, shown.find_last_not_of(' ') + 1 - first);
        EXPECT_NE(text.find(item), std::string::npos) << item;
    }
    // Each row of the table on a line of its own, its frequency first.
    const std::vector<ReportRow> rows =
        ReportRows(State().graphValueList, State().spectrumList, false);
    ASSERT_FALSE(rows.empty());
    std::vector<std::string> starts;  // each line's first word
    std::istringstream lines(text);
    for (std::string line; std::getline(lines, line);) {
        std::istringstream words(line);
        std::string word;
        words >> word;
        starts.push_back(word);
    }
    for (const ReportRow& row : rows)
        EXPECT_NE(std::find(starts.begin(), starts.end(), NumberText(row.frequency)), starts.end())
            << row.frequency;
    EXPECT_EQ(text.back(), '\n');
}

struct RefusalCase {
    const char* name;
    std::vector<const char*> before;  // controls clicked first
    bool changeField;                 // a parameter typed afterwards
    const char* item;
    const char* message;  // the start of the message
};

std::vector<RefusalCase> RefusalCases() {
    const char* changed = "It is not possible to export because the parameters were changed";
    return {
        {"SpectrumAfterAnEdit", {}, true, "mnuExportSpectrumItem", changed},
        {"SamplesAfterAnEdit", {}, true, "mnuExportSamplesItem", changed},
        {"ReportAfterAnEdit", {}, true, "mnuExportReportItem", changed},
        {"FtPictureAfterAnEdit", {}, true, "mnuExportFtPngItem", changed},
        {"FftHiddenByTheMusicalView",
         {"Command3"},
         false,
         "mnuExportFftSvgItem",
         "The FFT graph is not shown"},
        {"MusicNotShown", {}, false, "mnuExportMusicPngItem", "The musical graph is not shown"},
        {"ReportOfTwoGraphs",
         {"Option10"},
         false,
         "mnuExportReportItem",
         "The report cannot be made while both graphs"},
        {"FftOfTwoGraphs", {"Option10"}, false, "mnuExportFftPngItem", "The FFT graph is not"},
    };
}

class ExportRefusalTest : public ModelFixture, public ::testing::WithParamInterface<RefusalCase> {};

TEST_P(ExportRefusalTest, SaysWhyAndAsksForNoFile) {
    const RefusalCase& c = GetParam();
    Loaded();
    for (const char* control : c.before) {
        Model().Fire(control, Event::MouseDown);
        ASSERT_TRUE(Model().Fire(control, Event::Click)) << control;
    }
    if (c.changeField) {
        ASSERT_TRUE(Model().Type("Text2", "31"));
    }
    platform.messages.clear();
    ASSERT_TRUE(Model().Fire(c.item, Event::Click));
    ASSERT_EQ(platform.messages.size(), 1u);
    EXPECT_EQ(platform.messages[0].rfind(c.message, 0), 0u) << platform.messages[0];
    EXPECT_TRUE(platform.saveFilters.empty());
    EXPECT_TRUE(platform.exportedPictures.empty());
}

INSTANTIATE_TEST_SUITE_P(States, ExportRefusalTest, ::testing::ValuesIn(RefusalCases()),
                         [](const auto& info) { return std::string(info.param.name); });

// Cancelling the dialog writes nothing; an existing file is replaced as a whole; a
// path that cannot be written keeps what was there and says so.
TEST_F(ExportTest, CancelReplaceAndRefusedPaths) {
    Loaded();
    platform.saveAnswers.push_back(std::nullopt);
    ASSERT_TRUE(Model().Fire("mnuExportSamplesItem", Event::Click));
    EXPECT_TRUE(platform.messages.empty());
    EXPECT_EQ(std::distance(std::filesystem::directory_iterator(dir_), {}), 1);  // params

    std::ofstream(dir_ / "old.csv") << std::string(100000, 'x');
    const std::string csv = ReadText(Export("mnuExportSamplesItem", "old.csv"));
    EXPECT_EQ(csv, Model().SamplesCsvText());

    std::ofstream(dir_ / "file") << "kept";
    Export("mnuExportSpectrumItem", "file/inside.csv");
    ASSERT_EQ(platform.messages.size(), 1u);
    EXPECT_EQ(platform.messages[0].rfind("The file \"", 0), 0u) << platform.messages[0];
    EXPECT_EQ(ReadText(dir_ / "file"), "kept");
}

bool SameDrawing(const RecordingSurface& a, const RecordingSurface& b) {
    const std::vector<Primitive>& p = a.Primitives();
    const std::vector<Primitive>& q = b.Primitives();
    if (p.size() != q.size()) return false;
    for (size_t i = 0; i < p.size(); ++i) {
        if (p[i].kind != q[i].kind || p[i].x1 != q[i].x1 || p[i].y1 != q[i].y1 ||
            p[i].x2 != q[i].x2 || p[i].y2 != q[i].y2 || p[i].color != q[i].color ||
            p[i].text != q[i].text || !(p[i].font == q[i].font))
            return false;
    }
    return !p.empty();
}

struct PictureCase {
    const char* name;
    std::vector<const char*> before;  // controls clicked first
    const char* item;
    PictureFormat format;
    double scale;
    enum { Ft, Fft, Music } shown;  // the window's surface of the graph
};

std::vector<PictureCase> PictureCases() {
    using F = PictureFormat;
    return {
        {"FtPng", {}, "mnuExportFtPngItem", F::Png, 1, PictureCase::Ft},
        {"FtSvg", {}, "mnuExportFtSvgItem", F::Svg, 1, PictureCase::Ft},
        {"FftPngDouble",
         {"mnuExportDoubleItem"},
         "mnuExportFftPngItem",
         F::Png,
         2,
         PictureCase::Fft},
        {"FftSvgOfTheRealPart", {"Option2"}, "mnuExportFftSvgItem", F::Svg, 1, PictureCase::Fft},
        {"MusicPng", {"Command3"}, "mnuExportMusicPngItem", F::Png, 1, PictureCase::Music},
        {"MusicSvgInverted",
         {"Command3", "Command9"},
         "mnuExportMusicSvgItem",
         F::Svg,
         1,
         PictureCase::Music},
        {"FtPdf", {}, "mnuExportFtPdfItem", F::Pdf, 1, PictureCase::Ft},
        {"FftPdf", {}, "mnuExportFftPdfItem", F::Pdf, 1, PictureCase::Fft},
        {"MusicPdf", {"Command3"}, "mnuExportMusicPdfItem", F::Pdf, 1, PictureCase::Music},
    };
}

class ExportPictureTest : public ModelFixture, public ::testing::WithParamInterface<PictureCase> {};

// The picture is the graph's own drawing, at the graph's size.
TEST_P(ExportPictureTest, DrawsWhatTheWindowShows) {
    const PictureCase& c = GetParam();
    Loaded();
    for (const char* control : c.before) {
        Model().Fire(control, Event::MouseDown);
        ASSERT_TRUE(Model().Fire(control, Event::Click)) << control;
    }
    platform.saveAnswers.push_back("picture");
    ASSERT_TRUE(Model().Fire(c.item, Event::Click));
    EXPECT_TRUE(platform.messages.empty());
    ASSERT_EQ(platform.exportedPictures.size(), 1u);
    const auto& exported = platform.exportedPictures[0];
    EXPECT_EQ(platform.saveFilters.back(), c.format == PictureFormat::Png ? "PNG images|*.png"
                                           : c.format == PictureFormat::Svg
                                               ? "SVG drawings|*.svg"
                                               : "PDF documents|*.pdf");
    EXPECT_EQ(exported.request.path, "picture");
    EXPECT_EQ(exported.request.format, c.format);
    EXPECT_EQ(exported.request.scale, c.scale);
    const RecordingSurface& shown = c.shown == PictureCase::Ft    ? picture2
                                    : c.shown == PictureCase::Fft ? picture1
                                                                  : picture5;
    EXPECT_EQ(exported.request.widthTwips, shown.Width());
    EXPECT_EQ(exported.request.heightTwips, shown.Height());
    EXPECT_TRUE(SameDrawing(*exported.picture, shown));
}

INSTANTIATE_TEST_SUITE_P(Graphs, ExportPictureTest, ::testing::ValuesIn(PictureCases()),
                         [](const auto& info) { return std::string(info.param.name); });

TEST_F(ExportTest, APictureThePlatformCannotWriteIsReported) {
    Loaded();
    platform.picturesWritable = false;
    Export("mnuExportFtPngItem", "refused.png");
    ASSERT_EQ(platform.messages.size(), 1u);
    EXPECT_NE(platform.messages[0].find("cannot be written: the folder refuses new files"),
              std::string::npos);
}

}  // namespace
}  // namespace quorbel
