#include "nmr/JcampReader.h"

#include <cctype>
#include <cmath>

#include "nmr/AsdfLine.h"
#include "nmr/NmrFile.h"
#include "platform/Translation.h"
#include "state/NumberText.h"

namespace quorbel::nmr {

namespace {

// The comma-separated columns of an NTUPLES label ("VAR_DIM= 8192, 8192, 8192").
std::vector<std::string> Columns(const Labels& labels, const std::string& key) {
    std::vector<std::string> columns;
    const auto found = labels.find(key);
    if (found == labels.end()) return columns;
    std::string column;
    for (const char c : found->second + ",") {
        if (c != ',') {
            if (!std::isspace(static_cast<unsigned char>(c))) column.push_back(c);
            continue;
        }
        columns.push_back(column);
        column.clear();
    }
    return columns;
}

std::optional<double> ColumnNumber(const Labels& labels, const std::string& key, std::size_t i) {
    const std::vector<std::string> columns = Columns(labels, key);
    if (i >= columns.size()) return std::nullopt;
    return ParseNumber(columns[i]);
}

// The ordinate symbol of "(X++(R..R)), XYDATA".
std::optional<std::string> TableSymbol(std::string_view table) {
    const std::size_t open = table.find("++(");
    if (open == std::string_view::npos) return std::nullopt;
    const std::size_t dots = table.find("..", open);
    if (dots == std::string_view::npos) return std::nullopt;
    std::string symbol = LabelKey(table.substr(open + 3, dots - open - 3));
    if (symbol.empty()) return std::nullopt;
    return symbol;
}

// One page being read: its table and what the NTUPLES columns say of it.
struct OpenPage {
    JcampPage page;
    AsdfTable table;
    double factor;
    std::size_t expected;
};

std::optional<OpenPage> StartPage(const Labels& labels, const std::string& symbol,
                                  std::string* error) {
    const std::vector<std::string> symbols = Columns(labels, "SYMBOL");
    std::size_t column = 0;
    while (column < symbols.size() && LabelKey(symbols[column]) != symbol) ++column;
    std::size_t xColumn = 0;
    while (xColumn < symbols.size() && LabelKey(symbols[xColumn]) != "X") ++xColumn;
    const std::optional<double> dim = ColumnNumber(labels, "VAR_DIM", column);
    if (column == symbols.size() || xColumn == symbols.size() || !dim || !(*dim >= 1) ||
        *dim > (1 << 26)) {
        *error =
            Translate("Messages", "a page names an ordinate the NTUPLES block does not describe");
        return std::nullopt;
    }
    const double xFactor = ColumnNumber(labels, "FACTOR", xColumn).value_or(1.0);
    const double xFirst = ColumnNumber(labels, "FIRST", xColumn).value_or(0.0);
    const double xLast = ColumnNumber(labels, "LAST", xColumn).value_or(0.0);
    double first = 0;
    double step = 0;
    if (xFactor != 0 && std::isfinite(xFactor) && *dim > 1) {
        first = xFirst / xFactor;
        step = (xLast - xFirst) / xFactor / (*dim - 1);
    }
    if (!std::isfinite(first) || !std::isfinite(step)) step = 0;
    const std::vector<std::string> names = Columns(labels, "VAR_NAME");
    JcampPage page;
    page.symbol = symbol;
    if (column < names.size()) page.name = names[column];
    return OpenPage{std::move(page), AsdfTable(first, step),
                    ColumnNumber(labels, "FACTOR", column).value_or(1.0),
                    static_cast<std::size_t>(*dim)};
}

bool FinishPage(std::optional<OpenPage>& open, JcampData& data, std::string* error) {
    if (!open) return true;
    const std::vector<double>& raw = open->table.Values();
    if (raw.size() != open->expected) {
        *error =
            Translate("Messages", "a page holds fewer or more points than VAR_DIM says (damaged?)");
        return false;
    }
    open->page.values.reserve(raw.size());
    for (const double v : raw) {
        // Values beyond any detector's would overflow the transform.
        if (!(std::abs(v * open->factor) < 1e100)) {
            *error = Translate("Messages",
                               "a data line holds a character that is not a number "
                               "(damaged)");
            return false;
        }
        open->page.values.push_back(v * open->factor);
    }
    data.pages.push_back(std::move(open->page));
    open.reset();
    return true;
}

}  // namespace

JcampRead ParseJcamp(std::string_view text) {
    JcampData data;
    data.labels = ReadLabels(text);
    if (data.labels.find("JCAMPDX") == data.labels.end() &&
        data.labels.find("TITLE") == data.labels.end())
        return {std::nullopt, Translate("Messages", "it is not a JCAMP-DX file")};
    std::optional<OpenPage> open;
    std::string error;
    std::size_t start = 0;
    while (start < text.size()) {
        std::size_t end = text.find('\n', start);
        if (end == std::string_view::npos) end = text.size();
        std::string_view line = text.substr(start, end - start);
        start = end + 1;
        if (!line.empty() && line.back() == '\r') line.remove_suffix(1);
        if (line.rfind("##", 0) != 0) {
            if (open && !open->table.AddLine(line, &error)) return {std::nullopt, error};
            continue;
        }
        if (!FinishPage(open, data, &error)) return {std::nullopt, error};
        const std::size_t equals = line.find('=');
        if (equals == std::string_view::npos || LabelKey(line.substr(2, equals - 2)) != "DATATABLE")
            continue;
        const std::optional<std::string> symbol = TableSymbol(line.substr(equals + 1));
        if (!symbol)
            return {std::nullopt, Translate("Messages", "a data table's form is not supported")};
        open = StartPage(data.labels, *symbol, &error);
        if (!open) return {std::nullopt, error};
    }
    if (!FinishPage(open, data, &error)) return {std::nullopt, error};
    return {std::move(data), ""};
}

FidRead JcampFid(const JcampData& data) {
    const auto type = data.labels.find("DATATYPE");
    const std::string dataType = type == data.labels.end() ? "" : LabelKey(type->second);
    if (dataType == "NMRSPECTRUM")
        return {std::nullopt, Translate("Messages", "it holds a processed spectrum, not an FID")};
    if (dataType != "NMRFID") return {std::nullopt, Translate("Messages", "it is not an NMR FID")};
    const JcampPage* real = nullptr;
    const JcampPage* imaginary = nullptr;
    for (const JcampPage& page : data.pages) {
        const std::string name = LabelKey(page.name);
        const bool isImaginary = name.find("IMAG") != std::string::npos || page.symbol == "I";
        if (isImaginary && !imaginary) imaginary = &page;
        if (!isImaginary && !real) real = &page;
    }
    if (!real || !imaginary || real->values.size() != imaginary->values.size())
        return {std::nullopt,
                Translate("Messages", "it lacks a real and an imaginary page of equal length")};
    Fid fid;
    fid.points.resize(real->values.size());
    for (std::size_t k = 0; k < fid.points.size(); ++k)
        fid.points[k] = {real->values[k], imaginary->values[k]};
    if (const std::optional<std::string> why =
            ReadParameters(data.labels, &data.labels, static_cast<int>(fid.points.size()), fid))
        return {std::nullopt, *why};
    return {std::move(fid), ""};
}

FidRead ReadJcampFid(const std::filesystem::path& path) {
    std::string error;
    const std::optional<std::string> text = ReadWholeFile(path, &error);
    if (!text) return {std::nullopt, error};
    const JcampRead parsed = ParseJcamp(*text);
    FidRead read = parsed.data ? JcampFid(*parsed.data) : FidRead{std::nullopt, parsed.error};
    if (!read.fid) read.error = NmrFileMessage(path, read.error);
    return read;
}

}  // namespace quorbel::nmr
