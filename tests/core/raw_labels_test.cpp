// What the labels below the raw file window's graph show, step by step through a
// session: the path and name of what is plotted, its counts, the selection and the
// note on the stretch of a long file, all from the window's own state.
#include <gtest/gtest.h>

#include <array>
#include <fstream>
#include <functional>

#include "FakeSoundInput.h"
#include "RawWindowFixture.h"

namespace quorbel::testing {
namespace {

// The labels, in the order a step's row gives their texts.
constexpr std::array<const char*, 9> kLabels = {
    "Label1", "Label2", "Label7", "Label18", "Label11", "Label12", "Label15", "Label16", "Label22"};

class RawLabels : public RawWindowFixture {
  protected:
    RawLabels() { platform.input = &input; }
    std::string Write(const std::string& name, size_t bytes) {
        const std::filesystem::path path = dir_ / name;
        std::ofstream(path, std::ios::binary) << std::string(bytes, '\x90');
        return path.string();
    }
    void Scroll(int value) { ASSERT_TRUE(Raw().Fire("HScroll1", Event::Change, {.value = value})); }
    FakeSoundInput input;
};

struct Step {
    const char* what;
    std::function<void()> act;
    // Label1 as the file's name in the test folder ("" for none); the others as shown.
    std::array<const char*, 9> shown;
};

TEST_F(RawLabels, ShowTheWindowsStateAfterEachStep) {
    input.rate = 8000;
    input.sound = Tones({{440, 0.5}}, input.rate, 8000);
    const Step steps[] = {
        {"shown", [] {}, {"", "", "", "", "", "", "", "", ""}},
        {"a long file opened",
         [this] { Open(Write("long.raw", 50000)); },
         {"long.raw", "long.raw", "50000", "34000", "", "", "", "",
          "From 0 s: samples 0 to 33999 of 50000"}},
        {"dragged over",
         [this] { Drag(10, 3000); },
         {"long.raw", "long.raw", "50000", "34000", "10", "3000", "2990", "2048",
          "From 0 s: samples 0 to 33999 of 50000"}},
        // A new stretch takes the selection away; its start is at 22050 Hz.
        {"scrolled",
         [this] { Scroll(2); },
         {"long.raw", "long.raw", "50000", "34000", "", "", "", "",
          "From 0.154 s: samples 3400 to 37399 of 50000"}},
        // The note keeps the frequency of its stretch until another is shown.
        {"a frequency typed",
         [this] { ASSERT_TRUE(Raw().Type("Text1", "8000")); },
         {"long.raw", "long.raw", "50000", "34000", "", "", "", "",
          "From 0.154 s: samples 3400 to 37399 of 50000"}},
        {"scrolled at the new frequency",
         [this] { Scroll(4); },
         {"long.raw", "long.raw", "50000", "34000", "", "", "", "",
          "From 0.85 s: samples 6800 to 40799 of 50000"}},
        {"a drag ended by the right button",
         [this] {
             Drag(0, 1500);
             Raw().Fire("Picture2", Event::MouseDown, {.button = 2, .x = XOf(5)});
         },
         {"long.raw", "long.raw", "50000", "34000", "", "", "", "",
          "From 0.85 s: samples 6800 to 40799 of 50000"}},
        {"no frequency, the last stretch",
         [this] {
             ASSERT_TRUE(Raw().Type("Text1", "fast"));
             Scroll(10);
         },
         {"long.raw", "long.raw", "50000", "34000", "", "", "", "",
          "Samples 16000 to 49999 of 50000"}},
        {"a short file opened",
         [this] {
             Open(Write("short.raw", 3000));
             Drag(100, 1200);
         },
         {"short.raw", "short.raw", "3000", "3000", "100", "1200", "1100", "1024", ""}},
        // A file that cannot be read changes nothing.
        {"a missing file",
         [this] { Open((dir_ / "missing.raw").string()); },
         {"short.raw", "short.raw", "3000", "3000", "100", "1200", "1100", "1024", ""}},
        {"a recording",
         [this] {
             ASSERT_TRUE(Raw().Type("Text2", "0.25"));
             ASSERT_TRUE(Raw().Fire("Command2", Event::Click));
         },
         {"", "(recording)", "2000", "2000", "", "", "", "", ""}},
    };
    Loaded();
    Press("mnuFilesrawItem");
    for (const Step& step : steps) {
        SCOPED_TRACE(step.what);
        step.act();
        const std::string path = *step.shown[0] ? (dir_ / step.shown[0]).string() : "";
        EXPECT_EQ(Shown(kLabels[0]), path);
        for (size_t i = 1; i < kLabels.size(); ++i)
            EXPECT_EQ(Shown(kLabels[i]), step.shown[i]) << kLabels[i];
    }
}

}  // namespace
}  // namespace quorbel::testing
