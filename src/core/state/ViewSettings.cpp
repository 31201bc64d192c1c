#include "state/ViewSettings.h"

#include <algorithm>
#include <fstream>
#include <iterator>

#include "state/FileReplace.h"

namespace quorbel {

namespace fs = std::filesystem;

namespace {

// A file larger than this is not a settings file: it is not read.
constexpr std::uintmax_t kMaxSettingsBytes = 4096;

bool IsZoomStep(int percent) {
    return std::find(kZoomSteps.begin(), kZoomSteps.end(), percent) != kZoomSteps.end();
}

std::string_view Trimmed(std::string_view text) {
    while (!text.empty() && (text.front() == ' ' || text.front() == '\t')) text.remove_prefix(1);
    while (!text.empty() && (text.back() == ' ' || text.back() == '\t' || text.back() == '\r'))
        text.remove_suffix(1);
    return text;
}

}  // namespace

bool ZoomFits(int percent, double clientWidth, double clientHeight, const ScreenArea& screen) {
    const double scale = percent / 100.0;
    const double width = clientWidth * scale + 2 * kBorderTwips;
    const double height =
        (clientHeight + kMenuBarTwips) * scale + kTitleBarTwips + 2 * kBorderTwips;
    return width <= screen.width && height <= screen.height;
}

std::vector<int> ZoomsOffered(double clientWidth, double clientHeight,
                              const std::optional<ScreenArea>& screen) {
    std::vector<int> offered;
    for (int percent : kZoomSteps)
        if (percent == kZoomSteps.front() || !screen ||
            ZoomFits(percent, clientWidth, clientHeight, *screen))
            offered.push_back(percent);
    return offered;
}

int NextZoom(int current, int direction, const std::vector<int>& offered) {
    if (direction > 0) {
        for (int percent : offered)
            if (percent > current) return percent;
    } else if (direction < 0) {
        for (auto it = offered.rbegin(); it != offered.rend(); ++it)
            if (*it < current) return *it;
    }
    return current;
}

int FittingZoom(int wanted, const std::vector<int>& offered) {
    int best = kZoomSteps.front();
    for (int percent : offered)
        if (percent <= wanted) best = std::max(best, percent);
    return best;
}

std::string ViewSettingsText(const ViewSettings& settings) {
    return "zoom=" + std::to_string(settings.zoom) + "\naxes=" + (settings.axes ? "1" : "0") + "\n";
}

ViewSettings ParseViewSettings(std::string_view text) {
    ViewSettings settings;
    if (text.substr(0, 3) == "\xEF\xBB\xBF") text.remove_prefix(3);  // an editor's byte-order mark
    while (!text.empty()) {
        const size_t end = text.find('\n');
        const std::string_view line = Trimmed(text.substr(0, end));
        text.remove_prefix(end == std::string_view::npos ? text.size() : end + 1);
        const size_t equals = line.find('=');
        if (equals == std::string_view::npos) continue;
        const std::string_view name = Trimmed(line.substr(0, equals));
        const std::string_view value = Trimmed(line.substr(equals + 1));
        if (name == "zoom") {
            // Only the steps the menu offers; anything else keeps the default.
            for (int percent : kZoomSteps)
                if (value == std::to_string(percent)) settings.zoom = percent;
        } else if (name == "axes" && (value == "0" || value == "1")) {
            settings.axes = value == "1";
        }
    }
    if (!IsZoomStep(settings.zoom)) settings.zoom = kZoomSteps.front();
    return settings;
}

fs::path ViewSettingsPath(const fs::path& paramFile) {
    return paramFile.parent_path() / "view-settings";
}

ViewSettings ReadViewSettings(const fs::path& path) {
    // A folder, a pipe or a device in its place is not read (nor waited for).
    if (WhyNotReadable(path)) return {};
    std::error_code error;
    const std::uintmax_t size = fs::file_size(path, error);
    if (error || size > kMaxSettingsBytes) return {};
    std::ifstream in(path, std::ios::binary);
    const std::string text{std::istreambuf_iterator<char>(in), {}};
    return ParseViewSettings(text);
}

bool WriteViewSettings(const fs::path& path, const ViewSettings& settings, std::string* error) {
    std::error_code made;
    if (path.has_parent_path()) fs::create_directories(path.parent_path(), made);
    return ReplaceFile(path, ViewSettingsText(settings), FileCalls::System(), error);
}

}  // namespace quorbel
