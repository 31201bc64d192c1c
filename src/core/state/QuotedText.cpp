#include "state/QuotedText.h"

namespace quorbel {
namespace {

constexpr char kHex[] = "0123456789ABCDEF";

std::string ByteEscape(unsigned char byte) {
    return std::string("\\x") + kHex[byte >> 4] + kHex[byte & 15];
}

// Length of the UTF-8 character at the front of text, 0 when the bytes there are not
// one (a stray continuation byte, a cut or overlong sequence, beyond U+10FFFF).
size_t CharacterLength(std::string_view text) {
    const auto byte = [&](size_t i) { return static_cast<unsigned char>(text[i]); };
    const unsigned char lead = byte(0);
    size_t length = 0;
    if (lead < 0x80) return 1;
    if (lead >= 0xC2 && lead <= 0xDF)
        length = 2;
    else if (lead >= 0xE0 && lead <= 0xEF)
        length = 3;
    else if (lead >= 0xF0 && lead <= 0xF4)
        length = 4;
    else
        return 0;
    if (text.size() < length) return 0;
    for (size_t i = 1; i < length; ++i)
        if ((byte(i) & 0xC0) != 0x80) return 0;
    // Overlong three- and four-byte forms, surrogates and code points past U+10FFFF.
    if (lead == 0xE0 && byte(1) < 0xA0) return 0;
    if (lead == 0xED && byte(1) >= 0xA0) return 0;
    if (lead == 0xF0 && byte(1) < 0x90) return 0;
    if (lead == 0xF4 && byte(1) >= 0x90) return 0;
    return length;
}

std::string Shown(std::string_view character) {
    const auto c = static_cast<unsigned char>(character[0]);
    if (character.size() == 1) {
        switch (c) {
            case '\n':
                return "\\n";
            case '\r':
                return "\\r";
            case '\t':
                return "\\t";
            case '\0':
                return "\\0";
            default:
                if (c < 0x20 || c == 0x7F) return ByteEscape(c);
                return std::string(character);
        }
    }
    // U+0080..U+009F, the C1 controls, are C2 80..C2 9F in UTF-8.
    const auto second = static_cast<unsigned char>(character[1]);
    if (c == 0xC2 && second < 0xA0)
        return std::string("\\u00") + kHex[second >> 4] + kHex[second & 15];
    return std::string(character);
}

}  // namespace

std::string QuotedText(std::string_view text) {
    std::string quote = "\"";
    for (int count = 0; !text.empty(); ++count) {
        if (count == kQuotedCharacters) {
            quote += "…";
            break;
        }
        const size_t length = CharacterLength(text);
        quote += length == 0 ? ByteEscape(static_cast<unsigned char>(text[0]))
                             : Shown(text.substr(0, length));
        text.remove_prefix(length == 0 ? 1 : length);
    }
    return quote + "\"";
}

}  // namespace quorbel
