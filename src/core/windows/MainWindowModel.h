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

#include "music/MusicalGraph.h"
#include "platform/Platform.h"
#include "report/Report.h"
#include "spectrum/SpectrumGraph.h"
#include "state/AnalysisState.h"
#include "state/ParamFile.h"
#include "surface/Surface.h"
#include "windows/BitmapWindowModel.h"
#include "windows/HelpWindows.h"
#include "windows/InverseWindowModel.h"
#include "windows/OpeningParamsModel.h"
#include "windows/RawFileModel.h"
#include "windows/ReportWindowModel.h"
#include "windows/ViewState.h"
#include "windows/Window.h"

namespace quorbel {

struct MainWindowSurfaces {
    Surface& Picture1;                       // the FFT graph, 7665 x 5295 twips
    Surface& Picture2;                       // the "Graph of f (t)"
    Surface& Picture8;                       // upper half-height graph: imaginary parts
    Surface& Picture9;                       // lower half-height graph: real parts
    Surface& Form5;                          // the report window
    Surface* Picture5 = nullptr;             // the musical canvas, 29500 x 4960 twips
    Surface* Form4 = nullptr;                // the inverse-results window
    const RawFileSurfaces* Form6 = nullptr;  // the raw file window
    Surface* Form8 = nullptr;                // the bitmap window's picture (BitmapWindowModel.h)
    Surface* Form3Picture = nullptr;         // the Nyquist help page (HelpWindows.h)
    Surface* Form7Picture = nullptr;         // the phase help page
};

// Sizes of the graph areas in twips.
inline constexpr double kPicture1Width = 7665, kPicture1Height = 5295;
inline constexpr double kPicture2Width = 7665, kPicture2Height = 2655;
inline constexpr double kHalfGraphWidth = 7455, kHalfGraphHeight = 2415;
inline constexpr double kScrollBarHeight = 255;
// The main window's client area, fixed from start-up on.
inline constexpr double kMainWindowWidth = 15120, kMainWindowHeight = 8700;
// The musical view at normal size: its frame in the place of the FFT graph.
inline constexpr double kMusicalViewLeft = 4320, kMusicalViewWidth = 7455;
inline constexpr double kMusicalViewHeight = 5340;
// The panoramic musical view: from the window's left edge over the left column to the
// right edge of the normal view, where the right-hand column begins.
inline constexpr double kPanoramicWidth = kMusicalViewLeft + kMusicalViewWidth;

// The name under which the window itself (its background) answers clicks and moves.
inline constexpr const char* kWindowControl = "Form1";

template <class M>
struct ControlTable;
class MainWindowModel;

// The control table of the main window, and the state it shows when the window is
// loaded (its controls and the line objects drawn over the graphs).
const ControlTable<MainWindowModel>& MainWindowTable();
ViewState MainWindowInitialView();

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

    // Told whenever the window's mouse pointer changes (the hourglass of a long
    // operation must show while the handler still runs).
    std::function<void(int pointer)> onMousePointerChange;

    // Field edits, from the keyboard or from a program.
    void SetField(Field field, const std::string& text, int row = 0) {
        state_.Set(field, text, row);
    }

    // --- window life cycle
    // The start-up sequence. When the opening parameters cannot be read or used, the
    // default record replaces the file silently and the sequence runs again. False
    // only when the default file itself cannot be written (a message says why).
    bool Form_Load();
    // How one pass of the start-up sequence ended: the opening parameters were used,
    // could not be read, or held a value the window refused (`refusal` says why; the
    // message is not shown, the default record replaces the file).
    struct StartupResult {
        enum Outcome { used, unreadable, refused } outcome = used;
        std::string refusal;
    };
    // The first pass of the last start-up.
    const StartupResult& FirstStartupPass() const { return firstPass_; }
    void Form_Activate();

  private:
    void Form_Click();
    void Form_MouseMove();
    void Form_Unload();
    void mnuExitItem_Click();

  public:
    // --- synthesis and the sampling window
    bool Graf(int u);
    bool GrafSenoid(int u);
    bool GrafQuad(int u);
    bool GrafTriang(int u);

  private:
    void Command1_Click();   // "Only f(t)"
    void Command17_Click();  // "Both"
    void Command16_Click();  // "Change (*1/2)"
    void Command18_Click();  // "Cancel"
    void mnuMultipleWavesItem_Click();
    void mnuSimpleWavesItem_Click();
    void mnuLineItem_Click();
    void mnuPointsItem_Click();
    void Option6_Click();  // "Sin"
    void Option7_Click();  // "Cos"
    void Option6_MouseDown() { state_.SetPlotState("1"); }
    void Option7_MouseDown() { state_.SetPlotState("1"); }
    void Option4_Click();  // "Sine wave"
    void Option5_Click();  // "Square wave"
    void Option9_Click();  // "Triangular wave"
    void Option4_MouseDown() { state_.SetPlotState("1"); }
    void Option5_MouseDown() { state_.SetPlotState("1"); }
    void Option9_MouseDown() { state_.SetPlotState("1"); }

  public:
    // --- transform
    void Fft(int Npont);
    void FftRaw(int Npont);

  private:
    void Command5_Click();  // "Only FFT"
    void Command6_Click();  // "Cancel expansions"
    void mnuRealftItem_Click();
    void mnuImagzeroItem_Click();
    void mnuImagcalcItem_Click();

  public:
    // --- spectrum display
    void GrafFt(int ftnpont);
    void Grafmesmo(int unused = 0);
    void Grafduplo();
    void RestaurButt();

  private:
    void Option1_Click();
    void Option2_Click();
    void Option3_Click();
    void Option8_Click();
    void Option10_Click();
    void Option1_MouseDown() { DisplayOptionMouseDown("Option1"); }
    void Option2_MouseDown() { DisplayOptionMouseDown("Option2"); }
    void Option3_MouseDown() { DisplayOptionMouseDown("Option3"); }
    void Option8_MouseDown() { DisplayOptionMouseDown("Option8"); }
    void mnuFreqPosItem_Click();
    void mnuFreqNegItem_Click();
    void Command9_Click();  // "Invert" / "Normal"
    void Picture8_MouseMove(int button, int shift, double x, double y);
    void Picture9_MouseMove(int button, int shift, double x, double y);

    // --- expansion and frequency read-out on the FFT graph (x, y in twips)
    void Command8_Click();  // "Horizontal"
    void Picture1_MouseDown(int button, int shift, double x, double y);
    void Picture1_MouseMove(int button, int shift, double x, double y);
    void Picture1_MouseUp(int button, int shift, double x, double y);
    void HScroll1_Change();

    // --- output
    void mnuReport_Click();

  public:
    // --- musical analysis: the scale switch, panoramic view, peak height, tuning and
    // the harmonic markers on both spectrum graphs (x, y in twips)
    void Harmlog();

  private:
    void Command3_Click();  // "Log" / "Lin"
    void HScroll2_Change();
    void Command4_Click();   // "1/2"
    void Command7_Click();   // "2×"
    void Command10_Click();  // "Tuning - On" / "Tuning - Off"
    void Slider1_Change();
    void Slider1_MouseMove();
    void Slider1_MouseUp();
    void Picture5_MouseMove(int button, int shift, double x, double y);
    void Image1_MouseMove(int button, int shift, double x, double y);

  public:
    void Harmouse(int Button, double X, double Y);
    void Harmouselog2(double X, double Y);

  private:
    void Command2_Click();   // "Show" / "Cancel"
    void Command11_Click();  // "Fix" / "Move"
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
    void mnuInverse_Click();

  public:
    void inverse();

  private:
    void mnuFilesrawItem_Click();
    void Command12_Click();  // "Raw data renewal"
  public:
    // The transfer of the raw file window: N samples (sampleList as written there) at
    // fs hertz, a window of T4 seconds, from the file `fileName`.
    void TakeRawSamples(DataList samples, const std::string& fs, const std::string& T4,
                        const std::string& fileName);

    // --- printing, the bitmap and the opening-parameters dialog
    BitmapWindowModel& Bitmap() { return bitmap_; }
    OpeningParamsModel& OpeningParams() { return params_; }

  private:
    void mnuprstupItem_Click();     // "Print setup"
    void mnuPrintftgrItem_Click();  // "Print FFT graph"
  public:
    void RelatPrint(Surface& printer);  // the report below the printed graph
  private:
    void mnuCreateBitmapItem_Click();  // "Create bitmap of the FFT graph"
    void mnuConfigInitItem_Click();    // "Initial configuration"

  public:
    // --- help, about and splash
    HelpWindowModel& NyquistHelp() { return nyquist_; }
    HelpWindowModel& PhaseHelp() { return phase_; }
    AboutWindowModel& About() { return about_; }
    SplashWindowModel& Splash() { return splash_; }

  private:
    void mnuNyq_Click();         // "Nyquist"
    void mnuPhaseItem_Click();   // "Phase"
    void mnuAboutItem_Click();   // "About"
    void mnuSplashItem_Click();  // "Splash observe"
    void Command13_Click();      // "Splash"
    void PhaseExample();         // the phase page's "Example"
    void PhaseReset();           // the phase page's "Reset"
    void Label18_Click();        // the slider hint hides itself

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
  public:
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
    void ExportGraph(Graph graph, PictureFormat format);
    // False, with a message, when what is exported no longer matches the parameters.
    bool ExportReady(bool needsSpectrum);
    void ExportText(const std::string& filter, const std::string& content);
    // Samples per second: the file's rate for raw data, N for calculated waves, whose
    // N samples span one second.
    double SamplingRate() const;

    ReportInput ReportInputNow() const;

    StartupResult StartupPass();
    // Inside the start-up sequence a refusal is kept here instead of being shown; the
    // sequence looks at it after each of its steps.
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
    void CheckFunctionKind(const char* item);
    void UnlockCycles();
    void RecomputeCalculatedWaves();
    // Lines 1..lastLine of `from` into `to`, through numbers, under the header `count`.
    void CopyThroughNumbers(const DataList& from, DataList& to, int lastLine, int count);

    void SelectOption(const std::string& name);
    void ShowOnly(const std::initializer_list<const char*> shown,
                  const std::initializer_list<const char*> hidden);
    void SingleQuantityClick(const std::string& option, Quantity quantity);
    void DisplayOptionMouseDown(const std::string& option);
    Quantity SelectedQuantity() const;
    void SetCheck(const std::string& item, bool checked) { view_[item].checked = checked; }
    bool Checked(const std::string& item) const { return view_[item].checked; }
    void MoveCursorLines(double x);
    void SetPointer(int pointer);
    // The displayed point under x (twips on the FFT graph), within the points shown.
    int PointUnder(double x) const;
    void MarkPeak(double x);
    void ExpansionLimit(double x);
    void Expand(int i1, int i2);
    void ShowWindowOfGraph(int count, int first);
    // The musical graph of displayedValueList with sign factor a.
    void Logscale2(double a);
    void MusicalViewSize();  // "Panoramic" / "Normal"
    void ShowFrameOfFunctionKind();
    void SetHScroll2(int value);
    void ScalePeaks(double factor);
    void FocusVisibleGraph();
    // "Log" can be pressed only while positive frequencies alone are shown on one graph.
    void EnableLogSwitch();
    bool Captioned(const std::string& control, const char* caption) const {
        return view_[control].caption == caption;
    }

    Platform& platform_;
    ParamFile paramFile_;
    MainWindowSurfaces surfaces_;
    AnalysisState state_;
    ReportWindowModel report_;
    bool inStartup_ = false;
    // Surfaces for the secondary windows when the builder of the window supplies none.
    struct OwnSurfaces;
    std::shared_ptr<OwnSurfaces> ownSurfaces_;  // shared: its type is complete only where used
    void CreateSecondaryWindows();
    std::unique_ptr<InverseWindowModel> inverse_;
    std::unique_ptr<RawFileModel> raw_;
    BitmapWindowModel bitmap_;
    OpeningParamsModel params_;
    HelpWindowModel nyquist_;
    HelpWindowModel phase_;
    AboutWindowModel about_;
    SplashWindowModel splash_;
};

}  // namespace quorbel
