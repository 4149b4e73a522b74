#include "platform/GameFolders.h"

#include <algorithm>
#include <cctype>
#include <filesystem>

#include "game/GameFiles.h"
#include "platform/NativeFile.h"
#include "platform/Paths.h"

namespace pelmora {

namespace {

namespace fs = std::filesystem;

// `folder`/`name` without "." and ".." steps or a trailing separator. Lexical only: the folder
// of the executable comes with its links resolved, so ".." from it is the real parent.
std::string Join(const std::string& folder, const std::string& name) {
  fs::path p = (FsPath(folder) / FsPath(name)).lexically_normal();
  if (!p.has_filename() && p.has_relative_path()) p = p.parent_path();
  const std::u8string generic = p.generic_u8string();
  return std::string(generic.begin(), generic.end());
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

// Absolute as either system writes it: "/…", "C:\\…" or "C:/…", "\\\\server\\…". Told by the text
// alone, so that each system's rules can be tried on the other.
bool IsAbsolute(std::string_view path) {
  const auto separator = [](char c) { return c == '/' || c == '\\'; };
  if (!path.empty() && separator(path[0])) return true;
  return path.size() >= 3 && std::isalpha(static_cast<unsigned char>(path[0])) && path[1] == ':' && separator(path[2]);
}

// An XDG base folder: the variable when it holds an absolute path (anything else is ignored, as
// the XDG rules say), else `fallback` under an absolute HOME; nothing without either.
std::optional<std::string> BaseFolder(const Environment& env, const char* variable, const char* fallback) {
  const auto usable = [](const std::optional<std::string>& v) { return v && IsAbsolute(*v); };
  if (const auto value = env.Get(variable); usable(value)) return Join(*value, ".");
  if (const auto home = env.Get("HOME"); usable(home) && fallback) return Join(*home, fallback);
  return std::nullopt;
}

enum class Problem { NoHome, NoAppData, CannotCreate };

// Where an installed game keeps the player's settings and scores, and what to tell the player
// when there is no such place.
struct PlayerFolders {
  std::optional<std::string> settings;
  std::optional<std::string> data;
  Problem missing;
};

// Windows keeps both in the player's roaming application data: %APPDATA%\Pelmora.
PlayerFolders WindowsPlayerFolders(const Environment& env) {
  auto folder = BaseFolder(env, "APPDATA", nullptr);
  if (folder) folder = Join(*folder, "Pelmora");
  return {folder, folder, Problem::NoAppData};
}

// A game in a Program Files folder is installed, even when an administrator could write there.
bool UnderProgramFiles(const std::string& exeFolder, const Environment& env) {
  const std::string exe = Join(exeFolder, ".");
  for (const char* variable : {"ProgramFiles", "ProgramFiles(x86)", "ProgramW6432"}) {
    const auto root = BaseFolder(env, variable, nullptr);
    if (!root) continue;
    const auto [end, unused] = std::mismatch(root->begin(), root->end(), exe.begin(), exe.end(),
                                             [](unsigned char a, unsigned char b) { return std::tolower(a) == std::tolower(b); });
    if (end == root->end()) return true;
  }
  return false;
}

// The XDG base folders, each with its own folder pelmora/.
PlayerFolders XdgPlayerFolders(const Environment& env) {
  auto settings = BaseFolder(env, "XDG_CONFIG_HOME", ".config");
  auto data = BaseFolder(env, "XDG_DATA_HOME", ".local/share");
  if (settings) settings = Join(*settings, "pelmora");
  if (data) data = Join(*data, "pelmora");
  return {settings, data, Problem::NoHome};
}

std::string Parent(const std::string& file) { return Utf8Path(FsPath(file).parent_path()); }

// What the player is told: the problem, and what cannot be saved because of it, each message
// whole. The folder or file that could not be made fills %1.
Text LossMessage(Problem problem, bool settingsLost, bool scoresLost, const std::string& failed = {}) {
  static constexpr const char* kNoHome[] = {
      QT_TRANSLATE_NOOP("Pelmora", "找不到玩家的主文件夹（环境变量 HOME）。\n游戏可以照常进行，但设置和成绩将无法保存。"),
      QT_TRANSLATE_NOOP("Pelmora", "找不到玩家的主文件夹（环境变量 HOME）。\n游戏可以照常进行，但设置将无法保存。"),
      QT_TRANSLATE_NOOP("Pelmora", "找不到玩家的主文件夹（环境变量 HOME）。\n游戏可以照常进行，但成绩将无法保存。")};
  static constexpr const char* kNoAppData[] = {
      QT_TRANSLATE_NOOP("Pelmora", "找不到玩家的应用数据文件夹（环境变量 APPDATA）。\n游戏可以照常进行，但设置和成绩将无法保存。"),
      QT_TRANSLATE_NOOP("Pelmora", "找不到玩家的应用数据文件夹（环境变量 APPDATA）。\n游戏可以照常进行，但设置将无法保存。"),
      QT_TRANSLATE_NOOP("Pelmora", "找不到玩家的应用数据文件夹（环境变量 APPDATA）。\n游戏可以照常进行，但成绩将无法保存。")};
  static constexpr const char* kCannotCreate[] = {
      QT_TRANSLATE_NOOP("Pelmora", "无法创建 %1。\n游戏可以照常进行，但设置和成绩将无法保存。"),
      QT_TRANSLATE_NOOP("Pelmora", "无法创建 %1。\n游戏可以照常进行，但设置将无法保存。"),
      QT_TRANSLATE_NOOP("Pelmora", "无法创建 %1。\n游戏可以照常进行，但成绩将无法保存。")};
  const std::size_t lost = settingsLost && scoresLost ? 0 : settingsLost ? 1 : 2;
  const auto& sentences = problem == Problem::NoHome ? kNoHome : problem == Problem::NoAppData ? kNoAppData : kCannotCreate;
  return Text(sentences[lost], {failed});
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

GameFolders ChooseGameFolders(const std::string& exeFolder, const FolderFiles& files, const Environment& env,
                              PlayerFolderRules rules) {
  const bool windows = rules == PlayerFolderRules::Windows;
  if (HoldsImages(files, exeFolder) && files.CanWriteFolder(exeFolder) && !(windows && UnderProgramFiles(exeFolder, env)))
    return PortableGameFolders(exeFolder);

  GameFolders f;
  f.Mode = FolderMode::Installed;
  f.GameFolder = FindGameFolder(exeFolder, files);
  f.MusicFolders = {Under(f.GameFolder, files::kMedia)};
  const PlayerFolders player = windows ? WindowsPlayerFolders(env) : XdgPlayerFolders(env);
  if (player.settings) {
    f.SettingsToSave = f.SettingsToRead = Under(*player.settings, files::kSettings);
  } else {
    f.SettingsToRead = Under(f.GameFolder, files::kSettings);
  }
  if (player.data) {
    f.LeaderboardFile = Under(*player.data, files::kLeaderboard);
    // A game folder installed as the player's own data folder must not list its music twice.
    const std::string media = Under(*player.data, files::kMedia);
    if (media != f.MusicFolders.front()) f.MusicFolders.push_back(media);
  }
  if (!player.settings || !player.data) f.Message = LossMessage(player.missing, !player.settings, !player.data);
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
