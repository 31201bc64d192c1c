#pragma once
// The user's language for both programs: the translation file of the language chosen
// from LANGUAGE, LC_ALL and LANG, found beside the installed program
// (share/fftquorbel/translations) or in the build tree, installed into the
// application and handed to the core as its translator. Numbers keep the program's
// period decimal separator in every field and drawing; only the desktop program lets
// its fields take the decimal comma of the user's language as typed (DecimalMark.h).
#include <QString>
#include <string>

class QCoreApplication;

namespace quorbel {

// Loads and installs the translations of `language` ("pt_BR", "es"; "" is English and
// installs nothing). The core's texts then come out in that language. False when no
// translation file for it was found (the program then speaks English).
bool InstallTranslations(QCoreApplication& app, const std::string& language);

// The language the environment asks for (ChooseLanguage): "pt_BR", "es" or "" (English).
std::string EnvironmentLanguage();

// The language the environment asks for, installed.
bool InstallTranslationsFromEnvironment(QCoreApplication& app);

// Back to English: the translators removed from the application and the core.
void RemoveTranslations(QCoreApplication& app);

// The folders searched for "fftquorbel_<language>.qm", in order.
QStringList TranslationFolders();

// A core text in the user's language (the core's own hook, for the Qt layer's texts).
QString TranslatedText(const char* context, const std::string& text);

}  // namespace quorbel
