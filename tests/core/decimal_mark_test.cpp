// The student's decimal mark: in a language that writes "0,5", what is typed into a
// number field is stored with the program's point as it enters the field, and only
// there; a text that is no number either way is still refused, and the message says
// which marks are accepted.
#include <gtest/gtest.h>

#include <algorithm>
#include <string>

#include "CaseName.h"
#include "EveryWindow.h"
#include "ModelFixture.h"
#include "platform/DecimalMark.h"
#include "state/NumberText.h"

namespace quorbel::testing {
namespace {

struct EntryCase {
    const char* typed;
    const char* withComma;  // stored where the language writes a comma
};
void PrintTo(const EntryCase& c, std::ostream* out) {
    *out << c.typed;
}

const EntryCase kEntries[] = {
    {"0,5", "0.5"},       {"0.5", "0.5"},       {"2,5", "2.5"},
    {"-,5", "-.5"},       {",5", ".5"},         {"+3,25", "+3.25"},
    {"1,5E-3", "1.5E-3"}, {" 2,5 ", " 2.5 "},   {"\t-0,125\t", "\t-0.125\t"},
    {"1024", "1024"},     {"1e5", "1e5"},       {"2,5x", "2,5x"},
    {"x2,5", "x2,5"},     {"1,5,0", "1,5,0"},   {"1.5,0", "1.5,0"},
    {"1,5.0", "1,5.0"},   {",", ","},           {"", ""},
    {"abc", "abc"},       {"2 ,5", "2 ,5"},     {"1,5e400", "1,5e400"},
    {"30,5", "30.5"},     {"0,0001", "0.0001"}, {"-1,0E+15", "-1.0E+15"},
};

class TypedNumber : public ::testing::TestWithParam<EntryCase> {};

TEST_P(TypedNumber, TakesTheCommaOnlyWhereTheLanguageWritesIt) {
    const EntryCase& c = GetParam();
    const std::string stored = EnteredNumberText(c.typed, DecimalMarks::CommaOrPoint);
    EXPECT_EQ(stored, c.withComma);
    // With the point only, nothing typed changes on its way in.
    EXPECT_EQ(EnteredNumberText(c.typed, DecimalMarks::Point), c.typed);
    // The comma never makes a number of a text the point would not.
    const std::string pointed = [&] {
        std::string t = c.typed;
        for (char& ch : t)
            if (ch == ',') ch = '.';
        return t;
    }();
    EXPECT_EQ(
        ParseNumber(stored).has_value(),
        ParseNumber(c.typed).has_value() || (std::string(c.typed).find('.') == std::string::npos &&
                                             ParseNumber(pointed).has_value() &&
                                             std::count(pointed.begin(), pointed.end(), '.') == 1));
}

INSTANTIATE_TEST_SUITE_P(Texts, TypedNumber, ::testing::ValuesIn(kEntries), [](const auto& info) {
    return std::to_string(info.index) + "_" + NameOfText(info.param.typed);
});

TEST(DecimalMarks, FollowTheLanguage) {
    const std::pair<const char*, DecimalMarks> cases[] = {{"pt_BR", DecimalMarks::CommaOrPoint},
                                                          {"es", DecimalMarks::CommaOrPoint},
                                                          {"pt", DecimalMarks::CommaOrPoint},
                                                          {"es_MX", DecimalMarks::CommaOrPoint},
                                                          {"", DecimalMarks::Point},
                                                          {"en", DecimalMarks::Point},
                                                          {"en_GB", DecimalMarks::Point},
                                                          {"C", DecimalMarks::Point}};
    for (const auto& [language, marks] : cases)
        EXPECT_EQ(LanguageDecimalMarks(language), marks) << language;
}

// A window whose fields take the decimal comma, the program's point again afterwards.
class CommaFields : public ModelFixture {
  protected:
    CommaFields() { SetTypedDecimalMarks(DecimalMarks::CommaOrPoint); }
    ~CommaFields() override { SetTypedDecimalMarks(DecimalMarks::Point); }
};

// The wave table's cells in Portuguese: "2,5" is 2.5 without a word, "2,5x" is refused
// with a message naming both marks.
TEST_F(CommaFields, TheWaveTableTakesTwoCommaFive) {
    Loaded();
    Press("mnuMultipleWavesItem");
    const struct {
        const char* cell;
        Field field;
        int row;
    } cells[] = {{"Text3(0)", Field::amplitudeA, 0},
                 {"Text4(1)", Field::multiplierB, 1},
                 {"Text5(2)", Field::phasePhi, 2}};
    for (const auto& cell : cells) {
        SCOPED_TRACE(cell.cell);
        platform.messages.clear();
        ASSERT_TRUE(Model().Type(cell.cell, "2,5"));
        EXPECT_EQ(State().Get(cell.field, cell.row), "2.5");
        Press("Command17");
        EXPECT_TRUE(platform.messages.empty()) << platform.messages.front();
        ASSERT_TRUE(Model().Type(cell.cell, "2,5x"));
        EXPECT_EQ(State().Get(cell.field, cell.row), "2,5x");
        Press("Command17");
        ASSERT_EQ(platform.messages.size(), 1u);
        EXPECT_NE(platform.messages[0].find("\"2,5x\", which is not a number. Type a number, with "
                                            "a comma or a point (0,5 or 0.5) as the decimal mark"),
                  std::string::npos)
            << platform.messages[0];
        ASSERT_TRUE(Model().Type(cell.cell, "1"));
    }
}

TEST_F(CommaFields, OnlyThePointIsNamedWhereTheLanguageWritesIt) {
    SetTypedDecimalMarks(DecimalMarks::Point);
    Loaded();
    ASSERT_TRUE(Model().Type("Text2", "2,5"));
    EXPECT_EQ(State().Get(Field::cyclesPerSecond), "2,5");
    Press("Command17");
    ASSERT_EQ(platform.messages.size(), 1u);
    EXPECT_NE(platform.messages[0].find("with a point (0.5) as the decimal mark"),
              std::string::npos)
        << platform.messages[0];
}

// The opening parameters saved from "30,5" are written with the point.
TEST_F(CommaFields, TheFileKeepsThePoint) {
    Loaded();
    ASSERT_TRUE(Model().Fire("mnuConfigInitItem", Event::Click));
    OpeningParamsModel& dialog = Model().OpeningParams();
    ASSERT_TRUE(dialog.Type("Text2", "30,5"));
    ASSERT_TRUE(dialog.Type("Text4(0)", "0,25"));
    ASSERT_TRUE(dialog.Fire("Command1", Event::Click));
    EXPECT_TRUE(platform.messages.empty());
    const std::string file = ReadParams();
    EXPECT_NE(file.find("30.5"), std::string::npos) << file;
    EXPECT_NE(file.find("0.25"), std::string::npos) << file;
    EXPECT_EQ(file.find("30,5"), std::string::npos) << file;
    ASSERT_TRUE(Model().Form_Load());
    EXPECT_EQ(State().Get(Field::cyclesPerSecond), "30.5");
}

// Every box of every window that takes typing stores "0,5" as it stores "0.5".
class EveryTypedBox : public CommaFields, public ::testing::WithParamInterface<WindowEntry> {};

TEST_P(EveryTypedBox, StoresTheCommaAsThePoint) {
    Loaded();
    Window& window = GetParam().model(Model());
    int typed = 0;
    for (const std::string& control : window.BoundControls()) {
        if (!window.Type(control, "0.5")) continue;
        const std::optional<std::string> point = window.BoundText(control);
        ASSERT_TRUE(window.Type(control, "0,5"));
        EXPECT_EQ(window.BoundText(control), point) << control;
        ++typed;
    }
    // The windows with number boxes have at least one reachable when they are loaded.
    const std::string name = GetParam().name;
    if (name == "Form1" || name == "Form2" || name == "Form6") {
        EXPECT_GT(typed, 0);
    }
}

INSTANTIATE_TEST_SUITE_P(Windows, EveryTypedBox, EveryWindow(), WindowName());

}  // namespace
}  // namespace quorbel::testing
