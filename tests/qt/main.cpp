// Qt tests need an application object before any font or painter is used; they run
// without a display on the offscreen platform unless another one is asked for.
// They speak English, and so do the programs they start, unless QUORBEL_TEST_LANGUAGE
// names a translated language (the tour of the windows in each language).
#include <gtest/gtest.h>

#include <QApplication>
#include <QtGlobal>
#include <cstdio>

#include "views/Translations.h"

int main(int argc, char** argv) {
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
    const QByteArray language = qgetenv("QUORBEL_TEST_LANGUAGE");
    qputenv("LANGUAGE", language.isEmpty() ? QByteArray("en") : language);
    QApplication app(argc, argv);
    if (!language.isEmpty() && !quorbel::InstallTranslations(app, language.toStdString())) {
        std::fprintf(stderr, "no translation for %s\n", language.constData());
        return 1;
    }
    ::testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
