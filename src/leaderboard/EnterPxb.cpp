#include "leaderboard/EnterPxb.h"

#include "platform/AppInfo.h"
#include "platform/TextCodec.h"

namespace pelmora {

namespace {

constexpr char kTitle[] = "新的记录";
constexpr char kNamePrompt[] = "清输入你的名字！，用与保存到排行榜";

int CountChars(const std::string& utf8) {
  int n = 0;
  ForEachUtf8Char(utf8, [&n](std::string_view) { ++n; });
  return n;
}

bool OfferPlace(std::int32_t score, int place, Dialogs& dialogs) {
  const std::string message = "恭喜你！\r\n你这次游戏得了 " + std::to_string(score) + " 分．\r\n可以进入排行榜第" +
                              std::to_string(place) + "名．\r\n是否要存储到排行榜？";
  return dialogs.Message(message, kTitle, Buttons::YesNo, Icon::None) == Answer::Yes;
}

// Asks until the name is short enough, each time with what was typed; Cancel counts as an empty
// name.
std::string AskName(Dialogs& dialogs) {
  std::string name;
  do {
    name = dialogs.Input(kNamePrompt, kTitle, name, kMaxNameChars).value_or("");
  } while (CountChars(name) > kMaxNameChars);
  return name.empty() ? std::string(kDefaultPlayerName) : name;
}

}  // namespace

int PlaceFor(std::int32_t score, const PXBList& list) {
  for (std::size_t i = 0; i < list.size(); ++i) {
    if (score > list[i].Score) return static_cast<int>(i) + 1;
  }
  return 0;
}

void EnterPXB(std::int32_t score, PXBList& list, Dialogs& dialogs, LeaderboardHost& host) {
  // A game always ends with a score of at least 0; a negative one could only beat rows of a
  // damaged file and is not worth a place either.
  if (score <= 0) return;
  const int place = PlaceFor(score, list);
  if (place == 0) return;
  if (!OfferPlace(score, place, dialogs)) return;

  const auto row = static_cast<std::size_t>(place - 1);
  for (std::size_t j = list.size() - 1; j > row; --j) list[j] = list[j - 1];
  const std::string name = AskName(dialogs);
  list[row] = PXBEntry{FitPXBText(name), score, FitPXBText(host.Today())};

  // A failed save keeps the old file; the row still shows for this run.
  if (!host.Save(list)) dialogs.Message(kPXBSaveFailed, kAppTitle, Buttons::Ok, Icon::Exclamation);
  host.ShowLeaderboard(list);
}

}  // namespace pelmora
