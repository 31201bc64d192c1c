// The raw file window: opening and plotting a file, the selection with the mouse and
// the transfer to the main window (its control table is in RawFileControls.cpp).
#include "windows/RawFileModel.h"

#include <cmath>
#include <filesystem>

#include "platform/Translation.h"
#include "sound/Recording.h"
#include "sound/SoundInput.h"
#include "state/NumberText.h"
#include "windows/ControlIndex.h"
#include "windows/ControlTable.h"
#include "windows/GraphKeys.h"
#include "windows/MainWindowModel.h"

namespace quorbel {

namespace {

// The progress texts are printed at this place on the window.
constexpr double kStatusX = 1480, kStatusY = 5060;
// ... and at this height on the frame of the graph.
constexpr double kReadingStatusY = 1200;

}  // namespace

RawFileModel::RawFileModel(Platform& platform, RawFileSurfaces surfaces, MainWindowModel& main)
    : TableWindow(RawFileInitialView(), Table()),
      platform_(platform),
      surfaces_(surfaces),
      main_(main) {
    surfaces_.Picture2.SetForeColor(Rgb(0, 0, 255));
    surfaces_.Picture2.SetBackColor(colors::kButtonFace);
    // The band shows the graph through its tint: the same plot in the same colours,
    // each seen through the blue.
    surfaces_.Picture4.SetForeColor(SeenThroughSelection(surfaces_.Picture2.ForeColor()));
    surfaces_.Picture4.SetBackColor(SeenThroughSelection(surfaces_.Picture2.BackColor()));
    surfaces_.Form6.SetBackColor(colors::kButtonFace);
    surfaces_.Picture1.SetBackColor(colors::kButtonFace);
    if (!surfaces_.Spectrogram)
        ownSpectrogramPicture_ =
            std::make_unique<RecordingSurface>(kSpectrogramGraphWidth, kSpectrogramGraphHeight);
    spectrogram_ = std::make_unique<SpectrogramWindowModel>(
        platform_, surfaces_.Spectrogram ? *surfaces_.Spectrogram : *ownSpectrogramPicture_);
}

void RawFileModel::Form_Load() {
    ControlState& band = view_["Picture3"];
    ControlState& inverse = view_["Picture4"];
    inverse.left = 0, inverse.top = 0;
    band.left = 0, band.top = 0;
    inverse.width = view_["Picture2"].width;
    inverse.height = view_["Picture2"].height;
    band.width = 0;
    band.height = view_["Picture2"].height;
}

void RawFileModel::Show() {
    view_.minimized = false;
    view_.shown = true;
    ++view_.raised;
}

void RawFileModel::SetProgress(int value) {
    view_["ProgressBar1"].value = value < 0 ? 0 : value > 100 ? 100 : value;
    if (onProgress) onProgress();
}

void RawFileModel::PrintStatus(const std::string& text) {
    Surface& form = surfaces_.Form6;
    form.Cls();
    form.SetCurrentX(kStatusX);
    form.SetCurrentY(kStatusY);
    form.PrintText(Translate("Form6", text));
}

void RawFileModel::HideHints() {
    for (const char* hint : {"Label5", "Label4", "Label6", "Label19"}) view_[hint].visible = false;
}

// --- opening and reading

void RawFileModel::mnuOpen_Click() {
    HideHints();
    const std::optional<std::string> name =
        platform_.OpenFileName(kSoundFileFilters, kSoundFileFilter);
    if (name) OpenPath(*name);
}

bool RawFileModel::OpenPath(const std::filesystem::path& name) {
    // The file is read before anything changes: one that cannot be used leaves the
    // plotted file and its selection as they were.
    std::string error;
    std::optional<int> rate;
    std::string damage;
    int channels = 1;
    const std::optional<RawRead> read = ReadPlotted(name, &rate, &error, 0, &damage, &channels);
    if (!read) {
        platform_.MessageBox(error);
        return false;
    }
    recording_.reset();
    channelCount_ = channels;
    ShowPlotted(*read, name, rate);
    // What could be decoded is shown, and the damage after it said.
    if (!damage.empty()) platform_.MessageBox(damage);
    return true;
}

void RawFileModel::ShowPlotted(const RawRead& read, const std::filesystem::path& path,
                               std::optional<int> rate) {
    view_["Picture2"].visible = false;
    SetPointer(kPointerHourglass);
    surfaces_.Picture2.Cls();
    path_ = path;
    view_["Label2"].visible = true;
    fileLength_ = read.length;
    // A new file has no selection yet.
    ClearSelection();
    Lerfile(read);
    // A sound file states its sampling frequency; a ".raw" file keeps the one typed.
    if (rate) frequency_ = std::to_string(*rate);
    ShowStretch(read);
    SetPointer(kPointerDefault);
}

void RawFileModel::ClearSelection() {
    keySelectionStart_.reset();
    view_["Picture3"].visible = false;
    selection_.reset();
}

// --- what the labels below the graph show

std::string RawFileModel::PlottedName() const {
    if (recording_) return Translate("Form6", kRecordingName);
    return path_.filename().string();
}

std::string RawFileModel::ChannelsText() const {
    if (!Plotted()) return "";
    if (recording_) return Translate("Form6", "The recording has one channel.");
    if (channelCount_ <= 1) return Translate("Form6", "The file has one channel.");
    return FillIn(channels_ == ChannelChoice::first
                      ? Translate("Form6", "The file has %1 channels: the first is analysed.")
                      : Translate("Form6", "The file has %1 channels: their mean is analysed."),
                  {std::to_string(channelCount_)});
}

std::string RawFileModel::FileLengthText() const {
    return Plotted() ? std::to_string(fileLength_) : "";
}

std::string RawFileModel::PlottedText() const {
    return Plotted() ? std::to_string(plotted_) : "";
}

std::string RawFileModel::FirstText() const {
    return selection_ ? std::to_string(selection_->first) : "";
}

std::string RawFileModel::LastText() const {
    return selection_ ? std::to_string(selection_->last) : "";
}

std::string RawFileModel::SelectedText() const {
    return selection_ ? std::to_string(selection_->Count()) : "";
}

int RawFileModel::TransferPoints() const {
    return selection_ ? TransferCount(selection_->Count()) : 0;
}

std::string RawFileModel::TransferText() const {
    return selection_ ? std::to_string(TransferPoints()) : "";
}

std::string RawFileModel::StretchNote() const {
    if (!Plotted() || fileLength_ <= static_cast<std::uintmax_t>(kMaxRawSamples)) return "";
    const std::uintmax_t last = stretchStart_ + static_cast<std::uintmax_t>(plotted_) - 1;
    const std::vector<std::string> samples = {std::to_string(stretchStart_), std::to_string(last),
                                              std::to_string(fileLength_)};
    // The stretch's start in seconds, to the millisecond.
    if (stretchRate_)
        return FillIn(Translate("Form6", "From %1 s: samples %2 to %3 of %4"),
                      {NumberText(std::round(stretchStart_ / *stretchRate_ * 1000) / 1000),
                       samples[0], samples[1], samples[2]});
    return FillIn(Translate("Form6", "Samples %1 to %2 of %3"), samples);
}

void RawFileModel::ShowStretch(const RawRead& read) {
    stretchStart_ = read.start;
    const bool longer = read.length > static_cast<std::uintmax_t>(kMaxRawSamples);
    ControlState& bar = view_["HScroll1"];
    bar.visible = longer;
    // The last stretch ends with the file: the bar's last step may be shorter.
    const std::uintmax_t beyond = longer ? read.length - kMaxRawSamples : 0;
    bar.max = static_cast<int>((beyond + kStretchStep - 1) / kStretchStep);
    bar.value = static_cast<int>((read.start + kStretchStep - 1) / kStretchStep);
    view_["Label22"].visible = longer;
    // The note gives the stretch's start at the frequency typed now.
    const std::optional<double> fs = ParseNumber(frequency_);
    stretchRate_.reset();
    if (fs && *fs >= kMinSamplingRate && *fs <= kMaxSamplingRate) stretchRate_ = *fs;
}

void RawFileModel::HScroll1_Change() {
    if (!Plotted() || fileLength_ <= static_cast<std::uintmax_t>(kMaxRawSamples)) return;
    const std::uintmax_t start = std::min<std::uintmax_t>(
        static_cast<std::uintmax_t>(view_["HScroll1"].value) * kStretchStep,
        fileLength_ - kMaxRawSamples);
    std::string error;
    std::optional<int> rate;
    SetPointer(kPointerHourglass);
    const std::optional<RawRead> read = ReadPlotted(path_, &rate, &error, start);
    if (!read) {
        SetPointer(kPointerDefault);
        platform_.MessageBox(error);
        return;
    }
    ClearSelection();
    Lerfile(*read);
    ShowStretch(*read);
    SetPointer(kPointerDefault);
}

std::optional<RawRead> RawFileModel::ReadPlotted(const std::filesystem::path& path,
                                                 std::optional<int>* rate, std::string* error,
                                                 std::uintmax_t start, std::string* damage,
                                                 int* channels) const {
    if (IsRawName(path)) return ReadRawFile(path, error, start);
    std::optional<SoundRead> sound = ReadSoundFile(path, channels_, error, start);
    if (!sound) return std::nullopt;
    *rate = sound->rate;
    if (damage) *damage = sound->damage;
    if (channels) *channels = sound->channels;
    return std::move(sound->samples);
}

void RawFileModel::ChooseChannels(ChannelChoice choice) {
    view_["Option1"].checked = choice == ChannelChoice::first;
    view_["Option2"].checked = choice == ChannelChoice::mean;
    if (choice == channels_) return;
    channels_ = choice;
    // A recording has one channel: nothing to plot again.
    if (recording_) return;
    // A plotted sound file is plotted again from the chosen channels; its selection
    // and the frequency typed stay.
    if (!Plotted() || IsRawName(path_)) return;
    std::string error;
    std::optional<int> rate;
    const std::optional<RawRead> read = ReadPlotted(path_, &rate, &error, stretchStart_);
    if (!read) {
        platform_.MessageBox(error);
        return;
    }
    SetPointer(kPointerHourglass);
    Lerfile(*read);
    SetPointer(kPointerDefault);
}

void RawFileModel::Lerfile(const RawRead& read) {
    ControlState& bar = view_["ProgressBar1"];
    bar.left = 2160, bar.top = 2040;
    bar.visible = true;
    Surface& frame = surfaces_.Picture1;
    auto status = [&frame](const char* text) {
        frame.Cls();
        frame.SetCurrentY(kReadingStatusY);
        frame.PrintText(text);
    };
    status("Copying data...");
    SetProgress(0);
    SetProgress(25);
    status("Plotting graph...");
    DrawRawGraph(surfaces_.Picture2, surfaces_.Picture4, read.data, read.n,
                 [this] { SetProgress(std::min(view_["ProgressBar1"].value + 8, 100)); });
    SetProgress(100);
    bar.visible = false;
    frame.Cls();
    view_["Picture2"].visible = true;
    plotted_ = read.n;
}

// --- recording

void RawFileModel::SetInputAvailable(const std::optional<std::string>& why) {
    ControlState& record = view_["Command2"];
    record.enabled = !why;
    record.tooltip =
        why ? *why : "Record the sound input for the seconds typed beside, and plot it";
}

void RawFileModel::Command2_Click() {
    HideHints();
    SoundInput* input = platform_.Input();
    if (const std::optional<std::string> why = WhyNoSoundInput(input)) {
        SetInputAvailable(why);
        platform_.MessageBox(*why);
        return;
    }
    // The live view reads the same input.
    if (main_.Listening()) {
        platform_.MessageBox(
            Translate("Messages",
                      "The main window is listening to the sound input: choose "
                      "\"Stop listening\" in its menu \"Sound\" before recording."));
        return;
    }
    std::string error;
    const int rate = input->Rate();
    const std::optional<int> frames = RecordingFrames(recordSeconds_, rate, &error);
    if (!frames) {
        platform_.MessageBox(error);
        return;
    }
    SetPointer(kPointerHourglass);
    PrintStatus(QT_TRANSLATE_NOOP("Form6", "Recording..."));
    const std::optional<std::vector<double>> recorded = input->Record(*frames, &error);
    ClearStatus();
    SetPointer(kPointerDefault);
    if (!recorded) {
        platform_.MessageBox(FillIn(Translate("Messages", "Nothing was recorded: %1"), {error}));
        return;
    }
    ShowRecording(RecordedSamples(*recorded), rate);
}

void RawFileModel::ShowRecording(std::vector<double> samples, int rate) {
    HideHints();
    recording_ = std::move(samples);
    channelCount_ = 1;
    ShowPlotted(RecordedRead(*recording_), {}, rate);
}

void RawFileModel::SelectWhole() {
    Picture2_MouseDown(1, 0, 0, 0);
    Picture2_MouseMove(1, 0, view_["Picture2"].width, 0);
}

// --- selection

double RawFileModel::TwipsPerPoint() const {
    return plotted_ > 0 ? view_["Picture2"].width / plotted_ : 0;
}

void RawFileModel::StartSelection(double x) {
    view_["Picture3"].left = x;
    view_["Picture3"].width = 0;
    view_["Picture4"].left = -x;
    const double perPoint = TwipsPerPoint();
    const int first = perPoint > 0 ? static_cast<int>(std::floor(x / perPoint)) : 0;
    selection_ = Selection{first, first};
}

void RawFileModel::Picture2_MouseDown(int button, int, double x, double) {
    HideHints();
    if (!Plotted()) return;
    if (button == 2) {
        view_["Picture3"].visible = false;
        selection_.reset();
        return;
    }
    StartSelection(x);
}

void RawFileModel::Picture4_MouseDown(int button, int, double x, double) {
    HideHints();
    if (button == 2) return;
    // The band lies over the graph at the same coordinates: a press inside it starts
    // a new selection, and the band waits for the mouse to move.
    StartSelection(x);
    view_["Picture3"].visible = false;
}

void RawFileModel::Picture2_MouseMove(int button, int, double x, double) {
    if ((button & 1) == 0 || !Plotted()) return;
    ControlState& band = view_["Picture3"];
    if (x <= band.left) return;
    const double W = view_["Picture2"].width;
    if (x > W) x = W;
    band.width = x - band.left;
    band.visible = true;
    const double perPoint = TwipsPerPoint();
    // A drag that no press started selects from the first point.
    if (!selection_) selection_ = Selection{};
    selection_->last = perPoint > 0 ? static_cast<int>(std::floor(x / perPoint)) : 0;
}

// --- transfer

void RawFileModel::Command1_Click() {
    if (!view_["Picture2"].visible) {
        view_["Label5"].visible = true;
        return;
    }
    if (!view_["Picture3"].visible) {
        view_["Label4"].visible = true;
        return;
    }
    if (TransferPoints() < kMinTransfer) {
        view_["Label6"].caption = FewPointsHint();
        view_["Label6"].visible = true;
        return;
    }
    // The frequency sets the length of the data window; beyond these bounds the
    // frequencies and the window's length would no longer be numbers a student reads.
    const std::optional<double> fs = ParseNumber(frequency_);
    if (!fs || !(*fs >= kMinSamplingRate) || !(*fs <= kMaxSamplingRate)) {
        view_["Label19"].visible = true;
        return;
    }
    SetPointer(kPointerHourglass);
    ControlState& bar = view_["ProgressBar1"];
    bar.left = 1440, bar.top = 4980;
    bar.visible = true;
    PrintStatus(QT_TRANSLATE_NOOP("Form6", "Transferring data..."));
    SelDados();
    bar.visible = false;
    SetPointer(kPointerDefault);
}

std::string RawFileModel::FewPointsHint() const {
    const std::uintmax_t samples = fileLength_;
    const int first = selection_ ? selection_->first : 0;
    if (samples < static_cast<std::uintmax_t>(kMinTransfer))
        return FillIn(samples == 1 ? Translate("Form6",
                                               "The file holds only %1 sample: the calculation "
                                               "needs at least 1024. Open a longer file.")
                                   : Translate("Form6",
                                               "The file holds only %1 samples: the calculation "
                                               "needs at least 1024. Open a longer file."),
                      {std::to_string(samples)});
    if (first >= plotted_)
        return FillIn(Translate("Form6",
                                "The selection starts at point %1, past the end of the "
                                "graph's %2 points. Drag over the graph from left to right, "
                                "with the left button pressed."),
                      {std::to_string(first), std::to_string(plotted_)});
    return kFewPointsHint;
}

void RawFileModel::SelDados() {
    // The selection counts the graph's points; the graph starts at the stretch shown.
    const std::int64_t first = static_cast<std::int64_t>(stretchStart_) + selection_->first;
    const int N = TransferPoints();
    const double fs = *ParseNumber(frequency_);
    SetProgress(2);
    std::string error;
    std::optional<DataList> samples = recording_ ? RecordedSampleList(*recording_, first, N, &error)
                                      : IsRawName(path_)
                                          ? RawSampleList(path_, first, N, &error)
                                          : SoundSampleList(path_, first, N, channels_, &error);
    if (!samples) {
        surfaces_.Form6.Cls();
        platform_.MessageBox(error);
        return;
    }
    const double T = N / fs;
    // The window's length in seconds, cut to four decimals.
    const double T4 = std::floor(T * 10000) / 10000;
    main_.TakeRawSamples(std::move(*samples), NumberText(fs), NumberText(T4), PlottedName());
    PrintStatus(QT_TRANSLATE_NOOP("Form6", "Plotting graph of the function..."));
    SetProgress(15);
    main_.Graf(6);
    SetProgress(100);
    view_["ProgressBar1"].visible = false;
    SetPointer(kPointerDefault);
    surfaces_.Form6.Cls();
    // The main window then enters its raw-data mode, as its menu item does (the item
    // is never disabled or hidden, so this always reaches it).
    main_.Fire("mnuFilesrawItem", Event::Click);
    view_.minimized = true;
}

// --- the spectrogram of the whole file

void RawFileModel::mnuSpectrogram_Click() {
    HideHints();
    if (!Plotted()) {
        view_["Label5"].visible = true;
        return;
    }
    // The spectrogram streams a file from the disk; a recording is held only here.
    if (recording_) {
        platform_.MessageBox(Translate(
            "Messages", "The spectrogram is made from a sound file: open one with \"Open\"."));
        return;
    }
    // A ".raw" file is analysed at the frequency typed; a sound file states its own.
    double rate = 0;
    if (IsRawName(path_)) {
        const std::optional<double> fs = ParseNumber(frequency_);
        if (!fs || !(*fs >= kMinSamplingRate) || !(*fs <= kMaxSamplingRate)) {
            view_["Label19"].visible = true;
            return;
        }
        rate = *fs;
    }
    SetPointer(kPointerHourglass);
    spectrogram_->Open(path_.string(), channels_, rate);
    SetPointer(kPointerDefault);
}

}  // namespace quorbel
