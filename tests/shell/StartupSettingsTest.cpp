// What start-up makes of the settings file, without the windows.
#include "shell/StartupSettings.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "platform/TextCodec.h"
#include "support/Fakes.h"
#include "support/TempFolder.h"

namespace pelmora {
namespace {

using testing::FakeDialogs;

class StartupSettingsTest : public ::testing::Test {
 protected:
  // The file as the game ships it, GBK with CR LF, with `menu` in place of its [GameMenu] lines.
  void WriteSettings(const std::vector<std::string>& menu) {
    std::string text = "[UserSet]\r\nMediaON=True\r\nMediaMax=60\r\nSoundON=True\r\nSoundMax=80\r\nGameMode=1\r\n"
                       "GameMain=1\r\n[GameMenu]\r\n";
    for (const std::string& line : menu) text += line + "\r\n";
    testing::WriteBytes(folder.File("VornPGame.ini"), Utf8ToGbk(text).value());
  }
  StartupSettings Read() { return ReadStartupSettings(folder.Path().string(), dialogs); }

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

}  // namespace
}  // namespace pelmora
