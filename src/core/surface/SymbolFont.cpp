#include "surface/SymbolFont.h"

#include <algorithm>
#include <cctype>

namespace quorbel {

namespace {

constexpr const char* kMultiply = "\xC3\x97";  // U+00D7 ×
constexpr const char* kAcute = "\xC2\xB4";     // U+00B4, the Latin-1 reading of byte 0xB4

// The Greek letters the Symbol font shows for A..Z and a..z.
constexpr const char* kSymbolUpper[26] = {"Α", "Β", "Χ", "Δ", "Ε", "Φ", "Γ", "Η", "Ι",
                                          "ϑ", "Κ", "Λ", "Μ", "Ν", "Ο", "Π", "Θ", "Ρ",
                                          "Σ", "Τ", "Υ", "ς", "Ω", "Ξ", "Ψ", "Ζ"};
constexpr const char* kSymbolLower[26] = {"α", "β", "χ", "δ", "ε", "φ", "γ", "η", "ι",
                                          "ϕ", "κ", "λ", "μ", "ν", "ο", "π", "θ", "ρ",
                                          "σ", "τ", "υ", "ϖ", "ω", "ξ", "ψ", "ζ"};

// Length of the well-formed UTF-8 sequence starting at text[i], or 0 when the byte at
// i does not start one.
std::size_t Utf8SequenceLength(const std::string& text, std::size_t i) {
    const auto lead = static_cast<unsigned char>(text[i]);
    std::size_t length = 0;
    if (lead >= 0xC2 && lead <= 0xDF) {
        length = 2;
    } else if (lead >= 0xE0 && lead <= 0xEF) {
        length = 3;
    } else if (lead >= 0xF0 && lead <= 0xF4) {
        length = 4;
    } else {
        return 0;
    }
    if (i + length > text.size()) return 0;
    for (std::size_t k = 1; k < length; ++k)
        if ((static_cast<unsigned char>(text[i + k]) & 0xC0) != 0x80) return 0;
    return length;
}

std::string Latin1(unsigned char c) {
    if (c < 0x80) return std::string(1, static_cast<char>(c));
    return {static_cast<char>(0xC0 | (c >> 6)), static_cast<char>(0x80 | (c & 0x3F))};
}

}  // namespace

bool SameFontName(const std::string& a, const std::string& b) {
    return std::equal(a.begin(), a.end(), b.begin(), b.end(), [](char x, char y) {
        return std::tolower(static_cast<unsigned char>(x)) ==
               std::tolower(static_cast<unsigned char>(y));
    });
}

bool IsSymbolFont(const std::string& name) {
    return SameFontName(name, "Symbol");
}

std::vector<std::string> Utf8Characters(const std::string& text) {
    std::vector<std::string> out;
    out.reserve(text.size());
    for (std::size_t i = 0; i < text.size();) {
        const std::size_t n = Utf8SequenceLength(text, i);
        if (n > 0) {
            out.push_back(text.substr(i, n));
            i += n;
        } else {
            out.push_back(Latin1(static_cast<unsigned char>(text[i])));
            ++i;
        }
    }
    return out;
}

std::string SymbolToUnicode(const std::string& text) {
    std::string out;
    out.reserve(text.size() * 2);
    for (const std::string& ch : Utf8Characters(text)) {
        const auto c = static_cast<unsigned char>(ch[0]);
        if (c >= 'A' && c <= 'Z') {
            out += kSymbolUpper[c - 'A'];
        } else if (c >= 'a' && c <= 'z') {
            out += kSymbolLower[c - 'a'];
        } else if (ch == "*" || ch == kAcute) {
            // The byte 0xB4 is the multiplication sign in the Symbol font, whether it
            // arrives as a lone byte or already read as its Latin-1 character.
            out += kMultiply;
        } else {
            out += ch;
        }
    }
    return out;
}

}  // namespace quorbel
