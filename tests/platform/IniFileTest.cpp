// The settings file reader and writer, byte for byte on real files in a scratch folder.
#include "platform/IniFile.h"

#include <gtest/gtest.h>
#ifndef _WIN32
#include <grp.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>
#endif

#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <vector>

#include "platform/AppInfo.h"
#include "platform/TextCodec.h"
#include "support/Fakes.h"
#include "support/PosixOnly.h"
#include "support/TempFolder.h"

namespace pelmora {
namespace {

namespace fs = std::filesystem;
using testing::FakeDialogs;

// GBK bytes of the texts used below. 擺 is a character whose second byte is "[" (0x5B).
constexpr char kGbkGems[] = "\xB1\xA6\xCA\xAF";     // 宝石
constexpr char kGbkGarden[] = "\xBB\xA8\xD4\xB0";   // 花园
constexpr char kGbkWinter[] = "\xB6\xAC\xD1\xA9";   // 冬雪
constexpr char kGbkBracket[] = "\x94[";             // 擺

const std::string kNotFound = "在文件中没有找到所要查找的字段";

class IniFileTest : public ::testing::Test {
 protected:
  void SetUp() override {
    dir_ = temp_.Path();
    ini_ = (dir_ / "VornPGame.ini").string();
  }
  void TearDown() override {
    fs::permissions(dir_, fs::perms::owner_all, fs::perm_options::add);  // so that it can be removed
  }

  void Write(const std::string& bytes) const {
    std::ofstream(ini_, std::ios::binary) << bytes;
  }
  std::string Contents() const {
    std::ifstream in(ini_, std::ios::binary);
    return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
  }
  std::string Get(std::string_view section, std::string_view key) { return GetIniValue(ini_, section, key, dialogs_); }
  bool Set(std::string_view section, std::string_view key, std::string_view value) {
    return !SetIniValue(ini_, section, key, value);
  }
  // Nothing but the settings file in its folder: no temporary file left, whatever its name.
  bool OnlyTheSettingsFile() const {
    return std::distance(fs::directory_iterator(dir_), fs::directory_iterator()) == fs::exists(ini_);
  }
  int NotFoundBoxes() const {
    int n = 0;
    for (const auto& m : dialogs_.messages) n += m.text == kNotFound;
    return n;
  }

  testing::TempFolder temp_;
  fs::path dir_;
  std::string ini_;
  FakeDialogs dialogs_;
};

// ---- reader --------------------------------------------------------------------------------

TEST_F(IniFileTest, ReadsTheKeyOfTheSectionAndComparesNamesExactly) {
  Write("[UserSet]\r\nMediaON=-1\r\nGameMode=2\r\n");
  EXPECT_EQ(Get("UserSet", "GameMode"), "2");
  EXPECT_EQ(Get("UserSet", "MediaON"), "-1");
  EXPECT_TRUE(dialogs_.messages.empty());

  dialogs_.answers = {Answer::Abort};
  EXPECT_EQ(Get("UserSet", "gamemode"), "");
  ASSERT_EQ(dialogs_.messages.size(), 1u);
  EXPECT_EQ(dialogs_.messages[0].text, kNotFound);
  EXPECT_EQ(dialogs_.messages[0].caption, "错误信息");
  EXPECT_EQ(dialogs_.messages[0].buttons, Buttons::AbortRetryIgnore);
  EXPECT_EQ(dialogs_.messages[0].icon, Icon::None);

  dialogs_.answers = {Answer::Abort};
  EXPECT_EQ(Get("UserSet", "GameMode "), "");  // no trimming of names either
  EXPECT_EQ(NotFoundBoxes(), 2);
}

TEST_F(IniFileTest, ALineWithoutEqualsHidesTheKeyAfterIt) {
  Write("[UserSet]\r\n"
        "\r\n"
        "MediaON=-1\r\n"
        "GameMode=2\r\n");
  dialogs_.answers = {Answer::Abort};
  EXPECT_EQ(Get("UserSet", "MediaON"), "");
  EXPECT_EQ(NotFoundBoxes(), 1);
  EXPECT_EQ(Get("UserSet", "GameMode"), "2");
  EXPECT_EQ(NotFoundBoxes(), 1);
}

TEST_F(IniFileTest, ValuesRunUntrimmedToTheLineEnd) {
  Write("[UserSet]\r\nGameMain= 3\r\nPath=a=b \r\nEmpty=\r\nLast=end");
  EXPECT_EQ(Get("UserSet", "GameMain"), " 3");
  EXPECT_EQ(Get("UserSet", "Path"), "a=b ");
  EXPECT_EQ(Get("UserSet", "Empty"), "");
  EXPECT_EQ(Get("UserSet", "Last"), "end");  // no line end after the last value
  EXPECT_TRUE(dialogs_.messages.empty());
}

TEST_F(IniFileTest, LinuxLineEndsReadLikeWindowsOnes) {
  Write("[UserSet]\nMediaON=-1\nGameMode=2\n[GameMenu]\nMenu=3\nMenuName1=x\n");
  EXPECT_EQ(Get("UserSet", "MediaON"), "-1");
  EXPECT_EQ(Get("UserSet", "GameMode"), "2");
  EXPECT_EQ(Get("GameMenu", "Menu"), "3");
  EXPECT_EQ(Get("GameMenu", "MenuName1"), "x");
  EXPECT_TRUE(dialogs_.messages.empty());
}

TEST_F(IniFileTest, TheKeySearchRunsOnPastTheEndOfTheSection) {
  Write("[UserSet]\r\n"
        "GameMode=2\r\n"
        "[GameMenu]\r\n"
        "Menu=3\r\n"
        "MenuName1=gems\r\n");
  EXPECT_EQ(Get("UserSet", "MenuName1"), "gems");
  // The header line has no "=", so it merges into the first key of the later section.
  dialogs_.answers = {Answer::Abort};
  EXPECT_EQ(Get("UserSet", "Menu"), "");
  EXPECT_EQ(NotFoundBoxes(), 1);
}

TEST_F(IniFileTest, RetryAndIgnoreAskAgainUntilAbort) {
  Write("[UserSet]\r\nGameMode=2\r\n");
  dialogs_.answers = {Answer::Retry, Answer::Ignore, Answer::Retry, Answer::Ignore, Answer::Abort, Answer::Retry};
  EXPECT_EQ(Get("UserSet", "SoundMax"), "");
  EXPECT_EQ(NotFoundBoxes(), 5);
  // A box closed some other way ends the asking too instead of looping for ever.
  dialogs_.answers.clear();
  dialogs_.fallback = Answer::Ok;
  EXPECT_EQ(Get("UserSet", "SoundMax"), "");
  EXPECT_EQ(NotFoundBoxes(), 6);
}

TEST_F(IniFileTest, AMissingSectionEndsInTheNotFoundBox) {
  Write("[GameMenu]\r\nGameMode=2\r\n");
  EXPECT_EQ(Get("UserSet", "Anything"), "");
  EXPECT_EQ(NotFoundBoxes(), 1);
  Write("");
  EXPECT_EQ(Get("UserSet", "GameMode"), "");
  EXPECT_EQ(NotFoundBoxes(), 2);
}

TEST_F(IniFileTest, AKeyWithNothingAfterItsEqualsAtTheEndOfTheFileIsNotFound) {
  // The value read starts at the end of the file and fails, as the historic reader did.
  Write("[UserSet]\r\nGameMode=");
  EXPECT_EQ(Get("UserSet", "GameMode"), "");
  EXPECT_EQ(NotFoundBoxes(), 1);
}

TEST_F(IniFileTest, AMissingFileIsAFileErrorOncePerCall) {
  for (int call = 1; call <= 2; ++call) {
    EXPECT_EQ(Get("UserSet", "MediaON"), "");
    ASSERT_EQ(dialogs_.messages.size(), static_cast<std::size_t>(call));
    const auto& m = dialogs_.messages.back();
    EXPECT_EQ(m.text, "文件出错");
    EXPECT_EQ(m.caption, "Pelmora2.0.0");
    EXPECT_EQ(m.caption, kAppTitle);
    EXPECT_EQ(m.buttons, Buttons::Ok);
    EXPECT_EQ(m.icon, Icon::None);
  }
}

TEST_F(IniFileTest, AFolderInsteadOfAFileIsAFileError) {
  fs::create_directory(ini_);
  EXPECT_EQ(Get("UserSet", "MediaON"), "");
  ASSERT_EQ(dialogs_.messages.size(), 1u);
  EXPECT_EQ(dialogs_.messages[0].text, "文件出错");
}

TEST_F(IniFileTest, AMatchingHeaderWithoutItsLineEndIsAFileError) {
  for (const char* text : {"[A]\r\nX=1\r\n[UserSet]", "[UserSet]\r"}) {
    dialogs_.messages.clear();
    Write(text);
    EXPECT_EQ(Get("UserSet", "X"), "") << text;
    ASSERT_EQ(dialogs_.messages.size(), 1u) << text;
    EXPECT_EQ(dialogs_.messages[0].text, "文件出错");
  }
}

TEST_F(IniFileTest, ABracketAnywhereStartsASectionName) {
  // The "[" in the value swallows everything up to the next "]", the real header included.
  Write("[GameMenu]\r\n"
        "MenuPath1=[x\r\n"
        "[UserSet]\r\n"
        "GameMode=2\r\n");
  EXPECT_EQ(Get("UserSet", "GameMode"), "");
  EXPECT_EQ(NotFoundBoxes(), 1);
  // And a value that spells a header counts as one.
  Write("[GameMenu]\r\n"
        "Note=[UserSet]\r\n"
        "GameMode=2\r\n");
  EXPECT_EQ(Get("UserSet", "GameMode"), "2");
}

TEST_F(IniFileTest, AGbkTrailByteThatEqualsABracketIsNoBracket) {
  const std::string file = std::string("[GameMenu]\r\nMenuName1=") + kGbkBracket + "\r\n" +
                           "[UserSet]\r\nGameMode=2\r\n" +
                           "[" + kGbkBracket + kGbkWinter + "]\r\nDeep=yes\r\n";
  ASSERT_FALSE(IsValidUtf8(file));
  Write(file);
  EXPECT_EQ(Get("UserSet", "GameMode"), "2");
  EXPECT_EQ(Get("GameMenu", "MenuName1"), "擺");
  EXPECT_EQ(Get("擺冬雪", "Deep"), "yes");
  EXPECT_TRUE(dialogs_.messages.empty());
}

TEST_F(IniFileTest, AUtf8FileIsReadAsUtf8) {
  Write("[GameMenu]\r\nMenu=1\r\nMenuName1=冬雪\r\n[雪]\r\nK=花园\r\n");
  EXPECT_EQ(Get("GameMenu", "MenuName1"), "冬雪");
  EXPECT_EQ(Get("雪", "K"), "花园");
  EXPECT_TRUE(dialogs_.messages.empty());
}

// ---- writer --------------------------------------------------------------------------------

TEST_F(IniFileTest, WritingReplacesTheKeyLineInPlace) {
  Write("[UserSet]\r\nMediaON=-1\r\nGameMode=2\r\n");
  ASSERT_TRUE(Set("UserSet", "GameMode", IniText(std::int16_t{3})));
  EXPECT_EQ(Contents(), "[UserSet]\r\nMediaON=-1\r\nGameMode=3\r\n");
  EXPECT_TRUE(OnlyTheSettingsFile());
}

TEST_F(IniFileTest, AMissingKeyIsAppendedAtTheVeryEndOfTheFile) {
  Write("[UserSet]\r\n"
        "MediaON=True\r\n"
        "[GameMenu]\r\n"
        "Menu=3\r\n");
  ASSERT_TRUE(Set("UserSet", "SoundMax", IniText(std::int16_t{80})));
  EXPECT_EQ(Contents(),
            "[UserSet]\r\n"
            "MediaON=True\r\n"
            "[GameMenu]\r\n"
            "Menu=3\r\n"
            "SoundMax=80\r\n");
}

TEST_F(IniFileTest, WithoutAMatchingHeaderTheSectionIsAppendedAndTheValueReadsBack) {
  Write("[Other]\r\nA=1\nB=2");
  ASSERT_TRUE(Set("UserSet", "GameMode", "3"));
  EXPECT_EQ(Contents(), "[Other]\r\nA=1\r\nB=2\r\n[UserSet]\r\nGameMode=3\r\n");
  EXPECT_EQ(Get("UserSet", "GameMode"), "3");
  Write("");
  ASSERT_TRUE(Set("UserSet", "GameMode", "3"));
  EXPECT_EQ(Contents(), "[UserSet]\r\nGameMode=3\r\n");
  EXPECT_EQ(Get("UserSet", "GameMode"), "3");
  EXPECT_TRUE(dialogs_.messages.empty());
}

TEST_F(IniFileTest, ABooleanIsWrittenAsAWordAndReadsBackTrue) {
  Write("[UserSet]\r\nMediaON=0\r\nMediaMax=60\r\n");
  ASSERT_TRUE(Set("UserSet", "MediaON", IniBoolText(-1)));
  EXPECT_EQ(Contents(), "[UserSet]\r\nMediaON=True\r\nMediaMax=60\r\n");
  EXPECT_EQ(ParseIniBool(Get("UserSet", "MediaON")), std::int16_t{-1});
}

TEST_F(IniFileTest, HeaderAndKeyMatchAsSubstrings) {
  Write("[UserSet2]\r\nGameMode=1\r\n");
  ASSERT_TRUE(Set("UserSet", "GameMode", "3"));
  EXPECT_EQ(Contents(), "[UserSet2]\r\nGameMode=3\r\n");

  Write("[UserSet]\r\n"
        "Note=see GameMode\r\n"
        "GameMode=1\r\n");
  ASSERT_TRUE(Set("UserSet", "GameMode", "3"));
  EXPECT_EQ(Contents(),
            "[UserSet]\r\n"
            "GameMode=3\r\n"
            "GameMode=1\r\n");

  Write("  [ UserSet ]  \r\n   GameMode = 1   \r\n");  // spaces kept on the copied lines
  ASSERT_TRUE(Set("UserSet", "GameMode", "4"));
  EXPECT_EQ(Contents(), "  [ UserSet ]  \r\nGameMode=4\r\n");
}

TEST_F(IniFileTest, GbkLinesAreCopiedByteForByteAndNeverMistakenForHeaders) {
  // "MenuName1=擺UserSet" holds the byte "[" and the section name, but no "[" character.
  const std::string before = std::string("[GameMenu]\r\n") +
                             "MenuName1=" + kGbkBracket + "UserSet\r\n" +
                             "GameMode=1\r\n" +
                             "MenuName2=" + kGbkGarden + "\r\n" +
                             "[UserSet]\r\n" +
                             "GameMode=2\r\n";
  Write(before);
  ASSERT_TRUE(Set("UserSet", "GameMode", "3"));
  std::string after = before;
  after.replace(after.rfind("GameMode=2"), 10, "GameMode=3");
  EXPECT_EQ(Contents(), after);
}

TEST_F(IniFileTest, AGbkFileStaysGbkWhenItsOnlyNonUtf8BytesAreRewritten) {
  // GBK 楼 is C2 A5, which is also the UTF-8 of "¥"; the full-width ２ (A3 B2) is not UTF-8.
  const std::string before = std::string("[GameMenu]\r\nMenuName1=\xC2\xA5\r\n") +
                             "[UserSet]\r\nGameMode=\xA3\xB2\r\nGameMain=1\r\n";
  Write(before);
  ASSERT_EQ(Get("GameMenu", "MenuName1"), "楼");
  ASSERT_TRUE(Set("UserSet", "GameMode", "2"));
  EXPECT_EQ(Get("GameMenu", "MenuName1"), "楼");
  EXPECT_EQ(Get("UserSet", "GameMode"), "2");
  EXPECT_EQ(Get("UserSet", "GameMain"), "1");
  EXPECT_EQ(Contents(), std::string("[GameMenu]\r\nMenuName1=\xC2\xA5\r\n[UserSet]\r\nGameMode=2\r\nGameMain=1\r\n") +
                            "TextEncoding=\xBC\xF2\xCC\xE5\xD6\xD0\xCE\xC4(GBK)\r\n");
  EXPECT_TRUE(dialogs_.messages.empty());
}

TEST_F(IniFileTest, AUtf8FileStaysUtf8) {
  const std::string before = "[GameMenu]\r\nMenuName1=冬雪\r\n[UserSet]\r\nGameMain=1\r\n";
  Write(before);
  ASSERT_TRUE(Set("UserSet", "GameMain", "2"));
  EXPECT_EQ(Contents(), "[GameMenu]\r\nMenuName1=冬雪\r\n[UserSet]\r\nGameMain=2\r\n");
}

TEST_F(IniFileTest, AShippedGbkFileRoundTrips) {
  const auto shipped = [](const char* userSet) {
    return std::string("[UserSet]\r\n") + userSet +
           "[GameMenu]\r\n"
           "Menu=3\r\n"
           "MenuName1=" + kGbkGems + "\r\n"
           "MenuPath1=\\pics\\gems\\\r\n"
           "MenuName2=" + kGbkGarden + "\r\n"
           "MenuPath2=\\pics\\garden\\\r\n"
           "MenuName3=" + kGbkWinter + "\r\n"
           "MenuPath3=\\pics\\winter\\\r\n";
  };
  Write(shipped("MediaON=True\r\nMediaMax=60\r\nSoundON=True\r\nSoundMax=80\r\nGameMode=1\r\nGameMain=1\r\n"));

  // What the shutdown writes: the six user settings, in their order.
  ASSERT_TRUE(Set("UserSet", "MediaON", IniBoolText(0)));
  ASSERT_TRUE(Set("UserSet", "MediaMax", IniText(std::int16_t{45})));
  ASSERT_TRUE(Set("UserSet", "SoundON", IniBoolText(-1)));
  ASSERT_TRUE(Set("UserSet", "SoundMax", IniText(std::int16_t{80})));
  ASSERT_TRUE(Set("UserSet", "GameMode", IniText(std::int16_t{4})));
  ASSERT_TRUE(Set("UserSet", "GameMain", IniText(std::int16_t{3})));

  EXPECT_EQ(Contents(),
            shipped("MediaON=False\r\nMediaMax=45\r\nSoundON=True\r\nSoundMax=80\r\nGameMode=4\r\nGameMain=3\r\n"));
  EXPECT_EQ(ParseIniBool(Get("UserSet", "MediaON")), std::int16_t{0});
  EXPECT_EQ(ParseIniInt(Get("UserSet", "MediaMax")), std::int16_t{45});
  EXPECT_EQ(ParseIniBool(Get("UserSet", "SoundON")), std::int16_t{-1});
  EXPECT_EQ(ParseIniInt(Get("UserSet", "GameMode")), std::int16_t{4});
  EXPECT_EQ(ParseIniInt(Get("UserSet", "GameMain")), std::int16_t{3});
  EXPECT_EQ(ParseIniInt(Get("GameMenu", "Menu")), std::int16_t{3});
  EXPECT_EQ(Get("GameMenu", "MenuName1"), "宝石");
  EXPECT_EQ(Get("GameMenu", "MenuName2"), "花园");
  EXPECT_EQ(Get("GameMenu", "MenuName3"), "冬雪");
  EXPECT_EQ(Get("GameMenu", "MenuPath3"), "\\pics\\winter\\");
  EXPECT_TRUE(dialogs_.messages.empty());
}

TEST_F(IniFileTest, SixSettingsInOneWriteAreByteForByteSixSingleWrites) {
  const std::vector<IniSetting> six = {{"MediaON", "False"}, {"MediaMax", "45"}, {"SoundON", "True"},
                                       {"SoundMax", "80"},   {"GameMode", "4"},   {"GameMain", "3"}};
  const std::string gbkMenu = std::string("[GameMenu]\r\nMenu=2\r\nMenuName1=") + kGbkGems + "\r\nMenuName2=" +
                              kGbkBracket + "\r\n";
  const std::string files[] = {
      "",
      "[UserSet]\r\nMediaON=True\r\nMediaMax=60\r\nSoundON=True\r\nSoundMax=80\r\nGameMode=1\r\nGameMain=1\r\n" + gbkMenu,
      gbkMenu,                                                                  // no [UserSet]
      "[UserSet]\r\nGameMode=2\r\n" + gbkMenu + "[Snow]\r\nSnowSum=5",        // keys missing, sections after
      "[UserSet2]\r\nNote=see GameMode and SoundON\nGameMain=1\n  [ UserSet ]  \nSoundMax=1\n",  // substrings
      std::string("[GameMenu]\r\nMenuName1=\xC2\xA5\r\n[UserSet]\r\nGameMode=\xA3\xB2\r\nMediaON=0\r\n"),  // GBK mark
      "[UserSet]\r\nGameMain=1\r\n[GameMenu]\r\nMenuName1=冬雪\r\n",          // UTF-8
  };
  for (const std::string& file : files) {
    SCOPED_TRACE(file);
    Write(file);
    for (const IniSetting& s : six) ASSERT_TRUE(Set("UserSet", s.Key, s.Value));
    const std::string bySingleWrites = Contents();
    Write(file);
    ASSERT_EQ(SetIniValues(ini_, "UserSet", six), std::nullopt);
    EXPECT_EQ(Contents(), bySingleWrites);
    EXPECT_TRUE(OnlyTheSettingsFile());
  }
}

TEST_F(IniFileTest, AMissingSettingsFileIsNotCreated) {
  EXPECT_FALSE(Set("UserSet", "GameMode", "3"));
  EXPECT_FALSE(fs::exists(ini_));
  EXPECT_TRUE(OnlyTheSettingsFile());
}

// UTF-16, bytes that are not GBK, a zero byte: the writer's lines would cut such a file's text.
TEST_F(IniFileTest, AFileThatIsNoGbkOrUtf8TextIsNeverRewritten) {
  for (const std::string& before : {std::string("\xFF\xFE[\0U\0]\0\r\0\n\0", 12),
                                    std::string("[UserSet]\r\nGameMode=1\r\nN=caf\xE9\r\n"),
                                    std::string("[UserSet]\r\nGameMode=1\r\n\0", 24)}) {
    Write(before);
    EXPECT_FALSE(Set("UserSet", "GameMode", "3"));
    EXPECT_EQ(Contents(), before);
  }
}

#ifndef _WIN32
// Runs `write` as a user that permissions bind: as is when this process is not root, otherwise
// in a child process that has given root up for the "nobody" user (root writes anywhere).
template <typename Write>
bool WriteAsPermissionsBoundUser(Write write) {
  if (::geteuid() != 0) return write();
  const pid_t child = ::fork();
  if (child == 0) {
    const bool dropped = ::setgroups(0, nullptr) == 0 && ::setgid(65534) == 0 && ::setuid(65534) == 0;
    ::_exit(!dropped ? 2 : write() ? 0 : 1);
  }
  int status = 0;
  ::waitpid(child, &status, 0);
  EXPECT_TRUE(WIFEXITED(status) && WEXITSTATUS(status) != 2) << "could not give root up";
  return WIFEXITED(status) && WEXITSTATUS(status) == 0;
}

TEST_F(IniFileTest, AReadOnlyFolderMakesTheWriteFailWithTheOriginalIntact) {
  const std::string before = "[UserSet]\r\nGameMode=2\r\n";
  Write(before);
  // The file itself may be written by anyone: only the folder stands in the way.
  fs::permissions(ini_, fs::perms::owner_read | fs::perms::owner_write | fs::perms::others_read | fs::perms::others_write);
  fs::permissions(dir_, fs::perms::owner_read | fs::perms::owner_exec | fs::perms::others_read | fs::perms::others_exec);
  EXPECT_FALSE(WriteAsPermissionsBoundUser([&] { return Set("UserSet", "GameMode", "3"); }));
  EXPECT_EQ(Contents(), before);
  EXPECT_TRUE(OnlyTheSettingsFile());
}

#else
PELMORA_POSIX_ONLY_TEST_F(IniFileTest, AReadOnlyFolderMakesTheWriteFailWithTheOriginalIntact,
                        "root is given up with fork and setuid to meet a folder's permission bits")
#endif

// ---- value forms ---------------------------------------------------------------------------

TEST(IniValueForms, TextOfBooleansAndIntegers) {
  EXPECT_EQ(IniText(true), "True");
  EXPECT_EQ(IniText(false), "False");
  EXPECT_EQ(IniBoolText(-1), "True");
  EXPECT_EQ(IniBoolText(0), "False");
  EXPECT_EQ(IniBoolText(1), "True");
  EXPECT_EQ(IniText(std::int16_t{0}), "0");
  EXPECT_EQ(IniText(std::int16_t{-32768}), "-32768");
  EXPECT_EQ(IniText(std::int16_t{32767}), "32767");
}

TEST(IniValueForms, BooleansAreWordsInAnyCaseOrWholeNumbers) {
  for (const char* t : {"True", "true", "TRUE", "tRuE", " True ", "\tTrue", "-1", "1", "5", "+3", " 7 ",
                        "123456789012345678901234567890"})
    EXPECT_EQ(ParseIniBool(t), std::int16_t{-1}) << '"' << t << '"';
  for (const char* t : {"False", "false", "FALSE", " false\t", "0", "00", "-0", "+0"})
    EXPECT_EQ(ParseIniBool(t), std::int16_t{0}) << '"' << t << '"';
  for (const char* t : {"", " ", "yes", "Tru", "Truee", "1.5", "-", "+", "1 2", "0x1", "True1", "--1"})
    EXPECT_EQ(ParseIniBool(t), std::nullopt) << '"' << t << '"';
}

TEST(IniValueForms, IntegersAreWholeDecimalsWithin16Bits) {
  EXPECT_EQ(ParseIniInt("3"), std::int16_t{3});
  EXPECT_EQ(ParseIniInt(" 3"), std::int16_t{3});
  EXPECT_EQ(ParseIniInt("3\t "), std::int16_t{3});
  EXPECT_EQ(ParseIniInt("+7"), std::int16_t{7});
  EXPECT_EQ(ParseIniInt("007"), std::int16_t{7});
  EXPECT_EQ(ParseIniInt("-32768"), std::int16_t{-32768});
  EXPECT_EQ(ParseIniInt("32767"), std::int16_t{32767});
  for (const char* t : {"32768", "-32769", "99999999999999999999", "", " ", "abc", "3x", "1.0", "- 3", "+-3",
                        "3 4", "True"})
    EXPECT_EQ(ParseIniInt(t), std::nullopt) << '"' << t << '"';
}

}  // namespace
}  // namespace pelmora
