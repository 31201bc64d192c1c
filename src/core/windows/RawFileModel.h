#pragma once
// The raw file window ("FFT Quorbel - Files  *.raw"): opens an 8-bit ".raw" sound
// file, plots it, lets the student drag a selection over the plot and transfers a
// power of two of the selected samples to the main window, which analyses them.
// Positions are twips; the graph Picture2 shows sample i at x = i * W / n.
#include <cstdint>
#include <filesystem>
#include <functional>
#include <map>
#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "platform/Platform.h"
#include "platform/Translation.h"
#include "rawfile/RawFile.h"
#include "rawfile/SoundFile.h"
#include "surface/RecordingSurface.h"
#include "surface/Surface.h"
#include "windows/SpectrogramWindowModel.h"
#include "windows/Window.h"

namespace quorbel {

class MainWindowModel;

// The name line of a recording of the sound input, where a file shows its name; said
// in the user's language, also where the main window, the report and the worksheet
// pictures name the data's source.
inline constexpr const char* kRecordingName = QT_TRANSLATE_NOOP("Form6", "(recording)");

// The hint on a selection too small to transfer, as the control table gives it; the
// same label says instead what is wrong when the file is too short or the selection
// starts past its end.
inline constexpr const char* kFewPointsHint =
    "The calculation will not produce good results with a number of points below  1024. "
    "Select a little bit larger region. ";

// The sampling frequencies a transfer accepts, hertz.
inline constexpr double kMinSamplingRate = 1;
inline constexpr double kMaxSamplingRate = 1000000;

// The window's client area and its drawing areas, in twips.
inline constexpr double kForm6Width = 7700, kForm6Height = 7000;
inline constexpr double kRawFrameWidth = 7215, kRawFrameHeight = 3135;
inline constexpr double kRawGraphWidth = 6965, kRawGraphHeight = 2685;
// A long file is shown a stretch of kMaxRawSamples at a time; its scroll bar moves
// the stretch by this many samples, a twentieth of it.
inline constexpr int kStretchStep = kMaxRawSamples / 20;

struct RawFileSurfaces {
    Surface& Form6;     // the window itself: the transfer's progress texts
    Surface& Picture1;  // the frame of the graph: the reading's progress texts
    Surface& Picture2;  // the graph, blue on the window's background colour
    Surface& Picture4;  // the same plot as seen through the tinted selection band
    // The spectrogram window's picture (SpectrogramWindowModel.h); a recording when
    // none is given.
    Surface* Spectrogram = nullptr;
};

// The window's control table with its state when the window is loaded.
ViewState RawFileInitialView();
// The keyboard cursor's line over the graph, and its copy over the selection band
// (which lies over the graph with the same origin).
inline constexpr const char* kRawKeyCursor = "Picture2Cursor";
inline constexpr const char* kRawBandKeyCursor = "Picture4Cursor";

class RawFileModel : public TableWindow<RawFileModel> {
  public:
    RawFileModel(Platform& platform, RawFileSurfaces surfaces, MainWindowModel& main);
    // The control table: besides the window itself, the one place that names its
    // handlers. Drivers reach them through Fire, which checks the control is reachable.
    static const ControlTable<RawFileModel>& Table();

    // --- life cycle: shown on request, minimised after a transfer
    void Form_Load();
    void Show();
    bool Minimized() const { return view_.minimized; }

  private:
    // --- handlers
    void Form_Unload() { view_.shown = false; }
    void mnuOpen_Click();  // "Open": reads a sound or raw file and plots its samples
    // The left button starts a selection of samples at x; the right one clears it.
    void Picture2_MouseDown(int button, int shift, double x, double y);
    // With the left button held, stretches the selection to x and counts its samples.
    void Picture2_MouseMove(int button, int shift, double x, double y);
    // A press inside the selection band starts a new selection there.
    void Picture4_MouseDown(int button, int shift, double x, double y);
    // The keyboard on the graph (GraphKeys.h): the cursor moves a sample at a time; a
    // first Enter starts a selection at it, as a press does, and the selection then
    // follows the cursor as a drag until a second Enter ends it there; Escape takes
    // the selection away, as the right button does.
    void Picture2_KeyPress(int key, int shift);
    void Command1_Click();  // "Transfer": hands the selected samples to the main window
    void Label4_Click() { view_["Label4"].visible = false; }
    void Label5_Click() { view_["Label5"].visible = false; }
    void Label6_Click() { view_["Label6"].visible = false; }
    void Label19_Click() { view_["Label19"].visible = false; }
    // The channel a sound file of several channels gives: the first, or the mean.
    void Option1_Click() { ChooseChannels(ChannelChoice::first); }
    void Option2_Click() { ChooseChannels(ChannelChoice::mean); }
    // The scroll bar of a file longer than the graph: which stretch of it is shown.
    void HScroll1_Change();
    // "Spectrogram...": the spectrogram window for the whole file that is open.
    void mnuSpectrogram_Click();
    // "Record": records the sound input for the seconds typed beside it and shows the
    // recording as an opened file.
    void Command2_Click();

  public:
    // --- what the main window's transform reports while it works on the transfer
    void SetProgress(int value);
    // Clears the window and prints `text` where the transfer reports its steps.
    void PrintStatus(const std::string& text);
    // Clears that text once the step it names is done: it lies over the selection's
    // row and must not stay there.
    void ClearStatus() { surfaces_.Form6.Cls(); }

    // The graph in words: the file, the samples shown, the selection and the keyboard
    // cursor.
    Description Describe(const std::string& control) const override;

    // The sampling frequency as typed ("22050" at first).
    const std::string& FrequencyText() const { return frequency_; }
    void TypeFrequency(const std::string& text) { frequency_ = text; }
    // Kept while the program runs, for every sound file opened.
    ChannelChoice Channels() const { return channels_; }
    // The channels of what is plotted (a ".raw" file and a recording have one); 0
    // while nothing is.
    int ChannelCount() const { return Plotted() ? channelCount_ : 0; }
    // Below the channel options: how many channels there are and which is analysed
    // ("3 channels in the file: the first is analysed"); empty while nothing is plotted.
    std::string ChannelsText() const;

    // The spectrogram window of the file shown.
    SpectrogramWindowModel& Spectrogram() { return *spectrogram_; }
    const SpectrogramWindowModel& Spectrogram() const { return *spectrogram_; }
    // Shows `samples` (on the scale of ".raw" samples) recorded at `rate` hertz
    // exactly as an opened sound file: plot, counts, no selection yet, the rate in
    // the frequency box and "(recording)" as the file's name. Transfers take their
    // samples from it until a file is opened.
    void ShowRecording(std::vector<double> samples, int rate);
    // Selects every plotted sample, as a drag from the left edge of the graph to its
    // right edge does.
    void SelectWhole();
    // Opens and plots the file at `path` as "Open" does with the file chosen; false,
    // the window's message shown, when it cannot be read.
    bool OpenPath(const std::filesystem::path& path);
    // What is plotted: the name the window gives it (the file's name, "(recording)",
    // or empty while nothing is plotted), the samples of the file or recording and the
    // samples on the graph (a stretch of a file longer than kMaxRawSamples).
    std::string PlottedName() const;
    std::uintmax_t FileLength() const { return fileLength_; }
    int PlottedPoints() const { return plotted_; }
    // The count of samples a transfer takes: the largest power of two the selection
    // holds, or 0.
    int TransferPoints() const;

    // The length typed beside "Record", seconds ("0.5" at first).
    const std::string& RecordSecondsText() const { return recordSeconds_; }
    void TypeRecordSeconds(const std::string& text) { recordSeconds_ = text; }
    // "Record" enabled, or disabled with `why` as its tooltip.
    void SetInputAvailable(const std::optional<std::string>& why);

    // Told after every change of the progress bar, so a view can repaint while a long
    // step still runs.
    std::function<void()> onProgress;

  private:
    // A file or a recording is plotted.
    bool Plotted() const { return recording_ || !path_.empty(); }
    // What the labels bound to the window's counts show; empty where nothing is
    // counted yet (no file plotted, no selection made).
    std::string PathText() const { return path_.string(); }
    std::string FileLengthText() const;
    std::string PlottedText() const;
    std::string FirstText() const;
    std::string LastText() const;
    std::string SelectedText() const;
    std::string TransferText() const;
    // The note beside the scroll bar of a file longer than the graph: which samples
    // the stretch shown holds, and from which second.
    std::string StretchNote() const;
    void HideHints();
    // What Label6 says about a selection too small to transfer.
    std::string FewPointsHint() const;
    void SetPointer(int pointer) { view_.mousePointer = pointer; }
    void Lerfile(const RawRead& read);  // plots the samples read from the file
    // Shows the samples read from `path` (or, empty, the recording) as the plotted
    // file, with its sampling frequency when it states one.
    void ShowPlotted(const RawRead& read, const std::filesystem::path& path,
                     std::optional<int> rate);
    void StartSelection(double x);
    // Reads the selected samples from the file and gives them to the main window.
    void SelDados();
    double TwipsPerPoint() const;
    void ChooseChannels(ChannelChoice choice);
    // The plotted file read again, as its name says: decoded or as ".raw" bytes; a
    // sound file damaged after the samples read says so in *damage when it is given.
    std::optional<RawRead> ReadPlotted(const std::filesystem::path& path, std::optional<int>* rate,
                                       std::string* error, std::uintmax_t start = 0,
                                       std::string* damage = nullptr,
                                       int* channels = nullptr) const;
    // Sets the scroll bar and the note beside it for the stretch `read` holds.
    void ShowStretch(const RawRead& read);
    void ClearSelection();
    // The mouse's drag between two places of the graph, from the left one to the right.
    void DragSelection(double from, double to);
    // Where the keyboard started the selection it is making, twips.
    std::optional<double> keySelectionStart_;

    Platform& platform_;
    RawFileSurfaces surfaces_;
    MainWindowModel& main_;
    std::string frequency_ = "22050";
    std::string recordSeconds_ = "0.5";
    // The file plotted; empty while a recording, or nothing, is.
    std::filesystem::path path_;
    // The samples of the recording shown, while no file is.
    std::optional<std::vector<double>> recording_;
    ChannelChoice channels_ = ChannelChoice::first;
    int channelCount_ = 0;             // of the file or recording plotted
    std::uintmax_t stretchStart_ = 0;  // the file's sample at the graph's left edge
    std::uintmax_t fileLength_ = 0;    // samples in the file shown
    int plotted_ = 0;                  // samples on the graph, from stretchStart_ on
    // The sampling frequency (hertz) typed when the stretch was shown, if it was one a
    // transfer accepts: the stretch's note gives its start in seconds at it.
    std::optional<double> stretchRate_;
    // The points of the graph under the selection's two ends, while there is one.
    struct Selection {
        int first = 0, last = 0;
        int Count() const { return last - first; }
    };
    std::optional<Selection> selection_;
    std::unique_ptr<RecordingSurface> ownSpectrogramPicture_;
    std::unique_ptr<SpectrogramWindowModel> spectrogram_;
};

}  // namespace quorbel
