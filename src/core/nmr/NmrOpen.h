#pragma once
// Opening NMR data whatever form it has: an experiment folder (or its fid or acqus file),
// or a JCAMP-DX file.
#include <filesystem>

#include "nmr/NmrFid.h"

namespace quorbel::nmr {

FidRead ReadNmrData(const std::filesystem::path& path);

}  // namespace quorbel::nmr
