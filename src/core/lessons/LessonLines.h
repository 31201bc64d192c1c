#pragma once
// The lines of a lesson file: plain UTF-8 text of "key: value" lines. A byte-order
// mark at the start and Windows line ends are accepted; blank lines and lines starting
// with '#' say nothing; a line's indentation means nothing. A file that is empty, not
// UTF-8, or holds control bytes (a picture, a document of a word processor) is refused
// as a whole, with a message that says why.
#include <string>
#include <string_view>
#include <variant>
#include <vector>

namespace quorbel::lessons {

// One "key: value" line: the key as written (trimmed) and lower-cased for matching,
// the value trimmed, and the line's number counted from 1.
struct LessonLine {
    int number = 0;
    std::string key;
    std::string lowerKey;
    std::string value;
};

// A message about a lesson, naming the line it is about (0: the file as a whole).
struct LessonProblem {
    int line = 0;
    std::string text;
    bool error = true;  // false: a warning, the lesson can still be used
};

// The lines of `bytes`, or the problems that keep the file from being a lesson: a
// refusal of the whole file, or one message per line that is not "key: value".
std::variant<std::vector<LessonLine>, std::vector<LessonProblem>> SplitLessonLines(
    std::string_view bytes);

// Letters A-Z made lower case; other bytes (UTF-8 included) unchanged.
std::string LowerAscii(std::string_view text);
// Blanks and tabs taken off both ends.
std::string Trim(std::string_view text);

}  // namespace quorbel::lessons
