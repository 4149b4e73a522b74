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

// Asks until the name is short enough; Cancel counts as an empty name.
std::string AskName(Dialogs& dialogs) {
  std::string name;
  do {
    name = dialogs.Input(kNamePrompt, kTitle, "").value_or("");
  } while (CountChars(name) > kMaxNameChars);
  return name.empty() ? std::string(kDefaultPlayerName) : name;
}

}  // namespace

void EnterPXB(std::int32_t score, PXBList& list, Dialogs& dialogs, LeaderboardHost& host) {
  // A game always ends with a score of at least 0; a negative one could only beat rows of a
  // damaged file and is not worth a place either.
  if (score <= 0) return;
  const int place = PlaceFor(score, list);
  if (place == 0) return;
  if (!OfferPlace(score, place, dialogs)) return;

  const std::string name = AskName(dialogs);
  const PXBEntry entry{FitPXBText(name), score, FitPXBText(host.Today())};
  // A failed save keeps the old file; the row still shows for this run.
  if (!host.Store(entry, list)) dialogs.Message(kPXBSaveFailed, kAppTitle, Buttons::Ok, Icon::Exclamation);
  host.ShowLeaderboard(list);
}

}  // namespace pelmora
