// The report window closes by its close box, its "Close" button and Escape, and by
// nothing else; its button covers nothing of the report; and a screen reader hears the
// report's text.
#include <gtest/gtest.h>

#include <string>

#include "CaseName.h"
#include "ModelFixture.h"
#include "windows/ReportWindowModel.h"

namespace quorbel::testing {
namespace {

struct CloseCase {
    std::string name;
    std::string control;
    Event event;
    EventArgs args;
    bool closes;
};
void PrintTo(const CloseCase& c, std::ostream* os) {
    *os << c.name;
}

class ReportWindowCloses : public ModelFixture, public ::testing::WithParamInterface<CloseCase> {};

TEST_P(ReportWindowCloses, OnlyWhenAskedTo) {
    const CloseCase& c = GetParam();
    Loaded();
    Press("mnuReport");
    ReportWindowModel& report = Model().Report();
    ASSERT_TRUE(report.View().shown);
    EXPECT_TRUE(report.Fire(c.control, c.event, c.args));
    EXPECT_EQ(report.View().shown, !c.closes);
    // The next report shows it again.
    Press("mnuReport");
    EXPECT_TRUE(report.View().shown);
}

INSTANTIATE_TEST_SUITE_P(
    Ways, ReportWindowCloses,
    ::testing::Values(
        CloseCase{"close box", "Form5", Event::Unload, {}, true},
        CloseCase{"Close button", "cmdClose", Event::Click, {}, true},
        CloseCase{"Escape", "Form5", Event::KeyPress, {.value = kKeyEscape}, true},
        CloseCase{
            "Shift Escape", "Form5", Event::KeyPress, {.shift = 1, .value = kKeyEscape}, true},
        CloseCase{"Return", "Form5", Event::KeyPress, {.value = kKeyReturn}, false},
        CloseCase{"Space", "Form5", Event::KeyPress, {.value = kKeySpace}, false},
        CloseCase{"a letter", "Form5", Event::KeyPress, {.value = 0}, false}),
    PrintedName());

// `text` with every run of blanks one blank, and none at its ends.
std::string Collapsed(const std::string& text) {
    std::string out;
    for (const char c : text)
        if (c != ' ' || (!out.empty() && out.back() != ' ')) out += c;
    while (!out.empty() && out.back() == ' ') out.pop_back();
    return out;
}

using ReportWindowWords = ModelFixture;

TEST_F(ReportWindowWords, ButtonUnderThePictureAndTheReportReadAloud) {
    const ViewState view = ReportWindowInitialView();
    const ControlState& button = view.controls.at("cmdClose");
    EXPECT_GE(button.top, kReportHeight);
    EXPECT_LE(button.top + button.height, view.height);
    EXPECT_GE(button.left, 0);
    EXPECT_LE(button.left + button.width, view.width);
    EXPECT_EQ(view.width, kReportWidth);

    Loaded();
    EXPECT_EQ(Model().Report().Describe("Form5").text, "");
    Press("mnuReport");
    const Description said = Model().Report().Describe("Form5");
    EXPECT_EQ(said.name, "Report");
    EXPECT_EQ(said.text.find("  "), std::string::npos) << said.text;
    EXPECT_EQ(said.text.find("\n\n"), std::string::npos) << said.text;
    // Every item written on the picture is heard.
    for (const std::string& item : form5.Texts()) {
        const std::string words = Collapsed(item);
        EXPECT_NE(said.text.find(words), std::string::npos) << words << " in\n" << said.text;
    }
    EXPECT_TRUE(Model().Report().Describe("cmdClose").text.empty());
}

}  // namespace
}  // namespace quorbel::testing
