#pragma once
// The labelled parameters of an NMR data file ("##$TD= 16384", "##.OBSERVE FREQUENCY= 300.1"),
// as the instrument's parameter files and JCAMP-DX files write them, kept untouched: the
// processing decides which it uses.
#include <map>
#include <optional>
#include <string>
#include <string_view>

namespace quorbel::nmr {

// Label -> value text. The label is the text between "##" and "=", upper-cased, with
// blanks removed ("$SW_H", ".OBSERVEFREQUENCY", "DATATYPE"); the value is the rest of its
// first line, trimmed, without a "$$" comment. The first occurrence of a label wins.
using Labels = std::map<std::string, std::string>;

// The labels of `text`; lines that do not start with "##" (continuations, comments, data)
// are passed over.
Labels ReadLabels(std::string_view text);

// The label's value as a number, when it is present and reads as one.
std::optional<double> LabelNumber(const Labels& labels, const std::string& label);

// A label's key as ReadLabels makes it.
std::string LabelKey(std::string_view label);

}  // namespace quorbel::nmr
