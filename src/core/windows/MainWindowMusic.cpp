// The musical analysis of the main window: the switch between the linear and the
// musical graph, the panoramic view of the musical canvas, the peak height, the
// tuning slider, and the harmonic markers that follow right-button drags on both
// spectrum graphs.
#include <cmath>
#include <string>

#include "music/MusicalGraph.h"
#include "music/NoteName.h"
#include "platform/Translation.h"
#include "spectrum/ReadoutPrecision.h"
#include "state/NumberText.h"
#include "windows/MainWindowModel.h"

namespace quorbel {

namespace {

constexpr int kLeftButton = 1, kRightButton = 2;
constexpr int kLinearMarkers = 11;   // Line2(0..10): the fundamental and harmonics 2..11
constexpr int kMusicalMarkers = 17;  // Line6(0..16): the fundamental and harmonics 2..17
// The scroll position of the musical canvas when the musical scale is chosen: the
// canvas then shows the region around A4 in the panoramic window.
constexpr int kMusicalStart = 8700;
// The panoramic frame starts at the window's left edge, the normal one at 4320: the
// scroll position moves by as much, so the same part of the canvas stays in place.
constexpr int kPanoramicOffset = 4320;
// Marker lines: short ones hang 100 to 400 twips above the pointer; frozen ones run
// over the graph's height.
constexpr double kMarkerNear = 100, kMarkerFar = 400, kFrozenBottom = 4000;

std::string Indexed(const char* line, int k) {
    return std::string(line) + "(" + std::to_string(k) + ")";
}

// Integer part plus one when the remainder is at least one half.
double HalfUp(double f) {
    const double whole = std::floor(f);
    return f - whole >= 0.5 ? whole + 1 : whole;
}

void PlaceMarker(LineObject& line, double x, double y, Color color) {
    line.X1 = x;
    line.X2 = x;
    line.Y1 = y - kMarkerNear;
    line.Y2 = y - kMarkerFar;
    line.BorderColor = color;
    line.Visible = true;
}

}  // namespace

// --- the musical graph

void MainWindowModel::Harmlog() {
    LineObject& fundamental = view_.Line(Indexed("Line6", 0));
    fundamental = {music::kReferenceX, 2000, music::kReferenceX, 1700,
                   music::kCyan,       true, "Picture5"};
    state_.harmonicOffsets.Clear();
    const std::vector<double> offsets = HarmonicOffsets();
    for (size_t k = 1; k <= offsets.size(); ++k) {
        const double X = music::kReferenceX + offsets[k - 1];
        view_.Line(Indexed("Line6", static_cast<int>(k))) = {X,    2000,      X, 1700, music::kCyan,
                                                             true, "Picture5"};
        state_.harmonicOffsets.AddNumber(offsets[k - 1]);
    }
}

void MainWindowModel::Logscale2(double a) {
    if (surfaces_.Picture5) DrawMusicalGraph(*surfaces_.Picture5, a);
}

void MainWindowModel::DrawMusicalGraph(Surface& pic, double sign) const {
    const DataList& shown = state_.displayedValueList;
    const int n = shown.Whole(0);
    MusicalSpectrum spectrum;
    for (int j = 1; j <= n; ++j) spectrum.ygraf.push_back(shown.Value(j));
    spectrum.sign = sign;
    spectrum.ymax = shown.Value(n + 1);
    spectrum.shift = music::kTuningStep * state_.tuningSteps;
    if (Source() == DataSource::RawFile) {
        // n points cover half the data length, sampled at the file's own frequency.
        const double fs = DecimalPrefix(state_.Get(Field::cyclesPerSecond));
        spectrum.binHz = n > 0 ? fs / (2.0 * n) : 0;
    }
    quorbel::Logscale2(pic, spectrum);
}

// --- the scale switch and the panoramic view

void MainWindowModel::Command3_Click() {
    SetPointer(kPointerHourglass);
    if (MarkersFrozen()) Command11_Click();
    if (MarkersShown()) Command2_Click();
    if (!MusicalScaleShown()) {
        Choose(&MainWindowChoices::musicalScale, true);
        view_["Picture1"].visible = false;
        view_["Picture4"].visible = true;
        for (const char* item : {"mnuPrintftgrItem", "mnuCreateBitmapItem", "mnuG", "cmdDecibels"})
            view_[item].enabled = false;
        // The cancel restores the whole graph with its true maximum and redraws it,
        // now musically.
        Command6_Click();
        Choose(&MainWindowChoices::horizontal, HorizontalOffer::Panoramic);
        MusicalViewSize();
        SetHScroll2(kMusicalStart);
        view_["Frame5"].visible = true;
    } else {
        Choose(&MainWindowChoices::musicalScale, false);
        view_["Label22(0)"].visible = true;
        view_["Label22(1)"].visible = true;
        for (const char* item : {"mnuPrintftgrItem", "mnuCreateBitmapItem", "mnuG", "cmdDecibels"})
            view_[item].enabled = true;
        ShowFrameOfFunctionKind();
        Command6_Click();
        if (GraphInverted()) Command9_Click();
        if (TuningShown()) Command10_Click();
        view_["Picture1"].visible = true;
        view_.focus = "Picture1";
        view_["Picture4"].visible = false;
        Choose(&MainWindowChoices::horizontal, HorizontalOffer::Expansion);
        view_["Frame5"].visible = false;
        Grafmesmo();
    }
    SetPointer(kPointerDefault);
}

void MainWindowModel::MusicalViewSize() {
    ControlState& frame = view_["Picture4"];
    int v = view_["HScroll2"].value;
    if (!PanoramicShown()) {
        view_["Label22(0)"].visible = false;
        view_["Label22(1)"].visible = false;
        view_["Frame1"].visible = false;
        view_["Frame6"].visible = false;
        Choose(&MainWindowChoices::horizontal, HorizontalOffer::Normal);
        view_["mnuG"].enabled = false;
        frame.width = kPanoramicWidth;
        frame.left = 0;
        v = v - kPanoramicOffset < 0 ? 0 : v - kPanoramicOffset;
    } else {
        view_["Label22(0)"].visible = true;
        view_["Label22(1)"].visible = true;
        ShowFrameOfFunctionKind();
        Choose(&MainWindowChoices::horizontal, HorizontalOffer::Panoramic);
        view_["mnuG"].enabled = true;
        frame.width = kMusicalViewWidth;
        frame.left = kMusicalViewLeft;
        v = v + kPanoramicOffset;
    }
    ControlState& bar = view_["HScroll2"];
    bar.width = frame.width - 5;
    bar.max = static_cast<int>(view_["Picture5"].width - frame.width);
    SetHScroll2(v > bar.max ? bar.max : v);
    view_.focus = "Picture5";
}

// The frame shown beside the graphs is always the one of the function kind checked in
// the "Waves" menu now: the kind may have changed while the panoramic view hid the
// frames, and raw-file data has no frame at all.
void MainWindowModel::ShowFrameOfFunctionKind() {
    const bool raw = Source() == DataSource::RawFile;
    view_["Frame1"].visible = !raw && (choices_.function == FunctionKind::MultipleWaves);
    view_["Frame6"].visible = !raw && (choices_.function == FunctionKind::SimpleWaves);
}

void MainWindowModel::SetHScroll2(int value) {
    ControlState& bar = view_["HScroll2"];
    bar.value = value < bar.min ? bar.min : value > bar.max ? bar.max : value;
    HScroll2_Change();
}

void MainWindowModel::HScroll2_Change() {
    view_["Picture5"].left = -view_["HScroll2"].value;
}

// --- peak height

void MainWindowModel::ScalePeaks(double factor) {
    SetPointer(kPointerHourglass);
    DataList& shown = state_.displayedValueList;
    if (!shown.Empty()) {
        const int n = shown.Whole(0);
        const double M = shown.Value(n + 1) * factor;
        const std::string Nzero = NumberText(shown.Whole(n + 2));
        DataList scaled;
        for (int i = 0; i <= n; ++i) scaled.AddLineOf(shown, i);
        scaled.AddNumber(M);
        scaled.Add(Nzero);
        shown = scaled;
        Grafmesmo();
    }
    FocusVisibleGraph();
    SetPointer(kPointerDefault);
}

// Every height is drawn in proportion to v / M: doubling M halves the peaks.
void MainWindowModel::Command4_Click() {
    ScalePeaks(2);
}
void MainWindowModel::Command7_Click() {
    ScalePeaks(0.5);
}

void MainWindowModel::FocusVisibleGraph() {
    if (view_["Picture1"].visible) view_.focus = "Picture1";
    if (view_["Picture4"].visible) view_.focus = "Picture4";
}

void MainWindowModel::EnableLogSwitch() {
    view_["Command3"].enabled = !NegativeFrequencies() && !NegativeFrequencies() &&
                                !view_["Picture6"].visible && !view_["Picture7"].visible;
}

// --- tuning

void MainWindowModel::Command10_Click() {
    if (!TuningShown()) {
        Choose(&MainWindowChoices::tuningShown, true);
        view_["Frame5"].height = 1575;
        for (const char* name : {"Slider1", "Label15", "Label18"}) view_[name].visible = true;
        view_.focus = "Picture5";
    } else {
        Choose(&MainWindowChoices::tuningShown, false);
        view_["Frame5"].height = 735;
        for (const char* name : {"Slider1", "Label15", "Label18"}) view_[name].visible = false;
        view_.focus = "Picture5";
        view_["Slider1"].value = 0;
        state_.tuningSteps = 0;
        Grafmesmo();
    }
}

void MainWindowModel::Slider1_MouseMove() {
    state_.tuningSteps = view_["Slider1"].value;
}

void MainWindowModel::Slider1_MouseUp() {
    // The change that follows a release redraws; it restores the pointer.
    SetPointer(kPointerHourglass);
}

void MainWindowModel::Slider1_Change() {
    state_.tuningSteps = view_["Slider1"].value;
    Grafmesmo();
    view_.focus = "Picture5";
    SetPointer(kPointerDefault);
}

// --- read-outs and harmonic markers

void MainWindowModel::Picture5_MouseMove(int button, int, double x, double y) {
    if (button == kLeftButton) return;
    const double f = KeyboardFrequency(x);
    if (!std::isfinite(f)) return;
    ControlState& readout = view_["Label9"];
    // The hertz to the bins' precision; the note where the pointer stands on the keyboard.
    readout.caption = WithNoteName(FrequencyReadout(f, BinHertz()), f);
    readout.visible = true;
    if (button == kRightButton && MarkersShown()) {
        view_["Label11"].visible = false;
        Harmouselog2(x, y);
    } else {
        LineObject& cursor = view_.Line("Line5");
        cursor.X1 = x;
        cursor.X2 = x;
        cursor.Visible = true;
    }
}

void MainWindowModel::Harmouselog2(double X, double Y) {
    view_.Line("Line5").Visible = false;
    if (MarkersFrozen()) return;
    PlaceMarker(view_.Line(Indexed("Line6", 0)), X, Y, music::kCyan);
    for (int k = 1; k < kMusicalMarkers; ++k)
        PlaceMarker(view_.Line(Indexed("Line6", k)), X + state_.harmonicOffsets.Value(k - 1), Y,
                    music::kCyan);
    view_["Command11"].enabled = true;
}

void MainWindowModel::Harmouse(int Button, double X, double Y) {
    const DataList& shown = state_.displayedValueList;
    const int n = shown.Whole(0);
    const int Nzero = shown.Whole(n + 2);
    const double W = surfaces_.Picture1.Width();
    if (n < 2 || !(W > 0)) return;
    // Hertz per bin: 1 for calculated waves; raw-file data has N points over half the
    // data length, sampled at fs.
    double unit = 1;
    if (Source() == DataSource::RawFile) {
        const double fs = DecimalPrefix(state_.Get(Field::cyclesPerSecond));
        const int N = state_.graphValueList.Whole(0);
        if (N < 1 || !(fs > 0)) return;
        unit = fs / (2.0 * N);
    }
    const double fr = HalfUp((Nzero + (n - 1) * X / W) * unit);
    if (!std::isfinite(fr)) return;
    ControlState& readout = view_["Label9"];
    // The read-out shows the frequency under the pointer to the bins' precision; the
    // markers stand at the harmonics of its whole number of hertz.
    const double under = (Nzero + (n - 1) * X / W) * unit;
    readout.caption = WithNoteName(FrequencyReadout(under, unit), under);
    readout.visible = true;
    if (Button != kRightButton || MarkersFrozen()) return;
    if (X < 0 || X > W) {
        for (int k = 0; k < kLinearMarkers; ++k) view_.Line(Indexed("Line2", k)).Visible = false;
        readout.visible = false;
        return;
    }
    PlaceMarker(view_.Line(Indexed("Line2", 0)), X, Y, colors::kDarkBlue);
    for (int k = 1; k < kLinearMarkers; ++k) {
        const double h = HalfUp((k + 1) * fr);
        const double xk = std::floor(W * (h / unit - Nzero) / (n - 1));
        PlaceMarker(view_.Line(Indexed("Line2", k)), xk, Y, colors::kDarkBlue);
    }
    view_["Command11"].enabled = true;
}

void MainWindowModel::Command2_Click() {
    if (!MarkersShown()) {
        Choose(&MainWindowChoices::markersShown, true);
        if (view_["Picture1"].visible) view_["Label5"].visible = true;
        if (view_["Picture4"].visible) view_["Label11"].visible = true;
    } else {
        Choose(&MainWindowChoices::markersShown, false);
        if (view_["Picture1"].visible)
            for (int k = 0; k < kLinearMarkers; ++k)
                view_.Line(Indexed("Line2", k)).Visible = false;
        if (view_["Picture4"].visible)
            for (int k = 0; k < kMusicalMarkers; ++k)
                view_.Line(Indexed("Line6", k)).Visible = false;
        view_["Label5"].visible = false;
        view_["Label11"].visible = false;
        Choose(&MainWindowChoices::markersFrozen, false);
        view_["Command11"].enabled = false;
    }
    FocusVisibleGraph();
    if (MarkersFrozen()) Command11_Click();
}

void MainWindowModel::Command11_Click() {
    if (!MarkersFrozen()) {
        Choose(&MainWindowChoices::markersFrozen, true);
        const bool placed =
            view_.Line(Indexed("Line2", 0)).Visible || view_.Line(Indexed("Line6", 0)).Visible;
        if (MarkersShown() && placed) {
            // The markers stay where they are as guide lines over the graph's height.
            auto stretch = [this](const char* line, int count, Color color) {
                for (int k = 0; k < count; ++k) {
                    LineObject& marker = view_.Line(Indexed(line, k));
                    marker.Y1 = 0;
                    marker.Y2 = kFrozenBottom;
                    marker.BorderColor = color;
                }
            };
            if (view_["Picture1"].visible) stretch("Line2", kLinearMarkers, music::kCyan);
            if (view_["Picture4"].visible) stretch("Line6", kMusicalMarkers, music::kPurple);
            view_["Label5"].visible = false;
            view_["Label11"].visible = false;
        }
    } else {
        Choose(&MainWindowChoices::markersFrozen, false);
    }
    FocusVisibleGraph();
}

// The read-out with its note, the cursor lines and the harmonic markers (placed or
// frozen) describe the spectrum they were put on; new data or a new function takes
// them away. The marker switch stays as it was, ready for the new spectrum.
void MainWindowModel::ClearMarks() {
    for (int k = 0; k < kLinearMarkers; ++k) view_.Line(Indexed("Line2", k)).Visible = false;
    for (int k = 0; k < kMusicalMarkers; ++k) view_.Line(Indexed("Line6", k)).Visible = false;
    for (const char* cursor : {"Line1", "Line3", "Line4", "Line5"})
        view_.Line(cursor).Visible = false;
    Choose(&MainWindowChoices::markersFrozen, false);
    view_["Command11"].enabled = false;
    view_["Label9"].visible = false;
    view_["Label9"].caption.clear();
}

void MainWindowModel::Image1_MouseMove(int, int, double x, double) {
    view_["Label9"].visible = false;
    LineObject& cursor = view_.Line("Line3");
    cursor.X1 = x - 100;
    cursor.X2 = x - 100;
    cursor.Visible = true;
}

}  // namespace quorbel
