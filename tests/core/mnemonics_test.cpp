// The letters of a menu's entries: unique within the menu, word starts first, a
// caption's own mark kept, and the caption otherwise unchanged.
#include "windows/Mnemonics.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "CaseName.h"

namespace quorbel::testing {
namespace {

struct MnemonicCase {
    const char* name;
    std::vector<std::string> captions;
    std::vector<std::string> marked;
};
void PrintTo(const MnemonicCase& c, std::ostream* out) {
    *out << c.name;
}

class MenuLetters : public ::testing::TestWithParam<MnemonicCase> {};

TEST_P(MenuLetters, AreUniqueAndLeaveTheCaption) {
    const MnemonicCase& c = GetParam();
    const auto offsets = MnemonicOffsets(c.captions);
    ASSERT_EQ(offsets.size(), c.captions.size());
    std::vector<std::string> marked;
    for (size_t k = 0; k < c.captions.size(); ++k)
        marked.push_back(WithMnemonic(c.captions[k], offsets[k]));
    EXPECT_EQ(marked, c.marked);
}

const MnemonicCase kMenus[] = {
    {"MenuBar",
     {"File", "Graph", "Waves", "Method", "Inverse", "Help"},
     {"&File", "&Graph", "&Waves", "&Method", "&Inverse", "&Help"}},
    {"SecondWordWhenTheFirstIsTaken",
     {"Print setup", "Print FFT graph", "Exit", "Export"},
     {"&Print setup", "Print &FFT graph", "&Exit", "E&xport"}},
    {"CaseIgnored", {"Points", "print"}, {"&Points", "p&rint"}},
    {"OwnMarkKeptAndReserved", {"System", "&Stop"}, {"S&ystem", "&Stop"}},
    {"GreekAndSymbolsSkipped", {"φ phase", "Σ sum"}, {"φ &phase", "Σ &sum"}},
    {"NoLetterLeft", {"ab", "ba", "a"}, {"&ab", "&ba", "a"}},
    {"LiteralAmpersandLeftAlone", {"Sin && Cos"}, {"Sin && Cos"}},
    {"Empty", {}, {}},
};

INSTANTIATE_TEST_SUITE_P(Menus, MenuLetters, ::testing::ValuesIn(kMenus), PrintedName());

}  // namespace
}  // namespace quorbel::testing
