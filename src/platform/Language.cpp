#include "platform/Language.h"

#include <filesystem>

#include "platform/IniFile.h"
#include "platform/NativeFile.h"

namespace pelmora {

namespace {

constexpr char kSection[] = "UserSet";
constexpr char kKey[] = "Language";

// Answers every question of the settings reader with Abort: a missing key is simply missing.
class SilentDialogs final : public Dialogs {
 public:
  Answer Message(const Text&, const Text&, Buttons, Icon) override { return Answer::Abort; }
  std::optional<std::string> Input(const Text&, const Text&, const std::string&, int) override { return std::nullopt; }
  void SaveFailed(StoredFile, const SaveError&) override {}
};

}  // namespace

Language LanguageOfLocale(std::string_view name) {
  const bool zh = name.size() >= 2 && (name[0] == 'z' || name[0] == 'Z') && (name[1] == 'h' || name[1] == 'H') &&
                  (name.size() == 2 || std::string_view("_-.@").find(name[2]) != std::string_view::npos);
  return zh ? Language::Chinese : Language::English;
}

const char* LanguageKeyValue(Language language) { return language == Language::Chinese ? "zh" : "en"; }

std::optional<Language> ParseLanguageValue(std::string_view value) {
  while (!value.empty() && (value.back() == ' ' || value.back() == '\t')) value.remove_suffix(1);
  while (!value.empty() && (value.front() == ' ' || value.front() == '\t')) value.remove_prefix(1);
  if (value == "zh") return Language::Chinese;
  if (value == "en") return Language::English;
  return std::nullopt;
}

std::string FileForLanguage(const std::string& gameFolder, const std::string& path, Language language,
                            const std::function<bool(const std::string&)>& exists) {
  if (language == Language::Chinese) return path;
  namespace fs = std::filesystem;
  const fs::path inside = FsPath(path).lexically_normal().lexically_relative(FsPath(gameFolder).lexically_normal());
  if (inside.empty() || *inside.begin() == "..") return path;
  const std::string twin = Utf8Path(FsPath(gameFolder) / "en" / inside);
  return exists(twin) ? twin : path;
}

std::optional<Language> ReadChosenLanguage(const std::string& path) {
  SilentDialogs quiet;
  return ParseLanguageValue(GetIniValue(path, kSection, kKey, quiet));
}

SaveResult StoreChosenLanguage(const std::string& path, Language language) {
  return SetIniValue(path, kSection, kKey, LanguageKeyValue(language));
}

}  // namespace pelmora
