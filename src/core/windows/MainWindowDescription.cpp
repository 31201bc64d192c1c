// The main window's graphs in words, for those who cannot see them: what each shows,
// read from the same lists the graphs and the report are drawn from, so the words
// follow every calculation.
#include <algorithm>
#include <cmath>

#include "music/MusicalGraph.h"
#include "music/NoteName.h"
#include "platform/Translation.h"
#include "report/Report.h"
#include "spectrum/ReadoutPrecision.h"
#include "state/NumberText.h"
#include "windows/MainWindowModel.h"

namespace quorbel {

namespace {

// "30 Hz 100 %, 90 Hz 33.3 %", each frequency with its note when asked for.
std::string PeaksText(const std::vector<ReportRow>& rows, bool notes) {
    if (rows.empty()) return Translate("Form1", "No peaks.");
    std::string peaks;
    for (size_t i = 0; i < rows.size(); ++i) {
        if (i > 0) peaks += ", ";
        const std::string hertz = NumberText(rows[i].frequency) + " Hz";
        peaks += notes ? WithNoteName(hertz, rows[i].frequency) : hertz;
        peaks += " " + NumberText(rows[i].amplitude) + " %";
    }
    return FillIn(Translate("Form1", "Peaks, frequency and amplitude: %1."), {peaks});
}

}  // namespace

// The peaks the report would list for the graphs on screen.
std::vector<ReportRow> MainWindowModel::PeaksShown() const {
    const bool raw = Source() == DataSource::RawFile;
    const double typed = DecimalPrefix(state_.Get(Field::cyclesPerSecond));
    return ReportRows(state_.graphValueList, state_.spectrumList, raw,
                      typed > 0 ? typed : kRawSamplingRate);
}

// "f(t) = ... with a, b, φ: 1, 1, 0; 0.333, 3, 0. 1024 points over 1 seconds, values
// from -1 to 1." Rows of the wave table whose amplitude is 0 add nothing and are left out.
std::string MainWindowModel::FunctionText() const {
    if (state_.sampleList.Count() < 2) return Translate("Form1", "Nothing computed yet.");
    std::string text;
    if (Source() == DataSource::RawFile) {
        text = FillIn(Translate("Form1", "Sound file %1."), {state_.rawFileName});
    } else {
        // The formula the frame of the function kind shows (none before a simple wave
        // is chosen), in words where it has any.
        const bool multiple = (choices_.function == FunctionKind::MultipleWaves);
        std::string formula;
        for (const char* image : {"Image3", "Image4", "Image5", "Image6", "Image7"})
            if (view_[image].visible && (view_[image].parent == "Frame1") == multiple)
                formula = Translate("Form1", view_[image].caption);
        const std::string& nu = state_.Get(Field::cyclesPerSecond);
        if (multiple) {
            std::string terms;
            for (int i = 0; i < kTableRows; ++i) {
                if (DecimalPrefix(state_.Get(Field::amplitudeA, i)) == 0) continue;
                terms += (terms.empty() ? "" : "; ") + state_.Get(Field::amplitudeA, i) + ", " +
                         state_.Get(Field::multiplierB, i) + ", " + state_.Get(Field::phasePhi, i);
            }
            if (!terms.empty())
                text = FillIn(Translate("Form1", "%1 with a, b, φ: %2, ν = %3 cycles per second."),
                              {formula, terms, nu});
        } else if ((choices_.function == FunctionKind::SimpleWaves)) {
            text = FillIn(Translate("Form1", "%1 with φ = %2, ν = %3 cycles per second."),
                          {formula, state_.Get(Field::simplePhase), nu});
        }
        if (text.empty())
            text = FillIn(Translate("Form1", "%1, ν = %2 cycles per second."), {formula, nu});
    }
    const int n = state_.sampleList.Whole(0);
    double low = 0, high = 0;
    for (int k = 1; k <= n && k < state_.sampleList.Count(); ++k) {
        const double v = state_.sampleList.Value(k);
        low = k == 1 ? v : std::min(low, v);
        high = k == 1 ? v : std::max(high, v);
    }
    return text + " " +
           FillIn(Translate("Form1", "%1 points over %2 seconds, values from %3 to %4."),
                  {std::to_string(n), state_.Get(Field::dataExtensionSeconds), NumberText(low),
                   NumberText(high)});
}

// Where the keyboard cursor of a graph stands, and what Enter does there now.
std::string MainWindowModel::KeyCursorText(const std::string& graph) const {
    std::string text;
    auto cursorAt = [&text](const std::string& reading) {
        text = " " + FillIn(Translate("Form1", "Keyboard cursor at %1."), {reading});
    };
    if (graph == "Picture1") {
        if (const std::optional<double> f = FrequencyUnder(view_.Line(kFftKeyCursor).X1))
            cursorAt(FrequencyReadout(*f, BinHertz()) + " Hz");
        if (ExpansionRunning())
            text += " " + Translate("Form1",
                                    "Choosing the region to expand: press Enter at each of its "
                                    "limits, or Escape to cancel.");
        if (ExpansionRunning() && state_.expansionClickCount == 1)
            text += " " + Translate("Form1", "The first limit is set.");
    } else {
        const double f = KeyboardFrequency(view_.Line(kMusicKeyCursor).X1);
        cursorAt(WithNoteName(FrequencyReadout(f, BinHertz()) + " Hz", f));
    }
    if (MarkersShown() && !MarkersFrozen())
        text += " " + Translate("Form1", "Enter places the harmonic markers at the cursor.");
    return text;
}

Description MainWindowModel::Describe(const std::string& control) const {
    const bool computed = state_.graphValueList.Count() > 1;
    // `kind` says what the graph is, and where what it shows now goes.
    auto spectrum = [&](const char* kind, bool notes, const std::string& graph) {
        if (!computed)
            return FillIn(Translate("Form1", kind), {Translate("Form1", "Nothing computed yet.")});
        std::string quantity;
        const std::pair<DisplayOption, const char*> options[] = {
            {DisplayOption::Imaginary, "Option1"},
            {DisplayOption::Real, "Option2"},
            {DisplayOption::RealGlobal, "Option3"},
            {DisplayOption::Rho, "Option8"},
            {DisplayOption::Both, "Option10"}};
        for (const auto& [option, control] : options)
            if (choices_.display == option)
                quantity = Translate("Form1", view_[control].caption) + ". ";
        return FillIn(Translate("Form1", kind), {quantity + PeaksText(PeaksShown(), notes)}) +
               KeyCursorText(graph);
    };
    auto named = [](const char* name, std::string text) {
        return Description{Translate("Form1", name), std::move(text)};
    };
    if (control == "Picture1")
        return named(QT_TRANSLATE_NOOP("Form1", "FFT graph"),
                     spectrum(QT_TRANSLATE_NOOP("Form1", "The Fourier transform of f(t): %1"),
                              false, control));
    if (control == "Picture2")
        return named(QT_TRANSLATE_NOOP("Form1", "Graph of f(t)"), FunctionText());
    if (control == "Picture4" || control == "Picture5")
        return named(QT_TRANSLATE_NOOP("Form1", "Musical graph"),
                     spectrum(QT_TRANSLATE_NOOP("Form1",
                                                "The spectrum over a piano keyboard, on a "
                                                "logarithmic frequency axis: %1"),
                              true, "Picture5"));
    if (control == "Picture6" || control == "Picture8")
        return named(
            QT_TRANSLATE_NOOP("Form1", "Real part"),
            Translate("Form1", "The real parts (r) of the transform, one bar per frequency."));
    if (control == "Picture7" || control == "Picture9")
        return named(
            QT_TRANSLATE_NOOP("Form1", "Imaginary part"),
            Translate("Form1", "The imaginary parts (i) of the transform, one bar per frequency."));
    return {};
}

}  // namespace quorbel
