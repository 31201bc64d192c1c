#pragma once
// JCAMP-DX files of NMR data: the labels, and the pages of an NTUPLES block (each page one
// ordinate, such as the real or the imaginary part), decoded from AFFN or ASDF.
#include <filesystem>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "nmr/NmrFid.h"

namespace quorbel::nmr {

struct JcampPage {
    std::string symbol;          // the ordinate's symbol in the table ("R", "I")
    std::string name;            // its VAR_NAME ("FID/REAL", "SPECTRUM/IMAG")
    std::vector<double> values;  // times its FACTOR, in the file's order
};

struct JcampData {
    Labels labels;
    std::vector<JcampPage> pages;
};

struct JcampRead {
    std::optional<JcampData> data;
    std::string error;  // the one-line reason when there is no data
};

// The labels and NTUPLES pages of a JCAMP-DX text. A page whose point count differs from
// its VAR_DIM, or whose lines cannot be decoded, is an error.
JcampRead ParseJcamp(std::string_view text);

// A JCAMP-DX file of DATA TYPE "NMR FID" with a real and an imaginary page, its processing
// parameters read from the instrument's labels among its own.
FidRead ReadJcampFid(const std::filesystem::path& path);

// The FID of parsed JCAMP-DX data (DATA TYPE checked); errors without a file name.
FidRead JcampFid(const JcampData& data);

}  // namespace quorbel::nmr
