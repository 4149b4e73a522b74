#include "shell/StartupSettings.h"

#include <algorithm>
#include <filesystem>
#include <span>

#include "platform/FileBytes.h"
#include "platform/AtomicSave.h"
#include "platform/IniFile.h"
#include "platform/NativeFile.h"
#include "platform/Paths.h"
#include "platform/TextCodec.h"
#include "game/GameFiles.h"

namespace pelmora {

namespace fs = std::filesystem;

SettingsFile::SettingsFile(std::string path) : Path(std::move(path)) {}

std::string SettingsPath(const std::string& gameFolder) { return GamePath(gameFolder, files::kSettings); }

UserSettings ShippedUserSettings() {
  UserSettings s;
  s.MediaON = kTrue;
  s.MediaMax = 60;
  s.SoundON = kTrue;
  s.SoundMax = 80;
  s.GameMode = 1;
  s.GameMain = 1;
  return s;
}

std::vector<PictureSet> ShippedPictureSets(const std::string& gameFolder) {
  return {{"宝石", gameFolder + files::kGemsSet},
          {"花园", gameFolder + files::kGardenSet},
          {"冬雪", gameFolder + files::kWinterSet}};
}

namespace {

// A name longer than the menu can show is cut to whole characters and marked as cut, so that a
// damaged file's endless name costs the menu nothing.
std::string MenuCaption(std::string name) {
  const std::size_t keep = Utf8PrefixLength(name, kMaxSetNameChars);
  if (keep < name.size()) {
    name.resize(keep);
    name += "…";
  }
  return name;
}

void ReadUserSettings(const std::string& path, Dialogs& dialogs, UserSettings& s) {
  auto read = [&](const char* key) { return GetIniValue(path, "UserSet", key, dialogs); };
  s.MediaON = ParseIniBool(read("MediaON")).value_or(s.MediaON);
  s.MediaMax = ParseIniInt(read("MediaMax")).value_or(s.MediaMax);
  s.SoundON = ParseIniBool(read("SoundON")).value_or(s.SoundON);
  s.SoundMax = ParseIniInt(read("SoundMax")).value_or(s.SoundMax);
  s.GameMode = ParseIniInt(read("GameMode")).value_or(s.GameMode);
  s.GameMain = ParseIniInt(read("GameMain")).value_or(s.GameMain);
  if (s.GameMode < 1 || s.GameMode > 4) s.GameMode = 1;
  s.MediaMax = std::clamp<std::int16_t>(s.MediaMax, 0, 100);
}

// A settings file as the game ships it, holding `user`: the picture-set list must be there too,
// or the next start would ask for it. GBK, as shipped; UTF-8, which the reader takes as well, on
// a system without a GBK encoder.
std::string NewSettingsText(std::span<const IniSetting> user) {
  std::string text = "[UserSet]\r\n";
  for (const IniSetting& s : user) text += s.Key + "=" + s.Value + "\r\n";
  const std::vector<PictureSet> sets = ShippedPictureSets("");
  text += "[GameMenu]\r\nMenu=" + std::to_string(sets.size()) + "\r\n";
  for (std::size_t i = 0; i < sets.size(); ++i) {
    const std::string n = std::to_string(i + 1);
    text += "MenuName" + n + "=" + sets[i].Name + "\r\nMenuPath" + n + "=" + sets[i].Path + "\r\n";
  }
  return Utf8ToGbk(text).value_or(text);
}

// Nothing but spaces and tabs, or nothing at all: what the reader gives for a missing key.
bool IsBlank(std::string_view text) { return text.find_first_not_of(" \t") == std::string_view::npos; }

// The sets up to the first one whose name or folder is missing or blank: a "Menu" count beyond
// the sets present must not ask about every missing one, nor add entries without a name or with
// the game folder itself as their folder. The reader's box is shown once, for the first key
// missing.
std::vector<PictureSet> ReadPictureSets(const std::string& path, const std::string& gameFolder, Dialogs& dialogs) {
  const auto count = ParseIniInt(GetIniValue(path, "GameMenu", "Menu", dialogs));
  if (!count || *count <= 0) return ShippedPictureSets(gameFolder);
  std::vector<PictureSet> sets;
  for (int i = 1; i <= std::min<int>(*count, kMaxPictureSets); ++i) {
    const std::string n = std::to_string(i);
    const std::string name = GetIniValue(path, "GameMenu", "MenuName" + n, dialogs);
    if (IsBlank(name)) break;
    const std::string folder = GetIniValue(path, "GameMenu", "MenuPath" + n, dialogs);
    if (IsBlank(folder)) break;
    sets.push_back({MenuCaption(name), gameFolder + folder});
  }
  if (sets.empty()) return ShippedPictureSets(gameFolder);
  return sets;
}

}  // namespace

StartupSettings ReadStartupSettings(const SettingsFile& file, const std::string& gameFolder, Dialogs& dialogs) {
  RemoveLeftoverTempFiles(file.Path);
  StartupSettings result;
  result.User = ShippedUserSettings();
  if (const auto bytes = ReadFileBytes(file.Path); bytes && !IsSettingsText(*bytes)) {
    result.Sets = ShippedPictureSets(gameFolder);
    result.FileIsText = false;
    return result;
  }
  ReadUserSettings(file.Path, dialogs, result.User);
  result.Sets = ReadPictureSets(file.Path, gameFolder, dialogs);
  const int count = static_cast<int>(result.Sets.size());
  if (result.User.GameMain > count || result.User.GameMain < 1) result.User.GameMain = 1;
  return result;
}

SaveResult WriteUserSettings(const SettingsFile& file, const UserSettings& user) {
  // One replacement for all six: a save cut short leaves the old settings, never half of each.
  const IniSetting values[] = {
      {"MediaON", IniBoolText(user.MediaON)}, {"MediaMax", IniText(user.MediaMax)},
      {"SoundON", IniBoolText(user.SoundON)}, {"SoundMax", IniText(user.SoundMax)},
      {"GameMode", IniText(user.GameMode)},   {"GameMain", IniText(user.GameMain)},
  };
  std::error_code ec;
  if (fs::symlink_status(FsPath(file.Path), ec).type() == fs::file_type::not_found)
    return SaveFileAtomically(file.Path, NewSettingsText(values));
  return SetIniValues(file.Path, "UserSet", values);
}

}  // namespace pelmora
