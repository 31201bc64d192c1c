#pragma once
// The folder the fuzz targets that work on files write into: one per run, made in the
// temporary folder on first use; each input rewrites its files there.
#include <stdlib.h>

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <string>

namespace quorbel::fuzz {

inline const std::filesystem::path& Folder() {
    static const std::filesystem::path folder = [] {
        std::string name =
            (std::filesystem::temp_directory_path() / "quorbel-fuzz-XXXXXX").string();
        if (!mkdtemp(name.data())) std::abort();
        return std::filesystem::path(name);
    }();
    return folder;
}

}  // namespace quorbel::fuzz
