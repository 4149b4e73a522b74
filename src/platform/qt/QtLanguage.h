#pragma once
// The player's language on the Qt side: the translations installed in the application (the
// game's own catalogue for English, Qt's own Chinese one for Chinese), and the files read in it.
// Translations are the application's, whatever window asks, so the language is kept once for
// the whole process here, beside them. Changing it sends every widget a LanguageChange event,
// on which it words itself anew.

#include <QString>
#include <string>

#include "platform/Language.h"
#include "platform/Text.h"

namespace pelmora {

// The desktop's language: the first of the locale's interface languages (LANGUAGE, else
// LC_ALL, LC_MESSAGES, LANG), Chinese for any "zh", English for everything else.
Language DesktopLanguage();

// Installs the translations of `language` in the application, replacing the other's.
void UseLanguage(Language language);
Language CurrentLanguage();

// The game folder whose "en/" mirror holds the English files (see FileForLanguage).
void SetLanguageFolder(const std::string& gameFolder);
// The file to read for `path` (a file of the game folder) in the current language.
std::string LocalFile(const std::string& path);
QString LocalFile(const QString& path);

// A sentence of the core in the current language, its places filled.
QString Words(const Text& text);

}  // namespace pelmora
