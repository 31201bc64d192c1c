#pragma once
// The main window ("FFT Quorbel 1.0"): the analysis state, the handlers of its
// controls (named after the control and the event) and the ViewState the views show.
// The window draws on surfaces handed in by whoever builds it: the Qt view, the
// command-line companion or a test.
#include <functional>
#include <optional>
#include <stdexcept>
#include <string>

#include "platform/Platform.h"
#include "spectrum/SpectrumGraph.h"
#include "state/AnalysisState.h"
#include "state/ParamFile.h"
#include "surface/Surface.h"
#include "windows/ViewState.h"

namespace quorbel {

struct MainWindowSurfaces {
    Surface& Picture1;  // the FFT graph, 7665 x 5295 twips
    Surface& Picture2;  // the "Graph of f (t)"
    Surface& Picture8;  // upper half-height graph: imaginary parts
    Surface& Picture9;  // lower half-height graph: real parts
};

// Sizes of the graph areas in twips.
inline constexpr double kPicture1Width = 7665, kPicture1Height = 5295;
inline constexpr double kPicture2Width = 7665, kPicture2Height = 2655;
inline constexpr double kHalfGraphWidth = 7455, kHalfGraphHeight = 2415;

// The control table of the main window: names, kinds, captions and tooltips, and
// their state when the window is loaded.
ViewState MainWindowInitialView();

class MainWindowModel {
  public:
    MainWindowModel(Platform& platform, ParamFile paramFile, MainWindowSurfaces surfaces);

    AnalysisState& State() { return state_; }
    const AnalysisState& State() const { return state_; }
    const ViewState& View() const { return view_; }

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
    void Form_Activate();
    void Form_Click();
    void Form_MouseMove();
    void Form_Unload();
    void mnuExitItem_Click();

    // --- synthesis and the sampling window
    bool Graf(int u);
    bool GrafSenoid(int u);
    bool GrafQuad(int u);
    bool GrafTriang(int u);
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

    // --- transform
    void Fft(int Npont);
    void FftRaw(int Npont);
    void Command5_Click();  // "Only FFT"
    void Command6_Click();  // "Cancel expansions"
    void mnuRealftItem_Click();
    void mnuImagzeroItem_Click();
    void mnuImagcalcItem_Click();

    // --- spectrum display
    void GrafFt(int ftnpont);
    void Grafmesmo(int unused = 0);
    void Grafduplo();
    void RestaurButt();
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

  private:
    // Raised inside the start-up sequence by anything that cannot be used; the
    // sequence then restores the default record.
    struct StartupFailure : std::runtime_error {
        using std::runtime_error::runtime_error;
    };

    bool StartupPass();
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
    void CopyThroughNumbers(const DataList& from, DataList& to, int lastLine);

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

    Platform& platform_;
    ParamFile paramFile_;
    MainWindowSurfaces surfaces_;
    AnalysisState state_;
    ViewState view_;
    bool inStartup_ = false;
};

}  // namespace quorbel
