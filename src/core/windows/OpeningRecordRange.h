#pragma once
// Whether the main window's start-up can compute a record of opening parameters, asked
// before the record is saved so that the start-up never sets aside what the dialog
// wrote.
#include "state/ParamFile.h"

namespace quorbel {

// True when the start-up's computations stay within the range of numbers for `rows`
// (each value as the file holds it, read back from its text), whatever the window
// was left in: the samples of f(t) with sine and with cosine and, with the 1024 points
// the transform takes, their spectrum under every window function by either method.
bool OpeningRecordComputes(const ParamRows& rows);

}  // namespace quorbel
