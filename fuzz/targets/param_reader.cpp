// The opening-parameters reader on any bytes: the text of the file as a whole, or the
// first part of a longer one, read for all 32 values or for the two leading ones.
#include <cmath>
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <string>
#include <string_view>

#include "state/NumberText.h"
#include "state/ParamFile.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    if (size == 0) return 0;
    // The first byte chooses the read; the rest is the file.
    const bool whole = (data[0] & 1) == 0;
    const int wanted = (data[0] & 2) ? 2 : quorbel::kParamValueCount;
    const std::string_view text(reinterpret_cast<const char*>(data + 1), size - 1);
    std::string error;
    const auto values = quorbel::ParseParamText(text, wanted, whole, &error);
    if (!values) {
        // The reason is one short line whatever the file holds.
        if (error.empty() || error.size() > 300 || error.find('\n') != std::string::npos)
            std::abort();
        return 0;
    }
    for (int i = 0; i < wanted; ++i) {
        const std::string& value = (*values)[static_cast<size_t>(i)];
        const double number = quorbel::DecimalPrefix(value);
        if (value.empty() || !std::isfinite(number)) std::abort();
    }
    // Each value as read keeps to the rule the dialog saves by.
    for (int i = 0; i < wanted; ++i)
        if (quorbel::CheckParamValue(i, (*values)[static_cast<size_t>(i)]) !=
            quorbel::ParamValueFault::none)
            std::abort();
    return 0;
}
