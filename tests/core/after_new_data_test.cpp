// What the window shows after new data: no progress text left over the raw file
// window's selection row.
#include <gtest/gtest.h>

#include <cmath>
#include <fstream>
#include <string>
#include <vector>

#include "RawWindowFixture.h"

namespace quorbel::testing {
namespace {

class AfterNewDataTest : public RawWindowFixture {
  protected:
    // An 8-bit tone of 440 Hz at 22050 Hz, 8000 samples.
    std::string ToneFile() {
        const std::filesystem::path path = dir_ / "tone.raw";
        std::string bytes(8000, '\0');
        for (size_t k = 0; k < bytes.size(); ++k)
            bytes[k] = static_cast<char>(
                128 + std::lround(100 * std::sin(6.28318530717959 * 440 * k / 22050.0)));
        std::ofstream(path, std::ios::binary) << bytes;
        return path.string();
    }
    void TransferTone(const std::string& path) {
        Open(path);
        Drag(0, 4200);
        ASSERT_TRUE(Transfer());
    }
};

struct StatusCase {
    const char* name;
    std::vector<std::string> after;  // main-window controls clicked after the transfer
};

class RawStatusTest : public AfterNewDataTest, public ::testing::WithParamInterface<StatusCase> {};

// The progress texts are printed over the selection's row; none stays when done.
TEST_P(RawStatusTest, NoProgressTextStaysOnTheRawWindow) {
    const StatusCase& c = GetParam();
    Loaded();
    TransferTone(ToneFile());
    for (const std::string& control : c.after)
        ASSERT_TRUE(Model().Fire(control, Event::Click)) << control;
    EXPECT_EQ(form6.Texts(), std::vector<std::string>{});
    EXPECT_EQ(State().dataSource, "2");
}

INSTANTIATE_TEST_SUITE_P(Steps, RawStatusTest,
                         ::testing::Values(StatusCase{"Transfer", {}},
                                           StatusCase{"OnlyFft", {"Command5"}},
                                           StatusCase{"Both", {"Command17"}},
                                           StatusCase{"LogThenLin", {"Command3", "Command3"}}),
                         [](const auto& info) { return std::string(info.param.name); });

}  // namespace
}  // namespace quorbel::testing
