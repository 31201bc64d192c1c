// The main window's aliasing marks: the wave-table rows (or the simple wave) whose
// frequency reaches half the points per second are marked, and a hint under the table
// names the frequency the first of them folds back to. Nothing is refused.
#include "state/NumberText.h"
#include "windows/ControlTable.h"
#include "windows/MainWindowModel.h"

namespace quorbel {

namespace {
// The background of a field whose wave folds back: a light red.
constexpr Color kAliasedField = Rgb(255, 200, 200);
// The text boxes of row i of the wave table: a, b and phase.
constexpr const char* kRowFields[] = {"Text3", "Text4", "Text5"};
}  // namespace

std::optional<double> MainWindowModel::WavePointsPerSecond() const {
    const std::optional<double> N = ParseNumber(state_.Get(Field::totalPoints));
    const std::optional<double> seconds = ParseNumber(state_.Get(Field::windowSeconds));
    if (!N || !seconds || !(*seconds > 0) || !(*N > 0)) return std::nullopt;
    return *N / *seconds;
}

std::vector<AliasedWave> MainWindowModel::AliasedWavesNow() const {
    if (Source() == DataSource::RawFile) return {};
    const std::optional<double> rate = WavePointsPerSecond();
    const std::optional<double> nu = ParseNumber(state_.Get(Field::cyclesPerSecond));
    if (!rate || !nu) return {};
    std::vector<std::optional<double>> frequencies;
    if ((choices_.function == FunctionKind::MultipleWaves)) {
        for (int i = 0; i < kTableRows; ++i) {
            const std::optional<double> a = ParseNumber(state_.Get(Field::amplitudeA, i));
            const std::optional<double> b = ParseNumber(state_.Get(Field::multiplierB, i));
            // A row of amplitude 0 adds nothing to the function, so nothing folds back.
            if (a && b && *a != 0)
                frequencies.push_back(*b * *nu);
            else
                frequencies.push_back(std::nullopt);
        }
    } else if ((choices_.function == FunctionKind::SimpleWaves)) {
        frequencies.push_back(*nu);
    }
    return AliasedWaves(frequencies, *rate);
}

void MainWindowModel::ShowAliasing() {
    const std::vector<AliasedWave> waves = AliasedWavesNow();
    const bool simple = (choices_.function == FunctionKind::SimpleWaves);
    std::array<bool, kTableRows> marked{};
    for (const AliasedWave& wave : waves)
        if (!simple) marked[static_cast<size_t>(wave.row)] = true;
    for (int i = 0; i < kTableRows; ++i)
        for (const char* field : kRowFields)
            view_[Indexed(field, i)].backColor =
                marked[static_cast<size_t>(i)] ? std::optional<Color>(kAliasedField) : std::nullopt;
    view_["Text2"].backColor =
        simple && !waves.empty() ? std::optional<Color>(kAliasedField) : std::nullopt;

    ControlState& hint = view_["lblAliasing"];
    hint.caption = waves.empty() ? "" : AliasingHint(waves, *WavePointsPerSecond());
    // The hint belongs to the function's frame: it goes with it (the panoramic musical
    // view lies over both).
    hint.visible = !waves.empty() && (view_["Frame1"].visible || view_["Frame6"].visible);
}

}  // namespace quorbel
