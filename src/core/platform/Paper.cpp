#include "platform/Paper.h"

#include <array>
#include <cstdlib>
#include <string_view>

#if defined(__GLIBC__)
#include <langinfo.h>
#include <locale.h>
#endif

namespace quorbel {

namespace {

// Territories whose locales print on Letter (their C-library locales give 279 x 216 mm).
constexpr std::array<std::string_view, 16> kLetterTerritories = {
    "US", "CA", "MX", "CL", "CO", "CR", "GT", "NI", "PA", "PR", "SV", "VE", "PH", "DO", "BZ", "HN"};

// The territory of "ll_TT.codeset@modifier", upper case; empty when there is none.
std::string TerritoryOf(const std::string& localeName) {
    const size_t underscore = localeName.find('_');
    if (underscore == std::string::npos) return {};
    const size_t end = localeName.find_first_of(".@", underscore + 1);
    std::string territory = localeName.substr(
        underscore + 1, end == std::string::npos ? std::string::npos : end - underscore - 1);
    for (char& c : territory)
        if (c >= 'a' && c <= 'z') c = static_cast<char>(c - 'a' + 'A');
    return territory;
}

// The paper height the C library's data gives for an installed locale, millimetres.
std::optional<int> LibraryPaperHeight(const std::string& localeName) {
#if defined(__GLIBC__) && defined(LC_PAPER_MASK)
    const locale_t locale = newlocale(LC_PAPER_MASK, localeName.c_str(), static_cast<locale_t>(0));
    if (locale == static_cast<locale_t>(0)) return std::nullopt;
    // The paper's numbers are words stored where nl_langinfo keeps its strings.
    union {
        const char* string;
        unsigned int word;
    } height;
    height.string = nl_langinfo_l(_NL_PAPER_HEIGHT, locale);
    const int millimetres = static_cast<int>(height.word);
    freelocale(locale);
    return millimetres;
#else
    (void)localeName;
    return std::nullopt;
#endif
}

}  // namespace

std::string PaperLocaleName(const EnvironmentReader& environment) {
    for (const char* variable : {"LC_ALL", "LC_PAPER", "LANG"}) {
        const std::optional<std::string> value = environment(variable);
        if (value && !value->empty()) return *value;
    }
    return "C";
}

Paper PaperOfTerritory(const std::string& localeName) {
    const std::string territory = TerritoryOf(localeName);
    for (std::string_view letter : kLetterTerritories)
        if (territory == letter) return Paper::Letter;
    return Paper::A4;
}

Paper PaperOfLocale(const std::string& localeName) {
    // "C" and "POSIX" are installed everywhere and say A4, as the territory rule does.
    if (const std::optional<int> height = LibraryPaperHeight(localeName))
        return *height == 279 ? Paper::Letter : Paper::A4;
    return PaperOfTerritory(localeName);
}

Paper LocalePaper() {
    return PaperOfLocale(PaperLocaleName([](const std::string& name) -> std::optional<std::string> {
        const char* value = std::getenv(name.c_str());
        if (!value) return std::nullopt;
        return std::string(value);
    }));
}

PaperLayout LayoutOf(Paper paper) {
    constexpr double kQuarterInch = 360;
    if (paper == Paper::Letter)
        return {12240, 15840, kQuarterInch, kQuarterInch, kQuarterInch, kQuarterInch};
    // 210 x 297 mm.
    return {11906, 16838, kQuarterInch, kQuarterInch, 288, kQuarterInch};
}

const char* PaperName(Paper paper) {
    return paper == Paper::Letter ? "Letter" : "A4";
}

}  // namespace quorbel
