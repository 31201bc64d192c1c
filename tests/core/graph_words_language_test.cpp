// What the graphs say to a screen reader, in each translated language: the words are
// the translation's, the numbers, notes and units are the same as in English.
#include <gtest/gtest.h>

#include <cctype>
#include <functional>
#include <string>
#include <vector>

#include "CaseName.h"
#include "ModelFixture.h"
#include "TranslationFiles.h"
#include "platform/Translation.h"
#include "windows/MainWindowModel.h"

namespace quorbel::testing {
namespace {

struct SpokenCase {
    const char* language;
    const char* name;
    std::function<void(MainWindowModel&)> act;
    const char* graph;
};
void PrintTo(const SpokenCase& c, std::ostream* out) {
    *out << c.language << " " << c.name;
}

// The numbers of a text in order, as written ("-1", "33.3", the 4 of "A4").
std::vector<std::string> NumbersOf(const std::string& text) {
    const auto digit = [&](std::size_t i) {
        return i < text.size() && std::isdigit(static_cast<unsigned char>(text[i]));
    };
    std::vector<std::string> numbers;
    for (std::size_t i = 0; i < text.size();) {
        const std::size_t start = i;
        if (text[i] == '-' && digit(i + 1)) {
            ++i;
        } else if (!digit(i)) {
            ++i;
            continue;
        }
        while (digit(i)) ++i;
        if (i < text.size() && text[i] == '.' && digit(i + 1))
            for (++i; digit(i);) ++i;
        numbers.push_back(text.substr(start, i - start));
    }
    return numbers;
}

class GraphInWordsTranslated : public ModelFixture,
                               public ::testing::WithParamInterface<SpokenCase> {
  protected:
    void TearDown() override { SetTranslator(nullptr); }
    // The translator the program installs, read here from the translation source.
    void Speak(const std::string& language) {
        const auto messages = ReadTs(TranslationSource(language));
        ASSERT_TRUE(messages) << TranslationSource(language);
        SetTranslator(
            [finished = FinishedOf(*messages)](const char* context, const std::string& text) {
                const auto found = finished.find({context, text});
                return found == finished.end() ? text : found->second;
            });
    }
};

TEST_P(GraphInWordsTranslated, SaysTheEnglishNumbersInItsOwnWords) {
    const SpokenCase& c = GetParam();
    Loaded();
    c.act(Model());
    const Description english = Model().Describe(c.graph);
    Speak(c.language);
    const Description said = Model().Describe(c.graph);
    EXPECT_NE(said.name, english.name);
    EXPECT_NE(said.text, english.text);
    EXPECT_EQ(NumbersOf(said.text), NumbersOf(english.text)) << said.text << "\n" << english.text;
    for (const char* words : {"Peaks", "Nothing", "points over", "cycles per second", "Keyboard"})
        EXPECT_EQ(said.text.find(words), std::string::npos) << words << " in: " << said.text;
}

void Computed(MainWindowModel& m) {
    m.SetField(Field::amplitudeA, "0.5", 1);
    m.SetField(Field::multiplierB, "5", 1);
    m.Fire("Command17", Event::Click);
}
void OfTheRealPart(MainWindowModel& m) {
    m.Fire("Option2", Event::MouseDown);
    m.Fire("Option2", Event::Click);
}
void OnTheKeyboard(MainWindowModel& m) {
    m.SetField(Field::cyclesPerSecond, "110");
    m.Fire("Command17", Event::Click);
    m.Fire("Command3", Event::Click);
}

const SpokenCase kSpokenCases[] = {
    {"pt_BR", "FftTwoPeaks", Computed, "Picture1"},
    {"es", "FftTwoPeaks", Computed, "Picture1"},
    {"pt_BR", "FftOfTheRealPart", OfTheRealPart, "Picture1"},
    {"es", "FftOfTheRealPart", OfTheRealPart, "Picture1"},
    {"pt_BR", "FunctionOfTwoTerms", Computed, "Picture2"},
    {"es", "FunctionOfTwoTerms", Computed, "Picture2"},
    {"pt_BR", "MusicalGraphWithNotes", OnTheKeyboard, "Picture5"},
    {"es", "MusicalGraphWithNotes", OnTheKeyboard, "Picture5"},
    {"pt_BR", "ImaginaryPart", Computed, "Picture9"},
};

INSTANTIATE_TEST_SUITE_P(EveryLanguage, GraphInWordsTranslated, ::testing::ValuesIn(kSpokenCases),
                         PrintedName());

}  // namespace
}  // namespace quorbel::testing
