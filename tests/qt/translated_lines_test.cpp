// The programs' own lines on standard error in the language of the user's locale:
// the companion's usage errors and the desktop program's word that it has no display,
// each run as a child process with only LANG saying the language.
#include <gtest/gtest.h>

#include <QProcess>
#include <QProcessEnvironment>
#include <string>
#include <vector>

#include "CaseName.h"
#include "TranslationFiles.h"
#include "platform/Translation.h"

namespace quorbel {
namespace {

struct LineCase {
    const char* locale;  // LANG
    const char* language;
    const char* context;
    std::vector<std::string> arguments;
    // The English source texts of the line: the outer one first, each later one put in
    // for the %1 of the one before; the words and values the line quotes come last.
    std::vector<std::string> sources;
    std::vector<std::string> quoted;
};
void PrintTo(const LineCase& c, std::ostream* out) {
    *out << c.language << " " << (c.arguments.empty() ? c.sources.back() : c.arguments[0]);
}

// The line as the translation file says it.
std::string Expected(const LineCase& c) {
    std::string line;
    std::vector<std::string> args = c.quoted;
    for (auto source = c.sources.rbegin(); source != c.sources.rend(); ++source) {
        const std::string translated = testing::FinishedTranslation(c.language, c.context, *source);
        EXPECT_FALSE(translated.empty()) << *source;
        EXPECT_NE(translated, *source);
        line = FillIn(translated, args);
        args = {line};
    }
    return line;
}

// Runs `program` with `arguments` where only LANG names a language.
QProcess& StartIn(QProcess& process, const char* program, const std::vector<std::string>& arguments,
                  const char* locale, bool display) {
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    for (const char* name : {"LANGUAGE", "LC_ALL", "LC_MESSAGES", "DISPLAY", "WAYLAND_DISPLAY"})
        environment.remove(QString::fromLatin1(name));
    environment.insert("LANG", locale);
    environment.insert("QT_QPA_PLATFORM", display ? "offscreen" : "xcb");
    process.setProcessEnvironment(environment);
    QStringList words;
    for (const std::string& word : arguments) words << QString::fromStdString(word);
    process.start(QString::fromUtf8(program), words);
    return process;
}

class CompanionUsage : public ::testing::TestWithParam<LineCase> {};

TEST_P(CompanionUsage, SaysItsUsageErrorInTheLocalesLanguage) {
    const LineCase& c = GetParam();
    QProcess process;
    ASSERT_TRUE(
        StartIn(process, QUORBEL_CLI_PROGRAM, c.arguments, c.locale, true).waitForFinished(20000));
    EXPECT_EQ(process.exitCode(), 2);
    EXPECT_EQ(process.readAllStandardError().toStdString(),
              "fftquorbel-cli: " + Expected(c) + "\n");
}

INSTANTIATE_TEST_SUITE_P(
    Locales, CompanionUsage,
    ::testing::Values(LineCase{"pt_BR.UTF-8",
                               "pt_BR",
                               "CommandLine",
                               {"--scroll", "5", "samples"},
                               {"--scroll needs --expand"},
                               {}},
                      LineCase{"es_ES.UTF-8",
                               "es",
                               "CommandLine",
                               {"--scroll", "5", "samples"},
                               {"--scroll needs --expand"},
                               {}},
                      LineCase{"pt_BR.UTF-8",
                               "pt_BR",
                               "CommandLine",
                               {"--show", "phase", "graph"},
                               {"%1 takes %2, not %3"},
                               {"--show", "rho|imag|real|realg|both", "\"phase\""}},
                      LineCase{"es_MX.UTF-8",
                               "es",
                               "CommandLine",
                               {"--halve", "many", "graph"},
                               {"--halve needs a whole number from 0 to %1, not %2"},
                               {"1000", "\"many\""}},
                      LineCase{"es_ES.UTF-8",
                               "es",
                               "CommandLine",
                               {"sing"},
                               {"unknown command %1 (one of %2)"},
                               {"\"sing\"",
                                "samples|spectrum|graph|displayed|report|render|inverse|print|"
                                "bitmap|csv|spectrogram|wav|play"}},
                      LineCase{"pt_BR.UTF-8",
                               "pt_BR",
                               "CommandLine",
                               {"--seconds=3", "report"},
                               {"--seconds applies to wav and play only"},
                               {}},
                      LineCase{"es_ES.UTF-8",
                               "es",
                               "CommandLine",
                               {"controls", "Form1", "Form2"},
                               {"controls takes at most one window name"},
                               {}}),
    testing::PrintedName());

#if defined(__unix__) && !defined(__APPLE__)

class NoDisplayLine : public ::testing::TestWithParam<LineCase> {};

TEST_P(NoDisplayLine, SaysWhatIsMissingInTheLocalesLanguage) {
    const LineCase& c = GetParam();
    QProcess process;
    StartIn(process, QUORBEL_APP_PROGRAM, c.arguments, c.locale, false);
    ASSERT_TRUE(process.waitForFinished(20000));
    EXPECT_EQ(process.exitCode(), 1);
    EXPECT_EQ(process.readAllStandardError().toStdString(), "fftquorbel: " + Expected(c) + "\n");
}

const char* const kNoDisplay =
    "no display available (%1); start it from a desktop session or under xvfb-run";

INSTANTIATE_TEST_SUITE_P(
    Locales, NoDisplayLine,
    ::testing::Values(
        LineCase{"pt_BR.UTF-8", "pt_BR", "Messages", {}, {kNoDisplay, "DISPLAY is not set"}, {}},
        LineCase{"es_ES.UTF-8", "es", "Messages", {}, {kNoDisplay, "DISPLAY is not set"}, {}}),
    testing::PrintedName());

#endif

}  // namespace
}  // namespace quorbel
