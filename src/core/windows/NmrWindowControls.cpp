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
constexpr double kThird = 13800;  // the simulation's column

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
                      HANDLER(M, Command1_Click), kPlain, {kRight, 8000, 1310, 400}),
            R::Button("Command10", "", "CSV...", "Save the spectrum as CSV: ppm, real, imaginary",
                      HANDLER(M, Command10_Click), kPlain, {kRight + 1385, 8000, 1310, 400}),
            R::Button("Command11", "", "Picture...", "Save the spectrum as shown: PNG, SVG or PDF",
                      HANDLER(M, Command11_Click), kPlain, {kRight + 2770, 8000, 1310, 400}),

            // The lines of a simulation, typed one at a time, and its acquisition.
            R::Frame("Frame5", "Simulated lines", kPlain, {kThird, 60, kColumn, 7560}),
            R::Label("Label14", "Frame5", "δ (ppm):", {}, kPlain, {120, 330, 2300, kLine}),
            R::TextBox("Text8", "Frame5",
                       "Chemical shift of the line, or of the multiplet's centre", TypedBox(7),
                       kPlain, {2500, 300, 1440, kBox}),
            R::Label("Label15", "Frame5", "Amplitude:", {}, kPlain, {120, 690, 2300, kLine}),
            R::TextBox("Text9", "Frame5",
                       "Height of the FID's start: the multiplet's lines share it", TypedBox(8),
                       kPlain, {2500, 660, 1440, kBox}),
            R::Label("Label16", "Frame5", "Line width:", {}, kPlain, {120, 1050, 2300, kLine}),
            R::TextBox("Text10", "Frame5", "Width at half height in Hz, or the decay time T2 in s",
                       TypedBox(9), kPlain, {2500, 1020, 1440, kBox}),
            R::Option("Option12", "Frame5", "in Hz (FWHM)", "The width at half height, hertz",
                      {.click = HANDLER(M, Option12_Click)}, kChecked, {120, 1400, 1900, kLine}),
            R::Option("Option13", "Frame5", "as T2 (s)",
                      "The decay time T2, seconds: the width is 1/(π·T2)",
                      {.click = HANDLER(M, Option13_Click)}, kPlain, {2100, 1400, 1850, kLine}),
            R::Label("Label17", "Frame5", "Multiplet (s, d, t, q…):", {}, kPlain,
                     {120, 1770, 2300, kLine}),
            R::TextBox("Text11", "Frame5",
                       "s, d, t, q, quint, sext, sept, or the number of lines: n equivalent "
                       "neighbours give n + 1 lines",
                       TypedBox(10), kPlain, {2500, 1740, 1440, kBox}),
            R::Label("Label18", "Frame5", "J (Hz):", {}, kPlain, {120, 2130, 2300, kLine}),
            R::TextBox("Text12", "Frame5", "Coupling constant: the distance between the lines",
                       TypedBox(11), kPlain, {2500, 2100, 1440, kBox}),
            R::Button("Command12", "Frame5", "Add", "Add the line typed to the list",
                      HANDLER(M, Command12_Click), kPlain, {120, 2520, 900, 380}),
            R::Button("Command13", "Frame5", "Remove",
                      "Remove the line chosen in the list, or the last one",
                      HANDLER(M, Command13_Click), kPlain, {1060, 2520, 900, 380}),
            R::Button("Command14", "Frame5", "Clear", "Remove every line",
                      HANDLER(M, Command14_Click), kPlain, {2000, 2520, 900, 380}),
            R::Button("Command15", "Frame5", "Ethanol",
                      "The example's lines again: ethanol in CDCl₃ with TMS",
                      HANDLER(M, Command15_Click), kPlain, {2940, 2520, 1000, 380}),
            {"List3",
             K::ListBox,
             "Frame5",
             "",
             "The lines simulated; choose one to see it in the boxes",
             {.change = HANDLER(M, List3_Change)},
             kPlain,
             {120, 3000, 3840, 1900}},
            R::Label("Label19", "Frame5", "Noise level:", {}, kPlain, {120, 5070, 2300, kLine}),
            R::TextBox("Text13", "Frame5", "Standard deviation of the noise of each FID point",
                       TypedBox(12), kPlain, {2500, 5040, 1440, kBox}),
            R::Label("Label20", "Frame5", "Points:", {}, kPlain, {120, 5430, 2300, kLine}),
            R::TextBox("Text14", "Frame5",
                       "Complex points acquired: fewer points, a shorter acquisition time",
                       TypedBox(13), kPlain, {2500, 5400, 1440, kBox}),
            R::Label("Label21", "Frame5", "SW (Hz):", {}, kPlain, {120, 5790, 2300, kLine}),
            R::TextBox("Text15", "Frame5", "Spectral width: the sampling rate of the FID, hertz",
                       TypedBox(14), kPlain, {2500, 5760, 1440, kBox}),
            R::Label("Label22", "Frame5", "", {}, kPlain, {120, 6180, 3840, 620}),
            R::Button(
                "Command2", "Frame5", "Simulate",
                "A FID made from the lines in the list, with noise, to see what each step does",
                HANDLER(M, Command2_Click), kPlain, {120, 6900, 3840, 420}),
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
