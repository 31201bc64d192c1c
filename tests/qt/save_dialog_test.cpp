// The save dialog of the desktop program: a name typed without an extension gets the
// filter's, and the question about replacing a file is asked about that final name.
#include <gtest/gtest.h>

#include <QAbstractButton>
#include <QApplication>
#include <QDir>
#include <QFile>
#include <QFileDialog>
#include <QLineEdit>
#include <QMessageBox>
#include <QMetaObject>
#include <QTemporaryDir>
#include <QTimer>
#include <optional>
#include <string>
#include <vector>

#include "views/QtPlatform.h"

namespace quorbel {
namespace {

struct SaveDialogCase {
    const char* name;
    const char* typed;                  // into the dialog's name field
    std::vector<const char*> existing;  // files already in the folder
    bool replace;                       // the answer to the question, if one is asked
    const char* question;               // the file the question names ("" none asked)
    const char* chosen;                 // the name returned ("" cancelled)
};

class SaveDialogTest : public ::testing::TestWithParam<SaveDialogCase> {};

TEST_P(SaveDialogTest, AddsTheExtensionBeforeAskingAboutReplacing) {
    const SaveDialogCase& c = GetParam();
    QTemporaryDir dir;
    ASSERT_TRUE(dir.isValid());
    for (const char* file : c.existing) {
        QFile f(dir.filePath(QString::fromUtf8(file)));
        ASSERT_TRUE(f.open(QIODevice::WriteOnly));
    }
    // Plays the user: opens the folder, types the name and presses "Save" (again if
    // the dialog was still busy reading the folder), answers the question, and
    // cancels a dialog that is still open after a refused replacement.
    QString suffix, asked;
    enum class Step { openFolder, typeName, waitForAnswer, answered } step = Step::openFolder;
    int ticks = 0;
    QTimer user;
    QObject::connect(&user, &QTimer::timeout, [&] {
        QWidget* modal = QApplication::activeModalWidget();
        if (auto* box = qobject_cast<QMessageBox*>(modal)) {
            asked = box->text();
            step = Step::answered;
            box->button(c.replace ? QMessageBox::Yes : QMessageBox::No)->click();
            return;
        }
        auto* dialog = qobject_cast<QFileDialog*>(modal);
        if (!dialog) return;
        // A dialog that never takes the name fails the test instead of hanging it.
        if (++ticks > 500) step = Step::answered;
        switch (step) {
            case Step::openFolder:
                suffix = dialog->defaultSuffix();
                dialog->setDirectory(dir.path());
                step = Step::typeName;
                break;
            case Step::typeName:
            case Step::waitForAnswer:
                if (auto* name = dialog->findChild<QLineEdit*>("fileNameEdit"))
                    name->setText(QString::fromUtf8(c.typed));
                // Queued: the question it may ask runs its own loop, in which this
                // timer must fire again to answer it.
                QMetaObject::invokeMethod(dialog, "accept", Qt::QueuedConnection);
                step = Step::waitForAnswer;
                break;
            case Step::answered:
                dialog->reject();
                break;
        }
    });
    user.start(20);
    QtPlatform platform;
    const std::optional<std::string> chosen =
        platform.SaveFileName("Image Files (Bitmaps)(*.bmp)|*.bmp");
    user.stop();

    EXPECT_EQ(suffix, "bmp");
    if (*c.question) {
        EXPECT_TRUE(asked.contains(QString::fromUtf8(c.question))) << asked.toStdString();
    } else {
        EXPECT_TRUE(asked.isEmpty()) << asked.toStdString();
    }
    if (*c.chosen) {
        ASSERT_TRUE(chosen.has_value());
        EXPECT_EQ(QDir::cleanPath(QFile::decodeName(chosen->c_str())),
                  QDir::cleanPath(dir.filePath(QString::fromUtf8(c.chosen))));
    } else {
        EXPECT_FALSE(chosen.has_value());
    }
}

INSTANTIATE_TEST_SUITE_P(
    Names, SaveDialogTest,
    ::testing::Values(
        SaveDialogCase{"NewName", "bitmap1", {}, true, "", "bitmap1.bmp"},
        SaveDialogCase{
            "ReplaceTheBitmap", "bitmap1", {"bitmap1.bmp"}, true, "bitmap1.bmp", "bitmap1.bmp"},
        SaveDialogCase{"KeepTheBitmap", "bitmap1", {"bitmap1.bmp"}, false, "bitmap1.bmp", ""},
        SaveDialogCase{
            "FileWithoutExtensionUntouched", "bitmap1", {"bitmap1"}, true, "", "bitmap1.bmp"},
        SaveDialogCase{
            "TypedWithExtension", "graph.bmp", {"graph.bmp"}, true, "graph.bmp", "graph.bmp"}),
    [](const auto& info) { return std::string(info.param.name); });

}  // namespace
}  // namespace quorbel
