#include "windows/UserTexts.h"

#include <algorithm>
#include <cctype>

#include "windows/ControlIndex.h"
#include "windows/HelpPages.h"
#include "windows/HelpTopics.h"

namespace quorbel {

bool HasWords(const std::string& text) {
    return std::any_of(text.begin(), text.end(),
                       [](unsigned char c) { return std::isalpha(c) != 0; });
}

std::vector<UserText> TableAndHelpTexts() {
    std::vector<UserText> texts;
    auto add = [&texts](const std::string& context, const std::string& text) {
        if (HasWords(text)) texts.push_back({context, text});
    };
    for (const ControlIndexEntry& entry : ControlIndex()) {
        add(entry.window, entry.caption);
        add(entry.window, entry.tooltip);
    }
    std::vector<const HelpPage*> pages = {&NyquistPage(), &PhasePage()};
    for (const HelpTopicEntry& topic : HelpTopics()) pages.push_back(&HelpTopicPage(topic.topic));
    for (const HelpPage* page : pages) {
        add("Help", page->heading);
        for (const HelpLine& line : page->lines) add("Help", EncodeHelpLine(line));
    }
    std::sort(texts.begin(), texts.end());
    texts.erase(std::unique(texts.begin(), texts.end()), texts.end());
    return texts;
}

}  // namespace quorbel
