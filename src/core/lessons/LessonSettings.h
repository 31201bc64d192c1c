#pragma once
// What a lesson step sets in a window, named as the teacher sees it: a control's
// caption or the label beside a field, and the caption of the choice
// ("Window: Hann", "Display: Vector Rho", "Number of cycles (per second): 10").
// The main window's settings are mapped onto its typed state: each is applied by the
// same events a user's clicks and typing give (MainWindowModel::Fire and Type),
// read back from the window's typed state, and compared with a step's target. Other
// windows are set by caption alone: a button or option is pressed, a field typed.
#include <filesystem>
#include <optional>
#include <string>
#include <vector>

#include "lessons/LessonLines.h"

namespace quorbel {
class MainWindowModel;
class Window;
}  // namespace quorbel

namespace quorbel::lessons {

// The window the lesson's main settings go to.
inline constexpr const char* kMainWindowName = "Form1";

struct Setting {
    std::string window = kMainWindowName;  // the window's name in the window registry
    std::string key;    // main window: the setting's own caption ("Window", "Wave 3")
    std::string value;  // main window: the caption of the value chosen, or a number
    int line = 0;       // where the lesson writes it
};

// A main-window line read as a setting: the setting, or an error naming what is
// wrong with the value; nothing when the key names no setting of the main window.
struct SettingRead {
    std::optional<Setting> setting;
    std::string error;
};
std::optional<SettingRead> ReadMainSetting(const std::string& key, const std::string& value,
                                           int line);

// The settings of `later` replace those of `earlier` with the same window and key.
std::vector<Setting> Merged(const std::vector<Setting>& earlier, const std::vector<Setting>& later);

// Brings the windows into the settings, in the order the main window needs them
// (the function, its parameters and "Both", then method, window function,
// frequencies, display, halvings and scale). Sound files are looked for in `folder`.
// The settings that could not be made, each with its line.
std::vector<LessonProblem> ApplySettings(MainWindowModel& main,
                                         const std::vector<Setting>& settings,
                                         const std::filesystem::path& folder);

// The control of another window a setting names: the field whose label its key is (the
// label's colon left out), or the button or option of that caption; no window when
// none is found.
struct NamedControl {
    Window* window = nullptr;
    std::string context;  // the window's name, the context of its texts
    std::string control;
    std::string caption;  // of the control, or of the field's label
    bool field = false;
};
NamedControl FindNamedControl(MainWindowModel& main, const Setting& setting);

// A setting the window does not hold now: what the step asks for and what there is.
// In another window only fields and options can be read back (`context` then names
// the window, `caption` the control); a button pressed leaves nothing to compare.
struct Difference {
    Setting wanted;
    std::string now;
    std::string context;
    std::string caption;
};
std::vector<Difference> Differences(MainWindowModel& main, const std::vector<Setting>& target);
// "Window: Hann (now Rectangular)", in the user's language.
std::string DifferenceText(const Difference& difference);

// The main window's present state as the lines a step needs to set it up again.
std::string StateLines(const MainWindowModel& main);

}  // namespace quorbel::lessons
