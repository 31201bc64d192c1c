#pragma once
// A main window driven without a display: recording surfaces, a recording platform
// and an opening-parameters file in a fresh temporary folder.
#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <memory>
#include <random>
#include <string>

#include "platform/Platform.h"
#include "report/Report.h"
#include "surface/RecordingSurface.h"
#include "windows/MainWindowModel.h"

namespace quorbel::testing {

class ModelFixture : public ::testing::Test {
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
        if (!model_)
            model_ = std::make_unique<MainWindowModel>(
                platform, ParamFile(path_),
                MainWindowSurfaces{picture1, picture2, picture8, picture9, form5, &picture5,
                                   nullptr, &rawSurfaces, &form8});
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
    RecordingSurface picture1{kPicture1Width, kPicture1Height};
    RecordingSurface picture2{kPicture2Width, kPicture2Height};
    RecordingSurface picture8{kHalfGraphWidth, kHalfGraphHeight};
    RecordingSurface picture9{kHalfGraphWidth, kHalfGraphHeight};
    RecordingSurface form5{kReportWidth, kReportHeight};
    RecordingSurface picture5{music::kCanvasWidth, music::kCanvasHeight};
    RecordingSurface form8{kBitmapOuterWidth, kBitmapOuterHeight};
    // The raw file window: the window itself, its graph's frame, the graph and the
    // inverted plot seen through the selection band.
    RecordingSurface form6{kForm6Width, kForm6Height};
    RecordingSurface rawFrame{kRawFrameWidth, kRawFrameHeight};
    RecordingSurface rawGraph{kRawGraphWidth, kRawGraphHeight};
    RecordingSurface rawInverse{kRawGraphWidth, kRawGraphHeight};
    RawFileSurfaces rawSurfaces{form6, rawFrame, rawGraph, rawInverse};
    std::filesystem::path dir_;
    std::filesystem::path path_;

  private:
    std::unique_ptr<MainWindowModel> model_;
};

}  // namespace quorbel::testing
