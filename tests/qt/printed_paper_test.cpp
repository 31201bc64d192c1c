// The printed page ("Print FFT graph", written as PDF by the command-line companion) on
// the sheet of the locale in the environment: A4 or Letter, read from the PDF's page box.
#include <gtest/gtest.h>

#include <QFile>
#include <QRegularExpression>
#include <QTemporaryDir>
#include <cstdlib>
#include <map>
#include <optional>
#include <string>

#include "CompanionRun.h"

namespace quorbel {
namespace {

// Sets the locale variables for the test's lifetime and gives back the old values.
class LocaleEnvironment {
  public:
    explicit LocaleEnvironment(const std::map<std::string, std::string>& values) {
        for (const char* name : {"LC_ALL", "LC_PAPER", "LANG"}) {
            const char* old = std::getenv(name);
            saved_[name] = old ? std::optional<std::string>(old) : std::nullopt;
            const auto it = values.find(name);
            if (it == values.end())
                unsetenv(name);
            else
                setenv(name, it->second.c_str(), 1);
        }
    }
    ~LocaleEnvironment() {
        for (const auto& [name, value] : saved_) {
            if (value)
                setenv(name.c_str(), value->c_str(), 1);
            else
                unsetenv(name.c_str());
        }
    }

  private:
    std::map<std::string, std::optional<std::string>> saved_;
};

struct SheetCase {
    const char* name;
    std::map<std::string, std::string> environment;
    double width, height;  // points
};

class PrintedSheetTest : public ::testing::TestWithParam<SheetCase> {};

TEST_P(PrintedSheetTest, PdfPageHasTheLocalesSheet) {
    const SheetCase& c = GetParam();
    QTemporaryDir folder;
    const QString pdf = folder.filePath(QStringLiteral("page.pdf"));
    {
        const LocaleEnvironment locale(c.environment);
        const testing::CompanionRun run = testing::RunCompanion({"print", pdf.toStdString()});
        ASSERT_EQ(run.status, 0) << run.err;
    }
    QFile file(pdf);
    ASSERT_TRUE(file.open(QIODevice::ReadOnly));
    const QString text = QString::fromLatin1(file.readAll());
    const QRegularExpressionMatch box =
        QRegularExpression(QStringLiteral(R"(/MediaBox \[0 0 ([0-9.]+) ([0-9.]+)\])")).match(text);
    ASSERT_TRUE(box.hasMatch());
    EXPECT_NEAR(box.captured(1).toDouble(), c.width, 0.5);
    EXPECT_NEAR(box.captured(2).toDouble(), c.height, 0.5);
}

INSTANTIATE_TEST_SUITE_P(
    Locales, PrintedSheetTest,
    ::testing::Values(SheetCase{"German_A4", {{"LANG", "de_DE.UTF-8"}}, 595.3, 841.9},
                      SheetCase{"American_Letter", {{"LANG", "en_US.UTF-8"}}, 612, 792},
                      SheetCase{"Paper_variable_Letter",
                                {{"LANG", "de_DE.UTF-8"}, {"LC_PAPER", "en_CA.UTF-8"}},
                                612,
                                792},
                      SheetCase{"Paper_variable_A4",
                                {{"LANG", "en_US.UTF-8"}, {"LC_PAPER", "en_GB.UTF-8"}},
                                595.3,
                                841.9},
                      SheetCase{"Nothing_set_A4", {}, 595.3, 841.9}),
    [](const auto& info) { return std::string(info.param.name); });

}  // namespace
}  // namespace quorbel
