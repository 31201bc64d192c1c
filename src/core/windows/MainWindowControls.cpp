// The control table of the main window: for every control its kind, caption, tooltip
// and state when the window is loaded, the handler of each event it answers and the
// data item it shows. Captions and tooltips are the system's own texts; the views
// build their widgets from this table and every driver fires events through it, so a
// caption or a binding is written in exactly one place.
#include <string>
#include <vector>

#include "windows/MainWindowModel.h"
#include "windows/TableRows.h"

namespace quorbel {
namespace {

using K = ControlKind;
using M = MainWindowModel;
using B = Behaviour<M>;

using Row = TableRow<M>;

// An option button: its press marks the parameters as changed, then it is clicked.
B Option(void (M::*mouseDown)(), void (M::*click)()) {
    return {.click = Do(click), .mouseDown = Do(mouseDown)};
}

// A text box showing an analysis field; typing stores the text through the field
// setter, which applies the rule that an edit invalidates the graphs.
B FieldBox(Field field, int row = 0) {
    return {.text = [field, row](const M& m) { return m.State().Get(field, row); },
            .type = [field, row](M& m, const std::string& t) { m.SetField(field, t, row); }};
}

// A label showing a state item instead of a caption of its own.
B StateLabel(std::string AnalysisState::*item) {
    return {.text = [item](const M& m) { return m.State().*item; }};
}

const std::vector<Row>& Table() {
    static const std::vector<Row> rows = {
        // Menus, in menu-bar order.
        {"mnuFile", K::Menu, "", "File"},
        {"mnuReport", K::MenuItem, "mnuFile", "Report", "", {.click = Do(&M::mnuReport_Click)}},
        {"mnuprstupItem",
         K::MenuItem,
         "mnuFile",
         "Print setup",
         "",
         {.click = Do(&M::mnuprstupItem_Click)},
         kDisabled},
        {"mnuPrintftgrItem",
         K::MenuItem,
         "mnuFile",
         "Print FFT graph",
         "",
         {.click = Do(&M::mnuPrintftgrItem_Click)}},
        {"mnuConfigInitItem",
         K::MenuItem,
         "mnuFile",
         "Initial configuration",
         "",
         {.click = Do(&M::mnuConfigInitItem_Click)}},
        {"mnuCreateBitmapItem",
         K::MenuItem,
         "mnuFile",
         "Create bitmap of the FFT graph",
         "",
         {.click = Do(&M::mnuCreateBitmapItem_Click)}},
        {"mnuSplashItem",
         K::MenuItem,
         "mnuFile",
         "Splash observe",
         "",
         {.click = Do(&M::mnuSplashItem_Click)}},
        {"mnuExport", K::Menu, "mnuFile", "Export"},
        {"mnuExportSamplesItem",
         K::MenuItem,
         "mnuExport",
         "Samples as CSV...",
         "",
         {.click = Do(&M::mnuExportSamplesItem_Click)}},
        {"mnuExportSpectrumItem",
         K::MenuItem,
         "mnuExport",
         "Spectrum as CSV...",
         "",
         {.click = Do(&M::mnuExportSpectrumItem_Click)}},
        {"mnuExportReportItem",
         K::MenuItem,
         "mnuExport",
         "Report as text...",
         "",
         {.click = Do(&M::mnuExportReportItem_Click)}},
        {"mnuExportSep1", K::Separator, "mnuExport", "-"},
        {"mnuExportFtPngItem",
         K::MenuItem,
         "mnuExport",
         "Graph of f(t) as PNG...",
         "",
         {.click = Do(&M::mnuExportFtPngItem_Click)}},
        {"mnuExportFtSvgItem",
         K::MenuItem,
         "mnuExport",
         "Graph of f(t) as SVG...",
         "",
         {.click = Do(&M::mnuExportFtSvgItem_Click)}},
        {"mnuExportFftPngItem",
         K::MenuItem,
         "mnuExport",
         "FFT graph as PNG...",
         "",
         {.click = Do(&M::mnuExportFftPngItem_Click)}},
        {"mnuExportFftSvgItem",
         K::MenuItem,
         "mnuExport",
         "FFT graph as SVG...",
         "",
         {.click = Do(&M::mnuExportFftSvgItem_Click)}},
        {"mnuExportMusicPngItem",
         K::MenuItem,
         "mnuExport",
         "Musical graph as PNG...",
         "",
         {.click = Do(&M::mnuExportMusicPngItem_Click)}},
        {"mnuExportMusicSvgItem",
         K::MenuItem,
         "mnuExport",
         "Musical graph as SVG...",
         "",
         {.click = Do(&M::mnuExportMusicSvgItem_Click)}},
        {"mnuExportSep2", K::Separator, "mnuExport", "-"},
        {"mnuExportDoubleItem",
         K::MenuItem,
         "mnuExport",
         "PNG at double resolution",
         "",
         {.click = Do(&M::mnuExportDoubleItem_Click)}},
        {"mnuFileSep", K::Separator, "mnuFile", "-"},
        {"mnuExitItem", K::MenuItem, "mnuFile", "Exit", "", {.click = Do(&M::mnuExitItem_Click)}},
        {"mnuGraph", K::Menu, "", "Graph"},
        {"mnuG", K::Menu, "mnuGraph", "Graph of the Original function"},
        {"mnuLineItem",
         K::MenuItem,
         "mnuG",
         "Line",
         "",
         {.click = Do(&M::mnuLineItem_Click)},
         kChecked},
        {"mnuPointsItem",
         K::MenuItem,
         "mnuG",
         "Points",
         "",
         {.click = Do(&M::mnuPointsItem_Click)}},
        {"mnuGFft", K::Menu, "mnuGraph", "Graph of the Fourier Transform  ( FFT)"},
        {"mnuFreqPosItem",
         K::MenuItem,
         "mnuGFft",
         "Show Only positive frequencies",
         "",
         {.click = Do(&M::mnuFreqPosItem_Click)},
         kChecked},
        {"mnuFreqNegItem",
         K::MenuItem,
         "mnuGFft",
         "Show also negative frequencies",
         "",
         {.click = Do(&M::mnuFreqNegItem_Click)}},
        {"mnuWaves", K::Menu, "", "Waves"},
        {"mnuMultipleWavesItem",
         K::MenuItem,
         "mnuWaves",
         "Multiple waves",
         "",
         {.click = Do(&M::mnuMultipleWavesItem_Click)},
         kChecked},
        {"mnuSimpleWavesItem",
         K::MenuItem,
         "mnuWaves",
         "Simple waves",
         "",
         {.click = Do(&M::mnuSimpleWavesItem_Click)}},
        {"mnuFilesrawItem",
         K::MenuItem,
         "mnuWaves",
         "Files  *.raw...",
         "",
         {.click = Do(&M::mnuFilesrawItem_Click)}},
        {"mnuMethod", K::Menu, "", "Method"},
        {"mnuRealftItem",
         K::MenuItem,
         "mnuMethod",
         "Through REALFT",
         "",
         {.click = Do(&M::mnuRealftItem_Click)},
         kChecked},
        {"mnuImagzeroItem",
         K::MenuItem,
         "mnuMethod",
         "Imaginary parts set to zero (only for calculated waves)",
         "",
         {.click = Do(&M::mnuImagzeroItem_Click)}},
        {"mnuImagcalcItem",
         K::MenuItem,
         "mnuMethod",
         "Calculating imaginary parts (only for calculated waves)",
         "",
         {.click = Do(&M::mnuImagcalcItem_Click)},
         kDisabled},
        {"mnuInverse", K::MenuItem, "", "Inverse", "", {.click = Do(&M::mnuInverse_Click)}},
        {"mnuHelp", K::Menu, "", "Help"},
        {"mnuAboutItem",
         K::MenuItem,
         "mnuHelp",
         "About",
         "",
         {.click = Do(&M::mnuAboutItem_Click)}},
        {"mnuNyq", K::MenuItem, "mnuHelp", "Nyquist", "", {.click = Do(&M::mnuNyq_Click)}},
        {"mnuPhaseItem",
         K::MenuItem,
         "mnuHelp",
         "Phase",
         "",
         {.click = Do(&M::mnuPhaseItem_Click)}},
        {"mnuExamplesItem", K::MenuItem, "mnuHelp", "Examples", "", {}, kDisabled},

        // Points and window width.
        {"Label1", K::Label, "", "Total number of points in f(t) graph"},
        {"Text1", K::TextBox, "", "", "", FieldBox(Field::totalPoints)},
        {"Label7", K::Label, "", "Number of data points in the window"},
        {"Text7", K::TextBox, "", "", "", FieldBox(Field::windowPoints)},
        {"Label8", K::Label, "", "Data extension in seconds"},
        {"Text6", K::TextBox, "", "", "", FieldBox(Field::dataExtensionSeconds)},
        {"Label22(0)", K::Label, "", "Window Width (seconds):"},
        {"Label22(1)",
         K::Label,
         "",
         "",
         "",
         {.text = [](const M& m) { return m.State().Get(Field::windowSeconds); }}},
        {"Label3", K::Label, "", "Number of cycles (per second)"},
        {"Text2", K::TextBox, "", "", "Type here the desired value",
         FieldBox(Field::cyclesPerSecond)},
        {"Label27", K::Label, "", "", "", StateLabel(&AnalysisState::rawFileName), kHidden},
        {"Command12",
         K::Button,
         "",
         "Raw data renewal",
         "",
         {.click = Do(&M::Command12_Click)},
         kHidden},

        // Multiple waves.
        {"Frame1", K::Frame, "", "Function to be analysed"},
        {"Image3", K::Label, "Frame1", "f(t) = Σ aᵢ·sin(bᵢ·2πνt + φᵢ)"},
        {"Image4", K::Label, "Frame1", "f(t) = Σ aᵢ·cos(bᵢ·2πνt + θᵢ)", "", {}, kHidden},
        {"Label12", K::Label, "Frame1", "a"},
        {"Label13", K::Label, "Frame1", "b"},
        {"Label23", K::Label, "Frame1", "φ"},
        {"Option6", K::Option, "Frame1", "Sin", "",
         Option(&M::Option6_MouseDown, &M::Option6_Click), kChecked},
        {"Option7", K::Option, "Frame1", "Cos", "",
         Option(&M::Option7_MouseDown, &M::Option7_Click)},

        // Simple waves.
        {"Frame6", K::Frame, "", "Simple wave to be analysed", "", {}, kHidden},
        {"Option4", K::Option, "Frame6", "Sine wave", "",
         Option(&M::Option4_MouseDown, &M::Option4_Click)},
        {"Option5", K::Option, "Frame6", "Square wave", "",
         Option(&M::Option5_MouseDown, &M::Option5_Click)},
        {"Option9", K::Option, "Frame6", "Triangular wave", "",
         Option(&M::Option9_MouseDown, &M::Option9_Click)},
        {"Image5", K::Label, "Frame6", "f(t) = sin(2πνt + φ)", "", {}, kHidden},
        {"Image6", K::Label, "Frame6", "f(t) = +1 if sin(2πνt + φ) ≥ 0, else −1", "", {}, kHidden},
        {"Image7",
         K::Label,
         "Frame6",
         "f(t) = triangle between +1 and −1, phase φ",
         "",
         {},
         kHidden},
        {"Label24", K::Label, "Frame6", "Phase"},
        {"Text8", K::TextBox, "Frame6", "", "Type the desired value", FieldBox(Field::simplePhase)},

        // Calculation buttons.
        {"Command1",
         K::Button,
         "",
         "Only f(t)",
         "Calculate and plot again f(t) graph",
         {.click = Do(&M::Command1_Click)}},
        {"Command5",
         K::Button,
         "",
         "Only FFT",
         "Calculate and plot again the Fourier transform graph",
         {.click = Do(&M::Command5_Click)}},
        {"Command17",
         K::Button,
         "",
         "Both",
         "Calculate and plot again f(t) and FFT graphs",
         {.click = Do(&M::Command17_Click)}},
        {"Command16",
         K::Button,
         "",
         "Change (*1/2)",
         "Reduce to one half the number of points, and complement the window with zeros",
         {.click = Do(&M::Command16_Click)}},
        {"Command18",
         K::Button,
         "",
         "Cancel",
         "Cancel modifications in the number of points",
         {.click = Do(&M::Command18_Click)}},
        {"Command13", K::Button, "", "Splash", "", {.click = Do(&M::Command13_Click)}},

        // The graphs.
        {"Label4", K::Label, "", "Graph of f (t)"},
        {"Picture2", K::Picture, ""},
        {"Picture1",
         K::Picture,
         "",
         "",
         "",
         {.mouseDown = Do(&M::Picture1_MouseDown),
          .mouseMove = Do(&M::Picture1_MouseMove),
          .mouseUp = Do(&M::Picture1_MouseUp)}},
        {"Picture6", K::Picture, "", "", "", {}, kHidden},
        {"Picture7", K::Picture, "", "", "", {}, kHidden},
        {"Picture8", K::Picture, "Picture6", "", "", {.mouseMove = Do(&M::Picture8_MouseMove)}},
        {"Picture9", K::Picture, "Picture7", "", "", {.mouseMove = Do(&M::Picture9_MouseMove)}},
        {"HScroll1",
         K::ScrollBar,
         "Picture1",
         "",
         "",
         {.change = Do(&M::HScroll1_Change)},
         kHidden},
        {"Label9", K::Label, "", "", "", {}, kHidden},
        {"Label5",
         K::Label,
         "",
         " Press the right button of the mouse and drag it! ",
         "",
         {},
         kHidden},
        {"Label17", K::Label, "", "", "", StateLabel(&AnalysisState::expansionPrompt), kHidden},

        // What the FFT graph shows.
        {"Frame2", K::Frame, "", "Display"},
        {"Option1", K::Option, "Frame2", "Imaginary (i)", "",
         Option(&M::Option1_MouseDown, &M::Option1_Click)},
        {"Option2", K::Option, "Frame2", "Real (r)", "",
         Option(&M::Option2_MouseDown, &M::Option2_Click)},
        {"Option3", K::Option, "Frame2", "Real with global maximum (r)", "",
         Option(&M::Option3_MouseDown, &M::Option3_Click)},
        {"Option8", K::Option, "Frame2", "Vector Rho = (r2+i2)^(1/2)", "",
         Option(&M::Option8_MouseDown, &M::Option8_Click)},
        // "Both, separately" has no press of its own.
        {"Option10",
         K::Option,
         "Frame2",
         "Both, separately",
         "",
         {.click = Do(&M::Option10_Click)}},

        // Expansion, scale, peaks and harmonics.
        {"Label10", K::Label, "", "Expansion"},
        {"Command8",
         K::Button,
         "",
         "Horizontal",
         "Start horizontal expansion process",
         {.click = Do(&M::Command8_Click)}},
        {"Command6",
         K::Button,
         "",
         "Cancel expansions",
         "Cancel all expansions",
         {.click = Do(&M::Command6_Click)}},
        {"Command3",
         K::Button,
         "",
         "Log",
         "Change scales of FFT graph",
         {.click = Do(&M::Command3_Click)}},
        {"Command4",
         K::Button,
         "",
         "1/2",
         "Divide the height of peaks by two",
         {.click = Do(&M::Command4_Click)}},
        {"Command7",
         K::Button,
         "",
         "2×",
         "Multiply the height of peaks by 2",
         {.click = Do(&M::Command7_Click)}},
        {"Label28", K::Label, "", "Harmonics"},
        {"Command2", K::Button, "", "Show", "Try it!", {.click = Do(&M::Command2_Click)}},
        {"Command11",
         K::Button,
         "",
         "Fix",
         "Try it!",
         {.click = Do(&M::Command11_Click)},
         kDisabled},

        // Musical analysis (shown with the musical graph only).
        {"Frame5", K::Frame, "", "Musical analysis", "", {}, kHidden},
        {"Command9", K::Button, "Frame5", "Invert", "Try it!", {.click = Do(&M::Command9_Click)}},
        {"Command10", K::Button, "Frame5", "Tuning - On", "", {.click = Do(&M::Command10_Click)}},
        {"Slider1",
         K::Slider,
         "Frame5",
         "",
         "",
         {.mouseMove = Do(&M::Slider1_MouseMove),
          .mouseUp = Do(&M::Slider1_MouseUp),
          .change = Do(&M::Slider1_Change)},
         kHidden},
        {"Label15", K::Label, "Frame5", "", "", StateLabel(&AnalysisState::tuningSteps), kHidden},
        {"Label18",
         K::Label,
         "Frame5",
         "Use the slider to move the graph of 1/10 of a semitone for each unity of the slider.",
         "",
         {.click = Do(&M::Label18_Click)},
         kHidden},

        // The musical graph: the canvas inside its frame, panned by a scroll bar.
        {"Picture4", K::Picture, "", "", "", {}, kHidden},
        {"Picture5", K::Picture, "Picture4", "", "", {.mouseMove = Do(&M::Picture5_MouseMove)}},
        {"HScroll2", K::ScrollBar, "Picture4", "", "", {.change = Do(&M::HScroll2_Change)}},
        {"Label11",
         K::Label,
         "",
         " Press the right button of the mouse and drag it! ",
         "",
         {},
         kHidden},
        {"Image1", K::Label, "", "", "", {.mouseMove = Do(&M::Image1_MouseMove)}},
    };
    return rows;
}

// Wave-table cells Text3(i) a, Text4(i) b and Text5(i) phase, rows 0..9.
std::string CellName(const char* column, int row) {
    return std::string(column) + "(" + std::to_string(row) + ")";
}
constexpr std::pair<const char*, Field> kCellColumns[] = {
    {"Text3", Field::amplitudeA}, {"Text4", Field::multiplierB}, {"Text5", Field::phasePhi}};

}  // namespace

const std::map<std::string, Behaviour<M>>& MainWindowModel::Behaviours() {
    static const std::map<std::string, B> behaviours = [] {
        std::map<std::string, B> map = BehavioursOfTable(Table());
        for (int i = 0; i < kTableRows; ++i)
            for (const auto& [column, field] : kCellColumns)
                map.emplace(CellName(column, i), FieldBox(field, i));
        // The window itself: moves and clicks on its background.
        map.emplace(kWindowControl,
                    B{.click = Do(&M::Form_Click), .mouseMove = Do(&M::Form_MouseMove)});
        return map;
    }();
    return behaviours;
}

ViewState MainWindowInitialView() {
    ViewState view = ViewOfTable("FFT Quorbel 1.0", Table());
    // The entries that carry a check mark: style, frequency range, function kind,
    // method and the bitmap request.
    for (const char* name :
         {"mnuLineItem", "mnuPointsItem", "mnuFreqPosItem", "mnuFreqNegItem",
          "mnuMultipleWavesItem", "mnuSimpleWavesItem", "mnuFilesrawItem", "mnuRealftItem",
          "mnuImagzeroItem", "mnuImagcalcItem", "mnuCreateBitmapItem", "mnuExportDoubleItem"})
        view[name].checkable = true;
    for (int i = 0; i < kTableRows; ++i) {
        for (const auto& [column, field] : kCellColumns) {
            ControlState c;
            c.kind = K::TextBox;
            c.parent = "Frame1";
            const std::string name = CellName(column, i);
            view.controls.emplace(name, c);
            view.order.push_back(name);
        }
    }
    // The locked fields: the program writes them, the user reads them.
    for (const char* locked : {"Text1", "Text7", "Text6"}) view[locked].locked = true;

    auto geometry = [&view](const char* name, double l, double t, double w, double h) {
        ControlState& c = view[name];
        c.left = l, c.top = t, c.width = w, c.height = h;
    };
    geometry("Picture1", 4320, 240, kPicture1Width, kPicture1Height);
    geometry("Picture6", 4440, 240, kHalfGraphWidth, kHalfGraphHeight);
    geometry("Picture7", 4440, 3000, kHalfGraphWidth, kHalfGraphHeight);
    geometry("Picture8", 0, 0, kHalfGraphWidth, kHalfGraphHeight);
    geometry("Picture9", 0, 0, kHalfGraphWidth, kHalfGraphHeight);
    geometry("Picture2", 4320, 5880, kPicture2Width, kPicture2Height);
    view["Picture1"].mousePointer = kPointerUpArrow;
    geometry("Picture4", kMusicalViewLeft, 240, kMusicalViewWidth, kMusicalViewHeight);
    // The canvas starts scrolled 8700 twips in, with the region around A4 in view.
    geometry("Picture5", -8700, 120, music::kCanvasWidth, music::kCanvasHeight);
    geometry("HScroll2", 0, 120 + music::kCanvasHeight, kMusicalViewWidth - 5, kScrollBarHeight);
    geometry("Frame5", -1, -1, -1, 735);
    ControlState& pan = view["HScroll2"];
    pan.max = static_cast<int>(music::kCanvasWidth - kMusicalViewWidth);
    pan.value = 8700;
    pan.smallChange = 150;   // a semitone
    pan.largeChange = 1800;  // an octave
    ControlState& slider = view["Slider1"];
    slider.min = -10;
    slider.max = 10;
    slider.smallChange = 1;
    slider.largeChange = 5;
    // The scroll bar of an expanded view sits inside the bottom edge of the graph.
    geometry("HScroll1", 0, -1, -1, kScrollBarHeight);

    view.lines["Line1"] = {0, 0, 0, 5280, Rgb(192, 0, 192), false, "Picture1"};
    view.lines["Line3"] = {0, 0, 0, 2280, colors::kBlack, false, "Picture8"};
    view.lines["Line4"] = {0, 0, 0, 2280, colors::kBlack, false, "Picture9"};
    view.lines["Line5"] = {0, 0, 0, music::kCanvasHeight, colors::kWhite, false, "Picture5"};
    // The harmonic markers: eleven over the FFT graph, seventeen over the musical
    // canvas (placed at start-up).
    for (int k = 0; k <= 10; ++k)
        view.lines["Line2(" + std::to_string(k) + ")"] = {0,     0,         0, 0, colors::kDarkBlue,
                                                          false, "Picture1"};
    for (int k = 0; k <= 16; ++k)
        view.lines["Line6(" + std::to_string(k) + ")"] = {0,     0,         0, 0, colors::kBlack,
                                                          false, "Picture5"};
    return view;
}

}  // namespace quorbel
