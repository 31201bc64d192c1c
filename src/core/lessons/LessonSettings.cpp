// Reading a main-window setting from a lesson line, comparing settings with what the
// window holds, and writing the window's state as lesson lines.
#include "lessons/LessonSettings.h"

#include <algorithm>
#include <cmath>

#include "lessons/LessonLines.h"
#include "lessons/SettingTable.h"
#include "platform/Translation.h"
#include "state/NumberText.h"
#include "windows/ControlTable.h"
#include "windows/MainWindowModel.h"

namespace quorbel::lessons {

namespace {

// A caption compared as a teacher may write it: case, blanks around it and runs of
// blanks do not count.
std::string Loose(const std::string& text) {
    std::string out;
    for (const char c : LowerAscii(Trim(text)))
        if (c != ' ' || (!out.empty() && out.back() != ' ')) out += c;
    return out;
}

// The numbers of a wave row, "a, b, φ": one to three of them.
std::optional<std::vector<double>> WaveNumbers(const std::string& value) {
    std::vector<double> numbers;
    size_t start = 0;
    while (start <= value.size()) {
        size_t comma = value.find(',', start);
        if (comma == std::string::npos) comma = value.size();
        const std::optional<double> n = ParseNumber(value.substr(start, comma - start));
        if (!n) return std::nullopt;
        numbers.push_back(*n);
        start = comma + 1;
    }
    if (numbers.empty() || numbers.size() > 3) return std::nullopt;
    return numbers;
}

std::string JoinNumbers(const std::vector<double>& numbers) {
    std::string out;
    for (const double n : numbers) out += (out.empty() ? "" : ", ") + NumberText(n);
    return out;
}

std::string OptionList(const SettingEntry& entry) {
    std::string list;
    for (const SettingOption& o : entry.options)
        list += (list.empty() ? "" : ", ") + std::string(o.caption);
    return list;
}

std::string ReadValue(const SettingEntry& entry, const std::string& value, std::string& error) {
    switch (entry.kind) {
        case SettingKind::Choice:
            for (const SettingOption& o : entry.options) {
                if (Loose(value) == Loose(o.caption)) return o.caption;
                for (const char* also : o.also)
                    if (Loose(value) == also) return o.caption;
            }
            error = FillIn(Translate("Lessons", "\"%1\" is not one of: %2"),
                           {value, OptionList(entry)});
            return "";
        case SettingKind::Number:
        case SettingKind::Count: {
            const std::optional<double> n = ParseNumber(value);
            if (!n ||
                (entry.kind == SettingKind::Count && (*n < 0 || *n > 9 || *n != std::floor(*n))))
                error = FillIn(Translate("Lessons", "\"%1\" is not a number this setting takes"),
                               {value});
            return n ? NumberText(*n) : "";
        }
        case SettingKind::Wave: {
            const auto numbers = WaveNumbers(value);
            if (!numbers)
                error =
                    FillIn(Translate("Lessons", "\"%1\" is not a wave row \"a, b, φ\""), {value});
            return numbers ? JoinNumbers(*numbers) : "";
        }
        case SettingKind::File:
            if (value.empty() || value.find("..") != std::string::npos)
                error = Translate("Lessons", "a sound is named by its file in the lesson's folder");
            return value;
        case SettingKind::Selection: {
            const std::string loose = Loose(value);
            if (loose == "all") return "all";
            const size_t to = loose.find(" to ");
            const double first =
                to == std::string::npos ? -1 : ParseNumber(loose.substr(0, to)).value_or(-1);
            const double last =
                to == std::string::npos ? -1 : ParseNumber(loose.substr(to + 4)).value_or(-1);
            if (first < 0 || last <= first) {
                error =
                    Translate("Lessons", "a selection is \"all\" or \"FIRST to LAST\" (samples)");
                return "";
            }
            return NumberText(first) + " to " + NumberText(last);
        }
    }
    return value;
}

// Whether the window's value `now` is the setting's `wanted` one.
bool Same(const Setting& wanted, const std::string& now) {
    if (WaveRow(wanted.key) >= 0) {
        const auto want = WaveNumbers(wanted.value), have = WaveNumbers(now);
        if (!want || !have) return false;
        for (size_t i = 0; i < want->size(); ++i)
            if (i >= have->size() || std::abs((*want)[i] - (*have)[i]) > 1e-9) return false;
        return true;
    }
    const auto a = ParseNumber(wanted.value), b = ParseNumber(now);
    if (a && b) return std::abs(*a - *b) <= 1e-9 * std::max(1.0, std::abs(*a));
    return wanted.value == now;
}

std::string WaveNow(const MainWindowModel& m, int row) {
    std::vector<double> numbers;
    for (const Field f : {Field::amplitudeA, Field::multiplierB, Field::phasePhi}) {
        const std::optional<double> n = ParseNumber(m.State().Get(f, row));
        if (!n) return m.State().Get(f, row);
        numbers.push_back(*n);
    }
    return JoinNumbers(numbers);
}

}  // namespace

std::optional<SettingRead> ReadMainSetting(const std::string& key, const std::string& value,
                                           int line) {
    const std::string loose = Loose(key);
    for (const SettingEntry& entry : SettingTable()) {
        bool named = loose == Loose(entry.key);
        for (const char* also : entry.also) named = named || loose == also;
        std::string canonical = entry.key;
        if (entry.kind == SettingKind::Wave) {
            if (loose.rfind("wave ", 0) != 0) continue;
            canonical = "Wave " + Trim(loose.substr(5));
            if (WaveRow(canonical) < 0)
                return SettingRead{std::nullopt,
                                   Translate("Lessons", "the wave table has rows 1 to 10")};
            named = true;
        }
        if (!named) continue;
        SettingRead read;
        const std::string v = ReadValue(entry, value, read.error);
        if (read.error.empty()) read.setting = Setting{kMainWindowName, canonical, v, line};
        return read;
    }
    return std::nullopt;
}

std::vector<Setting> Merged(const std::vector<Setting>& earlier,
                            const std::vector<Setting>& later) {
    std::vector<Setting> merged = earlier;
    // A sound file and a calculated function take each other's place: the later one
    // is what the window analyses.
    const auto has = [&later](const char* key) {
        return std::any_of(later.begin(), later.end(),
                           [key](const Setting& s) { return s.key == key; });
    };
    if (has("Sound file")) std::erase_if(merged, [](const Setting& s) { return s.key == "Waves"; });
    if (has("Waves"))
        std::erase_if(merged, [](const Setting& s) {
            return s.key == "Sound file" || s.key == "Sampling frequency" || s.key == "Selection";
        });
    for (const Setting& s : later) {
        bool replaced = false;
        for (Setting& m : merged)
            if (m.window == s.window && m.key == s.key) m = s, replaced = true;
        if (!replaced) merged.push_back(s);
    }
    return merged;
}

std::vector<Difference> Differences(MainWindowModel& main, const std::vector<Setting>& target) {
    std::vector<Difference> differences;
    for (const Setting& s : target) {
        if (s.window != kMainWindowName) {
            const NamedControl named = FindNamedControl(main, s);
            if (!named.window) continue;
            const ControlState& c = named.window->View()[named.control];
            if (named.field) {
                const std::string now = named.window->BoundText(named.control).value_or("");
                if (!Same(s, now)) differences.push_back({s, now, named.context, named.caption});
            } else if (c.kind == ControlKind::Option && !c.checked) {
                differences.push_back({s, "", named.context, named.caption});
            }
            continue;
        }
        const int row = WaveRow(s.key);
        const SettingEntry* entry = FindEntry(s.key);
        if (!entry || (!entry->now && row < 0)) continue;
        const std::string now = row >= 0 ? WaveNow(main, row) : entry->now(main);
        if (!Same(s, now)) differences.push_back({s, now, "", ""});
    }
    return differences;
}

std::string DifferenceText(const Difference& d) {
    if (!d.context.empty()) {
        std::string caption = Translate(d.context.c_str(), d.caption);
        if (caption.ends_with(':')) caption.pop_back();
        if (d.wanted.value == "click")
            return FillIn(Translate("Lessons", "%1: choose it"), {caption});
        const std::string now = d.now.empty() ? Translate("Lessons", "nothing") : d.now;
        return FillIn(Translate("Lessons", "%1: %2 (now %3)"), {caption, d.wanted.value, now});
    }
    const SettingEntry* entry = FindEntry(d.wanted.key);
    const int row = WaveRow(d.wanted.key);
    const std::string key = row >= 0
                                ? FillIn(Translate("Lessons", "Wave %1"), {std::to_string(row + 1)})
                                : Translate(entry ? entry->context : "Lessons", d.wanted.key);
    const char* context = entry ? entry->context : "Lessons";
    const std::string wanted =
        Translate(entry && entry->kind == SettingKind::Choice ? "Form1" : context, d.wanted.value);
    const std::string now =
        d.now.empty() ? Translate("Lessons", "nothing") : Translate("Form1", d.now);
    return FillIn(Translate("Lessons", "%1: %2 (now %3)"), {key, wanted, now});
}

std::string StateLines(const MainWindowModel& main) {
    std::string lines;
    const auto add = [&lines](const std::string& key, const std::string& value) {
        if (!value.empty()) lines += key + ": " + value + "\n";
    };
    const bool raw = main.Source() == DataSource::RawFile;
    const bool simple = !raw && main.Choices().function == FunctionKind::SimpleWaves;
    for (const SettingEntry& entry : SettingTable()) {
        const std::string key = entry.key;
        if (raw ? (key == "Waves" || key == "Sum of" || key == "Number of cycles (per second)" ||
                   key == "Phase" || key == "Simple wave" || key == "Change (*1/2)")
                : (key == "Sampling frequency" || key == "Sound file"))
            continue;
        if ((simple && key == "Sum of") || (!simple && (key == "Simple wave" || key == "Phase")))
            continue;
        if (entry.kind == SettingKind::Wave) {
            if (raw || simple) continue;
            for (int row = 0; row < kTableRows; ++row)
                add("Wave " + std::to_string(row + 1), WaveNow(main, row));
            continue;
        }
        if (entry.kind == SettingKind::Selection) {
            if (raw) add(key, "all");
            continue;
        }
        if (entry.now) add(key, entry.now(main));
    }
    return lines;
}

}  // namespace quorbel::lessons
