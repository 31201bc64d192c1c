// The keyboard on the graphs does what the mouse does: keys on a graph give the same
// state, drawings, messages and report as the mouse pressed where the keyboard cursor
// stood at each Enter, on the FFT graph, the musical graph and the raw file window's
// graph; and each graph says where its cursor stands.
#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <functional>
#include <random>
#include <string>
#include <vector>

#include "CaseName.h"
#include "RecordedSurfaces.h"
#include "RecordingPlatform.h"
#include "windows/GraphKeys.h"

namespace quorbel::testing {
namespace {

constexpr int kLeft = 1, kRight = 2, kShift = 1, kCtrl = 2;
// Where the keys press: on the FFT graph's axis, and where the musical markers rest.
const double kFftY = kPicture1Height * (2.0 / 3);
constexpr double kMusicY = 2100;

// A main window of its own, on recordings, loaded; with a sound file when asked.
struct Driven : RecordedSurfaces {
    explicit Driven(const std::filesystem::path& dir)
        : model(platform, ParamFile(dir / "Zparamfile.wr"), All()) {
        EXPECT_TRUE(model.Form_Load());
    }
    void Fft(Event event, int button, double x) {
        model.Fire("Picture1", event, {.button = button, .x = x, .y = kFftY});
    }
    void Raw(Event event, int button, double x) {
        model.RawFile().Fire("Picture2", event, {.button = button, .x = x});
    }
    RecordingPlatform platform;
    MainWindowModel model;
};

// What the mouse does at the places the keyboard cursor stood at each Enter.
enum class Mouse { none, leftClicks, rightClicks, musicalRightDrags, rawDrag, rawRightClick };

void MouseAt(Driven& d, Mouse mouse, const std::vector<double>& xs) {
    for (double x : xs) switch (mouse) {
            case Mouse::leftClicks:
            case Mouse::rightClicks: {
                const int button = mouse == Mouse::leftClicks ? kLeft : kRight;
                d.Fft(Event::MouseMove, 0, x);
                d.Fft(Event::MouseDown, button, x);
                d.Fft(Event::MouseUp, button, x);
                break;
            }
            case Mouse::musicalRightDrags:
                for (int held : {0, kRight})
                    d.model.Fire("Picture5", Event::MouseMove,
                                 {.button = held, .x = x, .y = kMusicY});
                break;
            default:
                break;
        }
    if (mouse == Mouse::rawDrag) {  // from the left end to the right one
        d.Raw(Event::MouseDown, kLeft, std::min(xs[0], xs[1]));
        d.Raw(Event::MouseMove, kLeft, std::max(xs[0], xs[1]));
    }
    if (mouse == Mouse::rawRightClick) d.Raw(Event::MouseDown, kRight, 0);
}

struct Key {
    int code, shift = 0, times = 1;
};

struct KeyCase {
    const char* name;
    const char* graph;
    std::vector<const char*> clicks;  // buttons clicked first, in both windows
    bool openFile;                    // a sound file opened first, and a stretch dragged
    std::vector<Key> keys;
    Mouse mouse;
    std::vector<std::string> said;  // the graph's description says these, in order
    int shown = 0;                  // points the FFT graph shows after (0: not looked at)
};
void PrintTo(const KeyCase& c, std::ostream* out) {
    *out << c.name;
}

// clang-format off
const KeyCase kCases[] = {
    {"peak marked near bin 30", "Picture1", {}, false, {{kKeyRight, kShift, 3}, {kKeyReturn}},
     Mouse::leftClicks, {"Keyboard cursor at 30 Hz."}},
    {"region expanded from 20 to 39", "Picture1", {"Command8"}, false,
     {{kKeyRight, kShift, 2}, {kKeySpace}, {kKeyRight, kShift, 2}, {kKeyLeft}, {kKeyReturn}},
     Mouse::rightClicks, {}, 20},
    {"region expanded from its right limit", "Picture1", {"Command8"}, false,
     {{kKeyEnd}, {kKeyReturn}, {kKeyHome}, {kKeyRight, kShift, 45}, {kKeyReturn}},
     Mouse::rightClicks, {}, 62},
    {"region of 3 points refused", "Picture1", {"Command8"}, false,
     {{kKeyRight, 0, 7}, {kKeyReturn}, {kKeyRight, 0, 2}, {kKeyReturn}}, Mouse::rightClicks, {},
     512},
    {"first limit set", "Picture1", {"Command8"}, false, {{kKeyRight, 0, 7}, {kKeyReturn}},
     Mouse::rightClicks, {"Keyboard cursor at 7 Hz.", "Enter at each", "first limit is set"}},
    {"first limit dropped by escape", "Picture1", {"Command8"}, false,
     {{kKeyReturn}, {kKeyEscape}, {kKeyReturn}}, Mouse::none, {"Keyboard cursor at 0 Hz."}, 512},
    {"linear harmonic markers at bin 15", "Picture1", {"Command2"}, false,
     {{kKeyRight, kShift}, {kKeyRight, 0, 5}, {kKeyReturn}}, Mouse::rightClicks,
     {"Keyboard cursor at 15 Hz.", "Enter places the harmonic markers"}},
    {"peak marked with ctrl while the markers are on", "Picture1", {"Command2"}, false,
     {{kKeyRight, kShift, 6}, {kKeyReturn, kCtrl}}, Mouse::leftClicks,
     {"Keyboard cursor at 60 Hz."}},
    {"musical markers a semitone and a half below A4", "Picture5", {"Command3", "Command2"}, false,
     {{kKeyLeft, kShift}, {kKeyLeft, 0, 5}, {kKeyReturn}}, Mouse::musicalRightDrags,
     {"Keyboard cursor at 403 Hz  G4 +50 c."}},
    {"no file to select from", "Picture2", {}, false, {}, Mouse::none, {"No file opened yet."}},
    {"samples selected from 100 to 1250", "Picture2", {}, true,
     {{kKeyRight, kShift, 10}, {kKeyReturn}, {kKeyRight, kShift, 115}, {kKeyReturn}},
     Mouse::rawDrag,
     {"20000 points shown of the file's 20000.",
      "Selected: points 100 to 1250, 1150 points, 1024 to be transferred.",
      "Keyboard cursor at point 1250."}},
    {"samples selected leftward to the start", "Picture2", {}, true,
     {{kKeyRight, kShift, 300}, {kKeyReturn}, {kKeyHome}, {kKeyReturn}}, Mouse::rawDrag,
     {"Selected: points 0 to 3000"}},
    {"selection under way", "Picture2", {}, true, {{kKeyEnd}, {kKeyReturn}, {kKeyLeft, kShift, 2}},
     Mouse::none, {"Selected: points 19980 to 20000", "starts at point 20000"}},
    {"selection taken away by escape", "Picture2", {}, true, {{kKeyEscape}}, Mouse::rawRightClick,
     {"Nothing selected"}},
};
// clang-format on

class KeysAsMouse : public ::testing::TestWithParam<KeyCase> {
  protected:
    KeysAsMouse() {
        dir_ = std::filesystem::temp_directory_path() /
               ("quorbel-keys-" + std::to_string(std::random_device()()));
        for (const char* side : {"keys", "mouse"}) std::filesystem::create_directories(dir_ / side);
        std::string bytes(20000, '\0');
        for (size_t k = 0; k < bytes.size(); ++k) bytes[k] = static_cast<char>(28 + k * 37 % 200);
        std::ofstream(dir_ / "f.raw", std::ios::binary) << bytes;
    }
    ~KeysAsMouse() override { std::filesystem::remove_all(dir_); }
    void SetUp(Driven& d, const KeyCase& c) {
        for (const char* button : c.clicks) d.model.Fire(button, Event::Click);
        if (!c.openFile) return;
        d.platform.openAnswers.push_back((dir_ / "f.raw").string());
        d.model.RawFile().Fire("mnuOpen", Event::Click);
        d.Raw(Event::MouseDown, kLeft, 300);
        d.Raw(Event::MouseMove, kLeft, 900);
    }
    std::filesystem::path dir_;
};

void ExpectSameDrawing(const RecordingSurface& a, const RecordingSurface& b) {
    ASSERT_EQ(a.Primitives().size(), b.Primitives().size());
    for (size_t i = 0; i < a.Primitives().size(); ++i) {
        const Primitive &p = a.Primitives()[i], &q = b.Primitives()[i];
        EXPECT_TRUE(p.kind == q.kind && p.x1 == q.x1 && p.y1 == q.y1 && p.x2 == q.x2 &&
                    p.y2 == q.y2 && p.color == q.color && p.text == q.text)
            << i << " " << p.text << " / " << q.text;
    }
}

// All a user sees but the keyboard cursors and where the musical view is scrolled to
// (the keys keep their cursor in view).
void ExpectSameWindow(const ViewState& a, const ViewState& b) {
    for (const auto& [name, c] : a.controls) {
        const ControlState& d = b[name];
        EXPECT_TRUE(c.caption == d.caption && c.visible == d.visible && c.enabled == d.enabled &&
                    c.checked == d.checked)
            << name;
        if (name != "HScroll2" && name != "Picture5") {
            EXPECT_TRUE(c.value == d.value && c.left == d.left && c.width == d.width) << name;
        }
    }
    for (const auto& [name, line] : a.lines) {
        const LineObject& other = b.Line(name);
        EXPECT_TRUE(a.whileFocused.count(name) || line.Visible == other.Visible) << name;
        if (!line.Visible || a.whileFocused.count(name)) continue;
        EXPECT_TRUE(line.X1 == other.X1 && line.Y1 == other.Y1 && line.X2 == other.X2 &&
                    line.Y2 == other.Y2 && line.BorderColor == other.BorderColor)
            << name;
    }
}

TEST_P(KeysAsMouse, GiveWhatTheMouseGivesWhereTheCursorStands) {
    const KeyCase& c = GetParam();
    Driven keys(dir_ / "keys"), mouse(dir_ / "mouse");
    SetUp(keys, c);
    SetUp(mouse, c);
    const std::string graphName = c.graph;
    Window& graph = graphName == "Picture2" ? static_cast<Window&>(keys.model.RawFile())
                                            : static_cast<Window&>(keys.model);
    const char* cursor = graphName == "Picture1"   ? kFftKeyCursor
                         : graphName == "Picture5" ? kMusicKeyCursor
                                                   : kRawKeyCursor;
    std::vector<double> enters;
    for (const Key& key : c.keys)
        for (int i = 0; i < key.times; ++i) {
            if (key.code == kKeyReturn || key.code == kKeySpace)
                enters.push_back(graph.View().Line(cursor).X1);
            EXPECT_TRUE(
                graph.Fire(c.graph, Event::KeyPress, {.shift = key.shift, .value = key.code}));
        }
    const std::string said = graph.Describe(c.graph).text;
    size_t at = 0;
    for (const std::string& part : c.said) {
        at = said.find(part, at);
        ASSERT_NE(at, std::string::npos) << part << " in: " << said;
    }
    if (c.shown) {
        EXPECT_EQ(keys.model.State().displayedValueList.Whole(0), c.shown);
    }
    if (c.mouse == Mouse::none) return;

    MouseAt(mouse, c.mouse, enters);
    const AnalysisState &k = keys.model.State(), &m = mouse.model.State();
    EXPECT_EQ(k.displayedValueList, m.displayedValueList);
    EXPECT_EQ(k.expansionClickCount, m.expansionClickCount);
    EXPECT_EQ(k.expansionFirstPoint, m.expansionFirstPoint);
    EXPECT_EQ(k.expansionPrompt, m.expansionPrompt);
    EXPECT_EQ(keys.platform.messages, mouse.platform.messages);
    ExpectSameWindow(keys.model.View(), mouse.model.View());
    ExpectSameWindow(keys.model.RawFile().View(), mouse.model.RawFile().View());
    ExpectSameDrawing(keys.picture1, mouse.picture1);
    ExpectSameDrawing(keys.picture5, mouse.picture5);
    for (Driven* d : {&keys, &mouse}) d->model.Fire("mnuReport", Event::Click);
    ExpectSameDrawing(keys.form5, mouse.form5);
}

INSTANTIATE_TEST_SUITE_P(EveryGraph, KeysAsMouse, ::testing::ValuesIn(kCases), PrintedName());

}  // namespace
}  // namespace quorbel::testing
