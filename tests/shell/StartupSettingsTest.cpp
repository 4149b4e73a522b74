// What start-up makes of the settings file, without the windows.
#include "shell/StartupSettings.h"

#include <gtest/gtest.h>
#ifndef _WIN32
#include <sys/inotify.h>
#include <unistd.h>
#endif

#include <filesystem>
#include <string>
#include <vector>

#include "platform/TextCodec.h"
#include "support/PosixOnly.h"
#include "support/Fakes.h"
#include "support/TempFolder.h"

namespace pelmora {
namespace {

using testing::FakeDialogs;

class StartupSettingsTest : public ::testing::Test {
 protected:
  // The file as the game ships it, GBK with CR LF, with `menu` in place of its [GameMenu] lines.
  void WriteSettings(const std::vector<std::string>& menu, int gameMain = 1) {
    std::string text = "[UserSet]\r\nMediaON=True\r\nMediaMax=60\r\nSoundON=True\r\nSoundMax=80\r\nGameMode=1\r\n"
                       "GameMain=" + std::to_string(gameMain) + "\r\n[GameMenu]\r\n";
    for (const std::string& line : menu) text += line + "\r\n";
    testing::WriteBytes(folder.File("VornPGame.ini"), Utf8ToGbk(text).value());
  }
  StartupSettings Read() { return ReadStartupSettings(SettingsFile(folder.File("VornPGame.ini")), folder.Path().string(), dialogs); }

  testing::TempFolder folder;
  FakeDialogs dialogs;
};

TEST_F(StartupSettingsTest, ALongSetNameIsCutToWholeCharactersForTheMenu) {
  const std::string thirtyTwo = "一二三四五六七八九十一二三四五六七八九十一二三四五六七八九十一二";
  WriteSettings({"Menu=2", "MenuName1=" + thirtyTwo, "MenuPath1=\\a\\", "MenuName2=" + thirtyTwo + "三四",
                 "MenuPath2=\\b\\"});
  const StartupSettings read = Read();
  ASSERT_EQ(read.Sets.size(), 2u);
  EXPECT_EQ(read.Sets[0].Name, thirtyTwo);
  EXPECT_EQ(read.Sets[1].Name, thirtyTwo + "…");
}

TEST_F(StartupSettingsTest, TheSetListEndsAtTheFirstSetMissingWithOneBoxAndNoBlankEntry) {
  const std::vector<std::string> three = {"MenuName1=宝石", "MenuPath1=\\pics\\gems\\", "MenuName2=花园",
                                          "MenuPath2=\\pics\\garden\\", "MenuName3=冬雪",
                                          "MenuPath3=\\pics\\winter\\"};
  struct Case {
    std::vector<std::string> menu;
    std::vector<std::string> names;  // the sets read
    std::size_t boxes;               // the reader's not-found boxes
  };
  const auto with = [&](std::vector<std::string> head, std::vector<std::string> tail) {
    head.insert(head.end(), tail.begin(), tail.end());
    return head;
  };
  const Case cases[] = {
      {with({"Menu=32767"}, three), {"宝石", "花园", "冬雪"}, 1},
      {with({"Menu=5"}, three), {"宝石", "花园", "冬雪"}, 1},
      {{"Menu=3", "MenuName1=宝石", "MenuPath1=\\pics\\gems\\", "MenuName2=花园", "MenuName3=冬雪",
        "MenuPath3=\\pics\\winter\\"},
       {"宝石"},
       1},
      {{"Menu=2", "MenuName1=宝石", "MenuPath1=\\pics\\gems\\", "MenuName2=  ", "MenuPath2=\\x\\"}, {"宝石"}, 0},
      {{"Menu=2", "MenuName1=宝石", "MenuPath1=", "MenuName2=花园", "MenuPath2=\\x\\"}, {"宝石", "花园", "冬雪"}, 0},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.menu.front() + " " + std::to_string(c.names.size()));
    WriteSettings(c.menu);
    dialogs.messages.clear();
    dialogs.fallback = Answer::Abort;
    const StartupSettings read = Read();
    std::vector<std::string> names;
    for (const PictureSet& set : read.Sets) {
      names.push_back(set.Name);
      EXPECT_NE(set.Path.substr(folder.Path().string().size()).find_first_not_of(" \t"), std::string::npos);
    }
    EXPECT_EQ(names, c.names);
    EXPECT_EQ(dialogs.messages.size(), c.boxes);
  }
}

TEST_F(StartupSettingsTest, AChosenSetBeyondTheSetsReadFallsBackToTheFirst) {
  WriteSettings({"Menu=5", "MenuName1=宝石", "MenuPath1=\\pics\\gems\\", "MenuName2=花园",
                 "MenuPath2=\\pics\\garden\\"},
                /*gameMain=*/3);
  dialogs.fallback = Answer::Abort;
  EXPECT_EQ(Read().User.GameMain, 1);
}

TEST_F(StartupSettingsTest, SettingsApartFromTheGameFolderAndAStaleTemporaryFileThere) {
  namespace fs = std::filesystem;
  fs::create_directory(folder.Path() / "player");
  const SettingsFile file(folder.File("player/VornPGame.ini"));
  WriteSettings({"Menu=1", "MenuName1=宝石", "MenuPath1=\\pics\\gems\\"}, /*gameMain=*/1);
  fs::rename(folder.File("VornPGame.ini"), file.Path);
  const std::string leftover = folder.File("player/VornPGame.ini.00000000deadbeef.tmp");
  testing::WriteBytes(leftover, "[UserSet]\r\nGameMode=3\r\n");  // left by a crash

  const StartupSettings read = ReadStartupSettings(file, folder.Path().string(), dialogs);
  EXPECT_EQ(read.User.GameMode, 1);
  EXPECT_FALSE(fs::exists(leftover));
  ASSERT_EQ(read.Sets.size(), 1u);
  EXPECT_EQ(read.Sets[0].Path, folder.Path().string() + "\\pics\\gems\\");

  UserSettings user = read.User;
  user.GameMode = 2;
  ASSERT_EQ(WriteUserSettings(file, user), std::nullopt);
  EXPECT_EQ(ReadStartupSettings(file, folder.Path().string(), dialogs).User.GameMode, 2);
  EXPECT_FALSE(fs::exists(folder.File("VornPGame.ini")));
  EXPECT_TRUE(dialogs.messages.empty());
}

#ifndef _WIN32
// Files renamed into a folder while it is watched: each one a replacement of a stored file.
// Files created are watched too, though not reported: the kernel merges an event into the one
// before it when both are alike, so six renames in a row would show as one.
class RenameWatch {
 public:
  explicit RenameWatch(const std::string& folder) : fd_(::inotify_init1(IN_NONBLOCK)) {
    ::inotify_add_watch(fd_, folder.c_str(), IN_MOVED_TO | IN_CREATE);
  }
  ~RenameWatch() { ::close(fd_); }
  std::vector<std::string> Renamed() const {
    std::vector<std::string> names;
    alignas(inotify_event) char buffer[4096];
    ssize_t n;
    while ((n = ::read(fd_, buffer, sizeof buffer)) > 0) {
      for (char* p = buffer; p < buffer + n;) {
        const auto* event = reinterpret_cast<const inotify_event*>(p);
        if ((event->mask & IN_MOVED_TO) != 0) names.emplace_back(event->len > 0 ? event->name : "");
        p += sizeof(inotify_event) + event->len;
      }
    }
    return names;
  }

 private:
  int fd_;
};

TEST_F(StartupSettingsTest, TheShutdownStoresAllSixSettingsWithOneReplacement) {
  WriteSettings({"Menu=1", "MenuName1=宝石", "MenuPath1=\\pics\\gems\\"});
  UserSettings user = ShippedUserSettings();
  user.MediaON = kFalse;
  user.GameMode = 4;
  const RenameWatch watch(folder.Path().string());
  ASSERT_EQ(WriteUserSettings(SettingsFile(folder.File("VornPGame.ini")), user), std::nullopt);
  EXPECT_EQ(watch.Renamed(), std::vector<std::string>{"VornPGame.ini"});
  const StartupSettings read = Read();
  EXPECT_EQ(read.User.MediaON, kFalse);
  EXPECT_EQ(read.User.GameMode, 4);
  EXPECT_TRUE(dialogs.messages.empty());
}
#else
PELMORA_POSIX_ONLY_TEST_F(StartupSettingsTest, TheShutdownStoresAllSixSettingsWithOneReplacement,
                        "the replacements are counted with inotify")
#endif

}  // namespace
}  // namespace pelmora
