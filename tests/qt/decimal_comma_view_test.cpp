// The real wave table in Portuguese: "2,5" typed with the keyboard is taken as 2.5
// without a message while the cell keeps showing what was typed; "2,5x" is refused in
// Portuguese, naming both decimal marks.
#include <gtest/gtest.h>

#include <QApplication>
#include <QLineEdit>
#include <QPushButton>
#include <QTest>

#include "QtViews.h"
#include "platform/DecimalMark.h"
#include "platform/Translation.h"
#include "views/Translations.h"
#include "views/WindowView.h"

namespace quorbel {
namespace {

class PortugueseTable : public testing::ShownMainWindow {
  protected:
    void SetUp() override {
        ASSERT_TRUE(InstallTranslations(*QCoreApplication::instance(), "pt_BR"));
        SetTypedDecimalMarks(LanguageDecimalMarks("pt_BR"));
        ShownMainWindow::SetUp();
    }
    void TearDown() override {
        SetTypedDecimalMarks(DecimalMarks::Point);
        RemoveTranslations(*QCoreApplication::instance());
    }
};

TEST_F(PortugueseTable, TwoCommaFiveIsTwoAndAHalf) {
    auto* cell = testing::Child<QLineEdit>(view_->Controls(), "Text4(1)");
    auto* both = testing::Child<QPushButton>(view_->Controls(), "Command17");
    ASSERT_TRUE(cell && both);
    for (const char* typed : {"2,5", "2,5x"}) {
        platform_.messages.clear();
        cell->selectAll();
        QTest::keyClicks(cell, typed);
        QTest::mouseClick(both, Qt::LeftButton);
        EXPECT_EQ(cell->text().toStdString(), typed);
        EXPECT_EQ(view_->Model().State().Get(Field::multiplierB, 1),
                  std::string(typed) == "2,5" ? "2.5" : "2,5x");
        EXPECT_EQ(platform_.messages.size(), std::string(typed) == "2,5" ? 0u : 1u);
    }
    ASSERT_EQ(platform_.messages.size(), 1u);
    EXPECT_NE(platform_.messages[0].find(Translate("Messages", "a comma or a point (0,5 or 0.5)")),
              std::string::npos)
        << platform_.messages[0];
    EXPECT_EQ(platform_.messages[0].find("which is not a number"), std::string::npos);
}

}  // namespace
}  // namespace quorbel
