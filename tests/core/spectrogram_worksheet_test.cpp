// The spectrogram's picture "for a worksheet": with the check mark of the main window's
// "Export" menu, "Export PNG" of the spectrogram window frames its cells with a time
// axis, a frequency axis, the colour legend in dB and a title; without it the picture
// stays the window's own.
#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <string>
#include <vector>

#include "MonoSoundFile.h"
#include "RawWindowFixture.h"

namespace quorbel::testing {
namespace {

struct AxisCase {
    const char* name;
    const char* axisOption;  // "Option1" linear, "Option2" musical
    std::vector<std::string> texts;
};

class SpectrogramWorksheetTest : public RawWindowFixture,
                                 public ::testing::WithParamInterface<AxisCase> {};

bool Has(const std::vector<std::string>& texts, const std::string& text) {
    return std::find(texts.begin(), texts.end(), text) != texts.end();
}

TEST_P(SpectrogramWorksheetTest, AxesColourLegendAndTitle) {
    const AxisCase& c = GetParam();
    // Two seconds of 440 Hz at half of full scale.
    const std::string path = (dir_ / "tone.wav").string();
    std::vector<double> x(44100);
    for (size_t k = 0; k < x.size(); ++k)
        x[k] = 0.5 * std::sin(6.28318530717959 * 440 * static_cast<double>(k) / 22050);
    WriteMonoSound(path, 22050, x);
    Loaded();
    Press("mnuExportWorksheetItem");
    Open(path);
    ASSERT_TRUE(Raw().Fire("mnuSpectrogram", Event::Click));
    SpectrogramWindowModel& window = Raw().Spectrogram();
    for (int slice = 0; window.Analysing() && slice < 1000; ++slice) window.AnalyseSlice();
    ASSERT_TRUE(window.Fire(c.axisOption, Event::Click));
    platform.saveAnswers.push_back((dir_ / "sheet.png").string());
    ASSERT_TRUE(window.Fire("Command1", Event::Click));
    ASSERT_EQ(platform.exportedPictures.size(), 1u);
    const auto& exported = platform.exportedPictures[0];
    const std::vector<std::string> texts = exported.picture->Texts();
    for (const std::string& text : c.texts)
        EXPECT_TRUE(Has(texts, text)) << text << " not in " << ::testing::PrintToString(texts);
    // The colour legend: strips 240 twips wide, bright (0 dB) at the top and dark
    // (-120 dB) at the bottom.
    std::vector<Color> strips;
    for (const Primitive& box : exported.picture->OfKind(Primitive::Kind::Box))
        if (std::fabs(box.x2 - box.x1 - 240) < 1e-9) strips.push_back(box.color);
    ASSERT_GT(strips.size(), 100u);
    auto brightness = [](Color c) { return RedOf(c) + GreenOf(c) + BlueOf(c); };
    EXPECT_GT(brightness(strips.front()), brightness(strips.back()) + 300);
    std::string joined;
    for (const std::string& text : texts) joined += text + " ";
    EXPECT_NE(joined.find("Spectrogram of the sound file tone.wav, level in dB, Hann window"),
              std::string::npos)
        << joined;
    EXPECT_GT(exported.request.widthTwips, kSpectrogramGraphWidth / 2);
    EXPECT_TRUE(platform.messages.empty());
}

INSTANTIATE_TEST_SUITE_P(Axes, SpectrogramWorksheetTest,
                         ::testing::Values(AxisCase{"Linear",
                                                    "Option1",
                                                    {"time (s)", "frequency (Hz)", "level (dB)",
                                                     "-120", "-60", "0", "1", "2000", "10000"}},
                                           AxisCase{"Musical",
                                                    "Option2",
                                                    {"time (s)", "frequency (Hz)", "level (dB)",
                                                     "-100", "100", "1000"}}),
                         [](const auto& info) { return std::string(info.param.name); });

}  // namespace
}  // namespace quorbel::testing
