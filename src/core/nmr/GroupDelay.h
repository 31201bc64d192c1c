#pragma once
// The group delay of the instrument's older digital filters, which did not store it: a
// published table by firmware version (DSPFVS 10, 11, 12, 13) and decimation (DECIM).
#include <optional>

namespace quorbel::nmr {

// The delay in points (fractional), or nothing when the pair is not in the table.
std::optional<double> TableGroupDelay(int dspfvs, int decim);

}  // namespace quorbel::nmr
