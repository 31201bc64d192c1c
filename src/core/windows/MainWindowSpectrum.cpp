// The main window's FFT graph: the display lists, the redraw, the display options,
// the frequency range and the two half-height graphs with their common cursor.
#include "platform/Translation.h"
#include "rawfile/RawScale.h"
#include "spectrum/LinearScale.h"
#include "spectrum/SpectrumGraph.h"
#include "state/NumberText.h"
#include "windows/MainWindowAxes.h"
#include "windows/MainWindowModel.h"

namespace quorbel {

Quantity MainWindowModel::SelectedQuantity() const {
    switch (choices_.display) {
        case DisplayOption::Imaginary:
            return Quantity::Imaginary;
        case DisplayOption::Real:
            return Quantity::Real;
        case DisplayOption::RealGlobal:
            return Quantity::RealGlobal;
        case DisplayOption::Rho:
            return Quantity::Rho;
        case DisplayOption::None:
        case DisplayOption::Both:
            break;
    }
    return Quantity::None;
}

void MainWindowModel::GrafFt(int ftnpont) {
    const int N = ftnpont;
    const bool raw = Source() == DataSource::RawFile;
    if (raw) raw_->SetProgress(80);
    if (view_["Option10"].enabled) {
        const double G = GlobalMaximum(state_.spectrumList, N);
        state_.imaginaryPartList = PartList(state_.spectrumList, N, true, G);
        state_.realPartList = PartList(state_.spectrumList, N, false, G);
        Grafduplo();
    }
    // With "Both, separately" selected the single graph holds no quantity (all
    // zeros): the next choice of a single quantity must recompute, whatever
    // plotState did meanwhile.
    if (Both()) state_.spectrumMode = Quantity::None;
    state_.graphValueList = GraphValues(state_.spectrumList, N, SelectedQuantity());
    state_.displayedValueList = state_.graphValueList;
    // A floor typed but never drawn is said with the graph it was meant for.
    if (extras_.decibels && extras_.floorText != extras_.refusedFloorText) ReadFloor();
    if (raw) raw_->SetProgress(90);
    Grafmesmo();
}

void MainWindowModel::Grafmesmo(int) {
    peakMark_.reset();  // the redraw erases it
    if (MusicalScaleShown()) {
        LegendaPic1(surfaces_.Picture1);
        Logscale2(MusicalSign());
    } else {
        DrawFftGraph(surfaces_.Picture1, true);
        DrawFftAxes(*this, surfaces_.Picture1);
        if (choices_.bitmapDrawn) bitmap_.DrawCurve(state_.displayedValueList);
    }
    if (state_.PlotStateValue() > 1) state_.SetPlotState("10");
}

double MainWindowModel::MusicalSign() const {
    // The inverted display turns the musical graph's peaks downward.
    return GraphInverted() ? -1 : 1;
}

void MainWindowModel::DrawFftGraph(Surface& pic, bool showProgress) {
    LegendaPic1(pic);
    const DataList& shown = state_.displayedValueList;
    const int n = shown.Whole(0);
    const int Nzero = shown.Whole(n + 2);
    const double y0 = DrawFftTraces(pic, *this);
    if (n > 0 && Source() == DataSource::RawFile) {
        if (showProgress) raw_->SetProgress(95);
        Escala_Lin_raw(pic, n, Nzero, 0, y0, WholeNumber(state_.Get(Field::totalPoints)),
                       DecimalPrefix(state_.Get(Field::cyclesPerSecond)));
    } else if (n > 0) {
        Escala_Lin(pic, n, Nzero, 0, y0);
    }
}

void MainWindowModel::Grafduplo() {
    DrawTwoGraphs(surfaces_.Picture8, surfaces_.Picture9, state_.imaginaryPartList,
                  state_.realPartList);
}

void MainWindowModel::RestaurButt() {
    // Over the musical scale the FFT graph stays hidden: its title would show above
    // the musical canvas, which starts lower. "Lin" shows it again.
    view_["Picture1"].visible = !MusicalScaleShown();
    view_["Picture6"].visible = false;
    view_["Picture7"].visible = false;
    for (const char* name : {"Command8", "Command2", "Command7", "Command4", "Command6", "Label10",
                             "Label28", "mnuReport", "mnuPrintftgrItem", "cmdHold"})
        view_[name].enabled = true;
    view_["cmdDecibels"].enabled = !MusicalScaleShown();
    EnableLogSwitch();
}

void MainWindowModel::DisplayOptionMouseDown(DisplayOption option) {
    if (choices_.display != option && state_.plotState() != "1") state_.SetPlotState("3");
}

void MainWindowModel::SingleQuantityClick(DisplayOption option, Quantity quantity) {
    SelectDisplay(option);
    // Decibels are those of the modulus: another quantity is shown linear.
    if (quantity != Quantity::Rho && extras_.decibels) UseExtra(FftExtra::Decibels);
    if (DisplayedQuantity() != quantity) {
        state_.spectrumMode = quantity;
        Command5_Click();
    }
    RestaurButt();
}

void MainWindowModel::Option1_Click() {
    SingleQuantityClick(DisplayOption::Imaginary, Quantity::Imaginary);
}
void MainWindowModel::Option2_Click() {
    SingleQuantityClick(DisplayOption::Real, Quantity::Real);
}
void MainWindowModel::Option3_Click() {
    SingleQuantityClick(DisplayOption::RealGlobal, Quantity::RealGlobal);
}
void MainWindowModel::Option8_Click() {
    SingleQuantityClick(DisplayOption::Rho, Quantity::Rho);
}

void MainWindowModel::Option10_Click() {
    if (MusicalScaleShown()) Command3_Click();
    SelectDisplay(DisplayOption::Both);
    view_["Picture1"].visible = false;
    view_["Picture6"].visible = true;
    view_["Picture7"].visible = true;
    for (const char* name :
         {"Command3", "Command8", "Command2", "Command7", "Command4", "Command6", "Command11",
          "Label10", "Label28", "mnuReport", "mnuPrintftgrItem", "cmdDecibels", "cmdHold"})
        view_[name].enabled = false;
}

void MainWindowModel::mnuFreqNegItem_Click() {
    if (NegativeFrequencies()) return;
    view_["Picture1"].mousePointer = kPointerHourglass;
    Choose(&MainWindowChoices::negativeFrequencies, true);
    view_["Command3"].enabled = false;  // no musical scale with negative frequencies
    Command5_Click();
    view_["Picture1"].mousePointer = kPointerUpArrow;
}

void MainWindowModel::mnuFreqPosItem_Click() {
    if (!NegativeFrequencies()) return;
    view_["Picture1"].mousePointer = kPointerHourglass;
    Choose(&MainWindowChoices::negativeFrequencies, false);
    EnableLogSwitch();
    Command5_Click();
    view_["Picture1"].mousePointer = kPointerUpArrow;
}

void MainWindowModel::Command9_Click() {
    SetPointer(kPointerHourglass);
    Choose(&MainWindowChoices::inverted, !GraphInverted());
    Grafmesmo();
    SetPointer(kPointerDefault);
}

void MainWindowModel::MoveCursorLines(double x) {
    for (const char* name : {"Line3", "Line4"}) {
        LineObject& line = view_.Line(name);
        line.X1 = x;
        line.X2 = x;
        line.Visible = true;
    }
}

void MainWindowModel::Picture8_MouseMove(int, int, double x, double) {
    MoveCursorLines(x);
}
void MainWindowModel::Picture9_MouseMove(int, int, double x, double) {
    MoveCursorLines(x);
}

}  // namespace quorbel
