#pragma once
// The translation sources as the tests read them: the messages of a Qt Linguist .ts
// file (context, English source, translation and whether it is finished), read with a
// small reader of the subset of XML that lupdate writes.
#include <fstream>
#include <map>
#include <optional>
#include <sstream>
#include <string>
#include <utility>
#include <vector>

namespace quorbel::testing {

struct TsMessage {
    std::string context;
    std::string source;
    std::string translation;
    std::string type;  // "", "unfinished", "vanished" or "obsolete"
};

inline std::string XmlText(const std::string& text) {
    static const std::pair<const char*, const char*> entities[] = {
        {"&lt;", "<"}, {"&gt;", ">"}, {"&quot;", "\""}, {"&apos;", "'"}};
    std::string out;
    for (size_t i = 0; i < text.size();) {
        if (text[i] != '&') {
            out += text[i++];
            continue;
        }
        bool known = false;
        for (const auto& [entity, character] : entities)
            if (text.compare(i, std::string(entity).size(), entity) == 0) {
                out += character;
                i += std::string(entity).size();
                known = true;
                break;
            }
        if (known) continue;
        if (text.compare(i, 5, "&amp;") == 0) {
            out += '&';
            i += 5;
        } else if (text.compare(i, 2, "&#") == 0 && text.find(';', i) != std::string::npos) {
            const size_t end = text.find(';', i);
            const std::string number = text.substr(i + 2, end - i - 2);
            const long code =
                number[0] == 'x' ? std::stol(number.substr(1), nullptr, 16) : std::stol(number);
            out += static_cast<char>(code);  // lupdate escapes control characters only
            i = end + 1;
        } else {
            out += text[i++];
        }
    }
    return out;
}

// The text between `open` and `close` from `from` on, and where it ends; npos when
// there is none before `limit`.
inline std::optional<std::string> Between(const std::string& xml, const std::string& open,
                                          const std::string& close, size_t& from, size_t limit) {
    const size_t start = xml.find(open, from);
    if (start == std::string::npos || start >= limit) return std::nullopt;
    const size_t end = xml.find(close, start + open.size());
    if (end == std::string::npos || end > limit) return std::nullopt;
    from = end + close.size();
    return xml.substr(start + open.size(), end - start - open.size());
}

inline std::optional<std::vector<TsMessage>> ReadTs(const std::string& path) {
    std::ifstream in(path, std::ios::binary);
    if (!in) return std::nullopt;
    std::stringstream buffer;
    buffer << in.rdbuf();
    const std::string xml = buffer.str();
    std::vector<TsMessage> messages;
    for (size_t at = 0;;) {
        const size_t start = xml.find("<context>", at);
        if (start == std::string::npos) break;
        const size_t end = xml.find("</context>", start);
        if (end == std::string::npos) return std::nullopt;
        size_t pos = start;
        const std::optional<std::string> name = Between(xml, "<name>", "</name>", pos, end);
        if (!name) return std::nullopt;
        while (true) {
            const size_t message = xml.find("<message", pos);
            if (message == std::string::npos || message > end) break;
            const size_t messageEnd = xml.find("</message>", message);
            pos = message;
            const std::optional<std::string> source =
                Between(xml, "<source>", "</source>", pos, messageEnd);
            const size_t tag = xml.find("<translation", pos);
            if (!source || tag == std::string::npos || tag > messageEnd) return std::nullopt;
            const size_t tagEnd = xml.find('>', tag);
            const std::string attributes = xml.substr(tag, tagEnd - tag);
            TsMessage m{XmlText(*name), XmlText(*source), "", ""};
            if (const size_t t = attributes.find("type=\""); t != std::string::npos)
                m.type = attributes.substr(t + 6, attributes.find('"', t + 6) - t - 6);
            if (xml[tagEnd - 1] != '/') {
                const size_t close = xml.find("</translation>", tagEnd);
                m.translation = XmlText(xml.substr(tagEnd + 1, close - tagEnd - 1));
            }
            messages.push_back(std::move(m));
            pos = messageEnd + 1;
        }
        at = end + 1;
    }
    return messages;
}

// The finished translations of a file, by context and source.
inline std::map<std::pair<std::string, std::string>, std::string> FinishedOf(
    const std::vector<TsMessage>& messages) {
    std::map<std::pair<std::string, std::string>, std::string> finished;
    for (const TsMessage& m : messages)
        if (m.type.empty() && !m.translation.empty())
            finished[{m.context, m.source}] = m.translation;
    return finished;
}

inline std::string TranslationSource(const std::string& language) {
    return std::string(QUORBEL_TRANSLATIONS_SOURCE) + "/fftquorbel_" + language + ".ts";
}

// The finished translation of `source` in the .ts file of `language`, or "".
inline std::string FinishedTranslation(const std::string& language, const std::string& context,
                                       const std::string& source) {
    const auto messages = ReadTs(TranslationSource(language));
    if (!messages) return "";
    const auto finished = FinishedOf(*messages);
    const auto found = finished.find({context, source});
    return found == finished.end() ? "" : found->second;
}

// What lupdate extracts from the sources now (built with the tests).
inline std::string ExtractedTexts() {
    return std::string(QUORBEL_TRANSLATIONS_BUILD) + "/extracted.ts";
}

}  // namespace quorbel::testing
