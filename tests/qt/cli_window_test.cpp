// fftquorbel-cli --window: the lists printed are the window's after the same choice in
// the "Window" menu; samples stay unweighted, every list after the transform is
// weighted; a word that names no window is a usage error.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "../core/ModelFixture.h"
#include "CliRun.h"
#include "CompanionRun.h"

namespace quorbel {
namespace {

struct CliWindowCase {
    const char* word;
    WindowFunction window;
};

class CliWindow : public quorbel::testing::ModelFixture,
                  public ::testing::WithParamInterface<CliWindowCase> {};

TEST_P(CliWindow, PrintsTheListsOfTheWindowMenusChoice) {
    const auto [word, window] = GetParam();
    Loaded();
    const DataList unweighted = State().sampleList;
    Press(WindowMenuItem(window));
    ASSERT_TRUE(platform.messages.empty());
    const struct {
        std::vector<std::string> command;
        std::vector<std::string> expected;
    } cases[] = {
        {{"samples"}, unweighted.Lines()},
        {{"spectrum"}, State().spectrumList.Lines()},
        {{"graph"}, State().graphValueList.Lines()},
        {{"csv", "spectrum"}, testing::LinesOf(Model().SpectrumCsvText())},
    };
    for (const auto& c : cases) {
        std::vector<std::string> arguments = {"--window", word};
        arguments.insert(arguments.end(), c.command.begin(), c.command.end());
        SCOPED_TRACE(c.command.front());
        const testing::CompanionRun run = testing::RunCompanion(arguments);
        EXPECT_EQ(run.status, cli::kExitOk);
        EXPECT_TRUE(run.err.empty()) << run.err;
        EXPECT_EQ(testing::LinesOf(run.out), c.expected);
    }
}

const CliWindowCase kCliWindowCases[] = {
    {"rect", WindowFunction::Rectangular}, {"hann", WindowFunction::Hann},
    {"hamming", WindowFunction::Hamming},  {"blackman", WindowFunction::Blackman},
    {"flattop", WindowFunction::FlatTop},
};

INSTANTIATE_TEST_SUITE_P(Windows, CliWindow, ::testing::ValuesIn(kCliWindowCases),
                         [](const auto& info) { return std::string(info.param.word); });

TEST(CliWindowErrors, AWordThatNamesNoWindowIsAUsageError) {
    for (const std::vector<std::string>& arguments :
         std::vector<std::vector<std::string>>{{"--window", "hanning", "spectrum"},
                                               {"--window=", "spectrum"},
                                               {"--window", "Hann", "spectrum"},
                                               {"spectrum", "--window"}}) {
        SCOPED_TRACE(arguments[0] + " " + arguments[1]);
        const testing::CompanionRun run = testing::RunCompanion(arguments);
        EXPECT_EQ(run.status, cli::kExitUsage);
        EXPECT_TRUE(run.out.empty());
        const std::vector<std::string> err = testing::LinesOf(run.err);
        ASSERT_EQ(err.size(), 1u);
        if (arguments[1] != "--window") {
            EXPECT_NE(err[0].find("--window takes rect|hann|hamming|blackman|flattop"),
                      std::string::npos)
                << err[0];
        }
    }
}

TEST(CliWindowErrors, TheDefaultIsTheRectangularWindow) {
    EXPECT_EQ(testing::RunCompanion({"spectrum"}).out,
              testing::RunCompanion({"--window", "rect", "spectrum"}).out);
}

}  // namespace
}  // namespace quorbel
