#pragma once
// What the tests of the Qt views share: a main window started from its own
// opening-parameters file in a fresh temporary folder, shown, with its messages kept
// by a recording platform; and counters of the pixels the views drew.
#include <gtest/gtest.h>

#include <QImage>
#include <QTemporaryDir>
#include <QTest>
#include <filesystem>
#include <memory>

#include "RecordingPlatform.h"
#include "views/MainWindowView.h"

namespace quorbel::testing {

// The pixels of `image` of exactly the colour `color`; transparency is not looked at.
inline int CountPixels(const QImage& image, QRgb color) {
    int count = 0;
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x)
            if ((image.pixel(x, y) & 0xFFFFFF) == (color & 0xFFFFFF)) ++count;
    return count;
}

// The pixels of `image` whose colour `matches` accepts.
inline int CountPixels(const QImage& image, bool (*matches)(QRgb)) {
    int count = 0;
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x)
            if (matches(image.pixel(x, y))) ++count;
    return count;
}

// The widget `name` of `window`; the test fails where there is none.
template <class T = QWidget>
T* Child(QWidget* window, const char* name) {
    T* widget = window->findChild<T*>(name);
    EXPECT_NE(widget, nullptr) << name;
    return widget;
}

// A main window view loaded from "Zparamfile.wr" in a fresh folder and shown on the
// screen; a derived test that prepares more first calls this SetUp and returns on a
// fatal failure.
class ShownMainWindow : public ::testing::Test {
  protected:
    void SetUp() override {
        ASSERT_TRUE(dir_.isValid());
        folder_ = std::filesystem::path(dir_.path().toStdString());
        paramFile_ = folder_ / "Zparamfile.wr";
        view_ = std::make_unique<MainWindowView>(platform_, paramFile_);
        ASSERT_TRUE(view_->Load());
        view_->show();
        ASSERT_TRUE(QTest::qWaitForWindowExposed(view_.get()));
    }

    QTemporaryDir dir_;
    std::filesystem::path folder_;
    std::filesystem::path paramFile_;
    RecordingPlatform platform_;
    std::unique_ptr<MainWindowView> view_;
};

}  // namespace quorbel::testing
