#pragma once
// An ordered list of text lines, cleared and refilled as a whole by its writer and
// read by line position. Line 0 is a header (usually the number of values); values
// follow from line 1. Numbers are stored as NumberText, so every value that passes
// through a list carries the rounding of its decimal text.
//
// A list is filled with thousands of numbers at a time and mostly read back as
// numbers. So a number's text is written when a line is first asked for as text, and
// the value its text reads as is worked out once, when the number is added (see
// TextValue): every reader sees exactly what it would read from the text.
#include <string>
#include <string_view>
#include <vector>

namespace quorbel {

class DataList {
  public:
    void Clear();
    void Add(std::string line);
    void AddNumber(double value);
    // Adds line `index` of `from` as it stands there (empty text past its end).
    void AddLineOf(const DataList& from, int index);
    // Room for `count` lines, so that a list refilled line by line grows only once.
    void Reserve(int count);

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

    const std::vector<std::string>& Lines() const;
    // Lists are equal when their texts are.
    bool operator==(const DataList& other) const { return Lines() == other.Lines(); }

  private:
    void WriteText(std::size_t index) const;

    mutable std::vector<std::string> lines_;
    // The number given for a line whose text is not written yet (textDue_ set).
    std::vector<double> numbers_;
    mutable std::vector<unsigned char> textDue_;
    // What each line reads as; NaN until it has been read (decimal-prefix reading
    // never gives NaN).
    mutable std::vector<double> values_;
};

}  // namespace quorbel
