#pragma once
// Reading an NMR data file whole, after checking that it is a regular file of a size
// this program handles.
#include <cstdint>
#include <filesystem>
#include <optional>
#include <string>

namespace quorbel::nmr {

// The largest file read: far above any 1D experiment, far below the memory.
inline constexpr std::uintmax_t kMaxNmrFileBytes = std::uintmax_t{256} << 20;

// The bytes of `path`, or nothing with the one-line reason in *error.
std::optional<std::string> ReadWholeFile(const std::filesystem::path& path, std::string* error);

// The one-line message for an NMR file that cannot be used: "PATH: WHY".
std::string NmrFileMessage(const std::filesystem::path& path, const std::string& why);

}  // namespace quorbel::nmr
