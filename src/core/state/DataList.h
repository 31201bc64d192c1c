#pragma once
// An ordered list of text lines, cleared and refilled as a whole by its writer and
// read by line position. Line 0 is a header (usually the number of values); values
// follow from line 1. Numbers are stored as NumberText, so every value that passes
// through a list carries the rounding of its decimal text.
#include <string>
#include <string_view>
#include <vector>

namespace quorbel {

class DataList {
  public:
    void Clear() { lines_.clear(); }
    void Add(std::string line) { lines_.push_back(std::move(line)); }
    void AddNumber(double value);

    int Count() const { return static_cast<int>(lines_.size()); }
    bool Empty() const { return lines_.empty(); }
    // Line `index`; a line past the end reads as empty text.
    const std::string& Line(int index) const;
    // Line `index` read back by decimal-prefix parsing (empty or missing lines read 0).
    double Value(int index) const;
    // Line `index` as a whole number (decimal prefix, truncated).
    int Whole(int index) const;

    // False when a line holds the text of a number beyond the range of doubles
    // ("Infinity", "-Infinity") or of no number ("NaN"); readers would take it as 0.
    bool AllFinite() const;

    const std::vector<std::string>& Lines() const { return lines_; }
    bool operator==(const DataList&) const = default;

  private:
    std::vector<std::string> lines_;
};

}  // namespace quorbel
