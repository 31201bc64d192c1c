// Lists keep numbers and write their text only when it is asked for; what they read
// back must be, to the last bit, what the text reads as.
#include <gtest/gtest.h>

#include <bit>
#include <cmath>
#include <cstdint>
#include <functional>
#include <limits>
#include <random>
#include <string>
#include <vector>

#include "CaseName.h"
#include "state/DataList.h"
#include "state/NumberText.h"

namespace quorbel {
namespace {

constexpr double kInf = std::numeric_limits<double>::infinity();

// A family of values and how many of them to draw, from a fixed seed.
struct Family {
    std::string name;
    std::function<double(std::mt19937_64&)> draw;
    int count = 200000;
};
void PrintTo(const Family& family, std::ostream* os) {
    *os << family.name;
}

double Power10(int k) {
    return std::pow(10.0, k);
}

const Family kFamilies[] = {
    // Any double at all: every exponent, both signs, some beyond the quick reading.
    {"AnyBitPattern",
     [](std::mt19937_64& g) {
         double x = std::bit_cast<double>(g());
         return std::isnan(x) ? 0.5 : x;
     }},
    // Magnitudes from 1e-12 to 1e18, spread evenly over the decades.
    {"EveryDecade",
     [](std::mt19937_64& g) {
         std::uniform_real_distribution<double> e(-12, 18);
         return (g() & 1 ? -1 : 1) * std::pow(10.0, e(g));
     }},
    // Fifteen digits and a half: the product is a hair from the rounding's turn.
    {"NearAHalfInTheSixteenthDigit",
     [](std::mt19937_64& g) {
         std::uniform_int_distribution<std::int64_t> digits(100000000000000, 999999999999999);
         std::uniform_int_distribution<int> k(0, 22), ulps(-3, 3);
         double x = (static_cast<double>(digits(g)) + 0.5) / Power10(k(g));
         for (int u = ulps(g); u != 0; u += u > 0 ? -1 : 1)
             x = std::nextafter(x, u > 0 ? kInf : 0.0);
         return x;
     }},
    // Next to powers of ten, where the number of digits before the point changes.
    {"NearPowersOfTen",
     [](std::mt19937_64& g) {
         std::uniform_int_distribution<int> e(-9, 16), ulps(-4, 4);
         double x = Power10(e(g));
         for (int u = ulps(g); u != 0; u += u > 0 ? -1 : 1)
             x = std::nextafter(x, u > 0 ? kInf : 0.0);
         return x;
     }},
    // Sixteen-bit samples scaled as sound data is, and sums of a few of them.
    {"ScaledSamples",
     [](std::mt19937_64& g) {
         std::uniform_int_distribution<int> s(-32768, 32767);
         return s(g) / 32768.0 * 128 + s(g) / 32768.0 * std::sqrt(2.0);
     }},
};

class TextValueTest : public ::testing::TestWithParam<Family> {};

TEST_P(TextValueTest, IsWhatTheTextReadsAsToTheLastBit) {
    std::mt19937_64 generator(20261207);
    int wrong = 0;
    for (int i = 0; i < GetParam().count; ++i) {
        const double x = GetParam().draw(generator);
        const double fromText = DecimalPrefix(NumberText(x));
        if (std::bit_cast<std::uint64_t>(TextValue(x)) != std::bit_cast<std::uint64_t>(fromText)) {
            if (++wrong <= 5)
                ADD_FAILURE() << "value " << std::hexfloat << x << " text " << NumberText(x)
                              << " read " << fromText << " quick " << TextValue(x);
        }
    }
    EXPECT_EQ(wrong, 0);
}

INSTANTIATE_TEST_SUITE_P(Families, TextValueTest, ::testing::ValuesIn(kFamilies),
                         testing::PrintedName());

// A list given a number reads exactly as one given the number's text.
class NumberLineTest : public ::testing::TestWithParam<double> {};

TEST_P(NumberLineTest, ReadsAsTheTextOfTheNumber) {
    const double x = GetParam();
    DataList numbers, texts;
    numbers.AddNumber(x);
    texts.Add(NumberText(x));
    EXPECT_EQ(std::bit_cast<std::uint64_t>(numbers.Value(0)),
              std::bit_cast<std::uint64_t>(texts.Value(0)));
    EXPECT_EQ(numbers.Whole(0), texts.Whole(0));
    EXPECT_EQ(numbers.AllFinite(), texts.AllFinite());
    // Copied line by line before and after its text has been written.
    DataList before, after;
    before.AddLineOf(numbers, 0);
    EXPECT_EQ(numbers.Line(0), texts.Line(0));
    after.AddLineOf(numbers, 0);
    EXPECT_EQ(before, texts);
    EXPECT_EQ(after, texts);
    EXPECT_EQ(numbers.Lines(), texts.Lines());
}

INSTANTIATE_TEST_SUITE_P(Values, NumberLineTest,
                         ::testing::Values(0.0, -0.0, 1.0 / 3, -2.5, 1024, 1e-5, 1.5e15, 3e9, -3e9,
                                           1e300, 5e-324, std::numeric_limits<double>::quiet_NaN(),
                                           kInf, -kInf),
                         testing::PrintedName());

TEST(DataListCopyTest, CopiesTextLinesNumberLinesAndMissingLines) {
    DataList from;
    from.Add("8");
    from.AddNumber(0.1 + 0.2);
    from.Add("abc");
    DataList copy;
    for (int i = 0; i <= from.Count(); ++i) copy.AddLineOf(from, i);
    EXPECT_EQ(copy.Lines(), (std::vector<std::string>{"8", "0.3", "abc", ""}));
    EXPECT_EQ(copy.Value(1), 0.3);
    EXPECT_EQ(copy.Whole(0), 8);
    copy.Clear();
    EXPECT_TRUE(copy.Empty());
    EXPECT_EQ(copy.Value(0), 0);
}

}  // namespace
}  // namespace quorbel
