// The pages of the help topics window. Each body line is a paragraph, written as the
// text a translation keeps whole: emphasised runs (the captions of menus, buttons and
// options, as the window shows them) between <i> and </i>. An empty line separates
// paragraphs. What a page says is what the window does; where the program changes,
// its page changes with it.
#include "windows/HelpTopics.h"

namespace quorbel {

namespace {

HelpLine P(const char* encoded) {
    return DecodeHelpLine(encoded);
}

HelpPage RawFilePage() {
    return {
        "Sound files and recording",
        {
            P("In the menu <i>Waves</i> choose <i>Files  *.raw...</i>. In the window that opens, "
              "the menu <i>Open</i> reads a sound file (WAV, FLAC, Ogg, AIFF and more) or a "
              "headerless 8-bit .raw file and draws it. A sound file fills in its own sampling "
              "frequency; for a .raw file type it in the box above the graph."),
            {},
            P("Drag over the graph from left to right with the left button held to select "
              "the samples to analyse; the right button takes the selection away. Below the "
              "graph, <i>Selected points</i> counts the selection and <i>To be transferred</i> "
              "the largest power of two it holds, from 1024 to 16384."),
            {},
            P("<i>Transfer</i> hands those samples to the main window, which draws them as "
              "f(t) beside their spectrum; the file window is then minimised."),
            {},
            P("A file of several channels: the line under the options says how many it has "
              "and which is analysed. <i>First channel</i> takes the first, <i>Mean of the "
              "channels</i> their mean; the choice holds for the files opened later."),
            {},
            P("The graph shows at most 34000 samples: a longer file gets a scroll bar under "
              "the graph that chooses the stretch shown."),
            {},
            P("<i>Record</i> records the sound input for the seconds typed beside it and shows "
              "the recording as an opened file, ready to select and transfer. Without a sound "
              "input it is disabled and its tooltip says why."),
            {},
            P("<i>Spectrogram...</i> in this window's menu shows the whole file over time (see "
              "the topic Spectrogram)."),
        }};
}

HelpPage MarkersPage() {
    return {"Harmonic markers",
            {
                P("The harmonic markers show which peaks belong to one note: they stand at 1, 2, "
                  "3 ... times the frequency under the pointer."),
                {},
                P("Under <i>Harmonics</i> press <i>Show</i>. Then, on the FFT graph or on the "
                  "musical graph (<i>Log</i>), press the right button of the mouse on the first "
                  "peak and drag with the button held: the marks follow the pointer, one at its "
                  "frequency and the others at 2 to 11 times it (to 17 times on the musical "
                  "graph). On the musical graph they appear only once the pointer moves."),
                {},
                P("Move until the marks fall on peaks: those peaks are the harmonics of the first. "
                  "The read-out under the buttons gives the frequency under the pointer with its "
                  "note."),
                {},
                P("<i>Fix</i> leaves the marks where they are, as lines over the graph's height, "
                  "while the mouse moves on; <i>Move</i> lets them follow again; <i>Cancel</i> "
                  "takes them away. Starting a horizontal expansion takes them away too."),
                {},
                P("From the keyboard: with <i>Show</i> pressed, Enter or Space on the graph places "
                  "the marks at its cursor."),
            }};
}

HelpPage WindowsPage() {
    return {"Windows and aliasing",
            {
                P("The menu <i>Window</i> weighs the samples with a window function before the "
                  "transform. <i>Rectangular</i> (the first choice) takes them as they are: its "
                  "peaks are the narrowest, so it separates close tones best, but a tone between "
                  "two frequencies of the transform leaks into bins far from its peak."),
                {},
                P("<i>Hann</i>, <i>Hamming</i> and <i>Blackman</i> widen the peaks a little and "
                  "lower that leakage a great deal: small side peaks that vanish with them were "
                  "leakage, not signals. <i>Flat top</i> has the widest peak, but reads the "
                  "amplitude of a tone truly even between two bins."),
                {},
                P("A window lowers all peaks by about the same factor; the <i>Report</i> gives "
                  "amplitudes in percent of the largest, so they need no correction. The graph of "
                  "f(t) draws the window's shape over the samples as a thin grey curve. Try a sine "
                  "of 30.37 cycles with each window."),
                {},
                P("Aliasing: a wave at or above half the number of points per second (512 Hz "
                  "with 1024 points in one second) cannot be told from a lower one. Its fields in "
                  "the wave table, or the cycles field of a simple wave, turn light red, and a "
                  "hint under the table says where it appears, for example \"570 Hz is above 512 "
                  "Hz and appears at 454 Hz\". The wave is still computed: the folded peak is what "
                  "the transform shows (see Help: <i>Nyquist</i>)."),
            }};
}

HelpPage SpectrogramPage() {
    return {"Spectrogram",
            {
                P("<i>Spectrogram...</i> in the menu of the raw file window shows the whole file "
                  "that is open: time across, frequency upward, and the level of each moment and "
                  "frequency in colour, from dark (-120 dB) to yellow (0 dB, a sine of full "
                  "amplitude). The legend is on the right."),
                {},
                P("The file is cut into frames of as many points as typed in <i>Frame "
                  "(points)</i> (a power of two from 256 to 16384), one starting every <i>Hop "
                  "(points)</i> points; each frame is weighted by a Hann window and transformed. "
                  "Type new values and press <i>Analyse</i>. A long file fills in from the left "
                  "while the progress bar moves."),
                {},
                P("Long frames separate close frequencies but blur quick changes; short frames "
                  "follow quick changes but blur close frequencies."),
                {},
                P("<i>Linear frequency</i> shows 0 Hz to half the sampling rate, <i>Musical "
                  "(keyboard)</i> octaves beside a piano keyboard. Under the pointer the window "
                  "reads the time, the frequency with its nearest note, and the level."),
                {},
                P("<i>Export PNG</i> saves the picture as shown; with <i>for a worksheet</i> "
                  "checked in the menu <i>Export</i> it gets axes, the legend and a title."),
            }};
}

HelpPage SoundPage() {
    return {"Sound menu",
            {
                P("<i>Play f(t)</i> plays the function analysed. A calculated wave sounds for the "
                  "time checked under <i>Sound length</i> (1, 2 or 5 seconds), each row of the "
                  "table at b times the cycles per second; data from a file plays the samples "
                  "transferred, at the file's sampling frequency."),
                {},
                P("<i>Play recovered function</i> (after <i>Inverse</i>) plays what the inverse "
                  "transform gives back. <i>Save f(t) as sound...</i> writes the sound of <i>Play "
                  "f(t)</i> as a WAV file."),
                {},
                P("<i>Listen</i> turns the main window into a live analyser: about 25 times a "
                  "second it transforms the latest samples of the sound input (as many as chosen "
                  "under <i>Samples analysed</i>) and draws them on the FFT graph or the musical "
                  "graph, with the strongest peak's frequency and note. <i>Stop listening</i> "
                  "keeps the last spectrum as data from a file, for the report, the inverse and "
                  "printing."),
                {},
                P("Without a sound device these entries are disabled, and their tooltips say "
                  "why."),
            }};
}

HelpPage ExportsPage() {
    return {
        "Exports and worksheets",
        {
            P("The menu <i>Export</i> in <i>File</i> saves the samples or the spectrum as CSV "
              "for a spreadsheet, the report as text, and the graph of f(t), the FFT graph and "
              "the musical graph as PNG, SVG or PDF. <i>PNG at double resolution</i> makes "
              "finer PNG pictures."),
            {},
            P("With <i>for a worksheet</i> checked, the pictures are made for paper: a white "
              "ground, a frame, both axes with their quantity and unit ticked at round numbers, "
              "a title naming the function or the file, and the marks the window shows "
              "(harmonic markers, the marked peak, an expanded range). <i>Spectrum in % of the "
              "largest, as in the report</i> ticks the spectrum's axis in percent."),
            {},
            P("<i>Print FFT graph</i> prints the graph with the report on one page; without "
              "a printer it asks for a PDF file to write. <i>Report</i> shows the report in a "
              "window."),
            {},
            P("CSV files and reports write numbers with a point, and CSV columns have English "
              "names, so every student's file reads alike."),
        }};
}

HelpPage KeyboardPage() {
    return {"Keyboard",
            {
                P("Alt with the underlined letter opens a menu and chooses its entries. Tab goes "
                  "through the fields and buttons in reading order, the wave table a row at a "
                  "time; Space presses the button that has the focus."),
                {},
                P("Ctrl+B <i>Both</i>, Ctrl+T <i>Only f(t)</i>, Ctrl+F <i>Only FFT</i>, Ctrl+L "
                  "<i>Log</i> or <i>Lin</i>, Ctrl+R <i>Report</i>, Ctrl+I <i>Inverse</i>."),
                {},
                P("The FFT graph, the musical graph and the graph of the raw file window take the "
                  "focus too, and then show an orange cursor line. Left and Right move it a step "
                  "(with Shift ten steps), Home and End to the ends; the read-out follows it."),
                {},
                P("Enter or Space there does what a click does. On the FFT graph it marks the "
                  "peak near the cursor, sets a limit of the expansion after <i>Horizontal</i> "
                  "(Escape drops a first limit) or, with <i>Show</i>, places the harmonic "
                  "markers. On the raw file graph a first Enter starts a selection at the cursor, "
                  "a second ends it, and Escape takes it away."),
            }};
}

}  // namespace

const HelpPage& HelpTopicPage(HelpTopic topic) {
    static const HelpPage pages[kHelpTopicCount] = {
        RawFilePage(), MarkersPage(), WindowsPage(),  SpectrogramPage(),
        SoundPage(),   ExportsPage(), KeyboardPage(),
    };
    return pages[static_cast<int>(topic)];
}

}  // namespace quorbel
