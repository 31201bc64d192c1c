// The keys of the main window's frequent actions: each action the user knows by its
// caption has its key, whatever the caption says at the moment, and every key in the
// table clicks a control that answers clicks, with no key given twice.
#include <gtest/gtest.h>

#include <map>
#include <string>
#include <vector>

#include "CaseName.h"
#include "ModelFixture.h"
#include "windows/ControlTable.h"

namespace quorbel::testing {
namespace {

struct ActionCase {
    const char* caption;
    const char* key;
    std::vector<const char*> pressedFirst;  // what brings the caption up
};
void PrintTo(const ActionCase& c, std::ostream* out) {
    *out << c.caption;
}

class ActionKey : public ModelFixture, public ::testing::WithParamInterface<ActionCase> {};

TEST_P(ActionKey, IsTheKeyOfTheControlShowingTheCaption) {
    Loaded();
    for (const char* control : GetParam().pressedFirst) Press(control);
    std::vector<std::string> shown;
    for (const auto& [name, control] : View().controls)
        if (control.caption == GetParam().caption && control.visible) shown.push_back(name);
    ASSERT_EQ(shown.size(), 1u) << GetParam().caption;
    EXPECT_EQ(View()[shown[0]].shortcut, GetParam().key);
}

INSTANTIATE_TEST_SUITE_P(
    FrequentActions, ActionKey,
    ::testing::Values(ActionCase{"Both", "Ctrl+B", {}}, ActionCase{"Only f(t)", "Ctrl+T", {}},
                      ActionCase{"Only FFT", "Ctrl+F", {}}, ActionCase{"Log", "Ctrl+L", {}},
                      ActionCase{"Lin", "Ctrl+L", {"Command3"}}, ActionCase{"Report", "Ctrl+R", {}},
                      ActionCase{"Inverse", "Ctrl+I", {}}),
    [](const auto& info) { return NameOfText(info.param.caption); });

class ShortcutRow : public ::testing::TestWithParam<ControlShortcut> {};

TEST_P(ShortcutRow, ClicksAControlAndIsGivenOnce) {
    const ControlShortcut& row = GetParam();
    const auto behaviours = BehavioursOfTable(MainWindowTable());
    const auto found = behaviours.find(row.control);
    ASSERT_NE(found, behaviours.end()) << row.control;
    EXPECT_TRUE(found->second.click) << row.control;
    int given = 0;
    for (const ControlShortcut& other : MainWindowShortcuts())
        given += std::string(other.key) == row.key;
    EXPECT_EQ(given, 1) << row.key;
    EXPECT_EQ(MainWindowInitialView().controls.at(row.control).shortcut, row.key);
}

INSTANTIATE_TEST_SUITE_P(MainWindow, ShortcutRow, ::testing::ValuesIn(MainWindowShortcuts()),
                         [](const auto& info) { return NameOfText(info.param.control); });

}  // namespace
}  // namespace quorbel::testing
