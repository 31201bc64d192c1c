// Controls without a caption of their own are named by the labels a reader pairs
// them with, and the main window tells in words what its graphs show, from the lists
// the graphs and the report are drawn from.
#include <gtest/gtest.h>

#include <functional>
#include <set>
#include <string>

#include "CaseName.h"
#include "ModelFixture.h"
#include "state/NumberText.h"
#include "windows/ControlNames.h"
#include "windows/MainWindowModel.h"

namespace quorbel::testing {
namespace {

struct WindowOf {
    const char* name;
    std::function<ViewState()> view;
};

struct LabelCase {
    WindowOf window;
    const char* control;
    const char* row;
    const char* column;
    int element;
};
void PrintTo(const LabelCase& c, std::ostream* out) {
    *out << c.window.name << " " << c.control;
}

const WindowOf kMain{"Main", [] { return MainWindowInitialView(); }};
const WindowOf kParams{"OpeningParameters", [] { return OpeningParamsInitialView(); }};
const WindowOf kRaw{"RawFile", [] { return RawFileInitialView(); }};

class LabelsOfAControl : public ::testing::TestWithParam<LabelCase> {};

TEST_P(LabelsOfAControl, AreTheOnesBesideAndAboveIt) {
    const LabelCase& c = GetParam();
    const NamingLabels labels = NamingLabelsOf(c.window.view(), c.control);
    EXPECT_EQ(labels.row, c.row);
    EXPECT_EQ(labels.column, c.column);
    EXPECT_EQ(labels.element, c.element);
}

INSTANTIATE_TEST_SUITE_P(
    Fields, LabelsOfAControl,
    ::testing::Values(
        LabelCase{kMain, "Text2", "Label3", "", -1}, LabelCase{kMain, "Text1", "Label1", "", -1},
        LabelCase{kMain, "Text7", "Label7", "", -1}, LabelCase{kMain, "Text6", "Label8", "", -1},
        LabelCase{kMain, "Text3(0)", "", "Label12", 0},
        LabelCase{kMain, "Text4(4)", "", "Label13", 4},
        LabelCase{kMain, "Text5(9)", "", "Label23", 9},
        // The simple wave's phase: its label, not a formula above it.
        LabelCase{kMain, "Text8", "Label24", "", -1}, LabelCase{kMain, "NoSuchControl", "", "", -1},
        LabelCase{kParams, "Text6", "Label1", "", -1},
        LabelCase{kParams, "Text4(2)", "", "Label5", 2},
        LabelCase{kRaw, "Text1", "Label21", "", -1}),
    PrintedName());

// Every field of every window has a label (or else a tooltip), and no two fields of one window are
// named alike (the wave table's thirty cells included).
class FieldsOfAWindow : public ::testing::TestWithParam<WindowOf> {};

TEST_P(FieldsOfAWindow, AreNamedEachDifferently) {
    const ViewState view = GetParam().view();
    std::set<std::string> names;
    int fields = 0;
    for (const auto& [name, control] : view.controls) {
        if (control.kind != ControlKind::TextBox) continue;
        ++fields;
        const NamingLabels labels = NamingLabelsOf(view, name);
        // A field with no label is named by its tooltip.
        const bool labelled = !labels.row.empty() || !labels.column.empty();
        EXPECT_TRUE(labelled || !control.tooltip.empty()) << name;
        const std::string spoken =
            labelled ? (labels.row.empty() ? "" : view[labels.row].caption) + "|" +
                           (labels.column.empty() ? "" : view[labels.column].caption) + "|" +
                           std::to_string(labels.element)
                     : control.tooltip;
        EXPECT_TRUE(names.insert(spoken).second) << name << " is named like another: " << spoken;
    }
    EXPECT_GT(fields, 0);
}

void PrintTo(const WindowOf& w, std::ostream* out) {
    *out << w.name;
}

INSTANTIATE_TEST_SUITE_P(EveryWindowWithFields, FieldsOfAWindow,
                         ::testing::Values(kMain, kParams, kRaw), PrintedName());

// What the graphs say, after a calculation.
struct DescriptionCase {
    const char* name;
    std::function<void(MainWindowModel&)> act;
    const char* graph;
    const char* spokenName;
    std::vector<std::string> says;  // pieces the description holds
    std::vector<std::string> never;
};
void PrintTo(const DescriptionCase& c, std::ostream* out) {
    *out << c.name;
}

class GraphInWords : public ModelFixture, public ::testing::WithParamInterface<DescriptionCase> {};

TEST_P(GraphInWords, SaysWhatTheGraphShows) {
    const DescriptionCase& c = GetParam();
    Loaded();
    c.act(Model());
    const Description said = Model().Describe(c.graph);
    EXPECT_EQ(said.name, c.spokenName);
    for (const std::string& piece : c.says)
        EXPECT_NE(said.text.find(piece), std::string::npos) << piece << " not in: " << said.text;
    for (const std::string& piece : c.never)
        EXPECT_EQ(said.text.find(piece), std::string::npos) << piece << " in: " << said.text;
}

// The FFT graph names exactly the report's peaks, in its order.
TEST_F(ModelFixture, FftGraphListsThePeaksOfTheReport) {
    Loaded();
    Model().SetField(Field::amplitudeA, "0.5", 1);
    Model().SetField(Field::multiplierB, "5", 1);
    Press("Command17");
    const std::vector<ReportRow> rows =
        ReportRows(State().graphValueList, State().spectrumList, false);
    ASSERT_GE(rows.size(), 2u);
    std::string expected = "Peaks, frequency and amplitude: ";
    for (size_t i = 0; i < rows.size(); ++i)
        expected += (i ? ", " : "") + NumberText(rows[i].frequency) + " Hz " +
                    NumberText(rows[i].amplitude) + " %";
    EXPECT_NE(Model().Describe("Picture1").text.find(expected + "."), std::string::npos)
        << Model().Describe("Picture1").text;
}

void Nothing(MainWindowModel&) {}

const DescriptionCase kDescriptions[] = {
    {"FftAtStartUp", Nothing, "Picture1", "FFT graph", {"Peaks", " Hz ", " %"}, {"Nothing"}},
    {"FftSecondHarmonic",
     [](MainWindowModel& m) {
         m.SetField(Field::amplitudeA, "0.5", 1);
         m.SetField(Field::multiplierB, "13", 1);
         m.Fire("Command17", Event::Click);
     },
     "Picture1",
     "FFT graph",
     {"390 Hz "},
     {}},
    {"FftOfTheRealPart",
     [](MainWindowModel& m) {
         m.Fire("Option2", Event::MouseDown);
         m.Fire("Option2", Event::Click);
     },
     "Picture1",
     "FFT graph",
     {"Real (r)"},
     {"Vector Rho"}},
    {"FunctionAtStartUp",
     Nothing,
     "Picture2",
     "Graph of f(t)",
     {"f(t) = Σ aᵢ·sin(bᵢ·2πνt + φᵢ)", "cycles per second", "points over", "values from"},
     {}},
    {"FunctionWithASecondTerm",
     [](MainWindowModel& m) {
         m.SetField(Field::amplitudeA, "0.25", 2);
         m.SetField(Field::multiplierB, "3", 2);
         m.Fire("Command1", Event::Click);
     },
     "Picture2",
     "Graph of f(t)",
     {"0.25, 3, "},
     {}},
    {"SquareWave",
     [](MainWindowModel& m) {
         m.Fire("mnuSimpleWavesItem", Event::Click);
         m.Fire("Option5", Event::MouseDown);
         m.Fire("Option5", Event::Click);
     },
     "Picture2",
     "Graph of f(t)",
     {"f(t) = +1 if sin(2πνt + φ) ≥ 0, else −1", "values from -1 to 1"},
     {"Σ"}},
    {"MusicalGraphNamesNotes",
     [](MainWindowModel& m) {
         m.SetField(Field::cyclesPerSecond, "110");
         m.Fire("Command17", Event::Click);
         m.Fire("Command3", Event::Click);
     },
     "Picture5",
     "Musical graph",
     {"piano keyboard", "110 Hz  A2"},
     {}},
    {"RealHalf", Nothing, "Picture8", "Real part", {"real parts"}, {}},
    {"NotAGraph", Nothing, "Command17", "", {}, {"Peaks"}},
};

INSTANTIATE_TEST_SUITE_P(MainWindowGraphs, GraphInWords, ::testing::ValuesIn(kDescriptions),
                         PrintedName());

}  // namespace
}  // namespace quorbel::testing
