#include "leaderboard/EnterPxb.h"

#include "platform/AppInfo.h"
#include "platform/TextCodec.h"

namespace pelmora {

namespace {

constexpr char kTitle[] = QT_TRANSLATE_NOOP("Pelmora", "新的记录");
constexpr char kNamePrompt[] = QT_TRANSLATE_NOOP("Pelmora", "清输入你的名字！，用与保存到排行榜");

int CountChars(const std::string& utf8) {
  int n = 0;
  ForEachUtf8Char(utf8, [&n](std::string_view) { ++n; });
  return n;
}

// The first character of `name` that data.dat (GBK) cannot hold; nothing when it holds them all.
std::optional<std::string> FirstCharWithoutGbk(const std::string& name) {
  std::optional<std::string> found;
  ForEachUtf8Char(name, [&found](std::string_view c) {
    if (!found && !Utf8ToGbk(c)) found = std::string(c);
  });
  return found;
}

bool OfferPlace(std::int32_t score, int place, Dialogs& dialogs) {
  const Text message(QT_TRANSLATE_NOOP("Pelmora", "恭喜你！\r\n你这次游戏得了 %1 分．\r\n可以进入排行榜第%2名．\r\n是否要存储到排行榜？"),
                     {std::to_string(score), std::to_string(place)});
  return dialogs.Message(message, kTitle, Buttons::YesNo, Icon::None) == Answer::Yes;
}

// Asks until the name is short enough and data.dat can hold every character of it, each time
// with what was typed; Cancel counts as an empty name. A character without a GBK form would be
// stored as "?": the player is told which, and edits what was typed.
std::string AskName(Dialogs& dialogs) {
  std::string typed;
  for (;;) {
    const std::string name = dialogs.Input(kNamePrompt, kTitle, typed, kMaxNameChars).value_or("");
    typed = name;
    if (CountChars(name) > kMaxNameChars) continue;
    const std::optional<std::string> lost = FirstCharWithoutGbk(name);
    if (!lost) return name.empty() ? std::string(kDefaultPlayerName) : name;
    dialogs.Message(Text(QT_TRANSLATE_NOOP("Pelmora", "排行榜无法保存名字中的“%1”，请修改你的名字。"), {*lost}), kTitle,
                    Buttons::Ok, Icon::Exclamation);
  }
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
  if (const SaveResult failed = host.Store(entry, list)) dialogs.SaveFailed(StoredFile::Leaderboard, *failed);
  host.ShowLeaderboard(list);
}

}  // namespace pelmora
