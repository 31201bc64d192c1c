#include "state/DataList.h"

#include <cmath>
#include <limits>

#include "state/NumberText.h"

namespace quorbel {
namespace {
constexpr double kInfinity = std::numeric_limits<double>::infinity();
constexpr double kNaN = std::numeric_limits<double>::quiet_NaN();
}  // namespace

void DataList::Clear() {
    lines_.clear();
    numbers_.clear();
    textDue_.clear();
    values_.clear();
}

void DataList::Add(std::string line) {
    lines_.push_back(std::move(line));
    numbers_.push_back(0);
    textDue_.push_back(0);
    values_.push_back(kNaN);
}

void DataList::AddNumber(double value) {
    lines_.emplace_back();
    numbers_.push_back(value);
    textDue_.push_back(1);
    values_.push_back(TextValue(value));
}

void DataList::AddLineOf(const DataList& from, int index) {
    if (index < 0 || index >= from.Count()) return Add("");
    const auto i = static_cast<std::size_t>(index);
    lines_.push_back(from.lines_[i]);
    numbers_.push_back(from.numbers_[i]);
    textDue_.push_back(from.textDue_[i]);
    values_.push_back(from.values_[i]);
}

void DataList::Reserve(int count) {
    if (count <= 0) return;
    const auto room = static_cast<std::size_t>(count);
    lines_.reserve(room);
    numbers_.reserve(room);
    textDue_.reserve(room);
    values_.reserve(room);
}

void DataList::WriteText(std::size_t index) const {
    if (!textDue_[index]) return;
    lines_[index] = NumberText(numbers_[index]);
    textDue_[index] = 0;
}

const std::string& DataList::Line(int index) const {
    static const std::string empty;
    if (index < 0 || index >= Count()) return empty;
    WriteText(static_cast<std::size_t>(index));
    return lines_[static_cast<std::size_t>(index)];
}

const std::vector<std::string>& DataList::Lines() const {
    for (std::size_t i = 0; i < lines_.size(); ++i) WriteText(i);
    return lines_;
}

double DataList::Value(int index) const {
    if (index < 0 || index >= Count()) return 0;  // a missing line reads as empty text
    double& value = values_[static_cast<std::size_t>(index)];
    if (std::isnan(value)) value = DecimalPrefix(lines_[static_cast<std::size_t>(index)]);
    return value;
}

int DataList::Whole(int index) const {
    return WholeOf(Value(index));
}

bool DataList::AllFinite() const {
    for (std::size_t i = 0; i < lines_.size(); ++i) {
        if (textDue_[i]) {
            if (!std::isfinite(numbers_[i])) return false;
        } else if (const std::string& line = lines_[i]; line == NumberText(kNaN) ||
                                                        line == NumberText(kInfinity) ||
                                                        line == NumberText(-kInfinity)) {
            return false;
        }
    }
    return true;
}

}  // namespace quorbel
