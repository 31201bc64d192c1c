// The main window's raw-data mode: the menu "Files  *.raw...", "Raw data renewal",
// the transfer from the raw file window, and the secondary windows' surfaces.
#include "platform/FileNames.h"
#include "platform/Translation.h"
#include "state/NumberText.h"
#include "surface/RecordingSurface.h"
#include "windows/MainWindowModel.h"

namespace quorbel {

// Used when the builder of the window hands in no surface for a secondary window
// (a driver that never looks at it): the window still draws, on a record.
struct MainWindowModel::OwnSurfaces {
    RecordingSurface form4{kForm4Width, kForm4Height};
    RecordingSurface form6{kForm6Width, kForm6Height};
    RecordingSurface rawFrame{kRawFrameWidth, kRawFrameHeight};
    RecordingSurface rawGraph{kRawGraphWidth, kRawGraphHeight};
    RecordingSurface rawInverse{kRawGraphWidth, kRawGraphHeight};
};

// The input must not hand samples to a window that is gone.
MainWindowModel::~MainWindowModel() {
    StopInput();
}

void MainWindowModel::CreateSecondaryWindows() {
    if (!surfaces_.Form4 || !surfaces_.Form6) ownSurfaces_ = std::make_shared<OwnSurfaces>();
    inverse_ = std::make_unique<InverseWindowModel>(surfaces_.Form4 ? *surfaces_.Form4
                                                                    : ownSurfaces_->form4);
    const RawFileSurfaces own{ownSurfaces_ ? ownSurfaces_->form6 : surfaces_.Form6->Form6,
                              ownSurfaces_ ? ownSurfaces_->rawFrame : surfaces_.Form6->Picture1,
                              ownSurfaces_ ? ownSurfaces_->rawGraph : surfaces_.Form6->Picture2,
                              ownSurfaces_ ? ownSurfaces_->rawInverse : surfaces_.Form6->Picture4};
    raw_ =
        std::make_unique<RawFileModel>(platform_, surfaces_.Form6 ? *surfaces_.Form6 : own, *this);
    raw_->Form_Load();
    nmr_ = std::make_unique<NmrWindowModel>(platform_, surfaces_.NmrSpectrum, surfaces_.NmrFid);
    UpdateListenItems();
}

void MainWindowModel::mnuFilesrawItem_Click() {
    SetPointer(kPointerHourglass);
    mnuRealftItem_Click();
    Command6_Click();
    SetPointer(kPointerHourglass);
    SelectDisplay(DisplayOption::Rho);
    state_.spectrumMode = Quantity::Rho;
    RestaurButt();
    Command5_Click();
    SetPointer(kPointerHourglass);

    if (view_["Frame1"].visible) {
        state_.returnMode = ReturnMode::MultipleWavesFrame;
        view_["Frame1"].visible = false;
    } else if (view_["Frame6"].visible) {
        state_.returnMode = ReturnMode::SimpleWavesFrame;
        view_["Frame6"].visible = false;
    } else if ((choices_.function == FunctionKind::MultipleWaves)) {
        state_.returnMode = ReturnMode::MultipleWaves;
    } else if ((choices_.function == FunctionKind::SimpleWaves)) {
        state_.returnMode = ReturnMode::SimpleWaves;
    }
    Choose(&MainWindowChoices::function, FunctionKind::RawFile);
    view_["mnuImagzeroItem"].enabled = false;
    view_["Option10"].enabled = false;
    raw_->Show();
    SetPointer(kPointerDefault);
}

void MainWindowModel::Command12_Click() {
    for (const char* graph : {"Picture1", "Picture4"}) {
        const auto it = view_.controls.find(graph);
        if (it != view_.controls.end() && it->second.visible) {
            view_.focus = graph;
            break;
        }
    }
    if (raw_->Minimized())
        raw_->Show();
    else
        mnuFilesrawItem_Click();
}

void MainWindowModel::TakeRawSamples(DataList samples, const std::string& fs, const std::string& T4,
                                     const std::string& fileName) {
    const std::string N = samples.Line(0);
    ClearMarks();
    // The live view's read-out names the peak of the sound heard, not of a file's.
    if (!live_.transferring) ShowLiveReadout(LiveReadout::None);
    state_.dataSource = DataSource::RawFile;
    SetField(Field::totalPoints, N);
    SetField(Field::cyclesPerSecond, fs);
    view_["Text2"].locked = true;
    view_["Text2"].tooltip = QT_TRANSLATE_NOOP("Form1", "Frequency of the File *.raw");
    SetField(Field::dataExtensionSeconds, T4);
    SetField(Field::windowSeconds, T4);
    SetField(Field::windowPoints, N);
    state_.rawFileName = OneLineName(fileName);
    state_.sampleList = std::move(samples);
}

}  // namespace quorbel
