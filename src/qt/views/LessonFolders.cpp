#include "LessonFolders.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>

namespace quorbel {

std::vector<std::filesystem::path> ShippedLessonFolders() {
    std::vector<std::filesystem::path> folders;
    const QString bin = QCoreApplication::applicationDirPath();
    if (!bin.isEmpty())
        folders.emplace_back(
            QFile::encodeName(QDir::cleanPath(bin + QStringLiteral("/../share/fftquorbel/lessons")))
                .toStdString());
#if defined(QUORBEL_BUILD_DIR) && defined(QUORBEL_SOURCE_LESSONS)
    // Run from the build tree (the programs and the tests); an installed program never
    // looks there.
    if (QDir::cleanPath(bin).startsWith(QDir::cleanPath(QStringLiteral(QUORBEL_BUILD_DIR)) + '/'))
        folders.emplace_back(QUORBEL_SOURCE_LESSONS);
#endif
    return folders;
}

}  // namespace quorbel
