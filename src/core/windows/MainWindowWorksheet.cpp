// The main window's pictures for a worksheet ("Export", "for a worksheet"): each graph
// drawn by the window's own code and framed by the worksheet layer (Worksheet.h) with
// its axes, a title and the marks the window shows over it.
#include <algorithm>
#include <cmath>

#include "music/MusicalGraph.h"
#include "platform/Translation.h"
#include "spectrum/SpectrumGraph.h"
#include "state/NumberText.h"
#include "synthesis/SampleGraph.h"
#include "windows/MainWindowModel.h"
#include "worksheet/Worksheet.h"

namespace quorbel {

namespace {

// The pictures' titles, axis titles and legends are said in the user's language.
constexpr const char* kContext = "Worksheet";
std::string Say(const char* text) {
    return Translate(kContext, text);
}

// The file's name without its folders.
std::string BaseName(const std::string& path) {
    const size_t slash = path.find_last_of("/\\");
    return slash == std::string::npos ? path : path.substr(slash + 1);
}

constexpr const char* kMarkersLegend = QT_TRANSLATE_NOOP(
    "Worksheet",
    "Short vertical marks: the window's harmonic markers, a fundamental and its harmonics.");

std::string Capitalised(std::string text) {
    if (!text.empty() && text[0] >= 'a' && text[0] <= 'z')
        text[0] = static_cast<char>(text[0] - 32);
    return text;
}

}  // namespace

const char* QuantityName(Quantity quantity) {
    switch (quantity) {
        case Quantity::Imaginary:
            return QT_TRANSLATE_NOOP("Worksheet", "imaginary part");
        case Quantity::Real:
            return QT_TRANSLATE_NOOP("Worksheet", "real part");
        case Quantity::RealGlobal:
            return QT_TRANSLATE_NOOP("Worksheet", "real part (scale of the largest part)");
        case Quantity::Rho:
            return QT_TRANSLATE_NOOP("Worksheet", "modulus \xCF\x81");  // ρ
        case Quantity::None:
            break;
    }
    return QT_TRANSLATE_NOOP("Worksheet", "spectrum");
}

void MainWindowModel::AddHarmonicMarks(WorksheetPicture& picture, const std::string& line,
                                       int count) const {
    bool shown = false;
    for (int k = 0; k < count; ++k) {
        const LineObject& mark = view_.Line(line + "(" + std::to_string(k) + ")");
        if (!mark.Visible) continue;
        picture.marks.push_back({mark.X1, mark.Y1, mark.X2, mark.Y2, mark.BorderColor, ""});
        shown = true;
    }
    if (shown) picture.legend.push_back(Say(kMarkersLegend));
}

std::string MainWindowModel::WindowFunctionName() const {
    // The rectangular window leaves the samples as they are: nothing to name.
    const WindowFunction window = SelectedWindow();
    return window == WindowFunction::Rectangular ? "" : Translate("Form1", WindowName(window));
}

std::string MainWindowModel::FunctionDescription() const {
    const ReportInput input = ReportInputNow();
    if (input.rawData)
        return FillIn(Say(QT_TRANSLATE_NOOP("Worksheet", "of the sound file %1")),
                      {BaseName(input.rawFileName)});
    if (input.simpleShown) {
        switch (input.simpleKind) {
            case ReportInput::Simple::Sine:
                return Say(QT_TRANSLATE_NOOP("Worksheet", "of a sine wave"));
            case ReportInput::Simple::Square:
                return Say(QT_TRANSLATE_NOOP("Worksheet", "of a square wave"));
            case ReportInput::Simple::Triangular:
                return Say(QT_TRANSLATE_NOOP("Worksheet", "of a triangular wave"));
            case ReportInput::Simple::None:
                break;
        }
        return Say(QT_TRANSLATE_NOOP("Worksheet", "of a simple wave"));
    }
    return FillIn(
        Say(input.sineSelected
                ? QT_TRANSLATE_NOOP("Worksheet", "of a sum of sines, %1 cycles per second")
                : QT_TRANSLATE_NOOP("Worksheet", "of a sum of cosines, %1 cycles per second")),
        {NumberText(DecimalPrefix(input.cyclesPerSecond))});
}

std::string MainWindowModel::WorksheetTitle(const std::string& quantity, int points) const {
    std::string title = Capitalised(quantity + " " + FunctionDescription());
    const std::string window = WindowFunctionName();
    if (!window.empty())
        title = FillIn(Say(QT_TRANSLATE_NOOP("Worksheet", "%1, %2 window")), {title, window});
    return FillIn(Say(QT_TRANSLATE_NOOP("Worksheet", "%1, N = %2 points")),
                  {title, NumberText(points)});
}

std::vector<AxisTick> MainWindowModel::SpectrumValueTicks(double y0, double ytop, double M,
                                                          double to) const {
    // In percent, the scale maximum of the whole spectrum is 100 (the report's scale).
    const double whole = state_.graphValueList.Value(state_.graphValueList.Whole(0) + 1);
    const double top = choices_.exportPercent ? (whole != 0 ? M / whole * 100 : 0) : M;
    if (top == 0) return {{y0, "0"}};
    return LinearTicks(0, y0, top, ytop, 0, to);
}

std::string MainWindowModel::SpectrumValueTitle(Quantity quantity) const {
    return Say(QuantityName(quantity)) +
           Say(choices_.exportPercent
                   ? QT_TRANSLATE_NOOP("Worksheet", " (% of the largest)")
                   : QT_TRANSLATE_NOOP("Worksheet", " (units of the spectrum list)"));
}

WorksheetPicture MainWindowModel::FtWorksheet() const {
    const DataList& samples = state_.sampleList;
    const int n = std::clamp(samples.Whole(0), 0, kMaxGraphSamples);
    const double W = kPicture2Width, H = kPicture2Height;
    WorksheetPicture picture;
    picture.drawingWidth = W;
    picture.drawingHeight = H;
    picture.shown = {0, 0, W, H};
    picture.draw = [this](Surface& pic) { DrawFtGraph(pic); };
    picture.title = WorksheetTitle(Say(QT_TRANSLATE_NOOP("Worksheet", "samples f(t)")), n);
    const double rate = SamplingRate();
    picture.x.title = Say(QT_TRANSLATE_NOOP("Worksheet", "time (s)"));
    if (n > 1 && rate > 0) picture.x.ticks = LinearTicks(0, 0, (n - 1) / rate, W, 0, W);
    picture.y.title = Say(QT_TRANSLATE_NOOP("Worksheet", "f(t) (sample value)"));
    // The largest absolute sample reaches three quarters of the half height.
    const double A = samples.Value(n + 1);
    picture.y.ticks = A != 0 ? LinearTicks(0, H / 2, A, H / 2 - H / 2 * 3 / 4, 0, H)
                             : std::vector<AxisTick>{{H / 2, "0"}};
    picture.legend = {Say(QT_TRANSLATE_NOOP(
        "Worksheet", "The vertical line marks the middle of the sampled window."))};
    return picture;
}

WorksheetPicture MainWindowModel::FftWorksheet() const {
    const DataList& shown = state_.displayedValueList;
    const int n = shown.Whole(0);
    const int Nzero = shown.Whole(n + 2);
    const double W = kPicture1Width, H = kPicture1Height;
    const double y0 = LinearTraceAxis(H), ytop = LinearTraceTop(H);
    const Quantity quantity = DisplayedQuantity();
    WorksheetPicture picture;
    picture.drawingWidth = W;
    picture.drawingHeight = H;
    // The modulus never goes below the axis: the plot ends a little under it.
    picture.shown = {0, 0, W, quantity == Quantity::Rho ? y0 + 300 : H};
    picture.draw = [this](Surface& pic) {
        pic.Cls();
        DrawFftTraces(pic, *this, false);
    };
    picture.title =
        WorksheetTitle(FillIn(Say(QT_TRANSLATE_NOOP("Worksheet", "%1 of the Fourier transform")),
                              {Say(QuantityName(quantity))}),
                       WholeNumber(state_.Get(Field::totalPoints)));

    // Bin k is k Hz for calculated waves; a file's N points span half its rate.
    double binHz = 1;
    if (Source() == DataSource::RawFile) {
        const int N = state_.graphValueList.Whole(0);
        binHz = N > 0 ? DecimalPrefix(state_.Get(Field::cyclesPerSecond)) / (2.0 * N) : 0;
    }
    picture.x.title = Say(QT_TRANSLATE_NOOP("Worksheet", "frequency (Hz)"));
    if (n > 1 && binHz > 0)
        picture.x.ticks = LinearTicks(Nzero * binHz, 0, (Nzero + n - 1) * binHz, W, 0, W);
    if (GraphExpanded() && n > 0)
        picture.title += FillIn(Say(QT_TRANSLATE_NOOP("Worksheet", ", expanded to %1 to %2 Hz")),
                                {NumberText(Nzero * binHz), NumberText((Nzero + n - 1) * binHz)});
    if (extras_.decibels && quantity == Quantity::Rho) {
        // The floor lies on the axis, 0 dB (the largest value) where the scale ends.
        picture.y.title = Say(QT_TRANSLATE_NOOP("Worksheet", "level (dB)"));
        picture.y.ticks = LinearTicks(extras_.floorDb, y0, 0, ytop, 0, picture.shown.bottom);
    } else {
        picture.y.title = SpectrumValueTitle(quantity);
        picture.y.ticks =
            SpectrumValueTicks(y0, ytop, TraceScales(*this).linear, picture.shown.bottom);
    }
    if (extras_.held) {
        picture.legend.push_back(FillIn(Translate("Form1", "Held: %1"), {extras_.held->name}) +
                                 Say(QT_TRANSLATE_NOOP("Worksheet", " (grey)")));
    }

    AddHarmonicMarks(picture, "Line2", 11);
    if (peakMark_) picture.marks.push_back(*peakMark_);
    // The first limit of an expansion being chosen.
    if (ExpansionRunning() && state_.expansionClickCount == 1 && n > 1) {
        const double x = W * state_.expansionFirstPoint / (n - 1);
        picture.marks.push_back({x, 0, x, H, colors::kBlack, ""});
    }
    return picture;
}

WorksheetPicture MainWindowModel::MusicWorksheet() const {
    const double H = music::kCanvasHeight;
    const double sign = MusicalSign();
    const DataList& shown = state_.displayedValueList;
    const int n = shown.Whole(0);
    WorksheetPicture picture;
    picture.drawingWidth = music::kCanvasWidth;
    picture.drawingHeight = H;
    // The part of the canvas the window shows, at the width of its view.
    const double left = view_["HScroll2"].value;
    picture.shown = {left, 0, left + view_["Picture4"].width, H};
    picture.draw = [this, sign](Surface& pic) { DrawMusicalGraph(pic, sign); };
    picture.palette = [](Color c) { return OnPaper(c, music::kCanvasBack); };
    picture.title = WorksheetTitle(
        FillIn(
            Say(QT_TRANSLATE_NOOP("Worksheet", "%1 of the Fourier transform on a musical scale")),
            {Say(QuantityName(DisplayedQuantity()))}),
        WholeNumber(state_.Get(Field::totalPoints)));
    picture.x.title = Say(QT_TRANSLATE_NOOP(
        "Worksheet", "frequency (Hz), logarithmic scale, over the piano keyboard"));
    const MusicalBaseline base = MusicalBaselineOf(H, sign);
    // Upright peaks rise from the baseline, inverted ones hang down to the ruler.
    const double from = sign < 0 ? base.y0 : 0, to = sign < 0 ? 2 * H / 3 : base.y0;
    const double ytop = base.y0 - (base.y0 - base.yTop) * sign;
    for (AxisTick& tick : SpectrumValueTicks(base.y0, ytop, shown.Value(n + 1), H))
        if (tick.position >= from - 1 && tick.position <= to + 1) picture.y.ticks.push_back(tick);
    picture.y.title = SpectrumValueTitle(DisplayedQuantity());
    AddHarmonicMarks(picture, "Line6", 17);
    return picture;
}

}  // namespace quorbel
