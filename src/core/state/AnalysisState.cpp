#include "state/AnalysisState.h"

#include <stdexcept>

#include "state/NumberText.h"

namespace quorbel {

AnalysisState::AnalysisState() = default;

std::string& AnalysisState::Slot(Field field, int row) {
    auto cell = [row](std::array<std::string, kTableRows>& column) -> std::string& {
        if (row < 0 || row >= kTableRows) throw std::out_of_range("wave table row");
        return column[static_cast<size_t>(row)];
    };
    switch (field) {
        case Field::totalPoints:
            return totalPoints_;
        case Field::windowPoints:
            return windowPoints_;
        case Field::dataExtensionSeconds:
            return dataExtensionSeconds_;
        case Field::windowSeconds:
            return windowSeconds_;
        case Field::cyclesPerSecond:
            return cyclesPerSecond_;
        case Field::amplitudeA:
            return cell(amplitudeA_);
        case Field::multiplierB:
            return cell(multiplierB_);
        case Field::phasePhi:
            return cell(phasePhi_);
        case Field::simplePhase:
            return simplePhase_;
    }
    throw std::logic_error("unknown field");
}

const std::string& AnalysisState::Get(Field field, int row) const {
    return const_cast<AnalysisState*>(this)->Slot(field, row);
}

void AnalysisState::Set(Field field, const std::string& text, int row) {
    std::string& slot = Slot(field, row);
    if (slot == text) return;  // only a change of the text counts as an edit
    slot = text;
    switch (field) {
        case Field::cyclesPerSecond:
        case Field::amplitudeA:
        case Field::multiplierB:
        case Field::phasePhi:
        case Field::windowPoints:
        case Field::simplePhase:
            SetPlotState("1");
            break;
        default:
            break;
    }
}

void AnalysisState::SetPlotState(const std::string& text) {
    if (plotState_ == text) return;
    plotState_ = text;
    if (onPlotStateChange) onPlotStateChange(text);
}

double AnalysisState::PlotStateValue() const {
    return DecimalPrefix(plotState_);
}

}  // namespace quorbel
