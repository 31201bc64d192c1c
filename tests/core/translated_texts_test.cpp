// Texts said outside the control tables reach the user's language: a translator of
// the tests' own marks each text it is asked for with its context, so a text that
// passes it by shows unmarked: the name of a recording, the expansion's prompt, the
// lengths the live view offers, and why a file cannot be written.
#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <functional>
#include <string>

#include "CaseName.h"
#include "FakeSoundInput.h"
#include "RawWindowFixture.h"
#include "platform/Translation.h"
#include "state/FileReplace.h"
#include "windows/ControlTable.h"
#include "windows/MainWindowModel.h"

#if !defined(_WIN32)
#include <sys/stat.h>
#endif

namespace quorbel::testing {
namespace {

namespace fs = std::filesystem;

std::string Marked(const char* context, const std::string& text) {
    return "<" + std::string(context) + "|" + text + ">";
}

class MarkedTexts {
  public:
    MarkedTexts() { SetTranslator(Marked); }
    ~MarkedTexts() { SetTranslator(nullptr); }
    MarkedTexts(const MarkedTexts&) = delete;
    MarkedTexts& operator=(const MarkedTexts&) = delete;
};

// --- the name of a recording wherever the data's source is named

struct RecordingCase {
    const char* name;
    std::function<std::string(const RawFileModel&, const AnalysisState&)> shown;
};
void PrintTo(const RecordingCase& c, std::ostream* out) {
    *out << c.name;
}

class RecordingName : public RawWindowFixture, public ::testing::WithParamInterface<RecordingCase> {
  protected:
    RecordingName() { platform.input = &input; }
    FakeSoundInput input;
    MarkedTexts marked;
};

TEST_P(RecordingName, IsSaidInTheUsersLanguage) {
    input.rate = 22050;
    input.sound = Tones({{440, 0.5}}, input.rate, 30000);
    Loaded();
    Press("mnuFilesrawItem");
    ASSERT_TRUE(Raw().Type("Text2", "0.5"));
    ASSERT_TRUE(Raw().Fire("Command2", Event::Click));
    Drag(0, 2000);
    ASSERT_TRUE(Transfer());
    EXPECT_EQ(GetParam().shown(Raw(), State()), Marked("Form6", "(recording)"));
}

INSTANTIATE_TEST_SUITE_P(
    Places, RecordingName,
    ::testing::Values(RecordingCase{"raw file window's name line",
                                    [](const RawFileModel& raw, const AnalysisState&) {
                                        return raw.BoundText("Label2").value_or("");
                                    }},
                      RecordingCase{"main window's data source",
                                    [](const RawFileModel&, const AnalysisState& state) {
                                        return state.rawFileName;
                                    }}),
    [](const auto& info) { return NameOfText(info.param.name); });

// --- what a label of the main window shows from the window's state

struct StateLabelCase {
    const char* name;
    std::vector<const char*> pressed;
    const char* label;
    const char* english;
};
void PrintTo(const StateLabelCase& c, std::ostream* out) {
    *out << c.name;
}

class StateLabelText : public ModelFixture, public ::testing::WithParamInterface<StateLabelCase> {
  protected:
    MarkedTexts marked_;
};

TEST_P(StateLabelText, IsSaidInTheUsersLanguage) {
    Loaded();
    for (const char* control : GetParam().pressed) Press(control);
    EXPECT_EQ(Model().BoundText(GetParam().label), Marked("Form1", GetParam().english));
}

INSTANTIATE_TEST_SUITE_P(
    MainWindow, StateLabelText,
    ::testing::Values(StateLabelCase{
        "expansion prompt",
        {"Command8"},
        "Label17",
        "Use the right button of the mouse to set the limits of the region to be expanded"}),
    [](const auto& info) { return NameOfText(info.param.name); });

// --- the lengths the live view offers, in its menu

class LiveLengthItem : public ::testing::TestWithParam<std::pair<int, const char*>> {
  protected:
    MarkedTexts marked_;
};

TEST_P(LiveLengthItem, CountsItsSamplesInTheUsersLanguage) {
    const ViewState view = MainWindowInitialView();
    EXPECT_EQ(view.controls.at(Indexed("mnuLiveLengthItem", GetParam().first)).caption,
              FillIn(Marked("Form1", "%1 samples"), {GetParam().second}));
}

INSTANTIATE_TEST_SUITE_P(Menu, LiveLengthItem,
                         ::testing::Values(std::pair{0, "1024"}, std::pair{4, "16384"}),
                         [](const auto& info) { return std::string(info.param.second); });

#if !defined(_WIN32)

// --- why a file cannot be written or kept

struct RefusalCase {
    const char* name;
    // Makes what stands in `folder` and tries to write or keep it; the error said.
    std::function<std::string(const fs::path& folder)> attempt;
    std::string said;
};
void PrintTo(const RefusalCase& c, std::ostream* out) {
    *out << c.name;
}

class FileRefusal : public ::testing::TestWithParam<RefusalCase> {
  protected:
    void SetUp() override {
        folder_ = fs::temp_directory_path() / ("quorbel-said-" + std::to_string(::getpid()) + "-" +
                                               NameOfText(GetParam().name));
        fs::create_directories(folder_);
    }
    void TearDown() override {
        std::error_code ec;
        fs::permissions(folder_, fs::perms::owner_all, ec);
        fs::remove_all(folder_, ec);
    }
    fs::path folder_;
    MarkedTexts marked_;
};

TEST_P(FileRefusal, SaysWhyInTheUsersLanguage) {
    EXPECT_EQ(GetParam().attempt(folder_), GetParam().said);
}

std::string Replace(const fs::path& path) {
    std::string error;
    EXPECT_FALSE(ReplaceFile(path, "new", FileCalls::System(), &error));
    return error;
}

INSTANTIATE_TEST_SUITE_P(
    Reasons, FileRefusal,
    ::testing::Values(RefusalCase{"a folder", [](const fs::path& f) { return Replace(f); },
                                  Marked("Messages", "it is a folder")},
                      RefusalCase{
                          "a missing folder",
                          [](const fs::path& f) { return Replace(f / "none" / "file.csv"); },
                          Marked("Messages", "its folder does not exist")},
                      RefusalCase{"a file nobody may write",
                                  [](const fs::path& f) {
                                      std::ofstream(f / "old.csv") << "old";
                                      ::chmod((f / "old.csv").c_str(), 0444);
                                      return Replace(f / "old.csv");
                                  },
                                  Marked("Messages", "it is read-only")},
                      RefusalCase{"a named pipe",
                                  [](const fs::path& f) {
                                      ::mkfifo((f / "pipe").c_str(), 0644);
                                      return Replace(f / "pipe");
                                  },
                                  Marked("Messages", "it is not a regular file (a named pipe)")}),
    [](const auto& info) { return NameOfText(info.param.name); });

#endif

}  // namespace
}  // namespace quorbel::testing
