// The main window's exports (File, "Export"): the samples and the spectrum as CSV, the
// report as UTF-8 text and the three graphs as PNG or SVG pictures. Each asks for the
// file name in the save dialog, which asks before an existing file is overwritten,
// and replaces the file only once the new content is complete.
//
// A picture is drawn again, on a surface the platform provides, by the same code that
// draws the graph in the window and at the size of the window's graph. What the mouse
// adds on top of a graph (the peak mark and its frequency, the expansion limits, the
// cursor lines and the harmonic markers) is not part of it, except in the pictures
// "for a worksheet" (MainWindowWorksheet.cpp), which frame the same drawing with axes,
// a title and those marks.
#include "platform/Translation.h"
#include "report/CsvExport.h"
#include "report/Report.h"
#include "state/FileReplace.h"
#include "state/NumberText.h"
#include "state/QuotedText.h"
#include "windows/MainWindowModel.h"

namespace quorbel {

namespace {

constexpr const char* kCsvFilter = QT_TRANSLATE_NOOP("Filters", "CSV files|*.csv");
constexpr const char* kTextFilter = QT_TRANSLATE_NOOP("Filters", "Text files|*.txt");
constexpr const char* kPngFilter = QT_TRANSLATE_NOOP("Filters", "PNG images|*.png");
constexpr const char* kSvgFilter = QT_TRANSLATE_NOOP("Filters", "SVG drawings|*.svg");
constexpr const char* kPdfFilter = QT_TRANSLATE_NOOP("Filters", "PDF documents|*.pdf");

}  // namespace

double MainWindowModel::SamplingRate() const {
    if (Source() == DataSource::RawFile) return DecimalPrefix(state_.Get(Field::cyclesPerSecond));
    return state_.sampleList.Whole(0);
}

std::string MainWindowModel::SamplesCsvText() const {
    return SamplesCsv(state_.sampleList, SamplingRate());
}

std::string MainWindowModel::SpectrumCsvText() const {
    return SpectrumCsv(state_.spectrumList, SamplingRate());
}

bool MainWindowModel::ExportReady(bool needsSpectrum) {
    // The spectrum and what is computed from it are current once both graphs were
    // drawn from the parameters shown (plotState 10); the samples as soon as they
    // were drawn and no parameter changed since.
    const double plotState = state_.PlotStateValue();
    const bool ready =
        needsSpectrum ? plotState == 10 : plotState != 1 && state_.sampleList.Whole(0) > 0;
    if (!ready)
        platform_.MessageBox(
            Translate("Messages",
                      "It is not possible to export because the parameters were changed. Click in "
                      "BOTH to recalculate and plot the graphs and then try again"));
    return ready;
}

void MainWindowModel::ExportText(const std::string& filter, const std::string& content) {
    const std::optional<std::string> path = platform_.SaveFileName(filter);
    if (!path) return;
    SetPointer(kPointerHourglass);
    std::string error;
    const bool written = ReplaceFile(*path, content, FileCalls::System(), &error);
    SetPointer(kPointerDefault);
    if (!written) platform_.MessageBox(CannotWriteMessage(*path, error));
}

void MainWindowModel::ExportGraph(Graph graph, PictureFormat format) {
    if (!ExportReady(graph != Graph::Ft)) return;
    // Only what the window shows is exported: the FFT graph not while the musical view
    // or the two half-height graphs take its place, the musical canvas only in the
    // musical view.
    if (graph == Graph::Fft && !view_["Picture1"].visible) {
        platform_.MessageBox(
            Translate("Messages", "The FFT graph is not shown. Show it and then try again."));
        return;
    }
    if (graph == Graph::Music && (!view_["Picture4"].visible || !surfaces_.Picture5)) {
        platform_.MessageBox(Translate(
            "Messages",
            "The musical graph is not shown. Click in \"Log\" to show it and then try again."));
        return;
    }
    const std::optional<std::string> path =
        platform_.SaveFileName(format == PictureFormat::Png   ? kPngFilter
                               : format == PictureFormat::Svg ? kSvgFilter
                                                              : kPdfFilter);
    if (!path) return;

    PictureRequest request;
    request.path = *path;
    request.format = format;
    request.scale = choices_.exportDouble ? 2 : 1;
    const Surface& shown = graph == Graph::Ft    ? surfaces_.Picture2
                           : graph == Graph::Fft ? surfaces_.Picture1
                                                 : *surfaces_.Picture5;
    request.widthTwips = shown.Width();
    request.heightTwips = shown.Height();
    if (choices_.exportWorksheet) {
        const WorksheetPicture sheet = graph == Graph::Ft    ? FtWorksheet()
                                       : graph == Graph::Fft ? FftWorksheet()
                                                             : MusicWorksheet();
        request.widthTwips = WorksheetWidth(sheet);
        request.heightTwips = WorksheetHeight(sheet);
        request.draw = [sheet](Surface& pic) { DrawWorksheet(pic, sheet); };
    } else {
        switch (graph) {
            case Graph::Ft:
                request.draw = [this](Surface& pic) { DrawFtGraph(pic); };
                break;
            case Graph::Fft:
                request.draw = [this](Surface& pic) { DrawFftGraph(pic); };
                break;
            case Graph::Music:
                request.draw = [this](Surface& pic) { DrawMusicalGraph(pic, MusicalSign()); };
                break;
        }
    }
    SetPointer(kPointerHourglass);
    std::string error;
    const bool written = platform_.ExportPicture(request, &error);
    SetPointer(kPointerDefault);
    if (!written) platform_.MessageBox(CannotWriteMessage(*path, error));
}

void MainWindowModel::mnuExportSamplesItem_Click() {
    if (ExportReady(false)) ExportText(kCsvFilter, SamplesCsvText());
}

void MainWindowModel::mnuExportSpectrumItem_Click() {
    if (ExportReady(true)) ExportText(kCsvFilter, SpectrumCsvText());
}

void MainWindowModel::mnuExportReportItem_Click() {
    if (!ExportReady(true)) return;
    // The two half-height graphs hold no quantity to report on ("Report" is off).
    if (!view_["mnuReport"].enabled) {
        platform_.MessageBox(Translate(
            "Messages",
            "The report cannot be made while both graphs are shown separately. Choose one "
            "quantity and then try again."));
        return;
    }
    ExportText(kTextFilter, ReportPlainText(ReportInputNow()));
}

void MainWindowModel::mnuExportFtPngItem_Click() {
    ExportGraph(Graph::Ft, PictureFormat::Png);
}
void MainWindowModel::mnuExportFtSvgItem_Click() {
    ExportGraph(Graph::Ft, PictureFormat::Svg);
}
void MainWindowModel::mnuExportFftPngItem_Click() {
    ExportGraph(Graph::Fft, PictureFormat::Png);
}
void MainWindowModel::mnuExportFftSvgItem_Click() {
    ExportGraph(Graph::Fft, PictureFormat::Svg);
}
void MainWindowModel::mnuExportMusicPngItem_Click() {
    ExportGraph(Graph::Music, PictureFormat::Png);
}
void MainWindowModel::mnuExportMusicSvgItem_Click() {
    ExportGraph(Graph::Music, PictureFormat::Svg);
}
void MainWindowModel::mnuExportFtPdfItem_Click() {
    ExportGraph(Graph::Ft, PictureFormat::Pdf);
}
void MainWindowModel::mnuExportFftPdfItem_Click() {
    ExportGraph(Graph::Fft, PictureFormat::Pdf);
}
void MainWindowModel::mnuExportMusicPdfItem_Click() {
    ExportGraph(Graph::Music, PictureFormat::Pdf);
}

void MainWindowModel::mnuExportDoubleItem_Click() {
    Choose(&MainWindowChoices::exportDouble, !choices_.exportDouble);
}

void MainWindowModel::mnuExportWorksheetItem_Click() {
    Choose(&MainWindowChoices::exportWorksheet, !choices_.exportWorksheet);
    view_["mnuExportPercentItem"].enabled = choices_.exportWorksheet;
    // The spectrogram window's "Export PNG" follows the same choice.
    if (raw_) raw_->Spectrogram().SetWorksheetStyle(choices_.exportWorksheet);
}

void MainWindowModel::mnuExportPercentItem_Click() {
    Choose(&MainWindowChoices::exportPercent, !choices_.exportPercent);
}

}  // namespace quorbel
