// The NMR window's control table: the two graphs and their read-outs on the left, the
// processing, mouse, reference and integral frames, the peak list and the buttons on
// the right.
#include "windows/ControlRows.h"
#include "windows/NmrWindowModel.h"

namespace quorbel {

namespace {

using K = ControlKind;
using M = NmrWindowModel;
using R = RowsOf<M>;

constexpr double kLine = 255;
constexpr double kBox = 300;
constexpr double kRight = 9600;   // the right-hand column
constexpr double kColumn = 4080;  // its width

// A typed box bound to the model's text `box`.
Behaviour<M> TypedBox(int box) {
    return {.text = [box](const M& m) { return m.Typed(box); },
            .type = [box](M& m, const std::string& t) { m.TypeBox(box, t); }};
}

}  // namespace

const ControlTable<M>& M::Table() {
    static const ControlTable<M> table = {
        "FormNmr",
        "FFT Quorbel - NMR",
        kNmrFormWidth,
        kNmrFormHeight,
        {.unload = HANDLER(M, Form_Unload)},
        {
            R::Picture("Picture1", "",
                       {.mouseDown = HANDLER(M, Picture1_MouseDown),
                        .mouseMove = HANDLER(M, Picture1_MouseMove),
                        .mouseUp = HANDLER(M, Picture1_MouseUp),
                        .keyPress = HANDLER(M, Picture1_KeyPress)},
                       kDrawn, {120, 120, kNmrSpectrumWidth, kNmrSpectrumHeight}),
            R::Picture("Picture2", "", {}, kDrawn, {120, 5040, kNmrFidWidth, kNmrFidHeight}),
            // Under the pointer or the keyboard cursor; the two cursors; width and S/N;
            // what was read.
            R::Label("Label1", "", "", {}, kPlain, {120, 6620, 9360, kLine}),
            R::Label("Label2", "", "", {}, kPlain, {120, 6920, 9360, kLine}),
            R::Label("Label3", "", "", {}, kPlain, {120, 7220, 9360, kLine}),
            R::Label("Label4", "", "", {}, kPlain, {120, 7520, 9360, 900}),

            R::Frame("Frame1", "Processing", kPlain, {kRight, 60, kColumn, 2520}),
            R::Option("Option1", "Frame1", "None", "No apodization: the FID as acquired",
                      {.click = HANDLER(M, Option1_Click)}, kPlain, {120, 270, 1150, kLine}),
            R::Option("Option2", "Frame1", "Exponential",
                      "exp(-π·LB·t): broader lines, less noise (LB in Hz)",
                      {.click = HANDLER(M, Option2_Click)}, kChecked, {1300, 270, 1400, kLine}),
            R::Option("Option3", "Frame1", "Gaussian",
                      "exp(-a·t - b·t²) with LB negative and GB the fraction of the acquisition "
                      "time where it peaks: narrower lines",
                      {.click = HANDLER(M, Option3_Click)}, kPlain, {2750, 270, 1250, kLine}),
            R::Label("Label5", "Frame1", "LB (Hz):", {}, kPlain, {120, 620, 900, kLine}),
            R::TextBox("Text1", "Frame1", "Line broadening in hertz", TypedBox(0), kPlain,
                       {1050, 590, 800, kBox}),
            R::Label("Label6", "Frame1", "GB:", {}, kPlain, {2000, 620, 600, kLine}),
            R::TextBox("Text2", "Frame1", "Gaussian maximum as a fraction (0 to 1) of the FID",
                       TypedBox(1), kPlain, {2650, 590, 800, kBox}),
            R::Label("Label7", "Frame1", "Points (SI):", {}, kPlain, {120, 980, 1200, kLine}),
            R::TextBox("Text3", "Frame1",
                       "Zero filling: complex points of the spectrum, a power of two", TypedBox(2),
                       kPlain, {1350, 950, 1100, kBox}),
            R::Button("Command4", "Frame1", "Process", "Apply the parameters typed",
                      HANDLER(M, Command4_Click), kPlain, {2600, 900, 1350, 400}),
            R::Label("Label8", "Frame1", "PHC0 (°):", {}, kPlain, {120, 1420, 1000, kLine}),
            R::TextBox("Text4", "Frame1", "Zero-order phase, degrees", TypedBox(3), kPlain,
                       {1150, 1390, 900, kBox}),
            {"Slider1",
             K::Slider,
             "Frame1",
             "",
             "Turn the zero-order phase",
             {.change = HANDLER(M, Slider1_Change)},
             kPlain,
             {2150, 1390, 1800, kBox},
             {},
             {-180, 180, 0, 1, 10}},
            R::Label("Label9", "Frame1", "PHC1 (°):", {}, kPlain, {120, 1800, 1000, kLine}),
            R::TextBox("Text5", "Frame1", "First-order phase over the whole spectrum, degrees",
                       TypedBox(4), kPlain, {1150, 1770, 900, kBox}),
            {"Slider2",
             K::Slider,
             "Frame1",
             "",
             "Turn the first-order phase about the pivot: the pivot's phase stays put",
             {.change = HANDLER(M, Slider2_Change)},
             kPlain,
             {2150, 1770, 1800, kBox},
             {},
             {-720, 720, 0, 1, 30}},
            R::Label("Label10", "Frame1", "", {}, kPlain, {120, 2170, 2400, kLine}),
            R::Button("Command3", "Frame1", "Automatic",
                      "Let the program find the phases that make every line absorptive",
                      HANDLER(M, Command3_Click), kPlain, {2600, 2090, 1350, 380}),

            R::Frame("Frame2", "Mouse on the spectrum", kPlain, {kRight, 2640, kColumn, 1380}),
            R::Option("Option4", "Frame2", "Expand", "Drag across a part to expand it",
                      {.click = HANDLER(M, Option4_Click)}, kChecked, {120, 270, 1250, kLine}),
            R::Option("Option5", "Frame2", "Integrate", "Drag across a multiplet to integrate it",
                      {.click = HANDLER(M, Option5_Click)}, kPlain, {1400, 270, 1250, kLine}),
            R::Option("Option6", "Frame2", "Pivot", "Click where the first-order phase turns about",
                      {.click = HANDLER(M, Option6_Click)}, kPlain, {2700, 270, 1300, kLine}),
            R::Option("Option7", "Frame2", "Reference",
                      "Click a peak to give it the reference value",
                      {.click = HANDLER(M, Option7_Click)}, kPlain, {120, 600, 1250, kLine}),
            R::Option("Option8", "Frame2", "Noise", "Drag across a part with no signal",
                      {.click = HANDLER(M, Option8_Click)}, kPlain, {1400, 600, 1250, kLine}),
            R::Option("Option9", "Frame2", "Cursors",
                      "Click two peaks: their distance in ppm and in hertz",
                      {.click = HANDLER(M, Option9_Click)}, kPlain, {2700, 600, 1300, kLine}),
            R::Button("Command9", "Frame2", "Whole spectrum", "Show the whole spectrum again",
                      HANDLER(M, Command9_Click), kPlain, {120, 920, 1850, 360}),
            R::Button("Command8", "Frame2", "Clear marks",
                      "Remove the integrals, the noise region and the cursors",
                      HANDLER(M, Command8_Click), kPlain, {2100, 920, 1850, 360}),

            R::Frame("Frame3", "Reference", kPlain, {kRight, 4080, kColumn, 1080}),
            R::Button("Command5", "Frame3", "TMS 0", "Reference value: tetramethylsilane, 0 ppm",
                      HANDLER(M, Command5_Click), kPlain, {120, 270, 1200, 360}),
            R::Button("Command6", "Frame3", "CHCl₃ 7.26",
                      "Reference value: the chloroform left in CDCl₃, 7.26 ppm",
                      HANDLER(M, Command6_Click), kPlain, {1380, 270, 1280, 360}),
            R::Button("Command7", "Frame3", "DMSO 2.50",
                      "Reference value: the DMSO left in DMSO-d₆, 2.50 ppm",
                      HANDLER(M, Command7_Click), kPlain, {2720, 270, 1240, 360}),
            R::Label("Label11", "Frame3", "Peak clicked is (ppm):", {}, kPlain,
                     {120, 720, 2200, kLine}),
            R::TextBox("Text6", "Frame3", "The value a peak clicked in Reference mode gets",
                       TypedBox(5), kPlain, {2400, 690, 1000, kBox}),

            R::Frame("Frame4", "Integrals", kPlain, {kRight, 5220, kColumn, 1800}),
            R::Label("Label12", "Frame4", "Region 1 is (H):", {}, kPlain, {120, 300, 1900, kLine}),
            R::TextBox("Text7", "Frame4", "Hydrogens of the first region: the others follow",
                       TypedBox(6), kPlain, {2050, 270, 800, kBox}),
            R::Option("Option10", "Frame4", "Flat baseline", "Integrate from zero",
                      {.click = HANDLER(M, Option10_Click)}, kChecked, {120, 640, 1900, kLine}),
            R::Option("Option11", "Frame4", "Polynomial baseline",
                      "Integrate above a polynomial fitted outside the regions",
                      {.click = HANDLER(M, Option11_Click)}, kPlain, {2050, 640, 1950, kLine}),
            {"List1",
             K::ListBox,
             "Frame4",
             "",
             "Each region: its ppm range and its hydrogens",
             {},
             kPlain,
             {120, 960, 3840, 720}},

            R::Label("Label13", "", "Peaks: ppm, Hz, height", {}, kPlain,
                     {kRight, 7080, kColumn, kLine}),
            {"List2",
             K::ListBox,
             "",
             "",
             "The peaks of the spectrum, strongest first",
             {},
             kPlain,
             {kRight, 7360, kColumn, 560}},
            R::Button("Command1", "", "Open...",
                      "Open an experiment folder's fid or acqus file, or a JCAMP-DX file",
                      HANDLER(M, Command1_Click), kPlain, {kRight, 8000, 980, 400}),
            R::Button("Command2", "", "Simulate",
                      "A FID made from lines (ethanol) with noise, to see what each step does",
                      HANDLER(M, Command2_Click), kPlain, {kRight + 1030, 8000, 980, 400}),
            R::Button("Command10", "", "CSV...", "Save the spectrum as CSV: ppm, real, imaginary",
                      HANDLER(M, Command10_Click), kPlain, {kRight + 2060, 8000, 980, 400}),
            R::Button("Command11", "", "Picture...", "Save the spectrum as shown: PNG, SVG or PDF",
                      HANDLER(M, Command11_Click), kPlain, {kRight + 3090, 8000, 990, 400}),
        }};
    return table;
}

ViewState NmrWindowInitialView() {
    return ViewOfTable(M::Table());
}

const ControlTable<NmrWindowModel>& NmrWindowTable() {
    return M::Table();
}

}  // namespace quorbel
