#pragma once
// The user's language. Every text the program shows is written here in English, and
// that English text is the key under which its translations are kept, together with a
// context: the name of the window that shows it, or the part of the program that says
// it ("Messages", "Report", "Help", "CommandLine"). The core only routes its texts
// through Translate(); the toolkit layer installs the translator that looks them up.
// Without one (the tests of the core, English) every text stays as written.
//
// Texts that are written into a window's state by a handler rather than by its control
// table are marked with QT_TRANSLATE_NOOP(window, text) so that the extraction finds
// them; the view translates every caption and tooltip by its exact English text.
#include <functional>
#include <string>
#include <vector>

#ifndef QT_TRANSLATE_NOOP
#define QT_TRANSLATE_NOOP(scope, x) x
#endif

namespace quorbel {

using Translator = std::function<std::string(const char* context, const std::string& text)>;

// Installs the translator (nullptr: English again).
void SetTranslator(Translator translator);

// `text` in the user's language, or `text` itself when it has no translation.
std::string Translate(const char* context, const std::string& text);

// Puts args[0] where a text says %1, args[1] for %2, and so on (up to %9; "%%" stays
// one "%"). Written FillIn(Translate(context, "... %1 ..."), {name}), so a translation
// places the inserted names and numbers where its language wants them; the inserted
// texts themselves are not translated.
std::string FillIn(const std::string& text, const std::vector<std::string>& args);

// The languages with translations besides English, as the translation files name them.
const std::vector<std::string>& TranslatedLanguages();

// The language chosen from the environment: LANGUAGE (a colon-separated list of
// preferences), then LC_ALL, then LANG, each as "pt_BR.UTF-8", "es_ES", "es" ...; the
// first variable that is set decides. One of TranslatedLanguages(), or "" (English)
// when that variable names English, "C", "POSIX" or a language without translations.
std::string ChooseLanguage(const std::string& language, const std::string& lcAll,
                           const std::string& lang);

}  // namespace quorbel
