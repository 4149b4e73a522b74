// Where the game reads its data and keeps the player's files: portable or installed.
#include "platform/GameFolders.h"

#include <gtest/gtest.h>
#ifndef _WIN32
#include <sys/stat.h>
#endif

#include <filesystem>
#include <functional>
#include <map>
#include <set>
#include <string>
#include <vector>

#include "platform/NativeFile.h"
#include "platform/SystemFolders.h"
#include "support/PosixOnly.h"
#include "support/TempFolder.h"

namespace pelmora {
namespace {

namespace fs = std::filesystem;
using testing::ReadBytes;
using testing::TempFolder;
using testing::WriteBytes;

// A file system in memory. A folder can be made when its nearest existing ancestor is a
// writable folder, as with mkdir -p; a file in the way stops it.
struct FakeFiles : FolderFiles {
  std::set<std::string> dirs{"/"};
  std::set<std::string> writable;
  std::map<std::string, std::string> files;
  bool copyFails = false;

  // A folder and its parents; `canWrite` applies to the folder itself.
  void Dir(const std::string& path, bool canWrite = true) {
    for (fs::path p = FsPath(path); p != p.root_path(); p = p.parent_path()) dirs.insert(Utf8Path(p));
    if (canWrite) writable.insert(path);
  }
  // A game folder: images/ and the shipped settings.
  void Game(const std::string& folder, bool canWrite) {
    Dir(folder + "/images", false);
    Dir(folder, canWrite);
    files[folder + "/VornPGame.ini"] = kShipped;
  }

  bool IsDirectory(const std::string& path) const override { return dirs.contains(path); }
  bool Exists(const std::string& path) const override { return dirs.contains(path) || files.contains(path); }
  bool CanWriteFolder(const std::string& path) const override { return writable.contains(path); }
  bool MakeDirectories(const std::string& path) override {
    fs::path existing = FsPath(path);
    while (!Exists(Utf8Path(existing))) existing = existing.parent_path();
    if (existing == FsPath(path)) return IsDirectory(path);
    if (!writable.contains(Utf8Path(existing))) return false;
    for (fs::path p = FsPath(path); p != existing; p = p.parent_path()) {
      dirs.insert(Utf8Path(p));
      writable.insert(Utf8Path(p));
    }
    return true;
  }
  bool CopyFileBytes(const std::string& from, const std::string& to) override {
    if (copyFails || !files.contains(from) || Exists(to)) return false;
    if (!writable.contains(Utf8Path(FsPath(to).parent_path()))) return false;
    files[to] = files.at(from);
    return true;
  }

  static constexpr char kShipped[] = "[UserSet]\r\nMediaON=True\r\nMenuName1=\xB1\xA6\xCA\xAF\r\n";
};

struct FakeEnv : Environment {
  std::map<std::string, std::string> vars;
  FakeEnv() = default;
  explicit FakeEnv(std::map<std::string, std::string> v) : vars(std::move(v)) {}
  std::optional<std::string> Get(const std::string& name) const override {
    const auto it = vars.find(name);
    return it == vars.end() ? std::nullopt : std::optional<std::string>(it->second);
  }
};

using Folders = std::vector<std::string>;

TEST(GameFolders, AWritableFolderWithPicturesKeepsEverythingBesideTheExecutable) {
  FakeFiles files;
  files.Game("/home/p/pelmora", true);
  FakeEnv env;
  env.vars = {{"HOME", "/home/p"}, {"XDG_CONFIG_HOME", "/home/p/cfg"}};

  GameFolders f = ChooseGameFolders("/home/p/pelmora", files, env);
  EXPECT_EQ(f.Mode, FolderMode::Portable);
  EXPECT_EQ(f.GameFolder, "/home/p/pelmora");
  EXPECT_EQ(f.SettingsToRead, "/home/p/pelmora/VornPGame.ini");
  EXPECT_EQ(f.SettingsToSave, "/home/p/pelmora/VornPGame.ini");
  EXPECT_EQ(f.LeaderboardFile, "/home/p/pelmora/data.dat");
  EXPECT_EQ(f.MusicFolders, Folders{"/home/p/pelmora/media"});

  const auto before = files.dirs;
  PreparePlayerFolders(f, files);
  EXPECT_EQ(files.dirs, before) << "a portable game makes no folders of the player";
  EXPECT_EQ(files.files.size(), 1u);
  EXPECT_EQ(Filled(f.Message), "");
}

// The game folder is found relative to the executable, wherever the tree was put.
TEST(GameFolders, AnInstalledGameFindsItsDataRelativeToTheExecutable) {
  struct Case {
    const char* what;
    std::vector<std::pair<std::string, bool>> games;  // game folders and whether they are writable
    std::string exe;
    std::string expected;
  };
  const Case cases[] = {
      {"a package under /usr", {{"/usr/share/games/pelmora", false}}, "/usr/games", "/usr/share/games/pelmora"},
      {"a package extracted anywhere", {{"/srv/unpacked/usr/share/games/pelmora", false}}, "/srv/unpacked/usr/games",
       "/srv/unpacked/usr/share/games/pelmora"},
      {"a home install", {{"/home/p/.local/share/games/pelmora", true}}, "/home/p/.local/bin",
       "/home/p/.local/share/games/pelmora"},
      {"games/ comes first", {{"/opt/share/pelmora", false}, {"/opt/share/games/pelmora", false}}, "/opt/bin",
       "/opt/share/games/pelmora"},
      {"a read-only folder with pictures beside the executable", {{"/opt/pelmora", false}}, "/opt/pelmora",
       "/opt/pelmora"},
      {"nothing anywhere: the executable's folder", {}, "/usr/games", "/usr/games"},
  };
  for (const Case& c : cases) {
    FakeFiles files;
    for (const auto& [folder, canWrite] : c.games) files.Game(folder, canWrite);
    files.Dir("/usr/share/pelmora");  // a folder without pictures is passed over
    const GameFolders f = ChooseGameFolders(c.exe, files, FakeEnv{{{"HOME", "/home/p"}}}, PlayerFolderRules::Xdg);
    EXPECT_EQ(f.Mode, FolderMode::Installed) << c.what;
    EXPECT_EQ(f.GameFolder, c.expected) << c.what;
    EXPECT_EQ(f.MusicFolders, (Folders{c.expected + "/media", "/home/p/.local/share/pelmora/media"})) << c.what;
  }
}

TEST(GameFolders, ThePlayersFilesFollowTheXdgVariables) {
  struct Case {
    std::map<std::string, std::string> vars;
    std::string settings;     // "" when there is nowhere to keep them
    std::string leaderboard;  // ""
  };
  const std::string homeSettings = "/home/p/.config/pelmora/VornPGame.ini";
  const std::string homeScores = "/home/p/.local/share/pelmora/data.dat";
  const Case cases[] = {
      {{{"HOME", "/home/p"}}, homeSettings, homeScores},
      {{{"HOME", "/home/p/"}, {"XDG_CONFIG_HOME", "/cfg/"}, {"XDG_DATA_HOME", "/d/x/.."}},
       "/cfg/pelmora/VornPGame.ini", "/d/pelmora/data.dat"},
      {{{"HOME", "/home/p"}, {"XDG_CONFIG_HOME", ""}, {"XDG_DATA_HOME", ""}}, homeSettings, homeScores},
      {{{"HOME", "/home/p"}, {"XDG_CONFIG_HOME", "cfg"}, {"XDG_DATA_HOME", "./data"}}, homeSettings, homeScores},
      {{{"XDG_CONFIG_HOME", "/cfg"}, {"XDG_DATA_HOME", "/data"}}, "/cfg/pelmora/VornPGame.ini",
       "/data/pelmora/data.dat"},
      {{{"HOME", "home/p"}, {"XDG_DATA_HOME", "/data"}}, "", "/data/pelmora/data.dat"},
      {{{"HOME", ""}}, "", ""},
      {{}, "", ""},
  };
  for (const Case& c : cases) {
    FakeFiles files;
    files.Game("/usr/share/games/pelmora", false);
    const GameFolders f = ChooseGameFolders("/usr/games", files, FakeEnv{c.vars}, PlayerFolderRules::Xdg);
    const std::string where = ::testing::PrintToString(c.vars);
    EXPECT_EQ(f.SettingsToSave, c.settings) << where;
    EXPECT_EQ(f.LeaderboardFile, c.leaderboard) << where;
    if (c.settings.empty()) {
      EXPECT_EQ(f.SettingsToRead, "/usr/share/games/pelmora/VornPGame.ini") << where;
    } else {
      EXPECT_EQ(f.SettingsToRead, c.settings) << where;
    }
    const bool lost = c.settings.empty() || c.leaderboard.empty();
    EXPECT_EQ(Filled(f.Message).empty(), !lost) << where;
  }
}

TEST(GameFolders, WithoutAHomeThePlayerIsToldWhatCannotBeSaved) {
  FakeFiles files;
  files.Game("/usr/share/games/pelmora", false);
  const GameFolders f = ChooseGameFolders("/usr/games", files, FakeEnv{{{"XDG_DATA_HOME", "/data"}}}, PlayerFolderRules::Xdg);
  EXPECT_EQ(Filled(f.Message), "找不到玩家的主文件夹（环境变量 HOME）。\n游戏可以照常进行，但设置将无法保存。");
}

TEST(GameFolders, TheFirstStartCopiesTheShippedSettingsAndScoresAndLaterStartsKeepThePlayers) {
  FakeFiles files;
  files.Game("/usr/share/games/pelmora", false);
  files.files["/usr/share/games/pelmora/data.dat"] = "scores of a read-only portable folder";
  files.Dir("/home/p");
  FakeEnv env{{{"HOME", "/home/p"}}};

  GameFolders first = ChooseGameFolders("/usr/games", files, env, PlayerFolderRules::Xdg);
  PreparePlayerFolders(first, files);
  EXPECT_EQ(Filled(first.Message), "");
  EXPECT_EQ(first.SettingsToRead, "/home/p/.config/pelmora/VornPGame.ini");
  EXPECT_EQ(files.files.at(first.SettingsToSave), FakeFiles::kShipped);
  EXPECT_EQ(first.LeaderboardFile, "/home/p/.local/share/pelmora/data.dat");
  EXPECT_EQ(files.files.at(first.LeaderboardFile), "scores of a read-only portable folder");

  files.files[first.SettingsToSave] = "GameMode=3\r\n";
  files.files[first.LeaderboardFile] = "mine";
  GameFolders second = ChooseGameFolders("/usr/games", files, env, PlayerFolderRules::Xdg);
  PreparePlayerFolders(second, files);
  EXPECT_EQ(files.files.at(second.SettingsToSave), "GameMode=3\r\n");
  EXPECT_EQ(second.SettingsToRead, second.SettingsToSave);
  EXPECT_EQ(files.files.at(second.LeaderboardFile), "mine");
  EXPECT_EQ(Filled(second.Message), "");
}

TEST(GameFolders, WhatCannotBeMadeIsToldOnceAndTheShippedSettingsAreRead) {
  struct Case {
    const char* what;
    std::function<void(FakeFiles&)> setUp;
    std::string message;
    bool settingsLost;
  };
  const std::string shipped = "/usr/share/games/pelmora/VornPGame.ini";
  const Case cases[] = {
      {"a home that cannot be written", [](FakeFiles& f) { f.Dir("/home/p", false); },
       "无法创建 /home/p/.config/pelmora。\n游戏可以照常进行，但设置和成绩将无法保存。", true},
      {"a file where the config folder should be",
       [](FakeFiles& f) {
         f.Dir("/home/p");
         f.files["/home/p/.config"] = "";
       },
       "无法创建 /home/p/.config/pelmora。\n游戏可以照常进行，但设置将无法保存。", true},
      {"a data folder that cannot be written",
       [](FakeFiles& f) {
         f.Dir("/home/p");
         f.Dir("/home/p/.local/share", false);
       },
       "无法创建 /home/p/.local/share/pelmora。\n游戏可以照常进行，但成绩将无法保存。", false},
      {"a failing copy",
       [](FakeFiles& f) {
         f.Dir("/home/p");
         f.copyFails = true;
       },
       "无法创建 /home/p/.config/pelmora/VornPGame.ini。\n游戏可以照常进行，但设置将无法保存。", true},
  };
  for (const Case& c : cases) {
    FakeFiles files;
    files.Game("/usr/share/games/pelmora", false);
    c.setUp(files);
    GameFolders f = ChooseGameFolders("/usr/games", files, FakeEnv{{{"HOME", "/home/p"}}}, PlayerFolderRules::Xdg);
    PreparePlayerFolders(f, files);
    EXPECT_EQ(Filled(f.Message), c.message) << c.what;
    EXPECT_EQ(f.SettingsToRead, c.settingsLost ? shipped : f.SettingsToSave) << c.what;
    EXPECT_EQ(f.SettingsToSave, "/home/p/.config/pelmora/VornPGame.ini")
        << c.what << ": the exit's save must go to the player's file, never the shipped one";
    EXPECT_EQ(files.files.at(shipped), FakeFiles::kShipped) << c.what;
  }
}

TEST(GameFolders, AGameFolderThatIsThePlayersDataFolderListsItsMusicOnce) {
  FakeFiles files;
  files.Game("/home/p/.local/share/pelmora", false);
  const GameFolders f = ChooseGameFolders("/home/p/.local/bin", files, FakeEnv{{{"HOME", "/home/p"}}}, PlayerFolderRules::Xdg);
  EXPECT_EQ(f.MusicFolders, Folders{"/home/p/.local/share/pelmora/media"});
}

// The real file system: a package tree made read-only, the player's home elsewhere.
TEST(GameFolders, OnWindowsThePlayersFilesLiveInAppDataAndProgramFilesIsInstalled) {
  FakeFiles files;
  files.Game("C:/Program Files/Pelmora", true);  // an administrator may write there
  files.Dir("C:/Users/玩家/AppData/Roaming");
  FakeEnv env{{{"APPDATA", "C:/Users/玩家/AppData/Roaming"}, {"ProgramFiles", "C:/Program Files"}}};
  GameFolders f = ChooseGameFolders("C:/Program Files/Pelmora", files, env, PlayerFolderRules::Windows);
  EXPECT_EQ(f.Mode, FolderMode::Installed);
  const std::string mine = "C:/Users/玩家/AppData/Roaming/Pelmora";
  EXPECT_EQ(f.SettingsToSave, mine + "/VornPGame.ini");
  EXPECT_EQ(f.LeaderboardFile, mine + "/data.dat");
  EXPECT_EQ(f.MusicFolders, (Folders{"C:/Program Files/Pelmora/media", mine + "/media"}));
  PreparePlayerFolders(f, files);
  EXPECT_EQ(files.files.at(mine + "/VornPGame.ini"), FakeFiles::kShipped);
  EXPECT_EQ(Filled(f.Message), "");

  env.vars.erase("APPDATA");
  EXPECT_EQ(Filled(ChooseGameFolders("C:/Program Files/Pelmora", files, env, PlayerFolderRules::Windows).Message),
            "找不到玩家的应用数据文件夹（环境变量 APPDATA）。\n游戏可以照常进行，但设置和成绩将无法保存。");
  files.Game("D:/Games/Pelmora", true);
  EXPECT_EQ(ChooseGameFolders("D:/Games/Pelmora", files, env, PlayerFolderRules::Windows).Mode, FolderMode::Portable);
}

#ifndef _WIN32
TEST(SystemGameFolders, AnInstalledTreeGivesThePlayerAWritableCopyOfItsSettings) {
  TempFolder root;
  const fs::path tree = root.Path() / "pkg";
  const fs::path game = tree / "usr/share/games/pelmora";
  fs::create_directories(game / "images");
  fs::create_directories(tree / "usr/games");
  const std::string shipped = std::string("[UserSet]\r\nGameMode=1\r\n\xB1\xA6\xCA\xAF\r\n") + '\0' + "end";
  WriteBytes((game / "VornPGame.ini").string(), shipped);
  fs::permissions(game / "VornPGame.ini", fs::perms::owner_read | fs::perms::group_read | fs::perms::others_read);
  fs::create_directories(root.Path() / "home");

  SystemFolderFiles files;
  FakeEnv env{{{"HOME", (root.Path() / "home").string()}}};
  GameFolders f = ChooseGameFolders((tree / "usr/games").string(), files, env);
  ASSERT_EQ(f.GameFolder, game.string());
  PreparePlayerFolders(f, files);
  ASSERT_EQ(Filled(f.Message), "");

  const std::string copy = (root.Path() / "home/.config/pelmora/VornPGame.ini").string();
  ASSERT_EQ(f.SettingsToSave, copy);
  EXPECT_EQ(ReadBytes(copy), shipped);
  struct stat st {};
  ASSERT_EQ(::stat(copy.c_str(), &st), 0);
  EXPECT_TRUE(st.st_mode & S_IWUSR) << "a copy of a read-only file must still take the player's settings";
  ASSERT_EQ(::stat((root.Path() / "home/.local/share/pelmora").c_str(), &st), 0);
  EXPECT_EQ(st.st_mode & 0777, 0700u);

  WriteBytes(copy, "mine");
  EXPECT_FALSE(files.CopyFileBytes((game / "VornPGame.ini").string(), copy));
  EXPECT_EQ(ReadBytes(copy), "mine");
  EXPECT_FALSE(files.CopyFileBytes((game / "missing.ini").string(), (root.Path() / "new.ini").string()));
  EXPECT_FALSE(fs::exists(root.Path() / "new.ini")) << "a failed copy leaves no file";
}

#else
PELMORA_POSIX_ONLY_TEST(SystemGameFolders, AnInstalledTreeGivesThePlayerAWritableCopyOfItsSettings,
                        "it checks the permission bits of the copy and of the folders made")
#endif

}  // namespace
}  // namespace pelmora
