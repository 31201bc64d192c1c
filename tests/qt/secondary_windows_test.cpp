// The secondary windows built from their control tables: the help pages show their
// styled runs and Greek letters, the splash closes on a click and on a key, and the
// bitmap and opening-parameters windows follow their models.
#include <gtest/gtest.h>

#include <QAction>
#include <QLineEdit>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTest>
#include <filesystem>
#include <memory>

#include "QtViews.h"
#include "platform/Platform.h"
#include "views/GraphWidget.h"
#include "views/MainWindowView.h"
#include "views/WindowView.h"

namespace quorbel {
namespace {

using testing::CountPixels;

class SecondaryWindowsTest : public testing::ShownMainWindow {
  protected:
    void Trigger(const char* action) {
        QAction* found = view_->findChild<QAction*>(action);
        ASSERT_NE(found, nullptr) << action;
        found->trigger();
    }
};

bool Blue(QRgb c) {
    return qBlue(c) > 120 && qRed(c) < 80 && qGreen(c) < 80;
}
bool Dark(QRgb c) {
    return qRed(c) < 60 && qGreen(c) < 60 && qBlue(c) < 60;
}

TEST_F(SecondaryWindowsTest, HelpPagesShowTheirRunsAndGreekLetters) {
    struct Case {
        const char* menu;
        WindowView* (MainWindowView::*window)();
    };
    for (const Case& c : {Case{"mnuNyq", &MainWindowView::NyquistWindow},
                          Case{"mnuPhaseItem", &MainWindowView::PhaseWindow}}) {
        SCOPED_TRACE(c.menu);
        Trigger(c.menu);
        WindowView* help = (view_.get()->*c.window)();
        EXPECT_TRUE(help->isVisible());
        EXPECT_EQ(help->windowTitle(), "FFT Quorbel - Help");
        const QImage page = help->Graph("Picture1")->Surface().Image();
        EXPECT_GT(CountPixels(page, Dark), 500) << "the plain text";
        EXPECT_GT(CountPixels(page, Blue), 50) << "the emphasised runs";
    }
    // The Greek run of the phase page is drawn as the letter φ, in the emphasis colour,
    // at the end of its line: the only blue on the line of "Try, for instance".
    const QImage phase = view_->PhaseWindow()->Graph("Picture1")->Surface().Image();
    bool greekSeen = false;
    for (int y = phase.height() / 2; y < phase.height() && !greekSeen; ++y)
        for (int x = phase.width() / 2; x < phase.width(); ++x)
            if (Blue(phase.pixel(x, y))) greekSeen = true;
    EXPECT_TRUE(greekSeen);
}

TEST_F(SecondaryWindowsTest, SplashClosesOnAClickAndOnAKey) {
    struct Case {
        const char* opener;
        bool byKey;
    };
    for (const Case& c : {Case{"mnuSplashItem", false}, Case{"mnuSplashItem", true}}) {
        SCOPED_TRACE(c.byKey ? "key" : "click");
        Trigger(c.opener);
        WindowView* splash = view_->SplashWindow();
        ASSERT_TRUE(splash->isVisible());
        if (c.byKey)
            QTest::keyClick(splash, Qt::Key_Space);
        else
            QTest::mouseClick(splash, Qt::LeftButton, {}, QPoint(2, 2));
        EXPECT_FALSE(splash->isVisible());
        EXPECT_TRUE(view_->isVisible());
    }
}

TEST_F(SecondaryWindowsTest, BitmapAndOpeningParametersWindowsFollowTheirModels) {
    Trigger("mnuCreateBitmapItem");
    WindowView* bitmap = view_->BitmapWindow();
    EXPECT_TRUE(bitmap->isVisible());
    EXPECT_EQ(bitmap->windowTitle(), "FFT Quorbel - Bitmap creating");
    const QImage picture = bitmap->Surface().Image();
    EXPECT_GT(CountPixels(picture, [](QRgb c) { return qRed(c) == 192 && qGreen(c) == 0; }), 100);
    bitmap->findChild<QAction*>("mnuExitItem")->trigger();
    EXPECT_FALSE(bitmap->isVisible());

    Trigger("mnuConfigInitItem");
    WindowView* params = view_->OpeningParamsWindow();
    EXPECT_TRUE(params->isVisible());
    auto* points = params->findChild<QLineEdit*>("Text6");
    ASSERT_NE(points, nullptr);
    EXPECT_EQ(points->text(), "1024");
    params->findChild<QPushButton*>("Command2")->click();
    EXPECT_FALSE(params->isVisible());
}

}  // namespace
}  // namespace quorbel
