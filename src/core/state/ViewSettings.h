#pragma once
// What the "View" menu chooses and the program keeps for the user between sessions:
// the zoom of every window and the axes on the graphs of the main window. They live
// in a small text file of their own beside the opening parameters ("view-settings"),
// one "name=value" line each, so the opening-parameters file keeps its format.
#include <array>
#include <filesystem>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "platform/Platform.h"

namespace quorbel {

// The sizes the windows can be shown at, percent of their own size.
inline constexpr std::array<int, 4> kZoomSteps = {100, 125, 150, 200};

struct ViewSettings {
    int zoom = 100;     // one of kZoomSteps
    bool axes = false;  // a time and an amplitude scale on f(t), a value scale on the FFT
    bool operator==(const ViewSettings&) const = default;
};

// What the desktop adds round a window's client area, in twips at 100 %: the menu
// bar, which grows with the zoom, and the title bar and borders, which do not.
inline constexpr double kMenuBarTwips = 330;
inline constexpr double kTitleBarTwips = 450, kBorderTwips = 120;

// Whether a window of clientWidth x clientHeight twips (at 100 %, without its menu
// bar) fits `screen` at `percent`, menu bar, title bar and borders included.
bool ZoomFits(int percent, double clientWidth, double clientHeight, const ScreenArea& screen);
// The steps of kZoomSteps offered for such a window: those that fit, and always
// 100 % (the window has no smaller size); every step when the screen is not known.
std::vector<int> ZoomsOffered(double clientWidth, double clientHeight,
                              const std::optional<ScreenArea>& screen);
// The step next to `current` among `offered`: the next larger one for direction +1,
// the next smaller one for -1; `current` itself when there is none that way.
int NextZoom(int current, int direction, const std::vector<int>& offered);
// The largest offered step not above `wanted` (a kept zoom that a smaller screen no
// longer holds); 100 when none is.
int FittingZoom(int wanted, const std::vector<int>& offered);

// The file's text, and the settings read from one. Lines that are not "zoom=" or
// "axes=" with a value the menu offers are ignored, so a damaged or hand-edited file
// gives the defaults for what it gets wrong and never stops the program.
std::string ViewSettingsText(const ViewSettings& settings);
ViewSettings ParseViewSettings(std::string_view text);

// The file beside the opening-parameters file `paramFile`.
std::filesystem::path ViewSettingsPath(const std::filesystem::path& paramFile);
// The settings kept in `path`; the defaults when there is no readable file.
ViewSettings ReadViewSettings(const std::filesystem::path& path);
// Replaces the file (its folder made when missing). False, with `error`, when it
// cannot be written.
bool WriteViewSettings(const std::filesystem::path& path, const ViewSettings& settings,
                       std::string* error);

}  // namespace quorbel
