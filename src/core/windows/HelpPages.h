#pragma once
// The texts of the help pages and how they are set: Times New Roman, a bold
// heading, and body lines made of runs. Emphasised runs stand out in bold italic dark
// blue; Greek runs are written in the "Symbol" font (f shows as φ).
#include <string>
#include <vector>

#include "surface/Surface.h"

namespace quorbel {

struct HelpRun {
    enum class Style { Plain, Emphasis, Greek };
    Style style = Style::Plain;
    std::string text;
};
using HelpLine = std::vector<HelpRun>;

struct HelpPage {
    std::string heading;
    std::vector<HelpLine> lines;  // an empty line separates paragraphs
};

const HelpPage& NyquistPage();
const HelpPage& PhasePage();

// A body line as one text to translate: emphasised runs between <i> and </i>, Greek
// runs between <g> and </g>, so a translation keeps the sentence whole and still marks
// what stands out. DecodeHelpLine reads such a text back into runs.
std::string EncodeHelpLine(const HelpLine& line);
HelpLine DecodeHelpLine(const std::string& text);

// The line in the user's language (context "Help"), or the line itself.
HelpLine TranslatedHelpLine(const HelpLine& line);

// Clears `surface` and sets the page on it from its top-left corner, in the user's
// language.
void DrawHelpPage(Surface& surface, const HelpPage& page);

// The same for a page whose body lines are paragraphs: each is broken into lines at
// its blanks so that none passes the surface's right margin (a word longer than a
// line stands alone on it), and an empty line leaves a gap of half a line.
void DrawWrappedHelpPage(Surface& surface, const HelpPage& page);

// Where a page's text stands from the surface's left edge, and keeps from its right.
inline constexpr double kHelpMargin = 240;

// The colour of emphasised runs.
inline constexpr Color kHelpEmphasis = colors::kDarkBlue;

}  // namespace quorbel
