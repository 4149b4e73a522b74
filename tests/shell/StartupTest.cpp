// Start-up from damaged game folders: the game starts with values a player would expect.
#include "shell/SessionFixture.h"

namespace pelmora::testing {
namespace {

using ::testing::ElementsAre;
using ::testing::HasSubstr;

class Startup : public SessionTest {};

TEST_F(Startup, MissingKeysAnsweredAbortGiveTheShippedValues) {
  folder.WriteSettings({"[UserSet]", "GameMode=3", "[GameMenu]", "Menu=3", "MenuName1=宝石", "MenuPath1=\\pics\\gems\\",
                        "MenuName2=花园", "MenuPath2=\\pics\\garden\\", "MenuName3=冬雪", "MenuPath3=\\pics\\winter\\"});
  dialogs.fallback = Answer::Abort;
  ASSERT_TRUE(Start());
  // MediaON, MediaMax, SoundON, SoundMax and GameMain are missing: one box each.
  EXPECT_EQ(dialogs.messages.size(), 5u);
  for (const auto& m : dialogs.messages) EXPECT_EQ(m.text, "在文件中没有找到所要查找的字段");
  EXPECT_EQ(session->settings().GameMode, 3);
  EXPECT_EQ(session->settings().MediaMax, 60);
  EXPECT_EQ(session->settings().GameMain, 1);
  EXPECT_EQ(session->settings().SoundON, kTrue);
}

TEST_F(Startup, NonNumbersAndOutOfRangeValuesAreReplaced) {
  folder.WriteSettings({"[UserSet]", "MediaON=maybe", "MediaMax=loud", "SoundON=False", "SoundMax=x", "GameMode=9",
                        "GameMain=4", "[GameMenu]", "Menu=3", "MenuName1=宝石", "MenuPath1=\\pics\\gems\\",
                        "MenuName2=花园", "MenuPath2=\\pics\\garden\\", "MenuName3=冬雪", "MenuPath3=\\pics\\winter\\"});
  ASSERT_TRUE(Start());
  EXPECT_TRUE(dialogs.messages.empty());
  EXPECT_EQ(session->settings().MediaON, kTrue);
  EXPECT_EQ(session->settings().MediaMax, 60);
  EXPECT_EQ(session->settings().SoundON, kFalse);
  EXPECT_FALSE(view.sound);
  EXPECT_EQ(session->settings().GameMode, 1);
  EXPECT_EQ(view.mode, 1);
  EXPECT_EQ(session->settings().GameMain, 1);  // MenuCount + 1
}

TEST_F(Startup, TheLastSetStaysChosen) {
  folder.WriteSettings({"[UserSet]", "MediaON=False", "MediaMax=60", "SoundON=True", "SoundMax=80", "GameMode=2",
                        "GameMain=3", "[GameMenu]", "Menu=3", "MenuName1=宝石", "MenuPath1=\\pics\\gems\\",
                        "MenuName2=花园", "MenuPath2=\\pics\\garden\\", "MenuName3=冬雪", "MenuPath3=\\pics\\winter\\"});
  ASSERT_TRUE(Start());
  EXPECT_EQ(session->settings().GameMain, 3);
  EXPECT_FALSE(view.music);
  EXPECT_TRUE(player.calls.empty() || player.calls == std::vector<std::string>{"volume 60"});
}

TEST_F(Startup, NoPictureSetsInTheFileGiveTheShippedOnes) {
  for (const char* menu : {"Menu=0", "Menu=-2"}) {
    folder.WriteSettings({"[UserSet]", "MediaON=False", "MediaMax=60", "SoundON=True", "SoundMax=80", "GameMode=2",
                          "GameMain=2", "[GameMenu]", menu});
    ASSERT_TRUE(Start());
    ASSERT_EQ(session->pictureSets().size(), 3u) << menu;
    EXPECT_EQ(session->pictureSets()[1].Name, "花园");
    EXPECT_EQ(session->settings().GameMain, 2);
    EXPECT_EQ(view.sets.size(), 3u);
  }
}

TEST_F(Startup, MusicIsOnAtTheTitleScreenWhenSwitchedOn) {
  std::ofstream(folder.Path() / "media" / "theme.wav") << "x";
  ASSERT_TRUE(Start());
  EXPECT_THAT(player.calls, ElementsAre("open " + folder.Text() + "/media/theme.wav", "volume 60"));
}

TEST_F(Startup, AFixedPictureThatCannotBeLoadedIsNamedAndTheGameDoesNotStart) {
  pictures.broken = {"ROverM.JPG"};
  EXPECT_FALSE(Start());
  ASSERT_EQ(dialogs.messages.size(), 1u);
  EXPECT_THAT(dialogs.messages[0].text, HasSubstr("ROverM.JPG"));
}

TEST_F(Startup, AMissingSettingsFileSaysSoForEachReadAndStartsAllTheSame) {
  fs::remove(folder.Path() / "VornPGame.ini");
  ASSERT_TRUE(Start());
  ASSERT_FALSE(dialogs.messages.empty());
  for (const auto& m : dialogs.messages) EXPECT_EQ(m.text, "文件出错");
  EXPECT_EQ(session->pictureSets().size(), 3u);
}

TEST_F(Startup, AnInstalledGameSavesToThePlayersOwnFilesAndTellsItsMessageOnce) {
  fs::create_directories(folder.Path() / "player");
  fs::copy_file(folder.Path() / "VornPGame.ini", folder.Path() / "player" / "VornPGame.ini");
  const std::string shipped = ReadBytes((folder.Path() / "VornPGame.ini").string());
  where = PortableGameFolders(folder.Text());
  where->Mode = FolderMode::Installed;
  where->SettingsToSave = where->SettingsToRead = (folder.Path() / "player" / "VornPGame.ini").string();
  where->LeaderboardFile = (folder.Path() / "player" / "data.dat").string();
  where->Message = "无法创建 /x。";
  ASSERT_TRUE(Start());
  EXPECT_THAT(dialogs.Captions(), ElementsAre("Pelmora2.0.0: 无法创建 /x。"));
  EXPECT_TRUE(fs::exists(folder.Path() / "player" / "data.dat"));
  session->SelectGameMode(3);
  session->Shutdown();
  EXPECT_EQ(ReadBytes((folder.Path() / "VornPGame.ini").string()), shipped);
  EXPECT_THAT(GbkToUtf8(ReadBytes((folder.Path() / "player" / "VornPGame.ini").string())), HasSubstr("GameMode=3\r\n"));
  EXPECT_EQ(dialogs.messages.size(), 1u);
}

}  // namespace
}  // namespace pelmora::testing
