#include "Translations.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <QLibraryInfo>
#include <QTranslator>
#include <memory>

#include "platform/Translation.h"
#include "surface/Fonts.h"

namespace quorbel {

namespace {

std::unique_ptr<QTranslator>& Loaded() {
    static std::unique_ptr<QTranslator> translator;
    return translator;
}

// Qt's own texts (the buttons of the standard dialogs), where the system has them.
std::unique_ptr<QTranslator>& LoadedQt() {
    static std::unique_ptr<QTranslator> translator;
    return translator;
}

std::string Variable(const char* name) {
    return qEnvironmentVariable(name).toStdString();
}

}  // namespace

QStringList TranslationFolders() {
    QStringList folders;
    // Installed: <prefix>/bin/fftquorbel next to <prefix>/share/fftquorbel/translations.
    const QString bin = QCoreApplication::applicationDirPath();
    if (!bin.isEmpty())
        folders << QDir::cleanPath(bin + QStringLiteral("/../share/fftquorbel/translations"));
#if defined(QUORBEL_BUILD_DIR) && defined(QUORBEL_BUILD_TRANSLATIONS)
    // Run from the build tree (the programs and the tests); an installed program never
    // looks there.
    if (QDir::cleanPath(bin).startsWith(QDir::cleanPath(QStringLiteral(QUORBEL_BUILD_DIR)) + '/'))
        folders << QStringLiteral(QUORBEL_BUILD_TRANSLATIONS);
#endif
    return folders;
}

bool InstallTranslations(QCoreApplication& app, const std::string& language) {
    RemoveTranslations(app);
    if (language.empty()) return true;
    auto translator = std::make_unique<QTranslator>();
    const QString file = QStringLiteral("fftquorbel_") + QString::fromStdString(language);
    bool loaded = false;
    for (const QString& folder : TranslationFolders())
        if (QFileInfo::exists(folder + '/' + file + QStringLiteral(".qm")) &&
            translator->load(file, folder)) {
            loaded = true;
            break;
        }
    if (!loaded) return false;
    app.installTranslator(translator.get());
    Loaded() = std::move(translator);
    auto qt = std::make_unique<QTranslator>();
    if (qt->load(QStringLiteral("qtbase_") + QString::fromStdString(language),
                 QLibraryInfo::path(QLibraryInfo::TranslationsPath))) {
        app.installTranslator(qt.get());
        LoadedQt() = std::move(qt);
    }
    SetTranslator([](const char* context, const std::string& text) {
        const QString translated = QCoreApplication::translate(context, text.c_str());
        return translated.toStdString();
    });
    return true;
}

std::string EnvironmentLanguage() {
    return ChooseLanguage(Variable("LANGUAGE"), Variable("LC_ALL"), Variable("LANG"));
}

bool InstallTranslationsFromEnvironment(QCoreApplication& app) {
    return InstallTranslations(app, EnvironmentLanguage());
}

void RemoveTranslations(QCoreApplication& app) {
    SetTranslator(nullptr);
    for (std::unique_ptr<QTranslator>* t : {&Loaded(), &LoadedQt()}) {
        if (*t) app.removeTranslator(t->get());
        t->reset();
    }
}

QString TranslatedText(const char* context, const std::string& text) {
    return ToQString(Translate(context, text));
}

}  // namespace quorbel
