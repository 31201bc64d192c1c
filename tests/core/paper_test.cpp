// The sheet of the printed page follows the user's locale: the variable the C library
// reads for paper (LC_ALL, then LC_PAPER, then LANG) names the locale, and its
// territory (or the installed locale's own data) says A4 or Letter.
#include "platform/Paper.h"

#include <gtest/gtest.h>

#include <map>
#include <string>

namespace quorbel {
namespace {

struct LocaleCase {
    const char* name;
    std::map<std::string, std::string> environment;
    const char* locale;  // the name that decides
    Paper paper;
};

class PaperOfLocaleTest : public ::testing::TestWithParam<LocaleCase> {};

TEST_P(PaperOfLocaleTest, VariableAndSheet) {
    const LocaleCase& c = GetParam();
    const std::string name =
        PaperLocaleName([&c](const std::string& variable) -> std::optional<std::string> {
            const auto it = c.environment.find(variable);
            if (it == c.environment.end()) return std::nullopt;
            return it->second;
        });
    EXPECT_EQ(name, c.locale);
    EXPECT_EQ(PaperOfLocale(name), c.paper) << PaperName(PaperOfLocale(name));
    // Installed or not, the locale's data and its territory agree.
    EXPECT_EQ(PaperOfTerritory(name), c.paper);
}

INSTANTIATE_TEST_SUITE_P(
    Environments, PaperOfLocaleTest,
    ::testing::Values(
        LocaleCase{"Nothing_set", {}, "C", Paper::A4},
        LocaleCase{"Lang_German", {{"LANG", "de_DE.UTF-8"}}, "de_DE.UTF-8", Paper::A4},
        LocaleCase{"Lang_British", {{"LANG", "en_GB.UTF-8"}}, "en_GB.UTF-8", Paper::A4},
        LocaleCase{"Lang_American", {{"LANG", "en_US.UTF-8"}}, "en_US.UTF-8", Paper::Letter},
        LocaleCase{"Lang_Canadian_French", {{"LANG", "fr_CA"}}, "fr_CA", Paper::Letter},
        LocaleCase{"Lang_Mexican_modifier",
                   {{"LANG", "es_MX.utf8@euro"}},
                   "es_MX.utf8@euro",
                   Paper::Letter},
        LocaleCase{"Lang_Philippine", {{"LANG", "fil_PH"}}, "fil_PH", Paper::Letter},
        LocaleCase{"Lang_Brazilian", {{"LANG", "pt_BR.UTF-8"}}, "pt_BR.UTF-8", Paper::A4},
        LocaleCase{
            "Lang_lower_case_territory", {{"LANG", "en_us.UTF-8"}}, "en_us.UTF-8", Paper::Letter},
        LocaleCase{"Paper_over_Lang",
                   {{"LANG", "en_US.UTF-8"}, {"LC_PAPER", "de_DE.UTF-8"}},
                   "de_DE.UTF-8",
                   Paper::A4},
        LocaleCase{"All_over_Paper",
                   {{"LC_PAPER", "de_DE.UTF-8"}, {"LC_ALL", "en_CA.UTF-8"}},
                   "en_CA.UTF-8",
                   Paper::Letter},
        LocaleCase{"Empty_All_ignored",
                   {{"LC_ALL", ""}, {"LC_PAPER", "en_US.UTF-8"}, {"LANG", "fr_FR"}},
                   "en_US.UTF-8",
                   Paper::Letter},
        LocaleCase{"C_UTF8", {{"LANG", "C.UTF-8"}}, "C.UTF-8", Paper::A4},
        LocaleCase{"POSIX", {{"LC_ALL", "POSIX"}}, "POSIX", Paper::A4},
        LocaleCase{"No_territory", {{"LANG", "en"}}, "en", Paper::A4}),
    [](const auto& info) { return std::string(info.param.name); });

struct SheetCase {
    Paper paper;
    double width, height;  // twips
};

class PaperSheetTest : public ::testing::TestWithParam<SheetCase> {};

// The sheet's size, and a printable area that holds the printed graph's border
// (11215 twips wide) and the page's 15120 twips of height.
TEST_P(PaperSheetTest, SizeAndPrintableArea) {
    const SheetCase& c = GetParam();
    const PaperLayout layout = LayoutOf(c.paper);
    EXPECT_EQ(layout.widthTwips, c.width);
    EXPECT_EQ(layout.heightTwips, c.height);
    EXPECT_GE(layout.PrintableWidth(), 11215);
    EXPECT_GE(layout.PrintableHeight(), 15120);
    EXPECT_GE(layout.right, 288);  // a fifth of an inch at least
}

INSTANTIATE_TEST_SUITE_P(Sheets, PaperSheetTest,
                         ::testing::Values(SheetCase{Paper::A4, 11906, 16838},
                                           SheetCase{Paper::Letter, 12240, 15840}),
                         [](const auto& info) { return std::string(PaperName(info.param.paper)); });

}  // namespace
}  // namespace quorbel
