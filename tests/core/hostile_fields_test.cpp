// Every editable field of every window against what a new user or a stray paste puts
// there. A text that is not a finite number is refused with a message that names the
// field; nothing is computed or written. Finite oddities ("-0", forty digits) are
// numbers and are used.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "CaseName.h"
#include "ModelFixture.h"

namespace quorbel::testing {
namespace {

struct Input {
    const char* text;
    bool number;  // a finite number once read in full
};
const Input kInputs[] = {
    {"", false},
    {"abc", false},
    {"1e999", false},
    {"nan", false},
    {"inf", false},
    {"-0", true},
    {"1234567890123456789012345678901234567890", true},
    {"1,5", false},
    {"-", false},
    {" \t ", false},
};

struct FieldCase {
    const char* window;   // "main", "simple" (main window, simple waves) or "dialog"
    const char* control;  // the text box
    const char* named;    // how the message names it
};

std::vector<FieldCase> Fields() {
    std::vector<FieldCase> fields = {{"main", "Text2", "Number of cycles (per second)"},
                                     {"simple", "Text8", "Phase"},
                                     {"dialog", "Text6", "Total number of points"},
                                     {"dialog", "Text2", "Number of cycles (per second)"}};
    static std::vector<std::string> names;  // keeps the generated texts alive
    names.reserve(200);
    for (int row = 0; row < kTableRows; ++row) {
        const std::string r = std::to_string(row);
        const std::string shown = " (row " + std::to_string(row + 1) + ")";
        const std::pair<const char*, const char*> columns[][2] = {
            {{"Text3", "a"}, {"Text3", "a"}},
            {{"Text4", "b"}, {"Text4", "b"}},
            {{"Text5", "phase"}, {"Text5", "φ"}},
        };
        for (const auto& column : columns) {
            for (int dialog = 0; dialog < 2; ++dialog) {
                names.push_back(std::string(column[dialog].first) + "(" + r + ")");
                const char* control = names.back().c_str();
                names.push_back(column[dialog].second + shown);
                fields.push_back({dialog ? "dialog" : "main", control, names.back().c_str()});
            }
        }
    }
    return fields;
}

class HostileFieldTest : public ModelFixture, public ::testing::WithParamInterface<FieldCase> {};

TEST_P(HostileFieldTest, RefusedWithItsNameOrUsedAsANumber) {
    const FieldCase& c = GetParam();
    const bool dialog = std::string(c.window) == "dialog";
    // The dialog's points are a whole number from 1 to 32768, as the file's reader
    // takes them: none of these is one.
    const bool points = dialog && std::string(c.control) == "Text6";
    for (const Input& input : kInputs) {
        SCOPED_TRACE(std::string(c.control) + " <- \"" + input.text + "\"");
        Loaded();
        if (std::string(c.window) == "simple") {
            Model().Fire("mnuSimpleWavesItem", Event::Click);
            Model().Fire("Option4", Event::MouseDown);
            Model().Fire("Option4", Event::Click);
        }
        if (dialog) Model().Fire("mnuConfigInitItem", Event::Click);
        Window& window = dialog ? static_cast<Window&>(Model().OpeningParams()) : Model();
        const std::string fileBefore = ReadParams();
        const DataList samples = State().sampleList, spectrum = State().spectrumList;
        platform.messages.clear();

        ASSERT_TRUE(window.Type(c.control, input.text));
        ASSERT_TRUE(window.Fire(dialog ? "Command1" : "Command17", Event::Click));

        const bool accepted = !points && input.number;
        if (accepted) {
            EXPECT_TRUE(platform.messages.empty());
            if (!dialog) {
                EXPECT_EQ(State().plotState(), "10");
            }
            continue;
        }
        ASSERT_EQ(platform.messages.size(), 1u);
        EXPECT_NE(platform.messages[0].find(std::string("\"") + c.named + "\""), std::string::npos)
            << platform.messages[0];
        EXPECT_EQ(ReadParams(), fileBefore);
        EXPECT_EQ(State().sampleList, samples);
        EXPECT_EQ(State().spectrumList, spectrum);
        if (!dialog) {
            EXPECT_NE(State().plotState(), "10");
        }
    }
}

INSTANTIATE_TEST_SUITE_P(EveryField, HostileFieldTest, ::testing::ValuesIn(Fields()),
                         [](const auto& info) {
                             return NameOfText(std::string(info.param.window) + " " +
                                               info.param.control);
                         });

}  // namespace
}  // namespace quorbel::testing
