// The control table of the raw file window: for every control its kind, caption,
// tooltip, state when the window is loaded and place, the handler of each event it
// answers and the data it shows. The labels below the graph show the window's counts
// and the name of what is plotted through their bindings; they hold no caption.
#include "windows/ControlIndex.h"
#include "windows/ControlRows.h"
#include "windows/GraphKeys.h"
#include "windows/RawFileModel.h"

namespace quorbel {
namespace {

using K = ControlKind;
using M = RawFileModel;
using B = Behaviour<M>;
using R = RowsOf<M>;
using Row = ControlRow<M>;

constexpr const char* kFrequencyHint =
    "The frequency of the file must be a number of hertz from 1 to 1000000 (for example "
    "22050). Type it in the box above and transfer again.";

constexpr double kLine = 255;
// The hints share one place below the counts; one shows at a time.
constexpr Place kHintPlace = {240, 5900, kRawFrameWidth, 900};

// The window's labels lie on the window itself.
Row Label(const char* name, const char* caption, Place at, int flags = kPlain, B on = {}) {
    return R::Label(name, "", caption, std::move(on), flags, at);
}
// A label showing what the window derives from its state: a count or a name.
Row Shows(const char* name, std::string (M::*text)() const, Place at, int flags = kPlain) {
    return Label(name, "", at, flags, {.text = [text](const M& m) { return (m.*text)(); }});
}
// A hint, which answers a click by hiding itself.
Row Hint(const char* name, const char* caption, B::Handler click, int flags = kHidden) {
    return Label(name, caption, kHintPlace, flags, {.click = std::move(click)});
}

}  // namespace

const ControlTable<M>& M::Table() {
    static const ControlTable<M> table = {
        "Form6",
        "FFT Quorbel - Files  *.raw",
        kForm6Width,
        kForm6Height,
        {.unload = HANDLER(M, Form_Unload)},
        {
            R::Item("mnuOpen", "", "Open", HANDLER(M, mnuOpen_Click)),
            // The frequency above the graph.
            Label("Label21", "Frequency of file .raw (modify by typing a new value if necessary):",
                  {240, 40, 4560, 420}),
            R::TextBox("Text1", "", "",
                       {.text = [](const M& m) { return m.FrequencyText(); },
                        .type = [](M& m, const std::string& t) { m.TypeFrequency(t); }},
                       kPlain, {4900, 100, 1200, 300}),
            // The frame of the graph and the graph, drawn on although the selection band
            // and the inverted plot seen through it lie over them.
            R::Picture("Picture1", "", {}, kDrawn, {240, 480, kRawFrameWidth, kRawFrameHeight}),
            R::Picture("Picture2", "Picture1",
                       {.mouseDown = HANDLER(M, Picture2_MouseDown),
                        .mouseMove = HANDLER(M, Picture2_MouseMove),
                        .keyPress = HANDLER(M, Picture2_KeyPress)},
                       kHidden | kDrawn, {100, 200, kRawGraphWidth, kRawGraphHeight}),
            R::Picture("Picture3", "Picture2", {}, kHidden, {0, 0, 0, kRawGraphHeight}),
            R::Picture("Picture4", "Picture3", {.mouseDown = HANDLER(M, Picture4_MouseDown)},
                       kPlain, {0, 0, kRawGraphWidth, kRawGraphHeight}),
            {"ProgressBar1",
             K::ProgressBar,
             "",
             "",
             "",
             {},
             kHidden,
             {2160, 2040, 3000, 255},
             {},
             {0, 100}},
            R::Option("Option1", "", "First channel",
                      "Sound files with several channels: plot and transfer the first channel",
                      {.click = HANDLER(M, Option1_Click)}, kChecked, {240, 3700, 2400, kLine}),
            R::Option("Option2", "", "Mean of the channels",
                      "Sound files with several channels: plot and transfer the mean of all "
                      "channels",
                      {.click = HANDLER(M, Option2_Click)}, kPlain, {2760, 3700, 2400, kLine}),
            // Below the options: how many channels the file has, and which is analysed.
            Shows("Label24", &M::ChannelsText, {240, 4000, kRawFrameWidth, kLine}),
            // The recording of the sound input beside the channel options: its length
            // in seconds, then the button.
            R::TextBox("Text2", "",
                       "Length of the recording, seconds (at most 34000 samples at the input's "
                       "rate)",
                       {.text = [](const M& m) { return m.RecordSecondsText(); },
                        .type = [](M& m, const std::string& t) { m.TypeRecordSeconds(t); }},
                       kPlain, {5280, 3680, 560, 300}),
            Label("Label23", "s", {5880, 3700, 300, kLine}),
            R::Button("Command2", "", "Record",
                      "Record the sound input for the seconds typed beside, and plot it",
                      HANDLER(M, Command2_Click), kPlain, {6300, 3650, 1200, 345}),
            Shows("Label22", &M::StretchNote, {3420, 4300, 4035, kLine}, kHidden),
            // The counts, the transfer and the file name below the graph.
            Label("Label3", "Points in the File:", {240, 4600, 1800, kLine}),
            Shows("Label7", &M::FileLengthText, {2100, 4600, 1000, kLine}),
            Label("Label17", "Points in the graph:", {3300, 4600, 1900, kLine}),
            Shows("Label18", &M::PlottedText, {5250, 4600, 1000, kLine}),
            Label("Label8", "Selection:", {240, 4900, 1000, kLine}),
            Label("Label9", "Minimum:", {1300, 4900, 900, kLine}),
            Shows("Label11", &M::FirstText, {2250, 4900, 900, kLine}),
            Label("Label10", "Maximum:", {3300, 4900, 900, kLine}),
            Shows("Label12", &M::LastText, {4250, 4900, 900, kLine}),
            R::Button("Command1", "", "Transfer", "Transfer selected points for FFT calculations",
                      HANDLER(M, Command1_Click), kPlain, {6300, 4850, 1200, 400}),
            Label("Label13", "Selected points:", {240, 5200, 1800, kLine}),
            Shows("Label15", &M::SelectedText, {2100, 5200, 1000, kLine}),
            Label("Label14", "To be transferred:", {3300, 5200, 1900, kLine}),
            Shows("Label16", &M::TransferText, {5250, 5200, 1000, kLine}),
            Shows("Label2", &M::PlottedName, {240, 5550, 6000, kLine}, kHidden),
            // The full path: it is shown in a label too narrow to be read, here of no
            // width at all, so that no part of it shows cut.
            Shows("Label1", &M::PathText, {6300, 5550, 0, kLine}),
            Hint("Label5",
                 "Use the menu \"Open\" to plot the data of some file *.raw.Then select the part "
                 "of the graph which will be used to make the Fourier Transform calculation.",
                 HANDLER(M, Label5_Click), kPlain),
            Hint("Label4",
                 "To perform the Fourier Transform calculation, a part of the graph must be "
                 "selected. Just drag the mouse over the graph (from left to right), with the "
                 "left button pressed.",
                 HANDLER(M, Label4_Click)),
            Hint("Label6", kFewPointsHint, HANDLER(M, Label6_Click)),
            Hint("Label19", kFrequencyHint, HANDLER(M, Label19_Click)),
            // Which stretch of a file longer than the graph is shown.
            R::ScrollBar("HScroll1", "", "Which part of the file the graph shows",
                         HANDLER(M, HScroll1_Change), kHidden, {240, 4300, 3060, kLine},
                         {0, 0, 0, 1, 20}),
            R::Item("mnuSpectrogram", "", "Spectrogram...", HANDLER(M, mnuSpectrogram_Click)),
        }};
    return table;
}

ViewState RawFileInitialView() {
    ViewState view = ViewOfTable(M::Table());
    AddKeyCursor(view, kRawKeyCursor, "Picture2", 0, kRawGraphHeight);
    AddKeyCursor(view, kRawBandKeyCursor, "Picture4", 0, kRawGraphHeight, "Picture2");
    return view;
}

const ControlTable<RawFileModel>& RawFileTable() {
    return RawFileModel::Table();
}

}  // namespace quorbel
