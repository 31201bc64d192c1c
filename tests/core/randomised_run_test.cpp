// A seeded random run of every window model, driven only through their control tables:
// presses, clicks, moves and drags on every control, scroll bar and slider changes,
// hostile and ordinary texts typed into every field, activations, and edits of the
// opening-parameters file on disk between events. After every event the windows must
// still hold a consistent state.
#include <gtest/gtest.h>

#include <random>
#include <set>
#include <string>
#include <vector>

#include "ModelFixture.h"
#include "state/ParamFile.h"

namespace quorbel::testing {
namespace {

constexpr unsigned kSeed = 20261207;
constexpr int kEvents = 10000;

// What students type by accident, and what a fuzzer would.
const std::vector<std::string> kTexts = {
    "",    "abc",    "1e999", "nan",  "inf",   "-0",  "1234567890123456789012345678901234567890",
    "1,5", "-",      " \t ",  "0",    "1",     "2.5", "-3",
    "30",  "1e-300", "1e300", "1024", "0.001",
};

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
    // The controls of `window` that answer `event`, in table order.
    static std::vector<std::string> Answering(const Window& window, Event event) {
        std::vector<std::string> names;
        for (const std::string& name : window.BoundControls())
            if (window.Answers(name, event)) names.push_back(name);
        return names;
    }

    template <class T>
    const T& Pick(const std::vector<T>& from) {
        return from[std::uniform_int_distribution<size_t>(0, from.size() - 1)(random_)];
    }
    double Between(double lo, double hi) {
        return std::uniform_real_distribution<>(lo, hi)(random_);
    }

    // Every window a user can reach, the main window first and most often.
    static std::vector<Window*> Windows(MainWindowModel& main) {
        return {&main,
                &main,
                &main,
                &main.Report(),
                &main.InverseResults(),
                &main.RawFile(),
                &main.Bitmap(),
                &main.OpeningParams(),
                &main.NyquistHelp(),
                &main.PhaseHelp(),
                &main.About(),
                &main.Splash()};
    }

    // One event of a user, chosen at random; returns what it was, for the trace.
    std::string OneEvent(MainWindowModel& main) {
        const int kind = std::uniform_int_distribution<>(0, 99)(random_);
        if (kind >= 97) {
            onDisk_ = Pick(ParameterFiles());
            WriteParams(onDisk_);
            return "edit the parameter file";
        }
        if (kind >= 94) {
            main.Form_Activate();
            return "activate";
        }
        Window& window = *Pick(Windows(main));
        const std::vector<std::string> controls = window.BoundControls();
        if (controls.empty()) return "nothing";
        const std::string& control = Pick(controls);
        const std::string where = window.View().caption + ": " + control;
        const EventArgs mouse{.button = Pick(std::vector<int>{0, 1, 2, 4}),
                              .shift = 0,
                              .x = Between(-500, 30000),
                              .y = Between(-500, 6000)};
        if (window.View()[control].kind == ControlKind::TextBox) {
            const std::string& text = Pick(kTexts);
            window.Type(control, text);
            return "type \"" + text + "\" into " + where;
        }
        if (window.Answers(control, Event::Change)) {
            const int value = std::uniform_int_distribution<>(-100, 40000)(random_);
            window.Fire(control, Event::Change, {.value = value});
            return "change " + where + " to " + std::to_string(value);
        }
        if (window.Answers(control, Event::MouseMove) && kind < 40) {
            window.Fire(control, Event::MouseMove, mouse);
            return "move over " + where;
        }
        window.Fire(control, Event::MouseDown, mouse);
        if (window.Answers(control, Event::MouseMove) && kind < 60) {
            EventArgs drag = mouse;
            drag.x = Between(-500, 30000);
            window.Fire(control, Event::MouseMove, drag);
        }
        window.Fire(control, Event::MouseUp, mouse);
        if (window.Fire(control, Event::Click)) reached_.insert(where);
        return "press and click " + where;
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

    std::mt19937 random_{kSeed};
    std::set<std::string> reached_;  // controls whose click ran a handler
    std::string onDisk_;
};

TEST_F(RandomisedRun, WindowsStayConsistentThroughTenThousandEvents) {
    MainWindowModel& window = Loaded();
    onDisk_ = ReadParams();
    for (int i = 0; i < kEvents; ++i) {
        const std::string event = OneEvent(window);
        SCOPED_TRACE("event " + std::to_string(i) + ": " + event);
        ExpectConsistent(window);
        if (HasFailure()) break;
    }
    // The run reached the windows' behaviour, not only refusals of hidden controls.
    EXPECT_GT(reached_.size(), 60u);
}

}  // namespace
}  // namespace quorbel::testing
