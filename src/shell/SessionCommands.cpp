// The commands of the control panel and the game menu.
#include <filesystem>

#include "platform/Paths.h"
#include "platform/AppInfo.h"
#include "shell/Session.h"
#include "game/GameFiles.h"

namespace pelmora {

namespace {
constexpr char kWebAddress[] = "https://pelmora.example.org/";
}  // namespace

void Session::NewGameCommand() {
  if (!EnsureAPictureSetLoaded()) return;
  // A paused game asks its question like a running one. A new game leaves the pause behind (its
  // countdown, music and loop have all started afresh); keeping the old one keeps it paused, as
  // every question the player cancels leaves the game as it was.
  if (rules_.NewGame(*this)) paused_ = false;
}

void Session::ExitCommand() {
  if (io_.dialogs.Message(QT_TRANSLATE_NOOP("Pelmora", "游戏进行中,真的要退出吗?"), QT_TRANSLATE_NOOP("Pelmora", "提示"),
                          Buttons::OkCancel, Icon::Question) == Answer::Ok)
    io_.view.Close();
}

void Session::SelectGameMode(int mode) {
  settings_.GameMode = static_cast<std::int16_t>(mode);
  io_.view.ShowMode(mode);
}

void Session::ChoosePictureSet(int index) {
  settings_.GameMain = static_cast<std::int16_t>(index);
  LoadCurrentPictureSet();
  LoadSnowForCurrentSet();
}

void Session::ShowHelp() {
  const std::string path = GamePath(where_.GameFolder, files::kHelp);
  std::error_code error;
  if (std::filesystem::is_regular_file(path, error)) {
    io_.opener.Open(path);
  } else {
    io_.dialogs.Message(QT_TRANSLATE_NOOP("Pelmora", "帮助文件丢失！"), QT_TRANSLATE_NOOP("Pelmora", "警告"), Buttons::Ok,
                        Icon::Exclamation);
  }
}

void Session::ShowLeaderboard() { io_.leaderboard.ShowLeaderboard(pxb_); }

void Session::OpenWebPage() { io_.opener.Open(kWebAddress); }

void Session::ShowAbout() {
  const Text text(QT_TRANSLATE_NOOP("Pelmora", "程序设计：Pelmora 开发组\n电子邮件：%1\nQQ：%2\n版权所有：Pelmora 开发组\n更多游戏：%3\n"),
                  {"team@pelmora.example.org", "20261207", kWebAddress});
  io_.dialogs.Message(text, Text(QT_TRANSLATE_NOOP("Pelmora", "关于%1"), {kAppTitle}), Buttons::Ok, Icon::None);
}

}  // namespace pelmora
