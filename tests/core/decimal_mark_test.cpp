// The student's decimal mark: where the language writes "0,5", what is typed into a
// number field is stored with the program's point as it enters the field; text that
// is no number either way is still refused, with the marks accepted named.
#include <gtest/gtest.h>

#include <string>

#include "ModelFixture.h"
#include "platform/DecimalMark.h"

namespace quorbel::testing {
namespace {

TEST(DecimalMarks, CommaTakenOnlyWhereItMakesANumber) {
    const std::pair<const char*, const char*> cases[] = {
        // typed, stored
        {"0,5", "0.5"},     {"0.5", "0.5"},       {"-,5", "-.5"},
        {"+3,25", "+3.25"}, {"1,5E-3", "1.5E-3"}, {" 2,5 ", " 2.5 "},
        {"1024", "1024"},   {"2,5x", "2,5x"},     {"x2,5", "x2,5"},
        {"1,5,0", "1,5,0"}, {"1.5,0", "1.5,0"},   {",", ","},
        {"", ""},           {"2 ,5", "2 ,5"},     {"1,5e400", "1,5e400"}};
    for (const auto& [typed, stored] : cases) {
        EXPECT_EQ(EnteredNumberText(typed, DecimalMarks::CommaOrPoint), stored) << typed;
        EXPECT_EQ(EnteredNumberText(typed, DecimalMarks::Point), typed) << typed;
    }
    for (const char* language : {"pt_BR", "pt", "es", "es_MX"})
        EXPECT_EQ(LanguageDecimalMarks(language), DecimalMarks::CommaOrPoint) << language;
    for (const char* language : {"", "en", "en_GB", "C"})
        EXPECT_EQ(LanguageDecimalMarks(language), DecimalMarks::Point) << language;
}

class CommaFields : public ModelFixture {
  protected:
    CommaFields() { SetTypedDecimalMarks(DecimalMarks::CommaOrPoint); }
    ~CommaFields() override { SetTypedDecimalMarks(DecimalMarks::Point); }
    // The one message "Both" gives, or "" when it gives none.
    std::string Calculated() {
        platform.messages.clear();
        Press("Command17");
        EXPECT_LE(platform.messages.size(), 1u);
        return platform.messages.empty() ? "" : platform.messages[0];
    }
};

TEST_F(CommaFields, TheWaveTableTakesTwoCommaFive) {
    Loaded();
    for (const auto& [cell, field, row] : {std::tuple{"Text3(0)", Field::amplitudeA, 0},
                                           {"Text4(1)", Field::multiplierB, 1},
                                           {"Text5(2)", Field::phasePhi, 2}}) {
        ASSERT_TRUE(Model().Type(cell, "2,5"));
        EXPECT_EQ(State().Get(field, row), "2.5");
        EXPECT_EQ(Calculated(), "") << cell;
        ASSERT_TRUE(Model().Type(cell, "2,5x"));
        EXPECT_NE(Calculated().find("\"2,5x\", which is not a number. Type a number, with a comma "
                                    "or a point (0,5 or 0.5) as the decimal mark"),
                  std::string::npos);
        ASSERT_TRUE(Model().Type(cell, "1"));
    }
    SetTypedDecimalMarks(DecimalMarks::Point);
    ASSERT_TRUE(Model().Type("Text2", "2,5"));
    EXPECT_NE(Calculated().find("with a point (0.5) as the decimal mark"), std::string::npos);
}

TEST_F(CommaFields, TheOpeningParametersAreSavedWithThePoint) {
    Loaded();
    ASSERT_TRUE(Model().Fire("mnuConfigInitItem", Event::Click));
    ASSERT_TRUE(Model().OpeningParams().Type("Text2", "30,5"));
    ASSERT_TRUE(Model().OpeningParams().Fire("Command1", Event::Click));
    EXPECT_TRUE(platform.messages.empty());
    EXPECT_EQ(ReadParams().rfind("1024,30.5\r\n", 0), 0u) << ReadParams();
}

}  // namespace
}  // namespace quorbel::testing
