// The main window's "View" menu: the zoom every window of the program is shown at and
// the axes on its graphs, both kept for the user in the view-settings file beside the
// opening parameters. The window offers only the zooms at which it fits the screen the
// platform reports; the views scale every window by the zoom the window holds.
#include <algorithm>
#include <string>

#include "platform/Translation.h"
#include "windows/MainWindowAxes.h"
#include "windows/MainWindowModel.h"

namespace quorbel {

namespace {

constexpr const char* kTooLarge =
    QT_TRANSLATE_NOOP("Form1", "At this size the window would not fit the screen");

std::string ZoomItem(int percent) {
    return "mnuZoom" + std::to_string(percent) + "Item";
}

bool Offers(const std::vector<int>& offered, int percent) {
    return std::find(offered.begin(), offered.end(), percent) != offered.end();
}

// The check marks and enabled entries of the menu for `settings`.
void ShowViewMenu(ViewState& view, const ViewSettings& settings, const std::vector<int>& offered) {
    for (int percent : kZoomSteps) {
        ControlState& item = view[ZoomItem(percent)];
        item.checked = percent == settings.zoom;
        item.enabled = Offers(offered, percent);
        item.tooltip = item.enabled ? "" : kTooLarge;
    }
    view["mnuZoomInItem"].enabled = NextZoom(settings.zoom, 1, offered) != settings.zoom;
    view["mnuZoomOutItem"].enabled = settings.zoom != kZoomSteps.front();
    view["mnuZoomResetItem"].enabled = settings.zoom != kZoomSteps.front();
    view["mnuAxesItem"].checked = settings.axes;
}

std::vector<int> OfferedNow(const Platform& platform) {
    return ZoomsOffered(kMainWindowWidth, kMainWindowHeight, platform.AvailableScreen());
}

// The settings written for the next session; a file that cannot be written is said,
// and the choice still holds for this one.
void Keep(Platform& platform, const std::filesystem::path& path, const ViewSettings& settings) {
    std::string error;
    if (WriteViewSettings(path, settings, &error)) return;
    platform.MessageBox(
        FillIn(Translate("Messages", "The view settings cannot be kept in %1 (%2)."),
               {path.string(), error}));
}

}  // namespace

void MainWindowModel::LoadViewSettings() {
    viewing_ = ReadViewSettings(ViewSettingsPath(paramFile_.Path()));
    const std::vector<int> offered = OfferedNow(platform_);
    // A zoom kept on a larger screen gives way to the largest this one holds.
    viewing_.zoom = FittingZoom(viewing_.zoom, offered);
    ShowViewMenu(view_, viewing_, offered);
}

void MainWindowModel::SetZoom(int percent) {
    const std::vector<int> offered = OfferedNow(platform_);
    if (Offers(offered, percent) && percent != viewing_.zoom) {
        viewing_.zoom = percent;
        Keep(platform_, ViewSettingsPath(paramFile_.Path()), viewing_);
    }
    ShowViewMenu(view_, viewing_, offered);
}

void MainWindowModel::StepZoom(int direction) {
    SetZoom(direction == 0 ? kZoomSteps.front()
                           : NextZoom(viewing_.zoom, direction, OfferedNow(platform_)));
}

void MainWindowModel::SetAxes(bool shown) {
    if (shown != viewing_.axes) {
        viewing_.axes = shown;
        Keep(platform_, ViewSettingsPath(paramFile_.Path()), viewing_);
        // The graphs shown are drawn again from what they show, with or without axes.
        if (state_.sampleList.Whole(0) > 0) DrawFtOnScreen(*this, surfaces_.Picture2);
        if (state_.displayedValueList.Whole(0) > 0 && !MusicalScaleShown() && !Both()) {
            peakMark_.reset();  // the redraw erases it
            DrawFftGraph(surfaces_.Picture1);
            DrawFftAxes(*this, surfaces_.Picture1);
        }
    }
    ShowViewMenu(view_, viewing_, OfferedNow(platform_));
}

}  // namespace quorbel
