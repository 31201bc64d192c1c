// The note names that the frequency read-outs add: the nearest equal-tempered note
// and the deviation from it in cents.
#include <gtest/gtest.h>

#include <cmath>
#include <limits>

#include "ModelFixture.h"
#include "music/NoteName.h"

namespace quorbel::testing {
namespace {

TEST(NoteName, NearestEqualTemperedNoteAndCents) {
    const std::pair<double, const char*> cases[] = {{440, "A4 +0 c"},
                                                    {261.63, "C4 +0 c"},
                                                    {466.16, "A#4 +0 c"},
                                                    {27.5, "A0 +0 c"},
                                                    {445, "A4 +20 c"},
                                                    {430, "A4 -40 c"},
                                                    {452.9, "A#4 -50 c"},
                                                    {8.1758, "C-1 +0 c"},
                                                    {12543.85, "G9 +0 c"},
                                                    {4186.01, "C8 +0 c"},
                                                    {7.9, ""},
                                                    {13289.75, ""},
                                                    {0, ""},
                                                    {-440, ""},
                                                    {std::nan(""), ""},
                                                    {std::numeric_limits<double>::infinity(), ""}};
    for (const auto& [hertz, name] : cases) {
        SCOPED_TRACE(hertz);
        EXPECT_EQ(NoteName(hertz), name);
    }
}

TEST(NoteName, ReadoutTextKeepsItsNumberFirst) {
    struct Case {
        const char* number;
        double hertz;
        const char* shown;
    };
    const Case cases[] = {{"440", 440, "440  A4 +0 c"},
                          {"261.63", 261.63, "261.63  C4 +0 c"},
                          {"0", 0, "0"},
                          {"-12", -12, "-12"}};
    for (const Case& c : cases) {
        SCOPED_TRACE(c.number);
        EXPECT_EQ(WithNoteName(c.number, c.hertz), c.shown);
    }
}

class NoteReadoutTest : public ModelFixture {};

// The linear read-out adds the note for calculated waves and for sounds.
TEST_F(NoteReadoutTest, LinearReadoutAddsTheNote) {
    struct Case {
        bool sound;
        double point;  // of the 512 or 4096 displayed points
        const char* shown;
    };
    const Case cases[] = {{false, 440, "440  A4 +0 c"},  {false, 0, "0"},
                          {false, 255, "255  C4 -44 c"}, {false, 3, "3"},
                          {true, 100, "135  C3 +49 c"},  {true, 327, "440  A4 +0 c"}};
    Loaded();
    for (const Case& c : cases) {
        SCOPED_TRACE(c.shown);
        int n = 512;
        if (c.sound) {
            // 8192 samples at 11025 Hz: 4096 points, point p is p * 11025 / 8192 Hz, read
            // to the whole hertz (1.35 Hz bins) beside the note where the pointer stands.
            n = 4096;
            State().dataSource = DataSource::RawFile;
            State().Set(Field::cyclesPerSecond, "11025");
            DataList graph;
            graph.AddNumber(n);
            for (int i = 0; i < n; ++i) graph.AddNumber(i % 7);
            graph.AddNumber(6);
            graph.AddNumber(0);
            State().graphValueList = graph;
            State().displayedValueList = graph;
        }
        const double x = c.point * kPicture1Width / (n - 1);
        ASSERT_TRUE(Model().Fire("Picture1", Event::MouseMove, {.x = x}));
        EXPECT_EQ(View()["Label9"].caption, c.shown);
        // With the harmonic markers on, the rounded read-out carries its note too.
        if (!c.sound && c.point == 440) {
            Model().Fire("Command2", Event::Click);
            Model().Fire("Picture1", Event::MouseMove, {.button = 2, .x = x});
            EXPECT_EQ(View()["Label9"].caption, "440  A4 +0 c");
            Model().Fire("Command2", Event::Click);
        }
    }
}

}  // namespace
}  // namespace quorbel::testing
