#include "platform/Translation.h"

#include <algorithm>
#include <utility>

namespace quorbel {

namespace {

Translator& Installed() {
    static Translator translator;
    return translator;
}

// "pt_BR.UTF-8@euro" -> "pt_BR"; "es" -> "es".
std::string LocaleName(const std::string& value) {
    return value.substr(0, value.find_first_of(".@"));
}

// The translated language a locale name asks for: the exact name first (pt_BR), then
// its language alone (es_MX -> es, pt_PT -> pt_BR as the nearest we have).
std::string Translated(const std::string& locale) {
    const std::vector<std::string>& languages = TranslatedLanguages();
    for (const std::string& l : languages)
        if (locale == l) return l;
    const std::string base = locale.substr(0, locale.find('_'));
    for (const std::string& l : languages)
        if (l.substr(0, l.find('_')) == base) return l;
    return "";
}

}  // namespace

void SetTranslator(Translator translator) {
    Installed() = std::move(translator);
}

std::string Translate(const char* context, const std::string& text) {
    if (!Installed() || text.empty()) return text;
    return Installed()(context, text);
}

std::string FillIn(const std::string& text, const std::vector<std::string>& args) {
    std::string out;
    out.reserve(text.size());
    for (size_t i = 0; i < text.size(); ++i) {
        const char next = i + 1 < text.size() ? text[i + 1] : '\0';
        if (text[i] == '%' && next == '%') {
            out += '%';
            ++i;
        } else if (text[i] == '%' && next >= '1' && next <= '9' &&
                   static_cast<size_t>(next - '1') < args.size()) {
            out += args[static_cast<size_t>(next - '1')];
            ++i;
        } else {
            out += text[i];
        }
    }
    return out;
}

const std::vector<std::string>& TranslatedLanguages() {
    static const std::vector<std::string> languages = {"pt_BR", "es"};
    return languages;
}

std::string ChooseLanguage(const std::string& language, const std::string& lcAll,
                           const std::string& lang) {
    // LANGUAGE lists preferences; an English entry before any translated one keeps
    // the program in English.
    for (size_t start = 0; start < language.size();) {
        const size_t end = std::min(language.find(':', start), language.size());
        const std::string entry = LocaleName(language.substr(start, end - start));
        start = end + 1;
        if (entry.empty()) continue;
        if (entry == "C" || entry == "POSIX" || entry.rfind("en", 0) == 0) return "";
        if (const std::string chosen = Translated(entry); !chosen.empty()) return chosen;
    }
    for (const std::string* value : {&lcAll, &lang}) {
        if (value->empty()) continue;
        return Translated(LocaleName(*value));
    }
    return "";
}

}  // namespace quorbel
