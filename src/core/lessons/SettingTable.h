#pragma once
// The main window's settings a lesson can name, with the captions of their values and
// the controls that choose them: one table that reading, applying, comparing and
// writing a window's state as lesson lines all go by.
#include <string>
#include <vector>

namespace quorbel {
class MainWindowModel;
}

namespace quorbel::lessons {

enum class SettingKind {
    Choice,     // one of the captions of `options`, chosen by pressing its control
    Number,     // a field's number
    Count,      // a whole number from 0 (the halvings of the sampling window)
    Wave,       // a row of the wave table: "a, b, φ" (a alone, or a and b, also)
    File,       // a sound file in the lesson's folder
    Selection,  // "all", or the first and the last sample of the raw file window's drag
};

struct SettingOption {
    const char* caption;            // as the window shows it
    std::vector<const char*> also;  // other names a teacher may write, lower case
    const char* control;            // what chooses it
};

struct SettingEntry {
    const char* key;                // the caption of the setting ("Window")
    const char* context;            // where its translation is kept: "Form1" or "Lessons"
    std::vector<const char*> also;  // other names, lower case ("cycles")
    SettingKind kind;
    std::vector<SettingOption> options;
    const char* control = "";  // a number's field, the button of a count
    // The caption or number the window holds now; "" when it holds none.
    std::string (*now)(const MainWindowModel&) = nullptr;
};

// In the order the settings are applied.
const std::vector<SettingEntry>& SettingTable();
// The setting of that canonical key ("Wave 3" finds "Wave"), or nullptr.
const SettingEntry* FindEntry(const std::string& key);
// The row of a "Wave N" key, 0-based; -1 for another key.
int WaveRow(const std::string& key);

// The number of halvings of the sampling window: log2 of total over window points.
int Halvings(const MainWindowModel& main);

}  // namespace quorbel::lessons
