#include "state/DataList.h"

#include <limits>

#include "state/NumberText.h"

namespace quorbel {
namespace {
constexpr double kInfinity = std::numeric_limits<double>::infinity();
constexpr double kNaN = std::numeric_limits<double>::quiet_NaN();
}  // namespace

void DataList::AddNumber(double value) {
    lines_.push_back(NumberText(value));
}

const std::string& DataList::Line(int index) const {
    static const std::string empty;
    if (index < 0 || index >= Count()) return empty;
    return lines_[static_cast<size_t>(index)];
}

double DataList::Value(int index) const {
    return DecimalPrefix(Line(index));
}

int DataList::Whole(int index) const {
    return WholeNumber(Line(index));
}

bool DataList::AllFinite() const {
    for (const std::string& line : lines_)
        if (line == NumberText(kNaN) || line == NumberText(kInfinity) ||
            line == NumberText(-kInfinity))
            return false;
    return true;
}

}  // namespace quorbel
