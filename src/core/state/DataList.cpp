#include "state/DataList.h"

#include "state/NumberText.h"

namespace quorbel {

void DataList::AddNumber(double value) { lines_.push_back(NumberText(value)); }

const std::string& DataList::Line(int index) const {
    static const std::string empty;
    if (index < 0 || index >= Count()) return empty;
    return lines_[static_cast<size_t>(index)];
}

double DataList::Value(int index) const { return DecimalPrefix(Line(index)); }

int DataList::Whole(int index) const { return WholeNumber(Line(index)); }

}  // namespace quorbel
