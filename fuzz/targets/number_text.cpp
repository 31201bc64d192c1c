// The number-text readers and writer, and the quoting of user text, on any bytes.
#include <cmath>
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <cstring>
#include <string>
#include <string_view>

#include "state/NumberText.h"
#include "state/QuotedText.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    const std::string_view text(reinterpret_cast<const char*>(data), size);

    if (const auto number = quorbel::ParseNumber(text)) {
        if (!std::isfinite(*number)) std::abort();
        // Its 15-digit text reads back as a finite number close to it.
        const std::string shown = quorbel::NumberText(*number);
        const double back = quorbel::DecimalPrefix(shown);
        if (!std::isfinite(back) || std::fabs(back - *number) > 1e-14 * std::fabs(*number))
            std::abort();
        // What a list reads a number back as is exactly what its text reads as.
        if (quorbel::TextValue(*number) != back) std::abort();
    }
    // The first eight bytes as a double of any exponent read back, bit for bit, as its
    // text does.
    if (size >= sizeof(double)) {
        double x = 0;
        std::memcpy(&x, data, sizeof x);
        const double back = quorbel::DecimalPrefix(quorbel::NumberText(x));
        const double value = quorbel::TextValue(x);
        if (std::memcmp(&value, &back, sizeof value) != 0) std::abort();
    }
    const double prefix = quorbel::DecimalPrefix(text);
    if (!std::isfinite(prefix)) std::abort();
    const int whole = quorbel::WholeNumber(text);
    if (std::fabs(std::trunc(prefix) - whole) > 0 && std::fabs(prefix) < 2e9) std::abort();

    // A quote is short and holds no control byte.
    const std::string quote = quorbel::QuotedText(text);
    if (quote.size() > 2 + 40 * 6 + 3) std::abort();
    for (char c : quote)
        if (static_cast<unsigned char>(c) < 0x20 || c == 0x7F) std::abort();
    return 0;
}
