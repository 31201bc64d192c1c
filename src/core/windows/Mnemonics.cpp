#include "windows/Mnemonics.h"

#include <cctype>
#include <set>

namespace quorbel {

namespace {

bool Pickable(char c) {
    return std::isalnum(static_cast<unsigned char>(c)) && static_cast<unsigned char>(c) < 0x80;
}

char Lower(char c) {
    return static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
}

}  // namespace

char MarkedLetter(const std::string& caption) {
    for (std::string::size_type i = 0; i + 1 < caption.size(); ++i) {
        if (caption[i] != '&') continue;
        if (caption[i + 1] == '&') {
            ++i;  // "&&" is an ampersand shown as such
            continue;
        }
        return Lower(caption[i + 1]);
    }
    return 0;
}

std::vector<std::string::size_type> MnemonicOffsets(const std::vector<std::string>& captions) {
    std::vector<std::string::size_type> offsets(captions.size(), std::string::npos);
    std::set<char> taken;
    for (const std::string& caption : captions)
        if (const char letter = MarkedLetter(caption)) taken.insert(letter);
    auto pick = [&](const std::string& caption, bool wordStartsOnly) {
        for (std::string::size_type i = 0; i < caption.size(); ++i) {
            const bool wordStart = i == 0 || !Pickable(caption[i - 1]);
            if (!Pickable(caption[i]) || (wordStartsOnly && !wordStart)) continue;
            if (taken.insert(Lower(caption[i])).second) return i;
        }
        return std::string::npos;
    };
    for (size_t k = 0; k < captions.size(); ++k) {
        if (MarkedLetter(captions[k]) || captions[k].find('&') != std::string::npos) continue;
        offsets[k] = pick(captions[k], true);
        if (offsets[k] == std::string::npos) offsets[k] = pick(captions[k], false);
    }
    return offsets;
}

std::string WithMnemonic(const std::string& caption, std::string::size_type offset) {
    if (offset == std::string::npos || offset > caption.size()) return caption;
    return caption.substr(0, offset) + "&" + caption.substr(offset);
}

}  // namespace quorbel
