#pragma once
// User text (a field, a value read from a file, a file name) as the messages quote it.
// Whatever it holds, the quote stays one short printable line.
#include <string>
#include <string_view>

namespace quorbel {

// The longest quote, in characters of the text.
inline constexpr int kQuotedCharacters = 40;

// The text in double quotes: at most kQuotedCharacters characters of it, then "…"
// inside the quotes when it was longer. Control characters are shown escaped: \n, \r,
// \t, \0, \xNN for the other bytes below 32 and for 127, \u0080 to \u009F for the C1
// controls; a byte that does not belong to a UTF-8 character shows as \xNN.
std::string QuotedText(std::string_view text);

}  // namespace quorbel
