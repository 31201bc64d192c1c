#pragma once
// A temporary folder of a benchmark's own for the opening-parameters file, removed
// afterwards; the user's own file is never touched.
#include <filesystem>
#include <random>
#include <string>

namespace quorbel::bench {

namespace fs = std::filesystem;

class TemporaryFolder {
  public:
    TemporaryFolder() {
        std::random_device random;
        path_ = fs::temp_directory_path() /
                ("quorbel-bench-" + std::to_string(random()) + std::to_string(random()));
        fs::create_directories(path_);
    }
    ~TemporaryFolder() {
        std::error_code ignored;
        fs::remove_all(path_, ignored);
    }
    TemporaryFolder(const TemporaryFolder&) = delete;
    TemporaryFolder& operator=(const TemporaryFolder&) = delete;
    const fs::path& Path() const { return path_; }

  private:
    fs::path path_;
};

}  // namespace quorbel::bench
