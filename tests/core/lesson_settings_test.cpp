// The settings a lesson names by caption reach the main window's typed state through
// its controls, are read back from it, and say which part still differs.
#include <gtest/gtest.h>

#include "ModelFixture.h"
#include "lessons/LessonSession.h"
#include "lessons/LessonSettings.h"
#include "lessons/SettingTable.h"

namespace quorbel::testing {
namespace {

using namespace lessons;

class LessonSettings : public ModelFixture {
  protected:
    std::vector<Setting> Read(const std::vector<std::pair<std::string, std::string>>& lines) {
        std::vector<Setting> settings;
        int line = 1;
        for (const auto& [key, value] : lines) {
            const auto read = ReadMainSetting(key, value, line++);
            EXPECT_TRUE(read && read->setting) << key << ": " << value;
            if (read && read->setting) settings.push_back(*read->setting);
        }
        return settings;
    }
    void Apply(const std::vector<Setting>& settings) {
        const auto problems = ApplySettings(Model(), settings, dir_);
        for (const auto& p : problems) ADD_FAILURE() << "line " << p.line << ": " << p.text;
    }
};

TEST_F(LessonSettings, SimpleSquareWaveIsReachedAndReadBack) {
    Loaded();
    const auto settings = Read({{"Waves", "Simple waves"},
                                {"cycles", "10"},
                                {"Simple wave", "square"},
                                {"Display", "Vector Rho"}});
    Apply(Merged(LessonStart(), settings));
    EXPECT_EQ(Model().Choices().simpleWave, SimpleWave::Square);
    EXPECT_EQ(Model().Choices().display, DisplayOption::Rho);
    EXPECT_TRUE(Differences(Model(), settings).empty());
    Apply(Merged(LessonStart(), settings));  // again, as "Restore this step" does
    EXPECT_TRUE(Differences(Model(), settings).empty());
}

}  // namespace
}  // namespace quorbel::testing
