#include "platform/SystemInfo.h"

#include <cstdlib>
#include <sstream>

namespace quorbel {

namespace fs = std::filesystem;

const std::vector<std::string>& SystemInfoPrograms() {
    static const std::vector<std::string> programs = {"hardinfo2", "hardinfo", "kinfocenter",
                                                      "lshw-gtk", "gnome-system-monitor"};
    return programs;
}

std::optional<fs::path> FindSystemInfoTool(const std::string& path,
                                           const std::vector<std::string>& programs,
                                           const std::function<bool(const fs::path&)>& isProgram) {
    for (const std::string& program : programs) {
        std::istringstream folders(path);
        for (std::string folder; std::getline(folders, folder, ':');) {
            if (folder.empty()) continue;  // the current folder is never searched
            const fs::path candidate = fs::path(folder) / program;
            if (isProgram(candidate)) return candidate;
        }
    }
    return std::nullopt;
}

std::optional<fs::path> FindSystemInfoTool() {
    const char* path = std::getenv("PATH");
    return FindSystemInfoTool(path ? path : "", SystemInfoPrograms(), [](const fs::path& file) {
        std::error_code ec;
        const fs::file_status status = fs::status(file, ec);
        return !ec && fs::is_regular_file(status) &&
               (status.permissions() & fs::perms::owner_exec) != fs::perms::none;
    });
}

}  // namespace quorbel
