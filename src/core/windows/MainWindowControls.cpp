// The control table of the main window: for every control its kind, caption, tooltip,
// state when the window is loaded and place, the handler of each event it answers and
// the data item it shows. Captions and tooltips are the system's own texts; the views
// build their widgets from this table and every driver fires events through it, so a
// caption or a binding is written in exactly one place.
#include <string>
#include <vector>

#include "platform/Translation.h"
#include "state/NumberText.h"
#include "windows/ControlRows.h"
#include "windows/GraphKeys.h"
#include "windows/MainWindowModel.h"
#include "windows/SoundMenu.h"

namespace quorbel {
namespace {

using K = ControlKind;
using M = MainWindowModel;
using B = Behaviour<M>;
using R = RowsOf<M>;

using Row = ControlRow<M>;

// An option button: its press marks the parameters as changed, then it is clicked.
B Option(B::Handler mouseDown, B::Handler click) {
    return {.click = std::move(click), .mouseDown = std::move(mouseDown)};
}

// A text box showing an analysis field; typing stores the text through the field
// setter, which applies the rule that an edit invalidates the graphs.
B FieldBox(Field field, int row = 0) {
    return {.text = [field, row](const M& m) { return m.State().Get(field, row); },
            .type = [field, row](M& m, const std::string& t) { m.SetField(field, t, row); }};
}

// The entry of topic i in "Help", "Topics": the topics window shown on that topic.
Row TopicItem(int i) {
    const HelpTopicEntry& entry = HelpTopics()[i];
    const HelpTopic topic = entry.topic;
    return R::Item(
        entry.menuItem, "mnuTopics", entry.title,
        {[topic](M& m, const EventArgs&) { m.HelpTopicsWindow().ShowTopic(topic); }, "ShowTopic"});
}

// An entry of "View" that shows every window at `percent` of its size.
Row ZoomItem(int percent) {
    constexpr const char* names[] = {"mnuZoom100Item", "mnuZoom125Item", "mnuZoom150Item",
                                     "mnuZoom200Item"};
    constexpr const char* captions[] = {"100 %", "125 %", "150 %", "200 %"};
    const size_t at = percent == 100 ? 0 : percent == 125 ? 1 : percent == 150 ? 2 : 3;
    return R::Item(names[at], "mnuView", captions[at],
                   {[percent](M& m, const EventArgs&) { m.SetZoom(percent); }, "SetZoom"},
                   kCheckable | (percent == 100 ? kChecked : kPlain));
}
B::Handler ZoomStep(int direction) {
    return {[direction](M& m, const EventArgs&) { m.StepZoom(direction); }, "StepZoom"};
}

// A label showing a state item instead of a caption of its own.
B StateLabel(std::string AnalysisState::*item) {
    return {.text = [item](const M& m) { return m.State().*item; }};
}
// A button that changes the drawing of the FFT graph (FftGraphExtras.h).
TableHandler<M> Extra(FftExtra extra) {
    static const char* const names[] = {"cmdDecibels_Click", "cmdHold_Click", "cmdRelease_Click"};
    return {[extra](M& m, const EventArgs&) { m.UseExtra(extra); }, names[static_cast<int>(extra)]};
}
B StateLabel(int AnalysisState::*item) {
    return {.text = [item](const M& m) { return NumberText(m.State().*item); }};
}

// Where the controls sit, in twips of the client area. Left column: the function
// frames on top, the numbers and the calculation buttons at the bottom. Middle: the
// FFT graph (or the two half-height graphs, or the musical view, in its place) and
// the graph of f(t). Right-hand column: display options and the buttons of the graph.
constexpr double kTop = 240;  // the graphs' top; the expansion prompt stands above
constexpr double kLeftColumn = 120, kLeftWidth = 4080;
constexpr double kGraphLeft = 4320;
constexpr double kRightColumn = 12120, kRightWidth = 2880;
constexpr double kInset = 120;  // from a frame's edge to what it holds
constexpr double kInnerWidth = kLeftWidth - 2 * kInset;
constexpr double kRightInner = kRightWidth - 2 * kInset;
constexpr double kHalfWidth = 1380;  // two buttons side by side in the right column
// The display options' frame, with the decibels and the held spectrum at its foot, and
// the buttons of the graph below it.
constexpr double kDisplayHeight = 2670, kBelowDisplay = kTop + kDisplayHeight + 60;
constexpr double kLine = 255, kField = 300, kButton = 345;  // heights
constexpr double kFunctionFrameHeight = 4500;
// The aliasing hint, between the function's frame (down to 4740) and the numbers.
constexpr double kAliasingTop = 4800, kAliasingHeight = 780;
// The wave table: three columns of ten cells.
constexpr double kCellWidth = 1200, kCellPitch = 1320, kCellTop = 840, kCellRowPitch = 315;
// The numbers, one row each.
constexpr double kNumbersTop = 5640, kNumberPitch = 330;
constexpr double kNumberLabelWidth = 2940, kNumberLeft = 3120, kNumberWidth = 1080;
// The calculation buttons, three to a row.
constexpr double kButtonsTop = 7740, kButtonPitch = 435;
constexpr double kThirdPitch = 1395, kThirdWidth = 1290;
// Between the FFT graph (down to 5535, the musical view to 5580) and the graph of
// f(t) at 5880: its caption and the harmonic hints.
constexpr double kBetweenGraphs = 5595, kHintLeft = 7200;
// "Samples analysed": 1024, 2048, 4096, 8192 and 16384.
constexpr int kLiveLengths = 5;

}  // namespace

const ControlTable<M>& M::Table() {
    // "Samples analysed": each entry chooses its own length.
    const auto liveLength = [](int i) {
        return B{
            .click = {[i](M& m, const EventArgs&) { m.ChooseLiveLength(i); }, "ChooseLiveLength"}};
    };
    static const ControlTable<M> table = {
        kWindowControl,
        "FFT Quorbel 1.0",
        kMainWindowWidth,
        kMainWindowHeight,
        // The window itself: moves and clicks on its background, and closing it.
        {.click = HANDLER(M, Form_Click),
         .mouseMove = HANDLER(M, Form_MouseMove),
         .unload = HANDLER(M, Form_Unload)},
        {
            // Menus, in menu-bar order.
            R::Menu("mnuFile", "", "File"),
            R::Item("mnuReport", "mnuFile", "Report", HANDLER(M, mnuReport_Click)),
            // Choosing the printer and its sheet depends on nothing the window shows.
            R::Item("mnuprstupItem", "mnuFile", "Print setup", HANDLER(M, mnuprstupItem_Click)),
            R::Item("mnuPrintftgrItem", "mnuFile", "Print FFT graph",
                    HANDLER(M, mnuPrintftgrItem_Click)),
            R::Item("mnuConfigInitItem", "mnuFile", "Initial configuration",
                    HANDLER(M, mnuConfigInitItem_Click)),
            R::Item("mnuCreateBitmapItem", "mnuFile", "Create bitmap of the FFT graph",
                    HANDLER(M, mnuCreateBitmapItem_Click), kCheckable),
            R::Item("mnuSplashItem", "mnuFile", "Splash observe", HANDLER(M, mnuSplashItem_Click)),
            R::Menu("mnuExport", "mnuFile", "Export"),
            R::Item("mnuExportSamplesItem", "mnuExport", "Samples as CSV...",
                    HANDLER(M, mnuExportSamplesItem_Click)),
            R::Item("mnuExportSpectrumItem", "mnuExport", "Spectrum as CSV...",
                    HANDLER(M, mnuExportSpectrumItem_Click)),
            R::Item("mnuExportReportItem", "mnuExport", "Report as text...",
                    HANDLER(M, mnuExportReportItem_Click)),
            R::Separator("mnuExportSep1", "mnuExport"),
            R::Item("mnuExportFtPngItem", "mnuExport", "Graph of f(t) as PNG...",
                    HANDLER(M, mnuExportFtPngItem_Click)),
            R::Item("mnuExportFtSvgItem", "mnuExport", "Graph of f(t) as SVG...",
                    HANDLER(M, mnuExportFtSvgItem_Click)),
            R::Item("mnuExportFftPngItem", "mnuExport", "FFT graph as PNG...",
                    HANDLER(M, mnuExportFftPngItem_Click)),
            R::Item("mnuExportFftSvgItem", "mnuExport", "FFT graph as SVG...",
                    HANDLER(M, mnuExportFftSvgItem_Click)),
            R::Item("mnuExportMusicPngItem", "mnuExport", "Musical graph as PNG...",
                    HANDLER(M, mnuExportMusicPngItem_Click)),
            R::Item("mnuExportMusicSvgItem", "mnuExport", "Musical graph as SVG...",
                    HANDLER(M, mnuExportMusicSvgItem_Click)),
            R::Item("mnuExportFtPdfItem", "mnuExport", "Graph of f(t) as PDF...",
                    HANDLER(M, mnuExportFtPdfItem_Click)),
            R::Item("mnuExportFftPdfItem", "mnuExport", "FFT graph as PDF...",
                    HANDLER(M, mnuExportFftPdfItem_Click)),
            R::Item("mnuExportMusicPdfItem", "mnuExport", "Musical graph as PDF...",
                    HANDLER(M, mnuExportMusicPdfItem_Click)),
            R::Separator("mnuExportSep2", "mnuExport"),
            R::Item("mnuExportDoubleItem", "mnuExport", "PNG at double resolution",
                    HANDLER(M, mnuExportDoubleItem_Click), kCheckable),
            R::Separator("mnuExportSep3", "mnuExport"),
            // Pictures for paper: the same graphs with axes, a title and the marks.
            R::Item("mnuExportWorksheetItem", "mnuExport", "for a worksheet",
                    HANDLER(M, mnuExportWorksheetItem_Click), kCheckable),
            R::Item("mnuExportPercentItem", "mnuExport",
                    "Spectrum in % of the largest, as in the report",
                    HANDLER(M, mnuExportPercentItem_Click), kCheckable | kDisabled),
            R::Separator("mnuFileSep", "mnuFile"),
            R::Item("mnuExitItem", "mnuFile", "Exit", HANDLER(M, mnuExitItem_Click)),
            // Every window larger or smaller, and the graphs' axes.
            R::Menu("mnuView", "", "View"),
            ZoomItem(100),
            ZoomItem(125),
            ZoomItem(150),
            ZoomItem(200),
            R::Separator("mnuZoomSep", "mnuView"),
            R::Item("mnuZoomInItem", "mnuView", "Zoom in", ZoomStep(1)),
            R::Item("mnuZoomOutItem", "mnuView", "Zoom out", ZoomStep(-1), kDisabled),
            R::Item("mnuZoomResetItem", "mnuView", "Normal size", ZoomStep(0), kDisabled),
            R::Separator("mnuAxesSep", "mnuView"),
            R::Item("mnuAxesItem", "mnuView", "Axes",
                    {[](M& m, const EventArgs&) { m.SetAxes(!m.Viewing().axes); }, "SetAxes"},
                    kCheckable, "Scales of time and amplitude on f(t), of value on the FFT graph"),
            R::Menu("mnuGraph", "", "Graph"),
            R::Menu("mnuG", "mnuGraph", "Graph of the Original function"),
            R::Item("mnuLineItem", "mnuG", "Line", HANDLER(M, mnuLineItem_Click),
                    kChecked | kCheckable),
            R::Item("mnuPointsItem", "mnuG", "Points", HANDLER(M, mnuPointsItem_Click), kCheckable),
            R::Menu("mnuGFft", "mnuGraph", "Graph of the Fourier Transform  ( FFT)"),
            R::Item("mnuFreqPosItem", "mnuGFft", "Show Only positive frequencies",
                    HANDLER(M, mnuFreqPosItem_Click), kChecked | kCheckable),
            R::Item("mnuFreqNegItem", "mnuGFft", "Show also negative frequencies",
                    HANDLER(M, mnuFreqNegItem_Click), kCheckable),
            R::Menu("mnuWaves", "", "Waves"),
            R::Item("mnuMultipleWavesItem", "mnuWaves", "Multiple waves",
                    HANDLER(M, mnuMultipleWavesItem_Click), kChecked | kCheckable),
            R::Item("mnuSimpleWavesItem", "mnuWaves", "Simple waves",
                    HANDLER(M, mnuSimpleWavesItem_Click), kCheckable),
            R::Item("mnuFilesrawItem", "mnuWaves", "Files  *.raw...",
                    HANDLER(M, mnuFilesrawItem_Click), kCheckable),
            R::Menu("mnuMethod", "", "Method"),
            R::Item("mnuRealftItem", "mnuMethod", "Through REALFT", HANDLER(M, mnuRealftItem_Click),
                    kChecked | kCheckable),
            R::Item("mnuImagzeroItem", "mnuMethod",
                    "Imaginary parts set to zero (only for calculated waves)",
                    HANDLER(M, mnuImagzeroItem_Click), kCheckable),
            R::Item("mnuImagcalcItem", "mnuMethod",
                    "Calculating imaginary parts (only for calculated waves)",
                    HANDLER(M, mnuImagcalcItem_Click), kDisabled | kCheckable),
            // The window function applied to the data window before the transform.
            R::Menu("mnuWindow", "", "Window"),
            R::Item("mnuWindowRectItem", "mnuWindow", "Rectangular",
                    HANDLER(M, mnuWindowRectItem_Click), kChecked | kCheckable),
            R::Item("mnuWindowHannItem", "mnuWindow", "Hann", HANDLER(M, mnuWindowHannItem_Click),
                    kCheckable),
            R::Item("mnuWindowHammingItem", "mnuWindow", "Hamming",
                    HANDLER(M, mnuWindowHammingItem_Click), kCheckable),
            R::Item("mnuWindowBlackmanItem", "mnuWindow", "Blackman",
                    HANDLER(M, mnuWindowBlackmanItem_Click), kCheckable),
            R::Item("mnuWindowFlatTopItem", "mnuWindow", "Flat top",
                    HANDLER(M, mnuWindowFlatTopItem_Click), kCheckable),
            R::Item("mnuInverse", "", "Inverse", HANDLER(M, mnuInverse_Click)),
            R::Menu("mnuSound", "", "Sound"),
            R::Item("mnuPlayFtItem", "mnuSound", "Play f(t)", HANDLER(M, mnuPlayFtItem_Click)),
            R::Item("mnuPlayRecoveredItem", "mnuSound", "Play recovered function",
                    HANDLER(M, mnuPlayRecoveredItem_Click), kDisabled, kRecoveredNotYet),
            R::Item("mnuSaveSoundItem", "mnuSound", "Save f(t) as sound...",
                    HANDLER(M, mnuSaveSoundItem_Click)),
            R::Separator("mnuSoundSep", "mnuSound"),
            R::Menu("mnuSoundLength", "mnuSound", "Sound length"),
            R::Item("mnuSoundLength1Item", "mnuSoundLength", "1 second",
                    HANDLER(M, mnuSoundLength1Item_Click), kCheckable),
            R::Item("mnuSoundLength2Item", "mnuSoundLength", "2 seconds",
                    HANDLER(M, mnuSoundLength2Item_Click), kChecked | kCheckable),
            R::Item("mnuSoundLength5Item", "mnuSoundLength", "5 seconds",
                    HANDLER(M, mnuSoundLength5Item_Click), kCheckable),
            // The sound input: the live view and the length of its frames.
            R::Separator("mnuListenSep", "mnuSound"),
            R::Item("mnuListenItem", "mnuSound", "Listen", HANDLER(M, mnuListenItem_Click), kPlain,
                    "Show the spectrum of the sound input as it comes"),
            R::Item("mnuStopListenItem", "mnuSound", "Stop listening",
                    HANDLER(M, mnuStopListenItem_Click), kDisabled,
                    "Keep the last spectrum shown, as raw data"),
            R::Menu("mnuLiveLength", "mnuSound", "Samples analysed"),
            {"mnuLiveLengthItem",
             K::MenuItem,
             "mnuLiveLength",
             "",
             "The number of the latest samples each spectrum of the live view analyses",
             {},
             kCheckable,
             {},
             {},
             {},
             {kLiveLengths, 0, 0, liveLength}},
            R::Menu("mnuNmr", "", "NMR"),
            R::Item("mnuNmrItem", "mnuNmr", "NMR spectrum...", HANDLER(M, mnuNmrItem_Click), kPlain,
                    "A spectrum from a free induction decay, read or simulated"),
            R::Menu("mnuHelp", "", "Help"),
            // "Topics": a page for each of the program's tools (HelpTopics.h), in a menu
            // of their own so that every entry of "Help" keeps a letter of its own.
            R::Menu("mnuTopics", "mnuHelp", "Topics"),
            TopicItem(0),
            TopicItem(1),
            TopicItem(2),
            TopicItem(3),
            TopicItem(4),
            TopicItem(5),
            TopicItem(6),
            R::Item("mnuAboutItem", "mnuHelp", "About", HANDLER(M, mnuAboutItem_Click)),
            R::Item("mnuNyq", "mnuHelp", "Nyquist", HANDLER(M, mnuNyq_Click)),
            R::Item("mnuPhaseItem", "mnuHelp", "Phase", HANDLER(M, mnuPhaseItem_Click)),
            // The lessons, in the Lessons window.
            R::Item("mnuExamplesItem", "mnuHelp", "Examples", HANDLER(M, mnuExamplesItem_Click)),

            // The left column, top: the function to be analysed. The panoramic musical
            // view lies over this part of the column, whose frames it hides.
            // Multiple waves: the formula, the wave table Text3/Text4/Text5 (a, b, phase of
            // rows 0..9) and Sin/Cos.
            R::Frame("Frame1", "Function to be analysed", kPlain,
                     {kLeftColumn, kTop, kLeftWidth, kFunctionFrameHeight}),
            R::Label("Image3", "Frame1", "f(t) = Σ aᵢ·sin(bᵢ·2πνt + φᵢ)", {}, kPlain,
                     {kInset, 270, kInnerWidth, kLine}),
            R::Label("Image4", "Frame1", "f(t) = Σ aᵢ·cos(bᵢ·2πνt + θᵢ)", {}, kHidden,
                     {kInset, 270, kInnerWidth, kLine}),
            R::Label("Label12", "Frame1", "a", {}, kPlain, {kInset, 570, kCellWidth, kLine}),
            R::Label("Label13", "Frame1", "b", {}, kPlain,
                     {kInset + kCellPitch, 570, kCellWidth, kLine}),
            R::Label("Label23", "Frame1", "φ", {}, kPlain,
                     {kInset + 2 * kCellPitch, 570, kCellWidth, kLine}),
            R::TextBox("Text3", "Frame1", "", {}, kPlain, {kInset, kCellTop, kCellWidth, kField},
                       {kTableRows, 0, kCellRowPitch,
                        [](int i) { return FieldBox(Field::amplitudeA, i); }}),
            R::TextBox("Text4", "Frame1", "", {}, kPlain,
                       {kInset + kCellPitch, kCellTop, kCellWidth, kField},
                       {kTableRows, 0, kCellRowPitch,
                        [](int i) { return FieldBox(Field::multiplierB, i); }}),
            R::TextBox(
                "Text5", "Frame1", "", {}, kPlain,
                {kInset + 2 * kCellPitch, kCellTop, kCellWidth, kField},
                {kTableRows, 0, kCellRowPitch, [](int i) { return FieldBox(Field::phasePhi, i); }}),
            R::Option("Option6", "Frame1", "Sin", "",
                      Option(HANDLER(M, Option6_MouseDown), HANDLER(M, Option6_Click)), kChecked,
                      {kInset, 4080, kCellWidth, kField}),
            R::Option("Option7", "Frame1", "Cos", "",
                      Option(HANDLER(M, Option7_MouseDown), HANDLER(M, Option7_Click)), kPlain,
                      {kInset + kCellPitch, 4080, kCellWidth, kField}),

            // Simple waves, in the same place.
            R::Frame("Frame6", "Simple wave to be analysed", kHidden,
                     {kLeftColumn, kTop, kLeftWidth, kFunctionFrameHeight}),
            R::Option("Option4", "Frame6", "Sine wave", "",
                      Option(HANDLER(M, Option4_MouseDown), HANDLER(M, Option4_Click)), kPlain,
                      {kInset, 300, kInnerWidth, kField}),
            R::Option("Option5", "Frame6", "Square wave", "",
                      Option(HANDLER(M, Option5_MouseDown), HANDLER(M, Option5_Click)), kPlain,
                      {kInset, 630, kInnerWidth, kField}),
            R::Option("Option9", "Frame6", "Triangular wave", "",
                      Option(HANDLER(M, Option9_MouseDown), HANDLER(M, Option9_Click)), kPlain,
                      {kInset, 960, kInnerWidth, kField}),
            R::Label("Image5", "Frame6", "f(t) = sin(2πνt + φ)", {}, kHidden,
                     {kInset, 1380, kInnerWidth, kLine}),
            R::Label("Image6", "Frame6", "f(t) = +1 if sin(2πνt + φ) ≥ 0, else −1", {}, kHidden,
                     {kInset, 1380, kInnerWidth, kLine}),
            R::Label("Image7", "Frame6", "f(t) = triangle between +1 and −1, phase φ", {}, kHidden,
                     {kInset, 1380, kInnerWidth, kLine}),
            R::Label("Label24", "Frame6", "Phase", {}, kPlain, {kInset, 1800, 900, kField}),
            R::TextBox("Text8", "Frame6", "Type the desired value", FieldBox(Field::simplePhase),
                       kPlain, {kInset + 960, 1800, kCellWidth, kField}),

            // Under the function's frame: the hint of a wave at or above the Nyquist
            // frequency (its text is set with the marks of the fields).
            R::Label("lblAliasing", "", "", {}, kHidden,
                     {kLeftColumn, kAliasingTop, kLeftWidth, kAliasingHeight},
                     {.fore = colors::kDarkRed}),

            // The left column, bottom, beside the graph of f(t) and never covered: the
            // number of points, the window width, the cycles, the raw file and the
            // calculation buttons.
            R::Label("Label1", "", "Total number of points in f(t) graph", {}, kPlain,
                     {kLeftColumn, kNumbersTop, kNumberLabelWidth, kField}),
            R::TextBox("Text1", "", "", FieldBox(Field::totalPoints), kLocked,
                       {kNumberLeft, kNumbersTop, kNumberWidth, kField}),
            R::Label("Label7", "", "Number of data points in the window", {}, kPlain,
                     {kLeftColumn, kNumbersTop + kNumberPitch, kNumberLabelWidth, kField}),
            R::TextBox("Text7", "", "", FieldBox(Field::windowPoints), kLocked,
                       {kNumberLeft, kNumbersTop + kNumberPitch, kNumberWidth, kField}),
            R::Label("Label8", "", "Data extension in seconds", {}, kPlain,
                     {kLeftColumn, kNumbersTop + 2 * kNumberPitch, kNumberLabelWidth, kField}),
            R::TextBox("Text6", "", "", FieldBox(Field::dataExtensionSeconds), kLocked,
                       {kNumberLeft, kNumbersTop + 2 * kNumberPitch, kNumberWidth, kField}),
            R::Label("Label22(0)", "", "Window Width (seconds):", {}, kPlain,
                     {kLeftColumn, kNumbersTop + 3 * kNumberPitch, kNumberLabelWidth, kField}),
            R::Label("Label22(1)", "", "",
                     {.text = [](const M& m) { return m.State().Get(Field::windowSeconds); }},
                     kPlain, {kNumberLeft, kNumbersTop + 3 * kNumberPitch, kNumberWidth, kField}),
            R::Label("Label3", "", "Number of cycles (per second)", {}, kPlain,
                     {kLeftColumn, kNumbersTop + 4 * kNumberPitch, kNumberLabelWidth, kField}),
            R::TextBox("Text2", "", "Type here the desired value", FieldBox(Field::cyclesPerSecond),
                       kPlain, {kNumberLeft, kNumbersTop + 4 * kNumberPitch, kNumberWidth, kField}),
            R::Label("Label27", "", "", StateLabel(&AnalysisState::rawFileName), kHidden,
                     {kLeftColumn, 7260, 2460, kButton}),
            R::Button("Command12", "", "Raw data renewal", "", HANDLER(M, Command12_Click), kHidden,
                      {2640, 7260, 1560, kButton}),
            R::Button("Command1", "", "Only f(t)", "Calculate and plot again f(t) graph",
                      HANDLER(M, Command1_Click), kPlain,
                      {kLeftColumn, kButtonsTop, kThirdWidth, kButton}),
            R::Button("Command5", "", "Only FFT",
                      "Calculate and plot again the Fourier transform graph",
                      HANDLER(M, Command5_Click), kPlain,
                      {kLeftColumn + kThirdPitch, kButtonsTop, kThirdWidth, kButton}),
            R::Button("Command17", "", "Both", "Calculate and plot again f(t) and FFT graphs",
                      HANDLER(M, Command17_Click), kPlain,
                      {kLeftColumn + 2 * kThirdPitch, kButtonsTop, kThirdWidth, kButton}),
            R::Button(
                "Command16", "", "Change (*1/2)",
                "Reduce to one half the number of points, and complement the window with zeros",
                HANDLER(M, Command16_Click), kPlain,
                {kLeftColumn, kButtonsTop + kButtonPitch, kThirdWidth, kButton}),
            R::Button(
                "Command18", "", "Cancel", "Cancel modifications in the number of points",
                HANDLER(M, Command18_Click), kPlain,
                {kLeftColumn + kThirdPitch, kButtonsTop + kButtonPitch, kThirdWidth, kButton}),
            R::Button(
                "Command13", "", "Splash", "", HANDLER(M, Command13_Click), kPlain,
                {kLeftColumn + 2 * kThirdPitch, kButtonsTop + kButtonPitch, kThirdWidth, kButton}),

            // The graphs. The expansion prompt has its place above the FFT graph; the
            // harmonic hints theirs beside the caption of the graph of f(t).
            R::Label("Label17", "", "", StateLabel(&AnalysisState::expansionPrompt), kHidden,
                     {kGraphLeft, 0, kPicture1Width, kTop}),
            R::Picture("Picture1", "",
                       {.mouseDown = HANDLER(M, Picture1_MouseDown),
                        .mouseMove = HANDLER(M, Picture1_MouseMove),
                        .mouseUp = HANDLER(M, Picture1_MouseUp),
                        .keyPress = HANDLER(M, Picture1_KeyPress)},
                       kPlain, {kGraphLeft, kTop, kPicture1Width, kPicture1Height},
                       {.pointer = kPointerUpArrow}),
            // The scroll bar of an expanded view sits inside the bottom edge of the graph.
            R::ScrollBar("HScroll1", "Picture1", "", HANDLER(M, HScroll1_Change), kHidden,
                         {0, kPicture1Height - kScrollBarHeight, kPicture1Width, kScrollBarHeight}),
            // The two half-height graphs, in the place of the FFT graph.
            R::Picture("Picture6", "", {}, kHidden,
                       {4440, kTop, kHalfGraphWidth, kHalfGraphHeight}),
            R::Picture("Picture8", "Picture6", {.mouseMove = HANDLER(M, Picture8_MouseMove)},
                       kPlain, {0, 0, kHalfGraphWidth, kHalfGraphHeight}),
            R::Picture("Picture7", "", {}, kHidden,
                       {4440, 3000, kHalfGraphWidth, kHalfGraphHeight}),
            R::Picture("Picture9", "Picture7", {.mouseMove = HANDLER(M, Picture9_MouseMove)},
                       kPlain, {0, 0, kHalfGraphWidth, kHalfGraphHeight}),
            // The musical graph: the canvas inside its frame, panned by a scroll bar. The
            // canvas starts scrolled 8700 twips in, with the region around A4 in view.
            R::Picture("Picture4", "", {}, kHidden,
                       {kMusicalViewLeft, kTop, kMusicalViewWidth, kMusicalViewHeight}),
            R::Picture("Picture5", "Picture4",
                       {.mouseMove = HANDLER(M, Picture5_MouseMove),
                        .keyPress = HANDLER(M, Picture5_KeyPress)},
                       kPlain, {-8700, 120, music::kCanvasWidth, music::kCanvasHeight}),
            R::ScrollBar(
                "HScroll2", "Picture4", "", HANDLER(M, HScroll2_Change), kPlain,
                {0, 120 + music::kCanvasHeight, kMusicalViewWidth - 5, kScrollBarHeight},
                // A semitone per arrow, an octave per page.
                {0, static_cast<int>(music::kCanvasWidth - kMusicalViewWidth), 8700, 150, 1800}),
            R::Label("Label4", "", "Graph of f (t)", {}, kPlain,
                     {kGraphLeft, kBetweenGraphs, 1560, kLine}),
            R::Label("Label5", "", " Press the right button of the mouse and drag it! ", {},
                     kHidden,
                     {kHintLeft, kBetweenGraphs, kGraphLeft + kPicture1Width - kHintLeft, kLine}),
            R::Label("Label11", "", " Press the right button of the mouse and drag it! ", {},
                     kHidden,
                     {kHintLeft, kBetweenGraphs, kGraphLeft + kPicture1Width - kHintLeft, kLine}),
            R::Picture("Picture2", "", {}, kPlain,
                       {kGraphLeft, 5880, kPicture2Width, kPicture2Height}),
            // An image without a picture of its own: only its mouse moves count.
            R::Label("Image1", "", "", {.mouseMove = HANDLER(M, Image1_MouseMove)}, kPlain,
                     {0, 0, 0, 0}),

            // The right-hand column: what the FFT graph shows.
            R::Frame("Frame2", "Display", kPlain,
                     {kRightColumn, kTop, kRightWidth, kDisplayHeight}),
            R::Option("Option1", "Frame2", "Imaginary (i)", "",
                      Option(HANDLER(M, Option1_MouseDown), HANDLER(M, Option1_Click)), kPlain,
                      {kInset, 270, kRightInner, kLine}),
            R::Option("Option2", "Frame2", "Real (r)", "",
                      Option(HANDLER(M, Option2_MouseDown), HANDLER(M, Option2_Click)), kPlain,
                      {kInset, 570, kRightInner, kLine}),
            R::Option("Option3", "Frame2", "Real with global maximum (r)", "",
                      Option(HANDLER(M, Option3_MouseDown), HANDLER(M, Option3_Click)), kPlain,
                      {kInset, 870, kRightInner, kLine}),
            R::Option("Option8", "Frame2", "Vector Rho = (r2+i2)^(1/2)", "",
                      Option(HANDLER(M, Option8_MouseDown), HANDLER(M, Option8_Click)), kPlain,
                      {kInset, 1170, kRightInner, kLine}),
            // "Both, separately" has no press of its own.
            R::Option("Option10", "Frame2", "Both, separately", "",
                      {.click = HANDLER(M, Option10_Click)}, kPlain,
                      {kInset, 1470, kRightInner, kLine}),
            // The drawing of the FFT graph: decibels and their floor, a held spectrum.
            R::Button("cmdDecibels", "Frame2", "dB",
                      "Show the modulus in decibels of its largest value, down to the floor",
                      Extra(FftExtra::Decibels), kPlain, {kInset, 1800, 690, kButton}),
            R::Label("lblFloor", "Frame2", "Floor (dB):", {}, kPlain, {900, 1845, 1020, kLine}),
            R::TextBox("txtFloor", "Frame2", "The level drawn on the axis, a negative number of dB",
                       {.text = [](const M& m) { return m.Extras().floorText; },
                        .type = [](M& m, const std::string& t) { m.TypeFloor(t); }},
                       kPlain, {1950, 1822, kRightWidth - kInset - 1950, kField}),
            R::Button("cmdHold", "Frame2", "Hold spectrum",
                      "Keep the spectrum shown as a grey trace under the next ones",
                      Extra(FftExtra::Hold), kPlain, {kInset, 2205, 1500, kButton}),
            R::Button("cmdRelease", "Frame2", "Release", "Remove the held spectrum",
                      Extra(FftExtra::Release), kDisabled,
                      {kInset + 1560, 2205, kRightInner - 1560, kButton}),

            // Expansion, scale, peaks and harmonics.
            R::Label("Label10", "", "Expansion", {}, kPlain,
                     {kRightColumn, kBelowDisplay, kRightWidth, kLine}),
            R::Button("Command8", "", "Horizontal", "Start horizontal expansion process",
                      HANDLER(M, Command8_Click), kPlain,
                      {kRightColumn, kBelowDisplay + 270, kRightWidth, kButton}),
            R::Button("Command6", "", "Cancel expansions", "Cancel all expansions",
                      HANDLER(M, Command6_Click), kPlain,
                      {kRightColumn, kBelowDisplay + 675, kRightWidth, kButton}),
            R::Button("Command3", "", "Log", "Change scales of FFT graph",
                      HANDLER(M, Command3_Click), kPlain,
                      {kRightColumn, kBelowDisplay + 1080, kRightWidth, kButton}),
            R::Button("Command4", "", "1/2", "Divide the height of peaks by two",
                      HANDLER(M, Command4_Click), kPlain,
                      {kRightColumn, kBelowDisplay + 1485, kHalfWidth, kButton}),
            R::Button("Command7", "", "2×", "Multiply the height of peaks by 2",
                      HANDLER(M, Command7_Click), kPlain,
                      {kRightColumn + kRightWidth - kHalfWidth, kBelowDisplay + 1485, kHalfWidth,
                       kButton}),
            R::Label("Label28", "", "Harmonics", {}, kPlain,
                     {kRightColumn, kBelowDisplay + 1890, kRightWidth, kLine}),
            R::Button("Command2", "", "Show", "Try it!", HANDLER(M, Command2_Click), kPlain,
                      {kRightColumn, kBelowDisplay + 2160, kHalfWidth, kButton}),
            R::Button("Command11", "", "Fix", "Try it!", HANDLER(M, Command11_Click), kDisabled,
                      {kRightColumn + kRightWidth - kHalfWidth, kBelowDisplay + 2160, kHalfWidth,
                       kButton}),

            // Musical analysis (shown with the musical graph only); its height grows from
            // 735 to 1575 while tuning is on.
            R::Frame("Frame5", "Musical analysis", kHidden,
                     {kRightColumn, kBelowDisplay + 2580, kRightWidth, 735}),
            R::Button("Command9", "Frame5", "Invert", "Try it!", HANDLER(M, Command9_Click), kPlain,
                      {kInset, 270, 1260, 315}),
            R::Button("Command10", "Frame5", "Tuning - On", "", HANDLER(M, Command10_Click), kPlain,
                      {kRightWidth - kInset - 1260, 270, 1260, 315}),
            {"Slider1",
             K::Slider,
             "Frame5",
             "",
             "",
             {.mouseMove = HANDLER(M, Slider1_MouseMove),
              .mouseUp = HANDLER(M, Slider1_MouseUp),
              .change = HANDLER(M, Slider1_Change)},
             kHidden,
             {kInset, 630, 2160, 255},
             {},
             {-10, 10, 0, 1, 5}},
            R::Label("Label15", "Frame5", "", StateLabel(&AnalysisState::tuningSteps), kHidden,
                     {2340, 630, kRightWidth - 2340 - kInset, 255}),
            R::Label("Label18", "Frame5",
                     "Use the slider to move the graph of 1/10 of a semitone for each unity of the "
                     "slider.",
                     {.click = HANDLER(M, Label18_Click)}, kHidden,
                     {kInset, 900, kRightInner, 1575 - 900 - 45}),

            // The frequency read-out under the pointer, below the buttons.
            R::Label("Label9", "", "", {}, kHidden,
                     {kRightColumn, kBelowDisplay + 4260, kRightWidth, 510}),
            // The strongest peak of the live view, with its note.
            R::Label("Label30", "", "", {}, kHidden,
                     {kRightColumn, kBelowDisplay + 4830, kRightWidth, 510}),
        }};
    return table;
}

const std::vector<ControlShortcut>& MainWindowShortcuts() {
    static const std::vector<ControlShortcut> keys = {
        {"Command17", "Ctrl+B"},   // "Both"
        {"Command1", "Ctrl+T"},    // "Only f(t)"
        {"Command5", "Ctrl+F"},    // "Only FFT"
        {"Command3", "Ctrl+L"},    // "Log", or "Lin" on the musical scale
        {"mnuReport", "Ctrl+R"},   // "Report"
        {"mnuInverse", "Ctrl+I"},  // "Inverse"
        // "View": larger (also Ctrl+=, the same key without Shift), smaller, normal size.
        {"mnuZoomInItem", "Ctrl++; Ctrl+="},
        {"mnuZoomOutItem", "Ctrl+-"},
        {"mnuZoomResetItem", "Ctrl+0"},
    };
    return keys;
}

ViewState MainWindowInitialView() {
    ViewState view = ViewOfTable(M::Table());
    for (const ControlShortcut& key : MainWindowShortcuts())
        view.controls.at(key.control).shortcut = key.key;
    view.lines["Line1"] = {0, 0, 0, 5280, Rgb(192, 0, 192), false, "Picture1"};
    view.lines["Line3"] = {0, 0, 0, 2280, colors::kBlack, false, "Picture8"};
    view.lines["Line4"] = {0, 0, 0, 2280, colors::kBlack, false, "Picture9"};
    view.lines["Line5"] = {0, 0, 0, music::kCanvasHeight, colors::kWhite, false, "Picture5"};
    // The keyboard cursors, shown while their graph has the focus: at the left edge of
    // the FFT graph, and at A4 on the musical canvas.
    AddKeyCursor(view, kFftKeyCursor, "Picture1", 0, kPicture1Height);
    AddKeyCursor(view, kMusicKeyCursor, "Picture5", music::kReferenceX, music::kCanvasHeight);
    // The harmonic markers: eleven over the FFT graph, seventeen over the musical
    // canvas (placed at start-up).
    for (int k = 0; k <= 10; ++k)
        view.lines["Line2(" + std::to_string(k) + ")"] = {0,     0,         0, 0, colors::kDarkBlue,
                                                          false, "Picture1"};
    for (int k = 0; k <= 16; ++k)
        view.lines["Line6(" + std::to_string(k) + ")"] = {0,     0,         0, 0, colors::kBlack,
                                                          false, "Picture5"};
    // The lengths the live view offers, the default checked.
    for (int i = 0; i < kLiveLengths; ++i) {
        ControlState& item = view.controls.at(Indexed("mnuLiveLengthItem", i));
        item.caption =
            FillIn(Translate("Form1", "%1 samples"), {std::to_string(kMinLiveSamples << i)});
        item.checked = (kMinLiveSamples << i) == kDefaultLiveSamples;
    }
    return view;
}

const ControlTable<MainWindowModel>& MainWindowTable() {
    return M::Table();
}

}  // namespace quorbel
