// The main window's printed output, its bitmap of the FFT graph and the dialog of the
// opening parameters.
#include "platform/Translation.h"
#include "report/PrintedGraph.h"
#include "report/Report.h"
#include "state/NumberText.h"
#include "windows/MainWindowModel.h"

namespace quorbel {

void MainWindowModel::mnuprstupItem_Click() {
    platform_.PrinterSetup();
}

void MainWindowModel::mnuPrintftgrItem_Click() {
    // The page shows the graph and its report; both must come from the parameters on
    // screen.
    if (state_.PlotStateValue() != 10) {
        platform_.MessageBox(Translate(
            "Messages",
            "It is not possible to print the graph and the report because parameters were "
            "changed. Click in BOTH to replot the graphs and then retry to print."));
        return;
    }
    const std::unique_ptr<PrintJob> job = platform_.StartPrinting();
    if (!job) return;  // the user chose no printer and no file
    PrintedScale scale;
    scale.rawData = Source() == DataSource::RawFile;
    scale.totalPoints = DecimalPrefix(state_.Get(Field::totalPoints));
    scale.samplingRate = DecimalPrefix(state_.Get(Field::cyclesPerSecond));
    DrawPrintedGraph(job->Page(), state_.displayedValueList, scale);
    RelatPrint(job->Page());
    // Printer errors are the platform's to report.
    job->EndDoc();
}

void MainWindowModel::RelatPrint(Surface& printer) {
    // The report continues from where the graph left the text position, with the
    // printer's columns and without the line under the wave table's heading.
    WriteReportText(printer, ReportInputNow(), kPrinterReportColumns, false);
}

void MainWindowModel::mnuCreateBitmapItem_Click() {
    // The check mark is the request that makes the graph drawing repeat the curve in
    // the bitmap window.
    Choose(&MainWindowChoices::bitmapDrawn, true);
    Command5_Click();
    Choose(&MainWindowChoices::bitmapDrawn, false);
    bitmap_.Show();
}

void MainWindowModel::mnuConfigInitItem_Click() {
    // Each opening reads the file again; a dialog already open keeps its edits.
    if (!params_.View().shown) params_.Form_Load();
    params_.Show();
}

}  // namespace quorbel
