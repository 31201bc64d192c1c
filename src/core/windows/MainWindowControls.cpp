// The control table of the main window. Captions and tooltips are the system's own
// texts; the views build their widgets from this table and copy it back after every
// handler, so a caption is written in exactly one place.
#include <string>
#include <vector>

#include "windows/MainWindowModel.h"

namespace quorbel {
namespace {

using K = ControlKind;

struct Row {
    const char* name;
    K kind;
    const char* parent;
    const char* caption = "";
    const char* tooltip = "";
    bool enabled = true;
    bool visible = true;
    bool checked = false;
};

const std::vector<Row>& Table() {
    static const std::vector<Row> rows = {
        // Menus, in menu-bar order.
        {"mnuFile", K::Menu, "", "File"},
        {"mnuReport", K::MenuItem, "mnuFile", "Report"},
        {"mnuprstupItem", K::MenuItem, "mnuFile", "Print setup", "", false},
        {"mnuPrintftgrItem", K::MenuItem, "mnuFile", "Print FFT graph"},
        {"mnuConfigInitItem", K::MenuItem, "mnuFile", "Initial configuration"},
        {"mnuCreateBitmapItem", K::MenuItem, "mnuFile", "Create bitmap of the FFT graph"},
        {"mnuSplashItem", K::MenuItem, "mnuFile", "Splash observe"},
        {"mnuFileSep", K::Separator, "mnuFile", "-"},
        {"mnuExitItem", K::MenuItem, "mnuFile", "Exit"},
        {"mnuGraph", K::Menu, "", "Graph"},
        {"mnuG", K::Menu, "mnuGraph", "Graph of the Original function"},
        {"mnuLineItem", K::MenuItem, "mnuG", "Line", "", true, true, true},
        {"mnuPointsItem", K::MenuItem, "mnuG", "Points"},
        {"mnuGFft", K::Menu, "mnuGraph", "Graph of the Fourier Transform  ( FFT)"},
        {"mnuFreqPosItem", K::MenuItem, "mnuGFft", "Show Only positive frequencies", "", true, true,
         true},
        {"mnuFreqNegItem", K::MenuItem, "mnuGFft", "Show also negative frequencies"},
        {"mnuWaves", K::Menu, "", "Waves"},
        {"mnuMultipleWavesItem", K::MenuItem, "mnuWaves", "Multiple waves", "", true, true, true},
        {"mnuSimpleWavesItem", K::MenuItem, "mnuWaves", "Simple waves"},
        {"mnuFilesrawItem", K::MenuItem, "mnuWaves", "Files  *.raw..."},
        {"mnuMethod", K::Menu, "", "Method"},
        {"mnuRealftItem", K::MenuItem, "mnuMethod", "Through REALFT", "", true, true, true},
        {"mnuImagzeroItem", K::MenuItem, "mnuMethod",
         "Imaginary parts set to zero (only for calculated waves)"},
        {"mnuImagcalcItem", K::MenuItem, "mnuMethod",
         "Calculating imaginary parts (only for calculated waves)", "", false},
        {"mnuInverse", K::MenuItem, "", "Inverse"},
        {"mnuHelp", K::Menu, "", "Help"},
        {"mnuAboutItem", K::MenuItem, "mnuHelp", "About"},
        {"mnuNyq", K::MenuItem, "mnuHelp", "Nyquist"},
        {"mnuPhaseItem", K::MenuItem, "mnuHelp", "Phase"},
        {"mnuExamplesItem", K::MenuItem, "mnuHelp", "Examples", "", false},

        // Points and window width.
        {"Label1", K::Label, "", "Total number of points in f(t) graph"},
        {"Text1", K::TextBox, "", ""},
        {"Label7", K::Label, "", "Number of data points in the window"},
        {"Text7", K::TextBox, "", ""},
        {"Label8", K::Label, "", "Data extension in seconds"},
        {"Text6", K::TextBox, "", ""},
        {"Label22(0)", K::Label, "", "Window Width (seconds):"},
        {"Label22(1)", K::Label, "", ""},  // shows windowSeconds
        {"Label3", K::Label, "", "Number of cycles (per second)"},
        {"Text2", K::TextBox, "", "", "Type here the desired value"},
        {"Label27", K::Label, "", "", "", true, false},
        {"Command12", K::Button, "", "Raw data renewal", "", true, false},

        // Multiple waves.
        {"Frame1", K::Frame, "", "Function to be analysed"},
        {"Image3", K::Label, "Frame1", "f(t) = Σ aᵢ·sin(bᵢ·2πνt + φᵢ)"},
        {"Image4", K::Label, "Frame1", "f(t) = Σ aᵢ·cos(bᵢ·2πνt + θᵢ)", "", true, false},
        {"Label12", K::Label, "Frame1", "a"},
        {"Label13", K::Label, "Frame1", "b"},
        {"Label23", K::Label, "Frame1", "φ"},
        {"Option6", K::Option, "Frame1", "Sin", "", true, true, true},
        {"Option7", K::Option, "Frame1", "Cos"},

        // Simple waves.
        {"Frame6", K::Frame, "", "Simple wave to be analysed", "", true, false},
        {"Option4", K::Option, "Frame6", "Sine wave"},
        {"Option5", K::Option, "Frame6", "Square wave"},
        {"Option9", K::Option, "Frame6", "Triangular wave"},
        {"Image5", K::Label, "Frame6", "f(t) = sin(2πνt + φ)", "", true, false},
        {"Image6", K::Label, "Frame6", "f(t) = +1 if sin(2πνt + φ) ≥ 0, else −1", "", true, false},
        {"Image7", K::Label, "Frame6", "f(t) = triangle between +1 and −1, phase φ", "", true,
         false},
        {"Label24", K::Label, "Frame6", "Phase"},
        {"Text8", K::TextBox, "Frame6", "", "Type the desired value"},

        // Calculation buttons.
        {"Command1", K::Button, "", "Only f(t)", "Calculate and plot again f(t) graph"},
        {"Command5", K::Button, "", "Only FFT",
         "Calculate and plot again the Fourier transform graph"},
        {"Command17", K::Button, "", "Both", "Calculate and plot again f(t) and FFT graphs"},
        {"Command16", K::Button, "", "Change (*1/2)",
         "Reduce to one half the number of points, and complement the window with zeros"},
        {"Command18", K::Button, "", "Cancel", "Cancel modifications in the number of points"},
        {"Command13", K::Button, "", "Splash"},

        // The graphs.
        {"Label4", K::Label, "", "Graph of f (t)"},
        {"Picture2", K::Picture, ""},
        {"Picture1", K::Picture, ""},
        {"Picture6", K::Picture, "", "", "", true, false},
        {"Picture7", K::Picture, "", "", "", true, false},
        {"Picture8", K::Picture, "Picture6"},
        {"Picture9", K::Picture, "Picture7"},
        {"HScroll1", K::ScrollBar, "", "", "", true, false},
        {"Label9", K::Label, "", "", "", true, false},
        {"Label5", K::Label, "", " Press the right button of the mouse and drag it! ", "", true,
         false},
        {"Label17", K::Label, "", "", "", true, false},

        // What the FFT graph shows.
        {"Frame2", K::Frame, "", "Display"},
        {"Option1", K::Option, "Frame2", "Imaginary (i)"},
        {"Option2", K::Option, "Frame2", "Real (r)"},
        {"Option3", K::Option, "Frame2", "Real with global maximum (r)"},
        {"Option8", K::Option, "Frame2", "Vector Rho = (r2+i2)^(1/2)"},
        {"Option10", K::Option, "Frame2", "Both, separately"},

        // Expansion, scale, peaks and harmonics.
        {"Label10", K::Label, "", "Expansion"},
        {"Command8", K::Button, "", "Horizontal", "Start horizontal expansion process"},
        {"Command6", K::Button, "", "Cancel expansions", "Cancel all expansions"},
        {"Command3", K::Button, "", "Log", "Change scales of FFT graph"},
        {"Command4", K::Button, "", "1/2", "Divide the height of peaks by two"},
        {"Command7", K::Button, "", "2×", "Multiply the height of peaks by 2"},
        {"Label28", K::Label, "", "Harmonics"},
        {"Command2", K::Button, "", "Show"},
        {"Command11", K::Button, "", "Fix", "", false},

        // Musical analysis (shown with the musical graph only).
        {"Frame5", K::Frame, "", "Musical analysis", "", true, false},
        {"Command9", K::Button, "Frame5", "Invert", "Try it!"},
        {"Command10", K::Button, "Frame5", "Tuning - On"},
    };
    return rows;
}

}  // namespace

ViewState MainWindowInitialView() {
    ViewState view;
    view.caption = "FFT Quorbel 1.0";
    for (const Row& row : Table()) {
        ControlState c;
        c.kind = row.kind;
        c.parent = row.parent;
        c.caption = row.caption;
        c.tooltip = row.tooltip;
        c.enabled = row.enabled;
        c.visible = row.visible;
        c.checked = row.checked;
        view.controls.emplace(row.name, c);
        view.order.push_back(row.name);
    }
    // The entries that carry a check mark: style, frequency range, function kind,
    // method and the bitmap request.
    for (const char* name :
         {"mnuLineItem", "mnuPointsItem", "mnuFreqPosItem", "mnuFreqNegItem",
          "mnuMultipleWavesItem", "mnuSimpleWavesItem", "mnuFilesrawItem", "mnuRealftItem",
          "mnuImagzeroItem", "mnuImagcalcItem", "mnuCreateBitmapItem"})
        view[name].checkable = true;
    // Wave-table cells Text3(i) a, Text4(i) b and Text5(i) phase, rows 0..9.
    for (int i = 0; i < kTableRows; ++i) {
        for (const char* column : {"Text3", "Text4", "Text5"}) {
            ControlState c;
            c.kind = K::TextBox;
            c.parent = "Frame1";
            const std::string name = std::string(column) + "(" + std::to_string(i) + ")";
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

    view.lines["Line1"] = {0, 0, 0, 5280, Rgb(192, 0, 192), false, "Picture1"};
    view.lines["Line3"] = {0, 0, 0, 2280, colors::kBlack, false, "Picture8"};
    view.lines["Line4"] = {0, 0, 0, 2280, colors::kBlack, false, "Picture9"};
    view.lines["Line5"] = {0, 0, 0, 0, colors::kBlack, false, "Picture5"};
    return view;
}

}  // namespace quorbel
