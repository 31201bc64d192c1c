#pragma once
// A main window driven without a display: recording surfaces (RecordedSurfaces.h), a
// recording platform and an opening-parameters file in a fresh temporary folder.
#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <memory>
#include <random>
#include <string>

#include "RecordedSurfaces.h"
#include "RecordingPlatform.h"
#include "report/Report.h"
#include "surface/RecordingSurface.h"
#include "windows/MainWindowModel.h"

namespace quorbel::testing {

class ModelFixture : public ::testing::Test, public RecordedSurfaces {
  protected:
    ModelFixture() {
        std::random_device rd;
        dir_ = std::filesystem::temp_directory_path() /
               ("quorbel-model-" + std::to_string(rd()) + std::to_string(rd()));
        std::filesystem::create_directories(dir_);
        path_ = dir_ / "Zparamfile.wr";
    }
    ~ModelFixture() override { std::filesystem::remove_all(dir_); }

    void WriteParams(const std::string& content) {
        std::ofstream(path_, std::ios::binary) << content;
    }
    std::string ReadParams() const {
        std::ifstream in(path_, std::ios::binary);
        return {std::istreambuf_iterator<char>(in), {}};
    }

    MainWindowModel& Model() {
        if (!model_) model_ = std::make_unique<MainWindowModel>(platform, ParamFile(path_), All());
        return *model_;
    }
    MainWindowModel& Loaded() {
        EXPECT_TRUE(Model().Form_Load());
        return *model_;
    }
    // An event on a main-window control as the user gives it, through the window's one
    // entry point: the test fails when the control cannot be reached.
    void Press(const std::string& control, Event event = Event::Click, const EventArgs& args = {}) {
        EXPECT_TRUE(Model().Fire(control, event, args)) << control << " cannot be reached";
    }
    AnalysisState& State() { return Model().State(); }
    const ViewState& View() { return Model().View(); }

    RecordingPlatform platform;
    std::filesystem::path dir_;
    std::filesystem::path path_;

  private:
    std::unique_ptr<MainWindowModel> model_;
};

}  // namespace quorbel::testing
