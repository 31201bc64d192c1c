// The command-line companion's platform: its dialogs answer from the queues the run
// fills, and what is printed or exported reaches its file, or a message says why not.
#include <gtest/gtest.h>

#include <QTemporaryDir>
#include <filesystem>
#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "CaseName.h"
#include "CliPlatform.h"
#include "platform/Paper.h"

namespace quorbel::cli {
namespace {

namespace fs = std::filesystem;

// --- the dialogs: answers taken front first, a cancel once the queue is empty

enum class Dialog { open, save };

struct DialogCase {
    std::string name;
    Dialog dialog;
    std::vector<std::optional<std::string>> queued;
    std::vector<std::optional<std::string>> expected;  // one call each
};

void PrintTo(const DialogCase& c, std::ostream* out) {
    *out << c.name;
}

class CliDialogs : public ::testing::TestWithParam<DialogCase> {};

TEST_P(CliDialogs, AnswerFromTheQueueInOrder) {
    const DialogCase& c = GetParam();
    CliPlatform platform("");
    for (const auto& answer : c.queued) {
        if (c.dialog == Dialog::open)
            platform.openAnswers.push_back(answer);
        else
            platform.saveAnswers.push_back(answer);
    }
    for (const auto& expected : c.expected) {
        const std::optional<std::string> answer =
            c.dialog == Dialog::open ? platform.OpenFileName("Sound (*.raw)|*.raw", 0)
                                     : platform.SaveFileName("Picture|*.svg");
        EXPECT_EQ(answer, expected);
    }
    EXPECT_TRUE(platform.messages.empty());
}

INSTANTIATE_TEST_SUITE_P(
    Queues, CliDialogs,
    ::testing::Values(
        DialogCase{"open with nothing queued", Dialog::open, {}, {std::nullopt, std::nullopt}},
        DialogCase{
            "open two answers", Dialog::open, {"a.raw", "b.raw"}, {"a.raw", "b.raw", std::nullopt}},
        DialogCase{
            "open a queued cancel", Dialog::open, {std::nullopt, "b.raw"}, {std::nullopt, "b.raw"}},
        DialogCase{"save with nothing queued", Dialog::save, {}, {std::nullopt}},
        DialogCase{"save two answers",
                   Dialog::save,
                   {"ft.svg", "fft.svg"},
                   {"ft.svg", "fft.svg", std::nullopt}},
        DialogCase{"save a queued cancel",
                   Dialog::save,
                   {std::nullopt, "x.svg"},
                   {std::nullopt, "x.svg"}}),
    testing::PrintedName());

// --- the outputs: the PDF file named on the command line, or a kept page; pictures

enum class Output { printNoFile, printPdf, exportSvg };

struct OutputCase {
    std::string name;
    Output output;
    bool folderExists;
    bool written;  // the file is there (or, with no file named, the page was taken)
};

void PrintTo(const OutputCase& c, std::ostream* out) {
    *out << c.name;
}

class CliOutputs : public ::testing::TestWithParam<OutputCase> {};

TEST_P(CliOutputs, ReachTheirFileOrSayWhyNot) {
    const OutputCase& c = GetParam();
    QTemporaryDir folder;
    ASSERT_TRUE(folder.isValid());
    const fs::path base = fs::path(folder.path().toStdString()) / (c.folderExists ? "" : "missing");
    const fs::path file = base / (c.output == Output::exportSvg ? "graph.svg" : "graph.pdf");
    CliPlatform platform(c.output == Output::printPdf ? file.string() : "");

    bool done = false;
    std::string error;
    if (c.output == Output::exportSvg) {
        PictureRequest request{.path = file.string(),
                               .format = PictureFormat::Svg,
                               .widthTwips = 1500,
                               .heightTwips = 900,
                               .draw = [](Surface& s) { s.Line(0, 0, s.Width(), s.Height()); }};
        done = platform.ExportPicture(request, &error);
    } else if (std::unique_ptr<PrintJob> job = platform.StartPrinting()) {
        const PaperLayout sheet = LayoutOf(LocalePaper());
        EXPECT_NEAR(job->Page().Width(), sheet.PrintableWidth(), 15);
        EXPECT_NEAR(job->Page().Height(), sheet.PrintableHeight(), 15);
        job->Page().Line(0, 0, 1000, 1000);
        done = job->EndDoc();
    }
    EXPECT_EQ(done, c.written);
    if (c.output != Output::printNoFile) {
        EXPECT_EQ(fs::exists(file), c.written);
    }
    // A refusal is told: in the error for a picture, in a message for a document.
    if (c.output == Output::exportSvg)
        EXPECT_EQ(error.empty(), c.written) << error;
    else
        EXPECT_EQ(platform.messages.empty(), c.written);
}

INSTANTIATE_TEST_SUITE_P(
    Files, CliOutputs,
    ::testing::Values(OutputCase{"print with no file named", Output::printNoFile, true, true},
                      OutputCase{"print to the PDF file", Output::printPdf, true, true},
                      OutputCase{"print to a missing folder", Output::printPdf, false, false},
                      OutputCase{"export an SVG picture", Output::exportSvg, true, true},
                      OutputCase{"export to a missing folder", Output::exportSvg, false, false}),
    testing::PrintedName());

}  // namespace
}  // namespace quorbel::cli
