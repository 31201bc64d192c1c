// The NMR window's simulation: the lines a student types into the list and the FID
// "Simulate" makes of them with the acquisition typed (noise, points, spectral width).
#include <cmath>

#include "nmr/SimulatedLines.h"
#include "platform/Translation.h"
#include "state/NumberText.h"
#include "windows/NmrWindowModel.h"

namespace quorbel {

namespace {

// The boxes of the line being typed and of the acquisition, in typed_.
constexpr std::size_t kPpmBox = 7, kAmplitudeBox = 8, kWidthBox = 9, kMultipletBox = 10,
                      kCouplingBox = 11, kNoiseBox = 12, kPointsBox = 13, kSweepBox = 14;

}  // namespace

// The list of lines and the acquisition boxes from the simulation's lines.
void NmrWindowModel::ShowLines() {
    std::vector<std::string>& rows = view_["List3"].items;
    rows.clear();
    for (const nmr::SimulatedLine& line : simulation_.lines) rows.push_back(nmr::LineRow(line));
    if (chosenLine_ && *chosenLine_ >= static_cast<int>(rows.size())) chosenLine_.reset();
    // No row chosen is -1: "Remove" then takes the last line.
    view_["List3"].min = -1;
    view_["List3"].max = static_cast<int>(rows.size()) - 1;
    view_["List3"].value = chosenLine_.value_or(-1);
    const nmr::TypedAcquisition acquisition = nmr::TypedOf(simulation_);
    typed_[kNoiseBox] = acquisition.noise;
    typed_[kPointsBox] = acquisition.points;
    typed_[kSweepBox] = acquisition.sweepHz;
    const double half = simulation_.sweepHz / 2 / simulation_.sf;
    view_["Label22"].caption =
        FillIn(Translate("FormNmr", "%1 MHz, carrier at %2 ppm: the spectrum spans %3 to %4 ppm."),
               {NumberText(simulation_.sf), NumberText(simulation_.centrePpm),
                NumberText(std::round((simulation_.centrePpm + half) * 1000) / 1000),
                NumberText(std::round((simulation_.centrePpm - half) * 1000) / 1000)});
}

void NmrWindowModel::ChooseWidthAsT2(bool t2) {
    widthIsT2_ = t2;
    view_["Option12"].checked = !t2;
    view_["Option13"].checked = t2;
}

void NmrWindowModel::Command12_Click() {
    if (static_cast<int>(simulation_.lines.size()) >= nmr::kMaxSimulatedLines)
        return platform_.MessageBox(
            FillIn(Translate("Messages", "At most %1 lines can be simulated."),
                   {std::to_string(nmr::kMaxSimulatedLines)}));
    const nmr::LineRead read =
        nmr::ReadLine({typed_[kPpmBox], typed_[kAmplitudeBox], typed_[kWidthBox],
                       typed_[kMultipletBox], typed_[kCouplingBox], widthIsT2_});
    if (!read.line) return platform_.MessageBox(read.error);
    simulation_.lines.push_back(*read.line);
    chosenLine_.reset();
    ShowLines();
}

void NmrWindowModel::Command13_Click() {
    if (simulation_.lines.empty()) return;
    const std::size_t row =
        chosenLine_ ? static_cast<std::size_t>(*chosenLine_) : simulation_.lines.size() - 1;
    simulation_.lines.erase(simulation_.lines.begin() + static_cast<std::ptrdiff_t>(row));
    chosenLine_.reset();
    ShowLines();
}

void NmrWindowModel::Command14_Click() {
    simulation_.lines.clear();
    chosenLine_.reset();
    ShowLines();
}

void NmrWindowModel::Command15_Click() {
    simulation_ = nmr::EthanolExample();
    chosenLine_.reset();
    ShowLines();
}

// A line chosen in the list comes back into the boxes, to be changed and added again.
void NmrWindowModel::List3_Change() {
    const int row = view_["List3"].value;
    if (row < 0 || row >= static_cast<int>(simulation_.lines.size())) return;
    chosenLine_ = row;
    const nmr::TypedLine t = nmr::TypedOf(simulation_.lines[static_cast<std::size_t>(row)]);
    typed_[kPpmBox] = t.ppm;
    typed_[kAmplitudeBox] = t.amplitude;
    typed_[kWidthBox] = t.width;
    typed_[kMultipletBox] = t.multiplet;
    typed_[kCouplingBox] = t.coupling;
    ChooseWidthAsT2(t.widthIsT2);
}

void NmrWindowModel::Command2_Click() {
    nmr::Simulation s = simulation_;
    if (const std::optional<std::string> why =
            nmr::ReadAcquisition({typed_[kNoiseBox], typed_[kPointsBox], typed_[kSweepBox]}, s))
        return platform_.MessageBox(*why);
    if (s.lines.empty())
        return platform_.MessageBox(
            Translate("Messages", "Add a line to the list first: a FID needs something to decay."));
    simulation_ = s;
    ShowLines();
    ShowFid(nmr::SimulateFid(simulation_),
            FillIn(Translate("FormNmr", "simulated from the list of lines, noise %1"),
                   {NumberText(simulation_.noise)}));
}

}  // namespace quorbel
