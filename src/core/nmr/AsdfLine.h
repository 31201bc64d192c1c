#pragma once
// The ordinates of a JCAMP-DX data table, line by line, in the plain (AFFN) and the
// compressed ASDF forms:
//   SQZ  a value whose sign and first digit are one letter: @ = 0, A..I = 1..9, a..i = -1..-9;
//   DIF  a difference from the previous value: % = 0, J..R = 1..9, j..r = -1..-9;
//   DUP  the previous value (or difference) repeated: S..Z = 1..8 times in all, s = 9.
// A line that ends in DIF form is checked by the next line, whose first ordinate repeats
// the last value; that repetition is compared and dropped.
#include <cstddef>
#include <string>
#include <string_view>
#include <vector>

namespace quorbel::nmr {

class AsdfTable {
  public:
    // The abscissa of point k should be first + k * step (in the table's own units, that
    // is before the X factor); a line whose abscissa is more than half a step away from
    // that of its first ordinate is damage.
    AsdfTable(double first, double step) : first_(first), step_(step) {}

    // Adds the ordinates of one line (an abscissa, then the ordinates). False, with the
    // reason in *error, when the line cannot be read or does not follow its predecessor.
    bool AddLine(std::string_view line, std::string* error);

    // The values so far, before any factor.
    const std::vector<double>& Values() const { return values_; }

  private:
    bool Add(double value, std::string* error);

    double first_;
    double step_;
    std::vector<double> values_;
    bool endedInDif_ = false;  // the previous line ended with a difference
    bool checkPending_ = false;
};

}  // namespace quorbel::nmr
