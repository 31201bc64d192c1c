#include "platform/SystemInfo.h"

#include <cstdlib>
#include <sstream>

#ifdef _WIN32
#include <windows.h>

#include <algorithm>
#endif

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

#ifdef _WIN32
namespace {

// A text value of a registry key under HKEY_LOCAL_MACHINE (GetKeyValue); nullopt when
// the key or the value cannot be read. Only text values name a program.
std::optional<std::string> GetKeyValue(const char* KeyName, const char* SubKeyRef) {
    HKEY key = nullptr;
    if (RegOpenKeyExA(HKEY_LOCAL_MACHINE, KeyName, 0, 0x2003F, &key) != ERROR_SUCCESS)
        return std::nullopt;
    char buffer[1024] = {};
    DWORD type = 0;
    DWORD length = sizeof buffer;
    const LONG read =
        RegQueryValueExA(key, SubKeyRef, nullptr, &type, reinterpret_cast<BYTE*>(buffer), &length);
    RegCloseKey(key);
    if (read != ERROR_SUCCESS || type != REG_SZ) return std::nullopt;
    std::string value(buffer, std::min<DWORD>(length, sizeof buffer));
    if (!value.empty() && value.back() == '\0') value.pop_back();
    return value;
}

}  // namespace

// Where the system registers its information tool: its own path, or the folder of the
// shared tools holding MSINFO32.EXE.
std::optional<fs::path> FindSystemInfoTool() {
    if (std::optional<std::string> path =
            GetKeyValue("SOFTWARE\\Microsoft\\Shared Tools\\MSINFO", "PATH"))
        return fs::path(*path);
    if (std::optional<std::string> folder =
            GetKeyValue("SOFTWARE\\Microsoft\\Shared Tools Location", "MSINFO")) {
        const fs::path program = *folder + "\\MSINFO32.EXE";
        std::error_code ec;
        if (fs::exists(program, ec)) return program;
    }
    return std::nullopt;
}
#else
std::optional<fs::path> FindSystemInfoTool() {
    const char* path = std::getenv("PATH");
    return FindSystemInfoTool(path ? path : "", SystemInfoPrograms(), [](const fs::path& file) {
        std::error_code ec;
        const fs::file_status status = fs::status(file, ec);
        return !ec && fs::is_regular_file(status) &&
               (status.permissions() & fs::perms::owner_exec) != fs::perms::none;
    });
}

#endif

}  // namespace quorbel
