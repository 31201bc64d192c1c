#include "surface/TextGridSurface.h"

#include <cmath>

#include "surface/SymbolFont.h"

namespace quorbel {

std::vector<std::string> TextGridSurface::Shown(const std::string& text) const {
    return Utf8Characters(IsSymbolFont(Font().name) ? SymbolToUnicode(text) : text);
}

double TextGridSurface::TextWidth(const std::string& text) const {
    return static_cast<double>(Shown(text).size()) * kCellWidth;
}

void TextGridSurface::DoText(double x, double y, const std::string& text) {
    const double rowPosition = std::round(y / kCellHeight);
    const double columnPosition = std::round(x / kCellWidth);
    // Also refuses NaN positions: every comparison with NaN is false.
    if (!(rowPosition >= 0 && rowPosition < kMaxRows)) return;
    if (!(columnPosition > -kMaxColumns && columnPosition < kMaxColumns)) return;
    const auto row = static_cast<std::size_t>(rowPosition);
    int column = static_cast<int>(columnPosition);
    if (rows_.size() <= row) rows_.resize(row + 1);
    std::vector<std::string>& cells = rows_[row];
    for (const std::string& ch : Shown(text)) {
        if (column >= kMaxColumns) break;
        if (column >= 0) {
            const auto cell = static_cast<std::size_t>(column);
            if (cells.size() <= cell) cells.resize(cell + 1, " ");
            cells[cell] = ch;
        }
        ++column;
    }
}

std::vector<std::string> TextGridSurface::Lines() const {
    std::vector<std::string> lines;
    for (const std::vector<std::string>& cells : rows_) {
        std::string line;
        for (const std::string& ch : cells) line += ch;
        line.erase(line.find_last_not_of(' ') + 1);
        lines.push_back(std::move(line));
    }
    while (!lines.empty() && lines.back().empty()) lines.pop_back();
    return lines;
}

}  // namespace quorbel
