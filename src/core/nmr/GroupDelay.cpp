#include "nmr/GroupDelay.h"

#include <array>

namespace quorbel::nmr {

namespace {

constexpr std::array<int, 21> kDecimations = {2,  3,   4,   6,   8,   12,  16,  24,   32,   48,  64,
                                              96, 128, 192, 256, 384, 512, 768, 1024, 1536, 2048};

// Rows DSPFVS 10 .. 13; 0 where the table has no value.
constexpr std::array<std::array<double, 21>, 4> kDelays = {{
    {44.75,          33.5,       66.625,         59.083333, 68.5625,       60.375,
     69.53125,       61.020833,  70.015625,      61.34375,  70.2578125,    61.505208,
     70.37890625,    61.5859375, 70.439453125,   61.626302, 70.4697265625, 61.646484,
     70.48486328125, 61.656576,  70.492431640625},
    {46,        36.5,      48,     50.166667, 53.25,     69.5,      72.25,
     70.166667, 72.75,     70.5,   73,        70.666667, 72.5,      71.333333,
     72.25,     71.666667, 72.125, 71.833333, 72.0625,   71.916667, 72.03125},
    {46,        36.5,      48,     50.166667, 53.25,     69.5,      71.625,
     70.166667, 72.125,    70.5,   72.375,    70.666667, 72.5,      71.333333,
     72.25,     71.666667, 72.125, 71.833333, 72.0625,   71.916667, 72.03125},
    {2.75,     2.833333, 2.875,    2.916667,  2.9375,   2.958333, 2.96875,
     2.979167, 2.984375, 2.989583, 2.9921875, 2.994792, 0,        0,
     0,        0,        0,        0,         0,        0,        0},
}};

}  // namespace

std::optional<double> TableGroupDelay(int dspfvs, int decim) {
    if (dspfvs < 10 || dspfvs > 13) return std::nullopt;
    for (std::size_t column = 0; column < kDecimations.size(); ++column) {
        if (kDecimations[column] != decim) continue;
        const double delay = kDelays[static_cast<std::size_t>(dspfvs - 10)][column];
        if (delay == 0) return std::nullopt;
        return delay;
    }
    return std::nullopt;
}

}  // namespace quorbel::nmr
