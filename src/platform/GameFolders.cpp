#include "platform/GameFolders.h"

#include <filesystem>

#include "game/GameFiles.h"
#include "platform/Paths.h"

namespace pelmora {

namespace {

namespace fs = std::filesystem;

// `folder`/`name` without "." and ".." steps or a trailing separator. Lexical only: the folder
// of the executable comes with its links resolved, so ".." from it is the real parent.
std::string Join(const std::string& folder, const std::string& name) {
  fs::path p = (fs::path(folder) / name).lexically_normal();
  if (!p.has_filename() && p.has_relative_path()) p = p.parent_path();
  return p.string();
}

// A name of the catalogue ("\\media\\") below `folder`, without a trailing separator.
std::string Under(const std::string& folder, std::string_view name) {
  return Join(folder, NativePath(name.substr(1)));
}

bool HoldsImages(const FolderFiles& files, const std::string& folder) {
  return files.IsDirectory(Under(folder, files::kImages));
}

// The installed game's data: beside the executable, or in a share folder beside its bin folder.
// Without any, the executable's folder, where start-up then names the missing picture.
std::string FindGameFolder(const std::string& exeFolder, const FolderFiles& files) {
  for (const char* relative : {".", "../share/games/pelmora", "../share/pelmora"}) {
    const std::string candidate = Join(exeFolder, relative);
    if (HoldsImages(files, candidate)) return candidate;
  }
  return Join(exeFolder, ".");
}

// An XDG base folder: the variable when it holds an absolute path (anything else is ignored, as
// the XDG rules say), else `fallback` under an absolute HOME; nothing without either.
std::optional<std::string> BaseFolder(const Environment& env, const char* variable, const char* fallback) {
  const auto usable = [](const std::optional<std::string>& v) { return v && fs::path(*v).is_absolute(); };
  if (const auto value = env.Get(variable); usable(value)) return Join(*value, ".");
  if (const auto home = env.Get("HOME"); usable(home)) return Join(*home, fallback);
  return std::nullopt;
}

std::string Parent(const std::string& file) { return fs::path(file).parent_path().string(); }

enum class Problem { NoHome, CannotCreate };

// What the player is told: the problem, and what cannot be saved because of it, each message
// whole. The folder or file that could not be made fills %1.
Text LossMessage(Problem problem, bool settingsLost, bool scoresLost, const std::string& failed = {}) {
  static constexpr const char* kNoHome[] = {
      QT_TRANSLATE_NOOP("Pelmora", "找不到玩家的主文件夹（环境变量 HOME）。\n游戏可以照常进行，但设置和成绩将无法保存。"),
      QT_TRANSLATE_NOOP("Pelmora", "找不到玩家的主文件夹（环境变量 HOME）。\n游戏可以照常进行，但设置将无法保存。"),
      QT_TRANSLATE_NOOP("Pelmora", "找不到玩家的主文件夹（环境变量 HOME）。\n游戏可以照常进行，但成绩将无法保存。")};
  static constexpr const char* kCannotCreate[] = {
      QT_TRANSLATE_NOOP("Pelmora", "无法创建 %1。\n游戏可以照常进行，但设置和成绩将无法保存。"),
      QT_TRANSLATE_NOOP("Pelmora", "无法创建 %1。\n游戏可以照常进行，但设置将无法保存。"),
      QT_TRANSLATE_NOOP("Pelmora", "无法创建 %1。\n游戏可以照常进行，但成绩将无法保存。")};
  const std::size_t lost = settingsLost && scoresLost ? 0 : settingsLost ? 1 : 2;
  return Text(problem == Problem::NoHome ? kNoHome[lost] : kCannotCreate[lost], {failed});
}

}  // namespace

GameFolders PortableGameFolders(const std::string& gameFolder) {
  GameFolders f;
  f.Mode = FolderMode::Portable;
  f.GameFolder = Join(gameFolder, ".");
  f.SettingsToSave = f.SettingsToRead = Under(f.GameFolder, files::kSettings);
  f.LeaderboardFile = Under(f.GameFolder, files::kLeaderboard);
  f.MusicFolders = {Under(f.GameFolder, files::kMedia)};
  return f;
}

GameFolders ChooseGameFolders(const std::string& exeFolder, const FolderFiles& files, const Environment& env) {
  if (HoldsImages(files, exeFolder) && files.CanWriteFolder(exeFolder)) return PortableGameFolders(exeFolder);

  GameFolders f;
  f.Mode = FolderMode::Installed;
  f.GameFolder = FindGameFolder(exeFolder, files);
  f.MusicFolders = {Under(f.GameFolder, files::kMedia)};
  const auto config = BaseFolder(env, "XDG_CONFIG_HOME", ".config");
  const auto data = BaseFolder(env, "XDG_DATA_HOME", ".local/share");
  if (config) {
    f.SettingsToSave = f.SettingsToRead = Under(Join(*config, "pelmora"), files::kSettings);
  } else {
    f.SettingsToRead = Under(f.GameFolder, files::kSettings);
  }
  if (data) {
    f.LeaderboardFile = Under(Join(*data, "pelmora"), files::kLeaderboard);
    // A game folder installed as the player's own data folder must not list its music twice.
    const std::string media = Under(Join(*data, "pelmora"), files::kMedia);
    if (media != f.MusicFolders.front()) f.MusicFolders.push_back(media);
  }
  if (!config || !data) f.Message = LossMessage(Problem::NoHome, !config, !data);
  return f;
}

void PreparePlayerFolders(GameFolders& folders, FolderFiles& files) {
  if (folders.Mode != FolderMode::Installed) return;
  std::string failed;  // the first folder or file that could not be made
  bool settingsLost = false;
  bool scoresLost = false;

  if (!folders.SettingsToSave.empty()) {
    const std::string shipped = Under(folders.GameFolder, files::kSettings);
    const std::string folder = Parent(folders.SettingsToSave);
    if (!files.MakeDirectories(folder)) {
      failed = folder;
      settingsLost = true;
    } else if (!files.Exists(folders.SettingsToSave) && files.Exists(shipped) &&
               !files.CopyFileBytes(shipped, folders.SettingsToSave)) {
      failed = folders.SettingsToSave;
      settingsLost = true;
    }
    if (settingsLost) folders.SettingsToRead = shipped;
  }
  if (!folders.LeaderboardFile.empty()) {
    // A game folder the player cannot write may hold their scores (a portable folder made
    // read-only): they come along, as the settings do.
    const std::string shipped = Join(folders.GameFolder, "data.dat");
    const std::string folder = Parent(folders.LeaderboardFile);
    if (!files.MakeDirectories(folder)) {
      if (failed.empty()) failed = folder;
      scoresLost = true;
    } else if (!files.Exists(folders.LeaderboardFile) && files.Exists(shipped) &&
               !files.CopyFileBytes(shipped, folders.LeaderboardFile)) {
      if (failed.empty()) failed = folders.LeaderboardFile;
      scoresLost = true;
      folders.LeaderboardFile = shipped;  // the scores at least show
    }
  }
  // What Choose found missing already is told; a second message would only repeat it.
  if (!failed.empty() && folders.Message.Words.empty())
    folders.Message = LossMessage(Problem::CannotCreate, settingsLost, scoresLost, failed);
}

}  // namespace pelmora
