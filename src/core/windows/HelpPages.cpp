#include "windows/HelpPages.h"

#include <string_view>
#include <vector>

#include "platform/Translation.h"

namespace quorbel {

namespace {

HelpRun P(std::string text) {
    return {HelpRun::Style::Plain, std::move(text)};
}
HelpRun E(std::string text) {
    return {HelpRun::Style::Emphasis, std::move(text)};
}
HelpRun G(std::string symbolText) {
    return {HelpRun::Style::Greek, std::move(symbolText)};
}

}  // namespace

const HelpPage& NyquistPage() {
    static const HelpPage page{
        "Nyquist Frequency",
        {
            {P("The product of the "), E("number of cycles"), P(" by the constant "), E("b")},
            {P("should not be larger than 512 for any frequency in this program (which uses a "
               "fixed total")},
            {P("number of 1024 points), otherwise the range determined by the Nyquist critical "
               "frequency")},
            {P("will be exceeded (this means that there will be a frequency for which "), E("less"),
             P(" than two points")},
            {P("per cycle are collected). The result is that this frequency, out of the range, "
               "will be reflected")},
            {P("(or "), E("aliased"),
             P(") into the range, thus producing results that can be hard to understand.")},
        }};
    return page;
}

const HelpPage& PhasePage() {
    static const HelpPage page{
        "Phase (Report)",
        {
            {P("The "), E("phase"), P(" value shown in the "), E("Report"),
             P(" (which is produced under")},
            {P("request through the menu \"File\") is calculated on the assumption that the "),
             E("exact")},
            {P("value of the corresponding frequency is known. If this is not the case, the "
               "value")},
            {P("of phase shown has nothing to do with the actual value.")},
            {},
            {P("One should consider that the program uses, for this calculation,")},
            {P("the values of the real part and of the imaginary part of a "),
             E("certain frequency")},
            {P("found by the Fourier Transform, which can be an inexact value depending on")},
            {P("the size of the window, etc. For insta"),
             P("nce, in the case of \"Multiple Frequencies\",")},
            {P("if the value of the \"number of cycles\" (or some value of the \"b\" column) is "
               "a")},
            {P("fraction, some or all the frequencies can also be fractions; however, the "
               "Fourier")},
            {P("Transform will produce only integer values for the frequencies, as each point "
               "of")},
            {P("the Transform corresponds to 1 Hz, because the window width is 1 second.")},
            {P("Thus, the values of the real part and of the imaginary part which are used in "
               "the")},
            {P("calculation of the phase belong to an "), E("integer frequency"),
             P(", and not to the corre"), P("ct ")},
            {P("frequency, which is a fraction (and thus does not belong to the calculated")},
            {P("points). The result, obviously, will not be correct.")},
            {},
            {P("Try, for instance, the values 0, 1, 2, 3, 4, 5, 6 in the "), G("f")},
            {P("column, using the same values of "), E("a"), P(" and "), E("b"),
             P(" which are shown when the program is")},
            {P("opened (or just click the \"Example\" button on your left). Using as "),
             E("number of cycles")},
            {P(" an integer value (up to 52 Hz), the "), E("Report"),
             P(" will always show correct")},
            {P("values for the phases, while when using fraction values the results will not "
               "be")},
            {P("correct. Try also the "), E("number of cycles"), P("30.5"),
             P(": with this value, some of the")},
            {P("frequencies will be integer values (and the corresponding values of phases "
               "will")},
            {P("be very close to the correct values) while others will be fractions, and the")},
            {P("corresponding values of phases will not be correct.")},
            {P("A window (menu \"Window\") lowers all peaks by about the same factor. The "),
             E("Report"), P(" gives amplitudes")},
            {P("in percent of the largest, so they need no correction. A flat top reads "
               "amplitudes truly, as its")},
            {P("peak is flat; the rectangular window has the narrowest peak, so it separates "
               "close tones best.")},
        }};
    return page;
}

std::string EncodeHelpLine(const HelpLine& line) {
    std::string text;
    for (const HelpRun& run : line) {
        switch (run.style) {
            case HelpRun::Style::Plain:
                text += run.text;
                break;
            case HelpRun::Style::Emphasis:
                text += "<i>" + run.text + "</i>";
                break;
            case HelpRun::Style::Greek:
                text += "<g>" + run.text + "</g>";
                break;
        }
    }
    return text;
}

HelpLine DecodeHelpLine(const std::string& text) {
    HelpLine line;
    HelpRun::Style style = HelpRun::Style::Plain;
    std::string run;
    auto close = [&](HelpRun::Style next) {
        if (!run.empty()) line.push_back({style, run});
        run.clear();
        style = next;
    };
    for (size_t i = 0; i < text.size();) {
        const std::string_view rest = std::string_view(text).substr(i);
        if (rest.starts_with("<i>")) {
            close(HelpRun::Style::Emphasis);
            i += 3;
        } else if (rest.starts_with("<g>")) {
            close(HelpRun::Style::Greek);
            i += 3;
        } else if (rest.starts_with("</i>") || rest.starts_with("</g>")) {
            close(HelpRun::Style::Plain);
            i += 4;
        } else {
            run += text[i++];
        }
    }
    close(HelpRun::Style::Plain);
    return line;
}

HelpLine TranslatedHelpLine(const HelpLine& line) {
    // English keeps its runs exactly as written (a plain run may be split in two).
    const std::string english = EncodeHelpLine(line);
    const std::string translated = Translate("Help", english);
    return translated == english ? line : DecodeHelpLine(translated);
}

namespace {

void DrawHeading(Surface& surface, const HelpPage& page) {
    surface.Cls();
    surface.SetFontName("Times New Roman");
    surface.SetFontSize(14);
    surface.SetFontBold(true);
    surface.SetFontItalic(false);
    surface.SetForeColor(colors::kBlack);
    surface.SetCurrentX(kHelpMargin);
    surface.SetCurrentY(120);
    surface.PrintText(Translate("Help", page.heading));
    surface.PrintText("");
}

void SetRunFont(Surface& surface, HelpRun::Style style) {
    surface.SetFontName(style == HelpRun::Style::Greek ? "Symbol" : "Times New Roman");
    surface.SetFontSize(11);
    surface.SetFontBold(style == HelpRun::Style::Emphasis);
    surface.SetFontItalic(style == HelpRun::Style::Emphasis);
    surface.SetForeColor(style == HelpRun::Style::Plain ? colors::kBlack : kHelpEmphasis);
}

void EndPage(Surface& surface) {
    surface.SetFontName("Times New Roman");
    surface.SetFontBold(false);
    surface.SetFontItalic(false);
    surface.SetForeColor(colors::kBlack);
}

// A word of a paragraph: its pieces in their styles (a word may change style within
// it, as a colon after an emphasised caption does), the last one ending in the blank
// after the word, if any.
using HelpWord = std::vector<HelpRun>;

std::vector<HelpWord> WordsOf(const HelpLine& line) {
    std::vector<HelpWord> words(1);
    for (const HelpRun& run : line) {
        for (const char c : run.text) {
            HelpWord& word = words.back();
            if (word.empty() || word.back().style != run.style) word.push_back({run.style, ""});
            word.back().text += c;
            if (c == ' ') words.emplace_back();
        }
    }
    if (words.back().empty()) words.pop_back();
    return words;
}

// The width of `word` without its closing blank, each piece in its own font.
double InkWidth(Surface& surface, const HelpWord& word) {
    double width = 0;
    for (const HelpRun& piece : word) {
        SetRunFont(surface, piece.style);
        const bool last = &piece == &word.back();
        width += surface.TextWidth(last ? piece.text.substr(0, piece.text.find_last_not_of(' ') + 1)
                                        : piece.text);
    }
    return width;
}

// Sets the paragraph from the left margin on, going to a new line before a word that
// would pass `right`; a word longer than a line stands alone on it.
void SetParagraph(Surface& surface, const HelpLine& line, double right) {
    surface.SetCurrentX(kHelpMargin);
    for (const HelpWord& word : WordsOf(line)) {
        if (surface.CurrentX() > kHelpMargin &&
            surface.CurrentX() + InkWidth(surface, word) > right) {
            surface.PrintText("");
            surface.SetCurrentX(kHelpMargin);
        }
        for (const HelpRun& piece : word) {
            SetRunFont(surface, piece.style);
            surface.PrintText(piece.text, true);
        }
    }
    surface.PrintText("");
}

}  // namespace

void DrawHelpPage(Surface& surface, const HelpPage& page) {
    DrawHeading(surface, page);
    for (const HelpLine& english : page.lines) {
        surface.SetCurrentX(kHelpMargin);
        for (const HelpRun& run : TranslatedHelpLine(english)) {
            SetRunFont(surface, run.style);
            surface.PrintText(run.text, true);
        }
        surface.PrintText("");
    }
    EndPage(surface);
}

void DrawWrappedHelpPage(Surface& surface, const HelpPage& page) {
    DrawHeading(surface, page);
    const double right = surface.Width() - kHelpMargin;
    for (const HelpLine& english : page.lines) {
        if (english.empty()) {
            SetRunFont(surface, HelpRun::Style::Plain);
            surface.SetCurrentY(surface.CurrentY() + surface.TextHeight() / 2);
            continue;
        }
        SetParagraph(surface, TranslatedHelpLine(english), right);
    }
    EndPage(surface);
}

}  // namespace quorbel
