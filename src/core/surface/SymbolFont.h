#pragma once
// The "Symbol" font is a character encoding rather than a typeface: its Latin letters
// stand for Greek ones. Surfaces that cannot rely on such a font translate Symbol text
// into the Unicode letters it shows and draw it in the surrounding font.
#include <string>
#include <vector>

namespace quorbel {

// True when two font names are the same; font names ignore case.
bool SameFontName(const std::string& a, const std::string& b);

// True for the "Symbol" font name (case-insensitive, as font names are).
bool IsSymbolFont(const std::string& name);

// Splits text into its characters, each as UTF-8: a well-formed UTF-8 sequence is one
// character, and any other byte is read as the Latin-1 character of that byte, so no
// text is lost and the result is always valid UTF-8.
std::vector<std::string> Utf8Characters(const std::string& text);

// Translates text written in the Symbol font into UTF-8: the Latin letters become the
// Greek letters the font shows in their place (n -> ν, f -> φ, q -> θ, r -> ρ, p -> π,
// ...), the byte 0xB4 and '*' become the multiplication sign ×. Everything else is kept.
// Every character becomes exactly one character.
std::string SymbolToUnicode(const std::string& text);

}  // namespace quorbel
