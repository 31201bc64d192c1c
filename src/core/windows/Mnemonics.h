#pragma once
// The letters a keyboard user presses with Alt to open a menu or choose one of its
// entries. They are picked when the captions are shown, in whatever language they are
// shown, and never stored in a caption: the report, the exports and the control index
// read the captions as they are. A caption that marks its own letter with '&' (a
// translator's choice, or a caption written so) keeps it.
#include <string>
#include <vector>

namespace quorbel {

// For each caption of one menu (or of the menu bar), in order, where its '&' goes:
// a byte offset in the caption, or npos when it gets none (it marks its own, or no
// letter of it is left). Letters are unique within the captions given, case ignored:
// first the captions' own marks, then for each caption the first letter of one of its
// words not yet taken, then any letter not yet taken. Only ASCII letters and digits
// are picked, so an offset never falls inside a multi-byte character.
std::vector<std::string::size_type> MnemonicOffsets(const std::vector<std::string>& captions);

// `caption` with '&' inserted at `offset` (npos: unchanged).
std::string WithMnemonic(const std::string& caption, std::string::size_type offset);

// The letter `caption` marks with a single '&', lower case, or 0.
char MarkedLetter(const std::string& caption);

}  // namespace quorbel
