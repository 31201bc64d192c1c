// The NMR window: reading or simulating a FID, processing it with the parameters typed,
// the phase controls, and the drawing of both graphs.
#include "windows/NmrWindowModel.h"

#include <algorithm>
#include <bit>
#include <cmath>
#include <filesystem>

#include "nmr/AutoPhase.h"
#include "nmr/NmrOpen.h"
#include "platform/Translation.h"
#include "state/NumberText.h"
#include "windows/ControlTable.h"

namespace quorbel {

namespace {

constexpr const char* kOpenFilter = QT_TRANSLATE_NOOP(
    "Filters", "NMR data (fid, acqus, JCAMP-DX)|fid;acqus;*.dx;*.jdx;*.jcamp|All files|*");

// Degrees within -180 .. 180.
double Wrapped(double degrees) {
    double d = std::fmod(degrees + 180, 360);
    if (d < 0) d += 360;
    return d - 180;
}

std::string Rounded(double value, int decimals) {
    const double scale = std::pow(10.0, decimals);
    return NumberText(std::round(value * scale) / scale);
}

}  // namespace

NmrWindowModel::NmrWindowModel(Platform& platform, Surface* spectrum, Surface* fid)
    : TableWindow(Table()),
      platform_(platform),
      ownSpectrum_(spectrum
                       ? nullptr
                       : std::make_unique<RecordingSurface>(kNmrSpectrumWidth, kNmrSpectrumHeight)),
      ownFid_(fid ? nullptr : std::make_unique<RecordingSurface>(kNmrFidWidth, kNmrFidHeight)),
      spectrumPicture_(spectrum ? *spectrum : *ownSpectrum_),
      fidPicture_(fid ? *fid : *ownFid_) {
    typed_ = {"0.3", "0", "", "0", "0", "0", "1", "2", "1", "1", "s", "7"};
    simulation_ = nmr::EthanolExample();
    ShowLines();
    ChooseWidthAsT2(false);
    ChooseMouse(NmrMouse::expand);
    view_["Label4"].caption =
        Translate("FormNmr", "Open an experiment or press \"Simulate\" for a FID made from lines.");
}

void NmrWindowModel::Show() {
    view_.shown = true;
    view_.minimized = false;
    ++view_.raised;
}

void NmrWindowModel::Form_Unload() {
    view_.shown = false;
}

bool NmrWindowModel::Open(const std::string& path) {
    nmr::FidRead read = nmr::ReadNmrData(path);
    if (!read.fid) {
        platform_.MessageBox(read.error);
        return false;
    }
    // An experiment is named by its folder and the sample's folder above it
    // ("strychnine-1h/10"), a JCAMP-DX file by its name.
    std::filesystem::path folder(path);
    std::error_code ec;
    if (!std::filesystem::is_directory(folder, ec)) folder = folder.parent_path();
    const std::string name = std::filesystem::is_directory(path, ec) ||
                                     folder / "fid" == std::filesystem::path(path) ||
                                     folder / "acqus" == std::filesystem::path(path)
                                 ? (folder.parent_path().filename() / folder.filename()).string()
                                 : std::filesystem::path(path).filename().string();
    ShowFid(std::move(*read.fid), name);
    return true;
}

void NmrWindowModel::ShowFid(nmr::Fid fid, const std::string& description) {
    fid_ = std::move(fid);
    processing_ = fid_->stored;
    description_ = description;
    regions_.clear();
    noise_.reset();
    cursors_ = {};
    keyCursor_.reset();
    readOutPpm_.reset();
    view_["Label1"].caption.clear();
    pivot_ = 0;
    ShowParameters();
    Reprocess();
    range_ = nmr::WholeView(spectrum_);
    Redraw();
}

void NmrWindowModel::Command1_Click() {
    const std::optional<std::string> path = platform_.OpenFileName(kOpenFilter, 0);
    if (path) Open(*path);
}

// The parameters' texts from the processing in use.
void NmrWindowModel::ShowParameters() {
    typed_[0] = Rounded(processing_.lb, 6);
    typed_[1] = Rounded(processing_.gb, 6);
    typed_[2] = std::to_string(processing_.size);
    typed_[3] = Rounded(processing_.phc0, 3);
    typed_[4] = Rounded(processing_.phc1, 3);
    view_["Option1"].checked = processing_.window == nmr::Window::none;
    view_["Option2"].checked = processing_.window == nmr::Window::exponential;
    view_["Option3"].checked = processing_.window == nmr::Window::gaussian;
    view_["Slider1"].value = static_cast<int>(std::lround(Wrapped(processing_.phc0)));
    view_["Slider2"].value =
        static_cast<int>(std::clamp(std::lround(processing_.phc1), -720L, 720L));
}

void NmrWindowModel::ChooseWindow(nmr::Window window) {
    processing_.window = window;
    // The Gaussian window is defined with LB negative and GB within 0 .. 1.
    if (window == nmr::Window::gaussian && processing_.lb >= 0) processing_.lb = -1;
    if (window == nmr::Window::gaussian && !(processing_.gb > 0 && processing_.gb <= 1))
        processing_.gb = 0.3;
    if (window == nmr::Window::exponential && processing_.lb < 0) processing_.lb = 0.3;
    ShowParameters();
    if (fid_) Reprocess(), Redraw();
}

std::optional<nmr::Processing> NmrWindowModel::TypedProcessing() {
    nmr::Processing p = processing_;
    const char* names[] = {"LB", "GB", "SI", "PHC0", "PHC1"};
    double* fields[] = {&p.lb, &p.gb, nullptr, &p.phc0, &p.phc1};
    for (int i = 0; i < 5; ++i) {
        const std::optional<double> value = ParseNumber(typed_[static_cast<std::size_t>(i)]);
        if (!value) {
            platform_.MessageBox(FillIn(Translate("Messages", "%1 must be a number."), {names[i]}));
            return std::nullopt;
        }
        if (fields[i])
            *fields[i] = *value;
        else if (*value >= 16 && *value <= nmr::kMaxSpectrumSize && *value == std::floor(*value))
            p.size = static_cast<int>(*value);
        else
            p.size = 0;  // refused below
    }
    if (const std::optional<std::string> why = nmr::ProcessingError(p)) {
        platform_.MessageBox(*why);
        return std::nullopt;
    }
    return p;
}

void NmrWindowModel::Command4_Click() {
    if (!fid_) return;
    const std::optional<nmr::Processing> p = TypedProcessing();
    if (!p) return;
    const bool resized = p->size != processing_.size;
    pivot_ = pivot_ * p->size / processing_.size;
    processing_ = *p;
    ShowParameters();
    Reprocess();
    if (resized) range_ = nmr::WholeView(spectrum_);
    Redraw();
}

void NmrWindowModel::Command3_Click() {
    if (!fid_) return;
    view_.mousePointer = kPointerHourglass;
    const nmr::Phases phases = nmr::AutoPhase(*fid_, processing_);
    view_.mousePointer = kPointerDefault;
    ApplyPhases(phases.phc0, phases.phc1);
}

void NmrWindowModel::ApplyPhases(double phc0, double phc1) {
    processing_.phc0 = phc0;
    processing_.phc1 = phc1;
    ShowParameters();
    if (!fid_) return;
    Reprocess();
    Redraw();
}

void NmrWindowModel::Slider1_Change() {
    ApplyPhases(view_["Slider1"].value, processing_.phc1);
}

void NmrWindowModel::Slider2_Change() {
    const double delta = view_["Slider2"].value - processing_.phc1;
    ApplyPhases(Wrapped(nmr::PhaseZeroForPivot(processing_.phc0, delta, pivot_, processing_.size)),
                view_["Slider2"].value);
}

void NmrWindowModel::Reprocess() {
    if (!fid_ || nmr::ProcessingError(processing_)) return;
    nmr::ProcessInto(*fid_, processing_, spectrum_);
    view_["Label10"].caption =
        FillIn(Translate("FormNmr", "Pivot: %1 ppm"), {Rounded(spectrum_.Ppm(pivot_), 3)});
    Measure();
}

void NmrWindowModel::Redraw() {
    if (!fid_) return;
    std::vector<std::pair<double, double>> shaded(regions_.begin(), regions_.end());
    if (noise_) shaded.push_back(*noise_);
    nmr::DrawSpectrum(spectrumPicture_, spectrum_, range_, shaded);
    const double width = spectrumPicture_.Width();
    const double plot = spectrumPicture_.Height() - nmr::kAxisBand;
    auto mark = [&](double ppm, Color color) {
        const double x = nmr::XOfPpm(range_, width, ppm);
        if (x >= 0 && x <= width) spectrumPicture_.Line(x, 0, x, plot, color);
    };
    mark(spectrum_.Ppm(pivot_), Rgb(0, 150, 0));
    for (const std::optional<double>& c : cursors_)
        if (c) mark(*c, Rgb(200, 0, 0));
    if (keyCursor_) mark(*keyCursor_, Rgb(120, 120, 120));
    // The FID as acquired, with the window's weights over it.
    std::vector<double> weights;
    const int n = static_cast<int>(fid_->points.size());
    weights.reserve(static_cast<std::size_t>(n));
    for (int i = 0; i < n; ++i)
        weights.push_back(processing_.window == nmr::Window::none
                              ? 1.0
                              : nmr::ApodizationWeight(processing_, fid_->sweepHz, n, i));
    nmr::DrawFid(fidPicture_, fid_->points, weights);
    std::string about =
        FillIn(Translate("FormNmr", "%1: %2 complex points at %3 Hz (SW), SF %4 MHz, SI %5."),
               {description_, std::to_string(n), Rounded(fid_->sweepHz, 3),
                Rounded(processing_.sf, 6), std::to_string(processing_.size)});
    if (fid_->groupDelay > 0) {
        about += ' ';
        about += FillIn(Translate("FormNmr",
                                  "The first %1 points are near zero: the digital filter "
                                  "delays the signal, removed as a linear phase."),
                        {std::to_string(static_cast<int>(std::ceil(fid_->groupDelay)))});
    }
    view_["Label4"].caption = about;
}

}  // namespace quorbel
