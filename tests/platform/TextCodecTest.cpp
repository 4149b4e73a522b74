// The encodings of the stored files.
#include <gtest/gtest.h>

#include <vector>

#include "platform/Paths.h"
#include "platform/TextCodec.h"

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
