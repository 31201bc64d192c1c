#include "state/NumberText.h"

#include <bit>
#include <cctype>
#include <charconv>
#include <cmath>
#include <cstdint>
#include <limits>

namespace quorbel {
namespace {

bool IsBlank(char c) {
    return c == ' ' || c == '\t' || c == '\r' || c == '\n';
}

std::string_view Trim(std::string_view text) {
    while (!text.empty() && IsBlank(text.front())) text.remove_prefix(1);
    while (!text.empty() && IsBlank(text.back())) text.remove_suffix(1);
    return text;
}

// Parses the longest numeric prefix of text; returns the number of characters used
// (0 when text does not start with a number). from_chars takes no '+' sign, so it is
// handled here. `overflow` tells whether the number's magnitude lies beyond double.
size_t ParsePrefix(std::string_view text, double& value, bool* overflow = nullptr) {
    size_t skip = 0;
    if (!text.empty() && text.front() == '+') {
        skip = 1;
        if (text.size() > 1 && text[1] == '-') return 0;
    }
    // Only digits or a point may start the number: from_chars would also take "inf"
    // and "nan", which are not numbers to the user.
    size_t lead = skip;
    if (lead < text.size() && text[lead] == '-') ++lead;
    if (lead >= text.size() ||
        !(std::isdigit(static_cast<unsigned char>(text[lead])) || text[lead] == '.'))
        return 0;
    const char* first = text.data() + skip;
    const char* last = text.data() + text.size();
    auto [ptr, ec] = std::from_chars(first, last, value, std::chars_format::general);
    if (ec == std::errc::result_out_of_range) {
        // A magnitude beyond double: keep it finite but huge, or zero if tiny. from_chars
        // leaves the value alone here but still tells where the number ends; only a
        // negative exponent can make a number too small.
        std::string_view number(first, static_cast<size_t>(ptr - first));
        size_t e = number.find_first_of("eE");
        bool tiny = e != std::string_view::npos && e + 1 < number.size() && number[e + 1] == '-';
        double magnitude = tiny ? 0.0 : std::numeric_limits<double>::max();
        if (overflow) *overflow = !tiny;
        value = number.front() == '-' ? -magnitude : magnitude;
        return static_cast<size_t>(ptr - text.data());
    }
    if (ec != std::errc()) return 0;
    return static_cast<size_t>(ptr - text.data());
}

}  // namespace

std::string NumberText(double value) {
    if (value == 0.0) return "0";  // also turns -0 into "0"
    if (std::isnan(value)) return "NaN";
    if (std::isinf(value)) return value > 0 ? "Infinity" : "-Infinity";
    char buf[40];
    auto [ptr, ec] = std::to_chars(buf, buf + sizeof buf, value, std::chars_format::general, 15);
    std::string text(buf, ptr);
    // to_chars writes "1e-05"; the system's text uses a capital E.
    for (char& c : text)
        if (c == 'e') c = 'E';
    return text;
}

// A magnitude a from 1e-8 up to 1e15 has its 15 significant digits in the integer
// nearest to a * 10^k, for the k from 0 to 22 that brings a * 10^k into [1e14, 1e15);
// 10^k is exact in a double. The product y is rounded once, and every integer and half
// in that range is a double too, so the integer nearest to y is the one nearest to the
// exact product unless y lies on a half: that case, and a product on the edge of the
// range, are left to the text. The digits r read back as r / 10^k: a quotient of two
// exact doubles rounded once, just as the reading of the text rounds r * 10^-k once.
double TextValue(double value) {
    static constexpr double kExactTens[] = {1e0,  1e1,  1e2,  1e3,  1e4,  1e5,  1e6,  1e7,
                                            1e8,  1e9,  1e10, 1e11, 1e12, 1e13, 1e14, 1e15,
                                            1e16, 1e17, 1e18, 1e19, 1e20, 1e21, 1e22};
    constexpr int kLargest = 22;
    const double a = std::fabs(value);
    if (a >= 1e-8 && a < 1e15) {
        // a lies in [2^b, 2^(b+1)), so its decimal exponent is floor(b log10 2) or one
        // more; the first product tells which.
        const int b = static_cast<int>((std::bit_cast<std::uint64_t>(a) >> 52) & 0x7ff) - 1023;
        int k = 14 - static_cast<int>(std::floor(b * 0.30102999566398120));
        if (k >= 0 && k <= kLargest) {
            double y = a * kExactTens[k];
            if (y < 1e14 && k < kLargest)
                y = a * kExactTens[++k];
            else if (y >= 1e15 && k > 0)
                y = a * kExactTens[--k];
            const double r = std::floor(y + 0.5);
            if (y > 1e14 && y < 1e15 - 1 && r - y != 0.5) {
                const double read = r / kExactTens[k];
                return value < 0 ? -read : read;
            }
        }
    }
    return DecimalPrefix(NumberText(value));
}

std::optional<double> ParseNumber(std::string_view text) {
    text = Trim(text);
    if (text.empty()) return std::nullopt;
    double value = 0;
    bool overflow = false;
    size_t used = ParsePrefix(text, value, &overflow);
    if (used == 0 || used != text.size() || overflow) return std::nullopt;
    return value;
}

double DecimalPrefix(std::string_view text) {
    while (!text.empty() && IsBlank(text.front())) text.remove_prefix(1);
    double value = 0;
    if (ParsePrefix(text, value) == 0) return 0;
    return value;
}

int WholeNumber(std::string_view text) {
    return WholeOf(DecimalPrefix(text));
}

int WholeOf(double value) {
    double v = std::trunc(value);
    if (!(v > std::numeric_limits<int>::min())) return std::numeric_limits<int>::min();
    if (!(v < std::numeric_limits<int>::max())) return std::numeric_limits<int>::max();
    return static_cast<int>(v);
}

double ThreeDecimals(double f) {
    double r = std::floor(1000 * f) / 1000;
    if (f - r >= 0.0005) r = r + 0.001;
    return r;
}

}  // namespace quorbel
