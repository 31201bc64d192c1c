#pragma once
// Every window of the program, in one list: its name (the name its events and its
// controls' translations go by), the view its control table starts with, its control
// index, the model that runs it within the main window's model, and the size of the
// picture it draws on itself. The desktop view builds its windows from this list, and
// the control index, the fuzzer and every test that goes over "each window" iterate
// it, so a new window is added here once and reaches all of them.
#include <span>
#include <string>
#include <vector>

#include "windows/ControlIndex.h"
#include "windows/ViewState.h"

namespace quorbel {

class MainWindowModel;
class Window;

struct WindowEntry {
    const char* name;  // Form1, Form3, ... as its table names it
    ViewState (*initial)();
    std::vector<ControlIndexEntry> (*index)();
    // The window's model, owned by the main window's model (the main window itself).
    Window& (*model)(MainWindowModel& main);
    // A window that draws on itself: its picture in twips, of which the table's client
    // area is shown; 0 for a window that does not.
    double pictureWidth = 0, pictureHeight = 0;
};

// The main window first, then the secondary windows in the order the index lists them.
const std::vector<WindowEntry>& WindowRegistry();
// The windows besides the main window, each made and shown at the main window's request.
std::span<const WindowEntry> SecondaryWindows();
// The entry of the window of that name; nullptr for a name no window has.
const WindowEntry* FindWindowEntry(const std::string& name);

}  // namespace quorbel
