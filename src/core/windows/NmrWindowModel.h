#pragma once
// The NMR window ("FFT Quorbel - NMR"): a FID read from a file (an experiment folder or
// JCAMP-DX) or simulated from lines, turned into a spectrum step by step as the
// instrument does (apodization, zero filling, transform, phase), and measured as a
// chemistry lab does every week: referencing, integrals, peak positions and couplings,
// widths and signal to noise.
//
// Picture1 shows the spectrum on a ppm axis running right to left; what the mouse does
// on it is chosen by the "Mouse" options (expand, integrate, pivot, reference, noise,
// cursors). Picture2 shows the FID with the apodization curve over it. The "Simulated
// lines" frame holds the lines a student types (shift, amplitude, width or T2, multiplet
// and J) and the acquisition (noise, points, spectral width) that "Simulate" makes a FID of.
#include <array>
#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "nmr/NmrFid.h"
#include "nmr/NmrGraph.h"
#include "nmr/NmrMeasure.h"
#include "nmr/NmrProcessing.h"
#include "nmr/SimulatedFid.h"
#include "platform/Platform.h"
#include "surface/RecordingSurface.h"
#include "windows/Window.h"

namespace quorbel {

// The client area and the two graphs, twips.
inline constexpr double kNmrFormWidth = 18000, kNmrFormHeight = 8500;
inline constexpr double kNmrSpectrumWidth = 9360, kNmrSpectrumHeight = 4800;
inline constexpr double kNmrFidWidth = 9360, kNmrFidHeight = 1500;

ViewState NmrWindowInitialView();

// What a click or a drag on the spectrum does.
enum class NmrMouse { expand, integrate, pivot, reference, noise, cursors };

class NmrWindowModel : public TableWindow<NmrWindowModel> {
  public:
    // The graphs: `spectrum` kNmrSpectrumWidth x kNmrSpectrumHeight twips, `fid`
    // kNmrFidWidth x kNmrFidHeight; null ones are replaced by recordings of the window's.
    NmrWindowModel(Platform& platform, Surface* spectrum, Surface* fid);
    static const ControlTable<NmrWindowModel>& Table();

    void Show();
    // Reads the data at `path` and shows its spectrum with the stored parameters; false,
    // after a message, when it cannot be read.
    bool Open(const std::string& path);
    // Shows a FID (a simulation) as if read.
    void ShowFid(nmr::Fid fid, const std::string& description);

    const std::optional<nmr::Fid>& Fid() const { return fid_; }
    const nmr::Processing& Parameters() const { return processing_; }
    const nmr::Spectrum& Shown() const { return spectrum_; }
    const nmr::SpectrumView& ViewRange() const { return range_; }
    NmrMouse Mouse() const { return mouse_; }
    double Pivot() const { return pivot_; }  // point of the spectrum
    const std::vector<nmr::PpmRange>& Regions() const { return regions_; }
    const std::array<std::optional<double>, 2>& Cursors() const { return cursors_; }  // ppm
    const std::vector<std::string>& Peaks() const { return view_["List2"].items; }

    // The typed boxes: LB, GB, SI, PHC0, PHC1, reference ppm, hydrogens of region 1; then
    // the line being typed (ppm, amplitude, width or T2, multiplet, J) and the
    // acquisition of a simulation (noise, points, spectral width).
    std::string Typed(int box) const { return typed_[static_cast<std::size_t>(box)]; }
    void TypeBox(int box, const std::string& text) { typed_[static_cast<std::size_t>(box)] = text; }

    // The lines "Simulate" makes a FID of.
    const std::vector<nmr::SimulatedLine>& SimulatedLines() const { return simulation_.lines; }
    // What the read-out under the graphs measures: the width at half height (hertz) and
    // the place (ppm) of the peak at the last cursor, or of the strongest; its S/N when a
    // noise region is marked.
    std::optional<double> MeasuredWidthHz() const { return measuredWidth_; }
    std::optional<double> MeasuredPeakPpm() const { return measuredPpm_; }
    std::optional<double> MeasuredSignalToNoise() const { return measuredSn_; }

    Description Describe(const std::string& control) const override;

  private:
    void Form_Unload();
    void Command1_Click();  // "Open...": an experiment folder's fid or acqus, or JCAMP-DX
    void Command2_Click();  // "Simulate": a FID of the lines in the list
    void Command3_Click();  // "Automatic": phases found by the program
    void Command4_Click();  // "Process": the typed parameters applied
    void Command5_Click() { ReferenceTo("0"); }     // "TMS 0"
    void Command6_Click() { ReferenceTo("7.26"); }  // "CHCl3 7.26"
    void Command7_Click() { ReferenceTo("2.50"); }  // "DMSO 2.50"
    void Command8_Click();                          // "Clear marks"
    void Command9_Click();                          // "Whole spectrum"
    void Command10_Click();                         // "CSV...": the spectrum as CSV
    void Command11_Click();                         // "Picture...": PNG, SVG or PDF
    void Command12_Click();                         // "Add": the line typed joins the list
    void Command13_Click();  // "Remove": the line chosen in the list, or the last one
    void Command14_Click();  // "Clear": no lines
    void Command15_Click();  // "Ethanol": the example's lines and acquisition again
    void List3_Change();
    void Option12_Click() { ChooseWidthAsT2(false); }
    void Option13_Click() { ChooseWidthAsT2(true); }
    void Option1_Click() { ChooseWindow(nmr::Window::none); }
    void Option2_Click() { ChooseWindow(nmr::Window::exponential); }
    void Option3_Click() { ChooseWindow(nmr::Window::gaussian); }
    void Option4_Click() { ChooseMouse(NmrMouse::expand); }
    void Option5_Click() { ChooseMouse(NmrMouse::integrate); }
    void Option6_Click() { ChooseMouse(NmrMouse::pivot); }
    void Option7_Click() { ChooseMouse(NmrMouse::reference); }
    void Option8_Click() { ChooseMouse(NmrMouse::noise); }
    void Option9_Click() { ChooseMouse(NmrMouse::cursors); }
    void Option10_Click() { ChooseBaseline(false); }
    void Option11_Click() { ChooseBaseline(true); }
    void Slider1_Change();  // PHC0
    void Slider2_Change();  // PHC1, about the pivot
    void Picture1_MouseDown(int button, int shift, double x, double y);
    void Picture1_MouseMove(int button, int shift, double x, double y);
    void Picture1_MouseUp(int button, int shift, double x, double y);
    void Picture1_KeyPress(int key, int shift);

    void ChooseWindow(nmr::Window window);
    void ChooseMouse(NmrMouse mouse);
    void ChooseBaseline(bool on);
    void ChooseWidthAsT2(bool t2);
    void ShowLines();
    void ReferenceTo(const std::string& ppm);
    // The typed parameters, or nothing after a message naming the box.
    std::optional<nmr::Processing> TypedProcessing();
    void Reprocess();
    void ApplyPhases(double phc0, double phc1);
    void ShowParameters();
    void Measure();
    void Redraw();
    void ReadOut(double ppm);
    void Click(double x);
    double PpmAt(double x) const;

    Platform& platform_;
    std::unique_ptr<RecordingSurface> ownSpectrum_, ownFid_;
    Surface& spectrumPicture_;
    Surface& fidPicture_;
    std::optional<nmr::Fid> fid_;
    nmr::Processing processing_;
    nmr::Spectrum spectrum_;
    nmr::SpectrumView range_;
    std::string description_;
    std::array<std::string, 15> typed_;
    nmr::Simulation simulation_;
    bool widthIsT2_ = false;
    std::optional<int> chosenLine_;
    std::optional<double> measuredWidth_, measuredPpm_, measuredSn_;
    NmrMouse mouse_ = NmrMouse::expand;
    bool baseline_ = false;
    double pivot_ = 0;
    std::vector<nmr::PpmRange> regions_;
    std::optional<nmr::PpmRange> noise_;
    std::array<std::optional<double>, 2> cursors_;
    int nextCursor_ = 0;
    std::optional<double> dragFrom_;    // x twips where a drag began
    std::optional<double> keyCursor_;   // ppm of the keyboard cursor
    std::optional<double> readOutPpm_;  // where the read-out (Label1) was taken
};

const ControlTable<NmrWindowModel>& NmrWindowTable();

}  // namespace quorbel
