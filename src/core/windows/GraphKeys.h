#pragma once
// The keyboard on a graph: a cursor that stands where a mouse pointer would, moved
// by the arrow keys one step of the graph at a time (a bin, a sample, a tenth of a
// semitone), ten steps with Shift, to the ends with Home and End. Enter or Space then
// does there what a click does, and Escape cancels a selection half made. The
// cursor's place is kept in twips, like the pointer's, so that what the keys do goes
// through the same handlers, with the same positions, as the mouse.
#include <functional>

#include "surface/Surface.h"
#include "windows/ViewState.h"
#include "windows/Window.h"

namespace quorbel {

// The colour of every graph's keyboard cursor: visible on white, blue and purple.
inline constexpr Color kKeyCursorColor = Rgb(255, 128, 0);

// What a key asks of a graph.
enum class GraphKeyAction { none, moved, activate, cancel };

struct GraphKeyMove {
    GraphKeyAction action = GraphKeyAction::none;
    int position = 0;  // the cursor's step after the key, 0..count-1
};

// The key `key` (a KeyCode, with `shift` as events carry it) on a graph of `count`
// steps whose cursor is at step `position`. Moves stay within the graph.
GraphKeyMove GraphKey(int key, int shift, int position, int count);

// The smallest x, from `step` * `twipsPerStep` on, that `stepUnder` (the graph's own
// reading of a mouse position) reads as `step`: where a pointer over that step lies,
// safe from the rounding of a division by the graph's width.
double TwipsOfStep(int step, double twipsPerStep, const std::function<int(double)>& stepUnder);

// Adds to `view` the keyboard cursor `line` of `graph` (a graph `height` twips high),
// standing at x and drawn while the graph, or `focused` when it is another control,
// has the keyboard focus.
void AddKeyCursor(ViewState& view, const std::string& line, const std::string& graph, double x,
                  double height, const std::string& focused = "");

}  // namespace quorbel
