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
        {"tab to column c is character c-1; numbers keep their blanks; Symbol is Greek",
         [](Surface& s) {
             s.Print({P::Tab(5), P::Str("ab"), P::Tab(10), P::Num(-2), P::Num(5)}, true);
             s.SetFontName("Symbol");
             s.SetFontSize(20);
             s.Print({P::Str("r"), P::Tab(3), P::Str("q")});
         },
         {"    ab   -2  5 ρ", "  θ"}},
        {"graphics leave no mark; Cls empties the grid; inner empty rows stay",
         [](Surface& s) {
             s.PrintText("gone");
             s.Cls();
             s.Line(0, 0, 900, 0);
             s.Circle(0, 0, 100);
             s.PSet(0, 2 * TextGridSurface::kCellHeight);
             s.PrintText("kept");
             s.Print({});
         },
         {"", "", "kept"}},
        {"later text overwrites cells; positions off the grid are dropped",
         [](Surface& s) {
             s.PrintText("aaaa", true);
             s.SetCurrentX(TextGridSurface::kCellWidth);
             s.PrintText("b");
             s.SetCurrentX(-2 * TextGridSurface::kCellWidth);
             s.PrintText("xyz");
             s.SetCurrentY(1e12);
             s.PrintText("far");
         },
         {"abaa", "z"}},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        TextGridSurface grid(6690, 8145);
        c.print(grid);
        EXPECT_EQ(grid.Lines(), c.rows);
    }
}

}  // namespace
}  // namespace quorbel
