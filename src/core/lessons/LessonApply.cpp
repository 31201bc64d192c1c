// Bringing the windows into a step's settings through the events a user gives: the
// menus, option buttons and buttons are clicked and the fields typed, so every rule
// of the windows (what "Both" recomputes, what a window function transforms again)
// applies as it does for a student.
#include <cmath>

#include "lessons/LessonLines.h"
#include "lessons/LessonSettings.h"
#include "lessons/SettingTable.h"
#include "platform/Translation.h"
#include "state/NumberText.h"
#include "windows/ControlTable.h"
#include "windows/MainWindowModel.h"
#include "windows/WindowRegistry.h"

namespace quorbel::lessons {

namespace fs = std::filesystem;

namespace {

class Applier {
  public:
    Applier(MainWindowModel& main, const fs::path& folder) : main_(main), folder_(folder) {}

    void Apply(const std::vector<Setting>& settings) {
        std::vector<Setting> main;
        for (const Setting& s : settings)
            (s.window == kMainWindowName ? main : others_).push_back(s);
        for (const SettingEntry& entry : SettingTable())
            for (const Setting& s : main)
                if (FindEntry(s.key) == &entry) ordered_.push_back({&entry, s});
        DropOtherFunctions();
        if (const Setting* sound = Find("Sound file"))
            Sound(*sound);
        else
            Function();
        for (const char* key : {"Method", "Window", "Frequencies", "Display", "Scale"})
            if (const Setting* s = Find(key)) Choose(*s);
        for (const Setting& s : others_) Other(s);
    }

    std::vector<LessonProblem> messages;

  private:
    struct Ordered {
        const SettingEntry* entry;
        Setting setting;
    };

    // Settings carried from earlier steps that belong to another kind of function
    // than the one the window is to show (a simple wave's phase while the wave table
    // is shown) wait for their kind to come back.
    void DropOtherFunctions() {
        const Setting* waves = Find("Waves");
        const bool sound = Find("Sound file") != nullptr;
        const bool simple = (waves ? waves->value : FunctionNow()) == "Simple waves";
        std::erase_if(ordered_, [&](const Ordered& o) {
            const std::string& key = o.setting.key;
            const bool ofSimple = key == "Simple wave" || key == "Phase";
            const bool ofTable = key == "Sum of" || WaveRow(key) >= 0;
            const bool ofFunction = ofSimple || ofTable || key == "Waves" ||
                                    key == "Number of cycles (per second)" ||
                                    key == "Change (*1/2)";
            const bool ofSound = key == "Sampling frequency" || key == "Selection";
            return (sound && ofFunction) || (!sound && ofSound) || (simple && ofTable) ||
                   (!simple && ofSimple);
        });
    }

    const Setting* Find(const std::string& key) const {
        for (const Ordered& o : ordered_)
            if (o.setting.key == key) return &o.setting;
        return nullptr;
    }

    void Fail(const Setting& s) {
        messages.push_back({s.line, FillIn(Translate("Lessons", "\"%1: %2\" could not be set"),
                                           {s.key, s.value})});
    }

    bool Click(const std::string& control) { return main_.Fire(control, Event::Click); }
    bool Press(const std::string& control) {
        main_.Fire(control, Event::MouseDown);
        return Click(control);
    }

    // A choice is made only where the window holds another: a click on the option
    // already chosen could compute again, or switch back (the scale's button).
    void Choose(const Setting& s) {
        const SettingEntry& entry = *FindEntry(s.key);
        if (entry.now && entry.now(main_) == s.value) return;
        for (const SettingOption& o : entry.options)
            if (s.value == o.caption) {
                const bool menu = std::string(o.control).rfind("mnu", 0) == 0;
                if (!(menu || s.key == "Scale" ? Click(o.control) : Press(o.control))) Fail(s);
                return;
            }
    }

    void Type(const Setting& s, const std::string& control, const std::string& text) {
        if (!main_.Type(control, text)) Fail(s);
    }

    // The function, its parameters, "Both" to compute it, and the halvings.
    void Function() {
        bool changed = false;
        if (const Setting* s = Find("Waves")) {
            if (main_.Source() == DataSource::RawFile || FunctionNow() != s->value)
                changed = true, Force(*s);
        }
        for (const Ordered& o : ordered_) {
            const Setting& s = o.setting;
            if (s.key == "Sum of") changed = true, Choose(s);
            if (const int row = WaveRow(s.key); row >= 0) {
                const auto parts = Parts(s.value);
                const char* columns[] = {"Text3", "Text4", "Text5"};
                for (size_t i = 0; i < parts.size(); ++i)
                    Type(s, Indexed(columns[i], row), parts[i]);
                changed = true;
            }
            if (s.key == "Number of cycles (per second)") changed = true, Type(s, "Text2", s.value);
            if (s.key == "Phase") changed = true, Type(s, "Text8", s.value);
        }
        if (const Setting* s = Find("Simple wave")) Press(OptionOf(*s)) || (Fail(*s), true);
        const Setting* halvings = Find("Change (*1/2)");
        if (changed || halvings) Click("Command18"), Click("Command17");
        if (halvings)
            for (int i = 0; i < WholeNumber(halvings->value); ++i)
                if (!Click("Command16")) return Fail(*halvings);
    }

    std::string FunctionNow() const {
        return main_.Choices().function == FunctionKind::SimpleWaves ? "Simple waves"
                                                                     : "Multiple waves";
    }

    void Force(const Setting& s) {
        for (const SettingOption& o : FindEntry(s.key)->options)
            if (s.value == o.caption && !Click(o.control)) Fail(s);
    }

    static const char* OptionOf(const Setting& s) {
        for (const SettingOption& o : FindEntry(s.key)->options)
            if (s.value == o.caption) return o.control;
        return "";
    }

    static std::vector<std::string> Parts(const std::string& value) {
        std::vector<std::string> parts;
        size_t start = 0;
        for (size_t comma; (comma = value.find(',', start)) != std::string::npos; start = comma + 1)
            parts.push_back(Trim(value.substr(start, comma - start)));
        parts.push_back(Trim(value.substr(start)));
        return parts;
    }

    // The raw file window: the file opened, its rate typed, the drag and "Transfer".
    void Sound(const Setting& sound) {
        if (!Click("mnuFilesrawItem")) return Fail(sound);
        RawFileModel& raw = main_.RawFile();
        if (!raw.OpenPath(folder_ / sound.value)) return Fail(sound);
        if (const Setting* rate = Find("Sampling frequency")) raw.TypeFrequency(rate->value);
        const int n = raw.PlottedPoints();
        const double perPoint = n > 0 ? raw.View()["Picture2"].width / n : 0;
        double first = 0, last = n;
        if (const Setting* s = Find("Selection"); s && s->value != "all") {
            const size_t to = s->value.find(" to ");
            first = DecimalPrefix(s->value.substr(0, to));
            last = DecimalPrefix(s->value.substr(to + 4));
        }
        raw.Fire("Picture2", Event::MouseDown, {.button = 1, .x = (first + 0.5) * perPoint});
        raw.Fire("Picture2", Event::MouseMove, {.button = 1, .x = (last + 0.5) * perPoint});
        if (!raw.Fire("Command1", Event::Click) || main_.Source() != DataSource::RawFile)
            return Fail(sound);
        main_.Form_Activate();
    }

    // A setting of another window: the control whose caption (or the label before a
    // field) the key names is pressed, or the field typed.
    void Other(const Setting& s) {
        const NamedControl named = FindNamedControl(main_, s);
        if (!named.window) return Fail(s);
        if (named.field) {
            if (!named.window->Type(named.control, s.value)) Fail(s);
            return;
        }
        named.window->Fire(named.control, Event::MouseDown);
        if (!named.window->Fire(named.control, Event::Click)) Fail(s);
    }

    MainWindowModel& main_;
    fs::path folder_;
    std::vector<Ordered> ordered_;
    std::vector<Setting> others_;
};

}  // namespace

NamedControl FindNamedControl(MainWindowModel& main, const Setting& s) {
    const WindowEntry* entry = FindWindowEntry(s.window);
    if (!entry) {
        for (const WindowEntry& e : WindowRegistry())
            if (Trim(e.initial().caption) == s.window) entry = &e;
    }
    if (!entry) return {};
    Window& window = entry->model(main);
    const ViewState& view = window.View();
    std::string label;
    for (const std::string& name : view.order) {
        const ControlState& c = view[name];
        if (!label.empty() && c.kind == ControlKind::TextBox)
            return {&window, entry->name, name, label, true};
        // A field's label ends with a colon, which the lesson's key cannot hold.
        std::string caption = Trim(c.caption);
        if (c.kind == ControlKind::Label && caption.ends_with(':')) caption.pop_back();
        if (LowerAscii(Trim(caption)) != LowerAscii(s.key)) continue;
        if (c.kind == ControlKind::Label) {
            label = c.caption;
            continue;
        }
        return {&window, entry->name, name, c.caption, false};
    }
    return {};
}

std::vector<LessonProblem> ApplySettings(MainWindowModel& main,
                                         const std::vector<Setting>& settings,
                                         const fs::path& folder) {
    Applier applier(main, folder);
    applier.Apply(settings);
    return applier.messages;
}

}  // namespace quorbel::lessons
