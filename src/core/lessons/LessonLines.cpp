#include "lessons/LessonLines.h"

#include "platform/Translation.h"

namespace quorbel::lessons {

namespace {

// The length of the UTF-8 sequence starting at `at`, or 0 when it is not one.
size_t Utf8Length(std::string_view text, size_t at) {
    const auto byte = [&](size_t i) { return static_cast<unsigned char>(text[i]); };
    const unsigned char lead = byte(at);
    size_t length = lead < 0x80         ? 1
                    : (lead >> 5) == 6  ? 2
                    : (lead >> 4) == 14 ? 3
                    : (lead >> 3) == 30 ? 4
                                        : 0;
    if (length == 0 || at + length > text.size()) return 0;
    for (size_t i = 1; i < length; ++i)
        if ((byte(at + i) & 0xC0) != 0x80) return 0;
    return length;
}

// Why the bytes are no lesson text, or "" when they may be one.
std::string WhyNotText(std::string_view bytes) {
    for (size_t at = 0; at < bytes.size();) {
        const unsigned char c = static_cast<unsigned char>(bytes[at]);
        // Tabs and line ends are text; any other control byte is a binary file's.
        if (c < 0x20 && c != '\t' && c != '\n' && c != '\r')
            return Translate("Lessons", "the file is not text (it holds control bytes)");
        const size_t length = Utf8Length(bytes, at);
        if (length == 0) return Translate("Lessons", "the file is not UTF-8 text");
        at += length;
    }
    return "";
}

}  // namespace

std::string LowerAscii(std::string_view text) {
    std::string lower(text);
    for (char& c : lower)
        if (c >= 'A' && c <= 'Z') c = static_cast<char>(c - 'A' + 'a');
    return lower;
}

std::string Trim(std::string_view text) {
    const size_t first = text.find_first_not_of(" \t");
    if (first == std::string_view::npos) return "";
    const size_t last = text.find_last_not_of(" \t");
    return std::string(text.substr(first, last - first + 1));
}

std::variant<std::vector<LessonLine>, std::vector<LessonProblem>> SplitLessonLines(
    std::string_view bytes) {
    if (bytes.substr(0, 3) == "\xEF\xBB\xBF") bytes.remove_prefix(3);
    if (bytes.find_first_not_of(" \t\r\n") == std::string_view::npos)
        return std::vector<LessonProblem>{{0, Translate("Lessons", "the file is empty")}};
    if (const std::string why = WhyNotText(bytes); !why.empty())
        return std::vector<LessonProblem>{{0, why}};
    std::vector<LessonLine> lines;
    std::vector<LessonProblem> problems;
    int number = 0;
    for (size_t start = 0; start <= bytes.size();) {
        size_t end = bytes.find('\n', start);
        if (end == std::string_view::npos) end = bytes.size();
        std::string_view text = bytes.substr(start, end - start);
        start = end + 1;
        ++number;
        if (!text.empty() && text.back() == '\r') text.remove_suffix(1);
        const std::string line = Trim(text);
        if (line.empty() || line[0] == '#') continue;
        const size_t colon = line.find(':');
        if (colon == std::string::npos || colon == 0) {
            problems.push_back(
                {number,
                 Translate("Lessons", "expected \"key: value\" (a key, a colon, a value)")});
            continue;
        }
        const std::string key = Trim(std::string_view(line).substr(0, colon));
        lines.push_back(
            {number, key, LowerAscii(key), Trim(std::string_view(line).substr(colon + 1))});
    }
    if (!problems.empty()) return problems;
    return lines;
}

}  // namespace quorbel::lessons
