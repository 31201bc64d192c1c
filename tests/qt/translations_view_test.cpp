// The translations as the programs use them: the compiled files found in the build
// tree say exactly what the translation sources say, the windows show their captions,
// menus, titles and graphs' spoken names in the chosen language while the fields keep
// their numbers, and the report keeps its numbers and its columns in every language.
#include <gtest/gtest.h>

#include <QAccessible>
#include <QAction>
#include <QApplication>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QPushButton>
#include <QRadioButton>
#include <algorithm>
#include <cctype>
#include <string>
#include <vector>

#include "CaseName.h"
#include "CompanionRun.h"
#include "QtViews.h"
#include "TranslationFiles.h"
#include "platform/Translation.h"
#include "views/ControlBinder.h"
#include "views/Translations.h"
#include "views/WindowView.h"

namespace quorbel {
namespace {

using testing::CompanionRun;
using testing::LinesOf;
using testing::RunCompanion;

// Every test leaves the program in English, as the others expect it.
class InLanguage : public ::testing::TestWithParam<std::string> {
  protected:
    void SetUp() override {
        ASSERT_TRUE(InstallTranslations(*QCoreApplication::instance(), GetParam()));
    }
    void TearDown() override { RemoveTranslations(*QCoreApplication::instance()); }
};

TEST_P(InLanguage, CompiledFileSaysWhatTheSourceSays) {
    const auto messages = testing::ReadTs(testing::TranslationSource(GetParam()));
    ASSERT_TRUE(messages);
    int checked = 0;
    for (const auto& [key, translation] : testing::FinishedOf(*messages)) {
        EXPECT_EQ(Translate(key.first.c_str(), key.second), translation) << key.second;
        ++checked;
    }
    EXPECT_GT(checked, 200);
    RemoveTranslations(*QCoreApplication::instance());
    EXPECT_EQ(Translate("Form1", "Both"), "Both");
}

INSTANTIATE_TEST_SUITE_P(EveryLanguage, InLanguage, ::testing::ValuesIn(TranslatedLanguages()),
                         [](const auto& info) { return info.param; });

// --- the main window in another language

struct ShownCase {
    const char* language;
    const char* english;  // the caption of a button, option, frame, menu or entry
};
void PrintTo(const ShownCase& c, std::ostream* out) {
    *out << c.language << " " << c.english;
}

class TranslatedWindow : public testing::ShownMainWindow,
                         public ::testing::WithParamInterface<ShownCase> {
  protected:
    void SetUp() override {
        ASSERT_TRUE(InstallTranslations(*QCoreApplication::instance(), GetParam().language));
        ShownMainWindow::SetUp();
    }
    void TearDown() override { RemoveTranslations(*QCoreApplication::instance()); }
};

TEST_P(TranslatedWindow, ShowsCaptionsTranslatedAndNumbersAsTheyAre) {
    const ShownCase& c = GetParam();
    const std::string expected = testing::FinishedTranslation(c.language, "Form1", c.english);
    ASSERT_FALSE(expected.empty()) << c.english;
    const MainWindowModel& model = view_->Model();
    std::string control;
    for (const auto& [name, state] : model.View().controls)
        if (state.caption == c.english) control = name;
    ASSERT_FALSE(control.empty()) << c.english;
    QString shown;
    if (QWidget* widget = view_->Controls()->Binder().Widget(control)) {
        if (auto* button = qobject_cast<QAbstractButton*>(widget))
            shown = button->text();
        else if (auto* frame = qobject_cast<QGroupBox*>(widget))
            shown = frame->title();
        else if (auto* label = qobject_cast<QLabel*>(widget))
            shown = label->text();
    } else if (auto* menu = view_->findChild<QMenu*>(QString::fromStdString(control))) {
        shown = menu->title();
    } else if (auto* action = view_->findChild<QAction*>(QString::fromStdString(control))) {
        shown = action->text();
    }
    // Menus show their mnemonic's letter marked with '&'.
    shown.remove(QLatin1Char('&'));
    EXPECT_EQ(shown.toStdString(), expected) << control;
    // The fields show the program's numbers, with their period, in every language.
    int fields = 0;
    for (const std::string& name : model.BoundControls()) {
        const std::optional<std::string> bound = model.BoundText(name);
        auto* edit = qobject_cast<QLineEdit*>(view_->Controls()->Binder().Widget(name));
        if (!edit || !bound) continue;
        EXPECT_EQ(edit->text().toStdString(), *bound) << name;
        ++fields;
    }
    EXPECT_GT(fields, 30);
    // A screen reader hears the graphs named and described in the language as well.
    QAccessibleInterface* graph =
        QAccessible::queryAccessibleInterface(view_->Controls()->Binder().Widget("Picture1"));
    ASSERT_NE(graph, nullptr);
    EXPECT_EQ(graph->text(QAccessible::Name).toStdString(),
              testing::FinishedTranslation(c.language, "Form1", "FFT graph"));
    EXPECT_EQ(graph->text(QAccessible::Description).toStdString(),
              view_->Model().Describe("Picture1").text);
}

const ShownCase kShownCases[] = {
    {"pt_BR", "Both"},
    {"es", "Both"},
    {"pt_BR", "Only FFT"},
    {"es", "Only FFT"},
    {"pt_BR", "File"},
    {"es", "File"},
    {"pt_BR", "Report"},
    {"es", "Report"},
    {"pt_BR", "Imaginary (i)"},
    {"es", "Imaginary (i)"},
    {"pt_BR", "Display"},
    {"es", "Display"},
    {"pt_BR", "Print FFT graph"},
    {"es", "Print FFT graph"},
    {"pt_BR", "Window Width (seconds):"},
    {"es", "Window Width (seconds):"},
};

INSTANTIATE_TEST_SUITE_P(MainWindow, TranslatedWindow, ::testing::ValuesIn(kShownCases),
                         [](const auto& info) {
                             return std::string(info.param.language) + "_" +
                                    testing::NameOfText(info.param.english);
                         });

// --- the report: same numbers, same columns

struct ReportCase {
    const char* name;
    const char* language;
    std::vector<std::string> arguments;
};
void PrintTo(const ReportCase& c, std::ostream* out) {
    *out << c.name;
}

// The numbers of a text with the column each starts at, line by line: an optional
// sign, digits, an optional fraction and an optional exponent.
std::vector<std::pair<size_t, std::string>> NumbersOf(const std::string& line) {
    auto digit = [&line](size_t i) {
        return i < line.size() && std::isdigit(static_cast<unsigned char>(line[i]));
    };
    auto digits = [&](size_t i) {
        while (digit(i)) ++i;
        return i;
    };
    std::vector<std::pair<size_t, std::string>> numbers;
    size_t i = 0;
    while (i < line.size()) {
        const size_t start = i;
        size_t j = (line[i] == '-' || line[i] == '+') ? i + 1 : i;
        if (!digit(j)) {
            ++i;
            continue;
        }
        j = digits(j);
        if (j < line.size() && line[j] == '.' && digit(j + 1)) j = digits(j + 1);
        if (j < line.size() && (line[j] == 'e' || line[j] == 'E')) {
            size_t k = j + 1;
            if (k < line.size() && (line[k] == '-' || line[k] == '+')) ++k;
            if (digit(k)) j = digits(k);
        }
        numbers.emplace_back(start, line.substr(start, j - start));
        i = j;
    }
    return numbers;
}
bool HasLetters(const std::string& line) {
    return std::any_of(line.begin(), line.end(),
                       [](unsigned char c) { return std::isalpha(c) || c >= 0x80; });
}

class TranslatedReport : public ::testing::TestWithParam<ReportCase> {
  protected:
    void TearDown() override { RemoveTranslations(*QCoreApplication::instance()); }
};

TEST_P(TranslatedReport, KeepsNumbersAndColumns) {
    std::vector<std::string> arguments = GetParam().arguments;
    arguments.push_back("report");
    const CompanionRun english = RunCompanion(arguments);
    ASSERT_EQ(english.status, 0) << english.err;
    ASSERT_TRUE(InstallTranslations(*QCoreApplication::instance(), GetParam().language));
    const CompanionRun translated = RunCompanion(arguments);
    ASSERT_EQ(translated.status, 0) << translated.err;
    EXPECT_NE(translated.out, english.out);  // the headings did change

    const std::vector<std::string> a = LinesOf(english.out), b = LinesOf(translated.out);
    ASSERT_EQ(a.size(), b.size());
    for (size_t i = 0; i < a.size(); ++i) {
        SCOPED_TRACE(a[i] + " | " + b[i]);
        if (!HasLetters(a[i])) {
            // Table rows and the wave table: the very same characters.
            EXPECT_EQ(b[i], a[i]);
            continue;
        }
        // Headings: the same numbers in the same order.
        std::vector<std::string> numbersA, numbersB;
        for (const auto& n : NumbersOf(a[i])) numbersA.push_back(n.second);
        for (const auto& n : NumbersOf(b[i])) numbersB.push_back(n.second);
        EXPECT_EQ(numbersB, numbersA);
    }
}

const ReportCase kReportCases[] = {
    {"multiple waves in Portuguese", "pt_BR", {}},
    {"multiple waves in Spanish", "es", {}},
    {"cosines in Portuguese", "pt_BR", {"--cos"}},
    {"square wave in Spanish", "es", {"--wave", "square"}},
    {"triangular wave in Portuguese", "pt_BR", {"--wave", "triangular", "--phase", "0.5"}},
    {"imaginary parts in Spanish", "es", {"--method", "complex", "--show", "imag"}},
    {"fractional cycles in Portuguese", "pt_BR", {"--cycles", "30.5"}},
};

INSTANTIATE_TEST_SUITE_P(EveryLanguage, TranslatedReport, ::testing::ValuesIn(kReportCases),
                         [](const auto& info) { return testing::NameOfText(info.param.name); });

}  // namespace
}  // namespace quorbel
