// The control tables of every window: every control has its place inside what
// holds it, no two controls shown side by side overlap, what holds a control comes
// before it, a window answers only the controls its own table has, and closing any
// window is an event of its table.
#include <gtest/gtest.h>

#include <functional>
#include <string>

#include "EveryWindow.h"
#include "ModelFixture.h"
#include "windows/ControlTable.h"
#include "windows/MainWindowModel.h"

namespace quorbel::testing {
namespace {

bool IsMenu(const ControlState& c) {
    return c.kind == ControlKind::Menu || c.kind == ControlKind::MenuItem ||
           c.kind == ControlKind::Separator;
}

bool Overlap(const ControlState& a, const ControlState& b) {
    return a.left < b.left + b.width && b.left < a.left + a.width && a.top < b.top + b.height &&
           b.top < a.top + a.height;
}

class WindowTable : public ::testing::TestWithParam<WindowEntry> {};

TEST_P(WindowTable, EveryControlHasItsPlaceInsideWhatHoldsIt) {
    const ViewState view = GetParam().initial();
    EXPECT_FALSE(view.name.empty());
    EXPECT_GT(view.width, 0);
    EXPECT_GT(view.height, 0);
    for (const std::string& name : view.order) {
        const ControlState& c = view[name];
        if (IsMenu(c)) continue;
        SCOPED_TRACE(name);
        EXPECT_GE(c.width, 0);
        EXPECT_GE(c.height, 0);
        // A canvas inside a picture is panned: it may be larger than its frame. What
        // shows only with a larger frame (the tuning slider) is hidden at first.
        if (!c.parent.empty() && view[c.parent].kind == ControlKind::Picture) continue;
        if (!c.visible) continue;
        const double width = c.parent.empty() ? view.width : view[c.parent].width;
        const double height = c.parent.empty() ? view.height : view[c.parent].height;
        EXPECT_GE(c.left, 0);
        EXPECT_GE(c.top, 0);
        EXPECT_LE(c.left + c.width, width);
        EXPECT_LE(c.top + c.height, height);
    }
}

TEST_P(WindowTable, ControlsShownSideBySideDoNotOverlap) {
    const ViewState view = GetParam().initial();
    for (size_t i = 0; i < view.order.size(); ++i)
        for (size_t j = i + 1; j < view.order.size(); ++j) {
            const ControlState& a = view[view.order[i]];
            const ControlState& b = view[view.order[j]];
            if (IsMenu(a) || IsMenu(b) || !a.visible || !b.visible || a.parent != b.parent)
                continue;
            EXPECT_FALSE(Overlap(a, b)) << view.order[i] << " overlaps " << view.order[j];
        }
}

TEST_P(WindowTable, WhatHoldsAControlComesBeforeIt) {
    const ViewState view = GetParam().initial();
    for (size_t i = 0; i < view.order.size(); ++i) {
        const std::string& parent = view[view.order[i]].parent;
        if (parent.empty()) continue;
        const auto holder = std::find(view.order.begin(), view.order.end(), parent);
        EXPECT_LT(holder - view.order.begin(), static_cast<long>(i)) << view.order[i];
    }
}

INSTANTIATE_TEST_SUITE_P(EveryWindow, WindowTable, EveryWindow(), WindowName());

// Control arrays: one row gives the ten cells of each column, in rows down the table,
// each bound to its own row of the wave table.
struct CellCase {
    const char* column;
    Field field;
};
void PrintTo(const CellCase& cell, std::ostream* out) {
    *out << cell.column;
}

class WaveTableCells : public ModelFixture, public ::testing::WithParamInterface<CellCase> {};

TEST_P(WaveTableCells, OneRowGivesTenCellsDownTheTable) {
    Loaded();
    const std::string column = GetParam().column;
    const ControlState& first = View()[column + "(0)"];
    for (int i = 0; i < kTableRows; ++i) {
        const std::string name = Indexed(column, i);
        SCOPED_TRACE(name);
        const ControlState& cell = View()[name];
        EXPECT_EQ(cell.parent, "Frame1");
        EXPECT_EQ(cell.left, first.left);
        EXPECT_EQ(cell.top, first.top + i * 315);
        EXPECT_EQ(Model().BoundText(name), State().Get(GetParam().field, i));
    }
    EXPECT_EQ(View().controls.count(Indexed(column, kTableRows)), 0u);
    // Typing in the last cell changes the last row only.
    EXPECT_TRUE(Model().Type(Indexed(column, kTableRows - 1), "7"));
    EXPECT_EQ(State().Get(GetParam().field, kTableRows - 1), "7");
}

INSTANTIATE_TEST_SUITE_P(Columns, WaveTableCells,
                         ::testing::Values(CellCase{"Text3", Field::amplitudeA},
                                           CellCase{"Text4", Field::multiplierB},
                                           CellCase{"Text5", Field::phasePhi}),
                         [](const auto& info) { return std::string(info.param.column); });

// A window answers the controls of its own table only, and closing it is an event of
// its table.
struct SecondaryCase {
    const char* name;
    std::function<Window&(MainWindowModel&)> window;
    const char* opener;   // the main window's menu item or button that shows it
    const char* foreign;  // a control this window does not have
};
void PrintTo(const SecondaryCase& window, std::ostream* out) {
    *out << window.name;
}

class SecondaryWindow : public ModelFixture, public ::testing::WithParamInterface<SecondaryCase> {};

TEST_P(SecondaryWindow, AnswersItsOwnControlsAndClosesThroughItsTable) {
    Loaded();
    ASSERT_TRUE(Model().Fire(GetParam().opener, Event::Click));
    Window& window = GetParam().window(Model());
    const std::string name = window.View().name;
    EXPECT_TRUE(window.View().shown);
    EXPECT_FALSE(window.Answers(GetParam().foreign, Event::Click));
    EXPECT_FALSE(window.Fire(GetParam().foreign, Event::Click));
    EXPECT_TRUE(window.Answers(name, Event::Unload));
    EXPECT_TRUE(window.Fire(name, Event::Unload));
    EXPECT_FALSE(window.View().shown);
}

const SecondaryCase kSecondary[] = {
    {"Nyquist", [](MainWindowModel& m) -> Window& { return m.NyquistHelp(); }, "mnuNyq",
     "Command1"},
    {"Phase", [](MainWindowModel& m) -> Window& { return m.PhaseHelp(); }, "mnuPhaseItem",
     "Command3"},
    {"About", [](MainWindowModel& m) -> Window& { return m.About(); }, "mnuAboutItem", "Command1"},
    {"Splash", [](MainWindowModel& m) -> Window& { return m.Splash(); }, "mnuSplashItem", "cmdOK"},
    {"OpeningParameters", [](MainWindowModel& m) -> Window& { return m.OpeningParams(); },
     "mnuConfigInitItem", "Text1"},
    {"Bitmap", [](MainWindowModel& m) -> Window& { return m.Bitmap(); }, "mnuCreateBitmapItem",
     "Command1"},
    {"Report", [](MainWindowModel& m) -> Window& { return m.Report(); }, "mnuReport", "List1"},
    {"Inverse", [](MainWindowModel& m) -> Window& { return m.InverseResults(); }, "mnuInverse",
     "Command1"},
    {"RawFile", [](MainWindowModel& m) -> Window& { return m.RawFile(); }, "mnuFilesrawItem",
     "Command17"},
    {"Nmr", [](MainWindowModel& m) -> Window& { return m.Nmr(); }, "mnuNmrItem", "Command17"},
};

INSTANTIATE_TEST_SUITE_P(EveryWindow, SecondaryWindow, ::testing::ValuesIn(kSecondary),
                         [](const auto& info) { return std::string(info.param.name); });

TEST(HelpPages, OnlyThePhasePageHasItsButtons) {
    RecordingSurface page{kPhasePageWidth, kPhasePageHeight};
    int examples = 0;
    HelpWindowModel nyquist(HelpPageKind::Nyquist, &page, [&examples] { ++examples; });
    HelpWindowModel phase(HelpPageKind::Phase, &page, [&examples] { ++examples; });
    EXPECT_FALSE(nyquist.Fire("Command1", Event::Click));
    EXPECT_EQ(nyquist.View().controls.count("Command1"), 0u);
    EXPECT_TRUE(phase.Fire("Command1", Event::Click));
    EXPECT_EQ(examples, 1);
}

// The panoramic musical view lies over the left column's function frames (which it
// hides) up to the right-hand column, and over no control that stays shown.
struct PanoramicCase {
    const char* name;
    const char* waves;  // the Waves menu item chosen first
};
void PrintTo(const PanoramicCase& c, std::ostream* out) {
    *out << c.name;
}

class Panoramic : public ModelFixture, public ::testing::WithParamInterface<PanoramicCase> {};

TEST_P(Panoramic, CoversNoControlThatStaysShown) {
    Loaded();
    ASSERT_TRUE(Model().Fire(GetParam().waves, Event::Click));
    ASSERT_TRUE(Model().Fire("Command3", Event::Click));
    ASSERT_EQ(View()["Command8"].caption, "Normal");
    const ControlState& frame = View()["Picture4"];
    EXPECT_EQ(frame.left, 0);
    EXPECT_EQ(frame.left + frame.width, kMusicalViewLeft + kMusicalViewWidth);
    for (const std::string& name : View().order) {
        const ControlState& c = View()[name];
        if (name == "Picture4" || IsMenu(c) || !c.visible || !c.parent.empty()) continue;
        EXPECT_FALSE(Overlap(frame, c)) << name;
    }
}

INSTANTIATE_TEST_SUITE_P(FunctionKinds, Panoramic,
                         ::testing::Values(PanoramicCase{"MultipleWaves", "mnuMultipleWavesItem"},
                                           PanoramicCase{"SimpleWaves", "mnuSimpleWavesItem"}),
                         [](const auto& info) { return std::string(info.param.name); });

}  // namespace
}  // namespace quorbel::testing
