#pragma once
// Where the operating system's system-information tool is. On Windows the registry
// names it; on other desktops there is no such entry, and a short list of
// system-information programs is looked up on the PATH instead, first found first used.
#include <filesystem>
#include <functional>
#include <optional>
#include <string>
#include <vector>

namespace quorbel {

// The programs looked for, in order of preference.
const std::vector<std::string>& SystemInfoPrograms();

// The first of `programs` found in a folder of `path` (folders separated by ':'),
// where `isProgram` tells whether a file exists and can be run. nullopt when none is.
std::optional<std::filesystem::path> FindSystemInfoTool(
    const std::string& path, const std::vector<std::string>& programs,
    const std::function<bool(const std::filesystem::path&)>& isProgram);

// The tool of this system: from the registry on Windows, otherwise the first of
// SystemInfoPrograms() on this process's PATH.
std::optional<std::filesystem::path> FindSystemInfoTool();

}  // namespace quorbel
