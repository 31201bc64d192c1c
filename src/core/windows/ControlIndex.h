#pragma once
// The control index: every control of every window's control table with its kind, its
// caption, the events it answers and the handler each event runs, read from the
// tables themselves so that it always says what the program does.
#include <string>
#include <utility>
#include <vector>

#include "windows/ControlTable.h"

namespace quorbel {

class MainWindowModel;
class InverseWindowModel;
class RawFileModel;
class ReportWindowModel;
class BitmapWindowModel;
class OpeningParamsModel;
class HelpWindowModel;
class AboutWindowModel;
class SplashWindowModel;
class SpectrogramWindowModel;
enum class HelpPageKind;

// The tables of the windows besides the main window's (MainWindowModel.h).
const ControlTable<InverseWindowModel>& InverseWindowTable();
const ControlTable<RawFileModel>& RawFileTable();
const ControlTable<ReportWindowModel>& ReportWindowTable();
const ControlTable<BitmapWindowModel>& BitmapWindowTable();
const ControlTable<OpeningParamsModel>& OpeningParamsTable();
const ControlTable<HelpWindowModel>& HelpWindowTable(HelpPageKind kind);
const ControlTable<AboutWindowModel>& AboutWindowTable();
const ControlTable<SplashWindowModel>& SplashWindowTable();
const ControlTable<SpectrogramWindowModel>& SpectrogramWindowTable();

// One control of a window, or the window itself (kind "Window"): elements of a
// control array are listed one by one, as name(i).
struct ControlIndexEntry {
    std::string window;
    std::string control;
    std::string kind;
    std::string caption;
    std::vector<std::pair<std::string, std::string>> handlers;  // event, handler
    std::string tooltip = "";
};

// The name of a control kind as the index prints it.
const char* KindName(ControlKind kind);

// The window itself first, then its controls in table order.
template <class M>
std::vector<ControlIndexEntry> IndexOfTable(const ControlTable<M>& table) {
    auto handlers = [](const Behaviour<M>& b) {
        std::vector<std::pair<std::string, std::string>> list;
        const std::pair<const char*, const typename Behaviour<M>::Handler*> columns[] = {
            {"Click", &b.click},      {"MouseDown", &b.mouseDown}, {"MouseMove", &b.mouseMove},
            {"MouseUp", &b.mouseUp},  {"Change", &b.change},       {"Unload", &b.unload},
            {"KeyPress", &b.keyPress}};
        for (const auto& [event, handler] : columns)
            if (*handler) list.emplace_back(event, handler->name);
        return list;
    };
    std::vector<ControlIndexEntry> index;
    index.push_back({table.name, table.name, "Window", table.caption, handlers(table.on), ""});
    for (const ControlRow<M>& row : table.rows) {
        if (row.array.count == 0) {
            index.push_back({table.name, row.name, KindName(row.kind), row.caption,
                             handlers(row.on), row.tooltip});
            continue;
        }
        for (int i = 0; i < row.array.count; ++i)
            index.push_back({table.name, Indexed(row.name, i), KindName(row.kind), row.caption,
                             handlers(row.array.each ? row.array.each(i) : row.on), row.tooltip});
    }
    return index;
}

// Every window's index, the main window first.
std::vector<ControlIndexEntry> ControlIndex();

}  // namespace quorbel
