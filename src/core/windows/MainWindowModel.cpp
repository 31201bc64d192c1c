// The main window's life cycle: start-up with its fallback to the default record,
// activation, clicks on the window, unload and exit.
#include "windows/MainWindowModel.h"

#include "platform/DecimalMark.h"
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
      about_(platform),
      topics_(surfaces.FormTopicsPicture) {
    CreateSecondaryWindows();
    // While "Both, separately" is selected no single quantity is on the graph: any
    // change of plotState other than a display-option press makes the next choice of
    // a single quantity recompute.
    state_.onPlotStateChange = [this](const std::string& text) {
        if (Both() && text != "3") state_.spectrumMode = Quantity::None;
    };
}

bool MainWindowModel::Form_Load() {
    LoadViewSettings();  // the first graphs are drawn with the axes the user keeps
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
    state_.spectrumMode = Quantity::Rho;
    Option8_Click();
    if (startupRefusal_) return refused();
    state_.expansionClickCount = 0;
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
        switch (state_.returnMode) {
            case ReturnMode::MultipleWavesFrame:
                view_["Frame1"].visible = true;
                mnuMultipleWavesItem_Click();
                break;
            case ReturnMode::SimpleWavesFrame:
                view_["Frame6"].visible = true;
                mnuSimpleWavesItem_Click();
                break;
            case ReturnMode::MultipleWaves:
                mnuMultipleWavesItem_Click();
                break;
            case ReturnMode::SimpleWaves:
                mnuSimpleWavesItem_Click();
                break;
            case ReturnMode::Nothing:
                break;
        }
    } else if (Source() == DataSource::RawFile) {
        view_["Command12"].visible = true;
        view_["Label27"].visible = true;
        Choose(&MainWindowChoices::fileRateField, true);
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
            name = Translate("Form1", CyclesFieldName());
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
                            "number, with %3 as the decimal mark, and calculate again."),
                  {name, QuotedText(text), DecimalMarksAccepted()}));
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

// --- the window's modes

bool MainWindowModel::MusicalScaleShown() const {
    return choices_.musicalScale;
}

bool MainWindowModel::PanoramicShown() const {
    return choices_.horizontal == HorizontalOffer::Normal;
}

bool MainWindowModel::ExpansionOffered() const {
    return choices_.horizontal == HorizontalOffer::Expansion;
}

bool MainWindowModel::ExpansionRunning() const {
    return !state_.expansionPrompt.empty();
}

bool MainWindowModel::GraphExpanded() const {
    return state_.graphValueList.Whole(0) > state_.displayedValueList.Whole(0);
}

bool MainWindowModel::MarkersShown() const {
    return choices_.markersShown;
}

bool MainWindowModel::MarkersFrozen() const {
    return choices_.markersFrozen;
}

bool MainWindowModel::GraphInverted() const {
    return choices_.inverted;
}

bool MainWindowModel::TuningShown() const {
    return choices_.tuningShown;
}

// Each switch button shows the caption of what pressing it does next.
void MainWindowModel::ShowChoices() {
    const MainWindowChoices& c = choices_;
    view_["Command3"].caption =
        c.musicalScale ? QT_TRANSLATE_NOOP("Form1", "Lin") : QT_TRANSLATE_NOOP("Form1", "Log");
    view_["Command8"].caption =
        c.horizontal == HorizontalOffer::Expansion   ? QT_TRANSLATE_NOOP("Form1", "Horizontal")
        : c.horizontal == HorizontalOffer::Panoramic ? QT_TRANSLATE_NOOP("Form1", "Panoramic")
                                                     : QT_TRANSLATE_NOOP("Form1", "Normal");
    view_["Command2"].caption =
        c.markersShown ? QT_TRANSLATE_NOOP("Form1", "Cancel") : QT_TRANSLATE_NOOP("Form1", "Show");
    view_["Command11"].caption =
        c.markersFrozen ? QT_TRANSLATE_NOOP("Form1", "Move") : QT_TRANSLATE_NOOP("Form1", "Fix");
    view_["Command9"].caption =
        c.inverted ? QT_TRANSLATE_NOOP("Form1", "Normal") : QT_TRANSLATE_NOOP("Form1", "Invert");
    view_["Command10"].caption = c.tuningShown ? QT_TRANSLATE_NOOP("Form1", "Tuning - Off")
                                               : QT_TRANSLATE_NOOP("Form1", "Tuning - On");
    view_["Label3"].caption = CyclesFieldName();
    auto check = [this](const char* control, bool on) { view_[control].checked = on; };
    check("mnuMultipleWavesItem", c.function == FunctionKind::MultipleWaves);
    check("mnuSimpleWavesItem", c.function == FunctionKind::SimpleWaves);
    check("mnuFilesrawItem", c.function == FunctionKind::RawFile);
    check("Option4", c.simpleWave == SimpleWave::Sine);
    check("Option5", c.simpleWave == SimpleWave::Square);
    check("Option9", c.simpleWave == SimpleWave::Triangular);
    check("Option1", c.display == DisplayOption::Imaginary);
    check("Option2", c.display == DisplayOption::Real);
    check("Option3", c.display == DisplayOption::RealGlobal);
    check("Option8", c.display == DisplayOption::Rho);
    check("Option10", c.display == DisplayOption::Both);
    check("Option6", state_.sineSelected);
    check("Option7", !state_.sineSelected);
    view_["Label23"].caption = state_.sineSelected ? "φ" : "θ";
    check("mnuLineItem", !state_.pointsPlotted);
    check("mnuPointsItem", state_.pointsPlotted);
    check("mnuFreqPosItem", !c.negativeFrequencies);
    check("mnuFreqNegItem", c.negativeFrequencies);
    check("mnuRealftItem", c.method == TransformMethod::RealData);
    check("mnuImagzeroItem", c.method == TransformMethod::ImaginaryZero);
    check("mnuImagcalcItem", false);  // left to the student: never the method used
    for (const WindowFunction window : kWindowFunctions)
        view_[WindowMenuItem(window)].checked = window == c.window;
    check("mnuExportDoubleItem", c.exportDouble);
    check("mnuExportWorksheetItem", c.exportWorksheet);
    check("mnuExportPercentItem", c.exportPercent);
    check("mnuCreateBitmapItem", c.bitmapDrawn);
}

const char* MainWindowModel::CyclesFieldName() const {
    return choices_.fileRateField ? QT_TRANSLATE_NOOP("Form1", "Frequency of File .raw")
                                  : QT_TRANSLATE_NOOP("Form1", "Number of cycles (per second)");
}

DataSource MainWindowModel::Source() const {
    return state_.dataSource;
}

Quantity MainWindowModel::DisplayedQuantity() const {
    return state_.spectrumMode;
}

}  // namespace quorbel
