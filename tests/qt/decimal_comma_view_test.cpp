// The real wave table in Portuguese: a student types "2,5" with the keyboard into a
// cell and the window takes 2.5 without a message while the cell keeps showing what
// was typed; "2,5x" is refused, in Portuguese, naming both decimal marks.
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
    void TypeInto(QLineEdit* cell, const char* text) {
        cell->setFocus();
        cell->selectAll();
        QTest::keyClicks(cell, text);
    }
};

TEST_F(PortugueseTable, TwoCommaFiveIsTwoAndAHalf) {
    auto* cell = testing::Child<QLineEdit>(view_->Controls(), "Text4(1)");
    auto* calculate = testing::Child<QPushButton>(view_->Controls(), "Command17");
    ASSERT_TRUE(cell && calculate);
    TypeInto(cell, "2,5");
    EXPECT_EQ(view_->Model().State().Get(Field::multiplierB, 1), "2.5");
    EXPECT_EQ(cell->text(), "2,5");
    QTest::mouseClick(calculate, Qt::LeftButton);
    EXPECT_TRUE(platform_.messages.empty()) << platform_.messages.front();
    EXPECT_EQ(cell->text(), "2,5");

    TypeInto(cell, "2,5x");
    EXPECT_EQ(view_->Model().State().Get(Field::multiplierB, 1), "2,5x");
    QTest::mouseClick(calculate, Qt::LeftButton);
    ASSERT_EQ(platform_.messages.size(), 1u);
    const std::string& message = platform_.messages[0];
    EXPECT_NE(message.find("\"2,5x\""), std::string::npos) << message;
    EXPECT_NE(message.find(Translate("Messages", "a comma or a point (0,5 or 0.5)")),
              std::string::npos)
        << message;
    EXPECT_EQ(message.find("which is not a number"), std::string::npos) << message;
}

}  // namespace
}  // namespace quorbel
