// fftquorbel-cli controls: one line for the window and for every control of its
// control table, with the kind, the caption and every event it answers, and nothing
// else; a window is chosen by the name its table gives it.
#include <gtest/gtest.h>

#include <algorithm>
#include <functional>
#include <map>
#include <ostream>
#include <set>
#include <sstream>
#include <string>
#include <vector>

#include "CaseName.h"
#include "CliControls.h"
#include "CliRun.h"
#include "CompanionRun.h"
#include "EveryWindow.h"
#include "windows/ControlIndex.h"
#include "windows/LessonsWindowModel.h"
#include "windows/MainWindowModel.h"

namespace quorbel {
namespace {

struct Printed {
    int status = -1;
    std::vector<std::string> out;
    std::string err;
};

Printed RunControls(const std::vector<std::string>& words) {
    std::vector<std::string> arguments = {"controls"};
    arguments.insert(arguments.end(), words.begin(), words.end());
    const testing::CompanionRun run = testing::RunCompanion(arguments);
    return {run.status, testing::LinesOf(run.out), run.err};
}

std::vector<std::string> Fields(const std::string& line) {
    std::vector<std::string> fields;
    std::istringstream in(line);
    for (std::string field; std::getline(in, field, '\t');) fields.push_back(field);
    if (!line.empty() && line.back() == '\t') fields.emplace_back();
    return fields;
}

// What a window's table says, read through the same functions that build the window:
// its controls in order with their state, and the events each answers.
struct TableFacts {
    std::string window;
    ViewState view;
    std::map<std::string, std::set<std::string>> events;
};

template <class M>
TableFacts FactsOf(const ControlTable<M>& table) {
    TableFacts facts{table.name, ViewOfTable(table), {}};
    const std::pair<Event, const char*> names[] = {
        {Event::Click, "Click"},         {Event::MouseDown, "MouseDown"},
        {Event::MouseMove, "MouseMove"}, {Event::MouseUp, "MouseUp"},
        {Event::Change, "Change"},       {Event::Unload, "Unload"},
        {Event::KeyPress, "KeyPress"}};
    for (const auto& [control, behaviour] : BehavioursOfTable(table))
        for (const auto& [event, name] : names)
            if (behaviour.On(event)) facts.events[control].insert(name);
    return facts;
}

// The facts of each window's table, by the window's name.
const std::map<std::string, std::function<TableFacts()>>& FactsByName() {
    static const std::map<std::string, std::function<TableFacts()>> facts = {
        {"Form1", [] { return FactsOf(MainWindowTable()); }},
        {"Form3", [] { return FactsOf(HelpWindowTable(HelpPageKind::Nyquist)); }},
        {"Form4", [] { return FactsOf(InverseWindowTable()); }},
        {"Form5", [] { return FactsOf(ReportWindowTable()); }},
        {"Form6", [] { return FactsOf(RawFileTable()); }},
        {"Form7", [] { return FactsOf(HelpWindowTable(HelpPageKind::Phase)); }},
        {"Form8", [] { return FactsOf(BitmapWindowTable()); }},
        {"Form2", [] { return FactsOf(OpeningParamsTable()); }},
        {"frmAbout", [] { return FactsOf(AboutWindowTable()); }},
        {"frmSplash", [] { return FactsOf(SplashWindowTable()); }},
        {"FormSpectrogram", [] { return FactsOf(SpectrogramWindowTable()); }},
        {"FormLessons", [] { return FactsOf(LessonsWindowTable()); }},
        {"FormNmr", [] { return FactsOf(NmrWindowTable()); }},
        {"FormTopics", [] { return FactsOf(HelpTopicsTable()); }},
    };
    return facts;
}

class CliControlsOfWindow : public ::testing::TestWithParam<WindowEntry> {};

TEST_P(CliControlsOfWindow, ListsEveryControlOfTheTableAndNothingElse) {
    const auto known = FactsByName().find(GetParam().name);
    ASSERT_NE(known, FactsByName().end()) << "a window of the registry this test does not know";
    const TableFacts facts = known->second();
    ASSERT_EQ(facts.window, GetParam().name);
    const Printed printed = RunControls({facts.window});
    ASSERT_EQ(printed.status, cli::kExitOk) << printed.err;
    EXPECT_EQ(printed.err, "");
    std::vector<std::string> expected = {facts.window};
    expected.insert(expected.end(), facts.view.order.begin(), facts.view.order.end());
    ASSERT_EQ(printed.out.size(), expected.size());
    for (size_t i = 0; i < expected.size(); ++i) {
        SCOPED_TRACE(printed.out[i]);
        const std::vector<std::string> fields = Fields(printed.out[i]);
        ASSERT_EQ(fields.size(), 5u);
        EXPECT_EQ(fields[0], facts.window);
        EXPECT_EQ(fields[1], expected[i]);
        if (i > 0) {
            const ControlState& control = facts.view[expected[i]];
            EXPECT_EQ(fields[2], KindName(control.kind));
            if (control.caption.find('\n') == std::string::npos) {
                EXPECT_EQ(fields[3], control.caption);
            }
        } else {
            EXPECT_EQ(fields[2], "Window");
            EXPECT_EQ(fields[3], facts.view.caption);
        }
        // Every event the table binds, each with the name of a handler, and no other.
        std::set<std::string> events;
        std::istringstream pairs(fields[4]);
        for (std::string pair; pairs >> pair;) {
            const size_t equals = pair.find('=');
            ASSERT_NE(equals, std::string::npos);
            EXPECT_GT(pair.size(), equals + 1) << "an event without its handler";
            events.insert(pair.substr(0, equals));
        }
        const auto bound = facts.events.find(expected[i]);
        EXPECT_EQ(events, bound == facts.events.end() ? std::set<std::string>{} : bound->second);
    }
}

INSTANTIATE_TEST_SUITE_P(EveryTable, CliControlsOfWindow, testing::EveryWindow(),
                         testing::WindowName());

TEST(CliControls, AllWindowsAreTheWindowsOneByOne) {
    const Printed all = RunControls({});
    ASSERT_EQ(all.status, cli::kExitOk) << all.err;
    std::vector<std::string> joined;
    for (const WindowEntry& window : WindowRegistry()) {
        const Printed one = RunControls({window.name});
        joined.insert(joined.end(), one.out.begin(), one.out.end());
    }
    EXPECT_EQ(std::multiset<std::string>(all.out.begin(), all.out.end()),
              std::multiset<std::string>(joined.begin(), joined.end()));
}

struct LineCase {
    const char* window;
    const char* line;
};

void PrintTo(const LineCase& c, std::ostream* out) {
    *out << c.line;
}

class CliControlsLine : public ::testing::TestWithParam<LineCase> {};

// The handler is the member the table runs, by its C++ name.
TEST_P(CliControlsLine, NamesTheHandlerOfEachEvent) {
    const Printed printed = RunControls({GetParam().window});
    ASSERT_EQ(printed.status, cli::kExitOk);
    EXPECT_NE(std::find(printed.out.begin(), printed.out.end(), GetParam().line),
              printed.out.end());
}

const LineCase kLines[] = {
    {"Form1", "Form1\tCommand17\tButton\tBoth\tClick=Command17_Click"},
    {"Form1",
     "Form1\tOption1\tOption\tImaginary (i)\tClick=Option1_Click "
     "MouseDown=Option1_MouseDown"},
    {"Form1",
     "Form1\tForm1\tWindow\tFFT Quorbel 1.0\tClick=Form_Click MouseMove=Form_MouseMove "
     "Unload=Form_Unload"},
    {"Form6", "Form6\tCommand1\tButton\tTransfer\tClick=Command1_Click"},
};

INSTANTIATE_TEST_SUITE_P(Examples, CliControlsLine, ::testing::ValuesIn(kLines),
                         testing::PrintedName{});

struct RefusalCase {
    std::vector<std::string> words;
    const char* says;
};

void PrintTo(const RefusalCase& c, std::ostream* out) {
    for (const std::string& word : c.words) *out << word << ' ';
}

class CliControlsRefuses : public ::testing::TestWithParam<RefusalCase> {};

TEST_P(CliControlsRefuses, WithAUsageErrorAndNoIndex) {
    const Printed printed = RunControls(GetParam().words);
    EXPECT_EQ(printed.status, cli::kExitUsage);
    EXPECT_TRUE(printed.out.empty());
    EXPECT_NE(printed.err.find(GetParam().says), std::string::npos) << printed.err;
}

INSTANTIATE_TEST_SUITE_P(BadWords, CliControlsRefuses,
                         ::testing::Values(RefusalCase{{"Form9"}, "no window named \"Form9\""},
                                           RefusalCase{{"form1"}, "one of Form1, "},
                                           RefusalCase{{"Form1", "Form6"}, "at most one"}),
                         testing::PrintedName{});

}  // namespace
}  // namespace quorbel
