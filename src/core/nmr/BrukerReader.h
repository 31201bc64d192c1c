#pragma once
// The instrument's 1D experiment folder: "fid" (the complex points, interleaved real and
// imaginary), "acqus" (acquisition parameters) and, when present, "pdata/1/procs"
// (processing parameters).
//
// fid: 32-bit integers (DTYPA 0) or 64-bit floats (DTYPA 2), little-endian (BYTORDA 0) or
// big-endian (BYTORDA 1). TD counts real and imaginary values together; older files are
// padded past TD to a whole block, and TDeff in procs, when smaller, shortens the FID.
#include <filesystem>

#include "nmr/NmrFid.h"

namespace quorbel::nmr {

// `path` is the experiment folder or a file in it (fid, acqus). A 2D experiment, a file
// shorter than TD says and unsupported formats get a one-line message.
FidRead ReadBrukerFolder(const std::filesystem::path& path);

// Decodes the bytes of a fid file: `values` numbers (real and imaginary together) of the
// type and byte order given. Nothing when `bytes` holds fewer.
std::optional<std::vector<std::complex<double>>> DecodeFidBytes(const std::string& bytes,
                                                                std::size_t values, bool float64,
                                                                bool bigEndian);

}  // namespace quorbel::nmr
