// The opening-parameters dialog: reading at open, writing the eleven-line layout,
// refusals that leave the file alone, "Cancel" and "Effective now".
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "ModelFixture.h"

namespace quorbel {
namespace {

using testing::ModelFixture;

const char* const kElevenLines =
    "1024,30\r\n1,1,0\r\n2,2,0\r\n3,3,0\r\n0,4,0\r\n1,5,0\r\n0,6,0\r\n2,7,0\r\n2.5,8,0\r\n"
    "0,9,0\r\n3.5,10,0\r\n";

struct SaveCase {
    const char* name;
    const char* control;  // the field typed into ("" none)
    const char* text;
    const char* button;       // Command1 "Save", Command2 "Cancel", Command3 "Effective now"
    const char* firstLine;    // of the file afterwards ("" when it must be unchanged)
    const char* messagePart;  // in the one message shown ("" none)
};

class OpeningParamsTest : public ModelFixture, public ::testing::WithParamInterface<SaveCase> {
  protected:
    OpeningParamsModel& Dialog() { return Model().OpeningParams(); }
};

TEST_P(OpeningParamsTest, WritesOnlyConvertedFields) {
    const SaveCase& c = GetParam();
    Loaded();
    const std::string before = ReadParams();
    ASSERT_TRUE(Model().Fire("mnuConfigInitItem", Event::Click));
    ASSERT_TRUE(Dialog().View().shown);
    EXPECT_EQ(Dialog().View().caption, "FFT Quorbel - Opening Parameters");
    EXPECT_EQ(Dialog().BoundText("Text6"), "1024");
    EXPECT_EQ(Dialog().BoundText("Text3(7)"), "2.5");
    if (*c.control) {
        ASSERT_TRUE(Dialog().Type(c.control, c.text));
    }
    ASSERT_TRUE(Dialog().Fire(c.button, Event::Click));

    const std::string after = ReadParams();
    if (*c.firstLine) {
        EXPECT_EQ(after.substr(0, after.find("\r\n")), c.firstLine);
        EXPECT_EQ(after.substr(after.find("\r\n")), std::string(kElevenLines).substr(7));
    } else {
        EXPECT_EQ(after, before);
    }
    if (*c.messagePart) {
        ASSERT_EQ(platform.messages.size(), 1u);
        EXPECT_NE(platform.messages[0].find(c.messagePart), std::string::npos)
            << platform.messages[0];
        EXPECT_TRUE(Dialog().View().shown) << "a refusal keeps the dialog open";
    } else {
        EXPECT_TRUE(platform.messages.empty());
        EXPECT_EQ(Dialog().View().shown, std::string(c.button) == "Command1");
    }
}

INSTANTIATE_TEST_SUITE_P(
    Fields, OpeningParamsTest,
    ::testing::Values(SaveCase{"Unchanged", "", "", "Command1", "1024,30", ""},
                      SaveCase{"LeadingNumber", "Text6", "1024abc", "Command1", "1024,30", ""},
                      SaveCase{"HalfToEvenDown", "Text6", "512.5", "Command1", "512,30", ""},
                      SaveCase{"HalfToEvenUp", "Text6", "513.5", "Command1", "514,30", ""},
                      SaveCase{"LargestPoints", "Text6", "32768", "Command1", "32768,30", ""},
                      SaveCase{"NoLeadingNumber", "Text6", "abc", "Command1", "",
                               "\"Total number of points\" holds \"abc\""},
                      SaveCase{"TooManyPoints", "Text6", "40000", "Command1", "",
                               "from 1 to 32768"},
                      SaveCase{"CyclesRoundedBeyondTheRange", "Text2", "1.7976931348623157e308",
                               "Command1", "", "beyond the range of numbers"},
                      SaveCase{"CyclesNotANumber", "Text2", "3O", "Command1", "",
                               "\"Number of cycles (per second)\""},
                      SaveCase{"RowNotANumber", "Text5(9)", "pi", "Command3", "", "\"φ (row 10)\""},
                      SaveCase{"Cancel", "Text6", "2048", "Command2", "", ""},
                      SaveCase{"CyclesSaved", "Text2", "25", "Command1", "1024,25", ""}),
    [](const auto& info) { return std::string(info.param.name); });

struct PointsHintCase {
    const char* name;
    const char* typed;  // into the points field
    bool hint;          // the hint beside it shown
};

class PointsHintTest : public ModelFixture, public ::testing::WithParamInterface<PointsHintCase> {};

// While the points field holds a number the transform does not take, the hint beside
// it says so; the value is still accepted by "Save".
TEST_P(PointsHintTest, ShownWhileThePointsCannotBeTransformed) {
    const PointsHintCase& c = GetParam();
    Loaded();
    ASSERT_TRUE(Model().Fire("mnuConfigInitItem", Event::Click));
    OpeningParamsModel& dialog = Model().OpeningParams();
    EXPECT_FALSE(dialog.View()["Label7"].visible);
    ASSERT_TRUE(dialog.Type("Text6", c.typed));
    EXPECT_EQ(dialog.View()["Label7"].visible, c.hint);
    EXPECT_EQ(dialog.View()["Label7"].caption, "The FFT needs 1024 points (a power of two).");
    if (c.hint) {
        ASSERT_TRUE(dialog.Fire("Command1", Event::Click));
        EXPECT_TRUE(platform.messages.empty());
        EXPECT_EQ(ReadParams().substr(0, ReadParams().find(',')),
                  std::to_string(std::stoi(c.typed)));
        // Opened again, the dialog shows the hint for the saved value at once.
        ASSERT_TRUE(dialog.Fire("Command2", Event::Click));
        ASSERT_TRUE(Model().Fire("mnuConfigInitItem", Event::Click));
        EXPECT_TRUE(dialog.View()["Label7"].visible);
    }
    // Back to the transform's number: the hint goes.
    ASSERT_TRUE(dialog.Type("Text6", "1024"));
    EXPECT_FALSE(dialog.View()["Label7"].visible);
}

INSTANTIATE_TEST_SUITE_P(
    Typed, PointsHintTest,
    ::testing::Values(
        PointsHintCase{"Thousand", "1000", true}, PointsHintCase{"PowerOfTwoBelow", "512", true},
        PointsHintCase{"PowerOfTwoAbove", "2048", true}, PointsHintCase{"One", "1", true},
        PointsHintCase{"Largest", "32768", true}, PointsHintCase{"Transformed", "1024", false},
        PointsHintCase{"TransformedWithLetters", "1024abc", false},
        PointsHintCase{"RoundsToTransformed", "1023.6", false}, PointsHintCase{"Empty", "", false},
        PointsHintCase{"Letters", "abc", false}, PointsHintCase{"Zero", "0", false},
        PointsHintCase{"Negative", "-8", false}, PointsHintCase{"TooMany", "40000", false}),
    [](const auto& info) { return std::string(info.param.name); });

// The opening-parameters dialog driven from the main window.
class OpeningParamsDialogTest : public ModelFixture {};

TEST_F(OpeningParamsDialogTest, UnchangedSaveRewritesTheElevenLineLayout) {
    Loaded();
    EXPECT_NE(ReadParams(), kElevenLines) << "the default record is one line";
    ASSERT_TRUE(Model().Fire("mnuConfigInitItem", Event::Click));
    ASSERT_TRUE(Model().OpeningParams().Fire("mnuSaveItem", Event::Click));
    EXPECT_EQ(ReadParams(), kElevenLines);
}

TEST_F(OpeningParamsDialogTest, EffectiveNowRestartsTheMainWindowFromTheSavedValues) {
    Loaded();
    ASSERT_TRUE(Model().Type("Text2", "41"));  // an unsaved edit of the main window
    ASSERT_TRUE(Model().Fire("mnuConfigInitItem", Event::Click));
    OpeningParamsModel& dialog = Model().OpeningParams();
    struct Edit {
        const char* control;
        const char* text;
    };
    for (const Edit& e : {Edit{"Text6", "1024.4"}, Edit{"Text2", "20"}, Edit{"Text3(3)", "4"},
                          Edit{"Text4(3)", "7"}, Edit{"Text5(0)", "1.5"}})
        ASSERT_TRUE(dialog.Type(e.control, e.text));
    ASSERT_TRUE(dialog.Fire("Command3", Event::Click));
    EXPECT_FALSE(dialog.View().shown);
    EXPECT_EQ(State().Get(Field::totalPoints), "1024");
    EXPECT_EQ(State().Get(Field::cyclesPerSecond), "20");
    EXPECT_EQ(State().Get(Field::amplitudeA, 3), "4");
    EXPECT_EQ(State().Get(Field::multiplierB, 3), "7");
    EXPECT_EQ(State().Get(Field::phasePhi, 0), "1.5");
    EXPECT_TRUE(platform.messages.empty());
    EXPECT_EQ(State().PlotStateValue(), 10);
}

TEST_F(OpeningParamsDialogTest, HelpTextShowsFromTheMenuAndHidesOnAClick) {
    Loaded();
    ASSERT_TRUE(Model().Fire("mnuConfigInitItem", Event::Click));
    OpeningParamsModel& dialog = Model().OpeningParams();
    struct Step {
        const char* control;
        bool visibleAfter;
    };
    for (const Step& s : {Step{"mnuHelp", true}, Step{"Form2", false}, Step{"mnuHelp", true},
                          Step{"Label2", false}}) {
        SCOPED_TRACE(s.control);
        ASSERT_TRUE(dialog.Fire(s.control, Event::Click));
        EXPECT_EQ(dialog.View()["Label2"].visible, s.visibleAfter);
    }
}

}  // namespace
}  // namespace quorbel
