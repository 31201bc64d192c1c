// The FFT graph in decibels of its largest value, and a spectrum held under the next
// ones in grey with a legend naming both. Only the drawing changes: the lists and the
// report keep the values of the transform.
#include <algorithm>
#include <cmath>

#include "platform/DecimalMark.h"
#include "platform/Translation.h"
#include "spectrum/DecibelTrace.h"
#include "spectrum/SpectrumGraph.h"
#include "state/NumberText.h"
#include "state/QuotedText.h"
#include "windows/MainWindowModel.h"

namespace quorbel {

namespace {

// The trace shown in words, as a worksheet's title names it: the quantity, what was
// sampled, the window function and the points transformed.
std::string TraceName(const MainWindowModel& window) {
    std::string name = Translate("Worksheet", QuantityName(window.DisplayedQuantity())) + " " +
                       window.FunctionDescription();
    if (!name.empty() && name[0] >= 'a' && name[0] <= 'z')
        name[0] = static_cast<char>(name[0] - 32);
    const std::string function = window.WindowFunctionName();
    if (!function.empty()) name = FillIn(Translate("Worksheet", "%1, %2 window"), {name, function});
    return FillIn(Translate("Worksheet", "%1, N = %2 points"),
                  {name, window.State().Get(Field::totalPoints)});
}

// The decibels are drawn while the modulus is shown on the linear graph.
bool DecibelsDrawn(const MainWindowModel& window) {
    return window.Extras().decibels && window.DisplayedQuantity() == Quantity::Rho;
}

}  // namespace

double MainWindowModel::BinHertz() const {
    // Bin k is k Hz for calculated waves (one-second window); a file's N points span
    // half its sampling rate.
    if (Source() != DataSource::RawFile) return 1;
    const int N = state_.graphValueList.Whole(0);
    return N > 0 ? DecimalPrefix(state_.Get(Field::cyclesPerSecond)) / (2.0 * N) : 0;
}

bool MainWindowModel::ReadFloor() {
    const std::optional<double> floor = ParseNumber(extras_.floorText);
    if (floor && *floor < 0 && *floor >= kLowestFloorDb) {
        extras_.floorDb = *floor;
        return true;
    }
    Refuse(FillIn(
        Translate("Messages",
                  "The field \"Floor (dB)\" holds %1. Type a negative number of "
                  "decibels, from %2 up to below 0, with %3 as the decimal mark."),
        {QuotedText(extras_.floorText), NumberText(kLowestFloorDb), DecimalMarksAccepted()}));
    extras_.refusedFloorText = extras_.floorText;
    return false;
}

void MainWindowModel::TypeFloor(const std::string& text) {
    extras_.floorText = text;
    // A floor being typed is drawn as soon as it is one; what is no floor yet is said
    // when the decibels are switched on or the graph is calculated again.
    const std::optional<double> floor = ParseNumber(text);
    if (!floor || !(*floor < 0) || *floor < kLowestFloorDb || *floor == extras_.floorDb) return;
    extras_.floorDb = *floor;
    if (DecibelsDrawn(*this) && view_["Picture1"].visible) Grafmesmo();
}

void MainWindowModel::UseExtra(FftExtra extra) {
    switch (extra) {
        case FftExtra::Decibels:
            if (!extras_.decibels) {
                if (!ReadFloor()) return;
                extras_.decibels = true;
                // Decibels are those of the modulus: it is chosen first.
                if (DisplayedQuantity() != Quantity::Rho) Option8_Click();
            } else {
                extras_.decibels = false;
            }
            break;
        case FftExtra::Hold: {
            const DataList& whole = state_.graphValueList;
            const int N = whole.Whole(0);
            if (N < 1 || DisplayedQuantity() == Quantity::None) return;
            HeldSpectrum held;
            held.name = TraceName(*this);
            const double bin = BinHertz();
            for (int i = 0; i < N; ++i) {
                held.hertz.push_back(i * bin);
                held.values.push_back(whole.Value(i + 1));
            }
            extras_.held = std::move(held);
            break;
        }
        case FftExtra::Release:
            extras_.held.reset();
            break;
    }
    view_["cmdDecibels"].caption =
        extras_.decibels ? QT_TRANSLATE_NOOP("Form1", "Linear") : QT_TRANSLATE_NOOP("Form1", "dB");
    view_["cmdRelease"].enabled = extras_.held.has_value();
    if (view_["Picture1"].visible) Grafmesmo();
}

namespace {

SpectrumAxis AxisShown(const MainWindowModel& window) {
    const DataList& shown = window.State().displayedValueList;
    const int n = shown.Whole(0);
    return {shown.Whole(n + 2) * window.BinHertz(), window.BinHertz(), n};
}

}  // namespace

FftTraceScales TraceScales(const MainWindowModel& window) {
    const AnalysisState& state = window.State();
    const int n = state.displayedValueList.Whole(0);
    const int N = state.graphValueList.Whole(0);
    // 0 dB is the largest value of the whole graph, whatever part of it is shown.
    FftTraceScales scales{state.displayedValueList.Value(n + 1), state.graphValueList.Value(N + 1)};
    if (const std::optional<HeldSpectrum>& held = window.Extras().held; held && n > 0) {
        scales.linear = std::max(scales.linear, LargestHeld(*held, AxisShown(window), false));
        scales.reference = std::max(scales.reference, LargestHeld(*held, AxisShown(window), true));
    }
    return scales;
}

double DrawFftTraces(Surface& pic, const MainWindowModel& window, bool labels) {
    const AnalysisState& state = window.State();
    const FftGraphExtras& extras = window.Extras();
    const DataList& shown = state.displayedValueList;
    const int n = shown.Whole(0);
    const double H = pic.Height();
    const double y0 = LinearTraceAxis(H), ytop = LinearTraceTop(H);
    const bool db = DecibelsDrawn(window);
    const FftTraceScales scales = TraceScales(window);
    const double reference = scales.reference, floor = extras.floorDb;
    if (extras.held && n > 0) {
        // Both traces on one scale, so that they read alike.
        if (db)
            DrawHeldTrace(pic, *extras.held, AxisShown(window), y0, ytop, -floor,
                          [&](double v) { return DecibelLevel(v, reference, floor) - floor; });
        else
            DrawHeldTrace(pic, *extras.held, AxisShown(window), y0, ytop, scales.linear,
                          [](double v) { return v; });
    }
    if (db) {
        DrawTraceBetween(pic, DecibelList(shown, reference, floor), y0, ytop);
        if (labels) DrawDecibelScale(pic, y0, ytop, floor);
    } else {
        DrawTraceBetween(pic, extras.held ? WithScaleMaximum(shown, scales.linear) : shown, y0,
                         ytop);
    }
    if (labels && extras.held && n > 0)
        DrawTraceLegend(
            pic, {{kHeldTraceColor, FillIn(Translate("Form1", "Held: %1"), {extras.held->name})},
                  {colors::kDarkRed, FillIn(Translate("Form1", "Now: %1"), {TraceName(window)})}});
    return y0;
}

}  // namespace quorbel
