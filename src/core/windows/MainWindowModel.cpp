// The main window's life cycle: start-up with its fallback to the default record,
// activation, clicks on the window, unload and exit.
#include "windows/MainWindowModel.h"

#include "platform/Translation.h"
#include "state/NumberText.h"
#include "state/QuotedText.h"
#include "windows/ControlTable.h"

namespace quorbel {

MainWindowModel::MainWindowModel(Platform& platform, ParamFile paramFile,
                                 MainWindowSurfaces surfaces)
    : TableWindow(MainWindowInitialView(), MainWindowTable()),
      platform_(platform),
      paramFile_(std::move(paramFile)),
      surfaces_(surfaces),
      report_(surfaces.Form5),
      bitmap_(platform, surfaces.Form8),
      params_(platform, paramFile_, [this] { Form_Load(); }),
      nyquist_(HelpPageKind::Nyquist, surfaces.Form3Picture),
      phase_(
          HelpPageKind::Phase, surfaces.Form7Picture, [this] { PhaseExample(); },
          [this] { PhaseReset(); }),
      about_(platform) {
    CreateSecondaryWindows();
    // While "Both, separately" is selected no single quantity is on the graph: any
    // change of plotState other than a display-option press makes the next choice of
    // a single quantity recompute.
    state_.onPlotStateChange = [this](const std::string& text) {
        if (view_["Option10"].checked && text != "3") state_.spectrumMode = "-1";
    };
}

bool MainWindowModel::Form_Load() {
    inStartup_ = true;
    firstPass_ = StartupPass();
    bool loaded = firstPass_.outcome == StartupResult::used;
    if (!loaded) {
        std::string error;
        // The unusable file is kept beside the default record, never lost.
        if (!paramFile_.KeepUnusable(&error) || !paramFile_.WriteDefault(&error)) {
            inStartup_ = false;
            platform_.MessageBox(FillIn(Translate("Messages",
                                                  "The opening-parameters file %1 cannot be "
                                                  "created (%2). The program stops."),
                                        {paramFile_.Path().string(), error}));
            return false;
        }
        loaded = StartupPass().outcome == StartupResult::used;
    }
    inStartup_ = false;
    if (!loaded) {
        platform_.MessageBox(FillIn(Translate("Messages",
                                              "The default opening parameters could not be "
                                              "loaded from %1. The program stops."),
                                    {paramFile_.Path().string()}));
        return false;
    }
    view_.shown = true;
    CheckSoundOutput();
    return true;
}

bool MainWindowModel::LoadOpeningParameters() {
    std::optional<ParamRecord> record = paramFile_.ReadAll();
    if (!record) return false;
    // The wave table is filled row by row as the values are read.
    for (int i = 0; i < kTableRows; ++i) {
        SetField(Field::amplitudeA, record->A(i), i);
        SetField(Field::multiplierB, record->B(i), i);
        SetField(Field::phasePhi, record->Phase(i), i);
    }
    SetField(Field::totalPoints, record->Points());
    SetField(Field::windowPoints, record->Points());
    SetField(Field::cyclesPerSecond, record->Cycles());
    UnlockCycles();
    return true;
}

MainWindowModel::StartupResult MainWindowModel::StartupPass() {
    startupRefusal_.reset();
    if (!LoadOpeningParameters()) return {StartupResult::unreadable, ""};
    // A step that refuses a value ends the pass; the refusal is kept, not shown.
    const auto refused = [this] {
        return StartupResult{StartupResult::refused, startupRefusal_.value_or("")};
    };
    SetField(Field::windowSeconds, "1");
    SetField(Field::dataExtensionSeconds, "1");
    view_["Image3"].visible = true;
    view_["Image4"].visible = false;
    view_["Frame1"].visible = true;
    view_["Frame6"].visible = false;
    state_.spectrumMode = "8";
    Option8_Click();
    if (startupRefusal_) return refused();
    state_.expansionClickCount = "0";
    view_["Picture6"].visible = false;
    view_["Picture7"].visible = false;
    view_["mnuFreqNegItem"].enabled = false;
    Harmlog();
    if (startupRefusal_) return refused();
    if (!Graf(0) || startupRefusal_) return refused();
    Fft(WholeNumber(state_.Get(Field::totalPoints)));
    if (startupRefusal_) return refused();
    return {};
}

void MainWindowModel::Form_Activate() {
    SetPointer(kPointerHourglass);
    inverse_->Hide();
    if (Source() == DataSource::Calculated) {
        view_["Option10"].enabled = true;
        switch (WholeNumber(state_.returnMode)) {
            case 1:
                view_["Frame1"].visible = true;
                mnuMultipleWavesItem_Click();
                break;
            case 6:
                view_["Frame6"].visible = true;
                mnuSimpleWavesItem_Click();
                break;
            case 11:
                mnuMultipleWavesItem_Click();
                break;
            case 16:
                mnuSimpleWavesItem_Click();
                break;
            default:
                break;
        }
    } else if (Source() == DataSource::RawFile) {
        view_["Command12"].visible = true;
        view_["Label27"].visible = true;
        view_["Label3"].caption = QT_TRANSLATE_NOOP("Form1", "Frequency of File .raw");
    }
    SetPointer(kPointerDefault);
}

void MainWindowModel::Form_Click() {
    view_.Line("Line5").Visible = false;
}

void MainWindowModel::Form_MouseMove() {
    // Outside the graphs the read-out and the common cursor of the two half-height
    // graphs disappear.
    view_["Label9"].visible = false;
    view_.Line("Line3").Visible = false;
    view_.Line("Line4").Visible = false;
}

void MainWindowModel::Form_Unload() {
    // The secondary windows belong to the main window and close with it; nothing of
    // the analysis state is kept, and the sound input is heard no more.
    StopInput();
    UpdateListenItems();
    view_.shown = false;
}

void MainWindowModel::mnuExitItem_Click() {
    platform_.Quit();
}

std::optional<double> MainWindowModel::FieldNumber(Field field, int row) {
    const std::string& text = state_.Get(field, row);
    if (std::optional<double> value = ParseNumber(text)) return value;
    std::string name;
    const std::string r = FillIn(Translate("Messages", " (row %1)"), {std::to_string(row + 1)});
    switch (field) {
        case Field::totalPoints:
            name = Translate("Messages", "Total number of points in f(t) graph");
            break;
        case Field::windowPoints:
            name = Translate("Messages", "Number of data points in the window");
            break;
        case Field::dataExtensionSeconds:
            name = Translate("Messages", "Data extension in seconds");
            break;
        case Field::windowSeconds:
            name = Translate("Messages", "Window Width (seconds)");
            break;
        case Field::cyclesPerSecond:
            name = Translate("Form1", view_["Label3"].caption);
            break;
        case Field::amplitudeA:
            name = "a" + r;
            break;
        case Field::multiplierB:
            name = "b" + r;
            break;
        case Field::phasePhi:
            name = Translate("Messages", "phase") + r;
            break;
        case Field::simplePhase:
            name = Translate("Messages", "Phase");
            break;
    }
    Refuse(FillIn(Translate("Messages",
                            "The field \"%1\" holds %2, which is not a number. Type a "
                            "number and calculate again."),
                  {name, QuotedText(text)}));
    return std::nullopt;
}

void MainWindowModel::SetPointer(int pointer) {
    if (view_.mousePointer == pointer) return;
    view_.mousePointer = pointer;
    if (onMousePointerChange) onMousePointerChange(pointer);
}

void MainWindowModel::Refuse(const std::string& message) {
    if (!inStartup_) {
        platform_.MessageBox(message);
    } else if (!startupRefusal_) {
        startupRefusal_ = message;
    }
}

// --- the window's modes. Each switch button shows the caption of what pressing it
// does next, so the mode is the other caption.

bool MainWindowModel::MusicalScaleShown() const {
    return view_["Command3"].caption == "Lin";
}

bool MainWindowModel::PanoramicShown() const {
    return view_["Command8"].caption == "Normal";
}

bool MainWindowModel::ExpansionOffered() const {
    return view_["Command8"].caption == "Horizontal";
}

bool MainWindowModel::ExpansionRunning() const {
    return !state_.expansionPrompt.empty();
}

bool MainWindowModel::GraphExpanded() const {
    return state_.graphValueList.Whole(0) > state_.displayedValueList.Whole(0);
}

bool MainWindowModel::MarkersShown() const {
    return view_["Command2"].caption == "Cancel";
}

bool MainWindowModel::MarkersFrozen() const {
    return view_["Command11"].caption == "Move";
}

bool MainWindowModel::GraphInverted() const {
    return view_["Command9"].caption == "Normal";
}

bool MainWindowModel::TuningShown() const {
    return view_["Command10"].caption == "Tuning - Off";
}

DataSource MainWindowModel::Source() const {
    const double code = DecimalPrefix(state_.dataSource);
    if (code == static_cast<int>(DataSource::Calculated)) return DataSource::Calculated;
    if (code == static_cast<int>(DataSource::RawFile)) return DataSource::RawFile;
    return DataSource::Unknown;
}

Quantity MainWindowModel::DisplayedQuantity() const {
    for (Quantity q : {Quantity::Imaginary, Quantity::Real, Quantity::RealGlobal, Quantity::Rho})
        if (state_.spectrumMode == NumberText(static_cast<int>(q))) return q;
    return Quantity::None;
}

}  // namespace quorbel
