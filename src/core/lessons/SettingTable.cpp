#include "lessons/SettingTable.h"

#include <cmath>

#include "lessons/LessonLines.h"
#include "platform/Translation.h"
#include "state/NumberText.h"
#include "windows/MainWindowModel.h"

namespace quorbel::lessons {

namespace {

using M = MainWindowModel;
using K = SettingKind;

std::string FunctionNow(const M& m) {
    if (m.Source() == DataSource::RawFile) return "";
    return m.Choices().function == FunctionKind::SimpleWaves ? "Simple waves" : "Multiple waves";
}

std::string SimpleNow(const M& m) {
    switch (m.Choices().simpleWave) {
        case SimpleWave::Sine:
            return "Sine wave";
        case SimpleWave::Square:
            return "Square wave";
        case SimpleWave::Triangular:
            return "Triangular wave";
        case SimpleWave::None:
            break;
    }
    return "";
}

std::string DisplayNow(const M& m) {
    switch (m.Choices().display) {
        case DisplayOption::Imaginary:
            return "Imaginary (i)";
        case DisplayOption::Real:
            return "Real (r)";
        case DisplayOption::RealGlobal:
            return "Real with global maximum (r)";
        case DisplayOption::Rho:
            return "Vector Rho = (r2+i2)^(1/2)";
        case DisplayOption::Both:
            return "Both, separately";
        case DisplayOption::None:
            break;
    }
    return "";
}

std::string FieldNow(const M& m, Field field) {
    const std::optional<double> value = ParseNumber(m.State().Get(field));
    return value ? NumberText(*value) : m.State().Get(field);
}

std::string SoundNow(const M& m) {
    if (m.Source() != DataSource::RawFile) return "";
    return std::filesystem::path(m.State().rawFileName).filename().string();
}

std::vector<SettingOption> WindowOptions() {
    std::vector<SettingOption> options;
    static std::vector<std::string> names, items;
    if (names.empty())
        for (const WindowFunction w : kWindowFunctions)
            names.push_back(WindowName(w)), items.push_back(WindowMenuItem(w));
    for (size_t i = 0; i < names.size(); ++i)
        options.push_back({names[i].c_str(), {}, items[i].c_str()});
    return options;
}

// The names of the settings that are no caption of the main window, as the
// messages of a "your turn" step say them.
[[maybe_unused]] constexpr const char* kSettingNames[] = {
    QT_TRANSLATE_NOOP("Lessons", "Sound file"),  QT_TRANSLATE_NOOP("Lessons", "Sampling frequency"),
    QT_TRANSLATE_NOOP("Lessons", "Selection"),   QT_TRANSLATE_NOOP("Lessons", "Sum of"),
    QT_TRANSLATE_NOOP("Lessons", "Simple wave"), QT_TRANSLATE_NOOP("Lessons", "Frequencies"),
    QT_TRANSLATE_NOOP("Lessons", "Scale")};

}  // namespace

int Halvings(const MainWindowModel& m) {
    const double total = DecimalPrefix(m.State().Get(Field::totalPoints));
    const double window = DecimalPrefix(m.State().Get(Field::windowPoints));
    if (!(total > 0) || !(window > 0) || window >= total) return 0;
    return static_cast<int>(std::lround(std::log2(total / window)));
}

const std::vector<SettingEntry>& SettingTable() {
    static const std::vector<SettingEntry> table = {
        {"Sound file", "Lessons", {"sound"}, K::File, {}, "", SoundNow},
        {"Sampling frequency",
         "Lessons",
         {},
         K::Number,
         {},
         "Text1",
         [](const M& m) {
             return m.Source() == DataSource::RawFile ? FieldNow(m, Field::cyclesPerSecond) : "";
         }},
        {"Selection", "Lessons", {}, K::Selection, {}, "", nullptr},
        {"Waves",
         "Form1",
         {},
         K::Choice,
         {{"Multiple waves", {"multiple"}, "mnuMultipleWavesItem"},
          {"Simple waves", {"simple"}, "mnuSimpleWavesItem"}},
         "",
         FunctionNow},
        {"Sum of",
         "Lessons",
         {},
         K::Choice,
         {{"Sin", {"sine", "sines"}, "Option6"}, {"Cos", {"cosine", "cosines"}, "Option7"}},
         "",
         [](const M& m) -> std::string { return m.State().sineSelected ? "Sin" : "Cos"; }},
        {"Wave", "Lessons", {}, K::Wave, {}, "", nullptr},
        {"Number of cycles (per second)",
         "Form1",
         {"cycles"},
         K::Number,
         {},
         "Text2",
         [](const M& m) { return FieldNow(m, Field::cyclesPerSecond); }},
        {"Phase",
         "Form1",
         {},
         K::Number,
         {},
         "Text8",
         [](const M& m) { return FieldNow(m, Field::simplePhase); }},
        {"Simple wave",
         "Lessons",
         {},
         K::Choice,
         {{"Sine wave", {"sine"}, "Option4"},
          {"Square wave", {"square"}, "Option5"},
          {"Triangular wave", {"triangular", "triangle"}, "Option9"}},
         "",
         SimpleNow},
        {"Change (*1/2)",
         "Form1",
         {"halvings"},
         K::Count,
         {},
         "Command16",
         [](const M& m) { return std::to_string(Halvings(m)); }},
        {"Method",
         "Form1",
         {},
         K::Choice,
         {{"Through REALFT", {"realft"}, "mnuRealftItem"},
          {"Imaginary parts set to zero (only for calculated waves)",
           {"imaginary parts set to zero"},
           "mnuImagzeroItem"}},
         "",
         [](const M& m) -> std::string {
             return m.Choices().method == TransformMethod::RealData
                        ? "Through REALFT"
                        : "Imaginary parts set to zero (only for calculated waves)";
         }},
        {"Window",
         "Form1",
         {"window function"},
         K::Choice,
         WindowOptions(),
         "",
         [](const M& m) { return WindowName(m.Choices().window); }},
        {"Frequencies",
         "Lessons",
         {},
         K::Choice,
         {{"Show Only positive frequencies", {"positive", "only positive"}, "mnuFreqPosItem"},
          {"Show also negative frequencies", {"negative", "also negative"}, "mnuFreqNegItem"}},
         "",
         [](const M& m) -> std::string {
             return m.Choices().negativeFrequencies ? "Show also negative frequencies"
                                                    : "Show Only positive frequencies";
         }},
        {"Display",
         "Form1",
         {},
         K::Choice,
         {{"Imaginary (i)", {"imaginary"}, "Option1"},
          {"Real (r)", {"real"}, "Option2"},
          {"Real with global maximum (r)", {"real with global maximum"}, "Option3"},
          {"Vector Rho = (r2+i2)^(1/2)", {"vector rho", "rho", "modulus"}, "Option8"},
          {"Both, separately", {"both"}, "Option10"}},
         "",
         DisplayNow},
        {"Scale",
         "Lessons",
         {},
         K::Choice,
         {{"Lin", {"linear"}, "Command3"}, {"Log", {"musical"}, "Command3"}},
         "",
         [](const M& m) -> std::string { return m.Choices().musicalScale ? "Log" : "Lin"; }},
    };
    return table;
}

int WaveRow(const std::string& key) {
    if (key.rfind("Wave ", 0) != 0) return -1;
    const std::optional<double> row = ParseNumber(key.substr(5));
    if (!row || *row != std::floor(*row) || *row < 1 || *row > kTableRows) return -1;
    return static_cast<int>(*row) - 1;
}

const SettingEntry* FindEntry(const std::string& key) {
    const std::string name = WaveRow(key) >= 0 ? "Wave" : key;
    for (const SettingEntry& entry : SettingTable())
        if (name == entry.key) return &entry;
    return nullptr;
}

}  // namespace quorbel::lessons
