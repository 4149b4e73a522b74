#include <gtest/gtest.h>

#include <filesystem>
#include <string>
#include <vector>

#include "leaderboard/EnterPxb.h"
#include "support/TempFolder.h"
#include "support/Fakes.h"

namespace pelmora {
namespace {

using testing::FakeDialogs;
using testing::TempFolder;

constexpr char kPrompt[] = "清输入你的名字！，用与保存到排行榜|新的记录";

// Records what the dialogue asked of the program. Saving goes to a real file when a path is set.
struct FakeHost : LeaderboardHost {
  std::string today = "2024/5/3";
  std::string path;  // empty: saving only records
  std::vector<PXBList> saved;
  std::vector<PXBList> shown;
  std::vector<bool> saveResults;

  std::string Today() override { return today; }
  SaveResult Store(const PXBEntry& entry, PXBList& list) override {
    SaveResult failed;
    if (path.empty()) {
      InsertPXBEntry(list, entry);
    } else {
      failed = AddPXBEntry(path, entry, list);
    }
    saved.push_back(list);
    saveResults.push_back(!failed);
    return failed;
  }
  void ShowLeaderboard(const PXBList& list) override { shown.push_back(list); }
};

// A table from its scores, best first; names "r1", "r2", ... and dates "d1", "d2", ...
PXBList Table(std::initializer_list<std::int32_t> scores) {
  PXBList list;
  std::size_t i = 0;
  for (std::int32_t s : scores) {
    list[i] = {"r" + std::to_string(i + 1), s, "d" + std::to_string(i + 1)};
    ++i;
  }
  return list;
}

std::vector<std::string> Names(const PXBList& list) {
  std::vector<std::string> out;
  for (const auto& row : list) out.push_back(row.Name);
  return out;
}

struct EnterPXBTest : ::testing::Test {
  FakeDialogs dialogs;
  FakeHost host;
  void AnswerYesWithName(std::optional<std::string> name) {
    dialogs.answers.push_back(Answer::Yes);
    dialogs.inputs.push_back(std::move(name));
  }
  void ExpectNothingHappened(const PXBList& before, const PXBList& after) {
    EXPECT_EQ(after, before);
    EXPECT_TRUE(dialogs.prompts.empty());
    EXPECT_TRUE(host.saved.empty());
    EXPECT_TRUE(host.shown.empty());
  }
};

TEST_F(EnterPXBTest, ScoreZeroAsksNothing) {
  PXBList list;
  EnterPXB(0, list, dialogs, host);
  EXPECT_TRUE(dialogs.messages.empty());
  ExpectNothingHappened(PXBList{}, list);
}

TEST_F(EnterPXBTest, ScoreThatBeatsNoRowAsksNothing) {
  PXBList list = Table({90, 80, 70, 60, 50, 40, 30, 20, 10, 5});
  EnterPXB(5, list, dialogs, host);  // equal to the tenth is not enough
  EnterPXB(-3, list, dialogs, host);
  EXPECT_TRUE(dialogs.messages.empty());
  ExpectNothingHappened(Table({90, 80, 70, 60, 50, 40, 30, 20, 10, 5}), list);
}

TEST_F(EnterPXBTest, OfferTextTitleButtonsAndIconAreExact) {
  PXBList list = Table({300, 200, 100});
  dialogs.answers.push_back(Answer::No);
  EnterPXB(250, list, dialogs, host);
  ASSERT_EQ(dialogs.messages.size(), 1u);
  const auto& asked = dialogs.messages[0];
  EXPECT_EQ(asked.text,
            "恭喜你！\r\n你这次游戏得了 250 分．\r\n可以进入排行榜第2名．\r\n是否要存储到排行榜？");
  EXPECT_EQ(asked.caption, "新的记录");
  EXPECT_EQ(asked.buttons, Buttons::YesNo);
  EXPECT_EQ(asked.icon, Icon::None);
}

TEST_F(EnterPXBTest, ScoreEqualToPlaceThreeIsOfferedPlaceFour) {
  PXBList list = Table({300, 200, 100, 50});
  AnswerYesWithName("新人");
  EnterPXB(100, list, dialogs, host);
  ASSERT_EQ(dialogs.messages.size(), 1u);
  EXPECT_NE(dialogs.messages[0].text.find("可以进入排行榜第4名．"), std::string::npos);
  EXPECT_EQ(Names(list), (std::vector<std::string>{"r1", "r2", "r3", "新人", "r4", "", "", "", "", ""}));
  EXPECT_EQ(list[3], (PXBEntry{"新人", 100, "2024/5/3"}));
  EXPECT_EQ(list[4], (PXBEntry{"r4", 50, "d4"}));
}

TEST_F(EnterPXBTest, AnsweringNoChangesNothingAndShowsNoWindow) {
  PXBList list = Table({300, 200});
  dialogs.answers.push_back(Answer::No);
  EnterPXB(999, list, dialogs, host);
  ExpectNothingHappened(Table({300, 200}), list);
}

TEST_F(EnterPXBTest, NewEntryIsSavedAndThenShown) {
  PXBList list = Table({300, 200});
  AnswerYesWithName("张三");
  EnterPXB(250, list, dialogs, host);
  const PXBList expected = [] {
    PXBList e;
    e[0] = {"r1", 300, "d1"};
    e[1] = {"张三", 250, "2024/5/3"};
    e[2] = {"r2", 200, "d2"};
    return e;
  }();
  EXPECT_EQ(list, expected);
  ASSERT_EQ(host.saved.size(), 1u);
  EXPECT_EQ(host.saved[0], expected);
  ASSERT_EQ(host.shown.size(), 1u);
  EXPECT_EQ(host.shown[0], expected);
  EXPECT_EQ(dialogs.prompts, std::vector<std::string>{kPrompt});
}

TEST_F(EnterPXBTest, FullTableDropsTheTenthRow) {
  PXBList list = Table({90, 80, 70, 60, 50, 40, 30, 20, 10, 5});
  AnswerYesWithName("best");
  EnterPXB(1000, list, dialogs, host);
  EXPECT_EQ(Names(list), (std::vector<std::string>{"best", "r1", "r2", "r3", "r4", "r5", "r6", "r7", "r8", "r9"}));
  EXPECT_EQ(list[9], (PXBEntry{"r9", 10, "d9"}));
}

TEST_F(EnterPXBTest, FirstEntryOfAnEmptyTableTakesPlaceOne) {
  PXBList list;
  AnswerYesWithName("a");
  EnterPXB(1, list, dialogs, host);
  EXPECT_NE(dialogs.messages.at(0).text.find("第1名"), std::string::npos);
  EXPECT_EQ(list[0], (PXBEntry{"a", 1, "2024/5/3"}));
  EXPECT_EQ(list[1], PXBEntry{});
}

TEST_F(EnterPXBTest, SeventeenCharactersAskAgainSixteenAreAccepted) {
  PXBList list;
  dialogs.answers.push_back(Answer::Yes);
  dialogs.inputs.push_back("abcdefghijklmnopq");  // 17
  dialogs.inputs.push_back("abcdefghijklmnop");   // 16
  EnterPXB(10, list, dialogs, host);
  EXPECT_EQ(dialogs.prompts, (std::vector<std::string>{kPrompt, kPrompt}));
  // Each prompt is told the limit; the second brings back what was typed, for editing.
  EXPECT_EQ(dialogs.typed, (std::vector<std::string>{"/16", "abcdefghijklmnopq/16"}));
  EXPECT_EQ(list[0].Name, "abcdefghijklmnop");
}

TEST_F(EnterPXBTest, PromptCountsCharactersNotBytes) {
  PXBList list;
  dialogs.answers.push_back(Answer::Yes);
  dialogs.inputs.push_back("一二三四五六七八九十一二三四五六七");  // 17 characters
  dialogs.inputs.push_back("一二三四五六七八九十一二三四五六");    // 16 characters, 32 GBK bytes
  EnterPXB(10, list, dialogs, host);
  EXPECT_EQ(dialogs.prompts.size(), 2u);
  // Accepted by the prompt, kept as far as the record holds it, the same in memory and on disk.
  EXPECT_EQ(list[0].Name, "一二三四五六七八");
  EXPECT_EQ(host.saved.at(0)[0].Name, "一二三四五六七八");
}

TEST_F(EnterPXBTest, ANameGbkCannotHoldIsToldAndGivenBackForEditing) {
  PXBList list;
  AnswerYesWithName("Zoé 🙂 Ω");  // é and Ω have GBK forms, the smiley none
  dialogs.inputs.push_back("Zoé Ω");
  EnterPXB(10, list, dialogs, host);
  EXPECT_EQ(dialogs.defaults, (std::vector<std::string>{"", "Zoé 🙂 Ω"}));
  ASSERT_EQ(dialogs.messages.size(), 2u);
  EXPECT_EQ(dialogs.messages[1].text, "排行榜无法保存名字中的“🙂”，请修改你的名字。");
  EXPECT_EQ(list[0].Name, "Zoé Ω");
}

TEST_F(EnterPXBTest, CancelAndEmptyNameStoreTheDefaultName) {
  PXBList list;
  AnswerYesWithName(std::nullopt);
  EnterPXB(20, list, dialogs, host);
  AnswerYesWithName("");
  EnterPXB(30, list, dialogs, host);
  EXPECT_EQ(list[0].Name, "Lumo用户");
  EXPECT_EQ(list[1].Name, "Lumo用户");
  EXPECT_EQ(dialogs.prompts.size(), 2u);
}

TEST_F(EnterPXBTest, FailedSaveIsToldKeepsTheOldFileAndStillShowsTheNewRow) {
  TempFolder folder;
  host.path = folder.File("data.dat");
  PXBList list = Table({300, 200});
  ASSERT_EQ(SavePXB(host.path, list), std::nullopt);
  const std::string old = testing::ReadBytes(host.path);
  namespace fs = std::filesystem;
  fs::permissions(host.path, fs::perms::owner_read | fs::perms::group_read | fs::perms::others_read);

  AnswerYesWithName("张三");
  EnterPXB(400, list, dialogs, host);
  EXPECT_EQ(host.saveResults, std::vector<bool>{false});
  EXPECT_EQ(testing::ReadBytes(host.path), old);
  EXPECT_EQ(dialogs.messages.size(), 1u);  // the offer; the failure is told with its reason
  ASSERT_EQ(dialogs.saveFailures.size(), 1u);
  EXPECT_EQ(dialogs.saveFailures[0].first, StoredFile::Leaderboard);
  EXPECT_EQ(dialogs.saveFailures[0].second, (SaveError{SaveProblem::ReadOnly, host.path}));
  ASSERT_EQ(host.shown.size(), 1u);
  EXPECT_EQ(host.shown[0][0], (PXBEntry{"张三", 400, "2024/5/3"}));
  EXPECT_EQ(list[0].Name, "张三");
}

TEST_F(EnterPXBTest, SavedTableIsReadBackAtTheNextStart) {
  TempFolder folder;
  host.path = folder.File("data.dat");
  PXBList list = LoadPXB(host.path);
  AnswerYesWithName("张三");
  EnterPXB(400, list, dialogs, host);
  AnswerYesWithName("李四");
  EnterPXB(500, list, dialogs, host);
  EXPECT_EQ(LoadPXB(host.path), list);
  EXPECT_EQ(Names(LoadPXB(host.path))[1], "张三");
}

}  // namespace
}  // namespace pelmora
