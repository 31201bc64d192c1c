// The mouse on the FFT graph: the frequency under the pointer, the marking of the
// highest peak near a click, and the horizontal expansion of a region chosen with two
// right-button clicks, with the scroll bar that slides it and its cancelling. All of it
// works on displayedValueList; graphValueList keeps the whole graph.
#include <algorithm>
#include <cmath>
#include <vector>

#include "music/NoteName.h"
#include "platform/Translation.h"
#include "spectrum/ReadoutPrecision.h"
#include "state/NumberText.h"
#include "windows/MainWindowModel.h"

namespace quorbel {

namespace {

// Shown from the window's state rather than from its table: said in the user's
// language when it is put there.
constexpr const char* kExpansionPrompt = QT_TRANSLATE_NOOP(
    "Form1", "Use the right button of the mouse to set the limits of the region to be expanded");
// At most 10 peaks fit in the 21 points searched around a click; the table has room
// for twice that.
constexpr int kMaxNearPeaks = 20;
// Points searched on each side of the point clicked.
constexpr int kPeakReach = 10;
constexpr int kRightButton = 2;

// `count` lines of `from` starting at `firstLine`, as a displayed list whose first
// point is `offset` within the whole graph. Its scale maximum is the largest value
// shown, starting from 0 and replaced only by strictly greater ones, so a region
// without a positive value has the scale maximum 0.
DataList WindowOf(const DataList& from, int firstLine, int count, int offset) {
    DataList window;
    window.AddNumber(count);
    double largest = 0;
    for (int line = firstLine; line < firstLine + count; ++line) {
        window.AddLineOf(from, line);
        if (from.Value(line) > largest) largest = from.Value(line);
    }
    window.AddNumber(largest);
    window.AddNumber(offset);
    return window;
}

}  // namespace

int MainWindowModel::PointUnder(double x) const {
    const int n = state_.displayedValueList.Whole(0);
    const double W = surfaces_.Picture1.Width();
    if (n < 1 || !(W > 0)) return 0;
    // Int(X * (n-1) / W). A press lies on the graph, but a driver may pass any x:
    // the point stays within the points shown.
    const double p = std::floor(x * (n - 1) / W);
    if (!(p >= 0)) return 0;
    return p > n - 1 ? n - 1 : static_cast<int>(p);
}

std::optional<double> MainWindowModel::FrequencyUnder(double x) const {
    const DataList& shown = state_.displayedValueList;
    const int n = shown.Whole(0);
    const double W = surfaces_.Picture1.Width();
    if (n < 1 || !(W > 0)) return std::nullopt;
    double f = shown.Whole(n + 2) + x * (n - 1) / W;
    if (Source() == DataSource::RawFile) {
        // Raw-file data: N points cover half the data length, sampled at fs.
        const double fs = DecimalPrefix(state_.Get(Field::cyclesPerSecond));
        const int N = state_.graphValueList.Whole(0);
        if (N < 1) return std::nullopt;
        f = f * fs / (2.0 * N);
    }
    if (!std::isfinite(f)) return std::nullopt;
    return f;
}

void MainWindowModel::Picture1_MouseMove(int button, int, double x, double y) {
    // While the harmonic markers are on, they give the read-out.
    if (MarkersShown()) {
        Harmouse(button, x, y);
        return;
    }
    // A read-out that cannot be computed is simply not shown.
    const std::optional<double> f = FrequencyUnder(x);
    if (!f) return;
    const double W = surfaces_.Picture1.Width();
    ControlState& readout = view_["Label9"];
    // The hertz to the bins' precision, the note where the pointer stands.
    readout.caption = WithNoteName(FrequencyReadout(*f, BinHertz()), *f);
    readout.visible = true;
    if (button & kRightButton) {
        LineObject& guide = view_.Line("Line1");
        if (x < 0 || x > W) {
            guide.Visible = false;
            readout.visible = false;
        } else {
            guide.X1 = x;
            guide.X2 = x;
            guide.Visible = true;
        }
    }
}

void MainWindowModel::Picture1_MouseUp(int, int, double, double) {
    view_.Line("Line1").Visible = false;
}

void MainWindowModel::Picture1_MouseDown(int button, int, double x, double y) {
    view_["Label5"].visible = false;
    if (MarkersShown()) Harmouse(button, x, y);
    if (button != kRightButton)
        MarkPeak(x);
    else if (ExpansionRunning())
        ExpansionLimit(x);
}

void MainWindowModel::MarkPeak(double x) {
    const DataList& shown = state_.displayedValueList;
    const int n = shown.Whole(0);
    if (n < 1) return;
    // y_j is line j of the list (displayed point j-1); y_0 counts as 0.
    auto y = [&shown](int j) { return j < 1 ? 0.0 : shown.Value(j); };
    const int c = PointUnder(x);
    const int lo = std::max(c - kPeakReach, 1);
    const int hi = std::min(c + kPeakReach, n);

    struct Peak {
        int point;
        double value;
    };
    std::vector<Peak> peaks;
    bool rising = false;
    for (int j = lo; j <= hi && static_cast<int>(peaks.size()) < kMaxNearPeaks; ++j) {
        if (y(j) > y(j - 1)) {
            rising = true;
        } else if (y(j) < y(j - 1) && rising) {
            peaks.push_back({j - 2, y(j - 1)});
            rising = false;
        }
    }
    if (peaks.empty()) return;
    // The highest; the first of equal peaks wins, and when none lies above 0 the
    // first one found is marked.
    Peak chosen = peaks.front();
    double best = 0;
    for (const Peak& peak : peaks) {
        if (peak.value > best) {
            best = peak.value;
            chosen = peak;
        }
    }
    // Bins past the positive frequencies have no single place to mark.
    if (NegativeFrequencies()) return;

    Surface& pic = surfaces_.Picture1;
    const double W = pic.Width(), H = pic.Height();
    const double M = shown.Value(n + 1);
    const double y0 = H * 2 / 3, ytop = H / 8;
    const double xp = n > 1 ? W * chosen.point / (n - 1) : 0;
    // A graph whose scale maximum is 0 is drawn on its axis; so is the mark.
    const double yp = M != 0 ? y0 - (y0 - ytop) * chosen.value / M : y0;
    pic.Line(xp, yp - 100, xp, yp - 300);

    double F = chosen.point + shown.Whole(n + 2);
    if (Source() == DataSource::RawFile) {
        const double fs = DecimalPrefix(state_.Get(Field::cyclesPerSecond));
        const int N = state_.graphValueList.Whole(0);
        F = N > 0 ? std::floor(F * fs / (2.0 * N) + 0.5) : 0;
    }
    pic.Print({PrintItem::Num(F), PrintItem::Str(" Hz")});
    peakMark_ = WorksheetMark{xp, yp - 100, xp, yp - 300, pic.ForeColor(), NumberText(F) + " Hz"};
}

void MainWindowModel::Command8_Click() {
    SetPointer(kPointerHourglass);
    if (ExpansionOffered()) {
        state_.expansionPrompt = Translate("Form1", kExpansionPrompt);
        view_["Label17"].visible = true;
        // The right button now sets limits: the harmonic markers go off.
        if (MarkersFrozen()) Command11_Click();
        if (MarkersShown()) Command2_Click();
        view_.focus = "Picture1";
    } else {
        MusicalViewSize();
    }
    SetPointer(kPointerDefault);
}

void MainWindowModel::ExpansionLimit(double x) {
    Surface& pic = surfaces_.Picture1;
    const int i = PointUnder(x);
    pic.Line(x, 0, x, pic.Height());
    if (state_.expansionClickCount == 0) {
        state_.expansionClickCount = 1;
        state_.expansionFirstPoint = i;
        return;
    }
    state_.expansionPrompt.clear();
    view_["Label17"].visible = false;
    state_.expansionClickCount = 0;
    int i1 = state_.expansionFirstPoint;
    int i2 = i;
    if (i2 < i1) std::swap(i1, i2);
    // The first limit may come from a view of more points than the one shown now.
    i1 = std::clamp(i1, 0, i2);
    if (i2 - i1 + 1 < 5) {
        platform_.MessageBox(
            Translate("Messages",
                      "Expansion with less than 5 points will produce error in calculations and, "
                      "anyway, would be useless. Choose a larger interval!"));
        Grafmesmo();
        return;
    }
    Expand(i1, i2);
}

void MainWindowModel::Expand(int i1, int i2) {
    DataList& shown = state_.displayedValueList;
    const int Nzero = shown.Whole(shown.Whole(0) + 2);
    const int count = i2 - i1 + 1;
    shown = WindowOf(shown, i1 + 1, count, Nzero + i1);
    ShowWindowOfGraph(count, Nzero + i1);
    Grafmesmo();
}

void MainWindowModel::ShowWindowOfGraph(int count, int first) {
    const int N = NegativeFrequencies() ? 1024 : state_.graphValueList.Whole(0);
    ControlState& bar = view_["HScroll1"];
    bar.min = 0;
    bar.max = std::max(N - count, 0);
    bar.value = std::clamp(first, 0, bar.max);
    bar.smallChange = 1;
    bar.largeChange = count;  // a page is the width of the window
    bar.visible = true;
    bar.width = surfaces_.Picture1.Width() - 60;
    bar.top = surfaces_.Picture1.Height() - bar.height - 60;
}

void MainWindowModel::HScroll1_Change() {
    // The window keeps its width and slides over the whole graph; the scale maximum
    // follows the visible points.
    if (view_.Line("Line2(0)").Visible) Command2_Click();
    const int count = state_.displayedValueList.Whole(0);
    const int s = view_["HScroll1"].value;
    state_.displayedValueList = WindowOf(state_.graphValueList, s + 1, count, s);
    Grafmesmo();
}

void MainWindowModel::Command6_Click() {
    SetPointer(kPointerHourglass);
    state_.expansionPrompt.clear();
    view_["Label17"].visible = false;
    const bool expanded = GraphExpanded();
    if (expanded && MarkersFrozen()) Command11_Click();
    if (expanded && MarkersShown()) Command2_Click();
    view_["HScroll1"].visible = false;
    // Back to the whole graph: lines 0..N+2 of graphValueList.
    state_.displayedValueList.Clear();
    if (!state_.graphValueList.Empty()) {
        const int N = state_.graphValueList.Whole(0);
        for (int i = 0; i <= N + 2; ++i)
            state_.displayedValueList.AddLineOf(state_.graphValueList, i);
        Grafmesmo();
    }
    if (view_["Picture1"].visible) view_.focus = "Picture1";
    if (view_["Picture4"].visible) view_.focus = "Picture4";
    SetPointer(kPointerDefault);
}

}  // namespace quorbel
