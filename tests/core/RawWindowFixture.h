#pragma once
// The raw file window of a model driven without a display: opening a file through
// its menu, and dragging over the samples of its graph.
#include <string>

#include "ModelFixture.h"
#include "state/NumberText.h"

namespace quorbel::testing {

class RawWindowFixture : public ModelFixture {
  protected:
    RawFileModel& Raw() { return Model().RawFile(); }
    const ControlState& C(const char* name) { return Raw().View()[name]; }
    // The text a label bound to the window's data shows.
    std::string Shown(const char* label) { return Raw().BoundText(label).value_or("(unbound)"); }
    void Open(const std::string& path) {
        platform.openAnswers.push_back(path);
        ASSERT_TRUE(Raw().Fire("mnuOpen", Event::Click));
    }
    // The x (twips) in the middle of sample i on the graph.
    double XOf(int i) { return (i + 0.5) * C("Picture2").width / Raw().PlottedPoints(); }
    void Drag(int first, int last) {
        Raw().Fire("Picture2", Event::MouseDown, {.button = 1, .x = XOf(first)});
        Raw().Fire("Picture2", Event::MouseMove, {.button = 1, .x = XOf(last)});
    }
    bool Transfer() { return Raw().Fire("Command1", Event::Click); }
};

}  // namespace quorbel::testing
