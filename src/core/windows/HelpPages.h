#pragma once
// The texts of the two help pages and how they are set: Times New Roman, a bold
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

// Clears `surface` and sets the page on it from its top-left corner.
void DrawHelpPage(Surface& surface, const HelpPage& page);

// The colour of emphasised runs.
inline constexpr Color kHelpEmphasis = colors::kDarkBlue;

}  // namespace quorbel
