#include "nmr/NmrLabels.h"

#include <cctype>

#include "state/NumberText.h"

namespace quorbel::nmr {

namespace {

std::string_view Trim(std::string_view text) {
    while (!text.empty() && std::isspace(static_cast<unsigned char>(text.front())))
        text.remove_prefix(1);
    while (!text.empty() && std::isspace(static_cast<unsigned char>(text.back())))
        text.remove_suffix(1);
    return text;
}

}  // namespace

std::string LabelKey(std::string_view label) {
    std::string key;
    for (const char c : label) {
        if (std::isspace(static_cast<unsigned char>(c))) continue;
        key.push_back(static_cast<char>(std::toupper(static_cast<unsigned char>(c))));
    }
    return key;
}

Labels ReadLabels(std::string_view text) {
    Labels labels;
    std::size_t start = 0;
    while (start < text.size()) {
        std::size_t end = text.find('\n', start);
        if (end == std::string_view::npos) end = text.size();
        const std::string_view line = text.substr(start, end - start);
        start = end + 1;
        if (line.size() < 3 || line[0] != '#' || line[1] != '#') continue;
        const std::size_t equals = line.find('=');
        if (equals == std::string_view::npos) continue;
        std::string_view value = line.substr(equals + 1);
        if (const std::size_t comment = value.find("$$"); comment != std::string_view::npos)
            value = value.substr(0, comment);
        labels.emplace(LabelKey(line.substr(2, equals - 2)), std::string(Trim(value)));
    }
    return labels;
}

std::optional<double> LabelNumber(const Labels& labels, const std::string& label) {
    const auto found = labels.find(label);
    if (found == labels.end()) return std::nullopt;
    return ParseNumber(found->second);
}

}  // namespace quorbel::nmr
