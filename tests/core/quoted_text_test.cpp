// User text quoted into messages: short, printable, cut with an ellipsis.
#include <gtest/gtest.h>

#include <string>

#include "CaseName.h"
#include "ModelFixture.h"
#include "state/QuotedText.h"

namespace quorbel::testing {
namespace {

struct QuoteCase {
    std::string text;
    std::string quote;
};

void PrintTo(const QuoteCase& c, std::ostream* out) {
    *out << c.quote;
}

class QuotedTextTest : public ::testing::TestWithParam<QuoteCase> {};

TEST_P(QuotedTextTest, QuotesAtMostFortyPrintableCharacters) {
    EXPECT_EQ(QuotedText(GetParam().text), GetParam().quote);
}

INSTANTIATE_TEST_SUITE_P(
    Texts, QuotedTextTest,
    ::testing::Values(QuoteCase{"3O", "\"3O\""}, QuoteCase{"", "\"\""},
                      QuoteCase{std::string(40, '7'), "\"" + std::string(40, '7') + "\""},
                      QuoteCase{std::string(41, '7'), "\"" + std::string(40, '7') + "…\""},
                      QuoteCase{"a\nb\rc\td", "\"a\\nb\\rc\\td\""},
                      QuoteCase{std::string("1\0002", 3), "\"1\\02\""},
                      QuoteCase{"\x1b[2J\x7f", "\"\\x1B[2J\\x7F\""},
                      QuoteCase{"\xc2\x85", "\"\\u0085\""},  // NEXT LINE, a C1 control
                      QuoteCase{"φ=π", "\"φ=π\""},           // characters, not bytes, are counted
                      QuoteCase{std::string(39, 'x') + "φφ", "\"" + std::string(39, 'x') + "φ…\""},
                      QuoteCase{"\xff\xc3", "\"\\xFF\\xC3\""},  // not UTF-8, and a cut character
                      QuoteCase{"\xe0\x80\x80", "\"\\xE0\\x80\\x80\""}),  // overlong
    PrintedName());

// Built when the test runs, not when the program starts.
TEST(QuotedTextTest, TenMillionCharactersAreCutToForty) {
    EXPECT_EQ(QuotedText(std::string(10'000'000, 'x')), "\"" + std::string(40, 'x') + "…\"");
}

using QuotedMessagesTest = ModelFixture;

TEST_F(QuotedMessagesTest, RefusedFieldTextIsQuotedShortAndEscaped) {
    Loaded();
    const std::string hostile = std::string("\x1b]0;", 4) + std::string(5000, '9') + "\n";
    for (Field field :
         {Field::cyclesPerSecond, Field::amplitudeA, Field::multiplierB, Field::phasePhi}) {
        SCOPED_TRACE(static_cast<int>(field));
        platform.messages.clear();
        Model().SetField(field, hostile);
        Press("Command17");
        ASSERT_EQ(platform.messages.size(), 1u);
        const std::string& message = platform.messages[0];
        EXPECT_NE(message.find(QuotedText(hostile)), std::string::npos);
        EXPECT_LT(message.size(), 300u);
        for (char c : message) ASSERT_FALSE(c >= 0 && c < 0x20) << message;
        Model().SetField(field, "1");
    }
}

}  // namespace
}  // namespace quorbel::testing
