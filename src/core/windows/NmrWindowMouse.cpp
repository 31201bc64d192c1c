// The NMR window's measurements: the mouse and the keyboard on the spectrum (expansion,
// regions, pivot, referencing, cursors), the read-outs, integrals and peaks, and the
// exports.
#include <algorithm>
#include <cmath>
#include <numbers>
#include <sstream>

#include "nmr/NmrPeaks.h"
#include "platform/FileNames.h"
#include "platform/Translation.h"
#include "state/FileReplace.h"
#include "state/NumberText.h"
#include "windows/NmrWindowModel.h"

namespace quorbel {

namespace {

constexpr const char* kCsvFilter = QT_TRANSLATE_NOOP("Filters", "CSV files|*.csv");
constexpr const char* kPictureFilter =
    QT_TRANSLATE_NOOP("Filters", "PNG images|*.png|SVG drawings|*.svg|PDF documents|*.pdf");
// A drag shorter than this (twips) is a click.
constexpr double kDragTwips = 60;
// A click finds the highest point within this many twips (three pixels).
constexpr double kSnapTwips = 45;

std::string Rounded(double value, int decimals) {
    const double scale = std::pow(10.0, decimals);
    return NumberText(std::round(value * scale) / scale);
}

}  // namespace

double NmrWindowModel::PpmAt(double x) const {
    return nmr::PpmAtX(range_, spectrumPicture_.Width(), x);
}

void NmrWindowModel::ChooseMouse(NmrMouse mouse) {
    mouse_ = mouse;
    const char* options[] = {"Option4", "Option5", "Option6", "Option7", "Option8", "Option9"};
    for (int i = 0; i < 6; ++i) view_[options[i]].checked = static_cast<int>(mouse) == i;
}

void NmrWindowModel::ChooseBaseline(bool on) {
    baseline_ = on;
    view_["Option10"].checked = !on;
    view_["Option11"].checked = on;
    Measure();
}

void NmrWindowModel::ReferenceTo(const std::string& ppm) {
    typed_[5] = ppm;
    ChooseMouse(NmrMouse::reference);
}

void NmrWindowModel::Command8_Click() {
    regions_.clear();
    noise_.reset();
    cursors_ = {};
    nextCursor_ = 0;
    Measure();
    Redraw();
}

void NmrWindowModel::Command9_Click() {
    if (!fid_) return;
    range_ = nmr::WholeView(spectrum_);
    Redraw();
}

void NmrWindowModel::Picture1_MouseDown(int button, int, double x, double) {
    if (button == 1 && fid_) dragFrom_ = x;
}

void NmrWindowModel::Picture1_MouseMove(int, int, double x, double) {
    if (fid_) ReadOut(PpmAt(x));
}

void NmrWindowModel::Picture1_MouseUp(int, int, double x, double) {
    if (!dragFrom_ || !fid_) return;
    const double from = *dragFrom_;
    dragFrom_.reset();
    if (std::abs(x - from) < kDragTwips) return Click(x);
    const nmr::PpmRange range{PpmAt(from), PpmAt(x)};
    if (mouse_ == NmrMouse::expand) {
        const nmr::SpectrumView whole = nmr::WholeView(spectrum_);
        range_.leftPpm = std::max(range.first, range.second);
        range_.rightPpm = std::min(range.first, range.second);
        // The height of what lies in the part.
        double low = 0, high = 0;
        const int a = std::clamp(static_cast<int>(spectrum_.PointAt(range_.leftPpm)), 0,
                                 spectrum_.Size() - 1);
        const int b = std::clamp(static_cast<int>(spectrum_.PointAt(range_.rightPpm)), 0,
                                 spectrum_.Size() - 1);
        for (int k = a; k <= b; ++k) {
            low = std::min(low, spectrum_.points[static_cast<std::size_t>(k)].real());
            high = std::max(high, spectrum_.points[static_cast<std::size_t>(k)].real());
        }
        if (!(high > low)) high = whole.top, low = whole.bottom;
        range_.top = high + 0.05 * (high - low);
        range_.bottom = low - 0.05 * (high - low);
    } else if (mouse_ == NmrMouse::integrate) {
        regions_.push_back(range);
    } else if (mouse_ == NmrMouse::noise) {
        noise_ = range;
    } else {
        return Click(x);
    }
    Measure();
    Redraw();
}

void NmrWindowModel::Click(double x) {
    const double point = spectrum_.PointAt(PpmAt(x));
    const double reach = kSnapTwips / spectrumPicture_.Width() *
                         std::abs(range_.leftPpm - range_.rightPpm) / spectrum_.ppmPerPoint;
    const int peak = nmr::NearestPeak(spectrum_, point, static_cast<int>(reach));
    if (mouse_ == NmrMouse::pivot) {
        pivot_ = std::clamp(point, 0.0, spectrum_.Size() - 1.0);
        Reprocess();
    } else if (mouse_ == NmrMouse::reference) {
        const std::optional<double> value = ParseNumber(typed_[5]);
        if (!value || std::abs(*value) > 1e4)
            return platform_.MessageBox(
                Translate("Messages", "The reference value must be a number of ppm."));
        // Referencing moves the axis: the peak's point gets the value, through OFFSET.
        const double shift = *value - spectrum_.Ppm(peak);
        processing_.offsetPpm += shift;
        spectrum_.offsetPpm += shift;
        range_.leftPpm += shift;
        range_.rightPpm += shift;
        for (nmr::PpmRange& r : regions_) r = {r.first + shift, r.second + shift};
        if (noise_) noise_ = nmr::PpmRange{noise_->first + shift, noise_->second + shift};
        for (std::optional<double>& c : cursors_)
            if (c) *c += shift;
        if (keyCursor_) *keyCursor_ += shift;
        // The read-out says what the same place now reads.
        if (readOutPpm_) ReadOut(*readOutPpm_ + shift);
        Measure();
    } else if (mouse_ == NmrMouse::cursors) {
        cursors_[static_cast<std::size_t>(nextCursor_)] = spectrum_.Ppm(peak);
        nextCursor_ = 1 - nextCursor_;
        Measure();
    } else {
        ReadOut(spectrum_.Ppm(peak));
    }
    Redraw();
}

// The keyboard cursor: left and right move it a pixel, Home and End to the edges,
// Return acts as a click there.
void NmrWindowModel::Picture1_KeyPress(int key, int) {
    if (!fid_) return;
    const double width = spectrumPicture_.Width();
    double x = keyCursor_ ? nmr::XOfPpm(range_, width, *keyCursor_) : width / 2;
    if (key == kKeyLeft) x -= 15;
    if (key == kKeyRight) x += 15;
    if (key == kKeyHome) x = 0;
    if (key == kKeyEnd) x = width;
    x = std::clamp(x, 0.0, width);
    keyCursor_ = PpmAt(x);
    if (key == kKeyReturn || key == kKeySpace) return Click(x);
    ReadOut(*keyCursor_);
    Redraw();
}

void NmrWindowModel::ReadOut(double ppm) {
    readOutPpm_ = ppm;
    const double point = std::clamp(spectrum_.PointAt(ppm), 0.0, spectrum_.Size() - 1.0);
    const double value = spectrum_.points[static_cast<std::size_t>(std::lround(point))].real();
    view_["Label1"].caption =
        FillIn(Translate("FormNmr", "δ %1 ppm, %2 Hz, intensity %3"),
               {Rounded(ppm, 4), Rounded(ppm * spectrum_.sf, 2), NumberText(std::round(value))});
}

// Integrals, peaks, the cursors' distance, width and signal to noise, from the
// spectrum as it now is.
void NmrWindowModel::Measure() {
    if (!fid_) return;
    const std::vector<double> baseline =
        baseline_ ? nmr::PolynomialBaseline(spectrum_, regions_) : std::vector<double>{};
    const std::vector<double> integrals = nmr::Integrals(spectrum_, regions_, baseline);
    const std::optional<double> hydrogens = ParseNumber(typed_[6]);
    const std::optional<std::vector<double>> scaled =
        nmr::Normalised(integrals, 0, hydrogens.value_or(1));
    std::vector<std::string>& rows = view_["List1"].items;
    rows.clear();
    for (std::size_t i = 0; i < regions_.size(); ++i)
        rows.push_back(Rounded(std::max(regions_[i].first, regions_[i].second), 3) + " – " +
                       Rounded(std::min(regions_[i].first, regions_[i].second), 3) + " ppm: " +
                       (scaled ? Rounded((*scaled)[i], 2) + " H" : NumberText(integrals[i])));
    std::vector<std::string>& peaks = view_["List2"].items;
    peaks.clear();
    for (const nmr::Peak& p : nmr::PickPeaks(spectrum_, 0.05, 40))
        peaks.push_back(Rounded(p.ppm, 4) + ", " + Rounded(p.hz, 2) + ", " +
                        NumberText(std::round(p.height)));
    view_["Label2"].caption = "";
    if (cursors_[0] && cursors_[1]) {
        const double delta = std::abs(*cursors_[0] - *cursors_[1]);
        view_["Label2"].caption =
            FillIn(Translate("FormNmr", "Cursors %1 and %2 ppm: Δδ %3 ppm, Δν %4 Hz"),
                   {Rounded(*cursors_[0], 4), Rounded(*cursors_[1], 4), Rounded(delta, 4),
                    Rounded(delta * spectrum_.sf, 2)});
    }
    // Width and S/N of the peak at the last cursor, or of the strongest.
    const std::optional<double>& last = cursors_[static_cast<std::size_t>(1 - nextCursor_)];
    const std::vector<nmr::Peak> top = nmr::PickPeaks(spectrum_, 0.05, 1);
    measuredWidth_.reset(), measuredPpm_.reset(), measuredSn_.reset();
    view_["Label3"].caption = "";
    if (top.empty()) return;
    const int peak = last ? nmr::NearestPeak(spectrum_, spectrum_.PointAt(*last), 4) : top[0].index;
    // Rounded as shown, so that what a lesson checks is what the student reads.
    const double width =
        std::round(nmr::WidthAtHalfHeight(spectrum_, peak) * spectrum_.sf * 100) / 100;
    measuredPpm_ = std::round(spectrum_.Ppm(peak) * 1e4) / 1e4;
    std::string text = FillIn(Translate("FormNmr", "Peak at %1 ppm: width at half height %2 Hz"),
                              {NumberText(*measuredPpm_), NumberText(width)});
    if (width > 0) {
        measuredWidth_ = width;
        // The decay time a Lorentzian line of this width comes from.
        text += ", " + FillIn(Translate("FormNmr", "T2 = 1/(π·width) = %1 s"),
                              {Rounded(1 / (std::numbers::pi * width), 4)});
    }
    if (noise_) {
        const double sn =
            nmr::SignalToNoise(spectrum_, peak, static_cast<int>(spectrum_.PointAt(noise_->first)),
                               static_cast<int>(spectrum_.PointAt(noise_->second)));
        measuredSn_ = std::round(sn * 10) / 10;
        text += ", " + FillIn(Translate("FormNmr", "S/N %1"), {NumberText(*measuredSn_)});
    }
    view_["Label3"].caption = text;
}

void NmrWindowModel::Command10_Click() {
    if (!fid_) return;
    const std::optional<std::string> path = platform_.SaveFileName(kCsvFilter);
    if (!path) return;
    std::ostringstream csv;
    csv << "ppm,real,imaginary\n";
    for (int k = 0; k < spectrum_.Size(); ++k)
        csv << NumberText(spectrum_.Ppm(k)) << ','
            << NumberText(spectrum_.points[static_cast<std::size_t>(k)].real()) << ','
            << NumberText(spectrum_.points[static_cast<std::size_t>(k)].imag()) << '\n';
    std::string error;
    if (!ReplaceFile(*path, csv.str(), FileCalls::System(), &error))
        platform_.MessageBox(CannotWriteMessage(*path, error));
}

void NmrWindowModel::Command11_Click() {
    if (!fid_) return;
    const std::optional<std::string> path = platform_.SaveFileName(kPictureFilter);
    if (!path) return;
    PictureRequest request;
    request.path = *path;
    request.format = PictureFormatOf(*path).value_or(PictureFormat::Png);
    const WorksheetPicture sheet = nmr::SpectrumWorksheet(spectrum_, range_, description_);
    request.widthTwips = WorksheetWidth(sheet);
    request.heightTwips = WorksheetHeight(sheet);
    request.draw = [sheet](Surface& pic) { DrawWorksheet(pic, sheet); };
    std::string error;
    if (!platform_.ExportPicture(request, &error))
        platform_.MessageBox(CannotWriteMessage(*path, error));
}

Description NmrWindowModel::Describe(const std::string& control) const {
    if (control == "Picture1" && fid_)
        return {Translate("FormNmr", "Spectrum"),
                FillIn(Translate("FormNmr", "From %1 to %2 ppm; %3 peaks; strongest at %4"),
                       {Rounded(range_.leftPpm, 2), Rounded(range_.rightPpm, 2),
                        std::to_string(view_["List2"].items.size()),
                        view_["List2"].items.empty() ? "-" : view_["List2"].items[0]})};
    if (control == "Picture2" && fid_)
        return {Translate("FormNmr", "FID"), view_["Label4"].caption};
    return {};
}

}  // namespace quorbel
