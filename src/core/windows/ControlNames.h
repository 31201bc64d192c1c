#pragma once
// How a control without a caption of its own (a field, a scroll bar, a list) is named
// for those who cannot see the window: by the labels a reader pairs it with, the one
// before it on its line and the one heading its column. A cell of a table (an element
// of a control array) is named by its column and its row.
#include <string>

#include "windows/ViewState.h"

namespace quorbel {

struct NamingLabels {
    std::string row;     // the label to its left on the same line, by control name
    std::string column;  // the label above it whose width covers its middle
    int element = -1;    // its index in its control array, -1 for a single control
};

// Only visible labels with a caption in the same frame or picture count; the nearest
// wins. Names that are not in the view give no labels.
NamingLabels NamingLabelsOf(const ViewState& view, const std::string& control);

}  // namespace quorbel
