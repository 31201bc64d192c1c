// One rule for the opening parameters: whatever the dialog saves, the next start takes
// as it was saved; whatever the start would set aside, the dialog refuses first, with a
// message, leaving the file as it was.
#include <gtest/gtest.h>

#include <cmath>
#include <filesystem>
#include <string>

#include "ModelFixture.h"
#include "state/NumberText.h"

namespace quorbel::testing {
namespace {

namespace fs = std::filesystem;

const char* const kTexts[] = {"1e308",   "-1e308",    "1.7976931348623157e308",
                              "1e200",   "1e154",     "1e150",
                              "1e39",    "2,048",     "1.5",
                              "1024abc", "1,5",       "32768",
                              "32769",   "0",         "-0",
                              "1e-320",  " 2.048e3 ", "4096",
                              "",        "abc",       "0x10"};
const char* const kControls[] = {"Text6", "Text2", "Text3(0)", "Text4(0)", "Text5(0)", "Text4(9)"};

class OpeningParamsRule : public ModelFixture, public ::testing::WithParamInterface<const char*> {};

TEST_P(OpeningParamsRule, WhatIsSavedIsTakenAtTheNextStart) {
    const std::string control = GetParam();
    Loaded();
    OpeningParamsModel& dialog = Model().OpeningParams();
    int saved = 0;
    for (const char* text : kTexts) {
        SCOPED_TRACE(text);
        ASSERT_TRUE(Model().Fire("mnuConfigInitItem", Event::Click));
        const std::string before = ReadParams();
        platform.messages.clear();
        ASSERT_TRUE(dialog.Type(control, text));
        ASSERT_TRUE(dialog.Fire("Command1", Event::Click));
        if (!platform.messages.empty()) {
            EXPECT_EQ(platform.messages.size(), 1u);
            EXPECT_EQ(ReadParams(), before);
            continue;
        }
        ++saved;
        // The value saved is the number typed (for the points, its leading number
        // rounded), never another one read from part of it.
        const std::string file = ReadParams();
        EXPECT_NE(file, before);
        const std::string typed = control == "Text6"
                                      ? NumberText(std::nearbyint(DecimalPrefix(text)))
                                      : NumberText(*ParseNumber(text));
        EXPECT_NE(file.find(typed), std::string::npos) << file;
        ASSERT_TRUE(Model().Form_Load());
        EXPECT_EQ(ReadParams(), file) << "the saved record was replaced";
        EXPECT_FALSE(fs::exists(dir_ / "Zparamfile.wr.bad"));
        if (control == "Text6") {
            EXPECT_EQ(State().Get(Field::totalPoints), typed);
        }
        ASSERT_TRUE(dialog.Fire("Command2", Event::Click));
        WriteParams(ParamFile::DefaultRecord());
    }
    EXPECT_GE(saved, 2);
}

INSTANTIATE_TEST_SUITE_P(Fields, OpeningParamsRule, ::testing::ValuesIn(kControls),
                         [](const auto& info) {
                             std::string name = info.param;
                             return name.substr(0, 5) + (name.size() > 5 ? name.substr(6, 1) : "");
                         });

class DialogRefusals : public ModelFixture {};

// Values once saved and then lost at the next start, or saved as another number.
TEST_F(DialogRefusals, NameTheFieldOrTheRange) {
    struct Case {
        const char* control;
        const char* text;
        std::string message;
    };
    const std::string range =
        "The function's values exceed the range of numbers; use smaller amplitudes or "
        "frequencies. Nothing was saved.";
    const std::string points =
        "which is not a whole number from 1 to 32768. Type a whole number of points and save "
        "again.";
    const Case cases[] = {
        {"Text2", "1e308", range},
        {"Text4(0)", "1e308", range},
        {"Text6", "2,048", "The field \"Total number of points\" holds \"2,048\", " + points},
        {"Text6", "1,5", points},
        {"Text6", "abc", points},
        {"Text2", "1,5",
         "The field \"Number of cycles (per second)\" holds \"1,5\", which is not a number. Type "
         "a number, with a point (0.5) as the decimal mark, and save again."},
    };
    Loaded();
    OpeningParamsModel& dialog = Model().OpeningParams();
    ASSERT_TRUE(Model().Fire("mnuConfigInitItem", Event::Click));
    for (const Case& c : cases) {
        SCOPED_TRACE(std::string(c.control) + " " + c.text);
        platform.messages.clear();
        ASSERT_TRUE(dialog.Type(c.control, c.text));
        ASSERT_TRUE(dialog.Fire("Command1", Event::Click));
        ASSERT_EQ(platform.messages.size(), 1u);
        EXPECT_NE(platform.messages[0].find(c.message), std::string::npos) << platform.messages[0];
        EXPECT_EQ(ReadParams(), ParamFile::DefaultRecord());
        ASSERT_TRUE(dialog.Type(c.control, c.control == std::string("Text6") ? "1024" : "1"));
    }
}

}  // namespace
}  // namespace quorbel::testing
