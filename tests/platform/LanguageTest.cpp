// The choice of language: the desktop's locale, the stored choice, the English twins of files,
// and the filling of a sentence's places.
#include "platform/Language.h"

#include <gtest/gtest.h>

#include <set>

#include "support/TempFolder.h"

namespace pelmora {
namespace {

using testing::ReadBytes;
using testing::TempFolder;
using testing::WriteBytes;

TEST(Language, AnyChineseLocaleIsChineseEverythingElseEnglish) {
  for (const char* zh : {"zh", "zh_CN.UTF-8", "zh_TW", "zh-Hant-HK", "ZH_cn", "zh@stroke"})
    EXPECT_EQ(LanguageOfLocale(zh), Language::Chinese) << zh;
  for (const char* en : {"", "C", "POSIX", "en_US.UTF-8", "de_DE", "zu_ZA", "zha", "z"})
    EXPECT_EQ(LanguageOfLocale(en), Language::English) << en;
}

TEST(Language, EnglishReadsTheTwinUnderEnWhenThereIsOne) {
  const std::set<std::string> present{"/g/en/ui/NewGame.png", "/g/en/Help.txt", "/elsewhere/en/x.png"};
  const auto exists = [&](const std::string& p) { return present.count(p) > 0; };
  const auto english = [&](const std::string& p) { return FileForLanguage("/g", p, Language::English, exists); };
  EXPECT_EQ(english("/g/ui/NewGame.png"), "/g/en/ui/NewGame.png");
  EXPECT_EQ(english("/g/./ui//NewGame.png"), "/g/en/ui/NewGame.png");
  EXPECT_EQ(english("/g/Help.txt"), "/g/en/Help.txt");
  EXPECT_EQ(english("/g/ui/Pause.png"), "/g/ui/Pause.png");            // no twin: the file itself
  EXPECT_EQ(english("/g/../elsewhere/x.png"), "/g/../elsewhere/x.png");  // not the game's own
  EXPECT_EQ(FileForLanguage("/g", "/g/ui/NewGame.png", Language::Chinese, exists), "/g/ui/NewGame.png");
}

TEST(Language, TheChoiceIsReadQuietlyAndStoredInTheFilesOwnEncoding) {
  TempFolder dir;
  const std::string ini = dir.File("VornPGame.ini");
  const std::string gbk = "[UserSet]\r\nGameMode=2\r\n[GameMenu]\r\nMenuName1=\xB1\xA6\xCA\xAF\r\n";  // 宝石
  EXPECT_EQ(ReadChosenLanguage(dir.File("missing.ini")), std::nullopt);
  WriteBytes(ini, gbk);
  EXPECT_EQ(ReadChosenLanguage(ini), std::nullopt);
  ASSERT_EQ(StoreChosenLanguage(ini, Language::English), std::nullopt);
  EXPECT_EQ(ReadBytes(ini), gbk + "Language=en\r\n");
  EXPECT_EQ(ReadChosenLanguage(ini), Language::English);
  ASSERT_EQ(StoreChosenLanguage(ini, Language::Chinese), std::nullopt);
  EXPECT_EQ(ReadBytes(ini), gbk + "Language=zh\r\n");
  EXPECT_EQ(ReadChosenLanguage(ini), Language::Chinese);
  WriteBytes(ini, "[UserSet]\r\nLanguage=fr\r\n");
  EXPECT_EQ(ReadChosenLanguage(ini), std::nullopt);
}

TEST(Text, PlacesAreFilledWhereTheSentencePutsThem) {
  EXPECT_EQ(FillPlaces("第%1关", {"12"}), "第12关");
  EXPECT_EQ(FillPlaces("%2 in %1, %2", {"a", "b"}), "b in a, b");
  EXPECT_EQ(FillPlaces("文件出错", {"/x"}), "文件出错");           // a filling may go unsaid
  EXPECT_EQ(FillPlaces("100% %3 %", {"a"}), "100% %3 %");          // no filling: as written
  EXPECT_EQ(FillPlaces("%1", {"%2"}), "%2");                       // a filling is not read again
}

}  // namespace
}  // namespace pelmora
