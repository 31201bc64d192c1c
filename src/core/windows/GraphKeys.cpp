#include "windows/GraphKeys.h"

#include <algorithm>
#include <cmath>
#include <limits>

namespace quorbel {

namespace {

constexpr int kShiftStep = 10;

}  // namespace

GraphKeyMove GraphKey(int key, int shift, int position, int count) {
    if (count < 1) return {};
    const int step = (shift & 1) ? kShiftStep : 1;
    auto to = [count](int p) {
        return GraphKeyMove{GraphKeyAction::moved, std::clamp(p, 0, count - 1)};
    };
    switch (key) {
        case kKeyLeft:
            return to(position - step);
        case kKeyRight:
            return to(position + step);
        case kKeyHome:
            return to(0);
        case kKeyEnd:
            return to(count - 1);
        case kKeyReturn:
        case kKeySpace:
            return {GraphKeyAction::activate, std::clamp(position, 0, count - 1)};
        case kKeyEscape:
            return {GraphKeyAction::cancel, std::clamp(position, 0, count - 1)};
        default:
            return {};
    }
}

double TwipsOfStep(int step, double twipsPerStep, const std::function<int(double)>& stepUnder) {
    double x = step * twipsPerStep;
    // A few ulps at most: the product and the graph's division round once each.
    for (int tries = 0; tries < 64 && stepUnder(x) < step; ++tries)
        x = std::nextafter(x, std::numeric_limits<double>::infinity());
    return x;
}

void AddKeyCursor(ViewState& view, const std::string& line, const std::string& graph, double x,
                  double height, const std::string& focused) {
    view.lines[line] = {x, 0, x, height, kKeyCursorColor, true, graph};
    view.whileFocused[line] = focused.empty() ? graph : focused;
}

}  // namespace quorbel
