// The help topics: each "Help" menu entry shows the topics window on its page, the
// window's buttons go from page to page, every page fits its picture in every
// language, paragraphs break at blanks within the margins and lose nothing, and every
// control a page names is named as the window shows it, in every language.
#include <gtest/gtest.h>

#include <algorithm>
#include <map>
#include <set>
#include <string>

#include "ModelFixture.h"
#include "TranslationFiles.h"
#include "platform/Translation.h"
#include "windows/ControlIndex.h"
#include "windows/HelpTopics.h"

namespace quorbel::testing {
namespace {

using Texts = std::map<std::pair<std::string, std::string>, std::string>;

// The translations of `language` from its source file, as the core's translator
// ("" is English: no translator).
class InLanguage {
  public:
    explicit InLanguage(const std::string& language) {
        if (language.empty()) return;
        const auto messages = ReadTs(TranslationSource(language));
        EXPECT_TRUE(messages);
        if (messages) texts_ = FinishedOf(*messages);
        SetTranslator([this](const char* context, const std::string& text) {
            const auto found = texts_.find({context, text});
            return found == texts_.end() ? text : found->second;
        });
    }
    ~InLanguage() { SetTranslator(nullptr); }
    InLanguage(const InLanguage&) = delete;
    InLanguage& operator=(const InLanguage&) = delete;
    const Texts& Finished() const { return texts_; }

  private:
    Texts texts_;
};

std::string Joined(const RecordingSurface& page) {
    std::string all;
    for (const std::string& text : page.Texts()) all += text;
    return all;
}

class HelpTopicsTest : public ModelFixture {};

TEST_F(HelpTopicsTest, EachMenuEntryShowsItsPageAndEachButtonAnother) {
    Loaded();
    HelpTopicsModel& window = Model().HelpTopicsWindow();
    EXPECT_FALSE(window.View().shown);
    for (const HelpTopicEntry& entry : HelpTopics()) {
        SCOPED_TRACE(entry.title);
        EXPECT_EQ(View()[entry.menuItem].caption, entry.title);
        ASSERT_TRUE(Model().Fire(entry.menuItem, Event::Click));
        EXPECT_TRUE(window.View().shown);
        EXPECT_EQ(window.Topic(), entry.topic);
        const auto& page = dynamic_cast<const RecordingSurface&>(window.Picture());
        ASSERT_FALSE(page.Texts().empty());
        EXPECT_EQ(page.Texts().front(), HelpTopicPage(entry.topic).heading);
        for (const HelpTopicEntry& other : HelpTopics()) {
            EXPECT_EQ(window.View()[other.button].enabled, other.topic != entry.topic);
            EXPECT_EQ(window.View()[other.button].caption, other.title);
        }
        // The button of the page shown does nothing; another shows its own page.
        EXPECT_FALSE(window.Fire(entry.button, Event::Click));
        const HelpTopicEntry& next = HelpTopics()[(static_cast<int>(entry.topic) + 1) % 7];
        ASSERT_TRUE(window.Fire(next.button, Event::Click));
        EXPECT_EQ(window.Topic(), next.topic);
        EXPECT_EQ(page.Texts().front(), HelpTopicPage(next.topic).heading);
        ASSERT_TRUE(window.Fire("FormTopics", Event::Unload));
        EXPECT_FALSE(window.View().shown);
    }
    EXPECT_TRUE(platform.messages.empty());
}

class TopicPage : public ::testing::TestWithParam<std::string> {};

// Drawn with the tests' metric, wider than the fonts of the screen, every page of
// every language stays within its picture.
TEST_P(TopicPage, FitsItsPictureInEveryLanguage) {
    const InLanguage language(GetParam());
    for (const HelpTopicEntry& entry : HelpTopics()) {
        SCOPED_TRACE(entry.title);
        RecordingSurface page(kTopicPageWidth, kTopicPageHeight);
        DrawWrappedHelpPage(page, HelpTopicPage(entry.topic));
        const auto texts = page.OfKind(Primitive::Kind::Text);
        ASSERT_GT(texts.size(), 5u);
        for (const Primitive& text : texts) {
            page.SetFontSize(text.font.size);
            EXPECT_GE(text.x1, kHelpMargin) << text.text;
            EXPECT_LE(
                text.x1 + page.TextWidth(text.text.substr(0, text.text.find_last_not_of(' ') + 1)),
                kTopicPageWidth - kHelpMargin)
                << text.text;
            EXPECT_LE(text.y1 + page.TextHeight(), kTopicPageHeight) << text.text;
        }
        // Every paragraph is set whole, in the user's language.
        const std::string all = Joined(page);
        for (const HelpLine& line : HelpTopicPage(entry.topic).lines) {
            std::string words;
            for (const HelpRun& run : TranslatedHelpLine(line)) words += run.text;
            std::string kept = all;
            words.erase(std::remove(words.begin(), words.end(), ' '), words.end());
            kept.erase(std::remove(kept.begin(), kept.end(), ' '), kept.end());
            EXPECT_NE(kept.find(words), std::string::npos) << words;
        }
    }
}

// The captions a page names in <i>...</i> are those of the program's controls, as the
// window shows them in that language (a colon after a caption left out), or those the
// main window's switches take.
TEST_P(TopicPage, NamesControlsByTheirCaptions) {
    const InLanguage language(GetParam());
    std::set<std::string> captions;
    auto add = [&](const std::string& window, std::string caption) {
        caption.erase(std::remove(caption.begin(), caption.end(), '&'), caption.end());
        if (caption.empty()) return;
        caption = Translate(window.c_str(), caption);
        if (caption.back() == ':') caption.pop_back();
        captions.insert(caption);
    };
    for (const ControlIndexEntry& entry : ControlIndex()) add(entry.window, entry.caption);
    for (const char* shown : {"Move", "Lin", "Cancel"}) add("Form1", shown);
    int named = 0;
    for (const HelpTopicEntry& entry : HelpTopics())
        for (const HelpLine& line : HelpTopicPage(entry.topic).lines)
            for (const HelpRun& run : TranslatedHelpLine(line)) {
                if (run.style != HelpRun::Style::Emphasis) continue;
                EXPECT_TRUE(captions.count(run.text)) << entry.title << ": " << run.text;
                ++named;
            }
    EXPECT_GT(named, 50);
}

INSTANTIATE_TEST_SUITE_P(Languages, TopicPage, ::testing::Values("", "pt_BR", "es"),
                         [](const auto& info) {
                             return info.param.empty() ? std::string("en") : info.param;
                         });

// A paragraph set in a narrow picture: no line passes the margin unless it is one
// word, a mark after an emphasised word stays with it, and nothing is lost.
TEST(WrappedHelpPage, BreaksAtBlanksWithinTheMargins) {
    const HelpPage page{"Heading",
                        {DecodeHelpLine("Press <i>Show</i>: then drag over the graph with "
                                        "the right button, and <i>Fix</i>, or a "
                                        "veryveryveryveryverylongword here."),
                         {},
                         DecodeHelpLine("Second paragraph.")}};
    for (const double width : {1500.0, 2200.0, 3300.0, 6000.0, 20000.0}) {
        SCOPED_TRACE(width);
        RecordingSurface surface(width, 20000);
        DrawWrappedHelpPage(surface, page);
        std::map<double, std::string> lines;  // by height
        std::map<double, double> ends;
        for (const Primitive& text : surface.OfKind(Primitive::Kind::Text)) {
            lines[text.y1] += text.text;
            surface.SetFontSize(text.font.size);
            ends[text.y1] = std::max(ends[text.y1], text.x1 + surface.TextWidth(text.text));
        }
        std::erase_if(lines, [](const auto& line) { return line.second.empty(); });
        for (const auto& [y, line] : lines) {
            const std::string ink = line.substr(0, line.find_last_not_of(' ') + 1);
            const bool oneWord = ink.find(' ') == std::string::npos;
            if (!oneWord) {
                EXPECT_LE(ends[y] - (line.size() - ink.size()) * 110, width - kHelpMargin) << line;
            }
            EXPECT_NE(line.front(), ':') << line;
            EXPECT_NE(line.front(), ' ') << line;
        }
        std::string all;
        for (const auto& [y, line] : lines) all += line;
        for (const char* part :
             {"Heading", "Show: then drag", "veryveryveryveryverylongword", "Second paragraph."}) {
            std::string compact = all;
            compact.erase(std::remove(compact.begin(), compact.end(), ' '), compact.end());
            std::string wanted = part;
            wanted.erase(std::remove(wanted.begin(), wanted.end(), ' '), wanted.end());
            EXPECT_NE(compact.find(wanted), std::string::npos) << part;
        }
        if (width >= 20000) {
            EXPECT_EQ(lines.size(), 3u);
        }
        if (width <= 2200) {
            EXPECT_GT(lines.size(), 8u);
        }
    }
}

}  // namespace
}  // namespace quorbel::testing
