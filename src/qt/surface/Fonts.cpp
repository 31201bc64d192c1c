#include "Fonts.h"

#include <QStringDecoder>
#include <QStringList>
#include <algorithm>
#include <cctype>
#include <mutex>

namespace quorbel {

namespace {

constexpr const char* kTimes = "Times New Roman";
constexpr const char* kMultiply = "\xC3\x97";  // U+00D7 ×

// The Greek letters the Symbol font shows for A..Z and a..z.
constexpr const char* kSymbolUpper[26] = {"Α", "Β", "Χ", "Δ", "Ε", "Φ", "Γ", "Η", "Ι",
                                          "ϑ", "Κ", "Λ", "Μ", "Ν", "Ο", "Π", "Θ", "Ρ",
                                          "Σ", "Τ", "Υ", "ς", "Ω", "Ξ", "Ψ", "Ζ"};
constexpr const char* kSymbolLower[26] = {"α", "β", "χ", "δ", "ε", "φ", "γ", "η", "ι",
                                          "ϕ", "κ", "λ", "μ", "ν", "ο", "π", "θ", "ρ",
                                          "σ", "τ", "υ", "ϖ", "ω", "ξ", "ψ", "ζ"};

bool SameName(const std::string& a, const char* b) {
    const std::string other(b);
    return std::equal(a.begin(), a.end(), other.begin(), other.end(), [](char x, char y) {
        return std::tolower(static_cast<unsigned char>(x)) ==
               std::tolower(static_cast<unsigned char>(y));
    });
}

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

void AppendLatin1(std::string& out, unsigned char c) {
    out += static_cast<char>(0xC0 | (c >> 6));
    out += static_cast<char>(0x80 | (c & 0x3F));
}

}  // namespace

void RegisterFontSubstitutions() {
    static std::once_flag once;
    std::call_once(once, [] {
        const QStringList sans = {"Liberation Sans", "DejaVu Sans", "FreeSans", "sans-serif"};
        const QStringList serif = {"Liberation Serif", "DejaVu Serif", "FreeSerif", "serif"};
        QFont::insertSubstitutions("MS Sans Serif", sans);
        QFont::insertSubstitutions("Arial", sans);
        QFont::insertSubstitutions(kTimes, serif);
        // Symbol text is normally drawn in the surrounding font; should a Symbol font
        // be asked for directly, the Greek letters still come from a sans face.
        QFont::insertSubstitutions("Symbol", sans);
    });
}

QFont MakeFont(const FontState& state) {
    RegisterFontSubstitutions();
    QFont font(QString::fromStdString(state.name));
    font.setStyleHint(SameName(state.name, kTimes) ? QFont::Serif : QFont::SansSerif);
    if (state.size > 0) font.setPointSizeF(state.size);
    font.setBold(state.bold);
    font.setItalic(state.italic);
    return font;
}

bool IsSymbolFont(const std::string& name) {
    return SameName(name, "Symbol");
}

std::string SymbolToUnicode(const std::string& text) {
    std::string out;
    out.reserve(text.size() * 2);
    for (std::size_t i = 0; i < text.size();) {
        const auto c = static_cast<unsigned char>(text[i]);
        if (c >= 'A' && c <= 'Z') {
            out += kSymbolUpper[c - 'A'];
        } else if (c >= 'a' && c <= 'z') {
            out += kSymbolLower[c - 'a'];
        } else if (c == '*') {
            out += kMultiply;
        } else if (c < 0x80) {
            out += static_cast<char>(c);
        } else if (std::size_t n = Utf8SequenceLength(text, i); n > 0) {
            // Text that is already Unicode stays, except the Latin-1 character of the
            // byte 0xB4, which is how the multiplication sign looks in UTF-8 source.
            const bool acute =
                n == 2 && c == 0xC2 && static_cast<unsigned char>(text[i + 1]) == 0xB4;
            out += acute ? std::string(kMultiply) : text.substr(i, n);
            i += n;
            continue;
        } else if (c == 0xB4) {
            out += kMultiply;
        } else {
            AppendLatin1(out, c);
        }
        ++i;
    }
    return out;
}

QString ToQString(const std::string& text) {
    QStringDecoder utf8(QStringDecoder::Utf8);
    QString decoded = utf8(QByteArrayView(text.data(), static_cast<qsizetype>(text.size())));
    if (!utf8.hasError()) return decoded;
    return QString::fromLatin1(text.data(), static_cast<qsizetype>(text.size()));
}

QFont TextFontResolver::FontFor(const FontState& state) {
    if (!IsSymbolFont(state.name)) {
        lastTextFont_ = state.name;
        return MakeFont(state);
    }
    FontState surrounding = state;
    surrounding.name = lastTextFont_;
    return MakeFont(surrounding);
}

TextFontResolver::Resolved TextFontResolver::Resolve(const FontState& state,
                                                     const std::string& text) {
    QFont font = FontFor(state);
    const bool symbol = IsSymbolFont(state.name);
    return {font, ToQString(symbol ? SymbolToUnicode(text) : text)};
}

}  // namespace quorbel
