#pragma once
// Every text of the windows that is written as data rather than in code: the captions
// and tooltips of every control table (read from the control index, so a new row or a
// new window is found without further work) and the lines of the help pages. Together
// with the texts marked in code they are what the translations must cover.
#include <string>
#include <vector>

namespace quorbel {

struct UserText {
    std::string context;  // the window's name, or "Help"
    std::string text;     // the English text, exactly as shown
    auto operator<=>(const UserText&) const = default;
};

// Sorted, each pair once. Texts without a letter (numbers, "φ") are left out: they
// read the same in every language.
std::vector<UserText> TableAndHelpTexts();

// Whether a text has anything to translate: at least one Latin letter.
bool HasWords(const std::string& text);

}  // namespace quorbel
