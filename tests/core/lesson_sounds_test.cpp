// The sounds in the shipped lessons' folders are the program's own: made again here,
// they give the same bytes. QUORBEL_WRITE_LESSON_SOUNDS=1 writes them instead (after a
// change of a sound).
#include <gtest/gtest.h>

#include <cmath>
#include <cstdlib>
#include <fstream>
#include <iterator>

#include "lessons/LessonSounds.h"
#include "sound/WavFile.h"

namespace quorbel::testing {
namespace {

using namespace lessons;

TEST(LessonSounds, AreTheFilesTheLessonsShip) {
    const bool write = std::getenv("QUORBEL_WRITE_LESSON_SOUNDS") != nullptr;
    for (const LessonSoundFile& f : LessonSoundFiles()) {
        const auto path = std::filesystem::path(QUORBEL_SOURCE_LESSONS) / f.lesson / f.file;
        std::string error;
        const auto bytes = WavBytes(f.make(), &error);
        ASSERT_TRUE(bytes) << error;
        if (write) {
            ASSERT_TRUE(WriteWavFile(path, f.make(), &error)) << error;
        }
        std::ifstream in(path, std::ios::binary);
        const std::string shipped{std::istreambuf_iterator<char>(in), {}};
        EXPECT_TRUE(shipped == *bytes) << path << " differs from the sound the program makes";
    }
}

TEST(LessonSounds, StayInsideFullRangeAndLastOneSecond) {
    for (const LessonSoundFile& f : LessonSoundFiles()) {
        const Sound s = f.make();
        EXPECT_EQ(s.samples.size(), static_cast<size_t>(kLessonSoundRate)) << f.file;
        for (const double x : s.samples) ASSERT_LE(std::abs(x), 1.0) << f.file;
    }
}

TEST(LessonSounds, FasterDecayLeavesLessAtTheEnd) {
    const Sound slow = DecayingTone(0.1), fast = DecayingTone(0.02);
    double slowTail = 0, fastTail = 0;
    for (size_t i = kLessonSoundRate / 10; i < slow.samples.size(); ++i)
        slowTail += std::abs(slow.samples[i]), fastTail += std::abs(fast.samples[i]);
    EXPECT_GT(slowTail, 20 * fastTail);
}

}  // namespace
}  // namespace quorbel::testing
