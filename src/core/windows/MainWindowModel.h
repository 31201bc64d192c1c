#pragma once
// The main window ("FFT Quorbel 1.0"): the analysis state, the handlers of its
// controls (named after the control and the event) and the ViewState the views show.
// The window draws on surfaces handed in by whoever builds it: the Qt view, the
// command-line companion or a test.
#include <functional>
#include <memory>
#include <optional>
#include <stdexcept>
#include <string>
#include <vector>

#include "fourier/WindowFunction.h"
#include "music/MusicalGraph.h"
#include "platform/Platform.h"
#include "report/Report.h"
#include "sound/LiveState.h"
#include "sound/Sound.h"
#include "spectrum/SpectrumGraph.h"
#include "state/AnalysisState.h"
#include "state/ParamFile.h"
#include "state/ViewSettings.h"
#include "surface/Surface.h"
#include "synthesis/Aliasing.h"
#include "windows/BitmapWindowModel.h"
#include "windows/FftGraphExtras.h"
#include "windows/HelpTopics.h"
#include "windows/HelpWindows.h"
#include "windows/InverseWindowModel.h"
#include "windows/MainWindowChoices.h"
#include "windows/MainWindowLayout.h"
#include "windows/NmrWindowModel.h"
#include "windows/OpeningParamsModel.h"
#include "windows/RawFileModel.h"
#include "windows/ReportWindowModel.h"
#include "windows/ViewState.h"
#include "windows/Window.h"
#include "worksheet/Worksheet.h"

namespace quorbel {

// The name under which the window itself (its background) answers clicks and moves.
inline constexpr const char* kWindowControl = "Form1";
// The keyboard cursors' lines over the FFT graph and over the musical canvas.
inline constexpr const char* kFftKeyCursor = "Picture1Cursor";
inline constexpr const char* kMusicKeyCursor = "Picture5Cursor";

template <class M>
struct ControlTable;
class MainWindowModel;
class LessonsWindowModel;

// The entry of the "Window" menu that chooses `window` ("mnuWindowHannItem").
std::string WindowMenuItem(WindowFunction window);

// The control table of the main window, and the state it shows when the window is
// loaded (its controls and the line objects drawn over the graphs).
const ControlTable<MainWindowModel>& MainWindowTable();
ViewState MainWindowInitialView();
// The keys of the frequent actions, beside the control table; the initial state gives
// each control its key.
struct ControlShortcut;
const std::vector<ControlShortcut>& MainWindowShortcuts();

class MainWindowModel : public TableWindow<MainWindowModel> {
  public:
    MainWindowModel(Platform& platform, ParamFile paramFile, MainWindowSurfaces surfaces);
    // The control table: besides the window itself, the one place that names its
    // handlers. Drivers reach them through Fire, which checks the control is reachable.
    static const ControlTable<MainWindowModel>& Table();

    AnalysisState& State() { return state_; }
    const AnalysisState& State() const { return state_; }
    ReportWindowModel& Report() { return report_; }
    const ReportWindowModel& Report() const { return report_; }

    // --- which mode the window is in: its switches' typed state, and the mode codes
    // of the analysis state
    const MainWindowChoices& Choices() const { return choices_; }
    // The FFT graph is drawn on the musical axis ("Log" pressed: the switch offers "Lin").
    bool MusicalScaleShown() const;
    // The musical view spans the window ("Panoramic" pressed: the button offers "Normal").
    bool PanoramicShown() const;
    // The expansion button offers "Horizontal": the linear graph is shown.
    bool ExpansionOffered() const;
    // The right button is setting the limits of a horizontal expansion.
    bool ExpansionRunning() const;
    // The FFT graph shows fewer points than were computed (an expansion is drawn).
    bool GraphExpanded() const;
    // The harmonic markers follow the pointer ("Show" pressed: the button offers "Cancel").
    bool MarkersShown() const;
    // The harmonic markers stand still as guide lines ("Fix" pressed: it offers "Move").
    bool MarkersFrozen() const;
    // The musical graph's peaks point downward ("Invert" pressed: it offers "Normal").
    bool GraphInverted() const;
    // The tuning slider is shown ("Tuning - On" pressed: it offers "Tuning - Off").
    bool TuningShown() const;
    DataSource Source() const;  // where the samples come from
    // The quantity the single graph holds; None also before any is chosen.
    Quantity DisplayedQuantity() const;
    // The graphs in words: the FFT graph's peaks (frequency and amplitude, as the
    // report lists them), the function of f(t) and its range, the others briefly.
    Description Describe(const std::string& control) const override;

    // Told when the mouse pointer changes (a long handler's hourglass shows at once).
    std::function<void(int pointer)> onMousePointerChange;

    // Field edits, from the keyboard or from a program. The aliasing marks follow.
    void SetField(Field field, const std::string& text, int row = 0) {
        state_.Set(field, text, row);
        ShowAliasing();
    }

    // After every event the aliasing marks follow what it changed.
    bool Fire(const std::string& control, Event event, const EventArgs& args = {}) override {
        const bool handled = TableWindow::Fire(control, event, args);
        ShowAliasing();
        return handled;
    }
    // The waves of the function shown that lie at or above the Nyquist frequency.
    std::vector<AliasedWave> AliasedWavesNow() const;

    // --- window life cycle
    // The start-up sequence; unusable opening parameters are replaced silently by the
    // default record. False only when that cannot be written (a message says why).
    bool Form_Load();
    // Shows again the frame and mode of the data last used when the window comes back.
    void Form_Activate();
    // How one pass of the start-up ended: the parameters were used, unreadable, or
    // refused (`refusal` says why; not shown, the default record replaces the file).
    struct StartupResult {
        enum Outcome { used, unreadable, refused } outcome = used;
        std::string refusal;
    };
    const StartupResult& FirstStartupPass() const { return firstPass_; }  // of the last start-up

  private:
    // A click on the window's background takes away the musical graph's cursor.
    void Form_Click();
    // Outside the graphs the frequency read-out and the cursors disappear.
    void Form_MouseMove();
    void Form_Unload();        // closes the window and its secondary windows with it
    void mnuExitItem_Click();  // "Exit": ends the program

  public:
    // --- synthesis and the sampling window
    // Computes the multiple-wave sum from the wave table (u 6 and 7 keep the samples of
    // a file) and plots f(t); u 6 also transforms the file's samples. False when refused.
    bool Graf(int u);
    bool GrafSenoid(int u);  // computes and plots the simple sine wave
    bool GrafQuad(int u);    // computes and plots the simple square wave
    bool GrafTriang(int u);  // computes and plots the simple triangular wave

  private:
    void Command1_Click();   // "Only f(t)": computes and plots the samples, no transform
    void Command17_Click();  // "Both": computes and plots the samples, then transforms them
    void Command16_Click();  // "Change (*1/2)": halves the sampling window and computes again
    void Command18_Click();  // "Cancel": gives the sampling window back its full width
    void mnuMultipleWavesItem_Click();  // shows the wave table: sums of up to ten waves
    void mnuSimpleWavesItem_Click();    // shows the simple waves: sine, square, triangle
    void mnuLineItem_Click();           // f(t) is drawn as a line
    void mnuPointsItem_Click();         // f(t) is drawn as points
    void Option6_Click();               // "Sin": the wave table sums sines
    void Option7_Click();               // "Cos": the wave table sums cosines
    void Option6_MouseDown() { state_.SetPlotState("1"); }
    void Option7_MouseDown() { state_.SetPlotState("1"); }
    void Option4_Click();  // "Sine wave": selects it, computes and transforms it
    void Option5_Click();  // "Square wave"
    void Option9_Click();  // "Triangular wave"
    void Option4_MouseDown() { state_.SetPlotState("1"); }
    void Option5_MouseDown() { state_.SetPlotState("1"); }
    void Option9_MouseDown() { state_.SetPlotState("1"); }

  public:
    // --- transform
    // Transforms the calculated samples (1024 points) and redraws the spectrum graphs.
    void Fft(int Npont);
    // Transforms the samples of a file with the real-data transform and redraws.
    void FftRaw(int Npont);

  private:
    void Command5_Click();         // "Only FFT": transforms the samples as they are
    void Command6_Click();         // "Cancel expansions": shows the whole graph again
    void mnuRealftItem_Click();    // transforms with the real-data method
    void mnuImagzeroItem_Click();  // transforms with imaginary parts set to zero
    void mnuImagcalcItem_Click();  // says that this method is left to the student

    // --- window functions (menu "Window"): the weights applied to the samples of the
    // data window just before the transform; f(t) and sampleList stay unweighted.
    void mnuWindowRectItem_Click();      // "Rectangular": the samples as they are
    void mnuWindowHannItem_Click();      // "Hann"
    void mnuWindowHammingItem_Click();   // "Hamming"
    void mnuWindowBlackmanItem_Click();  // "Blackman"
    void mnuWindowFlatTopItem_Click();   // "Flat top"
    // Checks the window's entry alone and transforms again as "Only FFT" does; the
    // f(t) graph is redrawn with the window's shape over it.
    void ChooseWindow(WindowFunction window);

  public:
    WindowFunction SelectedWindow() const;  // the one checked in the "Window" menu
    // The samples the window spans: the data window's points (windowPoints, at most
    // the total) for calculated waves, every sample of a file's stretch for raw data,
    // which has no zero complement.
    int WindowedPoints() const;

    // --- spectrum display
    // Builds the displayed values of the chosen quantity from the spectrum and redraws
    // the FFT graph (and the two half-height graphs while they can be chosen).
    void GrafFt(int ftnpont);
    // Redraws the FFT graph from the displayed values, on the linear or the musical axis.
    void Grafmesmo(int unused = 0);
    void Grafduplo();  // draws the imaginary and the real parts on the two half-height graphs
    // Shows the single FFT graph again and enables the buttons the two-graph display disabled.
    void RestaurButt();

    // --- the FFT graph in decibels, and a spectrum held under it (FftGraphExtras.h)
    const FftGraphExtras& Extras() const { return extras_; }
    void UseExtra(FftExtra extra);
    void TypeFloor(const std::string& text);  // the floor's field, in dB
    double BinHertz() const;                  // hertz from one point of the FFT graph to the next

  private:
    void Option1_Click();   // shows the imaginary parts
    void Option2_Click();   // shows the real parts
    void Option3_Click();   // shows the real parts on the scale of the largest part
    void Option8_Click();   // shows the modulus
    void Option10_Click();  // "Both, separately": the two half-height graphs
    void Option1_MouseDown() { DisplayOptionMouseDown(DisplayOption::Imaginary); }
    void Option2_MouseDown() { DisplayOptionMouseDown(DisplayOption::Real); }
    void Option3_MouseDown() { DisplayOptionMouseDown(DisplayOption::RealGlobal); }
    void Option8_MouseDown() { DisplayOptionMouseDown(DisplayOption::Rho); }
    void mnuFreqPosItem_Click();  // shows positive frequencies only, and transforms again
    void mnuFreqNegItem_Click();  // shows negative frequencies too, and transforms again
    void Command9_Click();        // "Invert" / "Normal": turns the musical graph's peaks over
    // Both move the common cursor of the two half-height graphs.
    void Picture8_MouseMove(int button, int shift, double x, double y);
    void Picture9_MouseMove(int button, int shift, double x, double y);

    // --- expansion and frequency read-out on the FFT graph (x, y in twips)
    // "Horizontal": the right button then sets the limits of an expansion; on the
    // musical graph "Panoramic" / "Normal" sizes the musical view.
    void Command8_Click();
    // Marks the peak under the pointer, or sets an expansion limit (right button).
    void Picture1_MouseDown(int button, int shift, double x, double y);
    // The frequency under the pointer; the right button moves the guide line.
    void Picture1_MouseMove(int button, int shift, double x, double y);
    void Picture1_MouseUp(int button, int shift, double x, double y);  // hides the guide line
    // The keyboard on the FFT graph (GraphKeys.h): the cursor moves a point at a time
    // with the read-out; Enter clicks there as the mode asks; Escape drops half limits.
    void Picture1_KeyPress(int key, int shift);
    // The frequency under x (twips on the FFT graph), which the read-outs round to the
    // bins' precision (ReadoutPrecision.h); nothing where none can be computed.
    std::optional<double> FrequencyUnder(double x) const;
    double FftCursorX(int point) const;  // where a pointer over displayed point `point` lies
    // Drops the limits of an expansion being chosen, and the line a first limit drew.
    void CancelExpansionLimits();
    void HScroll1_Change();  // slides the expanded graph over the whole spectrum

    // --- output
    void mnuReport_Click();  // "Report": writes the report window

  public:
    // --- musical analysis: the scale switch, panoramic view, peak height, tuning and
    // the harmonic markers on both spectrum graphs (x, y in twips)
    // Places the fundamental and harmonic markers on the musical canvas and keeps their
    // distances from the fundamental.
    void Harmlog();

  private:
    void Command3_Click();     // "Log" / "Lin": the FFT graph on the musical or the linear axis
    void HScroll2_Change();    // slides the musical canvas under its view
    void Command4_Click();     // "1/2": halves the height of the peaks
    void Command7_Click();     // "2×": doubles the height of the peaks
    void Command10_Click();    // "Tuning - On" / "Tuning - Off": shows or hides the tuning slider
    void Slider1_Change();     // shifts the musical graph by the tuning and redraws it
    void Slider1_MouseMove();  // keeps the tuning as the slider moves
    void Slider1_MouseUp();    // the hourglass until the redraw of the change
    // The frequency and note under the pointer; the right button moves the markers.
    void Picture5_MouseMove(int button, int shift, double x, double y);
    void Image1_MouseMove(int button, int shift, double x, double y);  // the keyboard's cursor
    // The keyboard on the musical canvas: the cursor moves 1/10 semitone (Shift: one)
    // with the read-out, the view following; Enter places the markers while they are on.
    void Picture5_KeyPress(int key, int shift);
    // The musical view slid so that x (twips on the canvas) is well inside it.
    void ScrollMusicalViewTo(double x);

  public:
    // The frequency read-out on the linear graph; the right button places the harmonic
    // markers of the frequency under the pointer.
    void Harmouse(int Button, double X, double Y);
    void Harmouselog2(double X, double Y);  // places the harmonic markers on the musical graph

  private:
    void Command2_Click();   // "Show" / "Cancel": the harmonic markers on or off
    void Command11_Click();  // "Fix" / "Move": freezes the markers as guide lines, or frees them

  public:
    // Takes away what the pointer put over the last spectrum (read-out, cursors,
    // harmonic markers): run by every new function, transform and transfer.
    void ClearMarks();

    // --- inverse transform and sound files: the inverse-results window (Form4), the
    // raw file window (Form6) and the main window's raw-data mode
    ~MainWindowModel() override;
    InverseWindowModel& InverseResults() { return *inverse_; }
    const InverseWindowModel& InverseResults() const { return *inverse_; }
    RawFileModel& RawFile() { return *raw_; }
    const RawFileModel& RawFile() const { return *raw_; }

  private:
    void mnuInverse_Click();  // "Inverse": runs the inverse transform

  public:
    // Transforms the spectrum back and shows the samples it gives beside the originals.
    void inverse();

  private:
    void mnuFilesrawItem_Click();  // opens the raw file window for sampled sound
    void Command12_Click();        // "Raw data renewal": back to the raw file window

  public:
    // The transfer of the raw file window: N samples (sampleList as written there) at
    // fs hertz, a window of T4 seconds, from the file `fileName`.
    void TakeRawSamples(DataList samples, const std::string& fs, const std::string& T4,
                        const std::string& fileName);

    // --- sound (menu "Sound"): the function heard at once, the recovered function
    // heard, the function's sound written as a WAV file, and the sound's length
    // The sound "Play f(t)" plays and "Save f(t) as sound..." writes: the calculated
    // wave synthesised at kSoundRate for SoundSeconds(), or the transferred samples at
    // the file's rate, faded and scaled (Sound.h). Nothing, a message shown, when refused.
    std::optional<Sound> FunctionSoundNow();
    double SoundSeconds() const { return soundSeconds_; }
    // The length of synthesised sounds, kMinSoundSeconds..kMaxSoundSeconds; the menu
    // checks the entry of that length, if it has one. False, nothing changed, outside.
    bool SetSoundSeconds(double seconds);
    // Asks the platform whether sound can be played: the items that play are enabled,
    // or disabled with the reason as their tooltip. Asked when the window loads.
    void CheckSoundOutput();
    // The sound server has answered a question the window did not wait for: the
    // items that play, listen and record follow its answer.
    void SoundServerAnswered();

  private:
    void mnuPlayFtItem_Click();         // "Play f(t)"
    void mnuPlayRecoveredItem_Click();  // "Play recovered function": the inverse's samples
    void mnuSaveSoundItem_Click();      // "Save f(t) as sound..."
    void mnuSoundLength1Item_Click() { SetSoundSeconds(1); }
    void mnuSoundLength2Item_Click() { SetSoundSeconds(2); }
    void mnuSoundLength5Item_Click() { SetSoundSeconds(5); }
    // The playing items enabled as sound can be played and an inverse was run.
    void UpdateSoundItems();
    // The output to play on, or nothing with a message saying why there is none.
    SoundOutput* PlayingOutput();
    // Plays `sound`, or says why it cannot; a sound cut off later is said then.
    void PlayOn(SoundOutput& output, const Sound& sound);
    std::optional<std::string> soundUnavailable_;
    bool soundChecked_ = false;
    double soundSeconds_ = kDefaultSoundSeconds;

  public:
    // --- the live view of the sound input (menu "Sound"): the spectrum of its last N
    // samples, drawn on the FFT graph or the musical graph as they come
    bool Listening() const { return live_.listening; }
    int LiveLength() const { return live_.length; }  // samples each frame analyses (8192 at first)
    // Draws a frame from the last LiveLength() samples heard: their transform on the
    // graph shown, and the strongest peak in Label30. The first frame, and every one
    // after the window has left its raw-data mode, goes through the raw file window's
    // transfer, which sets that mode.
    void LiveFrame();
    // Told after every frame drawn, and when the input or the output stops by itself.
    std::function<void()> onLiveFrame;

  private:
    void mnuListenItem_Click();        // "Listen": starts the live view
    void mnuStopListenItem_Click();    // "Stop listening": freezes and transfers the last frame
    void ChooseLiveLength(int index);  // "Samples analysed": 1024 * 2^index
    // Samples the input hands in while listening.
    void TakeLiveSamples(const std::vector<double>& samples);
    void StopInput();
    // The input stopped by itself (its server stopped answering): said, and the live
    // view ends as "Stop listening" would end it, keeping the frame on screen.
    void InputStopped(const std::string& why);
    // Lives as long as the window: what the input and output tell later checks it.
    std::shared_ptr<int> alive_ = std::make_shared<int>(0);
    // "Listen", "Stop listening" and "Record" enabled as the input and the live view
    // allow, with the reason as tooltip when there is no input.
    void UpdateListenItems();
    // The frame on screen through the raw file window's "Transfer", as a user would.
    void TransferLiveFrame();
    // What the live view's read-out (Label30) says: nothing, that the input is heard,
    // or the strongest peak of the frame on screen (hertz; none where none stands out).
    // It belongs to the sound heard: a function or a file's data takes it away.
    enum class LiveReadout { None, Listening, Peak };
    void ShowLiveReadout(LiveReadout readout, std::optional<double> hertz = std::nullopt);
    LiveState live_;

  public:
    // --- printing, the bitmap and the opening-parameters dialog
    BitmapWindowModel& Bitmap() { return bitmap_; }
    OpeningParamsModel& OpeningParams() { return params_; }

  private:
    void mnuprstupItem_Click();     // "Print setup"
    void mnuPrintftgrItem_Click();  // "Print FFT graph"
  public:
    void RelatPrint(Surface& printer);  // prints the report below the printed graph
  private:
    void mnuCreateBitmapItem_Click();  // "Create bitmap of the FFT graph"
    void mnuConfigInitItem_Click();    // "Initial configuration"

  public:
    // --- help, about and splash
    HelpWindowModel& NyquistHelp() { return nyquist_; }
    HelpWindowModel& PhaseHelp() { return phase_; }
    AboutWindowModel& About() { return about_; }
    SplashWindowModel& Splash() { return splash_; }
    LessonsWindowModel& Lessons();  // made on first use (LessonsWindowModel.h)
    NmrWindowModel& Nmr() { return *nmr_; }
    const NmrWindowModel& Nmr() const { return *nmr_; }
    HelpTopicsModel& HelpTopicsWindow() { return topics_; }

    // --- "View" (MainWindowZoom.cpp): every window's zoom and the graphs' axes, kept for
    // the user (ViewSettings.h); only the zooms the screen holds are offered
    const ViewSettings& Viewing() const { return viewing_; }
    void LoadViewSettings();       // read and fitted to the screen (by Form_Load)
    void SetZoom(int percent);     // an offered step of kZoomSteps; others are ignored
    void StepZoom(int direction);  // +1 larger, -1 smaller, 0 back to 100 %
    void SetAxes(bool shown);      // and draws the graphs again

  private:
    void mnuNyq_Click();         // "Nyquist"
    void mnuPhaseItem_Click();   // "Phase"
    void mnuAboutItem_Click();   // "About"
    void mnuSplashItem_Click();  // "Splash observe"
    void mnuNmrItem_Click();     // "NMR spectrum..."
    void Command13_Click();      // "Splash"
    void PhaseExample();         // the phase page's "Example"
    void PhaseReset();           // the phase page's "Reset"
    void Label18_Click();        // the slider hint hides itself

    void mnuExamplesItem_Click();  // "Examples": the lessons
    // Marks the fields of every wave at or above the Nyquist frequency and shows the
    // hint under the table (lblAliasing) while the function's frame is shown.
    void ShowAliasing();
    // Points per second of the calculated waves: the total number of points over the
    // window's width in seconds, as the fields read; nullopt when they are no numbers.
    std::optional<double> WavePointsPerSecond() const;

    // --- exports (File, "Export"): the samples and the spectrum as CSV, the report as
    // text, and the f(t) graph, the FFT graph and the musical canvas as PNG or SVG,
    // each drawn again by the code that draws it in the window
    void mnuExportSamplesItem_Click();
    void mnuExportSpectrumItem_Click();
    void mnuExportReportItem_Click();
    void mnuExportFtPngItem_Click();
    void mnuExportFtSvgItem_Click();
    void mnuExportFftPngItem_Click();
    void mnuExportFftSvgItem_Click();
    void mnuExportMusicPngItem_Click();
    void mnuExportMusicSvgItem_Click();
    void mnuExportDoubleItem_Click();  // "PNG at double resolution"
    void mnuExportFtPdfItem_Click();
    void mnuExportFftPdfItem_Click();
    void mnuExportMusicPdfItem_Click();
    void mnuExportWorksheetItem_Click();  // "for a worksheet": axes, title and marks
    void mnuExportPercentItem_Click();    // worksheet amplitudes in % of the largest
  public:
    // The three graphs framed for a worksheet (Worksheet.h): the window's drawing
    // with labelled axes, a title and the marks shown over the graph.
    WorksheetPicture FtWorksheet() const;
    WorksheetPicture FftWorksheet() const;
    WorksheetPicture MusicWorksheet() const;
    // The window function applied to the samples before the transform, as the
    // worksheet titles name it; empty when the samples are transformed as they are.
    std::string WindowFunctionName() const;
    // What was sampled, as a title says it after the quantity ("of a sine wave", "of the
    // sound file ..."), in the user's language: the wave table's function, the simple wave
    // or the file.
    std::string FunctionDescription() const;
    // The CSV texts of the samples and of the spectrum (CsvExport.h).
    std::string SamplesCsvText() const;
    std::string SpectrumCsvText() const;
    // The three graphs drawn on any surface, as the window draws them.
    void DrawFtGraph(Surface& pic) const;
    void DrawFftGraph(Surface& pic, bool showProgress = false);
    void DrawMusicalGraph(Surface& pic, double sign) const;
    double MusicalSign() const;  // -1 while the graph is inverted ("Normal")

  private:
    enum class Graph { Ft, Fft, Music };
    std::string WorksheetTitle(const std::string& quantity, int points) const;
    // Ticks of a spectrum graph's value axis (zero at y0, the scale maximum M at ytop,
    // down to `to`), in the list's units or in percent of the whole spectrum's maximum.
    std::vector<AxisTick> SpectrumValueTicks(double y0, double ytop, double M, double to) const;
    std::string SpectrumValueTitle(Quantity quantity) const;
    // The harmonic markers line(0)..line(count-1) shown over the graph, as marks.
    void AddHarmonicMarks(WorksheetPicture& picture, const std::string& line, int count) const;
    // The peak marked by the left button, with its frequency, until the graph is redrawn.
    std::optional<WorksheetMark> peakMark_;
    void ExportGraph(Graph graph, PictureFormat format);
    // False, with a message, when what is exported no longer matches the parameters.
    bool ExportReady(bool needsSpectrum);
    void ExportText(const std::string& filter, const std::string& content);
    // Samples per second: the file's rate for raw data, N for calculated waves, whose
    // N samples span one second.
    double SamplingRate() const;

    ReportInput ReportInputNow() const;
    std::vector<ReportRow> PeaksShown() const;
    std::string FunctionText() const;
    std::string KeyCursorText(const std::string& graph) const;
    StartupResult StartupPass();
    // During start-up a refusal is kept here, not shown; each step looks at it.
    std::optional<std::string> startupRefusal_;
    StartupResult firstPass_;
    bool LoadOpeningParameters();
    // A field's text as a number. A text that is not a number is refused: a message
    // names the field (or, during start-up, the sequence falls back to the defaults).
    std::optional<double> FieldNumber(Field field, int row = 0);
    void Refuse(const std::string& message);
    std::optional<int> PointsForSynthesis(int largest);
    // False, with a message, when a sample is beyond the range of numbers.
    bool SamplesInRange(const DataList& samples);
    void DrawSamples();
    bool RunSimpleWave();   // the generator of the selected simple wave, if any
    void SelectSineWave();  // "Sine wave" selected and its formula shown, nothing computed
    template <class Generator>
    bool SimpleWave(Generator generate, int largestWindow);
    void CheckFunctionKind(FunctionKind kind);
    void UnlockCycles();
    void RecomputeCalculatedWaves();
    // Lines 1..lastLine of `from` into `to`, through numbers, under the header `count`.
    void CopyThroughNumbers(const DataList& from, DataList& to, int lastLine, int count);

    void ShowOnly(const std::initializer_list<const char*> shown,
                  const std::initializer_list<const char*> hidden);
    void SingleQuantityClick(DisplayOption option, Quantity quantity);
    void DisplayOptionMouseDown(DisplayOption option);
    Quantity SelectedQuantity() const;
    // A switch set, and the captions that follow from it.
    template <class T>
    void Choose(T MainWindowChoices::*choice, T value) {
        choices_.*choice = value;
        ShowChoices();
    }
    void ShowChoices();
    // The label of the cycles field, in English: it names what the field holds.
    const char* CyclesFieldName() const;
    void SetCheck(const std::string& item, bool checked) { view_[item].checked = checked; }
    // The display option selected, and selecting one.
    void SelectDisplay(DisplayOption option) { Choose(&MainWindowChoices::display, option); }
    bool Both() const { return choices_.display == DisplayOption::Both; }
    bool NegativeFrequencies() const { return choices_.negativeFrequencies; }
    void MoveCursorLines(double x);
    void SetPointer(int pointer);
    // The displayed point under x (twips on the FFT graph), within the points shown.
    int PointUnder(double x) const;
    void MarkPeak(double x);
    void ExpansionLimit(double x);
    void Expand(int i1, int i2);
    void ShowWindowOfGraph(int count, int first);
    // The musical graph of displayedValueList with sign factor a.
    void Logscale2(double a);  // draws that graph on the musical canvas
    void MusicalViewSize();    // "Panoramic" / "Normal"
    void ShowFrameOfFunctionKind();
    void SetHScroll2(int value);
    void ScalePeaks(double factor);
    void FocusVisibleGraph();
    // "Log" can be pressed only while positive frequencies alone are shown on one graph.
    void EnableLogSwitch();

    Platform& platform_;
    ParamFile paramFile_;
    MainWindowSurfaces surfaces_;
    AnalysisState state_;
    MainWindowChoices choices_;
    ViewSettings viewing_;
    FftGraphExtras extras_;
    bool ReadFloor();  // the floor's field as the decibel graph's floor, or a refusal
    ReportWindowModel report_;
    bool inStartup_ = false;
    // Surfaces for the secondary windows when the builder of the window supplies none.
    struct OwnSurfaces;
    std::shared_ptr<OwnSurfaces> ownSurfaces_;  // shared: its type is complete only where used
    void CreateSecondaryWindows();
    std::unique_ptr<InverseWindowModel> inverse_;
    std::unique_ptr<RawFileModel> raw_;
    std::unique_ptr<NmrWindowModel> nmr_;
    BitmapWindowModel bitmap_;
    OpeningParamsModel params_;
    HelpWindowModel nyquist_;
    HelpWindowModel phase_;
    AboutWindowModel about_;
    SplashWindowModel splash_;
    std::shared_ptr<LessonsWindowModel> lessons_;  // shared: its type is complete only where used
    HelpTopicsModel topics_;
};

}  // namespace quorbel
