// The encodings of the stored files.
#include <gtest/gtest.h>
#ifndef _WIN32
#include <iconv.h>
#endif

#include <cerrno>
#include <random>
#include <vector>

#include "platform/Paths.h"
#include "platform/TextCodec.h"
#include "support/PosixOnly.h"

namespace pelmora {
namespace {

TEST(TextCodec, GbkRoundTripsChineseText) {
  const std::string utf8 = "宝石Lumo用户";
  const auto gbk = Utf8ToGbk(utf8);
  ASSERT_TRUE(gbk.has_value());
  EXPECT_EQ(*gbk, std::string("\xB1\xA6\xCA\xAF" "Lumo" "\xD3\xC3\xBB\xA7"));
  EXPECT_EQ(GbkToUtf8(*gbk), utf8);
}

TEST(TextCodec, CharactersWithoutAGbkFormAreRefused) {
  EXPECT_FALSE(Utf8ToGbk("smile \xF0\x9F\x98\x80").has_value());
}

TEST(TextCodec, DamagedGbkStillDecodes) {
  const std::string text = GbkToUtf8(std::string("A\xB1", 2));  // a lead byte cut off
  EXPECT_EQ(text.substr(0, 1), "A");
  EXPECT_TRUE(IsValidUtf8(text));
}

#ifndef _WIN32
// GBK decoded by iconv itself, a byte at a time past anything it refuses, each refused byte
// standing for one U+FFFD: what the game's decoder must give, only faster.
std::string IconvGbkToUtf8(std::string_view in) {
  iconv_t cd = iconv_open("UTF-8", "GBK");
  std::string out;
  char* inPtr = const_cast<char*>(in.data());
  std::size_t inLeft = in.size();
  while (inLeft > 0) {
    char buffer[256];
    char* outPtr = buffer;
    std::size_t outLeft = sizeof buffer;
    const std::size_t r = iconv(cd, &inPtr, &inLeft, &outPtr, &outLeft);
    out.append(buffer, static_cast<std::size_t>(outPtr - buffer));
    if (r == static_cast<std::size_t>(-1) && errno != E2BIG) {
      out += "\xEF\xBF\xBD";
      ++inPtr;
      --inLeft;
    }
  }
  iconv_close(cd);
  return out;
}

TEST(TextCodec, GbkDecodesAsIconvDoesWhateverTheBytes) {
  std::mt19937 random(936);
  // Lead bytes, trail bytes, "[" and line ends are the bytes that matter; all others come too.
  const std::string favoured = "\x80\x81\xA1\xA2\xB1\xD7\xFE\xFF\x40\x7F\x5B\x5D=\r\n";
  std::uniform_int_distribution<int> any(0, 255), pick(0, static_cast<int>(favoured.size()) - 1), coin(0, 1);
  for (int round = 0; round < 3000; ++round) {
    std::string bytes(static_cast<std::size_t>(round % 40), '\0');
    for (char& b : bytes) b = coin(random) ? favoured[static_cast<std::size_t>(pick(random))] : static_cast<char>(any(random));
    ASSERT_EQ(GbkToUtf8(bytes), IconvGbkToUtf8(bytes)) << round;
  }
}

#else
PELMORA_POSIX_ONLY_TEST(TextCodec, GbkDecodesAsIconvDoesWhateverTheBytes,
                        "its oracle is glibc's iconv; on Windows the decoder is code page 936 itself")
#endif

TEST(TextCodec, SettingsTextIsUtf8OnlyWhenItIsValid) {
  EXPECT_EQ(DecodeSettingsText("MenuName1=宝石"), "MenuName1=宝石");
  EXPECT_EQ(DecodeSettingsText("MenuName1=\xB1\xA6\xCA\xAF"), "MenuName1=宝石");
}

TEST(TextCodec, Utf8Validation) {
  EXPECT_TRUE(IsValidUtf8("plain"));
  EXPECT_TRUE(IsValidUtf8("冬雪"));
  EXPECT_FALSE(IsValidUtf8("\xC0\xAF"));          // overlong "/"
  EXPECT_FALSE(IsValidUtf8("\xED\xA0\x80"));      // a surrogate
  EXPECT_FALSE(IsValidUtf8("\xE5\xAE"));          // cut short
  EXPECT_FALSE(IsValidUtf8("\xB1\xA6\xCA\xAF"));  // GBK
}

TEST(TextCodec, CharactersSplitOnUtf8Boundaries) {
  std::vector<std::string> parts;
  ForEachUtf8Char("a宝\xFF", [&](std::string_view c) { parts.emplace_back(c); });
  EXPECT_EQ(parts, (std::vector<std::string>{"a", "宝", "\xFF"}));
}

TEST(Paths, BackslashNamesJoinAsWrittenThenBecomeNative) {
  EXPECT_EQ(GamePath("/opt/pelmora", "\\pics\\gems\\GameMap.JPG"), "/opt/pelmora/pics/gems/GameMap.JPG");
  EXPECT_EQ(GamePath("/opt/pelmora", "\\VornPGame.ini"), "/opt/pelmora/VornPGame.ini");
}

}  // namespace
}  // namespace pelmora
