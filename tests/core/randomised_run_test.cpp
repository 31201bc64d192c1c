// A seeded random run of every window model, driven only through their control tables:
// presses, clicks, moves and drags on every control, scroll bar and slider changes,
// hostile and ordinary texts typed into every field, activations, and edits of the
// opening-parameters file on disk between events. After every event the windows must
// still hold a consistent state.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "ModelFixture.h"
#include "RandomUser.h"
#include "state/ParamFile.h"

namespace quorbel::testing {
namespace {

constexpr unsigned kSeed = 20261207;
constexpr int kEvents = 10000;

// Opening-parameters files a teacher might leave: ordinary, other sizes, damaged.
std::vector<std::string> ParameterFiles() {
    std::string small = ParamFile::DefaultRecord();
    small.replace(0, 4, "512");
    std::string large = ParamFile::DefaultRecord();
    large.replace(0, 4, "2048");
    std::string huge = ParamFile::DefaultRecord();
    huge.replace(0, 4, "1e9");
    return {ParamFile::DefaultRecord(), small, large, huge, "1024,30,1,x\r\n", ""};
}

class RandomisedRun : public ModelFixture {
  protected:
    // The rare edit of the opening-parameters file on disk between events.
    std::string EditFile() {
        onDisk_ = user_.Pick(ParameterFiles());
        WriteParams(onDisk_);
        return "edit the parameter file";
    }

    void ExpectConsistent(MainWindowModel& window) {
        const AnalysisState& state = window.State();
        const std::string& plot = state.plotState();
        EXPECT_TRUE(plot == "29-Relat" || plot == "1" || plot == "2" || plot == "3" || plot == "10")
            << plot;
        // The lists keep their layout: a header, the values and their closing lines.
        for (const DataList* list : {&state.graphValueList, &state.displayedValueList}) {
            if (!list->Empty()) {
                EXPECT_EQ(list->Count(), list->Whole(0) + 3);
            }
        }
        if (!state.sampleList.Empty()) {
            EXPECT_EQ(state.sampleList.Count(), state.sampleList.Whole(0) + 2);
        }
        if (!state.graphValueList.Empty()) {
            EXPECT_GE(state.spectrumList.Count(), 2 * state.graphValueList.Whole(0) + 1);
        }
        int kinds = 0;
        for (const char* kind : {"mnuMultipleWavesItem", "mnuSimpleWavesItem", "mnuFilesrawItem"})
            kinds += window.View()[kind].checked ? 1 : 0;
        EXPECT_EQ(kinds, 1);
        // The file on disk is the record last written to it, by us, or a complete
        // record the window wrote (the opening-parameters dialog saves).
        const std::string file = ReadParams();
        if (file != onDisk_) {
            EXPECT_TRUE(ParamFile(path_).ReadAll()) << file;
            onDisk_ = file;
        }
    }

    RandomUser user_{kSeed};
    std::string onDisk_;
};

TEST_F(RandomisedRun, WindowsStayConsistentThroughTenThousandEvents) {
    MainWindowModel& window = Loaded();
    onDisk_ = ReadParams();
    for (int i = 0; i < kEvents; ++i) {
        const std::string event = user_.OneEvent(window, [this] { return EditFile(); });
        SCOPED_TRACE("event " + std::to_string(i) + ": " + event);
        ExpectConsistent(window);
        if (HasFailure()) break;
    }
    // The run reached the windows' behaviour, not only refusals of hidden controls.
    EXPECT_GT(user_.Reached().size(), 60u);
}

}  // namespace
}  // namespace quorbel::testing
