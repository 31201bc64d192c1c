// The user's language: which language the environment chooses, how inserted names and
// numbers find their place in a translated text, how a help line travels as one text,
// that every text the program shows has a finished translation in every language, and
// that the report keeps its numbers and columns in every language.
#include "platform/Translation.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cctype>
#include <map>
#include <set>
#include <string>
#include <vector>

#include "CaseName.h"
#include "TranslationFiles.h"
#include "report/Report.h"
#include "windows/HelpPages.h"
#include "windows/UserTexts.h"

namespace quorbel {
namespace {

using testing::FinishedOf;
using testing::NameOfText;
using testing::ReadTs;
using testing::TsMessage;

// --- the language chosen from the environment

struct LanguageCase {
    const char* name;
    const char* language;  // LANGUAGE
    const char* lcAll;     // LC_ALL
    const char* lang;      // LANG
    const char* chosen;
};
void PrintTo(const LanguageCase& c, std::ostream* out) {
    *out << c.name;
}

class ChosenLanguage : public ::testing::TestWithParam<LanguageCase> {};

TEST_P(ChosenLanguage, FollowsLanguageThenLcAllThenLang) {
    const LanguageCase& c = GetParam();
    EXPECT_EQ(ChooseLanguage(c.language, c.lcAll, c.lang), c.chosen);
}

const LanguageCase kLanguageCases[] = {
    {"nothing set", "", "", "", ""},
    {"LANG Brazilian", "", "", "pt_BR.UTF-8", "pt_BR"},
    {"LANG Spanish of Spain", "", "", "es_ES.UTF-8", "es"},
    {"LANG Spanish of Mexico", "", "", "es_MX.UTF-8", "es"},
    {"LANG Portuguese of Portugal takes Brazilian", "", "", "pt_PT.UTF-8", "pt_BR"},
    {"LANG English", "", "", "en_US.UTF-8", ""},
    {"LANG German has no translation", "", "", "de_DE.UTF-8", ""},
    {"LANG C", "", "", "C.UTF-8", ""},
    {"LANG with modifier", "", "", "es_ES@euro", "es"},
    {"LC_ALL before LANG", "", "es_ES.UTF-8", "pt_BR.UTF-8", "es"},
    {"LC_ALL English wins over LANG", "", "en_GB.UTF-8", "pt_BR.UTF-8", ""},
    {"LANGUAGE before LC_ALL", "pt_BR", "es_ES.UTF-8", "es_ES.UTF-8", "pt_BR"},
    {"LANGUAGE list, first translated", "de:fr:es:pt_BR", "", "", "es"},
    {"LANGUAGE list, English first", "en:pt_BR", "", "pt_BR.UTF-8", ""},
    {"LANGUAGE without any translation falls to LANG", "de:fr", "", "pt_BR.UTF-8", "pt_BR"},
    {"LANGUAGE plain pt", "pt", "", "", "pt_BR"},
    {"LANGUAGE with empty entries", "::es_AR:", "", "", "es"},
};

INSTANTIATE_TEST_SUITE_P(Environment, ChosenLanguage, ::testing::ValuesIn(kLanguageCases),
                         [](const auto& info) { return NameOfText(info.param.name); });

// --- inserted names and numbers

struct FillCase {
    const char* name;
    const char* text;
    std::vector<std::string> args;
    const char* filled;
};
void PrintTo(const FillCase& c, std::ostream* out) {
    *out << c.name;
}

class FilledIn : public ::testing::TestWithParam<FillCase> {};

TEST_P(FilledIn, PutsEachArgumentAtItsMarker) {
    EXPECT_EQ(FillIn(GetParam().text, GetParam().args), GetParam().filled);
}

const FillCase kFillCases[] = {
    {"one marker",
     "The file %1 cannot be read.",
     {"\"a.raw\""},
     "The file \"a.raw\" cannot be read."},
    {"markers in another order", "%2 de %1", {"N", "32768"}, "32768 de N"},
    {"a marker twice", "%1 and %1", {"x"}, "x and x"},
    {"percent sign kept", "error= (%)", {}, "error= (%)"},
    {"doubled percent is one", "100%% of %1", {"N"}, "100% of N"},
    {"marker without argument stays", "%1 %2", {"a"}, "a %2"},
    {"argument holding a marker is not filled again", "%1 %2", {"%2", "b"}, "%2 b"},
    {"decimal numbers unchanged", "Window: %1 seconds", {"0.5"}, "Window: 0.5 seconds"},
    {"marker at the end", "Data of %1", {"tone.raw"}, "Data of tone.raw"},
};

INSTANTIATE_TEST_SUITE_P(Markers, FilledIn, ::testing::ValuesIn(kFillCases),
                         [](const auto& info) { return NameOfText(info.param.name); });

// --- help lines as one text

struct HelpLineCase {
    const char* name;
    HelpLine line;
    const char* encoded;
};
void PrintTo(const HelpLineCase& c, std::ostream* out) {
    *out << c.name;
}

class HelpLineText : public ::testing::TestWithParam<HelpLineCase> {};

using S = HelpRun::Style;

TEST_P(HelpLineText, EncodesAndDecodesItsRuns) {
    EXPECT_EQ(EncodeHelpLine(GetParam().line), GetParam().encoded);
    const HelpLine decoded = DecodeHelpLine(GetParam().encoded);
    EXPECT_EQ(EncodeHelpLine(decoded), GetParam().encoded);
    // Adjacent runs of one style come back as one run.
    for (size_t i = 1; i < decoded.size(); ++i) EXPECT_NE(decoded[i - 1].style, decoded[i].style);
}

const HelpLineCase kHelpLineCases[] = {
    {"plain", {{S::Plain, "only text"}}, "only text"},
    {"emphasis inside",
     {{S::Plain, "The "}, {S::Emphasis, "phase"}, {S::Plain, " value"}},
     "The <i>phase</i> value"},
    {"Greek at the end", {{S::Plain, "in the "}, {S::Greek, "f"}}, "in the <g>f</g>"},
    {"two plain runs join", {{S::Plain, "For insta"}, {S::Plain, "nce"}}, "For instance"},
    {"emphasis first",
     {{S::Emphasis, "a"}, {S::Plain, " and "}, {S::Emphasis, "b"}},
     "<i>a</i> and <i>b</i>"},
    {"empty line", {}, ""},
};

INSTANTIATE_TEST_SUITE_P(Runs, HelpLineText, ::testing::ValuesIn(kHelpLineCases),
                         [](const auto& info) { return NameOfText(info.param.name); });

// --- completeness of the translations

// The %1..%9 markers of a text, sorted; and the help pages' style tags, in order.
std::multiset<std::string> Markers(const std::string& text) {
    std::multiset<std::string> markers;
    for (size_t i = 0; i + 1 < text.size(); ++i)
        if (text[i] == '%' && text[i + 1] >= '1' && text[i + 1] <= '9')
            markers.insert(text.substr(i, 2));
    return markers;
}
std::vector<std::string> Tags(const std::string& text) {
    // <i>, </i>, <g> and </g>, in order.
    std::vector<std::string> tags;
    for (size_t i = 0; i < text.size(); ++i) {
        if (text[i] != '<') continue;
        const size_t name = i + 1 < text.size() && text[i + 1] == '/' ? i + 2 : i + 1;
        if (name + 1 < text.size() && (text[name] == 'i' || text[name] == 'g') &&
            text[name + 1] == '>')
            tags.push_back(text.substr(i, name + 2 - i));
    }
    return tags;
}

class Translations : public ::testing::TestWithParam<std::string> {
  protected:
    void SetUp() override {
        const auto extracted = ReadTs(testing::ExtractedTexts());
        const auto translated = ReadTs(testing::TranslationSource(GetParam()));
        ASSERT_TRUE(extracted) << testing::ExtractedTexts();
        ASSERT_TRUE(translated) << testing::TranslationSource(GetParam());
        extracted_ = *extracted;
        finished_ = FinishedOf(*translated);
    }
    std::vector<TsMessage> extracted_;
    std::map<std::pair<std::string, std::string>, std::string> finished_;
};

TEST_P(Translations, EveryExtractedTextHasAFinishedTranslation) {
    ASSERT_GT(extracted_.size(), 200u);
    for (const TsMessage& m : extracted_) {
        const auto found = finished_.find({m.context, m.source});
        EXPECT_NE(found, finished_.end()) << GetParam() << " has no finished translation of ["
                                          << m.context << "] \"" << m.source << "\"";
    }
}

TEST_P(Translations, KeepMarkersTagsAndLineBreaks) {
    for (const auto& [key, translation] : finished_) {
        const std::string& source = key.second;
        SCOPED_TRACE("[" + key.first + "] " + source);
        EXPECT_EQ(Markers(translation), Markers(source));
        EXPECT_EQ(Tags(translation), Tags(source));
        // Captions that break their line, and the help pages' line-per-text layout.
        if (key.first != "CommandLine") {
            EXPECT_EQ(std::count(translation.begin(), translation.end(), '\n'),
                      std::count(source.begin(), source.end(), '\n'));
        }
        // Filters keep their patterns: only the descriptions are translated.
        if (key.first == "Filters") {
            auto patterns = [](const std::string& filter) {
                std::vector<std::string> parts;
                for (size_t at = 0, n = 0; at <= filter.size(); ++n) {
                    const size_t bar = std::min(filter.find('|', at), filter.size());
                    if (n % 2 == 1) parts.push_back(filter.substr(at, bar - at));
                    at = bar + 1;
                }
                return parts;
            };
            EXPECT_EQ(patterns(translation), patterns(source));
        }
    }
}

TEST_P(Translations, HelpOfTheCommandLineFitsEightyColumns) {
    for (const auto& [key, translation] : finished_) {
        if (key.first != "CommandLine" || translation.find('\n') == std::string::npos) continue;
        std::istringstream lines(translation);
        for (std::string line; std::getline(lines, line);) {
            // Characters, not bytes: UTF-8 continuation bytes do not count.
            const auto width = std::count_if(line.begin(), line.end(), [](char c) {
                return (static_cast<unsigned char>(c) & 0xC0) != 0x80;
            });
            EXPECT_LE(width, 80) << line;
        }
    }
}

INSTANTIATE_TEST_SUITE_P(EveryLanguage, Translations, ::testing::ValuesIn(TranslatedLanguages()),
                         [](const auto& info) { return info.param; });

// The tables' and help pages' texts reach the extraction (through the generated source).
TEST(ExtractedTexts, HoldEveryTableAndHelpText) {
    const auto extracted = ReadTs(testing::ExtractedTexts());
    ASSERT_TRUE(extracted);
    std::set<std::pair<std::string, std::string>> found;
    for (const TsMessage& m : *extracted) found.insert({m.context, m.source});
    const std::vector<UserText> texts = TableAndHelpTexts();
    ASSERT_GT(texts.size(), 150u);
    for (const UserText& t : texts)
        EXPECT_TRUE(found.count({t.context, t.text})) << "[" << t.context << "] " << t.text;
}

}  // namespace
}  // namespace quorbel
