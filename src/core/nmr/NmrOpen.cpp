#include "nmr/NmrOpen.h"

#include "nmr/BrukerReader.h"
#include "nmr/JcampReader.h"

namespace quorbel::nmr {

FidRead ReadNmrData(const std::filesystem::path& path) {
    std::error_code ec;
    const std::string name = path.filename().string();
    if (std::filesystem::is_directory(path, ec) || name == "fid" || name == "acqus" ||
        name == "ser")
        return ReadBrukerFolder(path);
    return ReadJcampFid(path);
}

}  // namespace quorbel::nmr
