#pragma once
// The paper the printed page is laid out for: the size of the user's locale. Most of
// the world prints on A4; the Americas from Canada to Chile and the Philippines print
// on US Letter. The locale is the one the C library would use for paper: LC_ALL when
// set, else LC_PAPER, else LANG, else the "C" locale (A4).
#include <functional>
#include <optional>
#include <string>

namespace quorbel {

enum class Paper { A4, Letter };

// Reads an environment variable; nullopt when it is not set.
using EnvironmentReader = std::function<std::optional<std::string>(const std::string&)>;

// The locale name that decides the paper: the first of LC_ALL, LC_PAPER and LANG that
// is set and not empty, or "C".
std::string PaperLocaleName(const EnvironmentReader& environment);

// The paper of a locale name "language_TERRITORY.codeset@modifier", by its territory.
Paper PaperOfTerritory(const std::string& localeName);

// The paper of a locale name: the size the C library's locale data gives for it when
// that locale is installed (paper height 279 mm is Letter), else by its territory.
Paper PaperOfLocale(const std::string& localeName);

// The paper of this process's environment.
Paper LocalePaper();

// The sheet in twips and the margins of the printed page: a quarter inch all round,
// less on the right of an A4 sheet, which is 334 twips narrower than Letter, so that
// the printed graph's border (11215 twips from the left margin) still fits.
struct PaperLayout {
    double widthTwips = 0, heightTwips = 0;
    double left = 0, top = 0, right = 0, bottom = 0;  // margins, twips
    double PrintableWidth() const { return widthTwips - left - right; }
    double PrintableHeight() const { return heightTwips - top - bottom; }
};
PaperLayout LayoutOf(Paper paper);

const char* PaperName(Paper paper);  // "A4" or "Letter"

}  // namespace quorbel
