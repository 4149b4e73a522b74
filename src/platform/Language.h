#pragma once
// The two languages of the game and where each finds its files. Chinese is the game's own:
// its words are the source texts and its files keep their names and places. English files live
// under "en/" at the top of the game folder, a mirror of it: the English twin of
// "ui/NewGame.png" is "en/ui/NewGame.png", of "Help.txt" "en/Help.txt".

#include <functional>
#include <optional>
#include <string>
#include <string_view>

#include "platform/AtomicSave.h"
#include "platform/Dialogs.h"

namespace pelmora {

enum class Language { Chinese, English };

// The language of a desktop whose (message) locale is `name`, as the environment spells it
// ("zh_CN.UTF-8", "zh-TW", "en_US", "C"): any "zh" locale is Chinese, everything else English.
Language LanguageOfLocale(std::string_view name);

// The settings value of a language ("zh", "en"), and back; nothing for any other text.
const char* LanguageKeyValue(Language language);
std::optional<Language> ParseLanguageValue(std::string_view value);

// The file the game reads for `path`, a file inside `gameFolder` (native paths): in Chinese, and
// for a file outside the game folder, `path` itself; in English the twin under "en/" when
// `exists` finds it, and `path` itself otherwise.
std::string FileForLanguage(const std::string& gameFolder, const std::string& path, Language language,
                            const std::function<bool(const std::string&)>& exists);

// The language the player chose, from "Language" of "UserSet" in the settings file at `path`:
// nothing when the file, the key or a known value is missing (the desktop then decides). Reads
// quietly: a settings file of the game's first versions has no such key and is no fault.
std::optional<Language> ReadChosenLanguage(const std::string& path);

// Stores the player's choice as "Language=zh" or "Language=en" in "UserSet" of the settings file
// at `path` (with the one atomic writer, in the file's own encoding). Fails, with the file
// untouched, when it cannot.
[[nodiscard]] SaveResult StoreChosenLanguage(const std::string& path, Language language);

}  // namespace pelmora
