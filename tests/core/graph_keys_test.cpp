// The keyboard on the graphs does what the mouse does: a key sequence on a graph gives
// the same state, drawings, messages and report as a mouse press where the keyboard
// cursor stood, on the FFT graph, the musical graph and the raw file window's graph.
#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <functional>
#include <memory>
#include <random>
#include <string>
#include <vector>

#include "CaseName.h"
#include "RecordedSurfaces.h"
#include "RecordingPlatform.h"
#include "state/NumberText.h"
#include "windows/GraphKeys.h"
#include "windows/MainWindowModel.h"

namespace quorbel::testing {
namespace {

constexpr int kLeft = 1, kRight = 2, kShift = 1;

// A main window of its own, on recordings, loaded.
struct Driven : RecordedSurfaces {
    explicit Driven(const std::filesystem::path& dir)
        : model(platform, ParamFile(dir / "Zparamfile.wr"), All()) {
        EXPECT_TRUE(model.Form_Load());
    }
    void Fire(const std::string& control, Event event, const EventArgs& args = {}) {
        EXPECT_TRUE(model.Fire(control, event, args)) << control;
    }
    Window& On(const std::string& graph) {
        return graph == "Picture2" ? static_cast<Window&>(model.RawFile()) : model;
    }
    RecordingPlatform platform;
    MainWindowModel model;
};

struct Key {
    int code, shift = 0, times = 1;
};

// The same setting-up on both windows, then keys on `graph` in one and, in the other,
// the mouse at the x (twips) where the keyboard cursor stood at each Enter.
struct KeyCase {
    const char* name;
    const char* graph;
    std::function<void(Driven&)> setUp;
    std::vector<Key> keys;
    std::function<void(Driven&, const std::vector<double>& enters)> mouse;
    // What the keys reached, read in the window: the test of the place itself.
    std::function<void(Driven&)> check;
};
void PrintTo(const KeyCase& c, std::ostream* out) {
    *out << c.name;
}

const double kFftY = kPicture1Height * (2.0 / 3);
constexpr double kMusicY = 2100;

// A pointer comes to x, then presses and releases `button` there.
void ClickFft(Driven& d, int button, double x) {
    d.Fire("Picture1", Event::MouseMove, {.x = x, .y = kFftY});
    d.Fire("Picture1", Event::MouseDown, {.button = button, .x = x, .y = kFftY});
    d.Fire("Picture1", Event::MouseUp, {.button = button, .x = x, .y = kFftY});
}
void ClicksFft(Driven& d, int button, const std::vector<double>& xs) {
    for (double x : xs) ClickFft(d, button, x);
}
// A drag with the left button from the left end of the stretch to its right end.
void DragRaw(Driven& d, double a, double b) {
    d.model.RawFile().Fire("Picture2", Event::MouseDown, {.button = kLeft, .x = std::min(a, b)});
    d.model.RawFile().Fire("Picture2", Event::MouseMove, {.button = kLeft, .x = std::max(a, b)});
}

std::string RawFilePath() {
    static const std::filesystem::path path = [] {
        const std::filesystem::path p =
            std::filesystem::temp_directory_path() /
            ("quorbel-keys-" + std::to_string(std::random_device()()) + ".raw");
        std::string bytes(20000, '\0');
        for (size_t k = 0; k < bytes.size(); ++k)
            bytes[k] = static_cast<char>(128 + (k * 37 % 200) - 100);
        std::ofstream(p, std::ios::binary) << bytes;
        return p;
    }();
    return path.string();
}
void OpenRaw(Driven& d) {
    d.platform.openAnswers.push_back(RawFilePath());
    d.model.RawFile().Fire("mnuOpen", Event::Click);
}

const ControlState& RawLabel(Driven& d, const char* name) {
    return d.model.RawFile().View()[name];
}

const KeyCase kCases[] = {
    {"peak marked near bin 30",
     "Picture1",
     [](Driven&) {},
     {{kKeyRight, kShift, 3}, {kKeyReturn}},
     [](Driven& d, const std::vector<double>& xs) { ClicksFft(d, kLeft, xs); },
     [](Driven& d) {
         EXPECT_EQ(d.model.View()["Label9"].caption.substr(0, 2), "30");
         EXPECT_FALSE(d.picture1.OfKind(Primitive::Kind::Text).empty());
     }},
    {"region expanded from point 20 to 39",
     "Picture1",
     [](Driven& d) { d.Fire("Command8", Event::Click); },
     {{kKeyRight, kShift, 2}, {kKeySpace}, {kKeyRight, kShift, 2}, {kKeyLeft}, {kKeyReturn}},
     [](Driven& d, const std::vector<double>& xs) { ClicksFft(d, kRight, xs); },
     [](Driven& d) {
         EXPECT_EQ(d.model.State().displayedValueList.Whole(0), 20);
         EXPECT_TRUE(d.model.View()["HScroll1"].visible);
     }},
    {"region expanded from its right limit",
     "Picture1",
     [](Driven& d) { d.Fire("Command8", Event::Click); },
     {{kKeyEnd},
      {kKeyReturn},
      {kKeyLeft, kShift, 5},
      {kKeyHome},
      {kKeyRight, kShift, 45},
      {kKeyReturn}},
     [](Driven& d, const std::vector<double>& xs) { ClicksFft(d, kRight, xs); },
     [](Driven& d) { EXPECT_EQ(d.model.State().displayedValueList.Whole(0), 62); }},
    {"region of 3 points refused",
     "Picture1",
     [](Driven& d) { d.Fire("Command8", Event::Click); },
     {{kKeyRight, 0, 7}, {kKeyReturn}, {kKeyRight, 0, 2}, {kKeyReturn}},
     [](Driven& d, const std::vector<double>& xs) { ClicksFft(d, kRight, xs); },
     [](Driven& d) { EXPECT_EQ(d.platform.messages.size(), 1u); }},
    {"linear harmonic markers at bin 15",
     "Picture1",
     [](Driven& d) { d.Fire("Command2", Event::Click); },
     {{kKeyRight, kShift}, {kKeyRight, 0, 5}, {kKeyReturn}},
     [](Driven& d, const std::vector<double>& xs) { ClicksFft(d, kRight, xs); },
     [](Driven& d) {
         EXPECT_TRUE(d.model.View().Line("Line2(1)").Visible);
         EXPECT_EQ(d.model.View()["Label9"].caption.substr(0, 3), "15 ");
     }},
    {"musical harmonic markers a semitone and a half below A4",
     "Picture5",
     [](Driven& d) {
         d.Fire("Command3", Event::Click);
         d.Fire("Command2", Event::Click);
     },
     {{kKeyLeft, kShift}, {kKeyLeft, 0, 5}, {kKeyReturn}},
     [](Driven& d, const std::vector<double>& xs) {
         for (double x : xs) {
             d.Fire("Picture5", Event::MouseMove, {.x = x, .y = kMusicY});
             d.Fire("Picture5", Event::MouseMove, {.button = kRight, .x = x, .y = kMusicY});
         }
     },
     [](Driven& d) {
         EXPECT_EQ(d.model.View().Line("Line6(0)").X1, music::kReferenceX - 225);
         EXPECT_TRUE(d.model.View().Line("Line6(16)").Visible);
     }},
    {"samples selected from 100 to 1250",
     "Picture2",
     OpenRaw,
     {{kKeyRight, kShift, 10}, {kKeyReturn}, {kKeyRight, kShift, 115}, {kKeyReturn}},
     [](Driven& d, const std::vector<double>& xs) { DragRaw(d, xs[0], xs[1]); },
     [](Driven& d) {
         EXPECT_EQ(RawLabel(d, "Label11").caption, "100");
         EXPECT_EQ(RawLabel(d, "Label15").caption, "1150");
         EXPECT_EQ(RawLabel(d, "Label16").caption, "1024");
     }},
    {"samples selected leftward to the start",
     "Picture2",
     OpenRaw,
     {{kKeyRight, kShift, 300}, {kKeyReturn}, {kKeyHome}, {kKeyReturn}},
     [](Driven& d, const std::vector<double>& xs) { DragRaw(d, xs[0], xs[1]); },
     [](Driven& d) {
         EXPECT_EQ(RawLabel(d, "Label11").caption, "0");
         EXPECT_EQ(RawLabel(d, "Label12").caption, "3000");
     }},
    {"whole graph selected",
     "Picture2",
     OpenRaw,
     {{kKeyReturn}, {kKeyEnd}, {kKeyReturn}},
     [](Driven& d, const std::vector<double>& xs) { DragRaw(d, xs[0], xs[1]); },
     [](Driven& d) { EXPECT_EQ(RawLabel(d, "Label15").caption, "20000"); }},
    {"selection taken away by Escape",
     "Picture2",
     [](Driven& d) {
         OpenRaw(d);
         DragRaw(d, 100, 4000);
     },
     {{kKeyEscape}},
     [](Driven& d, const std::vector<double>&) {
         d.model.RawFile().Fire("Picture2", Event::MouseDown, {.button = kRight});
     },
     [](Driven& d) { EXPECT_FALSE(RawLabel(d, "Picture3").visible); }},
};

class KeysAsMouse : public ::testing::TestWithParam<KeyCase> {
  protected:
    KeysAsMouse() {
        dir_ = std::filesystem::temp_directory_path() /
               ("quorbel-keys-" + std::to_string(std::random_device()()));
        std::filesystem::create_directories(dir_ / "keys");
        std::filesystem::create_directories(dir_ / "mouse");
    }
    ~KeysAsMouse() override { std::filesystem::remove_all(dir_); }
    std::filesystem::path dir_;
};

void ExpectSameDrawing(const RecordingSurface& a, const RecordingSurface& b, const char* what) {
    ASSERT_EQ(a.Primitives().size(), b.Primitives().size()) << what;
    for (size_t i = 0; i < a.Primitives().size(); ++i) {
        const Primitive &p = a.Primitives()[i], &q = b.Primitives()[i];
        EXPECT_TRUE(p.kind == q.kind && p.x1 == q.x1 && p.y1 == q.y1 && p.x2 == q.x2 &&
                    p.y2 == q.y2 && p.color == q.color && p.text == q.text)
            << what << " primitive " << i << " " << p.text << " / " << q.text;
    }
}

// Everything a user sees or the program keeps, but the keyboard cursors themselves
// and where the musical view is scrolled to (the keys keep their cursor in view).
void ExpectSameWindow(const ViewState& a, const ViewState& b) {
    for (const auto& [name, c] : a.controls) {
        const ControlState& d = b[name];
        EXPECT_EQ(c.caption, d.caption) << name;
        EXPECT_EQ(c.visible, d.visible) << name;
        EXPECT_EQ(c.enabled, d.enabled) << name;
        EXPECT_EQ(c.checked, d.checked) << name;
        if (name == "HScroll2" || name == "Picture5") continue;
        EXPECT_EQ(c.value, d.value) << name;
        EXPECT_EQ(c.left, d.left) << name;
        EXPECT_EQ(c.width, d.width) << name;
    }
    for (const auto& [name, line] : a.lines) {
        if (a.whileFocused.count(name)) continue;
        const LineObject& other = b.Line(name);
        EXPECT_EQ(line.Visible, other.Visible) << name;
        if (!line.Visible) continue;
        EXPECT_EQ(line.X1, other.X1) << name;
        EXPECT_EQ(line.Y1, other.Y1) << name;
        EXPECT_EQ(line.X2, other.X2) << name;
        EXPECT_EQ(line.Y2, other.Y2) << name;
        EXPECT_EQ(line.BorderColor, other.BorderColor) << name;
    }
}

TEST_P(KeysAsMouse, GiveTheStateOfAMousePressWhereTheCursorStands) {
    const KeyCase& c = GetParam();
    Driven keys(dir_ / "keys"), mouse(dir_ / "mouse");
    c.setUp(keys);
    c.setUp(mouse);
    Window& graph = keys.On(c.graph);
    const std::string graphName = c.graph;
    const char* cursor = graphName == "Picture1"   ? kFftKeyCursor
                         : graphName == "Picture5" ? kMusicKeyCursor
                                                   : kRawKeyCursor;
    std::vector<double> enters;
    for (const Key& key : c.keys)
        for (int i = 0; i < key.times; ++i) {
            if (key.code == kKeyReturn || key.code == kKeySpace)
                enters.push_back(graph.View().Line(cursor).X1);
            ASSERT_TRUE(
                graph.Fire(c.graph, Event::KeyPress, {.shift = key.shift, .value = key.code}));
        }
    c.mouse(mouse, enters);
    c.check(keys);
    c.check(mouse);

    const AnalysisState &k = keys.model.State(), &m = mouse.model.State();
    EXPECT_EQ(k.displayedValueList, m.displayedValueList);
    EXPECT_EQ(k.graphValueList, m.graphValueList);
    EXPECT_EQ(k.expansionClickCount, m.expansionClickCount);
    EXPECT_EQ(k.expansionFirstPoint, m.expansionFirstPoint);
    EXPECT_EQ(k.expansionPrompt, m.expansionPrompt);
    EXPECT_EQ(keys.platform.messages, mouse.platform.messages);
    ExpectSameWindow(keys.model.View(), mouse.model.View());
    ExpectSameWindow(keys.model.RawFile().View(), mouse.model.RawFile().View());
    ExpectSameDrawing(keys.picture1, mouse.picture1, "FFT graph");
    ExpectSameDrawing(keys.picture5, mouse.picture5, "musical graph");
    keys.Fire("mnuReport", Event::Click);
    mouse.Fire("mnuReport", Event::Click);
    ExpectSameDrawing(keys.form5, mouse.form5, "report");
}

INSTANTIATE_TEST_SUITE_P(EveryGraph, KeysAsMouse, ::testing::ValuesIn(kCases), PrintedName());

// The keys' steps, kept within the graph.
struct StepCase {
    const char* name;
    int key, shift, position, count;
    GraphKeyAction action;
    int to;
};
void PrintTo(const StepCase& c, std::ostream* out) {
    *out << c.name;
}

class KeySteps : public ::testing::TestWithParam<StepCase> {};

TEST_P(KeySteps, MoveTheCursorWithinTheGraph) {
    const StepCase& c = GetParam();
    const GraphKeyMove move = GraphKey(c.key, c.shift, c.position, c.count);
    EXPECT_EQ(move.action, c.action);
    if (c.action != GraphKeyAction::none) {
        EXPECT_EQ(move.position, c.to);
    }
}

const StepCase kSteps[] = {
    {"right one", kKeyRight, 0, 5, 512, GraphKeyAction::moved, 6},
    {"shift right ten", kKeyRight, kShift, 5, 512, GraphKeyAction::moved, 15},
    {"left stops at the start", kKeyLeft, kShift, 4, 512, GraphKeyAction::moved, 0},
    {"right stops at the end", kKeyRight, kShift, 505, 512, GraphKeyAction::moved, 511},
    {"home", kKeyHome, 0, 300, 512, GraphKeyAction::moved, 0},
    {"end", kKeyEnd, 0, 3, 20001, GraphKeyAction::moved, 20000},
    {"enter", kKeyReturn, 0, 30, 512, GraphKeyAction::activate, 30},
    {"space", kKeySpace, 0, 30, 512, GraphKeyAction::activate, 30},
    {"escape", kKeyEscape, 0, 30, 512, GraphKeyAction::cancel, 30},
    {"other key", 'A', 0, 30, 512, GraphKeyAction::none, 0},
    {"empty graph", kKeyRight, 0, 0, 0, GraphKeyAction::none, 0},
};
INSTANTIATE_TEST_SUITE_P(Keys, KeySteps, ::testing::ValuesIn(kSteps), PrintedName());

// The graphs in words say where the keyboard cursor stands and what Enter does now.
struct SaidCase {
    const char* name;
    const char* graph;
    std::function<void(Driven&)> setUp;
    std::vector<Key> keys;
    std::vector<std::string> said;    // in the description, in this order
    std::vector<std::string> unsaid;  // nowhere in it
};
void PrintTo(const SaidCase& c, std::ostream* out) {
    *out << c.name;
}

class GraphWords : public ::testing::TestWithParam<SaidCase> {
  protected:
    GraphWords() {
        dir_ = std::filesystem::temp_directory_path() /
               ("quorbel-words-" + std::to_string(std::random_device()()));
        std::filesystem::create_directories(dir_);
    }
    ~GraphWords() override { std::filesystem::remove_all(dir_); }
    std::filesystem::path dir_;
};

TEST_P(GraphWords, SayTheCursorAndTheSelection) {
    const SaidCase& c = GetParam();
    Driven d(dir_);
    c.setUp(d);
    Window& graph = d.On(c.graph);
    for (const Key& key : c.keys)
        for (int i = 0; i < key.times; ++i)
            graph.Fire(c.graph, Event::KeyPress, {.shift = key.shift, .value = key.code});
    const std::string text = graph.Describe(c.graph).text;
    size_t at = 0;
    for (const std::string& part : c.said) {
        const size_t found = text.find(part, at);
        EXPECT_NE(found, std::string::npos) << part << " in: " << text;
        if (found != std::string::npos) at = found + part.size();
    }
    for (const std::string& part : c.unsaid)
        EXPECT_EQ(text.find(part), std::string::npos) << part << " in: " << text;
}

const SaidCase kSaid[] = {
    {"fft cursor at 30 hz",
     "Picture1",
     [](Driven&) {},
     {{kKeyRight, kShift, 3}},
     {"Peaks", "Keyboard cursor at 30 Hz."},
     {"limit"}},
    {"first limit set",
     "Picture1",
     [](Driven& d) { d.Fire("Command8", Event::Click); },
     {{kKeyReturn}},
     {"Keyboard cursor at 0 Hz.", "press Enter at each of its limits", "The first limit is set."},
     {}},
    {"limits cancelled by escape",
     "Picture1",
     [](Driven& d) { d.Fire("Command8", Event::Click); },
     {{kKeyReturn}, {kKeyEscape}},
     {"Keyboard cursor at 0 Hz."},
     {"limit"}},
    {"markers offered at the cursor",
     "Picture1",
     [](Driven& d) { d.Fire("Command2", Event::Click); },
     {},
     {"Enter places the harmonic markers"},
     {}},
    {"musical cursor at a4",
     "Picture5",
     [](Driven& d) { d.Fire("Command3", Event::Click); },
     {},
     {"Keyboard cursor at 440 Hz  A4"},
     {"markers"}},
    {"musical cursor a semitone up",
     "Picture5",
     [](Driven& d) { d.Fire("Command3", Event::Click); },
     {{kKeyRight, kShift}},
     {"Keyboard cursor at 466.164 Hz  A#4"},
     {}},
    {"raw without a file", "Picture2", [](Driven&) {}, {}, {"No file opened yet."}, {"cursor"}},
    {"raw selection started",
     "Picture2",
     OpenRaw,
     {{kKeyRight, kShift, 10}, {kKeyReturn}},
     {"20000 points shown of the file's 20000.", "Keyboard cursor at point 100.",
      "The selection starts at point 100"},
     {}},
    {"raw selection made",
     "Picture2",
     OpenRaw,
     {{kKeyRight, kShift, 10}, {kKeyReturn}, {kKeyRight, kShift, 115}, {kKeyReturn}},
     {"Selected: points 100 to 1250, 1150 points, 1024 to be transferred.",
      "Keyboard cursor at point 1250."},
     {"starts at", "Nothing selected"}},
    {"raw selection taken away",
     "Picture2",
     OpenRaw,
     {{kKeyReturn}, {kKeyEnd}, {kKeyReturn}, {kKeyEscape}},
     {"Nothing selected"},
     {"Selected:"}},
};
INSTANTIATE_TEST_SUITE_P(EveryGraph, GraphWords, ::testing::ValuesIn(kSaid), PrintedName());

}  // namespace
}  // namespace quorbel::testing
