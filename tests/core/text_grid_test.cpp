// The Symbol font translation and the character-grid surface of the plain-text report.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "surface/SymbolFont.h"
#include "surface/TextGridSurface.h"

namespace quorbel {
namespace {

using Lines = std::vector<std::string>;

TEST(SymbolFont, TranslatesLettersAndTheMultiplicationSignKeepsTheRest) {
    const struct {
        std::string symbol, shown;
    } cases[] = {
        {"n", "ν"},
        {"f", "φ"},
        {"q", "θ"},
        {"r", "ρ"},
        {"p", "π"},
        {"a", "α"},
        {"b", "β"},
        {"l", "λ"},
        {"m", "μ"},
        {"w", "ω"},
        {"D", "Δ"},
        {"2pn", "2πν"},
        {"\xB4", "×"},
        {"*", "×"},
        {"´", "×"},
        {"2 \xB4 3", "2 × 3"},
        {"0123 (=+-/)", "0123 (=+-/)"},
        {"ν°", "ν°"},
        {"", ""},
        {"\xE9", "é"},  // a lone byte reads as its Latin-1 character
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.symbol);
        EXPECT_EQ(SymbolToUnicode(c.symbol), c.shown);
        EXPECT_EQ(Utf8Characters(c.shown).size(), Utf8Characters(c.symbol).size());
    }
}

TEST(SymbolFont, IsRecognisedWhateverTheCase) {
    EXPECT_TRUE(IsSymbolFont("Symbol"));
    EXPECT_TRUE(IsSymbolFont("SYMBOL"));
    EXPECT_FALSE(IsSymbolFont("Symbols"));
    EXPECT_FALSE(IsSymbolFont("Arial"));
}

// Each case prints on a fresh grid and expects its rows.
TEST(TextGrid, LaysPrintedTextOnCharacterCells) {
    using P = PrintItem;
    const struct {
        const char* name;
        void (*print)(Surface&);
        Lines rows;
    } cases[] = {
        {"tab to column c is character c-1",
         [](Surface& s) {
             s.Print({P::Tab(5), P::Str("ab"), P::Tab(10), P::Num(-2)});
         },
         {"    ab   -2"}},
        {"numbers keep their blanks, text continues behind them",
         [](Surface& s) {
             s.Print({P::Num(5), P::Str("|")});
         },
         {" 5 |"}},
        {"a tab behind the text goes to the next row",
         [](Surface& s) {
             s.Print({P::Str("abcdef"), P::Tab(3), P::Str("x")});
         },
         {"abcdef", "  x"}},
        {"one row per line whatever the font size; inner empty rows kept",
         [](Surface& s) {
             s.SetFontSize(14);
             s.PrintText("big");
             s.SetFontSize(8);
             s.Print({});
             s.PrintText("small");
             s.Print({});
         },
         {"big", "", "small"}},
        {"Symbol text shows as Greek, one column a letter",
         [](Surface& s) {
             s.Print({P::Str("(")}, true);
             s.SetFontName("Symbol");
             s.Print({P::Str("r")}, true);
             s.SetFontName("Arial");
             s.Print({P::Str(")"), P::Tab(6), P::Str("|")});
         },
         {"(ρ)  |"}},
        {"graphics leave no mark; Cls empties the grid",
         [](Surface& s) {
             s.PrintText("gone");
             s.Cls();
             s.Line(0, 0, 900, 0);
             s.PSet(0, 195);
             s.Circle(0, 0, 100);
             s.SetCurrentX(0);
             s.SetCurrentY(195);
             s.PrintText("kept");
         },
         {"", "kept"}},
        {"later text overwrites cells; positions off the grid are dropped",
         [](Surface& s) {
             s.PrintText("aaaa", true);
             s.SetCurrentX(90);
             s.PrintText("b");
             s.SetCurrentX(-180);
             s.PrintText("xyz");
             s.SetCurrentY(1e12);
             s.PrintText("far");
         },
         {"abaa", "z"}},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        TextGridSurface grid(6690, 8145);
        grid.SetFontName("Arial");
        c.print(grid);
        EXPECT_EQ(grid.Lines(), c.rows);
    }
}

}  // namespace
}  // namespace quorbel
