// The help topics: each entry of "Help", "Topics" shows the window on its page and the
// window's buttons go from page to page; in every language each page fits its picture,
// keeps every paragraph whole and names the controls as the window shows them.
#include <gtest/gtest.h>

#include <set>
#include <string>

#include "ModelFixture.h"
#include "TranslationFiles.h"
#include "platform/Translation.h"
#include "windows/ControlIndex.h"

namespace quorbel::testing {
namespace {

class HelpTopicsTest : public ModelFixture {};

TEST_F(HelpTopicsTest, EachMenuEntryShowsItsPageAndEachButtonAnother) {
    Loaded();
    HelpTopicsModel& window = Model().HelpTopicsWindow();
    const auto& page = dynamic_cast<const RecordingSurface&>(window.Picture());
    for (const HelpTopicEntry& entry : HelpTopics()) {
        ASSERT_TRUE(Model().Fire(entry.menuItem, Event::Click)) << entry.title;
        EXPECT_TRUE(window.View().shown);
        EXPECT_EQ(page.Texts().at(0), HelpTopicPage(entry.topic).heading);
        EXPECT_FALSE(window.Fire(entry.button, Event::Click)) << "the page's own button is off";
        const HelpTopicEntry& next = HelpTopics()[(static_cast<int>(entry.topic) + 1) % 7];
        ASSERT_TRUE(window.Fire(next.button, Event::Click));
        EXPECT_EQ(window.Topic(), next.topic);
        EXPECT_EQ(page.Texts().at(0), HelpTopicPage(next.topic).heading);
        ASSERT_TRUE(window.Fire("FormTopics", Event::Unload));
        EXPECT_FALSE(window.View().shown);
    }
}

class TopicPages : public ::testing::TestWithParam<std::string> {
  protected:
    void SetUp() override {
        if (GetParam().empty()) return;
        texts_ = FinishedOf(ReadTs(TranslationSource(GetParam())).value());
        SetTranslator([this](const char* context, const std::string& text) {
            const auto found = texts_.find({context, text});
            return found == texts_.end() ? text : found->second;
        });
    }
    void TearDown() override { SetTranslator(nullptr); }
    std::map<std::pair<std::string, std::string>, std::string> texts_;
};

// Set with the tests' metric, wider than the screen's fonts: no line passes the
// margins or the bottom, a colon stays with its caption, and nothing is lost.
TEST_P(TopicPages, FitTheirPictureWhole) {
    for (const HelpTopicEntry& entry : HelpTopics()) {
        RecordingSurface page(kTopicPageWidth, kTopicPageHeight);
        DrawWrappedHelpPage(page, HelpTopicPage(entry.topic));
        std::string all;
        for (const Primitive& text : page.OfKind(Primitive::Kind::Text)) {
            page.SetFontSize(text.font.size);
            const std::string ink = text.text.substr(0, text.text.find_last_not_of(' ') + 1);
            EXPECT_LE(text.x1 + page.TextWidth(ink), kTopicPageWidth - kHelpMargin) << ink;
            EXPECT_LE(text.y1 + page.TextHeight(), kTopicPageHeight) << ink;
            if (text.x1 == kHelpMargin) {
                EXPECT_FALSE(ink.starts_with(":")) << ink;
            }
            all += text.text;
        }
        for (const HelpLine& line : HelpTopicPage(entry.topic).lines) {
            std::string words;
            for (const HelpRun& run : TranslatedHelpLine(line)) words += run.text;
            EXPECT_NE(all.find(words), std::string::npos) << words;
        }
    }
}

// What a page emphasises is a control's caption as its window shows it (a closing
// colon left out), or a caption the main window's switches take.
TEST_P(TopicPages, NameControlsByTheirCaptions) {
    std::set<std::string> captions;
    for (const ControlIndexEntry& entry : ControlIndex()) {
        std::string caption = Translate(entry.window.c_str(), entry.caption);
        if (caption.ends_with(":")) caption.pop_back();
        captions.insert(caption);
    }
    for (const char* shown : {"Move", "Lin"}) captions.insert(Translate("Form1", shown));
    for (const HelpTopicEntry& entry : HelpTopics())
        for (const HelpLine& line : HelpTopicPage(entry.topic).lines)
            for (const HelpRun& run : TranslatedHelpLine(line))
                if (run.style == HelpRun::Style::Emphasis) {
                    EXPECT_TRUE(captions.count(run.text)) << entry.title << ": " << run.text;
                }
}

INSTANTIATE_TEST_SUITE_P(Languages, TopicPages, ::testing::Values("", "pt_BR", "es"),
                         [](const auto& info) { return info.param.empty() ? "en" : info.param; });

}  // namespace
}  // namespace quorbel::testing
